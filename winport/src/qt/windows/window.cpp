// The handle table, window classes, creation and destruction, geometry, z-order, text and the
// default window procedure.
#include "window.h"
#include "qt/controls/controlclasses.h"
#include "framepacing.h"
#include "input.h"
#include "latin1.h"
#include "msgqueue.h"
#include "qtapp.h"
#include "base/syserror.h"
#include "base/textbuffer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <atomic>
#include <cstring>
#include <unordered_map>

namespace winport {
namespace {
    std::unordered_map<HWND, std::unique_ptr<Window>>& windows()
    {
        static std::unordered_map<HWND, std::unique_ptr<Window>> table;
        return table;
    }
    std::vector<HWND> g_topLevels; // z-order of top-level windows, top first
    uintptr_t g_nextHandle = 0x10000;
    HWND g_focus = nullptr;

    std::string lowerName(const char* name)
    {
        std::string key(name ? name : "");
        for (char& c : key)
            c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return key;
    }

    // Registered classes by lower-case name; it starts with the built-in classes.
    std::map<std::string, WindowClass>& classes()
    {
        static std::map<std::string, WindowClass> table = [] {
            std::map<std::string, WindowClass> builtin;
            for (const WindowClass& c : builtinClasses())
                builtin[lowerName(c.name.c_str())] = c;
            return builtin;
        }();
        return table;
    }

    // The widget of a window of a registered class: it paints through WM_PAINT.
    class PlainWidget : public QWidget {
    public:
        PlainWidget(HWND hwnd, QWidget* parent)
            : QWidget(parent)
            , m_hwnd(hwnd)
        {
            setAutoFillBackground(true);
        }

    protected:
        void paintEvent(QPaintEvent* event) override
        {
            // Under a menu bar the inner client widget paints the window.
            if (Window* w = findWindow(m_hwnd); w && w->menuClient && w->menuClient != this)
                return;
            PaintScope scope(m_hwnd, this, event->rect());
            SendMessage(m_hwnd, WM_PAINT, 0, 0);
        }

    private:
        HWND m_hwnd;
    };

    std::vector<HWND>& siblingsOf(Window& w)
    {
        if (w.isChild()) {
            if (Window* p = findWindow(w.parent))
                return p->children;
        }
        return g_topLevels;
    }

    void removeFrom(std::vector<HWND>& list, HWND h)
    {
        list.erase(std::remove(list.begin(), list.end(), h), list.end());
    }

    // The window of a handle a window function was given; NULL with ERROR_INVALID_WINDOW_HANDLE
    // for a handle that is not (or no longer) a window.
    Window* check(HWND hwnd)
    {
        Window* w = findWindow(hwnd);
        if (!w || !w->widget)
            return fail(ERROR_INVALID_WINDOW_HANDLE, static_cast<Window*>(nullptr));
        return w;
    }

    QRect rectOf(int x, int y, int cx, int cy)
    {
        return QRect(x, y, std::max(cx, 0), std::max(cy, 0));
    }

    // A window's own enabled state (WS_DISABLED), not the one it inherits from its ancestors.
    bool ownEnabled(const Window& w) { return !w.widget->testAttribute(Qt::WA_ForceDisabled); }

    // Qt disables the windows a widget owns along with it; Win32 leaves owned top-level windows
    // (dialogs over a disabled owner) as they are, so they get their own state back.
    void setOwnEnabled(Window& w, bool enable)
    {
        w.widget->setEnabled(enable);
        for (QWidget* owned : w.widget->findChildren<QWidget*>()) {
            if (owned->isWindow() && !owned->testAttribute(Qt::WA_ForceDisabled))
                owned->setEnabled(true);
        }
    }
}

PaintScope* PaintScope::s_current = nullptr;

void Control::notifyCommand(WORD code) const
{
    if (m_window.parent && m_window.isChild())
        SendMessage(m_window.parent, WM_COMMAND, MAKEWPARAM(m_window.id, code),
            reinterpret_cast<LPARAM>(m_window.handle));
}

LRESULT Control::notify(UINT code, NMHDR* header) const
{
    header->hwndFrom = m_window.handle;
    header->idFrom = m_window.id;
    header->code = code;
    if (!m_window.parent)
        return 0;
    return SendMessage(m_window.parent, WM_NOTIFY, m_window.id, reinterpret_cast<LPARAM>(header));
}

namespace {
    // Every message looks its window up two or three times, and a control's notification goes to
    // its parent and back, so the windows found last are kept at hand, one slot per few handles
    // (handles go up in steps of 4). A window being destroyed leaves its slot first.
    const size_t kFoundSlots = 16;
    std::atomic<Window*> g_found[kFoundSlots];

