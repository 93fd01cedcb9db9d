#include "core/entries/validation.h"

#include "core/entries/birth_choices.h"
#include "core/entries/entry_lists.h"

namespace rashi {
namespace {

constexpr std::string_view kBadFebruaryDate = "Please Enter Correct Date Or Month!";
constexpr std::string_view kBadThirtyFirst = "Please Enter Correct Date Or Month !";

// What a box says as a number; text that is not all digits counts as out of
// range. An empty box is the emptiness rules' business.
int BoxNumber(const std::string& text) {
    if (text.empty()) return 0;
    if (text.size() > 3) return 1000;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return 1000;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct RequiredBox {
    std::string Entries::*text;
    std::string_view message;
    Field field;
};

} // namespace

std::optional<Refusal> ValidateInput(const Entries& e) {
    static constexpr RequiredBox kRequired[] = {
        {&Entries::Name, "Please Enter Your Name", Field::Name},
        {&Entries::LatDeg, "Please Enter Degree of Latitude", Field::LatDeg},
        {&Entries::LatMin, "Please Enter Minutes of Latitude", Field::LatMin},
        {&Entries::LonDeg, "Please Enter Degree of Longitude", Field::LonDeg},
        {&Entries::LonMin, "Please Enter Minute of Longitude", Field::LonMin},
        {&Entries::City, "Please Enter Your City name", Field::City},
        {&Entries::State, "Please Enter Your State name", Field::State},
        {&Entries::Country, "Please Enter Your Country name", Field::Country},
    };
    int step = 0;
    for (const RequiredBox& box : kRequired) {
        ++step;
        if ((e.*box.text).empty()) return Refusal{step, box.message, MessageIcon::Critical, box.field};
    }
    if (!e.North && !e.South)
        return Refusal{9, "Please Select Direction For The Latitude", MessageIcon::Critical, Field::North};
    if (!e.East && !e.West)
        return Refusal{10, "Please Select Direction For The Longitude", MessageIcon::Critical, Field::East};

    constexpr int kFebruary = 1;
    if (e.MonthPosition == kFebruary && kYearList.contains(e.YearPosition)) {
        if (IsLeapYear(kYearList.value(e.YearPosition), CalendarOf(e))) {
            if (e.DatePosition == 29 || e.DatePosition == 30)
                return Refusal{11, kBadFebruaryDate, MessageIcon::Information, Field::None};
        } else if (e.DatePosition >= 28 && e.DatePosition <= 30) {
            return Refusal{12, kBadFebruaryDate, MessageIcon::Information, Field::None};
        }
    }
    const bool thirtyDayMonth =
        e.MonthPosition == 3 || e.MonthPosition == 5 || e.MonthPosition == 8 || e.MonthPosition == 10;
    if (thirtyDayMonth && e.DatePosition == 30)
        return Refusal{13, kBadThirtyFirst, MessageIcon::Information, Field::None};
    return ValidateCoordinates(e);
}

std::optional<Refusal> ValidateCoordinates(const Entries& e) {
    // A point on the globe: latitude to 90 degrees, longitude to 180, minutes
    // to 59, and nothing past the pole or the date line.
    const int latDeg = BoxNumber(e.LatDeg);
    const int latMin = BoxNumber(e.LatMin);
    const int lonDeg = BoxNumber(e.LonDeg);
    const int lonMin = BoxNumber(e.LonMin);
    if (latDeg > 90)
        return Refusal{14, "Please Enter Correct Degree of Latitude", MessageIcon::Critical, Field::LatDeg};
    if (latMin > 59 || (latDeg == 90 && latMin > 0))
        return Refusal{15, "Please Enter Correct Minutes of Latitude", MessageIcon::Critical, Field::LatMin};
    if (lonDeg > 180)
        return Refusal{16, "Please Enter Correct Degree of Longitude", MessageIcon::Critical, Field::LonDeg};
    if (lonMin > 59 || (lonDeg == 180 && lonMin > 0))
        return Refusal{17, "Please Enter Correct Minute of Longitude", MessageIcon::Critical, Field::LonMin};
    return std::nullopt;
}

std::optional<Refusal> ValidatePlaceLookup(const Entries& e) {
    if (e.City.empty()) return Refusal{1, "Please Enter City", MessageIcon::Critical, Field::City};
    if (e.State.empty()) return Refusal{2, "Please Enter State", MessageIcon::Critical, Field::State};
    if (e.Country.empty()) return Refusal{3, "Please Enter Country", MessageIcon::Critical, Field::Country};
    return std::nullopt;
}

} // namespace rashi
