#include "core/entries/key_filters.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

TEST(KeyFilters, CodesEachBoxTakes) {
    for (char32_t code = 0; code < 128; ++code) {
        const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ' ||
                            code == '\'' || code == '-' || code == '.';
        const bool digit = code >= '0' && code <= '9';
        const bool editing = code == 8 || code == 127;
        EXPECT_EQ(kLetterFilter.accepts(code), letter || editing) << int(code);
        EXPECT_EQ(kDigitFilter.accepts(code), digit || editing) << int(code);
    }
    EXPECT_FALSE(kDigitFilter.accepts(U'\u0663')); // Arabic-Indic three
    EXPECT_FALSE(kDigitFilter.accepts(U'\u0967')); // Devanagari one
}

// The letter boxes beyond ASCII: letters and marks of every script, never
// digits, punctuation or symbols of any.
TEST(KeyFilters, LettersOfEveryScript) {
    const struct {
        char32_t code;
        bool letter;
        const char* what;
    } cases[] = {
        {U'\u00E9', true, "e acute"},
        {U'\u00EB', true, "e diaeresis"},
        {U'\u0141', true, "L stroke"},
        {U'\u017A', true, "z acute"},
        {U'\u0930', true, "Devanagari RA"},
        {U'\u093E', true, "Devanagari vowel sign AA (a spacing mark)"},
        {U'\u0941', true, "Devanagari vowel sign U (a non-spacing mark)"},
        {U'\u094D', true, "Devanagari virama"},
        {U'\u0902', true, "Devanagari anusvara"},
        {U'\u0BA4', true, "Tamil TA"},
        {U'\u0C24', true, "Telugu TA"},
        {U'\u0CA4', true, "Kannada TA"},
        {U'\u0627', true, "Arabic alef"},
        {U'\u4E2D', true, "CJK ideograph"},
        {U'\u0301', true, "combining acute"},
        {U'\u200D', true, "zero width joiner"},
        {U'\u200C', true, "zero width non-joiner"},
        {U'\u0966', false, "Devanagari digit zero"},
        {U'\u0964', false, "Devanagari danda"},
        {U'\u0965', false, "Devanagari double danda"},
        {U'\u00B2', false, "superscript two"},
        {U'\u00A0', false, "no-break space"},
        {U'\u2019', true, "right single quote (an apostrophe)"},
        {U'\u2018', false, "left single quote"},
        {U'\u2010', false, "Unicode hyphen"},
        {U'\u2013', false, "en dash"},
        {U'\u00B7', false, "middle dot"},
        {U'\u20B9', false, "rupee sign"},
        {U'\u00D7', false, "multiplication sign"},
        {U'\U0001F600', false, "emoji"},
        {U'\u202E', false, "right-to-left override"},
        {U'\uFEFF', false, "byte order mark"},
        {char32_t(0xD800), false, "lone surrogate"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(kLetterFilter.accepts(c.code), c.letter) << c.what;
        EXPECT_FALSE(kDigitFilter.accepts(c.code)) << c.what;
    }
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
    for (const char* name : {"Jos\u00E9", "Zo\u00EB", "\u0141\u00F3d\u017A", "राम", "पुणे", "महाराष्ट्र", "भारत",
                             "श्री कृष्ण", "சென்னை", "Jose\u0301"})
        EXPECT_TRUE(kLetterFilter.acceptsText(name)) << name;
    for (const char* text : {"राम१", "राम।", "\xE0\xA4", "\xFF", "\xC3\xA9\xC3", "\xED\xA0\x80", "Zo\u00EB!"})
        EXPECT_FALSE(kLetterFilter.acceptsText(text)) << text;
    EXPECT_FALSE(kDigitFilter.acceptsText("१२"));

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

// Names as people write them: apostrophes, hyphens and full stops beside a
// letter; a mark alone, two together or between spaces is no name.
TEST(KeyFilters, NamesWithTheirMarks) {
    const struct {
        const char* text;
        bool name;
    } rows[] = {
        {"O'Brien", true},          {"D\u2019Souza", true},  {"Jean-Paul", true},      {"St. John", true},
        {"St. Louis", true},        {"'s-Hertogenbosch", true}, {"Jr.", true},        {"Jean-Paul O'Brien Jr.", true},
        {"श्री-राम", true},           {"Ó Súilleabháin", true},  {"Mary-Kate O\u2019Neil", true},
        {"'", false},               {"-", false},              {".", false},          {"O''Brien", false},
        {"Jean--Paul", false},      {"St.. John", false},      {"Jean - Paul", false}, {"St .John", true},
        {"A .", false},             {"O'", true},             {"Jean-", true},       {"-Paul", true},
        {"O\u2018Brien", false},    {"Jean\u2013Paul", false}, {"St, John", false},   {"O\"Brien", false},
    };
    for (const auto& row : rows) EXPECT_EQ(kLetterFilter.acceptsText(row.text), row.name) << row.text;
    for (const char* text : {"'", "-", ".", "\u2019"}) EXPECT_FALSE(kDigitFilter.acceptsText(text)) << text;
}

TEST(KeyFilters, Messages) {
    EXPECT_EQ(kLetterFilter.message, "Please enter only letters");
    EXPECT_EQ(kDigitFilter.message, "Please enter only numbers");
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
