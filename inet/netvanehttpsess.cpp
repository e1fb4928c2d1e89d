#include "inet/netvanehttpsess.h"

#include "inet/netvanetext.h"

#include <atomic>
#include <cstring>

namespace {

// Whether the tag stripper is inside a tag; shared by every session of the process.
std::atomic<bool> g_insideTag { false };

constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_EXISTING_CONNECT
    | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
constexpr unsigned long kLine = 1024;

}

CNetvaneHttpSess::CNetvaneHttpSess()
    : CInternetSession("Netvane", 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)
{
    SetStatus(CString());
}

CNetvaneHttpSess::~CNetvaneHttpSess()
{
    Release();
    // No more statuses may arrive once the log is gone.
    EnableStatusCallback(FALSE);
}

void CNetvaneHttpSess::CloseRequest()
{
    if (m_pHttpFile) {
        m_pHttpFile->Close();
        delete m_pHttpFile;
        m_pHttpFile = nullptr;
    }
}

void CNetvaneHttpSess::Release()
{
    CloseRequest();
    if (m_pHttpConnection) {
        m_pHttpConnection->Close();
        delete m_pHttpConnection;
        m_pHttpConnection = nullptr;
    }
}

int CNetvaneHttpSess::URLConnect(const char* url, unsigned short* port)
{
    Release();
    DWORD serviceType = 0;
    CString server;
    CString object;
    INTERNET_PORT parsedPort = 0;
    if (!AfxParseURL(url, serviceType, server, object, parsedPort)
        || serviceType != AFX_INET_SERVICE_HTTP)
        return 0;
    m_strServer = server;
    m_strObject = object;
    m_dwServiceType = serviceType;

    int result = 0;
    try {
        EnableStatusCallback(TRUE);
        m_pHttpConnection = GetHttpConnection(server, parsedPort, nullptr, nullptr);
        if (m_pHttpConnection) {
            m_strURL = url;
            m_nPort = parsedPort;
            if (port)
                *port = parsedPort;
            SetStatus(CString());
            result = 1;
        }
    } catch (CInternetException* e) {
        e->GetErrorMessage(m_szStatusText, 1023);
        e->Delete();
        result = 0;
    }
    return result;
}

int CNetvaneHttpSess::URLRequest(int verb, const char* query)
{
    CloseRequest();
    if (!m_pHttpConnection)
        return 0;
    CString object = m_strObject + "?" + (query ? query : "");
    try {
        m_pHttpFile = m_pHttpConnection->OpenRequest(
            verb, object, nullptr, 1, nullptr, "1.0", kRequestFlags);
    } catch (CInternetException* e) {
        e->GetErrorMessage(m_szStatusText, 1023);
        e->Delete();
    }
    return m_pHttpFile ? 1 : 0;
}

int CNetvaneHttpSess::URLHeaders(const char* headers)
{
    if (!m_pHttpFile)
        return 0;
    BOOL added = m_pHttpFile->AddRequestHeaders(headers, HTTP_ADDREQ_FLAG_ADD_IF_NEW, -1);
    if (added)
        m_strHeaders = headers;
    return added;
}

int CNetvaneHttpSess::URLSend(void* data, unsigned long)
{
    if (!m_pHttpFile || m_strHeaders.IsEmpty())
        return 0;
    int result = 0;
    try {
        const char* text = static_cast<const char*>(data);
        bool sent = false;
        if (text && *text) {
            DWORD length = static_cast<DWORD>(std::strlen(text));
            result = m_pHttpFile->SendRequestEx(length, HSR_INITIATE, 1);
            m_pHttpFile->Write(text, length);
            m_pHttpFile->EndRequest(0, nullptr, 1);
            sent = true;
        }
        if (!sent)
            result = m_pHttpFile->SendRequest();
        DWORD code = 0;
        m_pHttpFile->QueryInfoStatusCode(code);
        if (code == HTTP_STATUS_DENIED || code == HTTP_STATUS_MOVED || code == HTTP_STATUS_REDIRECT
            || code == HTTP_STATUS_REDIRECT_METHOD)
            result = 0;
    } catch (CInternetException* e) {
        e->GetErrorMessage(m_szStatusText, 1023);
        e->Delete();
        result = 0;
    }
    return result;
}

long CNetvaneHttpSess::URLReceive(
    void*, unsigned long*, void* text, unsigned long* textLength, int stripTags)
{
    if (!text || !textLength || !m_pHttpFile || *textLength < kLine + 1)
        return -1;
    char* out = static_cast<char*>(text);
    unsigned long size = *textLength;
    unsigned long stored = 0;
    char line[kLine + 1];
    try {
        while (m_pHttpFile->ReadString(line, sizeof line)) {
            if (stripTags)
                StripTags(line);
            unsigned long length = static_cast<unsigned long>(std::strlen(line));
            // A line that does not fit is dropped; reading goes on.
            if (stored + length < size - 1) {
                std::memcpy(out + stored, line, length);
                stored += length;
            }
            if (stored + kLine + 1 >= size)
                break;
        }
    } catch (CInternetException* e) {
        e->GetErrorMessage(m_szStatusText, 1023);
        e->Delete();
    }
    out[stored] = 0;
    return static_cast<long>(stored);
}

void CNetvaneHttpSess::URLClose() { EnableStatusCallback(FALSE); }

void CNetvaneHttpSess::SetStatus(CString line) { m_statusLog.Set(line, nullptr); }

CString CNetvaneHttpSess::GetStatus() { return m_statusLog.Get(); }

void CNetvaneHttpSess::SetStatusCount(long count) { m_statusLog.SetCount(count); }

long CNetvaneHttpSess::GetStatusCount() { return m_statusLog.GetCount(); }

void CNetvaneHttpSess::OnStatusCallback(
    DWORD_PTR context, DWORD status, LPVOID info, DWORD infoLength)
{
    m_statusLog.Record(status, nullptr);
    CInternetSession::OnStatusCallback(context, status, info, infoLength);
}

void CNetvaneHttpSess::StripTags(char* text)
{
    if (!text)
        return;
    char* kept = text;
    for (const char* at = text; *at; ++at) {
        if (*at == '<') {
            g_insideTag = true;
        } else if (g_insideTag) {
            if (*at == '>')
                g_insideTag = false;
        } else {
            *kept++ = *at;
        }
    }
    *kept = 0;
}

CString CNetvaneHttpSess::EnCodeStr(CString text) { return NetvaneEncode(text); }

CString CNetvaneHttpSess::DeCodeStr(CString text) { return NetvaneDecode(text); }
