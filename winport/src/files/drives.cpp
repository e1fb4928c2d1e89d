// The current directory, drives and free space on the drive model.
#include "base/syserror.h"
#include "winport/paths.h"
#include "base/textbuffer.h"

#include "winbase.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// Copies text into a caller's buffer with the Win32 length convention.
DWORD copyOut(const std::string& text, DWORD bufferLength, LPSTR buffer)
{
    if (bufferLength >= text.size() + 1 && !buffer)
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    return static_cast<DWORD>(winport::copyOrNeeded(text, buffer, bufferLength));
}

// The drive letter a root path names ("C:\", "C:", "\" or NULL for the current drive, "/" for
// Z:), or 0 when the path is not a root.
char rootDrive(LPCSTR rootPath)
{
    if (!rootPath || !*rootPath)
        return winport::currentDrive();
    if (strcmp(rootPath, "/") == 0)
        return 'Z';
    if ((rootPath[0] == '\\' || rootPath[0] == '/') && rootPath[1] == '\0')
        return winport::currentDrive();
    const unsigned char letter = static_cast<unsigned char>(rootPath[0]);
    if (letter < 128 && isalpha(letter) && rootPath[1] == ':'
        && (rootPath[2] == '\0' || ((rootPath[2] == '\\' || rootPath[2] == '/') && !rootPath[3])))
        return static_cast<char>(toupper(letter));
    return 0;
}

bool readFlag(const std::string& path)
{
    std::ifstream in(path);
    int value = 0;
    return in >> value && value != 0;
}

// Whether the block device holding st_dev (or the disk of that partition) is removable.
bool onRemovableDevice(dev_t device)
{
    const std::string block
        = "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device));
    return readFlag(block + "/removable") || readFlag(block + "/../removable");
}

UINT typeOfLinkedDrive(const std::string& folder)
{
    struct stat st;
    struct statfs fs;
    if (stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || statfs(folder.c_str(), &fs) != 0)
        return DRIVE_NO_ROOT_DIR;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x9660: // iso9660
    case 0x15013346: // udf
        return DRIVE_CDROM;
    case 0x6969: // nfs
    case 0x517B: // smb
    case 0xFF534D42: // cifs
    case 0xFE534D42: // smb2
    case 0x564c: // ncp
    case 0x73757245: // coda
    case 0x65735546: // fuse (sshfs and the like)
        return DRIVE_REMOTE;
    case 0x01021994: // tmpfs
    case 0x858458f6: // ramfs
        return DRIVE_RAMDISK;
    default:
        return onRemovableDevice(st.st_dev) ? DRIVE_REMOVABLE : DRIVE_FIXED;
    }
}

} // namespace

DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer)
{
    const std::string current = winport::fullWindowsPath(".");
    if (current.empty())
        return winport::fail<DWORD>(ERROR_FILE_NOT_FOUND, 0);
    return copyOut(current, bufferLength, buffer);
}

DWORD GetFullPathNameA(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart)
{
    if (!fileName || !*fileName)
        return winport::fail<DWORD>(ERROR_INVALID_NAME, 0);
    std::string full = winport::fullWindowsPath(fileName);
    if (full.empty())
        return winport::fail<DWORD>(ERROR_INVALID_NAME, 0);
    const char last = fileName[strlen(fileName) - 1];
    if ((last == '\\' || last == '/') && full.back() != '\\')
        full.push_back('\\');
    const DWORD result = copyOut(full, bufferLength, buffer);
    if (filePart && result == full.size()) {
        const size_t slash = full.find_last_of('\\');
        *filePart = slash + 1 < full.size() ? buffer + slash + 1 : nullptr;
    }
    return result;
}

BOOL SetCurrentDirectoryA(LPCSTR path)
{
    if (!path)
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    const std::string native = winport::toNativePath(path);
    if (native.empty())
        return winport::fail(ERROR_PATH_NOT_FOUND, FALSE);
    if (chdir(native.c_str()) != 0) {
        struct stat st;
        if (errno == ENOTDIR && stat(native.c_str(), &st) == 0)
            return winport::fail(ERROR_DIRECTORY, FALSE);
        return winport::failFromErrno(native, FALSE);
    }
    return TRUE;
}

DWORD GetLogicalDrives() { return winport::presentDrives(); }

DWORD GetLogicalDriveStringsA(DWORD bufferLength, LPSTR buffer)
{
    std::string list;
    const uint32_t drives = winport::presentDrives();
    for (int i = 0; i < 26; ++i) {
        if (drives & (1u << i)) {
            list.push_back(static_cast<char>('A' + i));
            list.append(":\\", 3); // with its terminator
        }
    }
    const DWORD length = static_cast<DWORD>(list.size());
    if (bufferLength < length + 1)
        return length + 1;
    if (!buffer)
        return winport::fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    memcpy(buffer, list.data(), length);
    buffer[length] = '\0';
    return length;
}

UINT GetDriveTypeA(LPCSTR rootPath)
{
    const char drive = rootDrive(rootPath);
    if (!drive || !(winport::presentDrives() & (1u << (drive - 'A'))))
        return DRIVE_NO_ROOT_DIR;
    if (drive == 'C' || drive == 'Z')
        return DRIVE_FIXED;
    return typeOfLinkedDrive(winport::driveFolder(drive));
}

BOOL GetDiskFreeSpaceExA(LPCSTR directory, PULARGE_INTEGER freeBytesAvailableToCaller,
    PULARGE_INTEGER totalBytes, PULARGE_INTEGER totalFreeBytes)
{
    const std::string native = winport::toNativePath(directory && *directory ? directory : "\\");
    if (native.empty())
        return winport::fail(ERROR_PATH_NOT_FOUND, FALSE);
    struct statvfs vfs;
    if (statvfs(native.c_str(), &vfs) != 0) {
        const DWORD error = winport::errorFromErrno(errno, native);
        return winport::fail(error == ERROR_FILE_NOT_FOUND ? ERROR_PATH_NOT_FOUND : error, FALSE);
    }
    struct stat st;
    if (stat(native.c_str(), &st) == 0 && !S_ISDIR(st.st_mode))
        return winport::fail(ERROR_DIRECTORY, FALSE);
    const ULONGLONG unit = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
    if (freeBytesAvailableToCaller)
        freeBytesAvailableToCaller->QuadPart = unit * vfs.f_bavail;
    if (totalBytes)
        totalBytes->QuadPart = unit * vfs.f_blocks;
    if (totalFreeBytes)
        totalFreeBytes->QuadPart = unit * vfs.f_bfree;
    return TRUE;
}
