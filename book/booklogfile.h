// bookLogFile: the records and file handling behind the book's log members. The log is one plain
// file shared by every application of the suite; each record is appended with its own open
// (sharing reading and writing), one write at the end under a short lock, and close, so that
// several processes can log at once without tearing records.
#pragma once

#include "tessilo40_api.h"
#include <afxstr.h>

#include <ctime>
#include <functional>

class TESSILO40_API bookLogFile {
public:
    explicit bookLogFile(const CString& path);

    // Every writer locks one byte at this offset times 2^32 (LockFile), far past the end of any
    // log, for the moment of its write.
    static const unsigned long appendLockHigh = 0x7FFFFFF0;

    // "%m/%d/%y %H:%M:%S" in local time, for example 12/04/26 03:16:36.
    static CString stamp(std::time_t when);
    // stamp, a space, the bytes unchanged, CR LF.
    static CString entryRecord(const CString& stamp, const void* data, long length);
    static CString startRecord(const CString& stamp, const CString& text);
    static CString endRecord(const CString& stamp, const CString& text);
    // The first record of an emptied log, on request or forced.
    static CString initRecord(const CString& stamp, bool forced);

    // Appends one record at the end, creating the file when needed. Another handle holding the
    // file open does not stop it. Best effort: FALSE (and a line on the diagnostics stream) when
    // the file cannot be opened or written.
    bool append(const CString& record) const;
    // Current length in bytes; 0 when the file cannot be opened.
    long long length() const;
    // Copies the log over its ".bak" copy.
    bool backUp() const;
    // Replaces the content with one record, with no other process reading meanwhile.
    bool rewrite(const CString& record) const;

    enum class initResult { kept, emptied, forced };
    // Backs the log up, then empties it when forced, or when it has reached `limit` bytes and
    // keepGrowing() answers false. keepGrowing is asked only at or past the limit.
    initResult initialise(bool force, long long limit, const CString& stamp,
        const std::function<bool()>& keepGrowing) const;

    const CString& path() const { return m_path; }

private:
    CString m_path;
};
