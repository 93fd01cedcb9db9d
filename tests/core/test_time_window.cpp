// The window of clock time in which the signs stay, checked against a scan of
// every minute, and the quick positions it steps by against whole readings.

#include "core/aspects/rashi_drishti.h"
#include "core/reading/calculation_driver.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/time_window.h"
#include "core/time_window/window_text.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace rashi {
namespace {

// A random birth: any year the program offers, latitudes to 72° either side.
Entries RandomBirth(std::mt19937& random, int maxLatitude = 72) {
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    Entries e = testing::PuneBirth(pick(1, 28), pick(1, 12), pick(1901, 2050), pick(0, 23), pick(0, 59));
    e.ZoneRow = pick(0, kTimeZoneCount - 1);
    e.LatDeg = std::to_string(pick(0, maxLatitude));
    e.LatMin = std::to_string(pick(0, 59));
    e.LonDeg = std::to_string(pick(0, 179));
    e.North = pick(0, 1) == 1;
    e.South = !e.North;
    e.East = pick(0, 1) == 1;
    e.West = !e.East;
    return e;
}

ReadingRecords ReadingOf(const Entries& entries, Ephemeris ephemeris, AspectRuleChoice rule, bool window = true) {
    CalculationDriver driver;
    driver.setEphemeris(ephemeris);
    driver.SetRule(rule);
    driver.setWithWindow(window);
    EXPECT_FALSE(driver.Calculate(entries));
    return driver.records();
}

std::array<int, kReportRows + 1> Signs(MomentPositions& positions, int minutes) {
    std::array<int, kReportRows + 1> signs{};
    const auto bodies = positions.Bodies(minutes);
    for (int i = 0; i < kReportRows; ++i) signs[i] = SignOfLongitude(bodies[i]);
    signs[kAscendantBody] = SignOfLongitude(positions.Ascendant(minutes));
    return signs;
}

// The quick positions are the whole reading's numbers, to the last bit, at
// minutes across days, years and both ephemerides.
TEST(MomentPositions, AreTheWholeReadingsNumbers) {
    std::mt19937 random(7);
    for (const Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise}) {
        for (int birth = 0; birth < 12; ++birth) {
            ReadingRecords records = ReadingOf(RandomBirth(random), ephemeris, AspectRuleChoice::Ours, false);
            MomentPositions positions(records.birth, ephemeris);
            for (const int minutes : {0, 1, -1, 59, -61, 1439, -1440, 4320, -4320}) {
                ReadingRecords shifted = records;
                shifted.birth = positions.Shifted(minutes);
                RunEngines(shifted);
                const auto& whole = shifted.positions.SiderealLongitudes;
                if (ephemeris == Ephemeris::Formulas) {
                    EXPECT_EQ(positions.Bodies(minutes), whole) << minutes;
                } else {
                    // The full series exactly; read between them, within a
                    // thousandth of an arcsecond and in the same signs.
                    EXPECT_EQ(positions.ExactBodies(minutes), whole) << minutes;
                    const auto read = positions.Bodies(minutes);
                    for (int i = 0; i < kReportRows; ++i) {
                        EXPECT_NEAR(read[i], whole[i], 0.001 / 3600) << minutes << " " << i;
                        EXPECT_EQ(SignOfLongitude(read[i]), SignOfLongitude(whole[i])) << minutes << " " << i;
                    }
                }
                EXPECT_EQ(positions.Ascendant(minutes), shifted.ascendant.SiderealLongitude) << minutes;
                for (int i = 0; i < kReportRows; ++i)
                    EXPECT_EQ(SignOfLongitude(shifted.positions.SiderealLongitudes[i]),
                              SignOfPosition(shifted.positions.PlanetPositions[i]));
            }
        }
    }
}

