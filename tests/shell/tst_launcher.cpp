#include "shell/frmMDI.h"
#include "support/TestSupport.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

// A quiz window of the test suite's own, standing in for each of the four windows of the program.
class ProbeWindow : public QuizWindow {
public:
    explicit ProbeWindow(const QString& name)
        : QuizWindow(qPrintable(name), QStringLiteral("Probe"),
                     {"mnuFile", "&Check for Software Update", "mnuFileSep1", "mnuFileSep2", "mnuMakeMoney",
                      "Make Money &Online"},
                     QSize(300, 200))
    {
        connect(this, &QObject::destroyed, [name] { unloadOrder().append(name); });
    }

    static QStringList& unloadOrder()
    {
        static QStringList order;
        return order;
    }
};

// The program's quizzes, each window a probe of the same name.
QuizCatalogue probeQuizzes()
{
    QuizCatalogue quizzes = zeltNoggleQuizzes();
    for (QuizEntry& quiz : quizzes) {
        for (QuizWindowEntry& window : quiz.windows) {
            const QString name = window.name;
            window.create = [name] { return new ProbeWindow(name); };
        }
    }
    return quizzes;
}

QuizWindow* quizOnScreen(const frmMDI& mainWindow)
{
    QuizWindow* shown = nullptr;
    for (QMdiSubWindow* window : mainWindow.mdiClient->subWindowList()) {
        if (window->isVisible())
            shown = static_cast<QuizWindow*>(window);
    }
    return shown;
}

} // namespace

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void launchOpensTheTestOfTheIndex_data();
    void launchOpensTheTestOfTheIndex();
    void labelsThatAreNoTestOnlyUnload_data();
    void labelsThatAreNoTestOnlyUnload();
    void launchDiscardsTheOpenTestAndStartsFresh();
    void eachQuizWindowShowsItsQuizsIcon_data();
    void eachQuizWindowShowsItsQuizsIcon();
    void loadedWindowIsPlacedWithItsFrame();
    void unloadGoesThroughEveryQuizWindowInOrder();
    void unloadingAQuizWindowBringsBackTheLauncher();
    void menuBarShowsTheMenusOfTheTestOnScreen();

private:
    std::unique_ptr<frmMDI> m_mainWindow;
};

void TestLauncher::init()
{
    m_mainWindow = showMainWindow(probeQuizzes());
    ProbeWindow::unloadOrder().clear();
}

void TestLauncher::cleanup()
{
    m_mainWindow.reset();
}

void TestLauncher::launchOpensTheTestOfTheIndex_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("window");
    QTest::newRow("button 0, left") << "cmdSelectOption_0"
                                    << "frmBrainTestMain";
    QTest::newRow("button 2, middle") << "cmdSelectOption_2"
                                      << "frmEQTestMain";
    QTest::newRow("button 1, right") << "cmdSelectOption_1"
                                     << "frmMFTestMain";
    QTest::newRow("label 3") << "lblCaption_3"
                             << "frmBrainTestMain";
    QTest::newRow("label 4") << "lblCaption_4"
                             << "frmMFTestMain";
    QTest::newRow("label 5") << "lblCaption_5"
                             << "frmEQTestMain";
}

void TestLauncher::launchOpensTheTestOfTheIndex()
{
    QFETCH(QString, control);
    QFETCH(QString, window);
    auto* trigger = m_mainWindow->findChild<QWidget*>(control);
    QVERIFY(trigger);
    QTest::mouseClick(trigger, Qt::LeftButton);

    QuizWindow* opened = quizOnScreen(*m_mainWindow);
    QVERIFY(opened);
    QCOMPARE(opened->objectName(), window);
    QCOMPARE(m_mainWindow->loadedQuizWindow(window), opened);
    QVERIFY(!m_mainWindow->picMain->isVisible());
    QCOMPARE(opened->pos(), QPoint((look::screenWidth() - opened->width()) / 2, 0));
}

void TestLauncher::labelsThatAreNoTestOnlyUnload_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("welcome") << "lblCaption_0";
    QTest::newRow("introduction") << "lblCaption_1";
    QTest::newRow("list heading") << "lblCaption_2";
}

void TestLauncher::labelsThatAreNoTestOnlyUnload()
{
    QFETCH(QString, label);
    // A Brain Test entry window that is loaded but hidden, as it is while its questions run.
    m_mainWindow->loadQuizWindow("frmBrainTestMain")->hide();

    QTest::mouseClick(control(m_mainWindow.get(), label), Qt::LeftButton);

    QVERIFY(!m_mainWindow->loadedQuizWindow("frmBrainTestMain"));
    QVERIFY(!quizOnScreen(*m_mainWindow));
    QVERIFY(m_mainWindow->picMain->isVisible());
}

