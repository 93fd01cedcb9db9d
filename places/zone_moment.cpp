#include "places/zone_moment.h"

#include "core/zones/time_zones.h"
#include "places/zone_words.h"
#include "core/chart_files/visible_text.h"
#include "core/zones/zone_ids.h"

#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace rashi::places {
namespace {

constexpr int kHour = 3600;
// A raised standard time that is undone within this long counts as daylight
// saving (British Standard Time lasted under four years).
constexpr qint64 kTemporarySeconds = 6LL * 366 * 24 * kHour;
// Transitions walked each way when looking for the end of a standard time.
constexpr int kMaxWalk = 400;

// Which zone ids a row was made for: the longest prefix that matches wins,
// so the British rows beat "Europe/" for London. Rows not listed fit nowhere
// in particular. The first matching name start decides.
struct RowRegion {
    std::string_view nameStart;
    std::array<std::string_view, 6> zonePrefixes;
};
constexpr RowRegion kRowRegions[] = {
    {"Alaska/Hawaii", {"America/Anchorage", "America/Juneau", "America/Nome", "Pacific/Honolulu", "America/Adak"}},
    {"Hawaiian", {"Pacific/Honolulu", "America/Adak"}},
    {"Yukon", {"America/Whitehorse", "America/Dawson", "America/Anchorage", "America/Juneau"}},
    {"Nome", {"America/Nome"}},
    {"Bering", {"America/Nome", "America/Adak"}},
    {"Atlantic", {"America/", "Atlantic/Bermuda"}},
    {"Newfoundland", {"America/St_Johns"}},
    {"Brazil", {"America/"}},
    {"Eastern Daylight", {"America/"}},
    {"Eastern Standard", {"America/"}},
    {"Eastern War", {"America/"}},
    {"Central Daylight", {"America/"}},
    {"Central Standard", {"America/"}},
    {"Central War", {"America/"}},
    {"Mountain", {"America/"}},
    {"Pacific", {"America/"}},
    {"Australian", {"Australia/", "Antarctica/"}},
    {"South Australia", {"Australia/Adelaide", "Australia/Broken_Hill"}},
    {"British", {"Europe/London", "Europe/Dublin", "Europe/Belfast", "Europe/Guernsey", "Europe/Jersey", "Europe/Isle_of_Man"}},
    {"Greenwich", {"Europe/", "Africa/", "Atlantic/"}},
    {"Central European", {"Europe/", "Africa/"}},
    {"Middle European", {"Europe/", "Africa/"}},
    {"Eastern European", {"Europe/", "Africa/", "Asia/"}},
    {"Azores", {"Atlantic/"}},
    {"West Africa", {"Africa/", "Atlantic/"}},
    {"Baghdad", {"Asia/"}},
    {"Iran", {"Asia/Tehran"}},
    {"Indian", {"Asia/Kolkata", "Asia/Calcutta", "Asia/Karachi", "Asia/Dhaka", "Asia/Colombo", "Asia/"}},
    {"China Coast", {"Asia/"}},
    {"Japan", {"Asia/Tokyo", "Asia/Seoul", "Asia/Pyongyang", "Asia/"}},
    {"Java", {"Asia/Jakarta"}},
    {"North Sumatra", {"Asia/"}},
    {"South Sumatra", {"Asia/"}},
    {"Moluccas", {"Asia/"}},
    {"Guam", {"Pacific/"}},
    {"Int'l Date Line", {"Pacific/"}},
    {"New Zealand", {"Pacific/Auckland", "Pacific/"}},
    {"USSR", {"Europe/", "Asia/"}},
    {"Universal", {"Etc/", "UTC"}},
};

QString RowText(int row) {
    const std::string_view text = TimeZones().TimeZoneList[row];
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// How well a row's region fits the zone id: the length of its longest
// matching prefix, 0 when none does.
int RegionFit(int row, QStringView zoneId) {
    const QString name = RowText(row);
    for (const RowRegion& region : kRowRegions) {
        if (!name.startsWith(QLatin1String(region.nameStart.data(), static_cast<qsizetype>(region.nameStart.size())))) continue;
        int best = 0;
        for (std::string_view prefix : region.zonePrefixes) {
            const QLatin1String p(prefix.data(), static_cast<qsizetype>(prefix.size()));
            if (!prefix.empty() && zoneId.startsWith(p)) best = std::max(best, static_cast<int>(prefix.size()));
        }
        return best;
    }
    return 0;
}

bool IsDaylightRow(int row) {
    const QString name = ZoneRowName(row);
    return name.contains(QLatin1String("Daylight")) || name.contains(QLatin1String("Summer")) ||
           name.contains(QLatin1String("War"));
}

// The row's own offset east of Greenwich, in seconds, without the box.
int RowSeconds(int row) {
    const ReferenceTables& t = TimeZones();
    return -(t.TimeZoneHours[row] * kHour + t.TimeZoneMinutes[row] * 60);
}

// The standard time in force at utc, corrected where the tz database's own
// notion of standard misleads a reader (see ZoneAtMoment).
int StandardSeconds(const QTimeZone& zone, const QDateTime& utc) {
    const int offset = zone.offsetFromUtc(utc);
    const int standard = zone.standardTimeOffset(utc);
    if (offset < standard) return offset; // the winter clock of a zone that saves daylight backwards
    for (int days : {-182, 182}) {
        const QDateTime other = utc.addDays(days);
        const int otherOffset = zone.offsetFromUtc(other);
        if (otherOffset < zone.standardTimeOffset(other) && otherOffset < offset) return otherOffset;
    }
    // The standard times before this one began and after it ended.
    QTimeZone::OffsetData current = zone.previousTransition(utc);
    std::optional<int> before, after;
    QDateTime start, end;
    const QDateTime longAgo = utc.addSecs(-kTemporarySeconds);
    for (int i = 0; i < kMaxWalk && current.atUtc.isValid() && current.atUtc > longAgo; ++i) {
        const QTimeZone::OffsetData earlier = zone.previousTransition(current.atUtc);
        if (!earlier.atUtc.isValid()) break;
        if (earlier.standardTimeOffset != standard) {
            before = earlier.standardTimeOffset;
            start = current.atUtc;
            break;
        }
        current = earlier;
    }
    if (!before || *before >= standard) return standard;
    QTimeZone::OffsetData next = zone.nextTransition(utc);
    const QDateTime soon = start.addSecs(kTemporarySeconds);
    for (int i = 0; i < kMaxWalk && next.atUtc.isValid() && next.atUtc <= soon; ++i) {
        if (next.standardTimeOffset != standard) {
            after = next.standardTimeOffset;
            end = next.atUtc;
            break;
        }
        next = zone.nextTransition(next.atUtc);
    }
    if (after == before && start.secsTo(end) <= kTemporarySeconds) return *before;
    return standard;
}

ZoneOffset OffsetAt(const QTimeZone& zone, const QDateTime& utc) {
    ZoneOffset result;
    result.seconds = zone.offsetFromUtc(utc);
    result.standardSeconds = StandardSeconds(zone, utc);
    result.daylightSaving = result.seconds != result.standardSeconds;
    result.abbreviation = zone.abbreviation(utc);
    return result;
}

QString DateText(QDate date) {
    // The format is a word of its own: Hindi notes give the date in digits.
    return QLocale::c().toString(date, ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "d MMM yyyy")));
}

