// Helpers of the window tests: a top-level host window and a recording window class.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>
#include <winport/testinput.h>
#include <winport/testing.h>

#include <functional>
#include <string>
#include <vector>

namespace wintest {

struct Message {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Every message that reaches a window of the "WinTestRecorder" class, in order.
inline std::vector<Message>& recorded()
{
    static std::vector<Message> log;
    return log;
}

inline LRESULT CALLBACK recorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    recorded().push_back(Message { hwnd, message, wParam, lParam });
    if (message == WM_USER + 100)
        return static_cast<LRESULT>(wParam * 2);
    return DefWindowProc(hwnd, message, wParam, lParam);
}

inline const char* recorderClass()
{
    static bool registered = [] {
        WNDCLASSA wc {};
        wc.lpfnWndProc = recorderProc;
        wc.lpszClassName = "WinTestRecorder";
        return RegisterClass(&wc) != 0;
    }();
    (void)registered;
    return "WinTestRecorder";
}

// The recorded messages of one kind for one window.
inline std::vector<Message> recordedFor(HWND hwnd, UINT message)
{
    std::vector<Message> out;
    for (const Message& m : recorded()) {
        if (m.hwnd == hwnd && m.message == message)
            out.push_back(m);
    }
    return out;
}

// A visible top-level recorder window of the given client size.
inline HWND makeTopLevel(int width = 400, int height = 300)
{
    HWND hwnd = CreateWindowEx(0, recorderClass(), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
        width, height, nullptr, nullptr, nullptr, nullptr);
    winport::testing::PumpEvents(20);
    return hwnd;
}

inline HWND makeChild(HWND parent, const char* className, const char* text, DWORD style, int x,
    int y, int cx, int cy, int id)
{
    return CreateWindowEx(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

// The failures that scripted UI reports while body runs (instead of failing the test).
inline std::vector<std::string> captureScriptFailures(const std::function<void()>& body)
{
    std::vector<std::string> failures;
    winport::testing::EnableScriptedUi([&](const std::string& m) { failures.push_back(m); });
    body();
    winport::testing::EnableScriptedUi([](const std::string& m) { ADD_FAILURE() << m; });
    return failures;
}
}
