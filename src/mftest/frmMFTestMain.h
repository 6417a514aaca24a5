#pragma once

#include "shell/QuizWindow.h"

#include <array>

class Announcer;
class BrandStrip;
class KeyPressTextBox;
class MouseLabel;
class OptionGroup;
class QComboBox;
class QLabel;
class TextBox;
class QPushButton;
class QRadioButton;

// The window in which one person takes the Masculine Feminine Test: the details page asks for
// a name, an age and a sex, the question page walks through the twenty questions, and the
// result page shows the percentages and the verdict. Only one page is in front at a time.
class frmMFTestMain : public QuizWindow {
    Q_OBJECT

public:
    frmMFTestMain();

    // Works out the percentages of the score and writes them with the verdict on the result page.
    void ShowMFResult(const qint16& score);

    MouseLabel* Label61;
    QWidget* pages;

    QWidget* fraDetails;
    std::array<QLabel*, 5> lblLabel;
    TextBox* txtName;
    KeyPressTextBox* txtAge;
    QComboBox* cboSex;
    QPushButton* cmdTest;

    QWidget* fraQuestion;
    QLabel* lblQuestioNo;
    QLabel* lblQuestion;
    // The two answers, in a group named by the question.
    OptionGroup* answers;
    QRadioButton* optOption1;
    QRadioButton* optOption2;
    QPushButton* cmdNext;

    QWidget* fraResult;
    std::array<QLabel*, 4> lblResult;
    QPushButton* cmdMain;

    BrandStrip* fraFullBrand;
    // Tells a screen reader the verdict as it appears.
    Announcer* announcer;

private:
    void buildDetailsPage();
    void buildQuestionPage();
    void buildResultPage();

    void cmdTest_Click();
    void cmdNext_Click();
    void cmdMain_Click();
    // Only digits go into the age; any other character is refused with a message.
    void txtAge_KeyPress(int& KeyAscii);

    // The counter, question and answers of the question the run has reached.
    void showQuestion();
    // Names the answers by the question on screen, and tells it unless the focus has just come to
    // them.
    void askQuestion(bool focusCameHere);
    void bringToFront(QWidget* page);
};
