#include "core/words/language_keys.h"

namespace rashi {

std::string_view LanguageKey(Language language) {
    return language == Language::Hindi ? "hi" : "en";
}

std::optional<Language> LanguageFromKey(std::string_view key) {
    for (Language language : kLanguages)
        if (LanguageKey(language) == key) return language;
    return std::nullopt;
}

Language LanguageOfLocale(std::string_view locale) {
    if (locale.size() >= 2 && (locale.size() == 2 || locale[2] == '_' || locale[2] == '-' || locale[2] == '.'))
        if (auto language = LanguageFromKey(locale.substr(0, 2))) return *language;
    return Language::English;
}

std::string_view LanguageOwnName(Language language) {
    return language == Language::Hindi ? "हिन्दी" : "English";
}

} // namespace rashi
