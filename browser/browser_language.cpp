#include "browser/browser_language.h"

#include "core/words/language_keys.h"
#include "shared_ui/catalogue.h"

#include <QLocale>

namespace rashi {

Language BrowserLanguage(const BrowserArguments& arguments, const QString& localeName)
{
    if (arguments.language)
        return *arguments.language;
    const QString locale = localeName.isEmpty() ? QLocale::system().name() : localeName;
    return LanguageOfLocale(locale.toStdString());
}

bool InstallBrowserLanguage(Language language)
{
    if (!InstallCatalogue(language))
        return false;
    // The web engine's own pages, and what sites are asked for, follow.
    QLocale::setDefault(language == Language::Hindi ? QLocale(QLocale::Hindi, QLocale::India)
                                                    : QLocale(QLocale::English, QLocale::system().territory()));
    return true;
}

} // namespace rashi
