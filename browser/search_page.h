#pragma once
// The web search that the place-lookup window runs, and the small form page
// it puts into a blank document to start it.

#include <QString>
#include <QUrl>

namespace rashi {

// Where the lookup window goes. The search engine's addresses live here and
// nowhere else; the engine's form takes the words in the field "q".
struct SearchPages {
    QString engineName;
    QUrl formAction;  // the engine's search address (the form's action)
    QUrl engineHome;  // the engine's own start page (linked above the form)
    QUrl homePage;    // the toolbar's "Home"
    QUrl searchPage;  // the toolbar's "Search"
};

SearchPages DefaultSearchPages();

// All four addresses pointed at one place, e.g. a local server in a test:
// the search is sent to `action`, and Home and Search go there too.
SearchPages SearchPagesAt(const QUrl& action);

// The HTML of the search form (Text1): a field "q" and a submit button
// "sa", captioned in the installed language, in a form that sends its words with GET to pages.formAction.
QString SearchFormHtml(const SearchPages& pages);

// `text` as a JavaScript string literal in double quotes. Everything that is
// not plain printable ASCII, and the characters that mean something in HTML
// or JavaScript (" ' \ < > &), becomes a \uXXXX escape, so the result can be
// put into any script and the text arrives exactly as data.
QString JavaScriptString(const QString& text);

} // namespace rashi
