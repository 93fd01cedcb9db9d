#include "core/precise/precise_reading.h"

#include "core/aspects/rashi_drishti.h"
#include "core/reading/calculation_driver.h"
#include "core/moon/birth_moment.h"
#include "core/planets/planet_ayanamsa.h"
#include "core/planets/planet_theory.h"
#include "core/planets/position_table.h"

#include "fixtures.h"
#include "precise_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace rashi {
namespace {

using testing::GreenwichNoon;

ReadingRecords Reading(const BirthRecord& birth, Ephemeris ephemeris) {
    ReadingRecords r;
    r.birth = birth;
    r.ephemeris = ephemeris;
    RunEngines(r);
    return r;
}

TEST(PreciseReading, FirstOfJanuary2000) {
    CalculationDriver driver;
    driver.setEphemeris(Ephemeris::Precise);
    ASSERT_FALSE(driver.Calculate(GreenwichNoon()));
    const ReadingRecords& r = driver.records();
    // The reference's minutes (Saturn 16° 32′ 33″ there); the node is the
    // mean node without the formulas' one degree (10 Can 16 there).
    const char* expected[kReportRows] = {"16 Sag 30", "19 Lib 28", "08 Sag 02", "07 Sco 42", "04 Aqu 06",
                                         "01 Ari 23", "16 Ari 32", "11 Can 11", "11 Cap 11"};
    for (int i = 0; i < kReportRows; ++i) EXPECT_EQ(r.positions.PlanetPositions[i], expected[i]) << i;
    EXPECT_EQ(r.report.lblPlanets_Position[7], expected[7]);
    EXPECT_EQ(r.moon.MoonPositionText, "19\u00B0 28' 14\" Lib");
    EXPECT_EQ(r.positions.TheoryPositionTexts[Earth], "16\u00B0 30' 56\" Sag");
    // The reference's Neptune is 9°20′23.24″; the series' runs 0.8″ ahead.
    EXPECT_EQ(r.positions.TheoryPositionTexts[Neptune], "9\u00B0 20' 24\" Cap");
    EXPECT_EQ(r.positions.TheoryPositionTexts[Pluto], ""); // the series have no Pluto
    EXPECT_NEAR(r.chart.ChartAyanamsa, -(23.857092 - 13.93 / 3600), 1.0 / 3600);
    EXPECT_EQ(r.report.lblGrahas[1], "Planet Moon has Rashi Drishti with Jupiter, Saturn, North Node, South Node.");
}

TEST(PreciseReading, RowsFallInTheReferenceSigns) {
    // Through the whole reading: each row takes the right body, and its text
    // shows the sign of the reference wherever the body is not within the
    // tolerance of a sign's edge.
    for (const testing::PreciseReferenceRow& row : testing::kPreciseReference) {
        SCOPED_TRACE(::testing::Message() << row.year << '-' << row.month << '-' << row.day);
        const ReadingRecords r =
            Reading(testing::BirthAt(row.day, row.month, row.year, row.hour, row.minute, 0, 0), Ephemeris::Precise);
        for (int i = 0; i < kReportRows; ++i) {
            const double reference = row.longitudes[i];
            EXPECT_LE(testing::Arcminutes(r.positions.SiderealLongitudes[i], reference),
                      testing::kToleranceArcminutes[i]) << i;
            const double fromEdge = 60 * std::min(std::fmod(reference, 30.0), 30 - std::fmod(reference, 30.0));
            if (fromEdge > testing::kToleranceArcminutes[i]) {
                EXPECT_EQ(SignOfPosition(r.positions.PlanetPositions[i]), static_cast<int>(reference / 30)) << i;
            }
        }
    }
}

TEST(PreciseReading, LongitudesAreTheNumbersBehindTheTexts) {
    for (const Ephemeris ephemeris : {Ephemeris::Formulas, Ephemeris::Precise}) {
        for (const BirthRecord& birth : {testing::BirthAt(1, 1, 2000, 12, 0, 0, 0),
                                         testing::BirthAt(29, 2, 1904, 23, 59, -5, -30, true),
                                         testing::BirthAt(31, 12, 2050, 24, 0, 10, 0)}) {
            const ReadingRecords r = Reading(birth, ephemeris);
            for (int i = 0; i < kReportRows; ++i) {
                EXPECT_EQ(ShortPositionText(SignPositionText(r.positions.SiderealLongitudes[i])),
                          r.positions.PlanetPositions[i])
                    << static_cast<int>(ephemeris) << " row " << i;
            }
            EXPECT_DOUBLE_EQ(r.positions.SiderealLongitudes[1], r.moon.SiderealLongitude);
        }
    }
}

TEST(PreciseReading, TheZoneAndDaylightSavingGiveTheSameMoment) {
    const ReadingRecords ut = Reading(testing::BirthAt(15, 8, 1977, 12, 15, 0, 0), Ephemeris::Precise);
    const ReadingRecords india = Reading(testing::BirthAt(15, 8, 1977, 17, 45, -5, -30), Ephemeris::Precise);
    const ReadingRecords summer = Reading(testing::BirthAt(15, 8, 1977, 13, 15, 0, 0, true), Ephemeris::Precise);
    EXPECT_EQ(india.positions.SiderealLongitudes, ut.positions.SiderealLongitudes);
    EXPECT_EQ(summer.positions.SiderealLongitudes, ut.positions.SiderealLongitudes);
    EXPECT_EQ(india.report, ut.report);
}

TEST(PreciseReading, AscendantOfTheBirthPlaceInEveryHemisphere) {
    // The reference places lie in all four quarters of the globe.
    for (const testing::AscendantReferenceRow& row : testing::kAscendantReference) {
        SCOPED_TRACE(::testing::Message() << row.eastLongitude << ", " << row.northLatitude);
        BirthRecord b = testing::BirthAt(row.day, row.month, row.year, row.hour, row.minute, 0, 0);
        const long east = std::lround(std::fabs(row.eastLongitude) * 60);
        const long north = std::lround(std::fabs(row.northLatitude) * 60);
        b.LonDegrees = static_cast<std::int16_t>(east / 60);
        b.LonMinutes = static_cast<std::int16_t>(east % 60);
        b.LonEast = row.eastLongitude >= 0;
        b.LatDegrees = static_cast<std::int16_t>(north / 60);
        b.LatMinutes = static_cast<std::int16_t>(north % 60);
        b.LatSouth = row.northLatitude < 0;
        EXPECT_LE(testing::Arcminutes(PreciseBirthAscendant(b), row.ascendant), testing::kAscendantToleranceArcminutes);
    }
}

TEST(PreciseReading, FormulasStayTheDefaultAndComeBackUnchanged) {
    CalculationDriver fresh;
    EXPECT_EQ(fresh.ephemeris(), Ephemeris::Formulas);
    ASSERT_FALSE(fresh.Calculate(GreenwichNoon()));

    CalculationDriver switched;
    switched.setEphemeris(Ephemeris::Precise);
    ASSERT_FALSE(switched.Calculate(GreenwichNoon()));
    const Report precise = switched.report();
    EXPECT_NE(precise, fresh.report());
    switched.setEphemeris(Ephemeris::Formulas);
    ASSERT_FALSE(switched.Calculate(GreenwichNoon()));
    EXPECT_EQ(switched.report(), fresh.report());
    EXPECT_EQ(switched.records().positions.TheoryPositionTexts, fresh.records().positions.TheoryPositionTexts);
    EXPECT_EQ(switched.records().chart.ChartAyanamsa, fresh.records().chart.ChartAyanamsa);
    EXPECT_EQ(switched.records().moon.MoonPositionText, fresh.records().moon.MoonPositionText);
}

} // namespace
} // namespace rashi

