#pragma once
// Languages by key ("en", "hi") for settings and the command line, and by the
// name each language gives itself, for the menu that offers them.

#include "core/records/language.h"

#include <array>
#include <optional>
#include <string_view>

namespace rashi {

inline constexpr std::array<Language, 2> kLanguages = {Language::English, Language::Hindi};

// "en" or "hi".
std::string_view LanguageKey(Language language);
// The language of a key; nothing for any other text.
std::optional<Language> LanguageFromKey(std::string_view key);
// The language of a locale name such as "hi_IN.UTF-8", "hi-IN" or "en_GB":
// its first two letters; English for any locale without a table of its own.
Language LanguageOfLocale(std::string_view locale);
// "English", "हिन्दी".
std::string_view LanguageOwnName(Language language);

} // namespace rashi
