// CInternetSession and the connection base: status delivery and connection bookkeeping.
#include "inetchannel.h"

#include <algorithm>

CInternetSession::CInternetSession(LPCTSTR agent, DWORD_PTR context, DWORD, LPCTSTR, LPCTSTR, DWORD)
    : m_strAgent(agent ? agent : "")
    , m_dwContext(context)
{
}

CInternetSession::~CInternetSession() { Close(); }

void CInternetSession::Close()
{
    for (auto* channel : m_channels)
        channel->DetachSession();
    m_channels.clear();
    m_statusCallback = false;
}

BOOL CInternetSession::EnableStatusCallback(BOOL enable)
{
    m_statusCallback = enable != FALSE;
    return TRUE;
}

void CInternetSession::OnStatusCallback(DWORD_PTR, DWORD, LPVOID, DWORD) { }

void CInternetSession::ReportStatus(DWORD_PTR context, DWORD status, LPVOID info, DWORD length)
{
    if (m_statusCallback && context)
        OnStatusCallback(context, status, info, length);
}

CFtpConnection* CInternetSession::GetFtpConnection(
    LPCTSTR server, LPCTSTR userName, LPCTSTR password, INTERNET_PORT port, BOOL passive)
{
    if (!server || !*server)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INVALID_URL);
    return new CFtpConnection(this, server, userName, password,
        port == INTERNET_INVALID_PORT_NUMBER ? INTERNET_DEFAULT_FTP_PORT : port, passive);
}

CHttpConnection* CInternetSession::GetHttpConnection(
    LPCTSTR server, INTERNET_PORT port, LPCTSTR, LPCTSTR)
{
    if (!server || !*server)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INVALID_URL);
    return new CHttpConnection(
        this, server, port == INTERNET_INVALID_PORT_NUMBER ? INTERNET_DEFAULT_HTTP_PORT : port);
}

CInternetConnection::CInternetConnection(
    CInternetSession* session, LPCTSTR server, INTERNET_PORT port, DWORD_PTR context)
    : m_channel(std::make_shared<winport::InetChannel>(session, server))
    , m_pSession(session)
    , m_strServer(server)
    , m_nPort(port)
    , m_dwContext(context)
{
    session->m_channels.push_back(m_channel.get());
    ReportHandle(INTERNET_STATUS_HANDLE_CREATED);
}

CInternetConnection::~CInternetConnection() { Close(); }

void CInternetConnection::Close()
{
    if (!m_channel)
        return;
    ReportHandle(INTERNET_STATUS_HANDLE_CLOSING);
    CInternetSession* session = m_channel->Session();
    m_channel->Shutdown();
    if (session) {
        auto& list = session->m_channels;
        list.erase(std::remove(list.begin(), list.end(), m_channel.get()), list.end());
    }
    m_channel.reset();
}

winport::InetChannel& CInternetConnection::Channel() const
{
    if (!m_channel)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    return *m_channel;
}

void CInternetConnection::ReportHandle(DWORD status)
{
    INTERNET_ASYNC_RESULT result = { reinterpret_cast<DWORD_PTR>(this), 0 };
    m_channel->ReportFor(m_dwContext, status, &result, sizeof result);
}
