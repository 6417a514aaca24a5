#include "shell/frmMDI.h"
#include "support/TestSupport.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

// A test window of the test suite's own, standing in for each of the four windows of the program.
class ProbeWindow : public TestWindow {
public:
    explicit ProbeWindow(TestWindowId id)
        : TestWindow(id, "frmProbe", QStringLiteral("Probe"),
                     {"mnuFile", "&Check for Software Update", "mnuFileSep1", "mnuFileSep2", "mnuMakeMoney",
                      "Make Money &Online"},
                     QSize(300, 200))
    {
        connect(this, &QObject::destroyed, [id] { unloadOrder().append(id); });
    }

    static QList<TestWindowId>& unloadOrder()
    {
        static QList<TestWindowId> order;
        return order;
    }
};

void registerProbes()
{
    for (TestWindowId id : {TestWindowId::BrainTestMain, TestWindowId::BrainTestDisplay, TestWindowId::EQTestMain,
                            TestWindowId::MFTestMain})
        frmMDI::registerTestWindow(id, [id] { return new ProbeWindow(id); });
}

TestWindow* testOnScreen(const frmMDI& mainWindow)
{
    TestWindow* shown = nullptr;
    for (QMdiSubWindow* window : mainWindow.mdiClient->subWindowList()) {
        if (window->isVisible())
            shown = static_cast<TestWindow*>(window);
    }
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(TestWindowId)

class TestLauncher : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void launchOpensTheTestOfTheIndex_data();
    void launchOpensTheTestOfTheIndex();
    void labelsThatAreNoTestOnlyUnload_data();
    void labelsThatAreNoTestOnlyUnload();
    void launchDiscardsTheOpenTestAndStartsFresh();
    void eachTestWindowShowsItsTestsIcon_data();
    void eachTestWindowShowsItsTestsIcon();
    void loadedWindowIsPlacedWithItsFrame();
    void unloadGoesThroughEveryTestWindowInOrder();
    void unloadingATestWindowBringsBackTheLauncher();
    void menuBarShowsTheMenusOfTheTestOnScreen();

private:
    std::unique_ptr<frmMDI> m_mainWindow;
};

void TestLauncher::initTestCase()
{
    registerProbes();
}

void TestLauncher::init()
{
    m_mainWindow = showMainWindow();
    ProbeWindow::unloadOrder().clear();
}

void TestLauncher::cleanup()
{
    m_mainWindow.reset();
}

void TestLauncher::launchOpensTheTestOfTheIndex_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<TestWindowId>("window");
    QTest::newRow("button 0, left") << "cmdSelectOption_0" << TestWindowId::BrainTestMain;
    QTest::newRow("button 2, middle") << "cmdSelectOption_2" << TestWindowId::EQTestMain;
    QTest::newRow("button 1, right") << "cmdSelectOption_1" << TestWindowId::MFTestMain;
    QTest::newRow("label 3") << "lblCaption_3" << TestWindowId::BrainTestMain;
    QTest::newRow("label 4") << "lblCaption_4" << TestWindowId::MFTestMain;
    QTest::newRow("label 5") << "lblCaption_5" << TestWindowId::EQTestMain;
}

void TestLauncher::launchOpensTheTestOfTheIndex()
{
    QFETCH(QString, control);
    QFETCH(TestWindowId, window);
    auto* trigger = m_mainWindow->findChild<QWidget*>(control);
    QVERIFY(trigger);
    QTest::mouseClick(trigger, Qt::LeftButton);

    TestWindow* opened = testOnScreen(*m_mainWindow);
    QVERIFY(opened);
    QCOMPARE(opened->id(), window);
    QCOMPARE(m_mainWindow->loadedTestWindow(window), opened);
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
    m_mainWindow->loadTestWindow(TestWindowId::BrainTestMain)->hide();

    QTest::mouseClick(control(m_mainWindow.get(), label), Qt::LeftButton);

    QVERIFY(!m_mainWindow->loadedTestWindow(TestWindowId::BrainTestMain));
    QVERIFY(!testOnScreen(*m_mainWindow));
    QVERIFY(m_mainWindow->picMain->isVisible());
}

