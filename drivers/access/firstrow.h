// The SQLite3 ODBC driver runs in its step mode: a SELECT's rows are stepped one at a time as they
// are fetched instead of being read whole inside SQLExecute. That mode describes a computed column
// (an aggregate, an expression, a literal, a view's computed column) as varchar(255), where the
// whole-table mode typed it by the value SQLite gives in the first row: an integer as SQL_INTEGER
// and a real as SQL_DOUBLE. This driver keeps those types: it learns the first row's value types
// from SQLite itself, fetching the first row early when a computed column is described before any
// fetch, and hands that row over on the caller's first SQLFetch.
#pragma once

#include "handles.h"

struct sqlite3;

namespace accessdriver {

// While one lives, the SQLite database handle that a backend connect opens on this thread is
// written to *slot.
class SqliteHandleCapture {
public:
    explicit SqliteHandleCapture(sqlite3** slot);
    ~SqliteHandleCapture();
    SqliteHandleCapture(const SqliteHandleCapture&) = delete;
    SqliteHandleCapture& operator=(const SqliteHandleCapture&) = delete;
};

// A new result set on the statement (rc of the execute that made it).
void startResult(Statement& s, SQLRETURN rc);
// The result set is gone (closed cursor, next result, catalog function).
void endResult(Statement& s);
// SQLFreeStmt(SQL_CLOSE), SQLCloseCursor: before the backend closes the cursor. The SQLite3
// driver leaves SQLite's statement running when its cursor is closed half way, and with it the
// read lock on the database file, until the statement runs again or is freed; the cursor's
// statement is reset here, so that other connections may write at once.
void closeResult(Statement& s);
// SQLFetch: the early row first, then the backend's rows.
SQLRETURN fetchRow(Statement& s);

// The first row's type of a computed column, when it is an integer or a real; None for every
// other column. May fetch the first row early.
ComputedType computedType(Statement& s, SQLUSMALLINT column);

// What the whole-table mode described for a computed column of that type.
struct ComputedDescription {
    SQLSMALLINT type; // SQL_INTEGER or SQL_DOUBLE
    SQLULEN size; // column size, display size, length and octet length
    SQLLEN precision;
    const char* typeName;
};
const ComputedDescription& describeComputed(ComputedType type);

} // namespace accessdriver
