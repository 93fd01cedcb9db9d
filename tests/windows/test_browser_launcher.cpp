#include "http_test_server.h"
#include "windows/browser_launcher.h"
#include "windows/program_language.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using rashi::BrowserLauncher;
using rashi::Language;
using rashi::testing::HttpTestServer;

Q_DECLARE_METATYPE(rashi::Language)

namespace {

constexpr int kWebEngineWaitMs = 60000; // generous: the first start of the web engine may be slow

} // namespace

class TestBrowserLauncher : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void passesThePlaceExactly_data();
    void passesThePlaceExactly();
    void passesTheProgramsLanguage_data();
    void passesTheProgramsLanguage();
    void openClosesThePreviousBrowserFirst();
    void destructorClosesTheBrowser();
    void noticesWhenTheUserClosesTheBrowser();
    void missingProgramOpensNothing();
    void realBrowserSearchesOnceAndClosesWithTheLauncher();
    void realBrowserEndsWhenItsParentGoes();

private:
    QStringList records() const;
    std::unique_ptr<QTemporaryDir> dir_;
    QString log_;
};

void TestBrowserLauncher::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    log_ = dir_->filePath(QStringLiteral("fake.log"));
    qputenv("FAKE_BROWSER_LOG", QFile::encodeName(log_));
}

void TestBrowserLauncher::cleanup() { rashi::InstallLanguage(Language::English); }

QStringList TestBrowserLauncher::records() const
{
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList list;
    for (const QByteArray& record : file.readAll().split('\0'))
        if (!record.isEmpty())
            list << QString::fromUtf8(record);
    return list;
}

void TestBrowserLauncher::passesThePlaceExactly_data()
{
    QTest::addColumn<bool>("placeSearch");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::newRow("plain") << true << "Pune" << "Maharashtra" << "India";
    QTest::newRow("no place search") << false << "Pune" << "Maharashtra" << "India";
    QTest::newRow("empty and blank") << true << "" << " " << "  x  ";
    QTest::newRow("looks like options") << true << "-style" << "--help" << "--city=Elsewhere";
    QTest::newRow("quotes, backslash, markup, breaks")
        << true << "O'Brien \"x\" a\\b" << "</script><img src=x onerror=alert(1)>" << "one\r\ntwo\nthree";
    QTest::newRow("Windows-1252 characters") << true << "K\u00f6ln \u20ac\u2122" << "\u00aa\u00a0" << "\u0160";
}

void TestBrowserLauncher::passesThePlaceExactly()
{
    QFETCH(bool, placeSearch);
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    BrowserLauncher launcher;
    launcher.setProgram(QStringLiteral(FAKE_BROWSER));
    launcher.open(placeSearch, city, state, country);
    QTRY_VERIFY(records().contains(QStringLiteral("--exit-with-parent")));
    QVERIFY(launcher.isOpen());

    QStringList expected{QStringLiteral("--lang=en"), QStringLiteral("--city=") + city, QStringLiteral("--state=") + state,
                         QStringLiteral("--country=") + country, QStringLiteral("--exit-with-parent")};
    if (placeSearch)
        expected.insert(1, QStringLiteral("--place-search"));
    QCOMPARE(records().mid(1), expected);

    launcher.close();
    QVERIFY(!launcher.isOpen());
    QCOMPARE(records().last(), QStringLiteral("ended")); // it ended on end-of-file, not killed
}

void TestBrowserLauncher::passesTheProgramsLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("argument");
    QTest::newRow("Hindi") << Language::Hindi << "--lang=hi";
    QTest::newRow("English") << Language::English << "--lang=en";
}

// The browser speaks the language the program speaks when it is opened,
// also after a change of language since the last one.
void TestBrowserLauncher::passesTheProgramsLanguage()
{
    QFETCH(Language, language);
    QFETCH(QString, argument);
    const Language other = language == Language::Hindi ? Language::English : Language::Hindi;
    BrowserLauncher launcher;
    launcher.setProgram(QStringLiteral(FAKE_BROWSER));
    QVERIFY(rashi::InstallLanguage(other));
    launcher.open(true, QStringLiteral("Pune"), QStringLiteral("Maharashtra"), QStringLiteral("India"));
    QTRY_VERIFY(records().contains(QStringLiteral("--exit-with-parent")));
    QVERIFY(rashi::InstallLanguage(language));
    launcher.open(true, QStringLiteral("Pune"), QStringLiteral("Maharashtra"), QStringLiteral("India"));
    QTRY_COMPARE(records().count(QStringLiteral("--exit-with-parent")), 2);

    const QStringList log = records();
    const QStringList second = log.mid(log.lastIndexOf(QRegularExpression(QStringLiteral("started [0-9]+"))) + 1);
    QCOMPARE(second.filter(QStringLiteral("--lang")), QStringList{argument});
}

