// MFC's internet classes: sessions with status callbacks, FTP connections, remote file finding,
// remote files and HTTP requests. Operations run synchronously on the calling thread; status
// callbacks arrive on that thread while an operation runs.
#pragma once

#include "afx.h"
#include "windows.h"
#include "wininet.h"
#include "winport/export.h"

#include <memory>
#include <string>
#include <vector>

namespace winport {
class InetChannel;
}

// Service types reported by AfxParseURL.
#define AFX_INET_SERVICE_FTP INTERNET_SERVICE_FTP
#define AFX_INET_SERVICE_GOPHER INTERNET_SERVICE_GOPHER
#define AFX_INET_SERVICE_HTTP INTERNET_SERVICE_HTTP
#define AFX_INET_SERVICE_UNK 0x1000
#define AFX_INET_SERVICE_FILE (AFX_INET_SERVICE_UNK + 1)
#define AFX_INET_SERVICE_HTTPS (AFX_INET_SERVICE_UNK + 12)

// Thrown by pointer, as MFC does: catch (CInternetException* e) { ...; e->Delete(); }
class WINPORT_API CInternetException : public CException {
public:
    CInternetException(DWORD error, const char* message = nullptr, DWORD_PTR context = 0);

    // Copies the message (at most maxChars - 1 characters, zero-terminated): libcurl's text
    // and the server's last reply, or the text of the error code.
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext = nullptr) const override;

    DWORD m_dwError;
    DWORD_PTR m_dwContext;

private:
    CString m_message;
};

// Throws a CInternetException; the message is the system text of the error code.
[[noreturn]] WINPORT_API void AfxThrowInternetException(DWORD_PTR context, DWORD error = 0);

// Splits "scheme://[user[:password]@]server[:port]/object" into its parts. The port defaults to
// the scheme's well-known port. FALSE (service type AFX_INET_SERVICE_UNK) for anything that is
// not such a URL.
WINPORT_API BOOL AfxParseURL(
    LPCTSTR url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port);

class CFtpConnection;
class CHttpConnection;

class WINPORT_API CInternetSession {
public:
    explicit CInternetSession(LPCTSTR agent = nullptr, DWORD_PTR context = 1,
        DWORD accessType = PRE_CONFIG_INTERNET_ACCESS, LPCTSTR proxyName = nullptr,
        LPCTSTR proxyBypass = nullptr, DWORD flags = 0);
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;
    virtual ~CInternetSession();

    // Logs in before returning; throws CInternetException when the server cannot be reached or
    // refuses the login. Passive off means active mode (the server connects back: EPRT/PORT).
    // The caller owns the connection and deletes it before the session.
    CFtpConnection* GetFtpConnection(LPCTSTR server, LPCTSTR userName = nullptr,
        LPCTSTR password = nullptr, INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER,
        BOOL passive = FALSE);
    // Contacts no server yet: requests do.
    CHttpConnection* GetHttpConnection(LPCTSTR server,
        INTERNET_PORT port = INTERNET_INVALID_PORT_NUMBER, LPCTSTR userName = nullptr,
        LPCTSTR password = nullptr);

    // While enabled, OnStatusCallback is called for every status of the operations of this
    // session's connections and files whose context is not 0.
    BOOL EnableStatusCallback(BOOL enable = TRUE);
    // Information: the host name (10), the address text (11, 20), a DWORD byte count (31, 41),
    // an INTERNET_ASYNC_RESULT (60, 70, and 100 at the end of every request with dwResult 1 for
    // success or 0 and the error), the socket number as DWORD (50, 51), else nothing.
    virtual void OnStatusCallback(
        DWORD_PTR context, DWORD internetStatus, LPVOID statusInformation, DWORD length);

    // Detaches the connections that are still open: they report no more statuses.
    virtual void Close();
    DWORD_PTR GetContext() const { return m_dwContext; }
    CString GetAgent() const { return m_strAgent; }

private:
    friend class winport::InetChannel;
    friend class CInternetConnection;
    void ReportStatus(DWORD_PTR context, DWORD status, LPVOID info, DWORD length);

    CString m_strAgent;
    DWORD_PTR m_dwContext;
    bool m_statusCallback = false;
    std::vector<winport::InetChannel*> m_channels;
};

class WINPORT_API CInternetConnection {
public:
    CInternetConnection(const CInternetConnection&) = delete;
    CInternetConnection& operator=(const CInternetConnection&) = delete;
    virtual ~CInternetConnection();

