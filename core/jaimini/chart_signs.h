#pragma once
// The signs and degrees the Jaimini engines count with, read from the
// records as the captions read them: a body's sign is the sign its position
// text names, its degrees are its longitude less that sign's start.

#include "core/records/reading_records.h"

#include <array>

namespace rashi {

// Report rows by name, for the rules written down in this folder.
namespace row {
enum : int { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu };
}

// The ascendant's sign, -1 where its text names none.
int LagnaSign(const AscendantRecord& ascendant);

// Reads the bodies' and the lagna's signs once for the engines of this
// folder (records.jaimini.signs and .lagna): 0 (Mesha) .. 11 (Meena), -1
// where a text names none.
void ReadChartSigns(ReadingRecords& records);

// What the engines of this folder measure in degrees: the precise longitudes
// and ascendant of records.degrees when the reading has them (it has, when
// the driver runs these engines), else the positions' own.
const std::array<double, kReportRows>& JaiminiLongitudes(const ReadingRecords& records);
double JaiminiAscendant(const ReadingRecords& records);

// Each row's degrees travelled in the sign its measured longitude lies in,
// 0 for a row without a sign (signs[row] < 0).
std::array<double, kReportRows> DegreesInOwnSigns(const std::array<double, kReportRows>& longitudes,
                                                  const std::array<int, kReportRows>& signs);

// Degrees a body has travelled in its sign, 0 <= d < 30: its longitude less
// the start of `sign`; for the nodes, which move backwards, 30 less that.
double DegreesTravelled(int reportRow, double longitude, int sign);

// The whole-sign house (1..12) of `sign` counted from `lagna` as house 1; 0
// when either is unknown.
inline int HouseFrom(int lagna, int sign) {
    if (lagna < 0 || sign < 0) return 0;
    return (sign - lagna + 12) % 12 + 1;
}

} // namespace rashi
