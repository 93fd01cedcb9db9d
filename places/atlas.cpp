#include "places/atlas.h"

#include "places/atlas_tables.h"
#include "places/atlas_text.h"
#include "places/key_edits.h"
#include "places/sqlite_handle.h"
#include "places/text_fold.h"

#include "core/chart_files/visible_text.h"
#include "core/entries/key_filters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <mutex>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef RASHI_ATLAS_RELATIVE_PATH
#define RASHI_ATLAS_RELATIVE_PATH "../share/rashi-drishti/places.atlas"
#endif

namespace rashi::places {

struct Atlas::Data {
    struct Region {
        QString code;
        QString name;
        std::string key;     // SearchKey(name)
        std::string codeKey; // the code in lower case
    };

    Connection db;
    // One search at a time on the shared connection and its statements.
    mutable std::mutex lock;
    Statement names; // the places whose key starts with ?1 (below ?2), best first
    Statement place; // one place by its id
    Statement band;  // the places in a band of latitude

    QString inputs;
    qint64 sourceBytes = -1;
    int placeCount = 0;
    int nameCount = 0;
    std::vector<Region> countries;
    std::vector<Region> states;
    std::vector<QString> zones;

    // A database found damaged while searched is replaced by the atlas file
    // it was made from, read once; what went wrong is said once.
    mutable std::mutex fallbackLock;
    mutable QString sourcePath; // the atlas file; empty for an atlas read from its text
    mutable std::shared_ptr<const Data> fallback;
    mutable bool damaged = false;
    mutable QString notice; // the sentence for the user, until taken
};

namespace {

// The file is a zlib-packed text of about 14 MB, or a database of about 40.
constexpr qint64 kMaxFileBytes = 64 << 20;
constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};

// Places whose key starts with the name, each once at its best rank: a whole
// name first, then most populous, then in the atlas file's order.
constexpr std::string_view kNamesQuery =
    "SELECT place, MAX(key = ?1) AS whole, population, key FROM names WHERE key >= ?1 AND key < ?2%1"
    " GROUP BY place ORDER BY whole DESC, population DESC, place LIMIT ?3";
// Places with a key one or two edits from ?1 (of a length that can be),
// each once, most populous first; the key nearest comes along.
constexpr std::string_view kNearQuery =
    "SELECT place, MIN(rashi_edits(key, ?1)) AS edits, population, key FROM names"
    " WHERE length(key) BETWEEN ?2 AND ?3 AND rashi_edits(key, ?1) <= 2%1"
    " GROUP BY place ORDER BY population DESC, edits, place LIMIT ?4";

void EditsFunction(sqlite3_context* context, int, sqlite3_value** values) {
    const auto* a = reinterpret_cast<const char*>(sqlite3_value_text(values[0]));
    const auto* b = reinterpret_cast<const char*>(sqlite3_value_text(values[1]));
    if (!a || !b) {
        sqlite3_result_int(context, kBeyondGuess);
        return;
    }
    sqlite3_result_int(context, KeyEdits(std::string_view(a, std::size_t(sqlite3_value_bytes(values[0]))),
                                      std::string_view(b, std::size_t(sqlite3_value_bytes(values[1])))));
}

// A key as a reader takes it: "al qahirah" as "Al Qahirah".
QString KeyWords(const char* key) {
    QString words = QString::fromUtf8(key);
    for (qsizetype i = 0; i < words.size(); ++i)
        if (i == 0 || words[i - 1] == QLatin1Char(' ')) words[i] = words[i].toUpper();
    return words;
}

std::string LowerAscii(QStringView text) {
    return text.toString().toLower().toStdString();
}

bool SetError(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

// Whether a part typed after the name ("Maharashtra", "in") fits a region.
bool RegionMatches(const Atlas::Data::Region& region, std::string_view part, std::string_view partLower) {
    return region.key.starts_with(part) || region.codeKey == partLower;
}

// " IN (1,2,3)" of the regions a part fits; empty when none does.
QString FittingIds(const std::vector<Atlas::Data::Region>& regions, std::string_view part, std::string_view lower) {
    QString ids;
    for (std::size_t i = 0; i < regions.size(); ++i)
        if (RegionMatches(regions[i], part, lower)) {
            if (!ids.isEmpty()) ids += QLatin1Char(',');
            ids += QString::number(i);
        }
    return ids;
}

QString Shown(const QString& path) {
    return QString::fromStdString(VisibleText(QDir::toNativeSeparators(path).toStdString()));
}

} // namespace

Atlas::Atlas(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}

std::optional<Atlas> Atlas::Open(sqlite3* raw, QString* error) {
    auto data = std::make_shared<Data>();
    data->db.reset(raw);
    try {
        return OpenTables(std::move(data), error);
    } catch (const std::exception& e) { // a damaged file must never end the program
        SetError(error, QStringLiteral("The atlas database is damaged: %1.").arg(QString::fromLocal8Bit(e.what())));
        return std::nullopt;
    }
}

std::optional<Atlas> Atlas::OpenTables(std::shared_ptr<Data> data, QString* error) {
    sqlite3* db = data->db.get();
    const auto damaged = [&](const QString& why) {
        SetError(error, QStringLiteral("The atlas database is damaged: %1.").arg(why));
        return std::nullopt;
    };
    {
        Statement stamp = Prepare(db, "PRAGMA application_id");
        Statement version = Prepare(db, "PRAGMA user_version");
        if (!stamp || !version || sqlite3_step(stamp.get()) != SQLITE_ROW || sqlite3_step(version.get()) != SQLITE_ROW)
            return damaged(LastError(db));
        if (sqlite3_column_int(stamp.get(), 0) != kAtlasApplicationId) {
            SetError(error, QStringLiteral("The atlas database is not an atlas of this program."));
            return std::nullopt;
        }
        if (const int v = sqlite3_column_int(version.get(), 0); v != kAtlasTablesVersion) {
            SetError(error, QStringLiteral("The atlas database has format %1; this program reads format %2.")
                                .arg(v)
                                .arg(kAtlasTablesVersion));
            return std::nullopt;
        }
    }
    Statement facts = Prepare(db, "SELECT name, value FROM facts");
    Statement regions = Prepare(db, "SELECT kind, code, name, key, code_key FROM regions ORDER BY id");
    Statement zones = Prepare(db, "SELECT zone FROM zones ORDER BY id");
    data->names = Prepare(db, QString::fromLatin1(kNamesQuery).arg(QString()).toStdString());
    if (sqlite3_create_function_v2(db, "rashi_edits", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, EditsFunction,
                                   nullptr, nullptr, nullptr) != SQLITE_OK)
        return damaged(LastError(db));
    data->place = Prepare(db, "SELECT name, state, country, latitude, longitude, zone, population FROM places WHERE id = ?1");
    data->band = Prepare(db, "SELECT id, latitude, longitude FROM places WHERE latitude BETWEEN ?1 AND ?2");
    if (!facts || !regions || !zones || !data->names || !data->place || !data->band) return damaged(LastError(db));
    int result;
    while ((result = sqlite3_step(facts.get())) == SQLITE_ROW) {
        const QString name = ColumnText(facts.get(), 0);
        if (name == u"inputs") data->inputs = ColumnText(facts.get(), 1);
        else if (name == u"source_bytes") data->sourceBytes = sqlite3_column_int64(facts.get(), 1);
        else if (name == u"place_count") data->placeCount = sqlite3_column_int(facts.get(), 1);
        else if (name == u"name_count") data->nameCount = sqlite3_column_int(facts.get(), 1);
    }
    if (result != SQLITE_DONE) return damaged(LastError(db));
    while ((result = sqlite3_step(regions.get())) == SQLITE_ROW) {
        const auto* key = reinterpret_cast<const char*>(sqlite3_column_text(regions.get(), 3));
        const auto* codeKey = reinterpret_cast<const char*>(sqlite3_column_text(regions.get(), 4));
        if (!key || !codeKey) return damaged(QStringLiteral("a state or country has no search key"));
        Data::Region r{ColumnText(regions.get(), 1), ColumnText(regions.get(), 2), key, codeKey};
        (ColumnText(regions.get(), 0) == u"C" ? data->countries : data->states).push_back(std::move(r));
    }
    if (result != SQLITE_DONE) return damaged(LastError(db));
    while ((result = sqlite3_step(zones.get())) == SQLITE_ROW) data->zones.push_back(ColumnText(zones.get(), 0));
    if (result != SQLITE_DONE) return damaged(LastError(db));
    return Atlas(std::move(data));
}

std::optional<Atlas> Atlas::FromBytes(QByteArrayView bytes, QString* error) {
    const std::optional<AtlasSource> source = ReadAtlasText(bytes, error);
    if (!source) return std::nullopt;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK ||
        !WriteAtlasTables(db, *source, error)) {
        if (error && error->isEmpty()) *error = QStringLiteral("The atlas cannot be kept: %1.").arg(LastError(db));
        sqlite3_close_v2(db);
        return std::nullopt;
    }
    return Open(db, error);
}

