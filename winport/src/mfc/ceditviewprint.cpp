// CEditView's printing: the text is taken when the job begins and printed line by line inside
// each page's drawing rectangle; the table of page starts grows as pages are printed, so a page
// costs the lines on it.
#include "afxview.h"
#include "cdc.h"
#include "cfont.h"
#include "ceditview.h"

#include <cstring>
#include <strings.h>

namespace {
// A printed line: tabs expanded to the next multiple of eight columns.
std::string expandTabs(const char* text, size_t length)
{
    std::string line;
    line.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == '\t')
            line.append(8 - line.size() % 8, ' ');
        else
            line.push_back(text[i]);
    }
    return line;
}
}

void CEditView::SetPrinterFont(CFont* font)
{
    m_hPrinterFont = font ? static_cast<HFONT>(font->GetSafeHandle()) : nullptr;
}

CFont* CEditView::GetPrinterFont() const { return CFont::FromHandle(m_hPrinterFont); }

void CEditView::OnBeginPrinting(CDC* dc, CPrintInfo* info)
{
    CCtrlView::OnBeginPrinting(dc, info);
    m_aPageStart.assign(1, 0);
    int length = m_hWnd ? ::GetWindowTextLength(m_hWnd) : 0;
    m_printText.assign(static_cast<size_t>(length) + 1, '\0');
    if (length > 0)
        length = ::GetWindowTextA(m_hWnd, &m_printText[0], length + 1);
    m_printText.resize(static_cast<size_t>(std::max(0, length)));
    if (m_hPrinterFont || !dc || !m_hWnd)
        return;
    // Without a printer font the screen font is printed at the same size in points.
    HFONT screen = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    LOGFONTA font {};
    LOGFONTA system {};
    if (!screen || !::GetObjectA(screen, sizeof font, &font))
        return;
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof system, &system);
    if (strcasecmp(font.lfFaceName, system.lfFaceName) == 0)
        return;
    HDC screenDc = ::GetDC(nullptr);
    font.lfHeight = ::MulDiv(
        font.lfHeight, dc->GetDeviceCaps(LOGPIXELSY), ::GetDeviceCaps(screenDc, LOGPIXELSY));
    font.lfWidth = ::MulDiv(
        font.lfWidth, dc->GetDeviceCaps(LOGPIXELSX), ::GetDeviceCaps(screenDc, LOGPIXELSX));
    ::ReleaseDC(nullptr, screenDc);
    m_hMirrorFont = ::CreateFontIndirectA(&font);
    m_hPrinterFont = m_hMirrorFont;
}

void CEditView::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    CCtrlView::OnPrepareDC(dc, info);
    if (!info)
        return;
    size_t page = info->m_nCurPage;
    info->m_bContinuePrinting = page >= 1 && page <= m_aPageStart.size()
        && (m_aPageStart[page - 1] < m_printText.size() || page == 1);
}

void CEditView::OnPrint(CDC* dc, CPrintInfo* info)
{
    size_t page = info->m_nCurPage;
    if (page < 1 || page > m_aPageStart.size())
        return;
    HFONT font = m_hPrinterFont ? m_hPrinterFont
                                : reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? ::SelectObject(dc->GetSafeHdc(), font) : nullptr;
    RECT layout = info->m_rectDraw;
    UINT next = PrintInsideRect(
        dc, layout, m_aPageStart[page - 1], static_cast<UINT>(m_printText.size()));
    if (page == m_aPageStart.size() && next < m_printText.size()) {
        m_aPageStart.push_back(next);
        // Text is left after the last page the view counted on: print it on one page more.
        if (info->GetMaxPage() != 0xFFFF && page >= info->GetMaxPage())
            info->SetMaxPage(static_cast<UINT>(page + 1));
    }
    if (previous)
        ::SelectObject(dc->GetSafeHdc(), previous);
}

void CEditView::OnEndPrinting(CDC* dc, CPrintInfo* info)
{
    if (m_hMirrorFont) {
        if (m_hPrinterFont == m_hMirrorFont)
            m_hPrinterFont = nullptr;
        ::DeleteObject(m_hMirrorFont);
        m_hMirrorFont = nullptr;
    }
    m_printText.clear();
    m_printText.shrink_to_fit();
    CCtrlView::OnEndPrinting(dc, info);
}

UINT CEditView::PrintInsideRect(CDC* dc, RECT& layout, UINT start, UINT stop)
{
    // Outside a print job the text is read now.
    std::string own;
    const std::string* text = &m_printText;
    if (m_printText.empty() && m_hWnd) {
        int length = ::GetWindowTextLength(m_hWnd);
        own.assign(static_cast<size_t>(length) + 1, '\0');
        own.resize(static_cast<size_t>(std::max(0, ::GetWindowTextA(m_hWnd, &own[0], length + 1))));
        text = &own;
    }
    stop = std::min<UINT>(stop, static_cast<UINT>(text->size()));
    TEXTMETRICA metrics {};
    dc->GetTextMetrics(&metrics);
    int lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
    int y = layout.top;
    UINT index = start;
    while (index < stop && y + lineHeight <= layout.bottom) {
        const char* line = text->data() + index;
        const void* found = std::memchr(line, '\n', stop - index);
        size_t length
            = found ? static_cast<size_t>(static_cast<const char*>(found) - line) : stop - index;
        UINT after = index + static_cast<UINT>(length) + (found ? 1 : 0);
        if (length > 0 && line[length - 1] == '\r')
            --length;
        std::string shown = expandTabs(line, length);
        dc->TextOut(layout.left, y, shown.c_str(), static_cast<int>(shown.size()));
        y += lineHeight;
        index = after;
    }
    layout.bottom = y;
    return index;
}
