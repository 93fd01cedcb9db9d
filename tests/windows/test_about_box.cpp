#include "recording_dialogs.h"
#include "windows/about_box.h"
#include "shared_ui/links.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using rashi::testing::RecordingDialogs;

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { rashi::SetProgramAddresses({QStringLiteral("https://example.org/"), QString()}); }
    void showsTitleDescriptionIconAndLink();
    void noHomePageNoLink();
    void homePageLinkOpensTheHomePage_data();
    void homePageLinkOpensTheHomePage();
    void okAndEscapeClose_data();
    void okAndEscapeClose();
};

void TestAboutBox::showsTitleDescriptionIconAndLink()
{
    RecordingDialogs dialogs;
    rashi::frmAbout about(dialogs);
    const QString title = QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) v1.10");
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), title);
    QVERIFY(about.isModal());
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label2"))->text(), title);
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Tarvek Rashi Drishti (Sign Aspects) calculates the sign aspects according to Vedic "
                            "Astrology. Rashi Drishtis are of a more permanent nature and they represent the "
                            "knowledge aspect. Rashi Drishti implies signs that are aspected by this sign and the "
                            "signs that aspect this sign."));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblHomePage"))->text(),
             QStringLiteral("Click here to visit ") + rashi::ProgramAddresses().home);
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
    // The atlas's data are credited with their licence.
    const QString credits = about.findChild<QLabel*>(QStringLiteral("lblCredits"))->text();
    for (const char* part : {"GeoNames", "CC BY 4.0", "filtered and re-encoded"})
        QVERIFY2(credits.contains(QLatin1String(part)), part);
    const QPixmap icon = about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap();
    QVERIFY(!icon.isNull()); // the icon resource is compiled in
    QVERIFY(icon.width() >= 48);
    QVERIFY(!about.windowIcon().isNull());
}

void TestAboutBox::noHomePageNoLink()
{
    const rashi::WebAddresses kept = rashi::ProgramAddresses();
    rashi::SetProgramAddresses({});
    RecordingDialogs dialogs;
    rashi::frmAbout about(dialogs);
    about.show();
    QVERIFY(!about.findChild<QLabel*>(QStringLiteral("lblHomePage"))->isVisible());
    rashi::SetProgramAddresses(kept);
}

void TestAboutBox::homePageLinkOpensTheHomePage_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("keyboard") << true;
}

void TestAboutBox::homePageLinkOpensTheHomePage()
{
    QFETCH(bool, byKeyboard);
    RecordingDialogs dialogs;
    rashi::frmAbout about(dialogs);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* link = about.findChild<QLabel*>(QStringLiteral("lblHomePage"));
    if (byKeyboard) {
        link->setFocus(Qt::TabFocusReason);
        QTest::keyClick(link, Qt::Key_Space);
    } else {
        QTest::mouseClick(link, Qt::LeftButton);
    }
    QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl(rashi::ProgramAddresses().home)});
    QVERIFY(about.isVisible()); // the box stays open
    QCOMPARE(dialogs.shown(), 0);
}

void TestAboutBox::okAndEscapeClose_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("click OK") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Escape") << 2;
}

void TestAboutBox::okAndEscapeClose()
{
    QFETCH(int, how);
    RecordingDialogs dialogs;
    rashi::frmAbout about(dialogs);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    if (how == 0)
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else
        QTest::keyClick(&about, how == 1 ? Qt::Key_Return : Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QVERIFY(dialogs.openedUrls.isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
