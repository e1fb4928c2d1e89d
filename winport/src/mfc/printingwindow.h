// The window a running print job shows, as the framework's printing dialog does: the caption
// "Printing", the document's name, the page being printed and a Cancel button. Between pages the
// job lets the user reach it; the owner's top-level window is disabled meanwhile.
#pragma once

#include "afxstr.h"
#include "windows.h"

struct CPrintProgress {
    CPrintProgress(HWND owner, const CString& document);
    ~CPrintProgress();
    CPrintProgress(const CPrintProgress&) = delete;
    CPrintProgress& operator=(const CPrintProgress&) = delete;

    // Shows the page about to print and handles the messages waiting; false once the user has
    // cancelled (Cancel, closing the window, or the application asked to quit).
    bool carryOn(UINT page);

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    HWND m_page = nullptr;
    HWND m_disabled = nullptr;
    WNDPROC m_previous = nullptr;
    bool m_cancelled = false;
};
