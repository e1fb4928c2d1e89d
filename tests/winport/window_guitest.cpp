// Windows: the z-order of siblings and SetWindowPos flags, parents and ids, and the order in which
// a window and its children hear of their end.
#include "wintest.h"

#include <gtest/gtest.h>

using namespace wintest;

namespace {
class Windows : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = makeTopLevel();
        for (int id = 1; id <= 3; ++id)
            kids.push_back(makeChild(host, recorderClass(), "kid", 0, 10 * id, 10, 50, 30, id));
        recorded().clear();
    }
    void TearDown() override
    {
        if (IsWindow(host))
            DestroyWindow(host);
    }

    // The children's ids from the top of the z-order down.
    std::vector<int> zOrder() const
    {
        std::vector<int> ids;
        for (HWND h = GetWindow(host, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            ids.push_back(GetDlgCtrlID(h));
        return ids;
    }
    RECT placeOf(HWND h) const
    {
        RECT r;
        GetWindowRect(h, &r);
        POINT origin { r.left, r.top };
        ScreenToClient(host, &origin);
        return RECT { origin.x, origin.y, origin.x + r.right - r.left,
            origin.y + r.bottom - r.top };
    }

    HWND host = nullptr;
    std::vector<HWND> kids;
};

TEST_F(Windows, SetWindowPosChangesOnlyWhatItsFlagsAllow)
{
    EXPECT_EQ(zOrder(), (std::vector<int> { 1, 2, 3 })); // a new child goes below its siblings
    const UINT keepPlace = SWP_NOMOVE | SWP_NOSIZE;
    ASSERT_TRUE(SetWindowPos(kids[2], HWND_TOP, 0, 0, 0, 0, keepPlace));
    EXPECT_EQ(zOrder(), (std::vector<int> { 3, 1, 2 }));
    ASSERT_TRUE(SetWindowPos(kids[2], HWND_BOTTOM, 0, 0, 0, 0, keepPlace));
    EXPECT_EQ(zOrder(), (std::vector<int> { 1, 2, 3 }));
    ASSERT_TRUE(SetWindowPos(kids[0], kids[1], 0, 0, 0, 0, keepPlace)); // just below kid 2
    EXPECT_EQ(zOrder(), (std::vector<int> { 2, 1, 3 }));
    EXPECT_EQ(GetWindow(kids[1], GW_HWNDFIRST), kids[1]);
    EXPECT_EQ(GetWindow(kids[1], GW_HWNDLAST), kids[2]);
    EXPECT_EQ(GetWindow(kids[0], GW_HWNDPREV), kids[1]);

    ASSERT_TRUE(SetWindowPos(kids[0], HWND_TOP, 5, 6, 70, 40, SWP_NOZORDER));
    EXPECT_EQ(zOrder(), (std::vector<int> { 2, 1, 3 }));
    RECT r = placeOf(kids[0]);
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 70);
    ASSERT_TRUE(SetWindowPos(kids[0], nullptr, 50, 60, 1, 1, SWP_NOZORDER | SWP_NOSIZE));
    r = placeOf(kids[0]);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.bottom - r.top, 40); // the size stayed
    ASSERT_TRUE(SetWindowPos(kids[0], nullptr, 0, 0, 0, 0, keepPlace | SWP_HIDEWINDOW));
    EXPECT_FALSE(IsWindowVisible(kids[0]));
    ASSERT_TRUE(SetWindowPos(kids[0], nullptr, 0, 0, 0, 0, keepPlace | SWP_SHOWWINDOW));
    EXPECT_TRUE(IsWindowVisible(kids[0]));
    EXPECT_EQ(placeOf(kids[0]).left, 50);
}

TEST_F(Windows, ParentsAndIdsCanChange)
{
    HWND other = makeChild(host, recorderClass(), "other", 0, 200, 10, 100, 100, 9);
    EXPECT_EQ(SetParent(kids[0], other), host);
    EXPECT_EQ(GetParent(kids[0]), other);
    EXPECT_TRUE(IsChild(host, kids[0])); // a grandchild is a child too
    EXPECT_EQ(GetDlgItem(host, 1), nullptr);
    EXPECT_EQ(GetDlgItem(other, 1), kids[0]);
    SetWindowLongPtr(kids[1], GWLP_ID, 42);
    EXPECT_EQ(GetDlgItem(host, 42), kids[1]);
    EXPECT_EQ(SendDlgItemMessage(host, 42, WM_USER + 100, 4, 0), 8);
    EXPECT_EQ(SendDlgItemMessage(host, 77, WM_USER + 100, 4, 0), 0); // no such item
}

TEST_F(Windows, DestroyingTellsTheParentFirstAndFreesItLast)
{
    ASSERT_TRUE(DestroyWindow(host));
    std::vector<std::pair<HWND, UINT>> ends;
    for (const Message& m : recorded()) {
        if (m.message == WM_DESTROY || m.message == WM_NCDESTROY)
            ends.emplace_back(m.hwnd, m.message);
    }
    ASSERT_EQ(ends.size(), 8u);
    EXPECT_EQ(ends.front(), std::make_pair(host, static_cast<UINT>(WM_DESTROY)));
    EXPECT_EQ(ends.back(), std::make_pair(host, static_cast<UINT>(WM_NCDESTROY)));
    for (HWND kid : kids) {
        auto destroy = std::find(ends.begin(), ends.end(), std::make_pair(kid, UINT(WM_DESTROY)));
        auto free = std::find(ends.begin(), ends.end(), std::make_pair(kid, UINT(WM_NCDESTROY)));
        EXPECT_LT(destroy, free);
        EXPECT_FALSE(IsWindow(kid));
    }
    EXPECT_FALSE(IsWindow(host));
    EXPECT_FALSE(DestroyWindow(host));
}
}
