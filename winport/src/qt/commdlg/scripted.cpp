// Scripted modal answers, screenshots and simulated input for tests.
#include "winport/testing.h"
#include "qt/windows/msgqueue.h"
#include "qt/windows/qtapp.h"
#include "scripted.h"
#include "qt/windows/window.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QTest>
#include <QTimer>
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
    struct FontAnswer {
        bool ok;
        LOGFONTA font;
        int tenths;
    };
    std::deque<FontAnswer> g_fonts;
    std::deque<PrintAnswer> g_prints;
    std::deque<std::function<void(testing::PrintPreviewDriver&)>> g_previews;

    QWidget* visibleWidget(HWND hwnd)
    {
        Window* w = findWindow(hwnd);
        if (!w || !w->widget || !IsWindowVisible(hwnd))
            return nullptr;
        QWidget* top = w->widget->window();
        if (!top->windowHandle())
            return nullptr;
        return w->widget;
    }

    Qt::MouseButton buttonOf(int button)
    {
        return button == VK_RBUTTON ? Qt::RightButton : Qt::LeftButton;
    }
}

bool scriptedUi() { return g_enabled; }

void reportScriptFailure(const std::string& message)
{
    if (g_onFailure)
        g_onFailure(message);
    else
        std::fprintf(stderr, "winport: %s\n", message.c_str());
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
        + g_fonts.size() + g_prints.size() + g_previews.size());
}

void ClearScripts()
{
    g_messageBoxes.clear();
    g_messageBoxCalls.clear();
    g_modals.clear();
    g_files.clear();
    g_fonts.clear();
    g_prints.clear();
    g_previews.clear();
}

void PumpEvents(int milliseconds) { pumpEvents(milliseconds); }

bool SaveWindowPng(HWND hwnd, const char* path)
{
    QWidget* widget = widgetOf(hwnd);
    if (!widget || !path)
        return false;
    return widget->grab().save(QString::fromLocal8Bit(path), "PNG");
}

namespace {
    // Moves the pointer over a client point of a visible window, as a user's hand would before
    // clicking; gives the window's top-level widget and the point in it.
    QWidget* pointAt(HWND hwnd, int x, int y, QPoint* inTop)
    {
        QWidget* widget = visibleWidget(hwnd);
        if (!widget)
            return nullptr;
        QWidget* top = widget->window();
        *inTop = widget->mapTo(top, QPoint(x, y));
        QCursor::setPos(widget->mapToGlobal(QPoint(x, y)));
        return top;
    }
}

bool Click(HWND hwnd, int x, int y, int button)
{
    QPoint p;
    QWidget* top = pointAt(hwnd, x, y, &p);
    if (!top)
        return false;
    QTest::mouseClick(top->windowHandle(), buttonOf(button), Qt::NoModifier, p);
    return true;
}

void ClickLater(HWND hwnd, int x, int y, int delayMs, int button)
{
    ensureApplication();
    QTimer::singleShot(delayMs, qApp, [=] {
        if (!Click(hwnd, x, y, button))
            reportScriptFailure("ClickLater: the window is gone or hidden");
    });
}

bool DoubleClick(HWND hwnd, int x, int y)
{
    QPoint p;
    QWidget* top = pointAt(hwnd, x, y, &p);
    if (!top)
        return false;
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseDClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
    return true;
}

bool MouseMove(HWND hwnd, int x, int y)
{
    QPoint p;
    QWidget* top = pointAt(hwnd, x, y, &p);
    if (!top)
        return false;
    QTest::mouseMove(top->windowHandle(), p);
    return true;
}

namespace {
    Qt::Key qtKey(UINT vk)
    {
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
            return static_cast<Qt::Key>(vk);
        if (vk >= VK_F1 && vk < VK_F1 + 24)
            return static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(vk - VK_F1));
        switch (vk) {
        case VK_RETURN:
            return Qt::Key_Return;
        case VK_ESCAPE:
            return Qt::Key_Escape;
        case VK_TAB:
            return Qt::Key_Tab;
        case VK_BACK:
            return Qt::Key_Backspace;
        case VK_DELETE:
            return Qt::Key_Delete;
        case VK_LEFT:
            return Qt::Key_Left;
        case VK_RIGHT:
            return Qt::Key_Right;
        case VK_UP:
            return Qt::Key_Up;
        case VK_DOWN:
            return Qt::Key_Down;
        case VK_HOME:
            return Qt::Key_Home;
        case VK_END:
            return Qt::Key_End;
        case VK_PRIOR:
            return Qt::Key_PageUp;
        case VK_NEXT:
            return Qt::Key_PageDown;
        case VK_SPACE:
            return Qt::Key_Space;
        default:
            return Qt::Key_unknown;
        }
    }

    QWidget* focusTarget(HWND hwnd)
    {
        QWidget* widget = visibleWidget(hwnd);
        if (!widget)
            return nullptr;
        if (GetFocus() != hwnd && !IsChild(hwnd, GetFocus()))
            SetFocus(hwnd);
        QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
        return target;
    }
}

bool PressKey(HWND hwnd, UINT virtualKey, bool shift, bool control)
{
    QWidget* target = focusTarget(hwnd);
    Qt::Key key = qtKey(virtualKey);
    if (!target || key == Qt::Key_unknown)
        return false;
    Qt::KeyboardModifiers modifiers;
    if (shift)
        modifiers |= Qt::ShiftModifier;
    if (control)
        modifiers |= Qt::ControlModifier;
    if (key == Qt::Key_Tab && shift)
        key = Qt::Key_Backtab;
    QTest::keyClick(target, key, modifiers);
    return true;
}

bool TypeText(HWND hwnd, const char* text)
{
    QWidget* target = focusTarget(hwnd);
    if (!target || !text)
        return false;
    QTest::keyClicks(target, QString::fromLatin1(text));
    return true;
}
}
