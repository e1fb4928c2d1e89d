// The copy loop does not dispatch messages: between blocks it only peeks at the Cancel Transfer
// button, which is hidden and disabled in interactive mode.
#include "ftp/dlgftpprogress.h"

#include "resources/resource.h"

#include <afx.h>
#include <commctrl.h>
#include <objbase.h>

#include <chrono>

namespace {
const DWORD kMaxBlock = 65535;
// A peek takes in the window system's pending events first, which costs more than copying a
// block from memory: after a file's first block the button is looked at once per frame, as often
// as a person could see the pointer reach it.
constexpr std::chrono::milliseconds kFrame(16);
// Get: create or truncate, binary, write, exclusive. Put: binary, read, deny writes.
const UINT kLocalGetFlags = 0x9011;
const UINT kLocalPutFlags = 0x8020;

CString exceptionText(CException* e)
{
    char text[1024] = {};
    e->GetErrorMessage(text, 1023);
    e->Delete();
    return text;
}

CString cannotOpen(const CString& path)
{
    return "\n\nCannot open/create " + path + "\n\naborting file transfer.\n\n"
        + "It may be used by another process\n" + "or locked in some manner.\n\n";
}
}

BEGIN_MESSAGE_MAP(CDlgFtpProgress, CDialog)
ON_COMMAND(IDC_BUTTON_PUT, DoPut)
ON_COMMAND(IDC_BUTTON_GET, DoGet)
ON_BN_CLICKED(IDC_BUTTON_TRANSFER, OnButtonTransfer)
ON_BN_CLICKED(IDC_BUTTON_CANCELTRANSFER, OnButtonCanceltransfer)
END_MESSAGE_MAP()

CDlgFtpProgress::CDlgFtpProgress(CWinApp* app, CWnd* parent, CFtpConnection* connection,
    CString from, CString to, DWORD flags, DWORD size, int direction, int automatic)
    : CDialog(IDD_DLGFTPPROGRESS, parent)
    , m_pApp(app)
    , m_pParent(parent)
{
    SetupTransfer(connection, from, to, flags, size, direction, automatic);
    if (automatic && Create(IDD_DLGFTPPROGRESS, parent))
        ShowWindow(SW_SHOW);
}

CDlgFtpProgress::~CDlgFtpProgress()
{
    FreeBuffer();
    if (m_hWnd)
        DestroyWindow();
}

void CDlgFtpProgress::SetupTransfer(CFtpConnection* connection, CString from, CString to,
    DWORD flags, DWORD size, int direction, int automatic)
{
    m_pConnection = connection;
    m_strFrom = from;
    m_strTo = to;
    m_dwFlags = flags;
    m_dwFileSize = size;
    m_nDirection = direction;
    m_nAutomatic = automatic;
}

void CDlgFtpProgress::InitTransfer()
{
    SetWindowText("Ftp : " + m_strFrom);
    m_nResult = 0;
    m_strError.Empty();
    m_dwBlockSize = m_dwFileSize < kMaxBlock ? m_dwFileSize + 10 : kMaxBlock;
    FreeBuffer();
    m_pBuffer = static_cast<unsigned char*>(CoTaskMemAlloc(m_dwBlockSize));
    DWORD blocks = m_dwFileSize < kMaxBlock ? 1 : (m_dwFileSize + kMaxBlock - 1) / kMaxBlock;
    if (blocks <= 0xFFFF)
        SendDlgItemMessage(IDC_PROGRESS_FTP, PBM_SETRANGE, 0, MAKELPARAM(0, blocks));
    else
        SendDlgItemMessage(IDC_PROGRESS_FTP, PBM_SETRANGE32, 0, static_cast<LPARAM>(blocks));
    SendDlgItemMessage(IDC_PROGRESS_FTP, PBM_SETPOS, 0);
    SendDlgItemMessage(IDC_PROGRESS_FTP, PBM_SETSTEP, 1);
    SetDlgItemText(IDC_EDIT_FROM, m_strFrom);
    SetDlgItemText(IDC_EDIT_TO, m_strTo);
    if (m_nAutomatic) {
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_BUTTON_TRANSFER), FALSE);
        ::EnableWindow(::GetDlgItem(m_hWnd, IDCANCEL), FALSE);
    }
    PumpMessages(0);
}

BOOL CDlgFtpProgress::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_EDIT_FROM), SW_SHOW);
    ::ShowWindow(::GetDlgItem(m_hWnd, IDC_EDIT_TO), SW_SHOW);
    InitTransfer();
    HWND cancel = ::GetDlgItem(m_hWnd, IDC_BUTTON_CANCELTRANSFER);
    if (!m_nAutomatic) {
        ::ShowWindow(cancel, SW_HIDE);
        ::EnableWindow(cancel, FALSE);
        ShowWindow(SW_SHOW);
    } else {
        ::ShowWindow(cancel, SW_SHOW);
        ::EnableWindow(cancel, TRUE);
    }
    return TRUE;
}

void CDlgFtpProgress::DoGet() { Transfer(true); }

void CDlgFtpProgress::DoPut() { Transfer(false); }

