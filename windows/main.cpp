// Rashi Drishti: start-up. One copy per user; the update reminder; then the
// main window.

#include "windows/single_instance.h"
#include "windows/startup_probe.h"
#include "windows/program_dialogs.h"
#include "windows/main_window.h"
#include "shared_ui/program_icon.h"
#include "windows/update_reminder.h"
#include "windows/program_language.h"
#include "windows/program_settings.h"

#include <QApplication>
#include <QDate>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvek"));
    QCoreApplication::setApplicationName(QStringLiteral("Rashi Drishti"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.10"));

    rashi::ProgramDialogs dialogs;
    // Before the lock: a settings file that would hang the start must never
    // leave a hung copy holding it.
    rashi::PrepareSettings(dialogs);
    // The language chosen before, else the system's; every text from here on
    // is in it.
    rashi::InstallLanguage(rashi::ChosenLanguage());
    rashi::SingleInstance instance(rashi::InstanceLockPath());
    if (!rashi::CheckSingleInstance(instance, dialogs))
        return rashi::CloseAllAndEnd();

    {
        rashi::ProgramSettings settings;
        rashi::ShowUpdateReminder(dialogs, settings, QDate::currentDate());
    }

    rashi::frmMain window(dialogs);
    dialogs.setParent(&window);
    rashi::RaiseOnRequest(&window);
    rashi::InstallStartupProbe(window);
    window.show();
    // The icon costs some 15 ms (image decoding and its transfer to the X
    // server); nothing needs it before the window is on the screen.
    QTimer::singleShot(0, &window, [] { QApplication::setWindowIcon(rashi::WindowIcon()); });
    return app.exec();
}
