// What Windows reports about a native file: its attributes and times.
#pragma once

#include "wintypes.h"

#include <ctime>
#include <sys/stat.h>

namespace winport {

// 100-nanosecond intervals since 1601-01-01 UTC.
FILETIME fileTimeOf(const timespec& time);

// Directory, read-only (no write permission for the owner), hidden (a name starting with a dot,
// "." and ".." excepted), archive for every file that is not a directory.
DWORD attributesOf(const struct stat& st, const char* name);

} // namespace winport