std::optional<Atlas> Atlas::LoadDatabase(const QString& path, QString* error) {
    sqlite3* db = nullptr;
    // Read-only and unchanging while open: no locks, no journal looked for,
    // so it works from read-only media and beside a running copy alike.
    const QByteArray uri = FileUri(path, "mode=ro&immutable=1");
    if (sqlite3_open_v2(uri.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        SetError(error, QStringLiteral("The atlas database %1 cannot be opened: %2.").arg(Shown(path), LastError(db)));
        sqlite3_close_v2(db);
        return std::nullopt;
    }
    QString why;
    std::optional<Atlas> atlas = Open(db, &why);
    if (!atlas) SetError(error, QStringLiteral("%1 (%2)").arg(why, Shown(path)));
    return atlas;
}

std::optional<Atlas> Atlas::LoadFile(const QString& path, QString* error) {
    const QString shown = Shown(path);
    const auto refuse = [&](const QString& why) {
        SetError(error, QStringLiteral("The atlas file %1 cannot be read: %2.").arg(shown, why));
        return std::nullopt;
    };
    // Only a regular file of an atlas's size is read: a pipe would never end,
    // a device never stop, a huge file only fill the memory. Looked at before
    // it is opened (without waiting for a writer), and again once open.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    const auto notAtlasFile = [&](const struct stat& what) -> std::optional<QString> {
        if (S_ISDIR(what.st_mode)) return QStringLiteral("it is a folder");
        if (!S_ISREG(what.st_mode)) return QStringLiteral("it is not a regular file");
        if (what.st_size > kMaxFileBytes)
            return QStringLiteral("at %1 MB it is far larger than an atlas can be").arg(what.st_size >> 20);
        return std::nullopt;
    };
    if (const auto why = notAtlasFile(info)) return refuse(*why);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    if (::fstat(fd, &info) != 0 || notAtlasFile(info) || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        const auto why = notAtlasFile(info);
        ::close(fd);
        return refuse(why ? *why : QStringLiteral("it changed while it was opened"));
    }
    const QByteArray head = file.peek(qint64(kSqliteMagic.size()));
    if (std::string_view(head.constData(), std::size_t(head.size())) == kSqliteMagic) {
        file.close();
        return LoadDatabase(path, error);
    }
    // No more than the file's size allows, even should it grow meanwhile.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return refuse(file.errorString());
    if (bytes.size() > kMaxFileBytes) return refuse(QStringLiteral("it grew larger than an atlas can be"));
    return FromBytes(bytes, error);
}

