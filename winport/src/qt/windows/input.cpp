// The application-wide event filter: mouse and key events on our windows become their Win32
// messages (after the mouse hooks and the pre-translation of the message loop). The Qt widget acts
// on the event only when the message reaches the default procedure, as a Windows control does.
#include "input.h"
#include "msgqueue.h"
#include "window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <memory>
#include <vector>

namespace winport {
namespace {
    InputScope* g_scope = nullptr;
    HWND g_capture = nullptr;
    bool g_capturing = false;
    int g_bypass = 0;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> g_held;

    struct Seen {
        HWND hwnd = nullptr;
        QEvent::Type type = QEvent::None;
        quint64 timestamp = 0;
        QPointF global;
    } g_lastMouse;

    bool isMouse(QEvent::Type t)
    {
        return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease
            || t == QEvent::MouseButtonDblClick || t == QEvent::MouseMove || t == QEvent::Wheel;
    }
    bool isKey(QEvent::Type t) { return t == QEvent::KeyPress || t == QEvent::KeyRelease; }
    bool isOtherInput(QEvent::Type t)
    {
        return t == QEvent::ShortcutOverride || t == QEvent::Shortcut || t == QEvent::ContextMenu
            || t == QEvent::InputMethod;
    }

    WPARAM mouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
    {
        WPARAM keys = 0;
        if (buttons & Qt::LeftButton)
            keys |= MK_LBUTTON;
        if (buttons & Qt::RightButton)
            keys |= MK_RBUTTON;
        if (buttons & Qt::MiddleButton)
            keys |= MK_MBUTTON;
        if (modifiers & Qt::ShiftModifier)
            keys |= MK_SHIFT;
        if (modifiers & Qt::ControlModifier)
            keys |= MK_CONTROL;
        return keys;
    }

    UINT mouseMessage(const QMouseEvent* e)
    {
        int base = 0;
        switch (e->button()) {
        case Qt::LeftButton:
            base = WM_LBUTTONDOWN;
            break;
        case Qt::RightButton:
            base = WM_RBUTTONDOWN;
            break;
        case Qt::MiddleButton:
            base = WM_MBUTTONDOWN;
            break;
        default:
            return e->type() == QEvent::MouseMove ? WM_MOUSEMOVE : 0;
        }
        switch (e->type()) {
        case QEvent::MouseButtonPress:
            return base;
        case QEvent::MouseButtonRelease:
            return base + 1;
        case QEvent::MouseButtonDblClick:
            return base + 2;
        default:
            return WM_MOUSEMOVE;
        }
    }

    WPARAM virtualKey(const QKeyEvent* e)
    {
        int key = e->key();
        if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
            return static_cast<WPARAM>(key);
        if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
            return VK_F1 + static_cast<WPARAM>(key - Qt::Key_F1);
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Delete:
            return VK_DELETE;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        default:
            return static_cast<WPARAM>(key & 0xFF);
        }
    }

    std::unique_ptr<QEvent> cloneOf(QEvent* e) { return std::unique_ptr<QEvent>(e->clone()); }

    // Sends one input message now: pre-translation first, then the window procedure.
    bool sendInput(MSG msg)
    {
        if (preTranslate(&msg))
            return false;
        InputScope scope(msg.hwnd, msg.message);
        SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        return scope.reachedDefault();
    }

    bool handleMouse(QObject* o, QEvent* e)
    {
        auto* widget = static_cast<QWidget*>(o);
        HWND hwnd = windowOfWidget(o);
        if (g_capturing && (!hwnd || hwnd != g_capture)) {
            g_held.emplace_back(o, cloneOf(e));
            return true;
        }
        if (!hwnd)
            return false;
        QWidget* root = widgetOf(hwnd);
        QPointF global;
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers modifiers;
        UINT message;
        WPARAM extra = 0;
        quint64 timestamp;
        if (e->type() == QEvent::Wheel) {
            auto* we = static_cast<QWheelEvent*>(e);
            global = we->globalPosition();
            buttons = we->buttons();
            modifiers = we->modifiers();
            message = WM_MOUSEWHEEL;
            extra = static_cast<WPARAM>(static_cast<WORD>(static_cast<short>(we->angleDelta().y())))
                << 16;
            timestamp = we->timestamp();
        } else {
            auto* me = static_cast<QMouseEvent*>(e);
            global = me->globalPosition();
            buttons = me->buttons();
            modifiers = me->modifiers();
            message = mouseMessage(me);
            timestamp = me->timestamp();
        }
        if (!message)
            return false;
        if (g_lastMouse.hwnd == hwnd && g_lastMouse.type == e->type()
            && g_lastMouse.timestamp == timestamp && g_lastMouse.global == global)
            return false; // the same event bubbling up inside one control: already decided
        g_lastMouse = Seen { hwnd, e->type(), timestamp, global };
        (void)widget;

        QPoint screen = global.toPoint();
        QPoint client = root->mapFromGlobal(screen);
        if (runMouseHooks(message, POINT { screen.x(), screen.y() }, hwnd, HTCLIENT))
            return true;
        MSG msg { hwnd, message, mouseKeys(buttons, modifiers) | extra,
            message == WM_MOUSEWHEEL ? MAKELPARAM(screen.x(), screen.y())
                                     : MAKELPARAM(client.x(), client.y()),
            messageTime(), POINT { screen.x(), screen.y() } };
        if (message == WM_MOUSEMOVE)
            mouseMovedOver(hwnd, POINT { client.x(), client.y() }, msg.wParam);
        if (g_capturing) {
            auto native = std::make_shared<NativeInput>();
            native->target = o;
            native->event = cloneOf(e);
            postInput(msg, native);
            return true;
        }
        return !sendInput(msg);
    }

