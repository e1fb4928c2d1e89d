// SQLList: construction, font, executor and the coordination with a list box.
#include "sqlpages/sqllist.h"
#include "sqlpages/mfccontrolframe.h"
#include "sqlpages/sqleditcell.h"
#include "sqlpages/sqlviewexec.h"

SQLList::SQLList(MfcControlSQL* frame, unsigned int id, RECT rect, long* result)
    : bookListSQL(frame, id, rect, result)
    , m_editor(nullptr)
    , m_executor(nullptr)
    , m_frame(frame)
    , m_id(id)
    , m_rect(rect)
    , m_windowRect(rect)
    , m_coordWindow(nullptr)
    , m_coordKind(0)
    , m_flags(SQLLIST_COORD_ON_EXECUTE)
    , m_cellEditEnded(0)
    , m_mousePoint { 0, 0 }
{
    m_clickedItem = -1;
    m_clickedSubItem = -1;
    for (SQLCellEditEntry& entry : m_editEntries)
        entry = SQLCellEditEntry { -1, -1, -1, 0, 0 };
    SubItemEditClear();
    sqlview::takeExecutor(m_executor, sqlview::newExecutor(result), this);
    char face[] = "Courier New";
    CreateFontA(this, 8, face, 1, nullptr);
}

SQLList::~SQLList()
{
    delete m_editor;
    delete m_executor;
}

long SQLList::CreateFontA(CWnd* window, int size, char* face, int unused, LOGFONTA* out)
{
    return AllocFont(window ? window->GetSafeHwnd() : nullptr, size, face, unused, out);
}

long SQLList::AllocFont(HWND, int size, char* face, int, LOGFONTA* out)
{
    long rc = bookListCreateFont(size, face);
    if (rc == 0 && out && m_font)
        m_font->GetLogFont(out);
    return rc;
}

long SQLList::SetSQL(CString sql)
{
    sqlview::setSQL(m_executor, &m_sql, sql);
    return 0;
}

long SQLList::SetSQLExec(cfSQLExecSQL* executor)
{
    sqlview::takeExecutor(m_executor, executor, this);
    return 0;
}

long SQLList::SQLExecute()
{
    long result = sqlview::execute(m_executor);
    if (result == 0 && (m_flags & SQLLIST_COORD_ON_EXECUTE))
        Coord();
    return result;
}

long SQLList::SetCoordinateWindow(HWND window, long kind)
{
    m_coordWindow = window;
    m_coordKind = kind;
    return 0;
}

long SQLList::SetCoordOnExecute(int on)
{
    m_flags = on ? (m_flags | SQLLIST_COORD_ON_EXECUTE) : (m_flags & ~SQLLIST_COORD_ON_EXECUTE);
    return 0;
}

long SQLList::SetCoordEdit(int on)
{
    m_flags = on ? (m_flags | SQLLIST_COORD_EDIT) : (m_flags & ~SQLLIST_COORD_EDIT);
    return 0;
}

long SQLList::Coord()
{
    if (!m_coordWindow || m_coordKind != SQLLIST_COORD_LISTBOX)
        return E_UNEXPECTED;
    LRESULT entry = ::SendMessage(m_coordWindow, LB_GETCURSEL, 0, 0);
    if (entry == LB_ERR)
        return E_FAIL;
    long row = static_cast<long>(::SendMessage(m_coordWindow, LB_GETITEMDATA, entry, 0));
    CListCtrl& list = GetListCtrl();
    if (m_clickedItem >= 0)
        list.SetItemState(static_cast<int>(m_clickedItem), 0, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(
        static_cast<int>(row), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.EnsureVisible(static_cast<int>(row), FALSE);
    m_clickedItem = row;
    return 0;
}

long SQLList::CoordCoord()
{
    if (!m_coordWindow || m_coordKind != SQLLIST_COORD_LISTBOX)
        return E_UNEXPECTED;
    if (m_frame)
        m_frame->CoordCoord();
    if (::SendMessage(m_coordWindow, LB_SETCURSEL, static_cast<WPARAM>(m_clickedItem), 0) == LB_ERR)
        return E_FAIL;
    ::SendMessage(m_coordWindow, LB_SETTOPINDEX, static_cast<WPARAM>(m_clickedItem), 0);
    return 0;
}

void SQLList::followSelection()
{
    if (m_frame)
        m_frame->SetSelectedRow(m_clickedItem);
    CoordCoord();
}

// A click on the row the frame already holds locates the clicked cell (and may open its
// editor); then the clicked row becomes the frame's and the list box's.
void SQLList::OnClick(NMHDR* header, LRESULT* result)
{
    bookListSQL::OnClick(header, result);
    OnSubItemGetclick(header, result);
    followSelection();
    *result = 0;
}

void SQLList::OnColumnclick(NMHDR* header, LRESULT* result)
{
    bookListSQL::OnColumnclick(header, result);
    followSelection();
}
