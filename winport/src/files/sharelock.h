// Windows share modes between processes. Every handle of a file records its access and the access
// it denies others as shared open-file-description locks on reserved bytes far past any real data;
// an opener tests the other handles' bytes while holding an flock on the file, so two opens never
// decide at the same time. Locks vanish with their descriptor, also when a process dies.
#pragma once

#include "wintypes.h"

#include <functional>
#include <string>

#include <sys/types.h>

namespace winport {

// The first of the reserved bytes that record share modes; byte-range locks stay below it.
constexpr off_t kShareLockBase = 0x7FFFFFFF00000000LL;

// Records an open of the file behind fd (which must be open for reading) with the Win32 access
// and share flags. Returns NO_ERROR, or ERROR_SHARING_VIOLATION when the open conflicts with a
// handle already open, or another code when locking fails.
DWORD acquireShare(int fd, DWORD access, DWORD share);

// Runs operation (returning an errno value, 0 for success) on the file at native unless a handle
// of it denies deletion (ERROR_SHARING_VIOLATION); no open can start meanwhile. Returns the Win32
// result.
DWORD withDeleteAccess(const std::string& native, const std::function<int()>& operation);

} // namespace winport
