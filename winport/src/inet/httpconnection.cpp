// CHttpConnection and CHttpFile: one request at a time on the connection's handle; redirections
// are the caller's business.
#include "inetchannel.h"

#include <strings.h>

#include <algorithm>
#include <cstring>

namespace {

const char* const kVerbs[] = { "POST", "GET", "HEAD", "PUT", "LINK", "DELETE", "UNLINK" };

std::string HeaderName(const std::string& line) { return line.substr(0, line.find(':')); }

}

CHttpConnection::CHttpConnection(CInternetSession* session, LPCTSTR server, INTERNET_PORT port)
    : CInternetConnection(session, server, port, session->GetContext())
{
}

CHttpFile* CHttpConnection::OpenRequest(int verb, LPCTSTR objectName, LPCTSTR referer,
    DWORD_PTR context, LPCTSTR* acceptTypes, LPCTSTR version, DWORD flags)
{
    if (verb < HTTP_VERB_MIN || verb > HTTP_VERB_MAX)
        AfxThrowInternetException(context, ERROR_INTERNET_INVALID_OPERATION);
    return OpenRequest(kVerbs[verb], objectName, referer, context, acceptTypes, version, flags);
}

CHttpFile* CHttpConnection::OpenRequest(LPCTSTR verb, LPCTSTR objectName, LPCTSTR referer,
    DWORD_PTR context, LPCTSTR* acceptTypes, LPCTSTR version, DWORD)
{
    if (!verb || !*verb || std::strpbrk(verb, " \r\n"))
        AfxThrowInternetException(context, ERROR_INTERNET_INVALID_OPERATION);
    Channel();
    std::string object = objectName && *objectName ? objectName : "/";
    if (object[0] != '/')
        object = "/" + object;
    std::string host = m_strServer.GetString();
    if (host.find(':') != std::string::npos && host[0] != '[')
        host = "[" + host + "]";
    std::string url = "http://" + host + ":" + std::to_string(m_nPort) + object;
    bool http10 = version && std::strstr(version, "1.0");
    auto* file
        = new CHttpFile(m_channel, m_pSession, url.c_str(), verb, object.c_str(), context, http10);
    if (referer && *referer)
        file->AddRequestHeaders((std::string("Referer: ") + referer).c_str());
    std::string accept;
    for (LPCTSTR* type = acceptTypes; type && *type; ++type)
        accept += (accept.empty() ? "" : ", ") + std::string(*type);
    if (!accept.empty())
        file->AddRequestHeaders(("Accept: " + accept).c_str());
    file->ReportHandle(INTERNET_STATUS_HANDLE_CREATED);
    return file;
}

CHttpFile::CHttpFile(std::shared_ptr<winport::InetChannel> channel, CInternetSession* session,
    LPCTSTR url, LPCTSTR verb, LPCTSTR object, DWORD_PTR context, bool http10)
    : CInternetFile(std::move(channel), session, url, context, false)
    , m_strVerb(verb)
    , m_strObject(object)
    , m_http10(http10)
{
}

BOOL CHttpFile::AddRequestHeaders(LPCTSTR headers, DWORD flags, int length)
{
    if (!headers)
        return FALSE;
    std::string text = length < 0 ? std::string(headers) : std::string(headers, length);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty()) {
            size_t colon = line.find(':');
            if (colon == std::string::npos || colon == 0)
                return FALSE;
            lines.push_back(line);
        }
        start = end + 1;
    }
    if (lines.empty())
        return FALSE;
    for (const auto& line : lines) {
        std::string name = HeaderName(line);
        auto same = std::find_if(m_headers.begin(), m_headers.end(), [&](const std::string& h) {
            return strcasecmp(HeaderName(h).c_str(), name.c_str()) == 0;
        });
        if (same != m_headers.end() && (flags & HTTP_ADDREQ_FLAG_ADD_IF_NEW))
            return FALSE;
        if (same != m_headers.end() && (flags & HTTP_ADDREQ_FLAG_REPLACE))
            *same = line;
        else
            m_headers.push_back(line);
    }
    return TRUE;
}

void CHttpFile::Prepare(const void* body, size_t bodyLength, bool streamed)
{
    m_open = true;
    m_readBuffer.clear();
    m_readPos = m_readEnd = 0;
    m_sent = false;
    m_dwStatus = 0;
    // A new request on the connection ends whatever request still runs there.
    m_channel->Begin(this, m_dwContext, true);
    winport::InetChannel& channel = Channel();
    CURL* e = channel.Easy();
    curl_easy_setopt(e, CURLOPT_URL, m_strFileName.GetString());
    curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(e, CURLOPT_HTTP_VERSION,
        m_http10 ? static_cast<long>(CURL_HTTP_VERSION_1_0)
                 : static_cast<long>(CURL_HTTP_VERSION_1_1));
    std::string verb = m_strVerb.GetString();
    bool hasBody = streamed || (body && bodyLength);
    if (verb == "HEAD") {
        curl_easy_setopt(e, CURLOPT_NOBODY, 1L);
    } else if (hasBody || verb == "POST") {
        curl_easy_setopt(e, CURLOPT_POST, 1L);
        curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(bodyLength));
        if (!streamed)
            curl_easy_setopt(e, CURLOPT_COPYPOSTFIELDS, body ? static_cast<const char*>(body) : "");
        if (verb != "POST")
            curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, verb.c_str());
    } else if (verb != "GET") {
        curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, verb.c_str());
    }
    std::vector<std::string> headers = m_headers;
    // No "Expect: 100-continue" round trip: servers that ignore it stall the body for a second.
    headers.push_back("Expect:");
    channel.SetHeaders(headers);
}

BOOL CHttpFile::SendRequest(
    LPCTSTR headers, DWORD headersLength, LPVOID optional, DWORD optionalLength)
{
    if (headers && *headers)
        AddRequestHeaders(
            headers, HTTP_ADDREQ_FLAG_ADD, headersLength ? static_cast<int>(headersLength) : -1);
    Prepare(optional, optionalLength, false);
    m_channel->Start();
    m_channel->AwaitHeaders();
    m_dwStatus = static_cast<DWORD>(m_channel->ResponseCode());
    m_sent = true;
    return TRUE;
}

BOOL CHttpFile::SendRequestEx(DWORD totalLength, DWORD, DWORD_PTR)
{
    Prepare(nullptr, totalLength, true);
    m_channel->Start();
    m_streaming = true;
    return TRUE;
}

void CHttpFile::Write(const void* buffer, UINT count)
{
    if (!m_streaming || (!buffer && count))
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    if (count)
        Channel().Write(static_cast<const char*>(buffer), count);
}

BOOL CHttpFile::EndRequest(DWORD, LPINTERNET_BUFFERS, DWORD_PTR)
{
    if (!m_streaming)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    m_streaming = false;
    Channel().EndUploadAwaitHeaders();
    m_dwStatus = static_cast<DWORD>(m_channel->ResponseCode());
    m_sent = true;
    return TRUE;
}

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const
{
    if (!m_sent)
        return FALSE;
    statusCode = m_dwStatus;
    return TRUE;
}
