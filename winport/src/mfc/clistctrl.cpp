#include "clistctrl.h"

#include <vector>

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_LISTVIEWA, nullptr, style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, const LVCOLUMN* description)
{
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(description)));
}

int CListCtrl::InsertColumn(int column, LPCSTR heading, int format, int width, int subItem)
{
    LVCOLUMN description {};
    description.mask = LVCF_TEXT | LVCF_FMT;
    description.fmt = format;
    description.pszText = const_cast<LPSTR>(heading);
    if (width != -1) {
        description.mask |= LVCF_WIDTH;
        description.cx = width;
    }
    if (subItem != -1) {
        description.mask |= LVCF_SUBITEM;
        description.iSubItem = subItem;
    }
    return InsertColumn(column, &description);
}

BOOL CListCtrl::DeleteColumn(int column)
{
    return static_cast<BOOL>(SendMessage(LVM_DELETECOLUMN, column));
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMN* description) const
{
    return static_cast<BOOL>(
        SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(description)));
}

BOOL CListCtrl::SetColumn(int column, const LVCOLUMN* description)
{
    return static_cast<BOOL>(
        SendMessage(LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(description)));
}

int CListCtrl::GetColumnWidth(int column) const
{
    return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column));
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)));
}

int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

int CListCtrl::InsertItem(const LVITEM* item)
{
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

int CListCtrl::InsertItem(int item, LPCSTR text, int image)
{
    LVITEM description {};
    description.mask = LVIF_TEXT | LVIF_IMAGE;
    description.iItem = item;
    description.pszText = const_cast<LPSTR>(text);
    description.iImage = image;
    return InsertItem(&description);
}

int CListCtrl::InsertItem(int item, LPCSTR text)
{
    LVITEM description {};
    description.mask = LVIF_TEXT;
    description.iItem = item;
    description.pszText = const_cast<LPSTR>(text);
    return InsertItem(&description);
}

BOOL CListCtrl::SetItem(const LVITEM* item)
{
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CListCtrl::GetItem(LVITEM* item) const
{
    return static_cast<BOOL>(SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCSTR text)
{
    LVITEM description {};
    description.iSubItem = subItem;
    description.pszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(
        SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&description)));
}

int CListCtrl::GetItemText(int item, int subItem, LPSTR buffer, int size) const
{
    LVITEM description {};
    description.iSubItem = subItem;
    description.pszText = buffer;
    description.cchTextMax = size;
    return static_cast<int>(
        SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&description)));
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    // The text can be as long as the item holds: grow the buffer until it fits.
    for (int size = 256;; size *= 4) {
        std::vector<char> buffer(static_cast<size_t>(size));
        int n = GetItemText(item, subItem, buffer.data(), size);
        if (n < size - 1)
            return CString(buffer.data(), n);
    }
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    LVITEM description {};
    description.mask = LVIF_PARAM;
    description.iItem = item;
    description.lParam = static_cast<LPARAM>(data);
    return SetItem(&description);
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEM description {};
    description.mask = LVIF_PARAM;
    description.iItem = item;
    return GetItem(&description) ? static_cast<DWORD_PTR>(description.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEM description {};
    description.state = state;
    description.stateMask = mask;
    return static_cast<BOOL>(SendMessage(
        LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&description)));
}

UINT CListCtrl::GetItemState(int item, UINT mask) const
{
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
}

BOOL CListCtrl::DeleteItem(int item)
{
    return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, item));
}

BOOL CListCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }

int CListCtrl::GetNextItem(int item, int flags) const
{
    return static_cast<int>(
        SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(item), MAKELPARAM(flags, 0)));
}

UINT CListCtrl::GetSelectedCount() const
{
    return static_cast<UINT>(SendMessage(LVM_GETSELECTEDCOUNT));
}

BOOL CListCtrl::EnsureVisible(int item, BOOL partialOK)
{
    return static_cast<BOOL>(SendMessage(LVM_ENSUREVISIBLE, item, partialOK));
}

int CListCtrl::GetTopIndex() const { return static_cast<int>(SendMessage(LVM_GETTOPINDEX)); }

int CListCtrl::GetCountPerPage() const
{
    return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE));
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const
{
    if (rect)
        rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(rect)));
}

int CListCtrl::HitTest(LVHITTESTINFO* info) const
{
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* info)
{
    return static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(info)));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR data)
{
    return static_cast<BOOL>(
        SendMessage(LVM_SORTITEMS, static_cast<WPARAM>(data), reinterpret_cast<LPARAM>(compare)));
}

int CListCtrl::GetStringWidth(LPCSTR text) const
{
    return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

DWORD CListCtrl::SetExtendedStyle(DWORD style)
{
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

CListCtrl::~CListCtrl() { m_previous.Detach(); }

CImageList* CListCtrl::SetImageList(CImageList* list, int kind)
{
    auto previous = reinterpret_cast<HIMAGELIST>(SendMessage(
        LVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(list ? list->GetSafeHandle() : nullptr)));
    m_previous.Detach();
    if (!previous)
        return nullptr;
    m_previous.Attach(previous);
    return &m_previous;
}

HIMAGELIST CListCtrl::GetImageList(int kind) const
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, kind, 0));
}
