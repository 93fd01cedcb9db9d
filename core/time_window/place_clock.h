#pragma once
// The place's clock around a birth: from a moment of Universal Time to the
// clock time the place showed then, and back, across the changes the driver
// was handed (core/records/place_clock.h). Without changes the birth's own
// offset holds throughout, as for a zone row chosen by hand.

#include "core/planets/position_table.h"
#include "core/records/reading_records.h"

#include <vector>

namespace rashi {

// What the core asks of whoever knows the places' clocks (places/ answers it
// from the tz database): the offsets the birth's place kept between two
// moments, in time order, the first in force at `fromUtcSecond`.
class ZoneClock {
public:
    virtual ~ZoneClock() = default;
    virtual std::vector<ClockOffset> OffsetsAround(const BirthRecord& birth, long long fromUtcSecond,
                                                   long long untilUtcSecond) const = 0;
};

// A clock moment in seconds, counted as MinutesOfMoment counts minutes.
long long SecondOfMoment(const CivilMoment& moment);

// The birth's moment of Universal Time in those seconds.
long long BirthUtcSecond(const BirthRecord& birth);

// The offset in force at a moment; `own` where the clock holds none.
int OffsetAt(const PlaceClockRecord& clock, int own, long long utcSecond);

// What the place's clock showed at a moment.
struct ClockReading {
    CivilMoment local{};
    int second = 0;         // 0..59: the seconds of a local mean time
    int offsetSeconds = 0;
    bool repeated = false;  // the clock showed this time twice
};
ClockReading ReadClock(const PlaceClockRecord& clock, int own, long long utcSecond);

// The moments at which the clock showed a clock second: none (the clocks
// went forward over it), one, or two (they went back over it), in time order.
std::vector<long long> MomentsOfClock(const PlaceClockRecord& clock, int own, long long clockSecond);

// The first moment from which the clock showed `clockSecond` or later.
long long FirstMomentShowing(const PlaceClockRecord& clock, int own, long long clockSecond);

} // namespace rashi
