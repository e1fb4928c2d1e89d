#include "ftp/dlgftplistedit.h"

#include "ftp/dlgftplogitem.h"
#include "ftp/dlgidpw.h"
#include "ftp/ftpfields.h"
#include "resources/resource.h"

namespace {
// The entries of both type lists, in their order.
const DWORD kTypeOrder[] = { DLGFTPITEM_DRIVE, DLGFTPITEM_FOLDER, DLGFTPITEM_FILE };

int typeIndex(DWORD type)
{
    for (int i = 0; i < 3; ++i) {
        if (kTypeOrder[i] == type)
            return i;
    }
    return -1;
}
}

BEGIN_MESSAGE_MAP(CDlgFtpListEdit, CDialog)
ON_BN_CLICKED(IDC_BUTTON_IDPW, OnButtonIdPw)
END_MESSAGE_MAP()

CDlgFtpListEdit::CDlgFtpListEdit(
    CWnd* parent, _DlgFtpItemTransfer* item, CRect* rect, int alignRight, CString caption)
    : CDialog(IDD_DLGFTPLISTEDIT, parent)
    , m_pItem(item)
    , m_rect(rect ? *rect : CRect())
    , m_bRect(rect != nullptr)
    , m_bAlignRight(alignRight)
    , m_strCaption(caption)
{
}

CDlgFtpListEdit::~CDlgFtpListEdit() = default;

void CDlgFtpListEdit::DoDataExchange(CDataExchange*) { }

CString CDlgFtpListEdit::GetEditType(DWORD type) { return dlgftplogTypeName(type); }

DWORD CDlgFtpListEdit::GetEditTypeFromStr(CString text)
{
    for (DWORD type : kTypeOrder) {
        if (text == GetEditType(type))
            return type;
    }
    return 0;
}

BOOL CDlgFtpListEdit::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_pItem) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    for (int id : { IDC_COMBO_SOURCETYPE, IDC_COMBO_DESTTYPE }) {
        for (DWORD type : kTypeOrder) {
            CString name = GetEditType(type);
            SendDlgItemMessage(id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.GetString()));
        }
    }
    if (m_bRect) {
        CRect mine;
        GetWindowRect(&mine);
        int left = m_bAlignRight ? m_rect.right - mine.Width() : m_rect.left;
        SetWindowPos(nullptr, left, m_rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    SetWindowText(m_strCaption);
    ShowEdits();
    return TRUE;
}

void CDlgFtpListEdit::ShowEdits()
{
    if (!m_pItem)
        return;
    SetDlgItemText(IDC_EDIT_FROM, m_pItem->source.path);
    SendDlgItemMessage(IDC_COMBO_SOURCETYPE, CB_SETCURSEL, typeIndex(m_pItem->source.type), 0);
    SetDlgItemText(IDC_EDIT_TO, m_pItem->destination.path);
    SendDlgItemMessage(IDC_COMBO_DESTTYPE, CB_SETCURSEL, typeIndex(m_pItem->destination.type), 0);
    SetDlgItemText(IDC_EDIT_HOST, m_pItem->host);
    CheckDlgButton(
        IDC_CHECK_ITEMSUBDIRS, m_pItem->includeSubdirectories ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgFtpListEdit::UpdateEdits()
{
    if (!m_pItem)
        return;
    ftpfields::readItem(m_hWnd, IDC_EDIT_FROM, m_pItem->source.path);
    ftpfields::readItem(m_hWnd, IDC_EDIT_TO, m_pItem->destination.path);
    ftpfields::readItem(m_hWnd, IDC_EDIT_HOST, m_pItem->host);
    char type[32] = {};
    ::GetDlgItemTextA(m_hWnd, IDC_COMBO_SOURCETYPE, type, sizeof type);
    m_pItem->source.type = GetEditTypeFromStr(type);
    ::GetDlgItemTextA(m_hWnd, IDC_COMBO_DESTTYPE, type, sizeof type);
    m_pItem->destination.type = GetEditTypeFromStr(type);
    m_pItem->includeSubdirectories = IsDlgButtonChecked(IDC_CHECK_ITEMSUBDIRS) == BST_CHECKED;
}

void CDlgFtpListEdit::OnOK()
{
    UpdateEdits();
    EndDialog(IDOK);
}

void CDlgFtpListEdit::OnCancel() { EndDialog(IDCANCEL); }

void CDlgFtpListEdit::OnButtonIdPw()
{
    if (!m_pItem)
        return;
    CDlgIdPw credentials(nullptr, this, m_pItem->userId, m_pItem->password);
    if (credentials.DoModal() != IDOK)
        return;
    ftpfields::copy(m_pItem->userId, credentials.m_strId);
    ftpfields::copy(m_pItem->password, credentials.m_strPassword);
}
