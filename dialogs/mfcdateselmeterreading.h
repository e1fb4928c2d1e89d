// mfcDateSelMeterReading: the modeless "Set Meter Vitals" dialog (template 1006). The user picks
// the reading's day, may edit the starting reading and computes the volume from the current
// reading the host supplies. The results live in process-wide variables shared by every meter
// dialog; after OK with valid readings the target window gets command 1083 (control handle: the
// OK button) and reads them with the exported readers.
#pragma once

#include "tessilo40_api.h"
#include <afxwin.h>
#include <afxcmn.h>
#include <atltime.h>

TESSILO40_API extern CTime ctMfcDateMeterReading; // the reading's day at 00:00:00
TESSILO40_API extern CString cstrMfcMeterReading; // the current reading
TESSILO40_API extern CString cstrMfcMeterReadingLast; // the starting reading
TESSILO40_API extern CString cstrMfcMeterReadingVolume; // current minus starting
TESSILO40_API extern MONTHDAYSTATE mdsMfcMeterReading[12]; // day states (no day is bold)

TESSILO40_API CTime mfcDateGetMeterReading();
TESSILO40_API CString mfcMeterReadingGet();
TESSILO40_API CString mfcMeterReadingLastGet();
TESSILO40_API CString mfcMeterReadingVolumeGet();

class TESSILO40_API mfcDateSelMeterReading : public CDialog {
public:
    // Opens the dialog over the parent with no target; the readings become "0.0000".
    explicit mfcDateSelMeterReading(CWnd* parent);
    // As above, with `date` selected and marked as today and stored as the reading's day.
    mfcDateSelMeterReading(CWnd* parent, HWND target, CTime date);

    // The current reading (shown in 1039) and the starting reading (shown in 1040).
    void mfcMeterReadingSet(CString text);
    void mfcMeterReadingLastSet(CString text);
    // Enables or disables 1040 and ticks or clears 1043 to match.
    void mfcMeterEnableLastMeterReading(BOOL enable);
    // Ticks or clears 1043 and applies it to 1040.
    void mfcMeterSetEditLastMeterReading(BOOL edit);
    // Current minus starting reading, shown in 1041 and stored with four decimals.
    double mfcMeterReadingCalcVolumeGet();
    // The book's FormatDecimalPlace (the third argument is not used).
    long FormatDecimalPlace(CString* text, int width, int ignored, int precision,
        unsigned int fieldWidth, double* value);

    HWND hwndTarget = nullptr; // told by command 1083, may be NULL
    BOOL bConfirmed = FALSE; // 1 after OK, 0 after Cancel

protected:
    // For derived dialogs: nothing is created until mfcMeterCreate, so that their
    // OnInitDialogFinish runs.
    explicit mfcDateSelMeterReading(HWND target);
    // Creates the dialog from the library's template, shows it and, given a date, selects it.
    // FALSE (and no window) when the template cannot be found or loaded.
    BOOL mfcMeterCreate(UINT templateId, CWnd* parent, const CTime* date);
    // The last step of OnInitDialog, whose result it is: a derived dialog's own initialisation.
    virtual BOOL OnInitDialogFinish();

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnButtonCalc();
    afx_msg void OnCheckEditstartmeterreading();
    afx_msg void OnGetdaystateMonthcalendar1(NMHDR* header, LRESULT* result);
    afx_msg void OnSelchangeMonthcalendar1(NMHDR* header, LRESULT* result);
    afx_msg void OnSelectMonthcalendar1(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()
};
