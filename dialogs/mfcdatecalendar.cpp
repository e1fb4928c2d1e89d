#include "dialogs/mfcdatecalendar.h"

#include "resources/resource.h"

#include <algorithm>

namespace mfcdatecalendar {

BOOL open(CDialog& dialog, UINT templateId, CWnd* parent, const CTime* date)
{
    if (!dialog.Create(templateId, parent))
        return FALSE;
    dialog.ShowWindow(SW_SHOW);
    if (date)
        show(dialog.GetSafeHwnd(), *date);
    return TRUE;
}

void show(HWND dialog, CTime date)
{
    HWND calendar = dialog ? ::GetDlgItem(dialog, IDC_MONTHCALENDAR1) : nullptr;
    SYSTEMTIME day {};
    if (!calendar || !date.GetAsSystemTime(day))
        return;
    ::SendMessage(calendar, MCM_SETTODAY, 0, reinterpret_cast<LPARAM>(&day));
    ::SendMessage(calendar, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
}

bool selectedDay(HWND dialog, CTime* day)
{
    HWND calendar = dialog ? ::GetDlgItem(dialog, IDC_MONTHCALENDAR1) : nullptr;
    SYSTEMTIME selected {};
    if (!calendar
        || !::SendMessage(calendar, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&selected)))
        return false;
    *day = CTime(selected.wYear, selected.wMonth, selected.wDay, 0, 0, 0);
    return true;
}

void clearDayStates(NMHDR* header, MONTHDAYSTATE (&states)[12])
{
    auto* request = reinterpret_cast<NMDAYSTATE*>(header);
    int months = std::min(std::max(request->cDayState, 0), 12);
    std::fill(states, states + months, 0);
    // A request for more months than the array holds keeps the calendar's own (cleared) buffer.
    if (request->cDayState <= 12)
        request->prgDayState = states;
}

void notify(HWND target, HWND control)
{
    if (target)
        ::PostMessage(target, WM_COMMAND, MAKEWPARAM(IDC_MFCDATESEL_DONE, BN_CLICKED),
            reinterpret_cast<LPARAM>(control));
}

} // namespace mfcdatecalendar
