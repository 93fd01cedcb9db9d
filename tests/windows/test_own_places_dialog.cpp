// File > Places...: the user's own places added, edited and removed through
// the dialog, each change in the file and in the City box's offer at once;
// refusals and file problems said, with nothing typed and nothing kept lost;
// the zone of the atlas's nearest place offered for the coordinates typed.
// Each test has a places file of its own.

#include "recording_dialogs.h"
#include "ui_helpers.h"

#include "places/own_places.h"
#include "windows/main_window.h"
#include "windows/own_places_dialog.h"
#include "windows/place_finder.h"

#include <QAction>
#include <QCompleter>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace rashi;
using namespace rashi::testing;

namespace {

// A place as the user types it into the form.
struct Typed {
    QString name, state, country, latitude;
    bool south = false;
    QString longitude;
    bool west = false;
    QString zone; // empty: the zone offered is kept
};

const Typed kOzarkhed{QStringLiteral("Ozarkhed"), QStringLiteral("Maharashtra"), QStringLiteral("India"),
                      QStringLiteral("20.0833"), false, QStringLiteral("73.9167"), false, QString()};

places::Place Ozarkhed()
{
    places::Place place;
    place.name = QStringLiteral("Ozarkhed");
    place.state = QStringLiteral("Maharashtra");
    place.country = QStringLiteral("India");
    place.latitude = 20.0833;
    place.longitude = 73.9167;
    place.zoneId = QStringLiteral("Asia/Kolkata");
    place.own = true;
    return place;
}

QByteArray Bytes(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Pick(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace

Q_DECLARE_METATYPE(Typed)

class TestOwnPlacesDialog : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder;
    QString file; // the places file of this test
    std::unique_ptr<UiRecorder> dialogs;
    std::unique_ptr<frmMain> window;

    std::vector<places::Place> kept() { return places::OwnPlaces(file).All(); }

    OwnPlacesDialog* openPlaces()
    {
        Child<QAction>(*window, QStringLiteral("mnuPlaces"))->trigger();
        auto* dialog = window->findChild<OwnPlacesDialog*>();
        // Opening it loads the atlas, for the nearest place's zone.
        if (!QTest::qWaitFor([] { return SharedAtlas() != nullptr; }, 10000))
            return nullptr;
        return dialog && dialog->isVisible() ? dialog : nullptr;
    }

    // The Add form opened from the dialog and filled in; null when it did not open.
    static OwnPlaceForm* addForm(const OwnPlacesDialog& dialog, const Typed& typed)
    {
        Click(dialog, "cmdAddPlace");
        OwnPlaceForm* form = openForm(dialog);
        if (form)
            fill(*form, typed);
        return form;
    }

    // The Add or Edit form now open over the dialog.
    static OwnPlaceForm* openForm(const OwnPlacesDialog& dialog)
    {
        for (OwnPlaceForm* form : dialog.findChildren<OwnPlaceForm*>())
            if (form->isVisible())
                return form;
        return nullptr;
    }

    static void fill(const OwnPlaceForm& form, const Typed& typed)
    {
        TypeInto(form, "txtPlaceName", typed.name);
        TypeInto(form, "txtPlaceState", typed.state);
        TypeInto(form, "txtPlaceCountry", typed.country);
        TypeInto(form, "txtPlaceLatitude", typed.latitude);
        Pick(Child<QComboBox>(form, QStringLiteral("cboPlaceLatDirection")), typed.south ? 1 : 0);
        TypeInto(form, "txtPlaceLongitude", typed.longitude);
        Pick(Child<QComboBox>(form, QStringLiteral("cboPlaceLonDirection")), typed.west ? 1 : 0);
        if (!typed.zone.isNull())
            Child<QComboBox>(form, QStringLiteral("cboPlaceZone"))->setEditText(typed.zone);
    }

    static void selectRow(const OwnPlacesDialog& dialog, int row)
    {
        auto* list = Child<QTableWidget>(dialog, QStringLiteral("lstPlaces"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row, 0)).center());
    }

    // The labels the City box offers for what is typed, the user's marked.
    QStringList offered(const QString& typed)
    {
        TypeInto(*window, "txtCity", typed);
        QStringList labels;
        for (const places::Place& place :
             Child<QLineEdit>(*window, QStringLiteral("txtCity"))->findChild<PlaceFinder*>()->offered())
            labels << (place.own ? place.Label() + QStringLiteral(" (yours)") : place.Label());
        return labels;
    }

private slots:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        file = folder->filePath(QStringLiteral("places/own.sqlite"));
        qputenv("RASHI_OWN_PLACES", QFile::encodeName(file));
        QVERIFY(ShowFreshWindow(dialogs, window));
    }
    void cleanup()
    {
        window.reset();
        dialogs.reset();
        qunsetenv("RASHI_OWN_PLACES");
        folder.reset();
    }

