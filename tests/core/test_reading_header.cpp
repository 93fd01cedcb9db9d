#include "core/reading/reading_header.h"

#include "core/aspects/rashi_drishti.h"
#include "core/reading/calculation_driver.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace rashi {
namespace {

using testing::GreenwichNoon;

std::string Field(const std::vector<HeaderField>& header, const std::string& label) {
    for (const HeaderField& field : header)
        if (field.label == label) return field.value;
    return "(missing " + label + ")";
}

TEST(ReadingHeader, FieldsOfABirth) {
    struct Case {
        const char* what;
        void (*change)(Entries&);
        const char* label;
        const char* value;
    };
    const Case cases[] = {
        {"name as typed", [](Entries& e) { e.Name = "Ada Lovelace"; }, "Name", "Ada Lovelace"},
        {"date and time", [](Entries&) {}, "Born", "1 January 2000, 12:00"},
        {"minutes with two digits", [](Entries& e) {
             e.HourPosition = 7;
             e.MinutePosition = 5;
             e.MonthPosition = 10;
         },
         "Born", "1 November 2000, 07:05"},
        {"Greenwich", [](Entries&) {}, "Zone", "UTC+00:00, no daylight saving"},
        {"India, half an hour", [](Entries& e) { e.ZoneRow = 34; }, "Zone", "UTC+05:30, no daylight saving"},
        {"New York in summer", [](Entries& e) {
             e.ZoneRow = 27;
             e.DaylightSaving = true;
         },
         "Zone", "UTC-05:00, daylight saving (clock one hour ahead)"},
        {"place", [](Entries&) {}, "Place", "London, England, United Kingdom"},
        {"no state", [](Entries& e) { e.State = " "; }, "Place", "London, United Kingdom"},
        {"north and east", [](Entries&) {}, "Coordinates", "51\u00B028' N, 0\u00B000' E"},
        {"south and west", [](Entries& e) {
             e.LatDeg = "33";
             e.LatMin = "52";
             e.LonDeg = "151";
             e.LonMin = "7";
             e.North = false;
             e.South = true;
             e.East = false;
             e.West = true;
         },
         "Coordinates", "33\u00B052' S, 151\u00B007' W"},
        // 80861.27" + 5026.75" at T0 = 1, less 14" of nutation.
        {"ayanamsa of 2000", [](Entries&) {}, "Ayanamsa", "23\u00B051'14\" (the program's formulas)"},
        {"an exact zone from the tz database", [](Entries& e) {
             e.ZoneId = "Asia/Kathmandu";
             e.ZoneOffsetSeconds = 5 * 3600 + 45 * 60;
         },
         "Zone", "UTC+05:45 (Asia/Kathmandu at that moment)"},
        {"local mean time keeps its seconds", [](Entries& e) {
             e.ZoneId = "Asia/Kolkata";
             e.ZoneOffsetSeconds = 19270;
         },
         "Zone", "UTC+05:21:10 (Asia/Kolkata at that moment)"},
        {"an imported chart's own offset", [](Entries& e) { e.ZoneOffsetSeconds = 21200; },
         "Zone", "UTC+05:53:20 (the chart file's own offset)"},
        {"an imported chart's seconds", [](Entries& e) { e.Second = 7; }, "Born", "1 January 2000, 12:00:07"},
        {"no seconds at the midnight that ends the day", [](Entries& e) {
             e.HourPosition = 24;
             e.MinutePosition = 0;
             e.Second = 7;
         },
         "Born", "1 January 2000, 24:00"},
        {"rule", [](Entries&) {}, "Rule", "Our rule (each sign aspects the other three of its quality)"},
    };
    for (const Case& c : cases) {
        Entries e = GreenwichNoon();
        c.change(e);
        CalculationDriver driver;
        ASSERT_FALSE(driver.Calculate(e)) << c.what;
        EXPECT_EQ(Field(ReadingHeader(driver.records()), c.label), c.value) << c.what;
    }
    // The precise ephemeris names itself and its ayanamsa.
    CalculationDriver precise;
    precise.setEphemeris(Ephemeris::Precise);
    ASSERT_FALSE(precise.Calculate(GreenwichNoon()));
    const std::string ayanamsa = Field(ReadingHeader(precise.records()), "Ayanamsa");
    EXPECT_NE(ayanamsa.find("Lahiri (precise positions"), std::string::npos) << ayanamsa;
}

TEST(ReadingHeader, TheAscendantAndItsPolarNotice) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    EXPECT_EQ(Field(ReadingHeader(driver.records()), "Ascendant"), driver.records().ascendant.PositionText);

    Entries north = GreenwichNoon();
    north.LatDeg = "70";
    ASSERT_FALSE(driver.Calculate(north));
    const std::string value = Field(ReadingHeader(driver.records()), "Ascendant");
    EXPECT_EQ(value.rfind(driver.records().ascendant.PositionText, 0), 0u) << value;
    EXPECT_NE(value.find("some signs never rise"), std::string::npos) << value;
}

TEST(ReadingHeader, TheRuleInForceIsNamed) {
    CalculationDriver driver;
    driver.SetRule(AspectRuleChoice::Classical);
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    EXPECT_EQ(Field(ReadingHeader(driver.records()), "Rule"), RuleTitle(AspectRuleChoice::Classical));
}

TEST(ReadingHeader, CopiedTextIsTheHeaderThenTheThirtySixLines) {
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    std::istringstream text(ReadingText(driver.records()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);

    const std::vector<std::string> header = HeaderLines(driver.records());
    const std::vector<std::string> report = ReportLines(driver.report());
    ASSERT_EQ(lines.size(), header.size() + 1 + report.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + long(header.size())), header);
    EXPECT_EQ(lines[header.size()], "");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + long(header.size()) + 1, lines.end()), report);
    EXPECT_EQ(header.front(), "Name: Ada");
}

TEST(ReadingHeader, DegreesMinutesSeconds) {
    EXPECT_EQ(DegreesMinutesSeconds(23.852), "23\u00B051'07\"");
    EXPECT_EQ(DegreesMinutesSeconds(-22.5), "22\u00B030'00\"");
    EXPECT_EQ(DegreesMinutesSeconds(0), "0\u00B000'00\"");
    EXPECT_EQ(DegreesMinutesSeconds(359.99999), "359\u00B059'59\"");
}

} // namespace
} // namespace rashi
