#include "databasekind.h"

#include "connectstring.h"
#include "databasefile.h"

#include <odbcinst.h>
#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <cctype>

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// An entry of the connect string, else of its data source in odbc.ini.
std::string entry(const accessdriver::ConnectString& connect, const char* key)
{
    if (const std::string* value = connect.find(key))
        return *value;
    const std::string dsn = connect.value("DSN");
    if (dsn.empty())
        return std::string();
    char buffer[1024] = "";
    SQLGetPrivateProfileString(dsn.c_str(), key, "", buffer, sizeof buffer, "odbc.ini");
    return buffer;
}

std::string describeFile(const std::string& dbq)
{
    if (dbq.empty())
        return "the Access stand-in, but no DBQ= names a database file";
    const accessdriver::DatabaseFile file = accessdriver::examineDatabaseFile(dbq);
    const std::string where = dbq + " (" + file.nativePath + ")";
    switch (file.kind) {
    case accessdriver::DatabaseKind::Sqlite:
        return "SQLite file " + where + " through the Access stand-in";
    case accessdriver::DatabaseKind::Jet:
        return "Jet/ACE file " + where + " through mdbtools (read-only)";
    case accessdriver::DatabaseKind::Missing:
        return "missing file " + where + " for the Access stand-in";
    case accessdriver::DatabaseKind::Unreadable:
        return "unreadable file " + where + ": " + file.reason;
    case accessdriver::DatabaseKind::Unknown:
        break;
    }
    return "file " + where + " of no known format (neither SQLite nor Jet/ACE)";
}

std::string diagnostic(SQLSMALLINT type, SQLHANDLE handle)
{
    SQLCHAR state[6] = "";
    SQLCHAR message[1024] = "";
    SQLINTEGER native = 0;
    if (SQLGetDiagRec(type, handle, 1, state, &native, message, sizeof message, nullptr)
        != SQL_SUCCESS)
        return "no diagnostic";
    std::string text = reinterpret_cast<char*>(message);
    std::replace(text.begin(), text.end(), '\n', ' ');
    text.erase(text.find_last_not_of(' ') + 1);
    return "[" + std::string(reinterpret_cast<char*>(state)) + "] " + text;
}

} // namespace

std::string describeDatabase(const std::string& connectText)
{
    const accessdriver::ConnectString connect(connectText);
    const std::string driver = entry(connect, "Driver");
    const std::string name = lower(driver);
    if (driver.empty())
        return "unknown: neither Driver= nor a data source with a driver";
    if (name.find("postgres") != std::string::npos || name.find("psqlodbc") != std::string::npos) {
        std::string server = entry(connect, "Server");
        if (server.empty())
            server = entry(connect, "Servername");
        const std::string port = entry(connect, "Port");
        return "PostgreSQL server " + (server.empty() ? std::string("(default)") : server)
            + (port.empty() ? "" : ":" + port) + ", database " + quoted(entry(connect, "Database"))
            + ", user " + quoted(entry(connect, "UID")) + " (psqlODBC)";
    }
    if (name.find("microsoft access") != std::string::npos
        || name.find("accessodbc") != std::string::npos)
        return describeFile(entry(connect, "DBQ"));
    return "database of the ODBC driver " + quoted(driver);
}

DatabaseProbe probeDatabase(const std::string& connect)
{
    DatabaseProbe probe;
    probe.kind = describeDatabase(connect);
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(10), 0);
    const SQLRETURN rc = SQLDriverConnect(dbc, nullptr,
        reinterpret_cast<SQLCHAR*>(const_cast<char*>(connect.c_str())), SQL_NTS, nullptr, 0,
        nullptr, SQL_DRIVER_NOPROMPT);
    if (SQL_SUCCEEDED(rc)) {
        char name[128] = "", version[128] = "";
        SQLGetInfo(dbc, SQL_DBMS_NAME, name, sizeof name, nullptr);
        SQLGetInfo(dbc, SQL_DBMS_VER, version, sizeof version, nullptr);
        probe.answers = true;
        probe.answer = std::string(name) + " " + version;
        SQLDisconnect(dbc);
    } else {
        probe.answer = diagnostic(SQL_HANDLE_DBC, dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return probe;
}
