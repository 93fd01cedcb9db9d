#pragma once
// Owning handles for SQLite's C API: a connection and a prepared statement,
// closed and finalized when they go out of scope, and the few calls the
// atlas and the user's places make on them.

#include <sqlite3.h>

#include <QString>

#include <memory>
#include <string_view>

namespace rashi::places {

struct CloseConnection {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct FinalizeStatement {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Connection = std::unique_ptr<sqlite3, CloseConnection>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// A statement prepared on `db`; empty when the SQL does not prepare.
Statement Prepare(sqlite3* db, std::string_view sql);

// Runs SQL without results (several statements allowed); false on failure.
bool Execute(sqlite3* db, const char* sql);

// Binds text as UTF-8 (copied, so the QString may go).
void BindText(sqlite3_stmt* statement, int index, const QString& text);
void BindText(sqlite3_stmt* statement, int index, std::string_view text);

// A column's text as a QString (UTF-8 in the file).
QString ColumnText(sqlite3_stmt* statement, int column);

// SQLite's own message for the last failure on `db`.
QString LastError(sqlite3* db);

// A file name as an SQLite URI, with the given query ("mode=ro&immutable=1"):
// every byte that could end the path is escaped.
QByteArray FileUri(const QString& path, const char* query);

} // namespace rashi::places
