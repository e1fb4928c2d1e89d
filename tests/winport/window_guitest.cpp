// Windows: the z-order of siblings and SetWindowPos flags, parents and ids, the order in which
// a window and its children hear of their end, the error of a dead handle, window text copied
// into a caller's buffer, and the windows of a headless process.
#include "wintest.h"

#include <gtest/gtest.h>
#include <winport/headless.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>

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

TEST_F(Windows, FunctionsGivenADeadHandleFailWithInvalidWindowHandle)
{
    HWND dead = makeChild(host, recorderClass(), "gone", 0, 0, 0, 10, 10, 20);
    ASSERT_TRUE(DestroyWindow(dead));
    RECT rect {};
    const std::vector<std::pair<const char*, std::function<bool()>>> calls = {
        { "DestroyWindow", [&] { return !DestroyWindow(dead); } },
        { "GetParent", [&] { return GetParent(dead) == nullptr; } },
        { "GetWindow", [&] { return GetWindow(dead, GW_HWNDNEXT) == nullptr; } },
        { "SendMessage", [&] { return SendMessage(dead, WM_USER + 100, 1, 0) == 0; } },
        { "PostMessage", [&] { return !PostMessage(dead, WM_USER, 0, 0); } },
        { "SetTimer", [&] { return SetTimer(dead, 1, 10, nullptr) == 0; } },
        { "ShowWindow", [&] { return !ShowWindow(dead, SW_SHOW); } },
        { "GetClientRect", [&] { return !GetClientRect(dead, &rect); } },
        { "GetWindowLongPtr", [&] { return GetWindowLongPtr(dead, GWL_STYLE) == 0; } },
        { "CreateWindowEx under it",
            [&] {
                return makeChild(dead, recorderClass(), "orphan", 0, 0, 0, 5, 5, 21) == nullptr;
            } },
    };
    for (const auto& [name, call] : calls) {
        SetLastError(NO_ERROR);
        EXPECT_TRUE(call()) << name;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE)) << name;
    }
    SetLastError(NO_ERROR);
    EXPECT_FALSE(IsWindow(dead));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR)) << "IsWindow only answers";
}

TEST_F(Windows, WindowTextIsTruncatedToTheCallersBuffer)
{
    SetWindowText(kids[0], "hello");
    struct Case {
        int size;
        int copied;
        const char* text;
    };
    for (const Case& c : { Case { 1, 0, "" }, Case { 3, 2, "he" }, Case { 5, 4, "hell" },
             Case { 6, 5, "hello" }, Case { 10, 5, "hello" } }) {
        char buffer[16];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(GetWindowText(kids[0], buffer, c.size), c.copied) << "size " << c.size;
        EXPECT_STREQ(buffer, c.text) << "size " << c.size;
        EXPECT_EQ(buffer[c.size], 'x') << "nothing written past a buffer of " << c.size;
    }
    char untouched = 'x';
    EXPECT_EQ(GetWindowText(kids[0], &untouched, 0), 0);
    EXPECT_EQ(untouched, 'x');
}

// Headless holds for the rest of the process: the test runs in a process of its own.
TEST(Headless, WindowsPaintOnlyForAnImageTakenOfThem)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::string png = ::testing::TempDir() + "headless.png";
    EXPECT_EXIT(
        {
            winport::setHeadless();
            HWND top = makeTopLevel(200, 100);
            HWND kid = makeChild(top, recorderClass(), "kid", 0, 10, 10, 50, 30, 1);
            SetWindowText(top, "changed");
            SetWindowPos(kid, nullptr, 20, 20, 60, 40, SWP_NOZORDER);
            InvalidateRect(kid, nullptr, TRUE);
            UpdateWindow(kid);
            winport::testing::PumpEvents(50);
            const size_t unasked
                = recordedFor(top, WM_PAINT).size() + recordedFor(kid, WM_PAINT).size();
            char text[16] = {};
            GetWindowText(top, text, sizeof text);
            const bool saved = winport::testing::SaveWindowPng(top, png.c_str());
            const size_t forImage
                = recordedFor(top, WM_PAINT).size() + recordedFor(kid, WM_PAINT).size() - unasked;
            std::fprintf(stderr, "painted %zu times unasked, %zu for the image; %s %s%s\n", unasked,
                forImage, text, IsWindowVisible(kid) ? "visible" : "hidden",
                saved ? "" : "; no image");
            std::exit(0);
        },
        ::testing::ExitedWithCode(0),
        "painted 0 times unasked, [1-9][0-9]* for the image; changed visible\n");
}
}
