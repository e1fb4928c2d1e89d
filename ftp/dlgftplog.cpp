#include "ftp/dlgftplog.h"

#include "ftp/dlgftplogview.h"
#include "ftp/ftpicons.h"
#include "resources/resource.h"

#include <afx.h>
#include <afxdlgs.h>
#include <winport/ownerfile.h>

#include <string>

namespace {
// Binary, read and write, create when missing, never truncate, deny writes to others.
const UINT kListFlags = 0xB022;
// Create or truncate, binary, write, exclusive.
const UINT kClearFlags = 0x9010;
// Create or truncate, binary, read and write, exclusive.
const UINT kSaveFlags = 0x9012;
const char* const kFilter = "Ftp Log(s) (*.flg)|*.flg||";

}

BEGIN_MESSAGE_MAP(CDlgFtpLog, CDialog)
ON_BN_CLICKED(IDC_BUTTON_RELOAD, OnButtonReload)
ON_BN_CLICKED(IDC_BUTTON_CLEARLOG, OnButtonClear)
ON_BN_CLICKED(IDC_RADIO_ALL, OnRadioAll)
ON_BN_CLICKED(IDC_RADIO_GET, OnRadioGet)
ON_BN_CLICKED(IDC_RADIO_PUT, OnRadioPut)
ON_BN_CLICKED(IDC_BUTTON_VIEW, OnButtonView)
ON_BN_CLICKED(IDC_BUTTON_LOADLOG, OnButtonLoad)
ON_BN_CLICKED(IDC_BUTTON_SAVELOG, OnButtonSave)
ON_NOTIFY(NM_CLICK, IDC_LIST_FTPLOG, OnClickList)
ON_NOTIFY(NM_DBLCLK, IDC_LIST_FTPLOG, OnDblclkList)
END_MESSAGE_MAP()

CDlgFtpLog::CDlgFtpLog(CWnd* parent, CString logPath)
    : m_pParent(parent)
    , m_strLog(logPath)
{
    if (!Create(IDD_DLGFTPLOG, parent))
        return;
    if (parent && parent->m_hWnd) {
        CRect mine;
        CRect theirs;
        GetWindowRect(&mine);
        parent->GetWindowRect(&theirs);
        MoveWindow(
            theirs.left + 8, theirs.bottom + 10 - mine.Height(), mine.Width(), mine.Height());
    }
    ShowWindow(SW_SHOW);
}

CDlgFtpLog::~CDlgFtpLog()
{
    Close();
    if (m_hWnd)
        DestroyWindow();
}

void CDlgFtpLog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_LIST_FTPLOG, m_list);
}

BOOL CDlgFtpLog::OnInitDialog()
{
    CDialog::OnInitDialog();
    ListInit();
    CheckRadioButton(IDC_RADIO_ALL, IDC_RADIO_PUT, IDC_RADIO_ALL);
    m_nFilter = DLGFTPLOG_ALL;
    SendMessage(WM_COMMAND, IDC_BUTTON_RELOAD);
    return TRUE;
}

int CDlgFtpLog::ListInit()
{
    if (!m_list.m_hWnd)
        return 0;
    if (CImageList* images = CreateImageList())
        m_list.SetImageList(images, LVSIL_SMALL);
    ListCreateFont(m_nFontSize, const_cast<char*>("Arial"));
    int wide = m_list.GetStringWidth(std::string(192, 'i').c_str()) + 25;
    m_list.InsertColumn(0, "Action", LVCFMT_LEFT, m_list.GetStringWidth("Action") + 25);
    m_list.InsertColumn(
        1, "Date", LVCFMT_LEFT, m_list.GetStringWidth(std::string(24, 'x').c_str()) + 5);
    m_list.InsertColumn(2, "From", LVCFMT_LEFT, wide);
    m_list.InsertColumn(3, "To", LVCFMT_LEFT, wide);
    m_list.InsertColumn(4, "Comments", LVCFMT_LEFT, wide);
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    return 1;
}

long CDlgFtpLog::ListCreateFont(int size, char* face)
{
    m_font.DeleteObject();
    if (!m_font.CreatePointFont(size * 10, face))
        return -1;
    return ListSetFont();
}

long CDlgFtpLog::ListSetFont()
{
    if (m_list.m_hWnd && m_font.GetSafeHandle())
        m_list.SetFont(&m_font);
    return 0;
}

int CDlgFtpLog::OpenLog()
{
    if (m_bOpen)
        return 1;
    if (m_strLog.IsEmpty() || !winport::createOwnerOnlyFile(m_strLog))
        return 0;
    m_bOpen = m_file.Open(m_strLog, kListFlags) ? 1 : 0;
    return m_bOpen;
}

void CDlgFtpLog::CloseLog()
{
    if (m_bOpen)
        m_file.Abort();
    m_bOpen = 0;
}

int CDlgFtpLog::SetLogOpen(int open)
{
    int old = m_bOpen;
    m_bOpen = open;
    return old;
}