namespace rashi {
namespace {

// Offsets with seconds (Calcutta Time, a local mean time) reach the precise
// frame whole: the ascendant against the reference ephemeris (swetest, Lahiri,
// at the birth's UT to the second), within 2″. Rounded to the minute, the
// Kolkata birth read 20 Lib 26 (20 seconds of time, 5′ of arc).
TEST(PreciseReading, OffsetsKeepTheirSeconds) {
    struct Row {
        const char* name;
        int day, month, year, hour, minute;
        int offsetSeconds;
        int lonDegrees, lonMinutes, latDegrees, latMinutes;
        double ascendant; // swetest -sid1 -house<lon>,<lat>,W at the UT below
    };
    const Row rows[] = {
        // UT 12:36:40
        {"Kolkata, Calcutta Time", 2, 5, 1921, 18, 30, 5 * 3600 + 53 * 60 + 20, 88, 22, 22, 34, 200.3629736},
        // UT 09:23:16
        {"Jeddah, local mean time", 1, 6, 1930, 12, 0, 2 * 3600 + 36 * 60 + 44, 39, 11, 21, 29, 137.7637640},
    };
    for (const Row& r : rows) {
        BirthRecord b = testing::BirthAt(r.day, r.month, r.year, r.hour, r.minute, 0, 0);
        b.ZoneId = "Asia/Kolkata";
        b.ExactOffsetSeconds = r.offsetSeconds;
        b.LonDegrees = static_cast<std::int16_t>(r.lonDegrees);
        b.LonMinutes = static_cast<std::int16_t>(r.lonMinutes);
        b.LonEast = true;
        b.LatDegrees = static_cast<std::int16_t>(r.latDegrees);
        b.LatMinutes = static_cast<std::int16_t>(r.latMinutes);
        ReadingRecords records;
        records.birth = b;
        records.ephemeris = Ephemeris::Precise;
        RunEngines(records);
        EXPECT_NEAR(records.ascendant.SiderealLongitude, r.ascendant, 2.0 / 3600) << r.name;
        EXPECT_NEAR(PreciseBirthAscendant(b), r.ascendant, 2.0 / 3600) << r.name;
    }
}

} // namespace
} // namespace rashi
