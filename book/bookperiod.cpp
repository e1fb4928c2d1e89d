// Local calendar arithmetic through mktime, which normalises day and month overflows and daylight
// saving the same way for every caller.
#include "book/bookperiod.h"

#include <algorithm>
#include <atomic>

namespace bookperiod {

namespace {

    // About ten thousand years either way: far beyond any calendar, small enough for tm fields.
    const long long kMaxDays = 3650000;

    std::tm localFields(std::time_t t)
    {
        std::tm fields {};
        localtime_r(&t, &fields);
        return fields;
    }

    std::time_t normalise(std::tm fields)
    {
        fields.tm_isdst = -1;
        return std::mktime(&fields);
    }

    std::atomic<clockSource> clock { nullptr };

} // namespace

void setClock(clockSource source) { clock = source; }

std::time_t now()
{
    clockSource source = clock;
    return source ? source() : std::time(nullptr);
}

std::time_t localTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm fields {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return normalise(fields);
}

int weekdayOf(std::time_t t) { return localFields(t).tm_wday + 1; }

std::time_t dayAt(std::time_t t, long long days, int hour, int minute, int second)
{
    std::tm fields = localFields(t);
    fields.tm_mday += static_cast<int>(std::clamp(days, -kMaxDays, kMaxDays));
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return normalise(fields);
}

long long daysBack(int weekday, std::time_t d)
{
    long long back = static_cast<long long>(weekday) - weekdayOf(d);
    if (back > 0)
        back -= 7;
    return back;
}

period waterWeek(std::time_t d, int weekday)
{
    std::time_t start = dayAt(d, daysBack(weekday, d), 0, 0, 0);
    return { start, dayAt(start, 6, 23, 59, 59) };
}

std::time_t backToWeekDayEnd(int weekday, std::time_t t)
{
    if (weekday < 1 || weekday > 7)
        return t;
    int day = weekdayOf(t);
    if (day == weekday)
        return t;
    int back = day - weekday;
    if (back < 0)
        back += 7;
    return dayAt(t, -back, 0, 0, 0);
}

period snapped(std::time_t reference, int months, int years)
{
    std::time_t from = dayAt(reference, 0, 0, 0, 0);
    std::tm fields = localFields(from);
    fields.tm_mon += months;
    fields.tm_year += years;
    fields.tm_hour = 23;
    fields.tm_min = 59;
    fields.tm_sec = 59;
    std::time_t t = backToWeekDayEnd(weekdayOf(from), normalise(fields));
    return { from, dayAt(t, -1, 23, 59, 59) };
}

bool touches(std::time_t from, std::time_t to, const period& p)
{
    return from <= p.end && to >= p.start;
}

} // namespace bookperiod