std::optional<Atlas> Atlas::LoadDefault(QString* error) {
    const QString path = DefaultPath();
    const QString database = DatabasePath(path);
    QString damage;
    if (QFileInfo(database).isFile()) {
        // Used when it was made from the atlas file beside it (a build made
        // both); a stale one is passed over for the file itself, and so is a
        // damaged one, said once.
        std::optional<Atlas> atlas = LoadDatabase(database, &damage);
        const QFileInfo source(path);
        if (atlas && !source.exists()) return atlas;
        if (atlas && source.size() == atlas->m_data->sourceBytes) {
            std::lock_guard guard(atlas->m_data->fallbackLock);
            atlas->m_data->sourcePath = path;
            return atlas;
        }
        if (atlas) damage.clear();
    }
    std::optional<Atlas> atlas = LoadFile(path, error);
    if (atlas && !damage.isEmpty()) {
        std::lock_guard guard(atlas->m_data->fallbackLock);
        atlas->m_data->notice = QStringLiteral("%1 The atlas file %2 is read instead.").arg(damage, Shown(path));
    }
    return atlas;
}

QString Atlas::DefaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("RASHI_ATLAS");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    // The running program's own path from the kernel needs no application
    // object and is safe on any thread; applicationDirPath is the fallback.
    QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (programDir.isEmpty() && QCoreApplication::instance()) programDir = QCoreApplication::applicationDirPath();
    return QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(RASHI_ATLAS_RELATIVE_PATH));
}

