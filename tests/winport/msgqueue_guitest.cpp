// The thread's message queue: posted order, SendMessage, PeekMessage filters, GetMessage and
// input captured during a synchronous loop that never returns to the event loop.
#include "wintest.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace wintest;
using winport::testing::Click;
using winport::testing::PumpEvents;

namespace {
class MessageQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = makeTopLevel();
        a = makeChild(host, recorderClass(), "a", 0, 10, 10, 100, 40, 1);
        b = makeChild(host, recorderClass(), "b", 0, 150, 10, 100, 40, 2);
        PumpEvents(10);
        recorded().clear();
    }
    void TearDown() override { DestroyWindow(host); }

    std::vector<UINT> userMessages(HWND hwnd) const
    {
        std::vector<UINT> out;
        for (const Message& m : recorded()) {
            if (m.hwnd == hwnd && m.message >= WM_USER)
                out.push_back(m.message);
        }
        return out;
    }

    HWND host = nullptr, a = nullptr, b = nullptr;
};

TEST_F(MessageQueue, PostedMessagesArriveLaterInOrderAndSendJumpsTheQueue)
{
    for (UINT i = 0; i < 3; ++i)
        ASSERT_TRUE(PostMessage(a, WM_USER + i, i, 0));
    EXPECT_TRUE(userMessages(a).empty());
    EXPECT_EQ(SendMessage(a, WM_USER + 100, 21, 0), 42);
    PumpEvents(20);
    EXPECT_EQ(
        userMessages(a), (std::vector<UINT> { WM_USER + 100, WM_USER, WM_USER + 1, WM_USER + 2 }));
}

TEST_F(MessageQueue, PostToADeadWindowFails)
{
    HWND c = makeChild(host, recorderClass(), "c", 0, 0, 0, 10, 10, 3);
    DestroyWindow(c);
    EXPECT_FALSE(IsWindow(c));
    EXPECT_FALSE(PostMessage(c, WM_USER, 0, 0));
    EXPECT_EQ(SendMessage(c, WM_USER + 100, 1, 0), 0);
}

TEST_F(MessageQueue, PeekFiltersByWindowAndRangeAndNeverDispatches)
{
    PostMessage(a, WM_USER + 1, 1, 0);
    PostMessage(b, WM_USER + 2, 2, 0);
    PostMessage(b, WM_USER + 3, 3, 0);
    MSG msg {};
    struct Case {
        HWND hwnd;
        UINT lo, hi;
        bool found;
        UINT expected;
    } cases[] = {
        { b, 0, 0, true, WM_USER + 2 },
        { b, WM_USER + 3, WM_USER + 9, true, WM_USER + 3 },
        { a, WM_USER + 2, WM_USER + 9, false, 0 },
        { nullptr, 0, 0, true, WM_USER + 1 },
        { host, 0, 0, false, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "expecting " << c.expected);
        EXPECT_EQ(PeekMessage(&msg, c.hwnd, c.lo, c.hi, PM_NOREMOVE) != FALSE, c.found);
        if (c.found) {
            EXPECT_EQ(msg.message, c.expected);
        }
    }
    ASSERT_TRUE(PeekMessage(&msg, b, WM_USER + 2, WM_USER + 2, PM_REMOVE));
    EXPECT_FALSE(PeekMessage(&msg, b, WM_USER + 2, WM_USER + 2, PM_NOREMOVE));
    EXPECT_TRUE(userMessages(a).empty() && userMessages(b).empty());
    PumpEvents(20);
    EXPECT_EQ(userMessages(a), (std::vector<UINT> { WM_USER + 1 }));
    EXPECT_EQ(userMessages(b), (std::vector<UINT> { WM_USER + 3 }));
}

TEST_F(MessageQueue, GetMessageAndDispatchRunAnExplicitLoopUntilQuit)
{
    PostMessage(a, WM_USER + 5, 0, 0);
    PostMessage(b, WM_USER + 6, 0, 0);
    PostQuitMessage(3);
    MSG msg {};
    int dispatched = 0;
    while (GetMessage(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        ++dispatched;
    }
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_EQ(dispatched, 2);
    EXPECT_EQ(userMessages(a), (std::vector<UINT> { WM_USER + 5 }));
    EXPECT_EQ(userMessages(b), (std::vector<UINT> { WM_USER + 6 }));
}

// A long computation on the user-interface thread that looks for a click on one window only.
TEST_F(MessageQueue, InputForTheWatchedWindowIsSeenInsideASynchronousLoop)
{
    PostMessage(host, WM_USER + 7, 0, 0);
    // "User" clicks arrive while the loop runs: first on b (held back), then on a (watched).
    winport::testing::ClickLater(b, 20, 20, 10);
    winport::testing::ClickLater(a, 30, 15, 30);
    bool sawDown = false, sawUp = false;
    MSG msg {};
    auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(3)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        if (PeekMessage(&msg, a, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE))
            sawDown = true;
        if (PeekMessage(&msg, a, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE)) {
            sawUp = true;
            break;
        }
    }
    EXPECT_TRUE(sawDown);
    EXPECT_TRUE(sawUp);
    EXPECT_EQ(msg.hwnd, a);
    EXPECT_EQ(GET_X_LPARAM(msg.lParam), 30);
    EXPECT_EQ(GET_Y_LPARAM(msg.lParam), 15);
    // Nothing reached a window procedure during the loop: b's click and the posted message wait.
    EXPECT_TRUE(recordedFor(b, WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(userMessages(host).empty());
    ASSERT_TRUE(PeekMessage(&msg, a, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    PumpEvents(30);
    EXPECT_EQ(recordedFor(b, WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(recordedFor(b, WM_LBUTTONUP).size(), 1u);
    EXPECT_EQ(userMessages(host), (std::vector<UINT> { WM_USER + 7 }));
    EXPECT_TRUE(recordedFor(a, WM_LBUTTONUP).empty()); // removed by the loop, never dispatched
}

TEST_F(MessageQueue, InputOutsideSynchronousLoopsGoesStraightToTheWindow)
{
    ASSERT_TRUE(Click(a, 5, 6, VK_RBUTTON));
    auto downs = recordedFor(a, WM_RBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].wParam & MK_RBUTTON, static_cast<WPARAM>(MK_RBUTTON));
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 5);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 6);
    EXPECT_EQ(recordedFor(a, WM_RBUTTONUP).size(), 1u);
    EXPECT_TRUE(recordedFor(b, WM_RBUTTONDOWN).empty());
}
}