    std::atomic<Window*>& foundSlot(HWND hwnd)
    {
        return g_found[(reinterpret_cast<uintptr_t>(hwnd) >> 2) % kFoundSlots];
    }
}

Window* findWindow(HWND hwnd)
{
    std::atomic<Window*>& slot = foundSlot(hwnd);
    Window* found = slot.load(std::memory_order_acquire);
    if (found && found->handle == hwnd)
        return found;
    auto it = windows().find(hwnd);
    if (it == windows().end())
        return nullptr;
    slot.store(it->second.get(), std::memory_order_release);
    return it->second.get();
}

HWND windowOfWidget(const QObject* object)
{
    for (; object; object = object->parent()) {
        QVariant v = object->property(kHandleProperty);
        if (v.isValid()) {
            HWND h = reinterpret_cast<HWND>(v.value<qulonglong>());
            return findWindow(h) ? h : nullptr;
        }
        if (object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow())
            return nullptr;
    }
    return nullptr;
}

QWidget* widgetOf(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    return w ? w->widget.data() : nullptr;
}

const WindowClass* findClass(const char* name)
{
    auto it = classes().find(lowerName(name));
    return it == classes().end() ? nullptr : &it->second;
}

std::vector<HWND> childrenOf(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    return w ? w->children : std::vector<HWND>();
}

namespace {
    WindowObjectHooks g_objectHooks;
}

void setWindowObjectHooks(const WindowObjectHooks& hooks) { g_objectHooks = hooks; }

void attachPendingObject(HWND hwnd)
{
    if (g_objectHooks.created)
        g_objectHooks.created(hwnd);
}

void forgetObjects(HWND hwnd)
{
    if (g_objectHooks.destroyed)
        g_objectHooks.destroyed(hwnd);
}

BOOL preTranslate(MSG* msg)
{
    return g_objectHooks.preTranslate ? g_objectHooks.preTranslate(msg) : FALSE;
}

HWND topLevelOf(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    while (w && w->isChild() && findWindow(w->parent))
        w = findWindow(w->parent);
    return w ? w->handle : nullptr;
}

namespace {
    // The menu bar across the top of the window, the client area below it.
    void placeMenuBar(Window& w)
    {
        if (!w.menuBar || !w.menuClient)
            return;
        int width = w.widget->width();
        int barHeight = std::min(w.menuBar->sizeHint().height(), w.widget->height());
        w.menuBar->setGeometry(0, 0, width, barHeight);
        w.menuClient->setGeometry(0, barHeight, width, w.widget->height() - barHeight);
    }

    // Reparents the window's children (Qt hides a reparented widget: their state is kept).
    void moveChildren(Window& w, QWidget* to)
    {
        for (HWND child : w.children) {
            Window* c = findWindow(child);
            if (!c || !c->widget)
                continue;
            bool hidden = c->widget->isHidden();
            c->widget->setParent(to);
            c->widget->setVisible(!hidden);
        }
        restack(w);
    }
}

bool setMenuBar(HWND hwnd, QWidget* menuBar)
{
    Window* w = check(hwnd);
    if (!w || w->isChild())
        return false;
    if (w->menuBar) {
        delete w->menuBar.data();
    }
    QWidget* client = w->menuClient.data();
    if (menuBar && !client) {
        client = new PlainWidget(hwnd, w->widget);
        client->setProperty(kHandleProperty, QVariant::fromValue(qulonglong(uintptr_t(hwnd))));
        client->setAttribute(Qt::WA_NoMousePropagation);
        client->setMouseTracking(true);
        client->show();
        w->menuClient = client;
        moveChildren(*w, client);
    } else if (!menuBar && client) {
        w->menuClient = nullptr;
        moveChildren(*w, w->widget);
        delete client;
    }
    w->menuBar = menuBar;
    if (menuBar) {
        // The bar is no window of its own: input on it is the toolkit's, not the frame's.
        menuBar->setProperty(kHandleProperty, QVariant::fromValue(qulonglong(0)));
        menuBar->setParent(w->widget);
        menuBar->show();
    }
    reportGeometry(hwnd);
    return true;
}

void reportGeometry(HWND hwnd)
{
    Window* w = check(hwnd);
    if (!w || w->destroying)
        return;
    placeMenuBar(*w);
    QSize size = w->clientArea()->size();
    QPoint pos = w->isChild() ? w->widget->pos() : w->widget->geometry().topLeft();
    if (pos != w->reportedPos) {
        w->reportedPos = pos;
        SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(pos.x(), pos.y()));
    }
    if (!findWindow(hwnd))
        return;
    if (size != w->reportedSize) {
        w->reportedSize = size;
        SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(size.width(), size.height()));
    }
}

