#pragma once

#include "shell/QuizCatalogue.h"

// The quizzes Zelt Noggle offers, as its main window's launcher shows them.
QuizCatalogue zeltNoggleQuizzes();
