#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

QString programName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

SingleInstanceLock::SingleInstanceLock(QString name)
    : m_name(std::move(name))
{
}

#ifdef _WIN32

QString SingleInstanceLock::defaultName()
{
    // "Local" is the namespace of the user's logon session.
    return QStringLiteral("Local\\") + programName() + QStringLiteral(".SingleInstance");
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_mutex)
        CloseHandle(m_mutex);
}

bool SingleInstanceLock::anotherCopyIsRunning()
{
    if (m_mutex)
        return false;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const wchar_t*>(m_name.utf16()));
    if (!mutex)
        return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    m_mutex = mutex;
    return false;
}

#else

QString SingleInstanceLock::defaultName()
{
    // Qt's runtime folder is one that only this user can write to; where there is none, the
    // program has no lock rather than one that others could take from it.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(programName() + QStringLiteral(".lock"));
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_file >= 0)
        ::close(m_file);
}

bool SingleInstanceLock::anotherCopyIsRunning()
{
    if (m_file >= 0 || m_name.isEmpty())
        return false;
    // Never through a link, never waiting on a pipe or device; only the user's own plain file.
    const int file = ::open(QFile::encodeName(m_name).constData(),
                            O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0600);
    if (file < 0)
        return false;
    struct stat status { };
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
        ::close(file);
        return false;
    }
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
        const bool heldByAnother = errno == EWOULDBLOCK;
        ::close(file);
        return heldByAnother;
    }
    m_file = file;
    return false;
}

#endif

} // namespace platform
