#include "braintest/frmBrainTestDisplay.h"
#include "braintest/frmBrainTestMain.h"
#include "braintest/modBrainTest.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/QuizDriver.h"
#include "support/TestSupport.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using platform::MessageIcon;

// The two Brain Test windows, opened from the main window's launcher and driven through their
// own controls.
class TestBrainWindows : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void entryWindowOpensAtTheTopWithTheNameBoxFocused();
    void nameBoxTakesOnlyLetters_data();
    void nameBoxTakesOnlyLetters();
    void inputMethodTextGoesThroughTheSameFilter();
    void startRefusesMissingDetails_data();
    void startRefusesMissingDetails();
    void eachWayOfStartingStartsTheTest_data();
    void eachWayOfStartingStartsTheTest();

    void questionsFollowTheBankWithTheirButtons();
    void noAnswerChosenMovesNothing();
    void previousClearsTheChoiceAndItsAnswerIsReplaced();
    void verdictShowsItsTextAndPanel_data();
    void verdictShowsItsTextAndPanel();
    void tieShowsBothPanelButtons();
    void repeatedEscAndEnterAfterTheVerdictChangeNothing();
    void enterPressesTheButtonThatHasTheFocus();

    void backReturnsToTheEntryWindowWithTheDetails_data();
    void backReturnsToTheEntryWindowWithTheDetails();
    void exitClosesOnlyThatWindow_data();
    void exitClosesOnlyThatWindow();
    void anInterruptedRunStartsAgainAtQuestionOne();
    void linksAndAboutLeaveTheRunWhereItWas();
    void keysMeantForABoxOverTheWindowPressNothing();

private:
    frmBrainTestMain* openEntryWindow();
    frmBrainTestMain* entryWindow() const;
    frmBrainTestDisplay* questionWindow() const;
    // Opens the entry window, types a name, picks Male and starts: the question window.
    frmBrainTestDisplay* startRun();
    // '1' picks the first answer, '2' the second, for the questions in turn, pressing the
    // forward button after each.
    void answer(const char* pattern);

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<frmMDI> m_main;
    std::unique_ptr<QuizDriver> m_driver;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<UrlRecorder> m_pages;
};

Q_DECLARE_METATYPE(MessageIcon)

namespace {

void trigger(const QObject* window, const char* menuItem)
{
    control<QAction>(window, menuItem)->trigger();
}

// Whether nothing else of its parent covers the widget's middle.
bool isInFront(const QWidget* widget)
{
    const QWidget* hit = widget->parentWidget()->childAt(widget->geometry().center());
    return hit == widget || widget->isAncestorOf(hit);
}

QString questionOnScreen(const frmBrainTestDisplay* window)
{
    return control<QLabel>(window, "lblQuestion")->text();
}

QWidget* launcherPanel(const frmMDI* mainWindow)
{
    return control<QWidget>(mainWindow, "picMain");
}

// Closes the About box that is up, as a user would.
void closeAboutBox()
{
    QWidget* box = QApplication::activeModalWidget();
    QVERIFY(box);
    box->close();
}

} // namespace

void TestBrainWindows::initTestCase()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
}

void TestBrainWindows::init()
{
    m_messages = std::make_unique<MessageRecorder>();
    m_pages = std::make_unique<UrlRecorder>();
    m_main = showMainWindow();
    m_driver = std::make_unique<QuizDriver>(*m_main);
}

void TestBrainWindows::cleanup()
{
    m_driver.reset();
    m_main.reset();
    m_pages.reset();
    m_messages.reset();
}

frmBrainTestMain* TestBrainWindows::openEntryWindow()
{
    return qobject_cast<frmBrainTestMain*>(m_driver->open(Quiz::Brain));
}

frmBrainTestMain* TestBrainWindows::entryWindow() const
{
    return qobject_cast<frmBrainTestMain*>(m_main->loadedQuizWindow(QStringLiteral("frmBrainTestMain")));
}

