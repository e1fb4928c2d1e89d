// bookMfcSQL: the totals and sub-totals blocks, as text under the report or as two list rows.
#include "report/bookmfcsql.h"
#include "report/bookreport.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <cstring>

namespace {
const char kTotals[] = " Totals ";
const char kSubTotals[] = " Sub-Totals ";
}

long bookMfcSQL::MfcSQLSupplyTotals(long* row)
{
    return supplyTotalsBlock(row, kTotals, false, true, false);
}

long bookMfcSQL::MfcSQLSupplySubTotals(long* row)
{
    return supplyTotalsBlock(row, kSubTotals, false, true, false);
}

long bookMfcSQL::MfcSQLSupplySubTotalsSubTotals(long* row)
{
    return supplyTotalsBlock(row, kSubTotals, true, false, true);
}

// The total of a slot as the block shows it: an integer slot's digits right-aligned to its width,
// or a decimal slot rounded to its places; empty when the slot does not total.
CString bookMfcSQL::totalText(int slot, bool subTotals)
{
    const IntegerTotalSlot& integer = m_ODBCItem.integerTotals[slot];
    const DecimalTotalSlot& decimal = m_ODBCItem.decimalTotals[slot];
    CString text;
    if (integer.column >= 0 && integer.on) {
        text.Format("%ld", static_cast<long>(subTotals ? integer.subTotal : integer.total));
        MfcSQLFormatNumber(&text, static_cast<unsigned>(integer.width));
    } else if (decimal.column >= 0 && decimal.on) {
        double value = subTotals ? decimal.subTotal : decimal.total;
        const bookReportColumn* layout
            = m_ODBCItem.report ? m_ODBCItem.report->reportColumn(slot) : nullptr;
        MfcSQLFormatDecimalPlace(&text, -1, static_cast<unsigned>(decimal.width), &value,
            decimal.decimals, layout ? layout->currency : 0, decimal.parenthesise);
    }
    return text;
}

long bookMfcSQL::supplyTotalsBlock(
    long* row, const char* label, bool subTotals, bool honourLeaveOut, bool restoreSelection)
{
    if (MfcODBCTotals(&m_ODBCItem) == 0)
        return 0;
    if (m_ODBCItem.list) {
        supplyTotalsList(subTotals, honourLeaveOut);
    } else if (m_ODBCItem.edit || m_ODBCItem.richEdit) {
        CString values;
        long length = 0;
        bool content = false;
        for (int i = 0; i < MFCSQL_COLUMNS; ++i) {
            const IntegerTotalSlot& integer = m_ODBCItem.integerTotals[i];
            const DecimalTotalSlot& decimal = m_ODBCItem.decimalTotals[i];
            bool present = integer.column >= 0 || decimal.column >= 0;
            if (integer.column >= 0 && integer.on && !(honourLeaveOut && integer.leaveOut)) {
                values += totalText(i, subTotals);
                length += integer.width;
                content = present = true;
            } else if (decimal.column >= 0 && decimal.on && !(honourLeaveOut && decimal.leaveOut)) {
                values += totalText(i, subTotals);
                length += decimal.width;
                content = present = true;
            } else if (integer.width > 0) {
                values += CString(' ', integer.width);
                length += integer.width;
                content = true;
            }
            values += ' ';
            if (present)
                ++length;
        }
        ++length;
        values.TrimRight(' ');

        // The separator line with the label centred in it.
        CString separator;
        const long labelLength = static_cast<long>(std::strlen(label));
        const long from = length / 2 - labelLength / 2;
        long next = 0;
        for (long p = 0; p < length; ++p) {
            if (content && p >= from && next < labelLength)
                separator += label[next++];
            else
                separator += m_ODBCItem.separator;
        }
        CString block = "\r\n" + separator + "\r\n" + values + "\r\n";
        if (bookEdit* view = m_ODBCItem.edit; view && view->m_hWnd)
            view->bookEditAppend(block);
        if (bookRichEdit* view = m_ODBCItem.richEdit; view && view->m_hWnd) {
            CRichEditCtrl& edit = view->GetRichEditCtrl();
            long start = 0;
            long end = 0;
            edit.GetSel(start, end);
            view->bookRichEditAppend(block, CFE_BOLD, true);
            if (restoreSelection)
                edit.SetSel(start, end);
        }
    }
    if (row && *row >= 0)
        ++*row;
    return 0;
}

void bookMfcSQL::supplyTotalsList(bool subTotals, bool honourLeaveOut)
{
    bookListSQL* view = m_ODBCItem.list;
    if (!view->m_hWnd)
        return;
    CListCtrl& list = view->GetListCtrl();
    int columns = view->bookListGetColumnCount();
    if (columns > MFCSQL_COLUMNS)
        columns = MFCSQL_COLUMNS;
    const char mark = view->bookListGetSeparator();
    int separatorRow = list.InsertItem(list.GetItemCount(), "");
    int totalsRow = separatorRow >= 0 ? list.InsertItem(list.GetItemCount(), "") : -1;
    if (totalsRow < 0)
        return;
    for (int i = 0; i < columns; ++i) {
        const IntegerTotalSlot& integer = m_ODBCItem.integerTotals[i];
        const DecimalTotalSlot& decimal = m_ODBCItem.decimalTotals[i];
        long width = integer.width > 0 ? integer.width : decimal.width;
        if (width > 0)
            list.SetItemText(separatorRow, i, CString(mark, static_cast<int>(width)));
        bool leftOut = honourLeaveOut
            && ((integer.column >= 0 && integer.on) ? integer.leaveOut : decimal.leaveOut);
        if (m_ODBCItem.columnFormat[i].totals && !leftOut) {
            list.SetItemText(totalsRow, i, totalText(i, subTotals));
        }
    }
    list.SetItemData(separatorRow, 0);
    list.SetItemData(totalsRow, 0);
}
