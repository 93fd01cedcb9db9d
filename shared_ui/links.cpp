#include "shared_ui/links.h"

#include "shared_ui/user_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef RASHI_HOME_URL
#define RASHI_HOME_URL ""
#endif
#ifndef RASHI_DOWNLOAD_URL
#define RASHI_DOWNLOAD_URL ""
#endif

namespace rashi {
namespace {

const QString kManualFile = QStringLiteral("rashi-drishti/manual/index.html");

WebAddresses& Addresses()
{
    static WebAddresses addresses{QStringLiteral(RASHI_HOME_URL), QStringLiteral(RASHI_DOWNLOAD_URL)};
    return addresses;
}

} // namespace

const WebAddresses& ProgramAddresses() { return Addresses(); }

void SetProgramAddresses(const WebAddresses& addresses) { Addresses() = addresses; }

bool HasHomePage() { return !ProgramAddresses().home.isEmpty(); }

bool HasDownloadPage() { return !ProgramAddresses().download.isEmpty(); }

QUrl ManualPage()
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/") + kManualFile);
    if (QFileInfo(beside).isFile())
        return QUrl::fromLocalFile(QFileInfo(beside).canonicalFilePath());
    const QString installed = QStandardPaths::locate(QStandardPaths::GenericDataLocation, kManualFile);
    return installed.isEmpty() ? QUrl() : QUrl::fromLocalFile(installed);
}

void OpenManual(UserDialogs& dialogs)
{
    const QUrl page = ManualPage();
    if (page.isEmpty()) {
        dialogs.message(QCoreApplication::translate("rashi::Links", "The manual could not be found."), MessageIcon::Critical,
                        QCoreApplication::translate("rashi::Links", "It belongs in share/%1 beside the program's folder.").arg(kManualFile));
        return;
    }
    dialogs.showManual(page);
}

void OpenWebAddress(UserDialogs& dialogs, const QString& address)
{
    if (address.isEmpty())
        return;
    if (!dialogs.openUrl(QUrl(address)))
        dialogs.message(QCoreApplication::translate("rashi::Links", "No web browser could be started for this page."), MessageIcon::Information,
                        QCoreApplication::translate("rashi::Links", "Copy the address into a browser:\n%1").arg(address));
}

void OpenHomePage(UserDialogs& dialogs) { OpenWebAddress(dialogs, ProgramAddresses().home); }

void OpenDownloadPage(UserDialogs& dialogs) { OpenWebAddress(dialogs, ProgramAddresses().download); }

} // namespace rashi