    bool handleKey(QObject* o, QEvent* e)
    {
        HWND hwnd = windowOfWidget(o);
        if (g_capturing && (!hwnd || hwnd != g_capture)) {
            g_held.emplace_back(o, cloneOf(e));
            return true;
        }
        if (!hwnd)
            return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        bool press = e->type() == QEvent::KeyPress;
        bool alt = ke->modifiers() & Qt::AltModifier;
        UINT message = press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
        LPARAM flags = 1 | (press ? 0 : (static_cast<LPARAM>(3) << 30));
        MSG msg { hwnd, message, virtualKey(ke), flags, messageTime(), cursorPoint() };
        QByteArray chars = press ? ke->text().toLatin1() : QByteArray();
        if (g_capturing) {
            auto native = std::make_shared<NativeInput>();
            native->target = o;
            native->event = cloneOf(e);
            postInput(msg, native);
            for (char c : chars)
                postInput(MSG { hwnd, alt ? UINT(WM_SYSCHAR) : UINT(WM_CHAR),
                              static_cast<unsigned char>(c), flags, msg.time, msg.pt },
                    nullptr);
            return true;
        }
        bool native = sendInput(msg);
        for (char c : chars) {
            if (!IsWindow(hwnd))
                return true;
            native = sendInput(MSG { hwnd, alt ? UINT(WM_SYSCHAR) : UINT(WM_CHAR),
                         static_cast<unsigned char>(c), flags, msg.time, msg.pt })
                && native;
        }
        return !native;
    }

    class InputFilter : public QObject {
    protected:
        bool eventFilter(QObject* o, QEvent* e) override
        {
            if (g_bypass > 0)
                return false;
            QEvent::Type type = e->type();
            if (isMouse(type))
                return o->isWidgetType() ? handleMouse(o, e) : false;
            if (isKey(type))
                return o->isWidgetType() ? handleKey(o, e) : false;
            if (isOtherInput(type) && g_capturing && o->isWidgetType()) {
                g_held.emplace_back(o, cloneOf(e));
                return true;
            }
            if (!o->isWidgetType())
                return false;
            switch (type) {
            case QEvent::FocusIn:
                if (HWND hwnd = windowOfWidget(o))
                    focusChanged(hwnd);
                return false;
            case QEvent::Resize:
            case QEvent::Move:
                if (HWND hwnd = windowOfWidget(o); hwnd && widgetOf(hwnd) == o)
                    reportGeometry(hwnd);
                return false;
            case QEvent::Leave:
                if (HWND hwnd = windowOfWidget(o); hwnd && widgetOf(hwnd) == o) {
                    QWidget* under = QApplication::widgetAt(QCursor::pos());
                    HWND now = under ? windowOfWidget(under) : nullptr;
                    if (!now || !IsChild(hwnd, now))
                        mouseMovedOver(now, POINT { -1, -1 }, 0);
                }
                return false;
            case QEvent::Close:
                if (HWND hwnd = windowOfWidget(o);
                    hwnd && widgetOf(hwnd) == o && static_cast<QWidget*>(o)->isWindow()) {
                    if (e->spontaneous()) {
                        SendMessage(hwnd, WM_CLOSE, 0, 0);
                        e->ignore();
                        return true;
                    }
                }
                return false;
            default:
                return false;
            }
        }
    };
}

void installInputFilter()
{
    static InputFilter* filter = nullptr;
    if (!filter) {
        filter = new InputFilter;
        QCoreApplication::instance()->installEventFilter(filter);
    }
}

InputScope::InputScope(HWND hwnd, UINT message)
    : m_hwnd(hwnd)
    , m_message(message)
    , m_previous(g_scope)
{
    g_scope = this;
}

InputScope::~InputScope() { g_scope = m_previous; }

void inputReachedDefault(HWND hwnd, UINT message)
{
    if (g_scope && g_scope->m_hwnd == hwnd && g_scope->m_message == message)
        g_scope->m_reached = true;
}

CaptureScope::CaptureScope(HWND hwnd)
    : m_previous(g_capture)
    , m_active(hwnd != nullptr)
{
    if (m_active) {
        g_capture = hwnd;
        g_capturing = true;
    }
}

CaptureScope::~CaptureScope()
{
    if (m_active) {
        g_capture = m_previous;
        g_capturing = m_previous != nullptr;
    }
}

bool hasHeldInput() { return !g_held.empty(); }

void replayHeldInput()
{
    auto held = std::move(g_held);
    g_held.clear();
    for (auto& [target, event] : held) {
        if (target)
            QCoreApplication::postEvent(target, event.release());
    }
}

void deliverNative(NativeInput& native)
{
    if (!native.target || !native.event)
        return;
    ++g_bypass;
    QCoreApplication::sendEvent(native.target, native.event.get());
    --g_bypass;
}
}
