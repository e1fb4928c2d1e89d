// Win32 kernel functions for files, directories, drives, the profile and error reporting. Paths
// are Windows paths on the drive model of winport/paths.h (native absolute paths are drive Z:).
// Every function sets the calling thread's last error (GetLastError) as Windows does.
#pragma once

#include <cstdarg>
#include "winport/export.h"
#include "wintypes.h"
#include "winerror.h"

typedef UINT* PUINT;

// ---- Last error and system messages ----
WINPORT_API DWORD GetLastError();
WINPORT_API void SetLastError(DWORD error);

// The debugger's channel: the text goes to the standard error stream as it stands.
WINPORT_API void OutputDebugStringA(LPCSTR text);
inline void OutputDebugString(LPCSTR text) { OutputDebugStringA(text); }

#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x00000100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x00000200
#define FORMAT_MESSAGE_FROM_STRING 0x00000400
#define FORMAT_MESSAGE_FROM_HMODULE 0x00000800
#define FORMAT_MESSAGE_FROM_SYSTEM 0x00001000
#define FORMAT_MESSAGE_ARGUMENT_ARRAY 0x00002000
#define FORMAT_MESSAGE_MAX_WIDTH_MASK 0x000000FF
#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01
#define SUBLANG_ENGLISH_US 0x01
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))

// System texts are the English Windows texts, ending in "\r\n". Inserts are %1 to %99, with an
// optional printf format in exclamation marks (%1!d!); arguments come from the va_list, or from an
// array of DWORD_PTR values with FORMAT_MESSAGE_ARGUMENT_ARRAY. With ALLOCATE_BUFFER, buffer
// receives a pointer to free with LocalFree.
WINPORT_API DWORD FormatMessageA(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId,
    LPSTR buffer, DWORD size, va_list* arguments);
inline DWORD FormatMessage(DWORD flags, LPCVOID source, DWORD messageId, DWORD languageId,
    LPSTR buffer, DWORD size, va_list* arguments)
{
    return FormatMessageA(flags, source, messageId, languageId, buffer, size, arguments);
}

#define LMEM_FIXED 0x0000
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)
WINPORT_API HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
WINPORT_API HLOCAL LocalFree(HLOCAL memory);

// ---- Handles ----
WINPORT_API BOOL CloseHandle(HANDLE handle);

// ---- Drives and the current directory ----
#define DRIVE_UNKNOWN 0
#define DRIVE_NO_ROOT_DIR 1
#define DRIVE_REMOVABLE 2
#define DRIVE_FIXED 3
#define DRIVE_REMOTE 4
#define DRIVE_CDROM 5
#define DRIVE_RAMDISK 6

// Both return the length copied without the terminator, or the size needed (terminator included)
// when the buffer is too small, or 0 on failure.
WINPORT_API DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer);
WINPORT_API DWORD GetFullPathNameA(
    LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart);
WINPORT_API BOOL SetCurrentDirectoryA(LPCSTR path);
WINPORT_API DWORD GetLogicalDrives();
WINPORT_API DWORD GetLogicalDriveStringsA(DWORD bufferLength, LPSTR buffer);
WINPORT_API UINT GetDriveTypeA(LPCSTR rootPath);
WINPORT_API BOOL GetDiskFreeSpaceExA(LPCSTR directory, PULARGE_INTEGER freeBytesAvailableToCaller,
    PULARGE_INTEGER totalBytes, PULARGE_INTEGER totalFreeBytes);
inline DWORD GetCurrentDirectory(DWORD bufferLength, LPSTR buffer)
{
    return GetCurrentDirectoryA(bufferLength, buffer);
}
inline DWORD GetFullPathName(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart)
{
    return GetFullPathNameA(fileName, bufferLength, buffer, filePart);
}
inline BOOL SetCurrentDirectory(LPCSTR path) { return SetCurrentDirectoryA(path); }
inline DWORD GetLogicalDriveStrings(DWORD bufferLength, LPSTR buffer)
{
    return GetLogicalDriveStringsA(bufferLength, buffer);
}
inline UINT GetDriveType(LPCSTR rootPath) { return GetDriveTypeA(rootPath); }
inline BOOL GetDiskFreeSpaceEx(LPCSTR directory, PULARGE_INTEGER freeBytesAvailableToCaller,
    PULARGE_INTEGER totalBytes, PULARGE_INTEGER totalFreeBytes)
{
    return GetDiskFreeSpaceExA(directory, freeBytesAvailableToCaller, totalBytes, totalFreeBytes);
}