QString MomentText(const ZoneMoment& m) {
    return ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "%1 on %2 %3")).arg(m.zoneId, DateText(m.date), m.time.toString(QStringLiteral("HH:mm")));
}

bool IsWarTime(QDate date) {
    return date >= QDate(1939, 9, 1) && date <= QDate(1945, 12, 31);
}

QString KindText(const ZoneOffset& offset, QDate date) {
    if (!offset.kindName.isEmpty()) return offset.kindName;
    if (offset.seconds % 60 != 0 || offset.abbreviation == QLatin1String("LMT")) return ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "local mean time"));
    if (!offset.daylightSaving) return ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "standard time"));
    return IsWarTime(date) ? ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "war time")) : ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "daylight saving"));
}

QString OffsetWithKind(const ZoneOffset& offset, QDate date) {
    return QStringLiteral("UTC%1 (%2)").arg(OffsetText(offset.seconds), KindText(offset, date));
}

QString ChoiceText(const ZoneChoice& choice) {
    QString text = ZoneRowName(choice.row);
    if (choice.daylightSaving) text += ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", " with daylight saving"));
    return text;
}

// The system's zone of that id, or nothing (with the moment's message) when
// it is not one: only the zones of the tz database, as Qt also makes up zones
// from offsets ("UTC+57:00"), which no place ever had.
std::optional<QTimeZone> KnownZone(ZoneMoment& m) {
    const QTimeZone zone(m.zoneId.toUtf8());
    if (IsKnownZoneId(m.zoneId.toStdString()) && zone.isValid()) return zone;
    m.clock = ClockTime::UnknownZone;
    const QString shown = QString::fromStdString(VisibleText(m.zoneId.toStdString()));
    m.message = IsZoneOfNoPlace(m.zoneId.toStdString())
                    ? ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "The time zone \"%1\" names no place; give the zone of the "
                                                             "birth's place, such as Asia/Kolkata."))
                          .arg(shown)
                    : ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "The time zone \"%1\" is not known to this computer.")).arg(shown);
    return std::nullopt;
}

} // namespace

