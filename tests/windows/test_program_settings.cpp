// The program's settings stay in its own file: a FIFO, a folder or a huge
// file there is set aside with one message and the program starts with its
// defaults; the toolkit's file dialog leaves no QtProject.conf behind.

#include "recording_dialogs.h"

#include "windows/program_settings.h"
#include "shared_ui/user_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rashi;
using namespace rashi::testing;

class TestProgramSettings : public QObject {
    Q_OBJECT

    QTemporaryDir config_;

    QString settingsFile() const { return config_.filePath(QStringLiteral("Tarvek/Rashi Drishti.conf")); }
    QStringList setAside() const
    {
        return QDir(config_.filePath(QStringLiteral("Tarvek")))
            .entryList({QStringLiteral("Rashi Drishti.conf.bad-*")}, QDir::AllEntries | QDir::System);
    }

public:
    TestProgramSettings()
    {
        // Before anything of the toolkit has looked at the settings paths.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Tarvek"));
        QCoreApplication::setApplicationName(QStringLiteral("Rashi Drishti"));
        QVERIFY(QDir().mkpath(config_.filePath(QStringLiteral("Tarvek"))));
        QCOMPARE(ProgramSettingsPath(), settingsFile());
    }

    void unusableFilesAreSetAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("what");
        QTest::newRow("FIFO") << "fifo" << "a FIFO";
        QTest::newRow("folder") << "folder" << "a folder";
        QTest::newRow("2 GB file") << "huge" << "a file far too large for settings";
    }
    void unusableFilesAreSetAside()
    {
        QFETCH(QString, kind);
        QFETCH(QString, what);
        for (const QString& old : setAside())
            QDir(config_.filePath(QStringLiteral("Tarvek/") + old)).removeRecursively(),
                QFile::remove(config_.filePath(QStringLiteral("Tarvek/") + old));
        QFile::remove(settingsFile());
        const QByteArray path = QFile::encodeName(settingsFile());
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(settingsFile()));
        } else {
            QFile huge(settingsFile());
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(2) << 30));
        }

        RecordingDialogs dialogs;
        PrepareSettings(dialogs);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("The settings file could not be used, so the program starts with its default settings."));
        QVERIFY2(dialogs.messages[0].detail.contains(what), qPrintable(dialogs.messages[0].detail));
        QCOMPARE(setAside().size(), 1);
        QVERIFY2(dialogs.messages[0].detail.contains(setAside()[0]), qPrintable(dialogs.messages[0].detail));

        // The defaults, and a new plain file from here on; said only once.
        {
            ProgramSettings settings;
            QVERIFY(settings.allKeys().isEmpty());
            settings.setValue(QStringLiteral("Charts/LastFolder"), config_.path());
        }
        QVERIFY(QFileInfo(settingsFile()).isFile());
        RecordingDialogs again;
        PrepareSettings(again);
        QVERIFY(again.messages.isEmpty());
        QCOMPARE(ProgramSettings().value(QStringLiteral("Charts/LastFolder")).toString(), config_.path());
    }

    // The file turns into a FIFO while the program runs (another program, a
    // user's mistake): the next reading of the settings must not open it, or
    // the window would wait for a writer that never comes. A helper opens the
    // FIFO's other end: it gets through only if something opened this one to
    // read, and then lets the reader go on, so the test fails rather than hangs.
    void aFileThatBecomesAFifoLaterIsNeverOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("link to a FIFO") << "link";
    }
    void aFileThatBecomesAFifoLaterIsNeverOpened()
    {
        QFETCH(QString, kind);
        QFile::remove(settingsFile());
        RecordingDialogs dialogs;
        PrepareSettings(dialogs);
        QVERIFY(dialogs.messages.isEmpty());
        ProgramSettings().setValue(QStringLiteral("Charts/LastFolder"), config_.path());
        QVERIFY(QFileInfo(settingsFile()).isFile());

        QVERIFY(QFile::remove(settingsFile()));
        // The FIFO keeps a second name, for the helper, when the first is set aside.
        const QTemporaryDir elsewhere;
        const QString fifo = elsewhere.filePath(QStringLiteral("settings.fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        if (kind == QLatin1String("link"))
            QVERIFY(QFile::link(fifo, settingsFile()));
        else
            QCOMPARE(::link(QFile::encodeName(fifo).constData(), QFile::encodeName(settingsFile()).constData()), 0);
        std::atomic<bool> finished = false;
        std::atomic<bool> openedByTheProgram = false;
        std::thread writer([&] {
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_CLOEXEC);
            if (fd >= 0 && !finished)
                openedByTheProgram = true;
            if (fd >= 0)
                ::close(fd);
        });

        const QString folder = ProgramSettings().value(QStringLiteral("Charts/LastFolder")).toString();
        finished = true;
        // Releases the helper when nothing else did.
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        writer.join();
        if (reader >= 0)
            ::close(reader);
        QVERIFY2(!openedByTheProgram, "the settings were read from the FIFO");
        QVERIFY(folder.isEmpty()); // the values went with the file
        // The FIFO is set aside; settings are written to a plain file again.
        QVERIFY(!setAside().isEmpty());
        ProgramSettings().setValue(QStringLiteral("Charts/LastFolder"), config_.path());
        QVERIFY(QFileInfo(settingsFile()).isFile() && !QFileInfo(settingsFile()).isSymLink());
        QCOMPARE(ProgramSettings().value(QStringLiteral("Charts/LastFolder")).toString(), config_.path());
    }

    void theFileDialogLeavesNoToolkitSettings()
    {
        RecordingDialogs quiet;
        PrepareSettings(quiet);
        WidgetDialogs dialogs;
        // Cancel each dialog as soon as it is up, after visiting a folder.
        auto cancel = [this] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                    dialog->setDirectory(config_.path());
                    dialog->reject();
                }
        };
        QTimer timer;
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, cancel);
        timer.start();
        const FileDialogSetup setup{QStringLiteral("Save"), QStringLiteral("Charts (*.kqa)"), QStringLiteral("kqa"),
                                    QStringLiteral("x.kqa"), config_.path()};
        QVERIFY(dialogs.saveFileName(setup).isEmpty());
        QVERIFY(dialogs.openFileName(setup).isEmpty());
        timer.stop();
        QCoreApplication::processEvents();

        QVERIFY(!QFileInfo::exists(config_.filePath(QStringLiteral("QtProject.conf"))));
        const QStringList left = QDir(config_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        QCOMPARE(left, QStringList{QStringLiteral("Tarvek")});
    }
};

QTEST_MAIN(TestProgramSettings)
#include "test_program_settings.moc"
