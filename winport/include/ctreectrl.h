// CTreeCtrl: the tree view control's messages as member functions.
#pragma once

#include "afxstr.h"
#include "cimagelist.h"
#include "commctrl.h"
#include "cwnd.h"

class WINPORT_API CTreeCtrl : public CWnd {
public:
    CTreeCtrl() = default;
    ~CTreeCtrl() override;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    HTREEITEM InsertItem(LPTVINSERTSTRUCT insert);
    HTREEITEM InsertItem(UINT mask, LPCSTR text, int image, int selectedImage, UINT state,
        UINT stateMask, LPARAM param, HTREEITEM parent, HTREEITEM after);
    HTREEITEM InsertItem(LPCSTR text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    HTREEITEM InsertItem(LPCSTR text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
        HTREEITEM after = TVI_LAST);
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    BOOL Expand(HTREEITEM item, UINT code);
    UINT GetCount() const;

    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM item) const;
    HTREEITEM GetFirstVisibleItem() const;
    BOOL ItemHasChildren(HTREEITEM item) const;
    BOOL SelectItem(HTREEITEM item);
    BOOL Select(HTREEITEM item, UINT code);

    BOOL GetItem(TVITEM* item) const;
    BOOL SetItem(TVITEM* item);
    CString GetItemText(HTREEITEM item) const;
    BOOL SetItemText(HTREEITEM item, LPCSTR text);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    BOOL GetItemImage(HTREEITEM item, int& image, int& selectedImage) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage);
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    BOOL SetItemState(HTREEITEM item, UINT state, UINT mask);

    // The previous image list of that kind (a temporary object), or NULL.
    CImageList* SetImageList(CImageList* list, int kind);
    HIMAGELIST GetImageList(int kind) const;
    BOOL EnsureVisible(HTREEITEM item);
    BOOL GetItemRect(HTREEITEM item, LPRECT rect, BOOL textOnly) const;
    HTREEITEM HitTest(POINT point, UINT* flags = nullptr) const;
    HTREEITEM HitTest(TVHITTESTINFO* info) const;
    BOOL SortChildren(HTREEITEM item);
    UINT GetIndent() const;
    void SetIndent(UINT indent);

private:
    CImageList m_previous; // not owned: detached before it ends
};
