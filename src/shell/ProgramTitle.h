#pragma once

#include <QString>

// The program's name with its version, the title of the main window and of the About box. The
// version is the project's, set once in the top-level CMakeLists.txt.
inline QString programTitleWithVersion()
{
    return QStringLiteral("Zelt Noggle v" ZELT_VERSION);
}
