// The Jaimini parts of the results panel: the karaka beside each name, the
// houses beside each aspect line, the lines under the rows and under the
// header, the navamsa switch, and the two choices kept between runs.

#include "results_panel_fixture.h"
#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "core/jaimini/jaimini_text.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"
#include "core/time_window/jaimini_window_text.h"
#include "core/time_window/time_window.h"
#include "windows/chart_view.h"
#include "windows/program_settings.h"
#include "windows/results_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

class TestResultsJaimini : public QObject, ResultsPanelFixture<UiRecorder> {
    Q_OBJECT

    QString text(const QString& name) const { return Child<QLabel>(*panel, name)->text(); }

private slots:
    void initTestCase() { useTestSettings(QStringLiteral("Rashi Drishti Jaimini panel test")); }
    void init() { setUpPanel(); }
    void cleanup() { tearDownPanel(); }

    void karakasAndHousesBesideTheUnchangedCaptions()
    {
        reading();
        const ReadingRecords& r = driver->records();
        QVERIFY(r.jaimini.computed);
        QCOMPARE(ResultCaptions(*panel), Lines(ReportLines(r.report)));
        for (int i = 0; i < kReportRows; ++i) {
            QCOMPARE(text(QStringLiteral("lblKarakas_%1").arg(i)), QString::fromStdString(KarakaTag(r, i)));
            QCOMPARE(text(QStringLiteral("lblHouses_%1").arg(i)), QString::fromStdString(HousesNote(r, i)));
            QCOMPARE(chart()->model().bodies[i].karaka, QString::fromStdString(KarakaTag(r, i)));
        }
        // The Sun at 16°31' Dhanus with Mesha rising: Mithuna, Kanya, Meena.
        QCOMPARE(text("lblHouses_0"), QStringLiteral("houses 3rd, 6th, 12th"));
        QCOMPARE(text("lblKarakas_1"), QStringLiteral("AK"));
        QVERIFY(text("jaiminiLines").contains(QStringLiteral("Arudha padas: AL Dhanus, ")));
        QCOMPARE(chart()->model().arudhaLagna, r.jaimini.arudhaPadas[0]);
        QCOMPARE(chart()->model().upapada, r.jaimini.arudhaPadas[11]);
        const QStringList window = Lines(JaiminiWindowLines(r.jaiminiWindow));
        QCOMPARE(window.size(), 2);
        QVERIFY(text("windowKarakas").startsWith(window[0].section(QStringLiteral(" (before: "), 0, 0) + "\n    before: "));
        QVERIFY(text("windowNavamsa").startsWith(window[1].section(QStringLiteral(" (before: "), 0, 0) + "\n    before: "));
        QVERIFY(text("windowNavamsa").endsWith(QStringLiteral("navamsa becomes Vrishabha")));
        // Copy Reading: the houses beside the aspect line, the karaka beside the name.
        panel->copyReading();
        const QString copied = QApplication::clipboard()->text();
        QVERIFY(copied.contains(QStringLiteral("Planet Sun aspects or has Rashi Drishti with Mithuna, Kanya, Meena. "
                                               "(houses 3rd, 6th, 12th)\n")));
        QVERIFY(copied.contains(QStringLiteral("Moon / Chandra (AK)\n")));
        QVERIFY(copied.contains(window[0]));
    }

    void theNavamsaSwitch()
    {
        reading();
        const QStringList birth = ResultCaptions(*panel);
        auto* box = Child<QCheckBox>(*panel, "chkNavamsa");
        QVERIFY(!box->accessibleName().isEmpty());
        panel->chooseBody(1);
        box->setChecked(true);
        QVERIFY(panel->navamsaShown());
        const NavamsaRecord& navamsa = driver->records().jaimini.navamsa;
        QCOMPARE(ResultCaptions(*panel), Lines(ReportLines(navamsa.report)));
        QCOMPARE(chart()->model().chartName, QStringLiteral("Navamsa (D9)"));
        QCOMPARE(chart()->model().ascendantSign, navamsa.lagna);
        QCOMPARE(chart()->model().karakamsa, driver->records().jaimini.karakas.karakamsa);
        QCOMPARE(panel->chosenBody(), 1);
        for (int i = 0; i < kReportRows; ++i)
            QCOMPARE(chart()->model().bodies[i].sign, navamsa.signs[i]);
        panel->copyReading();
        QVERIFY(QApplication::clipboard()->text().contains(QString::fromStdString(navamsa.report.lblAspects[0])));
        // The rule in force applies to the navamsa too.
        panel->useClassicalRule(true);
        QCOMPARE(ResultCaptions(*panel), Lines(ReportLines(driver->records().jaimini.navamsa.report)));
        panel->useClassicalRule(false);
        box->setChecked(false);
        QCOMPARE(ResultCaptions(*panel), birth);
        QCOMPARE(chart()->model().chartName, QStringLiteral("Rashi chart"));
    }

    // The chart's, the karakas' and the navamsa's birth-time lines stand out
    // by one rule: a change within five minutes of the birth.
    void theLinesThatMayNotHoldStandOut()
    {
        std::array<int, 4> bold{};
        int births = 0;
        for (int hour = 0; hour < 24; hour += 2, ++births) {
            Birth birth = Greenwich2000();
            birth.hour = hour;
            birth.minute = (7 * hour) % 60;
            reading(birth);
            const std::vector<bool> near = LinesChangingNear(driver->records().window, driver->records().jaiminiWindow);
            QCOMPARE(near.size(), std::size_t(4));
            const char* const names[] = {"windowReading", "windowChart", "windowKarakas", "windowNavamsa"};
            for (std::size_t i = 0; i < 4; ++i) {
                auto* line = Child<QLabel>(*panel, names[i]);
                QCOMPARE(line->font().bold(), bool(near[i]));
                QCOMPARE(line->palette().color(QPalette::WindowText) == QColor(255, 255, 96), bool(near[i]));
                bold[i] += near[i];
            }
        }
        QCOMPARE(bold[0], 0);
        // The navamsa lagna moves every seven to twenty minutes: some births near a change, some not.
        QVERIFY2(bold[3] > 0 && bold[3] < births, qPrintable(QStringLiteral("%1 of %2").arg(bold[3]).arg(births)));
    }

    void theChoicesAreAppliedAndRemembered()
    {
        reading();
        const QString padas = text("jaiminiLines");
        panel->useSevenKarakas(true);
        QCOMPARE(driver->records().jaimini.karakas.scheme, 7);
        QCOMPARE(text("lblKarakas_7"), QString()); // Rahu is no karaka of seven
        QVERIFY(text("jaiminiLines").startsWith(QStringLiteral("Chara karakas (7) by the precise positions: ")));
        panel->useArudhaExceptions(false);
        QVERIFY(text("jaiminiLines") != padas);
        QCOMPARE(ProgramSettings().value(QLatin1String(ResultsPanel::kKarakasKey)).toInt(), 7);
        QCOMPARE(ProgramSettings().value(QLatin1String(ResultsPanel::kArudhaExceptionsKey)).toBool(), false);

        // The next run starts with them.
        freshPanel();
        reading();
        QCOMPARE(panel->jaiminiChoices(), (JaiminiChoices{7, false}));
        QCOMPARE(driver->records().jaimini.choices, (JaiminiChoices{7, false}));
        QVERIFY(text("jaiminiLines").startsWith(QStringLiteral("Chara karakas (7) by the precise positions: ")));
    }
};

QTEST_MAIN(TestResultsJaimini)
#include "test_results_jaimini.moc"
