// MfcSQL base output: cells and titles laid out as plain text for the output views, and the
// diagnostics that go with them.
#include "db/mfcsql.h"

#include <cstdio>
#include <cstdlib>

BOOL MfcSQL::MfcSQLFormatCell(const STR_BINDING* binding, CString* cell)
{
    if (!binding || !cell)
        return FALSE;
    int width = binding->displayWidth;
    auto* buffer = static_cast<char*>(std::calloc(1, static_cast<size_t>(width) + 5));
    if (!buffer)
        return FALSE;
    if (binding->indicator == SQL_NULL_DATA)
        std::snprintf(buffer, static_cast<size_t>(width) + 5, "%-*.*s", width, width, " ");
    else if (binding->isCharacter)
        std::snprintf(buffer, static_cast<size_t>(width) + 5, "%-*.*s", width, width,
            binding->text ? binding->text : "");
    else
        std::snprintf(buffer, static_cast<size_t>(width) + 5, "%*.*s", width, width,
            binding->text ? binding->text : "");
    *cell = buffer;
    std::free(buffer);
    return TRUE;
}

namespace {
int leadingLineBreaks(const char* title)
{
    int count = 0;
    while (title && (title[count] == '\r' || title[count] == '\n'))
        ++count;
    return count;
}

// The title padded (or cut) to width characters plus one blank; right-aligned on request.
CString padTitle(const char* title, int width, bool rightAlign)
{
    CString text;
    text.Format(rightAlign ? "%*.*s " : "%-*.*s ", width, width, title ? title : "");
    return text;
}
}

long MfcSQL::MfcSQLOutput(char*, STR_BINDING* binding, long*, long, void*)
{
    if (!binding)
        return 0;
    CString cell;
    MfcSQLFormatCell(binding, &cell);
    if (!binding->next)
        s_lastOutputRow = -1;
    return 0;
}

CString MfcSQL::MfcSQLOutputTitle(long)
{
    CString title = MfcSQLGetTitleString();
    return title;
}

CString MfcSQL::layoutTitle(char* title, STR_BINDING* binding, long, bool rightAlign,
    CString& accumulator, long& counter, bool underline)
{
    int leading = leadingLineBreaks(title);
    int width = binding->displayWidth + leading;
    CString piece = padTitle(title, width, rightAlign);
    counter += 1 + width;
    if (underline && !binding->next) {
        piece += "\r\n";
        long dashes = counter - leading - 2;
        if (dashes > 0)
            piece += CString(m_ODBCItem.separator, static_cast<int>(dashes));
    }
    accumulator += piece;
    return piece;
}

CString MfcSQL::MfcSQLOutputTitle(char* title, STR_BINDING* binding, long column)
{
    if (!binding)
        return s_titleText;
    (void)title;
    (void)column;
    return s_titleText;
}

CString MfcSQL::MfcSQLBuildTitle(char* title, STR_BINDING* binding, long column, int reset)
{
    if (reset) {
        s_buildTitleText.Empty();
        s_buildTitleCount = 0;
    }
    if (!binding)
        return s_buildTitleText;
    bool rightAlign = m_ODBCItem.richEdit && !binding->isCharacter;
    layoutTitle(title, binding, column, rightAlign, s_buildTitleText, s_buildTitleCount, true);
    if (!binding->next) {
        s_buildTitleText += "\r\n";
        s_buildTitleCount = 0;
    }
    return s_buildTitleText;
}

long MfcSQL::MfcSQLOutputTitleString(CString) { return 0; }

long MfcSQL::MfcSQLReportIDInsert(long, CString) { return 0; }

long MfcSQL::MfcSQLReportIDDelete() { return 0; }

long MfcSQL::MfcSQLExecStrPre(CEdit*, long*) { return 0; }

long MfcSQL::MfcSQLExecStrPost(CEdit*, long*, long result) { return result; }

long MfcSQL::MfcSQLOutputErr(CString) { return 0; }

CString MfcSQL::MfcSQLGetTitleString() { return CString(); }

long MfcSQL::MfcSQLOutputReset() { return 0; }

long MfcSQL::listColAutoWidth() { return 0; }
