#pragma once
// Entries as a person would type them, for the tests.

#include "chart/entries.h"

namespace rashi::testing {

// 1 January 2000, 12:00, Greenwich Mean Time (row 29), 0° E, 51°28' N, London.
inline Entries GreenwichNoon() {
    Entries e;
    e.Name = "Ada";
    e.DatePosition = 0;
    e.MonthPosition = 0;
    e.YearPosition = 2000 - 1901;
    e.HourPosition = 12;
    e.MinutePosition = 0;
    e.ZoneRow = 29;
    e.LatDeg = "51";
    e.LatMin = "28";
    e.LonDeg = "0";
    e.LonMin = "0";
    e.City = "London";
    e.State = "England";
    e.Country = "United Kingdom";
    return e;
}

} // namespace rashi::testing
