// CGdiObject and CFont: thin owners of GDI object handles.
#include "cfont.h"
#include "handlemember.h"
#include "cdc.h"
#include "tempobject.h"

#include <cstring>
#include <memory>
#include <unordered_map>

namespace {
std::unordered_map<HFONT, std::unique_ptr<winport::Temporary<CFont>>> g_tempFonts;
}

CGdiObject::~CGdiObject() { DeleteObject(); }

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const void* self = this;
    return self ? m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ object) { return winport::attachHandle(m_hObject, object); }

HGDIOBJ CGdiObject::Detach() { return winport::detachHandle(m_hObject); }

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    HGDIOBJ object = Detach();
    g_tempFonts.erase(static_cast<HFONT>(object));
    return ::DeleteObject(object);
}

int CGdiObject::GetObject(int size, LPVOID buffer) const
{
    return m_hObject ? ::GetObject(m_hObject, size, buffer) : 0;
}

CFont* CFont::FromHandle(HFONT font)
{
    if (!font)
        return nullptr;
    auto& temp = g_tempFonts[font];
    if (!temp) {
        temp = std::make_unique<winport::Temporary<CFont>>();
        temp->object.m_hObject = font;
    }
    return &temp->object;
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont)
{
    return Attach(::CreateFontIndirect(logFont));
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight,
    BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
    BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, LPCSTR faceName)
{
    return Attach(::CreateFont(height, width, escapement, orientation, weight, italic, underline,
        strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName, CDC* dc)
{
    LOGFONTA lf {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = pointSize;
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreatePointFontIndirect(&lf, dc);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* logFont, CDC* dc)
{
    if (!logFont)
        return FALSE;
    LOGFONTA lf = *logFont;
    HDC handle = dc ? dc->m_hDC : nullptr;
    int dpi = handle ? ::GetDeviceCaps(handle, LOGPIXELSY) : 96;
    if (dpi <= 0)
        dpi = 96;
    int height = ::MulDiv(dpi, static_cast<int>(lf.lfHeight), 720);
    lf.lfHeight = -(height < 0 ? -height : height);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONTA* logFont) const { return GetObject(sizeof(LOGFONTA), logFont); }