void restack(Window& parent)
{
    // Qt paints later siblings over earlier ones: raise from the bottom of the z-order up.
    for (auto it = parent.children.rbegin(); it != parent.children.rend(); ++it) {
        if (Window* c = findWindow(*it); c && c->widget)
            c->widget->raise();
    }
    // A tab control is transparent to the pages laid over its display area (as Windows hit-tests
    // it), so it stays beneath its siblings.
    for (HWND h : parent.children) {
        if (Window* c = findWindow(h); c && c->widget && c->windowClass
            && lowerName(c->windowClass->name.c_str()) == "systabcontrol32")
            c->widget->lower();
    }
}

void focusChanged(HWND hwnd)
{
    if (hwnd == g_focus)
        return;
    HWND old = g_focus;
    g_focus = hwnd;
    if (old && findWindow(old))
        SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && findWindow(hwnd) && g_focus == hwnd)
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
}
}

using namespace winport;

ATOM RegisterClass(const WNDCLASSA* wc)
{
    if (!wc || !wc->lpszClassName || !*wc->lpszClassName || !wc->lpfnWndProc)
        return 0;
    std::string key = lowerName(wc->lpszClassName);
    if (classes().count(key))
        return 0;
    WindowClass c;
    c.name = wc->lpszClassName;
    c.proc = wc->lpfnWndProc;
    c.style = wc->style;
    c.instance = wc->hInstance;
    c.background = wc->hbrBackground;
    classes()[key] = c;
    return static_cast<ATOM>(0xC000 + classes().size());
}

BOOL UnregisterClass(LPCSTR className, HINSTANCE)
{
    auto it = classes().find(lowerName(className));
    if (it == classes().end() || it->second.makeControl)
        return FALSE;
    for (auto& entry : windows()) {
        if (entry.second->windowClass == &it->second)
            return FALSE;
    }
    classes().erase(it);
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, LPCSTR className, WNDCLASSA* wc)
{
    const WindowClass* c = findClass(className);
    if (!c || !wc)
        return FALSE;
    std::memset(wc, 0, sizeof(*wc));
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->hInstance = c->instance;
    wc->hbrBackground = c->background;
    wc->lpszClassName = c->name.c_str();
    return TRUE;
}

