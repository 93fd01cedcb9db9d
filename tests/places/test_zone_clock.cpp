// The places' clocks the driver is handed, from the tz database: the window's
// edges and the day's strip across real changes of daylight saving, in both
// hemispheres, read back through the same zone as a birth given at them.

#include "places/birth_zone.h"
#include "places/zone_clock.h"

#include "atlas_fixture.h"
#include "core/entries/entry_lists.h"
#include "tests/core/fixtures.h"
#include "core/reading/calculation_driver.h"
#include "core/time_window/day_slices.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/window_text.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

namespace rashi::places {
namespace {

constexpr int kHour = 3600;

// The entries at a clock time, the repeated hour's offset chosen as given.
std::optional<Entries> AtClock(Entries e, const CivilMoment& local, std::optional<int> offset = {}) {
    e.YearPosition = local.year - 1901;
    e.MonthPosition = local.month - 1;
    e.DatePosition = local.day - 1;
    e.HourPosition = local.hour;
    e.MinutePosition = local.minute;
    const ZoneMoment moment = BirthZoneMoment(e);
    if (moment.clock == ClockTime::Repeated && offset) {
        const RepeatedTime which = moment.offset.seconds == *offset ? RepeatedTime::First : RepeatedTime::Second;
        if (ApplyZone(e, which)) return std::nullopt;
        return e;
    }
    if (ApplyZone(e)) return std::nullopt;
    return e;
}

ReadingRecords Reading(const Entries& e, bool window, bool day = false) {
    CalculationDriver driver;
    driver.setZoneClock(&TheZoneClock());
    driver.setWithWindow(window);
    driver.setWithDay(day);
    EXPECT_FALSE(driver.Calculate(e));
    return driver.records();
}

struct Change {
    const char* name;
    const char* place;
    CivilMoment firstBirth; // clock time, before the change
    int births;             // one every 23 minutes from it
};

// Five changes at their edges: both hemispheres, forward and back.
const Change kChanges[] = {
    {"London forward 1985", "London", {1985, 3, 30, 20, 0}, 24},
    {"New York forward 2010", "New York City", {2010, 3, 13, 23, 0}, 24},
    {"New York back 2010", "New York City", {2010, 11, 6, 22, 0}, 24},
    {"Sydney back 2010", "Sydney", {2010, 4, 3, 23, 0}, 24},
    {"Santiago forward 1999", "Santiago", {1999, 10, 9, 20, 0}, 24},
};

// Every edge is a clock time the place showed, given at that time (the
// repeated hour's offset as the edge names it) is a birth of the birth's
// signs, and the clock time one minute beyond is one of other signs.
TEST(ZoneClock, WindowEdgesReadBackThroughTheZone) {
    for (const Change& c : kChanges) {
        SCOPED_TRACE(c.name);
        int acrossChange = 0;
        for (int n = 0; n < c.births; ++n) {
            const CivilMoment local = ShiftMoment(c.firstBirth, 23 * n);
            const std::optional<Entries> birth = AtClock(BirthAt(c.place, local.year, local.month, local.day), local);
            if (!birth) continue; // a clock time the place skipped
            const ReadingRecords records = Reading(*birth, true);
            ASSERT_FALSE(records.clock.offsets.empty());
            acrossChange += records.clock.offsets.size() > 1;
            const auto signs = rashi::testing::SignsOfReading(records);
            const TimeWindowRecord& w = records.window;
            for (const auto& [edge, direction, chart] :
                 {std::tuple{&w.reading.from, -1, false}, std::tuple{&w.reading.until, 1, false},
                  std::tuple{&w.chart.from, -1, true}, std::tuple{&w.chart.until, 1, true}}) {
                SCOPED_TRACE(EdgeClockText(*edge));
                const std::size_t compared = chart ? kReportRows + 1 : kReportRows;
                const CivilMoment shown{edge->year, edge->month, edge->day, edge->hour, edge->minute};
                const std::optional<Entries> there = AtClock(*birth, shown, edge->offsetSeconds);
                ASSERT_TRUE(there) << "the place's clock never showed it";
                EXPECT_EQ(BirthZoneMoment(*there).clock == ClockTime::Repeated, edge->repeated);
                EXPECT_EQ(*there->ZoneOffsetSeconds, edge->offsetSeconds);
                const auto thereSigns = rashi::testing::SignsOfReading(Reading(*there, false));
                EXPECT_TRUE(std::equal(thereSigns.begin(), thereSigns.begin() + compared, signs.begin()));
                if (edge->limit != WindowLimit::Change) continue;
                const ClockReading beyond = ReadClock(records.clock, *records.birth.ExactOffsetSeconds,
                                                      BirthUtcSecond(records.birth) + (edge->minutes + direction) * 60LL);
                const std::optional<Entries> next = AtClock(*birth, beyond.local, beyond.offsetSeconds);
                ASSERT_TRUE(next);
                const auto nextSigns = rashi::testing::SignsOfReading(Reading(*next, false));
                EXPECT_FALSE(std::equal(nextSigns.begin(), nextSigns.begin() + compared, signs.begin()));
            }
        }
        EXPECT_GT(acrossChange, 10);
    }
}

// The offsets handed over: the zone's changes, and the birthplace's mean
// time where the zone's record is a mean time.
TEST(ZoneClock, OffsetsAroundABirth) {
    const Entries london = *AtClock(BirthAt("London", 1985, 3, 30), {1985, 3, 30, 23, 0});
    const ReadingRecords records = Reading(london, true);
    const long long change = SecondOfMoment({1985, 3, 31, 1, 0});
    ASSERT_EQ(records.clock.offsets.size(), 2u);
    EXPECT_EQ(records.clock.offsets[0].offsetSeconds, 0);
    EXPECT_EQ(records.clock.offsets[1], (ClockOffset{change, kHour}));
    // Pangai in 1930: its own mean time (174°21′ W, not Nuku'alofa's
    // 175°12′), on Asia's date, all week.
    const Entries tonga = *AtClock(BirthAt("Pangai", 1930, 6, 1), {1930, 6, 1, 12, 0});
    const ReadingRecords there = Reading(tonga, true);
    ASSERT_EQ(there.clock.offsets.size(), 1u);
    EXPECT_EQ(there.clock.offsets[0].offsetSeconds, *tonga.ZoneOffsetSeconds);
    EXPECT_EQ(there.window.reading.until.offsetSeconds, 12 * kHour + 22 * 60 + 36);
    // No zone id: no clock.
    Entries byHand = london;
    byHand.ZoneId.clear();
    byHand.ZoneOffsetSeconds.reset();
    EXPECT_TRUE(Reading(byHand, true).clock.offsets.empty());
}

// The day London's clocks went forward has 23 hours, the day they went back
// 25; the strip's hours are the clock's.
TEST(ZoneClock, TheDayOfAChange) {
    const struct {
        const char* place;
        CivilMoment birth;
        int length;
        int skippedOrRepeatedHour; // -1 none
    } rows[] = {
        {"London", {1985, 3, 31, 12, 0}, 1380, 1},
        {"London", {1985, 10, 27, 12, 0}, 1500, 1},
        {"Sydney", {2010, 4, 4, 12, 0}, 1500, 2},
        {"Sydney", {2010, 10, 3, 12, 0}, 1380, 2},
        {"Sydney", {2010, 10, 4, 12, 0}, 1440, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.place << " " << row.birth.month);
        const ReadingRecords records = Reading(*AtClock(BirthAt(row.place, row.birth.year, row.birth.month, row.birth.day), row.birth), false, true);
        const DaySlicesRecord& day = records.day;
        EXPECT_EQ(day.length, row.length);
        EXPECT_EQ(DayClockText(day, day.birthMinute), "12:00");
        int count = 0;
        for (const auto& [minute, hour] : DayHours(day)) count += hour == row.skippedOrRepeatedHour;
        EXPECT_EQ(count, row.length == 1440 ? 0 : row.length == 1380 ? 0 : 2);
        EXPECT_EQ(DayHours(day).size(), static_cast<std::size_t>(row.length / 60 + 1));
    }
}

} // namespace
} // namespace rashi::places
