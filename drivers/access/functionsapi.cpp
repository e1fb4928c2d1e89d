// SQLGetFunctions, answered by the driver itself: the driver manager hides from the application
// every function the driver says it lacks, so the answer must describe this driver's entry points
// (with the ODBC 2 equivalents it maps to), not what a backend claims about itself.
#include "forwarding.h"

#include <cstring>

using namespace accessdriver;

namespace {

struct Offered {
    SQLUSMALLINT id;
    bool (*available)(const BackendApi&); // null: answered by this driver on every backend
};

#define ALWAYS(id)                                                                                 \
    {                                                                                              \
        id, nullptr                                                                                \
    }
#define WHEN(id, condition)                                                                        \
    {                                                                                              \
        id, [](const BackendApi& a) { return static_cast<bool>(condition); }                       \
    }

const Offered kOffered[] = {
    ALWAYS(SQL_API_SQLALLOCHANDLE),
    ALWAYS(SQL_API_SQLFREEHANDLE),
    ALWAYS(SQL_API_SQLSETENVATTR),
    ALWAYS(SQL_API_SQLGETENVATTR),
    ALWAYS(SQL_API_SQLDRIVERCONNECT),
    ALWAYS(SQL_API_SQLCONNECT),
    ALWAYS(SQL_API_SQLDISCONNECT),
    ALWAYS(SQL_API_SQLGETFUNCTIONS),
    ALWAYS(SQL_API_SQLERROR),
    ALWAYS(SQL_API_SQLFREESTMT),
    ALWAYS(SQL_API_SQLCLOSECURSOR),
    WHEN(SQL_API_SQLSETCONNECTATTR, a.SQLSetConnectAttr || a.SQLSetConnectOption),
    WHEN(SQL_API_SQLGETCONNECTATTR, a.SQLGetConnectAttr || a.SQLGetConnectOption),
    WHEN(SQL_API_SQLGETINFO, a.SQLGetInfo),
    WHEN(SQL_API_SQLENDTRAN, a.SQLEndTran || a.SQLTransact),
    WHEN(SQL_API_SQLNATIVESQL, a.SQLNativeSql),
    WHEN(SQL_API_SQLEXECDIRECT, a.SQLExecDirect),
    WHEN(SQL_API_SQLPREPARE, a.SQLPrepare),
    WHEN(SQL_API_SQLEXECUTE, a.SQLExecute),
    WHEN(SQL_API_SQLNUMRESULTCOLS, a.SQLNumResultCols),
    WHEN(SQL_API_SQLDESCRIBECOL, a.SQLDescribeCol),
    WHEN(SQL_API_SQLCOLATTRIBUTE, a.SQLColAttribute || a.SQLColAttributes),
    WHEN(SQL_API_SQLBINDCOL, a.SQLBindCol),
    WHEN(SQL_API_SQLFETCH, a.SQLFetch),
    WHEN(SQL_API_SQLGETDATA, a.SQLGetData),
    WHEN(SQL_API_SQLROWCOUNT, a.SQLRowCount),
    WHEN(SQL_API_SQLMORERESULTS, a.SQLMoreResults),
    WHEN(SQL_API_SQLSETSTMTATTR, a.SQLSetStmtAttr || a.SQLSetStmtOption),
    WHEN(SQL_API_SQLGETSTMTATTR, a.SQLGetStmtAttr || a.SQLGetStmtOption),
    WHEN(SQL_API_SQLBINDPARAMETER, a.SQLBindParameter),
    WHEN(SQL_API_SQLNUMPARAMS, a.SQLNumParams),
    WHEN(SQL_API_SQLCANCEL, a.SQLCancel),
    WHEN(SQL_API_SQLTABLES, a.SQLTables),
    WHEN(SQL_API_SQLCOLUMNS, a.SQLColumns),
    WHEN(SQL_API_SQLGETTYPEINFO, a.SQLGetTypeInfo),
};

#undef ALWAYS
#undef WHEN

bool isOffered(const Offered& f, const Connection* c)
{
    // Before a connect the backend is unknown: everything this driver exports is offered.
    return !f.available || !c->backend || f.available(c->api());
}

} // namespace

ACCESSDRIVER_EXPORT SQLRETURN SQLGetFunctions(
    SQLHDBC dbc, SQLUSMALLINT function, SQLUSMALLINT* supported)
{
    Connection* c = Connection::from(dbc);
    if (!c)
        return SQL_INVALID_HANDLE;
    c->diagnostics.clear();
    if (!supported)
        return SQL_SUCCESS;
    if (function == SQL_API_ODBC3_ALL_FUNCTIONS) {
        memset(supported, 0, sizeof(SQLUSMALLINT) * SQL_API_ODBC3_ALL_FUNCTIONS_SIZE);
        for (const Offered& f : kOffered) {
            if (isOffered(f, c))
                supported[f.id >> 4] |= static_cast<SQLUSMALLINT>(1 << (f.id & 0xF));
        }
    } else if (function == SQL_API_ALL_FUNCTIONS) {
        memset(supported, 0, sizeof(SQLUSMALLINT) * 100);
        for (const Offered& f : kOffered) {
            if (f.id < 100 && isOffered(f, c))
                supported[f.id] = SQL_TRUE;
        }
    } else {
        *supported = SQL_FALSE;
        for (const Offered& f : kOffered) {
            if (f.id == function && isOffered(f, c))
                *supported = SQL_TRUE;
        }
    }
    return SQL_SUCCESS;
}
