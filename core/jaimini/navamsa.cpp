#include "core/jaimini/navamsa.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/aspected_houses.h"
#include "core/jaimini/chart_signs.h"
#include "core/moon/birth_moment.h"
#include "core/planets/position_table.h"
#include "core/records/angles.h"

#include <cmath>

namespace rashi {

double NavamsaLongitude(double longitude) { return NormalizedDegrees(9 * longitude); }

int NavamsaSign(double longitude) {
    // As a position text of the navamsa longitude would name it.
    const double d = NavamsaLongitude(longitude);
    if (!std::isfinite(d)) return -1;
    const int sign = static_cast<int>(std::floor(std::floor(d) / 30));
    return sign >= 0 && sign < 12 ? sign : -1;
}

void ComputeNavamsa(ReadingRecords& records) {
    const PositionTable& birth = records.positions;
    NavamsaRecord& navamsa = records.jaimini.navamsa;
    PositionTable& table = navamsa.positions;
    table.PlanetNames = birth.PlanetNames;
    table.PlanetNamesSanskrit = birth.PlanetNamesSanskrit;
    for (int i = 0; i < kReportRows; ++i) {
        const double longitude = NavamsaLongitude(birth.SiderealLongitudes[i]);
        table.SiderealLongitudes[i] = longitude;
        table.PlanetPositions[i] = ShortPositionText(SignPositionText(longitude));
    }
    navamsa.signs = BodySigns(table);
    navamsa.lagna = NavamsaSign(records.ascendant.SiderealLongitude);
    EvaluateRashiDrishti(table, RuleTable(records.rule), navamsa.report);
    navamsa.houses = HousesFromLagna(navamsa.signs, navamsa.lagna, RuleTable(records.rule));
}

} // namespace rashi
