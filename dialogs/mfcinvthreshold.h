// mfcInvThreshold: the modal "Inventory Threshold %" dialog (template 1007), run to its end
// inside the constructor; the host then reads the percentage from dThreshold. InvTransfer: an
// empty polymorphic record for the host applications' inventory transfers.
#pragma once

#include "tessilo40_api.h"
#include <afxwin.h>

class TESSILO40_API mfcInvThreshold : public CDialog {
public:
    // Runs the dialog over the parent. Without the template the threshold stays 10.0.
    explicit mfcInvThreshold(CWnd* parent);

    // The percentage: 10.0 until the dialog ends, the entered number after OK, 0.0 after Cancel.
    double dThreshold = 10.0;

protected:
    // Runs the dialog of another template (a derived dialog's own).
    mfcInvThreshold(UINT templateId, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
};

class TESSILO40_API InvTransfer {
public:
    InvTransfer();
    InvTransfer(const InvTransfer& other);
    InvTransfer& operator=(const InvTransfer& other);
    virtual ~InvTransfer();
};
