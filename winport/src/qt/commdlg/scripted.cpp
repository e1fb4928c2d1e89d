// Scripted answers of modal UI (see winport/testing.h).
#include "winport/testing.h"
#include "qt/windows/msgqueue.h"
#include "scripted.h"

#include <deque>

namespace winport {
namespace {
    bool g_enabled = false;
    testing::FailureHandler g_onFailure;
    std::deque<int> g_messageBoxes;
    std::vector<testing::MessageBoxCall> g_messageBoxCalls;
    std::deque<ModalScript> g_modals;
    struct FileAnswer {
        bool ok;
        std::string path;
    };
    std::deque<FileAnswer> g_files;
    std::deque<UINT> g_popups;
    struct FontAnswer {
        bool ok;
        LOGFONTA font;
        int tenths;
    };
    std::deque<FontAnswer> g_fonts;
    std::deque<PrintAnswer> g_prints;
    std::vector<std::string> g_failures;
    std::deque<std::function<void(testing::PrintPreviewDriver&)>> g_previews;
}

bool scriptedUi() { return g_enabled; }

void reportScriptFailure(const std::string& message)
{
    g_failures.push_back(message);
    if (g_onFailure)
        g_onFailure(message);
}

bool takeMessageBoxAnswer(HWND owner, const char* caption, const char* text, UINT type, int* answer)
{
    if (!g_enabled)
        return false;
    *answer = 0;
    if (g_messageBoxes.empty()) {
        reportScriptFailure(std::string("unscripted message box \"") + (caption ? caption : "")
            + "\": " + (text ? text : ""));
    } else {
        *answer = g_messageBoxes.front();
        g_messageBoxes.pop_front();
    }
    g_messageBoxCalls.push_back(
        testing::MessageBoxCall { owner, caption ? caption : "", text ? text : "", type, *answer });
    return true;
}

bool takeModalScript(const char* what, ModalScript* script)
{
    if (!g_enabled)
        return false;
    if (g_modals.empty()) {
        reportScriptFailure(std::string("unscripted modal dialog ") + what);
        script->callback = nullptr;
    } else {
        *script = std::move(g_modals.front());
        g_modals.pop_front();
    }
    return true;
}

bool takePopupMenuAnswer(UINT* chosen)
{
    if (!g_enabled)
        return false;
    *chosen = 0;
    if (g_popups.empty()) {
        reportScriptFailure("unscripted shortcut menu");
        return true;
    }
    *chosen = g_popups.front();
    g_popups.pop_front();
    return true;
}

bool takeFileAnswer(bool* ok, std::string* path)
{
    if (!g_enabled)
        return false;
    *ok = false;
    if (g_files.empty()) {
        reportScriptFailure("unscripted file dialog");
        return true;
    }
    *ok = g_files.front().ok;
    *path = g_files.front().path;
    g_files.pop_front();
    return true;
}

bool takeFontAnswer(bool* ok, LOGFONTA* font, int* pointSizeTenths)
{
    if (!g_enabled)
        return false;
    *ok = false;
    if (g_fonts.empty()) {
        reportScriptFailure("unscripted font dialog");
        return true;
    }
    *ok = g_fonts.front().ok;
    *font = g_fonts.front().font;
    *pointSizeTenths = g_fonts.front().tenths;
    g_fonts.pop_front();
    return true;
}

bool takePrintAnswer(PrintAnswer* answer)
{
    if (!g_enabled)
        return false;
    *answer = PrintAnswer {};
    if (g_prints.empty()) {
        reportScriptFailure("unscripted print dialog");
        return true;
    }
    *answer = g_prints.front();
    g_prints.pop_front();
    return true;
}

bool takePreviewScript(std::function<void(testing::PrintPreviewDriver&)>* script)
{
    if (!g_enabled)
        return false;
    *script = nullptr;
    if (g_previews.empty()) {
        reportScriptFailure("unscripted print preview");
        return true;
    }
    *script = std::move(g_previews.front());
    g_previews.pop_front();
    return true;
}
}

namespace winport::testing {
void EnableScriptedUi(FailureHandler onFailure)
{
    g_enabled = true;
    g_onFailure = std::move(onFailure);
}

bool ScriptedUiEnabled() { return g_enabled; }
void ScriptMessageBox(int answer) { g_messageBoxes.push_back(answer); }
std::vector<MessageBoxCall> MessageBoxCalls() { return g_messageBoxCalls; }

void ScriptModalDialog(std::function<void(HWND)> callback, int timeoutMs)
{
    g_modals.push_back(ModalScript { std::move(callback), timeoutMs });
}

void ScriptFileDialog(const std::string& path) { g_files.push_back(FileAnswer { true, path }); }
void ScriptFileDialogCancel() { g_files.push_back(FileAnswer { false, {} }); }

void ScriptPopupMenu(UINT id) { g_popups.push_back(id); }

void ScriptFontDialog(const LOGFONTA& font, int pointSizeTenths)
{
    g_fonts.push_back(FontAnswer { true, font, pointSizeTenths });
}

void ScriptFontDialogCancel() { g_fonts.push_back(FontAnswer { false, {}, 0 }); }
void ScriptPrintDialog(
    const std::string& printerName, const std::string& outputFile, bool landscape)
{
    g_prints.push_back(PrintAnswer { true, printerName, outputFile, landscape });
}
void ScriptPrintDialogCancel() { g_prints.push_back(PrintAnswer {}); }
void ScriptPrintPreview(std::function<void(PrintPreviewDriver&)> callback)
{
    g_previews.push_back(std::move(callback));
}

int UnusedScripts()
{
    return static_cast<int>(g_messageBoxes.size() + g_modals.size() + g_files.size()
        + g_popups.size() + g_fonts.size() + g_prints.size() + g_previews.size());
}

std::vector<std::string> ScriptFailures() { return g_failures; }

void ReportScriptFailure(const std::string& message) { reportScriptFailure(message); }

void ClearScripts()
{
    g_failures.clear();
    g_messageBoxes.clear();
    g_messageBoxCalls.clear();
    g_modals.clear();
    g_files.clear();
    g_popups.clear();
    g_fonts.clear();
    g_prints.clear();
    g_previews.clear();
}

void PumpEvents(int milliseconds) { pumpEvents(milliseconds); }
}
