// The report tool's Jaimini options, lines, JSON keys and batch columns.

#include "cli/report_tool.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

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

// The signs a caption names, in its order: "… with Mithuna, Kanya, Meena."
std::vector<int> CaptionSigns(const std::string& caption) {
    std::vector<int> signs;
    const auto start = caption.find(" with ") + 6;
    std::istringstream in(caption.substr(start, caption.size() - start - 1));
    for (std::string name; std::getline(in, name, ',');) signs.push_back(SignOfName(name.substr(name.find_first_not_of(' '))));
    return signs;
}

TEST(ReportJaimini, LinesFollowTheCaptionsOnlyWhenAsked) {
    const auto plain = Tool({kSample});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(Lines(plain.out).size(), 36u);
    const auto jaimini = Tool({"--jaimini", kSample});
    ASSERT_EQ(jaimini.status, 0) << jaimini.err;
    const auto lines = Lines(jaimini.out);
    ASSERT_EQ(lines.size(), 41u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 36), Lines(plain.out)) << "the captions stay as they are";
    EXPECT_EQ(lines[36], "Chara karakas (8) by the precise positions: AK Moon 19°28′, AmK North Node 18°48′, BK Saturn 16°32′, "
                         "MK Sun 16°30′, PiK Mercury 8°02′, PK Venus 7°42′, GK Mars 4°06′, DK Jupiter 1°23′.");
    EXPECT_EQ(lines[37], "Karakamsa (the Atmakaraka's navamsa sign): Meena.");
    EXPECT_EQ(lines[39].rfind("Arudha padas: AL Dhanus, ", 0), 0u) << lines[39];

    const auto seven = Lines(Tool({"--jaimini", "--karakas", "7", kSample}).out);
    ASSERT_EQ(seven.size(), 41u);
    EXPECT_EQ(seven[36], "Chara karakas (7) by the precise positions: AK Moon 19°28′, AmK Saturn 16°32′, BK Sun 16°30′, "
                         "MK Mercury 8°02′, PK Venus 7°42′, GK Mars 4°06′, DK Jupiter 1°23′.");
    const auto plainPadas = Lines(Tool({"--jaimini", "--arudha-exceptions", "off", kSample}).out);
    EXPECT_NE(plainPadas[39], lines[39]);

    for (const auto& [option, value] : {std::pair{"--karakas", "9"}, std::pair{"--arudha-exceptions", "no"}}) {
        const auto refused = Tool({option, value, kSample});
        EXPECT_EQ(refused.status, 2) << option;
        EXPECT_TRUE(refused.out.empty());
    }
}

TEST(ReportJaimini, NavamsaPrintsItsOwnThirtySixCaptions) {
    const auto navamsa = Tool({"--navamsa", "--json", kSample});
    ASSERT_EQ(navamsa.status, 0) << navamsa.err;
    const auto json = nlohmann::json::parse(navamsa.out);
    const auto text = Lines(Tool({"--navamsa", kSample}).out);
    ASSERT_EQ(text.size(), 36u);
    const auto& captions = json["navamsa"]["captions"];
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(text[4 * i], captions["planets"][i]);
        EXPECT_EQ(text[4 * i + 1], captions["planets_position"][i]);
        EXPECT_EQ(text[4 * i + 2], captions["aspects"][i]);
        EXPECT_EQ(text[4 * i + 3], captions["grahas"][i]);
        // The Sun at 16°31' Dhanus is in its fifth navamsa: Simha.
        EXPECT_EQ(SignOfPositionText(text[4 * i + 1]), SignOfName(json["navamsa"]["signs"][i])) << i;
    }
    EXPECT_EQ(json["navamsa"]["signs"][0], "Simha");
    EXPECT_NE(text, Lines(Tool({kSample}).out));
}

