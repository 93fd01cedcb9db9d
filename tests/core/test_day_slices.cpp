// The birth's day cut into the chart's slices, checked against a look at
// every minute of the day, and the slices' texts.

#include "core/reading/calculation_driver.h"
#include "core/time_window/day_slices.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/window_text.h"
#include "core/aspects/rashi_drishti.h"
#include "tests/core/fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rashi {
namespace {

struct DayCase {
    const char* name;
    Entries entries;
    Ephemeris ephemeris;
};

Entries At(Entries e, const char* latitude, bool south = false) {
    e.LatDeg = latitude;
    e.South = south;
    e.North = !south;
    return e;
}

std::vector<DayCase> Cases() {
    return {
        {"PuneFormulas", testing::PuneBirth(14, 8, 1987, 6, 30), Ephemeris::Formulas},
        {"PunePrecise", testing::PuneBirth(3, 2, 2024, 23, 59), Ephemeris::Precise},
        {"Tromso69North", At(testing::PuneBirth(21, 6, 1960, 0, 0), "69"), Ephemeris::Formulas},
        {"South58Precise", At(testing::PuneBirth(1, 1, 1901, 12, 0), "58", true), Ephemeris::Precise},
        // The Moon and the ascendant change sign in one minute, 13:31.
        {"PuneTwoChangesInAMinute", testing::PuneBirth(21, 1, 1977, 12, 0), Ephemeris::Formulas},
    };
}

ReadingRecords DayOf(const DayCase& c) {
    CalculationDriver driver;
    driver.setEphemeris(c.ephemeris);
    driver.setWithDay(true);
    EXPECT_FALSE(driver.Calculate(c.entries));
    return driver.records();
}

// Every slice edge and every body's change, minute by minute.
TEST(DaySlices, MatchEveryMinuteOfTheDay) {
    for (const DayCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const ReadingRecords records = DayOf(c);
        const DaySlicesRecord& day = records.day;
        ASSERT_TRUE(day.computed);
        MomentPositions positions(records.birth, c.ephemeris);
        std::vector<DaySlice> slices;
        std::vector<DayMark> marks;
        std::array<int, kReportRows> before{};
        for (int minute = day.firstMinute; minute <= day.lastMinute; ++minute) {
            const int offset = minute - day.birthMinute;
            const int ascendant = SignOfLongitude(positions.Ascendant(offset));
            const auto bodies = positions.Bodies(offset);
            if (slices.empty() || slices.back().ascendantSign != ascendant) slices.push_back({minute, minute, ascendant, {}});
            slices.back().last = minute;
            for (int b = 0; b < kReportRows; ++b) {
                const int sign = SignOfLongitude(bodies[b]);
                if (minute > day.firstMinute && sign != before[b]) marks.push_back({minute, b, before[b], sign});
                before[b] = sign;
            }
        }
        ASSERT_EQ(day.slices.size(), slices.size());
        for (std::size_t i = 0; i < slices.size(); ++i) {
            EXPECT_EQ(day.slices[i].first, slices[i].first) << i;
            EXPECT_EQ(day.slices[i].last, slices[i].last) << i;
            EXPECT_EQ(day.slices[i].ascendantSign, slices[i].ascendantSign) << i;
        }
        EXPECT_EQ(day.marks, marks);
        // The slice of the given time has the given lagna; every other says how it differs.
        const int given = DaySliceAt(day, day.birthMinute);
        ASSERT_GE(given, 0);
        EXPECT_EQ(day.slices[given].differs.find("lagna"), std::string::npos) << day.slices[given].differs;
        for (const DaySlice& slice : day.slices) {
            if (slice.ascendantSign != day.slices[given].ascendantSign) {
                EXPECT_EQ(slice.differs.rfind("lagna ", 0), 0u) << slice.differs;
            }
        }
    }
}

// The whole day is covered, in order, with no gap.
TEST(DaySlices, CoverTheDayWithoutGaps) {
    for (const DayCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        const DaySlicesRecord day = DayOf(c).day;
        ASSERT_FALSE(day.slices.empty());
        EXPECT_EQ(day.slices.front().first, day.firstMinute);
        EXPECT_EQ(day.slices.back().last, day.lastMinute);
        for (std::size_t i = 1; i < day.slices.size(); ++i) EXPECT_EQ(day.slices[i].first, day.slices[i - 1].last + 1);
    }
}

TEST(DaySlices, TextsSayWhatDiffers) {
    const struct {
        DaySlice slice;
        const char* text;
    } rows[] = {
        {{0, 59, 4, "the same chart"}, "00:00\u201300:59: the same chart"},
        {{605, 1439, 5, "lagna Kanya instead of Simha"}, "10:05\u201323:59: lagna Kanya instead of Simha"},
    };
    for (const auto& row : rows) EXPECT_EQ(DaySliceText(DaySlicesRecord{}, row.slice), row.text);
}

// A body that changes sign inside a slice is named with the minute it
// changes; on this day the Moon changes sign at 12:47.
TEST(DaySlices, ABodyChangingInsideASliceSaysWhen) {
    const ReadingRecords records = DayOf({"MoonChanges", testing::PuneBirth(17, 8, 1977, 6, 0), Ephemeris::Formulas});
    int inside = 0;
    for (const DayMark& mark : records.day.marks) {
        const int at = DaySliceAt(records.day, mark.minute);
        ASSERT_GE(at, 0);
        const DaySlice& slice = records.day.slices[at];
        if (mark.minute == slice.first) continue;
        ++inside;
        const std::string until = "until " + DayClockText(records.day, mark.minute - 1) + ", then ";
        EXPECT_NE(slice.differs.find(until), std::string::npos) << slice.differs;
    }
    EXPECT_GT(inside, 0) << "the day has no change inside a slice";
}

// A body changing sign in the very minute the ascendant does starts the new
// slice in its new sign: on 21 January 1977 at Pune the Moon and the
// ascendant change at 13:31, on 16 September the Sun and the ascendant at 18:33.
TEST(DaySlices, ABodyChangingAtASlicesFirstMinute) {
    const struct {
        Entries birth;
        int minute, body;
    } rows[] = {
        {testing::PuneBirth(21, 1, 1977, 12, 0), 811, 1},
        {testing::PuneBirth(16, 9, 1977, 12, 0), 1113, 0},
    };
    for (const auto& row : rows) {
        const ReadingRecords records = DayOf({"coincident", row.birth, Ephemeris::Formulas});
        const DaySlicesRecord& day = records.day;
        const auto mark = std::find_if(day.marks.begin(), day.marks.end(), [&](const DayMark& m) { return m.minute == row.minute; });
        ASSERT_NE(mark, day.marks.end());
        ASSERT_EQ(mark->body, row.body);
        const int at = DaySliceAt(day, row.minute);
        ASSERT_GT(at, 0);
        ASSERT_EQ(day.slices[at].first, row.minute);
        const std::string in = BodyInSentence(row.body) + " in " + std::string(kSigns[mark->toSign].sanskrit);
        EXPECT_EQ(day.slices[at].differs.find(in + " until"), std::string::npos) << day.slices[at].differs;
        EXPECT_NE(day.slices[at].differs.find(in), std::string::npos) << day.slices[at].differs;
        const std::string before = BodyInSentence(row.body) + " in " + std::string(kSigns[mark->fromSign].sanskrit);
        EXPECT_EQ(day.slices[at].differs.find(before), std::string::npos) << day.slices[at].differs;
    }
}

// Without asking, a reading leaves the day alone.
TEST(DaySlices, NotComputedUnlessAsked) {
    CalculationDriver driver;
    EXPECT_FALSE(driver.Calculate(testing::PuneBirth(14, 8, 1987, 6, 30)));
    EXPECT_FALSE(driver.records().day.computed);
    EXPECT_TRUE(driver.records().day.slices.empty());
}

} // namespace
} // namespace rashi
