// Calendar readers, writers and snapping on real month-calendar controls.
#include "bookhost.h"
#include "book/bookperiod.h"
#include <gtest/gtest.h>

#include "app/tessilo.h"

namespace {

class Calendars : public BookHostTest {
protected:
    void SetUp() override
    {
        BookHostTest::SetUp();
        start = ::CreateWindowEx(0, MONTHCAL_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 160,
            host().GetSafeHwnd(), reinterpret_cast<HMENU>(2001), nullptr, nullptr);
        end = ::CreateWindowEx(0, MONTHCAL_CLASS, "", WS_CHILD | WS_VISIBLE, 210, 0, 200, 160,
            host().GetSafeHwnd(), reinterpret_cast<HMENU>(2002), nullptr, nullptr);
        ASSERT_NE(start, nullptr);
        ASSERT_NE(end, nullptr);
        for (const char* key : { "WaterWeekDay", "WaterMonthDay", "WaterYearDay", "CalUsingWeek",
                 "CalUsingMonth", "CalUsingYear" })
            setting(key, nullptr);
    }

    static void setting(const char* key, const char* value)
    {
        ::WriteProfileStringA("tessilo40", key, value);
    }

    static CString setting(const char* key)
    {
        return TessiloApp.getProfileString(CString(key), CString("<absent>"));
    }

    void select(HWND calendar, int y, int m, int d)
    {
        SYSTEMTIME day {};
        day.wYear = WORD(y);
        day.wMonth = WORD(m);
        day.wDay = WORD(d);
        ASSERT_TRUE(::SendMessage(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day)));
    }

    std::string shown(HWND calendar)
    {
        SYSTEMTIME day {};
        ::SendMessage(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.wYear, day.wMonth, day.wDay);
        return text;
    }

    static std::string dayText(std::time_t t) { return std::string(CTime(t).Format("%Y-%m-%d")); }

    HWND start = nullptr;
    HWND end = nullptr;
};

} // namespace

TEST_F(Calendars, WritersSelectDaysAndReadersAddTheTimeOfDay)
{
    bk().bookSQLCalendarsSet(start, end, CTime(2025, 1, 1, 10, 30, 0), CTime(2025, 1, 9, 8, 0, 0));
    EXPECT_EQ(shown(start), "2025-01-01");
    EXPECT_EQ(shown(end), "2025-01-09");
    CTime from, to;
    bk().bookSQLCalendarsGet(start, end, &from, &to);
    EXPECT_STREQ(from.Format("%Y-%m-%d %H:%M:%S"), "2025-01-01 00:00:00");
    EXPECT_STREQ(to.Format("%Y-%m-%d %H:%M:%S"), "2025-01-09 23:59:59");

    CTime untouched(2000, 1, 1, 0, 0, 0);
    bk().bookSQLCalendarsSet(nullptr, end, CTime(2024, 5, 5, 0, 0, 0), CTime(2024, 5, 6, 0, 0, 0));
    EXPECT_EQ(shown(start), "2025-01-01");
    EXPECT_EQ(shown(end), "2024-05-06");
    bk().bookSQLCalendarsGet(nullptr, end, &untouched, nullptr);
    EXPECT_STREQ(untouched.Format("%Y"), "2000");
}

TEST_F(Calendars, SnapToWeekFollowsTheChangedCalendar)
{
    setting("WaterWeekDay", "1");
    select(start, 2025, 1, 8);
    select(end, 2025, 3, 20);
    bk().bookCalendarsSnapToWeek(start, end, start);
    EXPECT_EQ(shown(start), "2025-01-05");
    EXPECT_EQ(shown(end), "2025-01-11");

    setting("WaterWeekDay", "2");
    select(end, 2025, 3, 20); // a Thursday
    bk().bookCalendarsSnapToWeek(start, end, end);
    EXPECT_EQ(shown(start), "2025-03-17");
    EXPECT_EQ(shown(end), "2025-03-23");

    bk().bookCalendarsSnapToWeek(start, end, nullptr);
    EXPECT_EQ(shown(start), "2025-03-17");
}

TEST_F(Calendars, SnapToMonthUsesTheNormalisedDayAndWritesTheSettingsBack)
{
    select(start, 2025, 1, 2);
    select(end, 2025, 1, 31);
    bk().bookCalendarsSnapToMonth(start, end, end);
    EXPECT_EQ(shown(start), "2025-01-31");
    EXPECT_EQ(shown(end), "2025-02-27");
    EXPECT_STREQ(setting("WaterMonthDay"), "1");
    EXPECT_STREQ(setting("WaterWeekDay"), "1");

    select(start, 2025, 1, 1);
    bk().bookCalendarsSnapToYear(start, end, start);
    EXPECT_EQ(shown(start), "2025-01-01");
    EXPECT_EQ(shown(end), "2025-12-30");
}

