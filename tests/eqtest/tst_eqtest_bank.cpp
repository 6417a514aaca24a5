#include "eqtest/modEmotionalQuotientTest.h"
#include "support/ProgramTexts.h"

#include <QTest>

namespace eq = modEmotionalQuotientTest;

class TestEQBank : public QObject {
    Q_OBJECT

private slots:
    void init();

    void statementsReadAsWritten();
    void loadingAgainWritesTheSame();
    void choicesReadAsWrittenAndEarnFiveMinusTheirIndex_data();
    void choicesReadAsWrittenAndEarnFiveMinusTheirIndex();
    void answersOutsideTheScaleEarnNothing();

    void totalFallsIntoItsBand_data();
    void totalFallsIntoItsBand();
    void paragraphOpensWithItsSentenceAndIsOneBlock_data();
    void paragraphOpensWithItsSentenceAndIsOneBlock();

    void fifteenAnswersAddUpToTheirBand_data();
    void fifteenAnswersAddUpToTheirBand();
    void resettingStartsTheRunAfresh();
};

void TestEQBank::init()
{
    eq::resetRun();
}

void TestEQBank::statementsReadAsWritten()
{
    const QStringList expected = texts::list(QStringLiteral("eq.statements"));
    eq::LoadEQStatements();
    QCOMPARE(QStringList(eq::EQStatements.begin(), eq::EQStatements.end()), expected);
}

void TestEQBank::loadingAgainWritesTheSame()
{
    eq::LoadEQStatements();
    const auto first = eq::EQStatements;
    eq::EQStatements[3] = QStringLiteral("overwritten");
    eq::LoadEQStatements();
    QCOMPARE(eq::EQStatements, first);
}

void TestEQBank::choicesReadAsWrittenAndEarnFiveMinusTheirIndex_data()
{
    QTest::addColumn<qint16>("index");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<qint16>("points");
    QTest::newRow("0") << qint16(0) << texts::text("eq.choices.0") << qint16(5);
    QTest::newRow("1") << qint16(1) << texts::text("eq.choices.1") << qint16(4);
    QTest::newRow("2") << qint16(2) << texts::text("eq.choices.2") << qint16(3);
    QTest::newRow("3") << qint16(3) << texts::text("eq.choices.3") << qint16(2);
    QTest::newRow("4") << qint16(4) << texts::text("eq.choices.4") << qint16(1);
}

void TestEQBank::choicesReadAsWrittenAndEarnFiveMinusTheirIndex()
{
    QFETCH(qint16, index);
    QFETCH(QString, caption);
    QFETCH(qint16, points);
    QCOMPARE(eq::choiceCaption(index), caption);
    eq::EQScore = 10;
    eq::scoreAnswer(index);
    QCOMPARE(eq::EQScore, qint16(10 + points));
}

void TestEQBank::answersOutsideTheScaleEarnNothing()
{
    for (qint16 index : {qint16(-1), qint16(5)}) {
        eq::scoreAnswer(index);
        QCOMPARE(eq::EQScore, qint16(0));
        QVERIFY(eq::choiceCaption(index).isEmpty());
    }
}

void TestEQBank::totalFallsIntoItsBand_data()
{
    QTest::addColumn<qint16>("total");
    QTest::addColumn<QString>("headline");
    const QString low = texts::text(QStringLiteral("eq.bands.0.headline"));
    const QString average = texts::text(QStringLiteral("eq.bands.1.headline"));
    const QString aboveAverage = texts::text(QStringLiteral("eq.bands.2.headline"));
    const QString high = texts::text(QStringLiteral("eq.bands.3.headline"));
    const QString outstanding = texts::text(QStringLiteral("eq.bands.4.headline"));
    QTest::newRow("15") << qint16(15) << low;
    QTest::newRow("30") << qint16(30) << low;
    QTest::newRow("31") << qint16(31) << average;
    QTest::newRow("42") << qint16(42) << average;
    QTest::newRow("43") << qint16(43) << aboveAverage;
    QTest::newRow("45") << qint16(45) << aboveAverage;
    QTest::newRow("54") << qint16(54) << aboveAverage;
    QTest::newRow("55") << qint16(55) << high;
    QTest::newRow("63") << qint16(63) << high;
    QTest::newRow("66") << qint16(66) << high;
    QTest::newRow("67") << qint16(67) << outstanding;
    QTest::newRow("75") << qint16(75) << outstanding;
}

