#pragma once

#include <QString>
#include <functional>

namespace platform {

// Hands the address to the desktop, which opens it in the default browser. Whether a page
// opened is never known and never reported.
void openUrl(const QString& url);

// What openUrl does unless a test records the address: on Windows ShellExecuteA with the verb
// "Open", elsewhere Qt's desktop services.
void openWithDesktop(const QString& url);

// Tests record the addresses here instead of starting a browser. An empty opener brings
// back the desktop.
using UrlOpener = std::function<void(const QString&)>;
void setUrlOpener(UrlOpener opener);

} // namespace platform
