#include "dialogs/mfcinvthreshold.h"

#include "book/bookdecimal.h"
#include "resources/resource.h"

namespace {
const double kDefaultThreshold = 10.0;
// The threshold field is read up to this many characters.
const int kThresholdBuffer = 25;
}

mfcInvThreshold::mfcInvThreshold(CWnd* parent)
    : mfcInvThreshold(IDD_MFCINVTHRESHOLD, parent)
{
}

mfcInvThreshold::mfcInvThreshold(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent)
{
    DoModal();
}

BOOL mfcInvThreshold::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_EDIT_THRESHOLD, "10");
    if (HWND edit = ::GetDlgItem(m_hWnd, IDC_EDIT_THRESHOLD)) {
        // Selected, so that the user's number replaces the default.
        ::SetFocus(edit);
        ::SendMessage(edit, EM_SETSEL, 0, -1);
    }
    // The focus is set here.
    return FALSE;
}

void mfcInvThreshold::OnOK()
{
    dThreshold = kDefaultThreshold;
    char text[kThresholdBuffer] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_EDIT_THRESHOLD, text, kThresholdBuffer);
    if (!text[0])
        return;
    dThreshold = bookdecimal::leadingNumber(text);
    EndDialog(IDOK);
}

void mfcInvThreshold::OnCancel()
{
    dThreshold = 0.0;
    EndDialog(IDCANCEL);
}

InvTransfer::InvTransfer() = default;
InvTransfer::InvTransfer(const InvTransfer&) = default;
InvTransfer& InvTransfer::operator=(const InvTransfer&) = default;
InvTransfer::~InvTransfer() = default;
