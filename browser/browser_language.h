#pragma once
// The language the browser speaks: the one the program passes with --lang,
// else the system's (LANG=hi_IN.UTF-8 starts it in Hindi). Its texts come
// from the program's own catalogue, built into the browser under :/i18n; a
// text the catalogue lacks stays English.

#include "core/records/language.h"
#include "shared_ui/browser_arguments.h"

#include <QString>

namespace rashi {

// The language asked for, else that of the locale name
// (QLocale::system().name() when none is given).
Language BrowserLanguage(const BrowserArguments& arguments, const QString& localeName = QString());

// Puts the language's catalogue in place of the one installed before, for
// every text tr() gives from now on (English: none), and makes it the
// default locale, from which the web engine, when it first starts, takes
// the language of its own pages (a page that cannot be reached, say) and
// the one it asks web sites for (English: in the system's country). False when the
// catalogue could not be loaded: the browser then speaks English.
bool InstallBrowserLanguage(Language language);

} // namespace rashi
