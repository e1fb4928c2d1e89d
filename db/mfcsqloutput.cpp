// MfcSQL base output: cells and titles laid out as plain text for the output views, and the
// diagnostics that go with them.
#include "db/mfcsql.h"
#include "report/bookreport.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <cstdlib>
#include <cstring>

// As "%-*.*s" (left) or "%*.*s" (right) would print it: at most displayWidth characters of the
// text, padded with blanks to displayWidth.
BOOL MfcSQL::MfcSQLFormatCell(const STR_BINDING* binding, CString* cell)
{
    if (!binding || !cell)
        return FALSE;
    const int width = binding->displayWidth > 0 ? binding->displayWidth : 0;
    const bool isNull = binding->indicator == SQL_NULL_DATA;
    const char* text = isNull ? " " : (binding->text ? binding->text : "");
    const int length = static_cast<int>(strnlen(text, static_cast<size_t>(width)));
    char* out = cell->GetBufferSetLength(width);
    const bool left = isNull || binding->isCharacter;
    const int at = left ? 0 : width - length;
    std::memset(out, ' ', static_cast<size_t>(width));
    std::memcpy(out + at, text, static_cast<size_t>(length));
    cell->ReleaseBuffer(width);
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

namespace {
void appendRichText(bookRichEdit* view, const CString& text)
{
    if (!view->m_hWnd)
        return;
    CRichEditCtrl& edit = view->GetRichEditCtrl();
    long end = edit.GetTextLengthEx(GTL_DEFAULT);
    edit.SetSel(end, end);
    edit.ReplaceSel(text);
}
}

long MfcSQL::MfcSQLOutput(char*, STR_BINDING* binding, long* row, long column, void*)
{
    if (!binding)
        return 0;
    CString cell;
    if (MfcSQLFormatCell(binding, &cell)) {
        outputListCell(row, column, cell, false);
        if ((m_ODBCItem.edit || m_ODBCItem.richEdit) && row) {
            // A new row starts on a new line of the text views.
            const bool newLine = *row != s_lastOutputRow;
            if (newLine)
                s_lastOutputRow = *row;
            appendEditCell(newLine, cell, 0);
            if (m_ODBCItem.richEdit)
                appendRichText(m_ODBCItem.richEdit, (newLine ? "\r\n" : "") + cell + " ");
        }
    }
    // The row cursor is shared by the process: a statement without views (a lookup, possibly on
    // another thread) leaves it to the one that is writing.
    if (!binding->next && hasOutput())
        s_lastOutputRow = -1;
    return 0;
}

void MfcSQL::outputListCell(long* row, long column, const CString& cell, bool trim)
{
    bookListSQL* view = m_ODBCItem.list;
    if (!view || !view->m_hWnd || !row)
        return;
    CListCtrl& list = view->GetListCtrl();
    if (*row == s_lastOutputRow) {
        CString text = cell;
        if (trim)
            text.Trim(' ');
        list.SetItemText(static_cast<int>(*row), static_cast<int>(column), text);
        return;
    }
    LVITEMA item {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(*row);
    item.pszText = const_cast<char*>(cell.GetString());
    item.lParam = *row;
    int index = list.InsertItem(&item);
    if (index >= 0) {
        s_lastOutputRow = index;
        *row = index;
        list.SetItemData(index, 1);
    }
}

CString MfcSQL::MfcSQLOutputTitle(long)
{
    CString title = MfcSQLGetTitleString();
    if (title.IsEmpty())
        return CString();
    if (m_ODBCItem.edit)
        m_ODBCItem.edit->bookEditAppend(title);
    if (m_ODBCItem.richEdit)
        appendRichText(m_ODBCItem.richEdit, title);
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

void MfcSQL::insertListColumn(char* title, STR_BINDING* binding, long column)
{
    bookListSQL* view = m_ODBCItem.list;
    if (!view || !view->m_hWnd)
        return;
    LVCOLUMNA description {};
    description.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    description.fmt = binding->isCharacter ? LVCFMT_LEFT : LVCFMT_RIGHT;
    description.pszText = title;
    bool shown
        = column < 0 || column >= MFCSQL_COLUMNS || m_ODBCItem.columnFormat[column].shown != 0;
    description.cx = shown
        ? view->GetListCtrl().GetStringWidth(CString('X', binding->displayWidth).GetString())
        : 0;
    view->bookListInsertColumn(column, &description);
}

CString MfcSQL::MfcSQLOutputTitle(char* title, STR_BINDING* binding, long column)
{
    // Titles accumulate in process-wide state for the text views only; a statement without one
    // (a lookup, possibly on another thread) must not touch it while a report is being written.
    if (!m_ODBCItem.edit && !m_ODBCItem.richEdit) {
        if (binding)
            insertListColumn(title, binding, column);
        return CString();
    }
    if (!binding)
        return s_titleText;
    insertListColumn(title, binding, column);
    if (bookEdit* view = m_ODBCItem.edit) {
        CString piece = layoutTitle(title, binding, column, false, s_titleText, s_titleCount, true);
        if (!binding->next) {
            s_titleText += "\r\n";
            MfcSQLOutputTitleString(s_titleText);
            s_titleCount = 0;
            s_titleText.Empty();
        }
        view->bookEditAppend(piece);
    }
    if (bookRichEdit* view = m_ODBCItem.richEdit) {
        layoutTitle(
            title, binding, column, !binding->isCharacter, s_titleText, s_titleCount, false);
        if (!binding->next) {
            view->ReportIDInsert(
                m_ODBCItem.report ? m_ODBCItem.report->reportGetID() : -1, s_titleText);
            s_titleCount = 0;
            s_titleText.Empty();
        }
    }
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

long MfcSQL::MfcSQLOutputTitleString(CString titles)
{
    if (m_ODBCItem.edit)
        m_ODBCItem.edit->bookEditOutputTitleString(titles);
    if (m_ODBCItem.richEdit)
        m_ODBCItem.richEdit->bookEditOutputTitleString(titles);
    return 0;
}

long MfcSQL::MfcSQLReportIDInsert(long id, CString text)
{
    if (m_ODBCItem.richEdit)
        m_ODBCItem.richEdit->ReportIDInsert(id, text);
    return 0;
}

long MfcSQL::MfcSQLReportIDDelete()
{
    if (m_ODBCItem.richEdit)
        m_ODBCItem.richEdit->ReportIDDelete();
    return 0;
}

long MfcSQL::MfcSQLExecStrPre(CEdit* edit, long* count)
{
    return m_ODBCItem.richEdit ? m_ODBCItem.richEdit->MfcSQLExecStrPre(edit, count, this) : 0;
}

long MfcSQL::MfcSQLExecStrPost(CEdit* edit, long* count, long result)
{
    return m_ODBCItem.richEdit ? m_ODBCItem.richEdit->MfcSQLExecStrPost(edit, count, this, result)
                               : result;
}

long MfcSQL::MfcSQLOutputErr(CString message)
{
    endEditRow();
    if (m_ODBCItem.edit)
        m_ODBCItem.edit->bookEditAppend(message);
    else if (m_ODBCItem.richEdit)
        appendRichText(m_ODBCItem.richEdit, message);
    return 0;
}

CString MfcSQL::MfcSQLGetTitleString()
{
    if (bookRichEdit* view = m_ODBCItem.richEdit) {
        bookReport* report = m_ODBCItem.report;
        if (report && report->reportGetID() >= 0)
            return view->ReportIDSupplyTitles(report->reportGetID());
        return view->bookEditGetTitleString();
    }
    return m_ODBCItem.edit ? m_ODBCItem.edit->bookEditGetTitleString() : CString();
}

long MfcSQL::MfcSQLOutputReset()
{
    if (bookListSQL* view = m_ODBCItem.list; view && view->m_hWnd) {
        view->GetListCtrl().DeleteAllItems();
        for (int i = view->bookListGetColumnCount(); i > 0; --i)
            view->bookListDeleteColumn(0);
        m_ODBCItem.listColumns = view->bookListGetColumnCount();
    }
    if (bookEdit* view = m_ODBCItem.edit; view && view->m_hWnd)
        view->SetWindowText("");
    if (bookRichEdit* view = m_ODBCItem.richEdit) {
        if (view->m_hWnd)
            view->SetWindowText("");
        view->ReportIDFree();
    }
    return 0;
}

long MfcSQL::listColAutoWidth()
{
    bookListSQL* view = m_ODBCItem.list;
    if (!view || !view->m_hWnd)
        return 0;
    view->listColAutoWidth();
    for (int c = 0; c < view->bookListGetColumnCount() && c < MFCSQL_COLUMNS; ++c)
        if (m_ODBCItem.columnFormat[c].shown == 0)
            view->GetListCtrl().SetColumnWidth(c, 0);
    return 0;
}

void MfcSQL::MfcSQLSetBookReport(bookReport* report)
{
    if (!report && m_ODBCItem.report)
        m_ODBCItem.report->reportSetID(-1);
    m_ODBCItem.report = report;
    if (report)
        report->reportSetID(-1);
}
