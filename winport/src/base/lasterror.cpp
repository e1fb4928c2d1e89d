// The thread's last error and the translation of errno values into Win32 codes.
#include "syserror.h"

#include "winbase.h"

#include <cerrno>
#include <sys/stat.h>

namespace {
thread_local DWORD lastError = NO_ERROR;

bool parentExists(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return true;
    const std::string parent = slash == 0 ? std::string("/") : path.substr(0, slash);
    struct stat st;
    return stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
} // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }

DWORD winport::errorFromErrno(int err, const std::string& nativePath)
{
    switch (err) {
    case 0:
        return NO_ERROR;
    case ENOENT:
        return nativePath.empty() || parentExists(nativePath) ? ERROR_FILE_NOT_FOUND
                                                              : ERROR_PATH_NOT_FOUND;
    case ENOTDIR:
    case ELOOP:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case ENOSPC:
    case EDQUOT:
        return ERROR_DISK_FULL;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case EROFS:
        return ERROR_WRITE_PROTECT;
    case EXDEV:
        return ERROR_NOT_SAME_DEVICE;
    case EBUSY:
    case ETXTBSY:
        return ERROR_SHARING_VIOLATION;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EIO:
        return ERROR_GEN_FAILURE;
    case ENODEV:
    case ENXIO:
        return ERROR_NOT_READY;
    case EAGAIN:
        return ERROR_LOCK_VIOLATION;
    default:
        return ERROR_GEN_FAILURE;
    }
}
