#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/QuizDriver.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QTest>

using namespace user;

Q_DECLARE_METATYPE(Page)

namespace {

// The window that takes a key a user presses now: an open menu, a box, or the active window.
QWidget* keyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* box = QApplication::activeModalWidget())
        return box;
    return QApplication::activeWindow();
}

// A key held down: its first press, then the repeats the keyboard sends while it is held.
void hold(int key)
{
    QTest::keyPress(keyTarget()->windowHandle(), Qt::Key(key));
    for (int repeat = 0; repeat < 30; ++repeat) {
        QKeyEvent repeated(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        if (QWidget* receiver = QApplication::focusWidget() ? QApplication::focusWidget() : keyTarget())
            QApplication::sendEvent(receiver, &repeated);
    }
    if (QWidget* receiver = keyTarget())
        QTest::keyRelease(receiver->windowHandle(), Qt::Key(key));
}

// Presses the keys as a user does, one after another: "Return", "shift+Tab", "alt+o", "space",
// "type:ann" types the letters, "hold:Return" holds the key down.
void pressKeys(const QString& sequence)
{
    for (const QString& key : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (key.startsWith(QLatin1String("type:"))) {
            type(key.mid(5));
        } else if (key.startsWith(QLatin1String("hold:"))) {
            hold(QKeySequence(key.mid(5))[0].key());
        } else {
            const QKeyCombination combination = QKeySequence(key)[0];
            QTest::keyClick(keyTarget()->windowHandle(), combination.key(), combination.keyboardModifiers());
        }
        // A button pressed with its access key clicks a moment later.
        QTest::qWait(key.startsWith(QLatin1String("alt+")) ? 150 : 0);
    }
}

// What is on screen, as a user would name it: the launcher, the About box, a quiz's page.
QString screen(const frmMDI& mainWindow)
{
    if (!mainWindow.isVisible())
        return QStringLiteral("closed");
    if (const QWidget* box = QApplication::activeModalWidget())
        return box->objectName();
    const auto shown = [&mainWindow](const char* window) {
        const QuizWindow* loaded = mainWindow.loadedQuizWindow(QString::fromLatin1(window));
        return loaded && loaded->isVisible() ? loaded : nullptr;
    };
    const auto visible = [](const QuizWindow* window, const char* panel) {
        return control(window, panel)->isVisible();
    };
    if (shown("frmBrainTestMain"))
        return QStringLiteral("entry");
    if (const QuizWindow* brain = shown("frmBrainTestDisplay")) {
        if (!visible(brain, "fraResult"))
            return QStringLiteral("question %1").arg(modBrainTest::BrainQuestionIndex + 1);
        return visible(brain, "fraRightBrainResponsible") ? QStringLiteral("verdict, right")
                                                          : QStringLiteral("verdict, left");
    }
    if (const QuizWindow* eq = shown("frmEQTestMain")) {
        if (visible(eq, "fraMain"))
            return QStringLiteral("name");
        if (visible(eq, "fraQuestion"))
            return QStringLiteral("statement %1").arg(modEmotionalQuotientTest::EQQuestionIndex + 1);
        return QStringLiteral("band");
    }
    if (const QuizWindow* mf = shown("frmMFTestMain")) {
        if (visible(mf, "fraDetails"))
            return QStringLiteral("details");
        if (visible(mf, "fraQuestion"))
            return QStringLiteral("question %1").arg(modMaleFemaleTest::MFQuestionIndex + 1);
        return QStringLiteral("result");
    }
    return QStringLiteral("launcher");
}

// The control of that name on screen: a hidden window may have one of the same name.
QWidget* onScreen(const frmMDI& mainWindow, const QString& name)
{
    for (QWidget* each : mainWindow.findChildren<QWidget*>(name)) {
        if (each->isVisible())
            return each;
    }
    qFatal("no control %s on screen", qPrintable(name));
}

QString focusName()
{
    return focused() ? focused()->objectName() : QStringLiteral("(nothing)");
}

QStringList pageUrls(const QStringList& keys)
{
    QStringList urls;
    for (const QString& key : keys)
        urls << pageUrl(qPrintable(key));
    return urls;
}

} // namespace

