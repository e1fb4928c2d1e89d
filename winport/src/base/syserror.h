// Win32 error codes for failed POSIX calls, and a helper to fail with a code.
#pragma once

#include "wintypes.h"

#include <cerrno>
#include <string>

namespace winport {

// The Win32 code for errno value err from a call on the native path (which tells a missing file,
// ERROR_FILE_NOT_FOUND, from a missing folder, ERROR_PATH_NOT_FOUND).
DWORD errorFromErrno(int err, const std::string& nativePath = std::string());

// Sets the thread's last error and returns the given failure value.
template <class T> T fail(DWORD error, T result);
// The same with the code for errno after a failed call on the native path.
template <class T> T failFromErrno(const std::string& nativePath, T result);

} // namespace winport

#include "winbase.h"

template <class T> T winport::fail(DWORD error, T result)
{
    SetLastError(error);
    return result;
}

template <class T> T winport::failFromErrno(const std::string& nativePath, T result)
{
    return fail(errorFromErrno(errno, nativePath), result);
}
