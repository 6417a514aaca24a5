#include "platform/Clock.h"
#include "platform/Settings.h"
#include "shell/UpdatePrompt.h"
#include "support/ProgramTexts.h"
#include "support/TestSupport.h"

#include <QTest>

using platform::MessageAnswer;
Q_DECLARE_METATYPE(MessageAnswer)

namespace {

const QDate Today(2026, 12, 10);
const QString TodayText = QStringLiteral("2026-12-10");
const QString Question = texts::text(QStringLiteral("messages.updateQuestion"));

QString daysFromToday(int days)
{
    return Today.addDays(days).toString(Qt::ISODate);
}

} // namespace

class TestUpdatePrompt : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void followsTheStoredDate_data();
    void followsTheStoredDate();
    void questionAsWorded();
    void nextStartOnTheSameDayAsksNothing();

private:
    std::unique_ptr<IsolatedUserFolders> m_folders;
};

void TestUpdatePrompt::init()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
    platform::setTodayForTesting(Today);
}

void TestUpdatePrompt::cleanup()
{
    platform::setTodayForTesting(QDate());
    m_folders.reset();
}

void TestUpdatePrompt::followsTheStoredDate_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("opensDownloadPage");

    QTest::newRow("first start") << QString() << MessageAnswer::No << false << TodayText << false;
    QTest::newRow("today") << TodayText << MessageAnswer::Yes << false << TodayText << false;
    QTest::newRow("14 days ago") << daysFromToday(-14) << MessageAnswer::Yes << false << daysFromToday(-14) << false;
    QTest::newRow("14 days ahead") << daysFromToday(14) << MessageAnswer::Yes << false << daysFromToday(14) << false;
    QTest::newRow("15 days ago, Yes") << daysFromToday(-15) << MessageAnswer::Yes << true << TodayText << true;
    QTest::newRow("15 days ago, No") << daysFromToday(-15) << MessageAnswer::No << true << TodayText << false;
    QTest::newRow("15 days ahead, Yes") << daysFromToday(15) << MessageAnswer::Yes << true << TodayText << true;
    QTest::newRow("15 days ahead, No") << daysFromToday(15) << MessageAnswer::No << true << TodayText << false;
    QTest::newRow("a year ago") << daysFromToday(-365) << MessageAnswer::No << true << TodayText << false;
    QTest::newRow("year 1") << "0001-01-01" << MessageAnswer::No << true << TodayText << false;
    QTest::newRow("year 9999") << "9999-12-31" << MessageAnswer::Yes << true << TodayText << true;
    QTest::newRow("not a date") << "soon" << MessageAnswer::Yes << false << "soon" << false;
    QTest::newRow("no such day") << "2026-02-30" << MessageAnswer::Yes << false << "2026-02-30" << false;
    QTest::newRow("a date and more") << "2026-01-01junk" << MessageAnswer::Yes << false << "2026-01-01junk" << false;
    QTest::newRow("a date without its zeros") << "2026-1-1" << MessageAnswer::Yes << false << "2026-1-1" << false;
    QTest::newRow("16 kB of digits") << QString(16 * 1024, QLatin1Char('7')) << MessageAnswer::Yes << false
                                     << QString(16 * 1024, QLatin1Char('7')) << false;
}

void TestUpdatePrompt::followsTheStoredDate()
{
    QFETCH(QString, stored);
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);
    QFETCH(bool, opensDownloadPage);
    if (!stored.isEmpty())
        QVERIFY(platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"), stored));
    MessageRecorder messages;
    messages.answerNext(answer);
    UrlRecorder opened;

    modHelp::PromptForUpdate();

    QCOMPARE(messages.texts(), asks ? QStringList{Question} : QStringList{});
    QCOMPARE(storedDuration(), storedAfter);
    QCOMPARE(opened.urls, opensDownloadPage ? QStringList{pageUrl("download-web-page")} : QStringList{});
}

void TestUpdatePrompt::questionAsWorded()
{
    platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"), daysFromToday(-30));
    MessageRecorder messages;
    modHelp::PromptForUpdate();
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].icon, platform::MessageIcon::Information);
    QCOMPARE(messages.messages[0].buttons, platform::MessageButtons::YesNo);
}

void TestUpdatePrompt::nextStartOnTheSameDayAsksNothing()
{
    platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"), daysFromToday(-20));
    MessageRecorder messages;
    modHelp::PromptForUpdate();
    modHelp::PromptForUpdate();
    QCOMPARE(messages.messages.size(), 1);
}

QTEST_MAIN(TestUpdatePrompt)
#include "tst_updateprompt.moc"
