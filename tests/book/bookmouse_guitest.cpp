// The mouse hook: positions and right clicks reach the current page in screen coordinates.
#include "pagehost.h"
#include <gtest/gtest.h>

namespace {

class MouseHook : public PageHostTest {
protected:
    // A plain child window of the book, as a page puts its views there.
    HWND child()
    {
        if (!m_child.GetSafeHwnd())
            m_child.CreateEx(
                0, nullptr, "child", WS_CHILD | WS_VISIBLE, CRect(20, 40, 140, 70), &bk(), 3001);
        return m_child.GetSafeHwnd();
    }
    CWnd m_child;
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
    addPage("A", 0);
    RecordingPage& b = addPage("B", 1);
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

    bk().bookShow(FALSE); // removes the hook (and hides the book: show it again to click)
    bk().ShowWindow(SW_SHOW);
    calls.clear();
    rightClick(target, CPoint(7, 9));
    EXPECT_TRUE(calls.empty());
}

TEST_F(MouseHook, TheLastShownBookOwnsTheHook)
{
    currentPage("A", 0);
    bk().bookShow(TRUE);
    long status = -1;
    book second(&host(), 2u, &status);
    ASSERT_EQ(status, 0);
    RecordingPage z(&second, "Z", 0, nullptr, &calls, "Z");
    second.bookToPage(0);
    second.bookShow(TRUE);
    calls.clear();
    rightClick(child(), CPoint(3, 3));
    // The first book's hook is still installed and reports to the new owner too.
    EXPECT_EQ(calls, (Calls { "Z:MouseRButtonDown", "Z:MouseRButtonDown" }));
    second.bookShow(FALSE); // clears the owner: the first book's hook reports to nobody
    second.ShowWindow(SW_SHOW);
    calls.clear();
    rightClick(child(), CPoint(3, 3));
    EXPECT_TRUE(calls.empty());
    second.bookShow(FALSE);
    bk().bookShow(FALSE);
}

TEST_F(MouseHook, DestroyRemovesTheHook)
{
    RecordingPage& a = currentPage("A", 0);
    bk().bookShow(TRUE);
    HWND target = child();
    rightClick(target, CPoint(5, 5));
    ASSERT_EQ(calls.back(), "A:MouseRButtonDown");
    bk().Destroy();
    EXPECT_EQ(bk().bookGetPage(0), nullptr);
    // With the page back in the table, only a removed hook explains silence.
    ASSERT_EQ(bk().bookRegisterPage(&a, 0), 0);
    calls.clear();
    rightClick(target, CPoint(5, 5));
    EXPECT_TRUE(calls.empty());
    bk().MouseRButtonDown(HTCLIENT, CPoint(1, 1));
    EXPECT_EQ(calls, (Calls { "A:MouseRButtonDown" }));
}
