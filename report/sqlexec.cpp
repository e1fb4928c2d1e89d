// SQLExec and cfSQLExecSQL: report writers with their own SQL text, the private totals and the
// list columns widened after the totals.
#include "report/sqlexec.h"
#include "app/tessilo.h"
#include "views/booklistsql.h"

#include <cstdlib>
#include <cstring>

SQLExec::SQLExec(long* result)
    : bookMfcSQL(result)
    , m_dialog(nullptr)
    , m_control(static_cast<unsigned>(-1))
    , m_clear(1)
    , m_count(0)
    , m_decimalPlaces(0)
{
    MfcSQLWantTotals(1);
    readProfile();
}

SQLExec::SQLExec(long* result, char* sql, HWND dialog, unsigned control, int clear)
    : bookMfcSQL(result)
    , m_dialog(dialog)
    , m_control(control)
    , m_clear(clear)
    , m_count(0)
    , m_decimalPlaces(0)
{
    readProfile();
    if (m_clear && m_dialog && m_control != static_cast<unsigned>(-1))
        resetControl();
    else
        m_clear = 0;
    if (sql)
        m_sql = sql;
    if (m_dialog && m_control != static_cast<unsigned>(-1) && m_clear)
        resetControl();
}

void SQLExec::readProfile()
{
    m_connect = TessiloApp.getProfileString("ConnectStr", "");
    m_decimalPlaces = std::atoi(TessiloApp.getProfileString("DecimalPlaces", "2"));
}

// One of the two messages is meaningless to the control it reaches, which ignores it.
void SQLExec::resetControl()
{
    SendDlgItemMessage(m_dialog, static_cast<int>(m_control), LB_RESETCONTENT, 0, 0);
    SendDlgItemMessage(m_dialog, static_cast<int>(m_control), CB_RESETCONTENT, 0, 0);
}

long SQLExec::MfcSQLOutput(char* text, STR_BINDING* binding, long* row, long column, void* hstmt)
{
    return bookMfcSQL::MfcSQLOutput(text, binding, row, column, hstmt);
}

long SQLExec::SQLExecute()
{
    if (m_sql.IsEmpty())
        return E_UNEXPECTED;
    if (m_sql[m_sql.GetLength() - 1] != ';')
        m_sql += ';';
    _ODBCItemBuff* buff = MfcSQLSetSQLBuff(static_cast<unsigned>(m_sql.GetLength()) + 5);
    long result = MfcSQLExecStr(const_cast<char*>(m_sql.GetString()), &m_count, buff);
    MfcSQLFreeSQLBuff(buff);
    return result;
}

cfSQLExecSQL::cfSQLExecSQL(long* result)
    : SQLExec(result)
{
    initPrivate();
}

cfSQLExecSQL::cfSQLExecSQL(long* result, HWND, unsigned, int)
    : SQLExec(result)
{
    initPrivate();
}

void cfSQLExecSQL::initPrivate()
{
    m_privateTotals = 1;
    std::memset(m_integerTotals, 0, sizeof m_integerTotals);
    std::memset(m_decimalTotals, 0, sizeof m_decimalTotals);
    ClearTotals();
}

long cfSQLExecSQL::ClearTotals()
{
    for (int i = 0; i < MFCSQL_COLUMNS; ++i) {
        m_integerTotals[i].total = m_integerTotals[i].subTotal = 0;
        m_decimalTotals[i].total = m_decimalTotals[i].subTotal = 0;
    }
    return 0;
}

long cfSQLExecSQL::SQLExecute() { return SQLExec::SQLExecute(); }

long cfSQLExecSQL::MfcSQLOutput(
    char* text, STR_BINDING* binding, long* row, long column, void* hstmt)
{
    long result = bookMfcSQL::MfcSQLOutput(text, binding, row, column, hstmt);
    if (!binding || binding->indicator == SQL_NULL_DATA || !m_privateTotals || column < 0
        || column >= MFCSQL_COLUMNS)
        return result;
    // The private totals read the value as the writer rendered it (cut to the column width);
    // no layout is consulted. The private copy of the cell is not shown anywhere, so only the
    // totals and the slot fields are kept.
    CString cell;
    if (!MfcSQLFormatCell(binding, &cell))
        return result;
    cfIntegerTotal& integer = m_integerTotals[column];
    cfDecimalTotal& decimal = m_decimalTotals[column];
    const long width = binding->displayWidth;
    switch (static_cast<SQLSMALLINT>(binding->sqlType)) {
    case SQL_INTEGER:
    case SQL_SMALLINT: {
        long value = std::atol(cell);
        if (!integer.noAccumulate) {
            integer.total = MfcSQLAddTotal(integer.total, value);
            integer.subTotal = MfcSQLAddTotal(integer.subTotal, value);
        }
        integer.width = width;
        integer.column = column;
        integer.on = 1;
        break;
    }
    case SQL_FLOAT:
    case SQL_REAL:
    case SQL_DOUBLE: {
        double value = std::atof(cell);
        if (!decimal.noAccumulate) {
            decimal.total += value;
            decimal.subTotal += value;
        }
        decimal.column = column;
        decimal.width = width;
        decimal.on = 1;
        break;
    }
    case SQL_DATE:
    case SQL_TIMESTAMP:
        break;
    default:
        integer.width = decimal.width = width;
        integer.column = decimal.column = column;
        break;
    }
    return result;
}

long cfSQLExecSQL::MfcSQLSupplyTotals(long* row)
{
    long noted = row ? *row : 0;
    long result = bookMfcSQL::MfcSQLSupplyTotals(row);
    if (m_ODBCItem.list)
        widenListColumns(noted);
    return result;
}

// Every shown column grows to twice the width of a run of "a" as long as its header or any
// row's text above the noted row, when that is wider than it is.
void cfSQLExecSQL::widenListColumns(long notedRow)
{
    bookListSQL* view = m_ODBCItem.list;
    if (!view->m_hWnd)
        return;
    CListCtrl& list = view->GetListCtrl();
    int columns = view->bookListGetColumnCount();
    if (columns > MFCSQL_COLUMNS)
        columns = MFCSQL_COLUMNS;
    int rows = list.GetItemCount();
    if (notedRow >= 0 && notedRow < rows)
        rows = static_cast<int>(notedRow);
    for (int c = 0; c < columns; ++c) {
        if (!m_ODBCItem.columnFormat[c].shown)
            continue;
        auto measure = [&](const CString& text) {
            return 2 * list.GetStringWidth(CString('a', text.GetLength()).GetString());
        };
        char header[260] = {};
        LVCOLUMNA description {};
        description.mask = LVCF_TEXT;
        description.pszText = header;
        description.cchTextMax = sizeof header;
        list.GetColumn(c, &description);
        int widest = measure(header);
        for (int r = 0; r < rows; ++r) {
            int width = measure(list.GetItemText(r, c));
            if (width > widest)
                widest = width;
        }
        if (widest > list.GetColumnWidth(c))
            list.SetColumnWidth(c, widest);
    }
}
