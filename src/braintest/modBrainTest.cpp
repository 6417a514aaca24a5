#include "braintest/modBrainTest.h"

namespace modBrainTest {

std::array<QString, BrainQuestionCount + 1> BrainQuestions;
std::array<QString, 2 * BrainQuestionCount + 1> BrainAnswerCaptions;
std::array<QString, BrainQuestionCount + 1> BrainRightAnswers;
std::array<QString, BrainQuestionCount + 1> BrainUserAnswers;
qint16 BrainQuestionIndex = 0;
qint16 BrainRightCount = 0;
qint16 BrainLeftCount = 0;

namespace {

enum class RightBrainOption { First, Second };

struct BrainQuestion {
    const char* text;
    const char* firstOption;
    const char* secondOption;
    RightBrainOption rightBrain;
};

using enum RightBrainOption;

// The spacing after each number and around the question marks is part of the texts.
constexpr std::array<BrainQuestion, BrainQuestionCount> Bank = {{
    {"1.  Do you believe in taking risks?", "Yes", "No", First},
    {"2.  Do you remember people by their names or faces?", "Names", "Faces", Second},
    {"3.  Are you good at reading maps or understanding directions from a person?", "Directions from a person", "Maps",
     Second},
    {"4.  Do you believe in the details or the bigger picture?", "Bigger Picture", "Details", First},
    {"5.  Do you believe in planning your activities for the day or go about it as and when you have to do them? ",
     "Plan in advance", "Do not think in advance", Second},
    {"6.  Are you organized by nature?", "Yes", "No", Second},
    {"7.  Do you believe in preparing yourself for the unexpected or face things as they happen?",
     "Cross the bridge when I come to it", "Prepare for the worst", First},
    {"8.  Do you have a good imagination?", "Yes", "No", First},
    {"9.  Are you good at creative writing?", "Yes", "No", First},
    {"10. How good are you at memorizing things?", "Good", "Bad", Second},
    {"11. Do you day dream?", "Yes", "No", First},
    {"12. Are you considered to be a consistent person or unpredictable by nature?", "Consistent", "Unpredictable",
     Second},
    {"13.  Do you ask for help in implementing new tasks or find out how to go about it on your Own ?", "Ask for help",
     "Find out ways on my own", Second},
    {"14. When faced with a situation do you analyze it before coming to a decision or do what you feel is best "
     "at that moment?",
     "Analyze the situation thoroughly", "Act on my instincts", Second},
    {"15. I keep a To Do List for my daily jobs.", "Yes", "No, I do not feel they work", Second},
    {"16.  Do you follow what others follow or make an attempt to find out simpler solutions?",
     "Find new solutions to old problems", "Follow the path made by others", First},
    {"17.  Do you prefer to work in groups or alone?", "Groups", "Alone", First},
    {"18. Do you have a general idea of time without looking at the watch?", "Yes", "No", Second},
    {"19. Did you prefer algebra or geometry in school?", "Algebra", "Geometry", Second},
    {"20. Do you remember the music of a song more than the lyrics?", "Music", "Lyrics", First},
}};

} // namespace

void LoadBrainQuestions()
{
    for (std::size_t i = 0; i < Bank.size(); ++i) {
        const BrainQuestion& question = Bank[i];
        BrainQuestions[i] = QString::fromLatin1(question.text);
        BrainAnswerCaptions[2 * i] = QString::fromLatin1(question.firstOption);
        BrainAnswerCaptions[2 * i + 1] = QString::fromLatin1(question.secondOption);
        BrainRightAnswers[i] = BrainAnswerCaptions[question.rightBrain == First ? 2 * i : 2 * i + 1];
    }
}

void resetBrainRun()
{
    BrainQuestionIndex = 0;
    BrainRightCount = 0;
    BrainLeftCount = 0;
}

void RecordBrainAnswer(const QString& caption)
{
    if (BrainQuestionIndex >= 0 && BrainQuestionIndex <= BrainQuestionCount)
        BrainUserAnswers[BrainQuestionIndex] = caption;
    // The position stops after the last question: the verdict can be asked for again and again
    // from the keyboard, and a position that kept counting would wrap round and overwrite the
    // answers of the run.
    if (BrainQuestionIndex < BrainQuestionCount)
        ++BrainQuestionIndex;
}

void stepBackBrainQuestion()
{
    if (BrainQuestionIndex > 0)
        --BrainQuestionIndex;
}

BrainVerdict ScoreBrainTest()
{
    // Each pass counts from zero, so asking for the verdict again gives the same tallies and
    // they never grow past twenty.
    BrainRightCount = 0;
    BrainLeftCount = 0;
    for (int i = 0; i < BrainQuestionCount; ++i) {
        if (BrainUserAnswers[i] == BrainRightAnswers[i])
            ++BrainRightCount;
        else
            ++BrainLeftCount;
    }
    if (BrainRightCount > BrainLeftCount)
        return BrainVerdict::RightDominant;
    if (BrainRightCount < BrainLeftCount)
        return BrainVerdict::LeftDominant;
    return BrainVerdict::BothEqual;
}

QString brainVerdictText(BrainVerdict verdict)
{
    switch (verdict) {
    case BrainVerdict::RightDominant: return QStringLiteral("Your Right Brain is more Dominant Than Your Left Brain");
    case BrainVerdict::LeftDominant: return QStringLiteral("Your Left Brain is more Dominant Than Your Right Brain");
    case BrainVerdict::BothEqual: return QStringLiteral("Your Left Brain And Right Brain Are Both Used Equally");
    }
    return QString();
}

} // namespace modBrainTest
