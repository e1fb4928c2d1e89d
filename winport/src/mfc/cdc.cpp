// The CDC family: thin owners of device contexts.
#include "cdc.h"
#include "handlemember.h"
#include "cfont.h"
#include "cwnd.h"
#include "tempobject.h"

#include <cstring>
#include <memory>
#include <unordered_map>

namespace {
std::unordered_map<HDC, std::unique_ptr<winport::Temporary<CDC>>> g_tempDcs;
}

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
        temp = std::make_unique<winport::Temporary<CDC>>();
        temp->object.Attach(dc);
    }
    return &temp->object;
}

void CDC::DeleteTempMap(HDC dc) { g_tempDcs.erase(dc); }

BOOL CDC::Attach(HDC dc)
{
    if (!winport::attachHandle(m_hDC, dc))
        return FALSE;
    m_hAttribDC = dc;
    return TRUE;
}

HDC CDC::Detach()
{
    m_hAttribDC = nullptr;
    return winport::detachHandle(m_hDC);
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
