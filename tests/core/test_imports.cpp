#include "core/chart_files/chart_file.h"
#include "core/chart_files/stored_text.h"
#include "core/entries/key_filters.h"
#include "core/imports/import_file_io.h"
#include "tests/core/fixtures.h"
#include "core/imports/import_numbers.h"
#include "core/imports/jhd_file.h"
#include "core/imports/mtx_file.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"
#include "core/zones/time_zones.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace rashi {
namespace {

constexpr std::int64_t Hms(int h, int m, int s = 0) { return h * 3600 + m * 60 + s; }

std::string Field(const std::vector<HeaderField>& fields, std::string_view label) {
    for (const HeaderField& f : fields)
        if (f.label == label) return f.value;
    return "(none)";
}

TEST(ImportNumbers, DigitsAreReadAsDigits) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> sexagesimal; // H.MMSS
        std::optional<std::int64_t> decimal;     // decimal hours
    };
    const Case cases[] = {
        // Seconds are the third and fourth digits, not a fraction of a minute (10:30:18).
        {"10.303000000000000", Hms(10, 30, 30), 37091},
        {"23.1130", Hms(23, 11, 30), Hms(23, 6, 47)},
        // Truncation would make 73.51 be 73°50'.
        {"73.51", Hms(73, 51), Hms(73, 30, 36)},
        {"73.85", std::nullopt, Hms(73, 51)},
        // The sign holds below one.
        {"-0.07", -Hms(0, 7), -252},
        {"-0.116667", std::nullopt, -Hms(0, 7)},
        {"-5.300000", -Hms(5, 30), -Hms(5, 18)},
        {"-5.500000", -Hms(5, 50), -Hms(5, 30)},
        {"10.3", Hms(10, 30), Hms(10, 18)},
        // Decimal hours of four or six places: the nearest whole second (0:35:00 is 0.58333…).
        {"0.5833", Hms(0, 58, 33), Hms(0, 35)},
        {"10.508333", std::nullopt, Hms(10, 30, 30)},
        {" +13 ", Hms(13, 0), Hms(13, 0)},
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

TEST(ImportNumbers, PrintedThroughFloatingPointIsTheNearestSecond) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        // What printf makes of 17:45, 18°31', UTC+5:30 and 11:00.
        {"17.449999999999999", Hms(17, 45)},
        {"17.450000000000003", Hms(17, 45)},
        {"18.309999999999999", Hms(18, 31)},
        {"-5.2999999999999998", -Hms(5, 30)},
        {"10.999999999999998", Hms(11, 0)},
        {"23.112999999999999", Hms(23, 11, 30)},
        {"0.0058999999999999999", Hms(0, 0, 59)},
        {"-0.0000000000000001", 0},
        {"23.595899999999997", Hms(23, 59, 59)},
        // Within a thousandth of a second of one, and just beyond.
        {"17.450000099", Hms(17, 45)},
        {"17.449999901", Hms(17, 45)},
        {"17.45000011", std::nullopt},
        {"17.4499998", std::nullopt},
        // A fraction of a second is no H.MMSS.
        {"0.00005", std::nullopt},
        {"10.3030123", std::nullopt},
        // Rounding does not make a 60th minute or second.
        {"10.595999999999999", std::nullopt},
        {"10.5999999999999", std::nullopt},
    };
    for (const auto& [text, seconds] : cases) EXPECT_EQ(ParseSexagesimalSeconds(text), seconds) << text;
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
    pune.MinutePosition = 30; // 10:30:30: the boxes hold 10:30, the entries the seconds
    pune.Second = 30;
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
    london.Second = 0;
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
    quito.Second = 0;
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
    auckland.Second = 0;
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
                   std::to_string(e.MinutePosition) + ":" + std::to_string(e.Second) + " row " + std::to_string(e.ZoneRow) + (e.DaylightSaving ? "+1 " : " ") +
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
        std::vector<std::pair<int, std::string>> changes; // line (1-based), text
        std::string message;
        std::string name = "Pune";
    };
    const Case cases[] = {
        {{{1, "13"}}, "Line 1 (month) holds \"13\", not a month from 1 to 12."},
        {{{3, "1599"}}, "Line 3 (year) holds \"1599\", not a year from 1600 to 2400."},
        {{{4, "10.75"}}, "Line 4 (clock time) holds \"10.75\", not a clock time H.MMSS from 0 to 24."},
        {{{4, "-1.00"}}, "Line 4 (clock time) holds \"-1.00\", not a clock time H.MMSS from 0 to 24."},
        {{{4, "24.0001"}}, "Line 4 (clock time) holds \"24.0001\", not a clock time H.MMSS from 0 to 24."},
        {{{4, "17.45123"}}, "Line 4 (clock time) holds \"17.45123\", not a clock time H.MMSS from 0 to 24."},
        {{{7, "18.3100004"}}, "Line 7 (latitude) holds \"18.3100004\", not a latitude D.MMSS of at most 90 degrees."},
        {{{5, "-16.00"}}, "Line 5 (time zone) holds \"-16.00\", not a time zone H.MM of at most 15 hours."},
        {{{6, "east"}}, "Line 6 (longitude) holds \"east\", not a longitude D.MMSS of at most 180 degrees."},
        {{{7, "91.00"}}, "Line 7 (latitude) holds \"91.00\", not a latitude D.MMSS of at most 90 degrees."},
        {{{9, "-5.300000"}}, "Line 9 (time zone in hours) holds \"-5.300000\", not the zone of line 5 (\"-5.300000\")."},
        // Line 10 is the zone as well.
        {{{10, "-6.500000"}}, "Line 10 (time zone in hours) holds \"-6.500000\", not the zone of line 5 (\"-5.300000\")."},
        {{{10, "x"}}, "Line 10 (time zone in hours) holds \"x\", not a number."},
        {{{16, ""}}, "Line 16 (pressure) holds \"\", not a number."},
        // A day the month lacks is refused with the file, not counted as imported.
        {{{1, "2"}, {2, "30"}}, "Lines 1 to 3 (month, day, year) hold \"2/30/1985\", a day that month does not have."},
        {{{1, "2"}, {2, "29"}, {3, "1900"}}, "Lines 1 to 3 (month, day, year) hold \"2/29/1900\", a day that month does not have."},
        {{{1, "2"}, {2, "29"}, {3, "1985"}}, "Lines 1 to 3 (month, day, year) hold \"2/29/1985\", a day that month does not have."},
        {{{1, "4"}, {2, "31"}}, "Lines 1 to 3 (month, day, year) hold \"4/31/1985\", a day that month does not have."},
        // The name is the file's; a city's must have letters.
        {{}, "The file's name \"1985\", no letters of a name.", "1985"},
        {{{13, "123"}}, "Line 13 (city) holds \"123\", no letters of a city's name."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = PuneLines();
        for (const auto& [line, text] : c.changes) lines[static_cast<std::size_t>(line - 1)] = text;
        std::string problem;
        EXPECT_FALSE(ParseJhdFile(Jhd(lines), c.name, &problem)) << c.message;
        EXPECT_EQ(problem, c.message);
    }
    std::vector<std::string> shortFile = PuneLines();
    shortFile.resize(12);
    std::string problem;
    EXPECT_FALSE(ParseJhdFile(Jhd(shortFile), "Pune", &problem));
    EXPECT_EQ(problem, "Line 13 is missing: the file ends after 12 of its 18 lines.");
    // 29 February of a leap year is a day.
    std::vector<std::string> leap = PuneLines();
    leap[0] = "2";
    leap[1] = "29";
    leap[2] = "2000";
    EXPECT_TRUE(ParseJhdFile(Jhd(leap), "Pune", &problem)) << problem;
}

