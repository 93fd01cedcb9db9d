// One running copy per user: the lock is held while a copy runs, a second
// start is told "Application is already running", and a lock left by a copy
// that crashed does not block the next start.

#include "ui_recorder.h"

#include "windows/single_instance.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

using namespace rashi;
using namespace rashi::testing;

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

    void lockIsFreedWhenTheCopyEnds()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("instance.lock"));
        {
            SingleInstance first(lock);
            QVERIFY(first.acquire());
        }
        QVERIFY(!QFile::exists(lock));
        SingleInstance next(lock);
        QVERIFY(next.acquire());
    }

    void lockOfACrashedCopyIsTakenOver()
    {
        QTemporaryDir dir;
        const QString lock = dir.filePath(QStringLiteral("instance.lock"));
        // A copy that takes the lock and dies without cleaning up.
        const pid_t child = fork();
        if (child == 0) {
            SingleInstance dying(lock);
            _exit(dying.acquire() ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(lock));

        UiRecorder dialogs;
        SingleInstance next(lock);
        QVERIFY(CheckSingleInstance(next, dialogs));
        QVERIFY(dialogs.messages.isEmpty());
    }

    void lockPathIsPerUserAndCanBeChosen()
    {
        qputenv("RASHI_DRISHTI_LOCK", "/tmp/chosen.lock");
        QCOMPARE(InstanceLockPath(), QStringLiteral("/tmp/chosen.lock"));
        qunsetenv("RASHI_DRISHTI_LOCK");
        const QString path = InstanceLockPath();
        QVERIFY(!path.isEmpty());
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            QVERIFY2(path.contains(QString::number(getuid())), qPrintable(path));
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
