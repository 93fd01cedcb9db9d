#include "core/aspects/sphuta_drishti.h"

#include <algorithm>
#include <cmath>

namespace rashi {
namespace {

// The report rows with special aspects.
constexpr int kMars = 4, kJupiter = 5, kSaturn = 6;

} // namespace

const DrishtiCurve& SphutaCurve(int reportRow) {
    switch (reportRow) {
    case kMars: return kMarsCurve;
    case kJupiter: return kJupiterCurve;
    case kSaturn: return kSaturnCurve;
    default: return kOrdinaryCurve;
    }
}

double SphutaValue(const DrishtiCurve& curve, double arc) {
    // The difference of two longitudes is one turn at most away from the circle.
    if (arc < 0) arc += 360.0;
    else if (arc >= 360.0) arc -= 360.0;
    if (!(arc >= 0 && arc < 360.0)) {
        if (!std::isfinite(arc)) return 0;
        arc = std::fmod(arc, 360.0);
        if (arc < 0) arc += 360.0;
    }
    const double steps = arc * (1.0 / 30.0);
    // fmod can leave an arc a hair below 360 whose steps round to 12.
    const int k = std::min(static_cast<int>(steps), 11);
    const double within = steps - k;
    return curve[k] + (curve[(k + 1) % 12] - curve[k]) * within;
}

std::array<std::array<double, kSphutaPoints>, kReportRows> SphutaTable(
    const std::array<double, kReportRows>& longitudes, double lagna) {
    std::array<std::array<double, kSphutaPoints>, kReportRows> table{};
    for (int i = 0; i < kReportRows; ++i) {
        const DrishtiCurve& curve = SphutaCurve(i);
        for (int j = 0; j < kReportRows; ++j)
            if (j != i) table[i][j] = SphutaValue(curve, longitudes[j] - longitudes[i]);
        // The house points lie 30° apart, as the curve's points do: the first
        // one's place between two of them serves all twelve.
        double arc = lagna - longitudes[i];
        if (arc < 0) arc += 360.0;
        if (!(arc >= 0 && arc < 360.0)) continue;
        const double steps = arc * (1.0 / 30.0);
        const int k = std::min(static_cast<int>(steps), 11);
        const double within = steps - k;
        for (int n = 0; n < 12; ++n) {
            const double from = curve[(k + n) % 12], to = curve[(k + n + 1) % 12];
            table[i][kReportRows + n] = from + (to - from) * within;
        }
    }
    return table;
}

} // namespace rashi
