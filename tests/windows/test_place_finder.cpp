// The atlas in the main window: places offered under the City box, a pick
// filling the place and its zone for the date on screen, the note on the
// zone, hand-made choices winning, and the exact zone in the reading and the
// chart file.

#include "recording_dialogs.h"
#include "ui_helpers.h"

#include "core/chart_files/chart_file.h"
#include "places/birth_zone.h"
#include "places/text_fold.h"
#include "windows/main_window.h"
#include "windows/place_finder.h"

#include <QCheckBox>
#include <QAbstractItemView>
#include <QCompleter>
#include <QFile>
#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace rashi;
using namespace rashi::testing;

namespace {

// A list changed as the user changes it.
void Pick(const QWidget& window, const char* list, const QString& entry)
{
    auto* box = Child<QComboBox>(window, QString::fromLatin1(list));
    const int position = box->findText(entry, Qt::MatchExactly);
    QVERIFY2(position >= 0, qPrintable(entry));
    box->setCurrentIndex(position);
    emit box->activated(position);
}

// What comes on the message log, from every thread, passed on to the test's.
QStringList& Logged()
{
    static QStringList logged;
    return logged;
}
QMutex loggedLock;
QtMessageHandler testLog = nullptr;
void Log(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    {
        const QMutexLocker locked(&loggedLock);
        Logged() << text;
    }
    testLog(type, context, text);
}

} // namespace

class TestPlaceFinder : public QObject {
    Q_OBJECT

    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;

    PlaceFinder* finder() { return Child<QLineEdit>(*window, "txtCity")->findChild<PlaceFinder*>(); }
    QString note() { return Child<QLabel>(*window, "lblZoneNote")->text(); }

    // Types into the City box and picks the offered place whose label is `label`.
    void pickPlace(const QString& typed, const QString& label)
    {
        finder()->load(); // as entering the City box does
        QTRY_VERIFY_WITH_TIMEOUT(finder()->ready(), 10000);
        TypeInto(*window, "txtCity", typed);
        auto* completer = finder()->findChild<QCompleter*>();
        QVERIFY(completer->popup()->isVisible());
        int row = -1;
        for (int i = 0; i < int(finder()->offered().size()); ++i)
            if (finder()->offered()[std::size_t(i)].Label() == label)
                row = i;
        QVERIFY2(row >= 0, qPrintable(label));
        for (int i = 0; i <= row; ++i)
            QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
    }

