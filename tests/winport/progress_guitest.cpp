// The progress bar: range, position and step answer with their previous values; stepping past
// the end starts over from the low end.
#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

namespace {
class ProgressBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = wintest::makeTopLevel();
        bar = wintest::makeChild(host, "msctls_progress32", "", 0, 10, 10, 200, 20, 3);
        ASSERT_NE(bar, nullptr);
    }
    void TearDown() override { DestroyWindow(host); }
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessage(bar, message, wParam, lParam);
    }

    HWND host = nullptr;
    HWND bar = nullptr;
};

TEST_F(ProgressBar, SettersAnswerWithThePreviousValues)
{
    EXPECT_EQ(send(PBM_SETRANGE, 0, MAKELPARAM(0, 40)), MAKELRESULT(0, 100)); // the default
    EXPECT_EQ(send(PBM_SETSTEP, 15), 10);
    EXPECT_EQ(send(PBM_SETPOS, 30), 0);
    EXPECT_EQ(send(PBM_DELTAPOS, 5), 30);
    EXPECT_EQ(send(PBM_GETPOS), 35);
    EXPECT_EQ(send(PBM_SETPOS, 99), 35);
    EXPECT_EQ(send(PBM_GETPOS), 40); // kept inside the range
    PBRANGE range {};
    EXPECT_EQ(send(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), 0);
    EXPECT_EQ(range.iHigh, 40);
    EXPECT_EQ(send(PBM_SETRANGE32, 10, 20), MAKELRESULT(0, 40));
    EXPECT_EQ(send(PBM_GETRANGE, FALSE, 0), 20);
    EXPECT_EQ(send(PBM_GETPOS), 20); // the position follows a narrower range
}

TEST_F(ProgressBar, SteppingPastTheEndStartsOverFromTheLowEnd)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Attach(bar));
    progress.SetRange(0, 40);
    progress.SetStep(15);
    std::vector<int> positions;
    for (int i = 0; i < 4; ++i) {
        progress.StepIt();
        positions.push_back(progress.GetPos());
    }
    EXPECT_EQ(positions, (std::vector<int> { 15, 30, 5, 20 }));
    EXPECT_EQ(progress.OffsetPos(-50), 20);
    EXPECT_EQ(progress.GetPos(), 0);
    progress.Detach();
}
}
