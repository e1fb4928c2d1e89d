// Diagnostics. Only SQLError is offered: the SQLite3 driver's records cannot be read twice through
// SQLGetDiagRec and mdbtools has only SQLError; the driver manager reads each record once through
// it and answers the application's SQLGetDiagRec itself.
#include "forwarding.h"

using namespace accessdriver;

ACCESSDRIVER_EXPORT SQLRETURN SQLError(SQLHENV env, SQLHDBC dbc, SQLHSTMT stmt, SQLCHAR* state,
    SQLINTEGER* native, SQLCHAR* message, SQLSMALLINT max, SQLSMALLINT* length)
{
    if (stmt) {
        Statement* s = Statement::from(stmt);
        if (!s)
            return SQL_INVALID_HANDLE;
        if (!s->diagnostics.empty())
            return s->diagnostics.take(s->odbcVersion(), state, native, message, max, length);
        return s->api().SQLError(
            SQL_NULL_HENV, SQL_NULL_HDBC, s->backend, state, native, message, max, length);
    }
    if (dbc) {
        Connection* c = Connection::from(dbc);
        if (!c)
            return SQL_INVALID_HANDLE;
        if (!c->diagnostics.empty())
            return c->diagnostics.take(
                c->environment->odbcVersion, state, native, message, max, length);
        if (!c->backend || !c->backendConnection)
            return SQL_NO_DATA;
        return c->api().SQLError(SQL_NULL_HENV, c->backendConnection, SQL_NULL_HSTMT, state, native,
            message, max, length);
    }
    Environment* e = Environment::from(env);
    if (!e)
        return SQL_INVALID_HANDLE;
    return e->diagnostics.take(e->odbcVersion, state, native, message, max, length);
}
