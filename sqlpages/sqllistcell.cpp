// SQLList: editing cells in place.
#include "sqlpages/mfccontrolframe.h"
#include "sqlpages/sqleditcell.h"
#include "sqlpages/sqllist.h"

namespace {
bool validColumn(long column) { return column >= 0 && column < SQLLIST_EDIT_ENTRIES; }
}

long SQLList::SubItemEdit(long column, long limit, int editable)
{
    if (!(m_flags & SQLLIST_COORD_EDIT) || !validColumn(column))
        return E_UNEXPECTED;
    SQLCellEditEntry& entry = m_editEntries[column];
    if (!editable)
        entry = SQLCellEditEntry { -1, -1, 0, 0, 0 };
    else
        entry = SQLCellEditEntry { -1, column, limit, editable, entry.reserved };
    return 0;
}

long SQLList::SubItemEditClear()
{
    for (SQLCellEditEntry& entry : m_editEntries) {
        entry.editable = 0;
        entry.reserved = 0;
    }
    return 0;
}

int SQLList::SubItemIsEdit(long column)
{
    return validColumn(column) ? m_editEntries[column].editable : 0;
}

// Deleting the editor answers any pending request of it to be deleted.
void SQLList::closeEditor()
{
    delete m_editor;
    m_editor = nullptr;
    m_cellEditEnded = 0;
}

long SQLList::SubItemEdit(int start)
{
    closeEditor();
    if (!start)
        return 0;
    const long row = m_clickedItem;
    const long column = m_clickedSubItem;
    if (row < 0 || column < 0 || row >= GetListCtrl().GetItemCount() || !SubItemIsEdit(column))
        return E_UNEXPECTED;
    RECT cell;
    long rc = SubItemRectCalc(&cell);
    if (rc != 0)
        return rc;
    auto* editor = new SQLEditCell(this, 257, cell, &rc);
    if (rc != 0) {
        delete editor;
        return rc;
    }
    m_editor = editor;
    m_cellEditEnded = 0;
    if (m_editEntries[column].limit >= 0)
        editor->SetLimitText(static_cast<UINT>(m_editEntries[column].limit));
    CString text = GetListCtrl().GetItemText(static_cast<int>(row), static_cast<int>(column));
    editor->SetWindowText(text);
    editor->SetTextOriginal(text);
    return 0;
}

// The left edge counts the columns' widths from the row's left edge (0 unless the list is
// scrolled sideways).
long SQLList::SubItemRectCalc(RECT* rect)
{
    if (!rect || m_clickedItem < 0 || m_clickedSubItem < 1)
        return E_UNEXPECTED;
    CListCtrl& list = GetListCtrl();
    CRect bounds;
    if (!list.GetItemRect(static_cast<int>(m_clickedItem), &bounds, LVIR_BOUNDS))
        return E_UNEXPECTED;
    long left = bounds.left;
    for (int c = 0; c < m_clickedSubItem; ++c)
        left += list.GetColumnWidth(c);
    rect->left = left;
    rect->right = left + list.GetColumnWidth(static_cast<int>(m_clickedSubItem));
    rect->top = bounds.top;
    rect->bottom = bounds.bottom;
    return 0;
}

long SQLList::SelCellEditAccept(SQLEditCell* editor)
{
    if (!editor)
        return E_FAIL;
    long result = E_FAIL;
    if (m_clickedItem >= 0 && m_clickedSubItem >= 0) {
        CString text;
        editor->GetWindowText(text);
        GetListCtrl().SetItemText(
            static_cast<int>(m_clickedItem), static_cast<int>(m_clickedSubItem), text);
        if (text != editor->GetTextOriginal()) {
            editor->SetTextOriginal(text);
            result = 0;
        }
    }
    editor->ShowWindow(SW_HIDE);
    return result;
}

long SQLList::SelCellEditAcceptUpdate(SQLEditCell* editor)
{
    SelCellEditAccept(editor);
    return m_clickedItem >= 0 && m_clickedSubItem >= 0 ? 0 : E_UNEXPECTED;
}

long SQLList::SubItemEditEnd()
{
    if (!m_editor)
        return E_UNEXPECTED;
    long result = SelCellEditAcceptUpdate(m_editor);
    closeEditor();
    return result;
}

long SQLList::OnSubItemGetclick(NMHDR*, LRESULT* result)
{
    SubItemEdit(0);
    if (m_frame && m_frame->GetSelectedRow() == m_clickedItem) {
        ::GetCursorPos(&m_mousePoint);
        LVHITTESTINFO hit {};
        hit.pt = m_mousePoint;
        ScreenToClient(&hit.pt);
        GetListCtrl().SubItemHitTest(&hit);
        m_clickedSubItem = hit.iSubItem;
        if ((m_flags & SQLLIST_COORD_EDIT) && m_clickedItem >= 0 && m_clickedSubItem >= 0)
            SubItemEdit(1);
    }
    if (result)
        *result = 0;
    return 0;
}

void SQLList::OnKillFocus(CWnd* newWindow)
{
    if (m_cellEditEnded && m_editor) {
        closeEditor();
        return;
    }
    bookListSQL::OnKillFocus(newWindow);
}
