#pragma once

#include <QString>

namespace platform {

// A per-user lock that the running copy of the program holds for its whole life. The operating
// system holds it for the process and lets it go when the process ends, however it ends, so a
// copy that was killed or crashed leaves nothing behind that blocks the next start.
// On Windows it is a mutex named in the user's session; elsewhere a lock on a file in the user's
// private runtime folder. Each system's way lies in a file of its own.
class SingleInstanceLock {
public:
    explicit SingleInstanceLock(QString name = defaultName());
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // Takes the lock; true when another living copy already holds it. When the lock cannot be
    // taken for any other reason (no private folder, something other than the user's own file in
    // its place) the program runs anyway: it never waits and never locks the user out.
    bool anotherCopyIsRunning();

    // The mutex name, or the path of the lock file; empty where the user has no private folder.
    static QString defaultName();

private:
    QString m_name;
#ifdef _WIN32
    void* m_mutex = nullptr;
#else
    int m_file = -1;
#endif
};

} // namespace platform
