#include "http_test_server.h"
#include "wait_until.h"
#include "recording_dialogs.h"
#include "browser/browser_window.h"
#include "shared_ui/links.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWebEnginePage>
#include <QWebEngineView>

using rashi::frmBrowser;
using rashi::testing::HttpTestServer;
using rashi::testing::WaitUntil;
using rashi::testing::RecordingDialogs;

namespace {


const QString kTitle = QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) v1.10");
const QString kSearchPath = QStringLiteral("/search");

frmBrowser::Place PlaceOf(const QString& city, const QString& state, const QString& country)
{
    frmBrowser::Place place;
    place.placeSearch = true;
    place.city = city;
    place.state = state;
    place.country = country;
    return place;
}


// Runs a script in the page and waits for its result.
QVariant Evaluate(QWebEngineView* view, const QString& script)
{
    QVariant result;
    bool done = false;
    view->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!WaitUntil([&] { return done; }))
        qWarning("script got no answer: %s", qPrintable(script));
    return result;
}

} // namespace

class TestBrowserWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsWithItsControls();
    void searchArrivesExactlyOnce_data();
    void searchArrivesExactlyOnce();
    void hostileWordsReachTheFieldOnlyAsData_data();
    void hostileWordsReachTheFieldOnlyAsData();
    void formIsInjectedOncePerWindow();
    void addressHistory();
    void toolbarButtons();
    void stopEndsTheBusyCaption();
    void failedLoadLeavesTheWindowUsable();
    void label61OpensTheHomePage();
    void resizeRule_data();
    void resizeRule();

private:
    frmBrowser* open(const frmBrowser::Place& place, const QUrl& action);
    bool waitForPage(const QString& path, int count = 1);
    void enterAddress(const QString& address);
    QComboBox* addressBox() const { return window_->findChild<QComboBox*>(QStringLiteral("cboAddress")); }
    QStringList history() const;

    std::unique_ptr<HttpTestServer> server_;
    RecordingDialogs dialogs_;
    std::unique_ptr<frmBrowser> window_;
    std::unique_ptr<QSignalSpy> documents_;
};

void TestBrowserWindow::init()
{
    dialogs_ = RecordingDialogs();
    server_ = std::make_unique<HttpTestServer>();
    QVERIFY(server_->listen());
}

void TestBrowserWindow::cleanup()
{
    documents_.reset();
    window_.reset();
    server_.reset();
}

frmBrowser* TestBrowserWindow::open(const frmBrowser::Place& place, const QUrl& action)
{
    window_ = std::make_unique<frmBrowser>(dialogs_, place, rashi::SearchPagesAt(action));
    documents_ = std::make_unique<QSignalSpy>(window_.get(), &frmBrowser::documentCompleted);
    window_->show();
    return window_.get();
}

// Waits until `count` finished documents at `path` have been handled.
bool TestBrowserWindow::waitForPage(const QString& path, int count)
{
    return WaitUntil(
        [&] {
            int seen = 0;
            for (const QList<QVariant>& args : std::as_const(*documents_))
                if (args.at(0).toUrl().path() == path || args.at(0).toUrl().toString() == path)
                    ++seen;
            return seen >= count;
        });
}