    void enterDate(int day, const char* month, int year, int hour)
    {
        Choose(*window, "cboDate", QString::number(day));
        Choose(*window, "cboMonth", QString::fromLatin1(month));
        Choose(*window, "cboYear", QString::number(year));
        Choose(*window, "cboHour", QString::number(hour));
        Choose(*window, "cboMinute", QStringLiteral("0"));
    }

private slots:
    void initTestCase() { testLog = qInstallMessageHandler(&Log); }
    void init() { QVERIFY(ShowFreshWindow(dialogs, window)); }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
    }

    // First of all: once an atlas is loaded, every window shares it. An
    // atlas that cannot be read is said once, in the window only (nothing on
    // the terminal), and the City box takes what is typed.
    void anAtlasThatCannotBeReadIsSaidOnceAndTypingGoesOn_data()
    {
        QTest::addColumn<bool>("pipe");
        QTest::addColumn<QString>("detail");
        QTest::newRow("a pipe") << true << QStringLiteral("The atlas file %1 cannot be read: it is not a regular file.");
        // An atlas's mark and stated size over data that were never packed.
        QTest::newRow("data that do not unpack")
            << false << QStringLiteral("The atlas file is damaged or cut short: its data do not unpack.");
    }
    void anAtlasThatCannotBeReadIsSaidOnceAndTypingGoesOn()
    {
        QFETCH(bool, pipe);
        QFETCH(QString, detail);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("places.atlas"));
        if (pipe) {
            QVERIFY(::mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        } else {
            QFile atlas(file);
            QVERIFY(atlas.open(QIODevice::WriteOnly));
            atlas.write(QByteArray("RDATLAS1\0\0\x10\0", 12) + QByteArray("plain words, not packed by zlib"));
        }
        qputenv("RASHI_ATLAS", QFile::encodeName(file));
        Logged().clear();
        TypeInto(*window, "txtCity", QStringLiteral("Pu"));
        QTRY_COMPARE_WITH_TIMEOUT(dialogs->messages.size(), 1, 10000); // the loader would hang on the pipe
        qunsetenv("RASHI_ATLAS");
        QCOMPARE(dialogs->messages[0].text,
                 QStringLiteral("The atlas of places could not be loaded. Places can still be typed by hand."));
        QCOMPARE(dialogs->messages[0].detail, pipe ? detail.arg(file) : detail);
        {
            const QMutexLocker locked(&loggedLock);
            for (const QString& line : Logged())
                QVERIFY2(!line.contains(QLatin1String("qUncompress")), qPrintable(line));
        }
        // Not tried again, so not said again; the box takes what is typed.
        TypeInto(*window, "txtCity", QStringLiteral("Pune"));
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(window->entries().City, std::string("Pune"));
    }

    // Still before any atlas is loaded: what is typed while it loads is
    // offered once it is there, without waiting for another key.
    void aCityTypedWhileTheAtlasLoadsIsOfferedWhenItIsThere()
    {
        // A window at rest never loads it.
        QTest::qWait(600);
        QVERIFY(!finder()->ready());
        TypeInto(*window, "txtCity", QStringLiteral("Pune"));
        auto* city = Child<QLineEdit>(*window, "txtCity");
        QTRY_VERIFY_WITH_TIMEOUT(finder()->ready(), 10000);
        QTRY_VERIFY(city->findChild<QCompleter*>() && city->findChild<QCompleter*>()->popup()->isVisible());
        QCOMPARE(finder()->offered().front().Label(), QStringLiteral("Pune, Maharashtra, India"));
    }

    // Entering the City box starts the loading, before the first key.
    void enteringTheCityBoxLoadsTheAtlas()
    {
        auto* city = Child<QLineEdit>(*window, "txtCity");
        window->activateWindow();
        city->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY_WITH_TIMEOUT(finder()->ready(), 10000);
        QVERIFY(SharedAtlas());
    }

    void aCityStateFillsTheStateBoxWithItsCountry()
    {
        TypeInto(*window, "txtName", QStringLiteral("Ada"));
        enterDate(1, "September", 1942, 12);
        pickPlace(QStringLiteral("Singapore"), QStringLiteral("Singapore, Singapore"));
        const Entries e = window->entries();
        QCOMPARE(e.City, std::string("Singapore"));
        QCOMPARE(e.State, std::string("Singapore"));
        QCOMPARE(e.Country, std::string("Singapore"));
    }

    void theOfferNarrowsByTheStateBoxAndAStateAfterASpace()
    {
        finder()->load();
        QTRY_VERIFY_WITH_TIMEOUT(finder()->ready(), 10000);
        TypeInto(*window, "txtCity", QStringLiteral("Springfield"));
        QVERIFY(!finder()->offered().empty());
        QCOMPARE(finder()->offered().front().Label(), QStringLiteral("Springfield, Missouri, United States"));

        TypeInto(*window, "txtState", QStringLiteral("Illinois"));
        TypeInto(*window, "txtCity", QStringLiteral("Springfield"));
        QVERIFY(!finder()->offered().empty());
        for (const places::Place& place : finder()->offered())
            QCOMPARE(place.state, QStringLiteral("Illinois"));

        // The City box takes no comma; a state after a space does the same.
        TypeInto(*window, "txtState", QString());
        TypeInto(*window, "txtCity", QStringLiteral("Springfield Illinois"));
        QCOMPARE(Child<QLineEdit>(*window, "txtCity")->text(), QStringLiteral("Springfield Illinois"));
        QVERIFY(!finder()->offered().empty());
        QCOMPARE(finder()->offered().front().Label(), QStringLiteral("Springfield, Illinois, United States"));
    }

    // A name mistyped is offered its nearest names as guesses, most
    // populous first; a place found by another name shows that name.
    void guessesAndOtherNamesAreShown_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("first");
        QTest::newRow("Kolkatta") << "Kolkatta" << "Did you mean Kolkata, West Bengal, India?";
        QTest::newRow("Allahbad") << "Allahbad" << "Did you mean Allahābād, Uttar Pradesh, India?";
        QTest::newRow("Mumbia") << "Mumbia" << "Did you mean Mumbai, Maharashtra, India?";
        QTest::newRow("Bombay") << "Bombay" << "Mumbai, Maharashtra, India (Bombay)";
        QTest::newRow("Gurugram") << "Gurugram" << "Gurgaon, Haryana, India (Gurugram)";
    }
    void guessesAndOtherNamesAreShown()
    {
        QFETCH(QString, typed);
        QFETCH(QString, first);
        finder()->load();
        QTRY_VERIFY_WITH_TIMEOUT(finder()->ready(), 10000);
        TypeInto(*window, "txtCity", typed);
        auto* completer = finder()->findChild<QCompleter*>();
        QVERIFY(completer->popup()->isVisible());
        QCOMPARE(completer->model()->index(0, 0).data().toString(), first);
        // A guess picked fills the place as any offer does.
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        QCOMPARE(window->entries().City, finder()->offered().at(0).name.isEmpty() ? std::string() : places::FoldForBox(finder()->offered().at(0).name).toStdString());
    }

    void pickFillsThePlaceAndItsZoneForTheDate()
    {
        TypeInto(*window, "txtName", QStringLiteral("Ada"));
        enterDate(1, "September", 1942, 12);
        pickPlace(QStringLiteral("Calcutta"), QStringLiteral("Kolkata, West Bengal, India"));
        QVERIFY(dialogs->messages.isEmpty()); // the Enter that picked is not refused
        const Entries e = window->entries();
        QCOMPARE(e.City, std::string("Kolkata"));
        QCOMPARE(e.State, std::string("West Bengal"));
        QCOMPARE(e.Country, std::string("India"));
        QCOMPARE((std::pair{e.LatDeg, e.LatMin}), (std::pair<std::string, std::string>{"22", "34"}));
        QVERIFY(e.North && e.East);
        QCOMPARE(e.ZoneId, std::string("Asia/Kolkata"));
        QCOMPARE(e.ZoneRow, 34);
        QVERIFY(e.DaylightSaving); // war time: Indian Time with the box
        QVERIFY2(note().startsWith(QStringLiteral("Asia/Kolkata on 1 Sep 1942 12:00: UTC+6:30 (war time)")),
                 qPrintable(note()));

        // Another date: the zone follows while it is the atlas's.
        Pick(*window, "cboYear", QStringLiteral("1950"));
        QVERIFY(!window->entries().DaylightSaving);
        QVERIFY2(note().contains(QStringLiteral("UTC+5:30")), qPrintable(note()));
    }

    void handMadeChoicesWinAndAreCheckedAgainstThePlace()
    {
        TypeInto(*window, "txtName", QStringLiteral("Ada"));
        enterDate(15, "January", 2000, 12);
        pickPlace(QStringLiteral("New York City"), QStringLiteral("New York City, New York, United States"));
        QCOMPARE(window->entries().ZoneId, std::string("America/New_York"));
        const QColor calm = Child<QLabel>(*window, "lblZoneNote")->palette().color(QPalette::WindowText);

        // Summer time ticked by hand in winter: the zone id goes, a warning says why.
        QTest::mouseClick(Child<QCheckBox>(*window, "chkDST"), Qt::LeftButton, {}, QPoint(8, 8));
        QVERIFY(window->entries().ZoneId.empty());
        QVERIFY(window->entries().DaylightSaving);
        QVERIFY(Child<QLabel>(*window, "lblZoneNote")->palette().color(QPalette::WindowText) != calm);
        // And it stays as chosen when the date changes.
        Pick(*window, "cboYear", QStringLiteral("2001"));
        QVERIFY(window->entries().DaylightSaving);

        // Coordinates typed after a pick stay; another city typed drops the place.
        TypeInto(*window, "txtLatMin", QStringLiteral("45"));
        QCOMPARE(window->entries().LatMin, std::string("45"));
        TypeInto(*window, "txtCity", QStringLiteral("Gotham"));
        QVERIFY(!Child<QLabel>(*window, "lblZoneNote")->isVisible());
        QCOMPARE(window->entries().LatMin, std::string("45"));
    }

    void aRetypedCityDropsTheAtlasZone()
    {
        TypeInto(*window, "txtName", QStringLiteral("Ada"));
        enterDate(15, "January", 2000, 12);
        pickPlace(QStringLiteral("New York City"), QStringLiteral("New York City, New York, United States"));
        QCOMPARE(window->entries().ZoneId, std::string("America/New_York"));
        // The zone was the atlas's; another city typed over it takes it away.
        TypeInto(*window, "txtCity", QStringLiteral("Gotham"));
        QCOMPARE(window->entries().ZoneId, std::string());
        QVERIFY(!Child<QLabel>(*window, "lblZoneNote")->isVisible());
    }

    void bombayTimeIsOfferedAndIndianTimeByHandIsKept()
    {
        TypeInto(*window, "txtName", QStringLiteral("Ada"));
        enterDate(1, "June", 1930, 12);
        pickPlace(QStringLiteral("Bombay"), QStringLiteral("Mumbai, Maharashtra, India"));
        QVERIFY2(note().contains(QStringLiteral("Bombay kept Bombay Time, UTC+4:51, until 1955")), qPrintable(note()));
        QVERIFY2(note().endsWith(QStringLiteral("choose Indian Time")), qPrintable(note()));
        const QColor calm = Child<QLabel>(*window, "lblZoneNote")->palette().color(QPalette::WindowText);

        // The time was recorded in Indian time: the row chosen by hand wins, calmly.
        Pick(*window, "cboTimeZone", QStringLiteral("Indian Time, IST, -5.3"));
        QVERIFY(window->entries().ZoneId.empty());
        QCOMPARE(Child<QLabel>(*window, "lblZoneNote")->palette().color(QPalette::WindowText), calm);

        // Picked again, the place's own time: the reading takes Bombay Time.
        pickPlace(QStringLiteral("Bombay"), QStringLiteral("Mumbai, Maharashtra, India"));
        Click(*window, "cmdCalculate");
        QCOMPARE(window->driver().records().birth.ExactOffsetSeconds.value_or(0), 4 * 3600 + 51 * 60);
    }

    void readingUsesTheExactZoneAndTheChartKeepsIt()
    {
        TypeInto(*window, "txtName", QStringLiteral("Ada"));
        enterDate(1, "January", 2000, 12);
        pickPlace(QStringLiteral("Kathmandu"), QStringLiteral("Kathmandu, Bagmati Province, Nepal"));
        QVERIFY2(note().contains(QStringLiteral("UTC+5:45")), qPrintable(note()));
        Click(*window, "cmdCalculate");
        QVERIFY(dialogs->texts().isEmpty());
        QVERIFY(ResultsInFront(*window));
        const BirthRecord& birth = window->driver().records().birth;
        QCOMPARE(birth.ZoneId, std::string("Asia/Kathmandu"));
        QCOMPARE(birth.ExactOffsetSeconds.value_or(0), 5 * 3600 + 45 * 60);

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("nepal.kqa"));
        dialogs->saveAnswers << file;
        Click(*window, "cmdSave");
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        QCOMPARE(bytes.count("\r\n"), 18);

        QVERIFY(ShowFreshWindow(dialogs, window));
        dialogs->openAnswers << file;
        Click(*window, "cmdOpen");
        QVERIFY(ResultsInFront(*window));
        QCOMPARE(window->driver().records().birth.ExactOffsetSeconds.value_or(0), 5 * 3600 + 45 * 60);
    }

    void clockTimesThatNeverWereOrWereTwice_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("answer");      // to "which of the two?", -1 Cancel
        QTest::addColumn<int>("offsetHours"); // of the reading, or 0 for none
        QTest::newRow("skipped: a message, no reading") << 8 << "March" << 2 << -1 << 0;
        QTest::newRow("twice, cancelled") << 1 << "November" << 1 << -1 << 0;
        QTest::newRow("twice, the first (daylight saving)") << 1 << "November" << 1 << 0 << -4;
        QTest::newRow("twice, the second (standard time)") << 1 << "November" << 1 << 1 << -5;
    }
    void clockTimesThatNeverWereOrWereTwice()
    {
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, hour);
        QFETCH(int, answer);
        QFETCH(int, offsetHours);
        TypeInto(*window, "txtName", QStringLiteral("Ada"));
        enterDate(1, "January", 2020, 12);
        pickPlace(QStringLiteral("New York City"), QStringLiteral("New York City, New York, United States"));
        enterDate(day, month.toLatin1().constData(), 2020, hour);
        Choose(*window, "cboMinute", QStringLiteral("30"));
        dialogs->choice = answer;
        Click(*window, "cmdCalculate");
        QCOMPARE(ResultsInFront(*window), offsetHours != 0);
        if (month == QLatin1String("March")) {
            QCOMPARE(dialogs->messages.size(), 1);
            QVERIFY2(dialogs->messages[0].text.contains(QStringLiteral("never happened")),
                     qPrintable(dialogs->messages[0].text));
        } else {
            QCOMPARE(dialogs->questions.size(), 1);
            QVERIFY2(dialogs->questions[0].contains(QStringLiteral("UTC-4:00 (daylight saving)|UTC-5:00 (standard time)")),
                     qPrintable(dialogs->questions[0]));
        }
        if (offsetHours) {
            QCOMPARE(window->driver().records().birth.ExactOffsetSeconds.value_or(0), offsetHours * 3600);
            // The answer sets the box, and with it the record a chart file is written from.
            QCOMPARE(window->findChild<QCheckBox*>(QStringLiteral("chkDST"))->isChecked(), offsetHours == -4);
            QCOMPARE(window->driver().records().birth.DaylightSaving, offsetHours == -4);
        }
        if (month == QLatin1String("November")) {
            // Answered, the note says which, and the next reading asks no more
            // and keeps the answer; cancelled, it still asks.
            auto* note = Child<QLabel>(*window, "lblZoneNote");
            QCOMPARE(note->text().contains(QStringLiteral("which was it?")), answer < 0);
            if (answer >= 0)
                QVERIFY2(note->text().contains(QStringLiteral("UTC%1:00").arg(offsetHours)), qPrintable(note->text()));
            window->showInputPanel();
            dialogs->choice = answer < 0 ? -1 : 1 - answer; // were it asked, the other answer
            Click(*window, "cmdCalculate");
            QCOMPARE(dialogs->questions.size(), answer < 0 ? 2 : 1);
            if (offsetHours)
                QCOMPARE(window->driver().records().birth.ExactOffsetSeconds.value_or(0), offsetHours * 3600);
            // Another moment is asked about anew.
            window->showInputPanel();
            Choose(*window, "cboMinute", QStringLiteral("45"));
            QVERIFY(note->text().contains(QStringLiteral("which was it?")));
        }
    }
};

QTEST_MAIN(TestPlaceFinder)
#include "test_place_finder.moc"
