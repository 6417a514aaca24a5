#include "shell/frmAbout.h"
#include "support/ProgramTexts.h"
#include "support/TestSupport.h"
#include "widgets/Look.h"
#include "widgets/MouseLabel.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(std::function<void(frmAbout*)>)

namespace {

using AboutAction = std::function<void(frmAbout*)>;

// Opens the About box modally over the owner, runs the action on it, and returns whether the box
// was closed afterwards (it is destroyed as it closes).
bool closesAfter(QWidget* owner, const AboutAction& action)
{
    frmAbout::showModal(owner);
    QPointer<frmAbout> about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    if (!about)
        qFatal("no About box");
    // As the user sees it: on screen, placed by the window system.
    if (!QTest::qWaitForWindowExposed(about))
        qFatal("the About box never came on screen");
    action(about);
    QApplication::processEvents();
    const bool closed = !about || !about->isVisible();
    if (about)
        about->close();
    if (!QTest::qWaitFor([&about] { return !about; }))
        qFatal("the About box stays after closing");
    return closed;
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init();

    void laidOutAsDesigned();
    void closingCommandsUnloadIt_data();
    void closingCommandsUnloadIt();
    void linksOpenTheirPageAndLeaveItOpen_data();
    void linksOpenTheirPageAndLeaveItOpen();
    void modalToTheWholeProgramWithoutKeepingItsCaller();
    void opensCentredOnTheScreenWhereverItsOwnerIs();
    void programIconIsDrawnAtEachSizeAskedFor_data();
    void programIconIsDrawnAtEachSizeAskedFor();
    void programIconOfNoSizeIsEmpty();

private:
    std::unique_ptr<QWidget> m_owner;
};

void TestAbout::init()
{
    m_owner = std::make_unique<QWidget>();
    m_owner->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_owner.get()));
}

void TestAbout::laidOutAsDesigned()
{
    frmAbout about(m_owner.get());
    QCOMPARE(about.windowTitle(), texts::text("program.titleWithVersion"));
    QVERIFY(about.isModal());
    QCOMPARE(about.size(), QSize(look::px(6750), look::px(3870)));
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::black));

    QCOMPARE(about.Picture1->geometry(), QRect(look::px(120), look::px(120), look::px(480), look::px(480)));
    QVERIFY(!about.Picture1->pixmap().isNull());
    QCOMPARE(about.Label2->text(), texts::text("program.titleWithVersion"));
    QCOMPARE(about.Label2->pos(), QPoint(look::px(840), look::px(240)));
    QCOMPARE(about.Label2->font().pointSizeF(), 9.75);
    QVERIFY(about.Label2->font().bold());
    QVERIFY(about.Label1->text().startsWith(QStringLiteral(
        "Zelt Noggle is a collection of programs related to the development and working of the brain.")));
    QCOMPARE(about.Label1->geometry(), QRect(look::px(240), look::px(840), look::px(6465), look::px(975)));
    QVERIFY(about.lblHomePage->text().startsWith(texts::text("about.homePageBegins")));
    QCOMPARE(about.lblHomePage->pos(), QPoint(look::px(2640), look::px(1920)));
    QVERIFY(about.lblHomePage->font().underline());
    QCOMPARE(about.lblHomePage->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QCOMPARE(about.Label3->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                            "Get this software fully branded for your website. "));
    QVERIFY(about.Label3->font().bold());
    QCOMPARE(about.lblCoBrand->text(), texts::text("about.moreDetails"));
    QCOMPARE(about.lblCoBrand->pos(), QPoint(look::px(4320), look::px(2880)));
    QCOMPARE(about.lblCoBrand->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(about.Line1->y(), look::px(3240));
    QCOMPARE(about.cmdOK->text(), QStringLiteral("&OK"));
    QCOMPARE(about.cmdOK->geometry(), QRect(look::px(5400), look::px(3360), look::px(1260), look::px(345)));
    QVERIFY(about.cmdOK->isDefault());

    // Every text fits inside the box.
    for (const QLabel* label : about.findChildren<QLabel*>())
        QVERIFY2(about.rect().contains(label->geometry()), qPrintable(label->objectName()));
}

