#include "platform/SingleInstance.h"

#include "platform/ProgramName.h"

#include <windows.h>

namespace platform {

SingleInstanceLock::SingleInstanceLock(QString name)
    : m_name(std::move(name))
{
}

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

} // namespace platform
