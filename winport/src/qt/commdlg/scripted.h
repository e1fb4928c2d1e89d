// The scripted answers of modal UI (see winport/testing.h), as the modal calls take them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

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
bool takeFontAnswer(bool* ok, LOGFONTA* font, int* pointSizeTenths);
bool takePrintAnswer(bool* ok, std::string* printerName);
}
