#include "places/zone_moment.h"

#include "qt_printing.h"
#include "core/zones/zone_ids.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <optional>

namespace rashi::places {
namespace {

// "" for no row: the reading must use the exact offset.
struct History {
    const char* zone;
    QDate date;
    QTime time;
    int offsetSeconds;
    bool daylightSaving;
    const char* row;
    bool box;
};

TEST(ZoneAtMoment, HistoricalOffsetsAndTheirRowAndBox) {
    const History cases[] = {
        {"Asia/Kolkata", {1942, 9, 1}, {12, 0}, 6 * 3600 + 1800, true, "Indian Time", true},  // war time
        {"Asia/Kolkata", {1950, 1, 1}, {12, 0}, 5 * 3600 + 1800, false, "Indian Time", false},
        {"Asia/Kolkata", {1901, 1, 1}, {12, 0}, 5 * 3600 + 21 * 60 + 10, false, "", false},    // Madras mean time
        {"Europe/London", {1969, 1, 15}, {12, 0}, 3600, true, "Greenwich Mean Time", true},    // British Standard Time
        {"Europe/London", {1970, 7, 15}, {12, 0}, 3600, true, "Greenwich Mean Time", true},
        {"Europe/London", {1972, 1, 15}, {12, 0}, 0, false, "Greenwich Mean Time", false},
        {"Europe/London", {1941, 6, 1}, {12, 0}, 7200, true, "British Summer Time", true},     // double summer time
        {"Europe/Dublin", {2000, 1, 15}, {12, 0}, 0, false, "Greenwich Mean Time", false},     // negative saving in the database
        {"Europe/Dublin", {2000, 7, 15}, {12, 0}, 3600, true, "Greenwich Mean Time", true},
        {"America/New_York", {1950, 7, 1}, {12, 0}, -4 * 3600, true, "Eastern Standard Time", true},
        {"America/New_York", {1950, 1, 15}, {12, 0}, -5 * 3600, false, "Eastern Standard Time", false},
        {"Asia/Karachi", {1951, 1, 1}, {12, 0}, 5 * 3600 + 1800, false, "Indian Time", false},
        {"Asia/Karachi", {1951, 12, 1}, {12, 0}, 5 * 3600, false, "USSR Zone 4", false},
        {"Asia/Dhaka", {2009, 7, 1}, {12, 0}, 7 * 3600, true, "USSR Zone 5", true},
        {"Asia/Dhaka", {2010, 1, 15}, {12, 0}, 6 * 3600, false, "USSR Zone 5", false},
        {"Europe/Moscow", {2012, 1, 15}, {12, 0}, 4 * 3600, true, "Baghdad Time", true},       // raised 2011-14, then undone
        {"Europe/Moscow", {2015, 1, 15}, {12, 0}, 3 * 3600, false, "Baghdad Time", false},
        {"Europe/Minsk", {2015, 1, 15}, {12, 0}, 3 * 3600, false, "Baghdad Time", false},      // raised in 2011 for good
        {"Australia/Lord_Howe", {2000, 1, 15}, {12, 0}, 11 * 3600, true, "Australian Eastern Standard Time", true},
        {"Australia/Lord_Howe", {2000, 7, 15}, {12, 0}, 10 * 3600 + 1800, false, "Australian Central Daylight Time", false},
        {"Asia/Kathmandu", {1985, 6, 1}, {12, 0}, 5 * 3600 + 1800, false, "Indian Time", false},
        {"Asia/Kathmandu", {1987, 6, 1}, {12, 0}, 5 * 3600 + 2700, false, "", false},
        {"Asia/Kabul", {2000, 6, 1}, {12, 0}, 4 * 3600 + 1800, false, "", false},
        {"Pacific/Chatham", {2000, 7, 1}, {12, 0}, 12 * 3600 + 2700, false, "", false},
        {"Africa/Abidjan", {2000, 7, 1}, {12, 0}, 0, false, "Greenwich Mean Time", false},
        {"America/St_Johns", {2000, 1, 15}, {12, 0}, -3 * 3600 - 1800, false, "Newfoundland Standard Time", false},
    };
    for (const History& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.date.toString(Qt::ISODate).toStdString());
        const ZoneMoment m = ZoneAtMoment(QString::fromLatin1(c.zone), c.date, c.time);
        ASSERT_EQ(m.clock, ClockTime::Normal);
        EXPECT_EQ(m.offset.seconds, c.offsetSeconds);
        EXPECT_EQ(m.offset.daylightSaving, c.daylightSaving);
        const std::optional<ZoneChoice> choice = ChooseZoneRow(m.offset, m.zoneId);
        if (*c.row == '\0') {
            EXPECT_FALSE(choice.has_value());
            continue;
        }
        ASSERT_TRUE(choice.has_value());
        EXPECT_EQ(ZoneRowName(choice->row), QString::fromLatin1(c.row));
        EXPECT_EQ(choice->daylightSaving, c.box);
        EXPECT_EQ(ChoiceOffsetSeconds(*choice), c.offsetSeconds);
    }
}

TEST(ChooseZoneRow, PrefersTheStandardRowOfTheZonesOwnRegion) {
    struct Case {
        const char* zone;
        int offsetMinutes;
        int standardMinutes;
        const char* row;
        bool box;
    };
    const Case cases[] = {
        {"Etc/UTC", 0, 0, "Universal Time", false},
        {"Europe/London", 0, 0, "Greenwich Mean Time", false},
        {"Europe/Paris", 60, 60, "Central European Time", false},
        {"Europe/Paris", 120, 60, "Central European Time", true},
        {"America/Sao_Paulo", -180, -180, "Brazil Zone 2", false},
        {"America/Halifax", -180, -240, "Atlantic Standard Time", true},
        {"America/Denver", -360, -420, "Mountain Standard Time", true},
        {"America/Chicago", -360, -360, "Central Standard Time", false},
        {"America/Los_Angeles", -420, -480, "Pacific Standard Time", true},
        {"Asia/Shanghai", 480, 480, "China Coast Time", false},
        {"Australia/Perth", 480, 480, "Australian Western Standard Time", false},
        {"Australia/Perth", 540, 480, "Australian Western Standard Time", true},
        {"Asia/Tokyo", 540, 540, "Japan Standard Time", false},
        {"Australia/Adelaide", 630, 570, "South Australia Standard Time", true},
        {"Australia/Darwin", 570, 570, "Australian Central Standard Time", false},
        {"Pacific/Auckland", 720, 720, "New Zealand Std Time", false},
        {"Pacific/Auckland", 780, 720, "New Zealand Std Time", true},
        {"Pacific/Honolulu", -600, -600, "Alaska/Hawaii Standard Time", false},
        {"Pacific/Honolulu", -630, -630, "Hawaiian Standard Time", false},
        {"Asia/Tehran", 210, 210, "Iran Time", false},
        {"Asia/Tehran", 270, 210, "Iran Time", true},
        {"America/St_Johns", -150, -210, "Newfoundland Standard Time", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.offsetMinutes);
        ZoneOffset offset;
        offset.seconds = c.offsetMinutes * 60;
        offset.standardSeconds = c.standardMinutes * 60;
        offset.daylightSaving = c.offsetMinutes != c.standardMinutes;
        const std::optional<ZoneChoice> choice = ChooseZoneRow(offset, QString::fromLatin1(c.zone));
        ASSERT_TRUE(choice.has_value());
        EXPECT_EQ(ZoneRowName(choice->row), QString::fromLatin1(c.row));
        EXPECT_EQ(choice->daylightSaving, c.box);
    }
}

TEST(ZoneAtMoment, SkippedAndRepeatedClockTimes) {
    struct Case {
        const char* zone;
        QDate date;
        QTime time;
        ClockTime clock;
        int offset; // Skipped: before the jump; Repeated: first time round
        int later;
    };
    const Case cases[] = {
        {"America/New_York", {2021, 3, 14}, {2, 30}, ClockTime::Skipped, -5 * 3600, -4 * 3600},
        {"America/New_York", {2021, 3, 14}, {3, 0}, ClockTime::Normal, -4 * 3600, 0},
        {"America/New_York", {2021, 3, 14}, {1, 59}, ClockTime::Normal, -5 * 3600, 0},
        {"Europe/London", {2021, 3, 28}, {1, 30}, ClockTime::Skipped, 0, 3600},
        {"America/New_York", {2021, 11, 7}, {1, 30}, ClockTime::Repeated, -4 * 3600, -5 * 3600},
        {"America/New_York", {2021, 11, 7}, {2, 0}, ClockTime::Normal, -5 * 3600, 0},
        {"Europe/London", {2021, 10, 31}, {1, 0}, ClockTime::Repeated, 3600, 0},
        {"Australia/Lord_Howe", {2021, 4, 4}, {1, 45}, ClockTime::Repeated, 11 * 3600, 10 * 3600 + 1800},
        {"Australia/Lord_Howe", {2021, 10, 3}, {2, 15}, ClockTime::Skipped, 10 * 3600 + 1800, 11 * 3600},
        {"Asia/Kathmandu", {1986, 1, 1}, {0, 10}, ClockTime::Skipped, 5 * 3600 + 1800, 5 * 3600 + 2700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.date.toString(Qt::ISODate).toStdString() << " "
                                        << c.time.toString().toStdString());
        const ZoneMoment m = ZoneAtMoment(QString::fromLatin1(c.zone), c.date, c.time);
        ASSERT_EQ(m.clock, c.clock);
        EXPECT_EQ(m.offset.seconds, c.offset);
        if (c.clock == ClockTime::Normal) {
            EXPECT_TRUE(m.message.isEmpty());
            continue;
        }
        EXPECT_EQ(m.later.seconds, c.later);
        // The message names the moment and both offsets.
        EXPECT_TRUE(m.message.contains(QString::fromLatin1(c.zone)));
        EXPECT_TRUE(m.message.contains(OffsetText(c.offset)));
        EXPECT_TRUE(m.message.contains(OffsetText(c.later)));
        EXPECT_EQ(ExplainZone(m), m.message);
    }
}

TEST(ZoneAtMoment, UnknownZonesAndBadInputAreReported) {
    const ZoneMoment unknown = ZoneAtMoment(u"Mars/Olympus_Mons", QDate(2000, 1, 1), QTime(12, 0));
    EXPECT_EQ(unknown.clock, ClockTime::UnknownZone);
    EXPECT_TRUE(unknown.message.contains(QStringLiteral("Mars/Olympus_Mons")));
    EXPECT_EQ(ZoneAtMoment(u"", QDate(2000, 1, 1), QTime(12, 0)).clock, ClockTime::UnknownZone);
    // Zones Qt makes up from an offset are no place's zone (found by fuzzing:
    // "UTC+57:00" gave an offset of 57 hours).
    for (const char16_t* madeUp : {u"UTC+57:00", u"AmericaUTC+57:00", u"UTC+05:30", u"UTC-14:00"})
        EXPECT_EQ(ZoneAtMoment(madeUp, QDate(2000, 1, 1), QTime(12, 0)).clock, ClockTime::UnknownZone);
    // Nor a path that climbs out of the zone folder, though the file it names is a zone.
    for (const char16_t* path : {u"Europe/../Asia/Kolkata", u"../zoneinfo/Europe/London", u"Europe/London/..", u"..",
                                 u"Asia/./Kolkata", u"/usr/share/zoneinfo/Asia/Kolkata"}) {
        EXPECT_EQ(ZoneAtMoment(path, QDate(2000, 1, 1), QTime(12, 0)).clock, ClockTime::UnknownZone);
        EXPECT_EQ(ZoneAtUtc(path, QDateTime(QDate(2000, 1, 1), QTime(12, 0), QTimeZone::utc())).clock, ClockTime::UnknownZone);
        // Refused by its shape, before any list or file is looked at.
        EXPECT_FALSE(IsZoneIdShape(QString::fromUtf16(path).toStdString())) << QString::fromUtf16(path).toStdString();
    }
    EXPECT_TRUE(IsZoneIdShape("America/Port-au-Prince"));
    EXPECT_TRUE(IsZoneIdShape("Etc/GMT+5"));
    EXPECT_EQ(ZoneAtMoment(u"Asia/Kolkata", QDate(2000, 2, 30), QTime(12, 0)).clock, ClockTime::BadInput);
    EXPECT_EQ(ZoneAtMoment(u"Asia/Kolkata", QDate(2000, 2, 3), QTime()).clock, ClockTime::BadInput);
}

TEST(ZoneAtMoment, ExplanationLines) {
    struct Case {
        const char* zone;
        QDate date;
        QTime time;
        const char* line;
    };
    const Case cases[] = {
        {"Asia/Kolkata", {1942, 9, 1}, {12, 0},
         "Asia/Kolkata on 1 Sep 1942 12:00: UTC+6:30 (war time) → Indian Time with daylight saving"},
        {"America/New_York", {1950, 7, 1}, {9, 5},
         "America/New_York on 1 Jul 1950 09:05: UTC-4:00 (daylight saving) → Eastern Standard Time with daylight saving"},
        {"Asia/Kathmandu", {1990, 6, 1}, {12, 0},
         "Asia/Kathmandu on 1 Jun 1990 12:00: UTC+5:45 (standard time) → no zone in the list gives it; the reading uses the exact offset"},
        {"Asia/Kolkata", {1901, 1, 1}, {12, 0},
         "Asia/Kolkata on 1 Jan 1901 12:00: UTC+5:21:10 (local mean time) → no zone in the list gives it; the reading uses the exact offset"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ExplainZone(ZoneAtMoment(QString::fromLatin1(c.zone), c.date, c.time)), QString::fromUtf8(c.line));
    }
}

TEST(CheckZoneChoice, WarnsOnlyWhenTheHandMadeChoiceGivesAnotherOffset) {
    struct Case {
        const char* zone;
        QDate date;
        QTime time;
        const char* row;
        bool box;
        bool warns;
    };
    const Case cases[] = {
        {"Asia/Kolkata", {1950, 1, 1}, {12, 0}, "Indian Time", false, false},
        {"Asia/Kolkata", {1942, 9, 1}, {12, 0}, "Indian Time", false, true},  // war time forgotten
        {"Asia/Kolkata", {1942, 9, 1}, {12, 0}, "Indian Time", true, false},
        {"America/New_York", {1950, 1, 15}, {12, 0}, "Eastern Daylight Time", true, true},  // daylight row plus the box
        {"America/New_York", {1950, 1, 15}, {12, 0}, "Eastern Standard Time", true, true},  // summer time in winter
        {"America/New_York", {1950, 7, 1}, {12, 0}, "Eastern Daylight Time", false, false},
        {"America/New_York", {2021, 11, 7}, {1, 30}, "Eastern Standard Time", false, false},  // either pass
        {"America/New_York", {2021, 11, 7}, {1, 30}, "Eastern Daylight Time", false, false},
        {"America/New_York", {2021, 11, 7}, {1, 30}, "Central Standard Time", false, true},
        {"America/New_York", {2021, 3, 14}, {2, 30}, "Eastern Standard Time", false, true},  // never happened
        {"Asia/Kathmandu", {1990, 6, 1}, {12, 0}, "Indian Time", false, true},  // +5:30 is not +5:45
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.row << (c.box ? " + box" : ""));
        int row = -1;
        for (int r = 0; r < 71 && row < 0; ++r) {
            if (ZoneRowName(r) == QString::fromLatin1(c.row)) row = r;
        }
        ASSERT_GE(row, 0);
        const ZoneMoment m = ZoneAtMoment(QString::fromLatin1(c.zone), c.date, c.time);
        const std::optional<QString> warning = CheckZoneChoice(m, {row, c.box});
        EXPECT_EQ(warning.has_value(), c.warns);
        if (warning && m.clock == ClockTime::Normal) {
            EXPECT_TRUE(warning->contains(OffsetText(m.offset.seconds)));
            EXPECT_TRUE(warning->contains(OffsetText(ChoiceOffsetSeconds({row, c.box}))));
        }
    }
}

TEST(OffsetText, SignHoursMinutesAndSecondsOfLocalMeanTime) {
    EXPECT_EQ(OffsetText(0), QStringLiteral("+0:00"));
    EXPECT_EQ(OffsetText(19800), QStringLiteral("+5:30"));
    EXPECT_EQ(OffsetText(-12600), QStringLiteral("-3:30"));
    EXPECT_EQ(OffsetText(19270), QStringLiteral("+5:21:10"));
    EXPECT_EQ(OffsetText(-45 * 60), QStringLiteral("-0:45"));
}

} // namespace
} // namespace rashi::places