void TestBrowserWindow::enterAddress(const QString& address)
{
    QLineEdit* edit = addressBox()->lineEdit();
    edit->setText(address);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList TestBrowserWindow::history() const
{
    QStringList items;
    for (int i = 0; i < addressBox()->count(); ++i)
        items << addressBox()->itemText(i);
    return items;
}

void TestBrowserWindow::startsWithItsControls()
{
    frmBrowser window(dialogs_, PlaceOf("Pune", "Maharashtra", "India"), rashi::SearchPagesAt(server_->url(kSearchPath)));
    QCOMPARE(window.objectName(), QStringLiteral("frmBrowser"));
    QCOMPARE(window.windowTitle(), kTitle);
    QVERIFY(!window.windowIcon().isNull());
    for (const char* name : {"picAddress", "lblAddress", "cboAddress", "tbToolBar", "brwWebBrowser", "timTimer",
                             "Text1", "Label61"})
        QVERIFY2(window.findChild<QObject*>(QLatin1String(name)) != nullptr, name);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblAddress"))->text(), QStringLiteral("&Address:"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblAddress"))->buddy(),
             window.findChild<QComboBox*>(QStringLiteral("cboAddress")));

    QStringList keys;
    for (QAction* action : window.findChild<QToolBar*>(QStringLiteral("tbToolBar"))->actions()) {
        if (action->objectName().isEmpty())
            continue; // the link at the right end
        keys << action->objectName();
        QCOMPARE(action->toolTip(), action->objectName());
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
        QVERIFY2(!action->shortcut().isEmpty(), qPrintable(action->objectName()));
    }
    QCOMPARE(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));

    auto* timer = window.findChild<QTimer*>(QStringLiteral("timTimer"));
    QCOMPARE(timer->interval(), 5);
    QVERIFY(!timer->isActive());

    const QString form = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    QVERIFY(form.contains(QStringLiteral("name=\"q\"")));
    QVERIFY(form.contains(QStringLiteral("name=\"sa\"")));
    QVERIFY(form.contains(server_->url(kSearchPath).toString()));

    window.show();
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("Text1"))->isVisible());
}

void TestBrowserWindow::searchArrivesExactlyOnce_data()
{
    QTest::addColumn<bool>("placeSearch");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("words");
    QTest::newRow("place") << true << "Pune" << "Maharashtra" << "India"
                           << "Latitude Longitude Pune Maharashtra India";
    QTest::newRow("no place") << false << "Pune" << "Maharashtra" << "India" << "Latitude Longitude ";
    QTest::newRow("blanks kept") << true << " Pune " << "MH" << "India " << "Latitude Longitude  Pune  MH India ";
    QTest::newRow("Windows-1252 letters") << true << "K\u00f6ln" << "Nordrhein-Westfalen" << "\u00c9tats \u20ac\u2122"
                                           << "Latitude Longitude K\u00f6ln Nordrhein-Westfalen \u00c9tats \u20ac\u2122";
}

void TestBrowserWindow::searchArrivesExactlyOnce()
{
    QFETCH(bool, placeSearch);
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, words);
    frmBrowser::Place place = PlaceOf(city, state, country);
    place.placeSearch = placeSearch;
    frmBrowser* window = open(place, server_->url(kSearchPath));
    QVERIFY(waitForPage(kSearchPath));

    const auto searches = server_->requestsFor(kSearchPath);
    QCOMPARE(searches.size(), 1);
    QCOMPARE(HttpTestServer::formValue(searches.first().rawQuery, QStringLiteral("q")), words);
    QCOMPARE(HttpTestServer::formValue(searches.first().rawQuery, QStringLiteral("sa")), QStringLiteral("Search"));
    QCOMPARE(window->searchText(), words);
    QVERIFY(window->searchSubmitted());
    QCOMPARE(window->windowTitle(), QStringLiteral("Page /search")); // the result page's title
    QCOMPARE(history(), QStringList{window->browser()->url().toString()});
    QCOMPARE(dialogs_.shown(), 0);
}

void TestBrowserWindow::hostileWordsReachTheFieldOnlyAsData_data()
{
    QTest::addColumn<QString>("city");
    QTest::newRow("quotes") << "\"); document.title = \"PWNED\"; (\"";
    QTest::newRow("apostrophes") << "'); document.title = 'PWNED'; ('";
    QTest::newRow("backslashes") << "\\\"); document.title = 'PWNED'; //\\";
    QTest::newRow("end of script") << "</script><script>document.title = 'PWNED'</script>";
    QTest::newRow("image with onerror") << "<img src=x onerror=\"document.title='PWNED'\">";
    QTest::newRow("attribute break") << "\"><img src=x onerror=document.title='PWNED'>";
    QTest::newRow("line breaks") << "one\r\ntwo\nthree\r'); document.title = 'PWNED'; //";
    QTest::newRow("escapes as text") << "\\u0022\\x27%22&quot;&#39;";
}

