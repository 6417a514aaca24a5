#include "shell/QuizWindow.h"
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

// On a screen too small for the design (this test runs on one, scaled up to 300 % or 200 %), every
// control keeps its designed size and can be scrolled to.
class TestSmallScreen : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void screenIsSmallerThanTheDesign();
    void everyControlOfTheMainWindowCanBeScrolledTo();
    void everyQuizWindowCanBeScrolledTo_data();
    void everyQuizWindowCanBeScrolledTo();

private:
    QScrollArea* scroller() const { return qobject_cast<QScrollArea*>(m_mainWindow->centralWidget()); }

    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<frmMDI> m_mainWindow;
};

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

void TestSmallScreen::everyQuizWindowCanBeScrolledTo_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("Brain Test") << "frmBrainTestMain";
    QTest::newRow("Brain Test questions") << "frmBrainTestDisplay";
    QTest::newRow("EQ Test") << "frmEQTestMain";
    QTest::newRow("MF Test") << "frmMFTestMain";
}

void TestSmallScreen::everyQuizWindowCanBeScrolledTo()
{
    QFETCH(QString, window);
    m_mainWindow->OpenTest(window);
    QuizWindow* opened = m_mainWindow->loadedQuizWindow(window);
    QVERIFY(opened && opened->isVisible());
    QApplication::processEvents();

    QCOMPARE(opened->y(), 0);
    QVERIFY(opened->x() >= 0);
    const QMdiArea* area = m_mainWindow->mdiClient;
    QVERIFY2(reachableArea(area, QSize()).contains(opened->geometry()),
             qPrintable(QStringLiteral("the window's %1x%2 cannot all be scrolled to in %3x%4")
                            .arg(opened->width())
                            .arg(opened->height())
                            .arg(area->viewport()->width())
                            .arg(area->viewport()->height())));
}

QTEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
