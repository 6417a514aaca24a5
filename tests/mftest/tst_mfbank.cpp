#include "mftest/modMaleFemaleTest.h"
#include "support/ProgramTexts.h"

#include <QTest>

using namespace modMaleFemaleTest;

class TestMFBank : public QObject {
    Q_OBJECT

private slots:
    void init();

    void eachQuestionIsLoadedAsWritten_data();
    void eachQuestionIsLoadedAsWritten();
    void exactlyOneAnswerOfEachQuestionIsMasculine();
    void theSlotAfterTheLastQuestionStaysEmpty();
    void loadingTwiceChangesNothing();

    void resultOfAScore_data();
    void resultOfAScore();
    void eachVerdictOpensWithItsOwnSentence_data();
    void eachVerdictOpensWithItsOwnSentence();

    void sameAnswerForEveryQuestionScores_data();
    void sameAnswerForEveryQuestionScores();
    void aRunEndsAfterTheTwentiethQuestion();
    void startingARunKeepsTheDetailsAndStartsFromZero();
    void anAgeTooLargeToKeepLeavesTheStoredAgeAlone();
};

void TestMFBank::init()
{
    LoadMFQuestions();
}

void TestMFBank::eachQuestionIsLoadedAsWritten_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answerOne");
    QTest::addColumn<QString>("answerTwo");
    QTest::addColumn<bool>("firstIsMasculine");

    for (int slot = 0; slot < QuestionCount; ++slot) {
        const QString question = QStringLiteral("mf.questions.%1.").arg(slot);
        QTest::addRow("question %d", slot + 1)
            << slot << texts::text(question + QStringLiteral("text")) << texts::text(question + QStringLiteral("first"))
            << texts::text(question + QStringLiteral("second"))
            << (texts::text(question + QStringLiteral("masculine")) == QLatin1String("first"));
    }
}

void TestMFBank::eachQuestionIsLoadedAsWritten()
{
    QFETCH(int, slot);
    QFETCH(QString, question);
    QFETCH(QString, answerOne);
    QFETCH(QString, answerTwo);
    QFETCH(bool, firstIsMasculine);

    QCOMPARE(MFQuestions[slot], question);
    QCOMPARE(MFAnswerOne[slot], answerOne);
    QCOMPARE(MFAnswerTwo[slot], answerTwo);
    QCOMPARE(MFAnswerOneMasculine[slot], firstIsMasculine ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(MFAnswerTwoMasculine[slot], firstIsMasculine ? QStringLiteral("0") : QStringLiteral("1"));
}

void TestMFBank::exactlyOneAnswerOfEachQuestionIsMasculine()
{
    int firstAnswersMasculine = 0;
    for (int slot = 0; slot < QuestionCount; ++slot) {
        const QStringList flags = {MFAnswerOneMasculine[slot], MFAnswerTwoMasculine[slot]};
        QVERIFY2(flags.count(QStringLiteral("1")) == 1 && flags.count(QStringLiteral("0")) == 1,
                 qPrintable(QStringLiteral("question %1: %2").arg(slot + 1).arg(flags.join(u','))));
        firstAnswersMasculine += MFAnswerOneMasculine[slot] == QStringLiteral("1");
    }
    QCOMPARE(firstAnswersMasculine, 8);
}

void TestMFBank::theSlotAfterTheLastQuestionStaysEmpty()
{
    for (const BankArray* array :
         {&MFQuestions, &MFAnswerOne, &MFAnswerTwo, &MFAnswerOneMasculine, &MFAnswerTwoMasculine}) {
        QCOMPARE(int(array->size()), 21);
        QVERIFY(array->at(20).isEmpty());
    }
}

void TestMFBank::loadingTwiceChangesNothing()
{
    const std::array<BankArray, 5> once = {MFQuestions, MFAnswerOne, MFAnswerTwo, MFAnswerOneMasculine,
                                           MFAnswerTwoMasculine};
    LoadMFQuestions();
    const std::array<BankArray, 5> twice = {MFQuestions, MFAnswerOne, MFAnswerTwo, MFAnswerOneMasculine,
                                            MFAnswerTwoMasculine};
    QVERIFY(once == twice);
}

void TestMFBank::resultOfAScore_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("percentageLine");
    QTest::addColumn<QString>("headline");

    const QString feminine = texts::text("mf.verdicts.feminine.headline");
    const QString balanced = texts::text("mf.verdicts.balanced.headline");
    const QString masculine = texts::text("mf.verdicts.masculine.headline");
    const auto line = [](int masculinePercent) {
        return texts::text("mf.percentageLine").arg(masculinePercent).arg(100 - masculinePercent);
    };
    QTest::newRow("no masculine answer") << 0 << 0 << line(0) << feminine;
    QTest::newRow("all first answers") << 8 << 40 << line(40) << feminine;
    QTest::newRow("one below half") << 9 << 45 << line(45) << feminine;
    QTest::newRow("half") << 10 << 50 << line(50) << balanced;
    QTest::newRow("one above half") << 11 << 55 << line(55) << masculine;
    QTest::newRow("all second answers") << 12 << 60 << line(60) << masculine;
    QTest::newRow("thirteen") << 13 << 65 << line(65) << masculine;
    QTest::newRow("all masculine") << 20 << 100 << line(100) << masculine;
}

