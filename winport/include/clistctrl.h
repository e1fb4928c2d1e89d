// CListCtrl: the list view control's messages as member functions.
#pragma once

#include "cwnd.h"
#include "cimagelist.h"
#include "commctrl.h"

class WINPORT_API CListCtrl : public CWnd {
public:
    CListCtrl() = default;
    ~CListCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    int InsertColumn(int column, const LVCOLUMN* description);
    int InsertColumn(
        int column, LPCSTR heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    BOOL DeleteColumn(int column);
    BOOL GetColumn(int column, LVCOLUMN* description) const;
    BOOL SetColumn(int column, const LVCOLUMN* description);
    int GetColumnWidth(int column) const;
    BOOL SetColumnWidth(int column, int width);

    int GetItemCount() const;
    int InsertItem(const LVITEM* item);
    int InsertItem(int item, LPCSTR text);
    int InsertItem(int item, LPCSTR text, int image);
    BOOL SetItem(const LVITEM* item);
    BOOL GetItem(LVITEM* item) const;
    BOOL SetItemText(int item, int subItem, LPCSTR text);
    CString GetItemText(int item, int subItem) const;
    int GetItemText(int item, int subItem, LPSTR buffer, int size) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const;
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    int GetNextItem(int item, int flags) const;
    UINT GetSelectedCount() const;
    BOOL EnsureVisible(int item, BOOL partialOK);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    BOOL GetItemRect(int item, LPRECT rect, UINT code) const;
    int HitTest(LVHITTESTINFO* info) const;
    int SubItemHitTest(LVHITTESTINFO* info);
    BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR data);
    int GetStringWidth(LPCSTR text) const;
    DWORD SetExtendedStyle(DWORD style);
    DWORD GetExtendedStyle() const;
    // kind LVSIL_SMALL (the report view's images); the previous list as a temporary object, or
    // NULL. The control does not own the list.
    CImageList* SetImageList(CImageList* list, int kind);
    HIMAGELIST GetImageList(int kind) const;

private:
    CImageList m_previous; // not owned: detached before it ends
};
