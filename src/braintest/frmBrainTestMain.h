#pragma once

#include "shell/QuizWindow.h"

class BrandStrip;
class CommandButton;
class KeyPressTextBox;
class MouseLabel;
class QAction;
class QGroupBox;
class QLabel;
class QRadioButton;

// The Brain Test's entry window: a welcome, the name and sex of the user, and the button that
// starts the test in the question window. It stays loaded, hidden, while the questions are asked.
class frmBrainTestMain : public QuizWindow {
    Q_OBJECT

public:
    frmBrainTestMain();

    // Whether the name and sex allow the test to start; tells the user what is missing.
    bool ValidateBrainDetails();

    MouseLabel* Label61;
    QLabel* Label4;
    QGroupBox* Frame1;
    QLabel* Label1;
    KeyPressTextBox* txtName;
    QLabel* Label3;
    QRadioButton* optMale;
    QRadioButton* optFemale;
    CommandButton* cmdNext;
    CommandButton* cmdExit;
    BrandStrip* Frame5;
    QAction* mnuNext;

private:
    void txtName_KeyPress(int& KeyAscii);
    void cmdNext_Click();
    void cmdExit_Click();
};
