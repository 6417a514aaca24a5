#include "eqtest/modEmotionalQuotientTest.h"

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
    const QStringList expected = {
        "Setbacks don't affect me very badly.",
        "I take my time coming to conclusions and am not hasty in making decisions.",
        "I make time for myself to think about what I want in life.",
        "I do not hide my feelings.",
        "I am sensitive to other people's needs.",
        "I manage to cool down quickly even if I lose my temper.",
        "I confess my mistakes and do not pass blame to someone else.",
        "I always focus on the bigger picture than get lost in small useless details.",
        "Negativity doesn't bother me.",
        "I can work well under pressure.",
        "I am open to feedback and criticism.",
        "I believe I am enjoying my life to the maximum.",
        "I can differentiate between the different feelings I feel.",
        "I feel confident and secure about myself.",
        "I feel excited on accomplishing my goals.",
    };
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
    QTest::newRow("0") << qint16(0) << "Strongly Agree" << qint16(5);
    QTest::newRow("1") << qint16(1) << "Most of the Times" << qint16(4);
    QTest::newRow("2") << qint16(2) << "Not Sure" << qint16(3);
    QTest::newRow("3") << qint16(3) << "Disagree" << qint16(2);
    QTest::newRow("4") << qint16(4) << "Strongly Disagree" << qint16(1);
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
    const QString low = "You have a LOW EQ";
    const QString average = "Your EQ is on the average side and can be improved";
    const QString aboveAverage = "Your EQ is slightly more than average";
    const QString high = "You have HIGH EQ";
    const QString outstanding = "You have an Outstanding EQ";
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
    QTest::newRow("low") << qint16(15)
                         << "Your intelligence may be very high but your frank attitude may create more "
                            "enemies than friends.";
    QTest::newRow("average") << qint16(31) << "You may be getting into fights with your family friends and colleagues.";
    QTest::newRow("above average") << qint16(43) << "You understand people's emotions very well and care about it.";
    QTest::newRow("high") << qint16(55) << "Your performance level is very high.";
    QTest::newRow("outstanding") << qint16(67) << "You are in touch with your inner self.";
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
    QTest::newRow("all strongly disagree") << all(4) << qint16(15) << "You have a LOW EQ";
    QTest::newRow("all disagree") << all(3) << qint16(30) << "You have a LOW EQ";
    QTest::newRow("one not sure among disagree")
        << oneNotSure << qint16(31) << "Your EQ is on the average side and can be improved";
    QTest::newRow("all not sure") << all(2) << qint16(45) << "Your EQ is slightly more than average";
    QTest::newRow("twelve agree, three disagree") << threeDisagreeing << qint16(63) << "You have HIGH EQ";
    QTest::newRow("thirteen agree, two disagree") << twoDisagreeing << qint16(67) << "You have an Outstanding EQ";
    QTest::newRow("all strongly agree") << all(0) << qint16(75) << "You have an Outstanding EQ";
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