// Every window of the program taken by its keys: from a page, a sequence of keys, and what must
// follow: what is on screen, where the focus is, the messages shown and the pages opened.
class TestWindowKeys : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void launcher_data();
    void launcher() { checkRow(); }
    void brainEntryWindow_data();
    void brainEntryWindow() { checkRow(); }
    void brainQuestionWindow_data();
    void brainQuestionWindow() { checkRow(); }
    void emotionalQuotientWindow_data();
    void emotionalQuotientWindow() { checkRow(); }
    void masculineFeminineWindow_data();
    void masculineFeminineWindow() { checkRow(); }
    void aboutBox_data();
    void aboutBox() { checkRow(); }

private:
    static void addColumns();
    void checkRow();

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<UrlRecorder> m_pages;
    std::unique_ptr<frmMDI> m_mainWindow;
};

void TestWindowKeys::init()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
    m_messages = std::make_unique<MessageRecorder>();
    m_pages = std::make_unique<UrlRecorder>();
    m_mainWindow = showMainWindow();
}

void TestWindowKeys::cleanup()
{
    if (QWidget* box = QApplication::activeModalWidget())
        box->close();
    m_mainWindow.reset();
    m_pages.reset();
    m_messages.reset();
    m_folders.reset();
}

void TestWindowKeys::addColumns()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("answers"); // given on the page first, by mouse; "about" opens the About box
    QTest::addColumn<QString>("focus"); // the control given the focus then, if any
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("focusAfter"); // when the program is not closed
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("pages");
}

void TestWindowKeys::checkRow()
{
    QFETCH(Page, page);
    QFETCH(QString, answers);
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(QString, screen);
    QFETCH(QString, focusAfter);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, pages);

    QuizDriver driver(*m_mainWindow);
    driver.reach(page);
    if (answers == QLatin1String("about")) {
        m_mainWindow->menus.mnuAbout->trigger();
        QTRY_VERIFY(QApplication::activeModalWidget());
    } else if (!answers.isEmpty()) {
        driver.answer(quizOf(page), answers);
    }
    if (!focus.isEmpty())
        onScreen(*m_mainWindow, focus)->setFocus(Qt::TabFocusReason);
    m_messages->messages.clear();
    const bool boxWasOpen = QApplication::activeModalWidget();

    pressKeys(keys);
    // A desktop gives the main window back the keyboard when a box over it closes; the headless
    // platform does not.
    if (boxWasOpen && !QApplication::activeModalWidget() && m_mainWindow->isVisible()) {
        m_mainWindow->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_mainWindow.get()));
    }

    QTRY_COMPARE(::screen(*m_mainWindow), screen);
    // Closed, the program has nowhere to put the focus.
    if (screen != QLatin1String("closed"))
        QTRY_COMPARE(focusName(), focusAfter);
    QCOMPARE(m_messages->texts(), messages);
    QCOMPARE(m_pages->urls, pageUrls(pages));
}

namespace {

QStringList message(const char* path)
{
    return {texts::text(QString::fromLatin1(path))};
}

const QStringList None;

// One row: from the page (after the answers, or with the About box open, and with the focus given
// to the control), the keys, and what must follow.
void keyRow(const char* name, Page page, const char* answers, const char* focus, const char* keys, const char* screen,
            const char* focusAfter, const QStringList& messages = None, const QStringList& pages = None)
{
    QTest::newRow(name) << page << QString::fromLatin1(answers) << QString::fromLatin1(focus)
                        << QString::fromLatin1(keys) << QString::fromLatin1(screen) << QString::fromLatin1(focusAfter)
                        << messages << pages;
}

} // namespace

