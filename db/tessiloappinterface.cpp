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

// Runs sql on the shared query object with the value type and destination of one lookup; the
// caller holds the lock.
long lookup(const CString& sql, long valueType, void* destination)
{
    sharedQuery->m_sql = sql;
    sharedQuery->m_valueType = valueType;
    sharedQuery->m_destination = destination;
    return sharedQuery->SQLQueryExec();
}

// A lookup into a variable preset to `preset`: its value after a successful run, else the preset.
template <typename T> T capture(const CString& sql, long valueType, T preset)
{
    DatabaseLock lock;
    T value = preset;
    if (sharedQuery && lookup(sql, valueType, &value) == 0)
        return value;
    return preset;
}
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

long CTessiloAppInterface::GetTableID(CString sql) { return capture<LONG>(sql, SQLQUERY_LONG, -1); }

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
    return capture(sql, SQLQUERY_CTIME, CTime(static_cast<time_t>(-1)));
}

double CTessiloAppInterface::GetTableDouble(CString sql)
{
    return capture(sql, SQLQUERY_DOUBLE, 0.0);
}

long CTessiloAppInterface::GetTableCountDistinct1Field(CString sql)
{
    return capture<LONG>(sql, SQLQUERY_COUNT, 0);
}

long CTessiloAppInterface::SQLSQL(CString sql) { return capture<LONG>(sql, SQLQUERY_SQLSQL, 0); }

long CTessiloAppInterface::ExecSQLNoQuery(CString sql)
{
    DatabaseLock lock;
    LONG count = 0;
    if (!sharedQuery)
        return 0;
    return lookup(sql, SQLQUERY_NOQUERY, &count);
}
