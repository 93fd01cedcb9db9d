#include "shared_ui/browser_arguments.h"

namespace rashi {

namespace {

const QString kPlaceSearch = QStringLiteral("--place-search");
const QString kExitWithParent = QStringLiteral("--exit-with-parent");
const QString kCity = QStringLiteral("--city=");
const QString kState = QStringLiteral("--state=");
const QString kCountry = QStringLiteral("--country=");

} // namespace

QStringList ToCommandLine(const BrowserArguments& arguments)
{
    QStringList list;
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
        if (arg == kPlaceSearch)
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
