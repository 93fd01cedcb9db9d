#include "aspects/rashi_drishti.h"

#include <string>

namespace rashi {
namespace {

void AppendToList(std::string& list, std::string_view item) {
    if (!list.empty()) list += ", ";
    list += item;
}

} // namespace

int SignOfPosition(std::string_view position) {
    if (position.size() < 6) return -1;
    const std::string_view abbreviation = position.substr(3, 3);
    for (int s = 0; s < 12; ++s)
        if (kSigns[s].english.substr(0, 3) == abbreviation) return s;
    return -1;
}

void EvaluateRashiDrishti(ReadingRecords& records, const AspectRule& rule) {
    const PositionTable& table = records.positions;
    std::array<int, kReportRows> signOf{};
    for (int i = 0; i < kReportRows; ++i) signOf[i] = SignOfPosition(table.PlanetPositions[i]);

    Report& report = records.report;
    for (int i = 0; i < kReportRows; ++i) {
        std::string signs;
        std::string planets;
        if (signOf[i] >= 0) {
            for (int j = 0; j < 12; ++j) {
                if (!(rule[signOf[i]] & (1u << j))) continue;
                AppendToList(signs, kSigns[j].sanskrit);
                for (int k = 0; k < kReportRows; ++k)
                    if (signOf[k] == j) AppendToList(planets, table.PlanetNames[k]);
            }
        }
        const std::string& name = table.PlanetNames[i];
        report.lblPlanets[i] = name + " / " + table.PlanetNamesSanskrit[i];
        report.lblPlanets_Position[i] = table.PlanetPositions[i];
        report.lblAspects[i] = "Planet " + name + " aspects or has Rashi Drishti with " + signs + ".";
        report.lblGrahas[i] = planets.empty() ? "Planet " + name + " has no Rashi Drishti."
                                              : "Planet " + name + " has Rashi Drishti with " + planets + ".";
    }
    records.front = Panel::Results;
}

} // namespace rashi
