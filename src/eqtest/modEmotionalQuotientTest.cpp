#include "eqtest/modEmotionalQuotientTest.h"

namespace modEmotionalQuotientTest {

namespace {

constexpr std::array<const char*, StatementCount> Statements = {
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

constexpr std::array<const char*, ChoiceCount> ChoiceCaptions = {
    "Strongly Agree", "Most of the Times", "Not Sure", "Disagree", "Strongly Disagree",
};

// The bands are not of equal width: the lowest spans sixteen totals, the highest nine.
constexpr std::array<EQBand, 5> Bands = {{
    {15, 30, "You have a LOW EQ",
     "Your intelligence may be very high but your frank attitude may create more enemies than friends. "
     "You find it hard to deal with people and with problems, and your temper runs short. Your feelings "
     "are in charge of you instead of you being in charge of them. It is never too late to change: begin "
     "today and you will find your way to a better life."},
    {31, 42, "Your EQ is on the average side and can be improved",
     "You may be getting into fights with your family friends and colleagues. "
     "You may feel unsure of the people around you, of your family and of your job. Start working on "
     "your emotional quotient today: keep yourself free of stress and happy, keep negative thoughts away, "
     "and learn to say what you feel so that others can understand you and help you."},
    {43, 54, "Your EQ is slightly more than average",
     "You understand people's emotions very well and care about it. "
     "While you listen to everyone, do not forget what you need yourself. Learn to enjoy everyday chores "
     "and to find joy in little things, or life loses its purpose, and keep your own ideas of happiness, "
     "satisfaction and achievement clear."},
    {55, 66, "You have HIGH EQ",
     "Your performance level is very high. "
     "Do not let your work carry you away from what life truly means, or the small joys will stop "
     "touching you. Keep the two in balance and the quality of your life will be the better for it."},
    {67, 75, "You have an Outstanding EQ",
     "You are in touch with your inner self. "
     "You know what it takes to keep the right balance in life and you look at it in a very positive way. "
     "You express yourself very well, and you are confident and sure of yourself."},
}};

bool isChoice(qint16 choiceIndex)
{
    return choiceIndex >= 0 && choiceIndex < ChoiceCount;
}

} // namespace

std::array<QString, StatementCount> EQStatements;
qint16 EQScore = 0;
qint16 EQQuestionIndex = 0;

void LoadEQStatements()
{
    for (std::size_t index = 0; index < Statements.size(); ++index)
        EQStatements[index] = QString::fromLatin1(Statements[index]);
}

void resetRun()
{
    EQScore = 0;
    EQQuestionIndex = 0;
}

bool isRunComplete()
{
    return EQQuestionIndex >= StatementCount;
}

QString choiceCaption(qint16 choiceIndex)
{
    return isChoice(choiceIndex) ? QString::fromLatin1(ChoiceCaptions[choiceIndex]) : QString();
}

qint16 pointsOfChoice(qint16 choiceIndex)
{
    return isChoice(choiceIndex) ? qint16(ChoiceCount - choiceIndex) : qint16(0);
}

void scoreAnswer(qint16 choiceIndex)
{
    EQScore = qint16(EQScore + pointsOfChoice(choiceIndex));
}

const EQBand& bandOfTotal(qint16 total)
{
    for (const EQBand& band : Bands) {
        if (total <= band.highest)
            return band;
    }
    return Bands.back();
}

} // namespace modEmotionalQuotientTest
