// Test support from the winport_testing library: screenshots, and real input on windows through
// the window system. Tests, benchmarks and the demo's screenshot option link it; the product
// library does not.
#pragma once

#include <winuser.h>

#include <functional>

namespace winport::testing {
// Saves what the window shows as a PNG file; false when it cannot.
bool SaveWindowPng(HWND hwnd, const char* path);
// Calls onPaint when the window or one of its inner widgets (a scroll area's viewport) receives a
// paint event, before it paints; for as long as the window lives. False for a handle that is not
// a window.
bool WatchPaints(HWND hwnd, std::function<void()> onPaint);
// Runs the event loop until the window's top-level window is exposed: until then the window
// system discards its paints. False when it is not within timeoutMs.
bool WaitExposed(HWND hwnd, int timeoutMs = 5000);

// Real input at a point in the window's client coordinates. The window must be visible.
// button: VK_LBUTTON or VK_RBUTTON.
bool Click(HWND hwnd, int x, int y, int button = VK_LBUTTON);
// The same click, made by the event loop after delayMs: input that arrives while the program is
// busy (for example inside a PeekMessage loop). A window gone by then is a scripted-UI failure.
void ClickLater(HWND hwnd, int x, int y, int delayMs, int button = VK_LBUTTON);
bool DoubleClick(HWND hwnd, int x, int y);
bool MouseMove(HWND hwnd, int x, int y);
// Keys go to the window with the focus; the window is focused first.
bool PressKey(HWND hwnd, UINT virtualKey, bool shift = false, bool control = false);
bool TypeText(HWND hwnd, const char* text);
}
