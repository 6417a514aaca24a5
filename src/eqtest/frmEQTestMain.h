#pragma once

#include "shell/QuizWindow.h"

#include <array>

class Announcer;
class BrandStrip;
class MouseLabel;
class OptionGroup;
class QFrame;
class QLabel;
class TextBox;
class QPushButton;
class QRadioButton;

// The window in which the user takes the Emotional Quotient Test: an introduction with the
// name box, the statements one at a time with the five answers, and the result. The three
// panels share one place; one of them is in front at a time.
class frmEQTestMain : public QuizWindow {
    Q_OBJECT

public:
    frmEQTestMain();

    // True for a name that is not blank; otherwise asks for one and puts the focus back in the box.
    bool IsNameEntered();
    // The statement the run has reached, or the result once all fifteen are answered.
    void ShowCurrentStatement();
    // The headline and paragraph of the band the total falls into.
    void ShowEQResult();

    MouseLabel* Label61;

    QFrame* fraMain;
    TextBox* txtName;
    QPushButton* cmdStartTest;
    // 0: the introduction and 1: "Enter Name" on the introduction, 2: the introduction again on
    // the result.
    std::array<QLabel*, 3> lblLabel;

    QFrame* fraQuestion;
    QLabel* lblQuestionNo;
    QLabel* lblQuestion;
    QLabel* Label1;
    // The five answers, in a group named by the statement.
    OptionGroup* choices;
    std::array<QRadioButton*, 5> optAnswerChoice;
    QPushButton* cmdNext;

    QFrame* fraResult;
    // 0: the band headline, 1: the band paragraph.
    std::array<QLabel*, 2> lblResult;
    QPushButton* cmdBack;

    BrandStrip* fraFullBrand;
    // Tells a screen reader the band as it appears.
    Announcer* announcer;

private:
    void buildIntroduction();
    void buildStatementPanel();
    void buildResultPanel();
    // Shows the panel in place of the other two.
    void bringToFront(QFrame* panel);
    // Names the answers by the statement on screen, and tells it unless the focus has just come to
    // them.
    void askStatement(bool focusCameHere);

    void cmdStartTest_Click();
    void cmdNext_Click();
    void cmdBack_Click();
};