int GetClassName(HWND hwnd, LPSTR buffer, int size)
{
    Window* w = findWindow(hwnd);
    if (!w || !buffer || size <= 0)
        return 0;
    return static_cast<int>(copyTruncated(w->windowClass->name, buffer, static_cast<size_t>(size)));
}

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
    int width, int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param)
{
    ensureApplication();
    const WindowClass* cls = findClass(className);
    if (!cls)
        return fail(ERROR_CANNOT_FIND_WND_CLASS, HWND(nullptr));
    if (((style & WS_CHILD) && !findWindow(parent)) || (parent && !findWindow(parent)))
        return fail(ERROR_INVALID_WINDOW_HANDLE, HWND(nullptr));

    auto owned = std::make_unique<Window>();
    Window& w = *owned;
    w.handle = reinterpret_cast<HWND>(g_nextHandle);
    g_nextHandle += 4;
    w.windowClass = cls;
    w.proc = cls->proc;
    w.style = style & ~(WS_VISIBLE | WS_DISABLED);
    w.exStyle = exStyle;
    w.id = reinterpret_cast<UINT_PTR>(menuOrId);
    w.parent = parent;
    w.instance = instance;
    w.text = windowName ? windowName : "";
    HWND hwnd = w.handle;

    if (x == CW_USEDEFAULT) {
        x = 100;
        y = 100;
    }
    if (width == CW_USEDEFAULT) {
        width = 640;
        height = 480;
    }
    CREATESTRUCTA cs { param, instance, menuOrId, parent, height, width, y, x,
        static_cast<LONG>(style), windowName, className, exStyle };

    QWidget* parentWidget = nullptr;
    if (Window* p = findWindow(parent))
        parentWidget = (style & WS_CHILD) ? p->clientWidget() : p->widget.data();
    if (cls->makeControl) {
        w.control = cls->makeControl(w, cs);
        w.widget = w.control->widget();
        w.widget->setParent(parentWidget);
    } else {
        w.widget = new PlainWidget(hwnd, parentWidget);
    }
    QWidget* widget = w.widget;
    widget->setProperty(kHandleProperty, QVariant::fromValue(qulonglong(uintptr_t(hwnd))));
    widget->setAttribute(Qt::WA_NoMousePropagation);
    // A window is exactly as large as it is made; layouts inside controls do not impose sizes.
    if (QLayout* layout = widget->layout())
        layout->setSizeConstraint(QLayout::SetNoConstraint);
    widget->setMouseTracking(true);
    if (!(style & WS_CHILD)) {
        widget->setWindowFlags(parentWidget ? Qt::Dialog : Qt::Window);
        widget->setWindowTitle(toQt(w.text));
        paceRepaints(widget);
    }
    widget->setGeometry(rectOf(x, y, width, height));
    widget->hide();
    windows()[hwnd] = std::move(owned);
    if (style & WS_CHILD) {
        findWindow(parent)->children.push_back(hwnd);
        widget->lower();
        restack(*findWindow(parent));
    } else {
        g_topLevels.insert(g_topLevels.begin(), hwnd);
    }
    setOwnEnabled(*findWindow(hwnd), !(style & WS_DISABLED));
    if (w.control)
        w.control->showText();

    attachPendingObject(hwnd);
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))
        || SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd))
        return nullptr;
    reportGeometry(hwnd);
    if (!IsWindow(hwnd))
        return nullptr;
    if (style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    if ((style & WS_CHILD) && !(exStyle & WS_EX_NOPARENTNOTIFY) && IsWindow(parent))
        SendMessage(parent, 0x0210 /* WM_PARENTNOTIFY */, MAKEWPARAM(WM_CREATE, w.id),
            reinterpret_cast<LPARAM>(hwnd));
    return IsWindow(hwnd) ? hwnd : nullptr;
}

namespace {
void destroyTree(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    if (!w)
        return;
    std::vector<HWND> children = w->children;
    for (HWND child : children)
        destroyTree(child);
    cancelWindowTimers(hwnd);
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    forgetObjects(hwnd);
    forgetQueuedMessages(hwnd);
    w = findWindow(hwnd);
    if (!w)
        return;
    if (g_focus == hwnd)
        g_focus = nullptr;
    if (Window* p = findWindow(w->parent); p && w->isChild())
        removeFrom(p->children, hwnd);
    removeFrom(g_topLevels, hwnd);
    if (QWidget* widget = w->widget) {
        widget->hide();
        widget->setProperty(kHandleProperty, QVariant());
        // Widgets may be in the middle of delivering the event that led here.
        widget->setParent(nullptr);
        widget->deleteLater();
    }
    w->control.reset(); // the widget may outlive the control by a turn of the event loop
    foundSlot(hwnd).store(nullptr, std::memory_order_release);
    windows().erase(hwnd);
}

void sendDestroy(HWND hwnd)
{
    Window* w = findWindow(hwnd);
    if (!w || w->destroying)
        return;
    w->destroying = true;
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    for (HWND child : childrenOf(hwnd))
        sendDestroy(child);
}
}

BOOL DestroyWindow(HWND hwnd)
{
    Window* w = check(hwnd);
    if (!w || w->destroying)
        return FALSE;
    // Owned top-level windows (dialogs over this window) go first.
    std::vector<HWND> owned;
    for (HWND top : g_topLevels) {
        if (Window* t = findWindow(top); t && t->parent == hwnd)
            owned.push_back(top);
    }
    for (HWND o : owned)
        DestroyWindow(o);
    if (w->widget)
        w->widget->hide();
    if (g_focus && (g_focus == hwnd || IsChild(hwnd, g_focus)))
        focusChanged(nullptr);
    sendDestroy(hwnd);
    destroyTree(hwnd);
    return TRUE;
}

