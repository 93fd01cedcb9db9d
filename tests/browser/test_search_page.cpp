#include "browser/search_page.h"

#include <QJSEngine>
#include <QTest>

class TestSearchPage : public QObject {
    Q_OBJECT
private slots:
    void javaScriptStringCarriesTheTextExactly_data();
    void javaScriptStringCarriesTheTextExactly();
    void formSendsQAndSaToTheAction();
};

void TestSearchPage::javaScriptStringCarriesTheTextExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QStringLiteral("Latitude Longitude Pune Maharashtra India");
    QTest::newRow("empty") << QString();
    QTest::newRow("quotes") << QStringLiteral("O'Brien \"the\" place");
    QTest::newRow("backslashes") << QStringLiteral("a\\b\\\\c\\");
    QTest::newRow("end of script") << QStringLiteral("</script><script>x=1</script>");
    QTest::newRow("markup") << QStringLiteral("<img src=x onerror=\"alert(1)\">&amp;");
    QTest::newRow("line breaks and tab") << QStringLiteral("one\rtwo\nthree\r\nfour\tfive");
    QTest::newRow("line and paragraph separators") << QStringLiteral("a\u2028b\u2029c");
    QTest::newRow("Windows-1252 up to 170") << QStringLiteral("\u20ac\u201a\u2122\u00a0\u00aa K\u00f6ln");
    QTest::newRow("control characters") << QString::fromUtf16(u"\u0001\u001f\u007f\u0000end", 8);
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F30D");
}

// The literal, read back by a JavaScript engine, gives exactly the text, and
// it holds nothing that could end a string or a script element early.
void TestSearchPage::javaScriptStringCarriesTheTextExactly()
{
    QFETCH(QString, text);
    const QString literal = rashi::JavaScriptString(text);
    for (const QChar c : literal.mid(1, literal.size() - 2)) {
        QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(literal));
        QVERIFY2(!QStringLiteral("\"'<>&").contains(c), qPrintable(literal));
    }
    QJSEngine engine;
    const QJSValue value = engine.evaluate(literal);
    QVERIFY2(!value.isError(), qPrintable(value.toString()));
    QCOMPARE(value.toString(), text);
}

void TestSearchPage::formSendsQAndSaToTheAction()
{
    rashi::SearchPages pages = rashi::SearchPagesAt(QUrl(QStringLiteral("http://127.0.0.1:1234/s?a=1&b=\"2\"")));
    const QString html = rashi::SearchFormHtml(pages);
    QVERIFY(html.contains(QStringLiteral("method=\"get\"")));
    QVERIFY(html.contains(QStringLiteral("target=\"_top\"")));
    QVERIFY(html.contains(QStringLiteral("<input type=\"text\" name=\"q\" size=\"31\" maxlength=\"255\" value=\"\">")));
    QVERIFY(html.contains(QStringLiteral("<input type=\"submit\" name=\"sa\" value=\"Search\">")));
    // The address is escaped for its attribute.
    QVERIFY(html.contains(QStringLiteral("action=\"http://127.0.0.1:1234/s?a=1&amp;b=%222%22\"")));

    const rashi::SearchPages real = rashi::DefaultSearchPages();
    for (const QUrl& url : {real.formAction, real.engineHome, real.homePage, real.searchPage}) {
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("https"));
    }
}

QTEST_MAIN(TestSearchPage)
#include "test_search_page.moc"
