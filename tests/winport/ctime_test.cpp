#include <afx.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// Central European time: DST from the last Sunday of March 02:00 to the last Sunday of October
// 03:00. A POSIX rule, so the tests need no time-zone database.
class LocalTime : public testing::Test {
protected:
    void SetUp() override
    {
        const char* tz = getenv("TZ");
        m_hadTz = tz != nullptr;
        m_savedTz = tz ? tz : "";
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    void TearDown() override
    {
        if (m_hadTz)
            setenv("TZ", m_savedTz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadTz = false;
    std::string m_savedTz;
};

FILETIME fileTimeOf(ULONGLONG ticks)
{
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
    ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return ft;
}

ULONGLONG ticksOf(const FILETIME& ft)
{
    return (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

} // namespace

TEST_F(LocalTime, FieldsRoundTripAndWeekdayStartsOnSunday)
{
    CTime t(2007, 3, 5, 10, 20, 30);
    EXPECT_EQ(t.GetTime(), 1173086430); // 09:20:30 UTC
    EXPECT_EQ(t.GetYear(), 2007);
    EXPECT_EQ(t.GetMonth(), 3);
    EXPECT_EQ(t.GetDay(), 5);
    EXPECT_EQ(t.GetHour(), 10);
    EXPECT_EQ(t.GetMinute(), 20);
    EXPECT_EQ(t.GetSecond(), 30);
    EXPECT_EQ(t.GetDayOfWeek(), 2); // a Monday
    EXPECT_EQ(CTime(2007, 3, 4, 0, 0, 0).GetDayOfWeek(), 1);
    EXPECT_EQ(CTime(2007, 3, 10, 0, 0, 0).GetDayOfWeek(), 7);
}

TEST_F(LocalTime, InvalidFieldsGiveAnInvalidTime)
{
    const int cases[][6] = { { 1899, 12, 31, 0, 0, 0 }, { 2007, 0, 1, 0, 0, 0 },
        { 2007, 13, 1, 0, 0, 0 }, { 2007, 1, 0, 0, 0, 0 }, { 2007, 1, 32, 0, 0, 0 },
        { 2007, 1, 1, 24, 0, 0 }, { 2007, 1, 1, 0, 60, 0 }, { 2007, 1, 1, 0, 0, 60 } };
    for (const auto& c : cases) {
        CTime t(c[0], c[1], c[2], c[3], c[4], c[5]);
        EXPECT_EQ(t.GetTime(), -1) << c[0] << "-" << c[1] << "-" << c[2];
        EXPECT_EQ(t.GetYear(), 0);
        EXPECT_EQ(t.Format("%Y"), "");
    }
    // Days past the month's end roll over, as mktime does.
    EXPECT_EQ(CTime(2007, 2, 31, 12, 0, 0), CTime(2007, 3, 3, 12, 0, 0));
}

TEST_F(LocalTime, DstFlagChoosesBetweenTheTwoReadingsOfAnAmbiguousHour)
{
    // 2026-10-25 02:30 happens twice in CET: first in summer time, then in standard time.
    CTime summer(2026, 10, 25, 2, 30, 0, 1);
    CTime winter(2026, 10, 25, 2, 30, 0, 0);
    EXPECT_EQ((winter - summer).GetTotalSeconds(), 3600);
    EXPECT_EQ(summer.GetHour(), 2);
    EXPECT_EQ(winter.GetHour(), 2);
    EXPECT_EQ(summer.Format("%Z"), "CEST");
    EXPECT_EQ(winter.Format("%Z"), "CET");
}

TEST_F(LocalTime, SpanArithmeticCountsSecondsAcrossDst)
{
    CTime before(2026, 3, 28, 12, 0, 0); // Saturday, standard time
    CTime after = before + CTimeSpan(1, 0, 0, 0);
    // 24 hours later the clock shows 13:00: the night was an hour short.
    EXPECT_EQ(after.GetDay(), 29);
    EXPECT_EQ(after.GetHour(), 13);
    CTime sameClock(2026, 3, 29, 12, 0, 0);
    CTimeSpan span = sameClock - before;
    EXPECT_EQ(span.GetTotalHours(), 23);
    EXPECT_EQ(span.GetDays(), 0);
    EXPECT_EQ(span.GetHours(), 23);

    CTime t = before;
    t += CTimeSpan(0, 36, 0, 0);
    t -= CTimeSpan(0, 0, 30, 15);
    EXPECT_EQ(t - before, CTimeSpan(1, 11, 29, 45));
    EXPECT_TRUE(before < t && t > before && before <= before && t >= t && before != t);
    EXPECT_EQ(t - CTimeSpan(1, 11, 29, 45), before);
}

TEST(TimeSpan, PartsAndFormat)
{
    CTimeSpan span(3, 4, 5, 6);
    EXPECT_EQ(span.GetTotalSeconds(), ((3 * 24 + 4) * 60 + 5) * 60 + 6);
    EXPECT_EQ(span.GetDays(), 3);
    EXPECT_EQ(span.GetHours(), 4);
    EXPECT_EQ(span.GetMinutes(), 5);
    EXPECT_EQ(span.GetSeconds(), 6);
    EXPECT_EQ(span.GetTotalMinutes(), (3 * 24 + 4) * 60 + 5);
    EXPECT_EQ(span.Format("%D days %H:%M:%S, 100%%"), "3 days 04:05:06, 100%");
    EXPECT_EQ((span - CTimeSpan(4, 0, 0, 0)).GetTotalHours(), -19);
    EXPECT_EQ(CTimeSpan().Format(nullptr), "");
}

TEST_F(LocalTime, FormatUsesStrftimePatterns)
{
    CTime t(2007, 3, 5, 7, 8, 9);
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2007-03-05 07:08:09");
    EXPECT_EQ(t.Format("%A, %B %#d"), "Monday, March 5");
    EXPECT_EQ(t.FormatGmt("%H:%M"), "06:08");
    EXPECT_EQ(t.Format(""), "");
    EXPECT_EQ(t.Format(nullptr), "");
    std::string longPattern(400, 'x');
    EXPECT_EQ(t.Format((longPattern + "%Y").c_str()), (longPattern + "2007").c_str());
}

TEST_F(LocalTime, CurrentTimeIsNow)
{
    time_t before = time(nullptr);
    CTime now = CTime::GetCurrentTime();
    time_t after = time(nullptr);
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), after);
}

TEST(SystemTime, FileTimeConversionsAreExact)
{
    SYSTEMTIME st = { 2007, 3, 0, 5, 10, 20, 30, 456 };
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&st, &ft));
    // 1173090030 seconds after 1970 plus the 11644473600 seconds from 1601, in 100 ns.
    EXPECT_EQ(ticksOf(ft), (1173090030ULL + 11644473600ULL) * 10000000ULL + 4560000ULL);
    SYSTEMTIME back;
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &back));
    EXPECT_EQ(back.wYear, 2007);
    EXPECT_EQ(back.wMonth, 3);
    EXPECT_EQ(back.wDay, 5);
    EXPECT_EQ(back.wDayOfWeek, 1); // Monday
    EXPECT_EQ(back.wHour, 10);
    EXPECT_EQ(back.wMinute, 20);
    EXPECT_EQ(back.wSecond, 30);
    EXPECT_EQ(back.wMilliseconds, 456);

    FILETIME zero = fileTimeOf(0);
    ASSERT_TRUE(FileTimeToSystemTime(&zero, &back));
    EXPECT_EQ(back.wYear, 1601);
    EXPECT_EQ(back.wMonth, 1);
    EXPECT_EQ(back.wDay, 1);
    EXPECT_EQ(back.wDayOfWeek, 1);

    SYSTEMTIME leap = { 2024, 2, 0, 29, 23, 59, 59, 999 };
    ASSERT_TRUE(SystemTimeToFileTime(&leap, &ft));
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &back));
    EXPECT_EQ(back.wDay, 29);
    EXPECT_EQ(back.wMilliseconds, 999);
}

