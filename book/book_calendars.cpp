// The book's calendar members: water weeks from the profile's weekday settings, and the periods
// shown by a start and an end month-calendar control.
#include "book/book.h"
#include "book/bookperiod.h"

#include "app/tessilo.h"

#include <cstdlib>

namespace {

// Reads a weekday setting and writes the text read straight back, so the key exists afterwards.
int weekdaySetting(const char* key)
{
    CString text = TessiloApp.getProfileString(CString(key), CString("1"));
    TessiloApp.writeProfileString(CString(key), text);
    return std::atoi(text);
}

bool switchSet(const char* key)
{
    return std::atoi(TessiloApp.getProfileString(CString(key), CString("0"))) > 0;
}

void store(CTime* start, CTime* end, const bookperiod::period& p)
{
    if (start)
        *start = CTime(p.start);
    if (end)
        *end = CTime(p.end);
}

bookperiod::period current(const char* key)
{
    return bookperiod::waterWeek(bookperiod::now(), weekdaySetting(key));
}

SYSTEMTIME systemDay(std::time_t t, int hour, int minute, int second)
{
    SYSTEMTIME day {};
    CTime(t).GetAsSystemTime(day);
    day.wHour = static_cast<WORD>(hour);
    day.wMinute = static_cast<WORD>(minute);
    day.wSecond = static_cast<WORD>(second);
    day.wMilliseconds = 0;
    return day;
}

void select(HWND calendar, std::time_t t, int hour, int minute, int second)
{
    if (!calendar)
        return;
    SYSTEMTIME day = systemDay(t, hour, minute, second);
    ::SendMessage(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
}

void markToday(HWND calendar, std::time_t t)
{
    if (!calendar)
        return;
    SYSTEMTIME day = systemDay(t, 0, 0, 0);
    ::SendMessage(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&day));
}

bool selection(HWND calendar, std::time_t* t)
{
    if (!calendar)
        return false;
    SYSTEMTIME day {};
    if (!::SendMessage(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day)))
        return false;
    *t = bookperiod::localTime(day.wYear, day.wMonth, day.wDay, 0, 0, 0);
    return true;
}

} // namespace

void book::bookCalendarsGetCurrentWeek(CTime* start, CTime* end)
{
    store(start, end, current("WaterWeekDay"));
}

void book::bookCalendarsGetNextWeek(CTime* start, CTime* end)
{
    bookperiod::period week = current("WaterWeekDay");
    store(start, end,
        { bookperiod::dayAt(week.start, 7, 0, 0, 0), bookperiod::dayAt(week.end, 7, 23, 59, 59) });
}

void book::bookCalendarsGetPreviousWeek(CTime* start, CTime* end)
{
    bookperiod::period week = current("WaterWeekDay");
    store(start, end,
        { bookperiod::dayAt(week.start, -7, 0, 0, 0),
            bookperiod::dayAt(week.end, -7, 23, 59, 59) });
}

void book::bookCalendarsGetCurrentMonth(CTime* start, CTime* end)
{
    store(start, end, current("WaterMonthDay"));
}

void book::bookCalendarsGetCurrentYear(CTime* start, CTime* end)
{
    store(start, end, current("WaterYearDay"));
}

BOOL book::bookCalendarsIsCurrentWeek(CTime from, CTime to)
{
    return bookperiod::touches(from.GetTime(), to.GetTime(), current("WaterWeekDay"));
}

BOOL book::bookCalendarsIsCurrentMonth(CTime from, CTime to)
{
    return bookperiod::touches(from.GetTime(), to.GetTime(), current("WaterMonthDay"));
}

BOOL book::bookCalendarsIsCurrentYear(CTime from, CTime to)
{
    return bookperiod::touches(from.GetTime(), to.GetTime(), current("WaterYearDay"));
}

CTime book::bookCalendarsBackToWaterWeekDayEnd(int weekday, CTime t)
{
    return CTime(bookperiod::backToWeekDayEnd(weekday, t.GetTime()));
}

void book::bookSQLCalendarsSet(HWND start, HWND end, CTime from, CTime to)
{
    select(start, from.GetTime(), 0, 0, 0);
    select(end, to.GetTime(), 23, 59, 59);
}

void book::bookSQLCalendarsGet(HWND start, HWND end, CTime* from, CTime* to)
{
    std::time_t day = 0;
    if (from && selection(start, &day))
        *from = CTime(day);
    if (to && selection(end, &day))
        *to = CTime(bookperiod::dayAt(day, 0, 23, 59, 59));
}

