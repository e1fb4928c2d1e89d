#include "inet/netvanehttp.h"

int CNetvaneHttp::URLConnect(const char* url, unsigned short* port)
{
    return m_Sess.URLConnect(url, port);
}

int CNetvaneHttp::URLRequest(int verb, const char* query) { return m_Sess.URLRequest(verb, query); }

int CNetvaneHttp::URLHeaders(const char* headers) { return m_Sess.URLHeaders(headers); }

int CNetvaneHttp::URLSend(void* data, unsigned long length) { return m_Sess.URLSend(data, length); }

long CNetvaneHttp::URLReceive(
    void* data, unsigned long* dataLength, void* text, unsigned long* textLength, int stripTags)
{
    return m_Sess.URLReceive(data, dataLength, text, textLength, stripTags);
}

int CNetvaneHttp::URLClose()
{
    m_Sess.URLClose();
    return 1;
}
