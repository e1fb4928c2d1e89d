// CTabCtrl: the tab control's messages as member functions.
#pragma once

#include "commctrl.h"
#include "cwnd.h"

class WINPORT_API CTabCtrl : public CWnd {
public:
    CTabCtrl() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    LONG InsertItem(int item, LPCSTR text);
    LONG InsertItem(int item, TCITEMA* tabItem);
    LONG InsertItem(UINT mask, int item, LPCSTR text, int image, LPARAM param);
    BOOL DeleteItem(int item);
    BOOL DeleteAllItems();
    BOOL GetItem(int item, TCITEMA* tabItem) const;
    BOOL SetItem(int item, TCITEMA* tabItem);
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int item);
    int GetCurFocus() const;
    void SetCurFocus(int item);
    CSize SetItemSize(CSize size);
    int SetMinTabWidth(int cx);
    BOOL HighlightItem(int item, BOOL highlight = TRUE);
    BOOL GetItemRect(int item, LPRECT rect) const;
    void AdjustRect(BOOL larger, LPRECT rect);
    int HitTest(TCHITTESTINFO* info) const;
    int GetRowCount() const;
};
