#include "places/city_times.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace rashi::places {
namespace {

// The two city times, as the sources give them: the tz database's file
// "asia" (its India section and commentary: Indian Standard Time from
// 1906-01-01, Calcutta keeping its own time until 1948 and Bombay until
// 1955; Howrah Mean Time 5:53:20 as its Calcutta offset) and the figure of
// 4h 51m for Bombay Time that the commentary and the histories of Indian
// time quote. Both cities were on the war time of 1941-45 (UTC+6:30) with
// the rest of India, so the database's war time is kept there; only its
// Indian standard time is replaced. "until 1955" is read as through the
// last day of 1954, "until 1948" as through the last day of 1947.
//
//  city        time            lat N     lon E     radius  offset        last day
struct Row {
    const char* city;
    const char* timeName;
    double latitude, longitude, radiusKm;
    int hours, minutes, seconds;
    int lastYear, lastMonth, lastDay;
};
constexpr Row kCityTimes[] = {
    {"Bombay",   "Bombay Time",   18.975, 72.826, 40.0,   4, 51,  0,   1954, 12, 31},
    {"Calcutta", "Calcutta Time", 22.570, 88.370, 30.0,   5, 53, 20,   1947, 12, 31},
};
// The first day of Indian Standard Time everywhere else; before it the
// database gives Madras time, and both cities had their own times already.
constexpr int kFirstYear = 1884;

constexpr double kEarthRadiusKm = 6371.0;
constexpr double kPi = 3.14159265358979323846;

double DistanceKm(double lat1, double lon1, double lat2, double lon2) {
    const double toRad = kPi / 180.0;
    const double dLat = (lat2 - lat1) * toRad;
    const double dLon = (lon2 - lon1) * toRad;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1 * toRad) * std::cos(lat2 * toRad) * std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::min(1.0, a)));
}

} // namespace

bool KeepsCityTimes(const QString& zoneId) {
    return zoneId == QLatin1String("Asia/Kolkata") || zoneId == QLatin1String("Asia/Calcutta");
}

std::optional<CityTime> CityTimeAt(double latitude, double longitude, QDate date) {
    if (!date.isValid() || date.year() < kFirstYear) return std::nullopt;
    for (const Row& row : kCityTimes) {
        const QDate last(row.lastYear, row.lastMonth, row.lastDay);
        if (date > last) continue;
        if (DistanceKm(latitude, longitude, row.latitude, row.longitude) > row.radiusKm) continue;
        CityTime city;
        city.city = QString::fromLatin1(row.city);
        city.timeName = QString::fromLatin1(row.timeName);
        city.latitude = row.latitude;
        city.longitude = row.longitude;
        city.radiusKm = row.radiusKm;
        city.offsetSeconds = row.hours * 3600 + row.minutes * 60 + row.seconds;
        city.lastDay = last;
        city.untilText = QString::number(row.lastYear + 1);
        return city;
    }
    return std::nullopt;
}

} // namespace rashi::places
