#include "ftp/dlgidpw.h"

#include "ftp/ftpprofile.h"
#include "resources/resource.h"

namespace {
// Each field is read up to this many characters.
const int kFieldChars = 255;

CString fieldText(HWND dialog, int id)
{
    char text[kFieldChars + 1] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}
}

CDlgIdPw::CDlgIdPw(CWinApp* app, CWnd* parent, CString id, CString password)
    : CDialog(IDD_DLGIDPW, parent)
    , m_strId(id)
    , m_strPassword(password)
    , m_pApp(app)
{
}

CDlgIdPw::~CDlgIdPw() = default;

void CDlgIdPw::DoDataExchange(CDataExchange*) { }

BOOL CDlgIdPw::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_strId.IsEmpty() && m_pApp)
        m_strId = ftpprofile::read(m_pApp, ftpprofile::kId);
    SetDlgItemText(IDC_EDIT_USERID, m_strId);
    if (m_strPassword.IsEmpty() && m_pApp)
        m_strPassword = ftpprofile::read(m_pApp, ftpprofile::kPassword);
    SetDlgItemText(IDC_EDIT_PASSWORD, m_strPassword);
    return TRUE;
}

void CDlgIdPw::OnOK()
{
    m_strId = fieldText(m_hWnd, IDC_EDIT_USERID);
    m_strPassword = fieldText(m_hWnd, IDC_EDIT_PASSWORD);
    if (m_pApp) {
        ftpprofile::write(m_pApp, ftpprofile::kId, m_strId);
        ftpprofile::write(m_pApp, ftpprofile::kPassword, m_strPassword);
    }
    EndDialog(IDOK);
}

void CDlgIdPw::OnCancel() { EndDialog(IDCANCEL); }