QString Atlas::DatabasePath(const QString& atlasPath) {
    const QString suffix = QStringLiteral(".atlas");
    const QString stem = atlasPath.endsWith(suffix) ? atlasPath.chopped(suffix.size()) : atlasPath;
    return stem + QStringLiteral(".sqlite");
}

bool Atlas::SaveDatabase(const QString& path, QString* error) const {
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    std::lock_guard guard(m_data->lock);
    sqlite3* db = m_data->db.get();
    Statement vacuum = Prepare(db, "VACUUM INTO ?1");
    if (vacuum) BindText(vacuum.get(), 1, QString::fromLocal8Bit(QFile::encodeName(part)));
    if (!vacuum || sqlite3_step(vacuum.get()) != SQLITE_DONE) {
        QFile::remove(part);
        return SetError(error, QStringLiteral("The atlas database %1 cannot be written: %2.").arg(Shown(path), LastError(db)));
    }
    QFile::remove(path);
    if (!QFile::rename(part, path))
        return SetError(error, QStringLiteral("The atlas database %1 cannot be put in place.").arg(Shown(path)));
    return true;
}

namespace {

// One place by its id, the lock held; nothing when its row cannot be read.
std::optional<Place> MakePlace(const Atlas::Data& d, long long id) {
    sqlite3_stmt* s = d.place.get();
    sqlite3_bind_int64(s, 1, id);
    std::optional<Place> place;
    if (sqlite3_step(s) == SQLITE_ROW) {
        place.emplace();
        place->name = ColumnText(s, 0);
        const int state = sqlite3_column_int(s, 1);
        const int country = sqlite3_column_int(s, 2);
        if (state >= 0 && state < int(d.states.size())) place->state = d.states[std::size_t(state)].name;
        if (country >= 0 && country < int(d.countries.size())) {
            place->country = d.countries[std::size_t(country)].name;
            place->countryCode = d.countries[std::size_t(country)].code;
        }
        place->latitude = sqlite3_column_int(s, 3) / 1e4;
        place->longitude = sqlite3_column_int(s, 4) / 1e4;
        const int zone = sqlite3_column_int(s, 5);
        if (zone >= 0 && zone < int(d.zones.size())) place->zoneId = d.zones[std::size_t(zone)];
        place->population = sqlite3_column_int64(s, 6);
        // A place without a name or a country is a row that was damaged.
        if (place->name.isEmpty() || place->country.isEmpty()) place.reset();
    }
    sqlite3_reset(s);
    return place;
}

// The places for a search on one atlas's tables (by the start of a name, or
// `near`: by a name one or two edits away); false when a step failed or a
// place's row could not be read (the database is damaged).
bool SearchTables(const Atlas::Data& d, QStringView text, int maxResults, std::vector<Place>& results, bool near = false) {
    results.clear();
    if (maxResults <= 0) return true;
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    const std::string name = SearchKey(parts.front());
    // A guess needs letters enough to be one: "Mumbia", not "Mu".
    if (name.empty() || (near && name.size() < 4)) return true;
    // Each part after the name must fit the place's state or its country.
    QString narrowing;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const std::string key = SearchKey(parts[i]);
        if (key.empty()) continue;
        const std::string lower = LowerAscii(parts[i].trimmed());
        const QString states = FittingIds(d.states, key, lower);
        const QString countries = FittingIds(d.countries, key, lower);
        if (states.isEmpty() && countries.isEmpty()) return true;
        QStringList either;
        if (!states.isEmpty()) either << QStringLiteral("state IN (%1)").arg(states);
        if (!countries.isEmpty()) either << QStringLiteral("country IN (%1)").arg(countries);
        narrowing += QStringLiteral(" AND (%1)").arg(either.join(QStringLiteral(" OR ")));
    }

