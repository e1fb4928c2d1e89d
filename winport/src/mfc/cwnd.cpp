// CWnd: attaching objects to windows, the object window procedure, message-map dispatch,
// reflection of child notifications and the thin wrappers over the window functions.
#include "cwnd.h"
#include "cdc.h"
#include "cfont.h"
#include "pendingobject.h"
#include "qt/windows/windowmanager.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace {
CWnd* g_pendingCreate = nullptr;
// The objects attached to windows. Each message finds its window's object, and a control's
// notification goes to its parent and back, so the objects found last are kept at hand, one slot
// per few handles (handles go up in steps of 4).
class PermanentObjects {
public:
    CWnd* find(HWND hwnd)
    {
        Found& slot = slotOf(hwnd);
        if (hwnd && slot.hwnd == hwnd)
            return slot.wnd;
        auto it = m_objects.find(hwnd);
        if (it == m_objects.end())
            return nullptr;
        slot = Found { hwnd, it->second };
        return slot.wnd;
    }
    void attach(HWND hwnd, CWnd* wnd)
    {
        m_objects[hwnd] = wnd;
        slotOf(hwnd) = Found {};
    }
    void erase(HWND hwnd)
    {
        m_objects.erase(hwnd);
        slotOf(hwnd) = Found {};
    }

private:
    struct Found {
        HWND hwnd = nullptr;
        CWnd* wnd = nullptr;
    };
    Found& slotOf(HWND hwnd) { return m_found[(reinterpret_cast<uintptr_t>(hwnd) >> 2) % kSlots]; }

    static const size_t kSlots = 16;
    std::unordered_map<HWND, CWnd*> m_objects;
    Found m_found[kSlots];
};
PermanentObjects g_permanent;
std::unordered_map<HWND, std::unique_ptr<CWnd>> g_temporary;

struct CurrentMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<CurrentMessage> g_current;

// Makes the object the window's handler: its window procedure wraps the window's.
void subclass(CWnd* wnd, WNDPROC* super)
{
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(wnd->m_hWnd, GWLP_WNDPROC));
    if (proc != &CWnd::WindowProcOfObjects) {
        *super = proc;
        SetWindowLongPtr(
            wnd->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WindowProcOfObjects));
    }
}

void attachPendingObject(HWND hwnd)
{
    if (!g_pendingCreate)
        return;
    CWnd* wnd = g_pendingCreate;
    g_pendingCreate = nullptr;
    wnd->SubclassWindow(hwnd);
}

void forgetObjects(HWND hwnd)
{
    g_temporary.erase(hwnd);
    CWnd* wnd = g_permanent.find(hwnd);
    if (!wnd)
        return;
    g_permanent.erase(hwnd);
    wnd->m_hWnd = nullptr;
    wnd->PostNcDestroy();
}

BOOL preTranslate(MSG* msg)
{
    if (!msg->hwnd)
        return FALSE;
    HWND top = winport::topLevelOf(msg->hwnd);
    if (CWnd::WalkPreTranslateTree(top, msg))
        return TRUE;
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && IsWindow(msg->hwnd)) {
        // Keyboard navigation of dialogs, as the dialog manager does in its loop.
        for (HWND h = msg->hwnd; h; h = GetParent(h)) {
            char name[16];
            if (GetClassName(h, name, sizeof name) && std::string(name) == "#32770")
                return IsDialogMessage(h, msg);
            if (!(GetWindowLongPtr(h, GWL_STYLE) & WS_CHILD))
                break;
        }
    }
    return FALSE;
}

// The MFC layer fills the window manager's registration point when the library loads.
const bool g_hooksRegistered = [] {
    winport::WindowObjectHooks hooks;
    hooks.created = &attachPendingObject;
    hooks.destroyed = &forgetObjects;
    hooks.preTranslate = &preTranslate;
    winport::setWindowObjectHooks(hooks);
    return true;
}();
}

void winport::setPendingObject(CWnd* wnd) { g_pendingCreate = wnd; }

CWnd::CWnd()
    : m_hWnd(nullptr)
    , m_pfnSuper(nullptr)
{
}

