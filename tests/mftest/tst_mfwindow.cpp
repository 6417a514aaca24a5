#include "mftest/frmMFTestMain.h"
#include "mftest/modMaleFemaleTest.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/QuizDriver.h"
#include "support/TestSupport.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

namespace {

const QString FeminineHeadline = texts::text(QStringLiteral("mf.verdicts.feminine.headline"));
const QString MasculineHeadline = texts::text(QStringLiteral("mf.verdicts.masculine.headline"));
const QString BalancedHeadline = texts::text(QStringLiteral("mf.verdicts.balanced.headline"));

QString percentageLine(int masculine)
{
    return texts::text(QStringLiteral("mf.percentageLine")).arg(masculine).arg(100 - masculine);
}

// Answers to the twenty questions, "1" for the first answer and "2" for the second.
const char AllFirst[] = "11111111111111111111";
const char AllSecond[] = "22222222222222222222";
const char AllMasculine[] = "21212221212211221221";
const char NoMasculine[] = "12121112121122112112";
const char TenMasculine[] = "21211111111111111111";

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QString frontPage(frmMFTestMain* window)
{
    for (const char* page : {"fraDetails", "fraQuestion", "fraResult"}) {
        if (control<QWidget>(window, page)->isVisible())
            return QString::fromLatin1(page);
    }
    return QString();
}

QString labelText(frmMFTestMain* window, const char* objectName)
{
    return control<QLabel>(window, objectName)->text();
}

} // namespace

class TestMFWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensOnAnEmptyDetailsPage();
    void carriesTheFileAndHelpMenus();
    void bannerAndStripOpenTheirPages_data();
    void bannerAndStripOpenTheirPages();

    void ageBoxTakesOnlyDigits_data();
    void ageBoxTakesOnlyDigits();
    void inputMethodTextGoesThroughTheAgeFilter();

    void startNeedsNameAndAge_data();
    void startNeedsNameAndAge();
    void startKeepsTheDetails_data();
    void startKeepsTheDetails();

    void twentyNextsUntouchedGiveTheFeminineVerdict();
    void answersGiveTheirResult_data();
    void answersGiveTheirResult();
    void takerDetailsDoNotChangeTheResult_data();
    void takerDetailsDoNotChangeTheResult();

    void backToMainClearsTheDetailsAndTheNextRunStartsFromZero();
    void reopeningAfterACloseStartsAfresh_data();
    void reopeningAfterACloseStartsAfresh();

private:
    frmMFTestMain* openTest();
    void enterDetails(const QString& name, const QString& age, int sexesDown = 0);
    void answer(const char* answers);
    void runTest(const QString& name, const QString& age, int sexesDown, const char* answers);

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<frmMDI> m_main;
    std::unique_ptr<QuizDriver> m_driver;
    frmMFTestMain* m_window = nullptr;
};

void TestMFWindow::initTestCase()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
}

void TestMFWindow::init()
{
    m_main = showMainWindow();
    m_driver = std::make_unique<QuizDriver>(*m_main);
    m_window = openTest();
    QVERIFY(m_window);
}

void TestMFWindow::cleanup()
{
    m_driver.reset();
    m_main.reset();
    m_window = nullptr;
}

frmMFTestMain* TestMFWindow::openTest()
{
    return qobject_cast<frmMFTestMain*>(m_driver->open(Quiz::MasculineFeminine));
}

void TestMFWindow::enterDetails(const QString& name, const QString& age, int sexesDown)
{
    QTest::keyClicks(control<QLineEdit>(m_window, "txtName"), name);
    QTest::keyClicks(control<QLineEdit>(m_window, "txtAge"), age);
    for (int step = 0; step < sexesDown; ++step)
        QTest::keyClick(control<QComboBox>(m_window, "cboSex"), Qt::Key_Down);
}

void TestMFWindow::answer(const char* answers)
{
    m_driver->answer(Quiz::MasculineFeminine, QString::fromLatin1(answers));
}

void TestMFWindow::runTest(const QString& name, const QString& age, int sexesDown, const char* answers)
{
    m_driver->startMF(name, age, sexesDown);
    answer(answers);
}

