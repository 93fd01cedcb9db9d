// The user's own places: kept in their file through everything the world
// does to it (another program's file, damage, a read-only file or disk, a
// full disk, the report tool writing while the window reads), and found with
// the atlas's places.

#include "places/birth_zone.h"
#include "places/kept_own_places.h"
#include "places/own_places.h"
#include "places/place_search.h"

#include "atlas_fixture.h"
#include "qt_printing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace rashi::places {
namespace {

Place Village(const char* name, const char* state = "Maharashtra", const char* country = "India") {
    Place p;
    p.name = QString::fromUtf8(name);
    p.state = QString::fromUtf8(state);
    p.country = QString::fromUtf8(country);
    p.latitude = 18.25;
    p.longitude = 73.5;
    p.zoneId = QStringLiteral("Asia/Kolkata");
    p.own = true;
    return p;
}

QByteArray Bytes(const QString& path) {
    if (!QFileInfo(path).isFile()) return "not a file";
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void Sql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::vector<QString> Labels(const std::vector<Place>& places) {
    std::vector<QString> labels;
    for (const Place& p : places) labels.push_back(p.Label());
    return labels;
}

TEST(OwnPlaces, AddedPlacesAreFoundEditedAndRemoved) {
    QTemporaryDir dir;
    // The folder is made when the first place is added.
    OwnPlaces own(dir.filePath(QStringLiteral("data/rashi-drishti/own-places.sqlite")));
    QString error;
    EXPECT_TRUE(own.All(&error).empty());
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    for (const char* name : {"Pimpalgaon", "Pimpri Khurd", "Ozar"})
        ASSERT_TRUE(own.Add(Village(name), &error)) << error.toStdString();
    EXPECT_EQ(Labels(own.All()), (std::vector<QString>{u"Ozar, Maharashtra, India"_qs, u"Pimpalgaon, Maharashtra, India"_qs,
                                                       u"Pimpri Khurd, Maharashtra, India"_qs}));
    EXPECT_EQ(own.All().front(), Village("Ozar"));

    struct Case {
        const char* typed;
        std::vector<const char*> names;
    } cases[] = {
        {"pim", {"Pimpalgaon", "Pimpri Khurd"}},
        {"PIMPRI KHURD", {"Pimpri Khurd"}},
        {"Pimpri, Maharashtra", {"Pimpri Khurd"}},
        {"Pimpri, India", {"Pimpri Khurd"}},
        {"Pimpri, Gujarat", {}},
        {"ozar, ma, in", {"Ozar"}},
        {"z", {}},
    };
    for (const Case& c : cases) {
        std::vector<QString> expected;
        for (const char* name : c.names) expected.push_back(Village(name).Label());
        EXPECT_EQ(Labels(own.Search(QString::fromUtf8(c.typed), 10)), expected) << c.typed;
    }

    // The same label twice (in any case) is refused, and the first one kept.
    EXPECT_FALSE(own.Add(Village("OZAR", "maharashtra", "india"), &error));
    EXPECT_EQ(error, u"You already have a place named OZAR, maharashtra, india."_qs);
    Place moved = Village("Ozar");
    moved.latitude = 20.1;
    ASSERT_TRUE(own.Replace(u"Ozar, Maharashtra, India"_qs, moved, &error)) << error.toStdString();
    EXPECT_EQ(own.Search(u"Ozar", 1).at(0).latitude, 20.1);
    EXPECT_FALSE(own.Replace(u"Nashik, Maharashtra, India"_qs, moved, &error));
    EXPECT_EQ(error, u"None of your places is named Nashik, Maharashtra, India."_qs);
    ASSERT_TRUE(own.Remove(u"pimpalgaon, maharashtra, india"_qs, &error)) << error.toStdString();
    EXPECT_FALSE(own.Remove(u"Pimpalgaon, Maharashtra, India"_qs, &error));
    EXPECT_EQ(Labels(own.All()), (std::vector<QString>{u"Ozar, Maharashtra, India"_qs, u"Pimpri Khurd, Maharashtra, India"_qs}));
}

TEST(OwnPlaces, OnlyAPlaceTheBoxesWouldTakeIsAdded) {
    struct Case {
        const char* what;
        std::function<void(Place&)> change;
        const char* message;
    } cases[] = {
        {"digits in the name", [](Place& p) { p.name = u"Ozar 2"_qs; }, "Please enter only letters"},
        {"a comma in the state", [](Place& p) { p.state = u"Nashik, Maharashtra"_qs; }, "Please enter only letters"},
        {"no name", [](Place& p) { p.name = u"  "_qs; }, "Please Enter The City"},
        {"no country", [](Place& p) { p.country.clear(); }, "Please Enter The Country"},
        {"latitude beyond the pole", [](Place& p) { p.latitude = 90.5; },
         "The latitude must lie between 90 degrees south and 90 degrees north"},
        {"latitude beyond the south pole", [](Place& p) { p.latitude = -90.01; },
         "The latitude must lie between 90 degrees south and 90 degrees north"},
        {"longitude beyond the date line westward", [](Place& p) { p.longitude = -180.5; },
         "The longitude must lie between 180 degrees west and 180 degrees east"},
        {"a name longer than its box holds", [](Place& p) { p.name = QString(40000, QLatin1Char('a')); },
         "A name, state or country takes at most 32767 characters, as its box does"},
        {"a state longer than its box holds", [](Place& p) { p.state = QString(16384, QChar(0x0905)); },
         "A name, state or country takes at most 32767 characters, as its box does"},
        {"longitude not a number", [](Place& p) { p.longitude = std::nan(""); },
         "The longitude must lie between 180 degrees west and 180 degrees east"},
        {"a zone of no place", [](Place& p) { p.zoneId = u"Etc/GMT-5"_qs; }, "Unknown time zone \"Etc/GMT-5\""},
        {"a zone that is a path", [](Place& p) { p.zoneId = u"../../etc/passwd"_qs; },
         "Unknown time zone \"../../etc/passwd\""},
        {"a zone of 100,000 letters, shown cut", [](Place& p) { p.zoneId = QString(100000, QLatin1Char('z')); },
         "Unknown time zone \"zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz\u2026\""},
    };
    QTemporaryDir dir;
    OwnPlaces own(dir.filePath(QStringLiteral("own.sqlite")));
    for (const Case& c : cases) {
        Place place = Village("Ozar");
        c.change(place);
        QString error;
        EXPECT_FALSE(own.Add(place, &error)) << c.what;
        EXPECT_EQ(error, QString::fromUtf8(c.message)) << c.what;
    }
    EXPECT_FALSE(QFile::exists(own.path())); // nothing written for a refusal
    Place southWest = Village("Ozar", "", "Chile");
    southWest.latitude = -90;
    southWest.longitude = -180;
    southWest.zoneId = u"America/Santiago"_qs;
    QString error;
    EXPECT_TRUE(own.Add(southWest, &error)) << error.toStdString();
}

// Moves the test into a mount namespace of its own, where it may mount a
// small or read-only disk without touching the machine's.
bool PrivateMounts() {
    if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    return ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Whatever happens to the file, a refused change says why in a sentence,
// leaves the file's bytes as they were, and the places already there come
// back once the trouble is gone.
TEST(OwnPlaces, ATroubledFileRefusesTheChangeAndLosesNothing) {
    QTemporaryDir dir;
    const bool mounts = PrivateMounts();
    struct Case {
        const char* what;
        // Makes the trouble for the file at the path; returns what undoes it.
        std::function<std::function<void()>(const QString& path)> trouble;
        const char* message; // the sentence's start, after "Your places file PATH" or "The file PATH"
        bool readable;       // the places already there can still be read
    };
    sqlite3* holder = nullptr;
    const Case cases[] = {
        {"damaged: not a database at all",
         [](const QString& path) {
             const QByteArray kept = Bytes(path);
             WriteBytes(path, QByteArray(8192, 'x'));
             return std::function<void()>([=] { WriteBytes(path, kept); });
         },
         "is damaged; it is left as it is (move it away to start a new one). Nothing was changed.", false},
        {"damaged: its pages overwritten",
         [](const QString& path) {
             const QByteArray kept = Bytes(path);
             QByteArray broken = kept;
             for (qsizetype i = 100; i < broken.size(); ++i) broken[i] = char(0xA5);
             WriteBytes(path, broken);
             return std::function<void()>([=] { WriteBytes(path, kept); });
         },
         "is damaged; it is left as it is (move it away to start a new one). Nothing was changed.", false},
        {"foreign: another program's database",
         [](const QString& path) {
             const QByteArray kept = Bytes(path);
             QFile::remove(path);
             Sql(path, "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine')");
             return std::function<void()>([=] { WriteBytes(path, kept); });
         },
         "is not a places file of this program; it is left as it is.", false},
        {"read-only file",
         [](const QString& path) {
             QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
             return std::function<void()>(
                 [=] { QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner); });
         },
         "is read-only. Nothing was changed.", true},
        {"locked: another copy is writing",
         [&holder](const QString& path) {
             sqlite3_open(QFile::encodeName(path).constData(), &holder);
             sqlite3_exec(holder, "BEGIN EXCLUSIVE; DELETE FROM own_places", nullptr, nullptr, nullptr);
             return std::function<void()>([&holder] {
                 sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
                 sqlite3_close(holder);
             });
         },
         "is in use by another program; try again in a moment. Nothing was changed.", false},
        {"not a file but a pipe",
         [](const QString& path) {
             const QByteArray kept = Bytes(path);
             QFile::remove(path);
             ::mkfifo(QFile::encodeName(path).constData(), 0600);
             return std::function<void()>([=] {
                 QFile::remove(path);
                 WriteBytes(path, kept);
             });
         },
         "is not a regular file.", false},
    };
    const auto check = [](const QString& path, const char* what, const char* message, bool readable,
                          std::size_t kept = 1) {
        OwnPlaces own(path);
        const QByteArray before = Bytes(path);
        QString error;
        EXPECT_FALSE(own.Add(Village("Nandgaon"), &error)) << what;
        EXPECT_TRUE(error.endsWith(QString::fromUtf8(message))) << what << ": " << error.toStdString();
        EXPECT_TRUE(error.contains(path)) << what << ": " << error.toStdString();
        EXPECT_FALSE(own.Remove(Village("Ozar").Label(), &error)) << what;
        EXPECT_EQ(Bytes(path), before) << what;
        error.clear();
        EXPECT_EQ(own.All(&error).size(), readable ? kept : 0u) << what;
        EXPECT_EQ(error.isEmpty(), readable) << what << ": " << error.toStdString();
    };
    int number = 0;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("case%1/own-places.sqlite").arg(++number));
        OwnPlaces own(path);
        QString error;
        ASSERT_TRUE(own.Add(Village("Ozar"), &error)) << error.toStdString();
        const std::function<void()> undo = c.trouble(path);
        check(path, c.what, c.message, c.readable);
        undo();
        EXPECT_EQ(Labels(own.All(&error)), std::vector<QString>{Village("Ozar").Label()}) << c.what << ": " << error.toStdString();
        EXPECT_TRUE(own.Add(Village("Nandgaon"), &error)) << c.what << ": " << error.toStdString();
    }

