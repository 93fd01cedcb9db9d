// The report tool's --ayanamsa: a named ayanamsa for one reading, for every
// line of --batch, in --json, and refused with the list when unknown.
#include "cli/report_tool.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace rashi {
namespace {

using testing::Tool;
using testing::ToolRun;

std::vector<std::string> Birth(std::vector<std::string> more) {
    std::vector<std::string> args = {"--name", "Ada",    "--date", "1985-03-07", "--time", "17:45",
                                     "--zone", "34",     "--lat",  "18:31N",     "--lon",  "73:51E",
                                     "--city", "Pune",   "--state", "Maharashtra", "--country", "India"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

nlohmann::json Json(const std::vector<std::string>& args) {
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

double Apart(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(ReportAyanamsa, JsonNamesItAndTheLongitudesStandApartByTheDifference) {
    for (const char* ephemeris : {"--precise", "--json"}) {
        SCOPED_TRACE(ephemeris);
        const auto lahiri = Json(Birth({"--json", ephemeris, "--ayanamsa", "lahiri"}));
        for (const char* key : {"raman", "krishnamurti", "true-citra", "true-mula", "ss-revati", "custom:20,50"}) {
            SCOPED_TRACE(key);
            const auto named = Json(Birth({"--json", ephemeris, "--ayanamsa", key}));
            ASSERT_TRUE(named.contains("ayanamsa"));
            EXPECT_EQ(named["ayanamsa"]["name"], key);
            const double apart = named["ayanamsa"]["degrees"].get<double>() - lahiri["ayanamsa"]["degrees"].get<double>();
            for (int i = 0; i < 9; ++i)
                EXPECT_NEAR(Apart(lahiri["longitudes"][i], named["longitudes"][i]), apart, 1e-9) << i;
            EXPECT_NEAR(Apart(lahiri["ascendant"]["longitude"], named["ascendant"]["longitude"]), apart, 1e-9);
        }
    }
    // Raman's value in March 1985 is 22°12'; the header's figure, in degrees.
    const auto raman = Json(Birth({"--json", "--precise", "--ayanamsa", "raman"}));
    EXPECT_NEAR(raman["ayanamsa"]["degrees"].get<double>(), 22.2, 0.05);
    EXPECT_NEAR(raman["chart_ayanamsa"].get<double>(), -raman["ayanamsa"]["degrees"].get<double>(), 1e-12);
}

TEST(ReportAyanamsa, WithoutTheOptionNothingChanges) {
    const auto own = Json(Birth({"--json"}));
    EXPECT_FALSE(own.contains("ayanamsa"));
    const auto precise = Json(Birth({"--json", "--precise"}));
    EXPECT_FALSE(precise.contains("ayanamsa"));
    // Named Lahiri with the precise positions is the precise default.
    const auto lahiri = Json(Birth({"--json", "--precise", "--ayanamsa", "lahiri"}));
    EXPECT_EQ(lahiri["longitudes"], precise["longitudes"]);
    EXPECT_EQ(lahiri["captions"], precise["captions"]);
}

// A custom one that is refused gives the ranges its numbers take; a value
// of any length is shown trimmed, as imports show a line.
TEST(ReportAyanamsa, ACustomOneIsRefusedWithItsRanges) {
    for (const std::string key : {"custom:359.9,0", "custom:24", "custom:24,50,1", "custom:999,50", "custom:2\x1b,5"}) {
        SCOPED_TRACE(key);
        const ToolRun run = Tool(Birth({"--ayanamsa", key}));
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("from -180 to 180 degrees, a comma, and its rate from -200 to 200 arcseconds a year"),
                  std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Unknown ayanamsa"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    }
    const ToolRun spaced = Tool(Birth({"--json", "--ayanamsa", "custom:23.85, 50.29"}));
    ASSERT_EQ(spaced.status, 0) << spaced.err;
    EXPECT_EQ(spaced.out, Tool(Birth({"--json", "--ayanamsa", "custom:23.85,50.29"})).out);
    for (const std::string option : {"--ayanamsa", "--zone-id"}) {
        const ToolRun run = Tool(Birth({option, std::string(100'000, 'q')}));
        EXPECT_EQ(run.status, 2);
        EXPECT_LT(run.err.size(), 400u) << option;
        EXPECT_NE(run.err.find("\"" + std::string(40, 'q') + "…\""), std::string::npos) << run.err.substr(0, 200);
    }
}

TEST(ReportAyanamsa, AnUnknownNameIsRefusedWithTheList) {
    for (const std::string key : {"Raman", "chitra", "", "ra\x1bman"}) {
        SCOPED_TRACE(key);
        const ToolRun run = Tool(Birth({"--ayanamsa", key}));
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("Unknown ayanamsa"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("lahiri, raman, krishnamurti"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("custom:DEGREES,ARCSEC_PER_YEAR"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos);
    }
    EXPECT_EQ(Tool(Birth({"--ayanamsa"})).status, 2);
}

TEST(ReportAyanamsa, BatchTakesItForEveryLine) {
    const std::string line = "Ada\t3\t7\t1985\t17\t45\t34\t73\t51\t18\t31\tTrue\tFalse\tFalse\tPune\tMaharashtra\tIndia\n";
    const ToolRun own = Tool({"--batch"}, line + line);
    const ToolRun raman = Tool({"--batch", "--ayanamsa", "raman"}, line + line);
    ASSERT_EQ(raman.status, 0) << raman.err;
    EXPECT_NE(raman.out, own.out);
    // Each line is the single reading's 36 captions.
    const ToolRun single = Tool(Birth({"--ayanamsa", "raman"}));
    std::string captions;
    std::istringstream lines(single.out);
    for (std::string caption; std::getline(lines, caption);) captions += "\t" + caption;
    EXPECT_EQ(raman.out, "1" + captions + "\n2" + captions + "\n");
    EXPECT_EQ(Tool({"--batch", "--ayanamsa", "nope"}, line).status, 2);
}

TEST(ReportAyanamsa, HelpListsTheNames) {
    const ToolRun help = Tool({"--help"});
    for (const char* text : {"--ayanamsa", "fagan-bradley", "true-pushya", "custom:DEGREES,ARCSEC_PER_YEAR"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
}

} // namespace
} // namespace rashi

namespace rashi {
namespace {

TEST(ReportAyanamsa, SaveKeepsItAndTheFileBringsItBack) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("rashi-ayanamsa-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "ada.kqa").string();
    ASSERT_EQ(Tool(Birth({"--ayanamsa", "true-revati", "--save", file})).status, 0);
    const auto saved = Json({"--json", file});
    ASSERT_TRUE(saved.contains("ayanamsa"));
    EXPECT_EQ(saved["ayanamsa"]["name"], "true-revati");
    EXPECT_EQ(saved["longitudes"], Json(Birth({"--json", "--ayanamsa", "true-revati"}))["longitudes"]);
    // --ayanamsa wins over the file's own.
    EXPECT_EQ(Json({"--json", "--ayanamsa", "raman", file})["ayanamsa"]["name"], "raman");
    // Saved without the option, the file is as it always was: no ayanamsa line.
    ASSERT_EQ(Tool(Birth({"--save", file})).status, 0);
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 17);
    EXPECT_FALSE(Json({"--json", file}).contains("ayanamsa"));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace rashi
