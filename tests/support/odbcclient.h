// A small ODBC client for tests: the call sequence of the library's statement class
// (ODBC 2 behaviour, the cursor library, SQLDriverConnect with completion, text bindings), with
// every diagnostic record collected.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <optional>
#include <string>
#include <vector>

struct OdbcDiagnostic {
    std::string state;
    SQLINTEGER native = 0;
    std::string message;
};

struct OdbcResult {
    SQLRETURN rc = SQL_ERROR; // of SQLExecDirect
    std::vector<std::string> names;
    std::vector<SQLLEN> types; // concise SQL types
    std::vector<std::vector<std::optional<std::string>>> rows;
    std::vector<OdbcDiagnostic> diagnostics;
};

class OdbcClient {
public:
    explicit OdbcClient(SQLINTEGER odbcVersion = SQL_OV_ODBC2, bool cursorLibrary = true)
    {
        SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_);
        SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION,
            reinterpret_cast<SQLPOINTER>(static_cast<intptr_t>(odbcVersion)), 0);
        SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_);
        if (cursorLibrary)
            SQLSetConnectAttr(
                dbc_, SQL_ATTR_ODBC_CURSORS, reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_ODBC), 0);
    }
    ~OdbcClient()
    {
        if (connected_)
            SQLDisconnect(dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
        SQLFreeHandle(SQL_HANDLE_ENV, env_);
    }
    OdbcClient(const OdbcClient&) = delete;
    OdbcClient& operator=(const OdbcClient&) = delete;

    // SQLDriverConnect with SQL_DRIVER_COMPLETE; the completed string goes to *completed.
    SQLRETURN connect(const std::string& in, std::string* completed = nullptr, int outMax = 512)
    {
        std::vector<SQLCHAR> out(outMax > 0 ? outMax : 1, 0);
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLDriverConnect(dbc_, nullptr,
            reinterpret_cast<SQLCHAR*>(const_cast<char*>(in.c_str())), SQL_NTS, out.data(),
            static_cast<SQLSMALLINT>(outMax), &length, SQL_DRIVER_COMPLETE);
        connected_ = SQL_SUCCEEDED(rc);
        diagnostics_ = collect(SQL_HANDLE_DBC, dbc_);
        if (completed)
            *completed = reinterpret_cast<char*>(out.data());
        return rc;
    }

    // The records of the last connect.
    const std::vector<OdbcDiagnostic>& diagnostics() const { return diagnostics_; }

    std::string info(SQLUSMALLINT type)
    {
        char text[256] = "";
        SQLGetInfo(dbc_, type, text, sizeof text, nullptr);
        return text;
    }

    OdbcResult query(const std::string& sql)
    {
        OdbcResult result;
        SQLHSTMT stmt = SQL_NULL_HSTMT;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &stmt))) {
            result.diagnostics = collect(SQL_HANDLE_DBC, dbc_);
            return result;
        }
        result.rc = SQLExecDirect(
            stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
        result.diagnostics = collect(SQL_HANDLE_STMT, stmt);
        SQLSMALLINT columns = 0;
        if (SQL_SUCCEEDED(result.rc) && SQL_SUCCEEDED(SQLNumResultCols(stmt, &columns))) {
            std::vector<std::vector<char>> buffers(columns, std::vector<char>(260));
            std::vector<SQLLEN> indicators(columns);
            for (SQLUSMALLINT c = 1; c <= columns; ++c) {
                char name[258] = "";
                SQLLEN type = 0;
                SQLColAttribute(stmt, c, SQL_DESC_NAME, name, sizeof name, nullptr, nullptr);
                SQLColAttribute(stmt, c, SQL_DESC_CONCISE_TYPE, nullptr, 0, nullptr, &type);
                result.names.push_back(name);
                result.types.push_back(type);
                SQLBindCol(stmt, c, SQL_C_CHAR, buffers[c - 1].data(), 259, &indicators[c - 1]);
            }
            // Bounded, so that a driver that keeps failing cannot hang a test.
            for (int guard = 0; columns > 0 && guard < 1000000; ++guard) {
                SQLRETURN rc = SQLFetch(stmt);
                if (rc == SQL_NO_DATA)
                    break;
                if (!SQL_SUCCEEDED(rc)) {
                    auto more = collect(SQL_HANDLE_STMT, stmt);
                    result.diagnostics.insert(result.diagnostics.end(), more.begin(), more.end());
                    break;
                }
                std::vector<std::optional<std::string>> row;
                for (SQLSMALLINT c = 0; c < columns; ++c) {
                    if (indicators[c] == SQL_NULL_DATA)
                        row.emplace_back();
                    else
                        row.emplace_back(buffers[c].data());
                }
                result.rows.push_back(row);
            }
        }
        SQLFreeStmt(stmt, SQL_CLOSE);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        return result;
    }

    SQLHDBC connection() const { return dbc_; }

    static std::vector<OdbcDiagnostic> collect(SQLSMALLINT type, SQLHANDLE handle)
    {
        std::vector<OdbcDiagnostic> records;
        for (SQLSMALLINT i = 1; i < 50; ++i) {
            SQLCHAR state[6] = "";
            SQLCHAR message[2048] = "";
            SQLINTEGER native = 0;
            if (SQLGetDiagRec(type, handle, i, state, &native, message, sizeof message, nullptr)
                != SQL_SUCCESS)
                break;
            records.push_back(OdbcDiagnostic {
                reinterpret_cast<char*>(state), native, reinterpret_cast<char*>(message) });
        }
        return records;
    }

private:
    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    bool connected_ = false;
    std::vector<OdbcDiagnostic> diagnostics_;
};
