#include "firstrow.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <utility>

namespace accessdriver {

namespace {

    // SQLite calls its automatic extensions for every database any code of the process opens:
    // the hook is registered only while some thread captures, and only that thread's slot is
    // written.
    thread_local sqlite3** captureSlot = nullptr;
    std::mutex captureLock;
    int capturing = 0;

    int noteDatabase(sqlite3* database, char**, const sqlite3_api_routines*)
    {
        if (captureSlot)
            *captureSlot = database;
        return SQLITE_OK;
    }

    using Entry = void (*)();
    Entry hook() { return reinterpret_cast<Entry>(&noteDatabase); }

    // The statements of the database that are in the middle of a run.
    std::vector<sqlite3_stmt*> runningStatements(sqlite3* database)
    {
        std::vector<sqlite3_stmt*> running;
        for (sqlite3_stmt* p = sqlite3_next_stmt(database, nullptr); p;
             p = sqlite3_next_stmt(database, p))
            if (sqlite3_stmt_busy(p))
                running.push_back(p);
        return running;
    }

    // The statement that the backend's fetch has just started: running now and not before.
    sqlite3_stmt* startedStatement(sqlite3* database, const std::vector<sqlite3_stmt*>& before)
    {
        for (sqlite3_stmt* p = sqlite3_next_stmt(database, nullptr); p;
             p = sqlite3_next_stmt(database, p))
            if (sqlite3_stmt_busy(p) && std::find(before.begin(), before.end(), p) == before.end())
                return p;
        return nullptr;
    }

    ComputedType typeOf(sqlite3_stmt* statement, int column)
    {
        if (sqlite3_column_decltype(statement, column))
            return ComputedType::None; // a table's column: described by its declared type
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            return ComputedType::Integer;
        case SQLITE_FLOAT:
            return ComputedType::Real;
        default:
            return ComputedType::None;
        }
    }

    // The backend's first fetch of the result set, noting the computed columns' types.
    SQLRETURN fetchFirst(Statement& s)
    {
        s.result.unfetched = false;
        sqlite3* database = s.connection->sqliteDatabase;
        std::vector<sqlite3_stmt*> before = runningStatements(database);
        SQLRETURN rc = s.api().SQLFetch(s.backend);
        if (!SQL_SUCCEEDED(rc))
            return rc;
        sqlite3_stmt* statement = startedStatement(database, before);
        if (!statement)
            return rc;
        s.result.running = statement;
        int columns = sqlite3_column_count(statement);
        s.result.computed.assign(static_cast<size_t>(columns), ComputedType::None);
        for (int i = 0; i < columns; ++i)
            s.result.computed[static_cast<size_t>(i)] = typeOf(statement, i);
        return rc;
    }

    // Whether the backend describes the column as its stepped mode describes a computed one.
    bool describedAsComputed(Statement& s, SQLUSMALLINT column)
    {
        SQLSMALLINT type = 0;
        SQLULEN size = 0;
        SQLRETURN rc = s.api().SQLDescribeCol(
            s.backend, column, nullptr, 0, nullptr, &type, &size, nullptr, nullptr);
        return SQL_SUCCEEDED(rc) && type == SQL_VARCHAR && size == 255;
    }

} // namespace

SqliteHandleCapture::SqliteHandleCapture(sqlite3** slot)
{
    std::lock_guard<std::mutex> guard(captureLock);
    if (capturing++ == 0)
        sqlite3_auto_extension(hook());
    captureSlot = slot;
}

SqliteHandleCapture::~SqliteHandleCapture()
{
    std::lock_guard<std::mutex> guard(captureLock);
    captureSlot = nullptr;
    if (--capturing == 0)
        sqlite3_cancel_auto_extension(hook());
}

void startResult(Statement& s, SQLRETURN rc)
{
    endResult(s);
    s.result.unfetched = SQL_SUCCEEDED(rc) && s.connection->sqliteDatabase;
}

void closeResult(Statement& s)
{
    // Only a statement of the connection that is still running: one the SQLite3 driver has
    // finalized in the meantime is not touched.
    if (s.result.running) {
        std::vector<sqlite3_stmt*> running = runningStatements(s.connection->sqliteDatabase);
        if (std::find(running.begin(), running.end(), s.result.running) != running.end())
            sqlite3_reset(s.result.running);
    }
    endResult(s);
}

void endResult(Statement& s)
{
    s.result.running = nullptr;
    s.result.unfetched = false;
    s.result.early = false;
    s.result.earlyDiagnostics.clear();
    s.result.computed.clear();
}

SQLRETURN fetchRow(Statement& s)
{
    if (s.result.early) {
        s.result.early = false;
        std::swap(s.diagnostics, s.result.earlyDiagnostics);
        SQLRETURN rc = s.result.earlyRc;
        if (!SQL_SUCCEEDED(rc))
            return rc;
        // The backend filled the bindings it had then; the caller may have bound since.
        for (const ColumnBinding& b : s.bindings) {
            SQLRETURN got
                = s.api().SQLGetData(s.backend, b.column, b.type, b.buffer, b.max, b.indicator);
            if (got == SQL_ERROR)
                return got;
            if (got == SQL_SUCCESS_WITH_INFO)
                rc = got;
        }
        return rc;
    }
    SQLRETURN rc = s.result.unfetched ? fetchFirst(s) : s.api().SQLFetch(s.backend);
    // At its end the SQLite3 driver finalizes SQLite's statement: nothing is left to reset.
    if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
        s.result.running = nullptr;
    return rc;
}

ComputedType computedType(Statement& s, SQLUSMALLINT column)
{
    if (s.result.unfetched) {
        // A block cursor cannot be handed its first row by this driver: it keeps the backend's
        // description.
        if (s.rowsPerFetch != 1 || !describedAsComputed(s, column))
            return ComputedType::None;
        s.result.earlyRc = fetchFirst(s);
        s.result.early = true;
        if (!SQL_SUCCEEDED(s.result.earlyRc) && s.result.earlyRc != SQL_NO_DATA)
            keepBackendRecords(s.api(), SQL_NULL_HDBC, s.backend, s.result.earlyDiagnostics);
    }
    if (column < 1 || column > s.result.computed.size())
        return ComputedType::None;
    return s.result.computed[column - 1u];
}

const ComputedDescription& describeComputed(ComputedType type)
{
    static const ComputedDescription integer { SQL_INTEGER, 10, 10, "integer" };
    static const ComputedDescription real { SQL_DOUBLE, 54, 15, "double" };
    return type == ComputedType::Real ? real : integer;
}

} // namespace accessdriver
