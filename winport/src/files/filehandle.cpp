// File handles: CreateFile, ReadFile, WriteFile and the file pointer, with share modes enforced
// between processes (sharelock.h).
#include "fileinfo.h"
#include "fileobject.h"
#include "sharelock.h"
#include "base/syserror.h"
#include "winport/paths.h"

#include "winbase.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace winport {

FileObject::~FileObject()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool FileObject::canRead() const { return m_access & (GENERIC_READ | GENERIC_ALL); }

bool FileObject::canWrite() const { return m_access & (GENERIC_WRITE | GENERIC_ALL); }

std::shared_ptr<FileObject> openFile(const std::string& native, DWORD access, DWORD share,
    DWORD disposition, DWORD attributes, DWORD& error)
{
    const bool writes = access & (GENERIC_WRITE | GENERIC_ALL);
    int flags = O_CLOEXEC;
    switch (disposition) {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    case OPEN_EXISTING:
        break;
    case TRUNCATE_EXISTING:
        if (!writes) {
            error = ERROR_INVALID_PARAMETER;
            return nullptr;
        }
        break;
    default:
        error = ERROR_INVALID_PARAMETER;
        return nullptr;
    }
    struct stat before;
    const bool existed = stat(native.c_str(), &before) == 0;
    if (existed && S_ISDIR(before.st_mode)) {
        error = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    if (existed && writes && !(before.st_mode & S_IWUSR)) {
        error = ERROR_ACCESS_DENIED; // read-only attribute
        return nullptr;
    }
    const mode_t mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;

    // Opened for reading too whenever permitted: the share locks need a readable descriptor.
    int fd = open(native.c_str(), flags | (writes ? O_RDWR : O_RDONLY), mode);
    if (fd < 0 && writes && errno == EACCES)
        fd = open(native.c_str(), flags | O_WRONLY, mode);
    if (fd < 0) {
        error = errno == EEXIST ? static_cast<DWORD>(ERROR_FILE_EXISTS)
                                : errorFromErrno(errno, native);
        return nullptr;
    }
    auto file = std::make_shared<FileObject>(fd, access, native);
    if ((fcntl(fd, F_GETFL) & O_ACCMODE) != O_WRONLY) {
        error = acquireShare(fd, access, share);
        if (error != NO_ERROR)
            return nullptr;
    }
    // Truncation waits until the share modes allowed the open. Windows truncates on
    // CREATE_ALWAYS also for a handle opened for reading only.
    if ((disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING)
        && (writes ? ftruncate(fd, 0) : truncate(native.c_str(), 0)) != 0) {
        error = errorFromErrno(errno, native);
        return nullptr;
    }
    error = existed && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS)
        ? static_cast<DWORD>(ERROR_ALREADY_EXISTS)
        : static_cast<DWORD>(NO_ERROR);
    return file;
}

} // namespace winport

namespace {

std::shared_ptr<winport::FileObject> fileOf(HANDLE handle)
{
    auto file = winport::findHandleOf<winport::FileObject>(handle);
    if (!file)
        SetLastError(ERROR_INVALID_HANDLE);
    return file;
}

bool seekTo(int fd, off_t offset, int whence, off_t* result)
{
    const off_t at = lseek(fd, offset, whence);
    if (at < 0)
        return false;
    if (result)
        *result = at;
    return true;
}

} // namespace

HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPSECURITY_ATTRIBUTES,
    DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE)
{
    if (!fileName)
        return winport::fail(ERROR_INVALID_PARAMETER, INVALID_HANDLE_VALUE);
    const std::string native = winport::toNativePath(fileName);
    if (native.empty())
        return winport::fail(ERROR_PATH_NOT_FOUND, INVALID_HANDLE_VALUE);
    DWORD error;
    auto file = winport::openFile(
        native, desiredAccess, shareMode, creationDisposition, flagsAndAttributes, error);
    SetLastError(error);
    return file ? winport::insertHandle(file) : INVALID_HANDLE_VALUE;
}

