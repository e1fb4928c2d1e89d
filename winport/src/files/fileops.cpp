// Whole-file and directory operations: create and remove directories, copy, delete and move
// files, file attributes.
#include "fileinfo.h"
#include "fileobject.h"
#include "sharelock.h"
#include "base/syserror.h"
#include "winport/paths.h"

#include "winbase.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The native path, or "" with ERROR_PATH_NOT_FOUND set.
std::string nativeOf(LPCSTR path)
{
    std::string native = path ? winport::toNativePath(path) : std::string();
    if (native.empty())
        SetLastError(path ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_PARAMETER);
    return native;
}

// The native paths of a source and a target; false (last error set) when either has none.
bool nativePair(LPCSTR from, LPCSTR to, std::string& nativeFrom, std::string& nativeTo)
{
    nativeFrom = nativeOf(from);
    if (nativeFrom.empty())
        return false;
    nativeTo = nativeOf(to);
    return !nativeTo.empty();
}

// The native path of an existing entry (not followed when it is a link) and its status; false
// (last error set) when there is no such path or entry.
bool nativeEntry(LPCSTR path, std::string& native, struct stat& st)
{
    native = nativeOf(path);
    if (native.empty())
        return false;
    if (lstat(native.c_str(), &st) == 0)
        return true;
    return winport::failFromErrno(native, false);
}

bool isDriveRoot(LPCSTR path) { return winport::fullWindowsPath(path).size() == 3; }

bool copyContents(int from, int to)
{
    char block[65536];
    for (;;) {
        const ssize_t n = read(from, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = write(to, block + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                if (w == 0)
                    errno = ENOSPC;
                return false;
            }
            done += w;
        }
    }
}

} // namespace

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES)
{
    const std::string native = nativeOf(path);
    if (native.empty())
        return FALSE;
    if (mkdir(native.c_str(), 0777) != 0)
        return winport::fail(
            errno == ENOENT ? ERROR_PATH_NOT_FOUND : winport::errorFromErrno(errno, native), FALSE);
    return TRUE;
}

BOOL RemoveDirectoryA(LPCSTR path)
{
    std::string native;
    struct stat st;
    if (!nativeEntry(path, native, st))
        return FALSE;
    if (!S_ISDIR(st.st_mode))
        return winport::fail(ERROR_DIRECTORY, FALSE);
    if (isDriveRoot(path))
        return winport::fail(ERROR_ACCESS_DENIED, FALSE);
    struct stat cwd;
    if (stat(".", &cwd) == 0 && cwd.st_dev == st.st_dev && cwd.st_ino == st.st_ino)
        return winport::fail(ERROR_SHARING_VIOLATION, FALSE); // in use as the current directory
    if (rmdir(native.c_str()) != 0)
        return winport::failFromErrno(native, FALSE);
    return TRUE;
}

BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists)
{
    std::string from, to;
    if (!nativePair(existingFile, newFile, from, to))
        return FALSE;
    DWORD error;
    auto source = winport::openFile(
        from, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, OPEN_EXISTING, 0, error);
    if (!source)
        return winport::fail(error, FALSE);
    struct stat st;
    if (fstat(source->fd(), &st) != 0)
        return winport::failFromErrno(from, FALSE);
    auto target = winport::openFile(
        to, GENERIC_WRITE, 0, failIfExists ? CREATE_NEW : CREATE_ALWAYS, 0, error);
    if (!target)
        return winport::fail(error, FALSE);
    if (!copyContents(source->fd(), target->fd())) {
        error = winport::errorFromErrno(errno, to);
        unlink(to.c_str());
        return winport::fail(error, FALSE);
    }
    // The copy keeps the last write time and the read-only attribute.
    const timespec times[2] = { st.st_atim, st.st_mtim };
    futimens(target->fd(), times);
    fchmod(target->fd(), st.st_mode & 07777);
    return TRUE;
}

BOOL DeleteFileA(LPCSTR fileName)
{
    std::string native;
    struct stat st;
    if (!nativeEntry(fileName, native, st))
        return FALSE;
    if (S_ISDIR(st.st_mode) || (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR)))
        return winport::fail(ERROR_ACCESS_DENIED, FALSE);
    const DWORD error = winport::withDeleteAccess(
        native, [&] { return unlink(native.c_str()) == 0 ? 0 : errno; });
    return error == NO_ERROR ? TRUE : winport::fail(error, FALSE);
}

BOOL MoveFileExA(LPCSTR existingFile, LPCSTR newFile, DWORD flags)
{
    std::string from, to;
    if (!nativePair(existingFile, newFile, from, to))
        return FALSE;
    struct stat source, target;
    if (lstat(from.c_str(), &source) != 0)
        return winport::failFromErrno(from, FALSE);
    const bool replace = flags & MOVEFILE_REPLACE_EXISTING;
    if (lstat(to.c_str(), &target) == 0) {
        const bool same = source.st_dev == target.st_dev && source.st_ino == target.st_ino;
        if (!same && !replace)
            return winport::fail(ERROR_ALREADY_EXISTS, FALSE);
        if (!same && (S_ISDIR(target.st_mode) || S_ISDIR(source.st_mode)))
            return winport::fail(ERROR_ACCESS_DENIED, FALSE);
    }
    const auto move = [&] {
        if (replace)
            return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
        if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
            return 0;
        return errno;
    };
    const DWORD error = S_ISDIR(source.st_mode)
        ? (move() == 0 ? NO_ERROR : winport::errorFromErrno(errno, to))
        : winport::withDeleteAccess(from, move);
    if (error == ERROR_NOT_SAME_DEVICE && (flags & MOVEFILE_COPY_ALLOWED)
        && !S_ISDIR(source.st_mode)) {
        if (!CopyFileA(existingFile, newFile, !replace))
            return FALSE;
        return DeleteFileA(existingFile);
    }
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_NOT_SAME_DEVICE)
        return winport::fail(error, FALSE);
    return error == NO_ERROR ? TRUE : winport::fail(error, FALSE);
}

BOOL MoveFileA(LPCSTR existingFile, LPCSTR newFile)
{
    return MoveFileExA(existingFile, newFile, MOVEFILE_COPY_ALLOWED);
}

DWORD GetFileAttributesA(LPCSTR fileName)
{
    const std::string native = nativeOf(fileName);
    if (native.empty())
        return INVALID_FILE_ATTRIBUTES;
    struct stat st;
    if (stat(native.c_str(), &st) != 0 && lstat(native.c_str(), &st) != 0)
        return winport::failFromErrno(native, INVALID_FILE_ATTRIBUTES);
    const size_t slash = native.find_last_of('/');
    return winport::attributesOf(st, native.c_str() + slash + 1);
}

BOOL SetFileAttributesA(LPCSTR fileName, DWORD attributes)
{
    const std::string native = nativeOf(fileName);
    if (native.empty())
        return FALSE;
    struct stat st;
    if (stat(native.c_str(), &st) != 0)
        return winport::failFromErrno(native, FALSE);
    const mode_t mode
        = (attributes & FILE_ATTRIBUTE_READONLY) ? (st.st_mode & ~0222) : (st.st_mode | S_IWUSR);
    if (chmod(native.c_str(), mode & 07777) != 0)
        return winport::failFromErrno(native, FALSE);
    return TRUE;
}
