// The handles the driver manager holds. The backend is known only once a connection has read its
// database file, so every handle is the driver's own object that carries the backend's handle.
#pragma once

#include "backenddriver.h"
#include "diagnostics.h"

#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;
#include <string>
#include <vector>

namespace accessdriver {

struct Handle {
    explicit Handle(SQLSMALLINT handleType)
        : type(handleType)
    {
    }
    ~Handle() { tag = 0; }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    static constexpr uint32_t kTag = 0x41636344; // "AccD"
    uint32_t tag = kTag;
    SQLSMALLINT type;
    Diagnostics diagnostics;
};

struct Environment : Handle {
    Environment()
        : Handle(SQL_HANDLE_ENV)
    {
    }
    static Environment* from(SQLHANDLE h);

    SQLINTEGER odbcVersion = SQL_OV_ODBC3;
};

// A connection attribute set before the backend exists, replayed on it at connect.
struct PendingAttribute {
    SQLINTEGER attribute;
    SQLPOINTER value; // an integer attribute's value, or text.data()
    std::string text; // a string attribute's copy
    bool isText;
};

struct Connection : Handle {
    explicit Connection(Environment* env)
        : Handle(SQL_HANDLE_DBC)
        , environment(env)
    {
    }
    static Connection* from(SQLHANDLE h);

    Environment* environment;
    std::vector<PendingAttribute> pending;
    BackendDriver* backend = nullptr; // set by a connect attempt
    SQLHENV backendEnvironment = SQL_NULL_HENV;
    SQLHDBC backendConnection = SQL_NULL_HDBC;
    sqlite3* sqliteDatabase = nullptr; // the SQLite backend's database, when it is that backend
    bool connected = false;

    const BackendApi& api() const { return backend->api(); }
    // Frees the backend's connection and environment handles (after a disconnect or a failed
    // connect whose diagnostics have been read).
    void releaseBackend();
};

// What the first row of a result set holds in a computed column (firstrow.h).
enum class ComputedType : unsigned char { None, Integer, Real };

// A column bound with SQLBindCol, kept to fill it again for a row fetched early.
struct ColumnBinding {
    SQLUSMALLINT column;
    SQLSMALLINT type;
    SQLPOINTER buffer;
    SQLLEN max;
    SQLLEN* indicator;
};

// The state of a SQLite result set that is stepped as it is fetched (firstrow.cpp).
struct SteppedResult {
    bool unfetched = false; // executed; the backend has not fetched its first row yet
    bool early = false; // the backend is on the first row, which the caller has not had yet
    SQLRETURN earlyRc = SQL_SUCCESS;
    Diagnostics earlyDiagnostics; // the records of a failed early fetch
    std::vector<ComputedType> computed; // per column, from the first row
    sqlite3_stmt* running = nullptr; // SQLite's statement, once the first row is fetched
};

struct Statement : Handle {
    Statement(Connection* dbc, SQLHSTMT backendStatement)
        : Handle(SQL_HANDLE_STMT)
        , connection(dbc)
        , backend(backendStatement)
    {
    }
    static Statement* from(SQLHANDLE h);

    Connection* connection;
    SQLHSTMT backend;
    std::vector<ColumnBinding> bindings;
    SQLULEN rowsPerFetch = 1;
    SteppedResult result;

    const BackendApi& api() const { return connection->api(); }
    SQLINTEGER odbcVersion() const { return connection->environment->odbcVersion; }
};

// Copies the backend's diagnostic records of a connection or a statement handle (the other one
// null) into `into`, as the backend wrote them; returns how many it copied.
int keepBackendRecords(const BackendApi& api, SQLHDBC dbc, SQLHSTMT stmt, Diagnostics& into);

} // namespace accessdriver
