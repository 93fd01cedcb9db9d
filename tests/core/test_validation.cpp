#include "core/entries/birth_choices.h"
#include "core/entries/validation.h"

#include "fixtures.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

using testing::GreenwichNoon;

struct Case {
    const char* what;
    void (*change)(Entries&);
    int step; // 0: passes
    const char* message;
    MessageIcon icon;
    Field target;
};

void Date(Entries& e, int day, int month, int year) {
    e.DatePosition = day - 1;
    e.MonthPosition = month - 1;
    e.YearPosition = year - 1901;
}

const Case kCases[] = {
    {"all boxes empty", [](Entries& e) { e = Entries{}; }, 1, "Please Enter Your Name", MessageIcon::Critical,
     Field::Name},
    {"latitude minutes and city empty",
     [](Entries& e) {
         e.LatMin.clear();
         e.City.clear();
     },
     3, "Please Enter Minutes of Latitude", MessageIcon::Critical, Field::LatMin},
    {"latitude degrees", [](Entries& e) { e.LatDeg.clear(); }, 2, "Please Enter Degree of Latitude",
     MessageIcon::Critical, Field::LatDeg},
    {"longitude degrees", [](Entries& e) { e.LonDeg.clear(); }, 4, "Please Enter Degree of Longitude",
     MessageIcon::Critical, Field::LonDeg},
    {"longitude minutes", [](Entries& e) { e.LonMin.clear(); }, 5, "Please Enter Minute of Longitude",
     MessageIcon::Critical, Field::LonMin},
    {"city", [](Entries& e) { e.City.clear(); }, 6, "Please Enter Your City name", MessageIcon::Critical,
     Field::City},
    {"state", [](Entries& e) { e.State.clear(); }, 7, "Please Enter Your State name", MessageIcon::Critical,
     Field::State},
    {"country", [](Entries& e) { e.Country.clear(); }, 8, "Please Enter Your Country name", MessageIcon::Critical,
     Field::Country},
    {"no latitude direction", [](Entries& e) { e.North = e.South = false; }, 9,
     "Please Select Direction For The Latitude", MessageIcon::Critical, Field::North},
    {"no longitude direction", [](Entries& e) { e.East = e.West = false; }, 10,
     "Please Select Direction For The Longitude", MessageIcon::Critical, Field::East},
    {"30 February 2000", [](Entries& e) { Date(e, 30, 2, 2000); }, 11, "Please Enter Correct Date Or Month!",
     MessageIcon::Information, Field::None},
    {"29 February 1901", [](Entries& e) { Date(e, 29, 2, 1901); }, 12, "Please Enter Correct Date Or Month!",
     MessageIcon::Information, Field::None},
    {"31 February 2001", [](Entries& e) { Date(e, 31, 2, 2001); }, 12, "Please Enter Correct Date Or Month!",
     MessageIcon::Information, Field::None},
    {"31 April", [](Entries& e) { Date(e, 31, 4, 1990); }, 13, "Please Enter Correct Date Or Month !",
     MessageIcon::Information, Field::None},
    {"31 November", [](Entries& e) { Date(e, 31, 11, 1990); }, 13, "Please Enter Correct Date Or Month !",
     MessageIcon::Information, Field::None},
    {"29 February 2000", [](Entries& e) { Date(e, 29, 2, 2000); }, 0, "", MessageIcon::Critical, Field::None},
    {"29 February 2004", [](Entries& e) { Date(e, 29, 2, 2004); }, 0, "", MessageIcon::Critical, Field::None},
    {"31 March", [](Entries& e) { Date(e, 31, 3, 1990); }, 0, "", MessageIcon::Critical, Field::None},
    {"30 April", [](Entries& e) { Date(e, 30, 4, 1990); }, 0, "", MessageIcon::Critical, Field::None},
    {"a name of one space", [](Entries& e) { e.Name = " "; }, 0, "", MessageIcon::Critical, Field::None},
    {"latitude 999", [](Entries& e) { e.LatDeg = "999"; }, 14, "Please Enter Correct Degree of Latitude",
     MessageIcon::Critical, Field::LatDeg},
    {"latitude 91", [](Entries& e) { e.LatDeg = "91"; }, 14, "Please Enter Correct Degree of Latitude",
     MessageIcon::Critical, Field::LatDeg},
    {"latitude 90", [](Entries& e) { e.LatDeg = "90", e.LatMin = "0"; }, 0, "", MessageIcon::Critical, Field::None},
    {"latitude 90 1", [](Entries& e) { e.LatDeg = "90", e.LatMin = "1"; }, 15,
     "Please Enter Correct Minutes of Latitude", MessageIcon::Critical, Field::LatMin},
    {"latitude minutes 60", [](Entries& e) { e.LatMin = "60"; }, 15, "Please Enter Correct Minutes of Latitude",
     MessageIcon::Critical, Field::LatMin},
    {"latitude minutes 59", [](Entries& e) { e.LatMin = "59"; }, 0, "", MessageIcon::Critical, Field::None},
    {"longitude 181", [](Entries& e) { e.LonDeg = "181"; }, 16, "Please Enter Correct Degree of Longitude",
     MessageIcon::Critical, Field::LonDeg},
    {"longitude 180", [](Entries& e) { e.LonDeg = "180", e.LonMin = "0"; }, 0, "", MessageIcon::Critical,
     Field::None},
    {"longitude 180 30", [](Entries& e) { e.LonDeg = "180", e.LonMin = "30"; }, 17,
     "Please Enter Correct Minute of Longitude", MessageIcon::Critical, Field::LonMin},
    {"longitude minutes 99", [](Entries& e) { e.LonMin = "99"; }, 17, "Please Enter Correct Minute of Longitude",
     MessageIcon::Critical, Field::LonMin},
    {"latitude not a number", [](Entries& e) { e.LatDeg = "1x"; }, 14, "Please Enter Correct Degree of Latitude",
     MessageIcon::Critical, Field::LatDeg},
    {"an empty box before a range", [](Entries& e) { e.LatDeg = "999", e.City.clear(); }, 6,
     "Please Enter Your City name", MessageIcon::Critical, Field::City},
    {"a bad day before a range", [](Entries& e) { Date(e, 31, 4, 1990), e.LonDeg = "999"; }, 13,
     "Please Enter Correct Date Or Month !", MessageIcon::Information, Field::None},
};

