// CInternetFile: block reads and writes on the connection's running transfer, and line reads
// through a read-ahead buffer.
#include "inetchannel.h"

#include <algorithm>
#include <cstring>

CInternetFile::CInternetFile(std::shared_ptr<winport::InetChannel> channel,
    CInternetSession* session, LPCTSTR fileName, DWORD_PTR context, bool writing)
    : m_channel(std::move(channel))
    , m_pSession(session)
    , m_strFileName(fileName)
    , m_dwContext(context)
    , m_writing(writing)
{
}

CInternetFile::~CInternetFile()
{
    try {
        Close();
    } catch (CInternetException* e) {
        e->Delete();
    }
}

winport::InetChannel& CInternetFile::Channel() const
{
    if (!m_open || !m_channel || !m_channel->OwnedBy(this))
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INCORRECT_HANDLE_STATE);
    return *m_channel;
}

void CInternetFile::ReportHandle(DWORD status)
{
    INTERNET_ASYNC_RESULT result = { reinterpret_cast<DWORD_PTR>(this), 0 };
    if (m_channel)
        m_channel->ReportFor(m_dwContext, status, &result, sizeof result);
}

size_t CInternetFile::Fill(char* buffer, size_t count)
{
    if (m_writing)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INVALID_OPERATION);
    return Channel().Read(buffer, count);
}

UINT CInternetFile::Read(void* buffer, UINT count)
{
    if (!buffer || count == 0)
        return 0;
    char* out = static_cast<char*>(buffer);
    size_t got = std::min<size_t>(count, m_readEnd - m_readPos);
    if (got) {
        std::memcpy(out, m_readBuffer.data() + m_readPos, got);
        m_readPos += got;
    }
    if (got < count)
        got += Fill(out + got, count - got);
    return static_cast<UINT>(got);
}

void CInternetFile::Write(const void* buffer, UINT count)
{
    if (!m_writing)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INVALID_OPERATION);
    if (!buffer && count)
        AfxThrowInternetException(m_dwContext, ERROR_INTERNET_INVALID_OPERATION);
    if (count)
        Channel().Write(static_cast<const char*>(buffer), count);
}

BOOL CInternetFile::SetReadBufferSize(UINT size)
{
    if (size == 0)
        return FALSE;
    size_t pending = m_readEnd - m_readPos;
    std::vector<char> buffer(std::max<size_t>(size, pending));
    if (pending)
        std::memcpy(buffer.data(), m_readBuffer.data() + m_readPos, pending);
    m_readBuffer.swap(buffer);
    m_readPos = 0;
    m_readEnd = pending;
    return TRUE;
}

LPTSTR CInternetFile::ReadString(LPTSTR buffer, UINT maxChars)
{
    if (!buffer || maxChars == 0)
        return nullptr;
    if (m_readBuffer.empty())
        m_readBuffer.resize(4096);
    UINT length = 0;
    while (length + 1 < maxChars) {
        if (m_readPos == m_readEnd) {
            m_readPos = 0;
            m_readEnd = Fill(m_readBuffer.data(), m_readBuffer.size());
            if (m_readEnd == 0)
                break;
        }
        char ch = m_readBuffer[m_readPos++];
        buffer[length++] = ch;
        if (ch == '\n')
            break;
    }
    buffer[length] = 0;
    return length ? buffer : nullptr;
}

BOOL CInternetFile::ReadString(CString& line)
{
    line.Empty();
    char chunk[1024];
    bool any = false;
    while (ReadString(chunk, sizeof chunk)) {
        any = true;
        size_t length = std::strlen(chunk);
        bool end = length && chunk[length - 1] == '\n';
        line.Append(chunk, static_cast<int>(length));
        if (end)
            break;
    }
    line.TrimRight("\r\n");
    return any ? TRUE : FALSE;
}

void CInternetFile::Close()
{
    if (!m_open)
        return;
    bool owner = m_channel && m_channel->OwnedBy(this);
    ReportHandle(INTERNET_STATUS_HANDLE_CLOSING);
    m_open = false;
    m_readBuffer.clear();
    m_readPos = m_readEnd = 0;
    if (!owner)
        return;
    if (m_writing)
        m_channel->FinishUpload();
    else
        m_channel->Abandon();
}
