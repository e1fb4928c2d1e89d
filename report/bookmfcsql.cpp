// bookMfcSQL: construction, the road of a result set, the titles and the writer's date forms.
#include "report/bookmfcsql.h"
#include "report/bookreport.h"
#include "report/dateformat.h"
#include "views/bookrichedit.h"

#include <cstdlib>

bookMfcSQL::bookMfcSQL() { setDefaults(); }

bookMfcSQL::bookMfcSQL(long* result)
    : MfcSQL(result)
{
    setDefaults();
}

bookMfcSQL::bookMfcSQL(char* connect, long* result)
    : MfcSQL(connect, result)
{
    setDefaults();
}

bookMfcSQL::~bookMfcSQL() { MfcSQLDeInit(); }

void bookMfcSQL::setDefaults()
{
    MfcSQLWantTitles(1);
    m_titleText = 1;
    MfcSQLWantTotals(0);
    m_wantSubTotals = 0;
    m_totalsBlock = 1;
    m_clearTotals = 1;
    MfcSQLWantLetterHead(0);
    MfcSQLWantDate(1);
    MfcSQLWantFieldWrapping(0);
    m_resultPage = 1;
    m_resultPageDone = 1;
    m_shortDate = 1;
    m_firstRow = -1;
    m_lastRowPhase = 0;
}

long bookMfcSQL::MfcSQLOutputTitleString(CString titles)
{
    return MfcSQL::MfcSQLOutputTitleString(titles);
}

long bookMfcSQL::SQLDisplayResults(void* hstmt, short columns)
{
    STR_BINDING* bindings = nullptr;
    short titleWidth = 0;
    if (SQLAllocateBindings(hstmt, columns, &bindings, &titleWidth) != 0) {
        // Out of memory: the records made so far are freed and the result set is not written.
        SQLFreeBindings(bindings, columns, hstmt);
        return 0;
    }
    if (m_clearTotals)
        MfcSQLTotalsClear();
    if (m_wantDate) {
        MfcSQLSupplyDate();
        m_wantDate = 0;
    }
    if (m_wantLetterHead) {
        MfcSQLSupplyLetterHead();
        m_wantLetterHead = 0;
    }
    if (m_wantTitles)
        SQLDisplayTitles(hstmt, static_cast<unsigned long>(titleWidth), bindings);
    long row = fetchResultRows(hstmt, bindings, true, m_firstRow >= 0 ? m_firstRow : 0);
    m_lastRowPhase = 1;
    SQLDisplayResultsLastRow(bindings, &row, hstmt);
    m_lastRowPhase = 0;
    if (m_wantTotals && m_wantSubTotals && m_totalsBlock)
        MfcSQLSupplySubTotals(&row);
    if (m_wantTotals && m_totalsBlock)
        MfcSQLSupplyTotals(&row);
    SQLFreeBindings(bindings, columns, hstmt);
    return row;
}

long bookMfcSQL::SQLDisplayResultsLastRow(STR_BINDING* bindings, long* row, void* hstmt)
{
    if (bookReport* layout = m_ODBCItem.report) {
        long index = 0;
        for (STR_BINDING* binding = bindings; binding; binding = binding->next, ++index)
            layout->reportOutputLast(nullptr, binding, row, index, hstmt);
    }
    if (row)
        *row += 1;
    return 0;
}

long bookMfcSQL::SQLDisplayTitles(void* hstmt, unsigned long, STR_BINDING* bindings)
{
    if (m_ODBCItem.list)
        MfcSQLOutputReset();
    auto* name = static_cast<char*>(std::calloc(1, 263));
    if (!name)
        return E_FAIL;
    bookReport* layout = m_ODBCItem.report;
    if (!layout || layout->reportSupplyTitle(bindings, hstmt) == 0) {
        SQLUSMALLINT number = 1;
        long shown = 0;
        for (STR_BINDING* binding = bindings; binding; binding = binding->next, ++number) {
            name[0] = '\0';
            SQLRETURN rc = SQLColAttribute(
                hstmt, number, SQL_DESC_NAME, name, MFCSQL_BINDING_MAX, nullptr, nullptr);
            if (rc != SQL_SUCCESS)
                SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
            CString title;
            MfcSQLSupplyTitle(&title, shown, name);
            if (title.IsEmpty())
                continue;
            if (m_titleText)
                MfcSQLOutputTitle(const_cast<char*>(title.GetString()), binding, shown);
            ++shown;
        }
    }
    std::free(name);
    return 0;
}

long bookMfcSQL::MfcSQLSupplyTitle(CString* title, long, char* name)
{
    if (title)
        *title = name ? name : "";
    return 0;
}

long bookMfcSQL::MfcODBCTotals(_ODBCItem*)
{
    long count = 0;
    for (int i = 1; i < MFCSQL_COLUMNS; ++i) {
        const IntegerTotalSlot& integer = m_ODBCItem.integerTotals[i];
        const DecimalTotalSlot& decimal = m_ODBCItem.decimalTotals[i];
        if ((integer.column >= 0 && integer.width > 0 && integer.on)
            || (decimal.column >= 0 && decimal.width > 0 && decimal.on))
            ++count;
    }
    return count;
}

CString bookMfcSQL::MfcSQLOutputGetText()
{
    CString text;
    if (bookRichEdit* view = m_ODBCItem.richEdit; view && view->m_hWnd)
        view->GetWindowText(text);
    return text;
}

long bookMfcSQL::MfcSQLFormatDate(char* text, CString* out)
{
    return dateFormat::dateFormatLong(text, out);
}

long bookMfcSQL::MfcSQLFormatDateRaw(char* text, CString* out, int numeric)
{
    return dateFormat::dateFormatRaw(text, out, numeric);
}

long bookMfcSQL::MfcSQLFormatDateShort(char* text, CString* out)
{
    return dateFormat::dateFormatShort(text, out);
}
