#include "sqlpages/mfccontrolframe.h"
#include "resources/resource.h"
#include "sqlpages/sqledit.h"
#include "sqlpages/sqllist.h"

#include <cstring>

BEGIN_MESSAGE_MAP(MfcControlSQL, CDialog)
ON_WM_SIZE()
ON_WM_MOVE()
END_MESSAGE_MAP()

MfcControlSQL::MfcControlSQL(CWnd* parent)
    : m_parent(parent)
    , m_view(nullptr)
    , m_reset(1)
    , m_closingState(2)
    , m_viewId(MFCCONTROLSQL_VIEW_ID)
    , m_placement { 0, 0, 0, 0 }
    , m_kind(MFCCONTROLSQL_EDIT)
    , m_title("Control Frame")
    , m_selectedRow(-1)
    , m_database(nullptr)
{
    m_lpszTemplateName = MAKEINTRESOURCEA(IDD_MFCCONTROLSQL);
    m_pParentWnd = parent;
}

MfcControlSQL::MfcControlSQL(
    CWnd* parent, long kind, CString title, RECT* placement, int reset, orlamoCDatabase* database)
    : MfcControlSQL(parent)
{
    m_kind = kind;
    m_title = title;
    if (placement)
        m_placement = *placement;
    m_database = database;
    SQLSetReset(reset);
    cfCreate();
}

MfcControlSQL::~MfcControlSQL() { delete m_view; }

template <class F> long MfcControlSQL::withView(F f, long otherwise)
{
    if (SQLEdit* edit = GetEdit())
        return f(edit);
    if (SQLRichEdit* richEdit = GetRichEdit())
        return f(richEdit);
    if (SQLList* list = GetList())
        return f(list);
    return otherwise;
}

SQLEdit* MfcControlSQL::GetEdit() const
{
    return m_view && m_kind == MFCCONTROLSQL_EDIT ? static_cast<SQLEdit*>(m_view) : nullptr;
}

SQLRichEdit* MfcControlSQL::GetRichEdit() const
{
    return m_view && m_kind == MFCCONTROLSQL_RICHEDIT ? static_cast<SQLRichEdit*>(m_view) : nullptr;
}

SQLList* MfcControlSQL::GetList() const
{
    return m_view && m_kind == MFCCONTROLSQL_LIST ? static_cast<SQLList*>(m_view) : nullptr;
}

long MfcControlSQL::cfCreate()
{
    if (!m_hWnd && !Create(IDD_MFCCONTROLSQL, m_parent))
        return E_FAIL;
    if (m_view)
        return 0;
    CRect client;
    GetClientRect(&client);
    CRect rect = layout(client.Width(), client.Height(), true);
    long result = 0;
    switch (m_kind) {
    case MFCCONTROLSQL_EDIT:
        m_view = new SQLEdit(this, m_viewId, rect, &result);
        break;
    case MFCCONTROLSQL_RICHEDIT:
        m_view = new SQLRichEdit(this, m_viewId, rect, &result);
        break;
    case MFCCONTROLSQL_LIST:
        m_view = new SQLList(this, m_viewId, rect, &result);
        break;
    default:
        return E_FAIL;
    }
    if (!m_view->m_hWnd) {
        delete m_view;
        m_view = nullptr;
        return E_FAIL;
    }
    m_view->ShowWindow(SW_SHOW);
    return result;
}

BOOL MfcControlSQL::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_title);
    const RECT none { 0, 0, 0, 0 };
    if (std::memcmp(&m_placement, &none, sizeof none) != 0) {
        MoveWindow(&m_placement);
        ShowWindow(SW_SHOW);
    }
    return TRUE;
}

// The buttons keep the size of "OK" and sit in the bottom right corner; the view fills the rest.
CRect MfcControlSQL::layout(int cx, int cy, bool place)
{
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* done = GetDlgItem(IDCANCEL);
    CRect button(0, 0, 0, 0);
    if (ok)
        ok->GetWindowRect(&button);
    const int w = button.Width();
    const int h = button.Height();
    if (place && ok && done) {
        const int y = cy - (h + 10);
        ok->ShowWindow(SW_HIDE);
        done->ShowWindow(SW_HIDE);
        ok->MoveWindow(cx - (2 * w + 10), y, w, h);
        done->MoveWindow(cx - (w + 5), y, w, h);
        ok->ShowWindow(SW_SHOW);
        done->ShowWindow(SW_SHOW);
    }
    return CRect(5, 10, cx - 10, cy - (2 * h + 10));
}

