// CProgressCtrl: sends the progress bar its PBM_* messages.
#include "cprogressctrl.h"

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
