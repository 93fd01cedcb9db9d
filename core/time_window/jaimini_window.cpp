#include "core/time_window/jaimini_window.h"

#include "core/ascendant/ascendant.h"
#include "core/jaimini/chara_karakas.h"
#include "core/jaimini/chart_signs.h"
#include "core/jaimini/navamsa.h"
#include "core/planets/position_table.h"
#include "core/time_window/moment_positions.h"
#include "core/time_window/sign_steps.h"

#include <cstdlib>

namespace rashi {
namespace {

constexpr int kNavamsaWatched = kReportRows + 1;                    // the bodies and the lagna

using NavamsaWatch = std::array<double, kNavamsaWatched>;

std::array<int, kReportRows> Signs(const std::array<double, kReportRows>& longitudes) {
    std::array<int, kReportRows> signs{};
    for (int i = 0; i < kReportRows; ++i) signs[i] = SignOfLongitude(longitudes[i]);
    return signs;
}

NavamsaWatch NavamsaWatched(const std::array<double, kReportRows>& bodies, double ascendant) {
    NavamsaWatch watched{};
    for (int i = 0; i < kReportRows; ++i) watched[i] = NavamsaLongitude(bodies[i]);
    watched[kReportRows] = NavamsaLongitude(ascendant);
    return watched;
}

NavamsaWatch NavamsaBounds(const BirthRecord& birth) {
    const auto body = BodyBoundsPerMinute();
    NavamsaWatch bounds{};
    for (int i = 0; i < kReportRows; ++i) bounds[i] = 9 * body[i];
    bounds[kReportRows] = 9 * AscendantBoundPerMinute(birth)[0];
    return bounds;
}

} // namespace

KarakaWatch KarakaWatched(const std::array<double, kReportRows>& longitudes) {
    KarakaWatch watched{};
    std::array<double, kKarakaBodies> degrees{};
    for (int i = 0; i < kKarakaBodies; ++i) {
        watched[i] = longitudes[i];
        const int sign = SignOfLongitude(longitudes[i]);
        degrees[i] = sign < 0 ? 0 : DegreesTravelled(i, longitudes[i], sign);
    }
    int k = kKarakaBodies;
    for (int i = 0; i < kKarakaBodies; ++i)
        for (int j = i + 1; j < kKarakaBodies; ++j) watched[k++] = 30 + degrees[i] - degrees[j];
    return watched;
}

KarakaWatch KarakaBounds() {
    const auto body = BodyBoundsPerMinute();
    KarakaWatch bounds{};
    for (int i = 0; i < kKarakaBodies; ++i) bounds[i] = body[i];
    int k = kKarakaBodies;
    for (int i = 0; i < kKarakaBodies; ++i)
        for (int j = i + 1; j < kKarakaBodies; ++j) bounds[k++] = body[i] + body[j];
    return bounds;
}

void ComputeJaiminiWindow(ReadingRecords& records) {
    const BirthRecord& birth = records.birth;
    JaiminiWindowRecord& window = records.jaiminiWindow;
    window.computed = false;
    window.karakasBefore.clear();
    window.karakasAfter.clear();
    // The Jaimini pieces are measured by the precise positions in every mode.
    MomentPositions positions(birth, Ephemeris::Precise);
    const int scheme = records.jaimini.karakas.scheme;

    const auto [back, ahead] = SearchReaches(birth);

    // The karakas.
    const auto bodies = positions.Bodies(0);
    const auto birthSigns = Signs(bodies);
    const std::vector<int> birthOrder = KarakaOrder(bodies, birthSigns, scheme);
    window.scheme = scheme;
    window.karakaOrder = birthOrder;
    const KarakaWatch karakaBounds = KarakaBounds();
    const auto karakaEdge = [&](int direction, const Reach& r, std::vector<int>& orderBeyond) {
        std::array<double, kReportRows> now = bodies;
        WindowEdge edge = EdgeOnPlaceClock(records, direction * r.minutes, r.limit);
        StepThroughSigns(0, direction * r.minutes, karakaBounds, KarakaWatched(bodies),
                         [&](int minutes) {
                             now = positions.Bodies(minutes);
                             return KarakaWatched(now);
                         },
                         [&](int minutes, const auto&, const auto&) {
                             const auto signs = Signs(now);
                             std::vector<int> order = KarakaOrder(now, signs, scheme);
                             if (order == birthOrder) return false;
                             edge = EdgeOnPlaceClock(records, minutes - direction, WindowLimit::Change);
                             for (int i = 0; i < kKarakaBodies; ++i)
                                 if (signs[i] != birthSigns[i]) edge.changes.push_back({i, birthSigns[i], signs[i]});
                             orderBeyond = std::move(order);
                             return true;
                         });
        return edge;
    };
    window.karakas.from = karakaEdge(-1, back, window.karakasBefore);
    window.karakas.until = karakaEdge(+1, ahead, window.karakasAfter);

    // The navamsa.
    const double ascendant = positions.Ascendant(0);
    std::array<int, kNavamsaWatched> birthNavamsa{};
    for (int i = 0; i < kReportRows; ++i) birthNavamsa[i] = NavamsaSign(bodies[i]);
    birthNavamsa[kReportRows] = NavamsaSign(ascendant);
    window.navamsaLagna = birthNavamsa[kReportRows];
    const NavamsaWatch navamsaBounds = NavamsaBounds(birth);
    const auto navamsaEdge = [&](int direction, const Reach& r) {
        WindowEdge edge = EdgeOnPlaceClock(records, direction * r.minutes, r.limit);
        StepThroughSigns(0, direction * r.minutes, navamsaBounds, NavamsaWatched(bodies, ascendant),
                         [&](int minutes) { return NavamsaWatched(positions.Bodies(minutes), positions.Ascendant(minutes)); },
                         [&](int minutes, const auto&, const NavamsaWatch& now) {
                             edge = EdgeOnPlaceClock(records, minutes - direction, WindowLimit::Change);
                             for (int i = 0; i < kNavamsaWatched; ++i) {
                                 const int sign = SignOfLongitude(now[i]);
                                 if (sign != birthNavamsa[i]) edge.changes.push_back({i, birthNavamsa[i], sign});
                             }
                             return true;
                         });
        return edge;
    };
    window.navamsa.from = navamsaEdge(-1, back);
    window.navamsa.until = navamsaEdge(+1, ahead);
    window.computed = true;
}

} // namespace rashi