TEST(Validation, RulesInOrder) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        Entries e = GreenwichNoon();
        c.change(e);
        const auto refusal = ValidateInput(e);
        if (c.step == 0) {
            EXPECT_FALSE(refusal);
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->step, c.step);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->icon, c.icon);
        EXPECT_EQ(refusal->target, c.target);
    }
}

TEST(Validation, TheLastDaysOfFebruaryByCalendar) {
    // day, year, calendar, the refusal's step (0: passes)
    struct Row {
        int day, year;
        Calendar calendar;
        int step;
    };
    const Row rows[] = {
        {29, 1600, Calendar::Gregorian, 0},  {29, 1700, Calendar::Gregorian, 12}, {29, 1700, Calendar::Julian, 0},
        {29, 1800, Calendar::Gregorian, 12}, {29, 1900, Calendar::Gregorian, 12}, {29, 1900, Calendar::Julian, 0},
        {29, 2000, Calendar::Gregorian, 0},  {29, 2100, Calendar::Gregorian, 12}, {29, 2400, Calendar::Gregorian, 0},
        {30, 1700, Calendar::Julian, 11},    {28, 1700, Calendar::Gregorian, 0},  {29, 1903, Calendar::Julian, 12},
    };
    for (const Row& r : rows) {
        Entries e = GreenwichNoon();
        Date(e, r.day, 2, r.year);
        SetCalendar(e, r.calendar);
        const auto refusal = ValidateInput(e);
        EXPECT_EQ(refusal ? refusal->step : 0, r.step) << r.day << " February " << r.year << " "
                                                         << CalendarKey(r.calendar);
        if (refusal) {
            EXPECT_EQ(refusal->message, "Please Enter Correct Date Or Month!");
        }
    }
}

TEST(Validation, PlaceLookupChecksCityStateCountryInTurn) {
    Entries e = GreenwichNoon();
    e.City.clear();
    e.State.clear();
    e.Country.clear();
    EXPECT_EQ(ValidatePlaceLookup(e)->message, "Please Enter City");
    e.City = " ";
    EXPECT_EQ(ValidatePlaceLookup(e)->message, "Please Enter State");
    EXPECT_EQ(ValidatePlaceLookup(e)->target, Field::State);
    e.State = "Maharashtra";
    EXPECT_EQ(ValidatePlaceLookup(e)->message, "Please Enter Country");
    e.Country = "India";
    EXPECT_FALSE(ValidatePlaceLookup(e));
}

} // namespace
} // namespace rashi
