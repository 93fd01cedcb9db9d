#pragma once
// The birthplace's own time where the tz database speaks only for its zone's
// city: local mean time (longitude / 15 hours) where the zone's record is
// local mean time, and the city times of Bombay and Calcutta.

#include "places/zone_moment.h"

#include <QString>

namespace rashi::places {

struct Birthplace {
    QString name;         // "Jeddah"; may be empty
    double latitude = 0;  // degrees, north positive
    int longitudeMinutes = 0; // arc minutes, east positive: the reading's own longitude
};

// The moment with the birthplace's time in place of the zone's where one
// applies; otherwise unchanged. Only exact moments change. Local mean time
// where the zone's record is "LMT"; in the areas of Bombay and Calcutta
// (places/city_times.h) the city's time over Indian standard time (and
// the database's Madras time before 1906), the war time left as it is.
ZoneMoment AtBirthplace(ZoneMoment moment, const Birthplace& place);

// Longitude / 15 hours, in seconds of time: 4 seconds an arc minute.
int MeanTimeSeconds(int longitudeMinutes);

// The same on the zone's side of the date line: a day more or less where it
// lies over twelve hours from the zone's own record (west longitudes that
// kept the date of Asia, as Tonga, Chukotka and Fiji's Lau Islands did).
int MeanTimeBesideZone(int longitudeMinutes, int zoneSeconds);

} // namespace rashi::places