void TestAbout::closingCommandsUnloadIt_data()
{
    QTest::addColumn<AboutAction>("action");
    QTest::newRow("OK") << AboutAction([](frmAbout* about) { QTest::mouseClick(about->cmdOK, Qt::LeftButton); });
    QTest::newRow("Enter") << AboutAction([](frmAbout* about) { QTest::keyClick(about, Qt::Key_Return); });
    QTest::newRow("Escape") << AboutAction([](frmAbout* about) { QTest::keyClick(about, Qt::Key_Escape); });
    QTest::newRow("title bar close") << AboutAction([](frmAbout* about) { about->close(); });
}

void TestAbout::closingCommandsUnloadIt()
{
    QFETCH(AboutAction, action);
    QVERIFY(closesAfter(m_owner.get(), action));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestAbout::linksOpenTheirPageAndLeaveItOpen_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("url");
    QTest::newRow("home page") << "lblHomePage" << pageUrl("home-page");
    QTest::newRow("more details") << "lblCoBrand" << pageUrl("fully-branded");
}

void TestAbout::linksOpenTheirPageAndLeaveItOpen()
{
    QFETCH(QString, link);
    QFETCH(QString, url);
    UrlRecorder opened;
    const bool closed = closesAfter(m_owner.get(),
                                    [&](frmAbout* about) { QTest::mouseClick(control(about, link), Qt::LeftButton); });
    QVERIFY(!closed);
    QCOMPARE(opened.urls, QStringList{url});
}

// Qt keeps the mouse and keyboard from every other window while the box is up; whoever chose
// "About Software" (a screen reader through its accessibility interface included) gets an answer
// at once rather than when the box closes.
void TestAbout::modalToTheWholeProgramWithoutKeepingItsCaller()
{
    frmAbout::showModal(m_owner.get());
    QPointer<frmAbout> about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowModality(), Qt::ApplicationModal);
    QCOMPARE(about->parentWidget(), m_owner.get());
    about->cmdOK->click();
    QTRY_VERIFY(!about);
}

void TestAbout::opensCentredOnTheScreenWhereverItsOwnerIs()
{
    m_owner->setGeometry(10, 10, 200, 150);
    const QPoint screenCentre = m_owner->screen()->availableGeometry().center();
    QPoint centre;
    closesAfter(m_owner.get(), [&](frmAbout* about) {
        centre = about->frameGeometry().center();
        about->reject();
    });
    // Give or take the window frame's few pixels.
    QVERIFY2((centre - screenCentre).manhattanLength() <= 6,
             qPrintable(QStringLiteral("centred at %1,%2").arg(centre.x()).arg(centre.y())));
}

void TestAbout::programIconIsDrawnAtEachSizeAskedFor_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("title bar") << 16 << 1.0;
    QTest::newRow("About box") << 32 << 1.0;
    QTest::newRow("task switcher") << 128 << 1.0;
    QTest::newRow("title bar, high-density screen") << 16 << 2.0;
    QTest::newRow("title bar, screen scaled by a half") << 16 << 1.5;
}

void TestAbout::programIconIsDrawnAtEachSizeAskedFor()
{
    QFETCH(int, side);
    QFETCH(qreal, ratio);
    const QIcon icon = look::programIcon();
    const QPixmap normal = icon.pixmap(QSize(side, side), ratio);
    const int pixels = qRound(side * ratio);
    QCOMPARE(normal.size(), QSize(pixels, pixels));
    QCOMPARE(normal.devicePixelRatio(), ratio);
    // A rounded square: clear in the corners, solid in the middle.
    const QImage drawn = normal.toImage();
    QCOMPARE(qAlpha(drawn.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(drawn.pixel(pixels / 2, pixels / 4)), 255);

    const QImage disabled = icon.pixmap(QSize(side, side), ratio, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), drawn.size());
    QVERIFY(disabled != drawn);
    QCOMPARE(icon.pixmap(QSize(side, side), ratio).toImage(), drawn);
}

void TestAbout::programIconOfNoSizeIsEmpty()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QVERIFY(look::programIcon().pixmap(QSize(0, 0)).isNull());
    QVERIFY(look::programIcon().pixmap(QSize(16, 0), 2.0, QIcon::Disabled).isNull());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
