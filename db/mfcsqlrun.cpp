// MfcSQL running SQL text: splitting at semicolons, one statement handle per statement, column
// bindings, the fetch loop and diagnostics.
#include "db/mfcsql.h"
#include "views/bookedit.h"

#include <afxwin.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {
const size_t kDiagnosticSize = 65535;

// A failed fetch ends the result set once its row has been handed on: a driver that lost its
// connection keeps failing (the cursor library even alternates failures with stale rows), so
// going on could never reach SQL_NO_DATA.
bool fetchFailed(SQLRETURN rc) { return rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO; }
}

long MfcSQL::MfcSQLExecStr(char* sql, long* count, _ODBCItemBuff* buff)
{
    if (!sql || !*sql || !buff || !buff->buffer)
        return E_UNEXPECTED;
    std::memset(buff->buffer, 0, static_cast<size_t>(buff->size) + 1);
    std::strncpy(buff->buffer, sql, buff->size);
    return ParceSQL(count, buff);
}

long MfcSQL::MfcSQLExecStr(CEdit* edit, long* count)
{
    CString text;
    if (edit)
        edit->GetWindowText(text);
    if (text.IsEmpty())
        return E_UNEXPECTED;
    _ODBCItemBuff* buff = MfcSQLSetSQLBuff(static_cast<unsigned int>(text.GetLength()));
    if (!buff)
        return 0;
    std::memcpy(buff->buffer, text.GetString(), static_cast<size_t>(text.GetLength()));
    long result = MfcSQLExecStrPre(edit, count);
    if (result == 0) {
        result = ParceSQL(count, buff);
        long post = MfcSQLExecStrPost(edit, count, result);
        if (post != 0 && result == 0)
            result = post;
    }
    // Nothing else holds the text once it has run.
    MfcSQLFreeSQLBuff(buff);
    return result;
}

long MfcSQL::ParceSQL(long* count, _ODBCItemBuff* buff)
{
    if (!buff || !buff->buffer || !*buff->buffer)
        return E_UNEXPECTED;
    size_t length = std::strlen(buff->buffer);
    auto* work = new (std::nothrow) unsigned char[length + 1]();
    if (!work)
        return 0;
    long result = 0;
    size_t used = 0;
    for (size_t i = 0; i < length; ++i) {
        unsigned char ch = static_cast<unsigned char>(buff->buffer[i]);
        if (ch == '\b' || ch == '\t' || ch == '\n' || ch == '\r')
            ch = ' ';
        work[used++] = ch;
        if (ch == ';') {
            long rc = ProcessSQL(work, static_cast<unsigned int>(used), count);
            if (rc != 0)
                result = rc;
            std::memset(work, 0, used);
            used = 0;
        }
    }
    delete[] work;
    return result;
}

long MfcSQL::ProcessSQL(unsigned char* statement, unsigned int, long* count)
{
    SQLHSTMT hstmt = SQL_NULL_HSTMT;
    SQLRETURN rc = SQLAllocHandle(SQL_HANDLE_STMT, m_ODBCItem.hdbc, &hstmt);
    if (rc != SQL_SUCCESS)
        SQLHandleError(m_ODBCItem.hdbc, SQL_HANDLE_DBC, rc);
    rc = SQLExecDirect(hstmt, statement, SQL_NTS);
    bool results = rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
    if (rc == SQL_SUCCESS_WITH_INFO || rc == SQL_ERROR)
        SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
    if (results) {
        SQLSMALLINT columns = 0;
        rc = SQLNumResultCols(hstmt, &columns);
        if (rc != SQL_SUCCESS)
            SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        if (columns > 0) {
            long rows = SQLDisplayResults(hstmt, columns);
            if (count)
                *count = rows;
        } else {
            SQLLEN affected = -1;
            rc = SQLRowCount(hstmt, &affected);
            if (rc != SQL_SUCCESS)
                SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
            if (affected >= 0 && count)
                *count = static_cast<long>(affected);
        }
    }
    rc = SQLFreeStmt(hstmt, SQL_CLOSE);
    if (rc != SQL_SUCCESS)
        SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
    SQLFreeStmt(hstmt, SQL_DROP);
    return 0;
}

long MfcSQL::SQLDisplayResults(void* hstmt, short columns)
{
    STR_BINDING* bindings = nullptr;
    short width = 0;
    if (SQLAllocateBindings(hstmt, columns, &bindings, &width) != 0) {
        SQLFreeBindings(bindings, columns, hstmt);
        return 0;
    }
    SQLDisplayTitles(hstmt, static_cast<unsigned long>(width), bindings);
    long rows = fetchResultRows(hstmt, bindings, false);
    SQLFreeBindings(bindings, columns, hstmt);
    return rows;
}

long MfcSQL::fetchResultRows(
    void* hstmt, STR_BINDING* bindings, bool keepBindingTypes, long firstRow)
{
    long row = firstRow;
    // Cells gather only while the loop runs, however it ends.
    struct Gathering {
        bool& on;
        explicit Gathering(bool& flag)
            : on(flag)
        {
            on = true;
        }
        ~Gathering() { on = false; }
    } gathering(m_gatherEditRow);
    for (;;) {
        SQLRETURN rc = SQLFetch(hstmt);
        if (rc != SQL_SUCCESS)
            SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        if (rc == SQL_NO_DATA || rc == SQL_INVALID_HANDLE)
            break;
        long column = 0;
        for (STR_BINDING* binding = bindings; binding; binding = binding->next) {
            LONG sqlType = binding->sqlType;
            BOOL isCharacter = binding->isCharacter;
            if (MfcSQLOutput(nullptr, binding, &row, column, hstmt) == 0)
                ++column;
            if (keepBindingTypes) {
                binding->sqlType = sqlType;
                binding->isCharacter = isCharacter;
            }
        }
        endEditRow();
        ++row;
        if (fetchFailed(rc))
            break;
    }
    return row;
}

