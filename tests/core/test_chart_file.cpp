#include "core/chart_files/chart_file.h"

#include "core/reading/calculation_driver.h"
#include "core/chart_files/chart_file_io.h"
#include "core/chart_files/chart_file_name.h"
#include "core/chart_files/stored_text.h"
#include "core/ayanamsa/ayanamsa_names.h"
#include "core/records/tagged_lines.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <vector>

namespace rashi {
namespace {

using testing::GreenwichNoon;

std::string FileOf(const ChartLines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += EncodeText(line) + "\r\n";
    return bytes;
}

ChartLines GoodLines() {
    return {"Ada", "3", "7", "1985", "24", "59", "34", "73", "51", "18", "31", "True", "False", "True",
            "Pune", "Maharashtra", "India"};
}

TEST(ChartFile, SavedBytesAreExact) {
    CalculationDriver driver;
    Entries e = GreenwichNoon();
    e.MonthPosition = 2;
    e.DatePosition = 6;
    e.City = "  London ";
    e.Name = " Ada";
    e.LonDeg = "007";
    ASSERT_FALSE(driver.Calculate(e));
    const std::string bytes = FormatChartFile(driver.records().birth, 29);
    const ChartLines expected = {"Ada",  "3",     "7",     "2000", "12", "0",      "29",      "7",
                                 "0",    "51",    "28",    "True", "False", "False", "London", "England",
                                 "United Kingdom"};
    EXPECT_EQ(bytes, FileOf(expected));
    // 7 March: line 2 holds the encoded 3, line 3 the encoded 7, each then CR LF.
    EXPECT_EQ(bytes.substr(bytes.find("\r\n") + 2, 3), std::string("\x88\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 17);
}

TEST(ChartFile, SaveThenOpenRestoresEveryEntryAndTheReading) {
    Entries e = GreenwichNoon();
    e.MonthPosition = 10;
    e.DatePosition = 29;
    e.YearPosition = 0;
    e.HourPosition = 24;
    e.MinutePosition = 59;
    e.ZoneRow = 70;
    e.East = false;
    e.West = true;
    e.North = false;
    e.South = true;
    e.DaylightSaving = true;
    CalculationDriver driver;
    ASSERT_FALSE(driver.Calculate(e));
    const auto reopened = ParseChartFile(FormatChartFile(driver.records().birth, e.ZoneRow));
    ASSERT_TRUE(reopened);
    EXPECT_EQ(*reopened, e);
    CalculationDriver again;
    ASSERT_FALSE(again.Calculate(*reopened));
    EXPECT_EQ(again.report(), driver.report());
}

TEST(ChartFile, AcceptsWhatTheFormatAllows) {
    struct Case {
        const char* what;
        int line;
        std::string text;
    };
    const Case cases[] = {
        {"boolean in capitals", 11, "TRUE"},   {"boolean as a number", 12, "-1"}, {"zero is false", 13, "0"},
        {"decimal number", 11, "0.5"},          {"empty coordinate", 7, ""},       {"empty name", 0, ""},
        {"any character in a place", 14, "O'Brien \"</script>\""},
    };
    for (const Case& c : cases) {
        ChartLines lines = GoodLines();
        lines[c.line] = c.text;
        EXPECT_TRUE(ParseChartFile(FileOf(lines))) << c.what;
    }
    ChartLines lines = GoodLines();
    lines[11] = "-1";
    lines[12] = "TRUE";
    lines[13] = "0";
    const auto e = ParseChartFile(FileOf(lines));
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->East && !e->West && e->South && !e->North && !e->DaylightSaving);
    // Any number but zero is true, a fraction too; the edges of the globe are on it.
    lines = GoodLines();
    lines[11] = "0.5";
    lines[12] = "0.0";
    lines[13] = ".5";
    lines[7] = "180";
    lines[8] = "0";
    lines[9] = "90";
    lines[10] = "0";
    const auto f = ParseChartFile(FileOf(lines));
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->East && !f->South && f->DaylightSaving);
}

TEST(ChartFile, APlaceOffTheGlobeIsRefusedByTheLineThatSaysSo) {
    struct Case {
        const char* lonDeg;
        const char* lonMin;
        const char* latDeg;
        const char* latMin;
        const char* problem; // empty: read
    };
    const Case cases[] = {
        {"180", "0", "90", "0", ""},
        {"180", "1", "18", "31", "Line 9 (longitude minutes) holds \"1\", not minutes from 0 to 59."},
        {"73", "51", "90", "1", "Line 11 (latitude minutes) holds \"1\", not minutes from 0 to 59."},
        {"73", "51", "99", "0", "Line 10 (latitude degrees) holds \"99\", not a latitude from 0 to 90 degrees."},
        {"181", "0", "18", "31", "Line 8 (longitude degrees) holds \"181\", not a longitude from 0 to 180 degrees."},
    };
    for (const Case& c : cases) {
        ChartLines lines = GoodLines();
        lines[7] = c.lonDeg;
        lines[8] = c.lonMin;
        lines[9] = c.latDeg;
        lines[10] = c.latMin;
        std::string problem;
        EXPECT_EQ(ParseChartFile(FileOf(lines), &problem).has_value(), *c.problem == 0) << c.problem;
        EXPECT_EQ(problem, c.problem);
    }
}

TEST(ChartFile, RefusesAnyLineThatDoesNotFitItsControl) {
    struct Case {
        const char* what;
        int line;
        std::string text;
    };
    const Case cases[] = {
        {"month 0", 1, "0"},          {"month 13", 1, "13"},         {"month with a sign", 1, "+3"},
        {"day 32", 2, "32"},          {"day with a leading zero", 2, "07"}, {"year 1599", 3, "1599"},
        {"year 2401", 3, "2401"},     {"hour 25", 4, "25"},          {"minute 60", 5, "60"},
        {"zone row 71", 6, "71"},     {"zone row -1", 6, "-1"},      {"empty zone", 6, ""},
        {"four digits", 7, "1234"},   {"minus sign", 8, "-5"},       {"letters", 9, "ab"},
        {"blank", 10, " "},           {"neither word nor number", 11, "Yes"}, {"empty boolean", 12, ""},
        {"half a number", 13, "1.2.3"},
        {"longitude 181", 7, "181"},  {"longitude minutes 60", 8, "60"}, {"latitude 99", 9, "99"},
        {"latitude 999", 9, "999"},   {"latitude minutes 60", 10, "60"},
    };
    for (const Case& c : cases) {
        ChartLines lines = GoodLines();
        lines[c.line] = c.text;
        std::string problem;
        EXPECT_FALSE(ParseChartFile(FileOf(lines), &problem)) << c.what;
        // The detail names the line, what it is for and what it held.
        const std::string expected = "Line " + std::to_string(c.line + 1) + " (" +
                                     std::string(kChartLineNames[c.line]) + ") holds \"" + c.text + "\"";
        EXPECT_EQ(problem.substr(0, expected.size()), expected) << c.what;
    }
}

TEST(ChartFile, ProblemsOfTheWholeFileAreNamed) {
    const std::string good = FileOf(GoodLines());
    struct Case {
        const char* what;
        std::string bytes;
        const char* problem;
    };
    ChartLines longName = GoodLines();
    longName[0] = std::string(kMaxChartLineBytes + 1, 'A');
    ChartLines controlCharacters = GoodLines();
    controlCharacters[1] = std::string("\x01\x02") + std::string(60, '9');
    const Case cases[] = {
        {"empty", "", "The file ends after 0 of its 17 lines."},
        {"sixteen lines", good.substr(0, good.rfind('\r', good.size() - 3) + 2), "The file ends after 16 of its 17 lines."},
        {"over-long line", FileOf(longName), "Line 1 (name) is longer than any box can hold."},
        {"shortened and shown safely", FileOf(controlCharacters),
         "Line 2 (month) holds \"\\x01\\x0299999999999999999999999999999999999999\u2026\", not a month from 1 to 12."},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_FALSE(ParseChartFile(c.bytes, &problem)) << c.what;
        EXPECT_EQ(problem, c.problem) << c.what;
    }
}

TEST(ChartFile, LineEnds) {
    const std::string good = FileOf(GoodLines());
    EXPECT_TRUE(ParseChartFile(good));
    // An empty 18th line is none, and lines after the 18th are not read; CR
    // alone ends a line; the last may lack its end.
    EXPECT_EQ(ParseChartFile(good + "\r\nmore"), ParseChartFile(good));
    EXPECT_EQ(ParseChartFile(good + EncodeText("  ") + "\r\n"), ParseChartFile(good));
    std::string crOnly = good;
    for (std::size_t p; (p = crOnly.find("\r\n")) != std::string::npos;) crOnly.erase(p + 1, 1);
    EXPECT_EQ(ParseChartFile(crOnly), ParseChartFile(good));
    EXPECT_TRUE(ParseChartFile(good.substr(0, good.size() - 2)));
    // Sixteen lines, or no line breaks at all, is not a chart.
    const std::string sixteen = good.substr(0, good.rfind('\r', good.size() - 3) + 2);
    EXPECT_FALSE(ParseChartFile(sixteen));
    EXPECT_FALSE(ParseChartFile(std::string(1000, '\x90')));
    EXPECT_FALSE(ParseChartFile(""));
}

TEST(ChartFile, ReaderStopsAtTheLastLineAChartHasAndRefusesHugeLines) {
    const std::string good = FileOf(GoodLines());
    std::istringstream withTail(good + "\r\n" + std::string(10'000'000, 'x'));
    EXPECT_TRUE(ReadChartFile(withTail));
    EXPECT_LE(withTail.tellg(), static_cast<std::streamoff>(kMaxChartFileBytes + 8192));
    std::string lineEnds = good + "\r\n";
    for (int i = 0; i < kMaxTaggedLines; ++i) lineEnds += EncodeText("k" + std::to_string(i) + "=v") + "\r\n";
    std::istringstream withManyLines(lineEnds + std::string(10'000'000, 'x'));
    EXPECT_TRUE(ReadChartFile(withManyLines));
    EXPECT_LT(withManyLines.tellg(), static_cast<std::streamoff>(lineEnds.size() + 8192));
    // A huge 18th line is no zone id, and is not read to its end.
    std::istringstream hugeEighteenth(good + std::string(10'000'000, 'x'));
    EXPECT_FALSE(ReadChartFile(hugeEighteenth));
    EXPECT_LE(hugeEighteenth.tellg(), static_cast<std::streamoff>(kMaxChartFileBytes + 8192));

    std::istringstream noBreaks(std::string(kMaxChartFileBytes * 2, '\x96'));
    EXPECT_FALSE(ReadChartFile(noBreaks));
    EXPECT_LE(noBreaks.tellg(), static_cast<std::streamoff>(kMaxChartFileBytes + 8192));

    ChartLines longName = GoodLines();
    longName[0] = std::string(kMaxChartLineBytes + 1, 'a');
    std::istringstream tooLong(FileOf(longName));
    EXPECT_FALSE(ReadChartFile(tooLong));
    longName[0].pop_back();
    std::istringstream longest(FileOf(longName));
    EXPECT_TRUE(ReadChartFile(longest));
}

TEST(ChartFile, ZoneIdTravelsAsAnEighteenthLine) {
    CalculationDriver driver;
    Entries e = GreenwichNoon();
    e.ZoneId = "Europe/London";
    e.ZoneOffsetSeconds = 0;
    ASSERT_FALSE(driver.Calculate(e));
    const std::string bytes = FormatChartFile(driver.records().birth, e.ZoneRow);
    // The 17 lines are exactly those of a birth without a zone id.
    Entries plain = GreenwichNoon();
    CalculationDriver plainDriver;
    ASSERT_FALSE(plainDriver.Calculate(plain));
    const std::string seventeen = FormatChartFile(plainDriver.records().birth, plain.ZoneRow);
    ASSERT_EQ(bytes.substr(0, seventeen.size()), seventeen);
    EXPECT_EQ(bytes.substr(seventeen.size()), EncodeText("Europe/London") + "\r\n");
    const auto reopened = ParseChartFile(bytes);
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->ZoneId, "Europe/London");
    EXPECT_FALSE(reopened->ZoneOffsetSeconds); // found again from the tz database when read
}

TEST(ChartFile, EighteenthLineMustBeAZoneTheSystemKnows) {
    const std::string good = FileOf(GoodLines());
    struct Case {
        const char* line;
        bool accepted;
    };
    const Case cases[] = {
        {"Asia/Kolkata", true},
        {"America/Argentina/Salta", true},
        {"Asia/Calcutta", true}, // an old name, linked to Asia/Kolkata
        {"US/Eastern", true},
        {"Singapore", true},
        // Zones that name no place, or this machine's own: another machine reads another moment.
        {"localtime", false},
        {"Factory", false},
        {"posixrules", false},
        {"posix/Asia/Kolkata", false},
        {"right/Asia/Kolkata", false},
        {"Etc/GMT+5", false},
        {"Etc/UTC", false},
        {"UTC", false},
        {"GMT", false},
        {"Asia/Nowhere", false},
        {"trailing junk", false},
        {"../../../etc/passwd", false},
        {"/etc/localtime", false},
        {"Asia", false}, // a folder of the database, not a zone
        {"Asia//Kolkata", false},
        {"asia/kolkata ; rm", false},
    };
    for (const Case& c : cases) {
        std::string problem;
        const auto e = ParseChartFile(good + EncodeText(c.line) + "\r\n", &problem);
        EXPECT_EQ(bool(e), c.accepted) << c.line;
        if (e) EXPECT_EQ(e->ZoneId, c.line);
        else EXPECT_EQ(problem.substr(0, 30), "Line 18 (time zone id) holds \"") << c.line;
    }
}

TEST(ChartFile, NonAsciiTextsTravelInWindows1252) {
    BirthRecord b;
    b.Month = b.Day = 1;
    b.Year = 1950;
    b.Name = "Zo\u0161a \u2013 \u20AC"; // š, en dash and euro sign have codes below 171
    b.City = "K\u00F6ln";                 // ö is 246: cannot be shifted, so it is lost
    const std::string bytes = FormatChartFile(b, 0);
    EXPECT_EQ(bytes.substr(0, bytes.find('\r')), EncodeText("Zo\x9A" "a \x96 \x80"));
    const auto lines = SplitChartFile(bytes);
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[0], b.Name);
    EXPECT_EQ((*lines)[14], "Kln");
}

