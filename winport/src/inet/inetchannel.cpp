// Drives one libcurl easy handle by hand: requests run to their end, or hand their body over
// block by block as the caller reads or writes.
#include "inetchannel.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace winport {

namespace {

    // Bytes kept beyond the caller's buffer before the download is paused.
    constexpr size_t kSpillLimit = 1 << 20;
    // Receive buffer: each perform reads up to this much in one call. 512 KiB halves the
    // processor time of a loopback download against 100 KiB (fewer performs and system calls),
    // although most bytes then pass through the spill on their way to 65,535-byte blocks.
    constexpr long kReceiveBuffer = 512 * 1024;
    constexpr int kLongestWaitMs = 1000;

    void GlobalInit()
    {
        static std::once_flag once;
        std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    }

    std::string Chomp(const char* data, size_t size)
    {
        std::string text(data, size);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        return text;
    }

    bool IsFinalReply(const std::string& line)
    {
        return line.size() >= 4 && isdigit(static_cast<unsigned char>(line[0]))
            && isdigit(static_cast<unsigned char>(line[1]))
            && isdigit(static_cast<unsigned char>(line[2])) && line[3] == ' ';
    }

    // "127.0.0.1", and the port through *port.
    std::string AddressText(const sockaddr* address, unsigned* port)
    {
        char text[INET6_ADDRSTRLEN] = "";
        *port = 0;
        if (address->sa_family == AF_INET) {
            auto* in = reinterpret_cast<const sockaddr_in*>(address);
            inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
            *port = ntohs(in->sin_port);
        } else if (address->sa_family == AF_INET6) {
            auto* in6 = reinterpret_cast<const sockaddr_in6*>(address);
            inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text);
            *port = ntohs(in6->sin6_port);
        }
        return text;
    }

}

InetChannel::InetChannel(CInternetSession* session, std::string host)
    : m_session(session)
    , m_host(std::move(host))
{
    GlobalInit();
    m_multi = curl_multi_init();
    m_easy = curl_easy_init();
    if (!m_multi || !m_easy) {
        Shutdown();
        AfxThrowInternetException(0, ERROR_INTERNET_OUT_OF_HANDLES);
    }
}

InetChannel::~InetChannel() { Shutdown(); }

void InetChannel::Shutdown()
{
    if (m_running)
        curl_multi_remove_handle(m_multi, m_easy);
    m_running = false;
    if (m_easy)
        curl_easy_cleanup(m_easy);
    // Closes the pooled connections: the close-socket callback still reports them.
    if (m_multi)
        curl_multi_cleanup(m_multi);
    m_easy = nullptr;
    m_multi = nullptr;
    curl_slist_free_all(m_headers);
    m_headers = nullptr;
    m_owner = nullptr;
}

void InetChannel::Begin(const void* owner, DWORD_PTR context, bool preempt)
{
    if (!m_easy)
        AfxThrowInternetException(context, ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    if (m_running) {
        if (!preempt)
            AfxThrowInternetException(context, ERROR_FTP_TRANSFER_IN_PROGRESS);
        Abandon();
    }
    curl_easy_reset(m_easy);
    curl_slist_free_all(m_headers);
    m_headers = nullptr;
    m_owner = owner;
    m_context = context;
    m_errorText[0] = 0;
    m_done = m_started = m_headersDone = m_connecting = false;
    m_result = CURLE_OK;
    m_replies.clear();
    m_exchanges.clear();
    m_target = nullptr;
    m_targetSize = m_targetUsed = 0;
    m_spill.clear();
    m_spillPos = 0;
    m_receivePaused = m_sendPaused = m_sendEnd = false;
    m_source = nullptr;
    m_sourceLeft = 0;

    CURL* e = m_easy;
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(e, CURLOPT_ERRORBUFFER, m_errorText);
    if (m_session && !m_session->GetAgent().IsEmpty())
        curl_easy_setopt(e, CURLOPT_USERAGENT, m_session->GetAgent().GetString());
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT, 30L);
    curl_easy_setopt(e, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
    // A peer that stops sending for a minute fails the request (paused downloads do not count).
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(e, CURLOPT_LOW_SPEED_TIME, 60L);
    curl_easy_setopt(e, CURLOPT_BUFFERSIZE, kReceiveBuffer);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, &InetChannel::OnWrite);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(e, CURLOPT_READFUNCTION, &InetChannel::OnRead);
    curl_easy_setopt(e, CURLOPT_READDATA, this);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, &InetChannel::OnHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, this);
    // The debug callback sees the protocol lines; it only runs in verbose mode.
    curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, &InetChannel::OnDebug);
    curl_easy_setopt(e, CURLOPT_DEBUGDATA, this);
    curl_easy_setopt(e, CURLOPT_OPENSOCKETFUNCTION, &InetChannel::OnOpenSocket);
    curl_easy_setopt(e, CURLOPT_OPENSOCKETDATA, this);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETFUNCTION, &InetChannel::OnCloseSocket);
    curl_easy_setopt(e, CURLOPT_CLOSESOCKETDATA, this);
    curl_easy_setopt(e, CURLOPT_RESOLVER_START_FUNCTION, &InetChannel::OnResolverStart);
    curl_easy_setopt(e, CURLOPT_RESOLVER_START_DATA, this);
}