frmBrainTestDisplay* TestBrainWindows::questionWindow() const
{
    return qobject_cast<frmBrainTestDisplay*>(m_main->loadedQuizWindow(QStringLiteral("frmBrainTestDisplay")));
}

frmBrainTestDisplay* TestBrainWindows::startRun()
{
    openEntryWindow();
    m_driver->startBrain(QStringLiteral("ann"));
    return questionWindow();
}

void TestBrainWindows::answer(const char* pattern)
{
    m_driver->answer(Quiz::Brain, QString::fromLatin1(pattern));
}

void TestBrainWindows::entryWindowOpensAtTheTopWithTheNameBoxFocused()
{
    frmBrainTestMain* entry = openEntryWindow();
    QVERIFY(entry);
    QVERIFY(entry->isVisible());
    QVERIFY(!launcherPanel(m_main.get())->isVisible());
    QCOMPARE(entry->windowTitle(), texts::text("brain.caption"));
    QCOMPARE(entry->pos(), QPoint((QApplication::primaryScreen()->geometry().width() - entry->width()) / 2, 0));
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(entry, "txtName"));

    QCOMPARE(control<QLabel>(entry, "Label4")->text(),
             QStringLiteral("Welcome to the Zelt Brain Test! Take the test and know if your left brain is more active "
                            "than your right brain or vice versa or both are equally active. "));
    QVERIFY(!control<QRadioButton>(entry, "optMale")->isChecked());
    QVERIFY(!control<QRadioButton>(entry, "optFemale")->isChecked());
    QCOMPARE(control<QPushButton>(entry, "cmdNext")->text(), QStringLiteral("Take The &Brain Test Now"));
    QCOMPARE(control<QPushButton>(entry, "cmdExit")->text(), QStringLiteral("&Exit"));
    QVERIFY(control<QWidget>(entry, "Label61")->isVisible());
    QVERIFY(isInFront(control<QWidget>(entry, "lblFullBrand")));
}

void TestBrainWindows::nameBoxTakesOnlyLetters_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("refused");

    auto typed = [](const char* text) {
        QTestEventList keys;
        keys.addKeyClicks(QString::fromLatin1(text));
        return keys;
    };
    QTest::newRow("capitals") << typed("ZELT") << "ZELT" << 0;
    QTest::newRow("lower case turns upper") << typed("abcxyz") << "ABCXYZ" << 0;
    QTest::newRow("space passes") << typed("ann lee") << "ANN LEE" << 0;
    QTest::newRow("digits") << typed("a1b2") << "AB" << 2;
    QTest::newRow("punctuation") << typed("o'neil-x.") << "ONEILX" << 3;

    QTestEventList backspace = typed("abc");
    backspace.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("backspace") << backspace << "AB" << 0;

    QTestEventList ctrlV = typed("a");
    ctrlV.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTest::newRow("Ctrl+V") << ctrlV << "A" << 1;

    QTestEventList shiftInsert = typed("a");
    shiftInsert.addKeyClick(Qt::Key_Insert, Qt::ShiftModifier);
    QTest::newRow("Shift+Insert") << shiftInsert << "A" << 1;

    QTestEventList middleButton = typed("a");
    middleButton.addMouseClick(Qt::MiddleButton);
    QTest::newRow("middle button") << middleButton << "A" << 1;

    // Ctrl+A would select the whole name, and the letter after it would replace it.
    QTestEventList ctrlA = typed("ab");
    ctrlA.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    ctrlA.addKeyClicks(QStringLiteral("c"));
    QTest::newRow("other control character") << ctrlA << "ABC" << 1;

    // Alt with a key is a mnemonic, never a letter of the name; AltGr (Ctrl+Alt on Windows) types
    // characters that go through the filter like any other.
    QTestEventList alt = typed("ab");
    alt.addKeyClick(Qt::Key_Q, Qt::AltModifier);
    QTest::newRow("Alt with a letter") << alt << "AB" << 0;
    QTestEventList altGr = typed("a");
    altGr.addKeyClick('q', Qt::ControlModifier | Qt::AltModifier);
    altGr.addKeyClick('2', Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("AltGr") << altGr << "AQ" << 1;
}

