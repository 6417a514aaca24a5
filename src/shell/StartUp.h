#pragma once

#include "shell/QuizCatalogue.h"

#include <memory>

class frmMDI;

namespace platform {
class SingleInstanceLock;
}

// Runs once as the process starts: refuses a second copy, asks about an update when one is
// due, then creates and shows the main window with the quizzes of the catalogue. Returns no
// window when the program must end.
std::unique_ptr<frmMDI> StartUp(platform::SingleInstanceLock& lock, QuizCatalogue quizzes);
