#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const QString& lockFilePath)
    : m_lockFile(lockFilePath)
{
    // A lock is never stale by age, only when the process that holds it has gone.
    m_lockFile.setStaleLockTime(0);
}

bool SingleInstanceLock::anotherCopyIsRunning()
{
    if (m_lockFile.isLocked() || m_lockFile.tryLock(0))
        return false;
    return m_lockFile.error() == QLockFile::LockFailedError;
}

QString SingleInstanceLock::defaultLockFilePath()
{
    const QString programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString fileName = programName + QStringLiteral(".lock");
    if (folder.isEmpty()) {
        // The shared temporary folder serves all users: keep each user's lock apart.
        folder = QDir::tempPath();
        fileName = programName + QLatin1Char('-') + qEnvironmentVariable("USER", QStringLiteral("user"))
                   + QStringLiteral(".lock");
    }
    return QDir(folder).filePath(fileName);
}

} // namespace platform
