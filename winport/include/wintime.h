// System time: SYSTEMTIME and FILETIME (100-nanosecond intervals since 1601-01-01 UTC) with the
// Win32 conversions. Local time follows the process's time zone (TZ), with the offset in force at
// the converted instant.
#pragma once

#include "winport/export.h"
#include "wintypes.h"

WINPORT_API void GetSystemTime(LPSYSTEMTIME systemTime);
// Suspends the calling thread for the given time.
WINPORT_API void Sleep(DWORD milliseconds);
WINPORT_API void GetLocalTime(LPSYSTEMTIME localTime);
WINPORT_API void GetSystemTimeAsFileTime(LPFILETIME fileTime);

// Fails (FALSE, ERROR_INVALID_PARAMETER) on fields outside their Win32 ranges; wDayOfWeek is
// ignored.
WINPORT_API BOOL SystemTimeToFileTime(const SYSTEMTIME* systemTime, LPFILETIME fileTime);
// Fails for times above 0x7FFFFFFFFFFFFFFF or past the year 30827.
WINPORT_API BOOL FileTimeToSystemTime(const FILETIME* fileTime, LPSYSTEMTIME systemTime);
WINPORT_API BOOL FileTimeToLocalFileTime(const FILETIME* fileTime, LPFILETIME localFileTime);
WINPORT_API BOOL LocalFileTimeToFileTime(const FILETIME* localFileTime, LPFILETIME fileTime);
// -1, 0 or 1 as the first time is earlier than, equal to or later than the second.
WINPORT_API LONG CompareFileTime(const FILETIME* first, const FILETIME* second);
