#pragma once
// The reading's longitudes at a whole minute of the birth's local clock,
// without its texts: the same numbers the engines compute for a birth at that
// minute (same place, same zone row and box or exact offset), at a fraction
// of a whole reading's cost.

#include "core/records/reading_records.h"
#include "core/precise/interpolated_longitudes.h"
#include "core/precise/precise_positions.h"

#include <array>
#include <memory>

namespace rashi {

// The sign a longitude's report text names: 0 (Mesha) .. 11 (Meena), -1 for
// none (not a number, or 360 itself).
int SignOfLongitude(double longitude);

class MomentPositions {
public:
    MomentPositions(const BirthRecord& birth, Ephemeris ephemeris);

    // The birth record with its local clock moved by `minutes`.
    BirthRecord Shifted(int minutes) const;

    // The nine report bodies' sidereal longitudes, in report order. The
    // precise ones are read between eleven moments of the series over six
    // days (interpolated_longitudes.h), shared by every MomentPositions of
    // the same birth in a row (the window's, the day's, the Jaimini
    // window's), and evaluated in full at the birth's own minute and wherever
    // a body lies within kEdgeMargin of a sign's edge, so that every sign is
    // the one the full series give; a planet within kNearSun of the Sun, where
    // the Sun's bending of its light changes faster than the interpolation
    // follows, from its own series.
    std::array<double, kReportRows> Bodies(int minutes);

    // The full series at a minute, as the precise reading computes them.
    std::array<double, kReportRows> ExactBodies(int minutes);

    // Degrees from a sign's edge below which the precise bodies are evaluated
    // in full: ten times and more the interpolation's largest error (some
    // hundredths of an arcsecond, for a planet a little beyond kNearSun).
    static constexpr double kEdgeMargin = 3e-4;
    // Degrees of longitude from the Sun within which a planet is taken from
    // its own series (a few days about each conjunction).
    static constexpr double kNearSun = 1.5;

    // The sidereal ascendant.
    double Ascendant(int minutes);

    // Moments evaluated so far (for measuring the search).
    int evaluations() const { return evaluations_; }
    // Moments at which the precise series were evaluated in full, by this
    // object and for the interpolation it shares.
    int seriesEvaluations() const;

private:
    const PreciseFrame& Frame(int minutes);

    BirthRecord birth_;
    Ephemeris ephemeris_;
    int frameMinutes_ = 0;
    bool haveFrame_ = false;
    PreciseFrame frame_;
    int evaluations_ = 0;
    int seriesEvaluations_ = 0;
    std::shared_ptr<InterpolatedLongitudes<kReportRows>> series_;
};

} // namespace rashi
