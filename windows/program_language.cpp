#include "windows/program_language.h"

#include "core/words/language_keys.h"
#include "shared_ui/catalogue.h"
#include "windows/program_settings.h"

#include <QLocale>

namespace rashi {
namespace {

Language& Installed()
{
    static Language installed = Language::English;
    return installed;
}

} // namespace

Language ChosenLanguage(const QString& localeName)
{
    const QString stored = ProgramSettings().value(kLanguageKey).toString();
    if (const auto language = LanguageFromKey(stored.toStdString()))
        return *language;
    const QString locale = localeName.isEmpty() ? QLocale::system().name() : localeName;
    return LanguageOfLocale(locale.toStdString());
}

void RememberLanguage(Language language)
{
    const std::string_view key = LanguageKey(language);
    ProgramSettings().setValue(kLanguageKey, QString::fromLatin1(key.data(), qsizetype(key.size())));
}

bool InstallLanguage(Language language)
{
    const bool installed = InstallCatalogue(language);
    Installed() = installed ? language : Language::English;
    return installed;
}

Language InstalledLanguage()
{
    return Installed();
}

} // namespace rashi
