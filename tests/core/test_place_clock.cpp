// The birth-time window and the day's strip on the place's clock across a
// change of offset: clocks going forward and back, in the spring and autumn
// of both hemispheres, with the changes a zone clock hands the driver.

#include "core/reading/calculation_driver.h"
#include "core/time_window/day_slices.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/place_clock.h"
#include "core/time_window/window_text.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

constexpr int kHour = 3600;

// A clock that changed once, at a moment of UT, from one offset to another.
class OneChange : public ZoneClock {
public:
    OneChange(CivilMoment utc, int before, int after) : at_(SecondOfMoment(utc)), before_(before), after_(after) {}
    std::vector<ClockOffset> OffsetsAround(const BirthRecord&, long long from, long long until) const override {
        std::vector<ClockOffset> offsets{{from, from < at_ ? before_ : after_}};
        if (at_ > from && at_ < until) offsets.push_back({at_, after_});
        return offsets;
    }
    int OffsetAtClock(const CivilMoment& local) const {
        // The later offset where both could be: the tests give unambiguous times.
        return SecondOfMoment(local) - after_ >= at_ ? after_ : before_;
    }

private:
    long long at_;
    int before_, after_;
};

struct ChangeCase {
    const char* name;
    CivilMoment changeUtc;
    int before, after;    // offsets east, seconds
    const char* latitude; // degrees north, negative south
    const char* longitude;
    const char* zoneId;
};

// London and New York forward and back, Sydney and Santiago the other way
// round in the year (their spring is October).
const ChangeCase kChanges[] = {
    {"London forward 1985", {1985, 3, 31, 1, 0}, 0, kHour, "51", "0", "Europe/London"},
    {"London back 1985", {1985, 10, 27, 1, 0}, kHour, 0, "51", "0", "Europe/London"},
    {"New York forward 2010", {2010, 3, 14, 7, 0}, -5 * kHour, -4 * kHour, "40", "-74", "America/New_York"},
    {"New York back 2010", {2010, 11, 7, 6, 0}, -4 * kHour, -5 * kHour, "40", "-74", "America/New_York"},
    {"Sydney back 2010", {2010, 4, 3, 16, 0}, 11 * kHour, 10 * kHour, "-33", "151", "Australia/Sydney"},
    {"Sydney forward 2010", {2010, 10, 2, 16, 0}, 10 * kHour, 11 * kHour, "-33", "151", "Australia/Sydney"},
    {"Santiago forward 1999", {1999, 10, 10, 4, 0}, -4 * kHour, -3 * kHour, "-33", "-70", "America/Santiago"},
};

Entries EntriesAt(const ChangeCase& c, const CivilMoment& local, int offset) {
    Entries e = testing::PuneBirth(local.day, local.month, local.year, local.hour, local.minute);
    const std::string lat = c.latitude, lon = c.longitude;
    e.South = lat[0] == '-';
    e.North = !e.South;
    e.LatDeg = e.South ? lat.substr(1) : lat;
    e.West = lon[0] == '-';
    e.East = !e.West;
    e.LonDeg = e.West ? lon.substr(1) : lon;
    e.LonMin = "0";
    e.ZoneId = c.zoneId;
    e.ZoneOffsetSeconds = offset;
    return e;
}

ReadingRecords Reading(const Entries& e, const ZoneClock* clock, bool window, bool day = false, bool jaimini = false) {
    CalculationDriver driver;
    driver.setZoneClock(clock);
    driver.setWithWindow(window);
    driver.setWithDay(day);
    driver.setWithJaimini(jaimini);
    EXPECT_FALSE(driver.Calculate(e));
    return driver.records();
}

