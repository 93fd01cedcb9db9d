#include "windows/program_settings.h"
#include "windows/utf8_text.h"

#include "core/files/settings_file_check.h"
#include "shared_ui/user_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <ctime>

namespace rashi {
namespace {

// No file can be made under /dev/null: what the toolkit keeps of its own
// stays in memory for the session.
const QString kNowhere = QStringLiteral("/dev/null");

QString& SettingsFile()
{
    static QString file;
    return file;
}

QString InMemory()
{
    return QDir(kNowhere).filePath(QStringLiteral("settings.conf"));
}

// The file to read the settings from now. The toolkit opens whatever stands
// at the path and reads it whole, at every reading: a file that has become a
// FIFO (or a folder, or a huge file) since start-up is looked at first
// without opening it, and set aside as at start-up, so that the window never
// waits on it; one that cannot be set aside is left alone, and the settings
// live in memory from then on.
QString SettingsFileToRead()
{
    const QString file = SettingsFile().isEmpty() ? ProgramSettingsPath() : SettingsFile();
    if (file == InMemory())
        return file;
    const SettingsFileCheck check = CheckSettingsFile(FileSystemName(file), std::time(nullptr));
    if (check.state != SettingsFileCheck::State::Stuck)
        return file;
    SettingsFile() = InMemory();
    return SettingsFile();
}

} // namespace

QString ProgramSettingsPath()
{
    // The names the toolkit would use: a program without an organisation
    // name keeps its settings under "Unknown Organization".
    QString organization = QCoreApplication::organizationName();
    if (organization.isEmpty())
        organization = QStringLiteral("Unknown Organization");
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("%1/%2.conf").arg(organization, QCoreApplication::applicationName()));
}

void PrepareSettings(UserDialogs& dialogs)
{
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, kNowhere);

    const QString path = ProgramSettingsPath();
    SettingsFile() = path;
    const SettingsFileCheck check = CheckSettingsFile(FileSystemName(path), std::time(nullptr));
    if (check.state == SettingsFileCheck::State::Usable || check.state == SettingsFileCheck::State::Missing)
        return;
    const QString what = QString::fromStdString(check.what);
    QString detail;
    if (check.state == SettingsFileCheck::State::SetAside) {
        detail = QCoreApplication::translate("rashi::ProgramSettings", "%1 was %2; it is kept as %3.")
                     .arg(QDir::toNativeSeparators(path), what,
                          QDir::toNativeSeparators(QFile::decodeName(check.setAsideAs.c_str())));
    } else {
        // Left where it is, and never read: settings live in memory this time.
        SettingsFile() = InMemory();
        detail = QCoreApplication::translate("rashi::ProgramSettings", "%1 is %2 and cannot be set aside: %3.")
                     .arg(QDir::toNativeSeparators(path), what, QString::fromLocal8Bit(check.reason.c_str()));
    }
    dialogs.message(QCoreApplication::translate("rashi::ProgramSettings", "The settings file could not be used, so the program starts with its default "
                                   "settings."),
                    MessageIcon::Information, detail);
}

ProgramSettings::ProgramSettings()
    : QSettings(SettingsFileToRead(), QSettings::NativeFormat)
{
}

} // namespace rashi
