// Births from 1600 to 2400: the precise positions outside the formulas'
// years, the Julian calendar and the node, through the whole reading.

#include "core/chart_files/chart_file.h"
#include "core/entries/birth_choices.h"
#include "core/reading/calculation_driver.h"
#include "core/reading/reading_header.h"

#include "fixtures.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

using testing::SetBirthMoment;

ReadingRecords Reading(const Entries& e, Ephemeris chosen, std::optional<NodeKind> nodes = std::nullopt) {
    CalculationDriver driver;
    driver.setEphemeris(chosen);
    driver.setNodes(nodes);
    EXPECT_FALSE(driver.Calculate(e));
    EXPECT_EQ(driver.ephemeris(), chosen); // the choice stays for the next reading
    return driver.records();
}

Entries Birth(int day, int month, int year, Calendar calendar = Calendar::Gregorian) {
    Entries e = testing::GreenwichNoon();
    SetBirthMoment(e, day, month, year, 12, 0);
    SetCalendar(e, calendar);
    return e;
}

TEST(BirthRange, OutsideTheFormulasYearsThePrecisePositionsServe) {
    struct Row {
        int year;
        bool precise;
    };
    const Row rows[] = {{1600, true}, {1850, true}, {1900, true}, {1901, false}, {2050, false}, {2051, true}, {2400, true}};
    for (const Row& r : rows) {
        const ReadingRecords formulas = Reading(Birth(1, 1, r.year), Ephemeris::Formulas);
        const ReadingRecords precise = Reading(Birth(1, 1, r.year), Ephemeris::Precise);
        EXPECT_EQ(formulas.preciseByDate, r.precise) << r.year;
        EXPECT_FALSE(precise.preciseByDate) << r.year;
        EXPECT_EQ(formulas.ephemeris, r.precise ? Ephemeris::Precise : Ephemeris::Formulas) << r.year;
        EXPECT_EQ(formulas.positions.SiderealLongitudes == precise.positions.SiderealLongitudes, r.precise) << r.year;
        const std::vector<std::string> header = HeaderLines(formulas);
        EXPECT_EQ(header[6].find("the formulas serve 1901 to 2050 only") != std::string::npos, r.precise) << r.year;
    }
}

TEST(BirthRange, TheTrueNodeAskedOfTheFormulasTakesThePrecisePositions) {
    // The formulas have a mean node only: asked for the true one, the reading
    // is the precise positions' and says why; the mean node keeps the formulas.
    const ReadingRecords mean = Reading(Birth(1, 1, 2000), Ephemeris::Formulas);
    const ReadingRecords asked = Reading(Birth(1, 1, 2000), Ephemeris::Formulas, NodeKind::True);
    const ReadingRecords precise = Reading(Birth(1, 1, 2000), Ephemeris::Precise, NodeKind::True);
    EXPECT_EQ(mean.ephemeris, Ephemeris::Formulas);
    EXPECT_FALSE(mean.preciseByNodes);
    EXPECT_TRUE(asked.preciseByNodes);
    EXPECT_FALSE(precise.preciseByNodes);
    EXPECT_EQ(asked.ephemeris, Ephemeris::Precise);
    EXPECT_EQ(asked.positions.SiderealLongitudes, precise.positions.SiderealLongitudes);
    EXPECT_EQ(asked.report.lblPlanets_Position[7], precise.report.lblPlanets_Position[7]);
    EXPECT_NE(asked.report.lblPlanets_Position[7], mean.report.lblPlanets_Position[7]);
    const std::string line = HeaderLines(asked)[6];
    EXPECT_NE(line.find("; precise positions: the formulas have no true node; true node"), std::string::npos) << line;
    EXPECT_EQ(HeaderLines(precise)[6].find("the formulas have no true node"), std::string::npos);
    // Outside the formulas' years the date says why, once.
    const std::string old = HeaderLines(Reading(Birth(1, 1, 1850), Ephemeris::Formulas, NodeKind::True))[6];
    EXPECT_EQ(old.find("the formulas have no true node"), std::string::npos) << old;
}

