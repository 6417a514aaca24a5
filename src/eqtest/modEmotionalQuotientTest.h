#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The Emotional Quotient Test: fifteen statements rated on a five-point agreement scale, the
// running total of one run, and the five result bands the total falls into.
namespace modEmotionalQuotientTest {

inline constexpr qint16 StatementCount = 15;
inline constexpr qint16 ChoiceCount = 5;

// The statement bank, filled by LoadEQStatements.
extern std::array<QString, StatementCount> EQStatements;
// The sum of the points of the answers given so far in this run.
extern qint16 EQScore;
// The statement on screen, 0 to 14; StatementCount once every statement is answered.
extern qint16 EQQuestionIndex;

// Writes the fifteen statements into EQStatements; every call writes the same.
void LoadEQStatements();

// Starting or abandoning a run: no points, back at the first statement.
void resetRun();
bool isRunComplete();

// The caption of an answer choice, "Strongly Agree" (index 0) to "Strongly Disagree" (index 4).
QString choiceCaption(qint16 choiceIndex);
// Agreement earns the most: 5 minus the choice's index.
qint16 pointsOfChoice(qint16 choiceIndex);
// Adds the points of the chosen answer to EQScore; an index outside the scale adds nothing.
void scoreAnswer(qint16 choiceIndex);

// A range of totals with its verdict.
struct EQBand {
    qint16 lowest;
    qint16 highest;
    const char* headline;
    const char* paragraph;
};

// The band the total falls into: the first whose range reaches up to it, the last for any total above.
const EQBand& bandOfTotal(qint16 total);

} // namespace modEmotionalQuotientTest