// Tagged lines after the zone id: any UTF-8 value comes back as it went,
// and a chart without them is written as before.
TEST(ChartFile, TaggedLinesComeBackAsTheyWent) {
    BirthRecord b;
    b.Month = b.Day = 1;
    b.Year = 1950;
    const std::string plain = FormatChartFile(b, 34);
    const std::string values[] = {"raman", "custom:23.5,50.2", "\u0930\u093E\u092E|\u092A\u0941\u0923\u0947",
                                  "50% off = 100%25", " spaced  ", "tab\tand\r\nline ends", "Zo\u00EB \u0141\u00F3d\u017A"};
    for (const std::string& value : values) {
        for (const std::string zoneId : {"", "Asia/Kolkata"}) {
            b.ZoneId = zoneId;
            b.Tagged = {{"x-note", value}, {"x-later_2", "kept"}};
            const std::string bytes = FormatChartFile(b, 34);
            EXPECT_EQ(bytes.substr(0, plain.size()), plain);
            EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 20) << value;
            std::string problem;
            const auto e = ParseChartFile(bytes, &problem);
            ASSERT_TRUE(e) << value << ": " << problem;
            EXPECT_EQ(e->Tagged, b.Tagged) << value;
            EXPECT_EQ(e->ZoneId, zoneId);
            std::istringstream in(bytes);
            EXPECT_EQ(ReadChartFile(in), e) << value;
            // A reader of 17 lines finds its lines unchanged.
            EXPECT_EQ(SplitChartFile(bytes), SplitChartFile(plain));
        }
    }
    b.Tagged.clear();
    b.ZoneId.clear();
    EXPECT_EQ(FormatChartFile(b, 34), plain);
}