CWnd::CWnd(HWND hwnd)
    : m_hWnd(hwnd)
    , m_pfnSuper(nullptr)
{
}

CWnd::~CWnd()
{
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this) {
        // Destroying a window whose object dies first: the object no longer handles messages.
        HWND hwnd = m_hWnd;
        if (m_pfnSuper)
            SetWindowLongPtr(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        g_permanent.erase(hwnd);
        m_hWnd = nullptr;
        ::DestroyWindow(hwnd);
    }
}

HWND CWnd::GetSafeHwnd() const
{
    // MFC code calls this on pointers that may be NULL (a missing dialog item).
    const void* self = this;
    return self ? m_hWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd || !IsWindow(hwnd))
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hwnd))
        return wnd;
    std::unique_ptr<CWnd>& temp = g_temporary[hwnd];
    if (!temp)
        temp = std::make_unique<CWnd>(hwnd);
    return temp.get();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) { return g_permanent.find(hwnd); }

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd || !IsWindow(hwnd) || FromHandlePermanent(hwnd))
        return FALSE;
    m_hWnd = hwnd;
    g_permanent.attach(hwnd, this);
    g_temporary.erase(hwnd);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd)
        g_permanent.erase(hwnd);
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!Attach(hwnd))
        return FALSE;
    PreSubclassWindow();
    subclass(this, &m_pfnSuper);
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND item = parent ? ::GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
    return item ? SubclassWindow(item) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    if (m_hWnd && m_pfnSuper)
        SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
    UINT id, void*)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd)
        return FALSE;
    CREATESTRUCT cs { param, nullptr, idOrMenu, parent, height, width, y, x,
        static_cast<LONG>(style), windowName, className, exStyle };
    if (!PreCreateWindow(cs))
        return FALSE;
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc {};
        wc.lpfnWndProc = ::DefWindowProc;
        wc.lpszClassName = "AfxWnd";
        RegisterClass(&wc);
        registered = true;
    }
    g_pendingCreate = this;
    HWND hwnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass ? cs.lpszClass : "AfxWnd", cs.lpszName,
        static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu,
        cs.hInstance, cs.lpCreateParams);
    if (g_pendingCreate == this)
        g_pendingCreate = nullptr;
    return hwnd != nullptr && m_hWnd == hwnd;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
    const RECT& rect, CWnd* parent, UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessage(m_hWnd, id, message, wParam, lParam);
}

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    if (rect)
        ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left,
            rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    // The special positions (HWND_TOP, HWND_BOTTOM...) arrive as pointers of those values.
    HWND after = reinterpret_cast<HWND>(const_cast<CWnd*>(insertAfter));
    if (reinterpret_cast<uintptr_t>(insertAfter) > 16
        && reinterpret_cast<intptr_t>(insertAfter) > 0)
        after = insertAfter->m_hWnd;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}

void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    RECT mine, around;
    if (!::GetWindowRect(m_hWnd, &mine))
        return;
    HWND relative = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
    bool child = (GetStyle() & WS_CHILD) != 0;
    if (child && relative)
        ::GetClientRect(relative, &around);
    else if (relative)
        ::GetWindowRect(relative, &around);
    else
        around = RECT { 0, 0, 800, 600 };
    int w = mine.right - mine.left, h = mine.bottom - mine.top;
    int x = (around.left + around.right - w) / 2, y = (around.top + around.bottom - h) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }

void CWnd::ScreenToClient(LPRECT rect) const
{
    if (rect) {
        ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
        ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
    }
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    if (rect) {
        ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->left));
        ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&rect->right));
    }
}

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
void CWnd::SetWindowText(LPCSTR text) { ::SetWindowText(m_hWnd, text); }

int CWnd::GetWindowText(LPSTR buffer, int size) const
{
    return ::GetWindowText(m_hWnd, buffer, size);
}

