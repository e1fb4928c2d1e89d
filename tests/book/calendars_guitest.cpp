// Calendar readers, writers and snapping on real month-calendar controls.
#include "bookhost.h"
#include "fixedclock.h"
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

    // The calendar's selection, or with MCM_GETTODAY its today mark.
    std::string shown(HWND calendar, UINT message = MCM_GETCURSEL)
    {
        SYSTEMTIME day {};
        ::SendMessage(calendar, message, 0, reinterpret_cast<LPARAM>(&day));
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.wYear, day.wMonth, day.wDay);
        return text;
    }

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

// The tests below run on Sunday 5 January 2025, 14:30.
namespace {

class CalendarsOnASunday : public Calendars {
protected:
    static std::string shownTime(const CTime& t)
    {
        return std::string(t.Format("%Y-%m-%d %H:%M:%S"));
    }

    FixedClock clock { 2025, 1, 5, 14, 30, 0 };
};

} // namespace

// The week itself is the engine's (period tests); here the weekday comes from the profile, where
// a value that is no number reads as 0 (absent, it would be 1: this Sunday).
TEST_F(CalendarsOnASunday, CurrentWeekStartsOnTheProfileWeekday)
{
    setting("WaterWeekDay", "x");
    CTime from, to;
    bk().bookCalendarsGetCurrentWeek(&from, &to);
    EXPECT_EQ(shownTime(from), "2025-01-04 00:00:00");
    EXPECT_EQ(shownTime(to), "2025-01-10 23:59:59");
    EXPECT_STREQ(setting("WaterWeekDay"), "x");
}

TEST_F(CalendarsOnASunday, MonthAndYearAreWeeksOnTheirOwnWeekdays)
{
    setting("WaterWeekDay", "2");
    setting("WaterMonthDay", "4");
    CTime from, to;
    bk().bookCalendarsGetCurrentMonth(&from, &to);
    EXPECT_EQ(shownTime(from), "2025-01-01 00:00:00");
    EXPECT_EQ(shownTime(to), "2025-01-07 23:59:59");
    EXPECT_STREQ(setting("WaterYearDay"), "<absent>");
    bk().bookCalendarsGetCurrentYear(&from, &to);
    EXPECT_EQ(shownTime(from), "2025-01-05 00:00:00");
    EXPECT_EQ(shownTime(to), "2025-01-11 23:59:59");
    EXPECT_STREQ(setting("WaterYearDay"), "1"); // the default, written back

    bk().bookCalendarsSetCurrentMonth(start, end);
    EXPECT_EQ(shown(start), "2025-01-01");
    EXPECT_EQ(shown(end), "2025-01-07");
    EXPECT_TRUE(bk().bookCalendarsIsCurrentMonth(
        CTime(2025, 1, 7, 23, 59, 59), CTime(2025, 2, 1, 0, 0, 0)));
    EXPECT_FALSE(
        bk().bookCalendarsIsCurrentYear(CTime(2025, 1, 12, 0, 0, 0), CTime(2025, 2, 1, 0, 0, 0)));
    setting("WaterWeekDay", "1");
    EXPECT_TRUE(bk().bookCalendarsIsCurrentWeek(
        CTime(2025, 1, 11, 23, 59, 59), CTime(2025, 1, 30, 0, 0, 0)));
}

TEST_F(CalendarsOnASunday, NextAndPreviousWeeksSkipNullPointers)
{
    CTime nextEnd, previousStart;
    bk().bookCalendarsGetNextWeek(nullptr, &nextEnd);
    bk().bookCalendarsGetPreviousWeek(&previousStart, nullptr);
    EXPECT_EQ(shownTime(nextEnd), "2025-01-18 23:59:59");
    EXPECT_EQ(shownTime(previousStart), "2024-12-29 00:00:00");

    bk().bookCalendarsSetNextWeek(start, end);
    EXPECT_EQ(shown(start), "2025-01-12");
    EXPECT_EQ(shown(end), "2025-01-18");
    bk().bookCalendarsSetPreviousWeek(start, nullptr);
    EXPECT_EQ(shown(start), "2024-12-29");
    EXPECT_EQ(shown(end), "2025-01-18");
    bk().bookCalendarsSetCurrentWeek(start, end);
    EXPECT_EQ(shown(start), "2025-01-05");
    EXPECT_EQ(shown(end), "2025-01-11");
}

TEST_F(CalendarsOnASunday, StartTodayAndSnapsWithoutACalendarReferenceUseNow)
{
    setting("WaterWeekDay", "2");
    bk().bookSQLCalendarsSetStartToday(start);
    EXPECT_EQ(shown(start), "2024-12-30");
    bk().bookSQLCalendarsSetStartToday(nullptr);

    setting("WaterWeekDay", "1");
    select(start, 2025, 3, 3);
    select(end, 2025, 3, 9);
    bk().bookCalendarsSnapToWeek(start, end, host().GetSafeHwnd());
    EXPECT_EQ(shown(start), "2025-01-05");
    EXPECT_EQ(shown(end), "2025-01-11");
}

TEST_F(CalendarsOnASunday, SnapToUoMWeekSelectsMarksTodayAndSyncs)
{
    struct {
        unsigned int which;
        const char* calUsingWeek;
        const char* from;
        const char* to;
    } cases[] = {
        { 1, "0", "2025-01-05", "2025-01-11" }, { 2, "0", "2025-01-12", "2025-01-18" },
        { 3, "0", "2024-12-29", "2025-01-04" },
        { 9, "0", "2025-01-05", "2025-01-05" }, // any other value: today
        { 9, "1", "2025-01-05", "2025-01-11" }, // then synced to the week of the start
    };
    for (const auto& c : cases) {
        setting("CalUsingWeek", c.calUsingWeek);
        bk().bookCalendarsSnapToUoMWeek(start, end, c.which);
        EXPECT_EQ(shown(start), c.from) << c.which << c.calUsingWeek;
        EXPECT_EQ(shown(end), c.to) << c.which << c.calUsingWeek;
        EXPECT_EQ(shown(start, MCM_GETTODAY), c.from) << c.which;
    }
    select(start, 2025, 6, 1);
    bk().bookCalendarsSnapToUoMMonth(start, end, 1);
    bk().bookCalendarsSnapToUoMYear(start, end, 1);
    EXPECT_EQ(shown(start), "2025-06-01");
}
