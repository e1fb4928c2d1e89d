#include "views/printlines.h"

#include <algorithm>

#include <strings.h>

CFont* printerFontFrom(CFont* screenFont, CDC* dc, LONG weight, BOOL underline)
{
    LOGFONTA font {};
    LOGFONTA system {};
    if (!screenFont || !dc || !screenFont->GetSafeHandle() || !screenFont->GetLogFont(&font))
        return nullptr;
    ::GetObjectA(::GetStockObject(SYSTEM_FONT), sizeof system, &system);
    if (strcasecmp(font.lfFaceName, system.lfFaceName) == 0)
        return nullptr;
    HDC screen = ::GetDC(nullptr);
    font.lfHeight = ::MulDiv(
        font.lfHeight, dc->GetDeviceCaps(LOGPIXELSY), ::GetDeviceCaps(screen, LOGPIXELSY));
    font.lfWidth = ::MulDiv(
        font.lfWidth, dc->GetDeviceCaps(LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSX));
    ::ReleaseDC(nullptr, screen);
    if (weight != FW_DONTCARE)
        font.lfWeight = weight;
    if (underline)
        font.lfUnderline = TRUE;
    auto* made = new CFont;
    if (!made->CreateFontIndirect(&font)) {
        delete made;
        return nullptr;
    }
    return made;
}

long lineHeightOf(CDC* dc, int points, const char* face)
{
    CFont font;
    font.CreateFont(-(dc->GetDeviceCaps(LOGPIXELSY) * points / 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
        ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
        FIXED_PITCH | FF_MODERN, face);
    CFont* previous = dc->SelectObject(&font);
    TEXTMETRICA metrics {};
    dc->GetTextMetrics(&metrics);
    if (previous)
        dc->SelectObject(previous);
    return std::max(1L, static_cast<long>(metrics.tmHeight + metrics.tmExternalLeading));
}

std::vector<CString> titleLines(const CString& titles)
{
    std::vector<CString> lines;
    CString line;
    for (int i = 0; i < titles.GetLength(); ++i) {
        char c = titles[i];
        if (c == '\n') {
            if (!line.IsEmpty())
                lines.push_back(line);
            line.Empty();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.IsEmpty())
        lines.push_back(line);
    return lines;
}

long drawTextLines(CDC* dc, int x, long* y, long step, const CString& text)
{
    long drawn = 0;
    for (const CString& line : titleLines(text)) {
        dc->TextOut(x, static_cast<int>(*y), line);
        *y += step;
        drawn += line.GetLength();
    }
    return drawn;
}

CString pageNumberText(UINT page)
{
    CString line;
    line.Format("Page %u", page);
    return line;
}
