#pragma once

#include <QString>

namespace platform {

// The program's executable file name without its extension: the name its settings and its lock
// go by.
QString programName();

} // namespace platform
