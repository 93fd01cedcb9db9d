#pragma once
// The program's translation catalogue for a language, built in under :/i18n,
// installed for the whole application in place of the one before.

#include "core/records/language.h"

namespace rashi {

// English takes the catalogue away (the texts are written in English). False
// when the language's catalogue is not built in: the texts then stay English.
bool InstallCatalogue(Language language);

} // namespace rashi
