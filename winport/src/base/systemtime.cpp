#include "wintime.h"
#include "winerror.h"
#include "winbase.h"
#include "winport/civildate.h"
#include "syserror.h"

#include <chrono>
#include <thread>
#include <cstdint>
#include <ctime>
#include <sys/time.h>

namespace {
// FILETIME ticks per second and the seconds from 1601-01-01 to 1970-01-01.
constexpr int64_t ticksPerSecond = 10000000;
constexpr int64_t epochDelta = 11644473600LL;

int64_t ticksOf(const FILETIME* fileTime)
{
    return static_cast<int64_t>(
        (static_cast<uint64_t>(fileTime->dwHighDateTime) << 32) | fileTime->dwLowDateTime);
}

void setTicks(LPFILETIME fileTime, int64_t ticks)
{
    fileTime->dwLowDateTime = static_cast<DWORD>(static_cast<uint64_t>(ticks) & 0xFFFFFFFFu);
    fileTime->dwHighDateTime = static_cast<DWORD>(static_cast<uint64_t>(ticks) >> 32);
}

// Offset of local time from UTC, in seconds, at the given UTC instant.
int64_t localOffsetAt(int64_t unixSeconds)
{
    time_t t = static_cast<time_t>(unixSeconds);
    struct tm local;
    if (!localtime_r(&t, &local))
        return 0;
    return local.tm_gmtoff;
}

void fillSystemTime(int64_t unixSeconds, int milliseconds, LPSYSTEMTIME out)
{
    int64_t days = winport::floorDiv(unixSeconds, 86400);
    int64_t secondOfDay = unixSeconds - days * 86400;
    winport::CivilDate date = winport::civilFromDays(days);
    out->wYear = static_cast<WORD>(date.year);
    out->wMonth = static_cast<WORD>(date.month);
    out->wDay = static_cast<WORD>(date.day);
    out->wDayOfWeek = static_cast<WORD>(winport::weekdayFromDays(days));
    out->wHour = static_cast<WORD>(secondOfDay / 3600);
    out->wMinute = static_cast<WORD>(secondOfDay / 60 % 60);
    out->wSecond = static_cast<WORD>(secondOfDay % 60);
    out->wMilliseconds = static_cast<WORD>(milliseconds);
}

void nowSystemTime(LPSYSTEMTIME out, bool local)
{
    if (!out)
        return;
    struct timeval now;
    gettimeofday(&now, nullptr);
    int64_t seconds = now.tv_sec;
    if (local)
        seconds += localOffsetAt(seconds);
    fillSystemTime(seconds, static_cast<int>(now.tv_usec / 1000), out);
}
} // namespace

void GetSystemTime(LPSYSTEMTIME systemTime) { nowSystemTime(systemTime, false); }

void GetLocalTime(LPSYSTEMTIME localTime) { nowSystemTime(localTime, true); }

void GetSystemTimeAsFileTime(LPFILETIME fileTime)
{
    if (!fileTime)
        return;
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    setTicks(fileTime, (now.tv_sec + epochDelta) * ticksPerSecond + now.tv_nsec / 100);
}

BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, LPFILETIME fileTime)
{
    if (!systemTime || !fileTime) {
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    const SYSTEMTIME& st = *systemTime;
    if (st.wYear < 1601 || st.wYear > 30827 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1
        || st.wDay > winport::daysInMonth(st.wYear, st.wMonth) || st.wHour > 23 || st.wMinute > 59
        || st.wSecond > 59 || st.wMilliseconds > 999) {
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    int64_t days = winport::daysFromCivil(st.wYear, st.wMonth, st.wDay);
    int64_t seconds = days * 86400 + st.wHour * 3600 + st.wMinute * 60 + st.wSecond;
    setTicks(fileTime, (seconds + epochDelta) * ticksPerSecond + st.wMilliseconds * 10000LL);
    return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* fileTime, LPSYSTEMTIME systemTime)
{
    if (!fileTime || !systemTime || ticksOf(fileTime) < 0) {
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    int64_t ticks = ticksOf(fileTime);
    int64_t seconds = ticks / ticksPerSecond - epochDelta;
    fillSystemTime(seconds, static_cast<int>(ticks % ticksPerSecond / 10000), systemTime);
    return TRUE;
}

BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, LPFILETIME localFileTime)
{
    if (!fileTime || !localFileTime) {
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    int64_t ticks = ticksOf(fileTime);
    int64_t offset = localOffsetAt(winport::floorDiv(ticks, ticksPerSecond) - epochDelta);
    setTicks(localFileTime, ticks + offset * ticksPerSecond);
    return TRUE;
}

BOOL LocalFileTimeToFileTime(const FILETIME* localFileTime, LPFILETIME fileTime)
{
    if (!localFileTime || !fileTime) {
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    int64_t ticks = ticksOf(localFileTime);
    int64_t local = winport::floorDiv(ticks, ticksPerSecond) - epochDelta;
    // The offset of the UTC instant that shows this local time: a first guess from the local
    // value itself, corrected once so that times next to a DST change land on the right side.
    int64_t offset = localOffsetAt(local - localOffsetAt(local));
    setTicks(fileTime, ticks - offset * ticksPerSecond);
    return TRUE;
}

LONG CompareFileTime(const FILETIME* first, const FILETIME* second)
{
    if (!first || !second)
        return 0;
    uint64_t a = (static_cast<uint64_t>(first->dwHighDateTime) << 32) | first->dwLowDateTime;
    uint64_t b = (static_cast<uint64_t>(second->dwHighDateTime) << 32) | second->dwLowDateTime;
    return a < b ? -1 : (a > b ? 1 : 0);
}

void Sleep(DWORD milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}
