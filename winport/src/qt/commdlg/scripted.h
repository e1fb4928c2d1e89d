// The scripted answers of modal UI (see winport/testing.h), as the modal calls take them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace winport::testing {
class PrintPreviewDriver;
}

namespace winport {
bool scriptedUi();
void reportScriptFailure(const std::string& message);

// Each take* returns false when scripted UI is off. When it is on and nothing was scripted, it
// reports the failure and answers "cancel".
bool takeMessageBoxAnswer(
    HWND owner, const char* caption, const char* text, UINT type, int* answer);
struct ModalScript {
    std::function<void(HWND)> callback;
    int timeoutMs = 5000;
};
bool takeModalScript(const char* what, ModalScript* script);
bool takeFileAnswer(bool* ok, std::string* path);
// The id chosen in a shortcut menu (0: dismissed).
bool takePopupMenuAnswer(UINT* chosen);
bool takeFontAnswer(bool* ok, LOGFONTA* font, int* pointSizeTenths);
struct PrintAnswer {
    bool ok = false;
    std::string printer; // "" for the default printer
    std::string output; // the "PDF" printer's file, "" when not named
    bool landscape = false;
    int fromPage = 0; // 0: all pages
    int toPage = 0;
};
bool takePrintAnswer(PrintAnswer* answer);
// The script of the next print preview window (NULL after a reported failure).
bool takePreviewScript(std::function<void(testing::PrintPreviewDriver&)>* script);
}
