#include "places/place_dates.h"

#include "places/city_times.h"
#include "places/zone_moment.h"

#include "core/zones/zone_ids.h"

#include <QDateTime>

#include <cmath>

namespace rashi::places {

PlaceDates::PlaceDates(const BirthRecord& birth)
{
    // The birth's own offset: the zone's exact one at the birth, or the
    // row's hours (added to the clock to give UT, so west of Greenwich).
    birthOffset_ = birth.ExactOffsetSeconds ? *birth.ExactOffsetSeconds
                                            : -(birth.SignedZoneHours * 3600 + birth.SignedZoneMinutes * 60);
    zoneId_ = QString::fromStdString(birth.ZoneId);
    if (zoneId_.isEmpty() || !IsKnownZoneId(birth.ZoneId))
        return;
    zone_ = QTimeZone(zoneId_.toUtf8());
    cityTimes_ = zone_.isValid() && KeepsCityTimes(zoneId_);
    place_.name = QString::fromStdString(birth.City);
    place_.latitude = (birth.LatDegrees + birth.LatMinutes / 60.0) * (birth.LatSouth ? -1 : 1);
    place_.longitudeMinutes = (birth.LonDegrees * 60 + birth.LonMinutes) * (birth.LonEast ? 1 : -1);
}

int PlaceDates::offsetAt(double utcSecond) const
{
    if (!zone_.isValid())
        return birthOffset_;
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(std::floor(utcSecond)), QTimeZone::utc());
    ZoneMoment record;
    if (cityTimes_) {
        record = ZoneAtUtc(zoneId_, utc);
    } else {
        // The zone's record alone serves where no city kept its own time.
        record.zoneId = zoneId_;
        record.clock = ClockTime::Normal;
        record.offset.seconds = zone_.offsetFromUtc(utc);
        record.offset.abbreviation = zone_.abbreviation(utc);
    }
    const ZoneMoment moment = AtBirthplace(record, place_);
    return moment.clock == ClockTime::Normal ? moment.offset.seconds : record.offset.seconds;
}

QString PlaceDates::text(double utcSecond) const
{
    const qint64 whole = static_cast<qint64>(std::floor(utcSecond + 0.5));
    const QDateTime local = QDateTime::fromSecsSinceEpoch(whole + offsetAt(utcSecond), QTimeZone::utc());
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace rashi::places
