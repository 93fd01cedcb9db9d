#pragma once
// One running copy per user. The running copy holds a lock file; a second
// start finds it held by a live copy of this program, brings that copy's
// window to the front and ends. Any other lock (left by a copy that crashed,
// empty or unreadable, written on another host) is taken over; when no lock
// can be had at all, the program says why and starts anyway.

#include <QLockFile>
#include <QString>

#include <functional>

class QWidget;

namespace rashi {

// $RASHI_DRISHTI_LOCK when set (tests give every run its own lock), else a
// file in the user's runtime folder, else in the temporary folder with the
// user's id in its name.
QString InstanceLockPath();

class SingleInstance {
public:
    enum class State {
        Alone,          // the lock is ours until destruction
        AlreadyRunning, // a live copy of this program holds it
        Unlocked,       // no lock could be had; see problem()
    };

    explicit SingleInstance(const QString& lockPath);
    State acquire();
    // Why the lock could not be had, for the user.
    const QString& problem() const { return problem_; }
    // The process id of the running copy, when AlreadyRunning.
    qint64 runningProcess() const { return runningPid_; }

private:
    bool takeOver();

    QString path_;
    QLockFile lock_;
    QString problem_;
    qint64 runningPid_ = 0;
};

class UserDialogs;

// The start-up check: true when the program should start. A second copy
// asks the running one to show its window, tells the user "Application is
// already running" and returns false; a lock that cannot be had is reported
// and the program starts all the same. A second copy started to open a
// chart file hands the file to the running one instead, and says nothing.
bool CheckSingleInstance(SingleInstance& instance, UserDialogs& dialogs, const QString& chart = QString());

// In the running copy: a later start's request brings `window` to the front,
// un-minimised, and opens the chart file it handed over, if any.
void RaiseOnRequest(QWidget* window, std::function<void(const QString&)> open = {});

// Where a second copy leaves the chart file it was started with: beside the lock.
QString OpenRequestPath();

// Asks the copy with this process id to show its window; false when that
// process is not a copy of this program.
bool RequestRaise(qint64 pid);

// Closes every window of the program and leaves the event loop; returns the
// program's exit code for main() to return.
int CloseAllAndEnd();

} // namespace rashi
