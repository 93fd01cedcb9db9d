#include "core/aspects/rashi_drishti.h"

#include <string>

namespace rashi {
namespace {

void AppendToList(std::string& list, std::string_view item) {
    if (!list.empty()) list += ", ";
    list += item;
}

} // namespace

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

void EvaluateRashiDrishti(const PositionTable& table, const AspectRule& rule, Report& report) {
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
            for (int j = 0; j < 12; ++j) {
                if (!(rule[signOf[i]] & (1u << j))) continue;
                AppendToList(signs, kSigns[j].sanskrit);
                for (int k = 0; k < kReportRows; ++k)
                    if (signOf[k] == j) AppendToList(planets, table.PlanetNames[k]);
            }
        }
        const std::string& name = table.PlanetNames[i];
        report.lblPlanets[i].assign(name).append(" / ").append(table.PlanetNamesSanskrit[i]);
        report.lblPlanets_Position[i] = table.PlanetPositions[i];
        report.lblAspects[i].assign("Planet ").append(name).append(" aspects or has Rashi Drishti with ").append(signs).append(".");
        std::string& grahas = report.lblGrahas[i];
        grahas.assign("Planet ").append(name);
        if (planets.empty())
            grahas.append(" has no Rashi Drishti.");
        else
            grahas.append(" has Rashi Drishti with ").append(planets).append(".");
    }
}

void EvaluateRashiDrishti(ReadingRecords& records, const AspectRule& rule) {
    EvaluateRashiDrishti(records.positions, rule, records.report);
    records.front = Panel::Results;
}

} // namespace rashi
