#include "places/own_places.h"

#include "places/sqlite_handle.h"
#include "places/text_fold.h"

#include "core/chart_files/visible_text.h"
#include "core/entries/key_filters.h"
#include "core/zones/zone_ids.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

#include <sys/stat.h>

namespace rashi::places {
namespace {

// "RDOP": told apart from the atlas's database and from other programs' files.
constexpr int kOwnPlacesApplicationId = 0x52444F50;
constexpr int kOwnPlacesVersion = 1;
// The report tool and the window may write at the same moment; a change
// waits this long for the other's to finish.
constexpr int kBusyMilliseconds = 1500;

constexpr const char* kSchema = R"sql(
CREATE TABLE own_places(key TEXT NOT NULL, name TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
                        latitude REAL NOT NULL, longitude REAL NOT NULL, zone TEXT NOT NULL,
                        UNIQUE(name COLLATE NOCASE, state COLLATE NOCASE, country COLLATE NOCASE));
CREATE INDEX own_places_by_key ON own_places(key);
)sql";

QString Shown(const QString& path) {
    return QString::fromStdString(VisibleText(QDir::toNativeSeparators(path).toStdString()));
}

bool SetError(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

// The sentence for a failure of SQLite on the file; `changing` when a change
// was refused (and so not made).
QString Explain(int code, const QString& path, const QString& detail, bool changing) {
    const QString file = Shown(path);
    const QString kept = changing ? QStringLiteral(" Nothing was changed.") : QString();
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Your places file %1 is in use by another copy of the program; try again in a moment.%2")
            .arg(file, kept);
    case SQLITE_FULL:
        return QStringLiteral("The disk holding your places file %1 is full.%2").arg(file, kept);
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("Your places file %1 is read-only.%2").arg(file, kept);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return QStringLiteral("Your places file %1 is damaged; it is left as it is (move it away to start a new one).%2")
            .arg(file, kept);
    default:
        return QStringLiteral("Your places file %1 cannot be %2: %3.%4")
            .arg(file, changing ? QStringLiteral("written") : QStringLiteral("read"), detail, kept);
    }
}

QString Foreign(const QString& path) {
    return QStringLiteral("The file %1 is not a places file of this program; it is left as it is.").arg(Shown(path));
}

// Whether the file holds our table (true), nothing yet (false), or something
// else (an error).
std::optional<bool> Identify(sqlite3* db, const QString& path, QString* error, bool changing = false) {
    Statement id = Prepare(db, "PRAGMA application_id");
    Statement tables = Prepare(db, "SELECT count(*) FROM sqlite_schema");
    if (!id || !tables || sqlite3_step(id.get()) != SQLITE_ROW || sqlite3_step(tables.get()) != SQLITE_ROW) {
        SetError(error, Explain(sqlite3_extended_errcode(db), path, LastError(db), changing));
        return std::nullopt;
    }
    const int application = sqlite3_column_int(id.get(), 0);
    const int count = sqlite3_column_int(tables.get(), 0);
    if (application == 0 && count == 0) return false;
    if (application != kOwnPlacesApplicationId) {
        SetError(error, Foreign(path));
        return std::nullopt;
    }
    return true;
}

// Only a regular file is opened: a pipe would never answer.
bool IsOpenable(const QString& path, QString* error) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return SetError(error, QStringLiteral("Your places file %1 is not a regular file.").arg(Shown(path)));
    return true;
}