ZoneMoment ZoneAtUtc(QStringView zoneId, const QDateTime& utc) {
    ZoneMoment m;
    m.zoneId = zoneId.toString();
    if (!utc.isValid()) {
        m.clock = ClockTime::BadInput;
        m.message = ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "The date or time is not valid."));
        return m;
    }
    const std::optional<QTimeZone> zone = KnownZone(m);
    if (!zone) return m;
    const QDateTime at = utc.toUTC();
    m.clock = ClockTime::Normal;
    m.offset = OffsetAt(*zone, at);
    const QDateTime local = at.addSecs(m.offset.seconds);
    m.date = local.date();
    m.time = local.time();
    return m;
}

ZoneMoment ZoneAtMoment(QStringView zoneId, QDate date, QTime time) {
    ZoneMoment m;
    m.zoneId = zoneId.toString();
    m.date = date;
    m.time = time;
    if (!date.isValid() || !time.isValid()) {
        m.clock = ClockTime::BadInput;
        m.message = ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "The date or time is not valid."));
        return m;
    }
    const std::optional<QTimeZone> known = KnownZone(m);
    if (!known) return m;
    const QTimeZone& zone = *known;
    // The clock reading as if it were UTC; local = utc + offset, so every
    // offset in force around it is tried, and those that map the clock
    // reading back onto themselves are the ones it had.
    const QDateTime clock(date, time, Qt::UTC);
    std::vector<int> tried;
    for (const QDateTime& probe : {clock.addDays(-1), clock, clock.addDays(1)}) {
        const int offset = zone.offsetFromUtc(probe);
        if (std::find(tried.begin(), tried.end(), offset) == tried.end()) tried.push_back(offset);
    }
    std::vector<int> held;
    for (int offset : tried) {
        if (zone.offsetFromUtc(clock.addSecs(-offset)) == offset) held.push_back(offset);
    }
    // Earlier UTC first: the larger offset was the first time round.
    std::sort(held.begin(), held.end(), std::greater<>());
    if (held.size() == 1) {
        m.clock = ClockTime::Normal;
        m.offset = OffsetAt(zone, clock.addSecs(-held.front()));
        return m;
    }
    if (held.empty()) {
        const int before = zone.offsetFromUtc(clock.addDays(-1));
        const int after = zone.offsetFromUtc(clock.addDays(1));
        m.clock = ClockTime::Skipped;
        m.offset = OffsetAt(zone, clock.addDays(-1).addSecs(-before));
        m.later = OffsetAt(zone, clock.addDays(1).addSecs(-after));
        m.message = ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "%1 never happened: the clocks went forward from UTC%2 to UTC%3."))
                        .arg(MomentText(m), OffsetText(m.offset.seconds), OffsetText(m.later.seconds));
        return m;
    }
    m.clock = ClockTime::Repeated;
    m.offset = OffsetAt(zone, clock.addSecs(-held.front()));
    m.later = OffsetAt(zone, clock.addSecs(-held.back()));
    m.message = ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "%1 happened twice: the clocks went back. First at %2, then at %3; which was it?"))
                    .arg(MomentText(m), OffsetWithKind(m.offset, date), OffsetWithKind(m.later, date));
    return m;
}