void TestWindowKeys::launcher_data()
{
    addColumns();
    keyRow("Enter on a quiz's button opens it", Page::Launcher, "", "cmdSelectOption_2", "Return", "name", "txtName");
    keyRow("Space on a quiz's label opens it", Page::Launcher, "", "lblCaption_4", "space", "details", "txtName");
    keyRow("Enter on the keypad on a quiz's label opens it", Page::Launcher, "", "lblCaption_3", "Enter", "entry",
           "txtName");
    keyRow("Enter on the banner opens the forum", Page::Launcher, "", "Picture6", "Return", "launcher", "Picture6",
           None, QStringList{"home-page"});
    keyRow("Enter on the offer opens it", Page::Launcher, "", "Label7", "Return", "launcher", "Label7", None,
           QStringList{"fully-branded"});
    keyRow("Esc does nothing", Page::Launcher, "", "", "Escape", "launcher", "cmdSelectOption_0");
    keyRow("a quiz opened by keys while the Brain Test's entry window is loaded, hidden", Page::BrainQuestion, "1", "",
           "alt+e Tab Tab space", "name", "txtName");
    keyRow("Alt+E ends the program", Page::Launcher, "", "", "alt+e", "closed", "(nothing)");
    keyRow("Alt+H, A opens the About box", Page::Launcher, "", "", "alt+h a", "frmAbout", "cmdOK");
    keyRow("Alt+F, X ends the program", Page::Launcher, "", "", "alt+f x", "closed", "(nothing)");
}

void TestWindowKeys::brainEntryWindow_data()
{
    addColumns();
    const Page entry = Page::BrainEntry;
    keyRow("Enter in an empty name box: the name is asked for", entry, "", "", "Return", "entry", "txtName",
           message("messages.enterYourName"));
    keyRow("held Enter: asked once", entry, "", "", "hold:Return", "entry", "txtName",
           message("messages.enterYourName"));
    keyRow("Enter in the name box without a sex", entry, "", "", "type:ann Return", "entry", "txtName",
           message("messages.selectYourSex"));
    keyRow("Enter on an option starts the test", entry, "", "", "type:ann Tab space Return", "question 1",
           "optAnswerOne");
    keyRow("Esc starts the test", entry, "", "", "type:ann Tab space Escape", "question 1", "optAnswerOne");
    keyRow("Alt+B starts the test", entry, "", "", "type:ann Tab space alt+b", "question 1", "optAnswerOne");
    keyRow("Alt+F, B starts the test", entry, "", "", "type:ann Tab space alt+f b", "question 1", "optAnswerOne");
    keyRow("Enter on Exit closes the window", entry, "", "cmdExit", "Return", "launcher", "cmdSelectOption_0");
    keyRow("Alt+E closes the window", entry, "", "", "alt+e", "launcher", "cmdSelectOption_0");
    keyRow("Enter on the banner opens the forum", entry, "", "Label61", "Return", "entry", "Label61", None,
           QStringList{"home-page"});
    keyRow("Space on the offer opens it", entry, "", "lblFullBrand", "space", "entry", "lblFullBrand", None,
           QStringList{"fully-branded"});
}

