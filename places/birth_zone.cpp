#include "places/birth_zone.h"

#include "core/entries/entry_lists.h"
#include "core/zones/time_zones.h"
#include "places/birthplace_time.h"
#include "places/text_fold.h"

#include <cstdlib>

namespace rashi::places {

ZoneMoment BirthZoneMoment(const Entries& e)
{
    QDate date(kYearList.value(e.YearPosition), e.MonthPosition + 1, kDayList.value(e.DatePosition));
    int hour = kHourList.value(e.HourPosition);
    if (hour == 24 && date.isValid()) {
        date = date.addDays(1);
        hour = 0;
    }
    const ZoneMoment moment =
        ZoneAtMoment(QString::fromStdString(e.ZoneId), date, QTime(hour, kMinuteList.value(e.MinutePosition)));
    // The birthplace's own time needs the reading's coordinates; without
    // them the zone's record stands.
    bool ok[4] = {};
    const int latDeg = QString::fromStdString(e.LatDeg).trimmed().toInt(&ok[0]);
    const int latMin = QString::fromStdString(e.LatMin).trimmed().toInt(&ok[1]);
    const int lonDeg = QString::fromStdString(e.LonDeg).trimmed().toInt(&ok[2]);
    const int lonMin = QString::fromStdString(e.LonMin).trimmed().toInt(&ok[3]);
    if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || latDeg < 0 || latDeg > 90 || latMin < 0 || latMin > 59 ||
        lonDeg < 0 || lonDeg > 180 || lonMin < 0 || lonMin > 59)
        return moment;
    Birthplace place;
    place.name = QString::fromStdString(e.City).trimmed();
    place.latitude = (latDeg + latMin / 60.0) * (e.South ? -1 : 1);
    place.longitudeMinutes = (lonDeg * 60 + lonMin) * (e.West ? -1 : 1);
    return AtBirthplace(moment, place);
}

int NearestZoneRow(int offsetSeconds)
{
    const ReferenceTables& zones = TimeZones();
    int best = 0;
    int bestDistance = -1;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const QString name = QString::fromUtf8(zones.TimeZoneList[row].data(), qsizetype(zones.TimeZoneList[row].size()));
        if (name.contains(QLatin1String("Daylight")) || name.contains(QLatin1String("Summer")) ||
            name.contains(QLatin1String("War")))
            continue;
        const int rowSeconds = ChoiceOffsetSeconds({row, false});
        const int distance = std::abs(rowSeconds - offsetSeconds);
        if (bestDistance < 0 || distance < bestDistance) {
            best = row;
            bestDistance = distance;
        }
    }
    return best;
}

namespace {

// Of a repeated time's two offsets, the one the row and box stand for.
const ZoneOffset* OffsetOfChoice(const ZoneMoment& moment, const Entries& e)
{
    const int chosen = ChoiceOffsetSeconds({e.ZoneRow, e.DaylightSaving});
    if (moment.offset.seconds == chosen)
        return &moment.offset;
    if (moment.later.seconds == chosen)
        return &moment.later;
    if (moment.offset.daylightSaving != moment.later.daylightSaving)
        return moment.offset.daylightSaving == e.DaylightSaving ? &moment.offset : &moment.later;
    return nullptr;
}

// The offset the clock time had, or nothing (the moment's message says why).
const ZoneOffset* OffsetInForce(const ZoneMoment& moment, RepeatedTime repeated, const Entries& e)
{
    switch (moment.clock) {
    case ClockTime::Normal:
        return &moment.offset;
    case ClockTime::Repeated:
        switch (repeated) {
        case RepeatedTime::Refuse: return nullptr;
        case RepeatedTime::First: return &moment.offset;
        case RepeatedTime::Second: return &moment.later;
        case RepeatedTime::ByChoice: return OffsetOfChoice(moment, e);
        }
        return nullptr;
    case ClockTime::Skipped:
    case ClockTime::UnknownZone:
    case ClockTime::BadInput:
        break;
    }
    return nullptr;
}

// Sets the exact offset, and with `chooseRow` the row and box that give it.
std::optional<QString> Apply(Entries& e, RepeatedTime repeated, bool chooseRow)
{
    // Without a zone id an offset is an imported chart's own, kept as it is.
    if (e.ZoneId.empty())
        return std::nullopt;
    e.ZoneOffsetSeconds.reset();
    const ZoneMoment moment = BirthZoneMoment(e);
    const ZoneOffset* offset = OffsetInForce(moment, repeated, e);
    if (!offset)
        return moment.message;
    e.ZoneOffsetSeconds = offset->seconds;
    if (!chooseRow)
        return std::nullopt;
    if (const std::optional<ZoneChoice> choice = ChooseZoneRow(*offset, QString::fromStdString(e.ZoneId))) {
        e.ZoneRow = choice->row;
        e.DaylightSaving = choice->daylightSaving;
    } else {
        e.ZoneRow = NearestZoneRow(offset->standardSeconds);
        e.DaylightSaving = false;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ApplyZoneOffset(Entries& e, RepeatedTime repeated)
{
    return Apply(e, repeated, false);
}

std::optional<QString> ApplyZone(Entries& e, RepeatedTime repeated)
{
    return Apply(e, repeated, true);
}

void ApplyPlace(Entries& e, const Place& place)
{
    // The atlas's names as the boxes take them; the user's own as typed
    // (the boxes took them so, in whatever script).
    const auto box = [&](const QString& text) { return (place.own ? text.simplified() : FoldForBox(text)).toStdString(); };
    e.City = box(place.name);
    // A place without a state (a city state) takes its country as the state,
    // which the reading asks for.
    e.State = box(place.state.isEmpty() ? place.country : place.state);
    e.Country = box(place.country);
    const DegreesMinutes latitude = LatitudeForBoxes(place.latitude);
    const DegreesMinutes longitude = LongitudeForBoxes(place.longitude);
    e.LatDeg = std::to_string(latitude.degrees);
    e.LatMin = std::to_string(latitude.minutes);
    e.South = latitude.direction == QLatin1Char('S');
    e.North = !e.South;
    e.LonDeg = std::to_string(longitude.degrees);
    e.LonMin = std::to_string(longitude.minutes);
    e.West = longitude.direction == QLatin1Char('W');
    e.East = !e.West;
    e.ZoneId = place.zoneId.toStdString();
    e.ZoneOffsetSeconds.reset();
}

} // namespace rashi::places