TEST(SystemTime, OutOfRangeFieldsAreRefused)
{
    const SYSTEMTIME bad[] = { { 1600, 12, 0, 31, 0, 0, 0, 0 }, { 2023, 2, 0, 29, 0, 0, 0, 0 },
        { 2024, 13, 0, 1, 0, 0, 0, 0 }, { 2024, 4, 0, 31, 0, 0, 0, 0 },
        { 2024, 1, 0, 1, 24, 0, 0, 0 }, { 2024, 1, 0, 1, 0, 60, 0, 0 },
        { 2024, 1, 0, 1, 0, 0, 60, 0 }, { 2024, 1, 0, 1, 0, 0, 0, 1000 } };
    for (const SYSTEMTIME& st : bad) {
        FILETIME ft = fileTimeOf(42);
        SetLastError(0);
        EXPECT_FALSE(SystemTimeToFileTime(&st, &ft))
            << st.wYear << "-" << st.wMonth << "-" << st.wDay;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
    FILETIME negative = fileTimeOf(0x8000000000000000ULL);
    SYSTEMTIME st;
    EXPECT_FALSE(FileTimeToSystemTime(&negative, &st));
    EXPECT_FALSE(SystemTimeToFileTime(nullptr, &negative));
    EXPECT_FALSE(FileTimeToSystemTime(nullptr, &st));
}

TEST_F(LocalTime, LocalFileTimeUsesTheOffsetOfThatInstant)
{
    SYSTEMTIME winterUtc = { 2026, 1, 0, 15, 12, 0, 0, 250 };
    SYSTEMTIME summerUtc = { 2026, 7, 0, 15, 12, 0, 0, 250 };
    for (auto [utc, offsetHours] : { std::pair { winterUtc, 1 }, std::pair { summerUtc, 2 } }) {
        FILETIME ft, local, back;
        ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
        ASSERT_TRUE(FileTimeToLocalFileTime(&ft, &local));
        EXPECT_EQ(ticksOf(local) - ticksOf(ft), offsetHours * 3600ULL * 10000000ULL);
        ASSERT_TRUE(LocalFileTimeToFileTime(&local, &back));
        EXPECT_EQ(ticksOf(back), ticksOf(ft));
    }
    FILETIME a = fileTimeOf(5), b = fileTimeOf(7);
    EXPECT_EQ(CompareFileTime(&a, &b), -1);
    EXPECT_EQ(CompareFileTime(&b, &a), 1);
    EXPECT_EQ(CompareFileTime(&a, &a), 0);
}

TEST_F(LocalTime, CTimeConvertsFromAndToSystemAndFileTimes)
{
    SYSTEMTIME st = { 2026, 7, 0, 15, 14, 30, 0, 0 };
    CTime fromSystem(st);
    EXPECT_EQ(fromSystem.Format("%Y-%m-%d %H:%M:%S"), "2026-07-15 14:30:00");
    SYSTEMTIME back;
    ASSERT_TRUE(fromSystem.GetAsSystemTime(back));
    EXPECT_EQ(back.wHour, 14);
    EXPECT_EQ(back.wDayOfWeek, 3); // Wednesday

    FILETIME ft;
    ASSERT_TRUE(fromSystem.GetAsFileTime(ft));
    SYSTEMTIME utc;
    ASSERT_TRUE(FileTimeToSystemTime(&ft, &utc));
    EXPECT_EQ(utc.wHour, 12); // CEST is two hours ahead
    CTime fromFile(ft);
    EXPECT_EQ(fromFile, fromSystem);
    EXPECT_TRUE(CTime::IsValidFILETIME(ft));
    EXPECT_FALSE(CTime::IsValidFILETIME(fileTimeOf(0))); // 1601: before CTime's range

    SYSTEMTIME old = { 1850, 1, 0, 1, 0, 0, 0, 0 };
    EXPECT_EQ(CTime(old).GetTime(), 0);
    EXPECT_FALSE(CTime(-5).GetAsSystemTime(back));
    EXPECT_FALSE(CTime(-5).GetAsFileTime(ft));
}

TEST(SystemTime, NowAgreesWithTheClock)
{
    SYSTEMTIME utc, local;
    GetSystemTime(&utc);
    GetLocalTime(&local);
    FILETIME ft, now;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    GetSystemTimeAsFileTime(&now);
    ULONGLONG apart = ticksOf(now) - ticksOf(ft);
    EXPECT_LT(apart, 50000000ULL); // within five seconds
    EXPECT_GE(utc.wYear, 2024);
    FILETIME localFt, localFromUtc;
    ASSERT_TRUE(SystemTimeToFileTime(&local, &localFt));
    ASSERT_TRUE(FileTimeToLocalFileTime(&ft, &localFromUtc));
    EXPECT_LT(ticksOf(localFt) - ticksOf(localFromUtc) + 50000000ULL, 100000000ULL);
}
