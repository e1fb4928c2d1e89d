// CListBox: the list box by its messages.
#pragma once

#include "afxstr.h"
#include "cwnd.h"

class WINPORT_API CListBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetText(int index, LPSTR buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    int FindString(int start, LPCSTR text) const;
    int FindStringExact(int start, LPCSTR text) const;
    int SelectString(int start, LPCSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int max, LPINT items) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
};
