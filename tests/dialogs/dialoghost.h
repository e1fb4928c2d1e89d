// Helpers of the dialog tests: a recording target window, calendar days, buttons and the 1083
// commands the target received.
#pragma once

#include "wintest.h"

#include <afxcmn.h>
#include <atltime.h>
#include <gtest/gtest.h>
#include <tessilo40.h>

#include "resources/resource.h"

#include <string>
#include <vector>

namespace dialogtest {

inline CTime day(int year, int month, int dayOfMonth)
{
    return CTime(year, month, dayOfMonth, 0, 0, 0);
}

inline std::string text(CTime t)
{
    return t.GetTime() == 0 ? std::string("zero") : std::string(t.Format("%Y-%m-%d %H:%M:%S"));
}

inline std::string itemText(HWND dialog, int id)
{
    char buffer[1024] = {};
    ::GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

inline std::string calendarDay(HWND dialog, UINT message)
{
    SYSTEMTIME st {};
    ::SendMessage(
        ::GetDlgItem(dialog, IDC_MONTHCALENDAR1), message, 0, reinterpret_cast<LPARAM>(&st));
    return text(CTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0));
}

// A button pressed as the dialog manager reports a click: WM_COMMAND with BN_CLICKED.
inline void press(HWND dialog, int id)
{
    ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
        reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    winport::testing::PumpEvents(10);
}

// A key the user presses in the control (the dialog's keyboard handling included).
inline void key(HWND dialog, int id, UINT virtualKey)
{
    ASSERT_TRUE(winport::testing::PressKey(::GetDlgItem(dialog, id), virtualKey));
    winport::testing::PumpEvents(10);
}

// The 1083 command of a closing dialog: a click from the dialog's OK button, or from no window
// when the user cancelled (`button` null).
inline void expectDone(const wintest::Message& command, HWND button)
{
    EXPECT_EQ(LOWORD(command.wParam), IDC_MFCDATESEL_DONE);
    EXPECT_EQ(HIWORD(command.wParam), BN_CLICKED);
    EXPECT_EQ(reinterpret_cast<HWND>(command.lParam), button);
}

// Tests with a visible parent window and a recording target window for command 1083.
class DialogHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        parentWindow = wintest::makeTopLevel(500, 400);
        target = wintest::makeTopLevel(100, 100);
        wintest::recorded().clear();
    }
    void TearDown() override
    {
        ::DestroyWindow(target);
        ::DestroyWindow(parentWindow);
    }
    CWnd* parent() { return CWnd::FromHandle(parentWindow); }

    // The WM_COMMAND messages the target has received (after the posted ones arrive).
    std::vector<wintest::Message> commands()
    {
        winport::testing::PumpEvents(10);
        return wintest::recordedFor(target, WM_COMMAND);
    }

    HWND parentWindow = nullptr;
    HWND target = nullptr;
};

} // namespace dialogtest
