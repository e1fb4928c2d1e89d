#include "ftp/dlgftplogview.h"

#include "resources/resource.h"

#include <afx.h>

#include <cstdio>

namespace {
// Binary, read, create when missing, never truncate, deny writes.
const UINT kViewFlags = 0xB020;

CString destinationTypeText(DWORD type)
{
    switch (type) {
    case DLGFTPITEM_DRIVE:
        return " -> Drive";
    case DLGFTPITEM_FILE:
        return " -> File";
    case DLGFTPITEM_FOLDER:
        return " - > Folder";
    default:
        return CString();
    }
}
}

CDlgFtpLogView::CDlgFtpLogView(CWnd* parent, CString logPath, long offset)
    : m_strLog(logPath)
    , m_nOffset(offset)
{
    if (Create(IDD_DLGFTPLOGVIEW, parent))
        ShowWindow(SW_SHOW);
}

CDlgFtpLogView::~CDlgFtpLogView()
{
    CloseLog();
    if (m_hWnd)
        DestroyWindow();
}

int CDlgFtpLogView::OpenLog()
{
    CloseLog();
    m_bOpen = m_file.Open(m_strLog, kViewFlags) ? 1 : 0;
    return m_bOpen;
}

void CDlgFtpLogView::CloseLog()
{
    if (m_bOpen)
        m_file.Abort();
    m_bOpen = 0;
}

int CDlgFtpLogView::SetLogOpen(int open)
{
    int old = m_bOpen;
    m_bOpen = open;
    return old;
}

BOOL CDlgFtpLogView::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_strLog.IsEmpty())
        LoadLog(m_strLog, m_nOffset < 0 ? 0 : m_nOffset);
    return TRUE;
}

long CDlgFtpLogView::LoadLog(CString path, long offset)
{
    m_strLog = path;
    m_nOffset = offset;
    if (!OpenLog())
        return -1;
    _DlgFtpLogItem record;
    UINT got = 0;
    try {
        m_file.Seek(offset, CFile::begin);
        got = m_file.Read(&record, sizeof record);
    } catch (CException* e) {
        e->Delete();
    }
    CloseLog();
    if (got != sizeof record)
        return 0;
    const _DlgFtpItemTransfer& item = record.item;
    char text[64];
    SetDlgItemText(IDC_EDIT_LOGACTION, DLGFTP_FIELD(record.action));
    SetDlgItemText(IDC_EDIT_LOGDATE, dlgftplogFormatTime(record.time));
    SetDlgItemText(IDC_EDIT_LOGSTATUS, DLGFTP_FIELD(record.status));
    SetDlgItemText(IDC_EDIT_LOGHOST, DLGFTP_FIELD(item.host));
    SetDlgItemText(IDC_EDIT_LOGUSERID, DLGFTP_FIELD(item.userId));
    SetDlgItemText(IDC_EDIT_LOGPASSWORD, DLGFTP_FIELD(item.password));
    SetDlgItemText(IDC_EDIT_LOGTYPES,
        dlgftplogTypeName(item.source.type) + destinationTypeText(item.destination.type));
    std::snprintf(text, sizeof text, "%lu -> %lu", static_cast<unsigned long>(item.source.size),
        static_cast<unsigned long>(item.destination.size));
    SetDlgItemText(IDC_EDIT_LOGSIZES, text);
    SetDlgItemText(IDC_EDIT_LOGPATHS,
        DLGFTP_FIELD(item.source.path) + " -> " + DLGFTP_FIELD(item.destination.path));
    SetDlgItemText(IDC_EDIT_LOGSUBDIRS, item.includeSubdirectories ? "True" : "False");
    SetDlgItemText(IDC_EDIT_LOGSELECTED, item.selected ? "True" : "False");
    return 1;
}