TEST(JhdFile, MidnightThatEndsTheDayIsHourTwentyFour) {
    std::vector<std::string> lines = PuneLines();
    lines[3] = "24.000000000000000";
    std::string problem;
    const auto e = ParseJhdFile(Jhd(lines), "Pune", &problem);
    ASSERT_TRUE(e) << problem;
    EXPECT_EQ(std::make_tuple(e->HourPosition, e->MinutePosition, e->Second), std::make_tuple(24, 0, 0));
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(*e));
    EXPECT_NEAR(driver.records().chart.UniversalHours, 24 - 5.5, 1e-9);
    EXPECT_EQ(Field(ReadingHeader(driver.records()), "Born"), "21 March 1985, 24:00");
    // 23:59:59 stays on its day, with its seconds.
    lines[3] = "23.595899999999997";
    const auto before = ParseJhdFile(Jhd(lines), "Pune", &problem);
    ASSERT_TRUE(before) << problem;
    EXPECT_EQ(std::make_tuple(before->HourPosition, before->MinutePosition, before->Second), std::make_tuple(23, 59, 59));
}

TEST(JhdFile, AnOffsetNoRowGivesTakesARowWithTheBox) {
    std::vector<std::string> lines = PuneLines();
    lines[4] = lines[8] = lines[9] = "-14.000000"; // Kiribati, UTC+14
    const auto entries = ParseJhdFile(Jhd(lines), "Kiritimati", nullptr);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->ZoneRow, 46); // UTC+13
    EXPECT_TRUE(entries->DaylightSaving);
    EXPECT_EQ(entries->ZoneId, "");
}