void TestBrainWindows::nameBoxTakesOnlyLetters()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, name);
    QFETCH(int, refused);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    auto* txtName = control<QLineEdit>(openEntryWindow(), "txtName");

    keys.simulate(txtName);

    QCOMPARE(txtName->text(), name);
    QCOMPARE(m_messages->messages.size(), refused);
    for (const platform::Message& message : m_messages->messages) {
        QCOMPARE(message.text, texts::text("messages.enterOnlyLetters"));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, platform::MessageButtons::Ok);
    }
}

void TestBrainWindows::inputMethodTextGoesThroughTheSameFilter()
{
    auto* txtName = control<QLineEdit>(openEntryWindow(), "txtName");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("an7n\u00e9e"));
    QApplication::sendEvent(txtName, &commit);

    QCOMPARE(txtName->text(), QStringLiteral("ANNE"));
    QCOMPARE(m_messages->texts(), QStringList(2, texts::text("messages.enterOnlyLetters")));
}

void TestBrainWindows::startRefusesMissingDetails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MessageIcon>("icon");
    QTest::addColumn<bool>("focusOnName");

    QTest::newRow("no name") << ""
                             << "optFemale" << texts::text("messages.enterYourName") << MessageIcon::Information
                             << true;
    QTest::newRow("no name, no sex") << ""
                                     << "" << texts::text("messages.enterYourName") << MessageIcon::Information << true;
    QTest::newRow("no sex") << "ann"
                            << "" << texts::text("messages.selectYourSex") << MessageIcon::None << false;
}

void TestBrainWindows::startRefusesMissingDetails()
{
    QFETCH(QString, name);
    QFETCH(QString, sex);
    QFETCH(QString, message);
    QFETCH(MessageIcon, icon);
    QFETCH(bool, focusOnName);
    frmBrainTestMain* entry = openEntryWindow();
    QTest::keyClicks(control<QLineEdit>(entry, "txtName"), name);
    if (!sex.isEmpty())
        user::choose(control<QRadioButton>(entry, sex.toLatin1().constData()));
    auto* cmdNext = control<QPushButton>(entry, "cmdNext");
    cmdNext->setFocus();

    user::click(cmdNext);

    QCOMPARE(m_messages->texts(), QStringList{message});
    QCOMPARE(m_messages->messages.first().icon, icon);
    QVERIFY(!questionWindow());
    QVERIFY(entry->isVisible());
    QCOMPARE(control<QLineEdit>(entry, "txtName")->text(), name.toUpper());
    QCOMPARE(QApplication::focusWidget(),
             focusOnName ? control<QWidget>(entry, "txtName") : static_cast<QWidget*>(cmdNext));
}

void TestBrainWindows::eachWayOfStartingStartsTheTest_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("button") << "button";
    QTest::newRow("Enter in the name box") << "enter in name";
    QTest::newRow("Enter on an option") << "enter on option";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("File menu") << "menu";
}

// A name of spaces is a name.
void TestBrainWindows::eachWayOfStartingStartsTheTest()
{
    QFETCH(QString, way);
    frmBrainTestMain* entry = openEntryWindow();
    auto* txtName = control<QLineEdit>(entry, "txtName");
    QTest::keyClicks(txtName, "  ");
    auto* optFemale = control<QRadioButton>(entry, "optFemale");
    user::choose(optFemale);

    if (way == "button") {
        user::click(control<QPushButton>(entry, "cmdNext"));
    } else if (way == "enter in name") {
        txtName->setFocus();
        QTest::keyClick(txtName, Qt::Key_Return);
    } else if (way == "enter on option") {
        QTest::keyClick(optFemale, Qt::Key_Enter);
    } else if (way == "escape") {
        QTest::keyClick(optFemale, Qt::Key_Escape);
    } else {
        trigger(entry, "mnuNext");
    }

    QVERIFY(m_messages->messages.isEmpty());
    frmBrainTestDisplay* questions = questionWindow();
    QVERIFY(questions);
    QVERIFY(questions->isVisible());
    QVERIFY(!entry->isVisible());
    QVERIFY(!launcherPanel(m_main.get())->isVisible());
    QCOMPARE(questions->windowTitle(), texts::text("brain.caption"));
    QCOMPARE(questionOnScreen(questions), texts::text("brain.questions.0.text"));
    QVERIFY(isInFront(control<QWidget>(questions, "fraQuestion")));
}

