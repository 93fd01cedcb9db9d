#include "core/imports/import_numbers.h"
#include "core/imports/jhd_file.h"
#include "core/imports/mtx_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rashi {
namespace {

constexpr std::int64_t Hms(int h, int m, int s = 0) { return h * 3600 + m * 60 + s; }

TEST(ImportNumbers, DigitsAreReadAsDigits) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> sexagesimal; // H.MMSS
        std::optional<std::int64_t> decimal;     // decimal hours
    };
    const Case cases[] = {
        // Seconds are the third and fourth digits, not a fraction of a minute (10:30:18).
        {"10.303000000000000", Hms(10, 30, 30), 37091},
        // Truncation would make 73.51 be 73°50'.
        {"73.51", Hms(73, 51), Hms(73, 30, 36)},
        {"73.85", std::nullopt, Hms(73, 51)},
        // The sign holds below one.
        {"-0.07", -Hms(0, 7), -252},
        {"-0.116667", std::nullopt, -Hms(0, 7)},
        {"-5.300000", -Hms(5, 30), -Hms(5, 18)},
        {"-5.500000", -Hms(5, 50), -Hms(5, 30)},
        {"10.3", Hms(10, 30), Hms(10, 18)},
        {" +13 ", Hms(13, 0), Hms(13, 0)},
        {"0.00005", 1, 0},  // half a second rounds up
        {"5.", Hms(5, 0), Hms(5, 0)},
        {".5", Hms(0, 50), Hms(0, 30)},
        {"10.60", std::nullopt, Hms(10, 36)},
        {"", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {".", std::nullopt, std::nullopt},
        {"1.2.3", std::nullopt, std::nullopt},
        {"1e3", std::nullopt, std::nullopt},
        {"1234567890", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseSexagesimalSeconds(c.text), c.sexagesimal) << c.text;
        EXPECT_EQ(ParseDecimalSeconds(c.text), c.decimal) << c.text;
    }
}

// A .jhd file as the layout has it.
std::string Jhd(std::vector<std::string> lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    return text;
}

std::vector<std::string> PuneLines() {
    return {"3",         "21",       "1985",      "10.303000000000000", "-5.300000", "-73.51000000",
            "18.31000000", "560.000000", "-5.500000", "-5.500000",         "0",         "91",
            "Pune",      "India",    "1",         "1013.250000",        "20.000000", "1"};
}