void CDlgFtpProgress::RunGet()
{
    PumpMessages(0);
    DoGet();
}

void CDlgFtpProgress::RunPut()
{
    PumpMessages(0);
    DoPut();
}

void CDlgFtpProgress::Report(const CString& message, const char* caption)
{
    if (!m_nAutomatic)
        MessageBox(message, caption, MB_OK);
    m_strError += message;
}

void CDlgFtpProgress::Transfer(bool get)
{
    if (!m_nAutomatic)
        ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    m_nResult = 0;
    if (m_pConnection && !m_strFrom.IsEmpty() && !m_strTo.IsEmpty()) {
        const CString& remotePath = get ? m_strFrom : m_strTo;
        const CString& localPath = get ? m_strTo : m_strFrom;
        CString message;
        CInternetFile* remote = OpenHostFile();
        if (!remote)
            message = cannotOpen(remotePath);
        CFile local;
        bool localOpen = false;
        if (message.IsEmpty()) {
            localOpen = local.Open(localPath, get ? kLocalGetFlags : kLocalPutFlags) != FALSE;
            if (!localOpen)
                message = cannotOpen(localPath);
        }
        if (message.IsEmpty() && !m_pBuffer)
            message
                = "\n\nCannot allocate memory for " + m_strTo + "\n\naborting file transfer.\n\n";
        if (!message.IsEmpty()) {
            Report(message, "Can't transfer");
        } else {
            if (get)
                remote->SetReadBufferSize(m_dwBlockSize);
            HWND cancel = ::GetDlgItem(m_hWnd, IDC_BUTTON_CANCELTRANSFER);
            auto nextLook = std::chrono::steady_clock::time_point::min();
            for (;;) {
                try {
                    UINT got = get ? remote->Read(m_pBuffer, m_dwBlockSize)
                                   : local.Read(m_pBuffer, m_dwBlockSize);
                    if (got == 0) {
                        m_nResult = 1;
                        break;
                    }
                    if (get)
                        local.Write(m_pBuffer, got);
                    else
                        remote->Write(m_pBuffer, got);
                    SendDlgItemMessage(IDC_PROGRESS_FTP, PBM_STEPIT);
                } catch (CException* e) {
                    Report(
                        exceptionText(e) + "\n\nTerminating transfer\n\n", "Transfer terminating");
                    break;
                }
                m_pBuffer[0] = 0;
                const auto now = std::chrono::steady_clock::now();
                if (now < nextLook)
                    continue;
                nextLook = now + kFrame;
                if (IsCancelPending(cancel, PM_NOREMOVE)) {
                    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
                    break;
                }
            }
        }
        if (localOpen)
            local.Abort();
        if (remote) {
            // Closing an upload waits for the host's verdict on the whole file.
            try {
                remote->Close();
            } catch (CException* e) {
                if (m_nResult == 1) {
                    m_nResult = 0;
                    Report(
                        exceptionText(e) + "\n\nTerminating transfer\n\n", "Transfer terminating");
                } else {
                    e->Delete();
                }
            }
            delete remote;
        }
    }
    if (!m_nAutomatic)
        ::EnableWindow(::GetDlgItem(m_hWnd, IDC_BUTTON_TRANSFER), FALSE);
    SetDlgItemText(IDC_STATIC_FTPINPROGRESS, "Ftp Transfer Completed");
    if (!m_nAutomatic) {
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        SendMessage(WM_COMMAND, IDCANCEL);
    } else {
        FreeBuffer();
    }
}

CInternetFile* CDlgFtpProgress::OpenHostFile()
{
    if (!m_pConnection)
        return nullptr;
    try {
        if (m_nDirection)
            return m_pConnection->OpenFile(m_strFrom, GENERIC_READ, m_dwFlags, 1);
        return m_pConnection->OpenFile(m_strTo, GENERIC_WRITE, m_dwFlags, 1);
    } catch (CInternetException* e) {
        e->Delete();
        return nullptr;
    }
}

int CDlgFtpProgress::IsCancelPending(HWND button, UINT removeFlag)
{
    MSG msg;
    if (!button || !::PeekMessage(&msg, button, 0, 0, removeFlag))
        return 0;
    // A press or a move with a key held is not a cancel yet; nothing waits for more.
    return LOWORD(msg.wParam) == 0 ? 1 : 0;
}

void CDlgFtpProgress::PumpMessages(UINT flags)
{
    if (!m_hWnd)
        return;
    MSG msg;
    while (::PeekMessage(&msg, m_hWnd, 0, 0, PM_REMOVE | flags))
        ::SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

void CDlgFtpProgress::FreeBuffer()
{
    if (m_pBuffer) {
        CoTaskMemFree(m_pBuffer);
        m_pBuffer = nullptr;
    }
}

void CDlgFtpProgress::OnButtonTransfer()
{
    SendMessage(WM_COMMAND, m_nDirection ? IDC_BUTTON_GET : IDC_BUTTON_PUT);
}

void CDlgFtpProgress::OnButtonCanceltransfer()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    SendMessage(WM_COMMAND, IDCANCEL);
}

void CDlgFtpProgress::OnCancel()
{
    FreeBuffer();
    CDialog::OnCancel();
}
