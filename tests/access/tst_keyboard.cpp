#include "braintest/frmBrainTestDisplay.h"
#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/QuizDriver.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace user;

namespace {

// A control of one of the quiz windows.
template <typename Control>
Control* control(const frmMDI& mainWindow, const char* windowName, const char* controlName)
{
    return control<Control>(control(&mainWindow, windowName), controlName);
}

} // namespace

// Every test can be taken from start to finish with the keyboard alone.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void brainTest();
    void emotionalQuotientTest();
    void masculineFeminineTest();
    void arrowsChooseInEveryOptionGroup_data();
    void arrowsChooseInEveryOptionGroup();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void tabCyclesThroughEveryPage_data();
    void tabCyclesThroughEveryPage();
    void launcherLinksOpenTheirTest_data();
    void launcherLinksOpenTheirTest();
    void aboutBoxLinksOpenTheirPage_data();
    void aboutBoxLinksOpenTheirPage();
    void accessKeysOfAQuizWindowComeFirst_data();
    void accessKeysOfAQuizWindowComeFirst();
    void launchingGoesStraightToTheNewQuiz();
    void tabIntoATextBoxLeavesItsText();

private:
    void launch(int button);

    std::unique_ptr<frmMDI> m_mainWindow;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TestKeyboard::init()
{
    m_messages = std::make_unique<MessageRecorder>();
    m_mainWindow = showMainWindow();
}

void TestKeyboard::cleanup()
{
    m_mainWindow.reset();
    QCOMPARE(m_messages->texts(), QStringList{});
    m_messages.reset();
}

void TestKeyboard::launch(int button)
{
    QVERIFY(tabTo(m_mainWindow->cmdSelectOption[button]));
    press(Qt::Key_Space);
}

void TestKeyboard::brainTest()
{
    launch(0);
    auto* name = control<QLineEdit>(*m_mainWindow, "frmBrainTestMain", "txtName");
    QCOMPARE(focused(), name);
    type(QStringLiteral("anna"));
    // With neither sex chosen, Tab reaches the first option and Space chooses it.
    QVERIFY(tabTo(control<QRadioButton>(*m_mainWindow, "frmBrainTestMain", "optMale")));
    press(Qt::Key_Space);
    press(Qt::Key_Return);

    const QList<QRadioButton*> answers = {control<QRadioButton>(*m_mainWindow, "frmBrainTestDisplay", "optAnswerOne"),
                                          control<QRadioButton>(*m_mainWindow, "frmBrainTestDisplay", "optAnswerTwo")};
    QVERIFY(answers[0] && answers[1]);
    for (int question = 1; question <= 20; ++question) {
        QVERIFY2(chooseWithKeys(answers, 1), qPrintable(QStringLiteral("question %1").arg(question)));
        press(Qt::Key_Return);
    }
    QCOMPARE(control<QLabel>(*m_mainWindow, "frmBrainTestDisplay", "lblAnswer")->text(),
             texts::text("brain.verdicts.rightDominant"));

    QVERIFY(tabTo(control<QPushButton>(*m_mainWindow, "frmBrainTestDisplay", "Command1")));
    press(Qt::Key_Space);
    QTRY_VERIFY(!m_mainWindow->loadedQuizWindow("frmBrainTestDisplay"));
    QCOMPARE(name->text(), QStringLiteral("ANNA"));
    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(0));
}

