#include "book/bookperiod.h"
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using namespace bookperiod;

namespace {

std::time_t at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return localTime(y, mo, d, h, mi, s);
}

std::string show(std::time_t t)
{
    char text[32];
    std::tm fields {};
    localtime_r(&t, &fields);
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &fields);
    return text;
}

struct WeekCase {
    const char* name;
    std::time_t now;
    int weekday;
    std::time_t start;
    std::time_t end;
};

} // namespace

TEST(WaterWeek, StartsOnTheProfileWeekdayOnOrBeforeTheDate)
{
    const WeekCase cases[] = {
        { "Sunday start, today Sunday", at(2025, 1, 5, 14, 30), 1, at(2025, 1, 5),
            at(2025, 1, 11, 23, 59, 59) },
        { "Monday start, today Sunday", at(2025, 1, 5, 14, 30), 2, at(2024, 12, 30),
            at(2025, 1, 5, 23, 59, 59) },
        { "Saturday start, today Saturday", at(2025, 1, 4, 23, 59, 59), 7, at(2025, 1, 4),
            at(2025, 1, 10, 23, 59, 59) },
        { "Wednesday start, today Tuesday", at(2025, 1, 7), 4, at(2025, 1, 1),
            at(2025, 1, 7, 23, 59, 59) },
        { "non-numeric day, today Saturday", at(2025, 1, 4, 8), 0, at(2024, 12, 28),
            at(2025, 1, 3, 23, 59, 59) },
        { "non-numeric day, today Wednesday", at(2025, 1, 1, 8), 0, at(2024, 12, 28),
            at(2025, 1, 3, 23, 59, 59) },
    };
    for (const WeekCase& c : cases) {
        period week = waterWeek(c.now, c.weekday);
        EXPECT_EQ(show(week.start), show(c.start)) << c.name;
        EXPECT_EQ(show(week.end), show(c.end)) << c.name;
    }
}

TEST(WaterWeek, DaysBackStayWithinOneWeek)
{
    std::time_t sunday = at(2025, 1, 5, 12);
    for (int weekday = 1; weekday <= 7; ++weekday) {
        long long back = daysBack(weekday, sunday);
        EXPECT_LE(back, 0);
        EXPECT_GE(back, -6);
        EXPECT_EQ(weekdayOf(dayAt(sunday, back, 0, 0, 0)), weekday);
    }
    EXPECT_EQ(daysBack(0, at(2025, 1, 4)), -7);
    EXPECT_EQ(daysBack(1000, sunday), 992); // a wild profile value moves without overflowing
}

TEST(BackToWeekDayEnd, KeepsAMatchingDayAndOtherwiseGoesBackToMidnight)
{
    std::time_t saturdayEvening = at(2025, 2, 1, 23, 59, 59);
    EXPECT_EQ(show(backToWeekDayEnd(7, saturdayEvening)), "2025-02-01 23:59:59");
    EXPECT_EQ(show(backToWeekDayEnd(4, saturdayEvening)), "2025-01-29 00:00:00");
    EXPECT_EQ(show(backToWeekDayEnd(1, saturdayEvening)), "2025-01-26 00:00:00");
    EXPECT_EQ(backToWeekDayEnd(0, saturdayEvening), saturdayEvening);
    EXPECT_EQ(backToWeekDayEnd(9, saturdayEvening), saturdayEvening);
}

TEST(Snapping, WholeWeeksFromTheReferenceDay)
{
    struct {
        const char* name;
        std::time_t reference;
        int months;
        int years;
        const char* from;
        const char* to;
    } cases[] = {
        { "month from Wednesday 1 January", at(2025, 1, 1, 10), 1, 0, "2025-01-01 00:00:00",
            "2025-01-28 23:59:59" },
        { "month from 31 January rolls to 3 March", at(2025, 1, 31, 18), 1, 0,
            "2025-01-31 00:00:00", "2025-02-27 23:59:59" },
        { "month ending on the same weekday", at(2025, 2, 1), 1, 0, "2025-02-01 00:00:00",
            "2025-02-28 23:59:59" },
        { "December rolls into January", at(2025, 12, 15), 1, 0, "2025-12-15 00:00:00",
            "2026-01-11 23:59:59" },
        { "year from 1 January", at(2025, 1, 1), 0, 1, "2025-01-01 00:00:00",
            "2025-12-30 23:59:59" },
        { "year from 29 February", at(2024, 2, 29), 0, 1, "2024-02-29 00:00:00",
            "2025-02-26 23:59:59" },
    };
    for (const auto& c : cases) {
        period p = snapped(c.reference, c.months, c.years);
        EXPECT_EQ(show(p.start), c.from) << c.name;
        EXPECT_EQ(show(p.end), c.to) << c.name;
        EXPECT_EQ(weekdayOf(p.start), weekdayOf(dayAt(p.end, 1, 0, 0, 0))) << c.name;
    }
}

TEST(Touches, OverlapOrContact)
{
    period week { at(2025, 1, 5), at(2025, 1, 11, 23, 59, 59) };
    EXPECT_TRUE(touches(at(2024, 12, 29), at(2025, 1, 5), week)); // ends at the week's start
    EXPECT_TRUE(touches(at(2025, 1, 11, 23, 59, 59), at(2025, 2, 1), week));
    EXPECT_TRUE(touches(at(2025, 1, 7), at(2025, 1, 8), week));
    EXPECT_FALSE(touches(at(2024, 12, 29), at(2025, 1, 4, 23, 59, 59), week));
    EXPECT_FALSE(touches(at(2025, 1, 12), at(2025, 1, 20), week));
}

TEST(WaterWeek, DaylightSavingKeepsWholeDays)
{
    if (!std::filesystem::exists("/usr/share/zoneinfo/Europe/Berlin"))
        GTEST_SKIP() << "no time zone data on this machine";
    const char* old = std::getenv("TZ");
    std::string saved = old ? old : "";
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
    period week = waterWeek(at(2025, 3, 31, 12), 1); // clocks went forward on Sunday 30 March
    EXPECT_EQ(show(week.start), "2025-03-30 00:00:00");
    EXPECT_EQ(show(week.end), "2025-04-05 23:59:59");
    period month = snapped(at(2025, 10, 1), 1, 0); // and back on 26 October
    EXPECT_EQ(show(month.end), "2025-10-28 23:59:59");
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
}

namespace {
std::time_t newYearsEve() { return at(1999, 12, 31, 23, 59, 59); }
} // namespace

TEST(Clock, ASetSourceReplacesTheSystemClockUntilCleared)
{
    setClock(&newYearsEve);
    EXPECT_EQ(show(now()), "1999-12-31 23:59:59");
    setClock(nullptr);
    std::time_t system = std::time(nullptr);
    EXPECT_LE(std::abs(static_cast<long long>(now() - system)), 2);
}
