#include "braintest/modBrainTest.h"
#include "support/ProgramTexts.h"

#include <QTest>
#include <map>

using namespace modBrainTest;
Q_DECLARE_METATYPE(modBrainTest::BrainVerdict)

// The bank and the scoring of the Brain Test, without its windows.
class TestBrainBank : public QObject {
    Q_OBJECT

private slots:
    void init();

    void bankHoldsEachQuestionAsWritten_data();
    void bankHoldsEachQuestionAsWritten();
    void entriesAfterTheLastQuestionStayEmpty();
    void loadingTouchesNeitherAnswersNorPositionNorTallies();

    void scoringCountsEachAnswerAgainstItsOwnQuestion_data();
    void scoringCountsEachAnswerAgainstItsOwnQuestion();
    void verdictTexts_data();
    void verdictTexts();

    void recordingMovesThroughTheRunAndStopsAfterTheLastQuestion();
    void steppingBackLetsTheAnswerBeReplaced();
    void resetStartsTheRunOverAndKeepsTheAnswers();
    void scoringAgainGivesTheSameTallies();
    void verdictNeverChangesHoweverOftenItIsAskedForAgain();
};

namespace {

// The captions chosen for the twenty questions: '1' picks the first option, '2' the second.
QStringList chosenOptions(const char* pattern)
{
    QStringList answers;
    for (int i = 0; i < BrainQuestionCount; ++i)
        answers.append(BrainAnswerCaptions[2 * i + (pattern[i] == '2' ? 1 : 0)]);
    return answers;
}

void answerAll(const QStringList& answers)
{
    for (const QString& answer : answers)
        RecordBrainAnswer(answer);
}

// The right-brain answer of every question, except the questions (1-based) given another caption.
QStringList rightBrainAnswersExcept(const std::map<int, QString>& otherCaptions)
{
    QStringList answers(BrainRightAnswers.begin(), BrainRightAnswers.begin() + BrainQuestionCount);
    for (const auto& [question, caption] : otherCaptions)
        answers[question - 1] = caption;
    return answers;
}

} // namespace

void TestBrainBank::init()
{
    BrainUserAnswers.fill(QString());
    resetBrainRun();
    LoadBrainQuestions();
}

void TestBrainBank::bankHoldsEachQuestionAsWritten_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("firstOption");
    QTest::addColumn<QString>("secondOption");
    QTest::addColumn<QString>("rightBrainAnswer");
    for (int number = 1; number <= BrainQuestionCount; ++number) {
        const QString question = QStringLiteral("brain.questions.%1.").arg(number - 1);
        const QString right = texts::text(question + QStringLiteral("rightBrain"));
        QTest::addRow("question %d", number)
            << number << texts::text(question + QStringLiteral("text"))
            << texts::text(question + QStringLiteral("first")) << texts::text(question + QStringLiteral("second"))
            << texts::text(question + right);
    }
}

void TestBrainBank::bankHoldsEachQuestionAsWritten()
{
    QFETCH(int, number);
    QFETCH(QString, question);
    QFETCH(QString, firstOption);
    QFETCH(QString, secondOption);
    QFETCH(QString, rightBrainAnswer);
    const int index = number - 1;
    QCOMPARE(BrainQuestions[index], question);
    QCOMPARE(BrainAnswerCaptions[2 * index], firstOption);
    QCOMPARE(BrainAnswerCaptions[2 * index + 1], secondOption);
    QCOMPARE(BrainRightAnswers[index], rightBrainAnswer);
}

void TestBrainBank::entriesAfterTheLastQuestionStayEmpty()
{
    QVERIFY(BrainQuestions[20].isEmpty());
    QVERIFY(BrainAnswerCaptions[40].isEmpty());
    QVERIFY(BrainRightAnswers[20].isEmpty());
}

void TestBrainBank::loadingTouchesNeitherAnswersNorPositionNorTallies()
{
    answerAll(chosenOptions("12121212121212121212"));
    ScoreBrainTest();
    const auto answers = BrainUserAnswers;
    const qint16 right = BrainRightCount;
    const qint16 left = BrainLeftCount;

    LoadBrainQuestions();

    QCOMPARE(BrainUserAnswers, answers);
    QCOMPARE(BrainQuestionIndex, qint16(20));
    QCOMPARE(BrainRightCount, right);
    QCOMPARE(BrainLeftCount, left);
}

void TestBrainBank::scoringCountsEachAnswerAgainstItsOwnQuestion_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("rightCount");
    QTest::addColumn<int>("leftCount");
    QTest::addColumn<BrainVerdict>("verdict");

    LoadBrainQuestions();
    QTest::newRow("every first option") << chosenOptions("11111111111111111111") << 9 << 11
                                        << BrainVerdict::LeftDominant;
    QTest::newRow("every second option") << chosenOptions("22222222222222222222") << 11 << 9
                                         << BrainVerdict::RightDominant;
    QTest::newRow("first options but Faces: a tie")
        << chosenOptions("12111111111111111111") << 10 << 10 << BrainVerdict::BothEqual;
    // "Yes" is the right-brain answer of 1, 8, 9 and 11 but the left-brain one of 6, 15 and 18.
    QTest::newRow("Yes where it is asked, right-brain elsewhere") << rightBrainAnswersExcept(
        {{1, "Yes"}, {6, "Yes"}, {8, "Yes"}, {9, "Yes"}, {11, "Yes"}, {15, "Yes"}, {18, "Yes"}})
                                                                  << 17 << 3 << BrainVerdict::RightDominant;
    QTest::newRow("Yes on every question")
        << QStringList(BrainQuestionCount, "Yes") << 4 << 16 << BrainVerdict::LeftDominant;
    QTest::newRow("every right-brain answer") << rightBrainAnswersExcept({}) << 20 << 0 << BrainVerdict::RightDominant;
    QTest::newRow("an empty answer counts left")
        << rightBrainAnswersExcept({{7, ""}}) << 19 << 1 << BrainVerdict::RightDominant;
    QTest::newRow("no answer at all") << QStringList(BrainQuestionCount, QString()) << 0 << 20
                                      << BrainVerdict::LeftDominant;
    QTest::newRow("case and spaces count")
        << rightBrainAnswersExcept({{1, "yes"}, {2, "Faces "}, {3, " Maps"}}) << 17 << 3 << BrainVerdict::RightDominant;
}