// Offsets no row of the list gives, as other programs write them: the
// reading takes each exactly, with the clock's seconds, and the zone's note
// says so.
TEST(JhdFile, OffsetsNoRowGivesAreTakenExactly) {
    struct Case {
        const char* what;
        std::string line5, line9, clock;
        std::int64_t offsetSeconds;
        int nearestRow; // the nearest standard row, for the boxes
        std::string zone; // the header's line
    };
    const Case cases[] = {
        {"Nepal", "-5.45", "-5.750000", "23.1130", Hms(5, 45), 34, "UTC+05:45 (the chart file's own offset)"},
        {"Nepal through printf", "-5.4500000000000002", "-5.75", "23.112999999999999", Hms(5, 45), 34,
         "UTC+05:45 (the chart file's own offset)"},
        {"Calcutta Time, line 5 to the minute", "-5.53", "-5.888889", "23.1130", Hms(5, 53, 20), 65,
         "UTC+05:53:20 (the chart file's own offset)"},
        {"Calcutta Time, line 5 to the second", "-5.5320", "-5.888888888888889", "23.1130", Hms(5, 53, 20), 65,
         "UTC+05:53:20 (the chart file's own offset)"},
        {"Bombay Time", "-4.51", "-4.850000", "23.1130", Hms(4, 51), 64, "UTC+04:51 (the chart file's own offset)"},
        {"a mean time with seconds, west", "4.5647", "4.946389", "23.1130", -Hms(4, 56, 47), 27,
         "UTC-04:56:47 (the chart file's own offset)"},
        {"Chatham", "-12.45", "-12.750000", "23.1130", Hms(12, 45), 35, "UTC+12:45 (the chart file's own offset)"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = PuneLines();
        lines[3] = c.clock;
        lines[4] = c.line5;
        lines[8] = lines[9] = c.line9;
        std::string problem;
        const auto birth = ParseJhdBirth(Jhd(lines), "Pune", &problem);
        ASSERT_TRUE(birth) << c.what << ": " << problem;
        EXPECT_EQ(birth->OffsetSeconds, c.offsetSeconds) << c.what;
        const auto e = EntriesFromImport(*birth, &problem);
        ASSERT_TRUE(e) << c.what << ": " << problem;
        EXPECT_EQ(e->ZoneOffsetSeconds, c.offsetSeconds) << c.what;
        EXPECT_EQ(e->ZoneId, "") << c.what;
        EXPECT_EQ(e->ZoneRow, c.nearestRow) << c.what << ": " << TimeZones().TimeZoneList[e->ZoneRow];
        EXPECT_FALSE(e->DaylightSaving) << c.what;
        EXPECT_EQ(std::make_tuple(e->HourPosition, e->MinutePosition, e->Second), std::make_tuple(23, 11, 30)) << c.what;
        const auto note = ImportedZoneNote(*e);
        ASSERT_TRUE(note) << c.what;
        EXPECT_NE(note->find(UtcOffsetText(c.offsetSeconds) + ", is used exactly"), std::string::npos) << *note;
        // Universal Time to the second: 23:11:30 less the offset.
        for (const Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise}) {
            CalculationDriver driver;
            driver.setEphemeris(ephemeris);
            ASSERT_FALSE(driver.Calculate(*e)) << c.what;
            EXPECT_NEAR(driver.records().chart.UniversalHours * 3600, Hms(23, 11, 30) - c.offsetSeconds, 1e-6) << c.what;
            EXPECT_EQ(Field(ReadingHeader(driver.records()), "Zone"), c.zone) << c.what;
            EXPECT_EQ(Field(ReadingHeader(driver.records()), "Born"), "21 March 1985, 23:11:30") << c.what;
        }
    }
    // A zone a row gives has no note.
    const auto pune = ParseJhdFile(Jhd(PuneLines()), "Pune", nullptr);
    ASSERT_TRUE(pune);
    EXPECT_FALSE(pune->ZoneOffsetSeconds);
    EXPECT_FALSE(ImportedZoneNote(*pune));
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

TEST(ImportedNames, KeepTheLettersOfEveryScript) {
    const std::pair<const char*, const char*> cases[] = {
        {"Zürich", "Zürich"}, {"St. John's", "St. John's"}, {"Pune 1985", "Pune"}, {"  São  Paulo ", "São Paulo"},
        {"O'Brien", "O'Brien"}, {"D\u2019Souza", "D\u2019Souza"}, {"Jean-Paul", "Jean-Paul"}, {"Jean - Paul", "Jean Paul"},
        {"Jean--Paul", "Jean- Paul"}, {"'s-Hertogenbosch", "'s-Hertogenbosch"}, {"- Ada -", "Ada"}, {"1. Ada", "Ada"},
        {"Ada 2.", "Ada"}, {"O\u2018Brien", "O Brien"},
        {"Łódź", "Łódź"}, {"東京", "東京"}, {"पुणे", "पुणे"}, {"राम १९८५।", "राम"}, {"Αθήνα, Ελλάδα", "Αθήνα Ελλάδα"},
        {"Ada\u00A0Lovelace\u2019s", "Ada Lovelace\u2019s"}, {"\xF0\x9F\x98\x80 Ada", "Ada"}, {"\xC3", ""},
        {"Straße", "Straße"}, {"श्री राम, 1985", "श्री राम"}, {"राम१२", "राम"}, {"Łódź.", "Łódź."}, {"\xFF\xFE", ""},
    };
    for (const auto& [text, kept] : cases) {
        EXPECT_EQ(LettersForBox(text), kept) << text;
        EXPECT_TRUE(kLetterFilter.acceptsText(LettersForBox(text))) << text;
    }
}

// UTF-8 to UTF-16 with its mark (the lines here need no surrogates).
std::string Utf16(const std::string& utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t code = lead;
        int length = 1;
        if (lead >= 0xE0) {
            code = lead & 0x0F;
            length = 3;
        } else if (lead >= 0xC0) {
            code = lead & 0x1F;
            length = 2;
        }
        for (int k = 1; k < length; ++k) code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += static_cast<std::size_t>(length);
        const char hi = static_cast<char>(code >> 8), lo = static_cast<char>(code & 0xFF);
        out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

TEST(ImportedFiles, AsOtherProgramsAndEditorsWriteThem) {
    // Pune's lines with a Devanagari city, in several encodings and line ends.
    std::vector<std::string> lines = PuneLines();
    lines[12] = "पुणे";
    lines[13] = "भारत";
    const std::string crlf = Jhd(lines);
    std::string lf, crcrlf, cr;
    for (const std::string& l : lines) {
        lf += l + "\n";
        crcrlf += l + "\r\r\n";
        cr += l + "\r";
    }
    const std::pair<const char*, std::string> files[] = {
        {"CR LF", crlf},
        {"LF", lf},
        {"CR CR LF", crcrlf},
        {"CR", cr},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + crlf},
        {"UTF-16 LE with a mark", Utf16(crlf, false)},
        {"UTF-16 BE with a mark", Utf16(crlf, true)},
        {"UTF-16 LE, CR CR LF", Utf16(crcrlf, false)},
    };
    for (const auto& [what, bytes] : files) {
        std::string problem;
        const auto e = ParseJhdFile(bytes, "राम", &problem);
        ASSERT_TRUE(e) << what << ": " << problem;
        EXPECT_EQ(e->Name, "राम") << what;
        EXPECT_EQ(e->City, "पुणे") << what;
        EXPECT_EQ(e->Country, "भारत") << what;
        EXPECT_EQ(e->State, "भारत") << what;
        EXPECT_EQ(e->Second, 30) << what;
    }
    // UTF-16 that breaks off inside a character, and an empty line between
    // CR LF lines, are refused naming the line.
    const std::size_t firstEnd = crlf.find("\r\n");
    std::string twelveLines;
    for (std::size_t i = 0; i < 12; ++i) twelveLines += lines[i] + "\r\n";
    const std::pair<std::string, std::string> refused[] = {
        {Utf16(crlf, false) + "\x41", "Line 19 holds UTF-16 that breaks off inside a character."},
        {std::string("\xFF\xFE\x00\xD8\x41\x00", 6), "Line 1 holds UTF-16 that breaks off inside a character."},
        {Utf16(twelveLines + "Pu", false) + std::string("\x00\xD8\x41\x00", 4),
         "Line 13 holds UTF-16 that breaks off inside a character."},
        {Utf16(twelveLines, true) + std::string("\xDC\x00", 2), "Line 13 holds UTF-16 that breaks off inside a character."},
        {crlf.substr(0, firstEnd) + "\r\n\r\n" + crlf.substr(firstEnd + 2), "Line 2 (day) holds \"\", not a day from 1 to 31."},
        {crlf.substr(0, firstEnd) + "\r\r\r\n" + crlf.substr(firstEnd + 2), "Line 2 (day) holds \"\", not a day from 1 to 31."},
    };
    for (const auto& [bytes, message] : refused) {
        std::string problem;
        EXPECT_FALSE(ParseJhdFile(bytes, "Pune", &problem)) << message;
        EXPECT_EQ(problem, message);
    }
}

// The lines used decide the encoding: a stray byte in a remark after them
// leaves UTF-8 names as they are; a file whose names are in two encodings is
// refused, naming both lines, never read whole as Windows-1252.
TEST(ImportedFiles, EncodingOfTheLinesUsed) {
    std::vector<std::string> lines = PuneLines();
    const auto withPlace = [&](std::string city, std::string country, std::string after) {
        lines[12] = std::move(city);
        lines[13] = std::move(country);
        return Jhd(lines) + after;
    };
    const struct {
        const char* what;
        std::string jhd;
        const char* city; // empty: refused
        const char* problem;
    } cases[] = {
        {"UTF-8, a Latin-1 remark after", withPlace("पुणे", "भारत", "Jos\xE9\r\n"), "पुणे", ""},
        {"Windows-1252 throughout", withPlace("Le\xF3" "n", "Espa\xF1" "a", "\xE9\r\n"), "León", ""},
        {"UTF-8 and Latin-1 names", withPlace("पुणे", "Espa\xF1" "a", ""), "",
         "Line 14 holds \"Espa\\xf1a\", not UTF-8 as line 13 is: a file of two encodings is refused."},
        {"Latin-1 after a UTF-8 mark", "\xEF\xBB\xBF" + withPlace("Le\xF3" "n", "Spain", ""), "",
         "Line 13 holds \"Le\\xf3n\", not UTF-8 as the file's byte-order mark says: a file of two encodings is refused."},
    };
    for (const auto& c : cases) {
        std::string problem;
        const auto e = ParseJhdFile(c.jhd, "राम", &problem);
        EXPECT_EQ(e ? e->City : "", c.city) << c.what;
        EXPECT_EQ(problem, c.problem) << c.what;
        EXPECT_EQ(e ? e->Name : "राम", "राम") << c.what;
    }
    const std::string mtx = "# chart\nराम\n21\n3\n1985\n10.5\n5.5\n0\nपुणे, भारत\n73.85\n18.5\nnotes \xFF\n";
    const auto e = ParseMtxFile(mtx, "x", nullptr);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Name, "राम");
    EXPECT_EQ(e->City, "पुणे");
}

