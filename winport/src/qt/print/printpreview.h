// The print preview window (no Qt types: the view layer opens it).
#pragma once

#include <windows.h>

#include <functional>

namespace winport {
// Shows the pages of a job modally. `render` prints the whole job (StartDoc to EndDoc) onto the
// device context it is given, which measures like `printerDc`; it runs whenever the pages are
// drawn. *printRequested tells whether the user closed the preview with Print. False when the
// window could not be shown.
bool runPrintPreview(
    HWND owner, HDC printerDc, const std::function<void(HDC)>& render, bool* printRequested);
}
