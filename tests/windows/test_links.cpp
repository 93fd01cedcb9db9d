#include "recording_dialogs.h"
#include "windows/links.h"

#include <QTest>

using rashi::testing::RecordingDialogs;

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void eachLinkOpensItsOwnAddress_data();
    void eachLinkOpensItsOwnAddress();
    void addressesAreDistinctWebPages();
};

void TestLinks::eachLinkOpensItsOwnAddress_data()
{
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("expected");
    QTest::newRow("help") << 0 << rashi::kHelpPageUrl;
    QTest::newRow("home") << 1 << rashi::kHomePageUrl;
    QTest::newRow("download") << 2 << rashi::kDownloadPageUrl;
}

void TestLinks::eachLinkOpensItsOwnAddress()
{
    QFETCH(int, which);
    QFETCH(QString, expected);
    RecordingDialogs dialogs;
    switch (which) {
    case 0: rashi::OpenHelpPage(dialogs); break;
    case 1: rashi::OpenHomePage(dialogs); break;
    default: rashi::OpenDownloadPage(dialogs); break;
    }
    QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl(expected)});
    QCOMPARE(dialogs.shown(), 0); // nothing is reported, whatever happens
}

void TestLinks::addressesAreDistinctWebPages()
{
    const QStringList all{rashi::kHelpPageUrl, rashi::kHomePageUrl, rashi::kDownloadPageUrl};
    for (const QString& address : all) {
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY2(url.isValid(), qPrintable(address));
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QVERIFY2(!url.host().isEmpty(), qPrintable(address));
        QCOMPARE(all.count(address), 1);
    }
}

QTEST_MAIN(TestLinks)
#include "test_links.moc"
