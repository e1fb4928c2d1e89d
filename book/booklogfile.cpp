#include "book/booklogfile.h"

#include <windows.h>

#include <chrono>
#include <thread>

namespace {

// Every writer of the log takes this lock for the moment of its one write at the end, so records
// of several processes never tear or overwrite each other, while the file itself stays open to
// all (readers and writers alike).
const DWORD kAppendLockHigh = bookLogFile::appendLockHigh;
// A writer holds the lock for one write only: a longer wait means a writer has hung, and the
// record is then written without the lock rather than lost.
const auto kLockWait = std::chrono::milliseconds(500);
// Emptying the log holds the file alone for a moment; writers retry their open meanwhile.
const auto kOpenWait = std::chrono::seconds(1);

HANDLE openForWriting(const CString& path, DWORD share, DWORD disposition)
{
    auto deadline = std::chrono::steady_clock::now() + kOpenWait;
    for (;;) {
        HANDLE file = CreateFileA(
            path, GENERIC_WRITE, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_SHARING_VIOLATION
            || std::chrono::steady_clock::now() > deadline)
            return file;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

bool lockAppends(HANDLE file)
{
    auto deadline = std::chrono::steady_clock::now() + kLockWait;
    for (;;) {
        if (LockFile(file, 0, kAppendLockHigh, 1, 0))
            return true;
        if (GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

// The user is not told (the log is best effort), but a lost record leaves a trace for whoever
// looks at the program's diagnostics.
void reportLost(const CString& path, DWORD error)
{
    CString text;
    text.Format("tessilo40: a log record could not be written to %s (error %lu)\n",
        path.GetString(), static_cast<unsigned long>(error));
    OutputDebugStringA(text);
}

bool writeAll(HANDLE file, const CString& record)
{
    DWORD written = 0;
    DWORD size = static_cast<DWORD>(record.GetLength());
    return WriteFile(file, record.GetString(), size, &written, nullptr) && written == size;
}

} // namespace

bookLogFile::bookLogFile(const CString& path)
    : m_path(path)
{
}

CString bookLogFile::stamp(std::time_t when)
{
    std::tm fields {};
    localtime_r(&when, &fields);
    char text[32];
    size_t length = std::strftime(text, sizeof text, "%m/%d/%y %H:%M:%S", &fields);
    return CString(text, static_cast<int>(length));
}

CString bookLogFile::entryRecord(const CString& stamp, const void* data, long length)
{
    CString record = stamp + " ";
    if (data && length > 0)
        record.Append(static_cast<const char*>(data), static_cast<int>(length));
    return record + "\r\n";
}

CString bookLogFile::startRecord(const CString& stamp, const CString& text)
{
    return stamp + " " + text + " - START LOGGING\r\n\r\n";
}

CString bookLogFile::endRecord(const CString& stamp, const CString& text)
{
    return "\r\n\r\n" + stamp + " " + text + " - END LOGGING\r\n\r\n";
}

CString bookLogFile::initRecord(const CString& stamp, bool forced)
{
    CString title(forced ? "Initialize Log File Forced : " : "Initialize Log File Requested : ");
    return title + stamp + "\r\n\r\n";
}

bool bookLogFile::append(const CString& record) const
{
    if (m_path.IsEmpty())
        return false;
    HANDLE file = openForWriting(m_path, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        reportLost(m_path, GetLastError());
        return false;
    }
    const bool locked = lockAppends(file);
    SetFilePointer(file, 0, nullptr, FILE_END);
    const bool written = writeAll(file, record);
    const DWORD error = GetLastError();
    if (locked)
        UnlockFile(file, 0, kAppendLockHigh, 1, 0);
    CloseHandle(file);
    if (!written)
        reportLost(m_path, error);
    return written;
}

long long bookLogFile::length() const
{
    HANDLE file
        = CreateFileA(m_path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    LARGE_INTEGER size {};
    BOOL known = GetFileSizeEx(file, &size);
    CloseHandle(file);
    return known ? size.QuadPart : 0;
}

bool bookLogFile::backUp() const { return CopyFileA(m_path, m_path + ".bak", FALSE) != FALSE; }

bool bookLogFile::rewrite(const CString& record) const
{
    HANDLE file = openForWriting(m_path, 0, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = writeAll(file, record);
    CloseHandle(file);
    return written;
}

bookLogFile::initResult bookLogFile::initialise(bool force, long long limit, const CString& stamp,
    const std::function<bool()>& keepGrowing) const
{
    backUp();
    long long size = length();
    if (force) {
        rewrite(initRecord(stamp, true));
        return initResult::forced;
    }
    if (size < limit || (keepGrowing && keepGrowing()))
        return initResult::kept;
    rewrite(initRecord(stamp, false));
    return initResult::emptied;
}