// Names as long as a box holds are imported, and their chart saved is read
// back, in Devanagari too (the names line then holds them); one letter more
// is refused with the line, never saved as a chart the program refuses.
TEST(ImportedFiles, NamesNoLongerThanTheBoxes) {
    const std::string boxFull(kLetterBoxLength, 'a');
    std::string devanagari;
    for (std::size_t i = 0; i < kLetterBoxLength; ++i) devanagari += "र";
    const auto mtx = [](const std::string& name, const std::string& place) {
        return "# chart\n" + name + "\n21\n3\n1985\n10.5\n5.5\n0\n" + place + "\n73.85\n18.5\n";
    };
    std::vector<std::string> lines = PuneLines();
    const auto jhd = [&](const std::string& city) {
        lines[12] = city;
        return Jhd(lines);
    };
    const struct {
        const char* what;
        std::string bytes; // .mtx when its first byte is '#'
        std::string name;  // the .jhd's file name
        std::string problem; // the start of the refusal; empty: read and saved
    } cases[] = {
        {".mtx name of a full box", mtx(boxFull, "Pune, India"), "", ""},
        {".mtx names of full boxes in Devanagari", mtx(devanagari, devanagari + ", " + devanagari + ", " + devanagari), "",
         ""},
        {".jhd city of a full box", jhd(boxFull), "Ravi", ""},
        {".mtx name of a letter more", mtx(boxFull + "a", "Pune"), "", "Line 2 (name) holds \"aaa"},
        {".mtx state of a letter more", mtx("Ada", "Pune, " + devanagari + "र, India"), "", "Line 9 (place) holds \"Pune, "},
        {".jhd city of a letter more", jhd(boxFull + "a"), "Ravi", "Line 13 (city) holds \"aaa"},
        {".jhd name of a letter more", jhd("Pune"), boxFull + "a", "The file's name \"aaa"},
    };
    BirthRecord saved;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string problem;
        const auto imported = c.bytes.front() == '#' ? ParseMtxFile(c.bytes, "x", &problem)
                                                     : ParseJhdFile(c.bytes, c.name, &problem);
        if (!c.problem.empty()) {
            EXPECT_FALSE(imported);
            EXPECT_EQ(problem.substr(0, c.problem.size()), c.problem);
            EXPECT_TRUE(problem.ends_with("\", longer than a box holds (32767 characters).")) << problem;
            continue;
        }
        ASSERT_TRUE(imported) << problem;
        CalculationDriver driver;
        ASSERT_FALSE(driver.Calculate(*imported));
        saved = driver.records().birth;
        const auto file = FormatReadableChartFile(driver.records().birth, imported->ZoneRow, &problem);
        ASSERT_TRUE(file) << problem;
        const auto reopened = ParseChartFile(*file, &problem);
        ASSERT_TRUE(reopened) << problem;
        EXPECT_EQ(reopened->Name, imported->Name);
        EXPECT_EQ(reopened->State, imported->State);
    }
    // A birth of longer names than any box holds is never written.
    BirthRecord tooLong = saved;
    tooLong.Name = tooLong.City = tooLong.State = tooLong.Country = devanagari + devanagari;
    std::string problem;
    EXPECT_FALSE(FormatReadableChartFile(tooLong, 0, &problem));
    EXPECT_EQ(problem, "The chart would not be read back as it is: its names are longer than a chart holds.");
}

