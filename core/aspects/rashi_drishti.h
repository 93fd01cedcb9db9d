#pragma once
// Rashi Drishti: which signs each body's sign aspects, which bodies stand
// there, and the four report lines of every body.

#include "core/records/reading_records.h"
#include "core/words/reading_words.h"

#include <array>
#include <initializer_list>
#include <optional>
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

// Sign indexes by name, for writing rules down.
namespace sign {
enum : int { Aries, Taurus, Gemini, Cancer, Leo, Virgo, Libra, Scorpio, Sagittarius, Capricorn, Aquarius, Pisces };
}

constexpr unsigned SignMask(std::initializer_list<int> signs) {
    unsigned mask = 0;
    for (int s : signs) mask |= 1u << s;
    return mask;
}

// The classical rule: a movable sign aspects the three fixed signs but the one
// next to it, a fixed sign the three movable signs but the one next to it, a
// dual sign the other three duals.
inline constexpr AspectRule kClassicalRule = {{
    //      sign          the signs it aspects
    /* Aries       */ SignMask({sign::Leo, sign::Scorpio, sign::Aquarius}),
    /* Taurus      */ SignMask({sign::Cancer, sign::Libra, sign::Capricorn}),
    /* Gemini      */ SignMask({sign::Virgo, sign::Sagittarius, sign::Pisces}),
    /* Cancer      */ SignMask({sign::Taurus, sign::Scorpio, sign::Aquarius}),
    /* Leo         */ SignMask({sign::Aries, sign::Libra, sign::Capricorn}),
    /* Virgo       */ SignMask({sign::Gemini, sign::Sagittarius, sign::Pisces}),
    /* Libra       */ SignMask({sign::Taurus, sign::Leo, sign::Aquarius}),
    /* Scorpio     */ SignMask({sign::Aries, sign::Cancer, sign::Capricorn}),
    /* Sagittarius */ SignMask({sign::Gemini, sign::Virgo, sign::Pisces}),
    /* Capricorn   */ SignMask({sign::Taurus, sign::Leo, sign::Scorpio}),
    /* Aquarius    */ SignMask({sign::Aries, sign::Cancer, sign::Libra}),
    /* Pisces      */ SignMask({sign::Gemini, sign::Virgo, sign::Sagittarius}),
}};

// The table of a rule.
const AspectRule& RuleTable(AspectRuleChoice rule);

// "ours" or "classical": the rule's key in settings and on the command line.
std::string_view RuleKey(AspectRuleChoice rule);
// The rule of a key; nothing for any other text.
std::optional<AspectRuleChoice> RuleFromKey(std::string_view key);
// The rule's name in headers, pictures and exports.
std::string_view RuleTitle(AspectRuleChoice rule);

// The sign index of a report position such as "05 Ari 17" (characters 4 to 6),
// or -1 when it names no sign.
int SignOfPosition(std::string_view position);

// Each row's sign as its position text names it (SignOfPosition).
std::array<int, kReportRows> SignsOfPositions(const PositionTable& table);

// The 36 captions of a table of positions and its rows' signs
// (SignsOfPositions of the table, or the same found otherwise): the birth
// chart's, or another chart's (the navamsa) made the same way.
void EvaluateRashiDrishti(const PositionTable& table, const std::array<int, kReportRows>& signs,
                          const AspectRule& rule, const ReadingWords& words, Report& report);

// Reads records.positions; writes records.report and brings the results to the front.
void EvaluateRashiDrishti(ReadingRecords& records, const AspectRule& rule = kSameQualityRule);

} // namespace rashi
