// Dialogs: the "#32770" class, creation from templates with dialog units converted by the
// dialog font, the default dialog procedure, modal loops and keyboard navigation.
#include "qt/controls/controlclasses.h"
#include "dialog.h"
#include "qt/gdi/gdi.h"
#include "latin1.h"
#include "qtapp.h"
#include "qt/commdlg/scripted.h"
#include "window.h"
#include "base/syserror.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QTimer>
#include <cstring>
#include <strings.h>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

namespace winport {
namespace {
    struct DialogState {
        bool modal = false;
        bool ended = false;
        INT_PTR result = 0;
        QEventLoop* loop = nullptr;
        HFONT font = nullptr; // owned
        int defId = 0;
        int unitX = 6; // dialog base units of the font
        int unitY = 13;
    };
    std::unordered_map<HWND, std::shared_ptr<DialogState>> g_dialogs;

    DialogState* stateOf(HWND hwnd)
    {
        auto it = g_dialogs.find(hwnd);
        return it == g_dialogs.end() ? nullptr : it->second.get();
    }

    class DialogWidget : public Control {
    public:
        explicit DialogWidget(Window& window)
            : Control(window)
            , m_widget(new QWidget)
        {
            m_widget->setAutoFillBackground(true);
        }
        QWidget* widget() const override { return m_widget; }
        bool handle(UINT, WPARAM, LPARAM, LRESULT&) override { return false; }
        void showText() override
        {
            if (!m_window.isChild())
                m_widget->setWindowTitle(toQt(m_window.text));
        }

    private:
        QWidget* m_widget;
    };