// No body moves faster than its bound: speeds over an hour, sampled through
// the whole range of years.
TEST(TimeWindow, BodiesKeepWithinTheirSpeedBounds) {
    const BirthRecord start = testing::BirthAt(1, 1, 1901, 0, 0, 0, 0);
    for (const Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise}) {
        MomentPositions positions(start, ephemeris);
        const int every = ephemeris == Ephemeris::Formulas ? 29 * 60 + 13 : 67 * 1440 + 77;
        std::array<double, kReportRows> fastest{};
        for (int minutes = 0; minutes < 150 * 525949 - 60; minutes += every) {
            // The full series: moments weeks apart would each cost a day's fit.
            const bool precise = ephemeris == Ephemeris::Precise;
            const auto a = precise ? positions.ExactBodies(minutes) : positions.Bodies(minutes);
            const auto b = precise ? positions.ExactBodies(minutes + 60) : positions.Bodies(minutes + 60);
            for (int i = 0; i < kReportRows; ++i) {
                double moved = std::fabs(b[i] - a[i]);
                if (moved > 180) moved = 360 - moved;
                fastest[i] = std::max(fastest[i], moved * 24);
            }
        }
        for (int i = 0; i < kReportRows; ++i) {
            EXPECT_LT(fastest[i], kBodySpeedBounds[i]) << i;
            EXPECT_GT(fastest[i], 0.6 * kBodySpeedBounds[i]) << "bound " << i << " far too loose";
        }
    }
}

TEST(TimeWindow, AscendantBoundHoldsAndGivesWayNearThePoles) {
    for (const double latitude : {0.0, 30.0, -45.0, 55.0, 62.0, -64.0}) {
        const auto bound = AscendantSpeedBound(latitude);
        ASSERT_TRUE(bound) << latitude;
        BirthRecord b = testing::BirthAt(1, 3, 1990, 0, 0, 0, 0);
        b.LatDegrees = static_cast<std::int16_t>(std::fabs(latitude));
        b.LatSouth = latitude < 0;
        for (const Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise}) {
            MomentPositions positions(b, ephemeris);
            double previous = positions.Ascendant(0);
            for (int minutes = 1; minutes <= 1440; ++minutes) {
                const double now = positions.Ascendant(minutes);
                double moved = std::fabs(now - previous);
                if (moved > 180) moved = 360 - moved;
                EXPECT_LE(moved, *bound) << latitude << " at minute " << minutes;
                previous = now;
            }
        }
    }
    for (const double latitude : {66.0, 70.0, -80.0, 90.0}) EXPECT_FALSE(AscendantSpeedBound(latitude)) << latitude;
}

// The window against a scan of every minute: inside, every minute has the
// birth's signs; one minute beyond a changing edge differs, as the edge says.
void CheckAgainstScan(const ReadingRecords& records) {
    const TimeWindowRecord& w = records.window;
    ASSERT_TRUE(w.computed);
    MomentPositions positions(records.birth, records.ephemeris);
    const auto birth = Signs(positions, 0);
    const auto sameReading = [&](const std::array<int, kReportRows + 1>& s) {
        return std::equal(s.begin(), s.begin() + kReportRows, birth.begin());
    };
    EXPECT_LE(w.reading.from.minutes, w.chart.from.minutes);
    EXPECT_GE(w.reading.until.minutes, w.chart.until.minutes);
    EXPECT_GE(w.reading.until.minutes, 0);
    EXPECT_LE(w.reading.from.minutes, 0);
    for (int m = w.reading.from.minutes; m <= w.reading.until.minutes; ++m) {
        const auto s = Signs(positions, m);
        ASSERT_TRUE(sameReading(s)) << "minute " << m;
        const bool inChart = m >= w.chart.from.minutes && m <= w.chart.until.minutes;
        if (inChart) {
            ASSERT_EQ(s[kAscendantBody], birth[kAscendantBody]) << "minute " << m;
        }
    }
    for (const auto& [edge, direction, chart] :
         {std::tuple{&w.reading.from, -1, false}, std::tuple{&w.reading.until, 1, false},
          std::tuple{&w.chart.from, -1, true}, std::tuple{&w.chart.until, 1, true}}) {
        if (edge->limit != WindowLimit::Change) {
            EXPECT_TRUE(edge->changes.empty());
            if (edge->limit == WindowLimit::Search) {
                EXPECT_EQ(std::abs(edge->minutes), kWindowSearchMinutes);
            }
            continue;
        }
        const auto beyond = Signs(positions, edge->minutes + direction);
        std::vector<SignChange> expected;
        for (int i = 0; i < (chart ? kReportRows + 1 : kReportRows); ++i)
            if (beyond[i] != birth[i]) expected.push_back({i, birth[i], beyond[i]});
        EXPECT_EQ(edge->changes, expected) << "edge at " << edge->minutes;
        // The lines the edge names are those a whole reading at that minute changes.
        ReadingRecords other = records;
        other.birth = positions.Shifted(edge->minutes + direction);
        RunEngines(other);
        EvaluateRashiDrishti(other, RuleTable(records.rule));
        std::vector<int> lines;
        for (int i = 0; i < kReportRows; ++i)
            if (other.report.lblAspects[i] != records.report.lblAspects[i] ||
                other.report.lblGrahas[i] != records.report.lblGrahas[i])
                lines.push_back(i);
        EXPECT_EQ(edge->changedLines, lines);
    }
    // The chart's window ends where the ascendant changes, when it changes first.
    for (int m : {w.chart.from.minutes - 1, w.chart.until.minutes + 1})
        if (m > w.reading.from.minutes && m < w.reading.until.minutes) {
            EXPECT_NE(Signs(positions, m)[kAscendantBody], birth[kAscendantBody]) << m;
        }
}

