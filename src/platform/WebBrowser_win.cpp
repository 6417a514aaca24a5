#include "platform/WebBrowser.h"

#include <windows.h>

// shellapi.h needs the declarations of windows.h before it.
#include <shellapi.h>

namespace platform {

void openWithDesktop(const QString& url)
{
    // The result is not examined: a page that cannot open is the shell's business.
    const QByteArray ansiUrl = url.toLocal8Bit();
    ShellExecuteA(nullptr, "Open", ansiUrl.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
}

} // namespace platform
