#include "core/timing/chara_dasha.h"

#include "core/timing/sign_dasha.h"

#include <algorithm>

namespace rashi {
namespace {

// The lord of two that the count goes to when neither stands in the sign.
int CharaStronger(int a, int b, const ArudhaChart& chart) {
    const int companionsA = BodiesWith(a, chart), companionsB = BodiesWith(b, chart);
    if (companionsA != companionsB) return companionsA > companionsB ? a : b;
    return chart.degrees[b] > chart.degrees[a] ? b : a;
}

} // namespace

std::array<int, 12> CharaOrder(int lagna) {
    std::array<int, 12> order{};
    const int direction = DirectionFrom(lagna);
    for (int k = 0; k < 12; ++k) order[k] = ((lagna + direction * k) % 12 + 12) % 12;
    return order;
}

int CharaYears(int sign, const ArudhaChart& chart, bool exaltation) {
    const int a = OwnLord(sign), b = OtherLord(sign);
    int lord = a;
    if (b >= 0) {
        const bool aIn = chart.signs[a] == sign, bIn = chart.signs[b] == sign;
        if (aIn && bIn) return 12;
        lord = aIn ? b : bIn ? a : CharaStronger(a, b, chart);
    }
    const int at = chart.signs[lord];
    if (at < 0) return 0;
    const int years = YearsToLord(sign, at) + (exaltation ? ExaltationYear(lord, at) : 0);
    return std::clamp(years, 0, 12);
}

void ComputeCharaDasha(ReadingRecords& records) {
    DashaRecord& d = records.dashas;
    const ArudhaChart chart = DashaChart(records);
    const std::array<int, 12> order = CharaOrder(d.lagna);
    std::array<int, 12> years{};
    for (int k = 0; k < 12; ++k) years[k] = CharaYears(order[k], chart, records.dashaChoices.charaExaltation);
    BuildSignDasha(order, years, d.birthSecond, records.dashaChoices.yearDays, true, d.chara);
}

} // namespace rashi
