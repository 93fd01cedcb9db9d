// The report tool's timing options: refusals, the lines after the others,
// the JSON keys and their sums, the batch columns and the Hindi lines.

#include "cli/report_tool.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <ctime>
#include <sstream>

namespace rashi {
namespace {

using testing::Fields;
using testing::kPune1962;
using testing::kSample;
using testing::Lines;
using testing::SignOfName;
using testing::SignOfPositionText;
using testing::Tool;
using testing::With;
using testing::ToolRun;

// UT seconds of "1946-09-10T04:34:03Z".
double Seconds(const std::string& iso) {
    std::tm tm{};
    std::istringstream in(iso);
    in >> std::get_time(&tm, "%Y-%m-%dT%H:%M:%SZ");
    return static_cast<double>(timegm(&tm));
}

TEST(ReportDashas, RefusedInputPrintsNothing) {
    struct Row {
        std::vector<std::string> more;
        std::string message;
    } rows[] = {
        {{"--dasha", "yogini"}, "Unknown dasha \"yogini\"; give vimshottari, chara, drig or all"},
        {{"--dasha", "chara,"}, "Unknown dasha \"\""},
        {{"--dasha-levels", "6"}, "--dasha-levels takes 1 to 5"},
        {{"--dasha-levels", "0"}, "--dasha-levels takes 1 to 5"},
        {{"--dasha-levels", "2.5"}, "--dasha-levels takes 1 to 5"},
        {{"--dasha-year", "299"}, "--dasha-year takes sidereal, julian, tropical, savana or a number of days from 300 to 400"},
        {{"--dasha-year", "lunar"}, "--dasha-year takes"},
        {{"--on", "2026-02-29"}, "--on takes a real date, YYYY-MM-DD"},
        {{"--on", "2026-13-01"}, "--on takes a real date"},
        {{"--on", "09-12-2026"}, "--on takes a real date"},
        {{"--dasha", "all", "--on", "1962-02-03"}, "--on 1962-02-03 lies before the birth"},
        {{"--chara-exaltation", "yes"}, "--chara-exaltation"},
    };
    for (const Row& r : rows) {
        std::vector<std::string> args = kPune1962;
        args.insert(args.end(), r.more.begin(), r.more.end());
        const ToolRun run = Tool(args);
        EXPECT_EQ(run.status, 2) << r.message;
        EXPECT_EQ(run.out, "") << r.message;
        EXPECT_NE(run.err.find(r.message), std::string::npos) << run.err;
    }
}

TEST(ReportDashas, LinesComeAfterTheCaptionsAndTheJaiminiLines) {
    const ToolRun plain = Tool(With(kPune1962, {"--jaimini"}));
    const ToolRun run = Tool(With(kPune1962, {"--jaimini", "--nakshatras", "--dasha", "all", "--on", "2026-12-09"}));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.substr(0, plain.out.size()), plain.out);
    const auto lines = Lines(run.out.substr(plain.out.size()));
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(lines[1], "Moon: Uttara Ashadha pada 4, lord Sun.");
    EXPECT_EQ(lines[9], "Lagna: Dhanishta pada 4, lord Mars.");
    EXPECT_EQ(lines[10].rfind("Vimshottari dasha: the Moon at 278°52′", 0), 0u) << lines[10];
    EXPECT_NE(lines[10].find("balance at birth Sun 0.51 years; a year of 365.256363 days (sidereal)."), std::string::npos);
    EXPECT_EQ(lines.back(), "Running on 2026-12-09 at noon UT: Vimshottari Saturn/Mars; chara Makara/Kumbha; drig Kanya.");
    // Nine mahadashas and their 81 antardashas at the default two levels.
    int maha = 0, antar = 0;
    for (const std::string& line : lines) {
        maha += line.find(" mahadasha: ") != std::string::npos;
        antar += line.find(" antardasha: ") != std::string::npos;
    }
    EXPECT_EQ(maha, 9);
    EXPECT_EQ(antar, 81);
    // Without --dasha nothing is added, and a reading without --nakshatras has no nakshatra lines.
    EXPECT_EQ(Tool(kPune1962).out, Tool(With(kPune1962, {"--on", "2026-12-09"})).out);
}

TEST(ReportDashas, JsonPeriodsAddUpAndNameWhatRunsOnTheDay) {
    const ToolRun run = Tool(With(kPune1962, {"--json", "--dasha-levels", "3", "--on", "2026-12-09"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json["nakshatras"].size(), 9u);
    EXPECT_EQ(json["nakshatras"][1]["name"], "Uttara Ashadha");
    EXPECT_EQ(json["lagna_nakshatra"]["lord"], "Mars");
    const auto& d = json["dashas"];
    EXPECT_EQ(d["year_days"], 365.256363);
    const double year = 365.256363 * 86400;
    const double noon = Seconds("2026-12-09T12:00:00Z");
    // Each level fills its period, without gaps, and names what runs at noon.
    std::vector<std::string> running;
    const nlohmann::json* level = &d["vimshottari"]["periods"];
    for (int depth = 0; depth < 3; ++depth) {
        const nlohmann::json* next = nullptr;
        for (std::size_t i = 0; i < level->size(); ++i) {
            const auto& p = (*level)[i];
            if (i > 0) {
                EXPECT_EQ(p["start"], (*level)[i - 1]["end"]);
            }
            if (Seconds(p["start"]) <= noon && noon < Seconds(p["end"])) {
                running.push_back(p["lord"]);
                next = depth < 2 ? &p["periods"] : nullptr;
                if (next) {
                    EXPECT_EQ(next->front()["start"], p["start"]);
                    EXPECT_EQ(next->back()["end"], p["end"]);
                }
            }
        }
        if (!next) break;
        level = next;
    }
    EXPECT_EQ(d["on"]["vimshottari"], nlohmann::json(running));
    const auto& v = d["vimshottari"]["periods"];
    EXPECT_NEAR((Seconds(v[8]["end"]) - Seconds(v[0]["start"])) / year, 120, 1e-5);
    EXPECT_NEAR((Seconds(v[0]["end"]) - Seconds("1962-02-04T02:30:00Z")) / year, d["vimshottari"]["balance_years"], 1e-5);
    for (const char* system : {"chara", "drig"}) {
        const auto& periods = d[system]["periods"];
        ASSERT_EQ(periods.size(), 24u) << system;
        EXPECT_EQ(periods[0]["start"], "1962-02-04T02:30:00Z") << "the first period starts at the birth";
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(periods[k]["sign"], periods[k + 12]["sign"]);
            EXPECT_EQ(periods[k]["years"].get<int>() + periods[k + 12]["years"].get<int>(), 12);
            EXPECT_EQ(periods[k]["cycle"], 1);
            EXPECT_EQ(periods[k + 12]["cycle"], 2);
        }
    }
    EXPECT_EQ(d["chara"]["periods"][0]["sign"], "Kumbha");
    EXPECT_EQ(d["chara"]["periods"][0]["periods"].size(), 12u);
    EXPECT_EQ(d["chara"]["periods"][0]["periods"][0]["sign"], "Meena");
    EXPECT_EQ(d["chara"]["exaltation"], false);
    EXPECT_FALSE(d["drig"]["periods"][0].contains("periods"));
}

TEST(ReportDashas, YearLengthAndExaltationOption) {
    struct Row {
        std::string year;
        double days;
    } rows[] = {{"julian", 365.25}, {"tropical", 365.24219}, {"savana", 360}, {"350.5", 350.5}};
    for (const Row& r : rows) {
        const ToolRun run = Tool(With(kPune1962, {"--json", "--dasha", "vimshottari", "--dasha-year", r.year, "--dasha-levels", "1"}));
        ASSERT_EQ(run.status, 0) << run.err;
        const auto d = nlohmann::json::parse(run.out)["dashas"];
        EXPECT_EQ(d["year_days"], r.days);
        const auto& v = d["vimshottari"]["periods"];
        EXPECT_NEAR((Seconds(v[8]["end"]) - Seconds(v[0]["start"])) / 86400, 120 * r.days, 1e-4) << r.year;
        EXPECT_FALSE(v[0].contains("periods"));
        EXPECT_FALSE(d.contains("chara"));
    }
    const auto off = nlohmann::json::parse(Tool(With(kPune1962, {"--json", "--dasha", "chara"})).out)["dashas"]["chara"];
    const auto on = nlohmann::json::parse(Tool(With(kPune1962, {"--json", "--dasha", "chara", "--chara-exaltation", "on"})).out)["dashas"]["chara"];
    EXPECT_EQ(on["exaltation"], true);
    int differ = 0;
    for (int k = 0; k < 12; ++k) differ += on["periods"][k]["years"] != off["periods"][k]["years"];
    EXPECT_GT(differ, 0) << "Saturn in Makara, Jupiter in it: some lord is exalted or debilitated";
}

TEST(ReportDashas, BatchColumnsAndHindiLines) {
    const std::string line = "Ada\t2\t4\t1962\t8\t0\t34\t73\t51\t18\t31\tTrue\tFalse\tFalse\tPune\tM\tIndia\n";
    const ToolRun plain = Tool({"--batch"}, line);
    const ToolRun run = Tool({"--batch", "--dasha", "all", "--on", "2026-12-09"}, line);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.out.substr(0, plain.out.size() - 1), plain.out.substr(0, plain.out.size() - 1));
    EXPECT_EQ(run.out.substr(plain.out.size() - 1), "\tUttara Ashadha\tSaturn\tMars\tMakara\tKumbha\tKanya\n");
    const ToolRun hindi = Tool(With(kPune1962, {"--lang", "hi", "--nakshatras", "--dasha", "vimshottari", "--dasha-levels", "1",
                                                "--on", "2026-12-09", "--window"}));
    ASSERT_EQ(hindi.status, 0) << hindi.err;
    EXPECT_NE(hindi.out.find("चंद्र: उत्तराषाढ़ा पद 4, स्वामी सूर्य।"), std::string::npos) << hindi.out;
    EXPECT_NE(hindi.out.find("विंशोत्तरी दशा: चंद्र 278°52′"), std::string::npos);
    EXPECT_NE(hindi.out.find("वर्ष 365.256363 दिन का (नाक्षत्र)।"), std::string::npos) << "the year named in Hindi";
    EXPECT_NE(hindi.out.find("2026-12-09 को दोपहर UT पर चल रही दशाएँ: विंशोत्तरी शनि।"), std::string::npos);
    EXPECT_NE(hindi.out.find("चंद्र का नक्षत्र (उत्तराषाढ़ा: पहली दशा सूर्य की)"), std::string::npos);
}

TEST(ReportDashas, TheMoonsNakshatraInTheWindow) {
    const ToolRun run = Tool(With(kPune1962, {"--window", "--dasha", "vimshottari"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("The Moon's nakshatra (Uttara Ashadha: Sun's dasha first) holds from 1962-02-03 12:08 to "
                           "1962-02-04 09:48 (before: the Moon is in Purva Ashadha; after: the Moon enters Shravana)."),
              std::string::npos)
        << run.out;
    const auto json = nlohmann::json::parse(Tool(With(kPune1962, {"--window", "--json"})).out);
    EXPECT_EQ(json["window"]["nakshatra"]["until"], "1962-02-04 09:48");
    EXPECT_EQ(json["window"]["nakshatra"]["after"], "Shravana");
}

} // namespace
} // namespace rashi