TEST(BirthRange, AJulianDateIsTheSameMomentAsItsGregorianDay) {
    const std::tuple<CivilDate, CivilDate> rows[] = {
        {{1700, 3, 1}, {1700, 3, 12}}, {{1700, 2, 29}, {1700, 3, 11}}, {{1752, 9, 2}, {1752, 9, 13}},
        {{1918, 1, 31}, {1918, 2, 13}}, {{1600, 1, 1}, {1600, 1, 11}}};
    for (const auto& [julian, gregorian] : rows) {
        SCOPED_TRACE(julian.year);
        const ReadingRecords j = Reading(Birth(julian.day, julian.month, julian.year, Calendar::Julian), Ephemeris::Precise);
        const ReadingRecords g = Reading(Birth(gregorian.day, gregorian.month, gregorian.year), Ephemeris::Precise);
        EXPECT_EQ(j.positions.SiderealLongitudes, g.positions.SiderealLongitudes);
        EXPECT_EQ(j.ascendant.SiderealLongitude, g.ascendant.SiderealLongitude);
        EXPECT_EQ(DateAsGiven(j.birth), julian);
        const std::string born = HeaderLines(j)[1];
        EXPECT_NE(born.find(std::to_string(julian.day) + " "), std::string::npos) << born;
        EXPECT_NE(born.find("(Julian date)"), std::string::npos) << born;
        EXPECT_EQ(HeaderLines(g)[1].find("Julian"), std::string::npos);
    }
}

TEST(BirthRange, ChartFilesKeepTheCalendarAndTheNode) {
    const ReadingRecords r = Reading(Birth(29, 2, 1700, Calendar::Julian), Ephemeris::Precise, NodeKind::True);
    const std::string file = FormatChartFile(r.birth, testing::GreenwichNoon().ZoneRow);
    std::string problem;
    const auto loaded = ParseChartFile(file, &problem);
    ASSERT_TRUE(loaded) << problem;
    EXPECT_EQ(CalendarOf(*loaded), Calendar::Julian);
    EXPECT_EQ(loaded->DatePosition, 28);
    EXPECT_EQ(loaded->MonthPosition, 1);
    EXPECT_EQ(FindTagged(loaded->Tagged, kNodesTag), "true");
    const ReadingRecords again = Reading(*loaded, Ephemeris::Precise);
    EXPECT_EQ(again.positions.SiderealLongitudes, r.positions.SiderealLongitudes);
    EXPECT_EQ(again.birth.Nodes, NodeKind::True);

    // A file without the lines stays Gregorian with the mean node.
    const ReadingRecords plain = Reading(Birth(1, 3, 1700), Ephemeris::Precise);
    const auto gregorian = ParseChartFile(FormatChartFile(plain.birth, 0));
    ASSERT_TRUE(gregorian);
    EXPECT_EQ(CalendarOf(*gregorian), Calendar::Gregorian);
    EXPECT_FALSE(FindTagged(gregorian->Tagged, kCalendarTag));
    EXPECT_FALSE(FindTagged(gregorian->Tagged, kNodesTag));

    // Other values are refused, naming the choices.
    const std::tuple<std::string_view, std::string, std::string> bad[] = {
        {kCalendarTag, "julain", "not one of julian, gregorian."}, {kNodesTag, "osculating", "not one of true, mean."}};
    for (const auto& [key, value, why] : bad) {
        BirthRecord edited = plain.birth;
        SetTagged(edited.Tagged, key, value);
        EXPECT_FALSE(ParseChartFile(FormatChartFile(edited, 0), &problem)) << value;
        EXPECT_NE(problem.find(why), std::string::npos) << problem;
    }
}

TEST(BirthRange, TheTrueNodeMovesOnlyTheNodes) {
    const Entries e = Birth(15, 8, 1947);
    const ReadingRecords mean = Reading(e, Ephemeris::Precise);
    const ReadingRecords osculating = Reading(e, Ephemeris::Precise, NodeKind::True);
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(mean.positions.SiderealLongitudes[row], osculating.positions.SiderealLongitudes[row]) << row;
    EXPECT_NE(mean.positions.SiderealLongitudes[7], osculating.positions.SiderealLongitudes[7]);
    EXPECT_NE(HeaderLines(osculating)[6].find("true node"), std::string::npos);
    EXPECT_EQ(HeaderLines(mean)[6].find("true node"), std::string::npos);
}

} // namespace
} // namespace rashi
