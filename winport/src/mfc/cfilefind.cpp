// CFileFind over FindFirstFile/FindNextFile, with MFC's read-ahead of one match.
#include "cfilefind.h"
#include "winport/paths.h"
#include "base/syserror.h"

#include <cstring>
#include <string>
#include <utility>

namespace {
const WIN32_FIND_DATAA* dataOf(const void* info)
{
    return static_cast<const WIN32_FIND_DATAA*>(info);
}
} // namespace

CFileFind::CFileFind()
    : m_pFoundInfo(nullptr)
    , m_pNextInfo(nullptr)
    , m_hContext(nullptr)
    , m_chDirSeparator('\\')
{
}

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close()
{
    delete static_cast<WIN32_FIND_DATAA*>(m_pFoundInfo);
    delete static_cast<WIN32_FIND_DATAA*>(m_pNextInfo);
    m_pFoundInfo = nullptr;
    m_pNextInfo = nullptr;
    if (m_hContext) {
        if (m_hContext != INVALID_HANDLE_VALUE)
            CloseContext();
        m_hContext = nullptr;
    }
    m_strRoot.Empty();
}

void CFileFind::CloseContext() { ::FindClose(m_hContext); }

BOOL CFileFind::FindFile(LPCTSTR name, DWORD)
{
    Close();
    if (!name)
        name = "*.*";
    if (strlen(name) >= MAX_PATH) {
        return winport::fail(ERROR_BAD_ARGUMENTS, FALSE);
    }
    auto* next = new WIN32_FIND_DATAA;
    m_pNextInfo = next;
    m_hContext = ::FindFirstFileA(name, next);
    if (m_hContext == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        Close();
        return winport::fail(error, FALSE);
    }
    // The root is the full path of the folder searched.
    std::string root = winport::fullWindowsPath(name);
    const size_t slash = root.find_last_of('\\');
    if (slash != std::string::npos)
        root.erase(slash);
    m_strRoot = root.c_str();
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (!m_hContext || m_hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    if (!m_pFoundInfo)
        m_pFoundInfo = new WIN32_FIND_DATAA;
    std::swap(m_pFoundInfo, m_pNextInfo);
    return ::FindNextFileA(m_hContext, static_cast<WIN32_FIND_DATAA*>(m_pNextInfo));
}

ULONGLONG CFileFind::GetLength() const
{
    const WIN32_FIND_DATAA* found = dataOf(m_pFoundInfo);
    return found ? (static_cast<ULONGLONG>(found->nFileSizeHigh) << 32) | found->nFileSizeLow : 0;
}

CString CFileFind::GetFileName() const
{
    const WIN32_FIND_DATAA* found = dataOf(m_pFoundInfo);
    return found ? CString(found->cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    CString path = m_strRoot;
    if (path.IsEmpty() || (path[path.GetLength() - 1] != '\\' && path[path.GetLength() - 1] != '/'))
        path += m_chDirSeparator;
    path += GetFileName();
    return path;
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

CString CFileFind::GetFileURL() const { return "file://" + GetFilePath(); }

CString CFileFind::GetRoot() const { return m_strRoot; }

BOOL CFileFind::GetLastWriteTime(FILETIME* time) const
{
    const WIN32_FIND_DATAA* found = dataOf(m_pFoundInfo);
    if (!found || !time)
        return FALSE;
    *time = found->ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* time) const
{
    const WIN32_FIND_DATAA* found = dataOf(m_pFoundInfo);
    if (!found || !time)
        return FALSE;
    *time = found->ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* time) const
{
    const WIN32_FIND_DATAA* found = dataOf(m_pFoundInfo);
    if (!found || !time)
        return FALSE;
    *time = found->ftCreationTime;
    return TRUE;
}

BOOL CFileFind::IsDots() const
{
    const WIN32_FIND_DATAA* found = dataOf(m_pFoundInfo);
    return found && (strcmp(found->cFileName, ".") == 0 || strcmp(found->cFileName, "..") == 0);
}

BOOL CFileFind::MatchesMask(DWORD mask) const
{
    const WIN32_FIND_DATAA* found = dataOf(m_pFoundInfo);
    return found && (found->dwFileAttributes & mask) != 0;
}

BOOL CFileFind::GetLastWriteTime(CTime& time) const
{
    FILETIME stamp;
    if (!GetLastWriteTime(&stamp))
        return FALSE;
    time = CTime(stamp);
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(CTime& time) const
{
    FILETIME stamp;
    if (!GetLastAccessTime(&stamp))
        return FALSE;
    time = CTime(stamp);
    return TRUE;
}

BOOL CFileFind::GetCreationTime(CTime& time) const
{
    FILETIME stamp;
    if (!GetCreationTime(&stamp))
        return FALSE;
    time = CTime(stamp);
    return TRUE;
}
