// Names in any script in a chart file: the 17 lines keep what their code page
// holds, the names line carries the names whole, and they come back as typed.

#include "core/chart_files/chart_file.h"
#include "core/chart_files/chart_names.h"
#include "core/chart_files/stored_text.h"
#include "core/reading/calculation_driver.h"
#include "fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace rashi {
namespace {

BirthRecord BirthOf(const Entries& entries) {
    CalculationDriver driver;
    EXPECT_FALSE(driver.Calculate(entries));
    return driver.records().birth;
}

TEST(ChartNames, NamesOfEveryScriptComeBackAsTyped) {
    const struct {
        const char* what;
        const char* name;
        const char* city;
        const char* state;
        const char* country;
        bool namesLine;        // written only when the code page cannot hold a name
        const char* lineOne;   // what an older reader finds on line 1
    } cases[] = {
        {"Devanagari", "श्री राम", "पुणे", "महाराष्ट्र", "भारत", true, " "},
        {"Polish", "Zoe", "Łódź", "Łódzkie", "Polska", true, "Zoe"},
        // The stored-text shift leaves out the codes above 170: ë, ü.
        {"accents", "Zoë", "Zürich", "Zürich", "Schweiz", true, "Zo"},
        {"mixed", "Ada", "पुणे", "Maharashtra", "India", true, "Ada"},
        {"ASCII", "Ada", "Pune", "Maharashtra", "India", false, "Ada"},
    };
    for (const auto& c : cases) {
        Entries entries = testing::PuneBirth(15, 8, 1985, 17, 45);
        entries.Name = c.name;
        entries.City = c.city;
        entries.State = c.state;
        entries.Country = c.country;
        const BirthRecord birth = BirthOf(entries);
        const std::string bytes = FormatChartFile(birth, entries.ZoneRow);
        const auto lines = SplitChartFile(bytes);
        ASSERT_TRUE(lines) << c.what;
        EXPECT_EQ((*lines)[0], c.lineOne) << c.what;
        EXPECT_EQ(bytes.find(EncodeText("names=")) != std::string::npos, c.namesLine) << c.what;

        std::string problem;
        const auto back = ParseChartFile(bytes, &problem);
        ASSERT_TRUE(back) << c.what << ": " << problem;
        EXPECT_EQ(back->Name, c.name) << c.what;
        EXPECT_EQ(back->City, c.city) << c.what;
        EXPECT_EQ(back->State, c.state) << c.what;
        EXPECT_EQ(back->Country, c.country) << c.what;
        // Saved again, the same file.
        EXPECT_EQ(FormatChartFile(BirthOf(*back), back->ZoneRow), bytes) << c.what;
    }
}

// A names line that does not hold four names of letters is refused whole; a
// chart whose names now fit the code page drops a names line it had.
TEST(ChartNames, BadNamesLinesAreRefusedAndStaleOnesDropped) {
    Entries entries = testing::PuneBirth(15, 8, 1985, 17, 45);
    entries.Name = "राम";
    const BirthRecord birth = BirthOf(entries);
    const std::string good = FormatChartFile(birth, entries.ZoneRow);
    ASSERT_NE(good.find(EncodeText("names=")), std::string::npos);
    const std::string head = good.substr(0, good.find(EncodeText("names=")));
    const std::string ram = "%E0%A4%B0%E0%A4%BE%E0%A4%AE"; // राम, as the file escapes it
    for (const std::string& value : {ram + "|Pune|Maharashtra", ram + "|Pune|Maharashtra|India|More",
                                    ram + "1|Pune|Maharashtra|India", ram + "|Pune!|Maharashtra|India", ram + "|Pune|--|India", std::string("|||"),
                                    ram + "|Pune||India"}) {
        std::string problem;
        const std::string bytes = head + EncodeText("names=" + value) + "\r\n";
        EXPECT_FALSE(ParseChartFile(bytes, &problem)) << value;
        EXPECT_NE(problem.find("names line"), std::string::npos) << problem;
    }
    // The name typed again in Latin letters: no names line is left behind.
    BirthRecord plain = birth;
    plain.Name = "Ram";
    const std::string saved = FormatChartFile(plain, entries.ZoneRow);
    EXPECT_EQ(saved.find(EncodeText("names=")), std::string::npos);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 17);
}

} // namespace
} // namespace rashi
