#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The Brain Test without its windows: the twenty questions with their two answers and the
// right-brain answer of each, the answers of the run on screen, the position in it, the two
// tallies and the verdict. One run exists at a time; the windows read and write this state.
namespace modBrainTest {

inline constexpr int BrainQuestionCount = 20;

enum class BrainVerdict { RightDominant, LeftDominant, BothEqual };

// Index i holds question i+1; the last entry stays empty.
extern std::array<QString, BrainQuestionCount + 1> BrainQuestions;
// The first and second answer of question i+1 at 2i and 2i+1; the last entry stays empty.
extern std::array<QString, 2 * BrainQuestionCount + 1> BrainAnswerCaptions;
// The answer of question i+1 that counts for the right brain; the other one counts for the left.
extern std::array<QString, BrainQuestionCount + 1> BrainRightAnswers;
// The caption the user chose for question i+1.
extern std::array<QString, BrainQuestionCount + 1> BrainUserAnswers;

// The question on screen, 0-based; 20 once the twentieth answer is recorded.
extern qint16 BrainQuestionIndex;
extern qint16 BrainRightCount;
extern qint16 BrainLeftCount;

// Fills the questions, captions and right-brain answers; touches nothing else.
void LoadBrainQuestions();

// Starts a run over: back to the first question, both tallies at zero. The answers of an
// earlier run stay until they are answered again.
void resetBrainRun();

// Stores the caption as the answer to the question on screen and moves on to the next one.
void RecordBrainAnswer(const QString& caption);

// Back to the question before; its stored answer is replaced when the user moves on again.
void stepBackBrainQuestion();

// Counts the twenty answers for the right and the left brain and gives the majority.
BrainVerdict ScoreBrainTest();

// The text that shows the verdict to the user.
QString brainVerdictText(BrainVerdict verdict);

} // namespace modBrainTest