void MfcSQL::appendEditCell(bool newLine, const CString& cell, int width)
{
    if (!m_ODBCItem.edit)
        return;
    CString piece;
    CString& text = m_gatherEditRow ? m_editRow : piece;
    if (newLine)
        text += "\r\n";
    text += cell;
    for (int i = cell.GetLength(); i < width; ++i)
        text += ' ';
    text += ' ';
    if (!m_gatherEditRow)
        m_ODBCItem.edit->bookEditAppend(piece);
}

void MfcSQL::endEditRow()
{
    if (m_editRow.IsEmpty())
        return;
    if (m_ODBCItem.edit)
        m_ODBCItem.edit->bookEditAppend(m_editRow);
    m_editRow.Empty(); // keeps its room for the next row
}

long MfcSQL::SQLAllocateBindings(void* hstmt, short columns, STR_BINDING** bindings, short* width)
{
    *width = 0;
    STR_BINDING* last = nullptr;
    for (SQLUSMALLINT n = 1; n <= static_cast<SQLUSMALLINT>(columns < 0 ? 0 : columns); ++n) {
        auto* binding = static_cast<STR_BINDING*>(std::calloc(1, sizeof(STR_BINDING)));
        if (!binding)
            return E_FAIL;
        if (last)
            last->next = binding;
        else
            *bindings = binding;
        last = binding;

        SQLLEN size = 0;
        SQLRETURN rc = SQLColAttribute(hstmt, n, SQL_DESC_DISPLAY_SIZE, nullptr, 0, nullptr, &size);
        if (rc != SQL_SUCCESS)
            SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        SQLLEN sqlType = 0;
        rc = SQLColAttribute(hstmt, n, SQL_DESC_CONCISE_TYPE, nullptr, 0, nullptr, &sqlType);
        if (rc != SQL_SUCCESS)
            SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        binding->sqlType = static_cast<LONG>(sqlType);
        SQLSMALLINT type16 = static_cast<SQLSMALLINT>(sqlType);
        binding->isCharacter
            = type16 == SQL_CHAR || type16 == SQL_VARCHAR || type16 == SQL_LONGVARCHAR;
        binding->next = nullptr;
        // A driver that cannot tell the width (SQL_NO_TOTAL, as for binary data) gets the whole
        // buffer; a negative length would make the binding fail.
        if (size > MFCSQL_BINDING_MAX || size < 0)
            size = MFCSQL_BINDING_MAX;
        binding->text = static_cast<char*>(std::calloc(1, MFCSQL_BINDING_SIZE));
        if (!binding->text)
            return E_FAIL;
        rc = SQLBindCol(hstmt, n, SQL_C_CHAR, binding->text, size + 1, &binding->indicator);
        if (rc != SQL_SUCCESS)
            SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        SQLSMALLINT nameLength = 0;
        rc = SQLColAttribute(hstmt, n, SQL_DESC_NAME, nullptr, 0, &nameLength, nullptr);
        if (rc != SQL_SUCCESS)
            SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        SQLLEN display = size > nameLength ? size : nameLength;
        binding->displayWidth = static_cast<SQLSMALLINT>(display < 6 ? 6 : display);
        *width = static_cast<short>(binding->displayWidth + 3);
    }
    return 0;
}

long MfcSQL::SQLDisplayTitles(void* hstmt, unsigned long, STR_BINDING* bindings)
{
    MfcSQLOutputReset();
    SQLUSMALLINT n = 1;
    long index = 0;
    for (STR_BINDING* binding = bindings; binding; binding = binding->next, ++n, ++index) {
        char name[MFCSQL_BINDING_MAX + 2] = {};
        SQLRETURN rc
            = SQLColAttribute(hstmt, n, SQL_DESC_NAME, name, MFCSQL_BINDING_MAX, nullptr, nullptr);
        if (rc != SQL_SUCCESS)
            SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
        MfcSQLOutputTitle(name, binding, index);
    }
    return 0;
}

long MfcSQL::SQLFreeBindings(STR_BINDING* bindings, short, void* hstmt)
{
    SQLRETURN rc = SQLFreeStmt(hstmt, SQL_UNBIND);
    if (rc != SQL_SUCCESS)
        SQLHandleError(hstmt, SQL_HANDLE_STMT, rc);
    if (!bindings)
        return E_UNEXPECTED;
    while (bindings) {
        STR_BINDING* next = bindings->next;
        std::free(bindings->text);
        std::free(bindings);
        bindings = next;
    }
    return 0;
}

long MfcSQL::SQLHandleError(void* handle, short handleType, short code)
{
    m_ODBCItem.lastReturn = code;
    if (code == SQL_INVALID_HANDLE)
        return 0;
    for (const CString& line : MfcSQLDiagnostics(handle, handleType))
        MfcSQLOutputErr(line);
    return 0;
}

std::vector<CString> MfcSQL::MfcSQLDiagnostics(void* handle, short handleType)
{
    std::vector<CString> lines;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
        SQLINTEGER native = 0;
        SQLCHAR message[2048] = {};
        if (SQLGetDiagRec(
                handleType, handle, record, state, &native, message, sizeof message, nullptr)
            != SQL_SUCCESS)
            break;
        if (std::strncmp(reinterpret_cast<char*>(state), "01004", 5) == 0)
            continue;
        auto* text = static_cast<char*>(std::malloc(kDiagnosticSize));
        if (!text)
            continue;
        std::snprintf(
            text, kDiagnosticSize, "[%5.5s] %s (%d)\n", state, message, static_cast<int>(native));
        lines.emplace_back(text);
        std::free(text);
    }
    return lines;
}