// The search request is held back, so the page that sent it is still there
// to look at: the field holds exactly the words, no element came from them
// and no script of theirs ran.
void TestBrowserWindow::hostileWordsReachTheFieldOnlyAsData()
{
    QFETCH(QString, city);
    server_->holdPath(kSearchPath);
    // A one-line text field drops line breaks from any value it is given,
    // whoever gives it; everything else arrives as it was.
    QString words = QStringLiteral("Latitude Longitude ") + city + QStringLiteral(" State Country");
    words.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    frmBrowser* window = open(PlaceOf(city, "State", "Country"), server_->url(kSearchPath));
    QVERIFY(WaitUntil([&] { return server_->requestsFor(kSearchPath).size() == 1; }));
    QCOMPARE(HttpTestServer::formValue(server_->requestsFor(kSearchPath).first().rawQuery, QStringLiteral("q")),
             words);

    const QVariant seen = Evaluate(window->browser(), QStringLiteral(R"JS(JSON.stringify([
        document.getElementsByName("q")[0].value,
        document.title,
        document.getElementsByTagName("img").length,
        document.getElementsByTagName("script").length,
        document.getElementsByTagName("input").length]))JS"));
    const QJsonArray state = QJsonDocument::fromJson(seen.toString().toUtf8()).array();
    QCOMPARE(state.size(), 5);
    QCOMPARE(state.at(0).toString(), words);
    QVERIFY(state.at(1).toString() != QLatin1String("PWNED"));
    QCOMPARE(state.at(2).toInt(), 0);
    QCOMPARE(state.at(3).toInt(), 0);
    QCOMPARE(state.at(4).toInt(), 2); // only the form's field and button

    server_->release();
    QVERIFY(waitForPage(kSearchPath));
    QCOMPARE(window->windowTitle(), QStringLiteral("Page /search"));
    QCOMPARE(server_->requestsFor(kSearchPath).size(), 1);
    QCOMPARE(dialogs_.shown(), 0);
}

void TestBrowserWindow::formIsInjectedOncePerWindow()
{
    frmBrowser* window = open(PlaceOf("Pune", "Maharashtra", "India"), server_->url(kSearchPath));
    QVERIFY(waitForPage(kSearchPath));

    enterAddress(QStringLiteral("about:blank"));
    QVERIFY(waitForPage(QStringLiteral("about:blank"), 2)); // the first one was the start
    QCOMPARE(Evaluate(window->browser(), QStringLiteral("document.getElementsByName('q').length")).toInt(), 0);
    QCOMPARE(Evaluate(window->browser(), QStringLiteral("document.body.innerHTML")).toString(), QString());
    QCOMPARE(server_->requestsFor(kSearchPath).size(), 1);
    QVERIFY(!history().contains(QStringLiteral("about:blank")));
}