void MfcControlSQL::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    CRect rect = layout(cx, cy, true);
    if (m_view && m_view->m_hWnd)
        m_view->MoveWindow(&rect);
    if (SQLList* list = GetList())
        list->SetLastWindowRect(rect);
}

void MfcControlSQL::OnMove(int x, int y)
{
    CDialog::OnMove(x, y);
    if (SQLList* list = GetList()) {
        CRect frame;
        GetWindowRect(&frame);
        list->SetLastWindowRect(frame);
    }
}

long MfcControlSQL::SetSQL(CString sql)
{
    return withView([&](auto* view) { return view->SetSQL(sql); }, 0);
}

long MfcControlSQL::SetSQLExec(cfSQLExecSQL* executor)
{
    return withView([&](auto* view) { return view->SetSQLExec(executor); }, 0);
}

cfSQLExecSQL* MfcControlSQL::GetSQLExec() const
{
    if (SQLEdit* edit = GetEdit())
        return edit->GetSQLExec();
    if (SQLRichEdit* richEdit = GetRichEdit())
        return richEdit->GetSQLExec();
    if (SQLList* list = GetList())
        return list->GetSQLExec();
    return nullptr;
}

long MfcControlSQL::SQLExecute()
{
    if (!m_view)
        return 0;
    m_selectedRow = -1;
    if (m_reset) {
        if (SQLList* list = GetList())
            list->GetListCtrl().DeleteAllItems();
        else
            m_view->SetWindowText("");
    }
    return withView([](auto* view) { return view->SQLExecute(); }, 0);
}

long MfcControlSQL::SQLExecute(CString sql)
{
    if (sql.IsEmpty())
        return 0;
    withView(
        [&](auto* view) {
            view->SetSQL(sql);
            return view->SQLExecute();
        },
        0);
    return 0;
}

long MfcControlSQL::SetCoordOnExecute(int on)
{
    m_selectedRow = -1;
    if (SQLList* list = GetList())
        list->SetCoordOnExecute(on);
    return 0;
}

long MfcControlSQL::SetCoordEdit(int on)
{
    m_selectedRow = -1;
    if (SQLList* list = GetList())
        list->SetCoordEdit(on);
    return 0;
}

long MfcControlSQL::SetCoordinateWindow(HWND window, long kind)
{
    if (SQLList* list = GetList()) {
        list->SetCoordinateWindow(window, kind);
        deselectRow();
    }
    return 0;
}

long MfcControlSQL::Coord() { return 0; }
long MfcControlSQL::CoordCoord() { return 0; }

void MfcControlSQL::deselectRow()
{
    SQLList* list = GetList();
    if (list && m_selectedRow >= 0)
        list->GetListCtrl().SetItemState(static_cast<int>(m_selectedRow), 0, LVIS_SELECTED);
    m_selectedRow = -1;
}

void MfcControlSQL::hideToParent()
{
    ShowWindow(SW_HIDE);
    if (m_parent && m_parent->m_hWnd)
        m_parent->SetFocus();
}

// "OK" picks the list's current row; with a cell being edited it only ends the edit, taking its
// text, and the frame stays open.
void MfcControlSQL::OnOK()
{
    m_closingState = 6;
    if (SQLList* list = GetList()) {
        m_selectedRow = list->GetCurrentRow();
        if (list->GetCellEditor()) {
            m_closingState = 7;
            list->SubItemEditEnd();
        }
    }
    if (m_closingState == 6)
        hideToParent();
}

// "Done" picks nothing; with a cell being edited it only drops the edit and the frame stays open.
void MfcControlSQL::OnCancel()
{
    m_closingState = 2;
    if (SQLList* list = GetList()) {
        if (list->GetCellEditor()) {
            m_closingState = 6;
            list->SubItemEdit(0);
        }
        deselectRow();
    }
    if (m_closingState == 2)
        hideToParent();
}