void InetChannel::SetHeaders(const std::vector<std::string>& lines)
{
    curl_slist_free_all(m_headers);
    m_headers = nullptr;
    for (const auto& line : lines)
        m_headers = curl_slist_append(m_headers, line.c_str());
    curl_easy_setopt(m_easy, CURLOPT_HTTPHEADER, m_headers);
}

void InetChannel::Start()
{
    CURLMcode code = curl_multi_add_handle(m_multi, m_easy);
    if (code != CURLM_OK)
        ThrowCurlError(CURLE_FAILED_INIT, curl_multi_strerror(code), m_context);
    m_running = true;
}

void InetChannel::Finish()
{
    if (!m_running)
        return;
    curl_multi_remove_handle(m_multi, m_easy);
    m_running = false;
}

// One perform; true when it made progress. After progress libcurl may need another perform
// before it offers a socket to wait on (FTP opens the data connection only then), so waiting
// would stall a whole timeout.
bool InetChannel::Perform()
{
    unsigned long before = m_events;
    int running = 0;
    CURLMcode code = curl_multi_perform(m_multi, &running);
    if (code != CURLM_OK)
        ThrowCurlError(CURLE_FAILED_INIT, curl_multi_strerror(code), m_context);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy) {
            m_done = true;
            m_result = message->data.result;
            INTERNET_ASYNC_RESULT outcome = { m_result == CURLE_OK ? DWORD_PTR(1) : DWORD_PTR(0),
                m_result == CURLE_OK ? DWORD(0) : InternetErrorFromCurl(m_result) };
            Report(INTERNET_STATUS_REQUEST_COMPLETE, &outcome, sizeof outcome);
        }
    }
    return m_events != before;
}

void InetChannel::WaitForIo()
{
    int ready = 0;
    curl_multi_wait(m_multi, nullptr, 0, kLongestWaitMs, &ready);
    if (ready == 0) {
        // libcurl offered nothing to wait on: do not spin at full speed.
        long timeout = -1;
        curl_multi_timeout(m_multi, &timeout);
        if (timeout < 0)
            usleep(1000);
    }
}

void InetChannel::Pump()
{
    if (!Perform() && !m_done)
        WaitForIo();
}

void InetChannel::ThrowIfFailed()
{
    if (m_done && m_result != CURLE_OK)
        Fail(m_result);
}

void InetChannel::Run()
{
    Start();
    while (!m_done)
        Pump();
    Finish();
    ThrowIfFailed();
}

void InetChannel::WaitStarted()
{
    while (!m_done && !m_started && !m_headersDone)
        Pump();
    if (m_done && m_result != CURLE_OK) {
        Finish();
        Fail(m_result);
    }
}

size_t InetChannel::TakeSpill(char* buffer, size_t count)
{
    size_t n = std::min(count, m_spill.size() - m_spillPos);
    if (n) {
        std::memcpy(buffer, m_spill.data() + m_spillPos, n);
        m_spillPos += n;
    }
    if (m_spillPos == m_spill.size()) {
        m_spill.clear();
        m_spillPos = 0;
    }
    return n;
}

