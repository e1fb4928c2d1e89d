// The handles the driver manager holds. The backend is known only once a connection has read its
// database file, so every handle is the driver's own object that carries the backend's handle.
#pragma once

#include "backenddriver.h"
#include "diagnostics.h"

#include <cstdint>
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
    bool connected = false;

    const BackendApi& api() const { return backend->api(); }
    // Frees the backend's connection and environment handles (after a disconnect or a failed
    // connect whose diagnostics have been read).
    void releaseBackend();
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

    const BackendApi& api() const { return connection->api(); }
    SQLINTEGER odbcVersion() const { return connection->environment->odbcVersion; }
};

} // namespace accessdriver
