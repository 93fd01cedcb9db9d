#include "core/time_window/time_window.h"

#include "core/ascendant/ascendant.h"
#include "core/aspects/rashi_drishti.h"
#include "core/moon/birth_moment.h"
#include "core/planets/position_table.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/place_clock.h"
#include "core/time_window/sign_steps.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace rashi {
namespace {

constexpr double kSiderealDegreesPerMinute = 360.98565 / 1440;
constexpr double kLargestObliquity = 24.0 * kDegToRad; // above any ε of date here
constexpr double kSlowestDenominator = 0.05;

// What one direction's search found: the last minute with the birth's signs,
// and the longitudes one minute beyond when something changed there.
template <std::size_t N>
struct Found {
    int last = 0;
    bool changed = false;
    std::array<double, N> beyond{};
};

// Steps from minute 0 in `direction` (+1 or -1) up to `reach` minutes.
template <std::size_t N, typename Evaluate>
Found<N> Search(int direction, int reach, const std::array<double, N>& start, const std::array<double, N>& bounds,
                Evaluate evaluate) {
    Found<N> found{reach, false, {}};
    StepThroughSigns(0, direction * reach, bounds, start, evaluate,
                     [&](int minute, const std::array<int, N>&, const std::array<double, N>& now) {
                         found = {std::abs(minute) - 1, true, now};
                         return true;
                     });
    return found;
}


// What a row's aspect and graha lines say, in any language: the signs it
// aspects, then the bodies standing in them in the captions' order (by sign,
// then report order), each as sign * 16 + body.
struct RowLines {
    unsigned aspected = 0;
    std::array<std::uint8_t, kReportRows> bodies{};
    int count = 0;
    bool operator==(const RowLines&) const = default;
};

std::array<RowLines, kReportRows> LinesOfSigns(const std::array<int, kReportRows>& signs, const AspectRule& rule) {
    std::array<RowLines, kReportRows> lines{};
    for (int i = 0; i < kReportRows; ++i) {
        RowLines& line = lines[i];
        line.aspected = signs[i] >= 0 ? rule[signs[i]] : 0u;
        for (int j = 0; j < 12; ++j)
            if (line.aspected & (1u << j))
                for (int k = 0; k < kReportRows; ++k)
                    if (signs[k] == j) line.bodies[line.count++] = static_cast<std::uint8_t>(j * 16 + k);
    }
    return lines;
}

// The report rows whose aspect or graha line differs with the bodies at
// `beyond`: signs and bodies compared, not the captions' words.
std::vector<int> ChangedLines(const ReadingRecords& records, const std::array<double, kReportRows>& beyond) {
    std::array<int, kReportRows> signsBeyond{};
    for (int i = 0; i < kReportRows; ++i) signsBeyond[i] = SignOfPosition(ShortPositionText(SignPositionText(beyond[i])));
    const AspectRule& rule = RuleTable(records.rule);
    const auto now = LinesOfSigns(SignsOfPositions(records.positions), rule);
    const auto then = LinesOfSigns(signsBeyond, rule);
    std::vector<int> lines;
    for (int i = 0; i < kReportRows; ++i)
        if (now[i] != then[i]) lines.push_back(i);
    return lines;
}

void AddChanges(WindowEdge& edge, const std::array<double, kReportRows>& birth,
                const std::array<double, kReportRows>& beyond) {
    for (int i = 0; i < kReportRows; ++i) {
        const int from = SignOfLongitude(birth[i]);
        const int to = SignOfLongitude(beyond[i]);
        if (from != to) edge.changes.push_back({i, from, to});
    }
}

} // namespace

// The edge `minutes` of Universal Time from the birth, as the place's clock
// showed it. Where the clock's seconds differ from the birth's (a local mean
// time giving way to a zone's), the edge is the whole clock minute inside the
// window: down for its last minute, up for its first.
WindowEdge EdgeOnPlaceClock(const ReadingRecords& records, int minutes, WindowLimit limit) {
    const BirthRecord& birth = records.birth;
    const ClockReading clock =
        ReadClock(records.clock, UtcOffsetSeconds(birth), BirthUtcSecond(birth) + minutes * 60LL);
    WindowEdge edge;
    edge.minutes = minutes;
    const CivilMoment local = clock.second > 0 && minutes < 0 ? ShiftMoment(clock.local, 1) : clock.local;
    edge.year = local.year;
    edge.month = local.month;
    edge.day = local.day;
    edge.hour = local.hour;
    edge.minute = local.minute;
    edge.offsetSeconds = clock.offsetSeconds;
    edge.repeated = clock.repeated;
    edge.limit = limit;
    return edge;
}

