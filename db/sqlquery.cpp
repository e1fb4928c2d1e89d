// SQLQuery: construction, control tying and running the stored text.
#include "db/sqlquery.h"

#include <afxwin.h>

SQLQuery::SQLQuery()
    : MfcSQLExec()
{
    initFields();
}

SQLQuery::SQLQuery(long* result)
    : MfcSQLExec(result)
{
    initFields();
    m_connect = m_ODBCItem.connect;
}

SQLQuery::SQLQuery(char* connect, long* result)
    : MfcSQLExec(connect, result)
{
    initFields();
    m_connect = m_ODBCItem.connect;
}

SQLQuery::SQLQuery(long* result, char* connect, char* sql, HWND window, unsigned int id,
    orlamoCDatabase* database, int tie)
    : MfcSQLExec(connect, result)
{
    initFields();
    tieControl(connect, sql, window, id, database, tie);
}

SQLQuery::~SQLQuery() { MfcSQLDeInit(); }

void SQLQuery::initFields()
{
    m_window = nullptr;
    m_id = static_cast<unsigned int>(-1);
    m_tie = 1;
    m_database = nullptr;
    m_count = 0;
}

void SQLQuery::tieControl(
    char* connect, char* sql, HWND window, unsigned int id, orlamoCDatabase* database, int tie)
{
    m_window = window;
    m_id = id;
    m_database = database;
    m_connect = connect;
    m_tie = tie;
    m_count = 0;
    bool tied = tie != 0 && window && id != static_cast<unsigned int>(-1);
    if (!tied) {
        m_tie = 0;
    } else {
        // Either a list box or a combo box: both are emptied.
        SendDlgItemMessageA(window, static_cast<int>(id), LB_RESETCONTENT, 0, 0);
        SendDlgItemMessageA(window, static_cast<int>(id), CB_RESETCONTENT, 0, 0);
    }
    if (sql)
        m_sql = sql;
    if (m_window && m_id != 0 && m_tie) {
        SendDlgItemMessageA(window, static_cast<int>(id), LB_RESETCONTENT, 0, 0);
        SendDlgItemMessageA(window, static_cast<int>(id), CB_RESETCONTENT, 0, 0);
    }
}

long SQLQuery::MfcSQLOutput(char*, STR_BINDING*, long*, long, void*) { return 0; }

long SQLQuery::runText(bool needBuffer)
{
    if (m_sql.IsEmpty())
        return 0;
    // Only statements ended by a semicolon run; a single statement needs its semicolon.
    if (m_sql[m_sql.GetLength() - 1] != ';')
        m_sql += ";";
    _ODBCItemBuff* buff = MfcSQLSetSQLBuff(static_cast<unsigned int>(m_sql.GetLength() + 5));
    if (!buff && needBuffer)
        return 0;
    long result = MfcSQLExecStr(const_cast<char*>(m_sql.GetString()), &m_count, buff);
    MfcSQLFreeSQLBuff(buff);
    return result;
}

long SQLQuery::SQLQueryExec() { return runText(true); }
