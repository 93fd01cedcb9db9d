#pragma once
// The sidereal positions of the nine report bodies and the report tables.

#include "core/chart/reading_records.h"

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

// The UT moment of the planets: local clock plus the zone's signed offset,
// one hour earlier with daylight saving.
CivilMoment PlanetMoment(const BirthRecord& birth);

// Precession in longitude from J2000 to the date, degrees; d in days from J2000.
double PrecessionSinceJ2000(double d);

// "05 Ari 17" from 5° 17' 0" Ari.
std::string ShortPositionText(std::string_view text);

// Reads records.birth, records.chart and records.moon; writes records.positions.
void BuildPositionTable(ReadingRecords& records);

// The rows of the report from the table's texts and the Moon's: names, short
// positions and their sidereal longitudes. `longitudes` holds the rows' numbers
// in report order. Both ephemerides end with this.
void FillReportRows(PositionTable& table, const MoonEphemeris& moon, const std::array<double, kReportRows>& longitudes);

} // namespace rashi