// A file its owner marked read-only stays so, even for the administrator.
bool MarkedReadOnly(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

Connection OpenForReading(const QString& path, QString* error) {
    if (!QFileInfo::exists(path) || !IsOpenable(path, error)) return {};
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(FileUri(path, "mode=ro").constData(), &raw,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    Connection db(raw);
    if (result != SQLITE_OK) {
        SetError(error, Explain(result, path, LastError(raw), false));
        return {};
    }
    sqlite3_busy_timeout(raw, kBusyMilliseconds);
    const std::optional<bool> ours = Identify(raw, path, error);
    if (!ours || !*ours) return {};
    return db;
}

Place ReadPlace(sqlite3_stmt* s) {
    Place place;
    place.name = ColumnText(s, 0);
    place.state = ColumnText(s, 1);
    place.country = ColumnText(s, 2);
    place.latitude = sqlite3_column_double(s, 3);
    place.longitude = sqlite3_column_double(s, 4);
    place.zoneId = ColumnText(s, 5);
    place.own = true;
    return place;
}

constexpr const char* kColumns = "SELECT name, state, country, latitude, longitude, zone, key FROM own_places";

// Runs `change` on the file in one transaction, made with its folder when
// absent. On any failure the transaction is rolled back and *error says why.
template <typename Change>
bool Write(const QString& path, QString* error, Change change) {
    if (!IsOpenable(path, error)) return false;
    if (MarkedReadOnly(path)) return SetError(error, Explain(SQLITE_READONLY, path, {}, true));
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return SetError(error, QStringLiteral("The folder of your places file %1 cannot be made.").arg(Shown(path)));
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(FileUri(path, "mode=rwc").constData(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                                       nullptr);
    Connection db(raw);
    if (opened != SQLITE_OK) return SetError(error, Explain(opened, path, LastError(raw), true));
    if (sqlite3_db_readonly(raw, "main") == 1) return SetError(error, Explain(SQLITE_READONLY, path, {}, true));
    sqlite3_busy_timeout(raw, kBusyMilliseconds);
    const auto fail = [&]() {
        const int code = sqlite3_extended_errcode(raw);
        const QString detail = LastError(raw);
        Execute(raw, "ROLLBACK");
        return SetError(error, Explain(code, path, detail, true));
    };
    // Taken at once for writing, so two writers never both read then write.
    if (!Execute(raw, "BEGIN IMMEDIATE")) return fail();
    QString refusal;
    const std::optional<bool> ours = Identify(raw, path, &refusal, true);
    if (!ours) {
        Execute(raw, "ROLLBACK");
        return SetError(error, refusal.isEmpty() ? Foreign(path) : refusal);
    }
    if (!*ours) {
        const QByteArray stamp = QStringLiteral("PRAGMA application_id=%1; PRAGMA user_version=%2;")
                                     .arg(kOwnPlacesApplicationId)
                                     .arg(kOwnPlacesVersion)
                                     .toUtf8();
        if (!Execute(raw, stamp.constData()) || !Execute(raw, kSchema)) return fail();
    }
    std::optional<QString> refused;
    if (!change(raw, refused)) {
        if (!refused) return fail();
        Execute(raw, "ROLLBACK");
        return SetError(error, *refused);
    }
    if (!Execute(raw, "COMMIT")) return fail();
    return true;
}

bool Insert(sqlite3* db, const Place& place) {
    Statement insert = Prepare(db, "INSERT INTO own_places VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    if (!insert) return false;
    BindText(insert.get(), 1, SearchKey(place.name));
    BindText(insert.get(), 2, place.name);
    BindText(insert.get(), 3, place.state);
    BindText(insert.get(), 4, place.country);
    sqlite3_bind_double(insert.get(), 5, place.latitude);
    sqlite3_bind_double(insert.get(), 6, place.longitude);
    BindText(insert.get(), 7, place.zoneId);
    return sqlite3_step(insert.get()) == SQLITE_DONE;
}

// Deletes the place of that label; how many rows went (-1 on failure).
int Delete(sqlite3* db, const QString& label) {
    Statement all = Prepare(db, "SELECT name, state, country, latitude, longitude, zone, rowid FROM own_places");
    if (!all) return -1;
    std::vector<sqlite3_int64> rows;
    int result;
    while ((result = sqlite3_step(all.get())) == SQLITE_ROW)
        if (ReadPlace(all.get()).Label().compare(label.simplified(), Qt::CaseInsensitive) == 0)
            rows.push_back(sqlite3_column_int64(all.get(), 6));
    if (result != SQLITE_DONE) return -1;
    Statement remove = Prepare(db, "DELETE FROM own_places WHERE rowid = ?1");
    if (!remove) return -1;
    for (sqlite3_int64 row : rows) {
        sqlite3_bind_int64(remove.get(), 1, row);
        if (sqlite3_step(remove.get()) != SQLITE_DONE) return -1;
        sqlite3_reset(remove.get());
    }
    return static_cast<int>(rows.size());
}

QString Duplicate(const Place& place) {
    return QStringLiteral("You already have a place named %1.").arg(place.Label());
}

QString NoSuchPlace(const QString& label) {
    return QStringLiteral("None of your places is named %1.").arg(QString::fromStdString(VisibleText(label.toStdString())));
}

} // namespace

QString OwnPlaces::DefaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("RASHI_OWN_PLACES");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    // The XDG rule ($XDG_DATA_HOME, else ~/.local/share), the same with or
    // without an application object.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/rashi-drishti/own-places.sqlite");
}

OwnPlaces::OwnPlaces(QString path) : path_(std::move(path)) {}

std::optional<QString> OwnPlaces::Check(const Place& place) {
    for (const QString* part : {&place.name, &place.state, &place.country})
        if (!kLetterFilter.acceptsText(part->toStdString()))
            return QString::fromLatin1(kLetterFilter.message.data(), qsizetype(kLetterFilter.message.size()));
    if (SearchKey(place.name).empty()) return QStringLiteral("Please Enter The City");
    if (SearchKey(place.country).empty()) return QStringLiteral("Please Enter The Country");
    if (!std::isfinite(place.latitude) || std::fabs(place.latitude) > 90)
        return QStringLiteral("The latitude must lie between 90 degrees south and 90 degrees north");
    if (!std::isfinite(place.longitude) || std::fabs(place.longitude) > 180)
        return QStringLiteral("The longitude must lie between 180 degrees west and 180 degrees east");
    if (!IsKnownZoneId(place.zoneId.toStdString()))
        return QStringLiteral("Unknown time zone \"%1\"").arg(QString::fromStdString(VisibleText(place.zoneId.toStdString())));
    return std::nullopt;
}

std::vector<Place> OwnPlaces::All(QString* error) const {
    Connection db = OpenForReading(path_, error);
    if (!db) return {};
    Statement all = Prepare(db.get(), std::string(kColumns) + " ORDER BY name COLLATE NOCASE, state, country");
    std::vector<Place> places;
    int result = SQLITE_ERROR;
    while (all && (result = sqlite3_step(all.get())) == SQLITE_ROW) places.push_back(ReadPlace(all.get()));
    if (result != SQLITE_DONE) {
        SetError(error, Explain(sqlite3_extended_errcode(db.get()), path_, LastError(db.get()), false));
        return {};
    }
    return places;
}

std::vector<Place> OwnPlaces::Search(QStringView text, int maxResults, QString* error) const {
    if (maxResults <= 0) return {};
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    const std::string name = SearchKey(parts.front());
    if (name.empty()) return {};
    Connection db = OpenForReading(path_, error);
    if (!db) return {};
    Statement range = Prepare(db.get(), std::string(kColumns) + " WHERE key >= ?1 AND key < ?2");
    if (!range) return {};
    BindText(range.get(), 1, std::string_view(name));
    BindText(range.get(), 2, name + '{');
    std::vector<std::pair<bool, Place>> found;
    int result;
    while ((result = sqlite3_step(range.get())) == SQLITE_ROW) {
        Place place = ReadPlace(range.get());
        // Each part after the name must begin the place's state or country.
        const bool fits = std::all_of(parts.begin() + 1, parts.end(), [&](QStringView part) {
            const std::string key = SearchKey(part);
            return key.empty() || SearchKey(place.state).starts_with(key) || SearchKey(place.country).starts_with(key);
        });
        const auto* key = reinterpret_cast<const char*>(sqlite3_column_text(range.get(), 6));
        if (fits) found.emplace_back(name == key, std::move(place));
    }
    if (result != SQLITE_DONE) {
        SetError(error, Explain(sqlite3_extended_errcode(db.get()), path_, LastError(db.get()), false));
        return {};
    }
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first;
        return a.second.Label().compare(b.second.Label(), Qt::CaseInsensitive) < 0;
    });
    std::vector<Place> places;
    for (auto& [whole, place] : found)
        if (static_cast<int>(places.size()) < maxResults) places.push_back(std::move(place));
    return places;
}

