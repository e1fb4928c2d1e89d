// The month calendar: selection and today mark by message, the month range and day states, and
// the notifications of a user's keys and of paging to another month.
#include "hostedcontrol.h"
#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

using winport::testing::PressKey;

namespace {
SYSTEMTIME day(WORD year, WORD month, WORD dayOfMonth)
{
    SYSTEMTIME st {};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = dayOfMonth;
    return st;
}

std::string text(const SYSTEMTIME& st)
{
    return std::to_string(st.wYear) + "-" + std::to_string(st.wMonth) + "-"
        + std::to_string(st.wDay);
}

// A parent that records what its calendar tells it and answers day-state requests by making
// the first day of every asked month bold.
class CalendarHost : public CWnd {
public:
    std::vector<std::string> events;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == MCN_SELCHANGE || header->code == MCN_SELECT) {
            auto* sel = reinterpret_cast<NMSELCHANGE*>(lParam);
            events.push_back(std::string(header->code == MCN_SELECT ? "select " : "selchange ")
                + text(sel->stSelStart));
        } else if (header->code == MCN_GETDAYSTATE) {
            auto* state = reinterpret_cast<NMDAYSTATE*>(lParam);
            events.push_back(
                "daystate " + text(state->stStart) + " x" + std::to_string(state->cDayState));
            for (int m = 0; m < state->cDayState; ++m)
                state->prgDayState[m] = 1;
        }
        *result = 0;
        return TRUE;
    }
};

class MonthCalendar : public wintest::HostedControl<CalendarHost, CMonthCalCtrl> {
protected:
    void SetUp() override
    {
        createHosted(WS_TABSTOP | MCS_DAYSTATE, CRect(10, 10, 310, 230), 9, 420, 320);
        SYSTEMTIME st = day(2025, 1, 15);
        ASSERT_TRUE(calendar.SetCurSel(&st));
        host.events.clear();
    }

    CMonthCalCtrl& calendar = control;
};

TEST_F(MonthCalendar, SelectionAndTodayAreSetAndReadByMessageWithoutNotifying)
{
    SYSTEMTIME st = day(2024, 2, 29);
    st.wHour = 23; // the time of day plays no part
    st.wDayOfWeek = 6;
    ASSERT_TRUE(calendar.SetCurSel(&st));
    SYSTEMTIME back {};
    ASSERT_TRUE(calendar.GetCurSel(&back));
    EXPECT_EQ(text(back), "2024-2-29");
    EXPECT_EQ(back.wDayOfWeek, 4); // a Thursday, counted from Sunday 0

    SYSTEMTIME invalid = day(2025, 2, 30);
    EXPECT_FALSE(calendar.SetCurSel(&invalid));
    ASSERT_TRUE(calendar.GetCurSel(&back));
    EXPECT_EQ(text(back), "2024-2-29"); // kept
    EXPECT_FALSE(SendMessage(calendar.m_hWnd, MCM_GETCURSEL, 0, 0));

    SYSTEMTIME today = day(2023, 7, 4);
    calendar.SetToday(&today);
    ASSERT_TRUE(calendar.GetToday(&back));
    EXPECT_EQ(text(back), "2023-7-4");
    EXPECT_TRUE(host.events.empty());
}

TEST_F(MonthCalendar, MonthRangeAndDayStatesCoverTheShownMonthAndItsNeighbours)
{
    SYSTEMTIME first, last;
    EXPECT_EQ(calendar.GetMonthRange(&first, &last, GMR_VISIBLE), 1);
    EXPECT_EQ(text(first) + " " + text(last), "2025-1-1 2025-1-31");
    EXPECT_EQ(calendar.GetMonthRange(&first, &last, GMR_DAYSTATE), 3);
    EXPECT_EQ(text(first) + " " + text(last), "2024-12-1 2025-2-28");
    MONTHDAYSTATE states[3] = { 0, 1u << 14, 0 };
    EXPECT_TRUE(calendar.SetDayState(3, states));
    EXPECT_FALSE(calendar.SetDayState(2, states)); // one state per month of the range
    EXPECT_FALSE(calendar.SetDayState(3, nullptr));
}

TEST_F(MonthCalendar, KeysMoveTheSelectionAndEnterSelects)
{
    ASSERT_TRUE(PressKey(calendar.m_hWnd, VK_RIGHT));
    ASSERT_TRUE(PressKey(calendar.m_hWnd, VK_RETURN));
    EXPECT_EQ(
        host.events, (std::vector<std::string> { "selchange 2025-1-16", "select 2025-1-16" }));
}

TEST_F(MonthCalendar, PagingMovesTheSelectionToTheSameDayAndAsksForDayStates)
{
    ASSERT_TRUE(PressKey(calendar.m_hWnd, VK_NEXT));
    EXPECT_EQ(
        host.events, (std::vector<std::string> { "selchange 2025-2-15", "daystate 2025-1-1 x3" }));
    SYSTEMTIME back;
    ASSERT_TRUE(calendar.GetCurSel(&back));
    EXPECT_EQ(text(back), "2025-2-15");
}
}