TEST(ChartFile, TaggedLinesOfAnotherShapeArePassedOverAndBadValuesRefused) {
    const std::string good = FileOf(GoodLines()) + "\r\n"; // an empty 18th line
    struct Case {
        std::vector<std::string> lines;
        TaggedLines tagged;  // what is read
        const char* problem; // the start of the refusal; empty: read
    };
    const Case cases[] = {
        {{"more", "Key=x", "=x", "9a=x", "a b=x", "ayanamsa = raman"}, {}, ""},
        {{"ayanamsa=raman", "", "junk", "x-note=A%7Cb"}, {{"ayanamsa", "raman"}, {"x-note", "A|b"}}, ""},
        {{"x-note=%E0%A4%B0"}, {{"x-note", "\u0930"}}, ""},
        {{"k=", "m=%41%62"}, {{"k", ""}, {"m", "Ab"}}, ""},
        {{"names=%E0%A4"}, {}, "Line 19 (names) holds \"names=%E0%A4\", not text in UTF-8."},
        {{"x", "names=%G1"}, {}, "Line 20 (names) holds"},
        {{"names=50%"}, {}, "Line 19 (names) holds"},
        {{"names=%C0%80"}, {}, "Line 19 (names) holds"}, // an overlong NUL
        {{"a=1", "b=2", "a=3"}, {}, "Line 21 (a) names a a second time."},
    };
    for (const Case& c : cases) {
        std::string bytes = good;
        for (const std::string& line : c.lines) bytes += EncodeText(line) + "\r\n";
        std::string problem;
        const auto e = ParseChartFile(bytes, &problem);
        EXPECT_EQ(bool(e), !*c.problem) << c.lines.front();
        EXPECT_EQ(e ? e->Tagged : TaggedLines{}, c.tagged) << c.lines.front();
        EXPECT_EQ(problem.substr(0, std::string_view(c.problem).size()), c.problem);
    }
    // Past the most a chart has, lines are not read at all.
    std::string many = good;
    for (int i = 0; i < kMaxTaggedLines; ++i) many += EncodeText("k" + std::to_string(i) + "=v") + "\r\n";
    const auto e = ParseChartFile(many + EncodeText("last=v") + "\r\n" + EncodeText("x=%") + "\r\n");
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Tagged.size(), std::size_t(kMaxTaggedLines));
    EXPECT_FALSE(FindTagged(e->Tagged, "last"));
}

