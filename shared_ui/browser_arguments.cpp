#include "shared_ui/browser_arguments.h"

#include "core/words/language_keys.h"

namespace rashi {

namespace {

const QString kLang = QStringLiteral("--lang");
const QString kLangIs = QStringLiteral("--lang=");
const QString kPlaceSearch = QStringLiteral("--place-search");
const QString kExitWithParent = QStringLiteral("--exit-with-parent");
const QString kCity = QStringLiteral("--city=");
const QString kState = QStringLiteral("--state=");
const QString kCountry = QStringLiteral("--country=");

// A key the browser does not know ("fr", "HI", "") is English.
Language LanguageOfKey(const QString& key)
{
    return LanguageFromKey(key.toStdString()).value_or(Language::English);
}

} // namespace

QStringList ToCommandLine(const BrowserArguments& arguments)
{
    QStringList list;
    if (arguments.language) {
        const std::string_view key = LanguageKey(*arguments.language);
        list << kLangIs + QString::fromLatin1(key.data(), qsizetype(key.size()));
    }
    if (arguments.placeSearch)
        list << kPlaceSearch;
    list << kCity + arguments.city << kState + arguments.state << kCountry + arguments.country;
    if (arguments.exitWithParent)
        list << kExitWithParent;
    return list;
}

BrowserArguments FromCommandLine(const QStringList& commandLine)
{
    BrowserArguments arguments;
    for (qsizetype i = 1; i < commandLine.size(); ++i) {
        const QString& arg = commandLine.at(i);
        if (arg.startsWith(kLangIs))
            arguments.language = LanguageOfKey(arg.mid(kLangIs.size()));
        else if (arg == kLang)
            arguments.language = LanguageOfKey(i + 1 < commandLine.size() ? commandLine.at(++i) : QString());
        else if (arg == kPlaceSearch)
            arguments.placeSearch = true;
        else if (arg == kExitWithParent)
            arguments.exitWithParent = true;
        else if (arg.startsWith(kCity))
            arguments.city = arg.mid(kCity.size());
        else if (arg.startsWith(kState))
            arguments.state = arg.mid(kState.size());
        else if (arg.startsWith(kCountry))
            arguments.country = arg.mid(kCountry.size());
    }
    return arguments;
}

} // namespace rashi
