// File > Import Chart and File > Recent Charts, through the menus and the
// dialog recorder: several files at once, the summary, the reading shown, the
// chart saved as a chart file of the program, and the recent list kept.

#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "windows/main_window.h"
#include "windows/recent_charts.h"
#include "windows/program_settings.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

namespace {

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray kPuneJhd = "3\r\n21\r\n1985\r\n10.303000000000000\r\n-5.300000\r\n-73.510000\r\n18.310000\r\n"
                            "560.000000\r\n-5.500000\r\n-5.500000\r\n0\r\n91\r\nPune\r\nIndia\r\n1\r\n1013.250000\r\n"
                            "20.000000\r\n1\r\n";
// Nepal's +5:45, which no row gives, at 23:11:30, as a program printing
// doubles writes it, the place in Devanagari.
const QByteArray kKathmanduJhd = "3\r\n21\r\n2001\r\n23.112999999999999\r\n-5.4500000000000002\r\n"
                                 "-85.189999999999998\r\n27.430000000000003\r\n1400\r\n-5.75\r\n-5.75\r\n0\r\n0\r\n"
                                 "\xe0\xa4\x95\xe0\xa4\xbe\xe0\xa4\xa0\xe0\xa4\xae\xe0\xa4\xbe\xe0\xa4\xa1\xe0"
                                 "\xa5\x8c\xe0\xa4\x82\r\nNepal\r\n1\r\n1013.250000\r\n20.000000\r\n1\r\n";
const QByteArray kLondonMtx = "# chart\nJane Doe\n15\n7\n1990\n14.5\n0\n1\nLondon, England, United Kingdom\n"
                              "-0.116667\n51.5\n";

QAction* MenuItem(const QWidget& window, const QString& name)
{
    QAction* found = window.findChild<QAction*>(name);
    if (!found)
        qFatal("no menu item %s", qPrintable(name));
    return found;
}

} // namespace

class TestChartImport : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString& name) const { return dir->filePath(name); }

    QStringList recentMenuTexts()
    {
        QMenu* menu = window->findChild<QMenu*>(QStringLiteral("mnuRecent"));
        Q_ASSERT(menu);
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text();
        return texts;
    }

