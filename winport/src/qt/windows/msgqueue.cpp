// PostMessage and the queue: messages wait in a per-thread list that the Qt event loop drains one
// message per wake-up, so Qt's own events interleave. PeekMessage and GetMessage look into the
// list directly; while they pump events, the drain is suspended.
#include "msgqueue.h"
#include "input.h"
#include "qtapp.h"
#include "base/syserror.h"
#include "window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <deque>
#include <map>
#include <mutex>

namespace winport {
namespace {
    const QEvent::Type WakeEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

    struct Queued {
        MSG msg;
        std::shared_ptr<NativeInput> native;
    };

    class Queue : public QObject {
    public:
        std::mutex mutex;
        std::deque<Queued> messages; // guarded by mutex
        bool wakePending = false; // guarded by mutex
        int peekDepth = 0; // owner thread only
        // Captured input messages handed out by PeekMessage/GetMessage, so that
        // DispatchMessage can still find their native events.
        std::deque<Queued> handedOut;

        void push(Queued entry)
        {
            std::lock_guard<std::mutex> lock(mutex);
            messages.push_back(std::move(entry));
            wakeLocked();
        }
        void wakeLocked()
        {
            if (!wakePending) {
                wakePending = true;
                QCoreApplication::postEvent(this, new QEvent(WakeEvent));
            }
        }
        bool event(QEvent* e) override
        {
            if (e->type() != WakeEvent)
                return QObject::event(e);
            {
                std::lock_guard<std::mutex> lock(mutex);
                wakePending = false;
            }
            if (peekDepth > 0)
                return true; // the peeking loop owns the queue and wakes us when it is done
            replayHeldInput();
            Queued next;
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (messages.empty())
                    return true;
                next = std::move(messages.front());
                messages.pop_front();
                if (!messages.empty())
                    wakeLocked();
            }
            if (next.msg.message == WM_QUIT) {
                QCoreApplication::exit(static_cast<int>(next.msg.wParam));
                return true;
            }
            if (preTranslate(&next.msg))
                return true;
            if (next.msg.message == WM_TIMER && next.msg.lParam)
                DispatchMessage(&next.msg);
            else
                dispatchWithNative(next.msg, next.native.get());
            return true;
        }
    };

    Queue& queue()
    {
        static Queue* q = [] {
            ensureApplication();
            return new Queue;
        }();
        return *q;
    }

    bool matches(const MSG& m, HWND hwnd, UINT lo, UINT hi)
    {
        if (hwnd && m.hwnd != hwnd)
            return false;
        return (lo == 0 && hi == 0) || (m.message >= lo && m.message <= hi);
    }

    // Finds (and optionally removes) the first matching message.
    bool take(MSG* out, HWND hwnd, UINT lo, UINT hi, bool remove)
    {
        Queue& q = queue();
        std::lock_guard<std::mutex> lock(q.mutex);
        for (auto it = q.messages.begin(); it != q.messages.end(); ++it) {
            if (!matches(it->msg, hwnd, lo, hi))
                continue;
            *out = it->msg;
            if (remove) {
                if (it->native) {
                    q.handedOut.push_back(*it);
                    if (q.handedOut.size() > 64)
                        q.handedOut.pop_front();
                }
                q.messages.erase(it);
            }
            return true;
        }
        return false;
    }

    // Pumps Qt events without draining the queue; input for hwnd is captured into the queue.
    void pumpForPeek(HWND hwnd, QEventLoop::ProcessEventsFlags flags)
    {
        Queue& q = queue();
        ++q.peekDepth;
        CaptureScope capture(hwnd);
        QCoreApplication::processEvents(flags);
        --q.peekDepth;
    }

    void wakeAfterPeek()
    {
        Queue& q = queue();
        if (q.peekDepth > 0)
            return;
        std::lock_guard<std::mutex> lock(q.mutex);
        if (!q.messages.empty() || hasHeldInput())
            q.wakeLocked();
    }

    struct TimerKey {
        HWND hwnd;
        UINT_PTR id;
        bool operator<(const TimerKey& o) const
        {
            return hwnd != o.hwnd ? hwnd < o.hwnd : id < o.id;
        }
    };
    std::map<TimerKey, QTimer*> g_timers;
    UINT_PTR g_nextTimerId = 0x7000;
}

void postInput(const MSG& msg, std::shared_ptr<NativeInput> native)
{
    queue().push(Queued { msg, std::move(native) });
}

