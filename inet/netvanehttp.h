// CNetvaneHttp: the HTTP session behind the URL interface it shares in shape with CNetvaneFtp.
#pragma once

#include "tessilo40_api.h"
#include "inet/netvanehttpsess.h"

// Final: the destructor is not virtual.
class TESSILO40_API CNetvaneHttp final {
public:
    virtual int URLConnect(const char* url, unsigned short* port);
    virtual int URLRequest(int verb, const char* query);
    virtual int URLHeaders(const char* headers);
    virtual int URLSend(void* data, unsigned long length);
    virtual long URLReceive(void* data, unsigned long* dataLength, void* text,
        unsigned long* textLength, int stripTags);
    // Always 1.
    virtual int URLClose();

    CNetvaneHttpSess m_Sess;
};
