// CPrintDialog: the print and print-setup dialog with its PRINTDLGA (m_pd) and the chosen
// printer's device mode.
#pragma once

#include "afxstr.h"
#include "cdialog.h"
#include "commdlg.h"

class WINPORT_API CPrintDialog : public CDialog {
public:
    // printSetupOnly: the print-setup form (no page range).
    explicit CPrintDialog(BOOL printSetupOnly,
        DWORD flags
        = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
        CWnd* parent = nullptr);
    ~CPrintDialog() override;
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    // IDOK when the user chose a printer, IDCANCEL otherwise (see CommDlgExtendedError).
    INT_PTR DoModal() override;
    // The default printer without a dialog (m_pd.hDC made when PD_RETURNDC is set).
    BOOL GetDefaults();
    // The device context of the chosen printer (made now when the dialog did not make one); the
    // caller deletes it.
    HDC GetPrinterDC() const;
    HDC CreatePrinterDC();
    DEVMODEA* GetDevMode() const;
    CString GetDeviceName() const;
    int GetCopies() const;
    BOOL PrintAll() const;
    BOOL PrintRange() const;
    int GetFromPage() const;
    int GetToPage() const;

    PRINTDLGA m_pd;

private:
    mutable DEVMODEA m_devMode;
};