void TestBrainWindows::questionsFollowTheBankWithTheirButtons()
{
    frmBrainTestDisplay* window = startRun();
    auto* optAnswerOne = control<QRadioButton>(window, "optAnswerOne");
    auto* optAnswerTwo = control<QRadioButton>(window, "optAnswerTwo");
    auto* cmdPrevious = control<QPushButton>(window, "cmdPrevious");
    auto* cmdNext = control<QPushButton>(window, "cmdNext");

    for (int i = 0; i < modBrainTest::BrainQuestionCount; ++i) {
        const QByteArray question = QByteArray::number(i + 1);
        QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[i]);
        QCOMPARE(optAnswerOne->text(), modBrainTest::BrainAnswerCaptions[2 * i]);
        QCOMPARE(optAnswerTwo->text(), modBrainTest::BrainAnswerCaptions[2 * i + 1]);
        QVERIFY2(!optAnswerOne->isChecked() && !optAnswerTwo->isChecked(), question);
        QVERIFY2(cmdPrevious->isEnabled() == (i > 0), question);
        QCOMPARE(cmdNext->text(), i < 19 ? QStringLiteral("&Next") : texts::text("brain.showMyAbility"));
        if (i < 19)
            answer(i % 2 ? "2" : "1");
    }

    user::click(cmdPrevious);
    QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[18]);
    QCOMPARE(cmdNext->text(), QStringLiteral("&Next"));
    QVERIFY(isInFront(control<QWidget>(window, "fraQuestion")));
    QVERIFY(m_messages->messages.isEmpty());
}

void TestBrainWindows::noAnswerChosenMovesNothing()
{
    frmBrainTestDisplay* window = startRun();
    auto* cmdNext = control<QPushButton>(window, "cmdNext");
    user::click(cmdNext);
    QCOMPARE(m_messages->texts(), QStringList{texts::text("messages.chooseAnAnswer")});
    QCOMPARE(m_messages->messages.first().icon, MessageIcon::Critical);
    QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[0]);
    QVERIFY(!control<QPushButton>(window, "cmdPrevious")->isEnabled());

    answer("1111111111111111111");
    user::click(cmdNext);
    QCOMPARE(m_messages->messages.size(), 2);
    QCOMPARE(m_messages->messages.last().icon, MessageIcon::Critical);
    QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[19]);
    QVERIFY(control<QPushButton>(window, "cmdPrevious")->isEnabled());
    QVERIFY(isInFront(control<QWidget>(window, "fraQuestion")));
    QCOMPARE(control<QLabel>(window, "lblAnswer")->text(), texts::text("brain.resultBeforeTheVerdict"));
}

// "Names" first, then stepping back and choosing "Faces" makes a tie of the first options.
void TestBrainWindows::previousClearsTheChoiceAndItsAnswerIsReplaced()
{
    frmBrainTestDisplay* window = startRun();
    answer("11");
    user::click(control<QPushButton>(window, "cmdPrevious"));
    QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[1]);
    QVERIFY(!control<QRadioButton>(window, "optAnswerOne")->isChecked());
    QVERIFY(!control<QRadioButton>(window, "optAnswerTwo")->isChecked());

    answer("2111111111111111111");
    QCOMPARE(control<QLabel>(window, "lblAnswer")->text(), texts::text("brain.verdicts.bothEqual"));
}