    void baseUnits(HFONT font, int* x, int* y)
    {
        QFontMetrics m(qtFontOf(font));
        *x = (m.horizontalAdvance(
                  QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
                     / 26
                 + 1)
            / 2;
        *y = m.height();
    }

    // Measuring the font shapes text; a template's font is measured once.
    void templateBaseUnits(const DialogTemplate& t, HFONT font, int* x, int* y)
    {
        using Key = std::tuple<std::string, int, int, int>;
        static std::map<Key, std::pair<int, int>> measured;
        Key key { t.fontFace, t.fontSize, t.fontWeight, t.fontItalic };
        auto it = measured.find(key);
        if (it == measured.end()) {
            int ux, uy;
            baseUnits(font, &ux, &uy);
            it = measured.emplace(key, std::make_pair(ux, uy)).first;
        }
        *x = it->second.first;
        *y = it->second.second;
    }

    bool isPushButton(HWND h)
    {
        char name[16];
        if (!GetClassName(h, name, sizeof name) || strcasecmp(name, "Button") != 0)
            return false;
        LONG_PTR type = GetWindowLongPtr(h, GWL_STYLE) & BS_TYPEMASK;
        return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
    }

    bool isEditWantingReturn(HWND h)
    {
        char name[16];
        LONG_PTR style = GetWindowLongPtr(h, GWL_STYLE);
        // A rich edit keeps its want-return option in the same style bit.
        return GetClassName(h, name, sizeof name)
            && (strcasecmp(name, "Edit") == 0 || strcasecmp(name, "RichEdit20A") == 0)
            && (style & ES_MULTILINE) && (style & ES_WANTRETURN);
    }

    // The dialog's child that holds (or contains) the focus.
    HWND focusedItem(HWND dialog)
    {
        HWND focus = GetFocus();
        while (focus && GetParent(focus) != dialog)
            focus = GetParent(focus);
        return focus;
    }

    // Dispatches what is waiting without blocking until the queue is empty or the dialog has
    // ended. A queue that never empties (a busy timer) still lets the dialog show after a while.
    void drainBeforeShowing(const DialogState& state)
    {
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        for (int pass = 0; dispatcher && !state.ended && pass < 1000; ++pass)
            if (!dispatcher->processEvents(QEventLoop::AllEvents))
                break;
    }

    void pressButton(HWND dialog, int id)
    {
        HWND button = GetDlgItem(dialog, id);
        if (button && !IsWindowEnabled(button))
            return;
        SendMessage(
            dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
}

HWND createDialog(const DialogTemplate& t, HINSTANCE instance, HWND parent, DLGPROC proc,
    LPARAM param, bool modal)
{
    ensureApplication();
    LOGFONTA lf {};
    lf.lfHeight = -MulDiv(t.fontSize, 96, 72);
    lf.lfWeight = t.fontWeight;
    lf.lfItalic = t.fontItalic;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, t.fontFace.c_str(), LF_FACESIZE - 1);
    HFONT font = CreateFontIndirect(&lf);
    int ux, uy;
    templateBaseUnits(t, font, &ux, &uy);
    auto px = [ux](int v) { return MulDiv(v, ux, 4); };
    auto py = [uy](int v) { return MulDiv(v, uy, 8); };

    DWORD style = t.style;
    int x = px(t.x), y = py(t.y);
    if (!(style & WS_CHILD) && parent && !(style & DS_ABSALIGN)) {
        POINT origin { 0, 0 };
        ClientToScreen(parent, &origin);
        x += origin.x;
        y += origin.y;
    }
    HWND dialog = CreateWindowEx(t.exStyle, "#32770", t.caption.c_str(), style & ~WS_VISIBLE, x, y,
        px(t.cx), py(t.cy), parent, nullptr, instance, nullptr);
    if (!dialog) {
        DeleteObject(font);
        return nullptr;
    }
    auto state = std::make_shared<DialogState>();
    state->modal = modal;
    state->font = font;
    state->unitX = ux;
    state->unitY = uy;
    g_dialogs[dialog] = state;
    SetWindowLongPtr(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    SendMessage(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    for (const DialogItem& item : t.items) {
        HWND control = CreateWindowEx(item.exStyle, item.className.c_str(), item.text.c_str(),
            item.style | WS_CHILD, px(item.x), py(item.y), px(item.cx), py(item.cy), dialog,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
        if (!control) {
            if (!(t.style & DS_NOFAILCREATE)) {
                // The dialog fails with the control's error (an unknown class, for instance).
                DWORD error = GetLastError();
                DestroyWindow(dialog);
                return fail(error, HWND(nullptr));
            }
            continue;
        }
        SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!state->defId && item.className == "Button"
            && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            state->defId = item.id;
    }
    if (t.style & DS_CENTER) {
        RECT mine, around { 0, 0, 800, 600 };
        GetWindowRect(dialog, &mine);
        if (parent)
            GetWindowRect(topLevelOf(parent), &around);
        int w = mine.right - mine.left, h = mine.bottom - mine.top;
        SetWindowPos(dialog, nullptr, (around.left + around.right - w) / 2,
            (around.top + around.bottom - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    LRESULT setFocus = SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(dialog))
        return nullptr;
    if (!modal && (t.style & WS_VISIBLE) && !state->ended)
        ShowWindow(dialog, SW_SHOWNORMAL);
    if (setFocus && first && IsWindow(first))
        SetFocus(first);
    return dialog;
}

INT_PTR runModalDialog(const DialogTemplate& t, HINSTANCE instance, HWND parent, DLGPROC proc,
    LPARAM param, const std::function<void()>& beforeCreate)
{
    ModalScript script;
    bool scripted = takeModalScript(("\"" + t.name + "\"").c_str(), &script);
    if (scripted && !script.callback)
        return -1;
    HWND owner = parent ? topLevelOf(parent) : nullptr;
    bool reenable = owner && IsWindowEnabled(owner);
    if (beforeCreate)
        beforeCreate();
    HWND dialog = createDialog(t, instance, parent, proc, param, true);
    if (!dialog)
        return -1;
    std::shared_ptr<DialogState> state = g_dialogs[dialog];
    if (owner)
        EnableWindow(owner, FALSE);
    if (!state->ended) {
        if (QWidget* w = widgetOf(dialog); w && !(GetWindowLongPtr(dialog, GWL_STYLE) & WS_CHILD))
            w->setWindowModality(Qt::ApplicationModal);
        // As on Windows, the dialog appears when its loop first runs out of messages: one that
        // does its work from posted messages and ends before that is never shown or painted.
        // A script acts for the user, who sees the dialog: it starts once the dialog is shown.
        drainBeforeShowing(*state);
        if (!state->ended)
            ShowWindow(dialog, SW_SHOWNORMAL);
        QEventLoop loop;
        state->loop = &loop;
        QObject guard;
        if (scripted) {
            std::weak_ptr<DialogState> weak = state;
            QTimer::singleShot(0, &guard, [dialog, weak, callback = script.callback] {
                if (auto s = weak.lock(); s && !s->ended)
                    callback(dialog);
            });
            QTimer::singleShot(script.timeoutMs, &guard, [dialog, weak, name = t.name] {
                if (auto s = weak.lock(); s && !s->ended) {
                    reportScriptFailure(
                        "modal dialog \"" + name + "\" still open after its script");
                    EndDialog(dialog, IDCANCEL);
                }
            });
        }
        if (!state->ended)
            loop.exec();
        state->loop = nullptr;
    }
    INT_PTR result = state->result;
    if (owner && reenable && IsWindow(owner))
        EnableWindow(owner, TRUE);
    // Every frame that delivered an event to the dialog's widgets has returned.
    if (IsWindow(dialog))
        destroyWindowNow(dialog);
    if (owner && IsWindow(owner))
        SetActiveWindow(owner);
    return result;
}
}

using namespace winport;

HWND CreateDialogParam(
    HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param)
{
    const DialogTemplate* t = findDialogTemplate(instance, templateName);
    return t ? createDialog(*t, instance, parent, proc, param, false) : nullptr;
}

INT_PTR DialogBoxParam(
    HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc, LPARAM param)
{
    const DialogTemplate* t = findDialogTemplate(instance, templateName);
    return t ? runModalDialog(*t, instance, parent, proc, param, nullptr) : -1;
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    DialogState* state = stateOf(dialog);
    if (!state)
        return FALSE;
    state->ended = true;
    state->result = result;
    if (state->modal) {
        if (QWidget* w = widgetOf(dialog))
            w->hide();
        if (state->loop)
            state->loop->exit();
    } else {
        ShowWindow(dialog, SW_HIDE);
    }
    return TRUE;
}

LRESULT DefDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtr(hwnd, DWLP_DLGPROC));
    if (proc) {
        SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 0);
        INT_PTR handled = proc(hwnd, message, wParam, lParam);
        if (!IsWindow(hwnd))
            return handled;
        if (handled) {
            // These messages return the procedure's value; the others DWLP_MSGRESULT.
            if (message == WM_INITDIALOG || (message >= 0x0132 && message <= 0x0138)
                || message == 0x0039 || message == 0x002E || message == 0x002F || message == 0x0037)
                return handled;
            return GetWindowLongPtr(hwnd, DWLP_MSGRESULT);
        }
    }
    DialogState* state = stateOf(hwnd);
    switch (message) {
    case WM_CLOSE:
        PostMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
            reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
        return 0;
    case DM_GETDEFID:
        return state && state->defId ? MAKELRESULT(state->defId, DC_HASDEFID) : 0;
    case DM_SETDEFID: {
        if (!state)
            return FALSE;
        if (HWND old = GetDlgItem(hwnd, state->defId); old && isPushButton(old))
            SendMessage(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        state->defId = static_cast<int>(wParam);
        if (HWND now = GetDlgItem(hwnd, state->defId); now && isPushButton(now))
            SendMessage(now, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        return TRUE;
    }
    case WM_NCDESTROY: {
        auto it = g_dialogs.find(hwnd);
        if (it != g_dialogs.end()) {
            std::shared_ptr<DialogState> s = it->second;
            g_dialogs.erase(it);
            if (s->loop)
                s->loop->exit();
            if (!s->ended)
                s->result = -1;
            s->ended = true;
            DeleteObject(s->font);
        }
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

BOOL MapDialogRect(HWND dialog, LPRECT rect)
{
    DialogState* state = stateOf(dialog);
    if (!state || !rect)
        return FALSE;
    rect->left = MulDiv(rect->left, state->unitX, 4);
    rect->right = MulDiv(rect->right, state->unitX, 4);
    rect->top = MulDiv(rect->top, state->unitY, 8);
    rect->bottom = MulDiv(rect->bottom, state->unitY, 8);
    return TRUE;
}

LONG GetDialogBaseUnits()
{
    ensureApplication();
    int x, y;
    baseUnits(defaultGuiFont(), &x, &y);
    return MAKELONG(x, y);
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg)
{
    if (!msg || !stateOf(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)))
        return FALSE;
    HWND item = focusedItem(dialog);
    if (msg->message == WM_CHAR) {
        // The characters of the navigation keys handled below do not reach the controls.
        WPARAM c = msg->wParam;
        return c == '\t' || c == 0x1B || (c == '\r' && !(item && isEditWantingReturn(item)));
    }
    if (msg->message != WM_KEYDOWN)
        return FALSE;
    switch (msg->wParam) {
    case VK_TAB: {
        bool back = (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier) != 0;
        if (HWND next = GetNextDlgTabItem(dialog, item, back)) {
            SetFocus(next);
            // An edit reached by Tab has its whole text selected, so typing replaces it.
            if (SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                SendMessage(next, EM_SETSEL, 0, -1);
        }
        return TRUE;
    }
    case VK_ESCAPE:
        pressButton(dialog, IDCANCEL);
        return TRUE;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        // From a button, arrows move through its group and check an automatic radio button
        // they land on; controls that want arrows (edits, lists, tabs, calendars) keep them.
        if (!item || !(SendMessage(item, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
            return FALSE;
        HWND next
            = GetNextDlgGroupItem(dialog, item, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
        if (next && next != item) {
            SetFocus(next);
            if ((GetWindowLongPtr(next, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON
                && (SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON))
                SendMessage(next, BM_CLICK, 0, 0);
        }
        return TRUE;
    }
    case VK_RETURN: {
        if (item && isEditWantingReturn(item))
            return FALSE;
        if (item && isPushButton(item)) {
            pressButton(dialog, GetDlgCtrlID(item));
            return TRUE;
        }
        LRESULT def = SendMessage(dialog, DM_GETDEFID, 0, 0);
        pressButton(dialog, HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

std::unique_ptr<winport::Control> winport::makeDialogControl(Window& w, const CREATESTRUCTA&)
{
    return std::make_unique<DialogWidget>(w);
}