void TestBrowserWindow::addressHistory()
{
    frmBrowser* window = open(PlaceOf("Pune", "Maharashtra", "India"), server_->url(kSearchPath));
    QVERIFY(waitForPage(kSearchPath));
    const QString result = window->browser()->url().toString();
    const QString a = server_->url(QStringLiteral("/a")).toString();
    const QString b = server_->url(QStringLiteral("/b")).toString();

    enterAddress(a);
    QVERIFY(waitForPage(QStringLiteral("/a")));
    QCOMPARE(history(), (QStringList{a, result}));
    QCOMPARE(window->windowTitle(), QStringLiteral("Page /a"));

    enterAddress(b);
    QVERIFY(waitForPage(QStringLiteral("/b")));
    QCOMPARE(history(), (QStringList{b, a, result}));

    // Choosing an earlier address from the list goes there and moves it up.
    emit addressBox()->activated(1);
    QVERIFY(waitForPage(QStringLiteral("/a"), 2));
    QCOMPARE(history(), (QStringList{a, b, result}));
    QCOMPARE(addressBox()->currentIndex(), 0);
    QCOMPARE(addressBox()->currentText(), a);

    // A blank page is not listed.
    enterAddress(QStringLiteral("about:blank"));
    QVERIFY(waitForPage(QStringLiteral("about:blank"), 2));
    QCOMPARE(history(), (QStringList{a, b, result}));

    // An address typed without its scheme is completed.
    enterAddress(QStringLiteral("127.0.0.1:%1/c").arg(server_->port()));
    QVERIFY(waitForPage(QStringLiteral("/c")));
    QCOMPARE(history().first(), server_->url(QStringLiteral("/c")).toString());

    // Typed key by key, with the box completing from its list, and Enter:
    // one visit, not two.
    QLineEdit* edit = addressBox()->lineEdit();
    edit->clear();
    edit->setFocus();
    QTest::keyClicks(edit, b);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(waitForPage(QStringLiteral("/b"), 2));
    QCOMPARE(history(), (QStringList{b, server_->url(QStringLiteral("/c")).toString(), a, result}));
    enterAddress(server_->url(QStringLiteral("/d")).toString()); // a last page, so a second visit to /b would show
    QVERIFY(waitForPage(QStringLiteral("/d")));

    // Each address was asked for exactly as often as it was chosen: selecting
    // the top entry while the list is rewritten started no navigation.
    QCOMPARE(server_->requestsFor(QStringLiteral("/a")).size(), 2);
    QCOMPARE(server_->requestsFor(QStringLiteral("/b")).size(), 2);
    QCOMPARE(server_->requestsFor(QStringLiteral("/c")).size(), 1);
    QCOMPARE(server_->requestsFor(QStringLiteral("/d")).size(), 1);
    QCOMPARE(server_->requestsFor(kSearchPath).size(), 1);
    QCOMPARE(history().size(), 5);
    QCOMPARE(dialogs_.shown(), 0);
}

void TestBrowserWindow::toolbarButtons()
{
    frmBrowser* window = open(PlaceOf("Pune", "Maharashtra", "India"), server_->url(kSearchPath));
    QVERIFY(waitForPage(kSearchPath));
    enterAddress(server_->url(QStringLiteral("/a")).toString());
    QVERIFY(waitForPage(QStringLiteral("/a")));
    auto action = [&](const char* key) {
        return window->findChild<QToolBar*>(QStringLiteral("tbToolBar"))->findChild<QAction*>(QLatin1String(key));
    };
    auto button = [&](const char* key) { action(key)->trigger(); };
    auto idle = [&] {
        return WaitUntil([&] { return !window->findChild<QTimer*>(QStringLiteral("timTimer"))->isActive(); }) &&
               window->windowTitle() != QLatin1String("Working...");
    };
    // Back and Forward look disabled where the history leads nowhere.
    QVERIFY(WaitUntil([&] { return action("Back")->isEnabled(); }));
    QVERIFY(!action("Forward")->isEnabled());

    button("Back");
    QVERIFY(waitForPage(kSearchPath, 2));
    QCOMPARE(window->browser()->url().path(), kSearchPath);
    QVERIFY(idle()); // the caption comes back after a history step
    QVERIFY(WaitUntil([&] { return action("Forward")->isEnabled(); }));
    button("Forward");
    QVERIFY(waitForPage(QStringLiteral("/a"), 2));
    QCOMPARE(window->browser()->url().path(), QStringLiteral("/a"));
    QVERIFY(idle());
    QVERIFY(WaitUntil([&] { return !action("Forward")->isEnabled() && action("Back")->isEnabled(); }));
    button("Refresh");
    QVERIFY(waitForPage(QStringLiteral("/a"), 3));
    QCOMPARE(server_->requestsFor(QStringLiteral("/a")).size(), 2);
    const qsizetype searchesBefore = server_->requestsFor(kSearchPath).size();
    button("Home");
    QVERIFY(waitForPage(kSearchPath, 3));
    button("Search");
    QVERIFY(waitForPage(kSearchPath, 4));
    QCOMPARE(server_->requestsFor(kSearchPath).size(), searchesBefore + 2);
    // The busy indicator ends with the page's name in the caption.
    QVERIFY(WaitUntil([&] { return !window->findChild<QTimer*>(QStringLiteral("timTimer"))->isActive(); }));
    QCOMPARE(window->windowTitle(), QStringLiteral("Page /search"));
    QCOMPARE(dialogs_.shown(), 0);
}