    void aPlaceAddedIsInTheFileTheListAndTheCityBox()
    {
        QVERIFY(!offered(QStringLiteral("Ozark")).contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        QVERIFY(Child<QLabel>(*dialog, QStringLiteral("lblNoPlaces"))->isVisibleTo(dialog));
        OwnPlaceForm* form = addForm(*dialog, kOzarkhed);
        QVERIFY(form);
        QCOMPARE(Child<QComboBox>(*form, QStringLiteral("cboPlaceZone"))->currentText(), QStringLiteral("Asia/Kolkata"));
        Click(*form, "cmdSavePlace");

        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(QLatin1Char('\n'))));
        QVERIFY(!openForm(*dialog));
        QCOMPARE(kept(), std::vector<places::Place>{Ozarkhed()});
        auto* list = Child<QTableWidget>(*dialog, QStringLiteral("lstPlaces"));
        QCOMPARE(list->rowCount(), 1);
        const QStringList row{list->item(0, 0)->text(), list->item(0, 1)->text(), list->item(0, 2)->text(),
                              list->item(0, 3)->text(), list->item(0, 4)->text(), list->item(0, 5)->text()};
        QCOMPARE(row, (QStringList{"Ozarkhed", "Maharashtra", "India", "20.0833° N", "73.9167° E", "Asia/Kolkata"}));
        QVERIFY(!Child<QLabel>(*dialog, QStringLiteral("lblNoPlaces"))->isVisibleTo(dialog));

