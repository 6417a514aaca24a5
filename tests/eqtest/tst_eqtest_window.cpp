#include "eqtest/frmEQTestMain.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/QuizDriver.h"
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
    std::unique_ptr<QuizDriver> m_driver;
    frmEQTestMain* m_window = nullptr;
};

void TestEQWindow::init()
{
    m_mainWindow = showMainWindow();
    m_driver = std::make_unique<QuizDriver>(*m_mainWindow);
    m_window = launch();
    QVERIFY(m_window);
}

void TestEQWindow::cleanup()
{
    m_driver.reset();
    m_mainWindow.reset();
    m_window = nullptr;
}

frmEQTestMain* TestEQWindow::launch()
{
    auto* window = qobject_cast<frmEQTestMain*>(m_driver->open(Quiz::EmotionalQuotient));
    if (window && !QTest::qWaitForWindowActive(window))
        qWarning("the quiz window did not become active");
    return window;
}

void TestEQWindow::startWithName(const QString& name)
{
    m_driver->startEQ(name);
}

void TestEQWindow::answer(const QList<int>& choices)
{
    QString answers;
    for (int index : choices)
        answers.append(QChar(u'0' + index));
    m_driver->answer(Quiz::EmotionalQuotient, answers);
}

void TestEQWindow::opensFreshOnTheIntroduction()
{
    QCOMPARE(m_window->windowTitle(), texts::text("eq.caption"));
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

    QCOMPARE(control<QLabel>(m_window, "lblLabel_0")->text(), texts::text(QStringLiteral("eq.introduction")));
    QCOMPARE(control<QLabel>(m_window, "lblLabel_1")->text(), QStringLiteral("Enter Name"));
    QCOMPARE(control<QLabel>(m_window, "lblLabel_2")->text(), texts::text(QStringLiteral("eq.introduction")));
    QCOMPARE(control<QLabel>(m_window, "Label1")->text(), texts::text("eq.selectOne"));
    const QStringList captions = texts::list(QStringLiteral("eq.choices"));
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
    user::click(underStripTop);
    user::click(banner);
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

    QCOMPARE(messages.texts(), QStringList{texts::text("messages.enterYourName")});
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
        user::click(next);
    }

    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraResult"));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), texts::text("eq.bands.4.headline"));
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
    QTest::newRow("15: all strongly disagree") << QList<int>(15, 4) << texts::text("eq.bands.0.headline");
    QTest::newRow("31: disagree but one not sure") << oneNotSure << texts::text("eq.bands.1.headline");
    QTest::newRow("45: all not sure") << QList<int>(15, 2) << texts::text("eq.bands.2.headline");
    QTest::newRow("63: twelve agree, three disagree") << threeDisagreeing << texts::text("eq.bands.3.headline");
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
    user::click(control<QPushButton>(m_window, "cmdBack"));

    auto* name = control<QLineEdit>(m_window, "txtName");
    QCOMPARE(panelNameInFront(m_window), QStringLiteral("fraMain"));
    QVERIFY(name->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(m_window->isVisible());

    MessageRecorder messages;
    user::click(control<QPushButton>(m_window, "cmdStartTest"));
    QCOMPARE(messages.texts(), QStringList{texts::text("messages.enterYourName")});
}

void TestEQWindow::secondRunCountsOnlyItsOwnAnswers()
{
    startWithName("Mira");
    answer(QList<int>(15, 4));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), texts::text("eq.bands.0.headline"));
    user::click(control<QPushButton>(m_window, "cmdBack"));

    // 45 on its own; added to the first run's 15 it would read as a high EQ.
    startWithName("Mira");
    QCOMPARE(control<QLabel>(m_window, "lblQuestionNo")->text(), QStringLiteral("Question 1 of 15"));
    answer(QList<int>(15, 2));
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), texts::text("eq.bands.2.headline"));
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
    QVERIFY(!m_mainWindow->loadedQuizWindow(QStringLiteral("frmEQTestMain")));
    QVERIFY(m_mainWindow->isVisible());
}

void TestEQWindow::reopeningGivesAFreshWindow()
{
    startWithName("Mira");
    answer({4, 4});
    user::click(choice(m_window, 3));
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
    QCOMPARE(control<QLabel>(m_window, "lblResult_0")->text(), texts::text("eq.bands.0.headline"));
}

QTEST_MAIN(TestEQWindow)
#include "tst_eqtest_window.moc"
