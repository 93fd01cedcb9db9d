#include "core/aspects/rashi_drishti.h"

#include "core/words/reading_words.h"

#include <bit>
#include <cstdint>
#include <string>

namespace rashi {

const AspectRule& RuleTable(AspectRuleChoice rule) {
    return rule == AspectRuleChoice::Classical ? kClassicalRule : kSameQualityRule;
}

std::string_view RuleKey(AspectRuleChoice rule) {
    return rule == AspectRuleChoice::Classical ? "classical" : "ours";
}

std::optional<AspectRuleChoice> RuleFromKey(std::string_view key) {
    if (key == "ours") return AspectRuleChoice::Ours;
    if (key == "classical") return AspectRuleChoice::Classical;
    return std::nullopt;
}

std::string_view RuleTitle(AspectRuleChoice rule) {
    return rule == AspectRuleChoice::Classical ? "Classical rule (movable and fixed signs, duals among themselves)"
                                               : "Our rule (each sign aspects the other three of its quality)";
}

int SignOfPosition(std::string_view position) {
    if (position.size() < 6) return -1;
    const std::string_view abbreviation = position.substr(3, 3);
    for (int s = 0; s < 12; ++s)
        if (kSigns[s].english.substr(0, 3) == abbreviation) return s;
    return -1;
}

std::array<int, kReportRows> SignsOfPositions(const PositionTable& table) {
    std::array<int, kReportRows> signs{};
    for (int i = 0; i < kReportRows; ++i) signs[i] = SignOfPosition(table.PlanetPositions[i]);
    return signs;
}

void EvaluateRashiDrishti(const PositionTable& table, const std::array<int, kReportRows>& signOf,
                          const AspectRule& rule, const ReadingWords& words, Report& report) {
    // The bodies standing in each sign, in report order.
    std::array<std::array<std::uint8_t, kReportRows>, 12> standing{};
    std::array<int, 12> count{};
    for (int k = 0; k < kReportRows; ++k)
        if (signOf[k] >= 0) standing[signOf[k]][count[signOf[k]]++] = static_cast<std::uint8_t>(k);

    // The captions are written straight into the report's strings, which a
    // driver running many readings keeps with their buffers.
    for (int i = 0; i < kReportRows; ++i) {
        const unsigned aspected = signOf[i] >= 0 ? rule[signOf[i]] : 0u;
        int bodies = 0;
        for (unsigned m = aspected; m != 0; m &= m - 1) bodies += count[std::countr_zero(m)];

        const std::string_view name = words.bodies[i];
        report.lblPlanets[i].assign(words.bodyTitles[i]);
        WritePositionCaption(table.PlanetPositions[i], words, report.lblPlanets_Position[i]);

        std::string& signs = report.lblAspects[i];
        signs.assign(words.aspects.before).append(name).append(words.aspects.between);
        const Sentence& grahas = bodies == 0 ? words.noGrahas : words.grahas;
        std::string& planets = report.lblGrahas[i];
        planets.assign(grahas.before).append(name).append(grahas.between);
        bool firstBody = true;
        for (unsigned m = aspected; m != 0; m &= m - 1) {
            const int j = std::countr_zero(m);
            AppendListed(signs, words.signs[j], m == aspected, (m & (m - 1)) == 0, words);
            for (int b = 0; b < count[j]; ++b) {
                AppendListed(planets, words.bodies[standing[j][b]], firstBody, --bodies == 0, words);
                firstBody = false;
            }
        }
        signs.append(words.aspects.after);
        planets.append(grahas.after);
    }
}

void EvaluateRashiDrishti(ReadingRecords& records, const AspectRule& rule) {
    EvaluateRashiDrishti(records.positions, SignsOfPositions(records.positions), rule, WordsOf(records.language),
                         records.report);
    records.front = Panel::Results;
}

} // namespace rashi
