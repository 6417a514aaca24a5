#include "TestWindows.h"
#include "shell/TestWindow.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"

#include <QMdiArea>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace {

// How far the scroll area can show: the viewport moved over its whole scroll range.
QRect reachableArea(const QAbstractScrollArea* area, QSize content)
{
    const QSize viewport = area->viewport()->size();
    return QRect(0, 0, qMax(content.width(), viewport.width() + area->horizontalScrollBar()->maximum()),
                 qMax(content.height(), viewport.height() + area->verticalScrollBar()->maximum()));
}

} // namespace

Q_DECLARE_METATYPE(TestWindowId)

// On a screen too small for the design (this test runs on one, scaled up to 300 % or 200 %), every
// control keeps its designed size and can be scrolled to.
class TestSmallScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void screenIsSmallerThanTheDesign();
    void everyControlOfTheMainWindowCanBeScrolledTo();
    void everyTestWindowCanBeScrolledTo_data();
    void everyTestWindowCanBeScrolledTo();

private:
    QScrollArea* scroller() const { return qobject_cast<QScrollArea*>(m_mainWindow->centralWidget()); }

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<frmMDI> m_mainWindow;
};

void TestSmallScreen::initTestCase()
{
    registerTestWindows();
}

void TestSmallScreen::init()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
    m_mainWindow = showMainWindow();
}

void TestSmallScreen::cleanup()
{
    m_mainWindow.reset();
    m_folders.reset();
}

void TestSmallScreen::screenIsSmallerThanTheDesign()
{
    QVERIFY(scroller());
    const QSize content = scroller()->widget()->size();
    const QSize viewport = scroller()->viewport()->size();
    QVERIFY2(viewport.width() < content.width() || viewport.height() < content.height(),
             qPrintable(QStringLiteral("the screen shows all %1x%2").arg(content.width()).arg(content.height())));
}

void TestSmallScreen::everyControlOfTheMainWindowCanBeScrolledTo()
{
    const QWidget* content = scroller()->widget();
    const QRect reachable = reachableArea(scroller(), content->size());
    for (const QWidget* control : content->findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_"))
            || !control->isVisibleTo(content) || control->parentWidget() == m_mainWindow->mdiClient->viewport())
            continue;
        const QRect place(control->mapTo(content, QPoint(0, 0)), control->size());
        QVERIFY2(reachable.contains(place),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 lies outside %6x%7")
                                .arg(control->objectName())
                                .arg(place.x())
                                .arg(place.y())
                                .arg(place.width())
                                .arg(place.height())
                                .arg(reachable.width())
                                .arg(reachable.height())));
    }
    // The designed sizes stay: the button bar is as wide as designed.
    QCOMPARE(m_mainWindow->picButtonContainer->width(), (10935 + 7) / 15);
}

void TestSmallScreen::everyTestWindowCanBeScrolledTo_data()
{
    QTest::addColumn<TestWindowId>("id");
    QTest::newRow("Brain Test") << TestWindowId::BrainTestMain;
    QTest::newRow("Brain Test questions") << TestWindowId::BrainTestDisplay;
    QTest::newRow("EQ Test") << TestWindowId::EQTestMain;
    QTest::newRow("MF Test") << TestWindowId::MFTestMain;
}

void TestSmallScreen::everyTestWindowCanBeScrolledTo()
{
    QFETCH(TestWindowId, id);
    m_mainWindow->OpenTest(id);
    TestWindow* window = m_mainWindow->loadedTestWindow(id);
    QVERIFY(window && window->isVisible());
    QApplication::processEvents();

    QCOMPARE(window->y(), 0);
    QVERIFY(window->x() >= 0);
    const QMdiArea* area = m_mainWindow->mdiClient;
    QVERIFY2(reachableArea(area, QSize()).contains(window->geometry()),
             qPrintable(QStringLiteral("the window's %1x%2 cannot all be scrolled to in %3x%4")
                            .arg(window->width())
                            .arg(window->height())
                            .arg(area->viewport()->width())
                            .arg(area->viewport()->height())));
}

QTEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
