#include "connector.h"

#include "connectstring.h"
#include "databasefile.h"
#include "firstrow.h"

#include <odbcinst.h>

#include <cstring>

namespace accessdriver {

namespace {

    // The DBQ of the connect string, or of the data source's odbc.ini entry; in the second case
    // the completed connect string gets it too.
    std::string databasePath(ConnectString& completed)
    {
        std::string dbq = completed.value("DBQ");
        if (!dbq.empty())
            return dbq;
        std::string dsn = completed.value("DSN");
        if (dsn.empty())
            return dbq;
        char buffer[1024] = "";
        SQLGetPrivateProfileString(dsn.c_str(), "DBQ", "", buffer, sizeof buffer, "odbc.ini");
        dbq = buffer;
        if (!dbq.empty())
            completed.set("DBQ", dbq);
        return dbq;
    }

    // Refuses a database file the backends cannot open; true when the file can be forwarded.
    bool checkFile(Connection& c, const std::string& dbq, const DatabaseFile& file)
    {
        switch (file.kind) {
        case DatabaseKind::Sqlite:
        case DatabaseKind::Jet:
            return true;
        case DatabaseKind::Missing:
            c.diagnostics.post("HY000", -1811,
                "Could not find file '" + dbq + "'"
                    + (file.nativePath.empty() ? std::string() : " (" + file.nativePath + ")")
                    + ".");
            return false;
        case DatabaseKind::Unreadable:
            c.diagnostics.post(
                "HY000", -1032, "Cannot open file '" + dbq + "' (" + file.reason + ").");
            return false;
        case DatabaseKind::Unknown:
            c.diagnostics.post("HY000", -1206, "Unrecognized database format '" + dbq + "'.");
            return false;
        }
        return false;
    }

    SQLRETURN allocateBackend(Connection& c)
    {
        const BackendApi& a = c.api();
        SQLRETURN rc = a.SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &c.backendEnvironment);
        if (!SQL_SUCCEEDED(rc)) {
            c.backendEnvironment = SQL_NULL_HENV;
            c.diagnostics.post("HY001", 0,
                std::string("Cannot allocate an environment of the ") + c.backend->name());
            return SQL_ERROR;
        }
        if (a.SQLSetEnvAttr) {
            a.SQLSetEnvAttr(c.backendEnvironment, SQL_ATTR_ODBC_VERSION,
                reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(c.environment->odbcVersion)), 0);
        }
        rc = a.SQLAllocHandle(SQL_HANDLE_DBC, c.backendEnvironment, &c.backendConnection);
        if (!SQL_SUCCEEDED(rc)) {
            c.backendConnection = SQL_NULL_HDBC;
            c.diagnostics.post("HY001", 0,
                std::string("Cannot allocate a connection of the ") + c.backend->name());
            return SQL_ERROR;
        }
        for (const PendingAttribute& p : c.pending) {
            SQLPOINTER value = p.isText ? const_cast<char*>(p.text.c_str()) : p.value;
            if (a.SQLSetConnectAttr) {
                a.SQLSetConnectAttr(
                    c.backendConnection, p.attribute, value, p.isText ? SQL_NTS : SQL_IS_UINTEGER);
            } else if (a.SQLSetConnectOption) {
                a.SQLSetConnectOption(c.backendConnection, static_cast<SQLUSMALLINT>(p.attribute),
                    reinterpret_cast<SQLULEN>(value));
            }
        }
        return SQL_SUCCESS;
    }

    std::string backendConnectString(const DatabaseFile& file)
    {
        if (file.kind == DatabaseKind::Jet)
            return "DBQ=" + file.nativePath + ";";
        // NoCreat: never let SQLite create an empty database in place of a missing file.
        // StepAPI: rows are stepped as they are fetched, so that the first ones come at once.
        return "Database=" + file.nativePath + ";NoCreat=1;StepAPI=1;";
    }

    // Moves the backend's records of a failed connect into the connection's own, so that the
    // backend's handles can go; a backend that failed without a word gets one from the driver.
    void takeBackendDiagnostics(Connection& c, const std::string& dbq)
    {
        if (keepBackendRecords(c.api(), c.backendConnection, SQL_NULL_HSTMT, c.diagnostics) == 0) {
            c.diagnostics.post("HY000", -1032,
                std::string("The ") + c.backend->name() + " cannot open '" + dbq + "'.");
        }
    }

    SQLRETURN writeCompleted(Connection& c, const std::string& text, SQLCHAR* out,
        SQLSMALLINT outMax, SQLSMALLINT* outLength)
    {
        if (outLength)
            *outLength = static_cast<SQLSMALLINT>(text.size());
        if (!out || outMax <= 0)
            return SQL_SUCCESS;
        size_t n = std::min(text.size(), static_cast<size_t>(outMax - 1));
        memcpy(out, text.data(), n);
        out[n] = 0;
        if (n == text.size())
            return SQL_SUCCESS;
        c.diagnostics.post("01004", 0, "String data, right truncated");
        return SQL_SUCCESS_WITH_INFO;
    }

} // namespace

SQLRETURN connectConnection(Connection& c, const std::string& connectString, SQLCHAR* completed,
    SQLSMALLINT completedMax, SQLSMALLINT* completedLength)
{
    c.diagnostics.clear();
    if (c.connected) {
        c.diagnostics.post("08002", 0, "Connection name in use");
        return SQL_ERROR;
    }
    c.releaseBackend(); // what an attempt that failed after allocating left behind
    c.backend = nullptr;

    ConnectString caller(connectString);
    std::string dbq = databasePath(caller);
    if (dbq.empty()) {
        c.diagnostics.post("IM007", 0, "No database file given: the connect string has no DBQ=");
        return SQL_ERROR;
    }
    DatabaseFile file = examineDatabaseFile(dbq);
    if (!checkFile(c, dbq, file))
        return SQL_ERROR;

    BackendDriver& backend
        = file.kind == DatabaseKind::Jet ? BackendDriver::mdbtools() : BackendDriver::sqlite();
    if (!backend.load()) {
        c.diagnostics.post(
            "IM003", 0, "Specified driver could not be loaded: " + backend.loadError());
        return SQL_ERROR;
    }
    c.backend = &backend;
    if (allocateBackend(c) != SQL_SUCCESS)
        return SQL_ERROR;

    std::string forwarded = backendConnectString(file);
    SQLCHAR backendCompleted[1024];
    SQLSMALLINT backendLength = 0;
    sqlite3* database = nullptr;
    SqliteHandleCapture capture(file.kind == DatabaseKind::Sqlite ? &database : nullptr);
    SQLRETURN rc = c.api().SQLDriverConnect(c.backendConnection, nullptr,
        reinterpret_cast<SQLCHAR*>(const_cast<char*>(forwarded.c_str())), SQL_NTS, backendCompleted,
        sizeof backendCompleted, &backendLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        takeBackendDiagnostics(c, dbq);
        c.releaseBackend();
        return rc;
    }
    c.connected = true;
    c.sqliteDatabase = database;
    // The completed form may be longer than the caller's string (the data source's DBQ is added):
    // when only the caller's string fits the buffer, it is given back as it came, since it names
    // the same database. A caller whose string filled its buffer gets no truncation warning.
    std::string text = caller.text();
    if (completed && completedMax > 0 && text.size() >= static_cast<size_t>(completedMax)
        && connectString.size() < static_cast<size_t>(completedMax))
        text = connectString;
    SQLRETURN written = writeCompleted(c, text, completed, completedMax, completedLength);
    return rc == SQL_SUCCESS ? written : rc;
}

} // namespace accessdriver
