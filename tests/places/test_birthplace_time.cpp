#include "places/birth_zone.h"
#include "places/birthplace_time.h"
#include "places/city_times.h"

#include "atlas_fixture.h"
#include "core/entries/entry_lists.h"
#include "qt_printing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace rashi::places {
namespace {

// The entries a place from the atlas gives at noon on that day.
Entries NoonAt(const char* place, QDate date) { return BirthAt(place, date.year(), date.month(), date.day()); }

int LongitudeMinutes(const Entries& e) {
    return (std::stoi(e.LonDeg) * 60 + std::stoi(e.LonMin)) * (e.West ? -1 : 1);
}

// Where the zone's record is local mean time, the birthplace's own: its
// longitude / 15 hours to the second, not the zone city's.
TEST(BirthplaceTime, LocalMeanTimeIsTheBirthplacesOwn) {
    struct Case {
        const char* place;
        QDate date;
        int zoneCitySeconds; // what the tz database alone gives
    };
    const Case cases[] = {
        {"Jeddah", {1930, 6, 1}, 3 * 3600 + 6 * 60 + 52},    // Riyadh's
        {"Riyadh", {1930, 6, 1}, 3 * 3600 + 6 * 60 + 52},
        {"Pokhara", {1910, 6, 1}, 5 * 3600 + 41 * 60 + 16},  // Kathmandu's
        {"Abu Dhabi", {1912, 6, 1}, 3 * 3600 + 41 * 60 + 12}, // Dubai's
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        Entries e = NoonAt(c.place, c.date);
        const ZoneMoment moment = BirthZoneMoment(e);
        const int minutes = LongitudeMinutes(e);
        ASSERT_EQ(moment.local, LocalTime::MeanTime);
        EXPECT_EQ(moment.offset.seconds, minutes * 4);
        EXPECT_EQ(moment.zoneOffset.seconds, c.zoneCitySeconds);
        EXPECT_FALSE(moment.offset.daylightSaving);
        // The reading takes the same seconds, and a chart file read back
        // (same entries, zone id) gives them again.
        ASSERT_FALSE(ApplyZone(e));
        EXPECT_EQ(e.ZoneOffsetSeconds, minutes * 4);
        Entries reread = e;
        reread.ZoneOffsetSeconds.reset();
        ASSERT_FALSE(ApplyZoneOffset(reread));
        EXPECT_EQ(reread.ZoneOffsetSeconds, e.ZoneOffsetSeconds);
        const QString expected = QStringLiteral("local mean time of %1, %2°%3′ E: UTC%4")
                                     .arg(QString::fromUtf8(c.place))
                                     .arg(minutes / 60)
                                     .arg(minutes % 60, 2, 10, QLatin1Char('0'))
                                     .arg(OffsetText(minutes * 4));
        EXPECT_TRUE(ExplainZone(moment).contains(expected)) << ExplainZone(moment).toStdString();
    }
    // Jeddah, 39°11′ E: half an hour west of Riyadh.
    EXPECT_EQ(BirthZoneMoment(NoonAt("Jeddah", {1930, 6, 1})).offset.seconds, 2 * 3600 + 36 * 60 + 44);
}

TEST(BirthplaceTime, MeanTimeOfAWesternLongitudeAndNoPlaceName) {
    ZoneMoment m = ZoneAtMoment(u"Asia/Riyadh", QDate(1930, 6, 1), QTime(12, 0));
    ASSERT_EQ(m.offset.abbreviation, QStringLiteral("LMT"));
    const ZoneMoment west = AtBirthplace(m, {QString(), 20.0, -(10 * 60 + 30)});
    EXPECT_EQ(west.offset.seconds, -(42 * 60));
    EXPECT_EQ(west.localNote, QStringLiteral("local mean time at 10°30′ W"));
    // Standard time is left alone.
    const ZoneMoment later = ZoneAtMoment(u"Asia/Riyadh", QDate(1960, 6, 1), QTime(12, 0));
    const ZoneMoment same = AtBirthplace(later, {QStringLiteral("Jeddah"), 21.5, 39 * 60 + 11});
    EXPECT_EQ(same.offset, later.offset);
    EXPECT_EQ(same.local, LocalTime::Zone);
    EXPECT_TRUE(same.localNote.isEmpty());
}

// Bombay Time and Calcutta Time in those cities' areas, Indian Time after,
// the war time as the tz database has it, places beyond the area unchanged.
TEST(BirthplaceTime, CityTimesOfBombayAndCalcutta) {
    struct Case {
        const char* place;
        QDate date;
        int seconds;
        const char* named; // the time the note names, "" for none
        LocalTime local;
    };
    constexpr int kIndian = 5 * 3600 + 1800;
    constexpr int kWar = 6 * 3600 + 1800;
    constexpr int kBombay = 4 * 3600 + 51 * 60;
    constexpr int kCalcutta = 5 * 3600 + 53 * 60 + 20;
    const Case cases[] = {
        {"Mumbai", {1925, 3, 1}, kBombay, "Bombay Time", LocalTime::CityTime},
        {"Mumbai", {1903, 3, 1}, kBombay, "Bombay Time", LocalTime::CityTime}, // the database: Madras time
        {"Mumbai", {1950, 3, 1}, kBombay, "Bombay Time", LocalTime::CityTime},
        {"Mumbai", {1954, 12, 31}, kBombay, "Bombay Time", LocalTime::CityTime},
        {"Mumbai", {1955, 1, 1}, kIndian, "", LocalTime::Zone},
        {"Mumbai", {1943, 6, 1}, kWar, "Bombay Time", LocalTime::Zone},
        {"Thane", {1930, 1, 1}, kBombay, "Bombay Time", LocalTime::CityTime},
        {"Pune", {1930, 1, 1}, kIndian, "", LocalTime::Zone},
        {"Kolkata", {1940, 6, 1}, kCalcutta, "Calcutta Time", LocalTime::CityTime},
        {"Kolkata", {1947, 12, 31}, kCalcutta, "Calcutta Time", LocalTime::CityTime},
        {"Kolkata", {1948, 1, 1}, kIndian, "", LocalTime::Zone},
        {"Kolkata", {1942, 1, 1}, kWar, "Calcutta Time", LocalTime::Zone},
        {"Howrah", {1930, 1, 1}, kCalcutta, "Calcutta Time", LocalTime::CityTime},
        {"Chennai", {1930, 1, 1}, kIndian, "", LocalTime::Zone},
        {"Dhaka", {1930, 1, 1}, kCalcutta, "", LocalTime::Zone}, // the database's own Howrah time, not ours
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.place) + " " + c.date.toString(Qt::ISODate).toStdString());
        Entries e = NoonAt(c.place, c.date);
        const ZoneMoment moment = BirthZoneMoment(e);
        EXPECT_EQ(moment.offset.seconds, c.seconds);
        EXPECT_EQ(moment.local, c.local);
        const QString note = ExplainZone(moment);
        if (*c.named) {
            EXPECT_TRUE(note.contains(QString::fromUtf8(c.named))) << note.toStdString();
        } else {
            EXPECT_FALSE(note.contains(QLatin1String("Bombay Time")) || note.contains(QLatin1String("Calcutta Time")))
                << note.toStdString();
        }
        ASSERT_FALSE(ApplyZone(e));
        EXPECT_EQ(e.ZoneOffsetSeconds, c.seconds);
    }
}

