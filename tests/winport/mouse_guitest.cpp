// The mouse hook sees real clicks in screen coordinates; mouse tracking posts hover and leave;
// the wait and arrow cursors.
#include "wintest.h"

#include <afxwin.h>
#include <gtest/gtest.h>

using namespace wintest;
using winport::testing::PumpEvents;

namespace {
struct HookCall {
    int code;
    UINT message;
    MOUSEHOOKSTRUCT info;
};
std::vector<HookCall> g_calls;
HHOOK g_hook = nullptr;
LRESULT g_answer = 0;

LRESULT CALLBACK recordingHook(int code, WPARAM wParam, LPARAM lParam)
{
    g_calls.push_back(
        HookCall { code, static_cast<UINT>(wParam), *reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam) });
    LRESULT next = CallNextHookEx(g_hook, code, wParam, lParam);
    return g_answer ? g_answer : next;
}

class Mouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = makeTopLevel();
        child = makeChild(host, recorderClass(), "child", 0, 40, 30, 120, 80, 5);
        other = makeChild(host, recorderClass(), "other", 0, 200, 30, 120, 80, 6);
        PumpEvents(10);
        g_calls.clear();
        recorded().clear();
        g_answer = 0;
    }
    void TearDown() override
    {
        if (g_hook)
            UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
        DestroyWindow(host);
    }
    HWND host = nullptr, child = nullptr, other = nullptr;
};

TEST_F(Mouse, HookSeesARightClickInScreenCoordinates)
{
    g_hook = SetWindowsHookEx(WH_MOUSE, recordingHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(g_hook, nullptr);
    ASSERT_TRUE(winport::testing::Click(child, 7, 9, VK_RBUTTON));
    POINT expected { 7, 9 };
    ClientToScreen(child, &expected);
    bool sawDown = false;
    for (const HookCall& c : g_calls) {
        if (c.message != WM_RBUTTONDOWN)
            continue;
        sawDown = true;
        EXPECT_EQ(c.code, HC_ACTION);
        EXPECT_EQ(c.info.pt.x, expected.x);
        EXPECT_EQ(c.info.pt.y, expected.y);
        EXPECT_EQ(c.info.hwnd, child);
        EXPECT_EQ(c.info.wHitTestCode, static_cast<UINT>(HTCLIENT));
    }
    EXPECT_TRUE(sawDown);
    EXPECT_EQ(recordedFor(child, WM_RBUTTONDOWN).size(), 1u); // passed on to the window
    POINT cursor;
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);

    ASSERT_TRUE(UnhookWindowsHookEx(g_hook));
    g_hook = nullptr;
    g_calls.clear();
    winport::testing::Click(child, 7, 9, VK_RBUTTON);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_FALSE(UnhookWindowsHookEx(reinterpret_cast<HHOOK>(0x1)));
}

TEST_F(Mouse, AHookThatAnswersNonZeroSwallowsTheMessage)
{
    g_hook = SetWindowsHookEx(WH_MOUSE, recordingHook, nullptr, GetCurrentThreadId());
    g_answer = 1;
    winport::testing::Click(child, 3, 3);
    EXPECT_FALSE(g_calls.empty());
    EXPECT_TRUE(recordedFor(child, WM_LBUTTONDOWN).empty());
    EXPECT_EQ(SetWindowsHookEx(4 /* not a mouse hook */, recordingHook, nullptr, 0), nullptr);
}

// Two hooks with one procedure and one remembered handle, as a program that installs its hook
// twice has: each runs once per event, whichever handle it passes on.
TEST_F(Mouse, TheChainGoesOnAfterTheRunningHookWhateverHandleIsPassed)
{
    HHOOK first = SetWindowsHookEx(WH_MOUSE, recordingHook, nullptr, GetCurrentThreadId());
    g_hook = SetWindowsHookEx(WH_MOUSE, recordingHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(first, g_hook);
    ASSERT_TRUE(winport::testing::Click(child, 4, 4, VK_RBUTTON));
    size_t downs = 0;
    for (const HookCall& c : g_calls)
        downs += c.message == WM_RBUTTONDOWN;
    EXPECT_EQ(downs, 2u);
    EXPECT_TRUE(UnhookWindowsHookEx(first));
}

TEST_F(Mouse, TrackingPostsHoverThenLeave)
{
    winport::testing::MouseMove(child, 10, 10);
    TRACKMOUSEEVENT track { sizeof track, TME_HOVER | TME_LEAVE, child, 30 };
    ASSERT_TRUE(TrackMouseEvent(&track));
    TRACKMOUSEEVENT query { sizeof query, TME_QUERY, child, 0 };
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.dwFlags, static_cast<DWORD>(TME_HOVER | TME_LEAVE));
    winport::testing::MouseMove(child, 12, 11);
    PumpEvents(120);
    auto hovers = recordedFor(child, WM_MOUSEHOVER);
    ASSERT_EQ(hovers.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(hovers[0].lParam), 12);
    EXPECT_TRUE(recordedFor(child, WM_MOUSELEAVE).empty());
    winport::testing::MouseMove(other, 5, 5);
    PumpEvents(20);
    EXPECT_EQ(recordedFor(child, WM_MOUSELEAVE).size(), 1u);
    // Tracking a window the mouse is not over reports leaving at once.
    ASSERT_TRUE(TrackMouseEvent(&track));
    PumpEvents(20);
    EXPECT_EQ(recordedFor(child, WM_MOUSELEAVE).size(), 2u);
}

TEST_F(Mouse, WaitAndArrowCursors)
{
    HCURSOR wait = LoadCursor(nullptr, IDC_WAIT), arrow = LoadCursor(nullptr, IDC_ARROW);
    ASSERT_NE(wait, nullptr);
    ASSERT_NE(arrow, nullptr);
    EXPECT_NE(wait, arrow);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
    SetCursor(arrow);
    EXPECT_EQ(SetCursor(wait), arrow);
    EXPECT_EQ(GetCursor(), wait);
    EXPECT_EQ(SetCursor(arrow), wait);
    CCmdTarget target;
    target.BeginWaitCursor();
    EXPECT_EQ(GetCursor(), wait);
    target.EndWaitCursor();
    EXPECT_EQ(GetCursor(), arrow);
}
}