// ---- Files and directories ----
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_DEVICE 0x00000040
#define FILE_ATTRIBUTE_NORMAL 0x00000080
#define FILE_ATTRIBUTE_TEMPORARY 0x00000100
#define FILE_ATTRIBUTE_COMPRESSED 0x00000800
#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)

typedef struct _SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

// Security attributes are accepted and ignored.
WINPORT_API BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security);
WINPORT_API BOOL RemoveDirectoryA(LPCSTR path);
WINPORT_API BOOL CopyFileA(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists);
WINPORT_API BOOL DeleteFileA(LPCSTR fileName);
WINPORT_API BOOL MoveFileA(LPCSTR existingFile, LPCSTR newFile);
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_COPY_ALLOWED 0x00000002
WINPORT_API BOOL MoveFileExA(LPCSTR existingFile, LPCSTR newFile, DWORD flags);
// Directories, read-only (no write permission for the owner), hidden (name starting with a dot),
// archive (every regular file).
WINPORT_API DWORD GetFileAttributesA(LPCSTR fileName);
// Only FILE_ATTRIBUTE_READONLY has an effect: it removes or restores write permission.
WINPORT_API BOOL SetFileAttributesA(LPCSTR fileName, DWORD attributes);
inline BOOL CreateDirectory(LPCSTR path, LPSECURITY_ATTRIBUTES security)
{
    return CreateDirectoryA(path, security);
}
inline BOOL RemoveDirectory(LPCSTR path) { return RemoveDirectoryA(path); }
inline BOOL CopyFile(LPCSTR existingFile, LPCSTR newFile, BOOL failIfExists)
{
    return CopyFileA(existingFile, newFile, failIfExists);
}
inline BOOL DeleteFile(LPCSTR fileName) { return DeleteFileA(fileName); }
inline BOOL MoveFile(LPCSTR existingFile, LPCSTR newFile)
{
    return MoveFileA(existingFile, newFile);
}
inline BOOL MoveFileEx(LPCSTR existingFile, LPCSTR newFile, DWORD flags)
{
    return MoveFileExA(existingFile, newFile, flags);
}
inline DWORD GetFileAttributes(LPCSTR fileName) { return GetFileAttributesA(fileName); }
inline BOOL SetFileAttributes(LPCSTR fileName, DWORD attributes)
{
    return SetFileAttributesA(fileName, attributes);
}

// ---- File handles ----
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define GENERIC_EXECUTE 0x20000000u
#define GENERIC_ALL 0x10000000u
#define FILE_SHARE_READ 0x00000001
#define FILE_SHARE_WRITE 0x00000002
#define FILE_SHARE_DELETE 0x00000004
#define CREATE_NEW 1
#define CREATE_ALWAYS 2
#define OPEN_EXISTING 3
#define OPEN_ALWAYS 4
#define TRUNCATE_EXISTING 5
#define FILE_FLAG_WRITE_THROUGH 0x80000000u
#define FILE_FLAG_RANDOM_ACCESS 0x10000000u
#define FILE_FLAG_SEQUENTIAL_SCAN 0x08000000u
#define FILE_BEGIN 0
#define FILE_CURRENT 1
#define FILE_END 2
#define INVALID_FILE_SIZE ((DWORD)0xFFFFFFFF)
#define INVALID_SET_FILE_POINTER ((DWORD)-1)

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;

// Share modes hold between all handles of a file, in this process and in others: an open fails
// with ERROR_SHARING_VIOLATION when its access is denied by an existing handle's share mode, or
// its share mode denies an existing handle's access. DeleteFile and MoveFile fail the same way
// while a handle without FILE_SHARE_DELETE is open. Write-through and scan hints are accepted;
// overlapped I/O is not supported (ERROR_INVALID_PARAMETER).
WINPORT_API HANDLE CreateFileA(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
    LPSECURITY_ATTRIBUTES security, DWORD creationDisposition, DWORD flagsAndAttributes,
    HANDLE templateFile);
WINPORT_API BOOL ReadFile(
    HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPOVERLAPPED overlapped);
WINPORT_API BOOL WriteFile(
    HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPOVERLAPPED overlapped);