void TestLauncher::launchDiscardsTheOpenTestAndStartsFresh()
{
    QTest::mouseClick(m_mainWindow->cmdSelectOption[1], Qt::LeftButton);
    QPointer<TestWindow> first = m_mainWindow->loadedTestWindow(TestWindowId::MFTestMain);
    QVERIFY(first);

    QTest::mouseClick(m_mainWindow->cmdSelectOption[1], Qt::LeftButton);
    TestWindow* second = m_mainWindow->loadedTestWindow(TestWindowId::MFTestMain);
    QVERIFY(second && second != first);
    QTRY_VERIFY(!first);

    QTest::mouseClick(m_mainWindow->cmdSelectOption[0], Qt::LeftButton);
    QVERIFY(!m_mainWindow->loadedTestWindow(TestWindowId::MFTestMain));
    QCOMPARE(testOnScreen(*m_mainWindow)->id(), TestWindowId::BrainTestMain);
    QCOMPARE(m_mainWindow->mdiClient->subWindowList().size(), 1);
}

void TestLauncher::loadedWindowIsPlacedWithItsFrame()
{
    TestWindow* window = m_mainWindow->loadTestWindow(TestWindowId::BrainTestDisplay);
    const QRect loaded = window->geometry();
    window->show();
    QCOMPARE(window->geometry(), loaded);
    QCOMPARE(loaded.topLeft(), QPoint((look::screenWidth() - loaded.width()) / 2, 0));
    QVERIFY(window->widget()->geometry().bottomRight().x() < loaded.width());
    QVERIFY(window->widget()->geometry().bottomRight().y() < loaded.height());
    QCOMPARE(window->widget()->size(), QSize(300, 200));
}

void TestLauncher::unloadGoesThroughEveryTestWindowInOrder()
{
    for (TestWindowId id : {TestWindowId::MFTestMain, TestWindowId::EQTestMain, TestWindowId::BrainTestMain,
                            TestWindowId::BrainTestDisplay})
        m_mainWindow->loadTestWindow(id);

    m_mainWindow->UnloadTestWindows();
    QTRY_COMPARE(ProbeWindow::unloadOrder().size(), 4);
    const QList<TestWindowId> expected = {TestWindowId::BrainTestDisplay, TestWindowId::BrainTestMain,
                                          TestWindowId::EQTestMain, TestWindowId::MFTestMain};
    QCOMPARE(ProbeWindow::unloadOrder(), expected);
}

void TestLauncher::unloadingATestWindowBringsBackTheLauncher()
{
    QTest::mouseClick(m_mainWindow->cmdSelectOption[2], Qt::LeftButton);
    QVERIFY(!m_mainWindow->picMain->isVisible());
    testOnScreen(*m_mainWindow)->close();
    QVERIFY(m_mainWindow->picMain->isVisible());
    QVERIFY(!m_mainWindow->loadedTestWindow(TestWindowId::EQTestMain));
}

void TestLauncher::menuBarShowsTheMenusOfTheTestOnScreen()
{
    const auto menuBarEntries = [this] { return m_mainWindow->menuBar()->actions(); };
    QCOMPARE(menuBarEntries(), m_mainWindow->menus.menuBarActions());

    QTest::mouseClick(m_mainWindow->cmdSelectOption[0], Qt::LeftButton);
    TestWindow* test = testOnScreen(*m_mainWindow);
    QCOMPARE(menuBarEntries(), test->menus.menuBarActions());

    test->close();
    QCOMPARE(menuBarEntries(), m_mainWindow->menus.menuBarActions());
}

void TestLauncher::eachTestWindowShowsItsTestsIcon_data()
{
    QTest::addColumn<TestWindowId>("window");
    QTest::addColumn<QString>("picture");
    QTest::newRow("Brain Test") << TestWindowId::BrainTestMain << "braintest";
    QTest::newRow("Brain Test questions") << TestWindowId::BrainTestDisplay << "braintest";
    QTest::newRow("EQ Test") << TestWindowId::EQTestMain << "eqtest";
    QTest::newRow("MF Test") << TestWindowId::MFTestMain << "mftest";
}

// The icon in a test window's title bar is its test's, the one beside its button in the main window.
void TestLauncher::eachTestWindowShowsItsTestsIcon()
{
    QFETCH(TestWindowId, window);
    QFETCH(QString, picture);
    const QImage shown = m_mainWindow->loadTestWindow(window)->windowIcon().pixmap(16).toImage();
    QCOMPARE(shown, look::pictureIcon(picture).pixmap(16).toImage());
    QVERIFY(shown != look::programIcon().pixmap(16).toImage());
}

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
