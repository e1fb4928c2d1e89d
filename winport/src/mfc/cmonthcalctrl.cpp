// CMonthCalCtrl: sends the month calendar its MCM_* messages.
#include "cmonthcalctrl.h"

namespace {
LPARAM timeParam(const SYSTEMTIME* time) { return reinterpret_cast<LPARAM>(time); }
}

BOOL CMonthCalCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(MONTHCAL_CLASS, nullptr, style, rect, parent, id);
}
BOOL CMonthCalCtrl::GetCurSel(LPSYSTEMTIME time) const
{
    return static_cast<BOOL>(SendMessage(MCM_GETCURSEL, 0, timeParam(time)));
}
BOOL CMonthCalCtrl::SetCurSel(const SYSTEMTIME* time)
{
    return static_cast<BOOL>(SendMessage(MCM_SETCURSEL, 0, timeParam(time)));
}
BOOL CMonthCalCtrl::GetToday(LPSYSTEMTIME time) const
{
    return static_cast<BOOL>(SendMessage(MCM_GETTODAY, 0, timeParam(time)));
}
void CMonthCalCtrl::SetToday(const SYSTEMTIME* time)
{
    SendMessage(MCM_SETTODAY, 0, timeParam(time));
}

BOOL CMonthCalCtrl::SetDayState(int months, LPMONTHDAYSTATE states)
{
    return static_cast<BOOL>(SendMessage(
        MCM_SETDAYSTATE, static_cast<WPARAM>(months), reinterpret_cast<LPARAM>(states)));
}

int CMonthCalCtrl::GetMonthRange(LPSYSTEMTIME first, LPSYSTEMTIME last, DWORD flags) const
{
    SYSTEMTIME range[2] = {};
    int months = static_cast<int>(SendMessage(MCM_GETMONTHRANGE, flags, timeParam(range)));
    if (first)
        *first = range[0];
    if (last)
        *last = range[1];
    return months;
}

int CMonthCalCtrl::GetFirstDayOfWeek() const { return LOWORD(SendMessage(MCM_GETFIRSTDAYOFWEEK)); }

BOOL CMonthCalCtrl::SetFirstDayOfWeek(int day, int* old)
{
    LRESULT previous = SendMessage(MCM_SETFIRSTDAYOFWEEK, 0, day);
    if (old)
        *old = LOWORD(previous);
    return TRUE;
}
