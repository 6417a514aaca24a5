#include "platform/SingleInstance.h"

#include "platform/ProgramName.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

SingleInstanceLock::SingleInstanceLock(QString name)
    : m_name(std::move(name))
{
}

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

} // namespace platform
