// CComboBox: the combo box by its messages.
#pragma once

#include "afxstr.h"
#include "cwnd.h"

class WINPORT_API CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, LPSTR buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int FindString(int start, LPCSTR text) const;
    int FindStringExact(int start, LPCSTR text) const;
    int SelectString(int start, LPCSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    BOOL LimitText(int maxChars);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
};
