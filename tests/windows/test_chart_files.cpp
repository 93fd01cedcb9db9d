// Saving a reading to a chart file and opening it again, through the window's
// buttons and the dialog recorder: what is written, what is restored, which
// files are refused whole, and how a failed save is reported.

#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "core/chart_files/chart_file.h"
#include "windows/chart_folder.h"
#include "windows/main_window.h"
#include "windows/program_settings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSet>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace rashi;
using namespace rashi::testing;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A plain text line as the chart file stores it: every code shifted up by 85.
QByteArray Encoded(const QByteArray& plain)
{
    QByteArray out;
    for (const char c : plain)
        out.append(char(static_cast<unsigned char>(c) + 85));
    return out;
}

QByteArray ChartBytes(const QList<QByteArray>& plainLines)
{
    QByteArray bytes;
    for (const QByteArray& line : plainLines)
        bytes += Encoded(line) + "\r\n";
    return bytes;
}

const QList<QByteArray> kValidLines = {"Mira", "3", "7", "1987", "21", "45", "34", "73", "51", "18", "31",
                                       "True", "False", "True", "Pune", "Maharashtra", "India"};

// Lets writes grow a file to at most `bytes` while it lives: a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

} // namespace

class TestChartFiles : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString& name) const { return dir->filePath(name); }

    // A reading of `birth`, saved under `name`.
    void readAndSave(const Birth& birth, const QString& name)
    {
        EnterBirth(*window, birth);
        Click(*window, "cmdCalculate");
        QVERIFY(ResultsInFront(*window));
        dialogs->saveAnswers << name;
        Click(*window, "cmdSave");
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        QVERIFY(ShowFreshWindow(dialogs, window));
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
        dir.reset();
    }

    void saveWritesTheBirthOfTheReading()
    {
        Birth birth = Greenwich2000();
        birth.day = 7;
        birth.month = 3;
        birth.city = QStringLiteral("  London  ");
        readAndSave(birth, path("march.kqa"));
        QVERIFY(dialogs->messages.isEmpty());

        QCOMPARE(dialogs->saveDialogs.size(), 1);
        const FileDialogSetup setup = dialogs->saveDialogs[0];
        QCOMPARE(setup.title, QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) v1.10"));
        QCOMPARE(setup.filter, QStringLiteral("Tarvek Vedic Rashi Drishti (*.kqa)"));
        QCOMPARE(setup.defaultSuffix, QStringLiteral("kqa"));
        QCOMPARE(setup.startName, QStringLiteral("Ada Lovelace.kqa")); // a new reading: the person's name

        const QByteArray bytes = ReadAll(path("march.kqa"));
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 18); // 17 lines, each ended by CR LF
        QVERIFY(lines.last().isEmpty());
        for (int i = 0; i < 17; ++i)
            QVERIFY2(lines[i].endsWith('\r') && lines[i].count('\r') == 1, qPrintable(QString::number(i)));
        QCOMPARE(lines[0], Encoded("Ada Lovelace") + "\r");
        QCOMPARE(lines[1], Encoded("3") + "\r");
        QCOMPARE(lines[2], Encoded("7") + "\r");
        QCOMPARE(lines[3], Encoded("2000") + "\r");
        QCOMPARE(lines[6], Encoded("29") + "\r");
        QCOMPARE(lines[11], Encoded("True") + "\r");
        QCOMPARE(lines[14], Encoded("London") + "\r"); // trimmed
        QCOMPARE(window->chartFileName(), path("march.kqa"));
    }

    void savedReadingOpensAgain()
    {
        Birth birth = Greenwich2000();
        birth.name = QStringLiteral("Mira Bai");
        birth.day = 29;
        birth.month = 2;
        birth.year = 2004;
        birth.hour = 24;
        birth.minute = 59;
        birth.zoneRow = 34;
        birth.latDeg = QStringLiteral("90");
        birth.latMin = QStringLiteral("0");
        birth.south = true;
        birth.west = true;
        birth.daylightSaving = true;
        birth.city = QStringLiteral(" Pune ");
        readAndSave(birth, path("round.kqa"));
        const QStringList shown = ResultCaptions(*window);

        QVERIFY(ShowFreshWindow(dialogs, window));
        dialogs->openAnswers << path("round.kqa");
        Click(*window, "cmdOpen");
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(dialogs->openDialogs.size(), 1);
        QCOMPARE(dialogs->openDialogs[0].title, QStringLiteral("Select the source file"));
        QCOMPARE(dialogs->openDialogs[0].filter, QStringLiteral("Tarvek Vedic Rashi Drishti (*.kqa)"));
        QCOMPARE(dialogs->openDialogs[0].defaultSuffix, QStringLiteral("kqa"));
        QCOMPARE(dialogs->openDialogs[0].startName, QString());

        Birth restored = birth;
        restored.city = QStringLiteral("Pune");
        QCOMPARE(window->entries(), EntriesOf(restored));
        QVERIFY(ResultsInFront(*window));
        QCOMPARE(ResultCaptions(*window), shown);
    }

    void saveOffersTheLastNameAndCancelWritesNothing()
    {
        readAndSave(Greenwich2000(), path("first.kqa"));
        const QByteArray first = ReadAll(path("first.kqa"));
        QVERIFY(!first.isEmpty());

        // Cancel: no file, the name stays.
        Click(*window, "cmdSave");
        QCOMPARE(dialogs->saveDialogs.size(), 2);
        // The name alone, in the folder last used; the title and a short note name the file.
        QCOMPARE(dialogs->saveDialogs[1].startName, QStringLiteral("first.kqa"));
        QCOMPARE(dialogs->saveDialogs[1].startFolder, dir->path());
        QCOMPARE(window->chartFileName(), path("first.kqa"));
        QVERIFY2(window->windowTitle().startsWith(QStringLiteral("first.kqa - ")), qPrintable(window->windowTitle()));
        QCOMPARE(window->statusBar()->currentMessage(),
                 QStringLiteral("Saved to %1").arg(QDir::toNativeSeparators(path("first.kqa"))));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"first.kqa"});
        QCOMPARE(ReadAll(path("first.kqa")), first);

        dialogs->saveAnswers << path("second.kqa");
        Click(*window, "cmdSave");
        QCOMPARE(dialogs->saveDialogs[2].startName, QStringLiteral("first.kqa"));
        QCOMPARE(ReadAll(path("second.kqa")), first);

        // The open dialog always starts empty.
        Click(*window, "cmdBack");
        Click(*window, "cmdOpen");
        QCOMPARE(dialogs->openDialogs.last().startName, QString());
        QCOMPARE(dialogs->openDialogs.last().startFolder, dir->path());
        QVERIFY(dialogs->messages.isEmpty());
    }

    // Names as people write them go through a chart file whole; a name the
    // program would then refuse is never written.
    void namesWithMarksAreSavedAndRead()
    {
        Birth birth = Greenwich2000();
        birth.name = QStringLiteral("Jean-Paul O'Brien");
        birth.city = QStringLiteral("St. John's");
        readAndSave(birth, path("marks.kqa"));
        QVERIFY(dialogs->messages.isEmpty());
        window->openChartFile(path("marks.kqa"));
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(QString::fromStdString(window->driver().records().birth.Name), birth.name);
        QCOMPARE(Child<QLineEdit>(*window, "txtCity")->text(), birth.city);

        // A name in Devanagari goes on a line of its own, which refuses a
        // hyphen that stands beside no letter.
        Click(*window, "cmdBack");
        Child<QLineEdit>(*window, "txtName")->setText(QStringLiteral("राम - शर्मा"));
        Click(*window, "cmdCalculate");
        QVERIFY(ResultsInFront(*window));
        dialogs->saveAnswers << path("cut.kqa");
        Click(*window, "cmdSave");
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY2(dialogs->messages[0].text.startsWith(QStringLiteral("The reading could not be saved to")),
                 qPrintable(dialogs->messages[0].text));
        QVERIFY(!QFile::exists(path("cut.kqa")));
    }

    // The title names a file while its birth is on show, not over a new one.
    void theTitleNamesTheFileOfTheBirthOnShow()
    {
        readAndSave(Greenwich2000(), path("first.kqa"));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("first.kqa - ")));
        Click(*window, "cmdBack");
        Click(*window, "cmdCalculate"); // the same birth again
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("first.kqa - ")));
        Click(*window, "cmdBack");
        Birth other = Greenwich2000();
        other.name = QStringLiteral("Another");
        EnterBirth(*window, other);
        Click(*window, "cmdCalculate");
        QVERIFY(ResultsInFront(*window));
        QVERIFY2(!window->windowTitle().contains(QStringLiteral("first.kqa")), qPrintable(window->windowTitle()));
        QCOMPARE(window->chartFileName(), QString());
        window->openChartFile(path("first.kqa"));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("first.kqa - ")));
    }

    void dialogsStartInAFolderThatExists_data()
    {
        QTest::addColumn<bool>("remembered");
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("expected");
        QTest::newRow("the folder last used") << true << true << "remembered";
        QTest::newRow("last folder gone, documents there") << false << true << "documents";
        QTest::newRow("neither: the home folder") << false << false << "home";
    }
    void dialogsStartInAFolderThatExists()
    {
        QFETCH(bool, remembered);
        QFETCH(bool, documents);
        QFETCH(QString, expected);
        const QString last = path(QStringLiteral("last"));
        const QString docs = path(QStringLiteral("Documents"));
        if (remembered)
            QVERIFY(QDir().mkpath(last));
        if (documents)
            QVERIFY(QDir().mkpath(docs));
        const QString home = path(QStringLiteral("home"));
        const QString chosen = ChooseChartFolder(last, docs, home);
        QCOMPARE(chosen, expected == QLatin1String("remembered") ? last : expected == QLatin1String("documents") ? docs : home);
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // empty: do not create the file

        QList<QByteArray> badMonth = kValidLines;
        badMonth[1] = "13";
        QList<QByteArray> badZone = kValidLines;
        badZone[6] = "71";
        QList<QByteArray> badDay = kValidLines;
        badDay[2] = "32";
        QList<QByteArray> letterInDegrees = kValidLines;
        letterInDegrees[7] = "7x";

        QTest::newRow("capital extension") << "chart.KQA" << ChartBytes(kValidLines);
        QTest::newRow("other extension") << "chart.txt" << ChartBytes(kValidLines);
        QTest::newRow("sixteen lines") << "short.kqa" << ChartBytes(kValidLines.mid(0, 16));
        QTest::newRow("empty file") << "empty.kqa" << QByteArray("\x00", 0);
        QTest::newRow("month 13") << "month.kqa" << ChartBytes(badMonth);
        QTest::newRow("zone row 71") << "zone.kqa" << ChartBytes(badZone);
        QTest::newRow("day 32") << "day.kqa" << ChartBytes(badDay);
        QTest::newRow("letter in degrees") << "degrees.kqa" << ChartBytes(letterInDegrees);
        QTest::newRow("plain text, not encoded") << "plain.kqa" << kValidLines.join("\r\n") + "\r\n";
        QTest::newRow("oversized") << "big.kqa" << QByteArray(int(kMaxChartFileBytes) + 100, char(0xB6));
        QTest::newRow("missing file") << "missing.kqa" << QByteArray();
        QTest::newRow("a folder") << "folder.kqa" << QByteArray("folder");
    }
    void refusedFilesChangeNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        if (bytes == "folder")
            QVERIFY(QDir(dir->path()).mkdir(name));
        else if (!bytes.isNull() && name != QLatin1String("missing.kqa"))
            QVERIFY(WriteAll(path(name), bytes));

        // A reading on show, then Back with other entries typed in.
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        const QStringList shown = ResultCaptions(*window);
        const BirthRecord record = window->driver().records().birth;
        Click(*window, "cmdBack");
        TypeInto(*window, "txtName", QStringLiteral("Someone Else"));
        const Entries before = window->entries();

        dialogs->openAnswers << path(name);
        Click(*window, "cmdOpen");
        QCOMPARE(dialogs->texts(), QStringList{"Please Check The File."});
        QCOMPARE(int(dialogs->messages[0].icon), int(MessageIcon::Critical));
        // The detail names the file and what was wrong with it.
        const QString detail = dialogs->messages[0].detail;
        QVERIFY2(detail.startsWith(QDir::toNativeSeparators(path(name)) + QLatin1Char('\n')), qPrintable(detail));
        QVERIFY2(detail.size() > path(name).size() + 10, qPrintable(detail));
        QCOMPARE(window->entries(), before);
        QCOMPARE(window->driver().records().birth, record);
        QCOMPARE(ResultCaptions(*window), shown);
        QVERIFY(!ResultsInFront(*window));
    }

    void fileWithAnEmptyBoxStopsInValidation()
    {
        QList<QByteArray> lines = kValidLines;
        lines[15] = ""; // state
        QVERIFY(WriteAll(path("nostate.kqa"), ChartBytes(lines)));
        dialogs->openAnswers << path("nostate.kqa");
        Click(*window, "cmdOpen");
        QCOMPARE(dialogs->texts(), QStringList{"Please Enter Your State name"});
        QVERIFY(!ResultsInFront(*window));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtState"));
        // The restored values stay in the boxes.
        QCOMPARE(Child<QLineEdit>(*window, "txtName")->text(), QStringLiteral("Mira"));
        QCOMPARE(Child<QComboBox>(*window, "cboMonth")->currentText(), QStringLiteral("March"));
        QCOMPARE(Child<QComboBox>(*window, "cboDate")->currentText(), QStringLiteral("7"));
        QCOMPARE(Child<QComboBox>(*window, "cboTimeZone")->currentIndex(), 34);
        QCOMPARE(Child<QLineEdit>(*window, "txtCountry")->text(), QStringLiteral("India"));
        QVERIFY(Child<QRadioButton>(*window, "optLong_0")->isChecked());
        QVERIFY(Child<QRadioButton>(*window, "optLat_0")->isChecked());
        QVERIFY(Child<QCheckBox>(*window, "chkDST")->isChecked());
    }

    // New York, 1 November 2020: 01:30 happened twice. The file's box says
    // which; nothing is asked. A skipped hour (8 March, 02:30) is refused and
    // leaves the window as it was before Open.
    void twiceHappenedHourReadsByTheBox_data()
    {
        QTest::addColumn<QByteArray>("day");
        QTest::addColumn<QByteArray>("month");
        QTest::addColumn<QByteArray>("hour");
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<int>("offsetSeconds"); // 0: refused
        QTest::newRow("box off: standard time") << QByteArray("1") << QByteArray("11") << QByteArray("1")
                                                << QByteArray("False") << -5 * 3600;
        QTest::newRow("box on: daylight saving") << QByteArray("1") << QByteArray("11") << QByteArray("1")
                                                 << QByteArray("True") << -4 * 3600;
        QTest::newRow("skipped hour: refused") << QByteArray("8") << QByteArray("3") << QByteArray("2")
                                               << QByteArray("False") << 0;
    }
    void twiceHappenedHourReadsByTheBox()
    {
        QFETCH(QByteArray, day);
        QFETCH(QByteArray, month);
        QFETCH(QByteArray, hour);
        QFETCH(QByteArray, box);
        QFETCH(int, offsetSeconds);
        const QList<QByteArray> lines = {"Ny",    month,   day,   "2020",     hour,       "30",       "27",
                                         "74",    "0",     "40",  "42",       "False",    "False",    box,
                                         "New York", "New York", "USA", "America/New_York"};
        QVERIFY(WriteAll(path("ny.kqa"), ChartBytes(lines)));

        // A reading on show, then Back with other entries typed in.
        EnterBirth(*window, Greenwich2000());
        Click(*window, "cmdCalculate");
        const QStringList shown = ResultCaptions(*window);
        const BirthRecord record = window->driver().records().birth;
        const QString title = window->windowTitle();
        Click(*window, "cmdBack");
        TypeInto(*window, "txtName", QStringLiteral("Someone Else"));
        const Entries before = window->entries();

        dialogs->choice = 0; // would answer a question, were one asked
        dialogs->openAnswers << path("ny.kqa");
        Click(*window, "cmdOpen");
        QCOMPARE(dialogs->questions, QStringList());
        if (offsetSeconds == 0) {
            QCOMPARE(dialogs->messages.size(), 1);
            QCOMPARE(window->entries(), before);
            QCOMPARE(window->windowTitle(), title);
            QCOMPARE(window->driver().records().birth, record);
            QCOMPARE(ResultCaptions(*window), shown);
            QVERIFY(!ResultsInFront(*window));
            return;
        }
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join('|')));
        QVERIFY(ResultsInFront(*window));
        QCOMPARE(window->driver().records().birth.ExactOffsetSeconds, std::optional<std::int32_t>(offsetSeconds));
        QCOMPARE(Child<QCheckBox>(*window, "chkDST")->isChecked(), box == "True");
        QVERIFY2(window->windowTitle().startsWith(QStringLiteral("ny.kqa - ")), qPrintable(window->windowTitle()));
    }

    // Save never offers another person's chart, where Enter and Yes would
    // replace it: after Open it offers the file opened, while the reading
    // shown is still that file's birth; after a birth typed in or changed,
    // the person's name in the folder last used.
    void saveOffersTheChartsOwnFileOrThePersonsName()
    {
        Birth ray = Greenwich2000();
        ray.name = QStringLiteral("Ray");
        readAndSave(ray, path("ray.kqa"));
        QVERIFY(QDir().mkpath(path("mira")));
        QVERIFY(WriteAll(path("mira/other.kqa"), ChartBytes(kValidLines)));
        const auto offered = [this] {
            Click(*window, "cmdSave"); // cancelled
            return dialogs->saveDialogs.last();
        };

        // Opened: the file itself, in its own folder.
        Click(*window, "cmdBack");
        dialogs->openAnswers << path("mira/other.kqa");
        Click(*window, "cmdOpen");
        QVERIFY(ResultsInFront(*window));
        FileDialogSetup setup = offered();
        QCOMPARE(setup.startName, QStringLiteral("other.kqa"));
        QCOMPARE(setup.startFolder, path("mira"));
        QVERIFY(setup.folderMustExist);
        QVERIFY(setup.refuseReadOnly);
        QCOMPARE(dialogs->openDialogs[0].startName, QString());
        QVERIFY(dialogs->openDialogs[0].refuseReadOnly);

        // Back and the same reading again, or the other rule: still that birth.
        Click(*window, "cmdBack");
        Click(*window, "cmdCalculate");
        QCOMPARE(offered().startName, QStringLiteral("other.kqa"));
        window->findChild<QAction*>(QStringLiteral("mnuClassicalRule"))->trigger();
        QCOMPARE(offered().startName, QStringLiteral("other.kqa"));

        // The birth changed: the person's name, in the folder last used.
        Click(*window, "cmdBack");
        Choose(*window, "cboMinute", QStringLiteral("46"));
        Click(*window, "cmdCalculate");
        setup = offered();
        QCOMPARE(setup.startName, QStringLiteral("Mira.kqa"));
        QCOMPARE(setup.startFolder, path("mira"));

        // Another person typed in after a save: never the saved file.
        Click(*window, "cmdBack");
        readAndSave(ray, path("ray.kqa"));
        QCOMPARE(offered().startName, QStringLiteral("ray.kqa"));
        Click(*window, "cmdBack");
        Birth ada = Greenwich2000();
        EnterBirth(*window, ada);
        Click(*window, "cmdCalculate");
        setup = offered();
        QCOMPARE(setup.startName, QStringLiteral("Ada Lovelace.kqa"));
        QCOMPARE(setup.startFolder, dir->path());
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join('|')));
    }

    // File › Recent Charts: a mnemonic of its own for each of the ten, the
    // tenth's included; "&" in a name shown as itself and the file opened;
    // a settings file holding more than ten (hand-edited, or from another
    // version) shows ten, the newest.
    void recentChartsMenu()
    {
        const auto menuActions = [this] {
            QMenu* menu = window->findChild<QMenu*>(QStringLiteral("mnuRecent"));
            emit menu->aboutToShow();
            QList<QAction*> actions;
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    actions << action;
            return actions;
        };
        QStringList files;
        for (int i = 0; i < 12; ++i) {
            files << path(i == 9 ? QStringLiteral("R&D %1.kqa").arg(i) : QStringLiteral("chart %1.kqa").arg(i));
            QVERIFY(WriteAll(files.last(), ChartBytes(kValidLines)));
        }
        {
            ProgramSettings settings;
            settings.setValue(QStringLiteral("recentCharts"), files); // twelve, newest first
        }
        QList<QAction*> actions = menuActions();
        QCOMPARE(actions.size(), 11); // ten charts and Clear
        QSet<int> mnemonics;
        for (int i = 0; i < actions.size(); ++i) {
            const QKeySequence key = QKeySequence::mnemonic(actions[i]->text());
            QVERIFY2(!key.isEmpty(), qPrintable(actions[i]->text()));
            mnemonics.insert(key[0].toCombined());
        }
        QCOMPARE(mnemonics.size(), 11);
        QCOMPARE(actions[0]->text(), QStringLiteral("&1 chart 0.kqa"));
        QCOMPARE(actions[9]->text(), QStringLiteral("1&0 R&&D 9.kqa"));
        QCOMPARE(QKeySequence::mnemonic(actions[9]->text()), QKeySequence(Qt::ALT | Qt::Key_0));
        QCOMPARE(actions[10]->text(), QStringLiteral("&Clear Recent Charts"));
        QCOMPARE(ProgramSettings().value(QStringLiteral("recentCharts")).toStringList(), files.mid(0, 10));

        // The tenth opens its own file, "&" and all.
        actions[9]->trigger();
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join('|')));
        QCOMPARE(window->chartFileName(), files[9]);
        actions = menuActions();
        QCOMPARE(actions[0]->text(), QStringLiteral("&1 R&&D 9.kqa"));
        QCOMPARE(actions[9]->text(), QStringLiteral("1&0 chart 8.kqa"));
        QCOMPARE(actions.size(), 11);

        // A chart saved goes first; still ten.
        dialogs->saveAnswers << path("new.kqa");
        Click(*window, "cmdSave");
        actions = menuActions();
        QCOMPARE(actions.size(), 11);
        QCOMPARE(actions[0]->text(), QStringLiteral("&1 new.kqa"));
        QCOMPARE(actions[1]->text(), QStringLiteral("&2 R&&D 9.kqa"));
        QCOMPARE(actions[9]->text(), QStringLiteral("1&0 chart 7.kqa"));
    }

    void saveDialogRefusesNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checked"); // folder-must-exist and read-only checks on
        QTest::addColumn<bool>("refused");
        QTest::newRow("new file") << "new.kqa" << true << false;
        QTest::newRow("writable file") << "writable.kqa" << true << false;
        QTest::newRow("read-only file") << "readonly.kqa" << true << true;
        QTest::newRow("folder missing") << "gone/new.kqa" << true << true;
        QTest::newRow("read-only, checks off") << "readonly.kqa" << false << false;
        QTest::newRow("folder missing, checks off") << "gone/new.kqa" << false << false;
    }
    void saveDialogRefusesNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, checked);
        QFETCH(bool, refused);
        QVERIFY(WriteAll(path("writable.kqa"), "x"));
        QVERIFY(WriteAll(path("readonly.kqa"), "x"));
        QVERIFY(QFile::setPermissions(path("readonly.kqa"), QFileDevice::ReadOwner));
        FileDialogSetup setup;
        setup.folderMustExist = setup.refuseReadOnly = checked;
        const auto problem = SaveNameProblem(path(name), setup);
        QVERIFY(QFile::setPermissions(path("readonly.kqa"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(problem.has_value(), refused);
    }

    void cancelledOpenDoesNothing()
    {
        const Entries before = window->entries();
        Click(*window, "cmdOpen");
        QCOMPARE(dialogs->openDialogs.size(), 1);
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(window->entries(), before);
    }

    void failedSaveIsReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("folder does not exist") << "no-such-folder/chart.kqa" << false;
        QTest::newRow("name is a folder") << "folder.kqa" << false;
        QTest::newRow("disk full, old chart kept") << "old.kqa" << true;
        QTest::newRow("read-only chart") << "locked.kqa" << false;
    }
    void failedSaveIsReported()
    {
        QFETCH(QString, target);
        QFETCH(bool, fullDisk);
        QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("folder.kqa")));
        const QByteArray old = ChartBytes(kValidLines);
        QVERIFY(WriteAll(path("old.kqa"), old));
        QVERIFY(WriteAll(path("locked.kqa"), old));
        QVERIFY(QFile::setPermissions(path("locked.kqa"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

        Birth birth = Greenwich2000();
        birth.name = QStringLiteral("A much longer name than the old chart had in it");
        EnterBirth(*window, birth);
        Click(*window, "cmdCalculate");
        dialogs->saveAnswers << path(target);
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (fullDisk)
                limit = std::make_unique<FileSizeLimit>(old.size() - 10);
            Click(*window, "cmdSave");
        }
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(int(dialogs->messages[0].icon), int(MessageIcon::Critical));
        const QString text = dialogs->messages[0].text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(path(target))), qPrintable(text));
        QVERIFY2(text.size() > QDir::toNativeSeparators(path(target)).size() + 30, qPrintable(text)); // a reason
        QCOMPARE(ReadAll(path("old.kqa")), old);
        QCOMPARE(ReadAll(path("locked.kqa")), old);
        QVERIFY(QFileInfo(path("folder.kqa")).isDir());
        // No temporary file is left beside the charts.
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"locked.kqa", "old.kqa"}));
    }
};

QTEST_MAIN(TestChartFiles)
#include "test_chart_files.moc"
