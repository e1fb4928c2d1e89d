#include "views/viewfont.h"

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
