// A real ODBC driver that the Access driver forwards to, loaded with dlopen. Its entry points are
// looked up once; ODBC 2 drivers (mdbtools) lack some ODBC 3 functions, whose pointers stay null
// and whose ODBC 2 equivalents the forwarding code uses instead.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

namespace accessdriver {

#define ACCESSDRIVER_BACKEND_FUNCTIONS(X)                                                          \
    X(SQLAllocHandle)                                                                              \
    X(SQLFreeHandle)                                                                               \
    X(SQLSetEnvAttr)                                                                               \
    X(SQLDriverConnect)                                                                            \
    X(SQLDisconnect)                                                                               \
    X(SQLSetConnectAttr)                                                                           \
    X(SQLSetConnectOption)                                                                         \
    X(SQLGetConnectAttr)                                                                           \
    X(SQLGetConnectOption)                                                                         \
    X(SQLGetInfo)                                                                                  \
    X(SQLEndTran)                                                                                  \
    X(SQLTransact)                                                                                 \
    X(SQLNativeSql)                                                                                \
    X(SQLExecDirect)                                                                               \
    X(SQLPrepare)                                                                                  \
    X(SQLExecute)                                                                                  \
    X(SQLNumResultCols)                                                                            \
    X(SQLDescribeCol)                                                                              \
    X(SQLColAttribute)                                                                             \
    X(SQLColAttributes)                                                                            \
    X(SQLBindCol)                                                                                  \
    X(SQLFetch)                                                                                    \
    X(SQLGetData)                                                                                  \
    X(SQLRowCount)                                                                                 \
    X(SQLFreeStmt)                                                                                 \
    X(SQLCloseCursor)                                                                              \
    X(SQLMoreResults)                                                                              \
    X(SQLSetStmtAttr)                                                                              \
    X(SQLSetStmtOption)                                                                            \
    X(SQLGetStmtAttr)                                                                              \
    X(SQLGetStmtOption)                                                                            \
    X(SQLBindParameter)                                                                            \
    X(SQLNumParams)                                                                                \
    X(SQLCancel)                                                                                   \
    X(SQLTables)                                                                                   \
    X(SQLColumns)                                                                                  \
    X(SQLGetTypeInfo)                                                                              \
    X(SQLError)

struct BackendApi {
#define ACCESSDRIVER_MEMBER(name) decltype(&::name) name = nullptr;
    ACCESSDRIVER_BACKEND_FUNCTIONS(ACCESSDRIVER_MEMBER)
#undef ACCESSDRIVER_MEMBER
};

class BackendDriver {
public:
    // The SQLite3 ODBC driver, for SQLite database files.
    static BackendDriver& sqlite();
    // The mdbtools ODBC driver, for Jet and ACE files (read-only).
    static BackendDriver& mdbtools();

    // Loads the library once; false with the reason in loadError() when it cannot be loaded or
    // lacks a function every backend must have (handles, connect, statements, SQLError).
    bool load();
    const std::string& loadError() const { return error_; }
    const BackendApi& api() const { return api_; }
    const char* name() const { return name_; }

private:
    BackendDriver(const char* name, const char* overrideVariable, const char* defaultPath);

    const char* name_;
    const char* overrideVariable_;
    const char* defaultPath_;
    void* library_ = nullptr;
    bool tried_ = false;
    std::string error_;
    BackendApi api_;
};

} // namespace accessdriver