// Each edge is a time the place's clock showed, a birth given at that clock
// time (at the offset the edge names) is the edge's moment and has the
// birth's signs, and the clock time one minute beyond has other signs.
void ExpectEdgesOnTheClock(const ChangeCase& c, const OneChange& clock, const ReadingRecords& records) {
    const TimeWindowRecord& w = records.window;
    ASSERT_TRUE(w.computed);
    const int own = *records.birth.ExactOffsetSeconds;
    const long long birthUtc = BirthUtcSecond(records.birth);
    const auto birthSigns = testing::SignsOfReading(records);
    for (const auto& [edge, direction, chart] :
         {std::tuple{&w.reading.from, -1, false}, std::tuple{&w.reading.until, 1, false},
          std::tuple{&w.chart.from, -1, true}, std::tuple{&w.chart.until, 1, true}}) {
        SCOPED_TRACE(EdgeClockText(*edge));
        const CivilMoment shown{edge->year, edge->month, edge->day, edge->hour, edge->minute};
        const auto moments = MomentsOfClock(records.clock, own, SecondOfMoment(shown));
        ASSERT_FALSE(moments.empty()) << "a clock time that never was";
        EXPECT_EQ(edge->repeated, moments.size() == 2);
        const long long edgeUtc = birthUtc + edge->minutes * 60LL;
        EXPECT_NE(std::find(moments.begin(), moments.end(), edgeUtc), moments.end());
        if (!edge->repeated) {
            EXPECT_EQ(edge->offsetSeconds, clock.OffsetAtClock(shown));
        }
        const ReadingRecords there = Reading(EntriesAt(c, shown, edge->offsetSeconds), nullptr, false);
        EXPECT_EQ(BirthUtcSecond(there.birth), edgeUtc);
        const auto signs = testing::SignsOfReading(there);
        EXPECT_TRUE(std::equal(signs.begin(), signs.begin() + (chart ? kReportRows + 1 : kReportRows), birthSigns.begin()));
        if (edge->limit != WindowLimit::Change) continue;
        const ClockReading beyond = ReadClock(records.clock, own, edgeUtc + direction * 60);
        const ReadingRecords next = Reading(EntriesAt(c, beyond.local, beyond.offsetSeconds), nullptr, false);
        const auto nextSigns = testing::SignsOfReading(next);
        EXPECT_FALSE(std::equal(nextSigns.begin(), nextSigns.begin() + (chart ? kReportRows + 1 : kReportRows),
                                birthSigns.begin()));
    }
}

// Births every 17 minutes from a day before each change to a day after: the
// edges of every window that reaches over a change are clock times the place
// showed, and read back to the same signs.
TEST(PlaceClock, WindowEdgesAreThePlacesClockAcrossChanges) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.name);
        const OneChange clock(c.changeUtc, c.before, c.after);
        int across = 0;
        for (int minutes = -1440; minutes <= 1440; minutes += 17) {
            const long long utc = SecondOfMoment(c.changeUtc) + minutes * 60LL;
            const int offset = minutes < 0 ? c.before : c.after;
            const CivilMoment local = ShiftMoment(c.changeUtc, minutes + offset / 60);
            SCOPED_TRACE(::testing::Message() << "birth " << local.year << "-" << local.month << "-" << local.day << " "
                                              << local.hour << ":" << local.minute);
            const ReadingRecords records = Reading(EntriesAt(c, local, offset), &clock, true);
            ASSERT_EQ(BirthUtcSecond(records.birth), utc);
            ASSERT_FALSE(records.clock.offsets.empty());
            ExpectEdgesOnTheClock(c, clock, records);
            const auto crosses = [&](const WindowEdge& edge) {
                return (utc + edge.minutes * 60LL < SecondOfMoment(c.changeUtc)) != (minutes < 0);
            };
            across += crosses(records.window.chart.from) || crosses(records.window.chart.until);
        }
        EXPECT_GT(across, 3) << "too few windows reach over the change to tell";
    }
}

// The karakas' and the navamsa's windows give their edges on the same clock:
// each a time the place showed, at the moment the edge stands for.
TEST(PlaceClock, JaiminiWindowEdgesAreThePlacesClock) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.name);
        const OneChange clock(c.changeUtc, c.before, c.after);
        for (int minutes = -600; minutes <= 600; minutes += 61) {
            const int offset = minutes < 0 ? c.before : c.after;
            const CivilMoment local = ShiftMoment(c.changeUtc, minutes + offset / 60);
            const ReadingRecords records = Reading(EntriesAt(c, local, offset), &clock, true, false, true);
            const JaiminiWindowRecord& w = records.jaiminiWindow;
            ASSERT_TRUE(w.computed);
            for (const WindowEdge* edge : {&w.karakas.from, &w.karakas.until, &w.navamsa.from, &w.navamsa.until}) {
                SCOPED_TRACE(EdgeClockText(*edge));
                const CivilMoment shown{edge->year, edge->month, edge->day, edge->hour, edge->minute};
                const auto moments = MomentsOfClock(records.clock, offset, SecondOfMoment(shown));
                const long long edgeUtc = BirthUtcSecond(records.birth) + edge->minutes * 60LL;
                EXPECT_NE(std::find(moments.begin(), moments.end(), edgeUtc), moments.end());
            }
        }
    }
}

