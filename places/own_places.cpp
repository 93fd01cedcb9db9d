#include "places/own_places.h"

#include "places/key_edits.h"
#include "places/sqlite_handle.h"
#include "places/text_fold.h"

#include "core/chart_files/chart_file.h"
#include "core/chart_files/visible_text.h"
#include "core/entries/key_filters.h"
#include "core/zones/zone_ids.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <utility>

#include <sys/stat.h>

namespace rashi::places {
namespace {

// "RDOP": told apart from the atlas's database and from other programs' files.
constexpr int kOwnPlacesApplicationId = 0x52444F50;
constexpr int kOwnPlacesVersion = 1;

constexpr const char* kSchema = R"sql(
CREATE TABLE own_places(key TEXT NOT NULL, name TEXT NOT NULL, state TEXT NOT NULL, country TEXT NOT NULL,
                        latitude REAL NOT NULL, longitude REAL NOT NULL, zone TEXT NOT NULL,
                        UNIQUE(name COLLATE NOCASE, state COLLATE NOCASE, country COLLATE NOCASE));
CREATE INDEX own_places_by_key ON own_places(key);
)sql";
// The table's columns, in their order.
constexpr const char* kColumnNames[] = {"key", "name", "state", "country", "latitude", "longitude", "zone"};

QString Shown(const QString& path) {
    return QString::fromStdString(VisibleText(QDir::toNativeSeparators(path).toStdString()));
}

bool SetError(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

// What SQLite said when a step failed, read before anything else runs on
// the connection (a later statement, or finalizing this one, would replace it).
struct Failure {
    int code = SQLITE_OK;
    QString detail;

    bool Note(sqlite3* db) {
        code = sqlite3_extended_errcode(db);
        detail = LastError(db);
        return false;
    }
};

// The sentence for a failure of SQLite on the file; `changing` when a change
// was refused (and so not made).
QString Explain(int code, const QString& path, const QString& detail, bool changing) {
    const QString file = Shown(path);
    const QString kept = changing ? QStringLiteral(" Nothing was changed.") : QString();
    if (code == SQLITE_READONLY_ROLLBACK)
        return QStringLiteral("Your places file %1 holds a change that was never finished, and it cannot be undone "
                              "while the file is read-only; make it writable once to read your places again.%2")
            .arg(file, kept);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Your places file %1 is in use by another program; try again in a moment.%2").arg(file, kept);
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
            .arg(file, changing ? QStringLiteral("written") : QStringLiteral("read"),
                 detail.isEmpty() ? QStringLiteral("error %1").arg(code) : detail, kept);
    }
}

QString Explain(const Failure& failure, const QString& path, bool changing) {
    return Explain(failure.code, path, failure.detail, changing);
}

QString Foreign(const QString& path) {
    return QStringLiteral("The file %1 is not a places file of this program; it is left as it is.").arg(Shown(path));
}

// A -wal or -shm file beside a file kept with a rollback journal (as ours
// always is) belongs to some other database: SQLite would take its pages for
// the file's own, show them and write them into the file. Our file is not
// opened while one lies there.
std::optional<QString> StrayJournal(const QString& path, bool changing) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray head = file.read(100);
    const bool rollback = head.size() == 100 && head.startsWith(QByteArrayView("SQLite format 3\0", 16)) && head[18] == 1;
    if (!rollback) return std::nullopt;
    for (const char* suffix : {"-wal", "-shm"})
        if (QFileInfo::exists(path + QLatin1String(suffix)))
            return QStringLiteral("Your places file %1 has a file %2 beside it that is not its own; move that file away "
                                  "to use your places again.%3")
                .arg(Shown(path), Shown(path + QLatin1String(suffix)),
                     changing ? QStringLiteral(" Nothing was changed.") : QString());
    return std::nullopt;
}

