// CGdiObject, CFont and the CDC family: thin owners of the GDI handles.
#include "cdc.h"
#include "cfont.h"
#include "cwnd.h"

#include <cstring>
#include <memory>
#include <unordered_map>

namespace {
// Temporary wrappers handed out by FromHandle: they never own (or delete) their handle.
template <class T> struct Temporary {
    T object;
    ~Temporary() { object.Detach(); }
};
std::unordered_map<HFONT, std::unique_ptr<Temporary<CFont>>> g_tempFonts;
std::unordered_map<HDC, std::unique_ptr<Temporary<CDC>>> g_tempDcs;
}

CGdiObject::~CGdiObject() { DeleteObject(); }

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const void* self = this;
    return self ? m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object || m_hObject)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

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
        temp = std::make_unique<Temporary<CFont>>();
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

CDC::~CDC()
{
    if (m_hDC)
        ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
    const void* self = this;
    return self ? m_hDC : nullptr;
}

CDC* CDC::FromHandle(HDC dc)
{
    if (!dc)
        return nullptr;
    auto& temp = g_tempDcs[dc];
    if (!temp) {
        temp = std::make_unique<Temporary<CDC>>();
        temp->object.Attach(dc);
    }
    return &temp->object;
}

void CDC::DeleteTempMap(HDC dc) { g_tempDcs.erase(dc); }

BOOL CDC::Attach(HDC dc)
{
    if (!dc || m_hDC)
        return FALSE;
    m_hDC = m_hAttribDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC dc = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    return dc;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

CFont* CDC::SelectObject(CFont* font)
{
    if (!font)
        return nullptr;
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, font->m_hObject)));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

CFont* CDC::GetCurrentFont() const
{
    HGDIOBJ current = ::SelectObject(m_hDC, ::GetStockObject(SYSTEM_FONT));
    ::SelectObject(m_hDC, current);
    return CFont::FromHandle(static_cast<HFONT>(current));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRICA metrics) const { return ::GetTextMetrics(m_hDC, metrics); }

CSize CDC::GetTextExtent(LPCSTR text, int length) const
{
    SIZE size { 0, 0 };
    ::GetTextExtentPoint32(m_hDC, text, length, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& text) const
{
    return GetTextExtent(text.GetString(), text.GetLength());
}

BOOL CDC::TextOut(int x, int y, LPCSTR text, int length)
{
    return ::TextOut(m_hDC, x, y, text, length);
}

BOOL CDC::TextOut(int x, int y, const CString& text)
{
    return ::TextOut(m_hDC, x, y, text.GetString(), text.GetLength());
}

int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

CClientDC::CClientDC(CWnd* wnd)
    : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hDC)
        ::ReleaseDC(m_hWnd, Detach());
}

CPaintDC::CPaintDC(CWnd* wnd)
    : m_hWnd(wnd ? wnd->m_hWnd : nullptr)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC) {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}
