#include "core/planets/planet_ayanamsa.h"

#include "core/ayanamsa/ayanamsa_of_date.h"
#include "core/moon/birth_moment.h"

#include <cmath>

namespace rashi {

double PlanetAyanamsaCorrection(double T0) {
    double node = (933060 - 6962911 * T0 + 7.5 * T0 * T0) / 3600;
    if (node >= 360) node = std::fmod(node, 360.0); // a negative angle stays negative
    const double twiceSun = (259205536 * T0 + 2013816) / 3600;
    const double nutation = 1.27 * std::sin(twiceSun * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    return (nutation - T0 * (5025.64 + 1.11 * T0) - 80861.27) / 3600;
}

PlanetChart ChartOfBirth(const BirthRecord& birth) {
    PlanetChart chart;
    chart.UniversalHours = UniversalHours(birth);
    const double j = JulianDayNumber(birth.Month, birth.Day, birth.Year);
    chart.Centuries1900 = ((j - 2415020) + chart.UniversalHours / 24 - 0.5) / 36525;
    if (!birth.Ayanamsa.named()) {
        chart.ChartAyanamsa = PlanetAyanamsaCorrection(chart.Centuries1900);
        chart.ApparentAyanamsa = chart.ChartAyanamsa;
        return chart;
    }
    // A named ayanamsa: the formulas' longitudes are of the mean equinox of
    // date and lose the mean value; the ascendant's, of the true equinox,
    // lose it with nutation.
    const AyanamsaOfDate named = AyanamsaAtUniversalTime(birth.Ayanamsa, j - 0.5, chart.UniversalHours / 24);
    chart.ChartAyanamsa = -named.mean;
    chart.ApparentAyanamsa = -named.apparent();
    return chart;
}

void SetUpChart(ReadingRecords& records) { records.chart = ChartOfBirth(records.birth); }

} // namespace rashi