private slots:
    void init()
    {
        ProgramSettings settings;
        ClearRecentCharts(settings);
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

    void severalFilesAtOnceWithASummary()
    {
        QVERIFY(WriteAll(path("Pune Chart.jhd"), kPuneJhd));
        QVERIFY(WriteAll(path("london.mtx"), kLondonMtx));
        QByteArray damaged = kPuneJhd;
        damaged.replace("10.303000000000000", "10.753000000000000");
        QVERIFY(WriteAll(path("damaged.jhd"), damaged));
        dialogs->openManyAnswers << QStringList{path("Pune Chart.jhd"), path("damaged.jhd"), path("london.mtx")};
        MenuItem(*window, QStringLiteral("mnuImport"))->trigger();

        QCOMPARE(dialogs->openDialogs.size(), 1);
        // Its patterns, matched as written, take the extensions in any case.
        const QString filter = dialogs->openDialogs[0].filter;
        const QStringList patterns = filter.section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(' '));
        for (const QString name : {"a.jhd", "B.JHD", "Ravi.Jhd", "x.jHd", "l.mtx", "L.MTX", "m.Mtx"}) {
            bool matched = false;
            for (const QString& pattern : patterns)
                matched |= QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(name).hasMatch();
            QVERIFY2(matched, qPrintable(name + QStringLiteral(" by ") + filter));
        }
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("2 charts imported, 1 refused. Please Check The File."));
        QCOMPARE(dialogs->messages[0].detail,
                 path("damaged.jhd") +
                     QStringLiteral(": Line 4 (clock time) holds \"10.753000000000000\", not a clock time H.MMSS "
                                    "from 0 to 24."));
        // The first imported chart's reading, its birth in the boxes.
        QVERIFY(ResultsInFront(*window));
        QCOMPARE(Child<QComboBox>(*window, QStringLiteral("cboTimeZone"))->currentIndex(), 34); // Indian Time
        QCOMPARE(Child<QComboBox>(*window, QStringLiteral("cboMinute"))->currentText(), QStringLiteral("30"));
        QCOMPARE(int(window->driver().records().birth.Second), 30); // 10:30:30
        // The next one is offered in a bar over the reading, not a box over it.
        QVERIFY(dialogs->questions.isEmpty());
        QVERIFY(Child<QWidget>(*window, "offerBar")->isVisible());
        QCOMPARE(Child<QLabel>(*window, "offerText")->text(), QStringLiteral("Show the next imported chart, london.mtx (2 of 2)?"));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Pune Chart.jhd")));

        // Saved as the program's own chart file; the dialog offers the
        // person's name in the folder last used, never a chart saved before.
        dialogs->saveAnswers << path("Pune Chart.kqa");
        Click(*window, "cmdSave");
        QCOMPARE(dialogs->saveDialogs.size(), 1);
        QCOMPARE(dialogs->saveDialogs[0].startName, QStringLiteral("Pune Chart.kqa"));
        QCOMPARE(dialogs->saveDialogs[0].startFolder, dir->path());
        QVERIFY(QFile::exists(path("Pune Chart.kqa")));

        // Newest first: the saved chart, then the imported ones.
        QCOMPARE(recentMenuTexts(), (QStringList{QStringLiteral("&1 Pune Chart.kqa"), QStringLiteral("&2 london.mtx"),
                                                 QStringLiteral("&3 Pune Chart.jhd"),
                                                 QStringLiteral("&Clear Recent Charts")}));
    }

    void nothingImportedIsAnError()
    {
        QVERIFY(WriteAll(path("short.mtx"), "# chart\nX\n"));
        dialogs->openManyAnswers << QStringList{path("short.mtx")};
        MenuItem(*window, QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].icon, MessageIcon::Critical);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("No chart imported, 1 refused. Please Check The File."));
        QCOMPARE(dialogs->messages[0].detail,
                 path("short.mtx") + QStringLiteral(": Line 3 is missing: the file ends after 2 of its 11 lines."));
        QVERIFY(!ResultsInFront(*window));
    }

    void eachImportedChartInTurn()
    {
        QVERIFY(WriteAll(path("Pune Chart.jhd"), kPuneJhd));
        QVERIFY(WriteAll(path("london.mtx"), kLondonMtx));
        QVERIFY(WriteAll(path("Ravi.JHD"), kKathmanduJhd));
        const QStringList files{path("Pune Chart.jhd"), path("london.mtx"), path("Ravi.JHD")};
        // Going on: every chart's reading in the order chosen, the last one
        // left, each question in the bar over the chart it follows.
        dialogs->openManyAnswers << files;
        MenuItem(*window, QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("3 charts imported."));
        auto* bar = Child<QWidget>(*window, "offerBar");
        auto* question = Child<QLabel>(*window, "offerText");
        QStringList asked;
        while (bar->isVisible()) {
            asked << question->text();
            Click(*window, "offerYes");
        }
        QCOMPARE(asked, (QStringList{QStringLiteral("Show the next imported chart, london.mtx (2 of 3)?"),
                                     QStringLiteral("Show the next imported chart, Ravi.JHD (3 of 3)?")}));
        QVERIFY(dialogs->questions.isEmpty());
        QVERIFY(ResultsInFront(*window));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Ravi.JHD")));
        QCOMPARE(window->driver().records().birth.Name, std::string("Ravi"));
        // Stopping: the chart on show stays, and so it does when another
        // reading comes instead.
        dialogs->openManyAnswers << files;
        MenuItem(*window, QStringLiteral("mnuImport"))->trigger();
        QVERIFY(bar->isVisible());
        Click(*window, "offerNo");
        QVERIFY(!bar->isVisible());
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("Pune Chart.jhd")));
        QCOMPARE(window->driver().records().birth.Name, std::string("Pune Chart"));
        dialogs->openManyAnswers << files;
        MenuItem(*window, QStringLiteral("mnuImport"))->trigger();
        Click(*window, "cmdBack");
        Click(*window, "cmdCalculate");
        QVERIFY(!bar->isVisible());
    }

    void offsetNoRowGivesIsTakenExactly()
    {
        QVERIFY(WriteAll(path("Ravi.JHD"), kKathmanduJhd));
        dialogs->openManyAnswers << QStringList{path("Ravi.JHD")};
        MenuItem(*window, QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("1 chart imported."));
        QVERIFY(ResultsInFront(*window));
        // Nepal's +5:45 and the clock's seconds reach the reading.
        const BirthRecord& birth = window->driver().records().birth;
        QCOMPARE(birth.ExactOffsetSeconds, std::optional<std::int32_t>(5 * 3600 + 45 * 60));
        QCOMPARE(int(birth.Second), 30);
        QCOMPARE(birth.City, std::string("काठमाडौं"));
        QVERIFY(qAbs(window->driver().records().chart.UniversalHours * 3600 - (23 * 3600 + 11 * 60 + 30 - 20700)) < 1e-6);
        // The line under the zone says what was done.
        Click(*window, "cmdBack");
        auto* note = Child<QLabel>(*window, QStringLiteral("lblZoneNote"));
        QVERIFY(note->isVisible());
        QVERIFY2(note->text().contains(QStringLiteral("UTC+05:45, is used exactly")), qPrintable(note->text()));
        // Saved as the program's chart file and opened again: the same birth.
        Click(*window, "cmdCalculate");
        const BirthRecord imported = window->driver().records().birth;
        dialogs->saveAnswers << path("Ravi.kqa");
        Click(*window, "cmdSave");
        QVERIFY(QFile::exists(path("Ravi.kqa")));
        dialogs->openAnswers << path("Ravi.kqa");
        Click(*window, "cmdBack");
        Click(*window, "cmdOpen");
        QVERIFY(ResultsInFront(*window));
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(window->driver().records().birth == imported);
        Click(*window, "cmdBack");
        auto* zone = Child<QComboBox>(*window, QStringLiteral("cboTimeZone"));
        zone->setCurrentIndex(34); // Indian Time
        emit zone->activated(34);
        Child<QComboBox>(*window, QStringLiteral("cboMinute"))->setCurrentIndex(12);
        QVERIFY(!note->isVisible());
        Click(*window, "cmdCalculate");
        QVERIFY(!window->driver().records().birth.ExactOffsetSeconds);
        QCOMPARE(int(window->driver().records().birth.Second), 0);
    }

    void refusalsNameTheFileAndLine()
    {
        QByteArray february = kPuneJhd;
        february.replace("3\r\n21\r\n", "2\r\n30\r\n");
        QVERIFY(WriteAll(path("february.jhd"), february));
        QVERIFY(WriteAll(path("short.MTX"), "# chart\nX\n"));
        dialogs->openManyAnswers << QStringList{path("february.jhd"), path("short.MTX")};
        MenuItem(*window, QStringLiteral("mnuImport"))->trigger();
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->messages[0].icon, MessageIcon::Critical);
        QCOMPARE(dialogs->messages[0].text, QStringLiteral("No chart imported, 2 refused. Please Check The File."));
        QCOMPARE(dialogs->messages[0].detail,
                 path("february.jhd") +
                     QStringLiteral(": Lines 1 to 3 (month, day, year) hold \"2/30/1985\", a day that month does not "
                                    "have.\n") +
                     path("short.MTX") + QStringLiteral(": Line 3 is missing: the file ends after 2 of its 11 lines."));
        QVERIFY(!ResultsInFront(*window));
        QCOMPARE(recentMenuTexts(), QStringList{QStringLiteral("(None)")});
    }

    void recentChartsOpenAsOpenDoesAndDropTheGone()
    {
        ProgramSettings settings;
        for (int i = 0; i < 12; ++i) {
            const QString file = path(QStringLiteral("chart%1.mtx").arg(i));
            QVERIFY(WriteAll(file, kLondonMtx));
            RememberRecentChart(settings, file);
        }
        RememberRecentChart(settings, path("chart5.mtx")); // again: moves to the front, once
        QFile::remove(path("chart11.mtx"));
        const QStringList texts = recentMenuTexts();
        QCOMPARE(texts.size(), 10); // nine left of the last ten, and Clear
        QCOMPARE(texts.first(), QStringLiteral("&1 chart5.mtx"));
        QCOMPARE(texts[1], QStringLiteral("&2 chart10.mtx"));
        QVERIFY(!texts.contains(QStringLiteral("chart11.mtx")));

        QMenu* menu = window->findChild<QMenu*>(QStringLiteral("mnuRecent"));
        menu->actions().first()->trigger();
        QVERIFY(ResultsInFront(*window));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("chart5.mtx")));
        QVERIFY(dialogs->messages.isEmpty());

        MenuItem(*window, QStringLiteral("mnuClearRecent"))->trigger();
        QCOMPARE(recentMenuTexts(), QStringList{QStringLiteral("(None)")});
    }
};

QTEST_MAIN(TestChartImport)
#include "test_chart_import.moc"
