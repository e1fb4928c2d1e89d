// CEdit: the edit control by its messages (selection, lines, limits, clipboard).
#pragma once

#include "cwnd.h"

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
