// CRichEditCtrl: the rich edit control's messages as member functions.
#pragma once

#include "cwnd.h"
#include "richedit.h"

class WINPORT_API CRichEditCtrl : public CWnd {
public:
    CRichEditCtrl() = default;

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    void SetSel(long start, long end);
    void SetSel(CHARRANGE& range);
    void GetSel(long& start, long& end) const;
    void GetSel(CHARRANGE& range) const;
    void ReplaceSel(LPCSTR text, BOOL canUndo = FALSE);
    CString GetSelText() const;
    int GetTextRange(int first, int last, CString& text) const;
    long GetTextLength() const;
    long GetTextLengthEx(DWORD flags, UINT codePage = 0) const;
    int GetLineCount() const;
    int LineIndex(int line = -1) const;
    long LineFromChar(long position) const;

    BOOL SetSelectionCharFormat(CHARFORMAT& format);
    BOOL SetWordCharFormat(CHARFORMAT& format);
    BOOL SetDefaultCharFormat(CHARFORMAT& format);
    DWORD GetSelectionCharFormat(CHARFORMAT& format) const;
    DWORD GetDefaultCharFormat(CHARFORMAT& format) const;
    BOOL SetParaFormat(PARAFORMAT& format);
    DWORD GetParaFormat(PARAFORMAT& format) const;

    DWORD SetEventMask(DWORD mask);
    DWORD GetEventMask() const;
    void LimitText(long limit = 0);
    long GetLimitText() const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // Combines `flags` (ECO_*) with the options by `operation` (ECOOP_SET, _OR, _AND, _XOR).
    void SetOptions(WORD operation, DWORD flags);
    UINT GetOptions() const;
    void HideSelection(BOOL hide, BOOL permanent);
    BOOL CanUndo() const;
    BOOL Undo();
    void EmptyUndoBuffer();
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);

    // Loads (replacing the text, or the selection with SFF_SELECTION) and saves through the
    // stream's callback, as plain text (SF_TEXT) or RTF (SF_RTF); the characters moved.
    long StreamIn(int format, EDITSTREAM& stream);
    long StreamOut(int format, EDITSTREAM& stream);
    // Lays out, and with display set draws, a range onto a device context (EM_FORMATRANGE); the
    // first character that did not fit. NULL ends the formatting.
    long FormatRange(FORMATRANGE* range, BOOL display = TRUE);
};