TEST(TimeWindow, MatchesAMinuteByMinuteScan) {
    std::mt19937 random(2024);
    for (int n = 0; n < 48; ++n) {
        const Ephemeris ephemeris = n % 8 == 0 ? Ephemeris::Precise : Ephemeris::Formulas;
        const AspectRuleChoice rule = n % 2 ? AspectRuleChoice::Classical : AspectRuleChoice::Ours;
        const Entries entries = RandomBirth(random);
        SCOPED_TRACE(::testing::Message() << "birth " << n << " lat " << entries.LatDeg << (entries.South ? "S" : "N"));
        CheckAgainstScan(ReadingOf(entries, ephemeris, rule));
    }
}

// Births a minute either side of sign changes, at the ends of the years and
// beyond the polar circle.
TEST(TimeWindow, EdgesOfSignsYearsAndLatitudes) {
    struct Case {
        const char* name;
        int day, month, year, hour, minute;
        const char* latitude;
        Ephemeris ephemeris;
    };
    const Case cases[] = {
        {"first minute of the years", 1, 1, 1600, 0, 0, "18", Ephemeris::Formulas},
        {"last minute of the years", 31, 12, 2400, 23, 59, "18", Ephemeris::Precise},
        {"midnight ending the day", 31, 12, 2050, 24, 0, "40", Ephemeris::Formulas},
        {"above the polar circle", 21, 6, 1980, 3, 0, "69", Ephemeris::Formulas},
        {"near the pole, precise", 21, 12, 2001, 12, 0, "78", Ephemeris::Precise},
        // The Moon and the ascendant change sign in the same minute, 13:31.
        {"two changes in one minute", 21, 1, 1977, 13, 0, "18", Ephemeris::Formulas},
        {"two changes in one minute, after", 21, 1, 1977, 14, 0, "18", Ephemeris::Formulas},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Entries e = testing::PuneBirth(c.day, c.month, c.year, c.hour, c.minute);
        e.LatDeg = c.latitude;
        const ReadingRecords records = ReadingOf(e, c.ephemeris, AspectRuleChoice::Ours);
        CheckAgainstScan(records);
        if (c.year == 1600) {
            EXPECT_EQ(records.window.reading.from.limit, WindowLimit::Years);
        }
        if (c.year == 2400) {
            EXPECT_EQ(records.window.reading.until.limit, WindowLimit::Years);
        }
    }
    // Born on the minute the Moon changes sign, and the minute before.
    ReadingRecords records = ReadingOf(testing::PuneBirth(15, 8, 1977, 17, 45), Ephemeris::Formulas, AspectRuleChoice::Ours);
    const WindowEdge edge = records.window.reading.until;
    ASSERT_EQ(edge.limit, WindowLimit::Change);
    for (const int shift : {edge.minutes, edge.minutes + 1}) {
        MomentPositions positions(records.birth, Ephemeris::Formulas);
        const BirthRecord b = positions.Shifted(shift);
        const Entries e = testing::PuneBirth(b.Day, b.Month, b.Year, b.Hour, b.Minute);
        const ReadingRecords there = ReadingOf(e, Ephemeris::Formulas, AspectRuleChoice::Ours);
        CheckAgainstScan(there);
        if (shift == edge.minutes) {
            EXPECT_EQ(there.window.reading.until.minutes, 0);
        } else {
            EXPECT_EQ(there.window.reading.from.minutes, 0);
        }
    }
}

