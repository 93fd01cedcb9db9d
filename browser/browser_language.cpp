#include "browser/browser_language.h"

#include "core/words/language_keys.h"

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

} // namespace

Language BrowserLanguage(const BrowserArguments& arguments, const QString& localeName)
{
    if (arguments.language)
        return *arguments.language;
    const QString locale = localeName.isEmpty() ? QLocale::system().name() : localeName;
    return LanguageOfLocale(locale.toStdString());
}

bool InstallBrowserLanguage(Language language)
{
    std::unique_ptr<QTranslator>& catalogue = Catalogue();
    if (catalogue) {
        QCoreApplication::removeTranslator(catalogue.get());
        catalogue.reset();
    }
    if (language == Language::English) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::system().territory()));
        return true;
    }
    const std::string_view key = LanguageKey(language);
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(QStringLiteral(":/i18n/rashi-drishti_") + QString::fromLatin1(key.data(), qsizetype(key.size()))))
        return false;
    QCoreApplication::installTranslator(loaded.get());
    catalogue = std::move(loaded);
    QLocale::setDefault(QLocale(QLocale::Hindi, QLocale::India));
    return true;
}

} // namespace rashi