int ChoiceOffsetSeconds(const ZoneChoice& choice) {
    if (choice.row < 0 || choice.row >= kTimeZoneCount) return 0;
    return RowSeconds(choice.row) + (choice.daylightSaving ? kHour : 0);
}

std::optional<ZoneChoice> ChooseZoneRow(const ZoneOffset& offset, QStringView zoneId) {
    std::optional<ZoneChoice> best;
    std::tuple<bool, bool, int, bool, int> bestRank{};
    for (int row = 0; row < kTimeZoneCount; ++row) {
        for (bool box : {false, true}) {
            const ZoneChoice choice{row, box};
            if (ChoiceOffsetSeconds(choice) != offset.seconds) continue;
            // The box on a day without daylight saving would say summer time
            // in winter: Kabul's +4:30 is not Iran Time with the box.
            if (box && !offset.daylightSaving) continue;
            const bool standardRow = !IsDaylightRow(row);
            const bool namesStandard = standardRow && box == offset.daylightSaving &&
                                       RowSeconds(row) == offset.standardSeconds;
            // Larger is better, element by element; the last is list order.
            const std::tuple<bool, bool, int, bool, int> rank{namesStandard, box == offset.daylightSaving,
                                                              RegionFit(row, zoneId), standardRow, -row};
            if (!best || rank > bestRank) {
                best = choice;
                bestRank = rank;
            }
        }
    }
    return best;
}

QString OffsetText(int seconds) {
    const int magnitude = std::abs(seconds);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                       .arg(magnitude / kHour)
                       .arg(magnitude / 60 % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0) text += QStringLiteral(":%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    return text;
}

QString ZoneRowName(int row) {
    if (row < 0 || row >= kTimeZoneCount) return {};
    return RowText(row).section(QLatin1Char(','), 0, 0).trimmed();
}

QString ExplainZone(const ZoneMoment& moment) {
    if (moment.clock != ClockTime::Normal) return moment.message;
    // A city time's note says it all, and fits the two lines beside the zone.
    if (moment.local == LocalTime::CityTime) return QStringLiteral("%1: %2").arg(MomentText(moment), moment.localNote);
    QString line = moment.local == LocalTime::MeanTime
                       ? QStringLiteral("%1: %2: UTC%3 → ").arg(MomentText(moment), moment.localNote, OffsetText(moment.offset.seconds))
                       : QStringLiteral("%1: %2 → ").arg(MomentText(moment), OffsetWithKind(moment.offset, moment.date));
    if (const std::optional<ZoneChoice> choice = ChooseZoneRow(moment.offset, moment.zoneId)) {
        line += ChoiceText(*choice);
    } else {
        line += ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "no zone in the list gives it; the reading uses the exact offset"));
    }
    if (moment.local == LocalTime::Zone && !moment.localNote.isEmpty()) line += QStringLiteral(". ") + moment.localNote;
    return line;
}

std::optional<QString> CheckZoneChoice(const ZoneMoment& moment, const ZoneChoice& choice) {
    if (choice.row < 0 || choice.row >= kTimeZoneCount) return std::nullopt;
    const int given = ChoiceOffsetSeconds(choice);
    switch (moment.clock) {
    case ClockTime::Normal:
        if (given == moment.offset.seconds) return std::nullopt;
        if (moment.local == LocalTime::CityTime && given == moment.zoneOffset.seconds) return std::nullopt;
        return ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "%1 was %2, but %3 gives UTC%4."))
            .arg(MomentText(moment), OffsetWithKind(moment.offset, moment.date), ChoiceText(choice), OffsetText(given));
    case ClockTime::Repeated:
        if (given == moment.offset.seconds || given == moment.later.seconds) return std::nullopt;
        return ZoneWords(QT_TRANSLATE_NOOP("ZoneNote", "%1 was %2 or %3, but %4 gives UTC%5."))
            .arg(MomentText(moment), OffsetWithKind(moment.offset, moment.date),
                 OffsetWithKind(moment.later, moment.date), ChoiceText(choice), OffsetText(given));
    case ClockTime::Skipped:
        return moment.message;
    case ClockTime::UnknownZone:
    case ClockTime::BadInput:
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace rashi::places
