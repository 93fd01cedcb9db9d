#include "core/aspects/rashi_drishti.h"

#include "core/words/reading_words.h"

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

void EvaluateRashiDrishti(const PositionTable& table, const AspectRule& rule, const ReadingWords& words,
                          Report& report) {
    std::array<int, kReportRows> signOf{};
    for (int i = 0; i < kReportRows; ++i) signOf[i] = SignOfPosition(table.PlanetPositions[i]);

    // Captions are rebuilt in place: a driver that runs many readings keeps
    // their buffers.
    std::string signs;
    std::string planets;
    for (int i = 0; i < kReportRows; ++i) {
        signs.clear();
        planets.clear();
        if (signOf[i] >= 0) {
            const unsigned aspected = rule[signOf[i]];
            int bodiesLeft = 0;
            for (int k = 0; k < kReportRows; ++k) bodiesLeft += signOf[k] >= 0 && (aspected & (1u << signOf[k]));
            unsigned signsLeft = aspected;
            for (int j = 0; j < 12; ++j) {
                if (!(aspected & (1u << j))) continue;
                signsLeft &= ~(1u << j);
                AppendListed(signs, words.signs[j], signsLeft == 0, words);
                for (int k = 0; k < kReportRows; ++k)
                    if (signOf[k] == j) AppendListed(planets, words.bodies[k], --bodiesLeft == 0, words);
            }
        }
        const std::string_view name = words.bodies[i];
        report.lblPlanets[i].assign(words.bodyTitles[i]);
        report.lblPlanets_Position[i] = PositionCaption(table.PlanetPositions[i], words);
        const Sentence& aspects = words.aspects;
        report.lblAspects[i].assign(aspects.before).append(name).append(aspects.between).append(signs).append(aspects.after);
        const Sentence& grahas = planets.empty() ? words.noGrahas : words.grahas;
        report.lblGrahas[i].assign(grahas.before).append(name).append(grahas.between).append(planets).append(grahas.after);
    }
}

void EvaluateRashiDrishti(ReadingRecords& records, const AspectRule& rule) {
    EvaluateRashiDrishti(records.positions, rule, WordsOf(records.language), records.report);
    records.front = Panel::Results;
}

} // namespace rashi
