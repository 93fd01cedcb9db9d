#include "core/entries/key_filters.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

TEST(KeyFilters, CodesEachBoxTakes) {
    for (char32_t code = 0; code < 256; ++code) {
        const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ';
        const bool digit = code >= '0' && code <= '9';
        const bool editing = code == 8 || code == 127;
        EXPECT_EQ(kLetterFilter.accepts(code), letter || editing) << int(code);
        EXPECT_EQ(kDigitFilter.accepts(code), digit || editing) << int(code);
    }
    EXPECT_FALSE(kLetterFilter.accepts(U'\u00E9'));
    EXPECT_FALSE(kDigitFilter.accepts(U'\u0663')); // Arabic-Indic three
}

TEST(KeyFilters, ControlKeysAreRefused) {
    for (char32_t control : {char32_t(3), char32_t(22), char32_t(24), char32_t(9), char32_t(13)}) {
        EXPECT_FALSE(kLetterFilter.accepts(control));
        EXPECT_FALSE(kDigitFilter.accepts(control));
    }
}

TEST(KeyFilters, PastedText) {
    EXPECT_TRUE(kLetterFilter.acceptsText("Pune Maharashtra"));
    EXPECT_TRUE(kLetterFilter.acceptsText(""));
    EXPECT_FALSE(kLetterFilter.acceptsText("Jos\u00E9"));
    EXPECT_FALSE(kLetterFilter.acceptsText("O'Brien"));
    EXPECT_FALSE(kLetterFilter.acceptsText("St. Louis"));
    EXPECT_FALSE(kLetterFilter.acceptsText("line\nbreak"));
    EXPECT_TRUE(kDigitFilter.acceptsText("077"));
    EXPECT_FALSE(kDigitFilter.acceptsText("-77"));
    EXPECT_FALSE(kDigitFilter.acceptsText("7 "));
    // Editing keys pass as keys, never as text a box would hold.
    for (const char* text : {"\b", "\x7f", "1\b2", "\x7f\x7f"}) {
        EXPECT_FALSE(kDigitFilter.acceptsText(text)) << text;
        EXPECT_FALSE(kLetterFilter.acceptsText(text)) << text;
    }
}

TEST(KeyFilters, Messages) {
    EXPECT_EQ(kLetterFilter.message, "Please enter only letters");
    EXPECT_TRUE(kLetterFilter.refocus);
    EXPECT_EQ(kDigitFilter.message, "Please enter only numbers");
    EXPECT_FALSE(kDigitFilter.refocus);
}

} // namespace
} // namespace rashi

namespace rashi {
namespace {

// Keys that command rather than type: never checked against a box's filter.
TEST(KeyFilters, ControlCodesAreKeysNotCharacters) {
    struct Row {
        char32_t code;
        bool control;
    };
    const Row rows[] = {
        {0, true},    {1, true},     {3, true},   {8, true},   {9, true},    {13, true},
        {22, true},   {24, true},    {26, true},  {27, true},  {31, true},   {127, true},
        {0x85, true}, {0x9F, true},  {' ', false}, {'0', false}, {'a', false}, {'~', false},
        {0xA0, false}, {0xE9, false}, {0x0915, false}};
    for (const Row& row : rows) EXPECT_EQ(IsControlCode(row.code), row.control) << int(row.code);
}

TEST(KeyFilters, ALineCopiedWholeLosesItsLineEnd) {
    struct Row {
        std::string_view pasted, kept;
    };
    const Row rows[] = {
        {"Pune\n", "Pune"},      {"Pune\r\n", "Pune"},   {"Pune\r", "Pune"},   {"Pune", "Pune"},
        {"45\r\n", "45"},        {"\n", ""},             {"", ""},
        {"Pune\n\n", "Pune\n"},  // only one line end: the rest is two lines
        {"Maha\nrashtra", "Maha\nrashtra"}, {"Pune \n", "Pune "}};
    for (const Row& row : rows) {
        EXPECT_EQ(WithoutLineEnd(row.pasted), row.kept) << row.pasted;
    }
    EXPECT_FALSE(kLetterFilter.acceptsText(WithoutLineEnd("Pune\n\n")));
    EXPECT_TRUE(kLetterFilter.acceptsText(WithoutLineEnd("Pune\r\n")));
}

} // namespace
} // namespace rashi
