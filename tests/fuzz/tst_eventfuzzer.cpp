#include "EventChooser.h"
#include "FuzzedProgram.h"
#include "braintest/modBrainTest.h"
#include "eqtest/modEmotionalQuotientTest.h"
#include "platform/Clock.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace {

// The seeds the test command runs; ZELT_FUZZ_SEEDS ("1-500" or "3,17,42") and ZELT_FUZZ_EVENTS (per seed)
// run the fuzzer longer. Under Wine every event takes many times as long: the Windows build runs
// a few seeds, to show that the program stands random events there too.
#ifdef _WIN32
const char DefaultSeeds[] = "1-3";
#else
const char DefaultSeeds[] = "1-16";
#endif
constexpr int DefaultEventsPerSeed = 600;

QList<unsigned> seedsIn(const QString& list)
{
    QList<unsigned> seeds;
    for (const QString& part : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList bounds = part.trimmed().split(QLatin1Char('-'));
        const unsigned first = bounds.first().toUInt();
        const unsigned last = bounds.last().toUInt();
        for (unsigned seed = first; seed <= last; ++seed)
            seeds.append(seed);
    }
    return seeds;
}

QList<unsigned> seedsToRun()
{
    return seedsIn(qEnvironmentVariable("ZELT_FUZZ_SEEDS", QString::fromLatin1(DefaultSeeds)));
}

int eventsPerSeed()
{
    const int asked = qEnvironmentVariableIntValue("ZELT_FUZZ_EVENTS");
    return asked > 0 ? asked : DefaultEventsPerSeed;
}

QString eventList(const QList<UserEvent>& events)
{
    QStringList lines;
    for (qsizetype index = 0; index < events.size(); ++index)
        lines.append(QStringLiteral("  %1. %2").arg(index + 1).arg(events[index].describe()));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestEventFuzzer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void randomEventsKeepTheProgramSound_data();
    void randomEventsKeepTheProgramSound();
    void replayingTheLogDoesTheSameAgain();
    void eventsReachEveryWindowVerdictAndPage();

private:
    std::unique_ptr<IsolatedUserFolders> m_folders;
};

void TestEventFuzzer::initTestCase()
{
    m_folders = std::make_unique<IsolatedUserFolders>();
    // Start-up asks about an update by the date; runs on another day must do the same.
    platform::setTodayForTesting(QDate(2026, 12, 10));
    // A stored date that nothing the user does may change; file names typed would land here.
    QVERIFY(
        platform::writeSetting(QStringLiteral("Settings"), QStringLiteral("Duration"), QStringLiteral("2026-12-01")));
    QVERIFY(QDir::setCurrent(m_folders->path()));
}

void TestEventFuzzer::cleanupTestCase()
{
    QDir::setCurrent(QDir::tempPath());
    platform::setTodayForTesting(QDate());
    m_folders.reset();
}

void TestEventFuzzer::randomEventsKeepTheProgramSound_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : seedsToRun())
        QTest::addRow("seed %u", seed) << seed;
}

void TestEventFuzzer::randomEventsKeepTheProgramSound()
{
    QFETCH(unsigned, seed);
    const int eventCount = eventsPerSeed();
    qInfo("seed %u, %d events (ZELT_FUZZ_SEEDS=%u ZELT_FUZZ_LOG=1 repeats them one by one)", seed, eventCount, seed);

    EventChooser chooser(seed);
    QList<UserEvent> log;
    const FuzzFailure failure = explore(chooser, eventCount, m_folders->path(), log);
    if (!failure.found())
        return;

    const QString where = QStringLiteral("seed %1, event %2 of %3: %4")
                              .arg(seed)
                              .arg(failure.eventIndex + 1)
                              .arg(eventCount)
                              .arg(failure.reason);
    log.resize(failure.eventIndex + 1);
    if (!replay(log, m_folders->path()).found())
        QFAIL(qPrintable(QStringLiteral("%1\nthe same events did not break it again on a fresh start:\n%2")
                             .arg(where, eventList(log))));
    const QList<UserEvent> shortest = reduce(log, failure, m_folders->path());
    const FuzzFailure shortestFailure = replay(shortest, m_folders->path());
    QFAIL(qPrintable(QStringLiteral("%1\nshortest events that break it (%2):\n%3")
                         .arg(where, shortestFailure.reason, eventList(shortest))));
}

// The reduction relies on a log, replayed on a fresh start, doing what it did the first time.
void TestEventFuzzer::replayingTheLogDoesTheSameAgain()
{
#ifdef _WIN32
    QSKIP("The fuzzer's own workings are checked on Linux; under Wine this would take minutes.");
#endif
    EventChooser chooser(seedsToRun().first());
    QList<UserEvent> log;
    FuzzReach first;
    explore(chooser, eventsPerSeed(), m_folders->path(), log, &first);
    FuzzReach again;
    replay(log, m_folders->path(), &again);
    QCOMPARE(again.states, first.states);
}

// Random events that never got past the entry windows would prove nothing: the seeds CI runs
// take every test to its verdict and meet the About box, the messages, the pages and a restart.
void TestEventFuzzer::eventsReachEveryWindowVerdictAndPage()
{
#ifdef _WIN32
    QSKIP("The fuzzer's own workings are checked on Linux; under Wine this would take minutes.");
#endif
    FuzzReach all;
    for (unsigned seed : seedsIn(QString::fromLatin1(DefaultSeeds))) {
        EventChooser chooser(seed);
        QList<UserEvent> log;
        FuzzReach reach;
        explore(chooser, DefaultEventsPerSeed, m_folders->path(), log, &reach);
        all.testWindowsShown += reach.testWindowsShown;
        all.messagesShown += reach.messagesShown;
        all.pagesOpened += reach.pagesOpened;
        all.aboutBoxesAnswered += reach.aboutBoxesAnswered;
        all.starts += reach.starts - 1;
        all.furthestBrainQuestion = qMax(all.furthestBrainQuestion, reach.furthestBrainQuestion);
        all.furthestEQStatement = qMax(all.furthestEQStatement, reach.furthestEQStatement);
        all.mfVerdicts += reach.mfVerdicts;
    }
    QCOMPARE(all.testWindowsShown.size(), 4);
    QCOMPARE(all.furthestBrainQuestion, qint16(modBrainTest::BrainQuestionCount));
    QCOMPARE(all.furthestEQStatement, modEmotionalQuotientTest::StatementCount);
    QVERIFY(all.mfVerdicts > 0);
    QVERIFY(all.aboutBoxesAnswered > 0);
    QVERIFY2(all.starts > 0, "no closing command of the main window was used");
    QVERIFY2(all.messagesShown.size() >= 6, qPrintable(QStringList(all.messagesShown.values()).join(QLatin1Char('|'))));
    QVERIFY2(all.pagesOpened.size() >= 4, qPrintable(QStringList(all.pagesOpened.values()).join(QLatin1Char(' '))));
}

int main(int argc, char* argv[])
{
    // A long run of many seeds takes longer than the five minutes QtTest gives a test function.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(7 * 24 * 3600 * 1000LL));
    QApplication application(argc, argv);
    TestEventFuzzer test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_eventfuzzer.moc"
