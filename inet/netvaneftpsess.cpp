#include "inet/netvaneftpsess.h"

#include "inet/netvanetext.h"

#include <cstdio>
#include <cstring>
#include <new>

CNetvaneFtpSess::CNetvaneFtpSess()
    : CInternetSession("Netvane", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)
{
    SetStatus(CString());
}

CNetvaneFtpSess::~CNetvaneFtpSess()
{
    Release();
    // No more statuses may arrive once the log is gone.
    EnableStatusCallback(FALSE);
}

void CNetvaneFtpSess::Release()
{
    if (m_pFindFile) {
        m_pFindFile->Close();
        delete m_pFindFile;
        m_pFindFile = nullptr;
    }
    if (m_pFtpConnection) {
        m_pFtpConnection->Close();
        delete m_pFtpConnection;
        m_pFtpConnection = nullptr;
    }
}

void CNetvaneFtpSess::ShowStatusText()
{
    if (m_hStatusWnd)
        SetWindowText(m_hStatusWnd, m_szStatusText);
}

int CNetvaneFtpSess::URLConnect(const char* url, unsigned short* port, CString id, CString password)
{
    std::memset(m_szStatusText, 0, sizeof m_szStatusText);
    // A second connect starts from scratch.
    Release();
    m_strId = id;
    m_strPassword = password;

    DWORD serviceType = 0;
    CString server;
    CString object;
    INTERNET_PORT parsedPort = 0;
    AfxParseURL(url, serviceType, server, object, parsedPort);
    m_strServer = server;
    m_strObject = object;
    m_dwServiceType = serviceType;

    EnableStatusCallback(TRUE);
    int result = 0;
    try {
        m_pFtpConnection = GetFtpConnection(server, m_strId, m_strPassword, parsedPort, FALSE);
        if (m_pFtpConnection) {
            m_strURL = url;
            m_nPort = parsedPort;
            if (port)
                *port = parsedPort;
            m_pFindFile = new (std::nothrow) CNetvaneFindFile(m_pFtpConnection, 1);
            if (m_pFindFile) {
                m_pFtpConnection->SetCurrentDirectory("/");
                result = 1;
            }
            // The log starts empty after a connect, also without the statuses of the move to
            // "/" (a server may log its users into another folder).
            SetStatus(CString());
            if (m_hStatusWnd) {
                std::snprintf(m_szStatusText, sizeof m_szStatusText, "%s%s",
                    result ? "Connected : " : "Connect Error : ", m_strServer.GetString());
                ShowStatusText();
            }
        }
    } catch (CInternetException* e) {
        e->GetErrorMessage(m_szStatusText, 1023);
        e->Delete();
        ShowStatusText();
        result = 0;
    }
    return result;
}

int CNetvaneFtpSess::URLRequest(int, const char*) { return 0; }

int CNetvaneFtpSess::URLHeaders(const char*) { return 0; }

int CNetvaneFtpSess::URLSend(void*, unsigned long) { return 0; }

long CNetvaneFtpSess::URLReceive(
    void*, unsigned long*, void* status, unsigned long* statusLength, int)
{
    if (!status || !statusLength || !m_pFindFile || *statusLength < 1025)
        return -1;
    return 0;
}

void CNetvaneFtpSess::URLClose() { EnableStatusCallback(FALSE); }

CString CNetvaneFtpSess::GetDir()
{
    char directory[259] = {};
    DWORD length = sizeof directory;
    if (!m_pFtpConnection || !m_pFtpConnection->GetCurrentDirectory(directory, &length))
        return CString();
    return CString(directory);
}

int CNetvaneFtpSess::SetDir(CString dir)
{
    return m_pFtpConnection ? m_pFtpConnection->SetCurrentDirectory(dir) : 0;
}

void CNetvaneFtpSess::SetStatus(CString line) { m_statusLog.Set(line, m_hStatusWnd); }

CString CNetvaneFtpSess::GetStatus() { return m_statusLog.Get(); }

void CNetvaneFtpSess::SetStatusCount(long count) { m_statusLog.SetCount(count); }

long CNetvaneFtpSess::GetStatusCount() { return m_statusLog.GetCount(); }

void CNetvaneFtpSess::SetStatusWindow(HWND window) { m_hStatusWnd = window; }

void CNetvaneFtpSess::OnStatusCallback(
    DWORD_PTR context, DWORD status, LPVOID info, DWORD infoLength)
{
    m_statusLog.Record(status, m_hStatusWnd);
    CInternetSession::OnStatusCallback(context, status, info, infoLength);
}

CString CNetvaneFtpSess::EnCodeStr(CString text) { return NetvaneEncode(text); }

CString CNetvaneFtpSess::DeCodeStr(CString text) { return NetvaneDecode(text); }
