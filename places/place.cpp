#include "places/place.h"

#include <algorithm>
#include <cmath>

namespace rashi::places {
namespace {

DegreesMinutes ToDegreesMinutes(double degrees, double limit, QChar positive, QChar negative) {
    const double magnitude = std::isfinite(degrees) ? std::min(std::fabs(degrees), limit) : 0.0;
    const long total = std::lround(magnitude * 60);
    DegreesMinutes result;
    result.degrees = static_cast<int>(total / 60);
    result.minutes = static_cast<int>(total % 60);
    result.direction = (degrees < 0 && total > 0) ? negative : positive;
    return result;
}

} // namespace

QString Place::Label() const {
    QString label = name;
    if (!state.isEmpty()) label += QStringLiteral(", ") + state;
    if (!country.isEmpty()) label += QStringLiteral(", ") + country;
    return label;
}

bool Place::SamePlace(const Place& other) const {
    Place a = *this, b = other;
    a.matched.clear();
    b.matched.clear();
    return a == b;
}

DegreesMinutes LatitudeForBoxes(double degrees) {
    return ToDegreesMinutes(degrees, 90, QLatin1Char('N'), QLatin1Char('S'));
}

DegreesMinutes LongitudeForBoxes(double degrees) {
    return ToDegreesMinutes(degrees, 180, QLatin1Char('E'), QLatin1Char('W'));
}

} // namespace rashi::places
