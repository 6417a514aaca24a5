#include "links/modHelp.h"

#include "platform/WebBrowser.h"

// Every address is a constant of the build: nothing a user types or a setting holds ever
// becomes part of one. https keeps anyone on the way from swapping the download page.
#define ZELT_PAGE(key) "https://" ZELT_SITE_HOST "/zelt-free-noggle/ssd.php?page=" key

namespace modHelp {

void OpenWebPage(const QString& url)
{
    platform::openUrl(url);
}

void GoToHelpWebPage()
{
    OpenWebPage(QStringLiteral(ZELT_PAGE("help-web-page")));
}

void GoToHomePage()
{
    OpenWebPage(QStringLiteral(ZELT_PAGE("home-page")));
}

void GoToDownloadWebPage()
{
    OpenWebPage(QStringLiteral(ZELT_PAGE("download-web-page")));
}

void GoToCoBrand()
{
    OpenWebPage(QStringLiteral(ZELT_PAGE("co-brand")));
}

void GoToFullyBranded()
{
    OpenWebPage(QStringLiteral(ZELT_PAGE("fully-branded")));
}

QString ForumAddress()
{
    return QStringLiteral(ZELT_SITE_HOST);
}

} // namespace modHelp