void TestMFBank::resultOfAScore()
{
    QFETCH(int, score);
    QFETCH(int, percent);
    QFETCH(QString, percentageLine);
    QFETCH(QString, headline);

    const qint16 masculinePercent = percentOfScore(qint16(score));
    QCOMPARE(int(masculinePercent), percent);
    QCOMPARE(modMaleFemaleTest::percentageLine(masculinePercent), percentageLine);
    QCOMPARE(QString::fromLatin1(verdictOf(masculinePercent).headline), headline);
}

void TestMFBank::eachVerdictOpensWithItsOwnSentence_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("firstSentence");

    QTest::newRow("balanced") << 50 << texts::text("mf.verdicts.balanced.firstSentence") + QLatin1Char(' ');
    QTest::newRow("masculine") << 55 << texts::text("mf.verdicts.masculine.firstSentence") + QLatin1Char(' ');
    QTest::newRow("feminine") << 45 << texts::text("mf.verdicts.feminine.firstSentence") + QLatin1Char(' ');
}

void TestMFBank::eachVerdictOpensWithItsOwnSentence()
{
    QFETCH(int, percent);
    QFETCH(QString, firstSentence);

    const QString paragraph = QString::fromLatin1(verdictOf(qint16(percent)).paragraph);
    QVERIFY2(paragraph.startsWith(firstSentence), qPrintable(paragraph));
    QVERIFY2(paragraph.size() > firstSentence.size() + 40, "the paragraph goes on after its first sentence");
    QVERIFY(paragraph.endsWith(u'.'));
}

void TestMFBank::sameAnswerForEveryQuestionScores_data()
{
    QTest::addColumn<bool>("firstAnswer");
    QTest::addColumn<int>("score");

    QTest::newRow("first answers") << true << 8;
    QTest::newRow("second answers") << false << 12;
}

void TestMFBank::sameAnswerForEveryQuestionScores()
{
    QFETCH(bool, firstAnswer);
    QFETCH(int, score);

    startMFRun(QStringLiteral("Ann"), QStringLiteral("30"), QStringLiteral("Female"));
    for (qint16 question = 0; question < QuestionCount; ++question)
        scoreMFAnswer(question, firstAnswer);
    QCOMPARE(int(MFScore), score);
}

void TestMFBank::aRunEndsAfterTheTwentiethQuestion()
{
    startMFRun(QStringLiteral("Ann"), QStringLiteral("30"), QStringLiteral("Female"));
    for (int question = 2; question <= 20; ++question) {
        QVERIFY(!moveToNextMFQuestion());
        QCOMPARE(QuestionCounter(MFQuestionIndex), QStringLiteral("Question %1 of 20").arg(question));
    }
    QVERIFY(moveToNextMFQuestion());
    QCOMPARE(int(MFQuestionIndex), 19);
}

void TestMFBank::startingARunKeepsTheDetailsAndStartsFromZero()
{
    MFQuestionIndex = 19;
    MFScore = 12;
    startMFRun(QStringLiteral("Ann Lee"), QStringLiteral("034"), QStringLiteral("Female"));
    QCOMPARE(MFTakerName, QStringLiteral("Ann Lee"));
    QCOMPARE(int(MFTakerAge), 34);
    QCOMPARE(MFTakerSex, QStringLiteral("Female"));
    QCOMPARE(int(MFQuestionIndex), 0);
    QCOMPARE(int(MFScore), 0);
    QCOMPARE(QuestionCounter(MFQuestionIndex), QStringLiteral("Question 1 of 20"));
}

void TestMFBank::anAgeTooLargeToKeepLeavesTheStoredAgeAlone()
{
    MFTakerAge = 41;
    MFScore = 5;
    startMFRun(QStringLiteral("Bob"), QStringLiteral("99999"), QStringLiteral("Male"));
    QCOMPARE(int(MFTakerAge), 41);
    QCOMPARE(int(MFScore), 0);
    startMFRun(QStringLiteral("Bob"), QStringLiteral("32767"), QStringLiteral("Male"));
    QCOMPARE(int(MFTakerAge), 32767);
}

QTEST_APPLESS_MAIN(TestMFBank)
#include "tst_mfbank.moc"