TEST(BirthplaceTime, TheNoteOffersIndianTimeAndAHandMadeIndianTimeIsNoFault) {
    const ZoneMoment moment = BirthZoneMoment(NoonAt("Mumbai", {1930, 6, 1}));
    EXPECT_EQ(ExplainZone(moment),
              QStringLiteral("Asia/Kolkata on 1 Jun 1930 12:00: Bombay kept Bombay Time, UTC+4:51, until 1955; "
                             "a time recorded in Indian time: choose Indian Time"));
    int indian = -1;
    for (int row = 0; row < 71; ++row)
        if (ZoneRowName(row) == QLatin1String("Indian Time")) indian = row;
    ASSERT_GE(indian, 0);
    EXPECT_EQ(CheckZoneChoice(moment, {indian, false}), std::nullopt);
    EXPECT_TRUE(CheckZoneChoice(moment, {indian, true}).has_value());
}

// West of 180° but on Asia's date: Tonga before 1945, Chukotka before 1924
// and Fiji's Lau Islands kept local mean time on their zone's side of the
// date line, a day from longitude / 15 hours taken alone (Nuku'alofa 1930
// read at UTC-11:40:48 instead of +12:19:12).
TEST(BirthplaceTime, LocalMeanTimeOnTheZonesSideOfTheDateLine) {
    const struct {
        const char* place;
        QDate date;
    } rows[] = {
        {"Nuku'alofa", {1930, 6, 1}},
        {"Pangai", {1901, 1, 1}},
        {"Provideniya", {1920, 3, 1}},
        {"Tubou", {1910, 6, 1}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.place);
        const Entries e = NoonAt(row.place, row.date);
        const ZoneMoment moment = BirthZoneMoment(e);
        ASSERT_EQ(moment.local, LocalTime::MeanTime);
        EXPECT_EQ(moment.offset.seconds, LongitudeMinutes(e) * 4 + 24 * 3600);
        EXPECT_LT(std::abs(moment.offset.seconds - moment.zoneOffset.seconds), 3600);
    }
    const struct {
        int longitudeMinutes, zoneSeconds, seconds;
    } units[] = {
        {-175 * 60 - 12, 12 * 3600 + 19 * 60 + 12, 12 * 3600 + 19 * 60 + 12}, // Nuku'alofa, Tongatapu's record
        {-175 * 60 - 12, -11 * 3600, -11 * 3600 - 40 * 60 - 48},              // the same longitude on America's side
        {179 * 60, -11 * 3600 - 40 * 60, 11 * 3600 + 56 * 60 - 24 * 3600},     // east of 180° on America's date
        {73 * 60 + 51, 5 * 3600 + 30 * 60, 4 * 3600 + 55 * 60 + 24},            // nowhere near: as it was
        {-180 * 60, 12 * 3600, 12 * 3600},                                      // the line itself
    };
    for (const auto& unit : units)
        EXPECT_EQ(MeanTimeBesideZone(unit.longitudeMinutes, unit.zoneSeconds), unit.seconds) << unit.longitudeMinutes;
}

