// CNetvaneFtp: the FTP session behind the URL interface it shares in shape with CNetvaneHttp.
#pragma once

#include "tessilo40_api.h"
#include "inet/netvaneftpsess.h"

// Final: the destructor is not virtual.
class TESSILO40_API CNetvaneFtp final {
public:
    virtual int URLConnect(const char* url, unsigned short* port, CString id, CString password);
    virtual int URLRequest(int verb, const char* query);
    virtual int URLHeaders(const char* headers);
    virtual int URLSend(void* data, unsigned long length);
    virtual long URLReceive(void* data, unsigned long* dataLength, void* status,
        unsigned long* statusLength, int flags);
    // Always 1.
    virtual int URLClose();

    void SetStatusWindow(HWND window);
    CString URLGetStatus();

    CNetvaneFtpSess m_Sess;
};
