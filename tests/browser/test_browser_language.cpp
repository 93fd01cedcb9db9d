// The browser in the language the program passes it: --lang read from its
// command line, the catalogue built into it loaded, and the window's texts,
// tool tips and names for screen readers in that language.

#include "http_test_server.h"
#include "wait_until.h"
#include "recording_dialogs.h"
#include "browser/browser_language.h"
#include "browser/browser_window.h"
#include "browser/page_menu_words.h"
#include "shared_ui/browser_arguments.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWebEngineView>

using rashi::frmBrowser;
using rashi::Language;
using rashi::testing::HttpTestServer;
using rashi::testing::WaitUntil;
using rashi::testing::RecordingDialogs;

Q_DECLARE_METATYPE(rashi::Language)

namespace {

QString Accessible(QWidget* widget, QAccessible::Text kind)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(kind) : QString();
}

} // namespace

class TestBrowserLanguage : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void languageOfTheCommandLine_data();
    void languageOfTheCommandLine();
    void hindiWindow();
    void englishAgainAfterHindi();
    void pageMenuInHindi();

private:
    frmBrowser::Place pune() const;
    RecordingDialogs dialogs_;
};

void TestBrowserLanguage::cleanup() { rashi::InstallBrowserLanguage(Language::English); }

frmBrowser::Place TestBrowserLanguage::pune() const
{
    frmBrowser::Place place;
    place.placeSearch = true;
    place.city = QStringLiteral("Pune");
    place.state = QStringLiteral("Maharashtra");
    place.country = QStringLiteral("India");
    return place;
}

void TestBrowserLanguage::languageOfTheCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Language>("expected");
    QTest::newRow("as the launcher writes it") << QStringList{"--lang=hi", "--city=Pune"} << "en_GB" << Language::Hindi;
    QTest::newRow("as the program takes it") << QStringList{"--lang", "hi", "--city=Pune"} << "en_GB" << Language::Hindi;
    QTest::newRow("English on a Hindi system") << QStringList{"--lang=en"} << "hi_IN" << Language::English;
    QTest::newRow("unknown language") << QStringList{"--lang=fr"} << "hi_IN" << Language::English;
    QTest::newRow("unknown, spaced") << QStringList{"--lang", "hindi"} << "hi_IN" << Language::English;
    QTest::newRow("empty") << QStringList{"--lang="} << "hi_IN" << Language::English;
    QTest::newRow("no value at the end") << QStringList{"--lang"} << "hi_IN" << Language::English;
    QTest::newRow("upper case is not a key") << QStringList{"--lang=HI"} << "en_US" << Language::English;
    QTest::newRow("none: a Hindi system") << QStringList{"--city=Pune"} << "hi_IN.UTF-8" << Language::Hindi;
    QTest::newRow("none: an English system") << QStringList{} << "en_US" << Language::English;
    QTest::newRow("a place that looks like it") << QStringList{"--city=--lang=hi"} << "en_US" << Language::English;
}

void TestBrowserLanguage::languageOfTheCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(Language, expected);
    const rashi::BrowserArguments read =
        rashi::FromCommandLine(QStringList{QStringLiteral("rashi-drishti-browser")} + arguments);
    QCOMPARE(rashi::BrowserLanguage(read, locale), expected);
    if (arguments.contains(QStringLiteral("--city=Pune")))
        QCOMPARE(read.city, QStringLiteral("Pune")); // the language takes nothing of the place
}

// Every caption, tool tip and name or description for screen readers in the
// window is in Devanagari: a text left out of the catalogue, or never passed
// through it, shows as English.
void TestBrowserLanguage::hindiWindow()
{
    const rashi::BrowserArguments arguments =
        rashi::FromCommandLine({QStringLiteral("rashi-drishti-browser"), QStringLiteral("--lang"), QStringLiteral("hi")});
    QVERIFY(rashi::InstallBrowserLanguage(rashi::BrowserLanguage(arguments)));
    HttpTestServer server;
    QVERIFY(server.listen());
    frmBrowser window(dialogs_, pune(), rashi::SearchPagesAt(server.url(QStringLiteral("/search"))));
    QCOMPARE(QLocale().language(), QLocale::Hindi); // the web engine's own pages too

    const QRegularExpression devanagari(QStringLiteral("[\\x{0900}-\\x{097F}]"));
    QStringList english;
    const auto check = [&](const QString& what, const QString& text) {
        if (!text.isEmpty() && !text.contains(devanagari))
            english << what + QStringLiteral(": ") + text;
    };
    check(QStringLiteral("title"), window.windowTitle());
    int actions = 0;
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->objectName().isEmpty())
            continue; // the toolkit's own
        ++actions;
        check(action->objectName(), action->text());
        check(action->objectName(), action->toolTip());
    }
    QVERIFY(actions >= 6);
    for (const QLabel* label : window.findChildren<QLabel*>())
        check(label->objectName(), label->text());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        check(widget->objectName(), Accessible(widget, QAccessible::Name));
        check(widget->objectName(), Accessible(widget, QAccessible::Description));
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QLatin1Char('\n'))));
    auto* address = window.findChild<QComboBox*>(QStringLiteral("cboAddress"));

    // The search form's button reaches the engine in Hindi, and a page that
    // takes its time shows the busy caption in Hindi.
    window.show();
    QVERIFY(WaitUntil([&] { return server.requestsFor(QStringLiteral("/search")).size() == 1; }));
    QCOMPARE(HttpTestServer::formValue(server.requestsFor(QStringLiteral("/search")).first().rawQuery,
                                       QStringLiteral("sa")),
             QStringLiteral("खोजें"));
    server.holdPath(QStringLiteral("/slow"));
    address->lineEdit()->setText(server.url(QStringLiteral("/slow")).toString());
    QTest::keyClick(address->lineEdit(), Qt::Key_Return);
    QVERIFY(WaitUntil([&] { return window.windowTitle() == QStringLiteral("लोड हो रहा है..."); }));
    window.findChild<QAction*>(QStringLiteral("Stop"))->trigger();
    server.release();
    QCOMPARE(dialogs_.shown(), 0);
}

// English removes the catalogue: a window made after it speaks English.
void TestBrowserLanguage::englishAgainAfterHindi()
{
    QVERIFY(rashi::InstallBrowserLanguage(Language::Hindi));
    QVERIFY(rashi::InstallBrowserLanguage(Language::English));
    frmBrowser window(dialogs_, pune(), rashi::SearchPagesAt(QUrl(QStringLiteral("http://127.0.0.1:9/search"))));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) v1.10"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblAddress"))->text(), QStringLiteral("&Address:"));
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("Back"))->text(), QStringLiteral("Back"));
    QCOMPARE(QLocale().language(), QLocale::English);
}

// The web engine's own menu over a page asks the installed catalogues for its
// words: each must be there, in Devanagari.
void TestBrowserLanguage::pageMenuInHindi()
{
    QVERIFY(rashi::InstallBrowserLanguage(Language::Hindi));
    QVERIFY(rashi::PageMenuWords().size() >= 20);
    for (const char* word : rashi::PageMenuWords()) {
        const QString shown = QCoreApplication::translate(rashi::kPageMenuContext, word);
        QVERIFY2(shown.contains(QRegularExpression(QStringLiteral("^[\\x{0900}-\\x{097F} -]+$"))),
                 qPrintable(QStringLiteral("%1 -> %2").arg(QLatin1String(word), shown)));
    }
}

QTEST_MAIN(TestBrowserLanguage)
#include "test_browser_language.moc"
