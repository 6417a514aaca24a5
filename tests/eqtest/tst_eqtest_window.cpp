#include "eqtest/frmEQTestMain.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString Introduction =
    "Emotional Intelligence or Emotional Quotient (EQ) is a term used to measure how much you understand your "
    "inner self and the tasks you can perform satisfactorily without getting stressed or depressed. Zelt "
    "Emotional Quotient Test attempts to give you a more clear picture about yourself so that you can work on "
    "the areas that are weak for you to lead a better life.";

// The statements as the bank holds them; the bank's own test checks them against the quotes.
QString bankStatement(int index)
{
    modEmotionalQuotientTest::LoadEQStatements();
    return modEmotionalQuotientTest::EQStatements[std::size_t(index)];
}

QFrame* panelInFront(QObject* window)
{
    QFrame* inFront = nullptr;
    for (const char* name : {"fraMain", "fraQuestion", "fraResult"}) {
        auto* panel = control<QFrame>(window, name);
        if (panel->isVisible()) {
            if (inFront)
                qFatal("two panels are shown");
            inFront = panel;
        }
    }
    return inFront;
}

QString panelNameInFront(QObject* window)
{
    const QFrame* panel = panelInFront(window);
    return panel ? panel->objectName() : QString();
}

QRadioButton* choice(QObject* window, int index)
{
    return control<QRadioButton>(window, QStringLiteral("optAnswerChoice_%1").arg(index));
}

} // namespace

class TestEQWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensFreshOnTheIntroduction();
    void carriesItsMenusBannerAndStrip();
    void blankNamesAreRefused_data();
    void blankNamesAreRefused();
    void anyOtherNameStartsOnTheFirstStatement_data();
    void anyOtherNameStartsOnTheFirstStatement();
    void enterInTheNameBoxStartsNothing();
    void fifteenNextsWalkTheStatementsToAnOutstandingEQ();
    void chosenAnswersGiveTheirBand_data();
    void chosenAnswersGiveTheirBand();
    void backToMainClearsTheNameAndRefocuses();
    void secondRunCountsOnlyItsOwnAnswers();
    void closingFromTheStatementPanelBringsBackTheLauncher_data();
    void closingFromTheStatementPanelBringsBackTheLauncher();
    void reopeningGivesAFreshWindow();

private:
    frmEQTestMain* launch();
    void startWithName(const QString& name);
    void answer(const QList<int>& choices);

    std::unique_ptr<frmMDI> m_mainWindow;
    frmEQTestMain* m_window = nullptr;
};

void TestEQWindow::initTestCase()
{
    frmMDI::registerTestWindow(TestWindowId::EQTestMain, [] { return new frmEQTestMain; });
}

void TestEQWindow::init()
{
    m_mainWindow = showMainWindow();
    m_window = launch();
    QVERIFY(m_window);
}

void TestEQWindow::cleanup()
{
    m_mainWindow.reset();
    m_window = nullptr;
}

frmEQTestMain* TestEQWindow::launch()
{
    QTest::mouseClick(control<QPushButton>(m_mainWindow.get(), "cmdSelectOption_2"), Qt::LeftButton);
    auto* window = qobject_cast<frmEQTestMain*>(m_mainWindow->loadedTestWindow(TestWindowId::EQTestMain));
    if (window && !QTest::qWaitForWindowActive(window))
        qWarning("the test window did not become active");
    return window;
}

void TestEQWindow::startWithName(const QString& name)
{
    QTest::keyClicks(control<QLineEdit>(m_window, "txtName"), name);
    QTest::mouseClick(control<QPushButton>(m_window, "cmdStartTest"), Qt::LeftButton);
}

void TestEQWindow::answer(const QList<int>& choices)
{
    for (int index : choices) {
        QTest::mouseClick(choice(m_window, index), Qt::LeftButton);
        QVERIFY(choice(m_window, index)->isChecked());
        QTest::mouseClick(control<QPushButton>(m_window, "cmdNext"), Qt::LeftButton);
    }
}

void TestEQWindow::opensFreshOnTheIntroduction()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Zelt Emotional Quotient Test"));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_mainWindow->picMain->isVisible());
    QCOMPARE(m_window->widget()->size(), QSize(look::px(7590), look::px(4815)));
    QVERIFY(m_window->rect().contains(m_window->widget()->geometry()));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->pos(), QPoint((look::screenWidth() - m_window->width()) / 2, 0));

    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraMain"));
    auto* name = control<QLineEdit>(m_window, "txtName");
    QVERIFY(name->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(choice(m_window, 0)->isChecked());

    QCOMPARE(control<QLabel>(m_window, "lblLabel_0")->text(), Introduction);
    QCOMPARE(control<QLabel>(m_window, "lblLabel_1")->text(), QStringLiteral("Enter Name"));
    QCOMPARE(control<QLabel>(m_window, "lblLabel_2")->text(), Introduction);
    QCOMPARE(control<QLabel>(m_window, "Label1")->text(), QStringLiteral("Select One of the following options."));
    const QStringList captions = {"Strongly Agree", "Most of the Times", "Not Sure", "Disagree", "Strongly Disagree"};
    for (int index = 0; index < captions.size(); ++index) {
        QCOMPARE(choice(m_window, index)->text(), captions[index]);
        if (index > 0)
            QVERIFY(choice(m_window, index)->y() > choice(m_window, index - 1)->y());
    }

    const QList<std::pair<const char*, QString>> buttons = {
        {"cmdStartTest", "&Start the Emotional Quotient Test"},
        {"cmdNext", "Next &Question"},
        {"cmdBack", "&Back To Main"},
    };
    for (const auto& [objectName, caption] : buttons) {
        auto* button = control<QPushButton>(m_window, objectName);
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
    }
    for (const QWidget* widget : m_window->widget()->findChildren<QWidget*>())
        QVERIFY2(drawnInVerdana(widget->font()), qPrintable(widget->objectName()));
}

