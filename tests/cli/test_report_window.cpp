// --window: the tool's own readings at the window's edges and beyond them
// have the signs the window promises.

#include "cli/report_tool.h"

#include "core/planets/position_table.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <sstream>

namespace rashi {
namespace {

using Json = nlohmann::json;

std::string ToolOutput(const std::vector<std::string>& args, int expectStatus = 0) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(RunReportTool(args, in, out, err), expectStatus) << err.str();
    return out.str();
}

struct Birth {
    const char* date;
    const char* time;
    const char* zone;
    const char* lat;
    bool precise;
};

std::vector<std::string> Args(const Birth& b, const std::string& date, const std::string& time) {
    std::vector<std::string> args = {"--name", "Ada", "--date", date, "--time", time, "--zone", b.zone, "--lat", b.lat,
                                     "--lon", "73:51E", "--city", "Pune", "--state", "M", "--country", "India", "--json"};
    if (b.precise) args.push_back("--precise");
    return args;
}

// "YYYY-MM-DD HH:MM" moved by minutes.
std::pair<std::string, std::string> Shift(const std::string& clock, int minutes) {
    CivilMoment m{};
    std::sscanf(clock.c_str(), "%d-%d-%d %d:%d", &m.year, &m.month, &m.day, &m.hour, &m.minute);
    const CivilMoment s = ShiftMoment(m, minutes);
    char date[16], time[8];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", s.year, s.month, s.day);
    std::snprintf(time, sizeof time, "%02d:%02d", s.hour, s.minute);
    return {date, time};
}

// The nine signs, and the ascendant's as the tenth.
std::vector<std::string> Signs(const Json& reading) {
    std::vector<std::string> signs;
    for (const Json& p : reading["positions"]) signs.push_back(p["position"].get<std::string>().substr(3, 3));
    signs.push_back(reading["ascendant"]["position"].get<std::string>().substr(3, 3));
    return signs;
}

TEST(ReportWindow, SignsHoldInsideAndDifferOneMinuteBeyond) {
    const Birth births[] = {
        {"1977-08-15", "17:45", "34", "18:31N", false}, {"1950-02-28", "23:59", "20", "59:55N", false},
        {"2012-12-31", "00:00", "5", "66:10S", false},  {"1901-01-01", "02:00", "34", "10:00N", false},
        {"1999-06-21", "12:30", "41", "48:08N", true},  {"2049-11-03", "06:07", "12", "33:20S", true},
    };
    for (const Birth& b : births) {
        SCOPED_TRACE(std::string(b.date) + " " + b.time);
        const Json birth = Json::parse(ToolOutput([&] {
            auto args = Args(b, b.date, b.time);
            args.push_back("--window");
            return args;
        }()));
        const auto signs = Signs(birth);
        for (const char* which : {"reading", "chart"}) {
            const Json& w = birth["window"][which];
            const std::size_t count = std::string(which) == "chart" ? 10 : 9;
            const auto same = [&](const std::string& clock, int minutes) {
                const auto [date, time] = Shift(clock, minutes);
                const auto there = Signs(Json::parse(ToolOutput(Args(b, date, time))));
                return std::equal(signs.begin(), signs.begin() + static_cast<long>(count), there.begin());
            };
            const std::string from = w["from"], until = w["until"];
            EXPECT_TRUE(same(from, 0)) << which << " from " << from;
            EXPECT_TRUE(same(until, 0)) << which << " until " << until;
            EXPECT_TRUE(same(from, (w["minutes_before"].get<int>() + w["minutes_after"].get<int>()) / 2));
            if (w["before_limit"] == "change") {
                EXPECT_FALSE(same(from, -1)) << which << " before " << from;
            }
            if (w["after_limit"] == "change") {
                EXPECT_FALSE(same(until, 1)) << which << " after " << until;
            }
            EXPECT_FALSE(w["before"].get<std::string>().empty());
            EXPECT_FALSE(w["after"].get<std::string>().empty());
        }
    }
}

TEST(ReportWindow, TwoLinesAfterTheCaptionsAndEightColumnsInBatch) {
    const std::string text = ToolOutput({"--name", "Ada", "--date", "1977-08-15", "--time", "17:45", "--zone", "34", "--lat",
                                  "18:31N", "--lon", "73:51E", "--city", "Pune", "--state", "M", "--country", "India",
                                  "--window"});
    std::istringstream lines(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_EQ(all.size(), 38u);
    EXPECT_EQ(all[36].rfind("The reading holds for births from 1977-08-15 ", 0), 0u) << all[36];
    EXPECT_EQ(all[37].rfind("The chart (lagna Makara) holds from 1977-08-15 ", 0), 0u) << all[37];

    std::istringstream in("Ada\t8\t15\t1977\t17\t45\t34\t73\t51\t18\t31\tTrue\tFalse\tFalse\tPune\tM\tIndia\n");
    std::ostringstream out, err;
    ASSERT_EQ(RunReportTool({"--batch", "--window"}, in, out, err), 0) << err.str();
    const std::string row = out.str();
    EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 36 + 8);
    EXPECT_NE(row.find("\tthe ascendant enters Kumbha\n"), std::string::npos) << row;
    // Without --window nothing is added.
    std::istringstream again("Ada\t8\t15\t1977\t17\t45\t34\t73\t51\t18\t31\tTrue\tFalse\tFalse\tPune\tM\tIndia\n");
    std::ostringstream plain;
    ASSERT_EQ(RunReportTool({"--batch"}, again, plain, err), 0);
    const std::string plainRow = plain.str();
    EXPECT_EQ(std::count(plainRow.begin(), plainRow.end(), '\t'), 36);
}

} // namespace
} // namespace rashi

