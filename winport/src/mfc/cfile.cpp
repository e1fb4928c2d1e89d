// CFile over CreateFile and the other handle functions, following MFC's mapping of open flags.
#include "cfile.h"
#include "winport/paths.h"
#include "base/syserror.h"

#include <cstring>

namespace {

// The last path component of a Windows path.
CString lastComponent(const CString& path)
{
    const char* text = path.GetString();
    const char* slash = strrchr(text, '\\');
    const char* forward = strrchr(text, '/');
    if (forward && (!slash || forward > slash))
        slash = forward;
    if (!slash && path.GetLength() >= 2 && text[1] == ':')
        return CString(text + 2);
    return CString(slash ? slash + 1 : text);
}

} // namespace

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile()
    : m_hFile(INVALID_HANDLE_VALUE)
    , m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(HANDLE file)
    : m_hFile(file)
    , m_bCloseOnDelete(FALSE)
{
}

CFile::CFile(LPCTSTR fileName, UINT openFlags)
    : CFile()
{
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete)
        Abort();
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags, CFileException* error)
{
    m_bCloseOnDelete = FALSE;
    m_hFile = INVALID_HANDLE_VALUE;
    m_strFileName.Empty();
    const std::string full = fileName && strlen(fileName) < _MAX_PATH
        ? winport::fullWindowsPath(fileName)
        : std::string();
    if (full.empty()) {
        if (error) {
            error->m_cause = CFileException::badPath;
            error->m_lOsError = ERROR_INVALID_NAME;
            error->m_strFileName = fileName ? fileName : "";
        }
        return winport::fail(ERROR_INVALID_NAME, FALSE);
    }
    m_strFileName = full.c_str();

    DWORD access = GENERIC_READ;
    switch (openFlags & 3) {
    case modeWrite:
        access = GENERIC_WRITE;
        break;
    case modeReadWrite:
        access = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        break;
    }
    DWORD share = 0; // shareCompat and shareExclusive
    switch (openFlags & 0x70) {
    case shareDenyWrite:
        share = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        share = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        break;
    }
    DWORD disposition = OPEN_EXISTING;
    if (openFlags & modeCreate)
        disposition = (openFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    if (openFlags & osWriteThrough)
        flags |= FILE_FLAG_WRITE_THROUGH;
    if (openFlags & osRandomAccess)
        flags |= FILE_FLAG_RANDOM_ACCESS;
    if (openFlags & osSequentialScan)
        flags |= FILE_FLAG_SEQUENTIAL_SCAN;

    const HANDLE file
        = ::CreateFileA(fileName, access, share, nullptr, disposition, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (error) {
            error->m_lOsError = static_cast<LONG>(::GetLastError());
            error->m_cause = CFileException::OsErrorToException(error->m_lOsError);
            error->m_strFileName = fileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_hFile = file;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (count == 0)
        return 0;
    DWORD done = 0;
    if (!::ReadFile(m_hFile, buffer, count, &done, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return done;
}

void CFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    DWORD done = 0;
    if (!::WriteFile(m_hFile, buffer, count, &done, nullptr))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    if (done != count)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance, at;
    distance.QuadPart = offset;
    if (!::SetFilePointerEx(m_hFile, distance, &at, from))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(at.QuadPart);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER distance, at;
    distance.QuadPart = 0;
    if (!::SetFilePointerEx(m_hFile, distance, &at, FILE_CURRENT))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(at.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(m_hFile, &size))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG length)
{
    Seek(static_cast<LONGLONG>(length), begin);
    if (!::SetEndOfFile(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    if (!::FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), m_strFileName);
}

void CFile::Close()
{
    bool failed = false;
    if (m_hFile != INVALID_HANDLE_VALUE)
        failed = !::CloseHandle(m_hFile);
    const CString name = m_strFileName;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (failed)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), name);
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CString CFile::GetFileName() const { return lastComponent(m_strFileName); }

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

void CFile::Rename(LPCTSTR oldName, LPCTSTR newName)
{
    if (!::MoveFileA(oldName, newName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), oldName);
}

void CFile::Remove(LPCTSTR fileName)
{
    if (!::DeleteFileA(fileName))
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), fileName);
}
