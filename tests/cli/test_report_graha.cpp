// The report tool's graha drishti: its lines, its JSON key checked against a
// computation of the test's own from the rest of the object, its batch
// columns and the refused node options.

#include "cli/report_tool.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

namespace rashi {
namespace {

using testing::Fields;
using testing::kPune1962;
using testing::kSample;
using testing::kSignNames;
using testing::Lines;
using testing::SignOfName;
using testing::SignOfPositionText;
using testing::Tool;
using testing::With;

// The strength as the books give it, written out afresh: the ordinary
// segments, and the special aspects' straight rise to 60 and fall from it.
double Ordinary(double a) {
    if (a < 30 || a >= 300) return 0;
    if (a < 60) return (a - 30) / 2;
    if (a < 90) return a - 45;
    if (a < 120) return 30 + (120 - a) / 2;
    if (a < 150) return 150 - a;
    if (a < 180) return 2 * (a - 150);
    return (300 - a) / 2;
}
double Strength(int body, double from, double to) {
    const double a = std::fmod(to - from + 720, 360);
    const double specials[3][2] = {{90, 210}, {120, 240}, {60, 270}};
    if (body >= 4 && body <= 6)
        for (double s : specials[body - 4]) {
            if (a >= s - 30 && a <= s) return Ordinary(s - 30) + (60 - Ordinary(s - 30)) * (a - s + 30) / 30;
            if (a > s && a <= s + 30) return 60 + (Ordinary(s + 30) - 60) * (a - s) / 30;
        }
    return Ordinary(a);
}

// The places counted from a body at which it aspects in full.
std::vector<int> FullCounts(int body, bool nodesFifthNinth) {
    switch (body) {
    case 4: return {4, 7, 8};
    case 5: return {5, 7, 9};
    case 6: return {3, 7, 10};
    case 7:
    case 8: return nodesFifthNinth ? std::vector<int>{5, 7, 9} : std::vector<int>{7};
    default: return {7};
    }
}

// The signs a Rashi Drishti caption names: "… with Mithuna, Kanya, Meena."
std::vector<int> CaptionSigns(const std::string& caption) {
    std::vector<int> signs;
    const auto start = caption.find(" with ") + 6;
    for (const std::string& name : Fields(caption.substr(start, caption.size() - start - 1), ','))
        signs.push_back(SignOfName(name.substr(name.find_first_not_of(' '))));
    return signs;
}

// "graha_drishti" against the rest of the object: the captions' signs, the
// lagna, and (with --precise, where they are the degrees measured) the longitudes.
TEST(ReportGrahaDrishti, JsonAgreesWithAComputationOfItsOwn) {
    for (const auto& args : {With(kPune1962, {"--precise"}), With(kPune1962, {"--precise", "--rule", "classical"}),
                             With(kPune1962, {"--precise", "--node-aspects", "5-9"}),
                             std::vector<std::string>{"--precise", "--node-aspects", "5-9", "--rule", "classical", kSample}}) {
        const auto run = Tool(With(args, {"--json"}));
        ASSERT_EQ(run.status, 0) << run.err;
        const auto j = nlohmann::json::parse(run.out);
        const auto& g = j["graha_drishti"];
        const bool fifthNinth = g["nodes"] == "5-9";
        const int lagna = SignOfPositionText(j["ascendant"]["position"]);
        std::vector<int> signs;
        std::vector<std::string> names;
        for (int i = 0; i < 9; ++i) {
            signs.push_back(SignOfPositionText(j["positions"][i]["position"]));
            names.push_back(j["positions"][i]["name"]);
        }
        for (int i = 0; i < 9; ++i) {
            std::vector<std::string> fullSigns, bodies, both, rashiOnly, grahaOnly;
            std::vector<int> houses, fullSignNumbers;
            for (int count : FullCounts(i, fifthNinth)) {
                const int sign = (signs[i] + count - 1) % 12;
                fullSigns.push_back(kSignNames[sign]);
                fullSignNumbers.push_back(sign);
                houses.push_back((sign - lagna + 12) % 12 + 1);
                for (int k = 0; k < 9; ++k)
                    if (signs[k] == sign) bodies.push_back(names[k]);
            }
            const std::vector<int> rashiSigns = CaptionSigns(j["captions"]["aspects"][i]);
            const auto in = [](const std::vector<int>& list, int s) { return std::find(list.begin(), list.end(), s) != list.end(); };
            for (int k = 0; k < 9; ++k) {
                if (k == i) continue;
                const bool r = in(rashiSigns, signs[k]), gr = in(fullSignNumbers, signs[k]);
                if (r && gr) both.push_back(names[k]);
                if (r && !gr) rashiOnly.push_back(names[k]);
                if (gr && !r) grahaOnly.push_back(names[k]);
            }
            const std::string what = names[i] + " in " + run.out.substr(0, 0) + kSignNames[signs[i]];
            EXPECT_EQ(g["aspects"][i]["signs"].get<std::vector<std::string>>(), fullSigns) << what;
            EXPECT_EQ(g["aspects"][i]["houses"].get<std::vector<int>>(), houses) << what;
            EXPECT_EQ(g["aspects"][i]["bodies"].get<std::vector<std::string>>(), bodies) << what;
            EXPECT_EQ(g["both"][i].get<std::vector<std::string>>(), both) << what;
            EXPECT_EQ(g["rashi_only"][i].get<std::vector<std::string>>(), rashiOnly) << what;
            EXPECT_EQ(g["graha_only"][i].get<std::vector<std::string>>(), grahaOnly) << what;
            ASSERT_EQ(g["sphuta"][i].size(), 21u);
            for (int k = 0; k < 9; ++k)
                EXPECT_NEAR(double(g["sphuta"][i][k]), k == i ? 0 : Strength(i, j["longitudes"][i], j["longitudes"][k]), 1e-6)
                    << what << " on " << names[k];
            for (int n = 1; n <= 12; ++n)
                EXPECT_NEAR(double(g["sphuta"][i][8 + n]),
                            Strength(i, j["longitudes"][i], double(j["ascendant"]["longitude"]) + 30 * (n - 1)), 1e-6)
                    << what << " on house " << n;
        }
    }
}

// The strengths are the precise ones with the formulas' captions too.
TEST(ReportGrahaDrishti, StrengthsByThePreciseDegreesInEitherEphemeris) {
    const auto formulas = nlohmann::json::parse(Tool(With(kPune1962, {"--json"})).out);
    const auto precise = nlohmann::json::parse(Tool(With(kPune1962, {"--json", "--precise"})).out);
    for (int i = 0; i < 9; ++i)
        for (int k = 0; k < 21; ++k)
            EXPECT_NEAR(double(formulas["graha_drishti"]["sphuta"][i][k]), double(precise["graha_drishti"]["sphuta"][i][k]), 1e-6);
}

TEST(ReportGrahaDrishti, LinesAfterAllTheOthersOnlyWhenAsked) {
    const auto plain = Lines(Tool({kSample}).out);
    const auto jaimini = Lines(Tool({"--jaimini", "--window", kSample}).out);
    const auto graha = Lines(Tool({"--jaimini", "--window", "--graha-drishti", kSample}).out);
    ASSERT_EQ(plain.size(), 36u);
    ASSERT_EQ(graha.size(), jaimini.size() + 28);
    EXPECT_EQ(std::vector<std::string>(graha.begin(), graha.begin() + jaimini.size()), jaimini);
    const std::size_t at = jaimini.size();
    EXPECT_EQ(graha[at], "Graha drishti (the nodes aspect the 7th only; strengths in virupas of 60 by the precise positions):");
    // The Sun in Dhanus, the lagna in Mesha.
    EXPECT_EQ(graha[at + 1], "Graha drishti of Sun: Kumbha \u00BC (3rd, house 11: Mars), Meena \u00BE (4th, house 12), "
                             "Mesha \u00BD (5th, house 1: Jupiter, Saturn), Mithuna full (7th, house 3), "
                             "Kataka \u00BE (8th, house 4: North Node), Simha \u00BD (9th, house 5), Kanya \u00BC (10th, house 6).");
    EXPECT_EQ(graha[at + 2].rfind("Sphuta drishti of Sun in virupas: Moon ", 0), 0u) << graha[at + 2];
    EXPECT_EQ(graha[at + 6], "Moon joins by both aspects: Jupiter, Saturn; by Rashi Drishti only: North Node, South Node; "
                             "by graha drishti only: none.");
    // Every strength printed is the JSON's, to one decimal.
    const auto j = nlohmann::json::parse(Tool({"--json", kSample}).out)["graha_drishti"];
    for (int i = 0; i < 9; ++i) {
        std::string line = graha[at + 2 + 3 * i];
        line.erase(line.find("houses 1 to 12: "), 16);
        std::vector<double> printed;
        std::istringstream in(line.substr(line.find(": ") + 2));
        for (std::string word; in >> word;)
            if (std::isdigit(static_cast<unsigned char>(word[0]))) printed.push_back(std::stod(word));
        ASSERT_EQ(printed.size(), 20u) << line;
        int p = 0;
        for (int k = 0; k < 21; ++k)
            if (k != i) {
                EXPECT_NEAR(printed[p++], double(j["sphuta"][i][k]), 0.05 + 1e-9) << line;
            }
    }
    const auto nodes = Lines(Tool({"--graha-drishti", "--node-aspects", "5-9", kSample}).out);
    EXPECT_EQ(nodes[36], "Graha drishti (the nodes aspect the 5th, 7th and 9th; strengths in virupas of 60 by the precise positions):");
    EXPECT_NE(nodes[36 + 1 + 3 * 7].find(" full (5th, "), std::string::npos) << nodes[36 + 22];
    const auto hindi = Lines(Tool({"--graha-drishti", "--lang", "hi", kSample}).out);
    ASSERT_EQ(hindi.size(), 64u);
    EXPECT_EQ(hindi[37].rfind("सूर्य की ग्रह दृष्टि: कुंभ \u00BC (3, भाव 11: मंगल)", 0), 0u) << hindi[37];
    EXPECT_EQ(hindi[39].rfind("सूर्य दोनों दृष्टियों से: कोई नहीं; केवल राशि दृष्टि से: ", 0), 0u) << hindi[39];
}

TEST(ReportGrahaDrishti, NodeAspectsRefusedWithTheChoices) {
    for (const char* value : {"6", "5", "9", "5-9x", "", "seven"}) {
        const auto run = Tool({"--graha-drishti", "--node-aspects", value, kSample});
        EXPECT_EQ(run.status, 2) << value;
        EXPECT_TRUE(run.out.empty()) << value;
        EXPECT_NE(run.err.find("--node-aspects takes 7 or 5-9"), std::string::npos) << value << ": " << run.err;
    }
    EXPECT_EQ(Tool({"--batch", "--graha-drishti", "--node-aspects", "4"}).status, 2);
}

TEST(ReportGrahaDrishti, BatchAddsTheBodiesEachAspects) {
    const std::string chart = "Ada\t1\t1\t2000\t12\t0\t29\t0\t0\t51\t28\t1\t0\t0\tLondon\tEngland\tUK\n";
    const auto run = Tool({"--batch", "--graha-drishti", "--node-aspects", "5-9"}, chart);
    ASSERT_EQ(run.status, 0) << run.out;
    const auto fields = Fields(Lines(run.out)[0]);
    ASSERT_EQ(fields.size(), 37u + 9);
    EXPECT_EQ(Fields(Lines(Tool({"--batch"}, chart).out)[0]).size(), 37u);
    const auto j = nlohmann::json::parse(Tool({"--json", "--node-aspects", "5-9", kSample}).out)["graha_drishti"];
    for (int i = 0; i < 9; ++i) {
        std::string expected;
        for (const auto& name : j["aspects"][i]["bodies"]) expected += (expected.empty() ? "" : ", ") + name.get<std::string>();
        EXPECT_EQ(fields[37 + i], expected.empty() ? "-" : expected) << i;
    }
    EXPECT_EQ(fields[37 + 4], "-") << "Mars";
}

} // namespace
} // namespace rashi
