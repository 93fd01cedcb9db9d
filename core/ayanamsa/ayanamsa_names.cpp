#include "core/ayanamsa/ayanamsa_names.h"

#include <array>
#include <charconv>
#include <cmath>
#include <tuple>

namespace rashi {
namespace {

struct AyanamsaName {
    AyanamsaKind kind;
    std::string_view key;
};

// Menu order: the commonest first, then the old fixed ones, the Surya
// Siddhanta's, the star-fixed ones, and the user's own.
constexpr std::array<AyanamsaName, 16> kNames = {{
    {AyanamsaKind::Lahiri, "lahiri"},
    {AyanamsaKind::Raman, "raman"},
    {AyanamsaKind::Krishnamurti, "krishnamurti"},
    {AyanamsaKind::Yukteshwar, "yukteshwar"},
    {AyanamsaKind::FaganBradley, "fagan-bradley"},
    {AyanamsaKind::UshaShashi, "usha-shashi"},
    {AyanamsaKind::JnBhasin, "jn-bhasin"},
    {AyanamsaKind::SuryaSiddhanta, "suryasiddhanta"},
    {AyanamsaKind::Aryabhata, "aryabhata"},
    {AyanamsaKind::SuryaSiddhantaRevati, "ss-revati"},
    {AyanamsaKind::SuryaSiddhantaCitra, "ss-citra"},
    {AyanamsaKind::TrueCitra, "true-citra"},
    {AyanamsaKind::TrueRevati, "true-revati"},
    {AyanamsaKind::TruePushya, "true-pushya"},
    {AyanamsaKind::TrueMula, "true-mula"},
    {AyanamsaKind::Custom, "custom"},
}};

constexpr std::string_view kCustomPrefix = "custom:";
constexpr double kMostDegrees = 180;
constexpr double kMostArcsecondsPerYear = 200;

const AyanamsaName* Find(AyanamsaKind kind) {
    for (const AyanamsaName& name : kNames)
        if (name.kind == kind) return &name;
    return nullptr;
}

// The shortest decimal text that reads back as the same double.
std::string ShortNumber(double value) {
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : std::string();
}

// A whole decimal number: optional sign, digits, optional fraction; no
// exponent, no spaces, nothing after it.
std::optional<double> DecimalNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::size_t digits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') ++digits;
        else if (!((c == '-' || c == '+') && i == 0) && c != '.') return std::nullopt;
    }
    if (digits == 0 || text.find('.') != text.rfind('.')) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace

const std::vector<AyanamsaKind>& NamedAyanamsas() {
    static const std::vector<AyanamsaKind> kinds = [] {
        std::vector<AyanamsaKind> all;
        for (const AyanamsaName& name : kNames) all.push_back(name.kind);
        return all;
    }();
    return kinds;
}

std::string_view AyanamsaKindKey(AyanamsaKind kind) {
    const AyanamsaName* name = Find(kind);
    return name ? name->key : std::string_view();
}

std::string AyanamsaKey(const AyanamsaChoice& choice) {
    if (choice.kind == AyanamsaKind::Custom)
        return std::string(kCustomPrefix) + ShortNumber(choice.degreesAtJ2000) + "," +
               ShortNumber(choice.arcsecondsPerYear);
    return std::string(AyanamsaKindKey(choice.kind));
}

static_assert(std::tuple_size_v<decltype(ReadingWords::ayanamsaTitles)> == static_cast<std::size_t>(AyanamsaKind::Custom) + 1,
              "a title for every kind");

std::string AyanamsaTitle(const AyanamsaChoice& choice, const ReadingWords& words) {
    if (choice.kind == AyanamsaKind::Custom)
        return Fill(words.ayanamsaCustom, ShortNumber(choice.degreesAtJ2000), ShortNumber(choice.arcsecondsPerYear));
    const auto kind = static_cast<std::size_t>(choice.kind);
    return kind < words.ayanamsaTitles.size() ? std::string(words.ayanamsaTitles[kind]) : std::string();
}

std::optional<AyanamsaChoice> ParseAyanamsa(std::string_view key) {
    if (key.substr(0, kCustomPrefix.size()) == kCustomPrefix) {
        const std::string_view numbers = key.substr(kCustomPrefix.size());
        const auto comma = numbers.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        // Spaces around either number, as people type them ("23.85, 50.29").
        const auto trimmed = [](std::string_view text) {
            const auto first = text.find_first_not_of(' ');
            return first == std::string_view::npos ? std::string_view()
                                                   : text.substr(first, text.find_last_not_of(' ') - first + 1);
        };
        const auto degrees = DecimalNumber(trimmed(numbers.substr(0, comma)));
        const auto rate = DecimalNumber(trimmed(numbers.substr(comma + 1)));
        if (!degrees || !rate || std::fabs(*degrees) > kMostDegrees || std::fabs(*rate) > kMostArcsecondsPerYear)
            return std::nullopt;
        return AyanamsaChoice{AyanamsaKind::Custom, *degrees, *rate};
    }
    for (const AyanamsaName& name : kNames)
        if (name.kind != AyanamsaKind::Custom && name.key == key) return AyanamsaChoice{name.kind, 0, 0};
    return std::nullopt;
}

std::string AyanamsaRefusal(std::string_view key, std::string_view shown) {
    if (key.starts_with("custom"))
        return "The custom ayanamsa " + std::string(shown) + " is not two numbers within their ranges: its value at J2000.0 from " +
               ShortNumber(-kMostDegrees) + " to " + ShortNumber(kMostDegrees) +
               " degrees, a comma, and its rate from " + ShortNumber(-kMostArcsecondsPerYear) + " to " +
               ShortNumber(kMostArcsecondsPerYear) + " arcseconds a year (custom:23.85,50.29)";
    return "Unknown ayanamsa " + std::string(shown) + "; give one of " + AyanamsaKeyList();
}

AyanamsaChoice ChartAyanamsa(const TaggedLines& tagged) {
    const auto key = FindTagged(tagged, kAyanamsaTag);
    return key ? ParseAyanamsa(*key).value_or(AyanamsaChoice{}) : AyanamsaChoice{};
}

std::string AyanamsaKeyList() {
    std::string list;
    for (const AyanamsaName& name : kNames) {
        if (!list.empty()) list += ", ";
        list += name.kind == AyanamsaKind::Custom ? "custom:DEGREES,ARCSEC_PER_YEAR" : std::string(name.key);
    }
    return list;
}

} // namespace rashi
