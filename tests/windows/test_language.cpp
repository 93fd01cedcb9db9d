// The program in another language: the choice kept in the settings or taken
// from the system's locale, the catalogue built in, the window built again in
// the new language with what was typed, a text without a translation left in
// English.

#include "core/entries/key_filters.h"
#include "core/entries/validation.h"
#include "core/chart_files/chart_file.h"
#include "core/words/language_keys.h"
#include "core/zones/time_zones.h"
#include "places/birthplace_time.h"
#include "places/zone_moment.h"
#include "tests/core/fixtures.h"
#include "windows/core_messages.h"
#include "ui_helpers.h"
#include "windows/input_panel.h"
#include "windows/program_language.h"
#include "windows/program_settings.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace rashi {
namespace {

bool HasDevanagari(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x0900 && c.unicode() <= 0x097F)
            return true;
    return false;
}

bool HasLatinLetter(const QString& text)
{
    for (const QChar c : text)
        if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            return true;
    return false;
}

// Types text a keyboard of any script gives: one key event per character.
void TypeText(QWidget* box, const QString& text)
{
    box->setFocus();
    for (const char32_t code : text.toUcs4()) {
        const QString one = QString::fromUcs4(&code, 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, one);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, one);
        QApplication::sendEvent(box, &release);
    }
}

