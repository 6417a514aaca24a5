#pragma once

#include "shell/QuizWindow.h"

#include <array>
#include <functional>

class Announcer;
class BrandStrip;
class CommandButton;
class MouseLabel;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class OptionGroup;
class QRadioButton;

// The Brain Test's question window: the twenty questions one at a time with their two answers,
// then the verdict with the panel that tells what the dominant half of the brain is good at.
class frmBrainTestDisplay : public QuizWindow {
    Q_OBJECT

public:
    frmBrainTestDisplay();

    MouseLabel* Label61;

    QFrame* fraQuestion;
    QLabel* Label4;
    QLabel* lblQuestion;
    QLabel* Label3;
    // Tells a screen reader the verdict as it appears.
    Announcer* announcer;
    // The two answers, in a group named by the question.
    OptionGroup* answers;
    QRadioButton* optAnswerOne;
    QRadioButton* optAnswerTwo;
    CommandButton* cmdPrevious;
    CommandButton* cmdNext;

    QFrame* fraResult;
    MouseLabel* lblAnswer;
    QGroupBox* fraRightBrainResponsible;
    QGroupBox* fraLeftBrainResponsible;
    MouseLabel* Label19;
    CommandButton* cmdRightBrainResponsible;
    CommandButton* cmdLeftBrainResponsible;
    CommandButton* Command1;

    BrandStrip* Frame5;
    CommandButton* cmdBack;
    CommandButton* cmdExit;
    QAction* mnuFileBack;

private:
    void buildQuestionPanel();
    // Shows the question at the run's position with its answers, neither chosen.
    void showQuestion();
    void buildResultPanel();
    // Shows one of the two explanation panels, in place of the other.
    void showExplanation(QGroupBox* panel);
    // The same, chosen on a tie: the screen reader is told what it shows.
    void tellExplanation(QGroupBox* panel);
    // The title and the phrases of the explanation panel in front, as one text.
    QString explanationInFront() const;
    // Takes the step to another question and shows it; the focus goes to its answers where the
    // control that had it went from screen, otherwise the question is told.
    void turnToQuestion(const std::function<void()>& step);
    // The chosen answer goes into the run; false, after telling the user, when none is chosen.
    bool recordChosenAnswer();

    void cmdNext_Click();
    void nextQuestion();
    void showVerdict();
    void showNoAnswerMessage();
    void cmdPrevious_Click();
    void cmdRightBrainResponsible_Click();
    void cmdLeftBrainResponsible_Click();
    void cmdBack_Click();
    void cmdExit_Click();
};