TEST(TimeWindow, OnlyWhenAskedAndTheRuleChangesOnlyTheLines) {
    const Entries e = testing::PuneBirth(15, 8, 1977, 17, 45);
    EXPECT_FALSE(ReadingOf(e, Ephemeris::Formulas, AspectRuleChoice::Ours, false).window.computed);
    CalculationDriver driver;
    driver.setWithWindow(true);
    ASSERT_FALSE(driver.Calculate(e));
    const TimeWindowRecord ours = driver.records().window;
    driver.SetRule(AspectRuleChoice::Classical);
    const TimeWindowRecord classical = driver.records().window;
    EXPECT_EQ(ours.reading.from.minutes, classical.reading.from.minutes);
    EXPECT_EQ(ours.reading.until.minutes, classical.reading.until.minutes);
    EXPECT_EQ(ours.chart.until.changes, classical.chart.until.changes);
    EXPECT_EQ(driver.records().window.chart, ReadingOf(e, Ephemeris::Formulas, AspectRuleChoice::Classical).window.chart);
}

// The lines an edge names are the same in every language: a Hindi reading
// once compared its captions with English ones and named all nine.
TEST(TimeWindow, NamesTheSameLinesInEveryLanguage) {
    std::mt19937 random(34);
    int fewerThanNine = 0;
    for (int birth = 0; birth < 40; ++birth) {
        const Entries e = RandomBirth(random);
        for (const AspectRuleChoice rule : {AspectRuleChoice::Ours, AspectRuleChoice::Classical}) {
            std::array<TimeWindowRecord, 2> windows;
            for (const Language language : {Language::English, Language::Hindi}) {
                CalculationDriver driver;
                driver.SetRule(rule);
                driver.SetLanguage(language);
                driver.setWithWindow(true);
                ASSERT_FALSE(driver.Calculate(e));
                windows[language == Language::Hindi] = driver.records().window;
            }
            EXPECT_EQ(windows[1].reading, windows[0].reading) << "birth " << birth;
            for (const WindowEdge* edge : {&windows[1].reading.from, &windows[1].reading.until})
                if (edge->limit == WindowLimit::Change && edge->changedLines.size() < kReportRows) ++fewerThanNine;
        }
    }
    EXPECT_GT(fewerThanNine, 40);
}

TEST(WindowText, SaysWhatChangesBeyondEachEdge) {
    TimeWindowRecord w;
    w.computed = true;
    w.ascendantSign = 4;
    w.reading.from = {-100, 1977, 8, 15, 16, 5, WindowLimit::Change, {{1, 2, 1}}, {1, 4}};
    w.reading.until = {4320, 1977, 8, 18, 17, 45, WindowLimit::Search, {}, {}};
    w.chart.from = {-3, 1977, 8, 15, 17, 42, WindowLimit::Change, {{kAscendantBody, 4, 3}}, {}};
    w.chart.until = {60, 1977, 8, 15, 18, 45, WindowLimit::Change, {{4, 4, 5}, {kAscendantBody, 4, 5}}, {4}};
    EXPECT_EQ(ReadingWindowLine(w),
              "The reading holds for births from 1977-08-15 16:05 to 1977-08-18 17:45 (before: the Moon is in "
              "Vrishabha, the lines of the Moon and Mars change; after: nothing changes within three days).");
    EXPECT_EQ(ChartWindowLine(w),
              "The chart (lagna Simha) holds from 1977-08-15 17:42 to 1977-08-15 18:45 (before: the ascendant is in "
              "Kataka; after: Mars enters Kanya and the ascendant enters Kanya, the lines of Mars change).");
    EXPECT_TRUE(ChartChangesNear(w));
    w.chart.from.minutes = -5;
    EXPECT_FALSE(ChartChangesNear(w));
    EXPECT_TRUE(WindowLines(TimeWindowRecord{}).empty());
}

} // namespace
} // namespace rashi