namespace {

// Computes a period with one of the book's Get operations and writes it to the calendars.
void writePeriod(book* owner, HWND start, HWND end, void (book::*get)(CTime*, CTime*))
{
    CTime from, to;
    (owner->*get)(&from, &to);
    owner->bookSQLCalendarsSet(start, end, from, to);
}

} // namespace

void book::bookSQLCalendarsSetStartToday(HWND start)
{
    if (start)
        select(start, current("WaterWeekDay").start, 0, 0, 0);
}

void book::bookCalendarsSetCurrentWeek(HWND start, HWND end)
{
    writePeriod(this, start, end, &book::bookCalendarsGetCurrentWeek);
}

void book::bookCalendarsSetNextWeek(HWND start, HWND end)
{
    writePeriod(this, start, end, &book::bookCalendarsGetNextWeek);
}

void book::bookCalendarsSetPreviousWeek(HWND start, HWND end)
{
    writePeriod(this, start, end, &book::bookCalendarsGetPreviousWeek);
}

void book::bookCalendarsSetCurrentMonth(HWND start, HWND end)
{
    writePeriod(this, start, end, &book::bookCalendarsGetCurrentMonth);
}

void book::bookCalendarsSetCurrentYear(HWND start, HWND end)
{
    writePeriod(this, start, end, &book::bookCalendarsGetCurrentYear);
}

namespace {

// The date a snap starts from: the day of the calendar the user has just changed, otherwise now.
std::time_t referenceDate(book* owner, HWND start, HWND end, HWND reference)
{
    CTime now(bookperiod::now());
    CTime from = now;
    CTime to = now;
    owner->bookSQLCalendarsGet(start, end, &from, &to);
    if (reference == start)
        return from.GetTime();
    if (reference == end)
        return to.GetTime();
    return now.GetTime();
}

void snap(book* owner, HWND start, HWND end, HWND reference, int months, int years)
{
    if (!start || !end || !reference)
        return;
    std::time_t date = referenceDate(owner, start, end, reference);
    // Both settings are read and written back; neither enters the arithmetic.
    weekdaySetting("WaterMonthDay");
    weekdaySetting("WaterWeekDay");
    bookperiod::period p = bookperiod::snapped(date, months, years);
    owner->bookSQLCalendarsSet(start, end, CTime(p.start), CTime(p.end));
}

} // namespace

void book::bookCalendarsSnapToWeek(HWND start, HWND end, HWND reference)
{
    if (!start || !end || !reference)
        return;
    std::time_t date = referenceDate(this, start, end, reference);
    bookperiod::period week = bookperiod::waterWeek(date, weekdaySetting("WaterWeekDay"));
    bookSQLCalendarsSet(start, end, CTime(week.start), CTime(week.end));
}

void book::bookCalendarsSnapToMonth(HWND start, HWND end, HWND reference)
{
    snap(this, start, end, reference, 1, 0);
}

void book::bookCalendarsSnapToYear(HWND start, HWND end, HWND reference)
{
    snap(this, start, end, reference, 0, 1);
}

void book::bookCalendarsSyncCalendars(HWND start, HWND end, HWND reference)
{
    if (switchSet("CalUsingWeek"))
        bookCalendarsSnapToWeek(start, end, reference);
    else if (switchSet("CalUsingMonth"))
        bookCalendarsSnapToMonth(start, end, reference);
    else if (switchSet("CalUsingYear"))
        bookCalendarsSnapToYear(start, end, reference);
}

void book::bookCalendarsSnapToUoMWeek(HWND start, HWND end, unsigned int which)
{
    CTime from, to;
    switch (which) {
    case 1:
        bookCalendarsGetCurrentWeek(&from, &to);
        break;
    case 2:
        bookCalendarsGetNextWeek(&from, &to);
        break;
    case 3:
        bookCalendarsGetPreviousWeek(&from, &to);
        break;
    default: {
        std::time_t now = bookperiod::now();
        from = CTime(bookperiod::dayAt(now, 0, 0, 0, 0));
        to = CTime(bookperiod::dayAt(now, 0, 23, 59, 59));
    }
    }
    bookSQLCalendarsSet(start, end, from, to);
    markToday(start, from.GetTime());
    markToday(end, to.GetTime());
    bookCalendarsSyncCalendars(start, end, start);
}

void book::bookCalendarsSnapToUoMMonth(HWND, HWND, unsigned int) { }

void book::bookCalendarsSnapToUoMYear(HWND, HWND, unsigned int) { }
