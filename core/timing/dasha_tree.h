#pragma once
// What every dasha shares: the birth's moment, the year's length, the
// periods running at a moment and the division of a period into parts.

#include "core/records/reading_records.h"

#include <string_view>
#include <optional>
#include <vector>

namespace rashi {

inline constexpr double kSecondsPerDay = 86400;

// The named years: sidereal, julian, tropical, savana.
struct NamedYear {
    std::string_view key;
    double days;
};
inline constexpr std::array<NamedYear, 4> kNamedYears = {{
    {"sidereal", kSiderealYearDays},
    {"julian", 365.25},
    {"tropical", 365.24219},
    {"savana", 360},
}};
inline constexpr double kFewestYearDays = 300, kMostYearDays = 400;

// A year's days from its key or a number of days from 300 to 400; nothing
// for any other text.
std::optional<double> YearDaysFromText(std::string_view text);
// The key of a named year's days, else empty.
std::string_view YearKey(double days);

// The birth's moment in UT seconds from 1970-01-01, to its second.
double DashaBirthSecond(const BirthRecord& birth);

// The indexes in `list` of the periods running at `second`, the top level
// first, down to `levels` levels; a period of no length runs at no moment.
// Empty before the first period or after the last.
std::vector<int> RunningAt(const DashaList& list, double second, int levels);

// Appends `count` parts of periods[parent], in turn from `start`, the part
// `i` keyed keys[i] and lasting `share[i]` of the parent (the shares summing
// to 1); the last ends where the parent does.
void AppendParts(DashaList& list, int parent, const int* keys, const double* shares, int count);

} // namespace rashi