size_t InetChannel::Read(char* buffer, size_t count)
{
    m_target = buffer;
    m_targetSize = count;
    m_targetUsed = TakeSpill(buffer, count);
    while (m_targetUsed < count && !m_done && m_running) {
        if (m_receivePaused) {
            // libcurl hands the held-back chunk over from inside this call.
            m_receivePaused = false;
            curl_easy_pause(m_easy, CURLPAUSE_CONT);
            continue;
        }
        Pump();
    }
    size_t got = m_targetUsed;
    m_target = nullptr;
    m_targetSize = m_targetUsed = 0;
    // A short block means the end of the data: a failed transfer must not look like one.
    if (m_done && (got < count || m_result != CURLE_OK)) {
        Finish();
        ThrowIfFailed();
    }
    return got;
}

void InetChannel::Write(const char* buffer, size_t count)
{
    m_source = buffer;
    m_sourceLeft = count;
    while (m_sourceLeft > 0 && !m_done && m_running) {
        if (m_sendPaused) {
            m_sendPaused = false;
            curl_easy_pause(m_easy, CURLPAUSE_CONT);
        }
        Pump();
    }
    size_t left = m_sourceLeft;
    m_source = nullptr;
    m_sourceLeft = 0;
    if (left) {
        Finish();
        Fail(m_result != CURLE_OK ? m_result : CURLE_SEND_ERROR);
    }
}

void InetChannel::FinishUpload()
{
    m_sendEnd = true;
    if (m_sendPaused) {
        m_sendPaused = false;
        curl_easy_pause(m_easy, CURLPAUSE_CONT);
    }
    while (!m_done && m_running)
        Pump();
    Finish();
    ThrowIfFailed();
}

void InetChannel::EndUploadAwaitHeaders()
{
    m_sendEnd = true;
    if (m_sendPaused) {
        m_sendPaused = false;
        curl_easy_pause(m_easy, CURLPAUSE_CONT);
    }
    AwaitHeaders();
}

void InetChannel::AwaitHeaders()
{
    while (!m_done && !m_headersDone && m_running)
        Pump();
    if (m_done && m_result != CURLE_OK) {
        Finish();
        Fail(m_result);
    }
}

void InetChannel::Abandon()
{
    Finish();
    m_owner = nullptr;
    m_spill.clear();
    m_spillPos = 0;
}

long InetChannel::ResponseCode() const
{
    long code = 0;
    if (m_easy)
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &code);
    return code;
}

std::string InetChannel::LastReply() const
{
    for (auto it = m_replies.rbegin(); it != m_replies.rend(); ++it) {
        if (IsFinalReply(*it) || it->rfind("HTTP/", 0) == 0)
            return *it;
    }
    return {};
}

void InetChannel::Fail(CURLcode code)
{
    std::string detail = m_errorText;
    while (!detail.empty() && (detail.back() == '\n' || detail.back() == '\r'))
        detail.pop_back();
    if (detail == curl_easy_strerror(code))
        detail.clear();
    std::string reply = LastReply();
    if (!reply.empty())
        detail += (detail.empty() ? "" : "; ") + std::string("server reply: ") + reply;
    ThrowCurlError(code, detail, m_context);
}

void InetChannel::Report(DWORD status, LPVOID info, DWORD length)
{
    ReportFor(m_context, status, info, length);
}

void InetChannel::ReportFor(DWORD_PTR context, DWORD status, LPVOID info, DWORD length)
{
    if (!m_session || !context)
        return;
    // Never let an exception of the handler unwind through libcurl.
    try {
        m_session->ReportStatus(context, status, info, length);
    } catch (CInternetException* e) {
        e->Delete();
    } catch (...) {
    }
}

size_t InetChannel::OnWrite(char* data, size_t size, size_t count, void* self)
{
    auto* c = static_cast<InetChannel*>(self);
    size_t n = size * count;
    ++c->m_events;
    c->m_started = true;
    size_t room = c->m_targetSize - c->m_targetUsed;
    if (room == 0 && c->m_spill.size() - c->m_spillPos + n > kSpillLimit) {
        // libcurl keeps this chunk and delivers it again after CURLPAUSE_CONT.
        c->m_receivePaused = true;
        return CURL_WRITEFUNC_PAUSE;
    }
    size_t direct = std::min(room, n);
    if (direct) {
        std::memcpy(c->m_target + c->m_targetUsed, data, direct);
        c->m_targetUsed += direct;
    }
    if (direct < n) {
        if (c->m_spillPos > 0) {
            c->m_spill.erase(c->m_spill.begin(), c->m_spill.begin() + c->m_spillPos);
            c->m_spillPos = 0;
        }
        c->m_spill.insert(c->m_spill.end(), data + direct, data + n);
    }
    return n;
}