// A file that names no state asks for one; the country stands in only when
// none is found, and a state the file names is never replaced.
TEST(ImportedFiles, AStateFoundForAPlaceThatNamesNone) {
    int asked = 0;
    const auto finder = [&](std::string answer) {
        return StateFinder([&asked, answer](const ImportedBirth& b) {
            ++asked;
            return b.City == "Pune" && b.Country == "India" ? answer : std::string();
        });
    };
    const std::string jhd = Jhd(PuneLines());
    const std::string mtx = "# chart\nAda\n21\n3\n1985\n10.5\n5.5\n0\nPune, Deccan, India\n73.85\n18.5\n";
    EXPECT_EQ(ParseJhdFile(jhd, "Ravi", nullptr, finder("Maharashtra"))->State, "Maharashtra");
    EXPECT_EQ(ParseJhdFile(jhd, "Ravi", nullptr, finder(""))->State, "India");
    EXPECT_EQ(ParseJhdFile(jhd, "Ravi", nullptr, finder("Maha 1!"))->State, "Maha"); // as the box takes it
    EXPECT_EQ(ParseJhdFile(jhd, "Ravi", nullptr)->State, "India");
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(ParseMtxFile(mtx, "x", nullptr, finder("Maharashtra"))->State, "Deccan");
    EXPECT_EQ(asked, 3);
}