// Blank lines and lines of another shape do not count against the most
// tagged lines a chart has: the line after them is read, by either reader,
// and written again on saving.
TEST(ChartFile, OnlyTaggedLinesCountAgainstTheMost) {
    const std::string good = FileOf(GoodLines()) + "\r\n";
    const struct {
        std::string between; // one line, repeated before the tagged one
        int times;
    } cases[] = {{"", kMaxTaggedLines}, {"", 3 * kMaxTaggedLines}, {"  ", kMaxTaggedLines + 1},
                 {"a note", kMaxTaggedLines * 2}, {"", 0}};
    for (const auto& c : cases) {
        std::string bytes = good;
        for (int i = 0; i < c.times; ++i) bytes += EncodeText(c.between) + "\r\n";
        bytes += EncodeText("ayanamsa=raman") + "\r\n";
        const auto parsed = ParseChartFile(bytes);
        std::istringstream in(bytes + std::string(100'000, 'x'));
        const auto read = ReadChartFile(in);
        ASSERT_TRUE(parsed && read) << c.times << " lines of \"" << c.between << '"';
        EXPECT_EQ(FindTagged(parsed->Tagged, kAyanamsaTag), "raman") << c.times;
        EXPECT_EQ(read, parsed) << c.times;
        BirthRecord birth;
        birth.Tagged = parsed->Tagged;
        EXPECT_NE(FormatChartFile(birth, 0).find(EncodeText("ayanamsa=raman")), std::string::npos) << c.times;
    }
}

TEST(ChartFile, ExtensionIsCaseSensitive) {
    EXPECT_TRUE(HasChartExtension("/home/ada/chart.kqa"));
    EXPECT_TRUE(HasChartExtension("kqa"));
    EXPECT_FALSE(HasChartExtension("chart.KQA"));
    EXPECT_FALSE(HasChartExtension("chart.kq"));
    EXPECT_FALSE(HasChartExtension(""));
}

} // namespace
} // namespace rashi

