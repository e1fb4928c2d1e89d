// CNetvaneFtpSess: an FTP session with one connection, one finder bound to it and a status log
// fed by the status callback.
#pragma once

#include "tessilo40_api.h"
#include "inet/netvanefindfile.h"
#include "inet/netvanestatuslog.h"
#include <afxinet.h>
#include <windows.h>

class TESSILO40_API CNetvaneFtpSess : public CInternetSession {
public:
    CNetvaneFtpSess();
    ~CNetvaneFtpSess() override;

    // 1 connected, 0 not. Releases any earlier connection first; on success the remote
    // directory is "/" and the status log is empty.
    int URLConnect(const char* url, unsigned short* port, CString id, CString password);
    int URLRequest(int verb, const char* query);
    int URLHeaders(const char* headers);
    int URLSend(void* data, unsigned long length);
    // -1 for a missing status buffer or length, a length below 1025, or no connection; else 0.
    long URLReceive(void* data, unsigned long* dataLength, void* status,
        unsigned long* statusLength, int flags);
    // Turns status reporting off; the connection stays.
    void URLClose();

    // Both need an open connection.
    CString GetDir();
    int SetDir(CString dir);

    // Appends line + "\n\r" to the log; an empty line clears the log and the count. The status
    // window, when set, shows the line itself.
    void SetStatus(CString line);
    CString GetStatus();
    void SetStatusCount(long count);
    long GetStatusCount();
    void SetStatusWindow(HWND window);

    void OnStatusCallback(DWORD_PTR context, DWORD status, LPVOID info, DWORD infoLength) override;

    CString EnCodeStr(CString text);
    CString DeCodeStr(CString text);

    // Owned; null while not connected.
    CFtpConnection* m_pFtpConnection = nullptr;
    // Owned; exists exactly while a connection does.
    CNetvaneFindFile* m_pFindFile = nullptr;
    // The connect result or the platform's error text of the last connect.
    char m_szStatusText[1024] = {};

private:
    // Closes and deletes the finder, then the connection.
    void Release();
    // Shows the status text in the status window, when one is set.
    void ShowStatusText();

    NetvaneStatusLog m_statusLog;
    CString m_strId;
    CString m_strPassword;
    CString m_strURL;
    unsigned short m_nPort = 0xFFFF;
    CString m_strServer;
    CString m_strObject;
    DWORD m_dwServiceType = 0;
    HWND m_hStatusWnd = nullptr;
};
