// The day's strip under the diagram: choosing a slice by mouse or keyboard
// says what would differ, in the accessible description and in the panel's
// line under the strip; hovering says the same in a tooltip.

#include "ui_helpers.h"
#include "recording_dialogs.h"

#include "core/reading/calculation_driver.h"
#include "core/time_window/day_slices.h"
#include "drawing/day_strip_painter.h"
#include "windows/day_strip_view.h"
#include "windows/results_panel.h"
#include "tests/core/fixtures.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using namespace rashi;
using namespace rashi::testing;

namespace {

DaySlicesRecord DayOf(const Entries& entries)
{
    CalculationDriver driver;
    driver.setWithDay(true);
    if (driver.Calculate(entries))
        return {};
    return driver.records().day;
}

} // namespace

class TestDayStripView : public QObject {
    Q_OBJECT
    DaySlicesRecord day_ = DayOf(PuneBirth(14, 8, 1987, 6, 30));

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void clickingASliceSaysWhatDiffers()
    {
        QVERIFY(day_.slices.size() >= 10);
        DayStripView view;
        view.resize(720, view.sizeHint().height());
        view.setDay(day_);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.accessibleName(), QStringLiteral("Chart through the day"));
        QSignalSpy said(&view, &DayStripView::sliceChosen);

        const DayStripLayout layout = DayStripLayoutOf(QRectF(view.rect()).adjusted(1, 1, -1, -1), view.font());
        for (const int slice : {0, 3, int(day_.slices.size()) - 1}) {
            const DaySlice& s = day_.slices[slice];
            const double x = DayStripX(layout.bar, day_, (s.first + s.last + 1) / 2.0);
            QTest::mouseClick(&view, Qt::LeftButton, {}, QPointF(x, layout.bar.center().y()).toPoint());
            QCOMPARE(view.chosenSlice(), slice);
            const QString text = QString::fromStdString(DaySliceText(day_, s));
            QCOMPARE(view.accessibleDescription(), text);
            QCOMPARE(said.last().at(0).toString(), text);
        }
        QCOMPARE(view.sliceAt(QPointF(0, 0)), -1);
    }

    void keysStepThroughTheSlices()
    {
        DayStripView view;
        view.resize(720, view.sizeHint().height());
        view.setDay(day_);
        view.show();
        view.setFocus();
        const int given = DaySliceAt(day_, day_.birthMinute);
        QCOMPARE(view.chosenSlice(), -1);
        QTest::keyClick(&view, Qt::Key_Right); // the first step: the given time's slice
        QCOMPARE(view.chosenSlice(), given);
        QVERIFY(view.accessibleDescription().endsWith(QStringLiteral("the same chart")));
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.chosenSlice(), given + 1);
        QVERIFY(view.accessibleDescription().contains(QStringLiteral("lagna ")));
        QTest::keyClick(&view, Qt::Key_Home);
        QTest::keyClick(&view, Qt::Key_Left); // stays at the first
        QCOMPARE(view.chosenSlice(), 0);
        QTest::keyClick(&view, Qt::Key_End);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.chosenSlice(), int(day_.slices.size()) - 1);
        view.setDay(DaySlicesRecord{}); // a new reading with no day chooses none
        QCOMPARE(view.chosenSlice(), -1);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(view.chosenSlice(), -1);
    }

    void thePanelShowsTheChosenSlice()
    {
        CalculationDriver driver;
        RecordingDialogs dialogs;
        ResultsPanel panel(driver, dialogs);
        QVERIFY(!driver.Calculate(PuneBirth(14, 8, 1987, 6, 30)));
        panel.showReading();
        panel.show();
        auto* strip = panel.findChild<DayStripView*>(QStringLiteral("dayStrip"));
        auto* line = panel.findChild<QLabel*>(QStringLiteral("daySlice"));
        QVERIFY(strip && line);
        QVERIFY(strip->isVisible());
        QCOMPARE(strip->day().slices, day_.slices);
        strip->chooseSlice(2);
        QCOMPARE(line->text(), strip->sliceText(2));
        // The next reading starts with none chosen.
        QVERIFY(!driver.Calculate(PuneBirth(15, 8, 1987, 6, 30)));
        panel.showReading();
        QCOMPARE(strip->chosenSlice(), -1);
        QVERIFY(!line->text().contains(QStringLiteral("lagna")));
    }
};

QTEST_MAIN(TestDayStripView)
#include "test_day_strip_view.moc"
