// CFtpConnection over libcurl. Every request names an absolute path (libcurl's no-CWD method),
// so the current directory lives here; commands go out as libcurl quotes marked "*" so that a
// refusal leaves the control connection logged in.
#include "inetchannel.h"

#include <cstring>

namespace {

struct Quotes {
    curl_slist* list = nullptr;
    ~Quotes() { curl_slist_free_all(list); }
};

// '257 "/a ""b""" is the current directory' gives /a "b".
std::string QuotedPath(const std::string& reply)
{
    size_t quote = reply.find('"');
    if (quote == std::string::npos)
        return {};
    std::string path;
    for (size_t i = quote + 1; i < reply.size(); ++i) {
        if (reply[i] == '"') {
            if (i + 1 < reply.size() && reply[i + 1] == '"') {
                path += '"';
                ++i;
                continue;
            }
            break;
        }
        path += reply[i];
    }
    return path;
}

bool SafeInCommand(const char* text) { return text && !std::strpbrk(text, "\r\n"); }

}

CFtpConnection::CFtpConnection(CInternetSession* session, LPCTSTR server, LPCTSTR userName,
    LPCTSTR password, INTERNET_PORT port, BOOL passive)
    : CInternetConnection(session, server, port, session->GetContext())
    , m_strUser(userName ? userName : "")
    , m_strPassword(password ? password : "")
    , m_passive(passive != FALSE)
{
    // Log in now, as WinInet does when it opens an FTP connection.
    Commands({});
    const char* entry = nullptr;
    curl_easy_getinfo(Channel().Easy(), CURLINFO_FTP_ENTRY_PATH, &entry);
    m_currentDirectory = entry && *entry == '/' ? entry : "/";
}

void CFtpConnection::BeginRequest(const void* owner, DWORD_PTR context)
{
    winport::InetChannel& channel = Channel();
    channel.Begin(owner, context);
    CURL* e = channel.Easy();
    if (!m_strUser.IsEmpty()) {
        curl_easy_setopt(e, CURLOPT_USERNAME, m_strUser.GetString());
        curl_easy_setopt(e, CURLOPT_PASSWORD, m_strPassword.GetString());
    }
    curl_easy_setopt(e, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_NOCWD));
    // Active mode: the server connects back to the address of the control connection.
    curl_easy_setopt(e, CURLOPT_FTPPORT, m_passive ? nullptr : "-");
    curl_easy_setopt(e, CURLOPT_ACCEPTTIMEOUT_MS, 20000L);
}

std::string CFtpConnection::Resolve(LPCTSTR path) const
{
    std::string text = path ? path : "";
    std::string full = !text.empty() && text[0] == '/' ? text : m_currentDirectory + "/" + text;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= full.size()) {
        size_t end = full.find('/', start);
        if (end == std::string::npos)
            end = full.size();
        std::string part = full.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string resolved;
    for (const auto& part : parts)
        resolved += "/" + part;
    return resolved.empty() ? "/" : resolved;
}

// "ftp://host:port//a/b": the doubled slash makes the path absolute on the server.
std::string CFtpConnection::Url(const std::string& absolutePath, bool directory) const
{
    std::string host = m_strServer.GetString();
    if (host.find(':') != std::string::npos && host[0] != '[')
        host = "[" + host + "]";
    std::string url = "ftp://" + host + ":" + std::to_string(m_nPort) + "/";
    size_t start = 1;
    while (start < absolutePath.size()) {
        size_t end = absolutePath.find('/', start);
        if (end == std::string::npos)
            end = absolutePath.size();
        std::string part = absolutePath.substr(start, end - start);
        char* escaped = curl_easy_escape(Channel().Easy(), part.c_str(), int(part.size()));
        url += "/";
        url += escaped ? escaped : "";
        curl_free(escaped);
        start = end + 1;
    }
    if (absolutePath == "/" || directory)
        url += "/";
    return url;
}

