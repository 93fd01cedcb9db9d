#include "places/birthplace_time.h"

#include "places/city_times.h"
#include "places/zone_words.h"

#include <cstdlib>

namespace rashi::places {
namespace {

constexpr int kIndianTimeSeconds = 5 * 3600 + 1800;
const QDate kIndianTimeBegins(1906, 1, 1);

// "39°11′ E"
QString LongitudeText(int minutes) {
    return QStringLiteral("%1°%2′ %3")
        .arg(std::abs(minutes) / 60)
        .arg(std::abs(minutes) % 60, 2, 10, QLatin1Char('0'))
        .arg(minutes < 0 ? QLatin1Char('W') : QLatin1Char('E'));
}

void Replace(ZoneMoment& m, int seconds, const QString& abbreviation, const QString& kindName) {
    m.zoneOffset = m.offset;
    m.offset.seconds = seconds;
    m.offset.standardSeconds = seconds;
    m.offset.daylightSaving = false;
    m.offset.abbreviation = abbreviation;
    m.offset.kindName = kindName;
}

} // namespace

int MeanTimeSeconds(int longitudeMinutes) {
    return longitudeMinutes * 4;
}

int MeanTimeBesideZone(int longitudeMinutes, int zoneSeconds) {
    constexpr int kHalfDay = 12 * 3600;
    int seconds = MeanTimeSeconds(longitudeMinutes);
    // Nuku'alofa's zone kept the date of Asia, 175°12′ W notwithstanding.
    if (zoneSeconds - seconds > kHalfDay) seconds += 2 * kHalfDay;
    if (seconds - zoneSeconds > kHalfDay) seconds -= 2 * kHalfDay;
    return seconds;
}

ZoneMoment AtBirthplace(ZoneMoment m, const Birthplace& place) {
    if (m.clock != ClockTime::Normal) return m;
    if (m.offset.abbreviation == QLatin1String("LMT")) {
        const int seconds = MeanTimeBesideZone(place.longitudeMinutes, m.offset.seconds);
        Replace(m, seconds, QStringLiteral("LMT"), ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "local mean time")));
        m.local = LocalTime::MeanTime;
        const QString longitude = LongitudeText(place.longitudeMinutes);
        m.localNote = place.name.isEmpty() ? ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "local mean time at %1")).arg(longitude)
                                           : ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "local mean time of %1, %2")).arg(place.name, longitude);
        return m;
    }
    if (!KeepsCityTimes(m.zoneId)) return m;
    const std::optional<CityTime> city = CityTimeAt(place.latitude, place.longitudeMinutes / 60.0, m.date);
    if (!city) return m;
    const QString kept = ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "%1 kept %2, UTC%3, until %4"))
                             .arg(city->city, city->timeName, OffsetText(city->offsetSeconds), city->untilText);
    // The war time was India's, in the cities too: the database's stands,
    // and the note says why the city's own time is not used.
    if (m.offset.daylightSaving) {
        m.localNote = kept + ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", ", but India's war time in the war years"));
        return m;
    }
    // Indian standard time, or before 1906 the database's Madras time.
    if (m.offset.seconds != kIndianTimeSeconds && m.date >= kIndianTimeBegins) return m;
    Replace(m, city->offsetSeconds, city->timeName, city->timeName);
    m.local = LocalTime::CityTime;
    m.localNote = kept + ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "; a time recorded in Indian time: choose Indian Time"));
    return m;
}

} // namespace rashi::places