void TestEQWindow::carriesItsMenusBannerAndStrip()
{
    QCOMPARE(m_window->menus.mnuFile->objectName(), QStringLiteral("mnuFile"));
    QStringList fileItems;
    for (const QAction* item : m_window->menus.mnuFile->actions())
        fileItems << item->text();
    QCOMPARE(fileItems, QStringList{"E&xit"});
    QStringList helpItems;
    for (const QAction* item : m_window->menus.mnuHelp->actions())
        helpItems << (item->isSeparator() ? "-" : item->text());
    QCOMPARE(helpItems,
             (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                          "&About Software"}));
    QAction* makeMoney = m_window->menus.mnuMakeMoney;
    QCOMPARE(makeMoney->objectName(), QStringLiteral("mnuMakeMoney"));
    QCOMPARE(makeMoney->text(), QStringLiteral("&Make Money Online"));
    QVERIFY(!makeMoney->isEnabled());

    auto* banner = control<MouseLabel>(m_window, "Label61");
    QCOMPARE(banner->geometry(), QRect(0, 0, look::px(7590), look::px(450)));
    auto* strip = control<QFrame>(m_window, "fraFullBrand");
    QCOMPARE(strip->geometry(), QRect(0, look::px(4815 - 855), look::px(7590), look::px(855)));

    // The fully-branded offer is what the user sees and clicks, on any panel.
    UrlRecorder opened;
    QWidget* client = m_window->widget();
    QWidget* underStripTop = client->childAt(QPoint(client->width() / 2, strip->y()));
    QCOMPARE(underStripTop, control<QWidget>(m_window, "lblFullBrand"));
    QTest::mouseClick(underStripTop, Qt::LeftButton);
    QTest::mouseClick(banner, Qt::LeftButton);
    QCOMPARE(opened.urls, (QStringList{pageUrl("fully-branded"), pageUrl("home-page")}));
}

void TestEQWindow::blankNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("spaces") << "    ";
}

void TestEQWindow::blankNamesAreRefused()
{
    QFETCH(QString, name);
    MessageRecorder messages;
    auto* start = control<QPushButton>(m_window, "cmdStartTest");
    start->setFocus();
    startWithName(name);

    QCOMPARE(messages.texts(), QStringList{"Please Enter Your Name"});
    QCOMPARE(messages.messages[0].icon, platform::MessageIcon::Critical);
    QCOMPARE(messages.messages[0].buttons, platform::MessageButtons::Ok);
    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraMain"));
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(m_window, "txtName"));
}

void TestEQWindow::anyOtherNameStartsOnTheFirstStatement_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("outer spaces") << "  Mira  ";
    QTest::newRow("digits and punctuation") << "R2-D2, 3.0!";
    QTest::newRow("inner spaces") << "Anna Maria van Dijk";
    QTest::newRow("long") << QString(300, 'x');
    // Only spaces are trimmed from a name; other white space is a name of its own.
    QTest::newRow("a no-break space") << QString(QChar(0x00A0));
}

void TestEQWindow::anyOtherNameStartsOnTheFirstStatement()
{
    QFETCH(QString, name);
    MessageRecorder messages;
    startWithName(name);

    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraQuestion"));
    QCOMPARE(control<QLabel>(m_window, "lblQuestionNo")->text(), QStringLiteral("Question 1 of 15"));
    QCOMPARE(control<QLabel>(m_window, "lblQuestion")->text(), bankStatement(0));
    QVERIFY(choice(m_window, 0)->isChecked());
}

void TestEQWindow::enterInTheNameBoxStartsNothing()
{
    MessageRecorder messages;
    auto* name = control<QLineEdit>(m_window, "txtName");
    QTest::keyClicks(name, "Mira");
    QTest::keyClick(name, Qt::Key_Return);
    QTest::keyClick(name, Qt::Key_Enter);
    QTest::keyClicks(name, "    ");
    name->clear();
    QTest::keyClick(name, Qt::Key_Return);

    QVERIFY(messages.messages.isEmpty());
    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraMain"));
    QCOMPARE(QApplication::focusWidget(), name);
}

