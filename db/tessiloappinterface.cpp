// CTessiloAppInterface: the shared query object and the lookups, all under the database lock of
// the application object.
#include "db/tessiloappinterface.h"
#include "db/sqlquerycommon.h"
#include "app/tessilo.h"

namespace {
// The shared connection of the process.
SQLQueryCommon* sharedQuery = nullptr;

// Holds the database lock for one scope. The application object creates the lock when the library
// loads and deletes it when the library unloads, so facade objects come and go without touching it.
class DatabaseLock {
public:
    DatabaseLock()
        : m_lock(CTessiloApp::GetDatabaseLock())
    {
        EnterCriticalSection(m_lock);
    }
    ~DatabaseLock() { LeaveCriticalSection(m_lock); }
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

private:
    LPCRITICAL_SECTION m_lock;
};
}

CTessiloAppInterface::CTessiloAppInterface() { }

CTessiloAppInterface::~CTessiloAppInterface() { }

SQLQueryCommon* CTessiloAppInterface::GetDB()
{
    DatabaseLock lock;
    return sharedQuery;
}

int CTessiloAppInterface::InitDB()
{
    DatabaseLock lock;
    if (sharedQuery)
        return 0;
    long result = 0;
    auto* query = new SQLQueryCommon(&result);
    if (result != 0) {
        delete query;
        return 0;
    }
    sharedQuery = query;
    return 1;
}

int CTessiloAppInterface::DeinitDB()
{
    DatabaseLock lock;
    if (!sharedQuery)
        return 0;
    delete sharedQuery;
    sharedQuery = nullptr;
    return 1;
}

long CTessiloAppInterface::lookup(const CString& sql, long valueType, void* destination)
{
    sharedQuery->m_sql = sql;
    sharedQuery->m_valueType = valueType;
    sharedQuery->m_destination = destination;
    return sharedQuery->SQLQueryExec();
}

long CTessiloAppInterface::GetTableID(CString sql)
{
    DatabaseLock lock;
    LONG value = -1;
    if (sharedQuery && lookup(sql, SQLQUERY_LONG, &value) == 0)
        return value;
    return -1;
}

CString CTessiloAppInterface::GetTableCString(CString sql)
{
    DatabaseLock lock;
    char text[512] = {};
    if (sharedQuery && lookup(sql, SQLQUERY_TEXT, text) == 0)
        return CString(text);
    return CString();
}

CTime CTessiloAppInterface::GetTableCTime(CString sql)
{
    DatabaseLock lock;
    CTime value(static_cast<time_t>(-1));
    if (sharedQuery && lookup(sql, SQLQUERY_CTIME, &value) == 0)
        return value;
    return CTime(static_cast<time_t>(-1));
}

double CTessiloAppInterface::GetTableDouble(CString sql)
{
    DatabaseLock lock;
    double value = 0;
    if (sharedQuery && lookup(sql, SQLQUERY_DOUBLE, &value) == 0)
        return value;
    return 0;
}

long CTessiloAppInterface::GetTableCountDistinct1Field(CString sql)
{
    DatabaseLock lock;
    LONG count = 0;
    if (sharedQuery && lookup(sql, SQLQUERY_COUNT, &count) == 0)
        return count;
    return 0;
}

long CTessiloAppInterface::SQLSQL(CString sql)
{
    DatabaseLock lock;
    LONG count = 0;
    if (sharedQuery && lookup(sql, SQLQUERY_SQLSQL, &count) == 0)
        return count;
    return 0;
}

long CTessiloAppInterface::ExecSQLNoQuery(CString sql)
{
    DatabaseLock lock;
    LONG count = 0;
    if (!sharedQuery)
        return 0;
    return lookup(sql, SQLQUERY_NOQUERY, &count);
}
