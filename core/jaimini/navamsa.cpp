#include "core/jaimini/navamsa.h"

#include "core/aspects/rashi_drishti.h"
#include "core/jaimini/aspected_houses.h"
#include "core/jaimini/chart_signs.h"
#include "core/moon/birth_moment.h"
#include "core/planets/position_table.h"
#include "core/records/angles.h"

#include <cmath>

namespace rashi {

double NavamsaLongitude(double longitude) {
    // NormalizedDegrees without fmod, which costs a reading more than the
    // rest of this line: for 9 × a longitude of one turn the whole turns
    // taken off are exact, and so is the difference (both are multiples of
    // the product's last place, well inside a double's 53 bits), so this is
    // fmod's result to the bit.
    const double degrees = 9 * longitude;
    if (!(degrees > 0 && degrees < 9 * 360.0)) return NormalizedDegrees(degrees);
    double d = degrees - 360 * std::floor(degrees / 360);
    if (d < 0) d += 360;
    if (d >= 360) d -= 360;
    return d;
}

int NavamsaSign(double longitude) {
    // As a position text of the navamsa longitude would name it.
    const double d = NavamsaLongitude(longitude);
    if (!std::isfinite(d)) return -1;
    const int sign = static_cast<int>(std::floor(std::floor(d) / 30));
    return sign >= 0 && sign < 12 ? sign : -1;
}

namespace {

// "05 Ari 17" for a longitude in [0, 360): what ShortPositionText makes of
// SignPositionText, written in place (a reading's texts are rebuilt in their
// own buffers).
// Gives the sign written.
int WriteShortPosition(double longitude, std::string& text) {
    const double d = std::floor(longitude);
    const int minutes = static_cast<int>(std::floor(60 * (longitude - d)));
    const int sign = static_cast<int>(std::floor(d / 30));
    const int degrees = static_cast<int>(d) - 30 * sign;
    text.assign(9, ' ');
    text[0] = static_cast<char>('0' + degrees / 10);
    text[1] = static_cast<char>('0' + degrees % 10);
    text.replace(3, 3, SignAbbreviations.substr(3 * static_cast<std::size_t>(sign), 3));
    text[7] = static_cast<char>('0' + minutes / 10);
    text[8] = static_cast<char>('0' + minutes % 10);
    return sign;
}

} // namespace

void ComputeNavamsa(ReadingRecords& records) {
    const PositionTable& birth = records.positions;
    NavamsaRecord& navamsa = records.jaimini.navamsa;
    PositionTable& table = navamsa.positions;
    table.PlanetNames = birth.PlanetNames;
    table.PlanetNamesSanskrit = birth.PlanetNamesSanskrit;
    for (int i = 0; i < kReportRows; ++i) {
        const double longitude = NavamsaLongitude(JaiminiLongitudes(records)[i]);
        table.SiderealLongitudes[i] = longitude;
        if (std::isfinite(longitude)) {
            navamsa.signs[i] = WriteShortPosition(longitude, table.PlanetPositions[i]);
        } else {
            table.PlanetPositions[i].clear();
            navamsa.signs[i] = -1;
        }
    }
    navamsa.lagna = NavamsaSign(JaiminiAscendant(records));
    EvaluateRashiDrishti(table, navamsa.signs, RuleTable(records.rule), WordsOf(records.language), navamsa.report);
    navamsa.houses = HousesFromLagna(navamsa.signs, navamsa.lagna, RuleTable(records.rule));
}

} // namespace rashi