LRESULT dispatchWithNative(const MSG& msg, NativeInput* native)
{
    if (!msg.hwnd || !IsWindow(msg.hwnd))
        return 0;
    InputScope scope(msg.hwnd, msg.message);
    LRESULT result = SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
    if (scope.reachedDefault() && native)
        deliverNative(*native);
    return result;
}

void forgetQueuedMessages(HWND hwnd)
{
    Queue& q = queue();
    std::lock_guard<std::mutex> lock(q.mutex);
    for (auto it = q.messages.begin(); it != q.messages.end();)
        it = it->msg.hwnd == hwnd ? q.messages.erase(it) : it + 1;
}

void cancelWindowTimers(HWND hwnd)
{
    for (auto it = g_timers.begin(); it != g_timers.end();) {
        if (it->first.hwnd == hwnd) {
            delete it->second;
            it = g_timers.erase(it);
        } else {
            ++it;
        }
    }
}

DWORD messageTime()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<DWORD>(clock.elapsed());
}

POINT cursorPoint()
{
    QPoint p = QCursor::pos();
    return POINT { p.x(), p.y() };
}

void pumpEvents(int milliseconds)
{
    ensureApplication();
    queue();
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents();
    } while (t.elapsed() < milliseconds);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
}

using namespace winport;

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !IsWindow(hwnd))
        return fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
    queue().push(
        Queued { MSG { hwnd, message, wParam, lParam, messageTime(), cursorPoint() }, {} });
    return TRUE;
}

void PostQuitMessage(int exitCode)
{
    queue().push(Queued {
        MSG { nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0, messageTime(), cursorPoint() },
        {} });
}

BOOL PeekMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT remove)
{
    if (!msg)
        return FALSE;
    pumpForPeek(hwnd, QEventLoop::AllEvents);
    bool found = take(msg, hwnd, filterMin, filterMax, (remove & PM_REMOVE) != 0);
    wakeAfterPeek();
    return found;
}

BOOL GetMessage(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    if (!msg)
        return -1;
    while (!take(msg, hwnd, filterMin, filterMax, true))
        pumpForPeek(hwnd, QEventLoop::WaitForMoreEvents);
    wakeAfterPeek();
    return msg->message != WM_QUIT;
}

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    // Characters of a captured key press were queued with it; nothing to add here.
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        reinterpret_cast<TIMERPROC>(msg->lParam)(
            msg->hwnd, WM_TIMER, static_cast<UINT_PTR>(msg->wParam), msg->time);
        return 0;
    }
    Queue& q = queue();
    for (auto it = q.handedOut.begin(); it != q.handedOut.end(); ++it) {
        const MSG& m = it->msg;
        if (m.hwnd == msg->hwnd && m.message == msg->message && m.wParam == msg->wParam
            && m.lParam == msg->lParam && m.time == msg->time) {
            std::shared_ptr<NativeInput> native = it->native;
            q.handedOut.erase(it);
            return dispatchWithNative(*msg, native.get());
        }
    }
    return dispatchWithNative(*msg, nullptr);
}

DWORD GetMessageTime() { return messageTime(); }

DWORD GetMessagePos()
{
    POINT p = cursorPoint();
    return static_cast<DWORD>(MAKELONG(p.x, p.y));
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    if (hwnd && !IsWindow(hwnd))
        return fail(ERROR_INVALID_WINDOW_HANDLE, UINT_PTR(0));
    ensureApplication();
    if (!hwnd)
        id = g_nextTimerId++;
    TimerKey key { hwnd, id };
    QTimer*& timer = g_timers[key];
    if (!timer)
        timer = new QTimer;
    timer->disconnect();
    timer->setInterval(static_cast<int>(elapseMs));
    QObject::connect(timer, &QTimer::timeout, [hwnd, id, proc] {
        // Like Windows, at most one WM_TIMER of a timer waits in the queue.
        Queue& q = queue();
        {
            std::lock_guard<std::mutex> lock(q.mutex);
            for (const Queued& e : q.messages) {
                if (e.msg.message == WM_TIMER && e.msg.hwnd == hwnd && e.msg.wParam == id)
                    return;
            }
        }
        PostMessage(hwnd, WM_TIMER, id, reinterpret_cast<LPARAM>(proc));
    });
    timer->start();
    return id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    auto it = g_timers.find(TimerKey { hwnd, id });
    if (it == g_timers.end())
        return FALSE;
    delete it->second;
    g_timers.erase(it);
    return TRUE;
}
