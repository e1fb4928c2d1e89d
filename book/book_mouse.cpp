// Mouse tracking: a thread mouse hook, installed while a book is shown, that remembers where the
// mouse is and turns right-button presses into MouseRButtonDown on the current page.
#include "book/book.h"

#include "app/tessilo.h"

namespace {

// Only one book at a time owns the hook; a later shown book takes over.
book* hookOwner = nullptr;
HHOOK hookHandle = nullptr;

} // namespace

LRESULT CALLBACK book::mouseHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && hookOwner && lParam) {
        const MOUSEHOOKSTRUCT* event = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        CPoint where(event->pt.x, event->pt.y);
        hookOwner->m_bookMousePos = where;
        if (wParam == WM_RBUTTONDOWN || wParam == WM_NCRBUTTONDOWN)
            hookOwner->MouseRButtonDown(event->wHitTestCode, where);
    }
    return ::CallNextHookEx(hookHandle, code, wParam, lParam);
}

void book::installMouseHook()
{
    if (m_bookHook)
        return;
    m_bookHook = ::SetWindowsHookExA(
        WH_MOUSE, mouseHookProc, CTessiloApp::GetLibraryModule(), ::GetCurrentThreadId());
    hookHandle = m_bookHook;
    hookOwner = this;
    m_bookTracking = TRUE;
    m_bookTrack.cbSize = sizeof(TRACKMOUSEEVENT);
    m_bookTrack.dwFlags = TME_HOVER | TME_LEAVE;
    m_bookTrack.hwndTrack = GetSafeHwnd();
    m_bookTrack.dwHoverTime = 100;
    if (m_bookTrack.hwndTrack)
        ::TrackMouseEvent(&m_bookTrack);
}

void book::removeMouseHook()
{
    if (m_bookHook)
        ::UnhookWindowsHookEx(m_bookHook);
    m_bookHook = nullptr;
    m_bookTracking = FALSE;
    hookOwner = nullptr;
    hookHandle = nullptr;
}

void book::bookMouseTrackingSet(HWND window) { m_bookTrackedWindow = window; }

void book::bookMouseGetPos(POINT* point)
{
    if (point) {
        point->x = m_bookMousePos.x;
        point->y = m_bookMousePos.y;
    }
}

long book::bookMouseHoverMsg(MSG*) { return 0; }

long book::bookMouseLeaveMsg(MSG*) { return 0; }