        Click(*dialog, "cmdClosePlaces");
        QVERIFY(!dialog->isVisible());
        QVERIFY(offered(QStringLiteral("Ozark")).contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
        // Mistyped, it is among the guesses.
        QVERIFY(offered(QStringLiteral("Ozarkhde")).contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
    }

    void anEditedPlaceTakesTheOldOnesPlace()
    {
        QVERIFY(places::OwnPlaces(file).Add(Ozarkhed(), nullptr));
        QVERIFY(offered(QStringLiteral("Ozar")).contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        QVERIFY(!Child<QPushButton>(*dialog, QStringLiteral("cmdEditPlace"))->isEnabled()); // nothing chosen
        selectRow(*dialog, 0);
        Click(*dialog, "cmdEditPlace");
        OwnPlaceForm* form = openForm(*dialog);
        QVERIFY(form);
        // The form holds the place as kept.
        QCOMPARE(Child<QLineEdit>(*form, QStringLiteral("txtPlaceName"))->text(), QStringLiteral("Ozarkhed"));
        QCOMPARE(Child<QLineEdit>(*form, QStringLiteral("txtPlaceLatitude"))->text(), QStringLiteral("20.0833"));
        QCOMPARE(Child<QLineEdit>(*form, QStringLiteral("txtPlaceLongitude"))->text(), QStringLiteral("73.9167"));
        QCOMPARE(Child<QComboBox>(*form, QStringLiteral("cboPlaceZone"))->currentText(), QStringLiteral("Asia/Kolkata"));

        Typed moved = kOzarkhed;
        moved.name = QStringLiteral("Ozar Khurd");
        moved.longitude = QStringLiteral("73.95");
        fill(*form, moved);
        Click(*form, "cmdSavePlace");

        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(QLatin1Char('\n'))));
        places::Place edited = Ozarkhed();
        edited.name = QStringLiteral("Ozar Khurd");
        edited.longitude = 73.95;
        QCOMPARE(kept(), std::vector<places::Place>{edited});
        QCOMPARE(Child<QTableWidget>(*dialog, QStringLiteral("lstPlaces"))->item(0, 0)->text(),
                 QStringLiteral("Ozar Khurd"));
        Click(*dialog, "cmdClosePlaces");
        const QStringList offers = offered(QStringLiteral("Ozar"));
        QVERIFY(offers.contains(QStringLiteral("Ozar Khurd, Maharashtra, India (yours)")));
        QVERIFY(!offers.contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
    }

    void removingAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes: gone") << true;
        QTest::newRow("no: kept") << false;
    }
    void removingAsksFirst()
    {
        QFETCH(bool, yes);
        QVERIFY(places::OwnPlaces(file).Add(Ozarkhed(), nullptr));
        QVERIFY(offered(QStringLiteral("Ozark")).contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        selectRow(*dialog, 0);
        dialogs->answerYes = yes;
        Click(*dialog, "cmdRemovePlace");

        QCOMPARE(dialogs->questions, QStringList{"Remove Ozarkhed, Maharashtra, India from your places?"});
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(kept().size(), yes ? 0u : 1u);
        QCOMPARE(Child<QTableWidget>(*dialog, QStringLiteral("lstPlaces"))->rowCount(), yes ? 0 : 1);
        Click(*dialog, "cmdClosePlaces");
        QCOMPARE(offered(QStringLiteral("Ozark")).contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")), !yes);
    }

    // A place the file may not hold: said, the form stays with what was
    // typed, nothing is kept.
    void aRefusedPlaceIsSaidAndNothingKept_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("message");
        Typed t = kOzarkhed;
        t.latitude = QStringLiteral("95");
        t.zone = QStringLiteral("Asia/Kolkata"); // none is offered so far north
        QTest::newRow("latitude past the pole")
            << t << "The latitude must lie between 90 degrees south and 90 degrees north";
        t = kOzarkhed;
        t.longitude = QStringLiteral("180.5");
        t.west = true;
        t.zone = QStringLiteral("Asia/Kolkata");
        QTest::newRow("longitude past 180") << t << "The longitude must lie between 180 degrees west and 180 degrees east";
        t = kOzarkhed;
        t.latitude = QStringLiteral(".");
        QTest::newRow("latitude not a number") << t << "Please enter the latitude in degrees, for example 18.5204.";
        t = kOzarkhed;
        t.longitude = QString(QLatin1String(""));
        QTest::newRow("no longitude") << t << "Please enter the longitude in degrees, for example 73.8567.";
        t = kOzarkhed;
        t.zone = QString(QLatin1String(""));
        QTest::newRow("no zone") << t << "Please choose the time zone from the list.";
        t = kOzarkhed;
        t.zone = QStringLiteral("Etc/GMT-5");
        QTest::newRow("a zone of no place") << t << "Unknown time zone \"Etc/GMT-5\"";
        t = kOzarkhed;
        t.country = QString(QLatin1String(""));
        QTest::newRow("no country") << t << "Please Enter The Country";
    }
    void aRefusedPlaceIsSaidAndNothingKept()
    {
        QFETCH(Typed, typed);
        QFETCH(QString, message);
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        OwnPlaceForm* form = addForm(*dialog, typed);
        QVERIFY(form);
        Click(*form, "cmdSavePlace");

        QCOMPARE(dialogs->texts(), QStringList{message});
        QCOMPARE(openForm(*dialog), form);
        QCOMPARE(Child<QLineEdit>(*form, QStringLiteral("txtPlaceLatitude"))->text(), typed.latitude);
        QCOMPARE(Child<QLineEdit>(*form, QStringLiteral("txtPlaceCountry"))->text(), typed.country);
        QVERIFY(kept().empty());
        QCOMPARE(Child<QTableWidget>(*dialog, QStringLiteral("lstPlaces"))->rowCount(), 0);
    }

    // Digits never reach the name: typed, the box refuses them with its
    // message; arriving by another way, the check does.
    void digitsInTheNameAreRefused()
    {
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        OwnPlaceForm* form = addForm(*dialog, kOzarkhed);
        QVERIFY(form);
        auto* name = Child<QLineEdit>(*form, QStringLiteral("txtPlaceName"));
        QTest::keyClicks(name, QStringLiteral("2"));
        QCOMPARE(name->text(), QStringLiteral("Ozarkhed"));
        QCOMPARE(dialogs->texts(), QStringList{"Please enter only letters"});

        name->setText(QStringLiteral("Ozarkhed 2"));
        Click(*form, "cmdSavePlace");
        QCOMPARE(dialogs->texts(), (QStringList{"Please enter only letters", "Please enter only letters"}));
        QCOMPARE(openForm(*dialog), form);
        QCOMPARE(name->text(), QStringLiteral("Ozarkhed 2"));
        QVERIFY(kept().empty());
    }

    // A file that cannot take the change: its sentence said, the form kept,
    // the file's bytes as they were.
    void aFileThatRefusesLosesNothing_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only") << false << "is read-only";
        QTest::newRow("damaged") << true << "is damaged";
    }
    void aFileThatRefusesLosesNothing()
    {
        QFETCH(bool, damaged);
        QFETCH(QString, reason);
        places::Place other = Ozarkhed();
        other.name = QStringLiteral("Ozar");
        QVERIFY(places::OwnPlaces(file).Add(other, nullptr));
        if (damaged) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadWrite));
            f.seek(0);
            f.write(QByteArray(100, 'x'));
        }
        else {
            QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }
        const QByteArray before = Bytes(file);

        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        // A damaged file is said as the list is read; a read-only one is listed.
        QCOMPARE(dialogs->messages.size(), damaged ? 1 : 0);
        if (damaged)
            QVERIFY(dialogs->messages[0].detail.contains(reason));
        QCOMPARE(Child<QTableWidget>(*dialog, QStringLiteral("lstPlaces"))->rowCount(), damaged ? 0 : 1);
        dialogs->messages.clear();

        OwnPlaceForm* form = addForm(*dialog, kOzarkhed);
        QVERIFY(form);
        Click(*form, "cmdSavePlace");
        QCOMPARE(dialogs->texts(), QStringList{"The place was not saved."});
        QVERIFY2(dialogs->messages[0].detail.contains(reason), qPrintable(dialogs->messages[0].detail));
        QCOMPARE(openForm(*dialog), form);
        QCOMPARE(Child<QLineEdit>(*form, QStringLiteral("txtPlaceName"))->text(), QStringLiteral("Ozarkhed"));
        QCOMPARE(Bytes(file), before);
        QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // The zone of the atlas's nearest place is offered for the coordinates
    // typed, the directions counted; the user may choose another.
    void theNearestPlacesZoneIsOffered_data()
    {
        QTest::addColumn<Typed>("typed");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("note");
        QTest::newRow("near Pune") << Typed{"Khed", "", "India", "18.6", false, "73.9", false, {}} << "Asia/Kolkata"
                                   << "Maharashtra, India";
        QTest::newRow("near London, west") << Typed{"Acton", "", "England", "51.51", false, "0.27", true, {}}
                                           << "Europe/London" << "United Kingdom";
        QTest::newRow("near New York, west") << Typed{"Hamlet", "", "America", "40.8", false, "73.9", true, {}}
                                             << "America/New_York" << "United States";
        QTest::newRow("near Buenos Aires, south and west")
            << Typed{"Villa", "", "Argentina", "34.6", true, "58.4", true, {}} << "America/Argentina/Buenos_Aires"
            << "Argentina";
        QTest::newRow("mid-Atlantic: none offered")
            << Typed{"Sea", "", "Ocean", "30", false, "40", true, {}} << "" << "No place of the atlas lies near";
    }
    void theNearestPlacesZoneIsOffered()
    {
        QFETCH(Typed, typed);
        QFETCH(QString, zone);
        QFETCH(QString, note);
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        OwnPlaceForm* form = addForm(*dialog, typed);
        QVERIFY(form);
        auto* zones = Child<QComboBox>(*form, QStringLiteral("cboPlaceZone"));
        QCOMPARE(zones->currentText(), zone);
        const QString said = Child<QLabel>(*form, QStringLiteral("lblPlaceZoneNote"))->text();
        QVERIFY2(said.contains(note), qPrintable(said));
        if (zone.isEmpty())
            return;

        // Another zone chosen after the offer is the one kept, though a
        // coordinate is corrected afterwards.
        zones->setEditText(QStringLiteral("Asia/Dubai"));
        TypeInto(*form, "txtPlaceLatitude", typed.latitude + QStringLiteral("1"));
        TypeInto(*form, "txtPlaceLongitude", typed.longitude + QStringLiteral("2"));
        QCOMPARE(zones->currentText(), QStringLiteral("Asia/Dubai"));
        QVERIFY2(Child<QLabel>(*form, QStringLiteral("lblPlaceZoneNote"))->text().contains(QStringLiteral("stays")),
                 qPrintable(Child<QLabel>(*form, QStringLiteral("lblPlaceZoneNote"))->text()));
        Click(*form, "cmdSavePlace");
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(QLatin1Char('\n'))));
        QCOMPARE(kept().size(), 1u);
        QCOMPARE(kept()[0].zoneId, QStringLiteral("Asia/Dubai"));
    }

    // A place south and west of the meridians is shown so in the form, its
    // zone (the user's) kept when a coordinate is corrected, and saved so.
    void aSouthernWesternPlaceIsEditedAsItIs()
    {
        places::Place villa = Ozarkhed();
        villa.name = QStringLiteral("Villa");
        villa.state.clear();
        villa.country = QStringLiteral("Argentina");
        villa.latitude = -34.6;
        villa.longitude = -58.4;
        villa.zoneId = QStringLiteral("America/Argentina/Cordoba"); // not the nearest place's
        QVERIFY(places::OwnPlaces(file).Add(villa, nullptr));
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        selectRow(*dialog, 0);
        Click(*dialog, "cmdEditPlace");
        OwnPlaceForm* form = openForm(*dialog);
        QVERIFY(form);
        QCOMPARE(Child<QComboBox>(*form, QStringLiteral("cboPlaceLatDirection"))->currentText(), QStringLiteral("South"));
        QCOMPARE(Child<QComboBox>(*form, QStringLiteral("cboPlaceLonDirection"))->currentText(), QStringLiteral("West"));
        QCOMPARE(Child<QLineEdit>(*form, QStringLiteral("txtPlaceLatitude"))->text(), QStringLiteral("34.6"));
        TypeInto(*form, "txtPlaceLatitude", QStringLiteral("34.65"));
        QCOMPARE(Child<QComboBox>(*form, QStringLiteral("cboPlaceZone"))->currentText(), villa.zoneId);
        Click(*form, "cmdSavePlace");
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(QLatin1Char('\n'))));
        villa.latitude = -34.65;
        QCOMPARE(kept(), std::vector<places::Place>{villa});
    }

    // Places that cannot be read are not passed over: the City box's list
    // says so in its last row, and offers the atlas's still.
    void unreadablePlacesAreSaidInTheCityBox()
    {
        QVERIFY(places::OwnPlaces(file).Add(Ozarkhed(), nullptr));
        QVERIFY(offered(QStringLiteral("Ozar")).contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
        QFile damaged(file);
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(8192, 'x'));
        damaged.close();
        const QStringList offers = offered(QStringLiteral("Ozar"));
        QVERIFY(!offers.isEmpty());
        QVERIFY(!offers.contains(QStringLiteral("Ozarkhed, Maharashtra, India (yours)")));
        auto* finder = Child<QLineEdit>(*window, QStringLiteral("txtCity"))->findChild<PlaceFinder*>();
        QVERIFY2(finder->ownPlacesTrouble().contains(QStringLiteral("is damaged")), qPrintable(finder->ownPlacesTrouble()));
        auto* list = finder->findChild<QCompleter*>()->model();
        const QString last = list->index(list->rowCount() - 1, 0).data().toString();
        QVERIFY2(last.startsWith(QStringLiteral("(Your places could not be read: Your places file")), qPrintable(last));
    }

    // The zone list holds the zones that name a place, and only those.
    void theZoneListNamesPlaces()
    {
        OwnPlacesDialog* dialog = openPlaces();
        QVERIFY(dialog);
        Click(*dialog, "cmdAddPlace");
        OwnPlaceForm* form = openForm(*dialog);
        QVERIFY(form);
        auto* zones = Child<QComboBox>(*form, QStringLiteral("cboPlaceZone"));
        for (const char* id : {"Asia/Kolkata", "Europe/London", "America/Argentina/Salta"})
            QVERIFY2(zones->findText(QString::fromLatin1(id)) >= 0, id);
        for (const char* id : {"UTC", "Etc/GMT+5", "Factory", "localtime"})
            QVERIFY2(zones->findText(QString::fromLatin1(id)) < 0, id);
    }
};

QTEST_MAIN(TestOwnPlacesDialog)
#include "test_own_places_dialog.moc"