WINPORT_API DWORD GetFileSize(HANDLE file, LPDWORD fileSizeHigh);
WINPORT_API BOOL GetFileSizeEx(HANDLE file, PLARGE_INTEGER fileSize);
WINPORT_API DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distanceHigh, DWORD method);
WINPORT_API BOOL SetFilePointerEx(
    HANDLE file, LARGE_INTEGER distance, PLARGE_INTEGER newPointer, DWORD method);
WINPORT_API BOOL SetEndOfFile(HANDLE file);
// Byte-range locks between handles, in this process and in others; a range may lie past the end
// of the file. LockFile never waits: a range that overlaps one locked through another handle, or
// through the same handle, fails with ERROR_LOCK_VIOLATION. UnlockFile takes exactly a range
// this handle locked (else ERROR_NOT_LOCKED); closing the handle releases its ranges, also when
// the process dies. The locks are advisory: unlike Windows, reads and writes of other handles
// are not refused, so every party that writes must take the lock. The handle needs write
// access; ranges reaching 0x7FFFFFFF00000000 are refused (ERROR_INVALID_PARAMETER).
WINPORT_API BOOL LockFile(
    HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD lengthLow, DWORD lengthHigh);
WINPORT_API BOOL UnlockFile(
    HANDLE file, DWORD offsetLow, DWORD offsetHigh, DWORD lengthLow, DWORD lengthHigh);
WINPORT_API BOOL FlushFileBuffers(HANDLE file);
WINPORT_API BOOL GetFileTime(
    HANDLE file, LPFILETIME creation, LPFILETIME lastAccess, LPFILETIME lastWrite);
inline HANDLE CreateFile(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode,
    LPSECURITY_ATTRIBUTES security, DWORD creationDisposition, DWORD flagsAndAttributes,
    HANDLE templateFile)
{
    return CreateFileA(fileName, desiredAccess, shareMode, security, creationDisposition,
        flagsAndAttributes, templateFile);
}

// ---- Finding files ----
typedef struct _WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
} WIN32_FIND_DATAA, *PWIN32_FIND_DATAA, *LPWIN32_FIND_DATAA;
typedef WIN32_FIND_DATAA WIN32_FIND_DATA;
typedef PWIN32_FIND_DATAA PWIN32_FIND_DATA;
typedef LPWIN32_FIND_DATAA LPWIN32_FIND_DATA;
static_assert(sizeof(WIN32_FIND_DATAA) == 320, "WIN32_FIND_DATAA has its Windows size");

// The name part may hold the wildcards * and ? with Windows matching ("*.*" matches every name,
// names compare ignoring case). Entries come in name order, "." and ".." first (not in a drive's
// root). No match: ERROR_FILE_NOT_FOUND; missing folder: ERROR_PATH_NOT_FOUND.
WINPORT_API HANDLE FindFirstFileA(LPCSTR fileName, LPWIN32_FIND_DATAA findData);
WINPORT_API BOOL FindNextFileA(HANDLE find, LPWIN32_FIND_DATAA findData);
WINPORT_API BOOL FindClose(HANDLE find);
inline HANDLE FindFirstFile(LPCSTR fileName, LPWIN32_FIND_DATAA findData)
{
    return FindFirstFileA(fileName, findData);
}
inline BOOL FindNextFile(HANDLE find, LPWIN32_FIND_DATAA findData)
{
    return FindNextFileA(find, findData);
}

// ---- Path splitting (the C runtime's forms) ----
#define _MAX_PATH 260
#define _MAX_DRIVE 3
#define _MAX_DIR 256
#define _MAX_FNAME 256
#define _MAX_EXT 256
typedef int errno_t;

// Any output may be NULL. _splitpath cuts parts to their _MAX_ sizes; _splitpath_s fails with
// EINVAL for a NULL path or a NULL buffer with a non-zero size (and the reverse), and with ERANGE
// (all outputs emptied) when a part does not fit its buffer.
WINPORT_API void _splitpath(const char* path, char* drive, char* dir, char* fname, char* ext);
WINPORT_API errno_t _splitpath_s(const char* path, char* drive, size_t driveSize, char* dir,
    size_t dirSize, char* fname, size_t fnameSize, char* ext, size_t extSize);
WINPORT_API void _makepath(
    char* path, const char* drive, const char* dir, const char* fname, const char* ext);
