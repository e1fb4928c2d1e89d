// Windows: the record behind each HWND, its Qt widget and the built-in window classes.
#pragma once

#include "windowmanager.h"

#include <windows.h>

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace winport {

struct Window;

// The behaviour of a built-in window class (button, edit, tab control...): owns the widget and
// answers the class's messages.
class Control {
public:
    explicit Control(Window& window)
        : m_window(window)
    {
    }
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual QWidget* widget() const = 0;
    // Handles a message of the class; false passes it on to DefWindowProc.
    virtual bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    // The window text changed (DefWindowProc stored it): show it.
    virtual void showText() { }
    // Child windows of this control live inside this widget (the client area).
    virtual QWidget* clientWidget() const { return widget(); }

protected:
    Window& m_window;
    // Context of the control's signal connections: they end with the control.
    QObject m_context;
    // WM_COMMAND with the notification code to the parent (as controls notify).
    void notifyCommand(WORD code) const;
    // WM_NOTIFY to the parent; the header's window, id and code are filled in here.
    LRESULT notify(UINT code, NMHDR* header) const;
};

struct WindowClass {
    std::string name;
    WNDPROC proc = nullptr;
    UINT style = 0;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr;
    // Built-in classes make their control; registered classes get a plain window.
    std::unique_ptr<Control> (*makeControl)(Window&, const CREATESTRUCTA&) = nullptr;
};

struct Window {
    HWND handle = nullptr;
    const WindowClass* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    HWND parent = nullptr; // parent of a child window, owner of a top-level one
    HINSTANCE instance = nullptr;
    QPointer<QWidget> widget;
    std::unique_ptr<Control> control;
    std::string text;
    HFONT font = nullptr;
    LONG_PTR userData = 0;
    std::map<int, LONG_PTR> dialogLongs;
    std::vector<HWND> children; // z-order, top first
    // A top-level window with a menu: the menu bar on top and the client area below it.
    HMENU menu = nullptr;
    QPointer<QWidget> menuBar;
    QPointer<QWidget> menuClient;
    QSize reportedSize { -1, -1 };
    QPoint reportedPos { INT32_MIN, INT32_MIN };
    bool destroying = false;

    bool isChild() const { return (style & WS_CHILD) != 0; }
    QWidget* clientWidget() const
    {
        if (menuClient)
            return menuClient.data();
        return control ? control->clientWidget() : widget.data();
    }
    // The widget whose area is the window's client area (GetClientRect, client coordinates).
    QWidget* clientArea() const { return menuClient ? menuClient.data() : widget.data(); }
};

Window* findWindow(HWND hwnd);
// The window whose widget is the given widget or contains it (for widgets inside controls).
HWND windowOfWidget(const QObject* object);
// The widget of a window that children and painting use.
QWidget* widgetOf(HWND hwnd);
const WindowClass* findClass(const char* name);
// Puts a menu bar widget on a top-level window (NULL removes it): the client area moves below
// the bar and keeps the window's children. False for child windows.
bool setMenuBar(HWND hwnd, QWidget* menuBar);
// Sends WM_SIZE / WM_MOVE when the widget's geometry differs from what was last reported.
void reportGeometry(HWND hwnd);
// Applies the z-order of a window's children to their widgets.
void restack(Window& parent);
// DestroyWindow, then deletes the widgets at once instead of on a later turn of the event loop.
// Only for a caller that knows no event of these widgets is being delivered (a modal dialog whose
// loop has ended): without a running event loop, widgets left for later are never deleted, and
// every later pass over the posted events walks past them.
void destroyWindowNow(HWND hwnd);
// Children of a window in z-order (top first).
std::vector<HWND> childrenOf(HWND hwnd);
// Moves focus bookkeeping to hwnd and sends WM_KILLFOCUS / WM_SETFOCUS.
void focusChanged(HWND hwnd);

// The hooks the layer above registered (see windowmanager.h); each does nothing without one.
void attachPendingObject(HWND hwnd);
void forgetObjects(HWND hwnd);
BOOL preTranslate(MSG* msg);
}

namespace winport {
// The paint event being delivered to a window: BeginPaint draws on its widget.
struct PaintScope {
    PaintScope(HWND hwnd, QWidget* widget, QRect rect)
        : hwnd(hwnd)
        , widget(widget)
        , rect(rect)
        , previous(s_current)
    {
        s_current = this;
    }
    ~PaintScope() { s_current = previous; }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HWND hwnd;
    QWidget* widget;
    QRect rect;
    PaintScope* previous;
    static PaintScope* s_current;
};

// Gives the window's widget the font of its WM_SETFONT handle (the default font for NULL).
void applyFont(HWND hwnd);
}

namespace winport {
// The class procedure of the built-in controls: the control first, then DefWindowProc.
LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
}
