#pragma once
// The program's pages on the web, opened in the desktop's default browser.

#include <QString>

namespace rashi {

class UserDialogs;

// The three addresses live here and nowhere else.
extern const QString kHelpPageUrl;
extern const QString kHomePageUrl;
extern const QString kDownloadPageUrl;

void OpenHelpPage(UserDialogs& dialogs);
void OpenHomePage(UserDialogs& dialogs);
void OpenDownloadPage(UserDialogs& dialogs);

} // namespace rashi