void TestKeyboard::emotionalQuotientTest()
{
    launch(2);
    type(QStringLiteral("Anna"));
    press(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdStartTest"));
    press(Qt::Key_Space);
    QList<QRadioButton*> choices;
    for (int index = 0; index < 5; ++index)
        choices << control<QRadioButton>(*m_mainWindow, "frmEQTestMain",
                                         qPrintable(QStringLiteral("optAnswerChoice_%1").arg(index)));
    for (int statement = 1; statement <= 15; ++statement) {
        QVERIFY(chooseWithKeys(choices, 2));
        QVERIFY(tabTo(control<QPushButton>(*m_mainWindow, "frmEQTestMain", "cmdNext")));
        press(Qt::Key_Space);
    }
    QCOMPARE(control<QLabel>(*m_mainWindow, "frmEQTestMain", "lblResult_0")->text(),
             texts::text("eq.bands.2.headline"));
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdBack"));
    press(Qt::Key_Space);
    QCOMPARE(focused()->objectName(), QStringLiteral("txtName"));
    QCOMPARE(modEmotionalQuotientTest::EQScore, qint16(0));
}

void TestKeyboard::masculineFeminineTest()
{
    launch(1);
    type(QStringLiteral("Anna"));
    press(Qt::Key_Tab);
    type(QStringLiteral("31"));
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    QCOMPARE(control<QComboBox>(*m_mainWindow, "frmMFTestMain", "cboSex")->currentText(), QStringLiteral("Female"));
    press(Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdTest"));
    press(Qt::Key_Space);

    auto* next = control<QPushButton>(*m_mainWindow, "frmMFTestMain", "cmdNext");
    for (int question = 1; question <= 20; ++question) {
        QVERIFY(tabTo(next));
        press(Qt::Key_Space);
    }
    QCOMPARE(control<QLabel>(*m_mainWindow, "frmMFTestMain", "lblResult_0")->text(),
             QStringLiteral("Your thinking is 40% Masculine and 60% Feminine"));
    QCOMPARE(focused()->objectName(), QStringLiteral("cmdMain"));
    press(Qt::Key_Space);
    QCOMPARE(focused()->objectName(), QStringLiteral("txtName"));
    QCOMPARE(modMaleFemaleTest::MFScore, qint16(8));
}

namespace {

// Every widget that gets the focus, even for a moment: a screen reader announces each.
class FocusRecorder : public QObject {
public:
    FocusRecorder() { qApp->installEventFilter(this); }

    QList<QPointer<QWidget>> focused;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            focused.append(static_cast<QWidget*>(watched));
        return false;
    }
};

// The names of the controls Tab reaches in turn from the focus, until it comes back; at most
// twenty. A quiz window itself in between is named "(the window)".
QStringList tabCycle(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QStringList cycle;
    const QWidget* start = focused();
    FocusRecorder recorder;
    do {
        cycle << (focused() ? focused()->objectName() : QStringLiteral("(nothing)"));
        QTest::keyClick(QApplication::activeWindow()->windowHandle(), Qt::Key_Tab, modifiers);
        for (const QPointer<QWidget>& each : std::as_const(recorder.focused)) {
            if (qobject_cast<QuizWindow*>(each.data()))
                cycle << QStringLiteral("(the window)");
        }
        recorder.focused.clear();
    } while (focused() != start && cycle.size() < 20);
    return cycle;
}

} // namespace

Q_DECLARE_METATYPE(Page)

void TestKeyboard::arrowsChooseInEveryOptionGroup_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("sex of the Brain Test") << "frmBrainTestMain"
                                           << "optMale"
                                           << "optFemale";
    QTest::newRow("Brain Test answers") << "frmBrainTestDisplay"
                                        << "optAnswerOne"
                                        << "optAnswerTwo";
    QTest::newRow("EQ scale") << "frmEQTestMain"
                              << "optAnswerChoice_0"
                              << "optAnswerChoice_1";
    QTest::newRow("MF answers") << "frmMFTestMain"
                                << "optOption1"
                                << "optOption2";
}

// As on Windows, an arrow key in a group of options moves to the next option and selects it, also
// when none was selected yet.
void TestKeyboard::arrowsChooseInEveryOptionGroup()
{
    QFETCH(QString, window);
    QFETCH(QString, first);
    QFETCH(QString, second);
    m_mainWindow->OpenTest(window);
    QuizWindow* test = m_mainWindow->loadedQuizWindow(window);
    auto* one = control<QRadioButton>(test, first);
    auto* two = control<QRadioButton>(test, second);
    // Each group as it is before a first answer: nothing chosen.
    for (QRadioButton* option : {one, two})
        option->setAutoExclusive(false), option->setChecked(false), option->setAutoExclusive(true);
    // The page of the options in front, as when a question is on screen.
    for (QWidget* page = one; page && !page->isVisible(); page = page->parentWidget())
        page->show();
    one->setFocus(Qt::TabFocusReason);
    QCOMPARE(focused(), one);

    press(Qt::Key_Down);
    QCOMPARE(focused(), two);
    QVERIFY(two->isChecked());
    press(Qt::Key_Up);
    QCOMPARE(focused(), one);
    QVERIFY(one->isChecked());
    QVERIFY(!two->isChecked());
}