    std::lock_guard guard(d.lock);
    Statement own;
    if (near || !narrowing.isEmpty())
        own = Prepare(d.db.get(), QString::fromLatin1(near ? kNearQuery : kNamesQuery).arg(narrowing).toStdString());
    sqlite3_stmt* s = own ? own.get() : d.names.get();
    if (!s) return false;
    BindText(s, 1, std::string_view(name));
    if (near) {
        sqlite3_bind_int64(s, 2, sqlite3_int64(name.size()) - 2);
        sqlite3_bind_int64(s, 3, sqlite3_int64(name.size()) + 2);
        sqlite3_bind_int(s, 4, maxResults);
    } else {
        // No key holds the byte 0xFF (UTF-8 never does), so every key starting
        // with the name lies below the name followed by it.
        BindText(s, 2, name + '\xff');
        sqlite3_bind_int(s, 3, maxResults);
    }
    std::vector<std::pair<long long, std::string>> ids;
    int result;
    while ((result = sqlite3_step(s)) == SQLITE_ROW) {
        const auto* key = reinterpret_cast<const char*>(sqlite3_column_text(s, 3));
        ids.emplace_back(sqlite3_column_int64(s, 0), key ? key : "");
    }
    sqlite3_reset(s);
    if (result != SQLITE_DONE) return false;
    results.reserve(ids.size());
    for (const auto& [id, key] : ids) {
        std::optional<Place> place = MakePlace(d, id);
        if (!place) return false;
        // The other name it was found by, when its own would not have found it.
        const std::string own = SearchKey(place->name);
        if (key != own && !(near ? KeyEdits(own, name) <= 2 : own.starts_with(name))) place->matched = KeyWords(key.c_str());
        results.push_back(std::move(*place));
    }
    return true;
}

// The nearest place within reach on one atlas's tables; false on damage.
bool NearestInTables(const Atlas::Data& d, double latitude, double longitude, std::optional<Place>& nearest) {
    nearest.reset();
    constexpr double kReachDegrees = 3; // about 330 km north and south
    long long best = -1;
    double bestDistance = 0;
    std::lock_guard guard(d.lock);
    sqlite3_stmt* s = d.band.get();
    sqlite3_bind_int(s, 1, int(std::lround((latitude - kReachDegrees) * 1e4)));
    sqlite3_bind_int(s, 2, int(std::lround((latitude + kReachDegrees) * 1e4)));
    const double toRadians = M_PI / 180;
    int result;
    while ((result = sqlite3_step(s)) == SQLITE_ROW) {
        const double lat = sqlite3_column_int(s, 1) / 1e4, lon = sqlite3_column_int(s, 2) / 1e4;
        // The angle between the two points (haversine).
        const double dLat = (lat - latitude) * toRadians, dLon = (lon - longitude) * toRadians;
        const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                         std::cos(lat * toRadians) * std::cos(latitude * toRadians) * std::sin(dLon / 2) * std::sin(dLon / 2);
        const double distance = 2 * std::asin(std::min(1.0, std::sqrt(h)));
        if (distance <= kReachDegrees * toRadians && (best < 0 || distance < bestDistance)) {
            best = sqlite3_column_int64(s, 0);
            bestDistance = distance;
        }
    }
    sqlite3_reset(s);
    if (result != SQLITE_DONE) return false;
    if (best < 0) return true;
    nearest = MakePlace(d, best);
    return nearest.has_value();
}

} // namespace

const Atlas::Data* Atlas::Live() const {
    std::lock_guard guard(m_data->fallbackLock);
    return m_data->damaged ? m_data->fallback.get() : m_data.get();
}