void TestMFWindow::opensOnAnEmptyDetailsPage()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmMFTestMain"));
    QCOMPARE(m_window->windowTitle(), texts::text("mf.caption"));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_main->picMain->isVisible());
    QCOMPARE(m_window->pos(), QPoint((QApplication::primaryScreen()->geometry().width() - m_window->width()) / 2, 0));

    QCOMPARE(frontPage(m_window), QStringLiteral("fraDetails"));
    QCOMPARE(labelText(m_window, "lblLabel_4"), texts::text("mf.introduction"));
    QCOMPARE(labelText(m_window, "lblLabel_0"), QStringLiteral("Enter Name"));
    QCOMPARE(labelText(m_window, "lblLabel_1"), QStringLiteral("Enter Age"));
    QCOMPARE(labelText(m_window, "lblLabel_2"), QStringLiteral("Select Gender"));
    QCOMPARE(labelText(m_window, "lblLabel_3"), texts::text("mf.note"));
    QCOMPARE(control<QPushButton>(m_window, "cmdTest")->text(), QStringLiteral("&Take The Masculine Feminine Test"));
    QCOMPARE(control<QLineEdit>(m_window, "txtName")->text(), QString());
    QCOMPARE(control<QLineEdit>(m_window, "txtAge")->text(), QString());

    auto* sex = control<QComboBox>(m_window, "cboSex");
    QVERIFY(!sex->isEditable());
    QCOMPARE(sex->count(), 2);
    QCOMPARE(sex->itemText(0), QStringLiteral("Male"));
    QCOMPARE(sex->itemText(1), QStringLiteral("Female"));
    QCOMPARE(sex->currentText(), QStringLiteral("Male"));

    QCOMPARE(focusName(), QStringLiteral("txtName"));
    for (const char* next : {"txtAge", "cboSex", "cmdTest"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), QString::fromLatin1(next));
    }
}

void TestMFWindow::carriesTheFileAndHelpMenus()
{
    QMenuBar* bar = m_main->menuBar();
    const QList<QAction*> shown = bar->actions();
    QCOMPARE(shown, m_window->menus.menuBarActions());

    QMenu* file = shown.at(0)->menu();
    QCOMPARE(file->objectName(), QStringLiteral("nuFile"));
    QCOMPARE(file->title(), QStringLiteral("&File"));
    QCOMPARE(file->actions().size(), 1);
    QCOMPARE(file->actions().at(0)->text(), QStringLiteral("E&xit"));

    QMenu* help = shown.at(1)->menu();
    QCOMPARE(help->title(), QStringLiteral("&Help"));
    QStringList items;
    for (QAction* item : help->actions())
        items << (item->isSeparator() ? QStringLiteral("-") + item->objectName() : item->text());
    QCOMPARE(items,
             QStringList({"&Online Help", "&Visit Us Online", "-mnuFileSep1", "&Check for Software Update",
                          "-mnuFileSep2", "&About Software"}));

    QCOMPARE(shown.size(), 2);
    QAction* makeMoney = m_window->menus.mnuMakeMoney;
    QCOMPARE(makeMoney->objectName(), QStringLiteral("mnuMakeMoney"));
    QCOMPARE(makeMoney->text(), QStringLiteral("Make Money &Online"));
    QVERIFY(!makeMoney->isEnabled());
}

void TestMFWindow::bannerAndStripOpenTheirPages_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("url");

    QTest::newRow("forum banner") << "Label61" << pageUrl("home-page");
    QTest::newRow("advertising strip") << "lblFullBrand" << pageUrl("fully-branded");
}

void TestMFWindow::bannerAndStripOpenTheirPages()
{
    QFETCH(QString, label);
    QFETCH(QString, url);

    UrlRecorder opened;
    enterDetails(QStringLiteral("Ann"), QStringLiteral("30"));
    user::click(control(m_window, "cmdTest"));
    user::click(control(m_window, "cmdNext"));
    user::click(control(m_window, label));
    QCOMPARE(opened.urls, QStringList{url});
    QCOMPARE(labelText(m_window, "lblQuestioNo"), QStringLiteral("Question 2 of 20"));
}

