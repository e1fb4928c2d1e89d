// Finds the widget behind a window, from the handle property the window manager sets on it.
#pragma once

#include <windows.h>

class QWidget;

namespace winport::testing {
// The window's widget; NULL for a handle that is not a window.
QWidget* widgetOfWindow(HWND hwnd);
}