// Every reading carries the keys, and each agrees with what the rest of the
// object says: the houses with the captions' signs and the ascendant; the
// karakas, their degrees and the navamsa with the precise longitudes, which
// they follow whatever the mode.
TEST(ReportJaimini, JsonKeysAgreeWithTheRestOfTheReading) {
    for (const auto& args : {std::vector<std::string>{kSample}, With(kPune1962, {"--precise"}),
                             With(kPune1962, {"--rule", "classical"}), With(kPune1962, {"--karakas", "7"})}) {
        auto run = Tool(With(args, {"--json"}));
        ASSERT_EQ(run.status, 0) << run.err;
        const auto j = nlohmann::json::parse(run.out);
        const auto precise = nlohmann::json::parse(Tool(With(args, {"--json", "--precise"})).out);
        const int lagna = SignOfPositionText(j["ascendant"]["position"]);
        const int scheme = j["karakas"]["scheme"];
        ASSERT_EQ(j["aspected_houses"].size(), 9u);
        std::vector<std::pair<double, int>> degrees;
        for (int i = 0; i < 9; ++i) {
            std::vector<int> houses;
            for (int s : CaptionSigns(j["captions"]["aspects"][i])) houses.push_back((s - lagna + 12) % 12 + 1);
            EXPECT_EQ(j["aspected_houses"][i].get<std::vector<int>>(), houses) << i;
            const double longitude = precise["longitudes"][i];
            EXPECT_EQ(SignOfName(j["navamsa"]["signs"][i]), static_cast<int>(std::floor(longitude / (10.0 / 3))) % 12) << i;
            const double within = std::fmod(longitude, 30);
            if (i < 7 || (i == 7 && scheme == 8)) degrees.push_back({i == 7 ? 30 - within : within, i});
        }
        std::stable_sort(degrees.begin(), degrees.end(), [](auto a, auto b) { return a.first > b.first; });
        std::vector<std::string> order;
        for (const auto& [d, i] : degrees) order.push_back(j["positions"][i]["name"]);
        EXPECT_EQ(j["karakas"]["order"].get<std::vector<std::string>>(), order);
        ASSERT_EQ(j["karakas"]["degrees"].size(), degrees.size());
        for (std::size_t k = 0; k < degrees.size(); ++k) EXPECT_NEAR(j["karakas"]["degrees"][k], degrees[k].first, 1e-9) << k;
        const int ak = degrees[0].second;
        EXPECT_EQ(SignOfName(j["karakamsa"]), static_cast<int>(std::floor(double(precise["longitudes"][ak]) / (10.0 / 3))) % 12);
        EXPECT_EQ(j["arudha_padas"].size(), 12u);
        EXPECT_EQ(SignOfName(j["navamsa"]["lagna"]),
                  static_cast<int>(std::floor(double(precise["ascendant"]["longitude"]) / (10.0 / 3))) % 12);
        EXPECT_EQ(j["navamsa"]["aspected_houses"].size(), 9u);
        EXPECT_EQ(j["navamsa"]["captions"]["planets"], j["captions"]["planets"]);
    }
}

TEST(ReportJaimini, WindowCarriesTheKarakasAndTheNavamsa) {
    const auto run = Tool({"--window", "--json", kSample});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto w = nlohmann::json::parse(run.out)["window"];
    for (const char* key : {"reading", "chart", "karakas", "navamsa"})
        for (const char* field : {"from", "until", "before", "after", "minutes_before", "minutes_after"})
            EXPECT_TRUE(w[key].contains(field)) << key << " " << field;
    EXPECT_EQ(w["karakas"]["after"], "the Sun passes Saturn: BK and MK change places");
    EXPECT_EQ(w["navamsa"]["lagna"], "Mesha");
    const auto text = Lines(Tool({"--window", "--jaimini", kSample}).out);
    ASSERT_EQ(text.size(), 45u);
    EXPECT_EQ(text[43].rfind("The karakas (AK the Moon, AmK the North Node", 0), 0u) << text[43];
    EXPECT_EQ(text[44].rfind("The navamsa (lagna Mesha) holds from 2000-01-01 12:00 to 2000-01-01 12:05", 0), 0u) << text[44];
}

TEST(ReportJaimini, BatchAddsColumns) {
    const std::string chart = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\t1\t0\t0\tLondon\tEngland\tUK\n";
    const auto plain = Tool({"--batch"}, chart);
    const auto jaimini = Tool({"--batch", "--jaimini"}, chart);
    const auto both = Tool({"--batch", "--jaimini", "--window", "--karakas", "7"}, chart);
    ASSERT_EQ(jaimini.status, 0) << jaimini.out;
    const auto fields = Fields(Lines(jaimini.out)[0]);
    ASSERT_EQ(Fields(Lines(plain.out)[0]).size(), 37u);
    ASSERT_EQ(fields.size(), 41u);
    EXPECT_EQ(fields[37], "AK Moon, AmK North Node, BK Saturn, MK Sun, PiK Mercury, PK Venus, GK Mars, DK Jupiter");
    EXPECT_EQ(fields[38], "Meena");
    EXPECT_EQ(fields[39].rfind("Dhanus, ", 0), 0u);
    EXPECT_EQ(fields[40], "Mesha, Simha, Meena, Mithuna, Kanya, Vrischika, Mesha, Simha, Thula, Mesha");
    const auto all = Fields(Lines(both.out)[0]);
    ASSERT_EQ(all.size(), 37u + 8 + 4 + 4);
    EXPECT_EQ(all[45].rfind("AK Moon, ", 0), 0u);
    EXPECT_EQ(all[51], "2000-01-01 12:00"); // the navamsa's first minute
    EXPECT_EQ(all[52], "2000-01-01 12:05");
}

} // namespace
} // namespace rashi
