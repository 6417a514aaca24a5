#include "links/modHelp.h"
#include "support/TestSupport.h"

#include <QTest>

using LinkOperation = void (*)();
Q_DECLARE_METATYPE(LinkOperation)

class TestLinks : public QObject {
    Q_OBJECT

private slots:
    void eachOperationOpensItsOnePage_data();
    void eachOperationOpensItsOnePage();
};

void TestLinks::eachOperationOpensItsOnePage_data()
{
    QTest::addColumn<LinkOperation>("operation");
    QTest::addColumn<QString>("url");
    QTest::newRow("help") << &modHelp::GoToHelpWebPage
                          << "https://" ZELT_SITE_HOST "/zelt-free-noggle/ssd.php?page=help-web-page";
}

void TestLinks::eachOperationOpensItsOnePage()
{
    QFETCH(LinkOperation, operation);
    QFETCH(QString, url);
    UrlRecorder opened;
    operation();
    QCOMPARE(opened.urls, QStringList{url});
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
