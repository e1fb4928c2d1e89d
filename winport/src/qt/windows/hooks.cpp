// The thread's mouse hooks (WH_MOUSE) and mouse tracking (WM_MOUSEHOVER / WM_MOUSELEAVE).
#include "input.h"
#include "msgqueue.h"
#include "window.h"

#include <QTimer>
#include <algorithm>
#include <map>
#include <memory>
#include <vector>

namespace winport {
namespace {
    struct MouseHook {
        HHOOK handle;
        HOOKPROC proc;
    };
    std::vector<MouseHook> g_hooks; // most recently installed first
    const size_t kNoHookRunning = static_cast<size_t>(-1);
    size_t g_runningHook = kNoHookRunning; // index of the hook procedure running now
    uintptr_t g_nextHook = 0x4000;

    struct Tracking {
        DWORD flags = 0;
        DWORD hoverTime = 0;
        std::unique_ptr<QTimer> hoverTimer;
        POINT lastPoint { 0, 0 };
        WPARAM lastKeys = 0;
    };
    std::map<HWND, Tracking> g_tracking;
    HWND g_mouseOver = nullptr;

    const DWORD kDefaultHoverMs = 400;

    void startHover(HWND hwnd, Tracking& t)
    {
        if (!t.hoverTimer) {
            t.hoverTimer = std::make_unique<QTimer>();
            t.hoverTimer->setSingleShot(true);
            QObject::connect(t.hoverTimer.get(), &QTimer::timeout, [hwnd] {
                auto it = g_tracking.find(hwnd);
                if (it == g_tracking.end() || !(it->second.flags & TME_HOVER))
                    return;
                it->second.flags &= ~TME_HOVER;
                PostMessage(hwnd, WM_MOUSEHOVER, it->second.lastKeys,
                    MAKELPARAM(it->second.lastPoint.x, it->second.lastPoint.y));
            });
        }
        t.hoverTimer->start(static_cast<int>(t.hoverTime));
    }

    void dropIfIdle(HWND hwnd)
    {
        auto it = g_tracking.find(hwnd);
        if (it != g_tracking.end() && !(it->second.flags & (TME_HOVER | TME_LEAVE)))
            g_tracking.erase(it);
    }
}

bool runMouseHooks(UINT message, POINT screenPoint, HWND hwnd, UINT hitTest)
{
    if (g_hooks.empty())
        return false;
    MOUSEHOOKSTRUCT info { screenPoint, hwnd, hitTest, 0 };
    // A new event starts the chain afresh, even when it arrives inside a hook procedure.
    const size_t outer = g_runningHook;
    g_runningHook = kNoHookRunning;
    const bool eaten
        = CallNextHookEx(nullptr, HC_ACTION, message, reinterpret_cast<LPARAM>(&info)) != 0;
    g_runningHook = outer;
    return eaten;
}

void mouseMovedOver(HWND hwnd, POINT clientPoint, WPARAM keys)
{
    g_mouseOver = hwnd;
    std::vector<HWND> left;
    for (auto& [tracked, t] : g_tracking) {
        if (tracked != hwnd && (t.flags & TME_LEAVE))
            left.push_back(tracked);
    }
    for (HWND h : left) {
        PostMessage(h, WM_MOUSELEAVE, 0, 0);
        g_tracking.erase(h);
    }
    auto it = g_tracking.find(hwnd);
    if (hwnd && it != g_tracking.end()) {
        it->second.lastPoint = clientPoint;
        it->second.lastKeys = keys;
        if (it->second.flags & TME_HOVER)
            startHover(hwnd, it->second);
    }
}
}

using namespace winport;

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE, DWORD)
{
    if (idHook != WH_MOUSE || !proc)
        return nullptr;
    HHOOK handle = reinterpret_cast<HHOOK>(g_nextHook);
    g_nextHook += 4;
    g_hooks.insert(g_hooks.begin(), MouseHook { handle, proc });
    return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook)
{
    auto it = std::find_if(
        g_hooks.begin(), g_hooks.end(), [hook](const MouseHook& h) { return h.handle == hook; });
    if (it == g_hooks.end())
        return FALSE;
    g_hooks.erase(it);
    return TRUE;
}

// As in Win32 the hook argument does not choose the next hook (several hooks may share one
// procedure and one remembered handle): inside a hook procedure the chain goes on after the hook
// that is running; outside of one it starts at the first hook.
LRESULT CallNextHookEx(HHOOK, int code, WPARAM wParam, LPARAM lParam)
{
    const size_t next = g_runningHook == kNoHookRunning ? 0 : g_runningHook + 1;
    if (next >= g_hooks.size())
        return 0;
    const size_t outer = g_runningHook;
    g_runningHook = next;
    const LRESULT result = g_hooks[next].proc(code, wParam, lParam);
    g_runningHook = outer;
    return result;
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT track)
{
    // Callers fill cbSize with the 32-bit size (16) or this build's size.
    if (!track || track->cbSize < 16)
        return FALSE;
    HWND hwnd = track->hwndTrack;
    if (track->dwFlags & TME_QUERY) {
        auto it = g_tracking.find(hwnd);
        track->dwFlags = it == g_tracking.end() ? 0 : it->second.flags;
        track->dwHoverTime = it == g_tracking.end() ? 0 : it->second.hoverTime;
        return TRUE;
    }
    if (!IsWindow(hwnd))
        return FALSE;
    DWORD kinds = track->dwFlags & (TME_HOVER | TME_LEAVE);
    if (track->dwFlags & TME_CANCEL) {
        auto it = g_tracking.find(hwnd);
        if (it != g_tracking.end()) {
            it->second.flags &= ~kinds;
            dropIfIdle(hwnd);
        }
        return TRUE;
    }
    if ((kinds & TME_LEAVE) && g_mouseOver != hwnd) {
        PostMessage(hwnd, WM_MOUSELEAVE, 0, 0); // the mouse is not over the window now
        kinds &= ~TME_LEAVE;
    }
    if (!kinds)
        return TRUE;
    Tracking& t = g_tracking[hwnd];
    t.flags |= kinds;
    t.hoverTime = track->dwHoverTime == HOVER_DEFAULT ? kDefaultHoverMs : track->dwHoverTime;
    if ((kinds & TME_HOVER) && g_mouseOver == hwnd)
        startHover(hwnd, t);
    return TRUE;
}
