#include "core/ayanamsa/ayanamsa_names.h"

#include <array>
#include <charconv>
#include <cmath>

namespace rashi {
namespace {

struct AyanamsaName {
    AyanamsaKind kind;
    std::string_view key;
    std::string_view title;
    std::string_view hindi; // the title in Devanagari
};

// Menu order: the commonest first, then the old fixed ones, the Surya
// Siddhanta's, the star-fixed ones, and the user's own.
constexpr std::array<AyanamsaName, 16> kNames = {{
    {AyanamsaKind::Lahiri, "lahiri", "Lahiri", "लाहिड़ी"},
    {AyanamsaKind::Raman, "raman", "Raman", "रमन"},
    {AyanamsaKind::Krishnamurti, "krishnamurti", "Krishnamurti (KP)", "कृष्णमूर्ति (केपी)"},
    {AyanamsaKind::Yukteshwar, "yukteshwar", "Yukteshwar", "युक्तेश्वर"},
    {AyanamsaKind::FaganBradley, "fagan-bradley", "Fagan-Bradley", "फ़ेगन-ब्रैडली"},
    {AyanamsaKind::UshaShashi, "usha-shashi", "Usha-Shashi", "उषा-शशि"},
    {AyanamsaKind::JnBhasin, "jn-bhasin", "J. N. Bhasin", "जे. एन. भसीन"},
    {AyanamsaKind::SuryaSiddhanta, "suryasiddhanta", "Surya Siddhanta", "सूर्य सिद्धांत"},
    {AyanamsaKind::Aryabhata, "aryabhata", "Aryabhata", "आर्यभट"},
    {AyanamsaKind::SuryaSiddhantaRevati, "ss-revati", "Surya Siddhanta Revati", "सूर्य सिद्धांत रेवती"},
    {AyanamsaKind::SuryaSiddhantaCitra, "ss-citra", "Surya Siddhanta Citra", "सूर्य सिद्धांत चित्रा"},
    {AyanamsaKind::TrueCitra, "true-citra", "True Citra", "सत्य चित्रा"},
    {AyanamsaKind::TrueRevati, "true-revati", "True Revati", "सत्य रेवती"},
    {AyanamsaKind::TruePushya, "true-pushya", "True Pushya", "सत्य पुष्य"},
    {AyanamsaKind::TrueMula, "true-mula", "True Mula", "सत्य मूल"},
    {AyanamsaKind::Custom, "custom", "Custom", "अपना"},
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

std::string AyanamsaTitle(const AyanamsaChoice& choice, Language language) {
    const bool hindi = language == Language::Hindi;
    if (choice.kind == AyanamsaKind::Default) return hindi ? "प्रोग्राम का अपना" : "the program's own";
    const std::string degrees = ShortNumber(choice.degreesAtJ2000);
    const std::string rate = ShortNumber(choice.arcsecondsPerYear);
    if (choice.kind == AyanamsaKind::Custom)
        return hindi ? "अपना (J2000 पर " + degrees + "\u00B0, प्रति वर्ष " + rate + "\")"
                     : "Custom (" + degrees + "\u00B0 at J2000, " + rate + "\" a year)";
    const AyanamsaName* name = Find(choice.kind);
    return name ? std::string(hindi ? name->hindi : name->title) : std::string();
}

std::optional<AyanamsaChoice> ParseAyanamsa(std::string_view key) {
    if (key.substr(0, kCustomPrefix.size()) == kCustomPrefix) {
        const std::string_view numbers = key.substr(kCustomPrefix.size());
        const auto comma = numbers.find(',');
        if (comma == std::string_view::npos) return std::nullopt;
        const auto degrees = DecimalNumber(numbers.substr(0, comma));
        const auto rate = DecimalNumber(numbers.substr(comma + 1));
        if (!degrees || !rate || std::fabs(*degrees) > kMostDegrees || std::fabs(*rate) > kMostArcsecondsPerYear)
            return std::nullopt;
        return AyanamsaChoice{AyanamsaKind::Custom, *degrees, *rate};
    }
    for (const AyanamsaName& name : kNames)
        if (name.kind != AyanamsaKind::Custom && name.key == key) return AyanamsaChoice{name.kind, 0, 0};
    return std::nullopt;
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
