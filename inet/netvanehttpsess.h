// CNetvaneHttpSess: fetches text from a web server in four steps (connect, request, send,
// receive), with a status log fed by the status callback.
#pragma once

#include "tessilo40_api.h"
#include "inet/netvanestatuslog.h"
#include <afxinet.h>
#include <windows.h>

class TESSILO40_API CNetvaneHttpSess : public CInternetSession {
public:
    CNetvaneHttpSess();
    ~CNetvaneHttpSess() override;

    // 1 when an http:// URL gave a connection; 0 for any other URL or a platform failure.
    int URLConnect(const char* url, unsigned short* port);
    // Opens a request for the URL's path + "?" + query; 1 when it exists.
    int URLRequest(int verb, const char* query);
    // Adds headers that are not there yet; the platform's result.
    int URLHeaders(const char* headers);
    // Needs a request and headers. Zero-terminated data goes out as the body; answers 301,
    // 302, 303 and 401 count as failures. The length is not used.
    int URLSend(void* data, unsigned long length);
    // Reads the answer line by line into text (the data arguments are not used), cut at a line
    // boundary and always zero-terminated. The number of characters stored, or -1 for a
    // missing or short (below 1025) text buffer or no request.
    long URLReceive(void* data, unsigned long* dataLength, void* text, unsigned long* textLength,
        int stripTags);
    void URLClose();

    void SetStatus(CString line);
    CString GetStatus();
    void SetStatusCount(long count);
    long GetStatusCount();
    void OnStatusCallback(DWORD_PTR context, DWORD status, LPVOID info, DWORD infoLength) override;

    // Removes markup in place. Whether a tag is open carries over from one call to the next,
    // process-wide, so a tag split across lines goes completely.
    void StripTags(char* text);
    CString EnCodeStr(CString text);
    CString DeCodeStr(CString text);

    // Owned; null while not connected.
    CHttpConnection* m_pHttpConnection = nullptr;
    // Owned; the open request, null when none.
    CHttpFile* m_pHttpFile = nullptr;
    // The platform's error text of the last failure.
    char m_szStatusText[1024] = {};

private:
    // Closes and deletes the open request.
    void CloseRequest();
    // The request, then the connection.
    void Release();

    CString m_strHeaders;
    NetvaneStatusLog m_statusLog;
    CString m_strURL;
    unsigned short m_nPort = 0xFFFF;
    CString m_strServer;
    CString m_strObject;
    DWORD m_dwServiceType = 0;
};
