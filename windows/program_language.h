#pragma once
// The language the program speaks: the one chosen under Options › Language,
// else the system's (LANG=hi_IN.UTF-8 starts in Hindi). Its catalogue of
// translated texts is built into the program; a text it lacks stays English.

#include "core/records/language.h"

#include <QString>

namespace rashi {

// The settings key of the choice: "en" or "hi".
inline const QString kLanguageKey = QStringLiteral("Options/Language");

// The language remembered in the settings, else that of the locale name
// (QLocale::system().name() when none is given).
Language ChosenLanguage(const QString& localeName = QString());

// Remembers the choice for the next start.
void RememberLanguage(Language language);

// Puts the language's catalogue in place of the one installed before, for
// every text tr() gives from now on (English: none). False when the
// catalogue could not be loaded: the program then speaks English.
bool InstallLanguage(Language language);

// The language whose catalogue is installed.
Language InstalledLanguage();

} // namespace rashi
