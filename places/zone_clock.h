#pragma once
// The places' clocks for the core's birth-time window and day strip: the
// offsets a birth's zone kept around its moment, from the tz database through
// QTimeZone, with the birthplace's own time where it replaced the zone's
// (places/birthplace_time.h), as the reading itself takes them.

#include "core/time_window/place_clock.h"

namespace rashi::places {

class TzZoneClock : public ZoneClock {
public:
    std::vector<ClockOffset> OffsetsAround(const BirthRecord& birth, long long fromUtcSecond,
                                           long long untilUtcSecond) const override;
};

// One clock for the whole program: it holds nothing.
const ZoneClock& TheZoneClock();

} // namespace rashi::places