WINPORT_API errno_t _makepath_s(char* path, size_t size, const char* drive, const char* dir,
    const char* fname, const char* ext);

// ---- The profile ----
// GetProfile*/WriteProfile* use the Windows profile, $RIVANTA_ROOT/win.ini. The private forms take
// any initialisation file by Windows or native path; a bare file name lies in $RIVANTA_ROOT, as
// on Windows in the Windows folder. Sections and keys compare ignoring case. String reads copy at
// most size - 1 characters and return the count copied; a NULL section lists the section names, a
// NULL key the keys of the section (each zero-terminated, the list ended by a second zero).
// Writes: a NULL value deletes the key, a NULL key the section. Every write replaces the file
// atomically under a lock that holds across processes.
WINPORT_API DWORD GetPrivateProfileStringA(
    LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size, LPCSTR fileName);
WINPORT_API BOOL WritePrivateProfileStringA(
    LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName);
WINPORT_API UINT GetPrivateProfileIntA(
    LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName);
WINPORT_API DWORD GetPrivateProfileSectionA(
    LPCSTR section, LPSTR buffer, DWORD size, LPCSTR fileName);
WINPORT_API BOOL WritePrivateProfileSectionA(LPCSTR section, LPCSTR keysAndValues, LPCSTR fileName);
WINPORT_API DWORD GetPrivateProfileSectionNamesA(LPSTR buffer, DWORD size, LPCSTR fileName);
// The bytes are stored as hexadecimal digits followed by one checksum byte (their sum modulo
// 256). A read fails when the stored size differs or the checksum does not match.
WINPORT_API BOOL GetPrivateProfileStructA(
    LPCSTR section, LPCSTR key, LPVOID data, UINT size, LPCSTR fileName);
WINPORT_API BOOL WritePrivateProfileStructA(
    LPCSTR section, LPCSTR key, LPVOID data, UINT size, LPCSTR fileName);
WINPORT_API DWORD GetProfileStringA(
    LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size);
WINPORT_API BOOL WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);
WINPORT_API UINT GetProfileIntA(LPCSTR section, LPCSTR key, INT defaultValue);
WINPORT_API DWORD GetProfileSectionA(LPCSTR section, LPSTR buffer, DWORD size);
inline DWORD GetPrivateProfileString(
    LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size, LPCSTR fileName)
{
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, fileName);
}
inline BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName)
{
    return WritePrivateProfileStringA(section, key, value, fileName);
}
inline UINT GetPrivateProfileInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName)
{
    return GetPrivateProfileIntA(section, key, defaultValue, fileName);
}
inline DWORD GetPrivateProfileSection(LPCSTR section, LPSTR buffer, DWORD size, LPCSTR fileName)
{
    return GetPrivateProfileSectionA(section, buffer, size, fileName);
}
inline BOOL WritePrivateProfileSection(LPCSTR section, LPCSTR keysAndValues, LPCSTR fileName)
{
    return WritePrivateProfileSectionA(section, keysAndValues, fileName);
}
inline DWORD GetPrivateProfileSectionNames(LPSTR buffer, DWORD size, LPCSTR fileName)
{
    return GetPrivateProfileSectionNamesA(buffer, size, fileName);
}
inline BOOL GetPrivateProfileStruct(
    LPCSTR section, LPCSTR key, LPVOID data, UINT size, LPCSTR fileName)
{
    return GetPrivateProfileStructA(section, key, data, size, fileName);
}
inline BOOL WritePrivateProfileStruct(
    LPCSTR section, LPCSTR key, LPVOID data, UINT size, LPCSTR fileName)
{
    return WritePrivateProfileStructA(section, key, data, size, fileName);
}
inline DWORD GetProfileString(
    LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size)
{
    return GetProfileStringA(section, key, defaultValue, buffer, size);
}
inline BOOL WriteProfileString(LPCSTR section, LPCSTR key, LPCSTR value)
{
    return WriteProfileStringA(section, key, value);
}
inline UINT GetProfileInt(LPCSTR section, LPCSTR key, INT defaultValue)
{
    return GetProfileIntA(section, key, defaultValue);
}
inline DWORD GetProfileSection(LPCSTR section, LPSTR buffer, DWORD size)
{
    return GetProfileSectionA(section, buffer, size);
}
