// The book's own font, fonts derived from a window's font, and the font command that lets the
// current page choose a font through the font dialog.
#include "book/book.h"

#include <cstring>

long book::bookCreateFont(CWnd*, int pointSize, char* faceName, int, LOGFONTA* out)
{
    delete m_bookFont;
    m_bookFont = nullptr;
    m_bookFontPointSize = -1;
    if (!faceName)
        return 0;
    CFont screenFont;
    LOGFONTA logFont {};
    if (!screenFont.CreatePointFont(pointSize * 10, faceName) || !screenFont.GetLogFont(&logFont))
        return 0;
    // Small point fonts are made one unit taller so that they stay legible.
    if (pointSize < 10)
        logFont.lfHeight -= 1;
    CFont* created = new CFont;
    if (!created->CreateFontIndirect(&logFont)) {
        delete created;
        return 0;
    }
    m_bookFont = created;
    m_bookFontPointSize = pointSize;
    if (out)
        *out = logFont;
    return 0;
}

HFONT book::bookAllocFont(HWND window, int size, char* faceName, int, LOGFONTA*)
{
    if (!window)
        return nullptr;
    HFONT current = reinterpret_cast<HFONT>(::SendMessage(window, WM_GETFONT, 0, 0));
    if (!current)
        return nullptr;
    LOGFONTA logFont {};
    if (!::GetObjectA(current, sizeof logFont, &logFont))
        return nullptr;
    if (faceName) {
        std::memset(logFont.lfFaceName, 0, sizeof logFont.lfFaceName);
        std::strncpy(logFont.lfFaceName, faceName, sizeof logFont.lfFaceName - 1);
    }
    logFont.lfCharSet = ANSI_CHARSET;
    logFont.lfHeight = size;
    logFont.lfWidth = size - 1;
    if (size < 10)
        logFont.lfHeight = -(size + 3);
    if (logFont.lfWidth < 10)
        logFont.lfWidth = -logFont.lfWidth;
    return ::CreateFontIndirectA(&logFont);
}

CFont* book::bookGetFont() { return m_bookFont; }

int book::bookGetFontPointSize() { return m_bookFontPointSize; }

long book::bookSetFont()
{
    LOGFONTA logFont {};
    CFont* font = nullptr;
    HDC printer = nullptr;
    CFontDialog dialog(nullptr, CF_EFFECTS | CF_SCREENFONTS, nullptr, nullptr);
    if (bookpage* page = currentPage()) {
        printer = page->bookpageGetFontCfd(&dialog, &font, &logFont);
        if (font && (dialog.m_cf.Flags & CF_INITTOLOGFONTSTRUCT))
            dialog.m_cf.lpLogFont = &logFont;
    }
    long result = 2;
    if (dialog.DoModal() == IDOK) {
        if (bookpage* page = currentPage()) {
            if (page->bookpageSetFont(&dialog) != 0) {
                CString face = dialog.GetFaceName();
                page->bookpageSetFont(dialog.GetSize() / 10, face.GetBuffer());
                face.ReleaseBuffer();
            }
        }
        result = 0;
    }
    if (printer)
        ::DeleteDC(printer);
    return result;
}