    CInternetSession* GetSession() const { return m_pSession; }
    CString GetServerName() const { return m_strServer; }
    INTERNET_PORT GetPort() const { return m_nPort; }
    DWORD_PTR GetContext() const { return m_dwContext; }
    // Releases the network connection; files still open on it fail from then on.
    virtual void Close();

protected:
    CInternetConnection(
        CInternetSession* session, LPCTSTR server, INTERNET_PORT port, DWORD_PTR context);
    // Throws when the connection is closed.
    winport::InetChannel& Channel() const;
    void ReportHandle(DWORD status);

    std::shared_ptr<winport::InetChannel> m_channel;
    CInternetSession* m_pSession;
    CString m_strServer;
    INTERNET_PORT m_nPort;
    DWORD_PTR m_dwContext;
};

// A remote file open for reading or writing (also the body of an HTTP answer). Read fills the
// whole buffer unless the data ends; failures throw CInternetException.
class WINPORT_API CInternetFile {
public:
    CInternetFile(const CInternetFile&) = delete;
    CInternetFile& operator=(const CInternetFile&) = delete;
    virtual ~CInternetFile();

    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    // Reads up to maxChars - 1 characters through the line end (kept) and zero-terminates;
    // nullptr at the end of the data.
    virtual LPTSTR ReadString(LPTSTR buffer, UINT maxChars);
    // The same without the line end; FALSE at the end of the data.
    virtual BOOL ReadString(CString& line);
    // Size of the buffer ReadString reads ahead into (4096 unless set).
    BOOL SetReadBufferSize(UINT size);
    // Writing: ends the upload and waits for the server's verdict (throws on failure). Reading:
    // abandons the rest of the data.
    virtual void Close();
    CString GetFileName() const { return m_strFileName; }

protected:
    friend class CFtpConnection;
    CInternetFile(std::shared_ptr<winport::InetChannel> channel, CInternetSession* session,
        LPCTSTR fileName, DWORD_PTR context, bool writing);
    // The channel while this file still owns its request; throws otherwise.
    winport::InetChannel& Channel() const;
    void ReportHandle(DWORD status);
    size_t Fill(char* buffer, size_t count);

    std::shared_ptr<winport::InetChannel> m_channel;
    CInternetSession* m_pSession;
    CString m_strFileName;
    DWORD_PTR m_dwContext;
    bool m_writing;
    bool m_open = true;
    std::vector<char> m_readBuffer;
    size_t m_readPos = 0;
    size_t m_readEnd = 0;
};

class WINPORT_API CHttpFile : public CInternetFile {
public:
    // headers: "Name: value" lines separated by "\r\n"; length -1 means zero-terminated.
    BOOL AddRequestHeaders(
        LPCTSTR headers, DWORD flags = HTTP_ADDREQ_FLAG_ADD_IF_NEW, int length = -1);
    // Sends the request and waits for the headers of the answer, whatever its status code;
    // throws when the server cannot be reached.
    BOOL SendRequest(LPCTSTR headers = nullptr, DWORD headersLength = 0, LPVOID optional = nullptr,
        DWORD optionalLength = 0);
    // Starts a request whose body of totalLength bytes follows through Write; EndRequest ends
    // the body and waits for the headers of the answer.
    BOOL SendRequestEx(DWORD totalLength, DWORD flags = HSR_INITIATE, DWORD_PTR context = 1);
    BOOL EndRequest(DWORD flags = 0, LPINTERNET_BUFFERS bufferIn = nullptr, DWORD_PTR context = 1);
    void Write(const void* buffer, UINT count) override;
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;
    CString GetVerb() const { return m_strVerb; }
    CString GetObject() const { return m_strObject; }

private:
    friend class CHttpConnection;
    CHttpFile(std::shared_ptr<winport::InetChannel> channel, CInternetSession* session, LPCTSTR url,
        LPCTSTR verb, LPCTSTR object, DWORD_PTR context, bool http10);
    void Prepare(const void* body, size_t bodyLength, bool streamed);

    CString m_strVerb;
    CString m_strObject;
    std::vector<std::string> m_headers;
    bool m_http10;
    bool m_sent = false;
    bool m_streaming = false;
    DWORD m_dwStatus = 0;
};

class WINPORT_API CHttpConnection : public CInternetConnection {
public:
    enum {
        HTTP_VERB_MIN = 0,
        HTTP_VERB_POST = 0,
        HTTP_VERB_GET = 1,
        HTTP_VERB_HEAD = 2,
        HTTP_VERB_PUT = 3,
        HTTP_VERB_LINK = 4,
        HTTP_VERB_DELETE = 5,
        HTTP_VERB_UNLINK = 6,
        HTTP_VERB_MAX = 6,
    };

