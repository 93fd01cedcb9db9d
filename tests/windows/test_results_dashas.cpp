// The dashas on the results panel: the switch, its three trees (their
// levels, dates on the birthplace's clocks, the periods running today, what
// a sign's period aspects), the lines beside them, the nakshatra beside each
// position and under the birth-time lines, and the switch kept between runs.

#include "results_panel_fixture.h"
#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "core/timing/dasha_text.h"
#include "core/timing/dasha_tree.h"
#include "core/timing/period_reading.h"
#include "places/place_dates.h"
#include "windows/dashas_view.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <QtTest>

#include <ctime>

using namespace rashi;
using namespace rashi::testing;

namespace {

// UT seconds from 1970 of a civil moment.
double Utc(int year, int month, int day, int hour, int minute)
{
    return static_cast<double>(QDateTime(QDate(year, month, day), QTime(hour, minute), QTimeZone::utc()).toSecsSinceEpoch());
}

const DashaList& ListOf(const ReadingRecords& r, int system)
{
    return system == 0 ? r.dashas.vimshottari : system == 1 ? r.dashas.chara : r.dashas.drig;
}

// A period's item by its indexes from the top, or null.
QTreeWidgetItem* ItemAt(QTreeWidget* tree, const DashaList& list, const std::vector<int>& path)
{
    QTreeWidgetItem* item = nullptr;
    int first = 0;
    for (int index : path) {
        const int position = index - first;
        item = item ? item->child(position) : tree->topLevelItem(position);
        if (!item)
            return nullptr;
        first = list.periods[static_cast<std::size_t>(index)].first;
    }
    return item;
}

} // namespace

class TestResultsDashas : public QObject, ResultsPanelFixture<UiRecorder> {
    Q_OBJECT

    DashasView* view() const { return Child<DashasView>(*panel, "dashasView"); }
    QTreeWidget* tree(int system) const { return view()->tree(DashasView::System(system)); }
    QString text(const QString& name) const { return Child<QLabel>(*panel, name)->text(); }

    void switchOn()
    {
        auto* box = Child<QCheckBox>(*panel, "chkDashas");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QApplication::processEvents();
    }

private slots:
    void initTestCase() { useTestSettings(QStringLiteral("Rashi Drishti dashas panel test")); }
    void init() { setUpPanel(); }
    void cleanup() { tearDownPanel(); }

