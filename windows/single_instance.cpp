#include "windows/single_instance.h"

#include "windows/user_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QWidget>

#include <unistd.h>

namespace rashi {

QString InstanceLockPath()
{
    const QString chosen = qEnvironmentVariable("RASHI_DRISHTI_LOCK");
    if (!chosen.isEmpty())
        return chosen;
    const QString fileName = QStringLiteral("rashi-drishti.lock");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!runtime.isEmpty())
            return QDir(runtime).filePath(fileName);
    }
    return QDir(QDir::tempPath()).filePath(QStringLiteral("rashi-drishti-%1.lock").arg(::getuid()));
}

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath)
{
    // The running copy may hold the lock for days: never call it stale by age,
    // only when the process that wrote it is gone.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return lock_.tryLock(0);
}

bool CheckSingleInstance(SingleInstance& instance, UserDialogs& dialogs)
{
    if (instance.acquire())
        return true;
    dialogs.message(QStringLiteral("Application is already running"), MessageIcon::Information);
    return false;
}

int CloseAllAndEnd()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::quit();
    return 0;
}

} // namespace rashi
