#include "printingwindow.h"

#include <algorithm>

namespace {
const int kWidth = 280;
const int kHeight = 130;
}

CPrintProgress::CPrintProgress(HWND owner, const CString& document)
{
    HWND top = owner;
    while (top && (::GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD))
        top = ::GetParent(top);
    RECT area { 0, 0, 0, 0 };
    if (top)
        ::GetWindowRect(top, &area);
    int x = area.left + std::max(0L, static_cast<long>(area.right - area.left - kWidth) / 2);
    int y = area.top + std::max(0L, static_cast<long>(area.bottom - area.top - kHeight) / 2);
    m_hwnd = ::CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "Printing",
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, x, y, kWidth, kHeight, top, nullptr,
        nullptr, nullptr);
    if (!m_hwnd)
        return;
    ::CreateWindowExA(0, "Static", document.GetString(), WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 10,
        kWidth - 20, 18, m_hwnd, nullptr, nullptr, nullptr);
    m_page = ::CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 32,
        kWidth - 20, 18, m_hwnd, nullptr, nullptr, nullptr);
    ::CreateWindowExA(0, "Button", "Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        (kWidth - 80) / 2, 60, 80, 24, m_hwnd, reinterpret_cast<HMENU>(IDCANCEL), nullptr, nullptr);
    ::SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&proc)));
    if (top && ::IsWindowEnabled(top)) {
        ::EnableWindow(top, FALSE);
        m_disabled = top;
    }
    ::ShowWindow(m_hwnd, SW_SHOW);
}

CPrintProgress::~CPrintProgress()
{
    if (m_disabled && ::IsWindow(m_disabled))
        ::EnableWindow(m_disabled, TRUE);
    if (m_hwnd && ::IsWindow(m_hwnd))
        ::DestroyWindow(m_hwnd);
}

bool CPrintProgress::carryOn(UINT page)
{
    if (m_page) {
        CString text;
        text.Format("Page %u", page);
        ::SetWindowTextA(m_page, text.GetString());
    }
    MSG msg;
    while (!m_cancelled && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Stop printing and leave the request for the application's own loop.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            m_cancelled = true;
            break;
        }
        if (!m_hwnd || !::IsDialogMessageA(m_hwnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return !m_cancelled;
}

LRESULT CALLBACK CPrintProgress::proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CPrintProgress*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || message == WM_CLOSE)) {
        self->m_cancelled = true;
        return 0;
    }
    return ::CallWindowProc(self ? self->m_previous : ::DefDlgProc, hwnd, message, wParam, lParam);
}
