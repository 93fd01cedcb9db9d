#include "windows/single_instance.h"
#include "windows/utf8_text.h"

#include "shared_ui/user_dialogs.h"
#include "core/files/lock_holder.h"

#include <QCoreApplication>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace rashi {
namespace {

// The name the kernel knows a process by (/proc/PID/comm).
QByteArray ProcessName(const QString& pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

bool IsCopyOfThisProgram(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (pid == QCoreApplication::applicationPid())
        return true;
    const QByteArray name = ProcessName(QString::number(pid));
    return !name.isEmpty() && name == ProcessName(QStringLiteral("self")) && ::kill(pid_t(pid), 0) == 0;
}

// The raise request arrives as SIGUSR1; the handler only writes a byte to a
// socket that the event loop watches.
int raiseSockets[2] = {-1, -1};

void OnRaiseSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto ignored = ::write(raiseSockets[0], &byte, 1);
}

// Installed before the lock is taken: from then on a request is kept until a
// window takes it, and never ends the process as SIGUSR1 otherwise would.
void ListenForRaiseRequests()
{
    if (raiseSockets[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, raiseSockets) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = OnRaiseSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGUSR1, &action, nullptr);
}

} // namespace

QString InstanceLockPath()
{
    const QString chosen = qEnvironmentVariable("RASHI_DRISHTI_LOCK");
    if (!chosen.isEmpty())
        return chosen;
    const QString fileName = QStringLiteral("rashi-drishti.lock");
    // The runtime folder only as it is: asking the toolkit for it would create
    // a missing one (and its parents, as root) or change its permissions.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(fileName);
    return QDir(QDir::tempPath()).filePath(QStringLiteral("rashi-drishti-%1.lock").arg(::getuid()));
}

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath), lock_(lockPath)
{
    // The running copy may hold the lock for days: never call it stale by age,
    // only when no live copy of the program holds it.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::takeOver()
{
    return lock_.removeStaleLockFile() && lock_.tryLock(0);
}

SingleInstance::State SingleInstance::acquire()
{
    ListenForRaiseRequests();
    // A missing folder is made when its parent is there; a deeper missing path
    // is a mistake in the chosen lock path, not a tree to create.
    const QFileInfo folder(QFileInfo(path_).absolutePath());
    if (!folder.exists() && QFileInfo(folder.absolutePath()).isDir())
        QDir().mkdir(folder.absoluteFilePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The toolkit's lock reads a lock file it finds: a FIFO there would hang
    // it, so nothing but a file (or a folder, told below) is tried.
    const QFileInfo existing(path_);
    if (existing.exists() && !existing.isFile() && !existing.isDir()) {
        problem_ = QCoreApplication::translate("rashi::SingleInstance", "Something that is not a file stands where the lock file belongs.");
        return State::Unlocked;
    }
    if (lock_.tryLock(0))
        return State::Alone;
    if (lock_.error() == QLockFile::LockFailedError) {
        const auto holder = ReadLockHolder(FileSystemName(path_));
        const bool ours = holder &&
                          (holder->host.empty() || QString::fromStdString(holder->host) == QSysInfo::machineHostName()) &&
                          IsCopyOfThisProgram(holder->pid);
        if (ours) {
            runningPid_ = holder->pid;
            return State::AlreadyRunning;
        }
        // Empty, unreadable, from another host or of a process that is gone.
        if (takeOver())
            return State::Alone;
    }
    const QFileInfo info(path_);
    if (info.isDir())
        problem_ = QCoreApplication::translate("rashi::SingleInstance", "A folder stands where the lock file belongs.");
    else if (!QFileInfo(info.absolutePath()).isDir())
        problem_ = QCoreApplication::translate("rashi::SingleInstance", "Its folder does not exist.");
    else if (!QFileInfo(info.absolutePath()).isWritable())
        problem_ = QCoreApplication::translate("rashi::SingleInstance", "Its folder cannot be written to.");
    else
        problem_ = QCoreApplication::translate("rashi::SingleInstance", "The lock file cannot be written.");
    return State::Unlocked;
}

QString OpenRequestPath()
{
    return InstanceLockPath() + QStringLiteral(".open");
}

bool CheckSingleInstance(SingleInstance& instance, UserDialogs& dialogs, const QString& chart)
{
    switch (instance.acquire()) {
    case SingleInstance::State::Alone:
        return true;
    case SingleInstance::State::AlreadyRunning:
        if (!chart.isEmpty()) {
            // Written whole under another name, then renamed: the running
            // copy never reads half a name.
            QSaveFile request(OpenRequestPath());
            if (request.open(QIODevice::WriteOnly) && request.write(chart.toUtf8()) >= 0 && request.commit() &&
                RequestRaise(instance.runningProcess()))
                return false;
            QFile::remove(OpenRequestPath());
        }
        RequestRaise(instance.runningProcess());
        dialogs.message(QCoreApplication::translate("rashi::SingleInstance", "Application is already running"), MessageIcon::Information);
        return false;
    case SingleInstance::State::Unlocked:
        dialogs.message(QCoreApplication::translate("rashi::SingleInstance", "The program cannot tell whether another copy of it is running, so it "
                                       "starts anyway."),
                        MessageIcon::Information,
                        QStringLiteral("%1\n%2").arg(Visible(QDir::toNativeSeparators(InstanceLockPath())), instance.problem()));
        return true;
    }
    return true;
}

void RaiseOnRequest(QWidget* window, std::function<void(const QString&)> open)
{
    ListenForRaiseRequests();
    if (raiseSockets[1] < 0)
        return;
    auto* notifier = new QSocketNotifier(raiseSockets[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window, open = std::move(open)] {
        char bytes[16];
        while (::read(raiseSockets[1], bytes, sizeof bytes) > 0) {
        }
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window->show();
        window->raise();
        window->activateWindow();
        QFile request(OpenRequestPath());
        if (!open || !request.open(QIODevice::ReadOnly))
            return;
        const QString chart = QString::fromUtf8(request.read(64 * 1024));
        request.close();
        QFile::remove(OpenRequestPath());
        if (!chart.isEmpty())
            open(chart);
    });
}

bool RequestRaise(qint64 pid)
{
    if (pid == QCoreApplication::applicationPid())
        return false; // a second lock in the same process: nothing to raise
    return IsCopyOfThisProgram(pid) && ::kill(pid_t(pid), SIGUSR1) == 0;
}


int CloseAllAndEnd()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::quit();
    return 0;
}

} // namespace rashi