// The examples that were an hour off: each edge read back at the clock time
// it names.
TEST(PlaceClock, EdgesOfTheKnownCases) {
    struct Row {
        int change; // into kChanges
        const char* longitude;
        CivilMoment birth;
        int offset;
        const char* edgeText; // the chart's edge that lies over the change
        bool until;
    };
    const Row rows[] = {
        // At the birth's own offset: 01:10 (which London skipped), 02:30
        // (which New York skipped), 03:20 (an hour after the change).
        {0, "0", {1985, 3, 30, 23, 0}, 0, "1985-03-31 02:10", true},
        {2, "-74", {2010, 3, 14, 3, 30}, -4 * kHour, "2010-03-14 01:30", false},
        {3, "-74", {2010, 11, 7, 1, 20}, -4 * kHour, "2010-11-07 02:20", true},
        // The repeated hour, the second time round and the first.
        {3, "-60", {2010, 11, 7, 1, 20}, -4 * kHour, "2010-11-07 01:24 UTC-5:00", true},
        {3, "-81", {2010, 11, 7, 1, 20}, -4 * kHour, "2010-11-07 01:17 UTC-4:00", false},
    };
    for (const Row& row : rows) {
        ChangeCase c = kChanges[row.change];
        c.longitude = row.longitude;
        SCOPED_TRACE(::testing::Message() << c.name << " at " << row.longitude);
        const OneChange clock(c.changeUtc, c.before, c.after);
        const ReadingRecords records = Reading(EntriesAt(c, row.birth, row.offset), &clock, true);
        const WindowEdge& edge = row.until ? records.window.chart.until : records.window.chart.from;
        EXPECT_EQ(EdgeClockText(edge), row.edgeText);
        ExpectEdgesOnTheClock(c, clock, records);
    }
}

// Without a zone clock, or with a zone row and no exact offset, the birth's
// own offset holds throughout, as before.
TEST(PlaceClock, OnlyAnExactZoneFollowsTheClock) {
    const ChangeCase& c = kChanges[0];
    const OneChange clock(c.changeUtc, c.before, c.after);
    const Entries exact = EntriesAt(c, {1985, 3, 30, 23, 0}, 0);
    Entries row = exact;
    row.ZoneId.clear();
    row.ZoneOffsetSeconds.reset();
    row.ZoneRow = 29; // Greenwich
    EXPECT_TRUE(Reading(exact, nullptr, true).clock.offsets.empty());
    EXPECT_TRUE(Reading(row, &clock, true).clock.offsets.empty());
    EXPECT_FALSE(Reading(exact, &clock, true).clock.offsets.empty());
    EXPECT_EQ(Reading(exact, nullptr, true).window.chart.until.hour, 1);
    EXPECT_EQ(Reading(row, &clock, true).window.chart.until.hour, 1);
    // A clock that disagrees with the birth's own offset is not used.
    const Entries other = EntriesAt(c, {1985, 3, 30, 23, 0}, 1800);
    EXPECT_TRUE(Reading(other, &clock, true).clock.offsets.empty());
}

// Reading a clock: times skipped and repeated, told by how often the clock
// showed them.
TEST(PlaceClock, ReadsAndFindsClockTimes) {
    const PlaceClockRecord clock{{{0, -4 * kHour}, {SecondOfMoment({2010, 11, 7, 6, 0}), -5 * kHour}}};
    const int own = -4 * kHour;
    struct Row {
        CivilMoment local;
        std::size_t moments;
    };
    const Row rows[] = {
        {{2010, 11, 7, 0, 59}, 1},
        {{2010, 11, 7, 1, 0}, 2},
        {{2010, 11, 7, 1, 59}, 2},
        {{2010, 11, 7, 2, 0}, 1},
    };
    for (const Row& row : rows) {
        const auto moments = MomentsOfClock(clock, own, SecondOfMoment(row.local));
        ASSERT_EQ(moments.size(), row.moments) << row.local.hour << ":" << row.local.minute;
        for (const long long at : moments) {
            const ClockReading reading = ReadClock(clock, own, at);
            EXPECT_EQ(reading.local, row.local);
            EXPECT_EQ(reading.repeated, row.moments == 2);
        }
    }
    const PlaceClockRecord spring{{{0, -5 * kHour}, {SecondOfMoment({2010, 3, 14, 7, 0}), -4 * kHour}}};
    EXPECT_TRUE(MomentsOfClock(spring, own, SecondOfMoment({2010, 3, 14, 2, 30})).empty());
    EXPECT_EQ(FirstMomentShowing(spring, own, SecondOfMoment({2010, 3, 14, 2, 30})), SecondOfMoment({2010, 3, 14, 7, 0}));
    EXPECT_EQ(ReadClock(spring, own, SecondOfMoment({2010, 3, 14, 7, 0})).local, (CivilMoment{2010, 3, 14, 3, 0}));
    EXPECT_EQ(ReadClock(spring, own, SecondOfMoment({2010, 3, 14, 6, 59})).local, (CivilMoment{2010, 3, 14, 1, 59}));
    // Without changes, the birth's own offset.
    EXPECT_EQ(ReadClock({}, 19800, SecondOfMoment({2000, 1, 1, 0, 0})).local, (CivilMoment{2000, 1, 1, 5, 30}));
}