void TestBrowserWindow::stopEndsTheBusyCaption()
{
    frmBrowser* window = open(PlaceOf("Pune", "Maharashtra", "India"), server_->url(kSearchPath));
    QVERIFY(waitForPage(kSearchPath));
    server_->holdPath(QStringLiteral("/slow"));
    enterAddress(server_->url(QStringLiteral("/slow")).toString());
    QVERIFY(WaitUntil([&] { return window->windowTitle() == QLatin1String("Working..."); }));
    QVERIFY(WaitUntil([&] { return server_->requestsFor(QStringLiteral("/slow")).size() == 1; }));

    window->findChild<QAction*>(QStringLiteral("Stop"))->trigger();
    QVERIFY(!window->findChild<QTimer*>(QStringLiteral("timTimer"))->isActive());
    QVERIFY(window->windowTitle() != QLatin1String("Working..."));
    server_->release();
    QCOMPARE(dialogs_.shown(), 0);
}

void TestBrowserWindow::failedLoadLeavesTheWindowUsable()
{
    // A port with nobody listening: the search fails at once.
    HttpTestServer gone;
    QVERIFY(gone.listen());
    const QUrl deadAction = gone.url(kSearchPath);
    gone.close();

    frmBrowser* window = open(PlaceOf("Pune", "Maharashtra", "India"), deadAction);
    QVERIFY(waitForPage(kSearchPath));
    QVERIFY(window->searchSubmitted());
    QVERIFY(window->isVisible());
    QCOMPARE(dialogs_.shown(), 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY2(!(qobject_cast<QDialog*>(w) && w->isVisible()), qPrintable(w->objectName()));

    // The window goes on working.
    enterAddress(server_->url(QStringLiteral("/a")).toString());
    QVERIFY(waitForPage(QStringLiteral("/a")));
    QCOMPARE(window->windowTitle(), QStringLiteral("Page /a"));
    QCOMPARE(history().first(), server_->url(QStringLiteral("/a")).toString());
    QCOMPARE(dialogs_.shown(), 0);
}

void TestBrowserWindow::label61OpensTheHomePage()
{
    rashi::SetProgramAddresses({QStringLiteral("https://example.org/"), QString()});
    frmBrowser* window = open(PlaceOf("Pune", "Maharashtra", "India"), server_->url(kSearchPath));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* link = window->findChild<QLabel*>(QStringLiteral("Label61"));
    QVERIFY(link->isVisible());
    QVERIFY(!link->text().isEmpty());
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(dialogs_.openedUrls, QList<QUrl>{QUrl(rashi::ProgramAddresses().home)});
}

void TestBrowserWindow::resizeRule_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("small") << QSize(480, 360);
    QTest::newRow("large") << QSize(1100, 820);
}

void TestBrowserWindow::resizeRule()
{
    QFETCH(QSize, size);
    frmBrowser* window = open(PlaceOf("Pune", "Maharashtra", "India"), server_->url(kSearchPath));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->resize(size);
    QTRY_COMPARE(window->size(), size);
    const auto twips = [&](int t, int dpi) { return qRound(t * dpi / 1440.0); };
    auto* pic = window->findChild<QWidget*>(QStringLiteral("picAddress"));
    auto* combo = addressBox();
    auto* view = window->browser();
    QCOMPARE(combo->width(), pic->contentsRect().width() - combo->x());
    QCOMPARE(view->width(), size.width() - twips(100, window->logicalDpiX()));
    QCOMPARE(view->height(), size.height() - (pic->y() + pic->height()) - twips(100, window->logicalDpiY()));
    QVERIFY(pic->geometry().bottom() < view->y() + 1);
    QVERIFY(combo->geometry().right() <= view->geometry().right());
}

QTEST_MAIN(TestBrowserWindow)
#include "test_browser_window.moc"
