#pragma once
// Where the program's help and pages are: the manual that ships with the
// program, and the maker's home and download pages on the web. The two web
// addresses are set when the program is built (RASHI_HOME_URL,
// RASHI_DOWNLOAD_URL); while one is empty, whatever would open it is hidden.

#include <QString>
#include <QUrl>

namespace rashi {

class UserDialogs;

struct WebAddresses {
    QString home;
    QString download;
};

// The addresses of this build; tests may put others in.
const WebAddresses& ProgramAddresses();
void SetProgramAddresses(const WebAddresses& addresses);

bool HasHomePage();
bool HasDownloadPage();

// The manual's first page: share/rashi-drishti/manual/index.html beside the
// program's bin/ folder (in the build tree and once installed alike), else in
// the system's data folders. Empty when it cannot be found.
QUrl ManualPage();

// Shows the manual, or says where it should have been.
void OpenManual(UserDialogs& dialogs);
// Open the page in the web browser; when none takes it, a message gives the
// address so that the user can copy it. Nothing happens without an address.
void OpenHomePage(UserDialogs& dialogs);
void OpenDownloadPage(UserDialogs& dialogs);
void OpenWebAddress(UserDialogs& dialogs, const QString& address);

} // namespace rashi