namespace {
// The widgets of a window, its children and the top-level windows it owns.
void collectWidgets(HWND hwnd, std::vector<QPointer<QWidget>>& out)
{
    Window* w = findWindow(hwnd);
    if (!w)
        return;
    if (w->widget)
        out.emplace_back(w->widget.data());
    for (HWND child : w->children)
        collectWidgets(child, out);
    for (HWND top : g_topLevels) {
        if (Window* t = findWindow(top); t && t->parent == hwnd)
            collectWidgets(top, out);
    }
}
}

void winport::destroyWindowNow(HWND hwnd)
{
    std::vector<QPointer<QWidget>> widgets;
    collectWidgets(hwnd, widgets);
    DestroyWindow(hwnd);
    // Each widget left its parent when its window went: none takes another with it.
    for (QPointer<QWidget>& widget : widgets)
        delete widget.data();
}

BOOL IsWindow(HWND hwnd) { return findWindow(hwnd) != nullptr; }

BOOL IsChild(HWND parent, HWND hwnd)
{
    Window* w = findWindow(hwnd);
    while (w && w->isChild()) {
        if (w->parent == parent)
            return TRUE;
        w = findWindow(w->parent);
    }
    return FALSE;
}

HWND GetParent(HWND hwnd)
{
    Window* w = check(hwnd);
    return w ? w->parent : nullptr;
}

HWND SetParent(HWND hwnd, HWND newParent)
{
    Window* w = check(hwnd);
    if (!w || (newParent && !findWindow(newParent)) || newParent == hwnd)
        return nullptr;
    HWND old = w->parent;
    removeFrom(siblingsOf(*w), hwnd);
    w->parent = newParent;
    bool visible = !w->widget->isHidden();
    if (newParent && w->isChild()) {
        Window* p = findWindow(newParent);
        w->widget->setParent(p->clientWidget());
        p->children.push_back(hwnd);
        restack(*p);
    } else {
        w->widget->setParent(nullptr);
        w->widget->setWindowFlags(Qt::Window);
        g_topLevels.insert(g_topLevels.begin(), hwnd);
    }
    w->widget->setVisible(visible);
    return old ? old : GetDesktopWindow();
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    Window* w = check(hwnd);
    if (!w)
        return nullptr;
    if (relation == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front();
    if (relation == GW_OWNER)
        return w->isChild() ? nullptr : w->parent;
    std::vector<HWND>& list = siblingsOf(*w);
    auto it = std::find(list.begin(), list.end(), hwnd);
    switch (relation) {
    case GW_HWNDFIRST:
        return list.front();
    case GW_HWNDLAST:
        return list.back();
    case GW_HWNDNEXT:
        return (it == list.end() || it + 1 == list.end()) ? nullptr : *(it + 1);
    case GW_HWNDPREV:
        return (it == list.end() || it == list.begin()) ? nullptr : *(it - 1);
    default:
        return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd)
{
    if (!hwnd)
        return g_topLevels.empty() ? nullptr : g_topLevels.front();
    return GetWindow(hwnd, GW_CHILD);
}

HWND GetDesktopWindow() { return nullptr; }

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    Window* w = check(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->parent);
    case GWLP_ID:
        return static_cast<LONG_PTR>(w->id);
    case GWL_STYLE:
        return static_cast<LONG>(w->style | (w->widget->isHidden() ? 0 : WS_VISIBLE)
            | (ownEnabled(*w) ? 0 : WS_DISABLED));
    case GWL_EXSTYLE:
        return static_cast<LONG>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    default: {
        auto it = w->dialogLongs.find(index);
        return it == w->dialogLongs.end() ? 0 : it->second;
    }
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = check(hwnd);
    if (!w)
        return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC:
        if (value)
            w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWLP_HINSTANCE:
        w->instance = reinterpret_cast<HINSTANCE>(value);
        break;
    case GWLP_ID:
        w->id = static_cast<UINT_PTR>(value);
        break;
    case GWL_STYLE: {
        DWORD style = static_cast<DWORD>(value);
        w->style = style & ~(WS_VISIBLE | WS_DISABLED);
        setOwnEnabled(*w, !(style & WS_DISABLED));
        w->widget->setVisible((style & WS_VISIBLE) != 0);
        break;
    }
    case GWL_EXSTYLE:
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_USERDATA:
        w->userData = value;
        break;
    default:
        w->dialogLongs[index] = value;
        break;
    }
    return old;
}

