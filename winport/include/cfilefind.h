// CFileFind over FindFirstFile.
#pragma once

#include "afxstr.h"
#include "atltime.h"
#include "winbase.h"
#include "winport/export.h"

// Finds files as MFC does: FindFile starts the search, and every FindNextFile (also the first)
// makes the next match current; it returns FALSE when the match it made current is the last one.
class WINPORT_API CFileFind {
public:
    CFileFind();
    virtual ~CFileFind();
    CFileFind(const CFileFind&) = delete;
    CFileFind& operator=(const CFileFind&) = delete;

    // name NULL means "*.*" in the current directory.
    virtual BOOL FindFile(LPCTSTR name = nullptr, DWORD unused = 0);
    virtual BOOL FindNextFile();
    void Close();

    ULONGLONG GetLength() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual CString GetFileTitle() const;
    virtual CString GetFileURL() const;
    virtual CString GetRoot() const;
    virtual BOOL GetLastWriteTime(FILETIME* time) const;
    virtual BOOL GetLastAccessTime(FILETIME* time) const;
    virtual BOOL GetCreationTime(FILETIME* time) const;
    virtual BOOL GetLastWriteTime(CTime& time) const;
    virtual BOOL GetLastAccessTime(CTime& time) const;
    virtual BOOL GetCreationTime(CTime& time) const;
    virtual BOOL IsDots() const;
    virtual BOOL MatchesMask(DWORD mask) const;
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

protected:
    // Ends the search context; derived finders (FTP) override it.
    virtual void CloseContext();

    // Both point to WIN32_FIND_DATA records: the current match and the one read ahead.
    void* m_pFoundInfo;
    void* m_pNextInfo;
    HANDLE m_hContext;
    CString m_strRoot;
    char m_chDirSeparator;
};