void TestKeyboard::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("EQ Test's start button") << "frmEQTestMain"
                                            << "cmdStartTest";
    QTest::newRow("MF Test's start button") << "frmMFTestMain"
                                            << "cmdTest";
    QTest::newRow("Brain Test's Exit") << "frmBrainTestMain"
                                       << "cmdExit";
}

void TestKeyboard::enterPressesTheFocusedButton()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    m_mainWindow->OpenTest(window);
    auto* pressed = control<QPushButton>(m_mainWindow->loadedQuizWindow(window), button);
    QSignalSpy clicks(pressed, &QPushButton::clicked);
    pressed->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QCOMPARE(clicks.size(), 1);
    m_messages->messages.clear();
}

void TestKeyboard::tabCyclesThroughEveryPage_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("cycle"); // from the control that has the focus when the page appears

    // Every page: its own controls first, then its links in reading order, and round again; nothing
    // covered, nothing empty, nowhere to get stuck, never the window itself between two controls.
    const QString testStrip = QStringLiteral(" Label61 lblFullBrand");
    QTest::newRow("launcher") << Page::Launcher
                              << "cmdSelectOption_0 cmdSelectOption_1 cmdSelectOption_2 cmdMdiExit "
                                 "Picture6 lblCaption_3 lblCaption_5 lblCaption_4 Label7";
    QTest::newRow("Brain Test details") << Page::BrainEntry << "txtName optMale cmdNext cmdExit" + testStrip;
    QTest::newRow("Brain Test question") << Page::BrainQuestion << "optAnswerOne cmdNext cmdBack cmdExit" + testStrip;
    QTest::newRow("Brain Test verdict") << Page::BrainVerdict << "lblAnswer Command1 cmdBack cmdExit" + testStrip;
    QTest::newRow("EQ name") << Page::EQEntry << "txtName cmdStartTest" + testStrip;
    QTest::newRow("EQ statement") << Page::EQStatement << "optAnswerChoice_0 cmdNext" + testStrip;
    QTest::newRow("EQ band") << Page::EQBand << "cmdBack" + testStrip;
    QTest::newRow("MF details") << Page::MFDetails << "txtName txtAge cboSex cmdTest" + testStrip;
    QTest::newRow("MF question") << Page::MFQuestion << "optOption1 cmdNext" + testStrip;
    QTest::newRow("MF verdict") << Page::MFVerdict << "cmdMain" + testStrip;
}

void TestKeyboard::tabCyclesThroughEveryPage()
{
    QFETCH(Page, page);
    QFETCH(QString, cycle);
    QuizDriver(*m_mainWindow).reach(page);
    const QStringList forward = cycle.split(QLatin1Char(' '));
    QCOMPARE(tabCycle(), forward);

    // Shift+Tab goes the same way back.
    QStringList backward = {forward.first()};
    for (qsizetype index = forward.size() - 1; index > 0; --index)
        backward << forward[index];
    QCOMPARE(tabCycle(Qt::ShiftModifier), backward);
}

void TestKeyboard::launcherLinksOpenTheirTest_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("window");
    QTest::newRow("Brain Test, Enter") << "lblCaption_3" << int(Qt::Key_Return) << "frmBrainTestMain";
    QTest::newRow("Emotional Quotient Test, Space") << "lblCaption_5" << int(Qt::Key_Space) << "frmEQTestMain";
    QTest::newRow("Masculine Feminine Test, keypad Enter") << "lblCaption_4" << int(Qt::Key_Enter) << "frmMFTestMain";
}

void TestKeyboard::launcherLinksOpenTheirTest()
{
    QFETCH(QString, link);
    QFETCH(int, key);
    QFETCH(QString, window);
    QVERIFY(tabTo(control(m_mainWindow.get(), link)));
    press(key);
    QVERIFY(m_mainWindow->loadedQuizWindow(window));
    QVERIFY(m_mainWindow->loadedQuizWindow(window)->isVisible());
}

