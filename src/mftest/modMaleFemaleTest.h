#pragma once

#include <QString>
#include <array>

// The Masculine Feminine Test: twenty questions of two answers each, one of which counts as
// masculine, and the state of the run in progress. The windows read and write it directly.
namespace modMaleFemaleTest {

// Slots 0 to 19 hold questions 1 to 20; slot 20 stays empty.
inline constexpr int BankSlots = 21;
inline constexpr qint16 QuestionCount = 20;

using BankArray = std::array<QString, BankSlots>;

// The question text, which begins with its own number.
extern BankArray MFQuestions;
extern BankArray MFAnswerOne;
extern BankArray MFAnswerTwo;
// "1" where that answer is the masculine one, else "0".
extern BankArray MFAnswerOneMasculine;
extern BankArray MFAnswerTwoMasculine;

// Fills every question slot of the five arrays; filling again changes nothing.
void LoadMFQuestions();

// The run in progress.
extern qint16 MFQuestionIndex; // 0-based index of the question on screen
extern qint16 MFScore; // masculine answers given so far
extern qint16 MFPercent; // masculine percentage of the last result
extern QString MFTakerName;
extern qint16 MFTakerAge;
extern QString MFTakerSex;

// Keeps the taker's details and starts at question 1 with a score of 0. An age that does not
// fit a 16-bit number leaves the stored age as it was.
void startMFRun(const QString& name, const QString& age, const QString& sex);

// Adds the masculine flag of the chosen answer of that question to the score.
void scoreMFAnswer(qint16 questionIndex, bool firstAnswerChosen);

// Moves on to the next question. After the last one the index stays on it and the result is
// due: then it returns true.
bool moveToNextMFQuestion();

// "Question N of 20" for the question with that 0-based index.
QString QuestionCounter(qint16 questionIndex);

// The masculine percentage of a score: 5 for every masculine answer.
qint16 percentOfScore(qint16 score);

// "Your thinking is X% Masculine and Y% Feminine".
QString percentageLine(qint16 masculinePercent);

struct Verdict {
    const char* headline;
    const char* paragraph;
};

// Balanced at exactly 50 %, masculine above, feminine below.
const Verdict& verdictOf(qint16 masculinePercent);

} // namespace modMaleFemaleTest
