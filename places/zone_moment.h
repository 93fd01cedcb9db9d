#pragma once
// The time zone in force at a birth place's local clock time, from the
// system's tz database through QTimeZone, and its row and daylight-saving box
// in the program's list of 71 zones (core/zones/time_zones.h).

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace rashi::places {

// One offset from UTC and what kind of time it was.
struct ZoneOffset {
    int seconds = 0;          // east of Greenwich positive
    int standardSeconds = 0;  // the zone's standard time then
    bool daylightSaving = false; // seconds != standardSeconds
    QString abbreviation;     // from the tz database, e.g. "EDT", "+0630"
    QString kindName;         // the birthplace's own time: "local mean time", "Bombay Time"

    int Minutes() const { return seconds / 60; } // exact unless local mean time
    bool operator==(const ZoneOffset&) const = default;
};

enum class ClockTime {
    Normal,      // the clock showed this time once
    Skipped,     // clocks went forward over it: it never existed
    Repeated,    // clocks went back over it: it happened twice
    UnknownZone, // the zone id is not in the system's tz database
    BadInput,    // the date or time is not valid
};

// Whose time the offset is: the zone's, or the birthplace's own in place of it
// (places/birthplace_time.h).
enum class LocalTime {
    Zone,     // the tz database's record for the zone
    MeanTime, // the birthplace's local mean time: longitude / 15 hours
    CityTime, // Bombay Time, Calcutta Time
};

struct ZoneMoment {
    QString zoneId;
    QDate date;
    QTime time;
    ClockTime clock = ClockTime::BadInput;
    // Normal: the offset in force. Repeated: the first time round. Skipped:
    // the offset before the clocks went forward.
    ZoneOffset offset;
    // Repeated: the second time round. Skipped: the offset after the jump.
    ZoneOffset later;
    // For everything but Normal, one sentence for the user.
    QString message;
    // Where the birthplace's own time replaced the zone's: which, the zone's
    // record it replaced, and the note's words for it ("local mean time of
    // Jeddah, 39°11′ E", "Bombay kept Bombay Time, UTC+4:51, until 1955; ...").
    // A city's war time keeps the zone's record with a note saying so.
    LocalTime local = LocalTime::Zone;
    ZoneOffset zoneOffset;
    QString localNote;

    bool IsExact() const { return clock == ClockTime::Normal; }
};

// The zone at that local clock time. Qt alone would take a skipped time as if
// it existed and pick one of a repeated time's two offsets silently; this
// tells them apart. Daylight saving means the offset differs from the
// standard one, where standard is the tz database's except: a zone whose
// winter clock is its daylight saving (Dublin since 1971) counts its winter
// clock as standard, and a standard time raised for a few years and then
// undone (British Standard Time 1968-71, Moscow 2011-14) counts as daylight
// saving over the standard time before and after. Between September 1939 and
// the end of 1945 daylight saving is called war time.
// A birth at 24:00 is the next day at 00:00.
ZoneMoment ZoneAtMoment(QStringView zoneId, QDate date, QTime time);

// The zone at a moment of UTC: always one offset (clock Normal), its date
// and time the zone's clock then; UnknownZone as ZoneAtMoment says it.
ZoneMoment ZoneAtUtc(QStringView zoneId, const QDateTime& utc);

// A row of the zone list with its daylight-saving box.
struct ZoneChoice {
    int row = -1;
    bool daylightSaving = false;

    bool operator==(const ZoneChoice&) const = default;
};

// The offset east of Greenwich, in seconds, that a row and box give the
// reading: the row's offset is added to the clock to give UT, and the box
// takes an hour off that.
int ChoiceOffsetSeconds(const ZoneChoice& choice);

// The row and box giving exactly this offset, or nothing when none does
// (Nepal +5:45, Afghanistan +4:30, Chatham +12:45, local mean time). The box
// is ticked only on a day of daylight saving. Among several: the row of the
// zone's standard time with the box as the day was (Indian Time with the box
// for Kolkata's war time), then the box as the day was, then the row that
// names the zone's own region, then a standard-time row over a daylight or
// war time one, then list order.
std::optional<ZoneChoice> ChooseZoneRow(const ZoneOffset& offset, QStringView zoneId = {});

// "+5:30", "-4:00", "+5:21:10" (local mean time keeps its seconds).
QString OffsetText(int seconds);
// The row's name without its abbreviation: "Indian Time".
QString ZoneRowName(int row);

// The line beside the zone: "Asia/Kolkata on 1 Sep 1942 12:00: UTC+6:30 (war
// time) → Indian Time with daylight saving", or what the row cannot give, or
// the moment's message. The birthplace's own time is named: "Asia/Riyadh on
// 1 Jun 1930 12:00: local mean time of Jeddah, 39°11′ E: UTC+2:36:44 → ...",
// and a city time is its note offering the zone's time: "Asia/Kolkata on
// 1 Jun 1930 12:00: Bombay kept Bombay Time, UTC+4:51, until 1955; ...".
QString ExplainZone(const ZoneMoment& moment);

// Nothing when the row and box give the offset in force (either one of a
// repeated time, or the zone's own time where a city time replaced it), else a warning saying what the place's clocks were then
// and what the choice gives.
std::optional<QString> CheckZoneChoice(const ZoneMoment& moment, const ZoneChoice& choice);

} // namespace rashi::places
