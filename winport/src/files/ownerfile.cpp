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
