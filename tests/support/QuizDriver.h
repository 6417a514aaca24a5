#pragma once

#include <QList>
#include <QString>
#include <Qt>

class frmMDI;
class QRadioButton;
class QWidget;
class QuizWindow;

// The quizzes of the program, and the pages a user reaches in them.
enum class Quiz { Brain, EmotionalQuotient, MasculineFeminine };
enum class Page {
    Launcher,
    BrainEntry,
    BrainQuestion,
    BrainVerdict,
    EQEntry,
    EQStatement,
    EQBand,
    MFDetails,
    MFQuestion,
    MFVerdict
};
// Whether a journey goes by the mouse or by the keyboard alone.
enum class By { Mouse, Keys };

// What a user does with the mouse and the keyboard: keys go through the window system to the
// control with the focus, as a user's do.
namespace user {

QWidget* focused();
void click(QWidget* control);
// An option is clicked on its circle, which lies at its left.
void choose(QRadioButton* option);
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void type(const QString& text);
// Presses Tab until the control has the focus; false when it is never reached.
bool tabTo(const QWidget* control);
// Tabs into a group of options, selects the one reached with Space and moves with the arrow keys
// to the wanted one, which selects it; false when the group is never reached.
bool chooseWithKeys(const QList<QRadioButton*>& group, int wanted);

} // namespace user

// Takes the program through a user's journeys, from the main window's launcher: opens a quiz,
// gives the details, answers a sequence of questions, reaches a page; by mouse or by keys. A step
// that cannot be taken ends the test program at once, naming it.
class QuizDriver {
public:
    explicit QuizDriver(frmMDI& mainWindow, By by = By::Mouse);

    // Presses the quiz's launcher button: its first window.
    QuizWindow* open(Quiz quiz);
    // The loaded window of that name.
    QuizWindow* window(const QString& name) const;

    // Gives the details on the quiz's first page and starts it: on the first question. The Brain
    // Test's sex is Male, the Masculine Feminine Test's the one so many entries down the list.
    void startBrain(const QString& name = QStringLiteral("anna"));
    void startEQ(const QString& name = QStringLiteral("Anna"));
    void startMF(const QString& name = QStringLiteral("Anna"), const QString& age = QStringLiteral("31"),
                 int sexesDown = 0);

    // Answers the questions in turn from the one on screen, one character each, pressing the
    // forward button after each: the Brain Test and the Masculine Feminine Test '1' or '2' for the
    // first or second answer, the EQ Test '0' to '4' for the index of the choice.
    void answer(Quiz quiz, const QString& answers);

    // From the launcher to the page, with the default details and every first answer.
    void reach(Page page);

private:
    void giveText(QWidget* box, const QString& text);
    void press(QWidget* button);
    void pick(const QList<QRadioButton*>& options, int wanted);
    QList<QRadioButton*> options(const QString& windowName, const QStringList& names) const;

    frmMDI& m_mainWindow;
    By m_by;
};

// The quiz each page belongs to.
Quiz quizOf(Page page);