BOOL ShowWindow(HWND hwnd, int command)
{
    Window* w = check(hwnd);
    if (!w)
        return FALSE;
    BOOL wasVisible = !w->widget->isHidden();
    bool show = command != SW_HIDE;
    if (show != static_cast<bool>(wasVisible))
        SendMessage(hwnd, WM_SHOWWINDOW, show, 0);
    if (!(w = check(hwnd)))
        return wasVisible;
    if (!show) {
        if (g_focus && (g_focus == hwnd || IsChild(hwnd, g_focus)))
            focusChanged(nullptr);
        w->widget->hide();
        return wasVisible;
    }
    switch (command) {
    case SW_MAXIMIZE:
        w->widget->showMaximized();
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        w->widget->showMinimized();
        break;
    default:
        w->widget->show();
        break;
    }
    if (!w->isChild() && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE)
        w->widget->activateWindow();
    reportGeometry(hwnd);
    return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd)
{
    Window* w = check(hwnd);
    if (!w)
        return FALSE;
    for (Window* v = w; v; v = v->isChild() ? findWindow(v->parent) : nullptr) {
        if (v->widget->isHidden())
            return FALSE;
    }
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Window* w = check(hwnd);
    if (!w)
        return FALSE;
    BOOL wasDisabled = !ownEnabled(*w);
    if (static_cast<bool>(enable) == static_cast<bool>(wasDisabled)) {
        if (!enable && g_focus && (g_focus == hwnd || IsChild(hwnd, g_focus)))
            focusChanged(nullptr);
        setOwnEnabled(*w, enable != FALSE);
        SendMessage(hwnd, WM_ENABLE, enable != FALSE, 0);
    }
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Window* w = check(hwnd);
    return w && ownEnabled(*w);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL)
{
    Window* w = check(hwnd);
    if (!w)
        return FALSE;
    w->widget->setGeometry(rectOf(x, y, width, height));
    reportGeometry(hwnd);
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    Window* w = check(hwnd);
    if (!w)
        return FALSE;
    QRect geometry = w->widget->geometry();
    if (!(flags & SWP_NOMOVE))
        geometry.moveTo(x, y);
    if (!(flags & SWP_NOSIZE))
        geometry.setSize(QSize(std::max(cx, 0), std::max(cy, 0)));
    if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE))
        w->widget->setGeometry(geometry);
    if (!(flags & SWP_NOZORDER)) {
        std::vector<HWND>& list = siblingsOf(*w);
        removeFrom(list, hwnd);
        if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST)
            list.insert(list.begin(), hwnd);
        else if (insertAfter == HWND_BOTTOM)
            list.push_back(hwnd);
        else {
            auto it = std::find(list.begin(), list.end(), insertAfter);
            list.insert(it == list.end() ? list.begin() : it + 1, hwnd);
        }
        if (w->isChild())
            restack(*findWindow(w->parent));
        else if (list.front() == hwnd)
            w->widget->raise();
    }
    if (flags & SWP_SHOWWINDOW)
        ShowWindow(hwnd, (flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW)
        ShowWindow(hwnd, SW_HIDE);
    reportGeometry(hwnd);
    return TRUE;
}

BOOL BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    Window* w = check(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = RECT { 0, 0, w->clientArea()->width(), w->clientArea()->height() };
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    Window* w = check(hwnd);
    if (!w || !rect)
        return FALSE;
    QPoint origin = w->widget->mapToGlobal(QPoint(0, 0));
    *rect = RECT { origin.x(), origin.y(), origin.x() + w->widget->width(),
        origin.y() + w->widget->height() };
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point)
{
    Window* w = check(hwnd);
    if (!w || !point)
        return FALSE;
    QPoint p = w->clientArea()->mapFromGlobal(QPoint(point->x, point->y));
    *point = POINT { p.x(), p.y() };
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point)
{
    Window* w = check(hwnd);
    if (!w || !point)
        return FALSE;
    QPoint p = w->clientArea()->mapToGlobal(QPoint(point->x, point->y));
    *point = POINT { p.x(), p.y() };
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    QPoint origin(0, 0), target(0, 0);
    if (Window* f = check(from))
        origin = f->clientArea()->mapToGlobal(QPoint(0, 0));
    if (Window* t = check(to))
        target = t->clientArea()->mapToGlobal(QPoint(0, 0));
    QPoint delta = origin - target;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += delta.x();
        points[i].y += delta.y();
    }
    return MAKELONG(delta.x(), delta.y());
}

