#include "core/chart_files/stored_text.h"
#include "core/chart_files/windows1252.h"
#include "recording_dialogs.h"
#include "shared_ui/links.h"
#include "windows/update_reminder.h"

#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using rashi::testing::RecordingDialogs;

namespace {

const QDate kToday(2024, 3, 10);
const QString kQuestion = QStringLiteral("There maybe an update to this software available\r"
                                         "Do you want to check for an update?");

// The setting's name and value as they sit in the store, worked out here
// independently: each Windows-1252 code shifted up by 85.
QString Shifted(const QString& plain)
{
    return QString::fromStdString(
        rashi::Windows1252ToUtf8(rashi::EncodeText(rashi::Utf8ToWindows1252(plain.toStdString()))));
}

QString ShortDate(const QDate& date) { return QLocale::system().toString(date, QLocale::ShortFormat); }

const QString kKey = Shifted(QStringLiteral("LastReminderDate"));

} // namespace

class TestUpdateReminder : public QObject {
    Q_OBJECT
private slots:
    void init();
    void firstStartIsSilentAndStoresToday();
    void asksOnlyAfterMoreThanFourteenDays_data();
    void asksOnlyAfterMoreThanFourteenDays();
    void nextStartAfterAnAnswerIsSilent_data();
    void nextStartAfterAnAnswerIsSilent();
    void storedValueThatIsNotADateIsReplacedSilently_data();
    void storedValueThatIsNotADateIsReplacedSilently();
    void nameAndValueAreShiftedInTheStore();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QSettings> settings_;
};

void TestUpdateReminder::init()
{
    settings_.reset();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    settings_ = std::make_unique<QSettings>(dir_->filePath(QStringLiteral("reminder.ini")), QSettings::IniFormat);
    rashi::SetProgramAddresses({QStringLiteral("https://example.org/"), QStringLiteral("https://example.org/download")});
}

void TestUpdateReminder::firstStartIsSilentAndStoresToday()
{
    RecordingDialogs dialogs;
    rashi::ShowUpdateReminder(dialogs, *settings_, kToday);
    QCOMPARE(dialogs.shown(), 0);
    QVERIFY(dialogs.openedUrls.isEmpty());
    QCOMPARE(settings_->value(kKey).toString(), Shifted(ShortDate(kToday)));
}

void TestUpdateReminder::asksOnlyAfterMoreThanFourteenDays_data()
{
    QTest::addColumn<int>("daysFromToday"); // the stored date, relative to today
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asks");
    QTest::newRow("today") << 0 << true << false;
    QTest::newRow("14 days ago") << -14 << true << false;
    QTest::newRow("14 days ahead") << 14 << true << false;
    QTest::newRow("15 days ago, No") << -15 << false << true;
    QTest::newRow("15 days ago, Yes") << -15 << true << true;
    QTest::newRow("15 days ahead (clock turned back), Yes") << 15 << true << true;
    QTest::newRow("15 days ahead, No") << 15 << false << true;
    QTest::newRow("two years ago, Yes") << -730 << true << true;
    QTest::newRow("across a leap day, 14 days") << -14 << false << false;
    QTest::newRow("a build without a download page never asks") << -730 << true << false;
}

void TestUpdateReminder::asksOnlyAfterMoreThanFourteenDays()
{
    QFETCH(int, daysFromToday);
    QFETCH(bool, answerYes);
    QFETCH(bool, asks);
    const QDate stored = kToday.addDays(daysFromToday);
    settings_->setValue(kKey, Shifted(ShortDate(stored)));
    if (QByteArray(QTest::currentDataTag()).contains("without a download page"))
        rashi::SetProgramAddresses({QStringLiteral("https://example.org/"), QString()});

    RecordingDialogs dialogs;
    dialogs.answerYes = answerYes;
    rashi::ShowUpdateReminder(dialogs, *settings_, kToday);

    QVERIFY(dialogs.messages.isEmpty());
    if (!asks) {
        QVERIFY(dialogs.questions.isEmpty());
        QVERIFY(dialogs.openedUrls.isEmpty());
        QCOMPARE(settings_->value(kKey).toString(), Shifted(ShortDate(stored))); // untouched
        return;
    }
    QCOMPARE(dialogs.questions, QStringList{kQuestion});
    // Today is stored whatever the answer; only Yes opens the download page.
    QCOMPARE(settings_->value(kKey).toString(), Shifted(ShortDate(kToday)));
    if (answerYes)
        QCOMPARE(dialogs.openedUrls, QList<QUrl>{QUrl(rashi::ProgramAddresses().download)});
    else
        QVERIFY(dialogs.openedUrls.isEmpty());
}