void TestKeyboard::aboutBoxLinksOpenTheirPage_data()
{
    QTest::addColumn<int>("tabs"); // from OK, which has the focus as the box opens
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("page");
    QTest::newRow("home page, Enter") << 1 << int(Qt::Key_Return) << pageUrl("home-page");
    QTest::newRow("fully branded, Space") << 2 << int(Qt::Key_Space) << pageUrl("fully-branded");
}

void TestKeyboard::aboutBoxLinksOpenTheirPage()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(QString, page);
    UrlRecorder pages;
    frmAbout about(m_mainWindow.get());
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QTRY_COMPARE(focused(), control(&about, "cmdOK"));
    for (int tab = 0; tab < tabs; ++tab)
        press(Qt::Key_Tab);
    press(key);
    QCOMPARE(pages.urls, QStringList{page});
    QVERIFY(about.isVisible());
}

void TestKeyboard::accessKeysOfAQuizWindowComeFirst_data()
{
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("window");
    QTest::newRow("Brain Test details") << Page::BrainEntry << "frmBrainTestMain";
    QTest::newRow("Brain Test question") << Page::BrainQuestion << "frmBrainTestDisplay";
}

// Alt+E presses the "Exit" of the Brain Test window on screen at once, which closes it, not the
// main window's "Exit" in turns with it; then the keyboard is back on the launcher.
void TestKeyboard::accessKeysOfAQuizWindowComeFirst()
{
    QFETCH(Page, page);
    QFETCH(QString, window);
    QuizDriver(*m_mainWindow).reach(page);
    QSignalSpy mainExits(m_mainWindow->cmdMdiExit, &QPushButton::clicked);
    press(Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(!m_mainWindow->loadedQuizWindow(window));
    QCOMPARE(mainExits.size(), 0);
    QVERIFY(m_mainWindow->isVisible());
    // The keyboard is back on the launcher's first button, not lost with the closed window.
    QCOMPARE(focused(), m_mainWindow->cmdSelectOption[0]);

    // Back on the launcher, Alt+E is the main window's again.
    press(Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(mainExits.size(), 1);
}

// A launch unloads every quiz window, the Brain Test's hidden entry window too; the focus goes
// from the button pressed straight to the new quiz's first control, which a screen reader reads,
// not back to the launcher's first button in between.
void TestKeyboard::launchingGoesStraightToTheNewQuiz()
{
    QuizDriver driver(*m_mainWindow);
    driver.reach(Page::BrainQuestion);
    press(Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(!m_mainWindow->loadedQuizWindow(QStringLiteral("frmBrainTestDisplay")));
    QVERIFY(m_mainWindow->loadedQuizWindow(QStringLiteral("frmBrainTestMain")));
    QVERIFY(tabTo(m_mainWindow->cmdSelectOption[2]));

    FocusRecorder recorder;
    press(Qt::Key_Space);
    QStringList focusedInTurn;
    for (const QPointer<QWidget>& each : std::as_const(recorder.focused))
        focusedInTurn << (each ? each->objectName() : QString());
    QCOMPARE(focusedInTurn, QStringList{QStringLiteral("txtName")});
    QCOMPARE(focused(), control(m_mainWindow->loadedQuizWindow(QStringLiteral("frmEQTestMain")), "txtName"));
}

// As the program's text boxes always did, Tab leaves a box's text as it is, with the caret where
// it was, and selects nothing (a screen reader hears the box, not a caret moved in it).
void TestKeyboard::tabIntoATextBoxLeavesItsText()
{
    QuizDriver(*m_mainWindow).reach(Page::MFDetails);
    auto* name = control<QLineEdit>(m_mainWindow.get(), "txtName");
    type(QStringLiteral("Anna"));
    name->setCursorPosition(2);
    press(Qt::Key_Tab);
    type(QStringLiteral("31"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), name);
    QVERIFY(name->selectedText().isEmpty());
    QCOMPARE(name->cursorPosition(), 2);
    auto* age = control<QLineEdit>(m_mainWindow.get(), "txtAge");
    press(Qt::Key_Tab);
    QCOMPARE(focused(), age);
    QVERIFY(age->selectedText().isEmpty());
    QCOMPARE(age->text(), QStringLiteral("31"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
