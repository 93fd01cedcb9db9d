#include "recording_dialogs.h"
#include "shared_ui/links.h"

#include <QFile>
#include <QTest>

using rashi::testing::RecordingDialogs;

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void pagesOpenInTheBrowserOrAreShownToCopy_data();
    void pagesOpenInTheBrowserOrAreShownToCopy();
    void manualShipsWithTheProgram();
};

void TestLinks::pagesOpenInTheBrowserOrAreShownToCopy_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("download");
    QTest::addColumn<bool>("browser");
    QTest::addColumn<int>("which"); // 0 home, 1 download
    const QString home = QStringLiteral("https://example.org/");
    const QString download = QStringLiteral("https://example.org/download");
    QTest::newRow("home opens") << home << download << true << 0;
    QTest::newRow("download opens") << home << download << true << 1;
    QTest::newRow("home, no browser") << home << download << false << 0;
    QTest::newRow("download, no browser") << home << download << false << 1;
    QTest::newRow("no home page in this build") << QString() << download << true << 0;
    QTest::newRow("no download page in this build") << home << QString() << true << 1;
}

void TestLinks::pagesOpenInTheBrowserOrAreShownToCopy()
{
    QFETCH(QString, home);
    QFETCH(QString, download);
    QFETCH(bool, browser);
    QFETCH(int, which);
    rashi::SetProgramAddresses({home, download});
    QCOMPARE(rashi::HasHomePage(), !home.isEmpty());
    QCOMPARE(rashi::HasDownloadPage(), !download.isEmpty());

    RecordingDialogs dialogs;
    dialogs.browserAvailable = browser;
    which == 0 ? rashi::OpenHomePage(dialogs) : rashi::OpenDownloadPage(dialogs);
    const QString address = which == 0 ? home : download;
    if (address.isEmpty()) {
        QVERIFY(dialogs.openedUrls.isEmpty());
        QCOMPARE(dialogs.shown(), 0);
        return;
    }
    QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl(address)});
    if (browser) {
        QCOMPARE(dialogs.shown(), 0);
    } else {
        // The address is in the message, to be copied into a browser by hand.
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages[0].detail.contains(address), qPrintable(dialogs.messages[0].detail));
    }
}

void TestLinks::manualShipsWithTheProgram()
{
    RecordingDialogs dialogs;
    rashi::OpenManual(dialogs);
    QCOMPARE(dialogs.shown(), 0);
    QCOMPARE(dialogs.manualPages.size(), 1);
    QFile page(dialogs.manualPages[0].toLocalFile());
    QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(page.fileName()));
    const QString html = QString::fromUtf8(page.readAll());
    for (const char* topic : {"Entering a birth", "The reading", "The rule of sign aspects", "Chart files",
                              "The report tool", "Keyboard"})
        QVERIFY2(html.contains(QLatin1String(topic)), topic);
}

QTEST_MAIN(TestLinks)
#include "test_links.moc"