std::string CFtpConnection::Commands(const std::vector<std::string>& commands)
{
    BeginRequest(this, m_dwContext);
    winport::InetChannel& channel = Channel();
    Quotes quotes;
    for (const auto& command : commands)
        quotes.list = curl_slist_append(quotes.list, ("*" + command).c_str());
    std::string url = Url("/", false);
    curl_easy_setopt(channel.Easy(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(channel.Easy(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(channel.Easy(), CURLOPT_QUOTE, quotes.list);
    channel.Run();
    // The replies to "*" quotes are not checked by libcurl: match them to their commands.
    std::string last;
    const auto& exchanges = channel.Exchanges();
    size_t at = 0;
    for (const auto& command : commands) {
        while (at < exchanges.size() && exchanges[at].first != command)
            ++at;
        last = at < exchanges.size() ? exchanges[at].second : std::string();
        long code = std::atol(last.c_str());
        if (code < 100 || code >= 400) {
            m_strLastResponse = last.c_str();
            std::string text = "The server refused \"" + command + "\": " + last;
            throw new CInternetException(ERROR_INTERNET_EXTENDED_ERROR, text.c_str(), m_dwContext);
        }
        ++at;
    }
    return last;
}

void CFtpConnection::RecordFailure(CInternetException* e)
{
    char text[1024];
    e->GetErrorMessage(text, sizeof text);
    m_strLastResponse = text;
    SetLastError(e->m_dwError);
    e->Delete();
}

BOOL CFtpConnection::TryCommands(const std::vector<std::string>& commands)
{
    try {
        Commands(commands);
        return TRUE;
    } catch (CInternetException* e) {
        RecordFailure(e);
        return FALSE;
    }
}

BOOL CFtpConnection::SetCurrentDirectory(LPCTSTR directory)
{
    if (!m_channel || !directory || !*directory || !SafeInCommand(directory))
        return FALSE;
    std::string target = Resolve(directory);
    // Already there: the directory was checked when it became current.
    if (target == m_currentDirectory)
        return TRUE;
    try {
        std::string path = QuotedPath(Commands({ "CWD " + target, "PWD" }));
        m_currentDirectory = path.empty() ? target : path;
        return TRUE;
    } catch (CInternetException* e) {
        RecordFailure(e);
        return FALSE;
    }
}

BOOL CFtpConnection::GetCurrentDirectory(CString& directory) const
{
    if (!m_channel)
        return FALSE;
    directory = m_currentDirectory.c_str();
    return TRUE;
}

BOOL CFtpConnection::GetCurrentDirectory(LPTSTR directory, LPDWORD length) const
{
    if (!m_channel || !directory || !length)
        return FALSE;
    DWORD needed = static_cast<DWORD>(m_currentDirectory.size() + 1);
    if (*length < needed) {
        *length = needed;
        return FALSE;
    }
    std::memcpy(directory, m_currentDirectory.c_str(), needed);
    *length = needed - 1;
    return TRUE;
}

BOOL CFtpConnection::CreateDirectory(LPCTSTR directory)
{
    if (!m_channel || !directory || !*directory || !SafeInCommand(directory))
        return FALSE;
    return TryCommands({ "MKD " + Resolve(directory) });
}

BOOL CFtpConnection::RemoveDirectory(LPCTSTR directory)
{
    if (!m_channel || !directory || !*directory || !SafeInCommand(directory))
        return FALSE;
    return TryCommands({ "RMD " + Resolve(directory) });
}

BOOL CFtpConnection::Remove(LPCTSTR fileName)
{
    if (!m_channel || !fileName || !*fileName || !SafeInCommand(fileName))
        return FALSE;
    return TryCommands({ "DELE " + Resolve(fileName) });
}

BOOL CFtpConnection::Rename(LPCTSTR existingName, LPCTSTR newName)
{
    if (!m_channel || !existingName || !*existingName || !newName || !*newName
        || !SafeInCommand(existingName) || !SafeInCommand(newName))
        return FALSE;
    return TryCommands({ "RNFR " + Resolve(existingName), "RNTO " + Resolve(newName) });
}

CInternetFile* CFtpConnection::OpenFile(
    LPCTSTR fileName, DWORD access, DWORD flags, DWORD_PTR context)
{
    bool writing = (access & GENERIC_WRITE) != 0;
    if (!fileName || !*fileName || writing == ((access & GENERIC_READ) != 0))
        AfxThrowInternetException(context, ERROR_INTERNET_INVALID_OPERATION);
    std::string path = Resolve(fileName);
    CInternetFile* file = new CInternetFile(m_channel, m_pSession, path.c_str(), context, writing);
    try {
        BeginRequest(file, context);
        winport::InetChannel& channel = Channel();
        std::string url = Url(path, false);
        curl_easy_setopt(channel.Easy(), CURLOPT_URL, url.c_str());
        curl_easy_setopt(
            channel.Easy(), CURLOPT_TRANSFERTEXT, (flags & FTP_TRANSFER_TYPE_ASCII) ? 1L : 0L);
        if (writing)
            curl_easy_setopt(channel.Easy(), CURLOPT_UPLOAD, 1L);
        else
            // RETR alone, as WinInet sends it: no SIZE round trip first. The end of the data
            // connection and the server's final reply still decide whether the file came whole.
            curl_easy_setopt(channel.Easy(), CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
        channel.Start();
        channel.WaitStarted();
    } catch (CInternetException*) {
        delete file;
        throw;
    }
    file->ReportHandle(INTERNET_STATUS_HANDLE_CREATED);
    return file;
}