void TestBrainBank::scoringCountsEachAnswerAgainstItsOwnQuestion()
{
    QFETCH(QStringList, answers);
    QFETCH(int, rightCount);
    QFETCH(int, leftCount);
    QFETCH(BrainVerdict, verdict);
    answerAll(answers);

    QCOMPARE(ScoreBrainTest(), verdict);
    QCOMPARE(BrainRightCount, qint16(rightCount));
    QCOMPARE(BrainLeftCount, qint16(leftCount));
}

void TestBrainBank::verdictTexts_data()
{
    QTest::addColumn<BrainVerdict>("verdict");
    QTest::addColumn<QString>("text");
    QTest::newRow("right") << BrainVerdict::RightDominant
                           << texts::text(QStringLiteral("brain.verdicts.rightDominant"));
    QTest::newRow("left") << BrainVerdict::LeftDominant << texts::text(QStringLiteral("brain.verdicts.leftDominant"));
    QTest::newRow("equal") << BrainVerdict::BothEqual << texts::text(QStringLiteral("brain.verdicts.bothEqual"));
}

void TestBrainBank::verdictTexts()
{
    QFETCH(BrainVerdict, verdict);
    QFETCH(QString, text);
    QCOMPARE(brainVerdictText(verdict), text);
}

void TestBrainBank::recordingMovesThroughTheRunAndStopsAfterTheLastQuestion()
{
    const QStringList answers = chosenOptions("21212121212121212121");
    for (int i = 0; i < BrainQuestionCount; ++i) {
        QCOMPARE(BrainQuestionIndex, qint16(i));
        RecordBrainAnswer(answers[i]);
    }
    QCOMPARE(BrainQuestionIndex, qint16(20));
    QCOMPARE(QStringList(BrainUserAnswers.begin(), BrainUserAnswers.begin() + BrainQuestionCount), answers);

    RecordBrainAnswer("Lyrics");
    QCOMPARE(BrainQuestionIndex, qint16(20));
    QCOMPARE(QStringList(BrainUserAnswers.begin(), BrainUserAnswers.begin() + BrainQuestionCount), answers);
}

void TestBrainBank::steppingBackLetsTheAnswerBeReplaced()
{
    RecordBrainAnswer("Yes");
    RecordBrainAnswer("Names");
    stepBackBrainQuestion();
    QCOMPARE(BrainQuestionIndex, qint16(1));
    RecordBrainAnswer("Faces");
    QCOMPARE(BrainQuestionIndex, qint16(2));
    QCOMPARE(BrainUserAnswers[0], QStringLiteral("Yes"));
    QCOMPARE(BrainUserAnswers[1], QStringLiteral("Faces"));
}

void TestBrainBank::resetStartsTheRunOverAndKeepsTheAnswers()
{
    answerAll(chosenOptions("22222222222222222222"));
    ScoreBrainTest();
    const auto answers = BrainUserAnswers;

    resetBrainRun();

    QCOMPARE(BrainQuestionIndex, qint16(0));
    QCOMPARE(BrainRightCount, qint16(0));
    QCOMPARE(BrainLeftCount, qint16(0));
    QCOMPARE(BrainUserAnswers, answers);
}

void TestBrainBank::scoringAgainGivesTheSameTallies()
{
    answerAll(chosenOptions("22222222222222222222"));
    QCOMPARE(ScoreBrainTest(), BrainVerdict::RightDominant);
    QCOMPARE(ScoreBrainTest(), BrainVerdict::RightDominant);
    QCOMPARE(BrainRightCount, qint16(11));
    QCOMPARE(BrainLeftCount, qint16(9));
}

// Asking for the verdict again from the keyboard records the last answer once more and scores
// again; far more passes than a 16-bit count could hold must leave the verdict alone.
void TestBrainBank::verdictNeverChangesHoweverOftenItIsAskedForAgain()
{
    const QStringList answers = chosenOptions("11111111111111111112");
    answerAll(answers);
    QCOMPARE(ScoreBrainTest(), BrainVerdict::LeftDominant);

    for (int pass = 0; pass < 70000; ++pass) {
        RecordBrainAnswer(answers.last());
        if (ScoreBrainTest() != BrainVerdict::LeftDominant)
            QFAIL(qPrintable(QStringLiteral("the verdict changed on pass %1").arg(pass)));
    }
    QCOMPARE(BrainRightCount, qint16(8));
    QCOMPARE(BrainLeftCount, qint16(12));
    QCOMPARE(BrainQuestionIndex, qint16(20));
    QCOMPARE(QStringList(BrainUserAnswers.begin(), BrainUserAnswers.begin() + BrainQuestionCount), answers);
}

QTEST_APPLESS_MAIN(TestBrainBank)
#include "tst_brainbank.moc"
