// The mouse hook: positions and right clicks reach the current page in screen coordinates.
#include "recordingpage.h"
#include "bookhost.h"
#include <gtest/gtest.h>

using Calls = std::vector<std::string>;

namespace {

class MouseHook : public BookHostTest {
protected:
    HWND child()
    {
        if (!m_child)
            m_child = ::CreateWindowEx(0, "BUTTON", "Child", WS_CHILD | WS_VISIBLE, 20, 40, 120, 30,
                bk().GetSafeHwnd(), reinterpret_cast<HMENU>(3001), nullptr, nullptr);
        return m_child;
    }
    HWND m_child = nullptr;
};

} // namespace

TEST_F(MouseHook, NoPositionBeforeTheFirstEvent)
{
    POINT where { 5, 5 };
    bk().bookMouseGetPos(&where);
    EXPECT_EQ(where.x, -1);
    EXPECT_EQ(where.y, -1);
    bk().bookMouseGetPos(nullptr);
}

TEST_F(MouseHook, RightClickOnAChildWindowReachesTheCurrentPage)
{
    Calls calls;
    RecordingPage a(&bk(), "A", 0, nullptr, &calls, "A");
    RecordingPage b(&bk(), "B", 1, nullptr, &calls, "B");
    bk().bookToPage(1);
    bk().bookShow(TRUE);
    HWND target = child();
    ASSERT_NE(target, nullptr);
    calls.clear();
    rightClick(target, CPoint(7, 9));
    POINT expected { 7, 9 };
    ::ClientToScreen(target, &expected);
    ASSERT_EQ(calls, (Calls { "B:MouseRButtonDown" }));
    EXPECT_EQ(b.lastRightClick, CPoint(expected.x, expected.y));
    EXPECT_EQ(b.lastHitTest, UINT(HTCLIENT));
    POINT last {};
    bk().bookMouseGetPos(&last);
    EXPECT_EQ(last.x, expected.x);
    EXPECT_EQ(last.y, expected.y);

    bk().bookShow(FALSE);
    calls.clear();
    rightClick(target, CPoint(7, 9));
    EXPECT_TRUE(calls.empty());
}

TEST_F(MouseHook, TheLastShownBookOwnsTheHook)
{
    Calls calls;
    RecordingPage a(&bk(), "A", 0, nullptr, &calls, "A");
    bk().bookToPage(0);
    bk().bookShow(TRUE);
    long status = -1;
    book second(&host(), 2u, &status);
    ASSERT_EQ(status, 0);
    RecordingPage z(&second, "Z", 0, nullptr, &calls, "Z");
    second.bookToPage(0);
    second.bookShow(TRUE);
    calls.clear();
    rightClick(child(), CPoint(3, 3));
    EXPECT_EQ(calls, (Calls { "Z:MouseRButtonDown" }));
    second.bookShow(FALSE);
    bk().bookShow(FALSE);
}