void TestBrainWindows::verdictShowsItsTextAndPanel_data()
{
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QByteArray>("panel");

    QTest::newRow("every first answer") << QByteArray("11111111111111111111")
                                        << texts::text("brain.verdicts.leftDominant")
                                        << QByteArray("fraLeftBrainResponsible");
    QTest::newRow("every second answer") << QByteArray("22222222222222222222")
                                         << texts::text("brain.verdicts.rightDominant")
                                         << QByteArray("fraRightBrainResponsible");
}

void TestBrainWindows::verdictShowsItsTextAndPanel()
{
    QFETCH(QByteArray, answers);
    QFETCH(QString, verdict);
    QFETCH(QByteArray, panel);
    frmBrainTestDisplay* window = startRun();
    answer(answers.constData());

    QVERIFY(isInFront(control<QWidget>(window, "fraResult")));
    QCOMPARE(control<QLabel>(window, "lblAnswer")->text(), verdict);
    QVERIFY(isInFront(control<QWidget>(window, panel.constData())));
    QVERIFY(!control<QWidget>(window, "cmdRightBrainResponsible")->isVisible());
    QVERIFY(!control<QWidget>(window, "cmdLeftBrainResponsible")->isVisible());
    QCOMPARE(control<QPushButton>(window, "cmdNext")->text(), texts::text("brain.showMyAbility"));
    QVERIFY(m_messages->messages.isEmpty());
}

void TestBrainWindows::tieShowsBothPanelButtons()
{
    frmBrainTestDisplay* window = startRun();
    answer("12111111111111111111");
    QCOMPARE(control<QLabel>(window, "lblAnswer")->text(), texts::text("brain.verdicts.bothEqual"));
    auto* showRight = control<QPushButton>(window, "cmdRightBrainResponsible");
    auto* showLeft = control<QPushButton>(window, "cmdLeftBrainResponsible");
    QVERIFY(showRight->isVisible());
    QVERIFY(showLeft->isVisible());
    QCOMPARE(showRight->text(), texts::text("brain.rightBrainPanel"));
    QCOMPARE(showLeft->text(), texts::text("brain.leftBrainPanel"));

    auto* rightPanel = control<QWidget>(window, "fraRightBrainResponsible");
    auto* leftPanel = control<QWidget>(window, "fraLeftBrainResponsible");
    user::click(showRight);
    QVERIFY(isInFront(rightPanel));
    user::click(showLeft);
    QVERIFY(isInFront(leftPanel));
    user::click(showRight);
    QVERIFY(isInFront(rightPanel));
}

// After the verdict the focus is on the verdict itself. Esc, the cancel key, and Enter, the
// default key while no button has the focus, press "Show My Ability" (now covered) again: each
// press scores again, recording the last answer once more and counting from zero, and the verdict
// stays. Enter on OK goes back.
void TestBrainWindows::repeatedEscAndEnterAfterTheVerdictChangeNothing()
{
    frmBrainTestDisplay* window = startRun();
    answer("22222222222222222222");
    auto* lblAnswer = control<QLabel>(window, "lblAnswer");
    const QString verdict = lblAnswer->text();
    auto* optAnswerTwo = control<QRadioButton>(window, "optAnswerTwo");
    QCOMPARE(QApplication::focusWidget(), lblAnswer);
    modBrainTest::BrainUserAnswers[20].clear();
    modBrainTest::BrainRightCount = 0;
    modBrainTest::BrainLeftCount = 0;

    for (int press = 0; press < 50; ++press) {
        QTest::keyClick(QApplication::focusWidget(), press % 2 ? Qt::Key_Escape : Qt::Key_Return);
        QCOMPARE(lblAnswer->text(), verdict);
    }
    QCOMPARE(QApplication::focusWidget(), lblAnswer);
    QVERIFY(isInFront(control<QWidget>(window, "fraResult")));
    QVERIFY(isInFront(control<QWidget>(window, "fraRightBrainResponsible")));
    QCOMPARE(modBrainTest::BrainUserAnswers[20], optAnswerTwo->text());
    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(20));
    QCOMPARE(modBrainTest::BrainRightCount, qint16(11));
    QCOMPARE(modBrainTest::BrainLeftCount, qint16(9));
    QVERIFY(m_messages->messages.isEmpty());

    QTest::keyClick(control<QWidget>(window, "Command1"), Qt::Key_Return);
    QTRY_VERIFY(!m_main->loadedQuizWindow(QStringLiteral("frmBrainTestDisplay")));
    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(0));
}

