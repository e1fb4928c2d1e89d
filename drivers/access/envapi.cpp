// Handle allocation and the environment's attributes.
#include "firstrow.h"
#include "forwarding.h"

using namespace accessdriver;

namespace {

SQLRETURN allocateStatement(SQLHDBC dbc, SQLHANDLE* out)
{
    SQLRETURN rc;
    Connection* c = openConnection(dbc, rc);
    if (!c)
        return rc;
    SQLHSTMT backend = SQL_NULL_HSTMT;
    rc = c->api().SQLAllocHandle(SQL_HANDLE_STMT, c->backendConnection, &backend);
    if (SQL_SUCCEEDED(rc))
        *out = new Statement(c, backend);
    return rc;
}

SQLRETURN freeStatement(Statement* s)
{
    SQLRETURN rc = s->api().SQLFreeHandle(SQL_HANDLE_STMT, s->backend);
    delete s;
    return rc;
}

} // namespace

ACCESSDRIVER_EXPORT SQLRETURN SQLAllocHandle(SQLSMALLINT type, SQLHANDLE in, SQLHANDLE* out)
{
    if (!out)
        return SQL_ERROR;
    switch (type) {
    case SQL_HANDLE_ENV:
        *out = new Environment();
        return SQL_SUCCESS;
    case SQL_HANDLE_DBC: {
        Environment* env = Environment::from(in);
        if (!env)
            return SQL_INVALID_HANDLE;
        *out = new Connection(env);
        return SQL_SUCCESS;
    }
    case SQL_HANDLE_STMT:
        return allocateStatement(in, out);
    default:
        return SQL_ERROR;
    }
}

ACCESSDRIVER_EXPORT SQLRETURN SQLFreeHandle(SQLSMALLINT type, SQLHANDLE h)
{
    switch (type) {
    case SQL_HANDLE_ENV: {
        Environment* env = Environment::from(h);
        if (!env)
            return SQL_INVALID_HANDLE;
        delete env;
        return SQL_SUCCESS;
    }
    case SQL_HANDLE_DBC: {
        Connection* c = Connection::from(h);
        if (!c)
            return SQL_INVALID_HANDLE;
        if (c->connected && c->api().SQLDisconnect)
            c->api().SQLDisconnect(c->backendConnection);
        c->releaseBackend();
        delete c;
        return SQL_SUCCESS;
    }
    case SQL_HANDLE_STMT: {
        Statement* s = Statement::from(h);
        if (!s)
            return SQL_INVALID_HANDLE;
        return freeStatement(s);
    }
    default:
        return SQL_ERROR;
    }
}

ACCESSDRIVER_EXPORT SQLRETURN SQLFreeStmt(SQLHSTMT h, SQLUSMALLINT option)
{
    Statement* s = Statement::from(h);
    if (!s)
        return SQL_INVALID_HANDLE;
    s->diagnostics.clear();
    if (option == SQL_DROP)
        return freeStatement(s);
    if (option == SQL_CLOSE)
        closeResult(*s);
    else if (option == SQL_UNBIND)
        s->bindings.clear();
    return s->api().SQLFreeStmt(s->backend, option);
}

ACCESSDRIVER_EXPORT SQLRETURN SQLSetEnvAttr(
    SQLHENV h, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER /*length*/)
{
    Environment* env = Environment::from(h);
    if (!env)
        return SQL_INVALID_HANDLE;
    env->diagnostics.clear();
    if (attribute == SQL_ATTR_ODBC_VERSION)
        env->odbcVersion = static_cast<SQLINTEGER>(reinterpret_cast<intptr_t>(value));
    return SQL_SUCCESS;
}

ACCESSDRIVER_EXPORT SQLRETURN SQLGetEnvAttr(
    SQLHENV h, SQLINTEGER attribute, SQLPOINTER value, SQLINTEGER /*max*/, SQLINTEGER* length)
{
    Environment* env = Environment::from(h);
    if (!env)
        return SQL_INVALID_HANDLE;
    env->diagnostics.clear();
    SQLINTEGER answer = 0;
    switch (attribute) {
    case SQL_ATTR_ODBC_VERSION:
        answer = env->odbcVersion;
        break;
    case SQL_ATTR_OUTPUT_NTS:
        answer = SQL_TRUE;
        break;
    case SQL_ATTR_CONNECTION_POOLING:
    case SQL_ATTR_CP_MATCH:
        break;
    default:
        env->diagnostics.post("HY092", 0, "Invalid attribute/option identifier");
        return SQL_ERROR;
    }
    if (value)
        *static_cast<SQLINTEGER*>(value) = answer;
    if (length)
        *length = sizeof(SQLINTEGER);
    return SQL_SUCCESS;
}