std::optional<double> AscendantSpeedBound(double northLatitude) {
    const double tanPhi = std::fabs(std::tan(northLatitude * kDegToRad));
    const double denominator = std::cos(kLargestObliquity) - tanPhi * std::sin(kLargestObliquity);
    if (!(denominator >= kSlowestDenominator)) return std::nullopt;
    // A little over the bound: nutation and the ayanamsa's own drift.
    return 1.02 * kSiderealDegreesPerMinute / denominator;
}

void ComputeTimeWindow(ReadingRecords& records) {
    const BirthRecord& birth = records.birth;
    TimeWindowRecord& window = records.window;
    window = TimeWindowRecord{};
    MomentPositions positions(birth, records.ephemeris);

    const auto [back, ahead] = SearchReaches(birth);

    // The reading: the nine bodies.
    const auto bodies = positions.Bodies(0);
    const auto bodyBounds = BodyBoundsPerMinute();
    const auto evaluateBodies = [&](int minutes) { return positions.Bodies(minutes); };
    const auto before = Search(-1, back.minutes, bodies, bodyBounds, evaluateBodies);
    const auto after = Search(+1, ahead.minutes, bodies, bodyBounds, evaluateBodies);

    const auto readingEdge = [&](const Found<kReportRows>& found, int direction, WindowLimit limit) {
        WindowEdge edge = EdgeOnPlaceClock(records, direction * found.last, found.changed ? WindowLimit::Change : limit);
        if (found.changed) {
            AddChanges(edge, bodies, found.beyond);
            edge.changedLines = ChangedLines(records, found.beyond);
        }
        return edge;
    };
    window.reading.from = readingEdge(before, -1, back.limit);
    window.reading.until = readingEdge(after, +1, ahead.limit);

    // The chart: the ascendant, within the reading's window and the minute
    // beyond it, where both may change at once.
    const std::array<double, 1> ascendant{positions.Ascendant(0)};
    window.ascendantSign = SignOfLongitude(ascendant[0]);
    const auto ascendantBound = AscendantBoundPerMinute(birth);
    const auto evaluateAscendant = [&](int minutes) { return std::array<double, 1>{positions.Ascendant(minutes)}; };

    const auto chartEdge = [&](const WindowEdge& readingEdge, int direction) {
        const int reachHere = std::abs(readingEdge.minutes) + (readingEdge.limit == WindowLimit::Change ? 1 : 0);
        const auto found = Search(direction, reachHere, ascendant, ascendantBound, evaluateAscendant);
        if (!found.changed || found.last >= std::abs(readingEdge.minutes)) {
            WindowEdge edge = readingEdge;
            if (found.changed) edge.changes.push_back({kAscendantBody, window.ascendantSign, SignOfLongitude(found.beyond[0])});
            return edge;
        }
        WindowEdge edge = EdgeOnPlaceClock(records, direction * found.last, WindowLimit::Change);
        edge.changes.push_back({kAscendantBody, window.ascendantSign, SignOfLongitude(found.beyond[0])});
        return edge;
    };
    window.chart.from = chartEdge(window.reading.from, -1);
    window.chart.until = chartEdge(window.reading.until, +1);
    window.computed = true;
}

bool ChangesNear(const HoldingWindow& window, int minutes) {
    const auto near = [minutes](const WindowEdge& edge) {
        return edge.limit == WindowLimit::Change && std::abs(edge.minutes) < minutes;
    };
    return near(window.from) || near(window.until);
}

bool ChartChangesNear(const TimeWindowRecord& window, int minutes) {
    return window.computed && ChangesNear(window.chart, minutes);
}

std::vector<bool> LinesChangingNear(const TimeWindowRecord& window, const JaiminiWindowRecord& jaimini) {
    std::vector<bool> near;
    if (!window.computed) return near;
    near = {false, ChangesNear(window.chart)};
    if (jaimini.computed) {
        near.push_back(ChangesNear(jaimini.karakas));
        near.push_back(ChangesNear(jaimini.navamsa));
    }
    return near;
}

} // namespace rashi
