#pragma once
// The contents of the input panel's drop-down lists.

#include <array>
#include <string>
#include <string_view>

namespace rashi {

// A list of plain decimal numbers, first..last, one entry each.
struct NumberList {
    int first;
    int last;

    constexpr int size() const { return last - first + 1; }
    // The entry's text, or "" for a position outside the list.
    std::string text(int position) const;
    // The value at a position; only meaningful when contains(position).
    constexpr int value(int position) const { return first + position; }
    constexpr bool contains(int position) const { return position >= 0 && position < size(); }
    // The position of the entry whose text equals `text` exactly, or -1.
    int position(std::string_view text) const;
};

inline constexpr NumberList kDayList{1, 31};
inline constexpr NumberList kYearList{1901, 2050};
inline constexpr NumberList kHourList{0, 24};
inline constexpr NumberList kMinuteList{0, 59};

inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

} // namespace rashi
