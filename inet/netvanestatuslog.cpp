#include "inet/netvanestatuslog.h"

#include <winport/lock.h>
#include <wininet.h>

NetvaneStatusLog::NetvaneStatusLog()
{
    InitializeCriticalSection(&m_statusLock);
    InitializeCriticalSection(&m_countLock);
}

NetvaneStatusLog::~NetvaneStatusLog()
{
    DeleteCriticalSection(&m_statusLock);
    DeleteCriticalSection(&m_countLock);
}

void NetvaneStatusLog::Set(const CString& line, HWND window)
{
    CriticalSectionHold hold(&m_statusLock);
    if (line.IsEmpty()) {
        m_log.Empty();
        SetCount(0);
    } else {
        m_log += line;
        m_log += "\n\r";
    }
    if (window)
        SetWindowText(window, line);
}

CString NetvaneStatusLog::Get()
{
    CriticalSectionHold hold(&m_statusLock);
    return m_log;
}

void NetvaneStatusLog::SetCount(long count)
{
    CriticalSectionHold hold(&m_countLock);
    m_count = count;
}

long NetvaneStatusLog::GetCount()
{
    CriticalSectionHold hold(&m_countLock);
    return m_count;
}

void NetvaneStatusLog::Record(DWORD status, HWND window)
{
    // Two separately locked steps, not one atomic increment.
    SetCount(GetCount() + 1);
    Set(NetvaneStatusLine(status), window);
}

CString NetvaneStatusLine(DWORD status)
{
    switch (status) {
    case INTERNET_STATUS_RESOLVING_NAME:
        return "INTERNET_STATUS_RESOLVING_NAME";
    case INTERNET_STATUS_NAME_RESOLVED:
        return "INTERNET_STATUS_NAME_RESOLVED";
    case INTERNET_STATUS_CONNECTING_TO_SERVER:
        return "INTERNET_STATUS_CONNECTING_TO_SERVER";
    case INTERNET_STATUS_CONNECTED_TO_SERVER:
        return "INTERNET_STATUS_CONNECTED_TO_SERVER";
    case INTERNET_STATUS_SENDING_REQUEST:
        return "INTERNET_STATUS_SENDING_REQUEST";
    case INTERNET_STATUS_REQUEST_SENT:
        return "INTERNET_STATUS_REQUEST_SENT";
    case INTERNET_STATUS_RECEIVING_RESPONSE:
        return "INTERNET_STATUS_RECEIVING_RESPONSE";
    case INTERNET_STATUS_RESPONSE_RECEIVED:
        return "INTERNET_STATUS_RESPONSE_RECEIVED";
    case INTERNET_STATUS_CLOSING_CONNECTION:
        return "INTERNET_STATUS_CLOSING_CONNECTION";
    case INTERNET_STATUS_CONNECTION_CLOSED:
        return "INTERNET_STATUS_CONNECTION_CLOSED";
    case INTERNET_STATUS_HANDLE_CREATED:
        return "INTERNET_STATUS_HANDLE_CREATED";
    case INTERNET_STATUS_HANDLE_CLOSING:
        return "INTERNET_STATUS_HANDLE_CLOSING";
    case INTERNET_STATUS_REQUEST_COMPLETE:
        return "INTERNET_STATUS_REQUEST_COMPLETE";
    default:
        return CString();
    }
}
