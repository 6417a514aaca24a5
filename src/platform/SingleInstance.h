#pragma once

#include <QLockFile>
#include <QString>

namespace platform {

// A per-user lock that the running copy of the program holds for its whole life. The lock
// names the process that holds it, so a copy that was killed leaves nothing that blocks.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(const QString& lockFilePath = defaultLockFilePath());

    // Takes the lock; true when another living copy already holds it. When the lock cannot be
    // taken for any other reason (its folder cannot be written, say) the program runs anyway.
    bool anotherCopyIsRunning();

    static QString defaultLockFilePath();

private:
    QLockFile m_lockFile;
};

} // namespace platform