const Atlas::Data* Atlas::Replacement(const Data& failed) const {
    const Data& d = *m_data;
    std::lock_guard guard(d.fallbackLock);
    if (&failed != &d) return nullptr; // the atlas file itself failed
    if (d.damaged) return d.fallback.get();
    d.damaged = true;
    QString why;
    if (!d.sourcePath.isEmpty())
        if (std::optional<Atlas> file = LoadFile(d.sourcePath, &why)) d.fallback = file->m_data;
    d.notice = d.fallback ? QStringLiteral("The atlas database is damaged; the atlas file %1 is read instead.")
                                .arg(Shown(d.sourcePath))
                          : QStringLiteral("The atlas database is damaged, and places cannot be looked up.%1")
                                .arg(why.isEmpty() ? QString() : QLatin1Char(' ') + why);
    return d.fallback.get();
}

QString Atlas::TakeNotice() const {
    std::lock_guard guard(m_data->fallbackLock);
    return std::exchange(m_data->notice, QString());
}

std::vector<Place> Atlas::Search(QStringView text, int maxResults) const {
    std::vector<Place> results;
    for (const Data* d = Live(); d; d = Replacement(*d))
        if (SearchTables(*d, text, maxResults, results)) return results;
    return {};
}

std::vector<Place> Atlas::Guess(QStringView text, int maxResults) const {
    // Text with control characters in it is no name mistyped.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return IsControlCode(c.unicode()); })) return {};
    std::vector<Place> results;
    for (const Data* d = Live(); d; d = Replacement(*d))
        if (SearchTables(*d, text, maxResults, results, true)) return results;
    return {};
}

bool Atlas::NamesRegion(QStringView words) const {
    const Data& d = *m_data;
    const std::string key = SearchKey(words);
    const std::string lower = LowerAscii(words);
    const auto whole = [&](const Data::Region& r) { return r.key == key || r.codeKey == lower; };
    return !key.empty() && (std::any_of(d.states.begin(), d.states.end(), whole) ||
                            std::any_of(d.countries.begin(), d.countries.end(), whole));
}

std::vector<Place> Atlas::Offer(QStringView city, QStringView state, QStringView country, int maxResults) const {
    QString boxes;
    for (QStringView box : {state, country})
        if (!SearchKey(box).empty()) boxes += QStringLiteral(", ") + box.trimmed().toString();
    const QString typed = city.toString().simplified();
    const QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList queries;
    for (qsizetype k = words.size() - 1; k >= 1; --k) { // the name, then a state or country
        const QString region = words.mid(k).join(QLatin1Char(' '));
        if (NamesRegion(region)) queries << words.mid(0, k).join(QLatin1Char(' ')) + QStringLiteral(", ") + region;
    }
    queries << typed;
    for (const QString& narrowing : {boxes, QString()}) {
        std::vector<Place> offered;
        for (const QString& query : queries)
            for (Place& place : Search(QString(query + narrowing), maxResults))
                if (static_cast<int>(offered.size()) < maxResults &&
                    std::none_of(offered.begin(), offered.end(), [&](const Place& p) { return p.SamePlace(place); }))
                    offered.push_back(std::move(place));
        if (!offered.empty() || narrowing.isEmpty()) return offered;
    }
    return {};
}

std::optional<Place> Atlas::Find(QStringView text) const {
    std::vector<Place> found = Search(text, 1);
    if (found.empty()) return std::nullopt;
    return found.front();
}

std::optional<Place> Atlas::Nearest(double latitude, double longitude) const {
    if (!std::isfinite(latitude) || !std::isfinite(longitude)) return std::nullopt;
    std::optional<Place> nearest;
    for (const Data* d = Live(); d; d = Replacement(*d))
        if (NearestInTables(*d, latitude, longitude, nearest)) return nearest;
    return std::nullopt;
}

int Atlas::PlaceCount() const {
    return m_data->placeCount;
}

int Atlas::NameCount() const {
    return m_data->nameCount;
}

QString Atlas::Inputs() const {
    return m_data->inputs;
}

} // namespace rashi::places
