#include "monthcalctrl.h"

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

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(PROGRESS_CLASS, nullptr, style, rect, parent, id);
}
void CProgressCtrl::SetRange(short low, short high)
{
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(low, high));
}
void CProgressCtrl::SetRange32(int low, int high)
{
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void CProgressCtrl::GetRange(int& low, int& high) const
{
    PBRANGE range {};
    SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    low = range.iLow;
    high = range.iHigh;
}

int CProgressCtrl::GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
int CProgressCtrl::SetPos(int pos)
{
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos)));
}
int CProgressCtrl::OffsetPos(int delta)
{
    return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta)));
}
int CProgressCtrl::SetStep(int step)
{
    return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step)));
}
int CProgressCtrl::StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