void TestWindowKeys::brainQuestionWindow_data()
{
    addColumns();
    const Page question = Page::BrainQuestion;
    const Page verdict = Page::BrainVerdict;
    keyRow("Enter on a chosen answer: the next question, the focus stays", question, "", "", "space Return",
           "question 2", "optAnswerOne");
    keyRow("Enter with no answer chosen", question, "", "", "Return", "question 1", "optAnswerOne",
           message("messages.chooseAnAnswer"));
    keyRow("held Enter with no answer chosen: told once", question, "", "", "hold:Return", "question 1", "optAnswerOne",
           message("messages.chooseAnAnswer"));
    keyRow("held Enter on a chosen answer: one question on", question, "", "", "space hold:Return", "question 2",
           "optAnswerOne");
    keyRow("Tab to Next, Enter: the focus stays on it", question, "", "", "space Tab Return", "question 2", "cmdNext");
    keyRow("Space on Next with no answer chosen", question, "1", "cmdNext", "space", "question 2", "cmdNext",
           message("messages.chooseAnAnswer"));
    keyRow("Enter on Previous steps back each time", question, "11111", "cmdPrevious", "Return Return Return",
           "question 3", "cmdPrevious");
    keyRow("Previous on question 2: the focus goes to the answers", question, "1", "cmdPrevious", "Return",
           "question 1", "optAnswerOne");
    keyRow("Esc presses Next", question, "", "", "space Escape", "question 2", "optAnswerOne");
    keyRow("Alt+N presses Next", question, "", "", "space alt+n", "question 2", "optAnswerOne");
    keyRow("Alt+P presses Previous", question, "11", "optAnswerOne", "alt+p", "question 2", "optAnswerOne");
    keyRow("Enter on a link opens it, the question stays", question, "", "Label61", "Return", "question 1", "Label61",
           None, QStringList{"home-page"});
    keyRow("Alt+B goes back to the entry window", question, "1", "", "alt+b", "entry", "txtName");
    keyRow("Alt+F, B goes back to the entry window", question, "1", "", "alt+f b", "entry", "txtName");
    keyRow("Alt+E closes the question window", question, "1", "", "alt+e", "launcher", "cmdSelectOption_0");

    keyRow("the focus is on the verdict", verdict, "", "", "", "verdict, left", "lblAnswer");
    keyRow("Enter twice on the verdict keeps it", verdict, "", "", "Return Return", "verdict, left", "lblAnswer");
    keyRow("Esc twice keeps the verdict", verdict, "", "", "Escape Escape", "verdict, left", "lblAnswer");
    keyRow("held Enter and Esc keep the verdict", verdict, "", "", "hold:Return hold:Escape", "verdict, left",
           "lblAnswer");
    keyRow("Tab to OK, Enter: back to the entry window", verdict, "", "", "Tab Return", "entry", "txtName");
    keyRow("Alt+O: back to the entry window", verdict, "", "", "alt+o", "entry", "txtName");
    keyRow("Enter on Back after the verdict", verdict, "", "cmdBack", "Return", "entry", "txtName");
    keyRow("a tie: the focus on the verdict, Tab to the right brain's button, Enter shows its panel", question,
           "12111111111111111111", "", "Tab Return", "verdict, right", "cmdRightBrainResponsible");
    keyRow("a tie: Enter on the left brain's button shows its panel", question, "12111111111111111111",
           "cmdLeftBrainResponsible", "Return", "verdict, left", "cmdLeftBrainResponsible");
}

void TestWindowKeys::emotionalQuotientWindow_data()
{
    addColumns();
    const Page name = Page::EQEntry;
    const Page statement = Page::EQStatement;
    const Page band = Page::EQBand;
    keyRow("Enter in the name box starts nothing", name, "", "", "type:Anna Return", "name", "txtName");
    keyRow("Alt+S with no name", name, "", "", "alt+s", "name", "txtName", message("messages.enterYourName"));
    keyRow("Enter on Start with no name", name, "", "cmdStartTest", "Return", "name", "txtName",
           message("messages.enterYourName"));
    keyRow("Alt+S starts: the focus comes to the answers", name, "", "", "type:Anna alt+s", "statement 1",
           "optAnswerChoice_0");
    keyRow("Esc does nothing", name, "", "", "type:Anna Escape", "name", "txtName");
    keyRow("Alt+E ends the program: this window has no Exit of its own", name, "", "", "alt+e", "closed", "(nothing)");
    keyRow("Alt+F, X closes the window", name, "", "", "alt+f x", "launcher", "cmdSelectOption_0");

    keyRow("Alt+Q: the choice and the focus go back to Strongly Agree", statement, "", "", "Down Down alt+q",
           "statement 2", "optAnswerChoice_0");
    keyRow("Enter on an answer does nothing", statement, "", "", "Down Return", "statement 1", "optAnswerChoice_1");
    keyRow("Enter on Next Question: the focus stays on it", statement, "", "cmdNext", "Return", "statement 2",
           "cmdNext");
    keyRow("held Enter on Next Question: one statement on", statement, "", "cmdNext", "hold:Return", "statement 2",
           "cmdNext");
    keyRow("Enter on a link opens it, the statement stays", statement, "", "Label61", "Return", "statement 1",
           "Label61", None, QStringList{"home-page"});

    keyRow("the focus is on Back To Main", band, "", "", "", "band", "cmdBack");
    keyRow("Esc keeps the band", band, "", "", "Escape hold:Escape", "band", "cmdBack");
    keyRow("Enter on Back To Main: the name box, empty", band, "", "", "Return", "name", "txtName");
    keyRow("Alt+B: the name box", band, "", "", "alt+b", "name", "txtName");
}