void TestMFWindow::ageBoxTakesOnlyDigits_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("refusals");

    QTestEventList digits;
    digits.addKeyClicks(QStringLiteral("0123456789"));
    QTest::newRow("digits") << digits << "0123456789" << 0;

    QTestEventList letter;
    letter.addKeyClicks(QStringLiteral("4a"));
    QTest::newRow("letter") << letter << "4" << 1;

    QTestEventList blank;
    blank.addKeyClicks(QStringLiteral("3 "));
    QTest::newRow("blank") << blank << "3" << 1;

    QTestEventList punctuation;
    punctuation.addKeyClicks(QStringLiteral("-2./:"));
    QTest::newRow("punctuation") << punctuation << "2" << 4;

    QTestEventList backspace;
    backspace.addKeyClicks(QStringLiteral("42"));
    backspace.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("backspace") << backspace << "4" << 0;

    QTestEventList enter;
    enter.addKeyClicks(QStringLiteral("5"));
    enter.addKeyClick(Qt::Key_Return);
    QTest::newRow("enter") << enter << "5" << 0;

    QTestEventList deleteForwards;
    deleteForwards.addKeyClicks(QStringLiteral("42"));
    deleteForwards.addKeyClick(Qt::Key_Home);
    deleteForwards.addKeyClick(Qt::Key_Delete);
    QTest::newRow("delete") << deleteForwards << "2" << 0;

    QTestEventList arrows;
    arrows.addKeyClicks(QStringLiteral("42"));
    arrows.addKeyClick(Qt::Key_Left);
    arrows.addKeyClicks(QStringLiteral("1"));
    arrows.addKeyClick(Qt::Key_Right);
    arrows.addKeyClicks(QStringLiteral("7"));
    QTest::newRow("arrows") << arrows << "4127" << 0;

    QTestEventList paste;
    paste.addKeyClicks(QStringLiteral("6"));
    paste.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTest::newRow("ctrl+v") << paste << "6" << 1;

    QTestEventList alt;
    alt.addKeyClick(Qt::Key_Q, Qt::AltModifier);
    alt.addKeyClicks(QStringLiteral("5"));
    QTest::newRow("Alt with a letter") << alt << "5" << 0;

    QTestEventList altGr;
    altGr.addKeyClick('q', Qt::ControlModifier | Qt::AltModifier);
    altGr.addKeyClick('7', Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("AltGr") << altGr << "7" << 1;
}

void TestMFWindow::ageBoxTakesOnlyDigits()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, text);
    QFETCH(int, refusals);

    QApplication::clipboard()->setText(QStringLiteral("12"));
    MessageRecorder messages;
    auto* age = control<QLineEdit>(m_window, "txtAge");
    age->setFocus();
    keys.simulate(age);

    QCOMPARE(age->text(), text);
    QCOMPARE(messages.texts(), QStringList(refusals, texts::text("messages.ageMustBeNumber")));
    for (const platform::Message& message : messages.messages) {
        QCOMPARE(message.icon, platform::MessageIcon::Critical);
        QCOMPARE(message.buttons, platform::MessageButtons::Ok);
    }
    QCOMPARE(focusName(), QStringLiteral("txtAge"));
}

void TestMFWindow::inputMethodTextGoesThroughTheAgeFilter()
{
    MessageRecorder messages;
    auto* age = control<QLineEdit>(m_window, "txtAge");
    age->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("4x2"));
    QApplication::sendEvent(age, &commit);

    QCOMPARE(age->text(), QStringLiteral("42"));
    QCOMPARE(messages.texts(), QStringList{texts::text("messages.ageMustBeNumber")});
    QCOMPARE(focusName(), QStringLiteral("txtAge"));
}

void TestMFWindow::startNeedsNameAndAge_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("nothing entered") << ""
                                     << "" << texts::text("messages.enterName") << "txtName";
    QTest::newRow("no name") << ""
                             << "30" << texts::text("messages.enterName") << "txtName";
    QTest::newRow("name of blanks") << "   "
                                    << "30" << texts::text("messages.enterName") << "txtName";
    QTest::newRow("no age") << "Ann"
                            << "" << texts::text("messages.enterAge") << "txtAge";
    QTest::newRow("blank-padded name, no age") << "  Ann "
                                               << "" << texts::text("messages.enterAge") << "txtAge";
    // Only spaces are trimmed from a name; other white space is a name of its own.
    QTest::newRow("a no-break space for a name, no age")
        << QString(QChar(0x00A0)) << "" << texts::text("messages.enterAge") << "txtAge";
}

void TestMFWindow::startNeedsNameAndAge()
{
    QFETCH(QString, name);
    QFETCH(QString, age);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    MessageRecorder messages;
    enterDetails(name, age);
    user::click(control(m_window, "cmdTest"));

    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.messages.at(0).icon, platform::MessageIcon::Critical);
    QCOMPARE(messages.messages.at(0).buttons, platform::MessageButtons::Ok);
    QCOMPARE(focusName(), focus);
    QCOMPARE(frontPage(m_window), QStringLiteral("fraDetails"));
    QCOMPARE(control<QLineEdit>(m_window, "txtName")->text(), name);
    QCOMPARE(control<QLineEdit>(m_window, "txtAge")->text(), age);
}

