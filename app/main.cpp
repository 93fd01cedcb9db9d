// Rashi Drishti: start-up. One copy per user; the update reminder; then the
// main window.

#include "app/single_instance.h"
#include "app/startup_probe.h"
#include "app/user_dialogs.h"
#include "chart/main_window.h"
#include "web/update_reminder.h"

#include <QApplication>
#include <QDate>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarvek"));
    QCoreApplication::setApplicationName(QStringLiteral("Rashi Drishti"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.10"));

    rashi::WidgetDialogs dialogs;
    rashi::SingleInstance instance(rashi::InstanceLockPath());
    if (!rashi::CheckSingleInstance(instance, dialogs))
        return rashi::CloseAllAndEnd();

    {
        QSettings settings;
        rashi::ShowUpdateReminder(dialogs, settings, QDate::currentDate());
    }

    rashi::frmMain window(dialogs);
    dialogs.setParent(&window);
    rashi::InstallStartupProbe(window);
    window.show();
    return app.exec();
}
