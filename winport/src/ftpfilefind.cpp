// CFtpFileFind: one listing per FindFile, filtered with Windows wildcard rules.
#include "inetchannel.h"

#include <cctype>
#include <cstring>

namespace {

bool MatchFrom(const char* pattern, const char* name)
{
    for (; *pattern; ++pattern) {
        if (*pattern == '*') {
            while (pattern[1] == '*')
                ++pattern;
            if (!pattern[1])
                return true;
            for (const char* rest = name;; ++rest) {
                if (MatchFrom(pattern + 1, rest))
                    return true;
                if (!*rest)
                    return false;
            }
        }
        if (!*name)
            return false;
        if (*pattern != '?'
            && std::tolower(static_cast<unsigned char>(*pattern))
                != std::tolower(static_cast<unsigned char>(*name)))
            return false;
        ++name;
    }
    return *name == 0;
}

}

BOOL AfxMatchWildcard(LPCTSTR pattern, LPCTSTR name)
{
    if (!pattern || !name)
        return FALSE;
    std::string text = pattern;
    if (text.empty() || text == "*" || text == "*.*")
        return TRUE;
    if (MatchFrom(pattern, name))
        return TRUE;
    // A final ".*" also matches names without any dot: "net*.*" matches "network".
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, ".*") == 0 && !std::strchr(name, '.'))
        return MatchFrom(text.substr(0, text.size() - 2).c_str(), name) ? TRUE : FALSE;
    return FALSE;
}

CFtpFileFind::CFtpFileFind(CFtpConnection* connection, DWORD_PTR context)
    : m_pConnection(connection)
    , m_dwContext(context)
{
}

CFtpFileFind::~CFtpFileFind() { Close(); }

void CFtpFileFind::Close()
{
    m_found.clear();
    m_index = -1;
    m_strRoot.Empty();
}

BOOL CFtpFileFind::FindFile(LPCTSTR name, DWORD)
{
    Close();
    if (!m_pConnection)
        return FALSE;
    std::string path = m_pConnection->Resolve(name && *name ? name : "*.*");
    std::string given = name ? name : "";
    size_t slash = path.rfind('/');
    std::string directory = slash == 0 ? "/" : path.substr(0, slash);
    std::string pattern = path.substr(slash + 1);
    if (!given.empty() && given.back() == '/')
        pattern = "*.*"; // "dir/" lists the directory
    else if (pattern.empty())
        return FALSE; // the root itself is no entry of any listing
    std::vector<WIN32_FIND_DATA> entries;
    if (!m_pConnection->List(directory, entries))
        return FALSE;
    for (const auto& entry : entries) {
        if (AfxMatchWildcard(pattern.c_str(), entry.cFileName))
            m_found.push_back(entry);
    }
    m_strRoot = directory.c_str();
    if (m_found.empty()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    return TRUE;
}

BOOL CFtpFileFind::FindNextFile()
{
    if (m_index + 1 >= static_cast<long>(m_found.size()))
        return FALSE;
    ++m_index;
    return m_index + 1 < static_cast<long>(m_found.size()) ? TRUE : FALSE;
}

const WIN32_FIND_DATA* CFtpFileFind::Current() const
{
    if (m_index < 0 || m_index >= static_cast<long>(m_found.size()))
        return nullptr;
    return &m_found[m_index];
}

const WIN32_FIND_DATA* CFtpFileFind::GetFirstFoundRecord() const
{
    return m_found.empty() ? nullptr : &m_found.front();
}

CString CFtpFileFind::GetFileName() const
{
    const WIN32_FIND_DATA* entry = Current();
    return entry ? CString(entry->cFileName) : CString();
}

CString CFtpFileFind::GetFilePath() const
{
    const WIN32_FIND_DATA* entry = Current();
    if (!entry)
        return CString();
    CString path = m_strRoot == "/" ? CString() : m_strRoot;
    return path + "/" + entry->cFileName;
}

CString CFtpFileFind::GetFileURL() const
{
    if (!Current() || !m_pConnection)
        return CString();
    return "ftp://" + m_pConnection->GetServerName() + GetFilePath();
}

ULONGLONG CFtpFileFind::GetLength() const
{
    const WIN32_FIND_DATA* entry = Current();
    if (!entry)
        return 0;
    return (static_cast<ULONGLONG>(entry->nFileSizeHigh) << 32) | entry->nFileSizeLow;
}

BOOL CFtpFileFind::IsDots() const
{
    CString name = GetFileName();
    return (name == "." || name == "..") ? TRUE : FALSE;
}

BOOL CFtpFileFind::MatchesMask(DWORD mask) const
{
    const WIN32_FIND_DATA* entry = Current();
    return entry && (entry->dwFileAttributes & mask) ? TRUE : FALSE;
}

BOOL CFtpFileFind::GetLastWriteTime(FILETIME* time) const
{
    const WIN32_FIND_DATA* entry = Current();
    if (!time || !entry
        || (entry->ftLastWriteTime.dwLowDateTime == 0
            && entry->ftLastWriteTime.dwHighDateTime == 0))
        return FALSE;
    *time = entry->ftLastWriteTime;
    return TRUE;
}
