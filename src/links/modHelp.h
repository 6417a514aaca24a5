#pragma once

#include <QString>

// The maker's web pages. Each operation opens one fixed address in the default browser and
// reports nothing, whether or not the page opened.
namespace modHelp {

void GoToHelpWebPage();
void GoToHomePage();
void GoToDownloadWebPage();
void GoToCoBrand();
void GoToFullyBranded();

// The one way in which a page is opened.
void OpenWebPage(const QString& url);

// The forum's address as the program shows it to the user.
QString ForumAddress();

} // namespace modHelp
