#include "core/entries/typed_number.h"

#include <gtest/gtest.h>

#include <string>

namespace rashi {
namespace {

TEST(TypedNumber, DigitsChooseTheNumberTyped) {
    struct Row {
        const char* list;
        const NumberList* numbers;
        std::string_view digits;
        int value; // the entry's number, or -1: none chosen
    };
    const Row rows[] = {
        {"hour", &kHourList, "2", 2},        {"hour", &kHourList, "20", 20},     {"hour", &kHourList, "0", 0},
        {"hour", &kHourList, "00", 0},       {"hour", &kHourList, "24", 24},     {"hour", &kHourList, "25", -1},
        {"day", &kDayList, "1", 1},          {"day", &kDayList, "16", 16},       {"day", &kDayList, "0", -1},
        {"day", &kDayList, "01", 1},         {"day", &kDayList, "31", 31},       {"day", &kDayList, "32", -1},
        {"minute", &kMinuteList, "05", 5},   {"minute", &kMinuteList, "5", 5},   {"minute", &kMinuteList, "0", 0},
        {"minute", &kMinuteList, "59", 59},  {"minute", &kMinuteList, "60", -1}, {"minute", &kMinuteList, "005", 5},
        // Years begin with the century: the first year the digits begin.
        {"year", &kYearList, "1", 1600},     {"year", &kYearList, "19", 1900},   {"year", &kYearList, "198", 1980},
        {"year", &kYearList, "1985", 1985},  {"year", &kYearList, "2", 2000},    {"year", &kYearList, "205", 2050},
        {"year", &kYearList, "2051", 2051},  {"year", &kYearList, "1900", 1900}, {"year", &kYearList, "0", -1},
        {"year", &kYearList, "3", -1},       {"year", &kYearList, "1599", -1},   {"year", &kYearList, "2401", -1},
        {"year", &kYearList, "24", 2400},    {"year", &kYearList, "1600", 1600}, {"year", &kYearList, "17", 1700},
        // Not digits at all.
        {"hour", &kHourList, "", -1},        {"hour", &kHourList, "-1", -1},     {"hour", &kHourList, "1a", -1},
        {"hour", &kHourList, " 1", -1},
    };
    for (const Row& row : rows) {
        const int position = TypedNumberPosition(*row.numbers, row.digits);
        EXPECT_EQ(row.numbers->contains(position) ? row.numbers->value(position) : -1, row.value) << row.list << " \"" << row.digits << '"';
    }
}

// Keys typed one after another, "|" a pause long enough to start anew.
TEST(TypedNumber, DigitsTypedInSuccession) {
    struct Row {
        const char* list;
        const NumberList* numbers;
        std::string_view keys;
        int value; // the entry chosen last, or -1 when the list stays as it was
    };
    const Row rows[] = {
        {"hour", &kHourList, "2", 2},        {"hour", &kHourList, "20", 20},       {"hour", &kHourList, "2|0", 0},
        {"hour", &kHourList, "19", 19},      {"hour", &kHourList, "25", 5},         {"hour", &kHourList, "123", 3},
        {"day", &kDayList, "15", 15},        {"day", &kDayList, "15|1", 1},         {"day", &kDayList, "39", 9},
        {"day", &kDayList, "0", -1},         {"day", &kDayList, "07", 7},           {"minute", &kMinuteList, "05", 5},
        {"minute", &kMinuteList, "005", 5},  {"minute", &kMinuteList, "30|5", 5},   {"minute", &kMinuteList, "99", 9},
        {"year", &kYearList, "1985", 1985},  {"year", &kYearList, "19851", 1600},   {"year", &kYearList, "2020", 2020},
        {"year", &kYearList, "1985|2", 2000}, {"year", &kYearList, "7", -1},        {"year", &kYearList, "17", 1700},
        {"year", &kYearList, "1752", 1752},  {"year", &kYearList, "2399", 2399},
    };
    for (const Row& row : rows) {
        NumberTyping typing;
        bool fresh = true;
        int chosen = kNoEntry;
        for (const char key : row.keys) {
            if (key == '|') {
                fresh = true;
                continue;
            }
            if (const int position = typing.type(*row.numbers, key, fresh); row.numbers->contains(position))
                chosen = position;
            fresh = false;
        }
        EXPECT_EQ(row.numbers->contains(chosen) ? row.numbers->value(chosen) : -1, row.value) << row.list << " \"" << row.keys << '"';
    }
}

} // namespace
} // namespace rashi