namespace rashi {
namespace {

TEST(ChartFile, RandomBytesNeverGiveAHalfReading) {
    // Mutations of a good file: every result is either refused or a file
    // whose entries all lie inside their lists.
    const std::string good = FileOf(GoodLines());
    std::mt19937 random(7);
    for (int round = 0; round < 5000; ++round) {
        std::string bytes = good;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int k = 0; k < edits; ++k) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 3) {
            case 0: bytes[at] = static_cast<char>(random() % 256); break;
            case 1: bytes.erase(at, 1 + random() % 8); break;
            default: bytes.insert(at, 1, static_cast<char>(random() % 256)); break;
            }
            if (bytes.empty()) bytes = "\r";
        }
        const auto e = ParseChartFile(bytes);
        if (!e) continue;
        EXPECT_TRUE(e->MonthPosition >= 0 && e->MonthPosition < 12);
        EXPECT_TRUE(e->DatePosition >= 0 && e->DatePosition < 31);
        EXPECT_TRUE(e->YearPosition >= 0 && e->YearPosition < 150);
        EXPECT_TRUE(e->HourPosition >= 0 && e->HourPosition <= 24);
        EXPECT_TRUE(e->ZoneRow >= 0 && e->ZoneRow <= 70);
        EXPECT_LE(e->LatDeg.size(), 3u);
        EXPECT_NE(e->East, e->West);
        EXPECT_NE(e->North, e->South);
    }
}

