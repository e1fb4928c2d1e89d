// bookRichEdit's fonts from the font dialog, the supply operations and the settings kept for its
// owner, and the table of named columns.
#include "views/bookrichedit.h"
#include "views/viewfont.h"

#include <afxdlgs.h>
#include <cstdlib>
#include <cstring>

long bookRichEdit::bookEditSetFont(CFontDialog* dialog)
{
    if (!dialog)
        return E_UNEXPECTED;
    LOGFONTA logFont {};
    dialog->GetCurrentFont(&logFont);
    CHARFORMAT format {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_FACE | CFM_CHARSET | CFM_COLOR | CFM_SIZE | CFM_BOLD | CFM_ITALIC
        | CFM_STRIKEOUT | CFM_UNDERLINE;
    std::memcpy(format.szFaceName, logFont.lfFaceName, sizeof format.szFaceName - 1);
    format.szFaceName[sizeof format.szFaceName - 1] = '\0';
    format.bCharSet = logFont.lfCharSet;
    format.bPitchAndFamily = logFont.lfPitchAndFamily;
    format.crTextColor = dialog->GetColor();
    format.yHeight = (dialog->GetSize() / 10) * 20;
    format.dwEffects = (dialog->IsBold() ? CFE_BOLD : 0) | (dialog->IsItalic() ? CFE_ITALIC : 0)
        | (dialog->IsStrikeOut() ? CFE_STRIKEOUT : 0) | (dialog->IsUnderline() ? CFE_UNDERLINE : 0);
    if (!m_hWnd)
        return E_UNEXPECTED;
    CRichEditCtrl& edit = GetRichEditCtrl();
    long start = 0;
    long end = 0;
    edit.GetSel(start, end);
    m_guard = 1;
    if (start == end) {
        // Nothing selected: the whole text and the view's own font change.
        long rc = viewFontFromDialog(&m_font, dialog);
        if (rc != 0) {
            m_guard = 0;
            return rc;
        }
        m_fontPoints = dialog->GetSize() / 10;
        edit.SetSel(0, -1);
        edit.SetDefaultCharFormat(format);
    }
    edit.SetSelectionCharFormat(format);
    m_guard = 0;
    if (m_parent) {
        CClientDC dc(this);
        CFont* previous = m_font ? dc.SelectObject(m_font) : nullptr;
        TEXTMETRICA metrics {};
        if (dc.GetTextMetrics(&metrics))
            m_screenLineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        if (previous)
            dc.SelectObject(previous);
    }
    return 0;
}

long bookRichEdit::bookEditSupplyHeaderLine(CString* line, CPrintInfo* info)
{
    if (line && info)
        line->Format("Header %u", info->m_nCurPage);
    return 0;
}

long bookRichEdit::bookEditSupplyFooterLine(CString* line, CPrintInfo* info)
{
    if (line && info)
        line->Format("Footer %u", info->m_nCurPage);
    return 0;
}

long bookRichEdit::ColsInsert(long id, const char* name) { return ColsAlloc(id, name); }

long bookRichEdit::ColsAllocInit(_bookRichEditColumn* records, long count)
{
    for (long i = 0; records && i < count; ++i) {
        records[i].id = -1;
        records[i].values[0] = records[i].values[1] = -1;
        records[i].name[0] = '\0';
    }
    return 0;
}

long bookRichEdit::ColsAlloc(long id, const char* name)
{
    auto* grown = static_cast<_bookRichEditColumn*>(
        std::malloc(sizeof(_bookRichEditColumn) * static_cast<size_t>(m_columnCount + 1)));
    if (!grown)
        return -1;
    ColsAllocInit(grown, m_columnCount + 1);
    if (m_columns)
        std::memcpy(
            grown, m_columns, sizeof(_bookRichEditColumn) * static_cast<size_t>(m_columnCount));
    _bookRichEditColumn& record = grown[m_columnCount];
    record.id = static_cast<int32_t>(id);
    if (name) {
        std::strncpy(record.name, name, sizeof record.name - 1);
        record.name[sizeof record.name - 1] = '\0';
    }
    std::free(m_columns);
    m_columns = grown;
    return m_columnCount++;
}

_bookRichEditColumn* bookRichEdit::ColsSupplyStruct(long id)
{
    for (long i = 0; i < m_columnCount; ++i)
        if (m_columns[i].id == id)
            return &m_columns[i];
    return nullptr;
}

long bookRichEdit::ColsDelete(long) { return -1; }

long bookRichEdit::ColsFree()
{
    std::free(m_columns);
    m_columns = nullptr;
    m_columnCount = 0;
    return 0;
}
