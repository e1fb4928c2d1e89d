#include "cricheditctrl.h"

#include <vector>

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(RICHEDIT_CLASSA, nullptr, style, rect, parent, id);
}

void CRichEditCtrl::SetSel(long start, long end) { SendMessage(EM_SETSEL, start, end); }

void CRichEditCtrl::SetSel(CHARRANGE& range)
{
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void CRichEditCtrl::GetSel(long& start, long& end) const
{
    CHARRANGE range {};
    GetSel(range);
    start = range.cpMin;
    end = range.cpMax;
}

void CRichEditCtrl::GetSel(CHARRANGE& range) const
{
    SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void CRichEditCtrl::ReplaceSel(LPCSTR text, BOOL canUndo)
{
    SendMessage(EM_REPLACESEL, canUndo, reinterpret_cast<LPARAM>(text));
}

CString CRichEditCtrl::GetSelText() const
{
    CHARRANGE range {};
    GetSel(range);
    std::vector<char> buffer(static_cast<size_t>(range.cpMax - range.cpMin) + 1);
    SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(buffer.data()));
    return CString(buffer.data());
}

int CRichEditCtrl::GetTextRange(int first, int last, CString& text) const
{
    if (last < 0)
        last = static_cast<int>(GetTextLengthEx(GTL_DEFAULT));
    std::vector<char> buffer(static_cast<size_t>(last > first ? last - first : 0) + 1);
    TEXTRANGEA range { { first, last }, buffer.data() };
    int n = static_cast<int>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
    text = CString(buffer.data(), n);
    return n;
}

long CRichEditCtrl::GetTextLength() const
{
    return static_cast<long>(SendMessage(WM_GETTEXTLENGTH));
}

long CRichEditCtrl::GetTextLengthEx(DWORD flags, UINT codePage) const
{
    GETTEXTLENGTHEX how { flags, codePage };
    return static_cast<long>(SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how)));
}

int CRichEditCtrl::GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }

int CRichEditCtrl::LineIndex(int line) const
{
    return static_cast<int>(SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line)));
}

long CRichEditCtrl::LineFromChar(long position) const
{
    return static_cast<long>(SendMessage(EM_EXLINEFROMCHAR, 0, position));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& format)
{
    return static_cast<BOOL>(
        SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)));
}

BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT& format)
{
    return static_cast<BOOL>(
        SendMessage(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, reinterpret_cast<LPARAM>(&format)));
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& format)
{
    return static_cast<BOOL>(
        SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& format) const
{
    format.cbSize = sizeof format;
    return static_cast<DWORD>(
        SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format)));
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& format) const
{
    format.cbSize = sizeof format;
    return static_cast<DWORD>(
        SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format)));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& format)
{
    return static_cast<BOOL>(SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)));
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& format) const
{
    format.cbSize = sizeof format;
    return static_cast<DWORD>(SendMessage(EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format)));
}

DWORD CRichEditCtrl::SetEventMask(DWORD mask)
{
    return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, mask));
}

DWORD CRichEditCtrl::GetEventMask() const
{
    return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK));
}

void CRichEditCtrl::LimitText(long limit) { SendMessage(EM_EXLIMITTEXT, 0, limit); }

long CRichEditCtrl::GetLimitText() const { return static_cast<long>(SendMessage(EM_GETLIMITTEXT)); }

void CRichEditCtrl::SetOptions(WORD operation, DWORD flags)
{
    SendMessage(EM_SETOPTIONS, operation, static_cast<LPARAM>(flags));
}

UINT CRichEditCtrl::GetOptions() const { return static_cast<UINT>(SendMessage(EM_GETOPTIONS)); }

BOOL CRichEditCtrl::SetReadOnly(BOOL readOnly)
{
    return static_cast<BOOL>(SendMessage(EM_SETREADONLY, readOnly));
}

void CRichEditCtrl::HideSelection(BOOL hide, BOOL permanent)
{
    SendMessage(EM_HIDESELECTION, hide, permanent);
}

BOOL CRichEditCtrl::CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
BOOL CRichEditCtrl::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
void CRichEditCtrl::EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
BOOL CRichEditCtrl::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CRichEditCtrl::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, modified); }

long CRichEditCtrl::StreamIn(int format, EDITSTREAM& stream)
{
    return static_cast<long>(
        SendMessage(EM_STREAMIN, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
}

long CRichEditCtrl::StreamOut(int format, EDITSTREAM& stream)
{
    return static_cast<long>(
        SendMessage(EM_STREAMOUT, static_cast<WPARAM>(format), reinterpret_cast<LPARAM>(&stream)));
}

long CRichEditCtrl::FormatRange(FORMATRANGE* range, BOOL display)
{
    return static_cast<long>(
        SendMessage(EM_FORMATRANGE, static_cast<WPARAM>(display), reinterpret_cast<LPARAM>(range)));
}