void TestMFWindow::startKeepsTheDetails_data()
{
    QTest::addColumn<QString>("age");
    QTest::addColumn<int>("keptAge");

    QTest::newRow("an age") << "30" << 30;
    QTest::newRow("largest age that fits") << "32767" << 32767;
    QTest::newRow("age too large to keep") << "99999" << 41;
}

void TestMFWindow::startKeepsTheDetails()
{
    QFETCH(QString, age);
    QFETCH(int, keptAge);

    modMaleFemaleTest::MFTakerAge = 41;
    MessageRecorder messages;
    enterDetails(QStringLiteral("  Ann Lee "), age, 1);
    user::click(control(m_window, "cmdTest"));

    QCOMPARE(messages.texts(), QStringList());
    QCOMPARE(frontPage(m_window), QStringLiteral("fraQuestion"));
    QCOMPARE(labelText(m_window, "lblQuestioNo"), QStringLiteral("Question 1 of 20"));
    QCOMPARE(modMaleFemaleTest::MFTakerName, QStringLiteral("Ann Lee"));
    QCOMPARE(int(modMaleFemaleTest::MFTakerAge), keptAge);
    QCOMPARE(modMaleFemaleTest::MFTakerSex, QStringLiteral("Female"));
}

void TestMFWindow::twentyNextsUntouchedGiveTheFeminineVerdict()
{
    enterDetails(QStringLiteral("Ann"), QStringLiteral("30"));
    user::click(control(m_window, "cmdTest"));
    QCOMPARE(labelText(m_window, "lblQuestion"), texts::text("mf.questions.0.text"));

    auto* first = control<QRadioButton>(m_window, "optOption1");
    auto* second = control<QRadioButton>(m_window, "optOption2");
    for (int question = 1; question <= 20; ++question) {
        const int slot = question - 1;
        QCOMPARE(frontPage(m_window), QStringLiteral("fraQuestion"));
        QCOMPARE(labelText(m_window, "lblQuestioNo"), QStringLiteral("Question %1 of 20").arg(question));
        QCOMPARE(labelText(m_window, "lblQuestion"), modMaleFemaleTest::MFQuestions[slot]);
        QCOMPARE(first->text(), modMaleFemaleTest::MFAnswerOne[slot]);
        QCOMPARE(second->text(), modMaleFemaleTest::MFAnswerTwo[slot]);
        QVERIFY(first->isChecked());
        QVERIFY(!second->isChecked());
        user::click(control(m_window, "cmdNext"));
    }

    QCOMPARE(frontPage(m_window), QStringLiteral("fraResult"));
    QCOMPARE(labelText(m_window, "lblResult_3"),
             QStringLiteral("After having taken this test, you will understand how your brain things. "
                            "Here are the results of your test:"));
    QCOMPARE(labelText(m_window, "lblResult_0"), percentageLine(40));
    QCOMPARE(labelText(m_window, "lblResult_1"), FeminineHeadline);
    QVERIFY(labelText(m_window, "lblResult_2")
                .startsWith(QStringLiteral(
                    "People with a feminine way of thinking have very good creative and artistic talents. ")));
    QCOMPARE(int(modMaleFemaleTest::MFPercent), 40);
    QCOMPARE(control<QPushButton>(m_window, "cmdMain")->text(), QStringLiteral("Back To &Main"));
    QCOMPARE(focusName(), QStringLiteral("cmdMain"));
    QCOMPARE(labelText(m_window, "lblQuestioNo"), QStringLiteral("Question 20 of 20"));
    QCOMPARE(labelText(m_window, "lblQuestion"), texts::text("mf.questions.19.text"));
}

void TestMFWindow::answersGiveTheirResult_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("percentageLine");
    QTest::addColumn<QString>("headline");

    QTest::newRow("second answers") << AllSecond << percentageLine(60) << MasculineHeadline;
    QTest::newRow("every answer masculine") << AllMasculine << percentageLine(100) << MasculineHeadline;
    QTest::newRow("no answer masculine") << NoMasculine << percentageLine(0) << FeminineHeadline;
    QTest::newRow("ten masculine answers") << TenMasculine << percentageLine(50) << BalancedHeadline;
}