TEST(MtxFile, PlacesWithAndWithoutCommas) {
    struct Case {
        const char* place;
        const char* city;
        const char* state;
        const char* country;
    };
    const Case cases[] = {
        {"Pune", "Pune", "Pune", "Pune"},
        {"Pune, India", "Pune", "India", "India"},
        {"Pune, Maharashtra, India", "Pune", "Maharashtra", "India"},
        {"Tokyo, Kanto, Honshu, Japan", "Tokyo", "Kanto Honshu", "Japan"},
        {"東京, 日本", "東京", "日本", "日本"},
        {"Pune,,India", "Pune", "India", "India"},
    };
    for (const Case& c : cases) {
        const std::string file = std::string("# chart\nAda\n21\n3\n1985\n10.508333\n5.5\n0\n") + c.place +
                                 "\n73.85\n18.516667\n";
        std::string problem;
        const auto e = ParseMtxFile(file, "x", &problem);
        ASSERT_TRUE(e) << c.place << ": " << problem;
        EXPECT_EQ(e->City, c.city) << c.place;
        EXPECT_EQ(e->State, c.state) << c.place;
        EXPECT_EQ(e->Country, c.country) << c.place;
        EXPECT_EQ(e->Second, 30) << c.place;
        // The file's own parts, before the boxes fill what it lacks.
        const auto birth = ParseMtxBirth(file, "x", nullptr);
        ASSERT_TRUE(birth);
        EXPECT_EQ(birth->City, c.city) << c.place;
        EXPECT_EQ(birth->Country, c.country) << c.place;
    }
    const std::pair<std::string, std::string> refused[] = {
        {"# chart\nAda\n21\n3\n1985\n10.5\n5.5\n0\n, India\n73.85\n18.5\n",
         "Line 9 (place) holds \", India\", no letters of a city's name."},
        {"# chart\n1985\n21\n3\n1985\n10.5\n5.5\n0\nPune\n73.85\n18.5\n", "Line 2 (name) holds \"1985\", no letters of a name."},
        {"# chart\nAda\n30\n2\n1985\n10.5\n5.5\n0\nPune\n73.85\n18.5\n",
         "Lines 3 to 5 (day, month, year) hold \"30/2/1985\", a day that month does not have."},
        {"# chart\nAda\n21\n3\n1985\n10.5\n5.5\n0\nPune\n73.85\n", "Line 11 is missing: the file ends after 10 of its 11 lines."},
    };
    for (const auto& [bytes, message] : refused) {
        std::string problem;
        EXPECT_FALSE(ParseMtxFile(bytes, "x", &problem)) << message;
        EXPECT_EQ(problem, message);
    }
}

