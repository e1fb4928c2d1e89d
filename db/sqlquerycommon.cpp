// SQLQueryCommon: capturing one value of a result.
#include "db/sqlquerycommon.h"

#include <atltime.h>

#include <cstdlib>
#include <cstring>

SQLQueryCommon::SQLQueryCommon()
    : SQLQuery()
    , m_valueType(0)
    , m_destination(nullptr)
{
}

SQLQueryCommon::SQLQueryCommon(long* result)
    : SQLQuery(result)
    , m_valueType(0)
    , m_destination(nullptr)
{
}

SQLQueryCommon::SQLQueryCommon(char* connect, long* result)
    : SQLQuery(connect, result)
    , m_valueType(0)
    , m_destination(nullptr)
{
}

SQLQueryCommon::SQLQueryCommon(long* result, char* connect, char* sql, HWND window, unsigned int id,
    orlamoCDatabase* database, int tie)
    : SQLQuery(result, connect, sql, window, id, database, tie)
    , m_valueType(0)
    , m_destination(nullptr)
{
}

long SQLQueryCommon::MfcSQLOutput(char*, STR_BINDING* binding, long*, long, void*)
{
    if (!m_destination || !binding || binding->indicator == SQL_NULL_DATA || !binding->text)
        return 0;
    const char* text = binding->text;
    switch (m_valueType) {
    case SQLQUERY_LONG:
        *static_cast<LONG*>(m_destination) = static_cast<LONG>(std::atol(text));
        break;
    case SQLQUERY_DOUBLE:
        *static_cast<double*>(m_destination) = std::atof(text);
        break;
    case SQLQUERY_TEXT: {
        char* out = static_cast<char*>(m_destination);
        std::strncpy(out, text, 258);
        out[258] = '\0';
        break;
    }
    case SQLQUERY_CTIME:
        if (m_database) {
            SYSTEMTIME time {};
            ConvertCStringToSYSTEMTIMEDate(text, &time);
            *static_cast<CTime*>(m_destination) = CTime(
                time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, -1);
        }
        break;
    case SQLQUERY_COUNT:
    case SQLQUERY_SQLSQL:
    case SQLQUERY_NOQUERY:
        ++*static_cast<LONG*>(m_destination);
        break;
    default:
        break;
    }
    return 0;
}

long SQLQueryCommon::SQLQueryExec() { return runText(false); }
