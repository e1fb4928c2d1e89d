// One libcurl easy handle with its own multi handle: the connection behind a CFtpConnection or
// CHttpConnection. The multi handle keeps the control connection open between requests, and
// driving it by hand turns libcurl's callbacks into the pull (Read) and push (Write) calls of
// CInternetFile. One request runs at a time.
#pragma once

#include <afxinet.h>
#include <curl/curl.h>

#include <string>
#include <utility>
#include <vector>

namespace winport {

class InetChannel {
public:
    InetChannel(CInternetSession* session, std::string host);
    ~InetChannel();
    InetChannel(const InetChannel&) = delete;
    InetChannel& operator=(const InetChannel&) = delete;

    CURL* Easy() const { return m_easy; }
    const std::string& Host() const { return m_host; }

    // Prepares a new request for owner, reported with context. A request of another owner that
    // is still running is abandoned when preempt is set, otherwise this throws
    // ERROR_FTP_TRANSFER_IN_PROGRESS.
    void Begin(const void* owner, DWORD_PTR context, bool preempt = false);
    bool OwnedBy(const void* owner) const { return m_owner == owner; }
    // Header lines for the next request; kept until the next Begin.
    void SetHeaders(const std::vector<std::string>& lines);

    void Start();
    // Start, run to the end, throw on failure.
    void Run();
    // Runs until the body starts flowing in either direction, the headers of an HTTP answer are
    // complete, or the request ends; throws when it ended in failure.
    void WaitStarted();
    // Fills buffer unless the data ends; 0 at the end. Throws when the transfer failed.
    size_t Read(char* buffer, size_t count);
    void Write(const char* buffer, size_t count);
    void FinishUpload();
    // Ends the body of an HTTP request and runs until the headers of the answer are in.
    void EndUploadAwaitHeaders();
    // Runs until the headers of an HTTP answer are in; throws when the request failed.
    void AwaitHeaders();
    // Ends the request whatever its state; an unfinished transfer is dropped with its connection.
    void Abandon();
    // Releases the handles; afterwards every request throws.
    void Shutdown();
    void DetachSession() { m_session = nullptr; }
    CInternetSession* Session() const { return m_session; }

    bool Done() const { return m_done; }
    CURLcode Result() const { return m_result; }
    long ResponseCode() const;
    // (command, final reply) pairs of the current request, in order.
    const std::vector<std::pair<std::string, std::string>>& Exchanges() const
    {
        return m_exchanges;
    }
    // Every line the server sent during the current request.
    const std::vector<std::string>& Replies() const { return m_replies; }
    [[noreturn]] void Fail(CURLcode code);
    // Hands a status to the session, with the context of the current request or the given one.
    void Report(DWORD status, LPVOID info = nullptr, DWORD length = 0);
    void ReportFor(DWORD_PTR context, DWORD status, LPVOID info, DWORD length);

private:
    bool Perform();
    void Pump();
    void WaitForIo();
    void Finish();
    void ThrowIfFailed();
    std::string LastReply() const;
    size_t TakeSpill(char* buffer, size_t count);

    static size_t OnWrite(char* data, size_t size, size_t count, void* self);
    static size_t OnRead(char* data, size_t size, size_t count, void* self);
    static size_t OnHeader(char* data, size_t size, size_t count, void* self);
    static int OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* self);
    static curl_socket_t OnOpenSocket(void* self, curlsocktype purpose, curl_sockaddr* address);
    static int OnCloseSocket(void* self, curl_socket_t socket);
    static int OnResolverStart(void*, void*, void* self);

    CInternetSession* m_session;
    std::string m_host;
    CURLM* m_multi = nullptr;
    CURL* m_easy = nullptr;
    curl_slist* m_headers = nullptr;
    char m_errorText[CURL_ERROR_SIZE] = {};
    const void* m_owner = nullptr;
    DWORD_PTR m_context = 0;
    bool m_running = false;
    bool m_done = false;
    bool m_started = false;
    bool m_headersDone = false;
    bool m_connecting = false;
    CURLcode m_result = CURLE_OK;
    unsigned long m_events = 0;
    std::vector<std::string> m_replies;
    std::vector<std::pair<std::string, std::string>> m_exchanges;

    // Download: the caller's buffer while Read runs, and what did not fit into it.
    char* m_target = nullptr;
    size_t m_targetSize = 0;
    size_t m_targetUsed = 0;
    std::vector<char> m_spill;
    size_t m_spillPos = 0;
    bool m_receivePaused = false;
    // Upload: the caller's data while Write runs.
    const char* m_source = nullptr;
    size_t m_sourceLeft = 0;
    bool m_sendPaused = false;
    bool m_sendEnd = false;
};

// The exception for a failed libcurl request, with libcurl's text and the server's last reply.
[[noreturn]] void ThrowCurlError(CURLcode code, const std::string& detail, DWORD_PTR context);
DWORD InternetErrorFromCurl(CURLcode code);

}