// Files on disk are read by their extension in any letter case, the .jhd's
// name giving the person's.
TEST(ImportedFiles, ReadByTheirExtensionInAnyCase) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "rashi-imports-test";
    std::filesystem::create_directories(folder);
    const std::string jhd = Jhd(PuneLines());
    const std::string mtx = "# chart\nAda\n21\n3\n1985\n10.508333\n5.5\n0\nPune, India\n73.85\n18.516667\n";
    const std::tuple<const char*, const std::string*, std::optional<std::string>> files[] = {
        {"Ravi.jhd", &jhd, "Ravi"}, {"Ravi.JHD", &jhd, "Ravi"}, {"Ravi.Jhd", &jhd, "Ravi"},
        {"Ada.mtx", &mtx, "Ada"},   {"Ada.MTX", &mtx, "Ada"},   {"Ravi.JHD", &mtx, std::nullopt},
        {"Ada.MTX", &jhd, std::nullopt}, {"Ravi.jhdx", &jhd, std::nullopt},
        // A name written in Latin-1 is read as Windows-1252; one in UTF-8 as it is.
        {"Jos\xE9.jhd", &jhd, "José"}, {"Jos\xC3\xA9.jhd", &jhd, "José"}, {"\x8A" "arka.jhd", &jhd, "Šarka"},
        {"राम.jhd", &jhd, "राम"},
    };
    for (const auto& [name, bytes, person] : files) {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << *bytes;
        std::string problem;
        const auto e = LoadImportedChart(path.string(), problem);
        EXPECT_EQ(e.has_value(), person.has_value()) << name << ": " << problem;
        if (e && person) {
            EXPECT_EQ(e->Name, *person) << name;
        }
        std::filesystem::remove(path);
    }
    std::filesystem::remove(folder);
}

