#include "mftest/modMaleFemaleTest.h"

#include <cmath>

namespace modMaleFemaleTest {

BankArray MFQuestions;
BankArray MFAnswerOne;
BankArray MFAnswerTwo;
BankArray MFAnswerOneMasculine;
BankArray MFAnswerTwoMasculine;

qint16 MFQuestionIndex = 0;
qint16 MFScore = 0;
qint16 MFPercent = 0;
QString MFTakerName;
qint16 MFTakerAge = 0;
QString MFTakerSex;

namespace {

struct Question {
    const char* text;
    const char* answerOne;
    const char* answerTwo;
    const char* answerOneMasculine;
    const char* answerTwoMasculine;
};

const std::array<Question, QuestionCount> Bank = {{
    {"1. Do you like being told what to do ?", "Yes", "No", "0", "1"},
    {"2. Would you prefer watching a football match or attending an opera ?", "Football Match", "Opera", "1", "0"},
    {"3. Which dog would you like to own ?", "Poodle", "Boxer", "0", "1"},
    {"4. Do you curse or use foul language ?", "Yes", "Never", "1", "0"},
    {"5. What interests you more ?", "Fashion", "Cars", "0", "1"},
    {"6. Do you get irritated with dirty dishes lying around ?", "Yes", "No", "0", "1"},
    {"7. What impresses you more ?", "Beauty", "Intelligence", "0", "1"},
    {"8. Do you enjoy a war story better or a romantic one ?", "War Story", "Romantic Story", "1", "0"},
    {"9. You spend hours gossiping with friends on the phone.", "Yes", "No", "0", "1"},
    {"10. Do you take practical jokes played on you easily ?", "Yes", "No", "1", "0"},
    {"11. Would you prefer a vacation on a cruise or a road trip ?", "Cruise", "Road Trip", "0", "1"},
    {"12. When you purchase something, do you go by the looks or the comfort ?", "Looks", "Comfort", "0", "1"},
    {"13. Do you think practically or from your heart ?", "Practically", "From my heart", "1", "0"},
    {"14. Do you hate shopping or simply adore it ?", "Hate shopping", "Adore shopping", "1", "0"},
    {"15. Do you feel queasy at the sight of lizards and cockroaches?", "Yes", "No", "0", "1"},
    {"16. Do you cry at the movies ?", "Yes", "No", "0", "1"},
    {"17. Do you prefer French Fries or Green Salads ?", "French Fries", "Green Salads", "1", "0"},
    {"18. Do you pop in painkillers or try to avoid them ?", "Take Painkillers", "Avoid Painkillers", "0", "1"},
    {"19. Do you write in cursive or print ?", "Cursive", "Print", "0", "1"},
    {"20. Are you thick-skinned or get hurt easily ?", "Thick-skinned", "Get hurt easily", "1", "0"},
}};

const Verdict Balanced = {
    "You have a Balanced Masculine and Feminine Thinking",
    "You have the best of both and masculine and feminine ways of thinking. You are very balanced, "
    "sensitive when it matters and practical when it counts. You adapt easily and stay flexible in "
    "whatever situation you meet. You enjoy making friends with men and women alike.",
};

const Verdict Masculine = {
    "You have Masculine Thinking",
    "People with a masculine way of thinking have very strong verbal, analytical and logical skills. "
    "You tend to be organised and disciplined in what you do. You are practical and do not take "
    "things to heart.",
};

const Verdict Feminine = {
    "You have Feminine Thinking",
    "People with a feminine way of thinking have very good creative and artistic talents. "
    "You are very intuitive and often follow your impulses. You think from the heart.",
};

constexpr qint16 BalancedPercent = 50;

} // namespace

void LoadMFQuestions()
{
    for (std::size_t slot = 0; slot < Bank.size(); ++slot) {
        const Question& question = Bank[slot];
        MFQuestions[slot] = QString::fromLatin1(question.text);
        MFAnswerOne[slot] = QString::fromLatin1(question.answerOne);
        MFAnswerTwo[slot] = QString::fromLatin1(question.answerTwo);
        MFAnswerOneMasculine[slot] = QString::fromLatin1(question.answerOneMasculine);
        MFAnswerTwoMasculine[slot] = QString::fromLatin1(question.answerTwoMasculine);
    }
}

void startMFRun(const QString& name, const QString& age, const QString& sex)
{
    MFTakerName = name;
    bool ageFits = false;
    const qint16 ageInYears = age.toShort(&ageFits);
    if (ageFits)
        MFTakerAge = ageInYears;
    MFTakerSex = sex;
    LoadMFQuestions();
    MFQuestionIndex = 0;
    MFScore = 0;
}

void scoreMFAnswer(qint16 questionIndex, bool firstAnswerChosen)
{
    const BankArray& flags = firstAnswerChosen ? MFAnswerOneMasculine : MFAnswerTwoMasculine;
    MFScore = qint16(MFScore + flags.at(std::size_t(questionIndex)).toShort());
}

bool moveToNextMFQuestion()
{
    ++MFQuestionIndex;
    if (MFQuestionIndex < QuestionCount)
        return false;
    MFQuestionIndex = QuestionCount - 1;
    return true;
}

QString QuestionCounter(qint16 questionIndex)
{
    return QStringLiteral("Question %1 of %2").arg(questionIndex + 1).arg(QuestionCount);
}

qint16 percentOfScore(qint16 score)
{
    // The default rounding mode of the floating-point unit rounds ties to even.
    return qint16(std::nearbyint(double(score) / QuestionCount * 100));
}

QString percentageLine(qint16 masculinePercent)
{
    return QStringLiteral("Your thinking is %1% Masculine and %2% Feminine")
        .arg(masculinePercent)
        .arg(100 - masculinePercent);
}

const Verdict& verdictOf(qint16 masculinePercent)
{
    if (masculinePercent == BalancedPercent)
        return Balanced;
    return masculinePercent > BalancedPercent ? Masculine : Feminine;
}

} // namespace modMaleFemaleTest
