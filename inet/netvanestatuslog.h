// The running status log of the FTP and HTTP sessions: status lines separated by "\n\r", a
// count of status callbacks, and optionally a window that shows the latest line.
#pragma once

#include <afx.h>
#include <windows.h>

class NetvaneStatusLog {
public:
    NetvaneStatusLog();
    ~NetvaneStatusLog();
    NetvaneStatusLog(const NetvaneStatusLog&) = delete;
    NetvaneStatusLog& operator=(const NetvaneStatusLog&) = delete;

    // Appends line + "\n\r"; an empty line clears the log and the count. The window, when
    // given, then shows the line itself (an empty line blanks it).
    void Set(const CString& line, HWND window);
    CString Get();
    void SetCount(long count);
    long GetCount();
    // One status callback: counts it and logs its line; a code the log does not name gives an
    // empty line, which clears the log.
    void Record(DWORD status, HWND window);

private:
    CString m_log;
    // Lock order: the status lock before the count lock.
    CRITICAL_SECTION m_statusLock;
    CRITICAL_SECTION m_countLock;
    long m_count = 0;
};

// The line logged for a status code; empty for a code the log does not name.
CString NetvaneStatusLine(DWORD status);