HWND WindowFromPoint(POINT screenPoint)
{
    QWidget* w = QApplication::widgetAt(QPoint(screenPoint.x, screenPoint.y));
    return w ? windowOfWidget(w) : nullptr;
}

HWND SetFocus(HWND hwnd)
{
    HWND old = g_focus;
    if (!hwnd) {
        focusChanged(nullptr);
        return old;
    }
    Window* w = check(hwnd);
    if (!w || !w->widget->isEnabled())
        return nullptr;
    if (QWidget* top = w->widget->window(); top && top->isVisible())
        top->activateWindow();
    QWidget* target = w->widget->focusProxy() ? w->widget->focusProxy() : w->widget.data();
    if (target->focusPolicy() == Qt::NoFocus)
        target->setFocusPolicy(Qt::ClickFocus);
    target->setFocus(Qt::OtherFocusReason);
    focusChanged(hwnd);
    return old;
}

HWND GetFocus() { return g_focus && findWindow(g_focus) ? g_focus : nullptr; }

HWND GetActiveWindow()
{
    QWidget* active = QApplication::activeWindow();
    return active ? windowOfWidget(active) : (g_topLevels.empty() ? nullptr : g_topLevels.front());
}

HWND SetActiveWindow(HWND hwnd)
{
    HWND old = GetActiveWindow();
    if (Window* w = check(topLevelOf(hwnd))) {
        w->widget->activateWindow();
        BringWindowToTop(w->handle);
    }
    return old;
}

BOOL SetForegroundWindow(HWND hwnd) { return SetActiveWindow(hwnd) != nullptr || IsWindow(hwnd); }

BOOL SetWindowText(HWND hwnd, LPCSTR text)
{
    if (!IsWindow(hwnd))
        return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")) != FALSE;
}

int GetWindowText(HWND hwnd, LPSTR buffer, int size)
{
    if (!buffer || size <= 0 || !IsWindow(hwnd))
        return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd)
{
    return IsWindow(hwnd) ? static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL)
{
    Window* w = check(hwnd);
    if (!w)
        return FALSE;
    if (rect)
        w->widget->update(
            QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top));
    else
        w->widget->update();
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd)
{
    Window* w = check(hwnd);
    if (!w)
        return FALSE;
    if (w->widget->isVisible()) {
        paintNextAtOnce(w->widget->window());
        w->widget->repaint();
    }
    return TRUE;
}

BOOL RedrawWindow(HWND hwnd, const RECT* rect, void*, UINT)
{
    return InvalidateRect(hwnd, rect, TRUE) && UpdateWindow(hwnd);
}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    inputReachedDefault(hwnd, message);
    Window* w = findWindow(hwnd);
    if (!w)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return TRUE;
    case WM_SETTEXT: {
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (w->control)
            w->control->showText();
        else if (w->widget && !w->isChild())
            w->widget->setWindowTitle(toQt(w->text));
        return TRUE;
    }
    case WM_GETTEXT: {
        return static_cast<LRESULT>(
            copyTruncated(w->text, reinterpret_cast<char*>(lParam), static_cast<size_t>(wParam)));
    }
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(w->text.size());
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        applyFont(hwnd);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(w->font);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_MOUSEACTIVATE:
        return 1; // MA_ACTIVATE
    case WM_RBUTTONUP: {
        // The end of a right click asks for the shortcut menu, at the pointer's screen point.
        POINT point { GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) };
        ClientToScreen(hwnd, &point);
        SendMessage(
            hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(point.x, point.y));
        return 0;
    }
    case WM_CONTEXTMENU:
        if (w->isChild() && w->parent)
            return SendMessage(w->parent, message, wParam, lParam);
        return 0;
    default:
        return 0;
    }
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = findWindow(hwnd);
    if (!w)
        return fail(ERROR_INVALID_WINDOW_HANDLE, LRESULT(0));
    if (!w->proc)
        return 0;
    return w->proc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK winport::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = findWindow(hwnd);
    if (w && w->control) {
        LRESULT result = 0;
        if (w->control->handle(message, wParam, lParam, result))
            return result;
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}