bool OwnPlaces::Add(const Place& place, QString* error) {
    if (const auto refusal = Check(place)) return SetError(error, *refusal);
    return Write(path_, error, [&](sqlite3* db, std::optional<QString>& refused) {
        if (Insert(db, place)) return true;
        if (sqlite3_extended_errcode(db) == SQLITE_CONSTRAINT_UNIQUE) refused = Duplicate(place);
        return false;
    });
}

bool OwnPlaces::Replace(const QString& label, const Place& place, QString* error) {
    if (const auto refusal = Check(place)) return SetError(error, *refusal);
    return Write(path_, error, [&](sqlite3* db, std::optional<QString>& refused) {
        const int removed = Delete(db, label);
        if (removed == 0) refused = NoSuchPlace(label);
        if (removed <= 0) return false;
        if (Insert(db, place)) return true;
        if (sqlite3_extended_errcode(db) == SQLITE_CONSTRAINT_UNIQUE) refused = Duplicate(place);
        return false;
    });
}

bool OwnPlaces::Remove(const QString& label, QString* error) {
    if (!QFileInfo::exists(path_)) return SetError(error, NoSuchPlace(label));
    return Write(path_, error, [&](sqlite3* db, std::optional<QString>& refused) {
        const int removed = Delete(db, label);
        if (removed == 0) refused = NoSuchPlace(label);
        return removed > 0;
    });
}

} // namespace rashi::places
