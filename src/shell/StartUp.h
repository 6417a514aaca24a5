#pragma once

#include <memory>

class frmMDI;

namespace platform {
class SingleInstanceLock;
}

// Runs once as the process starts: refuses a second copy, asks about an update when one is
// due, then creates and shows the main window. Returns no window when the program must end.
std::unique_ptr<frmMDI> StartUp(platform::SingleInstanceLock& lock);
