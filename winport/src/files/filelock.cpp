// LockFile and UnlockFile as open-file-description locks: one per handle, seen by every other
// handle of the file in any process, and gone with the handle's descriptor.
#include "fileobject.h"
#include "sharelock.h"
#include "base/syserror.h"

#include "winbase.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fcntl.h>

namespace {

struct Range {
    off_t start;
    off_t length;
};

// The range of a LockFile call; false when it is empty or reaches the reserved share bytes.
bool rangeOf(DWORD offsetLow, DWORD offsetHigh, DWORD lengthLow, DWORD lengthHigh, Range& range)
{
    const uint64_t offset = (uint64_t(offsetHigh) << 32) | offsetLow;
    const uint64_t length = (uint64_t(lengthHigh) << 32) | lengthLow;
    const auto limit = static_cast<uint64_t>(winport::kShareLockBase);
    if (length == 0 || offset >= limit || length > limit - offset)
        return false;
    range = { static_cast<off_t>(offset), static_cast<off_t>(length) };
    return true;
}

bool setLock(int fd, const Range& range, short type)
{
    struct flock l = {};
    l.l_type = type;
    l.l_whence = SEEK_SET;
    l.l_start = range.start;
    l.l_len = range.length;
    int result;
    while ((result = fcntl(fd, F_OFD_SETLK, &l)) != 0 && errno == EINTR) { }
    return result == 0;
}

std::shared_ptr<winport::FileObject> lockableFile(HANDLE handle)
{
    auto file = winport::findHandleOf<winport::FileObject>(handle);
    if (!file)
        return winport::fail(ERROR_INVALID_HANDLE, nullptr);
    if (!file->canWrite())
        return winport::fail(ERROR_ACCESS_DENIED, nullptr);
    return file;
}

} // namespace

BOOL LockFile(HANDLE handle, DWORD offsetLow, DWORD offsetHigh, DWORD lengthLow, DWORD lengthHigh)
{
    auto file = lockableFile(handle);
    if (!file)
        return FALSE;
    Range range;
    if (!rangeOf(offsetLow, offsetHigh, lengthLow, lengthHigh, range))
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    std::lock_guard<std::mutex> guard(file->lockGuard());
    auto& held = file->lockedRanges();
    // Locks of one descriptor merge silently; Windows refuses a second lock of the same bytes.
    const bool overlapsOwn = std::any_of(held.begin(), held.end(), [&](const auto& own) {
        return own.first < range.start + range.length && range.start < own.first + own.second;
    });
    if (overlapsOwn)
        return winport::fail(ERROR_LOCK_VIOLATION, FALSE);
    if (!setLock(file->fd(), range, F_WRLCK)) {
        const bool taken = errno == EAGAIN || errno == EACCES;
        return winport::fail(taken ? ERROR_LOCK_VIOLATION : winport::errorFromErrno(errno), FALSE);
    }
    held.emplace_back(range.start, range.length);
    return TRUE;
}

BOOL UnlockFile(HANDLE handle, DWORD offsetLow, DWORD offsetHigh, DWORD lengthLow, DWORD lengthHigh)
{
    auto file = lockableFile(handle);
    if (!file)
        return FALSE;
    Range range;
    if (!rangeOf(offsetLow, offsetHigh, lengthLow, lengthHigh, range))
        return winport::fail(ERROR_NOT_LOCKED, FALSE);
    std::lock_guard<std::mutex> guard(file->lockGuard());
    auto& held = file->lockedRanges();
    auto own = std::find(held.begin(), held.end(), std::make_pair(range.start, range.length));
    if (own == held.end())
        return winport::fail(ERROR_NOT_LOCKED, FALSE);
    if (!setLock(file->fd(), range, F_UNLCK))
        return winport::fail(winport::errorFromErrno(errno), FALSE);
    held.erase(own);
    return TRUE;
}
