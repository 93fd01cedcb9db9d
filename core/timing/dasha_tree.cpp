#include "core/timing/dasha_tree.h"

#include "core/time_window/place_clock.h"

#include <charconv>
#include <cmath>

namespace rashi {

std::optional<double> YearDaysFromText(std::string_view text) {
    for (const NamedYear& year : kNamedYears)
        if (text == year.key) return year.days;
    double days = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), days);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(days >= kFewestYearDays) ||
        !(days <= kMostYearDays))
        return std::nullopt;
    return days;
}

std::string_view YearKey(double days) {
    for (const NamedYear& year : kNamedYears)
        if (days == year.days) return year.key;
    return {};
}

double DashaBirthSecond(const BirthRecord& birth) {
    static const long long kEpoch = SecondOfMoment({1970, 1, 1, 0, 0});
    return static_cast<double>(BirthUtcSecond(birth) - kEpoch + birth.Second);
}

std::vector<int> RunningAt(const DashaList& list, double second, int levels) {
    std::vector<int> path;
    int first = 0, count = list.top;
    while (static_cast<int>(path.size()) < levels && count > 0) {
        int found = -1;
        for (int i = first; i < first + count; ++i) {
            const DashaPeriod& p = list.periods[static_cast<std::size_t>(i)];
            if (second >= p.start && second < p.end) {
                found = i;
                break;
            }
        }
        if (found < 0) break;
        path.push_back(found);
        first = list.periods[static_cast<std::size_t>(found)].first;
        count = list.periods[static_cast<std::size_t>(found)].count;
    }
    return path;
}

void AppendParts(DashaList& list, int parent, const int* keys, const double* shares, int count) {
    const int first = static_cast<int>(list.periods.size());
    const DashaPeriod p = list.periods[static_cast<std::size_t>(parent)];
    const double length = p.end - p.start;
    double at = p.start;
    for (int i = 0; i < count; ++i) {
        DashaPeriod part;
        part.key = keys[i];
        part.cycle = p.cycle;
        part.start = at;
        at = i + 1 == count ? p.end : at + length * shares[i];
        part.end = at;
        list.periods.push_back(part);
    }
    list.periods[static_cast<std::size_t>(parent)].first = first;
    list.periods[static_cast<std::size_t>(parent)].count = count;
}

} // namespace rashi
