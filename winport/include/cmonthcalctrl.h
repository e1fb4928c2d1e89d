// CMonthCalCtrl: the month calendar's messages.
#pragma once

#include "commctrl.h"
#include "cwnd.h"

class WINPORT_API CMonthCalCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL GetCurSel(LPSYSTEMTIME time) const;
    BOOL SetCurSel(const SYSTEMTIME* time);
    BOOL GetToday(LPSYSTEMTIME time) const;
    // NULL: the system's today.
    void SetToday(const SYSTEMTIME* time);
    BOOL SetDayState(int months, LPMONTHDAYSTATE states);
    int GetMonthRange(LPSYSTEMTIME first, LPSYSTEMTIME last, DWORD flags) const;
    int GetFirstDayOfWeek() const;
    BOOL SetFirstDayOfWeek(int day, int* old = nullptr);
};
