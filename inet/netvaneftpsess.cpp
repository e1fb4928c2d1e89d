#include "inet/netvaneftpsess.h"

#include "inet/netvanetext.h"

#include <cstdio>
#include <cstring>

CNetvaneFtpSess::CNetvaneFtpSess()
    : CInternetSession("Netvane", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)
{
    InitializeCriticalSection(&m_statusLock);
    InitializeCriticalSection(&m_countLock);
    SetStatus(CString());
}

CNetvaneFtpSess::~CNetvaneFtpSess()
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
    // No more statuses may arrive once the locks are gone.
    EnableStatusCallback(FALSE);
    DeleteCriticalSection(&m_statusLock);
    DeleteCriticalSection(&m_countLock);
}

int CNetvaneFtpSess::URLConnect(const char* url, unsigned short* port, CString id, CString password)
{
    std::memset(m_szStatusText, 0, sizeof m_szStatusText);
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
            SetStatus(CString());
            m_pFindFile = new CNetvaneFindFile(m_pFtpConnection, 1);
            m_pFtpConnection->SetCurrentDirectory("/");
            result = 1;
            if (m_hStatusWnd)
                std::snprintf(m_szStatusText, sizeof m_szStatusText, "Connected : %s",
                    m_strServer.GetString());
        }
    } catch (CInternetException* e) {
        e->GetErrorMessage(m_szStatusText, 1023);
        e->Delete();
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

void CNetvaneFtpSess::SetStatus(CString line)
{
    EnterCriticalSection(&m_statusLock);
    if (line.IsEmpty()) {
        m_strStatusLog.Empty();
        SetStatusCount(0);
    } else {
        m_strStatusLog += line;
        m_strStatusLog += "\n\r";
    }
    LeaveCriticalSection(&m_statusLock);
}

CString CNetvaneFtpSess::GetStatus()
{
    EnterCriticalSection(&m_statusLock);
    CString log = m_strStatusLog;
    LeaveCriticalSection(&m_statusLock);
    return log;
}

void CNetvaneFtpSess::SetStatusCount(long count)
{
    EnterCriticalSection(&m_countLock);
    m_lStatusCount = count;
    LeaveCriticalSection(&m_countLock);
}

long CNetvaneFtpSess::GetStatusCount()
{
    EnterCriticalSection(&m_countLock);
    long count = m_lStatusCount;
    LeaveCriticalSection(&m_countLock);
    return count;
}

void CNetvaneFtpSess::SetStatusWindow(HWND window) { m_hStatusWnd = window; }

void CNetvaneFtpSess::OnStatusCallback(
    DWORD_PTR context, DWORD status, LPVOID info, DWORD infoLength)
{
    SetStatusCount(GetStatusCount() + 1);
    SetStatus(NetvaneStatusLine(status));
    CInternetSession::OnStatusCallback(context, status, info, infoLength);
}

CString CNetvaneFtpSess::EnCodeStr(CString text) { return NetvaneEncode(text); }

CString CNetvaneFtpSess::DeCodeStr(CString text) { return NetvaneDecode(text); }