    // The request goes out with SendRequest or SendRequestEx. Redirections are never followed;
    // a version text containing "1.0" asks for HTTP/1.0. Throws for an unknown verb.
    CHttpFile* OpenRequest(LPCTSTR verb, LPCTSTR objectName, LPCTSTR referer = nullptr,
        DWORD_PTR context = 1, LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr,
        DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);
    CHttpFile* OpenRequest(int verb, LPCTSTR objectName, LPCTSTR referer = nullptr,
        DWORD_PTR context = 1, LPCTSTR* acceptTypes = nullptr, LPCTSTR version = nullptr,
        DWORD flags = INTERNET_FLAG_EXISTING_CONNECT);

private:
    friend class CInternetSession;
    CHttpConnection(CInternetSession* session, LPCTSTR server, INTERNET_PORT port);
};

// One control connection that stays logged in across operations. Remote paths are absolute or
// relative to the current directory, which the connection keeps.
class WINPORT_API CFtpConnection : public CInternetConnection {
public:
    BOOL SetCurrentDirectory(LPCTSTR directory);
    BOOL GetCurrentDirectory(CString& directory) const;
    // FALSE when the buffer of *length characters cannot hold the text and its terminator.
    BOOL GetCurrentDirectory(LPTSTR directory, LPDWORD length) const;
    BOOL CreateDirectory(LPCTSTR directory);
    BOOL RemoveDirectory(LPCTSTR directory);
    BOOL Remove(LPCTSTR fileName);
    BOOL Rename(LPCTSTR existingName, LPCTSTR newName);
    // access GENERIC_READ or GENERIC_WRITE; flags FTP_TRANSFER_TYPE_BINARY or _ASCII. Returns
    // once the server accepted the transfer; throws when it did not. Until the file is closed
    // the connection runs no other operation (ERROR_FTP_TRANSFER_IN_PROGRESS).
    CInternetFile* OpenFile(LPCTSTR fileName, DWORD access = GENERIC_READ,
        DWORD flags = FTP_TRANSFER_TYPE_BINARY, DWORD_PTR context = 1);
    // Failing operations set the thread's last error; this is the text of the last failure.
    CString GetLastResponse() const { return m_strLastResponse; }

private:
    friend class CInternetSession;
    friend class CFtpFileFind;
    CFtpConnection(CInternetSession* session, LPCTSTR server, LPCTSTR userName, LPCTSTR password,
        INTERNET_PORT port, BOOL passive);
    std::string Resolve(LPCTSTR path) const;
    std::string Url(const std::string& absolutePath, bool directory) const;
    void BeginRequest(const void* owner, DWORD_PTR context);
    // Runs the commands in order on the control connection; throws on a refusal.
    std::string Commands(const std::vector<std::string>& commands);
    BOOL TryCommands(const std::vector<std::string>& commands);
    // Keeps the failure's text as the last response and its code as the last error; deletes it.
    void RecordFailure(CInternetException* e);
    // Every entry of the directory; FALSE when it cannot be listed.
    BOOL List(const std::string& directory, std::vector<WIN32_FIND_DATA>& entries);
    // The one entry at an absolute path, asked with MLST (no data connection); FALSE when the
    // server does not know the path or has no MLST (then it is not asked again).
    BOOL Stat(const std::string& path, WIN32_FIND_DATA& record);

    CString m_strUser;
    CString m_strPassword;
    bool m_passive;
    std::string m_currentDirectory;
    CString m_strLastResponse;
    bool m_mlst = true; // false once the server refused MLST as unknown
};

// Finds the entries of a remote directory with CFileFind's interface. Patterns follow Windows
// rules (winport::matchesWildcard): "*.*" matches every name.
class WINPORT_API CFtpFileFind : public CFileFind {
public:
    explicit CFtpFileFind(CFtpConnection* connection, DWORD_PTR context = 1);
    ~CFtpFileFind() override;

    // name: a path whose last part is the pattern ("dir/" lists dir); none means "*.*" in the
    // current directory. TRUE when something matched; FindNextFile then steps onto it.
    BOOL FindFile(LPCTSTR name = nullptr, DWORD flags = INTERNET_FLAG_RELOAD) override;
    // FALSE when the entry it stepped onto is the last one.
    BOOL FindNextFile() override;
    CString GetFileURL() const override;
    // FALSE when the listing gave no time.
    BOOL GetLastWriteTime(FILETIME* time) const override;

protected:
    void CloseContext() override;
    // The find record of the first match of the last FindFile; nullptr when nothing matched.
    const WIN32_FIND_DATA* GetFirstFoundRecord() const;

private:
    CFtpConnection* m_pConnection;
    DWORD_PTR m_dwContext;
    std::vector<WIN32_FIND_DATA> m_found;
    size_t m_next = 0;
};
