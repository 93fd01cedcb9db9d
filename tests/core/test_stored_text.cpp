#include "core/chart_files/stored_text.h"
#include "core/chart_files/windows1252.h"

#include <gtest/gtest.h>

namespace rashi {
namespace {

std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

TEST(StoredText, ShiftsEveryCodeBy85) {
    EXPECT_EQ(EncodeText(""), "");
    EXPECT_EQ(DecodeText(""), "");
    EXPECT_EQ(EncodeText("abc"), Bytes({182, 183, 184}));
    EXPECT_EQ(EncodeText("0123456789"), Bytes({133, 134, 135, 136, 137, 138, 139, 140, 141, 142}));
    EXPECT_EQ(EncodeText(" "), "u");
    EXPECT_EQ(EncodeText("*"), Bytes({127}));
    EXPECT_EQ(EncodeText("5"), Bytes({138}));
}

TEST(StoredText, RoundTripsEverythingUpTo170) {
    std::string all;
    for (int c = 0; c <= 170; ++c) all.push_back(static_cast<char>(c));
    EXPECT_EQ(DecodeText(EncodeText(all)), all);
    const std::string encoded = EncodeText(all);
    EXPECT_EQ(encoded.find('\r'), std::string::npos);
    EXPECT_EQ(encoded.find('\n'), std::string::npos);
}

TEST(StoredText, DropsWhatCannotBeShifted) {
    EXPECT_EQ(EncodeText(Bytes({'J', 171, 'o', 255, 's', 233})), EncodeText("Jos"));
    EXPECT_EQ(DecodeText("1999"), ""); // plain digits lie below 85
    EXPECT_EQ(DecodeText(Bytes({84, 85, 255})), Bytes({0, 170}));
}

TEST(Windows1252, ConvertsBothWays) {
    struct Case {
        const char* utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"Pune", "Pune"},
        {"Jos\u00E9", Bytes({'J', 'o', 's', 0xE9})},
        {"\u20AC\u2019\u0178", Bytes({0x80, 0x92, 0x9F})},
        {"\u00A0\u00AA", Bytes({0xA0, 0xAA})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(Windows1252ToUtf8(c.bytes), c.utf8) << c.utf8;
    }
    // No single-byte code: left out, as is a broken sequence.
    EXPECT_EQ(Utf8ToWindows1252("a\u0915b\U0001F600c"), "abc");
    EXPECT_EQ(Utf8ToWindows1252(Bytes({'a', 0xC3, 'b', 0xFF})), "ab");
}

TEST(Windows1252, OverlongFormsAreBrokenSequences) {
    struct Case {
        const char* what;
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"two bytes for a", Bytes({'Z', 'o', 0xC1, 0xA1}), "Zo"},
        {"two bytes for CR", Bytes({0xC0, 0x8D, 'x'}), "x"},
        {"three bytes for NUL", Bytes({0xE0, 0x80, 0x80}), ""},
        {"three bytes for a-acute", Bytes({0xE0, 0x83, 0xA1}), ""},
        {"four bytes for the euro sign", Bytes({0xF0, 0x82, 0x82, 0xAC}), ""},
        {"shortest forms still pass", Bytes({0xC3, 0xA1, 0xE2, 0x82, 0xAC}), Bytes({0xE1, 0x80})},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.bytes) << c.what;
}

} // namespace
} // namespace rashi