    // Off, a reading has no dashas; the switch (by its key) computes all
    // three, and paints them: how long that takes is printed.
    void theSwitchComputesAndPaintsTheTrees()
    {
        reading();
        QVERIFY(!driver->records().dashas.computed);
        QVERIFY(!view()->isVisible());
        auto* box = Child<QCheckBox>(*panel, "chkDashas");
        QVERIFY(!box->accessibleName().isEmpty());
        QVERIFY(box->focusPolicy() & Qt::TabFocus);
        // Wall time, and the processor's time for this process (less
        // disturbed by other work on the machine).
        QElapsedTimer clock;
        const std::clock_t cpu = std::clock();
        clock.start();
        switchOn();
        view()->repaint();
        for (int s = 0; s < 3; ++s)
            tree(s)->viewport()->repaint();
        qInfo("The Dashas switch: computed and painted in %.1f ms (processor %.1f ms)", clock.nsecsElapsed() / 1e6,
              1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC);
        QVERIFY(panel->dashasShown());
        QVERIFY(view()->isVisible());
        const ReadingRecords& r = driver->records();
        QCOMPARE(r.dashaChoices.systems, unsigned{dasha::All});
        QVERIFY(r.dashas.computed);
        // Vimshottari 9 x 9 x 9 (the last level added on opening), chara 24 each of twelve (but those of no
        // length), drig 24 alone.
        QCOMPARE(tree(0)->topLevelItemCount(), 9);
        for (int i = 0; i < 9; ++i) {
            QCOMPARE(tree(0)->topLevelItem(i)->childCount(), 9);
            // The pratyantars, when their antardasha is opened.
            QTreeWidgetItem* antar = tree(0)->topLevelItem(i)->child(4);
            antar->setExpanded(true);
            QCOMPARE(antar->childCount(), 9);
            QCOMPARE(antar->child(8)->text(2), antar->text(2));
        }
        QCOMPARE(tree(1)->topLevelItemCount(), 24);
        QCOMPARE(tree(2)->topLevelItemCount(), 24);
        for (int i = 0; i < 24; ++i) {
            const DashaPeriod& p = r.dashas.chara.periods[std::size_t(i)];
            QCOMPARE(tree(1)->topLevelItem(i)->childCount(), p.count);
            QCOMPARE(tree(2)->topLevelItem(i)->childCount(), 0);
        }
        QCOMPARE(tree(0)->columnCount(), 4);
        QCOMPARE(tree(1)->columnCount(), 5);
        for (int s = 0; s < 3; ++s) {
            QVERIFY(!tree(s)->accessibleName().isEmpty());
            QVERIFY(tree(s)->focusPolicy() & Qt::TabFocus);
        }
        // Off again: none computed, none shown.
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!driver->records().dashas.computed);
        QVERIFY(!view()->isVisible());
        QCOMPARE(text("lblNakshatra_1"), QString());
    }

    // Tab reaches each tree in turn, right after the switch; hidden, none.
    void theTreesAreInTheTabChain()
    {
        reading();
        switchOn();
        QWidget* at = Child<QWidget>(*panel, "chartView");
        QStringList visited;
        for (int i = 0; i < 12; ++i) {
            at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible() || !at->isEnabled())
                at = at->nextInFocusChain();
            visited << at->objectName();
        }
        const int first = visited.indexOf(QStringLiteral("chkDashas"));
        QVERIFY(first >= 0);
        QCOMPARE(visited.mid(first, 5),
                 (QStringList{"chkDashas", "treeVimshottari", "treeChara", "treeDrig", "cmdSave"}));
    }

    // The periods, their ages and what a sign's period aspects, as the core
    // has them; the Moon, the balance, the year and the shift above them.
    void theTreesHoldTheCoresPeriods()
    {
        reading();
        switchOn();
        const ReadingRecords& r = driver->records();
        const double year = r.dashas.choices.yearDays * kSecondsPerDay;
        const places::PlaceDates dates(r.birth);
        for (int s = 0; s < 3; ++s) {
            const DashaList& list = ListOf(r, s);
            for (int i = 0; i < list.top; ++i) {
                const DashaPeriod& p = list.periods[std::size_t(i)];
                QTreeWidgetItem* item = tree(s)->topLevelItem(i);
                QCOMPARE(item->text(1), dates.text(p.start));
                if (p.end > p.start)
                    QCOMPARE(item->text(2), dates.text(p.end));
                if (p.start >= r.dashas.birthSecond)
                    QCOMPARE(item->text(3), QString::number((p.start - r.dashas.birthSecond) / year, 'f', 2));
                if (s > 0)
                    QCOMPARE(item->text(4), QString::fromStdString(PeriodReadingText(
                                                ReadPeriod(p.key, r.jaimini), r.jaimini.karakas.scheme)));
            }
        }
        // The first Vimshottari period began before the birth; the chara
        // dasha starts at it, on the clock it was read by.
        QCOMPARE(tree(0)->topLevelItem(0)->text(3), QStringLiteral("before birth"));
        QCOMPARE(tree(1)->topLevelItem(0)->text(1), QStringLiteral("2000-01-01 12:00"));
        QCOMPARE(tree(1)->topLevelItem(0)->text(3), QStringLiteral("0.00"));
        QVERIFY(tree(0)->topLevelItem(0)->text(0).endsWith(QStringLiteral(" mahadasha")));
        QVERIFY(text("dashasHead").contains(QStringLiteral("balance at birth")));
        QVERIFY(text("dashasHead").contains(QString::fromStdString(NakshatraText(r.dashas.nakshatras[1]))));
        QVERIFY(text("dashasHead").contains(QStringLiteral("365.256363 days (sidereal)")));
        QVERIFY(text("dashasShift").startsWith(QStringLiteral("Born a minute later, every Vimshottari date is ")));
        // The nakshatra beside each position, and the Moon's birth-time line.
        for (int i = 0; i < kReportRows; ++i)
            QCOMPARE(text(QStringLiteral("lblNakshatra_%1").arg(i)), QString::fromStdString(NakshatraNote(r, i)));
        // The chosen row's band takes in its nakshatra, and no other row's.
        panel->chooseBody(3);
        for (int i = 0; i < kReportRows; ++i) {
            auto* note = Child<QLabel>(*panel, QStringLiteral("lblNakshatra_%1").arg(i));
            const QRect at = note->geometry().translated(note->parentWidget()->mapTo(panel.get(), QPoint(0, 0)));
            QCOMPARE(panel->chosenRowBand().contains(at.bottomLeft() + QPoint(1, -1)), i == 3);
        }
        const QStringList window = Lines(NakshatraWindowLines(r.nakshatraWindow));
        QCOMPARE(window.size(), 1);
        QVERIFY(text("windowNakshatra").startsWith(window[0].section(QStringLiteral(" (before: "), 0, 0)));
        QVERIFY(text("windowNakshatra").startsWith(QStringLiteral("The Moon's nakshatra (")));
    }

    // Whatever the day, the periods running then are open and marked, down
    // to each tree's depth, and no other is.
    void thePeriodsRunningTodayAreOpenAndMarked_data()
    {
        QTest::addColumn<double>("today");
        QTest::newRow("at the birth") << Utc(2000, 1, 1, 12, 30);
        QTest::newRow("2026") << Utc(2026, 12, 10, 9, 0);
        QTest::newRow("2061") << Utc(2061, 7, 1, 0, 0);
    }
    void thePeriodsRunningTodayAreOpenAndMarked()
    {
        QFETCH(double, today);
        panel->ensureBuilt();
        view()->setToday(today);
        reading();
        switchOn();
        const ReadingRecords& r = driver->records();
        const int depth[] = {3, 2, 1};
        for (int s = 0; s < 3; ++s) {
            const DashaList& list = ListOf(r, s);
            const std::vector<int> running = RunningAt(list, today, depth[s]);
            QCOMPARE(int(running.size()), depth[s]);
            int marked = 0;
            for (QTreeWidgetItemIterator it(tree(s)); *it; ++it)
                marked += (*it)->text(0).startsWith(QStringLiteral("▶ "));
            QCOMPARE(marked, depth[s]);
            std::vector<int> path;
            for (int index : running) {
                path.push_back(index);
                QTreeWidgetItem* item = ItemAt(tree(s), list, path);
                QVERIFY(item);
                QVERIFY(item->text(0).startsWith(QStringLiteral("▶ ")));
                QVERIFY(item->font(0).bold());
                QVERIFY(item->data(0, Qt::AccessibleTextRole).toString().endsWith(QStringLiteral(", running now")));
                QVERIFY(item->isExpanded());
                QCOMPARE(item->text(1), places::PlaceDates(r.birth).text(list.periods[std::size_t(index)].start));
            }
            QCOMPARE(tree(s)->currentItem(), ItemAt(tree(s), list, path));
        }
    }

    // The place's clocks on each date: the zone's offset of that date, the
    // birth's own offset without a zone.
    void datesFollowTheBirthplacesClocks_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<int>("hoursToUt");
        QTest::addColumn<double>("moment");
        QTest::addColumn<QString>("shown");
        QTest::newRow("New York in summer") << "America/New_York" << 5 << Utc(2031, 7, 1, 12, 0) << "2031-07-01 08:00";
        QTest::newRow("New York in winter") << "America/New_York" << 5 << Utc(2031, 1, 1, 12, 0) << "2031-01-01 07:00";
        QTest::newRow("London in summer") << "Europe/London" << 0 << Utc(1975, 6, 1, 23, 30) << "1975-06-02 00:30";
        QTest::newRow("Kolkata") << "Asia/Kolkata" << -5 << Utc(1990, 3, 1, 0, 0) << "1990-03-01 05:30";
        QTest::newRow("no zone, five hours west") << "" << 5 << Utc(2031, 7, 1, 12, 0) << "2031-07-01 07:00";
        QTest::newRow("an unknown zone") << "Nowhere/Atlantis" << -2 << Utc(2031, 7, 1, 12, 0) << "2031-07-01 14:00";
    }
    void datesFollowTheBirthplacesClocks()
    {
        QFETCH(QString, zone);
        QFETCH(int, hoursToUt);
        QFETCH(double, moment);
        QFETCH(QString, shown);
        BirthRecord birth;
        birth.ZoneId = zone.toStdString();
        birth.SignedZoneHours = std::int16_t(hoursToUt);
        birth.SignedZoneMinutes = std::int16_t(zone == QLatin1String("Asia/Kolkata") ? -30 : 0);
        birth.LatDegrees = 40;
        birth.LonDegrees = 74;
        QCOMPARE(places::PlaceDates(birth).text(moment), shown);
    }

    // A zone's birth has its tree's dates on the zone's clocks: summer
    // dates in London an hour ahead of UT, winter ones not.
    void aZoneBirthsTreesFollowItsZone()
    {
        Entries e = EntriesOf(Greenwich2000());
        e.ZoneId = "Europe/London";
        e.ZoneOffsetSeconds = 0;
        QVERIFY(!driver->Calculate(e));
        panel->showReading();
        switchOn();
        const ReadingRecords& r = driver->records();
        int summer = 0, winter = 0;
        // The antardashas start in every month.
        const DashaList& list = r.dashas.vimshottari;
        for (int i = 0; i < list.top; ++i)
            for (int k = 0; k < 9; ++k) {
                const double start = list.periods[std::size_t(list.periods[std::size_t(i)].first + k)].start;
                const QDateTime utc = QDateTime::fromSecsSinceEpoch(qint64(std::floor(start + 0.5)), QTimeZone::utc());
                const int ahead = QTimeZone("Europe/London").offsetFromUtc(utc);
                (ahead ? summer : winter) += 1;
                QCOMPARE(tree(0)->topLevelItem(i)->child(k)->text(1),
                         utc.addSecs(ahead).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
            }
        QVERIFY(summer > 0 && winter > 0);
        QVERIFY(text("dashasHead").contains(QStringLiteral("Europe/London")));
    }

    // In Hindi the core's words: the levels, the signs and the lines.
    void inHindi()
    {
        driver->SetLanguage(Language::Hindi);
        reading();
        switchOn();
        QVERIFY(tree(0)->topLevelItem(0)->text(0).endsWith(QStringLiteral(" महादशा")));
        QVERIFY(tree(0)->topLevelItem(0)->child(0)->text(0).endsWith(QStringLiteral(" अंतर्दशा")));
        QVERIFY(text("dashasHead").startsWith(QString::fromStdString(
            DashaLines(driver->records(), DashaDayOf(0), WordsOf(Language::Hindi))[0])));
        QVERIFY(!text("lblNakshatra_0").isEmpty());
        QVERIFY(text("lblNakshatra_0") != QString::fromStdString(NakshatraText(driver->records().dashas.nakshatras[0])));
    }

    void theSwitchIsRemembered()
    {
        reading();
        switchOn();
        QCOMPARE(ProgramSettings().value(QLatin1String(ResultsPanel::kDashasKey)).toBool(), true);
        freshPanel();
        reading();
        QVERIFY(panel->dashasShown());
        QVERIFY(Child<QCheckBox>(*panel, "chkDashas")->isChecked());
        QVERIFY(driver->records().dashas.computed);
        QCOMPARE(tree(0)->topLevelItemCount(), 9);
    }
};

QTEST_MAIN(TestResultsDashas)
#include "test_results_dashas.moc"
