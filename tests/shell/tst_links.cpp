#include "links/modHelp.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"
#include "widgets/MouseLabel.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

using LinkOperation = void (*)();
Q_DECLARE_METATYPE(LinkOperation)

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void eachOperationOpensItsOnePage_data();
    void eachOperationOpensItsOnePage();
    void sameLinkTwiceOpensThePageTwice();
    void mainWindowTriggersOpenTheirPage_data();
    void mainWindowTriggersOpenTheirPage();
    void makeMoneyEntryCannotBeChosen();
};

void TestLinks::eachOperationOpensItsOnePage_data()
{
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("url");
    const QString site = QStringLiteral("https://" ZELT_SITE_HOST "/zelt-free-noggle/ssd.php?page=");
    QTest::newRow("help") << &modHelp::GoToHelpWebPage << site + "help-web-page";
    QTest::newRow("home") << &modHelp::GoToHomePage << site + "home-page";
    QTest::newRow("download") << &modHelp::GoToDownloadWebPage << site + "download-web-page";
    QTest::newRow("co-brand") << &modHelp::GoToCoBrand << site + "co-brand";
    QTest::newRow("fully branded") << &modHelp::GoToFullyBranded << site + "fully-branded";
}

void TestLinks::eachOperationOpensItsOnePage()
{
    QFETCH(LinkOperation, operation);
    QFETCH(QString, url);
    UrlRecorder opened;
    operation();
    QCOMPARE(opened.urls, QStringList{url});
    QVERIFY(QUrl(url, QUrl::StrictMode).isValid());
}

void TestLinks::sameLinkTwiceOpensThePageTwice()
{
    UrlRecorder opened;
    modHelp::GoToHomePage();
    modHelp::GoToHomePage();
    QCOMPARE(opened.urls, QStringList(2, pageUrl("home-page")));
}

void TestLinks::mainWindowTriggersOpenTheirPage_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("url");
    QTest::newRow("Online Help") << "mnuOnline" << pageUrl("help-web-page");
    QTest::newRow("Visit Us Online") << "mnuVisit" << pageUrl("home-page");
    QTest::newRow("Check for Software Update") << "mnuUpdate" << pageUrl("download-web-page");
    QTest::newRow("banner label") << "lblQuorvaneBanner" << pageUrl("home-page");
    QTest::newRow("banner picture") << "Picture6" << pageUrl("home-page");
    QTest::newRow("bottom strip offer") << "Label7" << pageUrl("fully-branded");
}

void TestLinks::mainWindowTriggersOpenTheirPage()
{
    QFETCH(QString, trigger);
    QFETCH(QString, url);
    const std::unique_ptr<frmMDI> mainWindow = showMainWindow();
    UrlRecorder opened;
    if (auto* item = mainWindow->findChild<QAction*>(trigger))
        item->trigger();
    else if (auto* control = mainWindow->findChild<QWidget*>(trigger))
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(2, 2));
    else
        QFAIL("no such trigger");
    QCOMPARE(opened.urls, QStringList{url});
    QVERIFY(mainWindow->picMain->isVisible());
}

void TestLinks::makeMoneyEntryCannotBeChosen()
{
    const std::unique_ptr<frmMDI> mainWindow = showMainWindow();
    UrlRecorder opened;
    mainWindow->menus.mnuMakeMoney->trigger();
    QCOMPARE(opened.urls, QStringList{});
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
