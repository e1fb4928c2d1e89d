#include "cwinapp.h"
#include "cdialog.h"
#include "cwinthread.h"
#include "pendingobject.h"
#include "qt/windows/dialog.h"

#include <cstdio>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog() = default;

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCE(templateId))
    , m_nIDHelp(templateId)
    , m_pParentWnd(parent)
{
}

CDialog::CDialog(LPCSTR templateName, CWnd* parent)
    : m_lpszTemplateName(templateName)
    , m_pParentWnd(parent)
{
}

HWND CDialog::ParentForDialog() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    CWnd* main = AfxGetMainWnd();
    return main ? main->m_hWnd : nullptr;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    return Create(MAKEINTRESOURCE(templateId), parent);
}

BOOL CDialog::Create(LPCSTR templateName, CWnd* parent)
{
    if (m_hWnd)
        return FALSE;
    m_lpszTemplateName = templateName;
    if (parent)
        m_pParentWnd = parent;
    const winport::DialogTemplate* t = winport::findDialogTemplate(nullptr, templateName);
    if (!t)
        return FALSE;
    winport::setPendingObject(this);
    HWND dialog = winport::createDialog(*t, nullptr, ParentForDialog(), nullptr, 0, false);
    winport::setPendingObject(nullptr);
    return dialog != nullptr && m_hWnd == dialog;
}

INT_PTR CDialog::DoModal()
{
    const winport::DialogTemplate* t = winport::findDialogTemplate(nullptr, m_lpszTemplateName);
    if (!t || m_hWnd)
        return -1;
    INT_PTR result = winport::runModalDialog(
        *t, nullptr, ParentForDialog(), nullptr, 0, [this] { winport::setPendingObject(this); });
    winport::setPendingObject(nullptr);
    return result;
}

void CDialog::EndDialog(int result) { ::EndDialog(m_hWnd, result); }

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    Default();
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
void CDialog::DoDataExchange(CDataExchange*) { }

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(SendMessage(DM_GETDEFID)); }

void CDialog::NextDlgCtrl() const
{
    if (HWND next = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), FALSE))
        ::SetFocus(next);
}

void CDialog::PrevDlgCtrl() const
{
    if (HWND previous = ::GetNextDlgTabItem(m_hWnd, ::GetFocus(), TRUE))
        ::SetFocus(previous);
}

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control)
        ::SetFocus(control->m_hWnd);
}

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate)
    , m_pDlgWnd(dialog)
{
}

HWND CDataExchange::PrepareCtrl(int id)
{
    HWND control = m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (!control)
        Fail();
    return control;
}

void DDX_Text(CDataExchange* dx, int id, CString& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        CWnd::FromHandle(control)->GetWindowText(value);
    else
        ::SetWindowText(control, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate) {
        BOOL ok = FALSE;
        UINT number = ::GetDlgItemInt(dx->m_pDlgWnd->m_hWnd, id, &ok, TRUE);
        if (ok)
            value = static_cast<int>(number);
        else
            dx->Fail();
    } else {
        ::SetDlgItemInt(dx->m_pDlgWnd->m_hWnd, id, static_cast<UINT>(value), TRUE);
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessage(control, BM_GETCHECK, 0, 0));
    else
        ::SendMessage(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value)
{
    HWND control = dx->PrepareCtrl(id);
    if (!control)
        return;
    if (dx->m_bSaveAndValidate)
        value = -1;
    int index = 0;
    for (HWND h = control; h; h = ::GetWindow(h, GW_HWNDNEXT), ++index) {
        if (h != control && (::GetWindowLongPtr(h, GWL_STYLE) & WS_GROUP))
            break;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessage(h, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            ::SendMessage(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control)
{
    if (control.m_hWnd)
        return;
    HWND item = dx->PrepareCtrl(id);
    if (item)
        control.SubclassWindow(item);
}

int AfxMessageBox(LPCSTR text, UINT type, UINT)
{
    CWnd* main = AfxGetMainWnd();
    LPCSTR caption = AfxGetAppName();
    return ::MessageBox(main ? main->m_hWnd : nullptr, text,
        caption ? caption : program_invocation_short_name, type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT)
{
    char text[4096];
    if (!::LoadString(nullptr, promptId, text, sizeof text))
        std::snprintf(text, sizeof text, "%u", promptId);
    return AfxMessageBox(text, type, 0);
}
