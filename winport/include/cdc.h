// CDC and its window forms: text metrics, extents and output on a device context.
#pragma once

#include "afxstr.h"
#include "atltypes.h"
#include "winport/export.h"
#include "wingdi.h"
#include "winuser.h"

class CFont;
class CGdiObject;
class CWnd;

class WINPORT_API CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const;
    // A temporary wrapper of the handle (not owning it); DeleteTempMap drops it.
    static CDC* FromHandle(HDC dc);
    static void DeleteTempMap(HDC dc);
    BOOL Attach(HDC dc);
    HDC Detach();
    BOOL DeleteDC();
    BOOL CreateCompatibleDC(CDC* dc);

    CFont* SelectObject(CFont* font);
    HGDIOBJ SelectObject(HGDIOBJ object);
    CFont* GetCurrentFont() const;
    BOOL GetTextMetrics(LPTEXTMETRICA metrics) const;
    CSize GetTextExtent(LPCSTR text, int length) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL TextOut(int x, int y, LPCSTR text, int length);
    BOOL TextOut(int x, int y, const CString& text);
    int GetDeviceCaps(int index) const;
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);

    // Printer device contexts and print jobs.
    BOOL CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const void* initData);
    BOOL m_bPrinting = FALSE; // set by the framework while a view prints
    BOOL IsPrinting() const { return m_bPrinting; }
    int StartDoc(LPDOCINFOA info);
    int StartDoc(LPCSTR docName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();
    int SetAbortProc(ABORTPROC proc);
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint GetViewportOrg() const;
    // Logical and device units are the same (MM_TEXT).
    void DPtoLP(LPRECT) const { }
    void LPtoDP(LPRECT) const { }
};

class WINPORT_API CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class WINPORT_API CWindowDC : public CClientDC {
public:
    explicit CWindowDC(CWnd* wnd)
        : CClientDC(wnd)
    {
    }
};

// For WM_PAINT handlers: BeginPaint in the constructor, EndPaint in the destructor.
class WINPORT_API CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
