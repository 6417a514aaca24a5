#pragma once

#include "shell/QuizWindow.h"

class QPushButton;

// The window of a quiz that only the test suite has: one question page with one button that ends
// the quiz. It shows that a quiz is a folder of its own, a catalogue row and an icon.
class frmFourthQuiz : public QuizWindow {
    Q_OBJECT

public:
    frmFourthQuiz();

    QPushButton* cmdDone;
};
