#pragma once
// The contents of the input panel's drop-down lists.

#include <array>
#include <string>
#include <string_view>

namespace rashi {

// A list of plain decimal numbers, first..last, one entry each. Positions
// count from the entry `lead` places after the first, so that a list grown
// at its front keeps the positions it had: the entries before it have
// positions below 0 (from -lead).
struct NumberList {
    int first;
    int last;
    int lead = 0;

    constexpr int size() const { return last - first + 1; }
    constexpr int begin() const { return -lead; }    // the first entry's position
    constexpr int end() const { return size() - lead; } // one past the last entry's
    // The entry's text, or "" for a position outside the list.
    std::string text(int position) const;
    // The value at a position; only meaningful when contains(position).
    constexpr int value(int position) const { return first + lead + position; }
    constexpr int positionOf(int value) const { return value - first - lead; }
    constexpr bool contains(int position) const { return position >= begin() && position < end(); }
    // The position of the entry whose text equals `text` exactly, or kNoEntry.
    int position(std::string_view text) const;
    // A list box's row of a position, and back.
    constexpr int row(int position) const { return position + lead; }
    constexpr int positionOfRow(int row) const { return row - lead; }
};

// What position() gives for a text that is no entry: below every position.
inline constexpr int kNoEntry = -100000;

inline constexpr NumberList kDayList{1, 31};
// Births from 1600 to 2400; position 0 stays 1901, the first year offered
// before the list grew.
inline constexpr NumberList kYearList{1600, 2400, 1901 - 1600};
inline constexpr NumberList kHourList{0, 24};
inline constexpr NumberList kMinuteList{0, 59};

inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

} // namespace rashi