// The day the clocks changed is 23 or 25 hours of the place's clock: its
// strip covers them all, its hours as the clock showed them, and each slice's
// times as the clock showed them then.
TEST(PlaceClock, TheDayFollowsTheClock) {
    struct Row {
        int change;
        CivilMoment birth;
        int offset;
        int length;
        std::vector<int> hours; // the hours the clock showed, in order
    };
    std::vector<int> all;
    for (int h = 0; h <= 24; ++h) all.push_back(h);
    std::vector<int> forward = all, back = all;
    forward.erase(forward.begin() + 1); // London's 01:00 never showed
    back.insert(back.begin() + 1, 1);   // London's 01:00 twice
    std::vector<int> newYorkForward = all, newYorkBack = all;
    newYorkForward.erase(newYorkForward.begin() + 2);
    newYorkBack.insert(newYorkBack.begin() + 1, 1);
    std::vector<int> sydneyBack = all;
    sydneyBack.insert(sydneyBack.begin() + 2, 2);
    const Row rows[] = {
        {0, {1985, 3, 31, 12, 0}, kHour, 1380, forward},
        {1, {1985, 10, 27, 12, 0}, 0, 1500, back},
        {2, {2010, 3, 14, 12, 0}, -4 * kHour, 1380, newYorkForward},
        {3, {2010, 11, 7, 12, 0}, -5 * kHour, 1500, newYorkBack},
        {4, {2010, 4, 4, 12, 0}, 10 * kHour, 1500, sydneyBack},
        {4, {2010, 4, 5, 12, 0}, 10 * kHour, 1440, all},
    };
    for (const Row& row : rows) {
        const ChangeCase& c = kChanges[row.change];
        SCOPED_TRACE(::testing::Message() << c.name << " day " << row.birth.day);
        const OneChange clock(c.changeUtc, c.before, c.after);
        const ReadingRecords records = Reading(EntriesAt(c, row.birth, row.offset), &clock, false, true);
        const DaySlicesRecord& day = records.day;
        ASSERT_TRUE(day.computed);
        EXPECT_EQ(day.length, row.length);
        EXPECT_EQ(day.slices.back().last, day.length - 1);
        EXPECT_EQ(DayClockText(day, day.birthMinute), "12:00");
        std::vector<int> hours;
        for (const auto& [minute, hour] : DayHours(day)) {
            hours.push_back(hour);
            // The clock at that minute reads the hour, at the offset then.
            EXPECT_EQ(DayClockMinute(day, minute), hour * 60);
            const long long utc = BirthUtcSecond(records.birth) + (minute - day.birthMinute) * 60LL;
            EXPECT_EQ(DayClockOffset(day, minute), ReadClock(records.clock, row.offset, utc).offsetSeconds);
        }
        EXPECT_EQ(hours, row.hours);
        // Every slice's first minute is the clock time a birth then would be given at.
        for (const DaySlice& slice : day.slices) {
            const long long utc = BirthUtcSecond(records.birth) + (slice.first - day.birthMinute) * 60LL;
            const ClockReading reading = ReadClock(records.clock, row.offset, utc);
            EXPECT_EQ(DayClockMinute(day, slice.first), reading.local.hour * 60 + reading.local.minute);
            const std::string text = DaySliceText(day, slice);
            EXPECT_EQ(text.find(" UTC") != std::string::npos && text.find(" UTC") < 12, reading.repeated) << text;
        }
    }
}

} // namespace
} // namespace rashi
