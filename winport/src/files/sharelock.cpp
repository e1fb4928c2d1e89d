#include "sharelock.h"

#include "base/syserror.h"
#include "winbase.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace winport {
namespace {

    // One byte per fact, at offsets no file reaches.
    constexpr off_t lockBase = kShareLockBase;
    enum Fact { HasRead, HasWrite, DeniesRead, DeniesWrite, DeniesDelete };

    struct flock lockOn(Fact fact, short type)
    {
        struct flock l = {};
        l.l_type = type;
        l.l_whence = SEEK_SET;
        l.l_start = lockBase + fact;
        l.l_len = 1;
        return l;
    }

    // Whether another descriptor holds the fact.
    bool heldByOthers(int fd, Fact fact)
    {
        struct flock l = lockOn(fact, F_WRLCK);
        return fcntl(fd, F_OFD_GETLK, &l) == 0 && l.l_type != F_UNLCK;
    }

    bool hold(int fd, Fact fact)
    {
        struct flock l = lockOn(fact, F_RDLCK);
        return fcntl(fd, F_OFD_SETLK, &l) == 0;
    }

    // Serialises the decisions about one file for as long as it lives.
    class Decision {
    public:
        explicit Decision(int fd)
            : m_fd(fd)
        {
            while ((m_ok = flock(fd, LOCK_EX) == 0) == false && errno == EINTR) { }
        }
        ~Decision()
        {
            if (m_ok)
                flock(m_fd, LOCK_UN);
        }
        Decision(const Decision&) = delete;
        Decision& operator=(const Decision&) = delete;
        bool ok() const { return m_ok; }

    private:
        int m_fd;
        bool m_ok;
    };

} // namespace

DWORD acquireShare(int fd, DWORD access, DWORD share)
{
    const bool reads = access & (GENERIC_READ | GENERIC_ALL);
    const bool writes = access & (GENERIC_WRITE | GENERIC_ALL);
    const bool deniesRead = !(share & FILE_SHARE_READ);
    const bool deniesWrite = !(share & FILE_SHARE_WRITE);
    const bool deniesDelete = !(share & FILE_SHARE_DELETE);

    Decision decision(fd);
    if (!decision.ok())
        return errorFromErrno(errno);
    if ((reads && heldByOthers(fd, DeniesRead)) || (writes && heldByOthers(fd, DeniesWrite))
        || (deniesRead && heldByOthers(fd, HasRead)) || (deniesWrite && heldByOthers(fd, HasWrite)))
        return ERROR_SHARING_VIOLATION;
    if ((reads && !hold(fd, HasRead)) || (writes && !hold(fd, HasWrite))
        || (deniesRead && !hold(fd, DeniesRead)) || (deniesWrite && !hold(fd, DeniesWrite))
        || (deniesDelete && !hold(fd, DeniesDelete)))
        return errorFromErrno(errno);
    return NO_ERROR;
}

DWORD withDeleteAccess(const std::string& native, const std::function<int()>& operation)
{
    const int fd = open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        // Unreadable (or a link): nobody can hold share locks we could see.
        const int err = operation();
        return err ? errorFromErrno(err, native) : NO_ERROR;
    }
    DWORD result;
    {
        Decision decision(fd);
        if (heldByOthers(fd, DeniesDelete)) {
            result = ERROR_SHARING_VIOLATION;
        } else {
            const int err = operation();
            result = err ? errorFromErrno(err, native) : NO_ERROR;
        }
    }
    close(fd);
    return result;
}

} // namespace winport
