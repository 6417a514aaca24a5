#include "platform/WebBrowser.h"

namespace platform {
namespace {

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
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