// Saved as a chart file of the program, an imported birth's own offset and
// seconds come back in tagged lines, and the reading is the same.
TEST(ImportedBirths, KeepTheirOffsetAndSecondsInAChartFile) {
    struct Case {
        const char* what;
        std::string line4, line5, line9;
        std::optional<int> offset; // the entries' own offset, when no row gives it
        int second;
    };
    const Case cases[] = {
        {"Nepal at 23:11:30", "23.1130", "-5.45", "-5.75", 20700, 30},
        {"Calcutta Time at 18:30", "18.30", "-5.53", "-5.888889", 21200, 0},
        {"Indian Time at 10:30:30", "10.3030", "-5.30", "-5.5", std::nullopt, 30},
        {"Indian Time at 10:30", "10.30", "-5.30", "-5.5", std::nullopt, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = PuneLines();
        lines[3] = c.line4;
        lines[4] = c.line5;
        lines[8] = lines[9] = c.line9;
        std::string problem;
        const auto imported = ParseJhdFile(Jhd(lines), "Ravi", &problem);
        ASSERT_TRUE(imported) << c.what << ": " << problem;
        CalculationDriver driver;
        ASSERT_FALSE(driver.Calculate(*imported)) << c.what;
        const std::string file = FormatChartFile(driver.records().birth, imported->ZoneRow);
        EXPECT_EQ(file.find(EncodeText("offset=")) != std::string::npos, c.offset.has_value()) << c.what;
        const auto reopened = ParseChartFile(file, &problem);
        ASSERT_TRUE(reopened) << c.what << ": " << problem;
        EXPECT_EQ(reopened->ZoneOffsetSeconds, c.offset) << c.what;
        EXPECT_EQ(reopened->Second, c.second) << c.what;
        EXPECT_TRUE(reopened->Tagged.empty()) << c.what;
        CalculationDriver again;
        ASSERT_FALSE(again.Calculate(*reopened)) << c.what;
        EXPECT_EQ(again.records().birth, driver.records().birth) << c.what;
        EXPECT_EQ(again.report(), driver.report()) << c.what;
        EXPECT_EQ(FormatChartFile(again.records().birth, reopened->ZoneRow), file) << c.what;
    }
    // Values those lines cannot hold are refused.
    CalculationDriver greenwich;
    ASSERT_FALSE(greenwich.Calculate(testing::GreenwichNoon()));
    const BirthRecord& b = greenwich.records().birth;
    for (const auto& [line, message] :
         {std::pair<std::string, std::string>{"offset=54001", "The line \"offset\" holds \"54001\", not an offset in seconds of at most 15 hours."},
          {"offset=5h", "The line \"offset\" holds \"5h\", not an offset in seconds of at most 15 hours."},
          {"second=60", "The line \"second\" holds \"60\", not a second from 0 to 59."},
          {"second=-1", "The line \"second\" holds \"-1\", not a second from 0 to 59."}}) {
        const std::string file = FormatChartFile(b, 29) + "\r\n" + EncodeText(line) + "\r\n";
        std::string problem;
        EXPECT_FALSE(ParseChartFile(file, &problem)) << line;
        EXPECT_EQ(problem, message);
    }
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
