// Calendar arithmetic behind the book's calendar members: water weeks and the week-long periods a
// selection snaps to. Times are local times in seconds (the value a CTime holds); every function
// takes the moment it works from, so callers decide what "now" is.
#pragma once

#include "tessilo40_api.h"

#include <ctime>

namespace bookperiod {

// The clock the book's calendars and log take "now" from: the system clock unless a source is set
// (a host replaying a past day, a test with a fixed day). nullptr restores the system clock.
using clockSource = std::time_t (*)();
TESSILO40_API void setClock(clockSource source);
TESSILO40_API std::time_t now();

// A period runs from 00:00:00 of its first day to 23:59:59 of its last day.
struct period {
    std::time_t start;
    std::time_t end;
};

// Local time from its fields; out-of-range fields roll over (31 February is 3 March).
TESSILO40_API std::time_t localTime(int year, int month, int day, int hour, int minute, int second);

// Weekday of a moment: 1 Sunday ... 7 Saturday.
TESSILO40_API int weekdayOf(std::time_t t);

// The day of t moved by `days` calendar days, at the given time of day.
TESSILO40_API std::time_t dayAt(std::time_t t, long long days, int hour, int minute, int second);

// Days to move back from d to the latest day on or before it that falls on `weekday`: 0 to -6
// for weekdays 1 to 7 (other weekday numbers follow the same rule, as the profile may hold them).
TESSILO40_API long long daysBack(int weekday, std::time_t d);

// The seven-day water week starting on `weekday` that contains d.
TESSILO40_API period waterWeek(std::time_t d, int weekday);

// t itself when its day falls on `weekday`, otherwise the latest earlier day on that weekday at
// 00:00:00. Weekdays outside 1..7 never match: t is returned unchanged.
TESSILO40_API std::time_t backToWeekDayEnd(int weekday, std::time_t t);

// The period a selection snaps to: from the reference day, whole weeks up to the same day number
// `months` months and `years` years later, ending the day before that weekday comes round again.
TESSILO40_API period snapped(std::time_t reference, int months, int years);

// TRUE when [from, to] overlaps or touches the period.
TESSILO40_API bool touches(std::time_t from, std::time_t to, const period& p);

} // namespace bookperiod
