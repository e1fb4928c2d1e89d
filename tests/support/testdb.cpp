#include "testdb.h"
#include "odbctest.h"

#include <sql.h>
#include <sqlext.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {
const char kSqliteDriver[] = "/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so";

// Two lower-case hexadecimal digits a byte, as both SQL dialects write binary literals.
std::string hexDigits(const std::string& bytes)
{
    std::string hex;
    char digits[3];
    for (unsigned char ch : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", ch);
        hex += digits;
    }
    return hex;
}

std::string diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    std::string text;
    SQLCHAR state[6];
    SQLCHAR message[1024];
    SQLINTEGER native;
    for (SQLSMALLINT record = 1;
         SQLGetDiagRec(type, handle, record, state, &native, message, sizeof message, nullptr)
         == SQL_SUCCESS;
         ++record)
        text += std::string(reinterpret_cast<char*>(state)) + " " + reinterpret_cast<char*>(message)
            + "\n";
    return text;
}

bool execOn(const std::string& connect, const std::string& sql, std::string* error)
{
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    std::string failure;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    SQLRETURN rc = SQLDriverConnect(dbc, nullptr,
        reinterpret_cast<SQLCHAR*>(const_cast<char*>(connect.c_str())), SQL_NTS, nullptr, 0,
        nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        failure = "connect: " + diagnostics(SQL_HANDLE_DBC, dbc);
    } else {
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        rc = SQLExecDirect(
            stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
        if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
            failure = sql + ": " + diagnostics(SQL_HANDLE_STMT, stmt);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    if (error)
        *error = failure;
    return failure.empty();
}

class SqliteDb : public TestDb {
public:
    explicit SqliteDb(std::string dir)
        : m_dir(std::move(dir))
    {
    }
    ~SqliteDb() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::string name() const override { return "SQLite"; }
    std::string connectString() const override
    {
        return std::string("Driver=") + kSqliteDriver + ";Database=" + m_dir + "/test.db;";
    }
    std::string type(const std::string& generic) const override
    {
        if (generic == "real")
            return "REAL";
        if (generic == "double")
            return "DOUBLE";
        if (generic == "blob")
            return "BLOB";
        return generic;
    }
    std::string blobLiteral(const std::string& bytes) const override
    {
        return "X'" + hexDigits(bytes) + "'";
    }

private:
    std::string m_dir;
};

class PostgresDb : public TestDb {
public:
    PostgresDb(std::string serverConnect, std::string database)
        : m_serverConnect(std::move(serverConnect))
        , m_database(std::move(database))
    {
    }
    ~PostgresDb() override
    {
        execOn(m_serverConnect, "DROP DATABASE IF EXISTS " + m_database, nullptr);
    }
    std::string name() const override { return "PostgreSQL"; }
    std::string connectString() const override
    {
        std::string text = m_serverConnect;
        size_t start = text.find("Database=");
        size_t end = text.find(';', start);
        return text.replace(start, end - start, "Database=" + m_database);
    }
    std::string type(const std::string& generic) const override
    {
        if (generic == "real")
            return "REAL";
        if (generic == "double")
            return "DOUBLE PRECISION";
        if (generic == "blob")
            return "BYTEA";
        return generic;
    }
    std::string blobLiteral(const std::string& bytes) const override
    {
        return "'\\x" + hexDigits(bytes) + "'::bytea";
    }

private:
    std::string m_serverConnect;
    std::string m_database;
};

}

std::vector<std::string> TestDb::backends() { return { "SQLite", "PostgreSQL" }; }

std::unique_ptr<TestDb> TestDb::create(const std::string& backend, std::string* why)
{
    if (backend == "SQLite") {
        char pattern[] = "/tmp/tessilo-sqlite-XXXXXX";
        if (!mkdtemp(pattern)) {
            *why = "mkdtemp failed";
            return nullptr;
        }
        return std::make_unique<SqliteDb>(pattern);
    }
    if (backend == "PostgreSQL") {
        std::string server = testsupport::postgresConnectString();
        if (server.empty()) {
            *why = "no PostgreSQL test server (TESSILO_PG_CONNECT)";
            return nullptr;
        }
        // A database of its own, so that tests running in parallel never share tables.
        static int counter = 0;
        std::string database = "t" + std::to_string(getpid()) + "_" + std::to_string(++counter);
        if (!execOn(server, "CREATE DATABASE " + database, why))
            return nullptr;
        return std::make_unique<PostgresDb>(server, database);
    }
    *why = "unknown backend " + backend;
    return nullptr;
}

bool TestDb::exec(const std::string& sql, std::string* error) const
{
    return execOn(connectString(), sql, error);
}

void BackendTest::SetUp()
{
    if (GetParam() == "PostgreSQL")
        TESSILO_REQUIRE_POSTGRES();
    std::string why;
    m_db = TestDb::create(GetParam(), &why);
    ASSERT_TRUE(m_db) << why;
}

void BackendTest::exec(const std::string& sql)
{
    std::string error;
    ASSERT_TRUE(m_db->exec(sql, &error)) << error;
}
