// Menus: a menu bar takes its height from the client area and keeps the window's children and
// client coordinates; choosing an item posts its command; disabled items cannot be chosen.
#include "wintest.h"

#include <afxwin.h>
#include <gtest/gtest.h>

using winport::testing::ChooseMenuItem;
using winport::testing::PumpEvents;

namespace {

std::vector<UINT> commandIds(HWND hwnd)
{
    std::vector<UINT> ids;
    for (const wintest::Message& m : wintest::recordedFor(hwnd, WM_COMMAND)) {
        EXPECT_EQ(HIWORD(m.wParam), 0);
        EXPECT_EQ(m.lParam, 0);
        ids.push_back(LOWORD(m.wParam));
    }
    return ids;
}

class MenuBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame = wintest::makeTopLevel(400, 300);
        child = wintest::makeChild(frame, "Static", "child", 0, 0, 0, 50, 20, 5);
        ASSERT_TRUE(file.CreatePopupMenu());
        ASSERT_TRUE(file.AppendMenu(MF_STRING, 101, "&Open"));
        ASSERT_TRUE(file.AppendMenu(MF_SEPARATOR));
        ASSERT_TRUE(file.AppendMenu(MF_STRING | MF_GRAYED, 102, "&Save"));
        ASSERT_TRUE(bar.CreateMenu());
        ASSERT_TRUE(bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(file.Detach()), "&File"));
        ASSERT_TRUE(bar.AppendMenu(MF_STRING, 103, "&Help"));
        wintest::recorded().clear();
    }
    void TearDown() override { DestroyWindow(frame); }

    HWND frame = nullptr;
    HWND child = nullptr;
    CMenu bar;
    CMenu file;
};

} // namespace

TEST_F(MenuBar, TakesItsHeightFromTheClientAreaAndKeepsChildrenAndClientCoordinates)
{
    CRect before;
    ASSERT_TRUE(GetClientRect(frame, &before));
    ASSERT_TRUE(SetMenu(frame, bar));
    PumpEvents(20);
    EXPECT_EQ(GetMenu(frame), bar.GetSafeHmenu());
    CRect after;
    ASSERT_TRUE(GetClientRect(frame, &after));
    EXPECT_EQ(after.Width(), before.Width());
    EXPECT_GT(before.Height() - after.Height(), 10);
    std::vector<wintest::Message> sizes = wintest::recordedFor(frame, WM_SIZE);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(HIWORD(sizes.back().lParam), after.Height());

    // The client area starts below the bar: the child at (0, 0) is there, and visible.
    CRect window, childRect;
    GetWindowRect(frame, &window);
    GetWindowRect(child, &childRect);
    EXPECT_EQ(childRect.top - window.top, before.Height() - after.Height());
    POINT origin { 0, 0 };
    ClientToScreen(frame, &origin);
    EXPECT_EQ(origin.y, childRect.top);
    EXPECT_TRUE(IsWindowVisible(child));

    // Mouse input on the client area arrives in client coordinates.
    wintest::recorded().clear();
    ASSERT_TRUE(winport::testing::Click(frame, 200, 100));
    std::vector<wintest::Message> downs = wintest::recordedFor(frame, WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 200);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 100);

    ASSERT_TRUE(SetMenu(frame, nullptr));
    GetClientRect(frame, &after);
    EXPECT_EQ(after.Height(), before.Height());
    GetWindowRect(child, &childRect);
    EXPECT_EQ(childRect.top, window.top);
    EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(MenuBar, ChoosingAnItemPostsItsCommandAndDisabledItemsCannotBeChosen)
{
    ASSERT_TRUE(SetMenu(frame, bar));
    EXPECT_TRUE(ChooseMenuItem(frame, 101));
    EXPECT_TRUE(ChooseMenuItem(frame, 103));
    EXPECT_FALSE(ChooseMenuItem(frame, 102)); // grayed
    EXPECT_FALSE(ChooseMenuItem(frame, 999));
    EXPECT_TRUE(commandIds(frame).empty()); // posted, not sent
    PumpEvents(20);
    EXPECT_EQ(commandIds(frame), (std::vector<UINT> { 101, 103 }));

    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(GetMenuItemID(popup, 2), 102u);
    EXPECT_EQ(GetMenuItemID(bar, 0), static_cast<UINT>(-1)); // a popup
    // Enabling through the bar finds the item in its popup; the bar shows the change.
    EXPECT_EQ(bar.EnableMenuItem(102, MF_ENABLED), static_cast<UINT>(MF_GRAYED));
    EXPECT_TRUE(ChooseMenuItem(frame, 102));
    EXPECT_EQ(EnableMenuItem(bar, 0, MF_BYPOSITION | MF_GRAYED), static_cast<UINT>(MF_ENABLED));
    EXPECT_FALSE(ChooseMenuItem(frame, 101)); // its popup is disabled
    EXPECT_EQ(EnableMenuItem(bar, 555, MF_GRAYED), static_cast<UINT>(-1));
}

TEST_F(MenuBar, DestroyingTheMenuTakesItOffTheWindow)
{
    ASSERT_TRUE(SetMenu(frame, bar));
    CRect withMenu, without;
    GetClientRect(frame, &withMenu);
    EXPECT_TRUE(bar.DestroyMenu());
    EXPECT_EQ(GetMenu(frame), nullptr);
    GetClientRect(frame, &without);
    EXPECT_GT(without.Height(), withMenu.Height());
    EXPECT_FALSE(ChooseMenuItem(frame, 101));
    CMenu other;
    ASSERT_TRUE(other.CreateMenu());
    EXPECT_FALSE(SetMenu(child, other)); // child windows have no menu bar
}
