// Modal UI answered by script, for tests and unattended runs. (Screenshots and synthetic input on
// windows are in the winport_testing library: winport/testinput.h.)
//
// Once EnableScriptedUi is on, every modal call (message box, our own modal dialogs, file, font
// and print dialogs) takes the next scripted answer of its kind; a modal call without one reports
// a failure through the handler and returns at once (as if cancelled) instead of waiting.
#pragma once

#include "winport/export.h"
#include "wingdi.h"
#include "winuser.h"

#include <functional>
#include <string>
#include <vector>

namespace winport::testing {

using FailureHandler = std::function<void(const std::string& message)>;
WINPORT_API void EnableScriptedUi(FailureHandler onFailure);
WINPORT_API bool ScriptedUiEnabled();

// Message boxes: the button the "user" presses (IDOK, IDYES...), in call order.
WINPORT_API void ScriptMessageBox(int answer);
struct MessageBoxCall {
    HWND owner;
    std::string caption;
    std::string text;
    UINT type;
    int answer;
};
// Every message box shown since the last ClearScripts, in order.
WINPORT_API std::vector<MessageBoxCall> MessageBoxCalls();

// Our own modal dialogs (DoModal, DialogBox): the callback runs once the dialog is up (after
// WM_INITDIALOG) with its window, and presses its buttons through messages. If the dialog is
// still open when the callback returns and nothing ends it within timeoutMs, the test fails and
// the dialog ends with IDCANCEL.
WINPORT_API void ScriptModalDialog(std::function<void(HWND dialog)> callback, int timeoutMs = 5000);

// File dialogs: the chosen path (Windows or native form), or cancel.
WINPORT_API void ScriptFileDialog(const std::string& path);
WINPORT_API void ScriptFileDialogCancel();
// Shortcut menus (TrackPopupMenu): the id of the item chosen, 0 to dismiss the menu. An id
// the menu does not offer enabled is a failure.
WINPORT_API void ScriptPopupMenu(UINT id);
// Font dialogs: the chosen font and its size in tenths of a point, or cancel.
WINPORT_API void ScriptFontDialog(const LOGFONTA& font, int pointSizeTenths);
WINPORT_API void ScriptFontDialogCancel();
// Print dialogs: confirm (with the printer name, empty for the default; for the "PDF" printer
// the file to write, empty for the default one; the orientation chosen) or cancel.
WINPORT_API void ScriptPrintDialog(
    const std::string& printerName, const std::string& outputFile = {}, bool landscape = false);
WINPORT_API void ScriptPrintDialogCancel();

// The print preview window, as a test drives it. The callback runs once the pages are drawn;
// the window closes when the callback returns, if nothing closed it before.
class PrintPreviewDriver {
public:
    virtual ~PrintPreviewDriver() = default;
    virtual int PageCount() const = 0;
    virtual int CurrentPage() const = 0; // from 1
    virtual void NextPage() = 0;
    virtual void PreviousPage() = 0;
    virtual void ZoomIn() = 0;
    virtual void ZoomOut() = 0;
    // Closes the preview and prints (the view's print command runs after the window is gone).
    virtual void Print() = 0;
    virtual void Close() = 0;
    // Saves the current page as drawn in the preview, or the window, as PNG.
    virtual bool SavePagePng(const char* path) = 0;
    virtual bool SaveWindowPng(const char* path) = 0;
};
WINPORT_API void ScriptPrintPreview(std::function<void(PrintPreviewDriver&)> callback);

// Scripted answers not used yet (a test that scripted too much has a bug too).
WINPORT_API int UnusedScripts();
// Every failure reported since the last ClearScripts, in order (also with no handler).
WINPORT_API std::vector<std::string> ScriptFailures();
// Reports a failure of scripted UI: recorded, and passed to the handler.
WINPORT_API void ReportScriptFailure(const std::string& message);
WINPORT_API void ClearScripts();

// Runs the event loop (and the posted messages) for the given time.
WINPORT_API void PumpEvents(int milliseconds);
// Chooses the item of the window's menu bar as a user does (posting its WM_COMMAND); false when
// the window has no such item or it or its popup is disabled.
WINPORT_API bool ChooseMenuItem(HWND hwnd, UINT id);
}
