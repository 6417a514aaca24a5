#include "FourthQuiz.h"
#include "shell/frmMDI.h"
#include "support/ProgramTexts.h"
#include "support/QuizDriver.h"
#include "support/TestSupport.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

// A fourth quiz, made of its folder and one catalogue row, offered and unloaded by the real launcher
// beside the program's three, which keep their places.
class TestFourthQuiz : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void launcherOffersItBesideTheOthers();
    void itsButtonAndLabelOpenIt_data();
    void itsButtonAndLabelOpenIt();
    void itsWindowClosesBackToTheLauncher();
    void launchingAnotherQuizUnloadsIt();
    void itIsUnloadedInItsPlace();

private:
    std::unique_ptr<frmMDI> m_mainWindow;
};

void TestFourthQuiz::init()
{
    QuizCatalogue quizzes = zeltNoggleQuizzes();
    quizzes.push_back(fourthQuiz());
    m_mainWindow = showMainWindow(quizzes);
}

void TestFourthQuiz::cleanup()
{
    m_mainWindow.reset();
}

void TestFourthQuiz::launcherOffersItBesideTheOthers()
{
    QCOMPARE(m_mainWindow->cmdSelectOption.size(), std::size_t(4));
    auto* button = control<QPushButton>(m_mainWindow.get(), "cmdSelectOption_3");
    QCOMPARE(button->text(), QStringLiteral("Fourth Quiz"));
    QCOMPARE(button->pos(), QPoint(look::px(10245), look::px(188)));
    auto* icon = control<QLabel>(m_mainWindow.get(), "Picture5");
    QCOMPARE(icon->pos(), QPoint(look::px(9735), look::px(180)));
    QVERIFY(!icon->pixmap().isNull());

    auto* label = control<MouseLabel>(m_mainWindow.get(), "lblCaption_6");
    QCOMPARE(label->text(), QStringLiteral("Fourth Quiz"));
    QCOMPARE(label->y(), look::px(5280));
    QCOMPARE(label->x(), (look::screenWidth() - label->width()) / 2);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 160, 0));
    QVERIFY(label->isLink());

    // The program's own quizzes keep their buttons and labels.
    QCOMPARE(control<QPushButton>(m_mainWindow.get(), "cmdSelectOption_2")->text(), texts::text("launcher.buttons.2"));
    QCOMPARE(control<MouseLabel>(m_mainWindow.get(), "lblCaption_5")->y(), look::px(3600));

    // Tab goes through the buttons by index, then the links in reading order.
    QStringList cycle;
    for (int stop = 0; stop < 11; ++stop) {
        cycle << user::focused()->objectName();
        user::press(Qt::Key_Tab);
    }
    QCOMPARE(cycle.join(QLatin1Char(' ')),
             QStringLiteral("cmdSelectOption_0 cmdSelectOption_1 cmdSelectOption_2 cmdSelectOption_3 cmdMdiExit "
                            "Picture6 lblCaption_3 lblCaption_5 lblCaption_4 lblCaption_6 Label7"));
}

void TestFourthQuiz::itsButtonAndLabelOpenIt_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("button") << "cmdSelectOption_3";
    QTest::newRow("label") << "lblCaption_6";
}

void TestFourthQuiz::itsButtonAndLabelOpenIt()
{
    QFETCH(QString, trigger);
    user::click(control(m_mainWindow.get(), trigger));
    QuizWindow* window = m_mainWindow->loadedQuizWindow(QStringLiteral("frmFourthQuiz"));
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!m_mainWindow->picMain->isVisible());
    QCOMPARE(window->pos(), QPoint((look::screenWidth() - window->width()) / 2, 0));
    QCOMPARE(window->windowIcon().pixmap(16).toImage(), look::programIcon().pixmap(16).toImage());
    QCOMPARE(m_mainWindow->menuBar()->actions(), window->menus.menuBarActions());
}

void TestFourthQuiz::itsWindowClosesBackToTheLauncher()
{
    user::click(m_mainWindow->cmdSelectOption[3]);
    user::click(control(m_mainWindow->loadedQuizWindow(QStringLiteral("frmFourthQuiz")), "cmdDone"));
    QVERIFY(!m_mainWindow->loadedQuizWindow(QStringLiteral("frmFourthQuiz")));
    QVERIFY(m_mainWindow->picMain->isVisible());
    QCOMPARE(user::focused(), m_mainWindow->cmdSelectOption[0]);
    QCOMPARE(m_mainWindow->menuBar()->actions(), m_mainWindow->menus.menuBarActions());
}

void TestFourthQuiz::launchingAnotherQuizUnloadsIt()
{
    user::click(m_mainWindow->cmdSelectOption[3]);
    QPointer<QuizWindow> fourth = m_mainWindow->loadedQuizWindow(QStringLiteral("frmFourthQuiz"));
    user::click(m_mainWindow->cmdSelectOption[2]);
    QVERIFY(!m_mainWindow->loadedQuizWindow(QStringLiteral("frmFourthQuiz")));
    QTRY_VERIFY(!fourth);
    QVERIFY(m_mainWindow->loadedQuizWindow(QStringLiteral("frmEQTestMain"))->isVisible());
}

// After the program's windows, the last of the round.
void TestFourthQuiz::itIsUnloadedInItsPlace()
{
    QStringList unloaded;
    for (const char* name : {"frmFourthQuiz", "frmMFTestMain", "frmBrainTestMain"}) {
        QuizWindow* window = m_mainWindow->loadQuizWindow(QString::fromLatin1(name));
        connect(window, &QObject::destroyed, this, [&unloaded, name] { unloaded << QString::fromLatin1(name); });
    }
    m_mainWindow->UnloadTestWindows();
    QTRY_COMPARE(unloaded, QStringList({"frmBrainTestMain", "frmMFTestMain", "frmFourthQuiz"}));
}

QTEST_MAIN(TestFourthQuiz)
#include "tst_fourthquiz.moc"