namespace rashi {
namespace {

// With the place's zone the window's edges are the place's clock across a
// change of daylight saving, and the tool takes each back as --time (a time
// the clocks showed twice with the offset it prints): the signs hold there,
// and differ a minute beyond where the clock showed that minute.
TEST(ReportWindow, EdgesOnThePlacesClockAcrossAChange) {
    struct Row {
        std::vector<std::string> place;
        const char* date;
        const char* time;
    };
    // The places as the atlas gives them (without loading it for every run);
    // New York's zone at 60° W too, for edges in the repeated hour.
    const auto at = [](const char* zone, const char* lat, const char* lon) {
        return std::vector<std::string>{"--zone-id", zone, "--lat", lat, "--lon", lon,
                                        "--city", "A", "--state", "B", "--country", "C"};
    };
    const Row rows[] = {
        {at("Europe/London", "51:30N", "0:07W"), "1985-03-30", "23:00"},
        {at("America/New_York", "40:42N", "74:00W"), "2010-03-14", "03:30"},
        {at("America/New_York", "40:42N", "74:00W"), "2010-11-07", "00:30"},
        {at("America/New_York", "40:43N", "60:00W"), "2010-11-07", "01:20 UTC-4:00"},
        {at("Australia/Sydney", "33:52S", "151:12E"), "2010-04-04", "01:30"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.date) + " " + row.time);
        const auto args = [&](const std::string& date, const std::string& time) {
            std::vector<std::string> a = {"--name", "Ada", "--date", date, "--time", time, "--json"};
            a.insert(a.end(), row.place.begin(), row.place.end());
            return a;
        };
        auto withWindow = args(row.date, row.time);
        withWindow.push_back("--window");
        const Json birth = Json::parse(ToolOutput(withWindow));
        const auto signs = Signs(birth);
        for (const char* which : {"reading", "chart"}) {
            const Json& w = birth["window"][which];
            const auto count = static_cast<long>(std::string(which) == "chart" ? 10 : 9);
            for (const auto& [key, step] : {std::pair{"from", -1}, std::pair{"until", 1}}) {
                const std::string edge = w[key];
                SCOPED_TRACE(edge);
                const std::string date = edge.substr(0, 10), time = edge.substr(11);
                const auto there = Signs(Json::parse(ToolOutput(args(date, time))));
                EXPECT_TRUE(std::equal(signs.begin(), signs.begin() + count, there.begin())) << which;
                if (w[std::string(key) == "from" ? "before_limit" : "after_limit"] != "change" || time.size() > 5) continue;
                const auto [nextDate, nextTime] = Shift(edge, step);
                std::istringstream in;
                std::ostringstream out, err;
                if (RunReportTool(args(nextDate, nextTime), in, out, err) != 0) continue; // skipped or repeated
                const auto next = Signs(Json::parse(out.str()));
                EXPECT_FALSE(std::equal(signs.begin(), signs.begin() + count, next.begin())) << which << " beyond";
            }
        }
    }
    // An offset the clocks did not show then is refused.
    std::istringstream in;
    std::ostringstream out, err;
    std::vector<std::string> wrong = {"--name", "Ada", "--date", "2010-11-07", "--time", "01:20 UTC-6:00"};
    const auto newYork = at("America/New_York", "40:42N", "74:00W");
    wrong.insert(wrong.end(), newYork.begin(), newYork.end());
    EXPECT_EQ(RunReportTool(wrong, in, out, err), 2);
}

} // namespace
} // namespace rashi
