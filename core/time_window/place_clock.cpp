#include "core/time_window/place_clock.h"

#include "core/moon/birth_moment.h"

#include <algorithm>
#include <limits>

namespace rashi {
namespace {

constexpr long long kNever = std::numeric_limits<long long>::max();

// The runs of the clock: [from, until) with one offset each; one unbounded
// run at `own` when the clock holds no changes.
struct Run {
    long long from;
    long long until;
    int offset;
};

std::vector<Run> Runs(const PlaceClockRecord& clock, int own) {
    std::vector<Run> runs;
    if (clock.offsets.empty()) return {{std::numeric_limits<long long>::min(), kNever, own}};
    for (std::size_t i = 0; i < clock.offsets.size(); ++i) {
        const long long from = i == 0 ? std::numeric_limits<long long>::min() : clock.offsets[i].fromUtcSecond;
        const long long until = i + 1 < clock.offsets.size() ? clock.offsets[i + 1].fromUtcSecond : kNever;
        if (from < until) runs.push_back({from, until, clock.offsets[i].offsetSeconds});
    }
    return runs;
}

long long FloorDiv(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

} // namespace

long long SecondOfMoment(const CivilMoment& moment) { return MinutesOfMoment(moment) * 60; }

long long BirthUtcSecond(const BirthRecord& birth) {
    return SecondOfMoment({birth.Year, birth.Month, birth.Day, birth.Hour, birth.Minute}) - UtcOffsetSeconds(birth);
}

int OffsetAt(const PlaceClockRecord& clock, int own, long long utcSecond) {
    for (const Run& run : Runs(clock, own))
        if (utcSecond >= run.from && utcSecond < run.until) return run.offset;
    return own;
}

ClockReading ReadClock(const PlaceClockRecord& clock, int own, long long utcSecond) {
    ClockReading reading;
    reading.offsetSeconds = OffsetAt(clock, own, utcSecond);
    const long long local = utcSecond + reading.offsetSeconds;
    const long long minutes = FloorDiv(local, 60);
    reading.second = static_cast<int>(local - minutes * 60);
    // ShiftMoment counts from the same day zero as MinutesOfMoment.
    const long long base = MinutesOfMoment({2000, 1, 1, 0, 0});
    reading.local = ShiftMoment({2000, 1, 1, 0, 0}, static_cast<int>(minutes - base));
    reading.repeated = MomentsOfClock(clock, own, local).size() > 1;
    return reading;
}

std::vector<long long> MomentsOfClock(const PlaceClockRecord& clock, int own, long long clockSecond) {
    std::vector<long long> moments;
    for (const Run& run : Runs(clock, own)) {
        const long long at = clockSecond - run.offset;
        if (at >= run.from && at < run.until) moments.push_back(at);
    }
    std::sort(moments.begin(), moments.end());
    return moments;
}

long long FirstMomentShowing(const PlaceClockRecord& clock, int own, long long clockSecond) {
    long long first = kNever;
    for (const Run& run : Runs(clock, own)) {
        const long long at = std::max(run.from, clockSecond - run.offset);
        if (at < run.until) first = std::min(first, at);
    }
    return first;
}

} // namespace rashi
