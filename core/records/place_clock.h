#pragma once
// The offsets the birthplace's clocks kept around a birth, as the driver was
// handed them: what turns a moment of Universal Time into the clock time the
// place showed then, across a change of daylight saving or of zone.

#include <vector>

namespace rashi {

// From `fromUtcSecond` on (seconds of Universal Time counted as
// MinutesOfMoment counts minutes, times 60) the clocks stood `offsetSeconds`
// east of Greenwich.
struct ClockOffset {
    long long fromUtcSecond = 0;
    int offsetSeconds = 0;
    bool operator==(const ClockOffset&) const = default;
};

struct PlaceClockRecord {
    // In time order; the first holds before its own moment too. Empty: the
    // birth's own offset holds throughout (a zone row chosen by hand).
    std::vector<ClockOffset> offsets;
    bool operator==(const PlaceClockRecord&) const = default;
};

} // namespace rashi
