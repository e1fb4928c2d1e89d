// CFtpFileFind: one listing per FindFile, filtered with Windows wildcard rules, handed out
// through CFileFind's current and read-ahead records.
#include "inetchannel.h"
#include "base/syserror.h"

#include <winport/wildcard.h>

CFtpFileFind::CFtpFileFind(CFtpConnection* connection, DWORD_PTR context)
    : m_pConnection(connection)
    , m_dwContext(context)
{
    m_chDirSeparator = '/';
}

// Close while this class still answers CloseContext.
CFtpFileFind::~CFtpFileFind() { Close(); }

void CFtpFileFind::CloseContext()
{
    m_found.clear();
    m_next = 0;
}

BOOL CFtpFileFind::FindFile(LPCTSTR name, DWORD)
{
    Close();
    if (!m_pConnection)
        return FALSE;
    std::string given = name && *name ? name : "*.*";
    std::string path = m_pConnection->Resolve(given.c_str());
    size_t slash = path.rfind('/');
    std::string directory = slash == 0 ? "/" : path.substr(0, slash);
    std::string pattern = path.substr(slash + 1);
    if (given.back() == '/')
        pattern = "*.*"; // "dir/" lists the directory
    else if (pattern.empty())
        return FALSE; // the root is an entry of no listing
    // A plain name is asked for alone when the server can (a get list of a thousand files in
    // one folder would list that folder a thousand times); otherwise, or when the name is not
    // found as spelled, the folder's listing is matched ignoring case.
    WIN32_FIND_DATA single;
    if (given.back() != '/' && pattern.find_first_of("*?") == std::string::npos
        && m_pConnection->Stat(path, single)) {
        m_found.push_back(single);
    } else {
        std::vector<WIN32_FIND_DATA> entries;
        if (!m_pConnection->List(directory, entries))
            return FALSE;
        for (const auto& entry : entries) {
            if (winport::matchesWildcard(pattern.c_str(), entry.cFileName))
                m_found.push_back(entry);
        }
    }
    if (m_found.empty()) {
        return winport::fail(ERROR_NO_MORE_FILES, FALSE);
    }
    // The search context is this finder itself; CloseContext ends it.
    m_hContext = this;
    m_pNextInfo = new WIN32_FIND_DATA(m_found.front());
    m_next = 1;
    m_strRoot = directory.c_str();
    return TRUE;
}

BOOL CFtpFileFind::FindNextFile()
{
    if (!m_pNextInfo)
        return FALSE;
    if (!m_pFoundInfo)
        m_pFoundInfo = new WIN32_FIND_DATA;
    auto* found = static_cast<WIN32_FIND_DATA*>(m_pFoundInfo);
    auto* next = static_cast<WIN32_FIND_DATA*>(m_pNextInfo);
    *found = *next;
    if (m_next >= m_found.size()) {
        delete next;
        m_pNextInfo = nullptr;
        return FALSE;
    }
    *next = m_found[m_next++];
    return TRUE;
}

const WIN32_FIND_DATA* CFtpFileFind::GetFirstFoundRecord() const
{
    return m_found.empty() ? nullptr : &m_found.front();
}

CString CFtpFileFind::GetFileURL() const
{
    if (!m_pFoundInfo || !m_pConnection)
        return CString();
    return "ftp://" + m_pConnection->GetServerName() + GetFilePath();
}

BOOL CFtpFileFind::GetLastWriteTime(FILETIME* time) const
{
    FILETIME written {};
    if (!CFileFind::GetLastWriteTime(&written)
        || (written.dwLowDateTime == 0 && written.dwHighDateTime == 0) || !time)
        return FALSE;
    *time = written;
    return TRUE;
}
