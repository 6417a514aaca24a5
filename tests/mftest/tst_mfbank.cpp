#include "mftest/modMaleFemaleTest.h"

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

    const struct {
        const char* question;
        const char* answerOne;
        const char* answerTwo;
        bool firstIsMasculine;
    } questions[] = {
        {"1. Do you like being told what to do ?", "Yes", "No", false},
        {"2. Would you prefer watching a football match or attending an opera ?", "Football Match", "Opera", true},
        {"3. Which dog would you like to own ?", "Poodle", "Boxer", false},
        {"4. Do you curse or use foul language ?", "Yes", "Never", true},
        {"5. What interests you more ?", "Fashion", "Cars", false},
        {"6. Do you get irritated with dirty dishes lying around ?", "Yes", "No", false},
        {"7. What impresses you more ?", "Beauty", "Intelligence", false},
        {"8. Do you enjoy a war story better or a romantic one ?", "War Story", "Romantic Story", true},
        {"9. You spend hours gossiping with friends on the phone.", "Yes", "No", false},
        {"10. Do you take practical jokes played on you easily ?", "Yes", "No", true},
        {"11. Would you prefer a vacation on a cruise or a road trip ?", "Cruise", "Road Trip", false},
        {"12. When you purchase something, do you go by the looks or the comfort ?", "Looks", "Comfort", false},
        {"13. Do you think practically or from your heart ?", "Practically", "From my heart", true},
        {"14. Do you hate shopping or simply adore it ?", "Hate shopping", "Adore shopping", true},
        {"15. Do you feel queasy at the sight of lizards and cockroaches?", "Yes", "No", false},
        {"16. Do you cry at the movies ?", "Yes", "No", false},
        {"17. Do you prefer French Fries or Green Salads ?", "French Fries", "Green Salads", true},
        {"18. Do you pop in painkillers or try to avoid them ?", "Take Painkillers", "Avoid Painkillers", false},
        {"19. Do you write in cursive or print ?", "Cursive", "Print", false},
        {"20. Are you thick-skinned or get hurt easily ?", "Thick-skinned", "Get hurt easily", true},
    };
    int slot = 0;
    for (const auto& question : questions) {
        QTest::addRow("question %d", slot + 1)
            << slot << QString::fromLatin1(question.question) << QString::fromLatin1(question.answerOne)
            << QString::fromLatin1(question.answerTwo) << question.firstIsMasculine;
        ++slot;
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

    const QString feminine = QStringLiteral("You have Feminine Thinking");
    const QString balanced = QStringLiteral("You have a Balanced Masculine and Feminine Thinking");
    const QString masculine = QStringLiteral("You have Masculine Thinking");
    QTest::newRow("no masculine answer") << 0 << 0 << "Your thinking is 0% Masculine and 100% Feminine" << feminine;
    QTest::newRow("all first answers") << 8 << 40 << "Your thinking is 40% Masculine and 60% Feminine" << feminine;
    QTest::newRow("one below half") << 9 << 45 << "Your thinking is 45% Masculine and 55% Feminine" << feminine;
    QTest::newRow("half") << 10 << 50 << "Your thinking is 50% Masculine and 50% Feminine" << balanced;
    QTest::newRow("one above half") << 11 << 55 << "Your thinking is 55% Masculine and 45% Feminine" << masculine;
    QTest::newRow("all second answers") << 12 << 60 << "Your thinking is 60% Masculine and 40% Feminine" << masculine;
    QTest::newRow("thirteen") << 13 << 65 << "Your thinking is 65% Masculine and 35% Feminine" << masculine;
    QTest::newRow("all masculine") << 20 << 100 << "Your thinking is 100% Masculine and 0% Feminine" << masculine;
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

    QTest::newRow("balanced") << 50 << "You have the best of both and masculine and feminine ways of thinking. ";
    QTest::newRow("masculine")
        << 55 << "People with a masculine way of thinking have very strong verbal, analytical and logical skills. ";
    QTest::newRow("feminine")
        << 45 << "People with a feminine way of thinking have very good creative and artistic talents. ";
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