void TestLauncher::launchDiscardsTheOpenTestAndStartsFresh()
{
    QTest::mouseClick(m_mainWindow->cmdSelectOption[1], Qt::LeftButton);
    QPointer<QuizWindow> first = m_mainWindow->loadedQuizWindow("frmMFTestMain");
    QVERIFY(first);

    QTest::mouseClick(m_mainWindow->cmdSelectOption[1], Qt::LeftButton);
    QuizWindow* second = m_mainWindow->loadedQuizWindow("frmMFTestMain");
    QVERIFY(second && second != first);
    QTRY_VERIFY(!first);

    QTest::mouseClick(m_mainWindow->cmdSelectOption[0], Qt::LeftButton);
    QVERIFY(!m_mainWindow->loadedQuizWindow("frmMFTestMain"));
    QCOMPARE(quizOnScreen(*m_mainWindow)->objectName(), QStringLiteral("frmBrainTestMain"));
    QCOMPARE(m_mainWindow->mdiClient->subWindowList().size(), 1);
}

void TestLauncher::loadedWindowIsPlacedWithItsFrame()
{
    QuizWindow* window = m_mainWindow->loadQuizWindow("frmBrainTestDisplay");
    const QRect loaded = window->geometry();
    window->show();
    QCOMPARE(window->geometry(), loaded);
    QCOMPARE(loaded.topLeft(), QPoint((look::screenWidth() - loaded.width()) / 2, 0));
    QVERIFY(window->widget()->geometry().bottomRight().x() < loaded.width());
    QVERIFY(window->widget()->geometry().bottomRight().y() < loaded.height());
    QCOMPARE(window->widget()->size(), QSize(300, 200));
}

void TestLauncher::unloadGoesThroughEveryQuizWindowInOrder()
{
    for (const char* name : {"frmMFTestMain", "frmEQTestMain", "frmBrainTestMain", "frmBrainTestDisplay"})
        m_mainWindow->loadQuizWindow(QString::fromLatin1(name));

    m_mainWindow->UnloadTestWindows();
    QTRY_COMPARE(ProbeWindow::unloadOrder().size(), 4);
    const QStringList expected = {"frmBrainTestDisplay", "frmBrainTestMain", "frmEQTestMain", "frmMFTestMain"};
    QCOMPARE(ProbeWindow::unloadOrder(), expected);
}

void TestLauncher::unloadingAQuizWindowBringsBackTheLauncher()
{
    QTest::mouseClick(m_mainWindow->cmdSelectOption[2], Qt::LeftButton);
    QVERIFY(!m_mainWindow->picMain->isVisible());
    quizOnScreen(*m_mainWindow)->close();
    QVERIFY(m_mainWindow->picMain->isVisible());
    QVERIFY(!m_mainWindow->loadedQuizWindow("frmEQTestMain"));
}

void TestLauncher::menuBarShowsTheMenusOfTheTestOnScreen()
{
    const auto menuBarEntries = [this] { return m_mainWindow->menuBar()->actions(); };
    QCOMPARE(menuBarEntries(), m_mainWindow->menus.menuBarActions());

    QTest::mouseClick(m_mainWindow->cmdSelectOption[0], Qt::LeftButton);
    QuizWindow* test = quizOnScreen(*m_mainWindow);
    QCOMPARE(menuBarEntries(), test->menus.menuBarActions());

    test->close();
    QCOMPARE(menuBarEntries(), m_mainWindow->menus.menuBarActions());
}

void TestLauncher::eachQuizWindowShowsItsQuizsIcon_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("picture");
    QTest::newRow("Brain Test") << "frmBrainTestMain"
                                << "braintest";
    QTest::newRow("Brain Test questions") << "frmBrainTestDisplay"
                                          << "braintest";
    QTest::newRow("EQ Test") << "frmEQTestMain"
                             << "eqtest";
    QTest::newRow("MF Test") << "frmMFTestMain"
                             << "mftest";
}

// The icon in a quiz window's title bar is its quiz's, the one beside its button in the main window.
void TestLauncher::eachQuizWindowShowsItsQuizsIcon()
{
    QFETCH(QString, window);
    QFETCH(QString, picture);
    const QImage shown = m_mainWindow->loadQuizWindow(window)->windowIcon().pixmap(16).toImage();
    QCOMPARE(shown, look::pictureIcon(picture).pixmap(16).toImage());
    QVERIFY(shown != look::programIcon().pixmap(16).toImage());
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
