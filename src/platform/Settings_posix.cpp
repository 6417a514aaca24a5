#include "platform/Settings.h"

#include "platform/IniText.h"
#include "platform/ProgramName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The file <program>.conf in the user's configuration folder, read and written only as the user's
// own plain file.

namespace platform {
namespace {

// Far more than the program ever writes; a larger file is not one of ours, and is neither read
// nor made.
constexpr qint64 LargestFile = 64 * 1024;

QString settingsFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(programName() + QStringLiteral(".conf"));
}

// Whether the file is a plain file of the user's, of a sensible size: never a link, a pipe, a
// device or a folder, which the program does not follow, wait on or write through.
bool isOwnPlainFile(const struct stat& status)
{
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_size <= LargestFile;
}

// The file's bytes; empty when there is no file; nothing when it cannot be read.
std::optional<QByteArray> readOwnFile(const QString& path)
{
    const int file = ::open(QFile::encodeName(path).constData(),
                            O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file < 0)
        return errno == ENOENT ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    struct stat status { };
    std::optional<QByteArray> bytes;
    if (::fstat(file, &status) == 0 && isOwnPlainFile(status)) {
        QByteArray read(LargestFile + 1, Qt::Uninitialized);
        qsizetype length = 0;
        ssize_t got = 0;
        while ((got = ::read(file, read.data() + length, size_t(read.size() - length))) > 0)
            length += got;
        if (got == 0 && length <= LargestFile)
            bytes = read.left(length);
    }
    ::close(file);
    return bytes;
}

// Replaces the file as a whole: the new text is written aside and renamed into its place, so that
// a failure leaves the old file as it was and a link in its place is replaced, never followed.
bool replaceOwnFile(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return false;
    QByteArray aside = QFile::encodeName(path) + ".XXXXXX";
    const int file = ::mkostemp(aside.data(), O_CLOEXEC);
    if (file < 0)
        return false;
    bool written = ::write(file, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
    written = ::fsync(file) == 0 && written;
    written = ::close(file) == 0 && written;
    if (written && ::rename(aside.constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    ::unlink(aside.constData());
    return false;
}

} // namespace

std::optional<QString> readSetting(const QString& section, const QString& key)
{
    const std::optional<QByteArray> text = readOwnFile(settingsFile());
    if (!text)
        return std::nullopt;
    return ini::value(*text, section, key);
}

bool writeSetting(const QString& section, const QString& key, const QString& value)
{
    const QString path = settingsFile();
    const std::optional<QByteArray> text = readOwnFile(path);
    if (!text)
        return false;
    const QByteArray replaced = ini::withValue(*text, section, key, value);
    return replaced.size() <= LargestFile && replaceOwnFile(path, replaced);
}

} // namespace platform