void TestUpdateReminder::nextStartAfterAnAnswerIsSilent_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
}

void TestUpdateReminder::nextStartAfterAnAnswerIsSilent()
{
    QFETCH(bool, answerYes);
    settings_->setValue(kKey, Shifted(ShortDate(kToday.addDays(-40))));
    RecordingDialogs first;
    first.answerYes = answerYes;
    rashi::ShowUpdateReminder(first, *settings_, kToday);
    QCOMPARE(first.questions.size(), 1);

    // The store is read back from the file, as at the next start.
    settings_->sync();
    QSettings reread(settings_->fileName(), QSettings::IniFormat);
    RecordingDialogs second;
    rashi::ShowUpdateReminder(second, reread, kToday.addDays(10));
    QCOMPARE(second.shown(), 0);
    QVERIFY(second.openedUrls.isEmpty());
}

void TestUpdateReminder::storedValueThatIsNotADateIsReplacedSilently_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("words") << Shifted(QStringLiteral("not a date"));
    QTest::newRow("impossible date") << Shifted(QStringLiteral("31/31/31"));
    QTest::newRow("unshifted date text") << ShortDate(kToday.addDays(-100));
    QTest::newRow("characters outside Windows-1252") << QStringLiteral("\u4e2d\u6587");
}

void TestUpdateReminder::storedValueThatIsNotADateIsReplacedSilently()
{
    QFETCH(QString, stored);
    settings_->setValue(kKey, stored);
    RecordingDialogs dialogs;
    rashi::ShowUpdateReminder(dialogs, *settings_, kToday);
    QCOMPARE(dialogs.shown(), 0);
    QVERIFY(dialogs.openedUrls.isEmpty());
    QCOMPARE(settings_->value(kKey).toString(), Shifted(ShortDate(kToday)));

    // ...so that the reminder works again from then on.
    RecordingDialogs later;
    rashi::ShowUpdateReminder(later, *settings_, kToday.addDays(15));
    QCOMPARE(later.questions.size(), 1);
}

void TestUpdateReminder::nameAndValueAreShiftedInTheStore()
{
    RecordingDialogs dialogs;
    rashi::ShowUpdateReminder(dialogs, *settings_, kToday);
    settings_->sync();
    QSettings reread(settings_->fileName(), QSettings::IniFormat);
    const QStringList keys = reread.allKeys();
    QCOMPARE(keys.size(), 1);
    QVERIFY(!keys.contains(QStringLiteral("LastReminderDate")));
    // "L" (76) + 85 = 161, "a" (97) + 85 = 182, ... and "D" (68) + 85 = 153,
    // which is the trade mark sign in Windows-1252.
    QCOMPARE(keys.first(), QStringLiteral("\u00a1\u00b6\u00c8\u00c9\u00a7\u00ba\u00c2\u00be\u00c3\u00b9\u00ba\u00c7"
                                          "\u2122\u00b6\u00c9\u00ba"));
    const QString value = reread.value(keys.first()).toString();
    QVERIFY(!value.isEmpty());
    for (const QChar c : value) // no plain digit survives the shift
        QVERIFY2(!c.isDigit(), qPrintable(value));
    QCOMPARE(QString::fromStdString(rashi::Windows1252ToUtf8(
                 rashi::DecodeText(rashi::Utf8ToWindows1252(value.toStdString())))),
             ShortDate(kToday));
}

QTEST_MAIN(TestUpdateReminder)
#include "test_update_reminder.moc"
