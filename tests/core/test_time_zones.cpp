#include "core/zones/time_zones.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

TEST(TimeZones, RowsCarryTheirOwnOffsetsNotTheTextsNumbers) {
    struct Case {
        int row;
        std::string_view text;
        int hours, minutes;
    };
    const Case cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,9.0", 9, 0},
        {5, "Australian Central Daylight Time,ACDT,-10.30", -10, -30},
        {11, "Azores Time, AT, 2#", 2, 0},
        {27, "Eastern Standard Time,EST,5.0", 5, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {32, "Hawaiian Standard Time,HST,10.30", 10, 30},
        {34, "Indian Time, IST, -5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,-12.0", -12, 0},
        {46, "New Zealand Std Summer Time,NZST,-13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,3.30", 3, 30},
        {52, "North Sumatra Time,NST,-6.30", -6, -30},
        {56, "South Australia Daylight Time,SAD,-10.30", -10, -30},
        {57, "South Australia Daylight Time,SDT,-10.30", -10, -30},
        {61, "Universal Time, UT, 0#", 0, 0},
        {62, "USSR Zone 10,UZ10,-11.0", -11, 0},
        {70, "Yukon War Time,YWT,8.0", 8, 0},
    };
    const ReferenceTables& t = TimeZones();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(t.TimeZoneList[c.row], c.text);
        EXPECT_EQ(t.TimeZoneHours[c.row], c.hours);
        EXPECT_EQ(t.TimeZoneMinutes[c.row], c.minutes);
    }
}

TEST(TimeZones, MinutesShareTheSignOfTheHoursAndTextsAreDistinct) {
    const ReferenceTables& t = TimeZones();
    for (int row = 0; row < kTimeZoneCount; ++row) {
        SCOPED_TRACE(row);
        const int m = t.TimeZoneMinutes[row];
        EXPECT_TRUE(m == 0 || m == 30 || m == -30);
        if (m != 0) {
            EXPECT_EQ(m > 0, t.TimeZoneHours[row] > 0);
        }
        for (int other = row + 1; other < kTimeZoneCount; ++other) EXPECT_NE(t.TimeZoneList[row], t.TimeZoneList[other]);
    }
}

TEST(TimeZones, LoadingOverwritesEveryRow) {
    // A table full of other values comes out equal to a fresh load.
    ReferenceTables dirty;
    dirty.TimeZoneList.fill("stale");
    dirty.TimeZoneHours.fill(99);
    dirty.TimeZoneMinutes.fill(-99);
    LoadReferenceTables(dirty);
    ReferenceTables fresh;
    LoadReferenceTables(fresh);
    EXPECT_EQ(dirty, fresh);
    EXPECT_EQ(dirty, TimeZones());
}

TEST(TimeZones, OffsetsAgreeWithTheNumberInEachRowsText) {
    // Each text ends with its offset for the reader ("...,-10.30", "..., 2#"):
    // the table's hours and minutes must say the same.
    const ReferenceTables& t = TimeZones();
    for (int row = 0; row < kTimeZoneCount; ++row) {
        std::string_view text = t.TimeZoneList[row];
        text = text.substr(text.find_last_of(',') + 1);
        while (!text.empty() && (text.front() == ' ')) text.remove_prefix(1);
        while (!text.empty() && (text.back() == '#' || text.back() == ' ')) text.remove_suffix(1);
        const bool negative = text.starts_with('-');
        if (negative) text.remove_prefix(1);
        const auto point = text.find('.');
        const int hours = std::stoi(std::string(text.substr(0, point)));
        int minutes = point == std::string_view::npos ? 0 : std::stoi(std::string(text.substr(point + 1)));
        if (point != std::string_view::npos && text.size() - point - 1 == 1) minutes *= 10; // "5.3" would be 5:30
        EXPECT_EQ(t.TimeZoneHours[row], negative ? -hours : hours) << t.TimeZoneList[row];
        EXPECT_EQ(t.TimeZoneMinutes[row], negative ? -minutes : minutes) << t.TimeZoneList[row];
    }
}

} // namespace
} // namespace rashi
