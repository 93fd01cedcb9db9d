#include "core/time_scales/delta_t.h"

#include <algorithm>
#include <iterator>

namespace rashi {
namespace {

struct DeltaTSpline {
    double first, last; // years
    double a3, a2, a1, a0;
};
struct DeltaTPoint {
    double year, seconds;
};

#include "core/time_scales/delta_t_table.inc"

// The splines are carried onto the first measured value over the years
// before it, so that ΔT runs on without a step.
constexpr double kJoinYears = 3;

// After the last measured value, the curvature of the long-term parabola of
// Stephenson, Morrison and Hohenkerk (2016), 32.5 s per century squared,
// from that value, level there as ΔT has been for some years.
constexpr double kParabolaPerCenturySquared = 32.5;

double SplineSeconds(double y) {
    const auto* segment = std::upper_bound(std::begin(kDeltaTSplines), std::end(kDeltaTSplines), y,
                                           [](double year, const DeltaTSpline& s) { return year < s.last; });
    if (segment == std::end(kDeltaTSplines)) --segment;
    const double t = (y - segment->first) / (segment->last - segment->first);
    return ((segment->a3 * t + segment->a2) * t + segment->a1) * t + segment->a0;
}

double MeasuredSeconds(double y) {
    const auto* after = std::upper_bound(std::begin(kDeltaTMeasured), std::end(kDeltaTMeasured), y,
                                         [](double year, const DeltaTPoint& p) { return year < p.year; });
    if (after == std::begin(kDeltaTMeasured)) ++after;
    const auto* before = after - 1;
    return before->seconds + (after->seconds - before->seconds) * (y - before->year) / (after->year - before->year);
}

} // namespace

double DecimalYear(double julianDate) {
    // JD 2451544.5 is 2000 January 0.0 + 1 = 1 January 2000, 0h; a mean
    // Gregorian year of 365.2425 days.
    return 2000.0 + (julianDate - 2451544.5) / 365.2425;
}

double DeltaTSeconds(double y) {
    constexpr DeltaTPoint first = kDeltaTMeasured[0];
    constexpr DeltaTPoint last = kDeltaTMeasured[std::size(kDeltaTMeasured) - 1];
    if (y >= last.year) {
        const double u = (y - last.year) / 100;
        return last.seconds + kParabolaPerCenturySquared * u * u;
    }
    if (y >= first.year) return MeasuredSeconds(y);
    const double spline = SplineSeconds(y);
    if (y <= first.year - kJoinYears) return spline;
    const double step = first.seconds - SplineSeconds(first.year);
    return spline + step * (y - (first.year - kJoinYears)) / kJoinYears;
}

} // namespace rashi
