#include "core/jaimini/aspected_houses.h"

#include "core/jaimini/chart_signs.h"

#include <bit>

namespace rashi {

AspectedHouses HousesFromLagna(const std::array<int, kReportRows>& signs, int lagna, const AspectRule& rule) {
    AspectedHouses houses{};
    for (int i = 0; i < kReportRows; ++i) {
        if (signs[i] < 0 || lagna < 0) continue;
        int n = 0;
        for (unsigned m = rule[signs[i]]; m != 0 && n < 3; m &= m - 1)
            houses[i][n++] = HouseFrom(lagna, std::countr_zero(m));
    }
    return houses;
}

std::string HousesText(const std::array<int, 3>& houses, const ReadingWords& words) {
    std::string text;
    for (int house : houses) {
        if (house < 1 || house > 12) continue;
        if (!text.empty()) text += words.listSeparator;
        text += words.jaimini.houses[static_cast<std::size_t>(house - 1)];
    }
    return text;
}

void ComputeAspectedHouses(ReadingRecords& records) {
    JaiminiRecord& jaimini = records.jaimini;
    jaimini.houses = HousesFromLagna(jaimini.signs, jaimini.lagna, RuleTable(records.rule));
}

} // namespace rashi
