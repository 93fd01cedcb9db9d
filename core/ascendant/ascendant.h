#pragma once
// The ascendant (Lagna): the point of the ecliptic rising on the eastern
// horizon. Local apparent sidereal time from Greenwich mean sidereal time
// (IAU 1982) and the equation of the equinoxes, the true obliquity of date,
// the geographic latitude; made sidereal with the planets' ayanamsa.

#include "core/records/reading_records.h"

namespace rashi {

// Latitudes beyond this see some signs never rise (the polar circles).
inline constexpr double kPolarCircleLatitude = 66.5;

// Nutation in longitude and obliquity, in degrees.
struct Nutation {
    double longitude = 0; // Δψ
    double obliquity = 0; // Δε
};

// Nutation from the largest terms of the IAU 1980 series; T in Julian
// centuries from J2000.
Nutation NutationOfDate(double T);

// Mean obliquity of the ecliptic (IAU 1980), degrees.
double MeanObliquity(double T);

// Greenwich mean sidereal time (IAU 1982) in degrees, 0..360, for a Julian
// day in UT.
double GreenwichMeanSidereal(double julianDayUt);

// Greenwich apparent sidereal time: mean plus the equation of the equinoxes.
double GreenwichApparentSidereal(double julianDayUt);

// A pole has no rising point: its ascendant is taken a millionth of a degree
// inside, where it stays close to the equinox (0° Thula at the north pole,
// 0° Mesha at the south), as at 89°59′.
inline constexpr double kInsidePoleLatitude = 90 - 1e-6;

// tan φ of a latitude in degrees, taken just inside at a pole.
double TanOfLatitude(double latitude);

// λ = atan2(cos θ, −(sin θ cos ε + tan φ sin ε)) in 0..360, for local
// sidereal time θ, obliquity ε and latitude φ, all in degrees.
double AscendantLongitude(double localSidereal, double obliquity, double latitude);

// The tropical ascendant of date for a Julian day in UT, an east longitude
// and a north latitude, in degrees.
double TropicalAscendant(double julianDayUt, double eastLongitude, double northLatitude);

// The birth place from the birth record: east longitude, north latitude.
double EastLongitude(const BirthRecord& birth);
double NorthLatitude(const BirthRecord& birth);

// The ascendant's numbers (all but the text) for the birth's place and date at
// `universalHours` on its civil date, sidereal with the chart's ayanamsa.
AscendantRecord AscendantAt(const BirthRecord& birth, double universalHours, double chartAyanamsa);

// The ayanamsa the ascendant loses (negative degrees): the chart's own with
// the program's formula, the apparent one (with nutation) with a named one.
double AscendantAyanamsa(const BirthRecord& birth, const PlanetChart& chart);

// Reads records.birth and records.chart; writes records.ascendant.
void ComputeAscendant(ReadingRecords& records);

} // namespace rashi
