// The dialog manager: dialogs built from templates, modal loops and EndDialog.
#pragma once

#include "resources/resources.h"

#include <functional>

namespace winport {
// Creates the dialog and its controls, sends WM_INITDIALOG and shows it when the template says
// so (a modeless dialog). NULL when a control cannot be created.
HWND createDialog(const DialogTemplate& dialog, HINSTANCE instance, HWND parent, DLGPROC proc,
    LPARAM param, bool modal);
// Runs a modal dialog in its own event loop until EndDialog; -1 when it cannot be created or
// scripted UI has no answer for it. beforeCreate runs just before the window is made.
INT_PTR runModalDialog(const DialogTemplate& dialog, HINSTANCE instance, HWND parent, DLGPROC proc,
    LPARAM param, const std::function<void()>& beforeCreate);
}
