#pragma once
// Stepping through clock minutes from one sign change to the next, shared by
// the birth's window and the day's slices. A minute is looked at only where
// some longitude could have reached a sign edge since the last look: the
// distance to its nearer edge over a bound on its speed, never less than a
// minute. No change between two looks can be missed that way.

#include "core/ascendant/ascendant.h"
#include "core/moon/birth_moment.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/time_window.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace rashi {

// The first and last minute of the years the program offers.
inline constexpr CivilMoment kFirstOfferedMoment{1600, 1, 1, 0, 0};
inline constexpr CivilMoment kLastOfferedMoment{2400, 12, 31, 23, 59};

// The reach of one direction: how many minutes a window's search may go, and why it stops there.
struct Reach {
    int minutes;
    WindowLimit limit;
};

// Back and ahead from the birth: three days, or to the first or last minute
// of the years the program offers.
inline std::array<Reach, 2> SearchReaches(const BirthRecord& birth) {
    const long long at = MinutesOfMoment(ShiftMoment({birth.Year, birth.Month, birth.Day, birth.Hour, birth.Minute}, 0));
    const auto reach = [](long long yearsAllow) {
        if (yearsAllow < kWindowSearchMinutes) return Reach{static_cast<int>(std::max(0LL, yearsAllow)), WindowLimit::Years};
        return Reach{kWindowSearchMinutes, WindowLimit::Search};
    };
    return {reach(at - MinutesOfMoment(kFirstOfferedMoment)), reach(MinutesOfMoment(kLastOfferedMoment) - at)};
}

// Degrees to the nearer sign edge.
inline double EdgeDistance(double longitude) {
    const double within = std::fmod(std::fabs(longitude), 30.0);
    return std::min(within, 30 - within);
}

// The nine bodies' speed bounds in degrees a minute.
inline std::array<double, kReportRows> BodyBoundsPerMinute() {
    std::array<double, kReportRows> bounds{};
    for (int i = 0; i < kReportRows; ++i) bounds[i] = kBodySpeedBounds[i] / 1440;
    return bounds;
}

// The ascendant's bound at the birth's latitude; infinite (every minute) where it has none.
inline std::array<double, 1> AscendantBoundPerMinute(const BirthRecord& birth) {
    const auto bound = AscendantSpeedBound(NorthLatitude(birth));
    return {bound ? *bound : std::numeric_limits<double>::infinity()};
}

// Steps from minute `from` (whose longitudes are `now`) to `to`, either way.
// At each minute looked at whose signs differ from the look before, calls
// `changed(minute, signsBefore, longitudes)`; stops when that returns true.
template <std::size_t N, typename Evaluate, typename Changed>
void StepThroughSigns(int from, int to, const std::array<double, N>& bounds, std::array<double, N> now,
                      Evaluate evaluate, Changed changed) {
    const int direction = to < from ? -1 : 1;
    std::array<int, N> signs{};
    for (std::size_t i = 0; i < N; ++i) signs[i] = SignOfLongitude(now[i]);
    int at = from;
    while (at != to) {
        const int left = std::abs(to - at);
        double safe = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < N; ++i) {
            const double d = EdgeDistance(now[i]) / bounds[i];
            safe = std::isnan(d) ? 0 : std::min(safe, d);
        }
        at += direction * (safe >= left ? left : std::max(1, static_cast<int>(std::floor(safe))));
        now = evaluate(at);
        std::array<int, N> next{};
        bool differ = false;
        for (std::size_t i = 0; i < N; ++i) {
            next[i] = SignOfLongitude(now[i]);
            differ = differ || next[i] != signs[i];
        }
        if (differ && changed(at, signs, now)) return;
        signs = next;
    }
}

} // namespace rashi
