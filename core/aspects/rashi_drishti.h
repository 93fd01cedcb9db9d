#pragma once
// Rashi Drishti: which signs each body's sign aspects, which bodies stand
// there, and the four report lines of every body.

#include "core/chart/reading_records.h"

#include <array>
#include <string_view>

namespace rashi {

enum class SignQuality { Movable, Fixed, Mixed };

struct Sign {
    std::string_view english;  // its first three letters are the abbreviation
    std::string_view sanskrit;
    SignQuality quality;
};

inline constexpr std::array<Sign, 12> kSigns = {{
    {"Aries", "Mesha", SignQuality::Movable},
    {"Taurus", "Vrishabha", SignQuality::Fixed},
    {"Gemini", "Mithuna", SignQuality::Mixed},
    {"Cancer", "Kataka", SignQuality::Movable},
    {"Leo", "Simha", SignQuality::Fixed},
    {"Virgo", "Kanya", SignQuality::Mixed},
    {"Libra", "Thula", SignQuality::Movable},
    {"Scorpio", "Vrischika", SignQuality::Fixed},
    {"Sagittarius", "Dhanus", SignQuality::Mixed},
    {"Capricorn", "Makara", SignQuality::Movable},
    {"Aquarius", "Kumbha", SignQuality::Fixed},
    {"Pisces", "Meena", SignQuality::Mixed},
}};

// An aspect rule: for each sign (row), the signs it aspects, as a bit mask
// over sign indexes 0 (Aries) .. 11 (Pisces).
using AspectRule = std::array<unsigned, 12>;

// Each sign aspects the other three signs of its quality.
constexpr AspectRule MakeSameQualityRule() {
    AspectRule rule{};
    for (int from = 0; from < 12; ++from)
        for (int to = 0; to < 12; ++to)
            if (to != from && kSigns[to].quality == kSigns[from].quality) rule[from] |= 1u << to;
    return rule;
}

inline constexpr AspectRule kSameQualityRule = MakeSameQualityRule();

// The sign index of a report position such as "05 Ari 17" (characters 4 to 6),
// or -1 when it names no sign.
int SignOfPosition(std::string_view position);

// Reads records.positions; writes records.report and brings the results to the front.
void EvaluateRashiDrishti(ReadingRecords& records, const AspectRule& rule = kSameQualityRule);

} // namespace rashi
