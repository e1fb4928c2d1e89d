#include "ctabctrl.h"

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_TABCONTROL, nullptr, style, rect, parent, id);
}

LONG CTabCtrl::InsertItem(int item, LPCSTR text) { return InsertItem(TCIF_TEXT, item, text, 0, 0); }

LONG CTabCtrl::InsertItem(int item, TCITEMA* tabItem)
{
    return static_cast<LONG>(SendMessage(TCM_INSERTITEM, item, reinterpret_cast<LPARAM>(tabItem)));
}

LONG CTabCtrl::InsertItem(UINT mask, int item, LPCSTR text, int image, LPARAM param)
{
    TCITEMA tab {};
    tab.mask = mask;
    tab.pszText = const_cast<LPSTR>(text);
    tab.iImage = image;
    tab.lParam = param;
    return InsertItem(item, &tab);
}

BOOL CTabCtrl::DeleteItem(int item) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, item)); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }

BOOL CTabCtrl::GetItem(int item, TCITEMA* tabItem) const
{
    return static_cast<BOOL>(SendMessage(TCM_GETITEM, item, reinterpret_cast<LPARAM>(tabItem)));
}

BOOL CTabCtrl::SetItem(int item, TCITEMA* tabItem)
{
    return static_cast<BOOL>(SendMessage(TCM_SETITEM, item, reinterpret_cast<LPARAM>(tabItem)));
}

int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int item) { return static_cast<int>(SendMessage(TCM_SETCURSEL, item)); }
int CTabCtrl::GetCurFocus() const { return static_cast<int>(SendMessage(TCM_GETCURFOCUS)); }
void CTabCtrl::SetCurFocus(int item) { SendMessage(TCM_SETCURFOCUS, item); }

CSize CTabCtrl::SetItemSize(CSize size)
{
    LRESULT old = SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return CSize(LOWORD(old), HIWORD(old));
}

int CTabCtrl::SetMinTabWidth(int cx)
{
    return static_cast<int>(SendMessage(TCM_SETMINTABWIDTH, 0, cx));
}

BOOL CTabCtrl::HighlightItem(int item, BOOL highlight)
{
    return static_cast<BOOL>(SendMessage(TCM_HIGHLIGHTITEM, item, MAKELPARAM(highlight, 0)));
}

BOOL CTabCtrl::GetItemRect(int item, LPRECT rect) const
{
    return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)));
}

void CTabCtrl::AdjustRect(BOOL larger, LPRECT rect)
{
    SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(rect));
}

int CTabCtrl::HitTest(TCHITTESTINFO* info) const
{
    return static_cast<int>(SendMessage(TCM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

int CTabCtrl::GetRowCount() const { return static_cast<int>(SendMessage(TCM_GETROWCOUNT)); }
