// The window manager's interface for the layer above it (the MFC classes), free of Qt.
//
// The MFC layer attaches its objects to windows as they are made, forgets them when windows end,
// and pre-translates messages before they are dispatched. The window manager knows nothing of
// those objects: it calls whatever the layer above registered here, and does nothing until then.
#pragma once

#include <windows.h>

namespace winport {
struct WindowObjectHooks {
    // A window was just made, before it receives WM_NCCREATE.
    void (*created)(HWND hwnd) = nullptr;
    // A window received WM_NCDESTROY; its handle ends right after.
    void (*destroyed)(HWND hwnd) = nullptr;
    // A queued or input message before it is dispatched; TRUE when it was handled.
    BOOL (*preTranslate)(MSG* msg) = nullptr;
};
void setWindowObjectHooks(const WindowObjectHooks& hooks);

// The top-level window of a window (itself when it is not a child).
HWND topLevelOf(HWND hwnd);

// The Qt property on a window's widget that holds its HWND (as an unsigned 64-bit number), for
// code that meets the widget first (input, and the test library's synthetic input).
inline const char* const kHandleProperty = "winport_hwnd";
}
