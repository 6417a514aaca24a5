// Takes each test once from the main window's launcher, as a user would with the mouse and the
// keyboard, and times every click and key press: the event itself, and the event with the frame
// it causes painted. One line per event goes to standard output for the benchmark runner.

#include "shell/frmMDI.h"
#include "support/QuizDriver.h"
#include "support/TestSupport.h"
#include "widgets/Look.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>

namespace {

// Delivers everything the last event left behind, windows due for deletion included.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

class UserEvents {
public:
    explicit UserEvents(const char* test)
        : m_test(test)
    {
    }

    void click(QWidget* control)
    {
        time(control, [&] { user::click(control); });
    }

    void choose(QRadioButton* option)
    {
        time(option, [&] { user::choose(option); });
    }

    void type(QWidget* box, const char* text)
    {
        for (const char* character = text; *character; ++character)
            time(box, [&] { QTest::keyClick(box, *character); });
    }

private:
    template <typename Event>
    void time(QWidget* control, Event deliver)
    {
        settle();
        QElapsedTimer timer;
        timer.start();
        deliver();
        const qint64 handled = timer.nsecsElapsed();
        settle();
        const qint64 painted = timer.nsecsElapsed();
        std::printf("event test=%s control=%s handled_us=%lld painted_us=%lld\n", m_test,
                    qPrintable(control->objectName()), handled / 1000, painted / 1000);
    }

    const char* m_test;
};

QWidget* loaded(const frmMDI& mainWindow, const char* windowName)
{
    QWidget* window = mainWindow.loadedQuizWindow(QString::fromLatin1(windowName));
    if (!window)
        qFatal("the quiz window %s did not open", windowName);
    return window;
}

void requireShown(const QWidget* panel, const char* test)
{
    settle();
    if (!panel->isVisible())
        qFatal("the %s ended without its verdict on screen", test);
}

void takeBrainTest(const frmMDI& mainWindow)
{
    UserEvents user("Brain");
    user.click(control(&mainWindow, "cmdSelectOption_0"));
    QWidget* entry = loaded(mainWindow, "frmBrainTestMain");
    user.type(control(entry, "txtName"), "ada");
    user.choose(control<QRadioButton>(entry, "optMale"));
    user.click(control(entry, "cmdNext"));

    QWidget* questions = loaded(mainWindow, "frmBrainTestDisplay");
    for (int question = 0; question < 20; ++question) {
        user.choose(control<QRadioButton>(questions, question % 3 ? "optAnswerOne" : "optAnswerTwo"));
        user.click(control(questions, "cmdNext"));
    }
    const auto* verdict = control<QLabel>(questions, "lblAnswer");
    requireShown(verdict, "Brain Test");
    if (verdict->text() == QLatin1String("Your Brain Result"))
        qFatal("the Brain Test shows no verdict");
}

void takeEQTest(const frmMDI& mainWindow)
{
    UserEvents user("EQ");
    user.click(control(&mainWindow, "cmdSelectOption_2"));
    QWidget* window = loaded(mainWindow, "frmEQTestMain");
    user.type(control(window, "txtName"), "Ada");
    user.click(control(window, "cmdStartTest"));
    for (int statement = 0; statement < 15; ++statement) {
        const QByteArray choice = "optAnswerChoice_" + QByteArray::number(statement % 5);
        user.choose(control<QRadioButton>(window, choice.constData()));
        user.click(control(window, "cmdNext"));
    }
    requireShown(control(window, "fraResult"), "Emotional Quotient Test");
}

void takeMFTest(const frmMDI& mainWindow)
{
    UserEvents user("MF");
    user.click(control(&mainWindow, "cmdSelectOption_1"));
    QWidget* window = loaded(mainWindow, "frmMFTestMain");
    user.type(control(window, "txtName"), "Ada");
    user.type(control(window, "txtAge"), "34");
    user.click(control(window, "cmdTest"));
    for (int question = 0; question < 20; ++question) {
        user.choose(control<QRadioButton>(window, question % 2 ? "optOption1" : "optOption2"));
        user.click(control(window, "cmdNext"));
    }
    requireShown(control(window, "fraResult"), "Masculine Feminine Test");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(look::programIcon());
    IsolatedUserFolders folders;
    MessageRecorder messages;
    UrlRecorder pages;

    const std::unique_ptr<frmMDI> mainWindow = showMainWindow();
    takeBrainTest(*mainWindow);
    takeEQTest(*mainWindow);
    takeMFTest(*mainWindow);

    if (!messages.messages.isEmpty())
        qFatal("a run showed the message \"%s\"", qPrintable(messages.messages.first().text));
    return 0;
}