TEST(JhdFile, ReadsTheBirthsOfTheNamedFaults) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, std::string>> changes; // line (1-based), text
        Entries expected;
    };
    Entries pune;
    pune.Name = "Pune";
    pune.MonthPosition = 2;
    pune.DatePosition = 20;
    pune.YearPosition = 84;
    pune.HourPosition = 10;
    pune.MinutePosition = 31; // 10:30:30 to the nearest minute
    pune.ZoneRow = 34;        // Indian Time
    pune.LatDeg = "18";
    pune.LatMin = "31";
    pune.LonDeg = "73";
    pune.LonMin = "51";
    pune.City = "Pune";
    pune.State = "India"; // no state: the country's name
    pune.Country = "India";

    Entries london = pune;
    london.MonthPosition = 6;
    london.YearPosition = 89;
    london.HourPosition = 14;
    london.MinutePosition = 0;
    london.ZoneRow = 20; // Central European Time: the offset is whole, no box
    london.LatDeg = "51";
    london.LatMin = "30";
    london.LonDeg = "0";
    london.LonMin = "7";
    london.East = false;
    london.West = true;
    london.City = "London";
    london.State = london.Country = "United Kingdom";

    Entries quito = pune;
    quito.YearPosition = 74;
    quito.HourPosition = 8;
    quito.MinutePosition = 15;
    quito.ZoneRow = 27; // Eastern Standard Time, UTC-5
    quito.LatDeg = "0";
    quito.LatMin = "13";
    quito.North = false;
    quito.South = true;
    quito.LonDeg = "78";
    quito.LonMin = "30";
    quito.East = false;
    quito.West = true;
    quito.City = "Quito";
    quito.State = quito.Country = "Ecuador";

    Entries auckland = pune;
    auckland.YearPosition = 99;
    auckland.MonthPosition = 0;
    auckland.HourPosition = 9;
    auckland.MinutePosition = 0;
    auckland.ZoneRow = 46; // New Zealand Std Summer Time, UTC+13
    auckland.LatDeg = "36";
    auckland.LatMin = "51";
    auckland.South = true;
    auckland.North = false;
    auckland.LonDeg = "174";
    auckland.LonMin = "46";
    auckland.City = "Auckland";
    auckland.State = auckland.Country = "New Zealand";

    const Case cases[] = {
        {"Pune: seconds, and 73.51 is 73 degrees 51", {}, pune},
        {"London 0 07 W in summer",
         {{1, "7"}, {3, "1990"}, {4, "14.00"}, {5, "-1.000000"}, {6, "0.0700"}, {7, "51.3000"}, {9, "-1.000000"},
          {10, "-1.000000"}, {13, "London"}, {14, "United Kingdom"}},
         london},
        {"Quito 0 13 S",
         {{3, "1975"}, {4, "8.15"}, {5, "5.000000"}, {6, "78.3000"}, {7, "-0.1300"}, {9, "5.000000"},
          {10, "5.000000"}, {13, "Quito"}, {14, "Ecuador"}},
         quito},
        {"Auckland at UTC+13",
         {{1, "1"}, {3, "2000"}, {4, "9.0000"}, {5, "-13.000000"}, {6, "-174.4600"}, {7, "-36.5100"},
          {9, "-13.000000"}, {10, "-13.000000"}, {13, "Auckland"}, {14, "New Zealand"}},
         auckland},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = PuneLines();
        for (const auto& [line, text] : c.changes) lines[static_cast<std::size_t>(line - 1)] = text;
        std::string problem;
        const auto entries = ParseJhdFile(Jhd(lines), c.expected.Name, &problem);
        ASSERT_TRUE(entries) << c.what << ": " << problem;
        const auto text = [](const Entries& e) {
            return e.Name + "|" + std::to_string(e.MonthPosition) + "/" + std::to_string(e.DatePosition) + "/" +
                   std::to_string(e.YearPosition) + " " + std::to_string(e.HourPosition) + ":" +
                   std::to_string(e.MinutePosition) + " row " + std::to_string(e.ZoneRow) + (e.DaylightSaving ? "+1 " : " ") +
                   e.LatDeg + ":" + e.LatMin + (e.South ? "S" : "N") + (e.North ? "N " : " ") + e.LonDeg + ":" +
                   e.LonMin + (e.West ? "W" : "E") + (e.East ? "E " : " ") + e.City + "|" + e.State + "|" + e.Country +
                   "|" + e.ZoneId;
        };
        EXPECT_EQ(text(*entries), text(c.expected)) << c.what;
        EXPECT_EQ(*entries, c.expected) << c.what;
    }
    // The seconds themselves are read, not lost in the rounding.
    const auto birth = ParseJhdBirth(Jhd(PuneLines()), "Pune", nullptr);
    ASSERT_TRUE(birth);
    EXPECT_EQ(birth->ClockSeconds, Hms(10, 30, 30));
    EXPECT_EQ(birth->OffsetSeconds, Hms(5, 30));
    EXPECT_EQ(birth->LongitudeSeconds, Hms(73, 51));
}

TEST(JhdFile, DamagedFilesAreRefusedWholeNamingTheLine) {
    struct Case {
        int line;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {1, "13", "Line 1 (month) holds \"13\", not a month from 1 to 12."},
        {3, "1850", "Line 3 (year) holds \"1850\", not a year from 1901 to 2050."},
        {4, "10.75", "Line 4 (clock time) holds \"10.75\", not a clock time H.MMSS from 0 to 24."},
        {4, "-1.00", "Line 4 (clock time) holds \"-1.00\", not a clock time H.MMSS from 0 to 24."},
        {5, "-16.00", "Line 5 (time zone) holds \"-16.00\", not a time zone H.MM of at most 15 hours."},
        {6, "east", "Line 6 (longitude) holds \"east\", not a longitude D.MMSS of at most 180 degrees."},
        {7, "91.00", "Line 7 (latitude) holds \"91.00\", not a latitude D.MMSS of at most 90 degrees."},
        {9, "-5.300000", "Line 9 (time zone in hours) holds \"-5.300000\", not the zone of line 5 (\"-5.300000\")."},
        {16, "", "Line 16 (pressure) holds \"\", not a number."},
        {5, "-5.45", "Line 5 (time zone) holds \"-5.45\", an offset that no time zone of the list gives."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = PuneLines();
        lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        if (c.line == 5 && c.text == "-5.45") lines[8] = "-5.750000";
        std::string problem;
        EXPECT_FALSE(ParseJhdFile(Jhd(lines), "Pune", &problem)) << c.message;
        EXPECT_EQ(problem, c.message);
    }
    std::vector<std::string> shortFile = PuneLines();
    shortFile.resize(12);
    std::string problem;
    EXPECT_FALSE(ParseJhdFile(Jhd(shortFile), "Pune", &problem));
    EXPECT_EQ(problem, "The file ends after 12 of its 18 lines.");
}

TEST(JhdFile, AnOffsetNoRowGivesTakesARowWithTheBox) {
    std::vector<std::string> lines = PuneLines();
    lines[4] = lines[8] = "-14.000000"; // Kiribati, UTC+14
    const auto entries = ParseJhdFile(Jhd(lines), "Kiritimati", nullptr);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->ZoneRow, 46); // UTC+13
    EXPECT_TRUE(entries->DaylightSaving);
    EXPECT_EQ(entries->ZoneId, "");
}