long CDlgFtpLog::LoadLog(CString path)
{
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    bool openedHere = !m_bOpen;
    ULONGLONG position = 0;
    if (openedHere) {
        m_strLog = path;
        if (!OpenLog()) {
            ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
            return -1;
        }
    } else {
        position = m_file.GetPosition();
    }
    m_list.DeleteAllItems();
    long shown = 0;
    try {
        m_file.SeekToBegin();
        _DlgFtpLogItem record;
        long offset = 0;
        while (m_file.Read(&record, sizeof record) == sizeof record) {
            CString action = DLGFTP_FIELD(record.action);
            bool show = m_nFilter == DLGFTPLOG_ALL
                || (m_nFilter == DLGFTPLOG_PUT && action == "Put")
                || (m_nFilter == DLGFTPLOG_GET && action == "Get");
            if (show) {
                LVITEM row {};
                row.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
                row.iImage = ImageOf(record.item.source.type);
                row.iItem = m_list.GetItemCount();
                row.pszText = const_cast<char*>(action.GetString());
                row.lParam = offset;
                int index = m_list.InsertItem(&row);
                m_list.SetItemText(index, 1, dlgftplogFormatTime(record.time));
                m_list.SetItemText(index, 2, DLGFTP_FIELD(record.item.source.path));
                m_list.SetItemText(index, 3, DLGFTP_FIELD(record.item.destination.path));
                m_list.SetItemText(index, 4, DLGFTP_FIELD(record.status));
                ++shown;
            }
            offset += static_cast<long>(sizeof record);
        }
        if (!openedHere)
            m_file.Seek(static_cast<LONGLONG>(position), CFile::begin);
    } catch (CException* e) {
        e->Delete();
    }
    if (openedHere)
        CloseLog();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return shown;
}

long CDlgFtpLog::SaveLog(CString target)
{
    CFile out;
    if (!winport::createOwnerOnlyFile(target) || !out.Open(target, kSaveFlags))
        return -1;
    bool openedHere = !m_bOpen;
    if (openedHere && !OpenLog()) {
        out.Abort();
        return -1;
    }
    long copied = 0;
    try {
        m_file.SeekToBegin();
        _DlgFtpLogItem record;
        while (m_file.Read(&record, sizeof record) == sizeof record) {
            out.Write(&record, sizeof record);
            ++copied;
        }
    } catch (CException* e) {
        e->Delete();
    }
    out.Abort();
    if (openedHere)
        CloseLog();
    return copied;
}

void CDlgFtpLog::OnButtonReload()
{
    SetWindowText(m_strLog);
    if (!m_strLog.IsEmpty())
        LoadLog(m_strLog);
}

void CDlgFtpLog::OnButtonClear()
{
    if (m_strLog.IsEmpty())
        return;
    CFile file;
    if (file.Open(m_strLog, kClearFlags))
        file.Abort();
}

void CDlgFtpLog::OnRadioAll()
{
    m_nFilter = DLGFTPLOG_ALL;
    OnButtonReload();
}

void CDlgFtpLog::OnRadioGet()
{
    m_nFilter = DLGFTPLOG_GET;
    OnButtonReload();
}

void CDlgFtpLog::OnRadioPut()
{
    m_nFilter = DLGFTPLOG_PUT;
    OnButtonReload();
}

CDlgFtpLog::Row CDlgFtpLog::RowAt(int index) const
{
    Row row;
    if (index >= 0 && index < m_list.GetItemCount()) {
        row.index = index;
        row.offset = static_cast<long>(m_list.GetItemData(index));
    }
    return row;
}

void CDlgFtpLog::OnClickList(NMHDR* header, LRESULT* result)
{
    m_clicked = RowAt(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    *result = 0;
}

void CDlgFtpLog::OnDblclkList(NMHDR* header, LRESULT* result)
{
    m_clicked = RowAt(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    m_doubleClicked = m_clicked;
    *result = 0;
    OnButtonView();
}

void CDlgFtpLog::OnButtonView()
{
    if (m_clicked.index < 0 || m_clicked.offset < 0)
        return;
    if (!m_pView)
        m_pView = new CDlgFtpLogView(this, m_strLog, m_clicked.offset);
    else
        m_pView->LoadLog(m_strLog, m_clicked.offset);
    m_pView->ShowWindow(SW_SHOW);
}

void CDlgFtpLog::OnButtonLoad()
{
    CFileDialog dialog(
        TRUE, "flg", "NetvaneFtpLog.flg", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kFilter, this);
    if (dialog.DoModal() != IDOK)
        return;
    CloseLog();
    m_strLog = dialog.GetPathName();
    SendMessage(WM_COMMAND, IDC_BUTTON_RELOAD);
}

void CDlgFtpLog::OnButtonSave()
{
    CFileDialog dialog(TRUE, "flg", "NetvaneFtpLog.flg", OFN_HIDEREADONLY, kFilter, this);
    if (dialog.DoModal() != IDOK)
        return;
    CString target = dialog.GetPathName();
    if (target.Right(4) != ".flg")
        target += ".flg";
    SaveLog(target);
}

void CDlgFtpLog::Close()
{
    delete m_pView;
    m_pView = nullptr;
    CloseLog();
    DestroyImageList();
}

CImageList* CDlgFtpLog::CreateImageList()
{
    const int size = 16;
    if (!ftpIconsCreate(m_images, size))
        return nullptr;
    if (m_nImageFolder < 0) {
        m_nImageFolder = ftpIconsAdd(m_images, IDI_FTP_FOLDER, size);
        m_nImageFile = ftpIconsAdd(m_images, IDI_FTP_FILE, size);
        m_nImageDrive = ftpIconsAdd(m_images, IDI_FTP_DRIVE, size);
    }
    return &m_images;
}

void CDlgFtpLog::DestroyImageList()
{
    if (m_list.m_hWnd)
        m_list.SetImageList(nullptr, LVSIL_SMALL);
    m_images.DeleteImageList();
    m_nImageFolder = m_nImageFile = m_nImageDrive = -1;
}

int CDlgFtpLog::ImageOf(DWORD type) const
{
    return type == DLGFTPITEM_FOLDER ? m_nImageFolder
        : type == DLGFTPITEM_DRIVE   ? m_nImageDrive
                                     : m_nImageFile;
}

void CDlgFtpLog::OnOK()
{
    Close();
    CDialog::OnOK();
}

void CDlgFtpLog::OnCancel() { OnOK(); }