TEST_F(Calendars, SyncPrefersWeekThenMonthThenYear)
{
    struct {
        const char* week;
        const char* month;
        const char* year;
        const char* from;
        const char* to;
    } cases[] = {
        { "1", "1", "1", "2025-01-05", "2025-01-11" },
        { "0", "1", "1", "2025-01-08", "2025-02-04" },
        { "", "", "1", "2025-01-08", "2026-01-06" },
        { "0", "0", "0", "2025-01-08", "2025-01-08" },
        { "", "", "", "2025-01-08", "2025-01-08" },
    };
    for (const auto& c : cases) {
        setting("CalUsingWeek", c.week);
        setting("CalUsingMonth", c.month);
        setting("CalUsingYear", c.year);
        select(start, 2025, 1, 8);
        select(end, 2025, 1, 8);
        bk().bookCalendarsSyncCalendars(start, end, start);
        EXPECT_EQ(shown(start), c.from) << c.week << c.month << c.year;
        EXPECT_EQ(shown(end), c.to) << c.week << c.month << c.year;
    }
}

TEST_F(Calendars, CurrentWeekFollowsTheProfileWeekday)
{
    for (const char* weekday : { "1", "2", "7", "x" }) {
        setting("WaterWeekDay", weekday);
        CTime from, to;
        bk().bookCalendarsGetCurrentWeek(&from, &to);
        bookperiod::period expected
            = bookperiod::waterWeek(CTime::GetCurrentTime().GetTime(), std::atoi(weekday));
        EXPECT_EQ(from.GetTime(), expected.start) << weekday;
        EXPECT_EQ(to.GetTime(), expected.end) << weekday;
        EXPECT_STREQ(setting("WaterWeekDay"), weekday);
    }
}

TEST_F(Calendars, NextAndPreviousWeeksAndTheirNullPointers)
{
    setting("WaterWeekDay", "3");
    CTime from, to, nextEnd, previousStart;
    bk().bookCalendarsGetCurrentWeek(&from, &to);
    bk().bookCalendarsGetNextWeek(nullptr, &nextEnd);
    bk().bookCalendarsGetPreviousWeek(&previousStart, nullptr);
    EXPECT_EQ(dayText(nextEnd.GetTime()), dayText(bookperiod::dayAt(to.GetTime(), 7, 0, 0, 0)));
    EXPECT_STREQ(nextEnd.Format("%H:%M:%S"), "23:59:59");
    EXPECT_EQ(
        dayText(previousStart.GetTime()), dayText(bookperiod::dayAt(from.GetTime(), -7, 0, 0, 0)));
    EXPECT_STREQ(previousStart.Format("%H:%M:%S"), "00:00:00");
}

TEST_F(Calendars, IsCurrentWeekWhenThePeriodTouchesIt)
{
    CTime from, to;
    bk().bookCalendarsGetCurrentWeek(&from, &to);
    EXPECT_TRUE(bk().bookCalendarsIsCurrentWeek(from - CTimeSpan(14, 0, 0, 0), from));
    EXPECT_FALSE(bk().bookCalendarsIsCurrentWeek(
        from - CTimeSpan(14, 0, 0, 0), from - CTimeSpan(0, 0, 0, 1)));
    EXPECT_TRUE(bk().bookCalendarsIsCurrentMonth(to, to + CTimeSpan(3, 0, 0, 0)));
    EXPECT_FALSE(
        bk().bookCalendarsIsCurrentYear(to + CTimeSpan(0, 0, 0, 1), to + CTimeSpan(9, 0, 0, 0)));
}

TEST_F(Calendars, SnapToUoMWeekMovesSelectionAndTodayMarks)
{
    setting("WaterWeekDay", "1");
    bk().bookCalendarsSnapToUoMWeek(start, end, 1);
    bookperiod::period week = bookperiod::waterWeek(CTime::GetCurrentTime().GetTime(), 1);
    EXPECT_EQ(shown(start), dayText(week.start));
    EXPECT_EQ(shown(end), dayText(week.end));
    SYSTEMTIME today {};
    ::SendMessage(end, MCM_GETTODAY, 0, reinterpret_cast<LPARAM>(&today));
    EXPECT_EQ(dayText(bookperiod::localTime(today.wYear, today.wMonth, today.wDay, 12, 0, 0)),
        dayText(week.end));

    bk().bookCalendarsSnapToUoMWeek(start, end, 9);
    std::time_t now = CTime::GetCurrentTime().GetTime();
    EXPECT_EQ(shown(start), dayText(now));
    EXPECT_EQ(shown(end), dayText(now));
}
