#pragma once
// The times two cities of India kept after the rest of the country went on
// Indian Time in 1906, which the tz database folds into Asia/Kolkata.

#include <QDate>
#include <QString>

#include <optional>

namespace rashi::places {

struct CityTime {
    QString city;        // "Bombay"
    QString timeName;    // "Bombay Time"
    double latitude = 0;  // the city's centre, degrees north
    double longitude = 0; // degrees east
    double radiusKm = 0;  // places this near kept the city's time
    int offsetSeconds = 0; // east of Greenwich
    QDate lastDay;        // the last day the city kept it
    QString untilText;    // "1955": the year the sources name
};

// The city time a place at this latitude and longitude (degrees, east and
// north positive) kept up to that date, or nothing. Whether the day was one
// of standard time is the caller's business (places/birthplace_time.h).
std::optional<CityTime> CityTimeAt(double latitude, double longitude, QDate date);

// Zone ids whose standard time the city times replace.
bool KeepsCityTimes(const QString& zoneId);

} // namespace rashi::places
