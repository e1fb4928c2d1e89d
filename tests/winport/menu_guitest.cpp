// Menus: a menu bar takes its height from the client area and keeps the window's children and
// client coordinates; choosing an item posts its command; disabled items cannot be chosen.
#include "wintest.h"

#include <afxwin.h>
#include <gtest/gtest.h>
#include <winport/resources.h>

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

namespace {

// A module of the test's own with one MENU resource.
const char* const kScript = R"(
7001 MENU
BEGIN
    POPUP "Shortcut"
    BEGIN
        MENUITEM "Add", 7002
        MENUITEM SEPARATOR
        MENUITEM "Gone", 7003, GRAYED
        POPUP "More"
        BEGIN
            MENUITEM "Deep", 7004
        END
    END
END
)";

int g_moduleAnchor;

} // namespace

TEST(ShortcutMenu, LoadsFromResourcesAndTracksTheScriptedChoice)
{
    ASSERT_TRUE(WinportRegisterResources(&g_moduleAnchor, kScript, ""));
    HWND owner = wintest::makeTopLevel(200, 100);
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(7999)) << "no such menu";
    ASSERT_TRUE(menu.LoadMenu(7001));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->GetMenuItemCount(), 4);
    EXPECT_EQ(popup->GetMenuItemID(0), 7002u);
    EXPECT_EQ(popup->GetMenuItemID(1), 0u) << "separator";
    EXPECT_EQ(::GetMenuItemID(::GetSubMenu(*popup, 3), 0), 7004u);

    wintest::recorded().clear();
    winport::testing::ScriptPopupMenu(7002);
    EXPECT_TRUE(
        popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 10, 10, CWnd::FromHandle(owner)));
    winport::testing::ScriptPopupMenu(7004);
    EXPECT_EQ(::TrackPopupMenu(*popup, TPM_RETURNCMD, 0, 0, 0, owner, nullptr), 7004)
        << "returned, not posted";
    winport::testing::ScriptPopupMenu(0);
    EXPECT_FALSE(::TrackPopupMenu(*popup, 0, 0, 0, 0, owner, nullptr)) << "dismissed";
    PumpEvents(10);
    EXPECT_EQ(commandIds(owner), std::vector<UINT>({ 7002 }));

    // A disabled item cannot be chosen, not even by script.
    std::vector<std::string> failures = wintest::captureScriptFailures([&] {
        winport::testing::ScriptPopupMenu(7003);
        EXPECT_FALSE(::TrackPopupMenu(*popup, 0, 0, 0, 0, owner, nullptr));
    });
    EXPECT_EQ(failures.size(), 1u);
    DestroyWindow(owner);
}

TEST(ShortcutMenu, RightButtonReleaseAsksTheParentForItsMenu)
{
    HWND frame = wintest::makeTopLevel(300, 200);
    HWND child = wintest::makeChild(frame, "Static", "child", 0, 30, 40, 100, 50, 5);
    wintest::recorded().clear();
    ::SendMessage(child, WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
    std::vector<wintest::Message> asked = wintest::recordedFor(frame, WM_CONTEXTMENU);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(asked[0].wParam), child);
    POINT expected { 5, 6 };
    ::ClientToScreen(child, &expected);
    EXPECT_EQ(GET_X_LPARAM(asked[0].lParam), expected.x);
    EXPECT_EQ(GET_Y_LPARAM(asked[0].lParam), expected.y);
    DestroyWindow(frame);
}