size_t InetChannel::OnRead(char* data, size_t size, size_t count, void* self)
{
    auto* c = static_cast<InetChannel*>(self);
    ++c->m_events;
    c->m_started = true;
    if (c->m_sourceLeft == 0) {
        if (c->m_sendEnd)
            return 0;
        c->m_sendPaused = true;
        return CURL_READFUNC_PAUSE;
    }
    size_t n = std::min(size * count, c->m_sourceLeft);
    std::memcpy(data, c->m_source, n);
    c->m_source += n;
    c->m_sourceLeft -= n;
    return n;
}

size_t InetChannel::OnHeader(char* data, size_t size, size_t count, void* self)
{
    auto* c = static_cast<InetChannel*>(self);
    size_t n = size * count;
    ++c->m_events;
    if (Chomp(data, n).empty() && c->ResponseCode() >= 200)
        c->m_headersDone = true; // end of an HTTP answer's final header block
    return n;
}

int InetChannel::OnDebug(CURL*, curl_infotype type, char* data, size_t size, void* self)
{
    auto* c = static_cast<InetChannel*>(self);
    // Informational text is not progress: some states log it on every perform while idle.
    if (type != CURLINFO_TEXT)
        ++c->m_events;
    bool protocol = type == CURLINFO_HEADER_IN || type == CURLINFO_HEADER_OUT;
    if (c->m_connecting
        && (protocol
            || (type == CURLINFO_TEXT && Chomp(data, size).rfind("Connected to ", 0) == 0))) {
        c->m_connecting = false;
        c->Report(INTERNET_STATUS_CONNECTED_TO_SERVER);
    }
    DWORD bytes = static_cast<DWORD>(size);
    if (type == CURLINFO_HEADER_OUT) {
        std::string command = Chomp(data, size);
        c->m_exchanges.emplace_back(command, std::string());
        c->Report(INTERNET_STATUS_SENDING_REQUEST);
        c->Report(INTERNET_STATUS_REQUEST_SENT, &bytes, sizeof bytes);
    } else if (type == CURLINFO_HEADER_IN) {
        std::string line = Chomp(data, size);
        if (line.rfind("HTTP/", 0) == 0)
            c->m_replies.clear(); // a new answer (interim answers come first)
        if (!line.empty())
            c->m_replies.push_back(line);
        if (IsFinalReply(line) && !c->m_exchanges.empty() && c->m_exchanges.back().second.empty())
            c->m_exchanges.back().second = line;
        c->Report(INTERNET_STATUS_RECEIVING_RESPONSE);
        c->Report(INTERNET_STATUS_RESPONSE_RECEIVED, &bytes, sizeof bytes);
    }
    return 0;
}

curl_socket_t InetChannel::OnOpenSocket(void* self, curlsocktype purpose, curl_sockaddr* address)
{
    auto* c = static_cast<InetChannel*>(self);
    ++c->m_events;
    unsigned port = 0;
    std::string text = AddressText(&address->addr, &port);
    // Port 0 is the listening socket of an active-mode transfer, not a connection.
    if (purpose == CURLSOCKTYPE_IPCXN && port != 0) {
        c->Report(INTERNET_STATUS_NAME_RESOLVED, &text[0], static_cast<DWORD>(text.size() + 1));
        c->Report(
            INTERNET_STATUS_CONNECTING_TO_SERVER, &text[0], static_cast<DWORD>(text.size() + 1));
        c->m_connecting = true;
    }
    return socket(address->family, address->socktype | SOCK_CLOEXEC, address->protocol);
}

int InetChannel::OnCloseSocket(void* self, curl_socket_t socket)
{
    auto* c = static_cast<InetChannel*>(self);
    DWORD number = static_cast<DWORD>(socket);
    c->Report(INTERNET_STATUS_CLOSING_CONNECTION, &number, sizeof number);
    int result = close(socket);
    c->Report(INTERNET_STATUS_CONNECTION_CLOSED, &number, sizeof number);
    return result;
}

int InetChannel::OnResolverStart(void*, void*, void* self)
{
    auto* c = static_cast<InetChannel*>(self);
    c->Report(
        INTERNET_STATUS_RESOLVING_NAME, &c->m_host[0], static_cast<DWORD>(c->m_host.size() + 1));
    return 0;
}

}
