#include "inet/netvaneftp.h"

int CNetvaneFtp::URLConnect(const char* url, unsigned short* port, CString id, CString password)
{
    return m_Sess.URLConnect(url, port, id, password);
}

int CNetvaneFtp::URLRequest(int verb, const char* query) { return m_Sess.URLRequest(verb, query); }

int CNetvaneFtp::URLHeaders(const char* headers) { return m_Sess.URLHeaders(headers); }

int CNetvaneFtp::URLSend(void* data, unsigned long length) { return m_Sess.URLSend(data, length); }

long CNetvaneFtp::URLReceive(
    void* data, unsigned long* dataLength, void* status, unsigned long* statusLength, int flags)
{
    return m_Sess.URLReceive(data, dataLength, status, statusLength, flags);
}

int CNetvaneFtp::URLClose()
{
    m_Sess.URLClose();
    return 1;
}

void CNetvaneFtp::SetStatusWindow(HWND window) { m_Sess.SetStatusWindow(window); }

CString CNetvaneFtp::URLGetStatus() { return m_Sess.GetStatus(); }
