// The standard controls' MFC classes: thin wrappers that send the controls their messages.
#pragma once

#include "cwnd.h"

class WINPORT_API CButton : public CWnd {
public:
    BOOL Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    void Click();
};

class WINPORT_API CStatic : public CWnd {
public:
    BOOL Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
};

class WINPORT_API CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void GetSel(int& start, int& end) const;
    DWORD GetSel() const;
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetSel(DWORD selection, BOOL noScroll = FALSE);
    void ReplaceSel(LPCSTR text, BOOL canUndo = FALSE);
    void LimitText(int maxChars = 0);
    void SetLimitText(UINT maxChars);
    UINT GetLimitText() const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    int GetLineCount() const;
    int LineIndex(int line = -1) const;
    int LineLength(int index = -1) const;
    int LineFromChar(int index = -1) const;
    int GetLine(int line, LPSTR buffer, int maxLength) const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    void Copy();
    void Cut();
    void Paste();
    void Clear();
};

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
