#include "core/timing/nakshatras.h"

#include "core/jaimini/chart_signs.h"
#include "core/precise/precise_reading.h"
#include "core/timing/dasha_tree.h"

#include <algorithm>
#include <cmath>

namespace rashi {

int LordRow(int vimshottariLord) {
    static constexpr std::array<int, 9> kRows = {row::Ketu, row::Venus,   row::Sun,    row::Moon,   row::Mars,
                                                 row::Rahu, row::Jupiter, row::Saturn, row::Mercury};
    return vimshottariLord >= 0 && vimshottariLord < 9 ? kRows[static_cast<std::size_t>(vimshottariLord)] : -1;
}

NakshatraPlace NakshatraOf(double longitude) {
    if (!std::isfinite(longitude)) return {};
    double within = std::fmod(longitude, 360.0);
    if (within < 0) within += 360;
    // Counted in padas (of 3°20′, 108 in the circle) so that a longitude on a
    // pada's edge lies in the pada it begins.
    const double padas = within * 108 / 360;
    const int pada = std::min(107, static_cast<int>(padas));
    NakshatraPlace place;
    place.index = pada / 4;
    place.pada = pada % 4 + 1;
    place.lord = place.index % 9;
    place.travelled = std::clamp((padas - 4.0 * place.index) / 4, 0.0, std::nextafter(1.0, 0.0));
    return place;
}

void ComputeNakshatras(ReadingRecords& records) {
    EnsurePreciseDegrees(records);
    DashaRecord& d = records.dashas;
    for (int i = 0; i < kReportRows; ++i) d.nakshatras[i] = NakshatraOf(records.degrees.longitudes[i]);
    d.lagnaNakshatra = NakshatraOf(records.degrees.ascendant);
    d.moonLongitude = records.degrees.longitudes[row::Moon];
    d.birthSecond = DashaBirthSecond(records.birth);
    d.lagna = NakshatraOf(records.degrees.ascendant).index < 0 ? -1 : static_cast<int>(records.degrees.ascendant / 30) % 12;
    for (int i = 0; i < kReportRows; ++i) d.signs[i] = d.nakshatras[i].index < 0 ? -1 : static_cast<int>(records.degrees.longitudes[i] / 30) % 12;
}

} // namespace rashi
