#include "shared_ui/catalogue.h"

#include "core/words/language_keys.h"

#include <QCoreApplication>
#include <QTranslator>

#include <memory>

namespace rashi {

bool InstallCatalogue(Language language)
{
    static std::unique_ptr<QTranslator> catalogue;
    if (catalogue) {
        QCoreApplication::removeTranslator(catalogue.get());
        catalogue.reset();
    }
    if (language == Language::English)
        return true;
    const std::string_view key = LanguageKey(language);
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(QStringLiteral(":/i18n/rashi-drishti_") + QString::fromLatin1(key.data(), qsizetype(key.size()))))
        return false;
    QCoreApplication::installTranslator(loaded.get());
    catalogue = std::move(loaded);
    return true;
}

} // namespace rashi
