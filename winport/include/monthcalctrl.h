// CMonthCalCtrl and CProgressCtrl: the month calendar's and the progress bar's messages.
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

class WINPORT_API CProgressCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetRange(short low, short high);
    void SetRange32(int low, int high);
    void GetRange(int& low, int& high) const;
    int GetPos() const;
    int SetPos(int pos);
    int OffsetPos(int delta);
    int SetStep(int step);
    int StepIt();
};
