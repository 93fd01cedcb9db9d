#include "windows/program_language.h"

#include "core/words/language_keys.h"
#include "windows/program_settings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace rashi {
namespace {

std::unique_ptr<QTranslator>& Catalogue()
{
    static std::unique_ptr<QTranslator> catalogue;
    return catalogue;
}

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
    std::unique_ptr<QTranslator>& catalogue = Catalogue();
    if (catalogue) {
        QCoreApplication::removeTranslator(catalogue.get());
        catalogue.reset();
    }
    Installed() = Language::English;
    if (language == Language::English)
        return true;
    const std::string_view key = LanguageKey(language);
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(QStringLiteral(":/i18n/rashi-drishti_") + QString::fromLatin1(key.data(), qsizetype(key.size()))))
        return false;
    QCoreApplication::installTranslator(loaded.get());
    catalogue = std::move(loaded);
    Installed() = language;
    return true;
}

Language InstalledLanguage()
{
    return Installed();
}

} // namespace rashi
