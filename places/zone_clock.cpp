#include "places/zone_clock.h"

#include "places/birthplace_time.h"
#include "places/city_times.h"

#include "core/zones/zone_ids.h"

#include <QTimeZone>

namespace rashi::places {
namespace {

// The core's seconds (core/time_window/place_clock.h) at 1970-01-01 00:00.
long long EpochSecond() { return SecondOfMoment({1970, 1, 1, 0, 0}); }

QDateTime ToUtc(long long second) { return QDateTime::fromSecsSinceEpoch(second - EpochSecond(), QTimeZone::utc()); }

long long FromUtc(const QDateTime& utc) { return utc.toSecsSinceEpoch() + EpochSecond(); }

} // namespace

std::vector<ClockOffset> TzZoneClock::OffsetsAround(const BirthRecord& birth, long long fromUtcSecond,
                                                    long long untilUtcSecond) const {
    const QString id = QString::fromStdString(birth.ZoneId);
    const QTimeZone zone(id.toUtf8());
    if (id.isEmpty() || !IsKnownZoneId(birth.ZoneId) || !zone.isValid()) return {};
    Birthplace place;
    place.name = QString::fromStdString(birth.City);
    place.latitude = (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.LatSouth ? -1 : 1);
    place.longitudeMinutes = (birth.LonDegrees * 60 + birth.LonMinutes) * (birth.LonEast ? 1 : -1);
    // What the reading would take at a moment: the zone's offset, or the
    // birthplace's own time in its place.
    // The zone's record alone (its offset and abbreviation) serves but where a
    // city kept its own time, whose rules need the whole moment.
    const bool cityTimes = KeepsCityTimes(id);
    const auto offsetAt = [&](const QDateTime& utc) -> std::optional<int> {
        ZoneMoment record;
        if (cityTimes) {
            record = ZoneAtUtc(id, utc);
        } else {
            record.zoneId = id;
            record.clock = ClockTime::Normal;
            record.offset.seconds = zone.offsetFromUtc(utc);
            record.offset.abbreviation = zone.abbreviation(utc);
        }
        const ZoneMoment moment = AtBirthplace(record, place);
        if (moment.clock != ClockTime::Normal) return std::nullopt;
        return moment.offset.seconds;
    };
    std::vector<ClockOffset> offsets;
    const auto add = [&](long long from, std::optional<int> seconds) {
        if (!seconds) return false;
        if (offsets.empty() || offsets.back().offsetSeconds != *seconds) offsets.push_back({from, *seconds});
        return true;
    };
    QDateTime at = ToUtc(fromUtcSecond);
    if (!add(fromUtcSecond, offsetAt(at))) return {};
    for (;;) {
        const QTimeZone::OffsetData next = zone.nextTransition(at);
        if (!next.atUtc.isValid() || FromUtc(next.atUtc) >= untilUtcSecond || next.atUtc <= at) break;
        at = next.atUtc;
        if (!add(FromUtc(at), offsetAt(at))) return {};
    }
    return offsets;
}

const ZoneClock& TheZoneClock() {
    static const TzZoneClock clock;
    return clock;
}

} // namespace rashi::places
