// The book's log members: the path from the profile, the error count, and the question asked
// when the log has grown past the process-wide size limit. Records and files are bookLogFile's.
#include "book/book.h"
#include "book/booklogfile.h"
#include "book/bookperiod.h"

#include "app/tessilo.h"

#include <cstdint>

namespace {

const char kDefaultLogFile[] = "\\orlamo40\\Log\\Log.log";
const char kLimitCaption[] = "Log File Default size exceeded";
// The text names 1 Megabyte whatever the configured limit is.
const char kLimitQuestion[] = "The Log File has exceeded the Default\n"
                              "size of 1 Megabyte.\n"
                              "\n"
                              "Do you wish to continue extending the current Log File,\n"
                              "or clear out all logs ?\n"
                              "\n"
                              "If there are any Error issues within the Log File\n"
                              "you are currently working with, you should select 'Yes'.\n"
                              "\n"
                              "If there are no pending Errors that are of issue,\n"
                              "select 'No', to clear out the logs and save disk space.\n"
                              "\n"
                              "Do you wish to continue extending the current Log File ?\n"
                              "\n";

long logSizeLimit = 1048576;

CString now() { return bookLogFile::stamp(bookperiod::now()); }

} // namespace

void book::bookSetLogSize(long bytes) { logSizeLimit = bytes; }

long book::bookGetLogSize() { return logSizeLimit; }

void book::bookLogSetFile()
{
    m_bookLogFile = TessiloApp.getProfileString(CString("Log"), CString(kDefaultLogFile));
}

void book::bookLogSetFile(CString path)
{
    m_bookLogFile = path;
    TessiloApp.writeProfileString(CString("Log"), path);
}

CString book::bookLogGetFile()
{
    if (m_bookLogFile.IsEmpty())
        bookLogSetFile();
    return m_bookLogFile;
}

void book::appendLog(const CString& record) { bookLogFile(bookLogGetFile()).append(record); }

void book::bookLog(void* data, long length)
{
    if (!data || length <= 0)
        return;
    appendLog(bookLogFile::entryRecord(now(), data, length));
}

void book::bookLogErr(void* data, long length)
{
    if (!data || length <= 0)
        return;
    bookLog(data, length);
    ++m_bookLogErrors;
}

void book::bookLogStart(CString text) { appendLog(bookLogFile::startRecord(now(), text)); }

void book::bookLogEnd(CString text) { appendLog(bookLogFile::endRecord(now(), text)); }

void book::bookLogInitFile(BOOL force)
{
    CString stamp = now();
    if (bookLogGetFile().IsEmpty())
        return;
    auto keepGrowing = [this] {
        return ::MessageBoxA(GetSafeHwnd(), kLimitQuestion, kLimitCaption, MB_YESNO) == IDYES;
    };
    bookLogFile log(m_bookLogFile);
    if (log.initialise(force != FALSE, logSizeLimit, stamp, keepGrowing)
        != bookLogFile::initResult::kept)
        m_bookLogErrors = 0;
}

long book::bookLogGetErrorCount() { return m_bookLogErrors; }

long book::bookLogSetErrorCount(long count)
{
    m_bookLogErrors = count;
    return m_bookLogErrors;
}

long book::bookLogAddErrorCount(long count)
{
    m_bookLogErrors += count;
    return m_bookLogErrors;
}

long book::bookGetLogFileSize()
{
    if (m_bookLogFile.IsEmpty())
        return 0;
    return static_cast<long>(static_cast<uint32_t>(bookLogFile(m_bookLogFile).length()));
}

unsigned long long book::bookGetDiskSpaceFree()
{
    CString drive = TessiloApp.getProfileString(CString("InstallDrive"), CString("C:"));
    if (!drive.IsEmpty() && drive[drive.GetLength() - 1] == '\\')
        drive.Truncate(drive.GetLength() - 1);
    ULARGE_INTEGER available {};
    if (!GetDiskFreeSpaceExA(drive, &available, nullptr, nullptr))
        return 0;
    return available.QuadPart;
}
