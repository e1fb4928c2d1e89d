#include "views/viewfont.h"

#include <afxdlgs.h>

long viewFontReplace(CFont** font, int points, const char* face)
{
    delete *font;
    *font = nullptr;
    if (!face)
        return 0;
    *font = new CFont;
    if (!(*font)->CreatePointFont(points * 10, face)) {
        delete *font;
        *font = nullptr;
        return E_FAIL;
    }
    return 0;
}

long viewFontFromDialog(CFont** font, CFontDialog* dialog)
{
    LOGFONTA logFont {};
    dialog->GetCurrentFont(&logFont);
    delete *font;
    *font = new CFont;
    if (!(*font)->CreateFontIndirect(&logFont)) {
        delete *font;
        *font = nullptr;
        return E_FAIL;
    }
    return 0;
}
