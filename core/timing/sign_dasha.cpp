#include "core/timing/sign_dasha.h"

#include "core/jaimini/chart_signs.h"
#include "core/timing/dasha_tree.h"


namespace rashi {

int YearsToLord(int sign, int lordSign) {
    const int count = OddFooted(sign) ? (lordSign - sign + 12) % 12 : (sign - lordSign + 12) % 12;
    return count == 0 ? 12 : count;
}

int ExaltationYear(int reportRow, int sign) {
    //                                         Su Mo Me Ve Ma Ju Sa Ra Ke
    static constexpr std::array<int, 9> kExalted = {0, 1, 5, 11, 9, 3, 6, 1, 7};
    if (reportRow < 0 || reportRow >= 9 || sign < 0) return 0;
    const int exalted = kExalted[static_cast<std::size_t>(reportRow)];
    return sign == exalted ? 1 : sign == (exalted + 6) % 12 ? -1 : 0;
}

ArudhaChart DashaChart(const ReadingRecords& records) {
    ArudhaChart chart;
    chart.signs = records.dashas.signs;
    chart.degrees = DegreesInOwnSigns(records.degrees.longitudes, chart.signs);
    return chart;
}

void BuildSignDasha(const std::array<int, 12>& order, const std::array<int, 12>& years, double birthSecond,
                    double yearDays, bool parts, DashaList& list) {
    list.periods.clear();
    const double year = yearDays * kSecondsPerDay;
    double at = birthSecond;
    for (int cycle = 1; cycle <= 2; ++cycle)
        for (int k = 0; k < 12; ++k) {
            DashaPeriod p;
            p.key = order[k];
            p.years = cycle == 1 ? years[k] : 12 - years[k];
            p.cycle = cycle;
            p.start = at;
            at += p.years * year;
            p.end = at;
            list.periods.push_back(p);
        }
    list.top = 24;
    if (!parts) return;
    static constexpr std::array<double, 12> kTwelfths = [] {
        std::array<double, 12> shares{};
        for (double& share : shares) share = 1.0 / 12;
        return shares;
    }();
    for (int i = 0; i < 24; ++i) {
        const int sign = list.periods[static_cast<std::size_t>(i)].key;
        const int direction = DirectionFrom(sign);
        std::array<int, 12> keys{};
        for (int k = 0; k < 12; ++k) keys[k] = ((sign + direction * (k + 1)) % 12 + 12) % 12;
        AppendParts(list, i, keys.data(), kTwelfths.data(), 12);
    }
}

} // namespace rashi
