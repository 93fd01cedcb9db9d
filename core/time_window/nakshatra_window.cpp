#include "core/time_window/nakshatra_window.h"

#include "core/ascendant/ascendant.h"
#include "core/jaimini/chart_signs.h"
#include "core/planets/position_table.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/sign_steps.h"
#include "core/timing/nakshatras.h"

#include <cmath>

namespace rashi {
namespace {

constexpr double kScale = 30 / kNakshatraDegrees; // a nakshatra to a sign's 30 degrees

// The Moon's longitude scaled so that each nakshatra is a sign's 30 degrees,
// taken into [0, 360): the stepper's "sign" changes where the nakshatra does.
std::array<double, 1> Watched(const std::array<double, kReportRows>& bodies) {
    return {std::fmod(bodies[row::Moon] * kScale, 360.0)};
}

} // namespace

void ComputeNakshatraWindow(ReadingRecords& records) {
    NakshatraWindowRecord& window = records.nakshatraWindow;
    window.computed = false;
    MomentPositions positions(records.birth, Ephemeris::Precise);
    const auto watched = Watched(positions.Bodies(0));
    window.nakshatra = NakshatraOf(positions.Bodies(0)[row::Moon]).index;
    const std::array<double, 1> bounds = {kScale * BodyBoundsPerMinute()[row::Moon]};
    const auto [back, ahead] = SearchReaches(records.birth);
    const auto edge = [&](int direction, const Reach& r) {
        WindowEdge found = EdgeOnPlaceClock(records, direction * r.minutes, r.limit);
        StepThroughSigns(0, direction * r.minutes, bounds, watched,
                         [&](int minutes) { return Watched(positions.Bodies(minutes)); },
                         [&](int minutes, const auto&, const auto&) {
                             found = EdgeOnPlaceClock(records, minutes - direction, WindowLimit::Change);
                             const int beyond = NakshatraOf(positions.Bodies(minutes)[row::Moon]).index;
                             found.changes.push_back({row::Moon, window.nakshatra, beyond});
                             return true;
                         });
        return found;
    };
    window.moon.from = edge(-1, back);
    window.moon.until = edge(+1, ahead);
    window.computed = true;
}

} // namespace rashi
