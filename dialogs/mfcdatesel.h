// mfcDateSel: the modeless "Select a Date" dialog (template 1004). The chosen day lives in the
// process-wide ctMfcDate, which outlives the dialog; command 1083 tells the target window that
// the user confirmed (control handle: the OK button) or cancelled (control handle NULL).
#pragma once

#include "tessilo40_api.h"
#include <afxwin.h>
#include <afxcmn.h>
#include <atltime.h>

// The chosen day at 00:00:00; the zero time after Cancel. Shared by every date dialog.
TESSILO40_API extern CTime ctMfcDate;
// The day states handed to the calendar (no day is bold).
TESSILO40_API extern MONTHDAYSTATE mdsMfc[12];
TESSILO40_API CTime mfcDateGet();

class TESSILO40_API mfcDateSel : public CDialog {
public:
    // Opens the dialog over the parent with no target; ctMfcDate is not changed.
    explicit mfcDateSel(CWnd* parent);
    // Opens the dialog with `date` selected and marked as today; ctMfcDate becomes `date`.
    mfcDateSel(CWnd* parent, HWND target, CTime date);

    HWND hwndTarget = nullptr; // told by command 1083, may be NULL
    BOOL bConfirmed = FALSE; // 1 after OK, 0 after Cancel

protected:
    // For derived dialogs: nothing is created until mfcDateSelCreate.
    explicit mfcDateSel(HWND target);
    // Creates the dialog from the library's template, shows it and, given a date, selects it.
    // FALSE (and no window) when the template cannot be found or loaded.
    BOOL mfcDateSelCreate(UINT templateId, CWnd* parent, const CTime* date);

    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnGetdaystateMonthcalendar1(NMHDR* header, LRESULT* result);
    afx_msg void OnSelchangeMonthcalendar1(NMHDR* header, LRESULT* result);
    afx_msg void OnSelectMonthcalendar1(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
