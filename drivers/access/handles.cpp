#include "handles.h"

namespace accessdriver {

namespace {

    template <class T> T* checked(SQLHANDLE h, SQLSMALLINT type)
    {
        Handle* handle = static_cast<Handle*>(h);
        if (!handle || handle->tag != Handle::kTag || handle->type != type)
            return nullptr;
        return static_cast<T*>(handle);
    }

} // namespace

Environment* Environment::from(SQLHANDLE h) { return checked<Environment>(h, SQL_HANDLE_ENV); }

Connection* Connection::from(SQLHANDLE h) { return checked<Connection>(h, SQL_HANDLE_DBC); }

Statement* Statement::from(SQLHANDLE h) { return checked<Statement>(h, SQL_HANDLE_STMT); }

void Connection::releaseBackend()
{
    if (!backend)
        return;
    if (backendConnection)
        api().SQLFreeHandle(SQL_HANDLE_DBC, backendConnection);
    if (backendEnvironment)
        api().SQLFreeHandle(SQL_HANDLE_ENV, backendEnvironment);
    backendConnection = SQL_NULL_HDBC;
    backendEnvironment = SQL_NULL_HENV;
    sqliteDatabase = nullptr;
    connected = false;
}

int keepBackendRecords(const BackendApi& api, SQLHDBC dbc, SQLHSTMT stmt, Diagnostics& into)
{
    int kept = 0;
    for (; kept < 64; ++kept) {
        SQLCHAR state[6] = "";
        SQLCHAR message[2048] = "";
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        SQLRETURN rc = api.SQLError(
            SQL_NULL_HENV, dbc, stmt, state, &native, message, sizeof message, &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        into.keep(reinterpret_cast<char*>(state), native, reinterpret_cast<char*>(message));
    }
    return kept;
}

} // namespace accessdriver
