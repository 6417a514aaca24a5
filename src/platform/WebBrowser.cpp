#include "platform/WebBrowser.h"

#ifdef _WIN32
#include <windows.h>

// shellapi.h needs the declarations of windows.h before it.
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QUrl>
#endif

namespace platform {
namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

void openWithDesktop(const QString& url)
{
#ifdef _WIN32
    // The result is not examined: a page that cannot open is the shell's business.
    const QByteArray ansiUrl = url.toLocal8Bit();
    ShellExecuteA(nullptr, "Open", ansiUrl.constData(), nullptr, "C:\\", SW_SHOWNORMAL);
#else
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
#endif
}

} // namespace

void openUrl(const QString& url)
{
    if (urlOpener())
        urlOpener()(url);
    else
        openWithDesktop(url);
}

void setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

} // namespace platform
