#include "platform/WebBrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

void openWithDesktop(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url, QUrl::StrictMode));
}

} // namespace platform
