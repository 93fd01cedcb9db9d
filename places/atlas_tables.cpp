#include "places/atlas_tables.h"

#include "places/sqlite_handle.h"
#include "places/text_fold.h"

namespace rashi::places {
namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE facts(name TEXT PRIMARY KEY, value) WITHOUT ROWID;
CREATE TABLE regions(id INTEGER PRIMARY KEY, kind TEXT NOT NULL, country INTEGER, code TEXT NOT NULL,
                     name TEXT NOT NULL, key TEXT NOT NULL, code_key TEXT NOT NULL);
CREATE TABLE zones(id INTEGER PRIMARY KEY, zone TEXT NOT NULL);
CREATE TABLE places(id INTEGER PRIMARY KEY, name TEXT NOT NULL, state INTEGER NOT NULL, country INTEGER NOT NULL,
                    latitude INTEGER NOT NULL, longitude INTEGER NOT NULL, zone INTEGER NOT NULL,
                    population INTEGER NOT NULL);
CREATE TABLE names(key TEXT NOT NULL, place INTEGER NOT NULL, population INTEGER NOT NULL,
                   state INTEGER NOT NULL, country INTEGER NOT NULL, PRIMARY KEY(key, place)) WITHOUT ROWID;
)sql";

bool Fail(sqlite3* db, QString* error) {
    if (error) *error = QStringLiteral("The atlas database cannot be written: %1.").arg(LastError(db));
    Execute(db, "ROLLBACK");
    return false;
}

} // namespace

bool WriteAtlasTables(sqlite3* db, const AtlasSource& source, QString* error) {
    const QByteArray pragmas = QStringLiteral("PRAGMA application_id=%1; PRAGMA user_version=%2;")
                                   .arg(kAtlasApplicationId)
                                   .arg(kAtlasTablesVersion)
                                   .toUtf8();
    if (!Execute(db, pragmas.constData()) || !Execute(db, "BEGIN") || !Execute(db, kSchema)) return Fail(db, error);

    Statement fact = Prepare(db, "INSERT INTO facts VALUES(?1, ?2)");
    Statement region = Prepare(db, "INSERT INTO regions VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    Statement zone = Prepare(db, "INSERT INTO zones VALUES(?1, ?2)");
    Statement place = Prepare(db, "INSERT INTO places VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    // A place may give one key twice (a name and its alternate folding alike):
    // it is found once either way.
    Statement name = Prepare(db, "INSERT OR IGNORE INTO names VALUES(?1, ?2, ?3, ?4, ?5)");
    if (!fact || !region || !zone || !place || !name) return Fail(db, error);
    const auto done = [](sqlite3_stmt* s) {
        const int result = sqlite3_step(s);
        sqlite3_reset(s);
        return result == SQLITE_DONE;
    };

    std::size_t nameCount = 0;
    for (const auto& p : source.places) nameCount += p.keys.size();
    const std::pair<const char*, QString> facts[] = {
        {"inputs", source.inputs},
        {"source_bytes", QString::number(source.fileBytes)},
        {"place_count", QString::number(source.places.size())},
        {"name_count", QString::number(nameCount)},
    };
    for (const auto& [key, value] : facts) {
        BindText(fact.get(), 1, std::string_view(key));
        BindText(fact.get(), 2, value);
        if (!done(fact.get())) return Fail(db, error);
    }
    // Countries first, then states, in one numbering: a state's id is its
    // index plus the number of countries.
    const auto countries = static_cast<int>(source.countries.size());
    const auto writeRegion = [&](int id, const char* kind, const AtlasSource::Region& r) {
        sqlite3_bind_int(region.get(), 1, id);
        BindText(region.get(), 2, std::string_view(kind));
        sqlite3_bind_int(region.get(), 3, r.country);
        BindText(region.get(), 4, r.code);
        BindText(region.get(), 5, r.name);
        BindText(region.get(), 6, SearchKey(r.name));
        BindText(region.get(), 7, r.code.toLower().toStdString());
        return done(region.get());
    };
    for (int i = 0; i < countries; ++i)
        if (!writeRegion(i, "C", source.countries[std::size_t(i)])) return Fail(db, error);
    for (std::size_t i = 0; i < source.states.size(); ++i)
        if (!writeRegion(countries + int(i), "S", source.states[i])) return Fail(db, error);
    for (std::size_t i = 0; i < source.zones.size(); ++i) {
        sqlite3_bind_int64(zone.get(), 1, sqlite3_int64(i));
        BindText(zone.get(), 2, source.zones[i]);
        if (!done(zone.get())) return Fail(db, error);
    }
    for (std::size_t i = 0; i < source.places.size(); ++i) {
        const AtlasSource::Record& r = source.places[i];
        sqlite3_bind_int64(place.get(), 1, sqlite3_int64(i));
        BindText(place.get(), 2, std::string_view(r.name));
        sqlite3_bind_int(place.get(), 3, r.state);
        sqlite3_bind_int(place.get(), 4, r.country);
        sqlite3_bind_int(place.get(), 5, r.latitude);
        sqlite3_bind_int(place.get(), 6, r.longitude);
        sqlite3_bind_int(place.get(), 7, r.zone);
        sqlite3_bind_int64(place.get(), 8, r.population);
        if (!done(place.get())) return Fail(db, error);
        for (const std::string& key : r.keys) {
            BindText(name.get(), 1, std::string_view(key));
            sqlite3_bind_int64(name.get(), 2, sqlite3_int64(i));
            sqlite3_bind_int64(name.get(), 3, r.population);
            sqlite3_bind_int(name.get(), 4, r.state);
            sqlite3_bind_int(name.get(), 5, r.country);
            if (!done(name.get())) return Fail(db, error);
        }
    }
    // The nearest place to a point is looked for in a band of latitude.
    if (!Execute(db, "CREATE INDEX places_by_latitude ON places(latitude); COMMIT")) return Fail(db, error);
    return true;
}

} // namespace rashi::places
