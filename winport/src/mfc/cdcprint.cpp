// CDC's printer members: thin calls of the print job functions.
#include "cdc.h"

BOOL CDC::CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData)
{
    return Attach(::CreateDC(driver, device, output, static_cast<const DEVMODEA*>(initData)));
}

int CDC::StartDoc(LPDOCINFOA info) { return ::StartDoc(m_hDC, info); }

int CDC::StartDoc(LPCSTR docName)
{
    DOCINFOA info {};
    info.cbSize = sizeof info;
    info.lpszDocName = docName;
    return ::StartDoc(m_hDC, &info);
}

int CDC::StartPage() { return ::StartPage(m_hDC); }
int CDC::EndPage() { return ::EndPage(m_hDC); }
int CDC::EndDoc() { return ::EndDoc(m_hDC); }
int CDC::AbortDoc() { return ::AbortDoc(m_hDC); }
int CDC::SetAbortProc(ABORTPROC proc) { return ::SetAbortProc(m_hDC, proc); }

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT previous {};
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return CPoint(previous);
}

CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }

CPoint CDC::OffsetViewportOrg(int dx, int dy)
{
    POINT previous {};
    ::OffsetViewportOrgEx(m_hDC, dx, dy, &previous);
    return CPoint(previous);
}

CPoint CDC::GetViewportOrg() const
{
    POINT origin {};
    ::GetViewportOrgEx(m_hDC, &origin);
    return CPoint(origin);
}