TEST(MtxFile, ReadsTheZoneWithItsDaylightSaving) {
    const std::string london = "# chart\nJane Doe\n15\n7\n1990\n14.500000\n0.000000\n1\nLondon, England, United Kingdom\n"
                               "-0.116667\n51.500000\nremarks\nmore remarks\n";
    std::string problem;
    const auto e = ParseMtxFile(london, "file", &problem);
    ASSERT_TRUE(e) << problem;
    EXPECT_EQ(e->Name, "Jane Doe");
    EXPECT_EQ(e->HourPosition, 14);
    EXPECT_EQ(e->MinutePosition, 30);
    EXPECT_EQ(e->ZoneRow, 29); // Greenwich Mean Time with the box: UTC+1 in summer
    EXPECT_TRUE(e->DaylightSaving);
    EXPECT_EQ(e->LonDeg, "0");
    EXPECT_EQ(e->LonMin, "7");
    EXPECT_TRUE(e->West);
    EXPECT_EQ(e->City, "London");
    EXPECT_EQ(e->State, "England");
    EXPECT_EQ(e->Country, "United Kingdom");

    const std::string quito = "#\r\n\r\n1\r\n1\r\n1975\r\n8.25\r\n-5\r\n0\r\nQuito, Ecuador\r\n-78.5\r\n-0.216667\r\n";
    const auto q = ParseMtxFile(quito, "Quito chart", &problem);
    ASSERT_TRUE(q) << problem;
    EXPECT_EQ(q->Name, "Quito chart"); // no name in the file: the file's
    EXPECT_EQ(q->LatMin, "13");
    EXPECT_TRUE(q->South);
    EXPECT_EQ(q->State, "Ecuador");
    EXPECT_EQ(q->MinutePosition, 15);

    EXPECT_TRUE(ParseMtxFile("\xEF\xBB\xBF" + london, "file", &problem)) << problem;

    const std::string noHeader = "chart\nJane\n15\n7\n1990\n14.5\n0\n1\nLondon\n0\n51.5\n";
    EXPECT_FALSE(ParseMtxFile(noHeader, "x", &problem));
    EXPECT_EQ(problem, "Line 1 (header) holds \"chart\", not a header beginning with #.");
}

TEST(ImportedNames, KeepTheLettersTheBoxesTake) {
    const std::pair<const char*, const char*> cases[] = {
        {"Zürich", "Zürich"},     {"St. John's", "St John s"}, {"Pune 1985", "Pune"}, {"  São  Paulo ", "São Paulo"},
        {"Straße", "Straße"},     {"東京", "東京"},            {"पुणे", "पुणे"},      {"श्री राम, 1985", "श्री राम"},
        {"राम१२", "राम"},         {"Łódź.", "Łódź"},           {"\xFF\xFE", ""},
    };
    for (const auto& [text, folded] : cases) EXPECT_EQ(LettersForBox(text), folded) << text;
}

TEST(JhdFile, WrittenBirthsReadBackTheSame) {
    ImportedBirth b;
    b.Name = "Ada";
    b.City = "Pune";
    b.Country = "India";
    for (const std::int64_t offset : {Hms(5, 30), -Hms(0, 30), Hms(13, 0), std::int64_t{0}})
        for (const std::int64_t lon : {Hms(73, 51, 59), -Hms(0, 7), Hms(180, 0)})
            for (const std::int64_t lat : {-Hms(0, 13, 1), Hms(89, 59, 59)}) {
                b.OffsetSeconds = offset;
                b.LongitudeSeconds = lon;
                b.LatitudeSeconds = lat;
                b.Year = 1999;
                b.Month = 12;
                b.Day = 31;
                b.ClockSeconds = Hms(23, 59, 59);
                std::string problem;
                const auto back = ParseJhdBirth(FormatJhdFile(b), "Ada", &problem);
                ASSERT_TRUE(back) << problem;
                EXPECT_EQ(back->ClockSeconds, b.ClockSeconds);
                EXPECT_EQ(back->OffsetSeconds, offset);
                EXPECT_EQ(back->LongitudeSeconds, lon);
                EXPECT_EQ(back->LatitudeSeconds, lat);
            }
}

} // namespace
} // namespace rashi