void TestWindowKeys::masculineFeminineWindow_data()
{
    addColumns();
    const Page details = Page::MFDetails;
    const Page question = Page::MFQuestion;
    const Page result = Page::MFVerdict;
    keyRow("Enter in the name box starts nothing", details, "", "", "type:Anna Return", "details", "txtName");
    keyRow("a letter in the age box", details, "", "", "type:Anna Tab type:x", "details", "txtAge",
           message("messages.ageMustBeNumber"));
    keyRow("Alt+T with no name", details, "", "", "alt+t", "details", "txtName", message("messages.enterName"));
    keyRow("Alt+T with no age", details, "", "", "type:Anna alt+t", "details", "txtAge", message("messages.enterAge"));
    keyRow("Alt+T starts: the focus comes to the answers", details, "", "", "type:Anna Tab type:31 alt+t", "question 1",
           "optOption1");
    keyRow("Enter on Take The Test", details, "", "", "type:Anna Tab type:31 Tab Tab Return", "question 1",
           "optOption1");
    keyRow("Alt+E ends the program: this window has no Exit of its own", details, "", "", "alt+e", "closed",
           "(nothing)");

    keyRow("Enter on an answer does nothing", question, "", "", "Down Return", "question 1", "optOption2");
    keyRow("Tab to Next, Enter: the focus stays on it", question, "", "", "Down Tab Return", "question 2", "cmdNext");
    keyRow("held Enter on Next: one question on", question, "", "cmdNext", "hold:Return", "question 2", "cmdNext");
    keyRow("Esc does nothing", question, "", "", "Escape", "question 1", "optOption1");

    keyRow("the focus is on Back To Main", result, "", "", "", "result", "cmdMain");
    keyRow("Esc keeps the result", result, "", "", "Escape", "result", "cmdMain");
    keyRow("Enter on Back To Main: the details, empty", result, "", "", "Return", "details", "txtName");
    keyRow("Alt+M: the details", result, "", "", "alt+m", "details", "txtName");
    keyRow("Enter on the offer opens it, the result stays", result, "", "lblFullBrand", "Return", "result",
           "lblFullBrand", None, QStringList{"fully-branded"});
}

void TestWindowKeys::aboutBox_data()
{
    addColumns();
    keyRow("the focus is on OK", Page::Launcher, "about", "", "", "frmAbout", "cmdOK");
    keyRow("Enter closes it", Page::Launcher, "about", "", "Return", "launcher", "cmdSelectOption_0");
    keyRow("Esc closes it", Page::Launcher, "about", "", "Escape", "launcher", "cmdSelectOption_0");
    keyRow("Alt+O closes it", Page::Launcher, "about", "", "alt+o", "launcher", "cmdSelectOption_0");
    keyRow("Tab, Enter opens the forum and it stays", Page::Launcher, "about", "", "Tab Return", "frmAbout",
           "lblHomePage", None, QStringList{"home-page"});
    keyRow("Tab, Tab, Space opens the offer and it stays", Page::Launcher, "about", "", "Tab Tab space", "frmAbout",
           "lblCoBrand", None, QStringList{"fully-branded"});
    keyRow("over a question, Enter closes the box and the question stays", Page::BrainQuestion, "about", "", "Return",
           "question 1", "optAnswerOne");
    keyRow("over a question, held Esc closes the box and the question stays", Page::BrainQuestion, "about", "",
           "hold:Escape", "question 1", "optAnswerOne");
}

QTEST_MAIN(TestWindowKeys)
#include "tst_windowkeys.moc"