// Whether the file holds our table (true), nothing yet (false), or something
// else (an error).
std::optional<bool> Identify(sqlite3* db, const QString& path, QString* error, bool changing = false,
                             int* code = nullptr) {
    Statement id = Prepare(db, "PRAGMA application_id");
    Statement tables = Prepare(db, "SELECT count(*) FROM sqlite_schema");
    Failure failure;
    if (!id || !tables || sqlite3_step(id.get()) != SQLITE_ROW || sqlite3_step(tables.get()) != SQLITE_ROW) {
        failure.Note(db);
        if (code) *code = failure.code;
        SetError(error, Explain(failure, path, changing));
        return std::nullopt;
    }
    const int application = sqlite3_column_int(id.get(), 0);
    const int count = sqlite3_column_int(tables.get(), 0);
    if (application == 0 && count == 0) return false;
    // Our stamp and our table's columns, in their order.
    Statement columns = Prepare(db, "SELECT name FROM pragma_table_info('own_places') ORDER BY cid");
    std::vector<QString> names;
    int result = SQLITE_ERROR;
    while (columns && (result = sqlite3_step(columns.get())) == SQLITE_ROW) names.push_back(ColumnText(columns.get(), 0));
    if (columns && result != SQLITE_DONE) {
        failure.Note(db);
        SetError(error, Explain(failure, path, changing));
        return std::nullopt;
    }
    const bool ourColumns = std::equal(names.begin(), names.end(), std::begin(kColumnNames), std::end(kColumnNames),
                                       [](const QString& a, const char* b) { return a == QLatin1String(b); });
    if (application != kOwnPlacesApplicationId || !ourColumns) {
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

// A connection to the file, made with it when `create`. Opened for writing
// where it can be even to read, so that a change another copy left half done
// (a hot journal) is rolled back rather than hiding the places; never
// checkpointing on close, so that nothing but our own changes reaches it.
Connection Connect(const QString& path, bool create, int busyMilliseconds, QString* error, bool changing) {
    if (const std::optional<QString> stray = StrayJournal(path, changing)) {
        SetError(error, *stray);
        return {};
    }
    sqlite3* raw = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    const int result = sqlite3_open_v2(FileUri(path, create ? "mode=rwc" : "mode=rw").constData(), &raw, flags, nullptr);
    Connection db(raw);
    if (result != SQLITE_OK) {
        SetError(error, Explain(result, path, LastError(raw), changing));
        return {};
    }
    sqlite3_db_config(raw, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    sqlite3_busy_timeout(raw, busyMilliseconds);
    return db;
}

// `code` gets SQLite's code when it failed.
Connection OpenForReading(const QString& path, int busyMilliseconds, QString* error, int* code) {
    if (!QFileInfo::exists(path) || !IsOpenable(path, error)) return {};
    Connection db = Connect(path, false, busyMilliseconds, error, false);
    if (!db) return {};
    const std::optional<bool> ours = Identify(db.get(), path, error, false, code);
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

// The rows of the table with their row ids, in the order given.
constexpr const char* kRows = "SELECT name, state, country, latitude, longitude, zone, rowid FROM own_places";

using Rows = std::vector<std::pair<sqlite3_int64, Place>>;

bool ReadRows(sqlite3* db, const char* sql, Rows& rows, Failure& failure) {
    Statement all = Prepare(db, sql);
    if (!all) return failure.Note(db);
    int result;
    while ((result = sqlite3_step(all.get())) == SQLITE_ROW)
        rows.emplace_back(sqlite3_column_int64(all.get(), 6), ReadPlace(all.get()));
    if (result != SQLITE_DONE) return failure.Note(db);
    return true;
}

// The one comparison of two labels: "duplicate" and "the same place" alike.
bool SameLabel(const QString& a, const QString& b) {
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

bool Insert(sqlite3* db, const Place& place, Failure& failure) {
    Statement insert = Prepare(db, "INSERT INTO own_places VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7)");
    if (!insert) return failure.Note(db);
    BindText(insert.get(), 1, SearchKey(place.name));
    BindText(insert.get(), 2, place.name);
    BindText(insert.get(), 3, place.state);
    BindText(insert.get(), 4, place.country);
    sqlite3_bind_double(insert.get(), 5, place.latitude);
    sqlite3_bind_double(insert.get(), 6, place.longitude);
    BindText(insert.get(), 7, place.zoneId);
    return sqlite3_step(insert.get()) == SQLITE_DONE || failure.Note(db);
}

bool DeleteRow(sqlite3* db, sqlite3_int64 row, Failure& failure) {
    Statement remove = Prepare(db, "DELETE FROM own_places WHERE rowid = ?1");
    if (!remove) return failure.Note(db);
    sqlite3_bind_int64(remove.get(), 1, row);
    return sqlite3_step(remove.get()) == SQLITE_DONE || failure.Note(db);
}

QString Quoted(const QString& label) {
    return QString::fromStdString(QuotedLine(label.toStdString()));
}

// A label as a message shows it: visible, and cut to 40 bytes as a quoted line is.
QString Cut(const QString& label) {
    const QString quoted = Quoted(label);
    return quoted.mid(1, quoted.size() - 2);
}

QString Duplicate(const Place& place) {
    return QStringLiteral("You already have a place named %1.").arg(Cut(place.Label()));
}

QString NoSuchPlace(const QString& label) {
    return QStringLiteral("None of your places is named %1.").arg(Cut(label));
}

// The row of the place labelled `label`: the one place of that label, or of
// several differing only in case, the one written exactly so.
std::optional<sqlite3_int64> ChosenRow(const Rows& rows, const QString& label, std::optional<QString>& refused) {
    std::vector<const Rows::value_type*> same;
    for (const auto& row : rows)
        if (SameLabel(row.second.Label(), label)) same.push_back(&row);
    if (same.size() == 1) return same.front()->first;
    for (const auto* row : same)
        if (row->second.Label() == label.simplified()) return row->first;
    if (same.empty()) {
        refused = NoSuchPlace(label);
    } else {
        QStringList labels;
        for (const auto* row : same) labels << row->second.Label();
        refused = QStringLiteral("Several of your places are named %1 in some case: %2. Give the name as it is written.")
                      .arg(Cut(label), labels.join(QStringLiteral("; ")));
    }
    return std::nullopt;
}

// Whether another row than `except` has the place's label.
bool Taken(const Rows& rows, const Place& place, sqlite3_int64 except = -1) {
    return std::any_of(rows.begin(), rows.end(), [&](const auto& row) {
        return row.first != except && SameLabel(row.second.Label(), place.Label());
    });
}

// Runs `change` on the file in one transaction, made with its folder when
// absent. On any failure the transaction is rolled back and *error says why.
// `change(db, rows, failure, refused)` returns false with `refused` set to
// refuse the change for a reason of its own, or without it when SQLite failed.
template <typename Change>
bool Write(const QString& path, int busyMilliseconds, QString* error, Change change) {
    if (!IsOpenable(path, error)) return false;
    if (MarkedReadOnly(path)) return SetError(error, Explain(SQLITE_READONLY, path, {}, true));
    if (const std::optional<QString> stray = StrayJournal(path, true)) return SetError(error, *stray);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return SetError(error, QStringLiteral("The folder of your places file %1 cannot be made.").arg(Shown(path)));
    Connection db = Connect(path, true, busyMilliseconds, error, true);
    if (!db) return false;
    sqlite3* raw = db.get();
    if (sqlite3_db_readonly(raw, "main") == 1) return SetError(error, Explain(SQLITE_READONLY, path, {}, true));
    Failure failure;
    const auto fail = [&]() {
        Execute(raw, "ROLLBACK");
        return SetError(error, Explain(failure, path, true));
    };
    const auto refuse = [&](const QString& why) {
        Execute(raw, "ROLLBACK");
        return SetError(error, why);
    };
    // Taken at once for writing, so two writers never both read then write.
    if (!Execute(raw, "BEGIN IMMEDIATE")) {
        failure.Note(raw);
        return fail();
    }
    // A file whose pages are damaged takes no change: nothing could be read back.
    {
        Statement check = Prepare(raw, "PRAGMA quick_check");
        if (!check) {
            failure.Note(raw);
            return fail();
        }
        const int result = sqlite3_step(check.get());
        if (result != SQLITE_ROW) {
            failure.Note(raw);
            return fail();
        }
        if (ColumnText(check.get(), 0) != u"ok") return refuse(Explain(SQLITE_CORRUPT, path, {}, true));
    }
    QString refusal;
    const std::optional<bool> ours = Identify(raw, path, &refusal, true);
    if (!ours) return refuse(refusal.isEmpty() ? Foreign(path) : refusal);
    if (!*ours) {
        const QByteArray stamp = QStringLiteral("PRAGMA application_id=%1; PRAGMA user_version=%2;")
                                     .arg(kOwnPlacesApplicationId)
                                     .arg(kOwnPlacesVersion)
                                     .toUtf8();
        if (!Execute(raw, stamp.constData()) || !Execute(raw, kSchema)) {
            failure.Note(raw);
            return fail();
        }
    }
    Rows rows;
    if (!ReadRows(raw, kRows, rows, failure)) return fail();
    std::optional<QString> refused;
    if (!change(raw, rows, failure, refused)) return refused ? refuse(*refused) : fail();
    if (!Execute(raw, "COMMIT")) {
        failure.Note(raw);
        return fail();
    }
    return true;
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

OwnPlaces::OwnPlaces(QString path, int busyMilliseconds) : path_(std::move(path)), busyMilliseconds_(busyMilliseconds) {}

std::optional<QString> OwnPlaces::Check(const Place& place) {
    for (const QString* part : {&place.name, &place.state, &place.country}) {
        const std::string text = part->toStdString();
        if (!kLetterFilter.acceptsText(text))
            return QString::fromLatin1(kLetterFilter.message.data(), qsizetype(kLetterFilter.message.size()));
        // A chart file's line holds a box's text, and no more.
        if (text.size() > kMaxChartLineBytes)
            return QStringLiteral("A name, state or country takes at most %1 characters, as its box does")
                .arg(kMaxChartLineBytes);
    }
    if (SearchKey(place.name).empty()) return QStringLiteral("Please Enter The City");
    if (SearchKey(place.country).empty()) return QStringLiteral("Please Enter The Country");
    if (!std::isfinite(place.latitude) || std::fabs(place.latitude) > 90)
        return QStringLiteral("The latitude must lie between 90 degrees south and 90 degrees north");
    if (!std::isfinite(place.longitude) || std::fabs(place.longitude) > 180)
        return QStringLiteral("The longitude must lie between 180 degrees west and 180 degrees east");
    if (!IsKnownZoneId(place.zoneId.toStdString()))
        return QStringLiteral("Unknown time zone %1").arg(Quoted(place.zoneId));
    return std::nullopt;
}

std::vector<Place> OwnPlaces::All(QString* error, bool* busy) const {
    if (busy) *busy = false;
    int code = SQLITE_OK;
    Connection db = OpenForReading(path_, busyMilliseconds_, error, &code);
    if (busy) *busy = (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED;
    if (!db) return {};
    Rows rows;
    Failure failure;
    if (!ReadRows(db.get(), (std::string(kRows) + " ORDER BY name COLLATE NOCASE, state, country").c_str(), rows, failure)) {
        if (busy) *busy = (failure.code & 0xff) == SQLITE_BUSY || (failure.code & 0xff) == SQLITE_LOCKED;
        SetError(error, Explain(failure, path_, false));
        return {};
    }
    std::vector<Place> places;
    for (auto& [row, place] : rows) {
        // A place no box would take (a hand-edited latitude of 200) is damage,
        // never a place to be used or quietly mended.
        if (const std::optional<QString> refusal = Check(place)) {
            SetError(error, QStringLiteral("Your places file %1 is damaged: its place %2 is wrong (%3).")
                                .arg(Shown(path_), Quoted(place.Label()), *refusal));
            return {};
        }
        places.push_back(std::move(place));
    }
    return places;
}

namespace {

// Whether each part typed after the name begins the place's state or country.
bool FitsParts(const Place& place, const QList<QStringView>& parts) {
    return std::all_of(parts.begin() + 1, parts.end(), [&](QStringView part) {
        const std::string partKey = SearchKey(part);
        return partKey.empty() || SearchKey(place.state).starts_with(partKey) ||
               SearchKey(place.country).starts_with(partKey);
    });
}

} // namespace

std::vector<Place> OwnPlaces::Among(const std::vector<Place>& places, QStringView text, int maxResults) {
    if (maxResults <= 0) return {};
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    const std::string name = SearchKey(parts.front());
    if (name.empty()) return {};
    std::vector<std::pair<bool, const Place*>> found;
    for (const Place& place : places) {
        const std::string key = SearchKey(place.name);
        if (key.starts_with(name) && FitsParts(place, parts)) found.emplace_back(key == name, &place);
    }
    // Whole names first, then by label.
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first;
        return a.second->Label().compare(b.second->Label(), Qt::CaseInsensitive) < 0;
    });
    std::vector<Place> result;
    for (const auto& [whole, place] : found)
        if (static_cast<int>(result.size()) < maxResults) result.push_back(*place);
    return result;
}

std::vector<Place> OwnPlaces::Near(const std::vector<Place>& places, QStringView text, int maxResults) {
    if (maxResults <= 0) return {};
    // Text with control characters in it is no name mistyped.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return IsControlCode(c.unicode()); })) return {};
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    // Counted in letters, so that a name in any script is guessed at alike.
    const std::u32string name = KeyLetters(SearchKey(parts.front()));
    if (name.size() < 4) return {};
    std::vector<std::pair<int, const Place*>> found;
    for (const Place& place : places)
        if (const int edits = KeyEdits(KeyLetters(SearchKey(place.name)), name); edits <= 2 && FitsParts(place, parts))
            found.emplace_back(edits, &place);
    // Nearest first, then by label.
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first) return a.first < b.first;
        return a.second->Label().compare(b.second->Label(), Qt::CaseInsensitive) < 0;
    });
    std::vector<Place> result;
    for (const auto& [edits, place] : found)
        if (static_cast<int>(result.size()) < maxResults) result.push_back(*place);
    return result;
}

std::vector<Place> OwnPlaces::Search(QStringView text, int maxResults, QString* error) const {
    if (maxResults <= 0 || SearchKey(text.split(QLatin1Char(',')).front()).empty()) return {};
    return Among(All(error), text, maxResults);
}

bool OwnPlaces::Add(const Place& place, QString* error) {
    if (const auto refusal = Check(place)) return SetError(error, *refusal);
    return Write(path_, busyMilliseconds_, error,
                 [&](sqlite3* db, const Rows& rows, Failure& failure, std::optional<QString>& refused) {
                     if (Taken(rows, place)) {
                         refused = Duplicate(place);
                         return false;
                     }
                     return Insert(db, place, failure);
                 });
}

bool OwnPlaces::Replace(const QString& label, const Place& place, QString* error) {
    if (const auto refusal = Check(place)) return SetError(error, *refusal);
    return Write(path_, busyMilliseconds_, error,
                 [&](sqlite3* db, const Rows& rows, Failure& failure, std::optional<QString>& refused) {
                     const std::optional<sqlite3_int64> row = ChosenRow(rows, label, refused);
                     if (!row) return false;
                     // A new label must be free; the same one in another case is the same place.
                     if (!SameLabel(place.Label(), label) && Taken(rows, place, *row)) {
                         refused = Duplicate(place);
                         return false;
                     }
                     return DeleteRow(db, *row, failure) && Insert(db, place, failure);
                 });
}

bool OwnPlaces::Remove(const QString& label, QString* error) {
    if (!QFileInfo::exists(path_)) return SetError(error, NoSuchPlace(label));
    return Write(path_, busyMilliseconds_, error,
                 [&](sqlite3* db, const Rows& rows, Failure& failure, std::optional<QString>& refused) {
                     const std::optional<sqlite3_int64> row = ChosenRow(rows, label, refused);
                     return row && DeleteRow(db, *row, failure);
                 });
}

} // namespace rashi::places
