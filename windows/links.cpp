#include "windows/links.h"

#include "windows/user_dialogs.h"

#include <QUrl>

namespace rashi {

// The maker's site. These three addresses are the only place it is named.
const QString kHomePageUrl = QStringLiteral("https://www.tarvek.example/");
const QString kHelpPageUrl = QStringLiteral("https://www.tarvek.example/rashi-drishti/help.html");
const QString kDownloadPageUrl = QStringLiteral("https://www.tarvek.example/rashi-drishti/download.html");

void OpenHelpPage(UserDialogs& dialogs) { dialogs.openUrl(QUrl(kHelpPageUrl)); }

void OpenHomePage(UserDialogs& dialogs) { dialogs.openUrl(QUrl(kHomePageUrl)); }

void OpenDownloadPage(UserDialogs& dialogs) { dialogs.openUrl(QUrl(kDownloadPageUrl)); }

} // namespace rashi
