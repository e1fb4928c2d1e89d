// bookMfcSQL: one report cell. The value is rendered to its column width, totalled by its SQL
// type, dates reformatted, narrowed for a layout column, and written into the list, edit and
// rich-edit outputs in that order.
#include "report/bookmfcsql.h"
#include "book/bookdecimal.h"
#include "report/bookreport.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <cstdlib>

namespace {
bool isDateType(SQLSMALLINT type) { return type == SQL_DATE || type == SQL_TIMESTAMP; }

CString padded(const CString& text, int width)
{
    return text.GetLength() < width ? text + CString(' ', width - text.GetLength()) : text;
}

// Appends at the end of the rich-edit control in the current character format; the caret is
// left at the new end by the replacement itself.
void appendAtEnd(CRichEditCtrl& edit, const CString& text)
{
    long end = edit.GetTextLengthEx(GTL_DEFAULT);
    edit.SetSel(end, end);
    edit.ReplaceSel(text);
}

// Records a column's width and number in one of its totals slots.
template <typename Slot> void record(Slot* slot, long width, long column)
{
    if (slot) {
        slot->width = width;
        slot->column = column;
    }
}
}

long bookMfcSQL::MfcSQLOutput(char* text, STR_BINDING* binding, long* row, long column, void* hstmt)
{
    if (!binding)
        return 0;
    bookReport* layout = m_ODBCItem.report;
    if (layout && !m_lastRowPhase && layout->reportOutput(text, binding, row, column, hstmt) != 0)
        return 0;

    const int w = binding->displayWidth;
    bool inRange = column >= 0 && column < MFCSQL_COLUMNS;
    IntegerTotalSlot* integer = inRange ? &m_ODBCItem.integerTotals[column] : nullptr;
    DecimalTotalSlot* decimal = inRange ? &m_ODBCItem.decimalTotals[column] : nullptr;
    bookReportColumn* layoutColumn = layout ? layout->reportColumn(column) : nullptr;
    // The row cursor is shared by the process: a writer without views leaves it alone.
    const bool writes = m_ODBCItem.list || m_ODBCItem.edit || m_ODBCItem.richEdit;
    CString cell;
    if (!MfcSQLFormatCell(binding, &cell)) {
        if (!binding->next && writes)
            s_lastOutputRow = -1;
        return 0;
    }
    const SQLSMALLINT type = static_cast<SQLSMALLINT>(binding->sqlType);
    const bool isNull = binding->indicator == SQL_NULL_DATA;
    const char* value = binding->text ? binding->text : "";

    if (isNull) {
        // Blanks that keep the column's place in the totals line, and no total.
        record(integer, w, column);
        record(decimal, w, column);
    } else if (!m_wantTotals) {
        if (isDateType(type)) {
            CString date;
            char* raw = const_cast<char*>(value);
            if (!layoutColumn || layoutColumn->shortDate)
                MfcSQLFormatDateShort(raw, &date);
            else
                MfcSQLFormatDate(raw, &date);
            if (!date.IsEmpty() && date.GetLength() < w + 5)
                cell = date;
        } else {
            record(integer, w, column);
            record(decimal, w, column);
        }
    } else if (type == SQL_INTEGER || type == SQL_SMALLINT) {
        long number = std::atol(cell);
        if (integer) {
            if (!integer->noAccumulate) {
                integer->total = MfcSQLAddTotal(integer->total, number);
                integer->subTotal = MfcSQLAddTotal(integer->subTotal, number);
            }
            record(integer, w, column);
            integer->on = layoutColumn ? layoutColumn->totalling : 1;
        }
    } else if (type == SQL_FLOAT || type == SQL_REAL || type == SQL_DOUBLE) {
        double number = bookdecimal::leadingNumber(cell);
        int decimals = 2;
        if (decimal) {
            if (!decimal->noAccumulate) {
                decimal->total += number;
                decimal->subTotal += number;
            }
            decimal->column = column;
            decimals = decimal->decimals;
        }
        if (layoutColumn)
            decimals = static_cast<int>(layoutColumn->decimals);
        MfcSQLFormatDecimalPlace(&cell, -1, static_cast<unsigned>(w), &number, decimals, 0, 0);
        if (decimal) {
            decimal->width = w;
            decimal->on = layoutColumn ? layoutColumn->totalling : 1;
        }
    } else if (isDateType(type)) {
        CString date;
        char* raw = const_cast<char*>(value);
        if (layoutColumn) {
            if (layoutColumn->shortDate)
                MfcSQLFormatDateShort(raw, &date);
            else
                MfcSQLFormatDate(raw, &date);
        } else if (m_shortDate) {
            MfcSQLFormatDateShort(raw, &date);
        } else {
            MfcSQLFormatDateRaw(raw, &date, 1);
        }
        if (date.GetLength() >= 1 && date.GetLength() <= w + 4)
            cell = date;
    } else {
        record(integer, w, column);
        record(decimal, w, column);
    }

    // A narrower layout column (rich-edit output only): text continues under the row, numbers
    // are right-aligned in the narrow width, with a "$" left of them when the column says so.
    int printWidth = w;
    bool narrow = false;
    CString rest; // the continuation, alive until the layout has copied it
    if (layoutColumn && m_ODBCItem.richEdit) {
        layoutColumn->continuation = nullptr;
        layoutColumn->continuationLength = 0;
        int narrowWidth = static_cast<int>(layoutColumn->width);
        if (layoutColumn->active && narrowWidth < w) {
            narrow = true;
            printWidth = narrowWidth;
            if (binding->isCharacter) {
                CString kept = cell;
                kept.TrimRight(' ');
                if (m_wantFieldWrapping && kept.GetLength() > narrowWidth) {
                    rest = cell.Mid(narrowWidth);
                    layoutColumn->continuation = rest.GetString();
                    layoutColumn->continuationLength = w - narrowWidth;
                }
            } else {
                CString number = cell;
                number.Trim(' ');
                cell = number.GetLength() < narrowWidth
                    ? CString(' ', narrowWidth - number.GetLength()) + number
                    : number;
                int mark = narrowWidth - number.GetLength() - 1;
                if (layoutColumn->currency && mark >= 0)
                    cell.SetAt(mark, '$');
            }
            record(integer, narrowWidth, column);
            record(decimal, narrowWidth, column);
        }
    }

    // One decision for both text views: a row number that differs from the last row written
    // starts a new line.
    bool newLine = row && *row != s_lastOutputRow;
    outputListCell(row, column, cell, true);
    if (newLine && (m_ODBCItem.edit || m_ODBCItem.richEdit))
        s_lastOutputRow = *row;
    if (bookEdit* view = m_ODBCItem.edit; view && view->m_hWnd)
        appendEditCell(newLine, cell, w);
    if (bookRichEdit* view = m_ODBCItem.richEdit; view && view->m_hWnd) {
        CString piece;
        if (narrow) {
            CString kept = cell.Left(printWidth);
            kept.TrimRight(' ');
            piece = padded(kept, printWidth);
        } else {
            piece = padded(cell, w);
        }
        CRichEditCtrl& edit = view->GetRichEditCtrl();
        appendAtEnd(edit, (newLine ? "\r\n" : "") + piece + " ");
        if (layout) {
            if (layoutColumn && layoutColumn->continuation)
                layout->reportColumnInsert(column);
            if (!binding->next) {
                layout->reportLineInsert(&edit);
                layout->reportLineClear();
            }
        }
    }
    if (layoutColumn)
        layoutColumn->continuation = nullptr;
    if (!binding->next && writes)
        s_lastOutputRow = -1;
    return 0;
}
