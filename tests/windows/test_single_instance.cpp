// One running copy per user: the lock is held while a copy runs, a second
// start is told "Application is already running" and raises the running
// window, and no lock left in any other state keeps the program from starting.

#include "recording_dialogs.h"

#include "windows/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rashi;
using namespace rashi::testing;

namespace {

// A copy of this program (a child of the test) holding the lock until killed.
class RunningCopy {
public:
    explicit RunningCopy(const QString& lock)
    {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            SingleInstance held(lock);
            const char state = held.acquire() == SingleInstance::State::Alone ? 'y' : 'n';
            [[maybe_unused]] auto written = ::write(ready[1], &state, 1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char state = 0;
        ok_ = ::read(ready[0], &state, 1) == 1 && state == 'y';
        ::close(ready[0]);
    }
    ~RunningCopy()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool ok() const { return ok_; }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    bool ok_ = false;
};

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefused()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("instance.lock"));
        UiRecorder firstDialogs;
        SingleInstance first(lock);
        QVERIFY(CheckSingleInstance(first, firstDialogs));
        QVERIFY(firstDialogs.messages.isEmpty());

        UiRecorder secondDialogs;
        SingleInstance second(lock);
        QVERIFY(!CheckSingleInstance(second, secondDialogs));
        QCOMPARE(secondDialogs.texts(), QStringList{"Application is already running"});
        QCOMPARE(int(secondDialogs.messages[0].icon), int(MessageIcon::Information));
    }

    void aLiveCopyInAnotherProcessCounts()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("instance.lock"));
        RunningCopy copy(lock);
        QVERIFY(copy.ok());
        SingleInstance second(lock);
        QCOMPARE(second.acquire(), SingleInstance::State::AlreadyRunning);
        QCOMPARE(second.runningProcess(), qint64(copy.pid()));
    }

    void lockStates_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("starts");       // the program goes on
        QTest::addColumn<bool>("toldWhy");      // with a message saying why the lock was not had
        QTest::newRow("left by a crashed copy") << "crashed" << true << false;
        QTest::newRow("empty lock file") << "empty" << true << false;
        QTest::newRow("lock file of garbage") << "garbage" << true << false;
        QTest::newRow("lock file that cannot be read") << "unreadable" << true << false;
        QTest::newRow("lock from another host") << "other host" << true << false;
        QTest::newRow("lock of a live process that is not this program") << "other program" << true << false;
        QTest::newRow("folder at the lock path") << "folder" << true << true;
        QTest::newRow("FIFO at the lock path") << "fifo" << true << true;
        QTest::newRow("lock folder missing") << "missing folder" << true << false;
        QTest::newRow("lock folder and its parents missing") << "missing folders" << true << true;
        QTest::newRow("lock folder cannot be written") << "unwritable folder" << true << true;
    }
    void lockStates()
    {
        QFETCH(QString, state);
        QFETCH(bool, starts);
        QFETCH(bool, toldWhy);
        QTemporaryDir dir;
        QString lock = dir.filePath(QStringLiteral("instance.lock"));
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        if (state == QLatin1String("crashed")) {
            const pid_t child = fork();
            if (child == 0) {
                SingleInstance dying(lock);
                _exit(dying.acquire() == SingleInstance::State::Alone ? 0 : 1);
            }
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
            QVERIFY(QFile::exists(lock));
        } else if (state == QLatin1String("empty")) {
            QVERIFY(WriteFile(lock, {}));
        } else if (state == QLatin1String("garbage")) {
            QVERIFY(WriteFile(lock, "\x01\x02 not a lock\n"));
        } else if (state == QLatin1String("unreadable")) {
            QVERIFY(WriteFile(lock, QByteArray::number(::getpid()) + "\nrashi\n" + host + "\n"));
            QFile::setPermissions(lock, {});
        } else if (state == QLatin1String("other host")) {
            QVERIFY(WriteFile(lock, QByteArray::number(::getppid()) + "\nrashi\nsome-other-host\n"));
        } else if (state == QLatin1String("other program")) {
            QVERIFY(WriteFile(lock, QByteArray::number(::getppid()) + "\nrashi\n" + host + "\n"));
        } else if (state == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
        } else if (state == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(lock));
        } else if (state == QLatin1String("missing folder")) {
            lock = dir.filePath(QStringLiteral("there/instance.lock"));
        } else if (state == QLatin1String("missing folders")) {
            lock = dir.filePath(QStringLiteral("not/yet/there/instance.lock"));
        } else if (state == QLatin1String("unwritable folder")) {
            // Even the superuser cannot create files here.
            lock = QStringLiteral("/proc/self/rashi-drishti-test.lock");
        }

        UiRecorder dialogs;
        SingleInstance instance(lock);
        QCOMPARE(CheckSingleInstance(instance, dialogs), starts);
        QCOMPARE(dialogs.messages.size(), toldWhy ? 1 : 0);
        if (state == QLatin1String("missing folders"))
            QVERIFY2(!QFileInfo::exists(dir.filePath(QStringLiteral("not"))), "a tree of folders was made");
        if (toldWhy) {
            QVERIFY(!instance.problem().isEmpty());
            QVERIFY2(dialogs.messages[0].detail.contains(instance.problem()), qPrintable(dialogs.messages[0].detail));
        } else {
            // Taken over: a second start now finds this copy running.
            UiRecorder later;
            SingleInstance second(lock);
            QVERIFY(!CheckSingleInstance(second, later));
        }
    }

    void aRaiseRequestBringsTheWindowBack()
    {
        QWidget window;
        window.showMinimized();
        QTemporaryDir dir;
        SingleInstance instance(dir.filePath(QStringLiteral("instance.lock"))); // listens from here on
        QCOMPARE(instance.acquire(), SingleInstance::State::Alone);
        RaiseOnRequest(&window);
        QVERIFY(window.isMinimized());
        // What a second start does, from a process of its own.
        const pid_t parent = ::getpid();
        const pid_t child = fork();
        if (child == 0)
            _exit(::kill(parent, SIGUSR1) == 0 ? 0 : 1);
        QCOMPARE(waitpid(child, nullptr, 0), child);
        QTRY_VERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
        // A process that is not a copy of the program is never signalled.
        QVERIFY(!RequestRaise(1));
    }

    void lockIsFreedWhenTheCopyEnds()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("instance.lock"));
        {
            SingleInstance first(lock);
            QCOMPARE(first.acquire(), SingleInstance::State::Alone);
        }
        QVERIFY(!QFile::exists(lock));
        SingleInstance next(lock);
        QCOMPARE(next.acquire(), SingleInstance::State::Alone);
    }

    void lockPathIsPerUserAndCanBeChosen()
    {
        // Nothing here is made outside this test's own folder.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir own;
        const QString chosen = own.filePath(QStringLiteral("chosen.lock"));
        qputenv("RASHI_DRISHTI_LOCK", QFile::encodeName(chosen));
        QCOMPARE(InstanceLockPath(), chosen);
        qunsetenv("RASHI_DRISHTI_LOCK");

        // A runtime folder that is not there is neither made nor used.
        const QString missing = own.filePath(QStringLiteral("missing/runtime"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(missing));
        QVERIFY2(InstanceLockPath().startsWith(QDir::tempPath()), qPrintable(InstanceLockPath()));
        QVERIFY(!QFileInfo::exists(own.filePath(QStringLiteral("missing"))));

        QFile::setPermissions(own.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(own.path()));
        QCOMPARE(InstanceLockPath(), QDir(own.path()).filePath(QStringLiteral("rashi-drishti.lock")));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString path = InstanceLockPath();
        QVERIFY2(path.contains(QString::number(getuid())), qPrintable(path));
        QVERIFY2(path.startsWith(QDir::tempPath()), qPrintable(path));
        if (!runtime.isEmpty())
            qputenv("XDG_RUNTIME_DIR", runtime);
    }

    void closeAllAndEndClosesEveryWindow()
    {
        QWidget a;
        QWidget b;
        a.show();
        b.show();
        QCOMPARE(CloseAllAndEnd(), 0);
        QVERIFY(!a.isVisible());
        QVERIFY(!b.isVisible());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
