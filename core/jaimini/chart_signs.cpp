#include "core/jaimini/chart_signs.h"

#include "core/aspects/rashi_drishti.h"

#include <algorithm>
#include <cmath>

namespace rashi {

int LagnaSign(const AscendantRecord& ascendant) { return SignOfPosition(ascendant.PositionText); }

void ReadChartSigns(ReadingRecords& records) {
    records.jaimini.signs = SignsOfPositions(records.positions);
    records.jaimini.lagna = LagnaSign(records.ascendant);
}

const std::array<double, kReportRows>& JaiminiLongitudes(const ReadingRecords& records) {
    return records.degrees.computed ? records.degrees.longitudes : records.positions.SiderealLongitudes;
}

double JaiminiAscendant(const ReadingRecords& records) {
    return records.degrees.computed ? records.degrees.ascendant : records.ascendant.SiderealLongitude;
}

std::array<double, kReportRows> DegreesInOwnSigns(const std::array<double, kReportRows>& longitudes,
                                                  const std::array<int, kReportRows>& signs) {
    std::array<double, kReportRows> degrees{};
    for (int i = 0; i < kReportRows; ++i) {
        const double longitude = longitudes[i];
        if (signs[i] < 0 || !(longitude >= 0 && longitude < 360)) continue;
        degrees[i] = DegreesTravelled(i, longitude, static_cast<int>(longitude / 30));
    }
    return degrees;
}

double DegreesTravelled(int reportRow, double longitude, int sign) {
    // Within [0, 30) even where the text's sign and the number disagree by a
    // rounding at the sign's edge.
    const double within = std::clamp(longitude - 30.0 * sign, 0.0, std::nextafter(30.0, 0.0));
    return reportRow == row::Rahu || reportRow == row::Ketu ? 30 - within : within;
}

} // namespace rashi