void TestEQBank::totalFallsIntoItsBand()
{
    QFETCH(qint16, total);
    QFETCH(QString, headline);
    const eq::EQBand& band = eq::bandOfTotal(total);
    QCOMPARE(QString::fromLatin1(band.headline), headline);
    QVERIFY(band.lowest <= total && total <= band.highest);
}

void TestEQBank::paragraphOpensWithItsSentenceAndIsOneBlock_data()
{
    QTest::addColumn<qint16>("total");
    QTest::addColumn<QString>("firstSentence");
    for (int band = 0; band < 5; ++band) {
        const QString path = QStringLiteral("eq.bands.%1.").arg(band);
        const int lowest = texts::number(path + QStringLiteral("from"));
        QTest::addRow("band %d, from %d", band + 1, lowest)
            << qint16(lowest) << texts::text(path + QStringLiteral("firstSentence"));
    }
}

void TestEQBank::paragraphOpensWithItsSentenceAndIsOneBlock()
{
    QFETCH(qint16, total);
    QFETCH(QString, firstSentence);
    const QString paragraph = QString::fromLatin1(eq::bandOfTotal(total).paragraph);
    QVERIFY2(paragraph.startsWith(firstSentence + ' '), qPrintable(paragraph));
    QVERIFY(paragraph.size() > firstSentence.size() + 40);
    QVERIFY(!paragraph.contains('\n'));
}

void TestEQBank::fifteenAnswersAddUpToTheirBand_data()
{
    QTest::addColumn<QList<qint16>>("answers");
    QTest::addColumn<qint16>("total");
    QTest::addColumn<QString>("headline");
    const auto all = [](qint16 choice) { return QList<qint16>(15, choice); };
    QList<qint16> oneNotSure = all(3);
    oneNotSure[7] = 2;
    QList<qint16> threeDisagreeing = all(0);
    threeDisagreeing[0] = threeDisagreeing[5] = threeDisagreeing[14] = 4;
    QList<qint16> twoDisagreeing = all(0);
    twoDisagreeing[1] = twoDisagreeing[13] = 4;
    QTest::newRow("all strongly disagree") << all(4) << qint16(15) << texts::text("eq.bands.0.headline");
    QTest::newRow("all disagree") << all(3) << qint16(30) << texts::text("eq.bands.0.headline");
    QTest::newRow("one not sure among disagree") << oneNotSure << qint16(31) << texts::text("eq.bands.1.headline");
    QTest::newRow("all not sure") << all(2) << qint16(45) << texts::text("eq.bands.2.headline");
    QTest::newRow("twelve agree, three disagree")
        << threeDisagreeing << qint16(63) << texts::text("eq.bands.3.headline");
    QTest::newRow("thirteen agree, two disagree") << twoDisagreeing << qint16(67) << texts::text("eq.bands.4.headline");
    QTest::newRow("all strongly agree") << all(0) << qint16(75) << texts::text("eq.bands.4.headline");
}

void TestEQBank::fifteenAnswersAddUpToTheirBand()
{
    QFETCH(QList<qint16>, answers);
    QFETCH(qint16, total);
    QFETCH(QString, headline);
    for (qint16 answer : answers)
        eq::scoreAnswer(answer);
    QCOMPARE(eq::EQScore, total);
    QCOMPARE(QString::fromLatin1(eq::bandOfTotal(eq::EQScore).headline), headline);
}

void TestEQBank::resettingStartsTheRunAfresh()
{
    eq::scoreAnswer(0);
    eq::EQQuestionIndex = eq::StatementCount;
    QVERIFY(eq::isRunComplete());
    eq::resetRun();
    QCOMPARE(eq::EQScore, qint16(0));
    QCOMPARE(eq::EQQuestionIndex, qint16(0));
    QVERIFY(!eq::isRunComplete());
}

QTEST_APPLESS_MAIN(TestEQBank)
#include "tst_eqtest_bank.moc"