    // A full disk and a read-only disk: real ones, mounted small in the
    // test's own mount namespace.
    if (!mounts) GTEST_SKIP() << "no mount namespace here for the full and read-only disks";
    const QString disk = dir.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=64k"), 0);
    const QString path = disk + QStringLiteral("/own-places.sqlite");
    OwnPlaces own(path);
    QString error;
    ASSERT_TRUE(own.Add(Village("Ozar"), &error)) << error.toStdString();
    {
        QFile filler(disk + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {}
    }
    Place big = Village("Nandgaon");
    big.state = QString(3000, QLatin1Char('a')); // more than the disk has left
    check(path, "full disk", "is full. Nothing was changed.", true);
    EXPECT_FALSE(own.Add(big, &error));
    QFile::remove(disk + QStringLiteral("/filler"));
    EXPECT_TRUE(own.Add(Village("Nandgaon"), &error)) << error.toStdString();

    ASSERT_EQ(::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    check(path, "read-only disk", "is read-only. Nothing was changed.", true, 2);
    EXPECT_EQ(own.All().size(), 2u);
    ::umount(QFile::encodeName(disk).constData());
}

// The report tool adding a place while the window reads: the reader sees the
// places as they were until the change is committed, then the new one, and
// is never refused for it.
TEST(OwnPlaces, AReaderSeesWholeChangesOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own.sqlite"));
    OwnPlaces window(path), tool(path);
    QString error;
    ASSERT_TRUE(tool.Add(Village("Ozar"), &error)) << error.toStdString();
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer,
                           "BEGIN IMMEDIATE; INSERT INTO own_places SELECT 'nandgaon', 'Nandgaon', state, country, "
                           "latitude, longitude, zone FROM own_places",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_EQ(Labels(window.Search(u"n", 10, &error)), std::vector<QString>{});
    EXPECT_EQ(window.All(&error).size(), 1u);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(sqlite3_exec(writer, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(writer);
    EXPECT_EQ(Labels(window.Search(u"n", 10, &error)), std::vector<QString>{Village("Nandgaon").Label()});
}

// With the atlas: the user's places come first and are marked; a whole name
// of the user's wins --place, but a village that merely begins with an
// atlas's name does not take its place.
TEST(OwnPlaces, OfferedBeforeTheAtlasAndFoundByPlace) {
    QTemporaryDir dir;
    OwnPlaces own(dir.filePath(QStringLiteral("own.sqlite")));
    QString error;
    ASSERT_TRUE(own.Add(Village("Punewadi"), &error)) << error.toStdString();
    ASSERT_TRUE(own.Add(Village("Ozarkhed"), &error)) << error.toStdString();
    const Atlas& atlas = TheAtlas();

    const std::vector<Place> mine = own.All();
    const std::vector<Place> offered = OfferPlaces(&atlas, mine, u"Pune", u"", u"", 10);
    ASSERT_EQ(offered.size(), 1 + atlas.Offer(u"Pune", u"", u"", 10).size());
    EXPECT_EQ(offered[0], Village("Punewadi"));
    EXPECT_TRUE(offered[0].own);
    EXPECT_FALSE(offered[1].own);
    EXPECT_EQ(offered[1], atlas.Offer(u"Pune", u"", u"", 1).at(0));

    EXPECT_EQ(FindPlace(&atlas, mine, u"Pune")->name, u"Pune"_qs);
    EXPECT_FALSE(FindPlace(&atlas, mine, u"Pune")->own);
    EXPECT_EQ(FindPlace(&atlas, mine, u"Punewadi, India"), Village("Punewadi"));
    EXPECT_EQ(FindPlace(&atlas, mine, u"Ozarkhe"), Village("Ozarkhed")); // the atlas has none
    EXPECT_EQ(SearchPlaces(&atlas, mine, u"Ozarkhed", 10), std::vector<Place>{Village("Ozarkhed")});
    // Without the atlas, the user's places are still found.
    EXPECT_EQ(FindPlace(nullptr, mine, u"Pune"), Village("Punewadi"));
}

// Names in any script the boxes take: found by their own letters, in any
// case, and put into the boxes as written.
TEST(OwnPlaces, NamesOfEveryScriptAreKeptAndFound) {
    QTemporaryDir dir;
    OwnPlaces own(dir.filePath(QStringLiteral("own.sqlite")));
    struct Case {
        const char* name;
        const char* country;
        const char* typed; // finds it
    } cases[] = {
        {"पुणे", "India", "पुणे"},
        {"पिंपरी चिंचवड", "India", "पिंपरी"},
        {"תל אביב", "Israel", "תֵּל"},
        {"القاهرة", "Egypt", "القاهرة, eg"},
        {"Москва", "Russia", "МОСК"},
        {"Ärhus", "Denmark", "arhus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Place place = Village(c.name, "", c.country);
        QString error;
        ASSERT_TRUE(own.Add(place, &error)) << error.toStdString();
        EXPECT_EQ(Labels(own.Search(QString::fromUtf8(c.typed), 10)), std::vector<QString>{place.Label()});
        Entries e;
        ApplyPlace(e, place);
        EXPECT_EQ(e.City, c.name);
    }
    EXPECT_TRUE(own.Search(u"पुणेवाडी", 10).empty());
}

// One comparison says "the same place" for a duplicate and for the one to
// remove or replace, and only that one row goes, even in a file an older
// version filled with two labels differing in case only.
TEST(OwnPlaces, OnlyTheChosenPlaceIsRemovedOrReplaced) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own.sqlite"));
    OwnPlaces own(path);
    QString error;
    ASSERT_TRUE(own.Add(Village("Ärhus", "", "Denmark"), &error)) << error.toStdString();
    EXPECT_FALSE(own.Add(Village("ärhus", "", "DENMARK"), &error));
    EXPECT_EQ(error, u"You already have a place named ärhus, DENMARK."_qs);
    ASSERT_TRUE(own.Add(Village("Aarhus", "", "Denmark"), &error)) << error.toStdString();
    // Renaming one onto another's label is refused as a duplicate too.
    EXPECT_FALSE(own.Replace(u"Aarhus, Denmark"_qs, Village("ÄRHUS", "", "Denmark"), &error));
    EXPECT_EQ(error, u"You already have a place named ÄRHUS, Denmark."_qs);

    Sql(path, "INSERT INTO own_places SELECT key, 'ärhus', state, country, 10, longitude, zone FROM own_places "
              "WHERE name = 'Ärhus'");
    ASSERT_EQ(own.All().size(), 3u);
    Place moved = Village("ärhus", "", "Denmark");
    moved.latitude = 12;
    ASSERT_TRUE(own.Replace(u"ärhus, Denmark"_qs, moved, &error)) << error.toStdString();
    EXPECT_EQ(Labels(own.All()), (std::vector<QString>{u"Aarhus, Denmark"_qs, u"Ärhus, Denmark"_qs, u"ärhus, Denmark"_qs}));
    EXPECT_FALSE(own.Remove(u"ÄRHUS, Denmark"_qs, &error)); // which of the two is meant?
    EXPECT_TRUE(error.startsWith(u"Several of your places are named ÄRHUS, Denmark")) << error.toStdString();
    ASSERT_TRUE(own.Remove(u"Ärhus, Denmark"_qs, &error)) << error.toStdString();
    const std::vector<Place> left = own.All();
    EXPECT_EQ(Labels(left), (std::vector<QString>{u"Aarhus, Denmark"_qs, u"ärhus, Denmark"_qs}));
    EXPECT_EQ(left.at(1).latitude, 12);
    ASSERT_TRUE(own.Remove(u"ÄRHUS, denmark"_qs, &error)) << error.toStdString(); // one left of that label
    EXPECT_EQ(Labels(own.All()), std::vector<QString>{u"Aarhus, Denmark"_qs});
}

// A whole name of the user's comes before the places it begins, though the
// label of a longer one sorts first.
TEST(OwnPlaces, AWholeNameIsOfferedFirst) {
    QTemporaryDir dir;
    OwnPlaces own(dir.filePath(QStringLiteral("own.sqlite")));
    QString error;
    for (const char* name : {"Pimpri Khurd", "Pimpri", "Pimpriwadi"})
        ASSERT_TRUE(own.Add(Village(name), &error)) << error.toStdString();
    EXPECT_EQ(Labels(own.Search(u"pimpri", 10)),
              (std::vector<QString>{Village("Pimpri").Label(), Village("Pimpri Khurd").Label(), Village("Pimpriwadi").Label()}));
    const std::vector<Place> mine = own.All();
    EXPECT_EQ(OfferPlaces(&TheAtlas(), mine, u"Pimpri", u"", u"", 10).at(0), Village("Pimpri"));
    EXPECT_EQ(FindPlace(&TheAtlas(), mine, u"Pimpri"), Village("Pimpri"));
}

// A name of the user's typed a letter or two wrong is guessed at with the
// atlas's: before the atlas's guesses no nearer, after those nearer, the
// atlas's own order kept.
TEST(OwnPlaces, OursMistypedAreGuessedAmongTheAtlas) {
    const std::vector<Place> mine = {Village("Chandanpur"), Village("Kalkata", "West Bengal"), Village("Mumbay"),
                                     Village("चंदनपुर"), Village("Chandanpura", "Gujarat"), Village("Pune")};
    const auto shown = [](const std::vector<Place>& places) {
        std::vector<QString> labels;
        for (const Place& p : places) labels.push_back(p.own ? p.Label() + u" (ours)"_qs : p.Label());
        return labels;
    };
    struct Case {
        const char* typed;
        std::vector<const char*> first; // the guesses' first labels, ours marked
    } cases[] = {
        {"Chandnpur", {"Chandanpur, Maharashtra, India (ours)", "Chandanpura, Gujarat, India (ours)", // 1 edit, 2
                       "Chānda, Maharashtra, India"}}, // 2, by Chandrapur
        {"Chandanpru", {"Chandanpur, Maharashtra, India (ours)", "Chandanpura, Gujarat, India (ours)"}},
        {"Chandanpru, Gujarat", {"Chandanpura, Gujarat, India (ours)"}},
        {"Kolkatta", {"Kolkata, West Bengal, India", "Kalkata, West Bengal, India (ours)", "Kalpatta, Kerala, India"}},
        {"Mumbia", {"Mumbay, Maharashtra, India (ours)", "Mumbai, Maharashtra, India"}}, // as near: ours first
        {"चंदपुर", {"चंदनपुर, Maharashtra, India (ours)"}}, // a letter left out, though three bytes
        {"Mumbia\x1b", {}},
        {"Mmbx", {}}, // three edits
        {"Pun", {}},  // too short to guess at
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::vector<QString> guesses = shown(GuessPlaces(&TheAtlas(), mine, QString::fromUtf8(c.typed), 10));
        std::vector<QString> first;
        for (const char* label : c.first) first.push_back(QString::fromUtf8(label));
        ASSERT_GE(guesses.size(), first.size());
        EXPECT_EQ(std::vector<QString>(guesses.begin(), guesses.begin() + std::ptrdiff_t(first.size())), first);
        if (first.empty()) {
            EXPECT_TRUE(std::none_of(guesses.begin(), guesses.end(), [](const QString& g) { return g.endsWith(u"(ours)"); }));
        }
    }
    // No more than asked for, and ours without the atlas too.
    EXPECT_EQ(GuessPlaces(&TheAtlas(), mine, u"Kolkatta", 2).size(), 2u);
    EXPECT_EQ(shown(GuessPlaces(nullptr, mine, u"Chandanpru", 1)),
              std::vector<QString>{u"Chandanpur, Maharashtra, India (ours)"_qs});
}

// What another program left beside the file, or in it, is never taken for
// the user's places, nor are changes made through it.
TEST(OwnPlaces, WhatIsNotOursIsRefusedAndSaid) {
    QTemporaryDir dir;
    struct Case {
        const char* what;
        std::function<void(const QString& path)> trouble;
        const char* message; // after "Your places file PATH" or "The file PATH"
        const char* reading; // what reading says, when not the message without "Nothing was changed."
    };
    const Case cases[] = {
        {"another database's -wal beside it",
         [&dir](const QString& path) {
             // A database kept with a write-ahead log, open, so its log is there.
             const QString other = dir.filePath(QStringLiteral("other.sqlite"));
             sqlite3* db = nullptr;
             sqlite3_open(QFile::encodeName(other).constData(), &db);
             sqlite3_exec(db, "PRAGMA journal_mode=WAL; CREATE TABLE t(x); INSERT INTO t VALUES(zeroblob(9000))", nullptr,
                          nullptr, nullptr);
             QFile::copy(other + QStringLiteral("-wal"), path + QStringLiteral("-wal"));
             sqlite3_close(db);
         },
         "-wal beside it that is not its own; move that file away to use your places again. Nothing was changed.",
         nullptr},
        {"a -shm beside it",
         [](const QString& path) { WriteBytes(path + QStringLiteral("-shm"), QByteArray(32768, '\0')); },
         "-shm beside it that is not its own; move that file away to use your places again. Nothing was changed.",
         nullptr},
        {"its own stamp on a table of other columns",
         [](const QString& path) {
             Sql(path, "DROP TABLE own_places; CREATE TABLE own_places(a, b, c, d, e, f, g)");
         },
         "is not a places file of this program; it is left as it is.", nullptr},
        {"a damaged free list that SQLite writes past",
         [](const QString& path) {
             QByteArray bytes = Bytes(path);
             bytes[39] = 5; // five free pages counted, none there
             WriteBytes(path, bytes);
         },
         "is damaged; it is left as it is (move it away to start a new one). Nothing was changed.", ""},
        {"a change SQLite refuses (a trigger of another program's)",
         [](const QString& path) {
             Sql(path, "CREATE TRIGGER no_insert BEFORE INSERT ON own_places BEGIN SELECT RAISE(ABORT, 'no more'); END;"
                       "CREATE TRIGGER no_delete BEFORE DELETE ON own_places BEGIN SELECT RAISE(ABORT, 'no more'); END;");
         },
         "cannot be written: no more. Nothing was changed.", ""},
        {"a latitude edited by hand to 200", [](const QString& path) { Sql(path, "UPDATE own_places SET latitude = 200"); },
         "", "is damaged: its place \"Ozar, Maharashtra, India\" is wrong (The latitude must lie between 90 degrees "
             "south and 90 degrees north)."},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.filePath(QStringLiteral("case%1/own-places.sqlite").arg(++number));
        OwnPlaces own(path);
        QString error;
        ASSERT_TRUE(own.Add(Village("Ozar"), &error)) << error.toStdString();
        c.trouble(path);
        const QByteArray before = Bytes(path);
        if (*c.message) {
            EXPECT_FALSE(own.Add(Village("Nandgaon"), &error));
            EXPECT_TRUE(error.endsWith(QString::fromUtf8(c.message))) << error.toStdString();
            EXPECT_TRUE(error.contains(path)) << error.toStdString();
            EXPECT_FALSE(own.Remove(Village("Ozar").Label(), &error));
            EXPECT_TRUE(error.endsWith(QString::fromUtf8(c.message))) << error.toStdString();
            EXPECT_EQ(Bytes(path), before);
        }
        error.clear();
        const std::vector<Place> read = own.All(&error);
        if (c.reading && !*c.reading) { // damage that reading does not meet
            EXPECT_EQ(read.size(), 1u) << error.toStdString();
            continue;
        }
        EXPECT_TRUE(read.empty());
        const QString reading = c.reading ? QString::fromUtf8(c.reading)
                                          : QString::fromUtf8(c.message).remove(QStringLiteral(" Nothing was changed."));
        EXPECT_TRUE(error.endsWith(reading)) << error.toStdString();
        EXPECT_TRUE(own.Search(u"Ozar", 10, &error).empty());
        EXPECT_EQ(Bytes(path), before);
    }
}

// A change another copy left half done (a hot journal, as when it was
// killed) is undone when the places are next read, not left to hide them.
TEST(OwnPlaces, AChangeLeftHalfDoneIsUndoneOnReading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own.sqlite"));
    const QString copy = dir.filePath(QStringLiteral("copy/own.sqlite"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("copy"))));
    QString error;
    ASSERT_TRUE(OwnPlaces(path).Add(Village("Ozar"), &error)) << error.toStdString();
    // The file and its journal as a copy killed in mid-change leaves them:
    // a change too large for the cache has written pages into the file.
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer,
                           "PRAGMA cache_size = 2; BEGIN IMMEDIATE; DELETE FROM own_places; "
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                           "INSERT INTO own_places SELECT 'k' || i, 'N' || i, 's', 'c', 1, 2, 'Asia/Kolkata' FROM n",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    ASSERT_TRUE(QFile::copy(path, copy));
    ASSERT_TRUE(QFile::copy(path + QStringLiteral("-journal"), copy + QStringLiteral("-journal")));
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);

    OwnPlaces own(copy);
    EXPECT_EQ(Labels(own.All(&error)), std::vector<QString>{Village("Ozar").Label()}) << error.toStdString();
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_FALSE(QFile::exists(copy + QStringLiteral("-journal")));
}

// The window's copy of the places: read again only when the file changed,
// and never waiting while another program changes it.
TEST(OwnPlaces, KeptPlacesNeverWaitAndFollowTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own.sqlite"));
    OwnPlaces tool(path);
    KeptOwnPlaces kept(path);
    EXPECT_TRUE(kept.Current().empty());
    QString error;
    ASSERT_TRUE(tool.Add(Village("Ozar"), &error)) << error.toStdString();
    EXPECT_EQ(Labels(kept.Current()), std::vector<QString>{Village("Ozar").Label()});
    const int reads = kept.reads();
    for (int key = 0; key < 5; ++key) kept.Current();
    EXPECT_EQ(kept.reads(), reads); // nothing changed, nothing read

    ASSERT_TRUE(tool.Add(Village("Nandgaon"), &error)) << error.toStdString();
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE; DELETE FROM own_places", nullptr, nullptr, nullptr), SQLITE_OK);
    QElapsedTimer timer;
    timer.start();
    for (int key = 0; key < 5; ++key) EXPECT_EQ(kept.Current().size(), 1u); // the places last read
    EXPECT_LT(timer.elapsed(), 300);
    EXPECT_TRUE(kept.error().isEmpty()) << kept.error().toStdString();
    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(kept.Current().size(), 2u);

    Sql(path, "UPDATE own_places SET latitude = -200 WHERE name = 'Ozar'");
    EXPECT_TRUE(kept.Current().empty());
    EXPECT_TRUE(kept.error().contains(u"is damaged")) << kept.error().toStdString();
}

} // namespace
} // namespace rashi::places
