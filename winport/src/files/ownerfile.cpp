#include "winport/ownerfile.h"

#include "base/syserror.h"
#include "winport/paths.h"
#include "winerror.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace winport {
BOOL createOwnerOnlyFile(LPCSTR path)
{
    std::string native = toNativePath(path);
    if (native.empty())
        return fail(ERROR_INVALID_NAME, FALSE);
    int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0) {
        ::close(fd);
        return TRUE;
    }
    if (errno == EEXIST)
        return TRUE;
    return failFromErrno(native, FALSE);
}

BOOL appendToOwnerOnlyFile(LPCSTR path, const void* data, DWORD size)
{
    if (!data && size)
        return fail(ERROR_INVALID_PARAMETER, FALSE);
    std::string native = toNativePath(path);
    if (native.empty())
        return fail(ERROR_INVALID_NAME, FALSE);
    int fd = ::open(native.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        return failFromErrno(native, FALSE);
    const char* bytes = static_cast<const char*>(data);
    size_t left = size;
    while (left > 0) {
        ssize_t written = ::write(fd, bytes, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            int error = errno;
            ::close(fd);
            errno = error;
            return failFromErrno(native, FALSE);
        }
        bytes += written;
        left -= static_cast<size_t>(written);
    }
    if (::close(fd) != 0)
        return failFromErrno(native, FALSE);
    return TRUE;
}

BOOL restrictToOwner(LPCSTR path)
{
    std::string native = toNativePath(path);
    if (native.empty())
        return fail(ERROR_INVALID_NAME, FALSE);
    struct stat st;
    if (::stat(native.c_str(), &st) != 0)
        return failFromErrno(native, FALSE);
    if ((st.st_mode & 077) == 0)
        return TRUE;
    if (::chmod(native.c_str(), st.st_mode & 07700) != 0)
        return failFromErrno(native, FALSE);
    return TRUE;
}
}
