// CPrintDialog over PrintDlg, and CPrintInfo.
#include "afxview.h"
#include "cprintdialog.h"

#include <cstring>

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
    : m_pd {}
    , m_devMode {}
{
    m_pParentWnd = parent;
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = flags | PD_RETURNDC;
    if (printSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nCopies = 1;
    m_pd.hDevMode = &m_devMode;
}

CPrintDialog::~CPrintDialog() = default;

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    m_pd.hDevMode = &m_devMode;
    return PrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    m_pd.hDevMode = &m_devMode;
    DWORD flags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL ok = PrintDlg(&m_pd);
    m_pd.Flags = flags;
    return ok;
}

HDC CPrintDialog::GetPrinterDC() const { return m_pd.hDC; }

HDC CPrintDialog::CreatePrinterDC()
{
    if (!m_pd.hDC && m_devMode.dmDeviceName[0])
        m_pd.hDC = ::CreateDC(
            nullptr, reinterpret_cast<const char*>(m_devMode.dmDeviceName), nullptr, &m_devMode);
    return m_pd.hDC;
}

DEVMODEA* CPrintDialog::GetDevMode() const { return m_devMode.dmSize ? &m_devMode : nullptr; }

CString CPrintDialog::GetDeviceName() const
{
    char name[CCHDEVICENAME + 1] = {};
    std::memcpy(name, m_devMode.dmDeviceName, CCHDEVICENAME);
    return CString(name);
}

int CPrintDialog::GetCopies() const { return m_devMode.dmCopies > 0 ? m_devMode.dmCopies : 1; }
BOOL CPrintDialog::PrintAll() const { return !PrintRange(); }
BOOL CPrintDialog::PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
int CPrintDialog::GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
int CPrintDialog::GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION))
    , m_bDirect(FALSE)
    , m_bPreview(FALSE)
    , m_bContinuePrinting(TRUE)
    , m_nCurPage(1)
    , m_nNumPreviewPages(0)
    , m_lpUserData(nullptr)
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
}

CPrintInfo::~CPrintInfo()
{
    if (m_pPD && m_pPD->m_pd.hDC)
        ::DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT page) { m_pPD->m_pd.nMinPage = static_cast<WORD>(page); }
void CPrintInfo::SetMaxPage(UINT page) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(page); }
UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }
UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }

UINT CPrintInfo::GetFromPage() const
{
    return m_pPD->PrintRange() ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return m_pPD->PrintRange() ? m_pPD->m_pd.nToPage : GetMaxPage();
}
