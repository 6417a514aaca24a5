#pragma once

#include "shell/QuizCatalogue.h"

// The catalogue row of the fourth quiz: a button after the program's three, a label below theirs,
// the program's own picture as its icon, one window unloaded last.
QuizEntry fourthQuiz();