void TestBrainWindows::enterPressesTheButtonThatHasTheFocus()
{
    frmBrainTestDisplay* window = startRun();
    auto* cmdExit = control<QPushButton>(window, "cmdExit");
    cmdExit->setFocus();
    QPointer<frmBrainTestDisplay> questions = window;
    QTest::keyClick(cmdExit, Qt::Key_Return);
    QTRY_VERIFY(questions.isNull());
    QVERIFY(m_messages->messages.isEmpty());
}

void TestBrainWindows::backReturnsToTheEntryWindowWithTheDetails_data()
{
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<QString>("way");
    QTest::newRow("Back during the questions") << QByteArray("121") << "cmdBack";
    QTest::newRow("File Back during the questions") << QByteArray("1") << "mnuFileBack";
    QTest::newRow("OK after the verdict") << QByteArray("11111111111111111111") << "Command1";
    QTest::newRow("Back after the verdict") << QByteArray("22222222222222222222") << "cmdBack";
}

void TestBrainWindows::backReturnsToTheEntryWindowWithTheDetails()
{
    QFETCH(QByteArray, answers);
    QFETCH(QString, way);
    QPointer<frmBrainTestDisplay> window = startRun();
    answer(answers.constData());

    if (way == "mnuFileBack")
        trigger(window, "mnuFileBack");
    else
        user::click(control<QPushButton>(window, way.toLatin1().constData()));

    QTRY_VERIFY(window.isNull());
    frmBrainTestMain* entry = entryWindow();
    QVERIFY(entry->isVisible());
    QVERIFY(!launcherPanel(m_main.get())->isVisible());
    QCOMPARE(control<QLineEdit>(entry, "txtName")->text(), QStringLiteral("ANN"));
    QVERIFY(control<QRadioButton>(entry, "optMale")->isChecked());
    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(0));
    QCOMPARE(modBrainTest::BrainRightCount, qint16(0));
    QCOMPARE(modBrainTest::BrainLeftCount, qint16(0));

    user::click(control<QPushButton>(entry, "cmdNext"));
    frmBrainTestDisplay* again = questionWindow();
    QCOMPARE(questionOnScreen(again), modBrainTest::BrainQuestions[0]);
    QVERIFY(!control<QPushButton>(again, "cmdPrevious")->isEnabled());
    QCOMPARE(control<QPushButton>(again, "cmdNext")->text(), QStringLiteral("&Next"));
    QVERIFY(!control<QWidget>(again, "cmdRightBrainResponsible")->isVisible());
    QVERIFY(isInFront(control<QWidget>(again, "fraQuestion")));
}

void TestBrainWindows::exitClosesOnlyThatWindow_data()
{
    QTest::addColumn<bool>("fromQuestions");
    QTest::addColumn<QString>("way");
    for (bool fromQuestions : {false, true}) {
        const char* window = fromQuestions ? "question window" : "entry window";
        QTest::addRow("%s, Exit button", window) << fromQuestions << "cmdExit";
        QTest::addRow("%s, File Exit", window) << fromQuestions << "mnuExit";
        QTest::addRow("%s, close box", window) << fromQuestions << "close";
    }
}

void TestBrainWindows::exitClosesOnlyThatWindow()
{
    QFETCH(bool, fromQuestions);
    QFETCH(QString, way);
    QPointer<QuizWindow> window = openEntryWindow();
    if (fromQuestions) {
        window = startRun();
        answer("12");
    }

    if (way == "cmdExit")
        user::click(control<QPushButton>(window, "cmdExit"));
    else if (way == "mnuExit")
        trigger(window, "mnuExit");
    else
        window->close();

    QTRY_VERIFY(window.isNull());
    QVERIFY(m_main->isVisible());
    QVERIFY(launcherPanel(m_main.get())->isVisible());
    if (fromQuestions)
        QVERIFY(!entryWindow()->isVisible());
}

