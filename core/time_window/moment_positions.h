#pragma once
// The reading's longitudes at a whole minute of the birth's local clock,
// without its texts: the same numbers the engines compute for a birth at that
// minute (same place, same zone row and box or exact offset), at a fraction
// of a whole reading's cost.

#include "core/records/reading_records.h"
#include "core/precise/precise_positions.h"

#include <array>

namespace rashi {

// The sign a longitude's report text names: 0 (Mesha) .. 11 (Meena), -1 for
// none (not a number, or 360 itself).
int SignOfLongitude(double longitude);

class MomentPositions {
public:
    MomentPositions(const BirthRecord& birth, Ephemeris ephemeris);

    // The birth record with its local clock moved by `minutes`.
    BirthRecord Shifted(int minutes) const;

    // The nine report bodies' sidereal longitudes, in report order.
    std::array<double, kReportRows> Bodies(int minutes);

    // The sidereal ascendant.
    double Ascendant(int minutes);

    // Moments evaluated so far (for measuring the search).
    int evaluations() const { return evaluations_; }

private:
    const PreciseFrame& Frame(int minutes);

    BirthRecord birth_;
    Ephemeris ephemeris_;
    int frameMinutes_ = 0;
    bool haveFrame_ = false;
    PreciseFrame frame_;
    int evaluations_ = 0;
};

} // namespace rashi
