#include "browser/search_page.h"

#include <QCoreApplication>

namespace rashi {

SearchPages DefaultSearchPages()
{
    // DuckDuckGo's page without scripts suits a small lookup window: it takes
    // the words as "q" with GET and answers with a plain list of results.
    SearchPages pages;
    pages.engineName = QStringLiteral("DuckDuckGo");
    pages.formAction = QUrl(QStringLiteral("https://html.duckduckgo.com/html/"));
    pages.engineHome = QUrl(QStringLiteral("https://duckduckgo.com/"));
    pages.homePage = QUrl(QStringLiteral("https://duckduckgo.com/"));
    pages.searchPage = QUrl(QStringLiteral("https://html.duckduckgo.com/html/"));
    return pages;
}

SearchPages SearchPagesAt(const QUrl& action)
{
    SearchPages pages;
    pages.engineName = QCoreApplication::translate("rashi::SearchPage", "Search");
    pages.formAction = action;
    pages.engineHome = action;
    pages.homePage = action;
    pages.searchPage = action;
    return pages;
}

QString SearchFormHtml(const SearchPages& pages)
{
    const QString action = pages.formAction.toString(QUrl::FullyEncoded).toHtmlEscaped();
    const QString home = pages.engineHome.toString(QUrl::FullyEncoded).toHtmlEscaped();
    return QStringLiteral(
               "<center>\n"
               "<table border=\"0\" cellpadding=\"8\" style=\"font-family: sans-serif\">\n"
               "<tr><td align=\"center\"><a href=\"%2\" target=\"_top\" "
               "style=\"font-size: 24px; font-weight: bold; color: #de5833; text-decoration: none\">"
               "%3</a></td></tr>\n"
               "<tr><td align=\"center\">\n"
               "<form method=\"get\" action=\"%1\" target=\"_top\" accept-charset=\"UTF-8\">\n"
               "<input type=\"text\" name=\"q\" size=\"31\" maxlength=\"255\" value=\"\">\n"
               "<input type=\"submit\" name=\"sa\" value=\"%4\">\n"
               "</form>\n"
               "</td></tr>\n"
               "</table>\n"
               "</center>\n")
        .arg(action, home, pages.engineName.toHtmlEscaped(),
             QCoreApplication::translate("rashi::SearchPage", "Search").toHtmlEscaped());
}

QString JavaScriptString(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool plain = u >= 0x20 && u < 0x7F && u != '"' && u != '\'' && u != '\\' && u != '<' &&
                           u != '>' && u != '&';
        if (plain)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0'));
    }
    out += QLatin1Char('"');
    return out;
}

} // namespace rashi