void TestBrainWindows::anInterruptedRunStartsAgainAtQuestionOne()
{
    startRun();
    answer("1212");
    user::click(control<QPushButton>(questionWindow(), "cmdExit"));
    QTRY_VERIFY(!questionWindow());

    frmBrainTestDisplay* window = startRun();
    QCOMPARE(control<QLineEdit>(entryWindow(), "txtName")->text(), QStringLiteral("ANN"));
    QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[0]);
    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(0));
    QCOMPARE(modBrainTest::BrainRightCount, qint16(0));
    QCOMPARE(modBrainTest::BrainLeftCount, qint16(0));
    QVERIFY(!control<QPushButton>(window, "cmdPrevious")->isEnabled());
    answer("22222222222222222222");
    QCOMPARE(control<QLabel>(window, "lblAnswer")->text(), texts::text("brain.verdicts.rightDominant"));
}

void TestBrainWindows::keysMeantForABoxOverTheWindowPressNothing()
{
    frmBrainTestDisplay* window = startRun();
    answer("1");
    auto* second = control<QRadioButton>(window, "optAnswerTwo");
    user::choose(second);
    second->setFocus();
    trigger(window, "mnuAbout");
    QWidget* box = QApplication::activeModalWidget();
    QVERIFY(box);
    QTest::keyClick(second, Qt::Key_Escape);
    QTest::keyClick(second, Qt::Key_Return);
    box->close();

    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(1));
    QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[1]);
}

void TestBrainWindows::linksAndAboutLeaveTheRunWhereItWas()
{
    frmBrainTestMain* entry = openEntryWindow();
    trigger(entry, "mnuOnline");
    user::click(control<QWidget>(entry, "lblFullBrand"));
    QVERIFY(!control<QAction>(entry, "mnuMakeMoneyOnline")->isEnabled());
    QCOMPARE(control<QAction>(entry, "mnuUpdate")->text(), QStringLiteral("Check for Software &Update"));

    frmBrainTestDisplay* window = startRun();
    answer("11");
    user::choose(control<QRadioButton>(window, "optAnswerTwo"));
    trigger(window, "mnuVisit");
    trigger(window, "mnuUpdate");
    user::click(control<QWidget>(window, "Label61"));
    user::click(control<QWidget>(window, "lblFullBrand"));
    trigger(window, "mnuAbout");
    closeAboutBox();
    QVERIFY(!control<QAction>(window, "mnuMakeMoneyOnline")->isEnabled());
    QCOMPARE(control<QAction>(window, "mnuUpdate")->text(), QStringLiteral("&Check for Software Update"));

    QCOMPARE(questionOnScreen(window), modBrainTest::BrainQuestions[2]);
    QVERIFY(control<QRadioButton>(window, "optAnswerTwo")->isChecked());
    QCOMPARE(modBrainTest::BrainQuestionIndex, qint16(2));

    answer("111111111111111111");
    user::click(control<MouseLabel>(window, "Label19"));
    QCOMPARE(control<QLabel>(window, "Label19")->text(), texts::text("brain.leftBrainPhrases.5"));
    QVERIFY(isInFront(control<QWidget>(window, "fraLeftBrainResponsible")));

    QCOMPARE(m_pages->urls,
             QStringList({pageUrl("help-web-page"), pageUrl("fully-branded"), pageUrl("home-page"),
                          pageUrl("download-web-page"), pageUrl("home-page"), pageUrl("fully-branded"),
                          pageUrl("co-brand")}));
    QVERIFY(m_messages->messages.isEmpty());
}

QTEST_MAIN(TestBrainWindows)
#include "tst_brainwindows.moc"