void TestBrowserLauncher::openClosesThePreviousBrowserFirst()
{
    BrowserLauncher launcher;
    launcher.setProgram(QStringLiteral(FAKE_BROWSER));
    launcher.open(true, QStringLiteral("First"), QStringLiteral("S"), QStringLiteral("C"));
    QTRY_VERIFY(records().contains(QStringLiteral("--exit-with-parent")));
    launcher.open(true, QStringLiteral("Second"), QStringLiteral("S"), QStringLiteral("C"));
    QTRY_COMPARE(records().count(QStringLiteral("--exit-with-parent")), 2);

    const QStringList log = records();
    const qsizetype first = log.indexOf(QStringLiteral("--city=First"));
    const qsizetype ended = log.indexOf(QStringLiteral("ended"));
    const qsizetype second = log.indexOf(QStringLiteral("--city=Second"));
    QVERIFY(first >= 0 && ended > first && second > ended);
    QCOMPARE(log.count(QStringLiteral("ended")), 1);
    QVERIFY(launcher.isOpen());
}

void TestBrowserLauncher::destructorClosesTheBrowser()
{
    {
        BrowserLauncher launcher;
        launcher.setProgram(QStringLiteral(FAKE_BROWSER));
        launcher.open(true, QStringLiteral("Pune"), QStringLiteral("Maharashtra"), QStringLiteral("India"));
        QTRY_VERIFY(records().contains(QStringLiteral("--exit-with-parent")));
    }
    QCOMPARE(records().last(), QStringLiteral("ended"));
}

void TestBrowserLauncher::noticesWhenTheUserClosesTheBrowser()
{
    BrowserLauncher launcher;
    launcher.setProgram(QStringLiteral(FAKE_BROWSER));
    launcher.open(true, QStringLiteral("Pune"), QStringLiteral("Maharashtra"), QStringLiteral("India"));
    QTRY_VERIFY(records().contains(QStringLiteral("--exit-with-parent")));
    const qint64 pid = records().first().section(QLatin1Char(' '), 1).toLongLong();
    QVERIFY(pid > 0);
    ::kill(static_cast<pid_t>(pid), SIGTERM);
    QTRY_VERIFY(!launcher.isOpen());
    launcher.close(); // nothing left to close
    QVERIFY(!launcher.isOpen());
}

void TestBrowserLauncher::missingProgramOpensNothing()
{
    BrowserLauncher launcher;
    launcher.setProgram(dir_->filePath(QStringLiteral("no-such-browser")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot start the browser window")));
    launcher.open(true, QStringLiteral("Pune"), QStringLiteral("Maharashtra"), QStringLiteral("India"));
    QTRY_VERIFY(!launcher.isOpen());
    launcher.close();
}

void TestBrowserLauncher::realBrowserSearchesOnceAndClosesWithTheLauncher()
{
    HttpTestServer server;
    QVERIFY(server.listen());
    qputenv("RASHI_DRISHTI_SEARCH_URL", server.url(QStringLiteral("/search")).toEncoded());
    BrowserLauncher launcher;
    launcher.setProgram(QStringLiteral(REAL_BROWSER));
    launcher.open(true, QStringLiteral("Pune"), QStringLiteral("Maharashtra"), QStringLiteral("India"));
    QTRY_COMPARE_WITH_TIMEOUT(server.requestsFor(QStringLiteral("/search")).size(), 1, kWebEngineWaitMs);
    QCOMPARE(HttpTestServer::formValue(server.requestsFor(QStringLiteral("/search")).first().rawQuery,
                                       QStringLiteral("q")),
             QStringLiteral("Latitude Longitude Pune Maharashtra India"));
    QVERIFY(launcher.isOpen());
    launcher.close();
    QVERIFY(!launcher.isOpen());
    QCOMPARE(server.requestsFor(QStringLiteral("/search")).size(), 1);
    qunsetenv("RASHI_DRISHTI_SEARCH_URL");
}

// Started by hand with --exit-with-parent, the browser ends normally as soon
// as its standard input closes.
void TestBrowserLauncher::realBrowserEndsWhenItsParentGoes()
{
    HttpTestServer server;
    QVERIFY(server.listen());
    QProcess browser;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("RASHI_DRISHTI_SEARCH_URL"), server.url(QStringLiteral("/search")).toString());
    browser.setProcessEnvironment(env);
    browser.setProcessChannelMode(QProcess::ForwardedChannels);
    browser.start(QStringLiteral(REAL_BROWSER), {QStringLiteral("--exit-with-parent")});
    QVERIFY(browser.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(server.requestsFor(QStringLiteral("/search")).size(), 1, kWebEngineWaitMs);
    QCOMPARE(HttpTestServer::formValue(server.requestsFor(QStringLiteral("/search")).first().rawQuery,
                                       QStringLiteral("q")),
             QStringLiteral("Latitude Longitude "));
    browser.closeWriteChannel();
    QVERIFY(browser.waitForFinished(kWebEngineWaitMs));
    QCOMPARE(browser.exitStatus(), QProcess::NormalExit);
    QCOMPARE(browser.exitCode(), 0);
}

QTEST_MAIN(TestBrowserLauncher)
#include "test_browser_launcher.moc"
