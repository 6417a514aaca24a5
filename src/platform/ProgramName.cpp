#include "platform/ProgramName.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace platform
