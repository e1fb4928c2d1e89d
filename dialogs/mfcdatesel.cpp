// The date dialog does not close on OK: the host reads mfcDateGet and destroys it when it
// handles command 1083.
#include "dialogs/mfcdatesel.h"

#include "dialogs/mfcdatecalendar.h"
#include "resources/resource.h"

CTime ctMfcDate;
MONTHDAYSTATE mdsMfc[12] = {};

CTime mfcDateGet() { return ctMfcDate; }

BEGIN_MESSAGE_MAP(mfcDateSel, CDialog)
ON_NOTIFY(MCN_GETDAYSTATE, IDC_MONTHCALENDAR1, OnGetdaystateMonthcalendar1)
ON_NOTIFY(MCN_SELCHANGE, IDC_MONTHCALENDAR1, OnSelchangeMonthcalendar1)
ON_NOTIFY(MCN_SELECT, IDC_MONTHCALENDAR1, OnSelectMonthcalendar1)
END_MESSAGE_MAP()

mfcDateSel::mfcDateSel(HWND target)
    : hwndTarget(target)
{
}

mfcDateSel::mfcDateSel(CWnd* parent)
    : mfcDateSel(static_cast<HWND>(nullptr))
{
    mfcDateSelCreate(IDD_MFCDATESEL, parent, nullptr);
}

mfcDateSel::mfcDateSel(CWnd* parent, HWND target, CTime date)
    : mfcDateSel(target)
{
    ctMfcDate = date;
    mfcDateSelCreate(IDD_MFCDATESEL, parent, &date);
}

BOOL mfcDateSel::mfcDateSelCreate(UINT templateId, CWnd* parent, const CTime* date)
{
    return mfcdatecalendar::open(*this, templateId, parent, date);
}

void mfcDateSel::OnOK()
{
    bConfirmed = TRUE;
    mfcdatecalendar::selectedDay(m_hWnd, &ctMfcDate);
    mfcdatecalendar::notify(hwndTarget, ::GetDlgItem(m_hWnd, IDOK));
}

void mfcDateSel::OnCancel()
{
    bConfirmed = FALSE;
    ctMfcDate = CTime();
    mfcdatecalendar::notify(hwndTarget, nullptr);
    CDialog::OnCancel();
}

void mfcDateSel::OnGetdaystateMonthcalendar1(NMHDR* header, LRESULT* result)
{
    mfcdatecalendar::clearDayStates(header, mdsMfc);
    *result = 0;
}

void mfcDateSel::OnSelchangeMonthcalendar1(NMHDR*, LRESULT* result)
{
    mfcdatecalendar::selectedDay(m_hWnd, &ctMfcDate);
    *result = 0;
}

void mfcDateSel::OnSelectMonthcalendar1(NMHDR* header, LRESULT* result)
{
    OnSelchangeMonthcalendar1(header, result);
}