void CWnd::GetWindowText(CString& text) const
{
    int length = ::GetWindowTextLength(m_hWnd);
    char* buffer = text.GetBuffer(length);
    int got = ::GetWindowText(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer(got);
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }

CWnd* CWnd::GetParent() const
{
    HWND parent = ::GetParent(m_hWnd);
    return parent ? FromHandle(parent) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* newParent)
{
    return FromHandle(::SetParent(m_hWnd, newParent ? newParent->m_hWnd : nullptr));
}

CWnd* CWnd::GetTopLevelParent() const { return FromHandle(winport::topLevelOf(m_hWnd)); }
CWnd* CWnd::GetWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)); }

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE));
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    DWORD style = GetStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtr(m_hWnd, GWL_STYLE, static_cast<LONG>(changed));
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT)
{
    DWORD style = GetExStyle();
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtr(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(changed));
    return TRUE;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

int CWnd::SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, id)); }

void CWnd::SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemText(m_hWnd, id, text); }

int CWnd::GetDlgItemText(int id, LPSTR buffer, int size) const
{
    return static_cast<int>(::GetDlgItemText(m_hWnd, id, buffer, size));
}

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    HWND item = ::GetDlgItem(m_hWnd, id);
    if (!item)
        return 0;
    FromHandle(item)->GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    ::SetDlgItemInt(m_hWnd, id, value, isSigned);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    ::CheckRadioButton(m_hWnd, firstId, lastId, checkId);
}

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    return font ? CFont::FromHandle(font) : nullptr;
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }

int CWnd::ReleaseDC(CDC* dc)
{
    if (!dc)
        return 0;
    HDC handle = dc->m_hDC;
    CDC::DeleteTempMap(handle);
    return ::ReleaseDC(m_hWnd, handle);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, TIMERPROC proc)
{
    return ::SetTimer(m_hWnd, id, elapseMs, proc);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type)
{
    return ::MessageBox(m_hWnd, text, caption ? caption : "", type);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }
BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }
void CWnd::PreSubclassWindow() { }
void CWnd::PostNcDestroy() { }

LRESULT CALLBACK CWnd::WindowProcOfObjects(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hwnd);
    if (!wnd)
        return ::DefWindowProc(hwnd, message, wParam, lParam);
    g_current.push_back(CurrentMessage { hwnd, message, wParam, lParam });
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    g_current.pop_back();
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    for (auto it = g_current.rbegin(); it != g_current.rend(); ++it) {
        if (it->hwnd == m_hWnd)
            return DefWindowProc(it->message, it->wParam, it->lParam);
    }
    return 0;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT value = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (!header || !OnNotify(wParam, lParam, &value))
            return FALSE;
        *result = value;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(GetMessageMap(), message, 0, 0);
    if (!entry)
        return FALSE;
    AFX_MSGCALL call { wParam, lParam, &value, 0, nullptr };
    if (!entry->pfn(this, call))
        return FALSE;
    *result = value;
    return TRUE;
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* wnd = FromHandlePermanent(child);
    return wnd && wnd != this ? wnd->OnChildNotify(message, wParam, lParam, result) : FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    auto control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (!control) {
        code = CN_COMMAND;
    } else {
        if (ReflectToChild(control, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
        if (id == 0)
            return FALSE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectToChild(header->hwndFrom, WM_NOTIFY, 0, lParam, result))
        return TRUE;
    AFX_NOTIFY notify { result, header };
    return OnCmdMsg(static_cast<UINT>(header->idFrom),
        static_cast<int>(MAKELONG(header->code, WM_NOTIFY)), &notify, nullptr);
}

// As in MFC, a reflected message goes straight to this window's message map (CWnd::OnCmdMsg, not
// an override of OnCmdMsg that routes commands elsewhere).
BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND)
        return CWnd::OnCmdMsg(0,
            static_cast<int>(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND)), nullptr,
            nullptr);
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        LRESULT ignored = 0;
        AFX_NOTIFY notify { result ? result : &ignored, header };
        return CWnd::OnCmdMsg(0,
            static_cast<int>(MAKELONG(header->code, WM_REFLECT_BASE + WM_NOTIFY)), &notify,
            nullptr);
    }
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
        if (CWnd* wnd = FromHandlePermanent(hwnd); wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (hwnd == stop || !(::GetWindowLongPtr(hwnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

// The handlers' default: the message goes on to the class procedure.
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CWnd::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, nullptr } };
    static const AFX_MSGMAP map = { &CCmdTarget::GetThisMessageMap, &entries[0] };
    return &map;
}