void TestMFWindow::answersGiveTheirResult()
{
    QFETCH(QString, answers);
    QFETCH(QString, percentageLine);
    QFETCH(QString, headline);

    runTest(QStringLiteral("Ann"), QStringLiteral("30"), 0, qPrintable(answers));
    QCOMPARE(frontPage(m_window), QStringLiteral("fraResult"));
    QCOMPARE(labelText(m_window, "lblResult_0"), percentageLine);
    QCOMPARE(labelText(m_window, "lblResult_1"), headline);
}

void TestMFWindow::takerDetailsDoNotChangeTheResult_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("age");
    QTest::addColumn<int>("sexesDown");

    QTest::newRow("young woman") << "Ann"
                                 << "19" << 1;
    QTest::newRow("old man") << "Bob Smith"
                             << "87" << 0;
    QTest::newRow("age too large to keep") << "Cy"
                                           << "99999" << 0;
}

void TestMFWindow::takerDetailsDoNotChangeTheResult()
{
    QFETCH(QString, name);
    QFETCH(QString, age);
    QFETCH(int, sexesDown);

    runTest(name, age, sexesDown, TenMasculine);
    QCOMPARE(labelText(m_window, "lblResult_0"), percentageLine(50));
    QCOMPARE(labelText(m_window, "lblResult_1"), BalancedHeadline);
    QVERIFY(labelText(m_window, "lblResult_2")
                .startsWith(QStringLiteral("You have the best of both and masculine and feminine ways of thinking. ")));
}

void TestMFWindow::backToMainClearsTheDetailsAndTheNextRunStartsFromZero()
{
    runTest(QStringLiteral("Ann"), QStringLiteral("30"), 1, AllFirst);
    QCOMPARE(labelText(m_window, "lblResult_0"), percentageLine(40));

    user::click(control(m_window, "cmdMain"));
    QCOMPARE(frontPage(m_window), QStringLiteral("fraDetails"));
    QCOMPARE(control<QLineEdit>(m_window, "txtName")->text(), QString());
    QCOMPARE(control<QLineEdit>(m_window, "txtAge")->text(), QString());
    QCOMPARE(control<QComboBox>(m_window, "cboSex")->currentText(), QStringLiteral("Male"));
    QCOMPARE(focusName(), QStringLiteral("txtName"));

    enterDetails(QStringLiteral("Bob"), QStringLiteral("40"));
    user::click(control(m_window, "cmdTest"));
    QCOMPARE(labelText(m_window, "lblQuestioNo"), QStringLiteral("Question 1 of 20"));
    QCOMPARE(int(modMaleFemaleTest::MFScore), 0);
    QVERIFY(control<QRadioButton>(m_window, "optOption1")->isChecked());

    // Twelve masculine answers on top of the first run's eight would make 100 %.
    answer(AllSecond);
    QCOMPARE(labelText(m_window, "lblResult_0"), percentageLine(60));
    QCOMPARE(labelText(m_window, "lblResult_1"), MasculineHeadline);
}

void TestMFWindow::reopeningAfterACloseStartsAfresh_data()
{
    QTest::addColumn<QString>("closedBy");

    QTest::newRow("File Exit") << "mnuExit";
    QTest::newRow("close box") << "close box";
}

void TestMFWindow::reopeningAfterACloseStartsAfresh()
{
    QFETCH(QString, closedBy);

    runTest(QStringLiteral("Ann"), QStringLiteral("30"), 1, "2211");
    QPointer<frmMFTestMain> closing = m_window;
    if (closedBy == QStringLiteral("mnuExit"))
        m_window->menus.mnuExit->trigger();
    else
        m_window->close();

    QTRY_VERIFY(closing.isNull());
    QVERIFY(m_main->picMain->isVisible());
    QVERIFY(!m_main->loadedQuizWindow(QStringLiteral("frmMFTestMain")));

    m_window = openTest();
    QVERIFY(m_window);
    QCOMPARE(frontPage(m_window), QStringLiteral("fraDetails"));
    QCOMPARE(control<QLineEdit>(m_window, "txtName")->text(), QString());
    QCOMPARE(control<QLineEdit>(m_window, "txtAge")->text(), QString());
    QCOMPARE(control<QComboBox>(m_window, "cboSex")->currentText(), QStringLiteral("Male"));
    QCOMPARE(focusName(), QStringLiteral("txtName"));
}

QTEST_MAIN(TestMFWindow)
#include "tst_mfwindow.moc"
