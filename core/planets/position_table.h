#pragma once
// The sidereal positions of the nine report bodies and the report tables.

#include "core/records/reading_records.h"
#include "core/planets/planet_theory.h"

#include <string>
#include <string_view>

namespace rashi {

// A calendar moment in whole minutes.
struct CivilMoment {
    int year, month, day, hour, minute;
    bool operator==(const CivilMoment&) const = default;
};

// The local birth moment moved by `minutes`, with full calendar carry. Hour 24
// is the midnight that ends the day.
CivilMoment ShiftMoment(const CivilMoment& local, int minutes);

// Minutes from 1 March of year 0 (proleptic Gregorian) to a moment: the
// difference of two is the minutes between them.
long long MinutesOfMoment(const CivilMoment& moment);

// The UT moment of the planets: local clock plus the zone's signed offset,
// one hour earlier with daylight saving.
CivilMoment PlanetMoment(const BirthRecord& birth);

// Precession in longitude from J2000 to the date, degrees; d in days from J2000.
double PrecessionSinceJ2000(double d);

// "05 Ari 17" from 5° 17' 0" Ari.
std::string ShortPositionText(std::string_view text);

// The sidereal longitudes of the theory's nine bodies at day d (from J2000),
// brought to the equinox of date, less the chart's ayanamsa; [0, 360).
std::array<double, kTheoryBodies> TheorySiderealLongitudes(double d, double ayanamsa);

// The mean lunar nodes at day d, sidereal with the chart's ayanamsa.
double NorthNodeLongitude(double d, double ayanamsa);
double SouthNodeLongitude(double north);

// The report rows' longitudes (report order) from the theory's, the Moon's
// and the North Node's.
std::array<double, kReportRows> ReportRowLongitudes(const std::array<double, kTheoryBodies>& sidereal, double moon,
                                                    double north);

// Reads records.birth, records.chart and records.moon; writes records.positions.
void BuildPositionTable(ReadingRecords& records);

// The rows of the report from the table's texts and the Moon's: names, short
// positions and their sidereal longitudes. `longitudes` holds the rows' numbers
// in report order. Both ephemerides end with this.
void FillReportRows(PositionTable& table, const MoonEphemeris& moon, const std::array<double, kReportRows>& longitudes);

} // namespace rashi
