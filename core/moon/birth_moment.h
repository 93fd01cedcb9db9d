#pragma once
// The birth moment in Universal Time, the day number of a civil date, the
// Moon's ayanamsa and the text of a longitude within its sign.

#include "core/records/birth_record.h"

#include <string>
#include <string_view>

namespace rashi {

inline constexpr double kDegToRad = 0.0174532925199433;
inline constexpr std::string_view SignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// The birth's offset east of Greenwich, in seconds: the zone id's exact
// offset when it has one, else the row's (added to the clock it gives UT, so
// the sign turns round), an hour more with daylight saving.
int UtcOffsetSeconds(const BirthRecord& birth);

// Hours added to the local clock to give UT: -UtcOffsetSeconds / 3600.
double ZoneOffsetHours(const BirthRecord& birth);

// The birth time in UT on the civil birth date; may lie below 0 or above 24.
double UniversalHours(const BirthRecord& birth);

// Day number of a civil date (Julian calendar before 15 October 1582).
double JulianDayNumber(int month, int day, int year);

// Centuries of 36525 days from 2000 January 1.5.
double JulianCenturies(const BirthRecord& birth);

// The negative of the ayanamsa at T, in degrees: tropical + correction = sidereal.
double AyanamsaCorrection(double T);

// e.g. 15° 15' 0" Tau for 45.25; truncated, never rounded; |x| is used.
std::string SignPositionText(double longitude);

} // namespace rashi
