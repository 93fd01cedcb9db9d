#pragma once
// One running copy per user. The running copy holds a lock file; a second
// start finds it held and ends. A lock left behind by a copy that crashed is
// taken over, because its process is gone.

#include <QLockFile>
#include <QString>

namespace rashi {

// $RASHI_DRISHTI_LOCK when set (tests give every run its own lock), else a
// file in the user's runtime folder, else in the temporary folder with the
// user's id in its name.
QString InstanceLockPath();

class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);
    // True when no other copy runs; the lock is then held until destruction.
    bool acquire();

private:
    QLockFile lock_;
};

class UserDialogs;

// The start-up check: true when this is the only copy; otherwise tells the
// user "Application is already running" and returns false.
bool CheckSingleInstance(SingleInstance& instance, UserDialogs& dialogs);

// Closes every window of the program and leaves the event loop; returns the
// program's exit code for main() to return.
int CloseAllAndEnd();

} // namespace rashi