void TestEQWindow::fifteenNextsWalkTheStatementsToAnOutstandingEQ()
{
    startWithName("Mira");
    auto* position = control<QLabel>(m_window, "lblQuestionNo");
    auto* statement = control<QLabel>(m_window, "lblQuestion");
    auto* next = control<QPushButton>(m_window, "cmdNext");
    for (int number = 1; number <= 15; ++number) {
        QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraQuestion"));
        QCOMPARE(position->text(), QStringLiteral("Question %1 of 15").arg(number));
        QCOMPARE(statement->text(), bankStatement(number - 1));
        QVERIFY(choice(m_window, 0)->isChecked());
        QTest::mouseClick(next, Qt::LeftButton);
    }

    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraResult"));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), QStringLiteral("You have an Outstanding EQ"));
    QVERIFY(control<QLabel>(m_window, "lblResult_1")->text().startsWith("You are in touch with your inner self. "));
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(m_window, "cmdBack"));
    QCOMPARE(position->text(), QStringLiteral("Question 15 of 15"));
}

void TestEQWindow::chosenAnswersGiveTheirBand_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<QString>("headline");
    QList<int> oneNotSure(15, 3);
    oneNotSure[14] = 2;
    QList<int> threeDisagreeing(15, 0);
    threeDisagreeing[2] = threeDisagreeing[8] = threeDisagreeing[11] = 4;
    QTest::newRow("15: all strongly disagree") << QList<int>(15, 4) << "You have a LOW EQ";
    QTest::newRow("31: disagree but one not sure")
        << oneNotSure << "Your EQ is on the average side and can be improved";
    QTest::newRow("45: all not sure") << QList<int>(15, 2) << "Your EQ is slightly more than average";
    QTest::newRow("63: twelve agree, three disagree") << threeDisagreeing << "You have HIGH EQ";
}

void TestEQWindow::chosenAnswersGiveTheirBand()
{
    QFETCH(QList<int>, choices);
    QFETCH(QString, headline);
    startWithName("Mira");
    answer(choices);
    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraResult"));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), headline);
}

void TestEQWindow::backToMainClearsTheNameAndRefocuses()
{
    startWithName("Mira");
    answer(QList<int>(15, 1));
    QTest::mouseClick(control<QPushButton>(m_window, "cmdBack"), Qt::LeftButton);

    auto* name = control<QLineEdit>(m_window, "txtName");
    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraMain"));
    QVERIFY(name->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(m_window->isVisible());

    MessageRecorder messages;
    QTest::mouseClick(control<QPushButton>(m_window, "cmdStartTest"), Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList{"Please Enter Your Name"});
}

void TestEQWindow::secondRunCountsOnlyItsOwnAnswers()
{
    startWithName("Mira");
    answer(QList<int>(15, 4));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), QStringLiteral("You have a LOW EQ"));
    QTest::mouseClick(control<QPushButton>(m_window, "cmdBack"), Qt::LeftButton);

    // 45 on its own; added to the first run's 15 it would read as a high EQ.
    startWithName("Mira");
    QCOMPARE(control<QLabel>(m_window, "lblQuestionNo")->text(), QStringLiteral("Question 1 of 15"));
    answer(QList<int>(15, 2));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), QStringLiteral("Your EQ is slightly more than average"));
}

void TestEQWindow::closingFromTheStatementPanelBringsBackTheLauncher_data()
{
    QTest::addColumn<bool>("throughFileExit");
    QTest::newRow("close box") << false;
    QTest::newRow("File Exit") << true;
}

void TestEQWindow::closingFromTheStatementPanelBringsBackTheLauncher()
{
    QFETCH(bool, throughFileExit);
    startWithName("Mira");
    answer({3, 1});
    QPointer<frmEQTestMain> window = m_window;
    if (throughFileExit)
        m_window->menus.mnuExit->trigger();
    else
        m_window->close();
    QTRY_VERIFY(window.isNull());

    QVERIFY(m_mainWindow->picMain->isVisible());
    QVERIFY(!m_mainWindow->loadedTestWindow(TestWindowId::EQTestMain));
    QVERIFY(m_mainWindow->isVisible());
}

void TestEQWindow::reopeningGivesAFreshWindow()
{
    startWithName("Mira");
    answer({4, 4});
    QTest::mouseClick(choice(m_window, 3), Qt::LeftButton);
    m_window->close();
    QVERIFY(m_mainWindow->picMain->isVisible());

    m_window = launch();
    QVERIFY(m_window);
    QVERIFY(!m_mainWindow->picMain->isVisible());
    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraMain"));
    QVERIFY(control<QLineEdit>(m_window, "txtName")->text().isEmpty());
    QVERIFY(choice(m_window, 0)->isChecked());

    // A fresh run starts at the first statement with nothing carried over.
    startWithName("Mira");
    QCOMPARE(control<QLabel>(m_window, "lblQuestionNo")->text(), QStringLiteral("Question 1 of 15"));
    answer(QList<int>(15, 4));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), QStringLiteral("You have a LOW EQ"));
}

QTEST_MAIN(TestEQWindow)
#include "tst_eqtest_window.moc"