QMenu* TopMenu(const QMainWindow& window, const char* name)
{
    for (QAction* action : window.menuBar()->actions())
        if (action->menu() && action->menu()->objectName() == QLatin1String(name))
            return action->menu();
    qFatal("no menu %s", name);
    return nullptr;
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir config_;
    std::unique_ptr<testing::UiRecorder> dialogs_;
    std::unique_ptr<frmMain> window_;

public:
    TestLanguage() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path())); }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Tarvek"));
        QCoreApplication::setApplicationName(QStringLiteral("Rashi Drishti"));
    }

    void cleanup()
    {
        window_.reset();
        ProgramSettings().remove(kLanguageKey);
        InstallLanguage(Language::English);
    }

    // The choice made before wins; without one, the locale decides; a
    // choice the program does not know is no choice.
    void chosenLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("expected");
        QTest::newRow("Hindi system") << QString() << "hi_IN" << int(Language::Hindi);
        QTest::newRow("English system") << QString() << "en_GB" << int(Language::English);
        QTest::newRow("German system") << QString() << "de_DE" << int(Language::English);
        QTest::newRow("English chosen on a Hindi system") << "en" << "hi_IN" << int(Language::English);
        QTest::newRow("Hindi chosen on an English system") << "hi" << "en_US" << int(Language::Hindi);
        QTest::newRow("unknown choice") << "xx" << "hi_IN" << int(Language::Hindi);
    }
    void chosenLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QString, locale);
        QFETCH(int, expected);
        if (stored.isEmpty())
            ProgramSettings().remove(kLanguageKey);
        else
            ProgramSettings().setValue(kLanguageKey, stored);
        QCOMPARE(int(ChosenLanguage(locale)), expected);
    }

    // The catalogue is in the program; what it lacks comes back in English.
    void catalogueAndFallback()
    {
        QVERIFY(InstallLanguage(Language::Hindi));
        QCOMPARE(InstalledLanguage(), Language::Hindi);
        const QString file = QCoreApplication::translate("rashi::frmMain", "&File");
        QVERIFY2(HasDevanagari(file), qPrintable(file));
        QCOMPARE(QCoreApplication::translate("rashi::frmMain", "A text no catalogue holds"),
                 QStringLiteral("A text no catalogue holds"));
        QCOMPARE(QCoreApplication::translate("no::SuchContext", "&File"), QStringLiteral("&File"));
        QVERIFY(InstallLanguage(Language::English));
        QCOMPARE(QCoreApplication::translate("rashi::frmMain", "&File"), QStringLiteral("&File"));
    }

    // Every refusal the core can give reaches a Hindi reader in Hindi.
    void coreMessagesInHindi()
    {
        InstallLanguage(Language::Hindi);
        using Change = void (*)(Entries&);
        const Change changes[] = {
            [](Entries& e) { e.Name.clear(); },
            [](Entries& e) { e.LatDeg.clear(); },
            [](Entries& e) { e.LatMin.clear(); },
            [](Entries& e) { e.LonDeg.clear(); },
            [](Entries& e) { e.LonMin.clear(); },
            [](Entries& e) { e.City.clear(); },
            [](Entries& e) { e.State.clear(); },
            [](Entries& e) { e.Country.clear(); },
            [](Entries& e) { e.North = e.South = false; },
            [](Entries& e) { e.East = e.West = false; },
            [](Entries& e) { e.LatDeg = "91"; },
            [](Entries& e) { e.LatMin = "60"; },
            [](Entries& e) { e.LonDeg = "181"; },
            [](Entries& e) { e.LonMin = "60"; },
            [](Entries& e) { e.MonthPosition = 1; e.DatePosition = 30; },
            [](Entries& e) { e.MonthPosition = 3; e.DatePosition = 30; },
        };
        QStringList seen;
        for (const Change change : changes) {
            Entries entries = testing::GreenwichNoon();
            change(entries);
            const std::optional<Refusal> refusal = ValidateInput(entries);
            QVERIFY(refusal);
            const QString shown = CoreMessage(refusal->message);
            QVERIFY2(HasDevanagari(shown), refusal->message.data());
            seen << shown;
        }
        for (const std::string_view message : {kLetterFilter.message, kDigitFilter.message, kChartFileRefused})
            QVERIFY2(HasDevanagari(CoreMessage(message)), message.data());
        InstallLanguage(Language::English);
        QCOMPARE(CoreMessage(kChartFileRefused), QStringLiteral("Please Check The File."));
    }

    // The notes on a birth's zone in Hindi: every kind of moment, and the
    // zone list's own row names (English in the list) the only Latin left
    // but the zone ids and offsets.
    void zoneNotesInHindi()
    {
        using namespace rashi::places;
        struct Case {
            const char* zone;
            QDate date;
            QTime time;
            int longitudeMinutes;
        };
        const Case cases[] = {
            {"Asia/Kolkata", QDate(2000, 1, 1), QTime(12, 0), 73 * 60 + 51},  // standard time
            {"Asia/Kolkata", QDate(1943, 6, 1), QTime(12, 0), 88 * 60 + 22},  // war time
            {"Asia/Kathmandu", QDate(1910, 6, 1), QTime(12, 0), 85 * 60 + 19}, // local mean time
            {"America/New_York", QDate(2010, 11, 7), QTime(1, 30), -74 * 60},  // twice
            {"America/New_York", QDate(2010, 3, 14), QTime(2, 30), -74 * 60},  // never
            {"Etc/GMT+5", QDate(2000, 1, 1), QTime(12, 0), 0},                 // no place
        };
        for (const Language language : {Language::Hindi, Language::English}) {
            InstallLanguage(language);
            for (const Case& c : cases) {
                const ZoneMoment moment = AtBirthplace(ZoneAtMoment(QString::fromLatin1(c.zone), c.date, c.time),
                                                       {QString(), 0.0, c.longitudeMinutes});
                QString note = ExplainZone(moment);
                QVERIFY2(!note.isEmpty(), c.zone);
                QCOMPARE(HasDevanagari(note), language == Language::Hindi);
                // What may stay Latin: the zone id, the offsets, the list's rows.
                note.remove(QString::fromLatin1(c.zone)).remove(QRegularExpression(QStringLiteral("UTC[-+0-9:]*")));
                for (int row = 0; row < kTimeZoneCount; ++row)
                    note.remove(ZoneRowName(row));
                if (language == Language::Hindi)
                    for (const char* english : {"time", "on ", "never", "twice", "clock", "saving", "zone", "list", "Jun", "Nov", "Mar"})
                        QVERIFY2(!note.contains(QLatin1String(english)), qPrintable(note));
            }
        }
    }

    // Started in Hindi: menus and the controls' names for screen readers
    // are in Devanagari.
    void windowStartsInHindi()
    {
        InstallLanguage(Language::Hindi);
        QVERIFY(testing::ShowFreshWindow(dialogs_, window_));
        const QString file = TopMenu(*window_, "mnuFile")->title();
        QVERIFY2(HasDevanagari(file), qPrintable(file));
        for (const char* box : {"txtName", "txtCity", "txtState", "txtCountry"}) {
            // As a screen reader reads it: the box's caption names it.
            QAccessibleInterface* reader =
                QAccessible::queryAccessibleInterface(testing::Child<QLineEdit>(*window_, QString::fromLatin1(box)));
            QVERIFY(reader);
            const QString name = reader->text(QAccessible::Name);
            QVERIFY2(HasDevanagari(name) && !HasLatinLetter(name), qPrintable(name));
        }
        const QString calculate = testing::Child<QPushButton>(*window_, QStringLiteral("cmdCalculate"))->text();
        QVERIFY2(HasDevanagari(calculate), qPrintable(calculate));
    }

    // Options > Language: the window speaks the new language at once, with
    // what was typed and the reading on show kept; the choice is remembered.
    void changeKeepsWhatIsTyped()
    {
        QVERIFY(testing::ShowFreshWindow(dialogs_, window_));
        testing::Birth birth;
        birth.name = QStringLiteral("Ada");
        birth.year = 2000;
        birth.hour = 12;
        birth.zoneRow = 29;
        birth.latDeg = QStringLiteral("51");
        birth.latMin = QStringLiteral("28");
        birth.lonDeg = QStringLiteral("0");
        birth.lonMin = QStringLiteral("0");
        birth.city = QStringLiteral("Pune");
        birth.state = QStringLiteral("Maharashtra");
        birth.country = QStringLiteral("India");
        testing::EnterBirth(*window_, birth);
        // Names in Devanagari, typed key by key, conjuncts and vowel signs too.
        for (const char* box : {"txtName", "txtCity"}) {
            auto* edit = testing::Child<QLineEdit>(*window_, QString::fromLatin1(box));
            edit->clear();
        }
        birth.name = QStringLiteral("श्री राम");
        birth.city = QStringLiteral("पुणे");
        TypeText(testing::Child<QLineEdit>(*window_, QStringLiteral("txtName")), birth.name);
        TypeText(testing::Child<QLineEdit>(*window_, QStringLiteral("txtCity")), birth.city);
        QVERIFY(dialogs_->messages.isEmpty());
        QCOMPARE(testing::Child<QLineEdit>(*window_, QStringLiteral("txtName"))->text(), birth.name);
        window_->calculate();
        QVERIFY(window_->resultsInFront());
        QCOMPARE(window_->driver().report().lblPlanets[0], std::string("Sun / Surya"));

        QAction* hindi = window_->findChild<QAction*>(QStringLiteral("mnuLanguage_hi"));
        QVERIFY(hindi);
        hindi->trigger();
        QTRY_COMPARE(InstalledLanguage(), Language::Hindi);
        QTRY_VERIFY(HasDevanagari(TopMenu(*window_, "mnuFile")->title()));
        QCOMPARE(window_->driver().report().lblPlanets[0], std::string("सूर्य"));
        QVERIFY(window_->resultsInFront());
        QCOMPARE(ProgramSettings().value(kLanguageKey).toString(), QStringLiteral("hi"));
        const Entries kept = window_->entries();
        QCOMPARE(QString::fromStdString(kept.Name), birth.name);
        QCOMPARE(QString::fromStdString(kept.City), birth.city);
        QCOMPARE(QString::fromStdString(kept.LatDeg), birth.latDeg);
        QCOMPARE(kept.YearPosition, 2000 - 1901);
        // One File menu, not the English one beside the Hindi.
        int fileMenus = 0;
        for (QAction* action : window_->menuBar()->actions())
            fileMenus += action->menu() && action->menu()->objectName() == QLatin1String("mnuFile");
        QCOMPARE(fileMenus, 1);

        window_->findChild<QAction*>(QStringLiteral("mnuLanguage_en"))->trigger();
        QTRY_COMPARE(TopMenu(*window_, "mnuFile")->title(), QStringLiteral("&File"));
        QCOMPARE(window_->driver().report().lblPlanets[0], std::string("Sun / Surya"));
        QCOMPARE(QString::fromStdString(window_->entries().Name), birth.name);
    }
};

} // namespace rashi

QTEST_MAIN(rashi::TestLanguage)
#include "test_language.moc"