BOOL ReadFile(
    HANDLE handle, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped)
{
    if (bytesRead)
        *bytesRead = 0;
    auto file = fileOf(handle);
    if (!file)
        return FALSE;
    if (overlapped || (!buffer && bytesToRead))
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    if (!file->canRead())
        return winport::fail(ERROR_ACCESS_DENIED, FALSE);
    DWORD done = 0;
    while (done < bytesToRead) {
        const ssize_t n = read(file->fd(), static_cast<char*>(buffer) + done, bytesToRead - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return winport::fail(winport::errorFromErrno(errno), FALSE);
        if (n == 0)
            break;
        done += static_cast<DWORD>(n);
    }
    if (bytesRead)
        *bytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE handle, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
    LPOVERLAPPED overlapped)
{
    if (bytesWritten)
        *bytesWritten = 0;
    auto file = fileOf(handle);
    if (!file)
        return FALSE;
    if (overlapped || (!buffer && bytesToWrite))
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    if (!file->canWrite())
        return winport::fail(ERROR_ACCESS_DENIED, FALSE);
    DWORD done = 0;
    while (done < bytesToWrite) {
        const ssize_t n
            = write(file->fd(), static_cast<const char*>(buffer) + done, bytesToWrite - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (bytesWritten)
                *bytesWritten = done;
            return winport::fail(winport::errorFromErrno(n < 0 ? errno : ENOSPC), FALSE);
        }
        done += static_cast<DWORD>(n);
    }
    if (bytesWritten)
        *bytesWritten = done;
    return TRUE;
}

BOOL GetFileSizeEx(HANDLE handle, PLARGE_INTEGER fileSize)
{
    auto file = fileOf(handle);
    if (!file)
        return FALSE;
    if (!fileSize)
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    struct stat st;
    if (fstat(file->fd(), &st) != 0)
        return winport::fail(winport::errorFromErrno(errno), FALSE);
    fileSize->QuadPart = st.st_size;
    return TRUE;
}

DWORD GetFileSize(HANDLE handle, LPDWORD fileSizeHigh)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(handle, &size))
        return INVALID_FILE_SIZE;
    if (fileSizeHigh)
        *fileSizeHigh = static_cast<DWORD>(static_cast<ULONGLONG>(size.QuadPart) >> 32);
    SetLastError(NO_ERROR);
    return static_cast<DWORD>(size.QuadPart & 0xFFFFFFFF);
}

BOOL SetFilePointerEx(
    HANDLE handle, LARGE_INTEGER distance, PLARGE_INTEGER newPointer, DWORD method)
{
    auto file = fileOf(handle);
    if (!file)
        return FALSE;
    int whence;
    switch (method) {
    case FILE_BEGIN:
        whence = SEEK_SET;
        break;
    case FILE_CURRENT:
        whence = SEEK_CUR;
        break;
    case FILE_END:
        whence = SEEK_END;
        break;
    default:
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    // Moving before the start is refused, as Windows does, without moving.
    off_t base = 0;
    if (whence != SEEK_SET && !seekTo(file->fd(), 0, whence, &base))
        return winport::fail(winport::errorFromErrno(errno), FALSE);
    if (whence == SEEK_END) {
        struct stat st;
        fstat(file->fd(), &st);
        base = st.st_size;
    }
    if (base + distance.QuadPart < 0)
        return winport::fail(ERROR_NEGATIVE_SEEK, FALSE);
    off_t at = 0;
    if (!seekTo(file->fd(), base + distance.QuadPart, SEEK_SET, &at))
        return winport::fail(winport::errorFromErrno(errno), FALSE);
    if (newPointer)
        newPointer->QuadPart = at;
    return TRUE;
}

DWORD SetFilePointer(HANDLE handle, LONG distance, PLONG distanceHigh, DWORD method)
{
    LARGE_INTEGER move, at;
    move.QuadPart = distanceHigh
        ? (static_cast<LONGLONG>(*distanceHigh) << 32) | static_cast<DWORD>(distance)
        : distance;
    if (!SetFilePointerEx(handle, move, &at, method))
        return INVALID_SET_FILE_POINTER;
    if (distanceHigh)
        *distanceHigh = static_cast<LONG>(at.QuadPart >> 32);
    SetLastError(NO_ERROR);
    return static_cast<DWORD>(at.QuadPart & 0xFFFFFFFF);
}

BOOL SetEndOfFile(HANDLE handle)
{
    auto file = fileOf(handle);
    if (!file)
        return FALSE;
    if (!file->canWrite())
        return winport::fail(ERROR_ACCESS_DENIED, FALSE);
    const off_t at = lseek(file->fd(), 0, SEEK_CUR);
    if (at < 0 || ftruncate(file->fd(), at) != 0)
        return winport::fail(winport::errorFromErrno(errno), FALSE);
    return TRUE;
}

BOOL FlushFileBuffers(HANDLE handle)
{
    auto file = fileOf(handle);
    if (!file)
        return FALSE;
    if (!file->canWrite())
        return winport::fail(ERROR_ACCESS_DENIED, FALSE);
    if (fsync(file->fd()) != 0)
        return winport::fail(winport::errorFromErrno(errno), FALSE);
    return TRUE;
}

BOOL GetFileTime(HANDLE handle, LPFILETIME creation, LPFILETIME lastAccess, LPFILETIME lastWrite)
{
    auto file = fileOf(handle);
    if (!file)
        return FALSE;
    struct stat st;
    if (fstat(file->fd(), &st) != 0)
        return winport::fail(winport::errorFromErrno(errno), FALSE);
    if (creation)
        *creation = winport::fileTimeOf(st.st_mtim);
    if (lastAccess)
        *lastAccess = winport::fileTimeOf(st.st_atim);
    if (lastWrite)
        *lastWrite = winport::fileTimeOf(st.st_mtim);
    return TRUE;
}