// The name Save proposes for a reading that has no chart file of its own.
TEST(ProposedChartFileName, IsThePersonsNameAsAFileCanHoldIt) {
    const std::string longest(kMaxProposedNameBytes, 'a');
    struct Case {
        std::string name;
        std::string proposed;
    };
    const Case cases[] = {
        {"Ada Lovelace", "Ada Lovelace.kqa"},
        {"  Mira Bai  ", "Mira Bai.kqa"},
        {"Ray", "Ray.kqa"},
        {"", ""},
        {"   ", ""},
        {"AC/DC", "AC DC.kqa"},
        {"../../etc/passwd", "etc passwd.kqa"},
        {"..", ""},
        {".hidden", "hidden.kqa"},
        {"Tab\there\x1b[31m", "Tab here [31m.kqa"},
        {"Zo\xc3\xab", "Zo\xc3\xab.kqa"}, // UTF-8 is kept
        {longest + "bcd", longest + ".kqa"},
        // Cut at a whole character: a two-byte letter across the limit goes whole.
        {std::string(kMaxProposedNameBytes - 1, 'a') + "\xc3\xab",
         std::string(kMaxProposedNameBytes - 1, 'a') + ".kqa"},
        {std::string(kMaxProposedNameBytes - 1, 'a') + " x", std::string(kMaxProposedNameBytes - 1, 'a') + ".kqa"},
        {std::string(40000, 'z'), std::string(kMaxProposedNameBytes, 'z') + ".kqa"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 40));
        EXPECT_EQ(ProposedChartFileName(c.name), c.proposed);
    }
}

// On disk: only a regular file is read, and no further than a chart can reach.
TEST(ChartFileOnDisk, OnlyARegularFileIsReadAndNoMoreOfItThanAChart) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("chart-io-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string good = (dir / "good.kqa").string(), fifo = (dir / "fifo.kqa").string();
    std::ofstream(good, std::ios::binary) << FileOf(GoodLines()) << "\r\n" << std::string(3 * kMaxChartFileBytes, 'x');
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        const char* problem; // empty: read
    };
    const Case cases[] = {
        {good, ""},
        {dir.string(), "It is a folder, not a file."},
        {fifo, "It is not a regular file."},
        {"/dev/zero", "It is not a regular file."},
        {(dir / "none.kqa").string(), "No such file or directory."},
    };
    for (const Case& c : cases) {
        std::string problem;
        const auto entries = LoadChartFile(c.path, problem);
        EXPECT_EQ(problem, c.problem) << c.path;
        EXPECT_EQ(entries.has_value(), !*c.problem) << c.path;
    }
    std::string problem;
    const auto bytes = ReadRegularFile(good, kMaxChartFileBytes, problem);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), kMaxChartFileBytes + 1) << "one byte more says the file is longer";
    std::filesystem::remove_all(dir);
}

#if defined(__SANITIZE_ADDRESS__)
#define RASHI_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RASHI_ADDRESS_SANITIZER 1
#endif
#endif

// A huge (sparse) file is not read whole: with no more memory to spare than a
// few chart files need, reading one must still work.
TEST(ChartFileOnDisk, AHugeFileIsReadWithinLittleMemory) {
#ifdef RASHI_ADDRESS_SANITIZER
    GTEST_SKIP() << "the address sanitizer reserves more address space than any limit allows";
#else
    const std::string huge = (std::filesystem::temp_directory_path() / ("huge-" + std::to_string(::getpid()) + ".kqa")).string();
    {
        std::ofstream(huge, std::ios::binary) << FileOf(GoodLines()) << "\r\n";
    }
    ASSERT_EQ(::truncate(huge.c_str(), 4LL << 30), 0);
    const auto readWithLittleMemory = [&huge] {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlimit limit{rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (256u << 20), RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        std::string problem;
        std::_Exit(LoadChartFile(huge, problem) ? 0 : 1);
    };
    EXPECT_EXIT(readWithLittleMemory(), ::testing::ExitedWithCode(0), "");
    std::filesystem::remove(huge);
#endif
}

} // namespace
} // namespace rashi
