#include "core/timing/drig_dasha.h"

#include "core/aspects/rashi_drishti.h"
#include "core/timing/sign_dasha.h"

#include <algorithm>

namespace rashi {

std::array<int, 12> DrigOrder(int lagna) {
    const bool dual = kSigns[lagna].quality == SignQuality::Mixed;
    const std::array<int, 3> starts = {8, dual ? 7 : 9, dual ? 6 : 10}; // houses less one
    std::array<int, 12> order{};
    int n = 0;
    for (int house : starts) {
        const int from = (lagna + house) % 12;
        order[n++] = from;
        const int direction = OddFooted(from) ? 1 : -1;
        for (int k = 1; k < 12 && n < 12; ++k) {
            const int to = ((from + direction * k) % 12 + 12) % 12;
            if (kClassicalRule[from] & (1u << to)) order[n++] = to;
        }
    }
    return order;
}

int DrigYears(int sign, const ArudhaChart& chart) {
    const int a = OwnLord(sign), b = OtherLord(sign);
    if (b >= 0 && chart.signs[a] == sign && chart.signs[b] == sign) return 12;
    // (a) a lord in the sign sends the count to the other; then (b)..(f).
    const int lord = SignLord(sign, chart, kClassicalRule);
    const int at = chart.signs[lord];
    if (at < 0) return 0;
    return std::clamp(YearsToLord(sign, at) + ExaltationYear(lord, at), 0, 12);
}

void ComputeDrigDasha(ReadingRecords& records) {
    DashaRecord& d = records.dashas;
    const ArudhaChart chart = DashaChart(records);
    const std::array<int, 12> order = DrigOrder(d.lagna);
    std::array<int, 12> years{};
    for (int k = 0; k < 12; ++k) years[k] = DrigYears(order[k], chart);
    BuildSignDasha(order, years, d.birthSecond, records.dashaChoices.yearDays, false, d.drig);
}

} // namespace rashi
