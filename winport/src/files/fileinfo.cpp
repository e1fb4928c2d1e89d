#include "fileinfo.h"

#include "winbase.h"

#include <cstring>

namespace winport {

FILETIME fileTimeOf(const timespec& time)
{
    const ULONGLONG ticks = (static_cast<ULONGLONG>(time.tv_sec) + 11644473600ULL) * 10000000ULL
        + static_cast<ULONGLONG>(time.tv_nsec) / 100;
    FILETIME out;
    out.dwLowDateTime = static_cast<DWORD>(ticks);
    out.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return out;
}

DWORD attributesOf(const struct stat& st, const char* name)
{
    DWORD attributes = S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    if (!(st.st_mode & S_IWUSR))
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (name && name[0] == '.' && strcmp(name, ".") != 0 && strcmp(name, "..") != 0)
        attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes;
}

} // namespace winport