// A clock time the zone skipped or repeated where its record leaves local
// mean time stays as the zone's record has it (both offsets and the
// message): the birthplace's mean time stands only for moments the zone's
// clock showed once. Riyadh went back 6′52″ from its mean time to UTC+3 on
// 14 March 1947; Nuku'alofa forward 48″ on 10 September 1945.
TEST(BirthplaceTime, SkippedAndRepeatedMomentsKeepTheZonesRecord) {
    const struct {
        const char* zone;
        QDate date;
        QTime time;
        ClockTime clock;
        Birthplace place;
    } rows[] = {
        {"Asia/Riyadh", {1947, 3, 13}, {23, 55}, ClockTime::Repeated, {QStringLiteral("Jeddah"), 21.5, 39 * 60 + 11}},
        {"Pacific/Tongatapu", {1945, 9, 10}, {0, 0}, ClockTime::Skipped, {QStringLiteral("Pangai"), -19.8, -174 * 60 - 21}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.zone);
        const ZoneMoment zone = ZoneAtMoment(QString::fromLatin1(row.zone), row.date, row.time);
        ASSERT_EQ(zone.clock, row.clock);
        const ZoneMoment there = AtBirthplace(zone, row.place);
        EXPECT_EQ(there.clock, row.clock);
        EXPECT_EQ(there.local, LocalTime::Zone);
        EXPECT_EQ(there.offset, zone.offset);
        EXPECT_EQ(there.later, zone.later);
        EXPECT_EQ(there.message, zone.message);
        // A minute clear of the change the birthplace's own time stands.
        const ZoneMoment clear = AtBirthplace(ZoneAtMoment(QString::fromLatin1(row.zone), row.date.addDays(-1), row.time),
                                              row.place);
        EXPECT_EQ(clear.local, LocalTime::MeanTime);
    }
}

TEST(CityTimes, AreaAndLastDay) {
    EXPECT_TRUE(CityTimeAt(18.975, 72.826, QDate(1930, 1, 1)).has_value());
    EXPECT_FALSE(CityTimeAt(18.975, 72.826, QDate(1955, 1, 1)).has_value());
    EXPECT_FALSE(CityTimeAt(18.52, 73.86, QDate(1930, 1, 1)).has_value()); // Pune, 120 km off
    EXPECT_FALSE(CityTimeAt(18.975, 72.826, QDate()).has_value());
    const std::optional<CityTime> calcutta = CityTimeAt(22.57, 88.37, QDate(1930, 1, 1));
    ASSERT_TRUE(calcutta);
    EXPECT_EQ(calcutta->timeName, QStringLiteral("Calcutta Time"));
    EXPECT_EQ(calcutta->untilText, QStringLiteral("1948"));
    EXPECT_TRUE(KeepsCityTimes(QStringLiteral("Asia/Calcutta")));
    EXPECT_FALSE(KeepsCityTimes(QStringLiteral("Asia/Dhaka")));
}

} // namespace
} // namespace rashi::places
