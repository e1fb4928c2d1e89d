// CFileException: a file operation's failure, with MFC's cause codes and texts.
#pragma once

#include "afxstr.h"
#include "cexception.h"
#include "winbase.h"
#include "winport/export.h"

class WINPORT_API CFileException : public CException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, LPCTSTR fileName = nullptr);

    // MFC's texts, e.g. "A sharing violation occurred while accessing C:\x.log."
    BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const override;

    static int OsErrorToException(LONG osError);
    // Throws for a non-zero code; does nothing for 0.
    static void ThrowOsError(LONG osError, LPCTSTR fileName = nullptr);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] WINPORT_API void AfxThrowFileException(
    int cause, LONG osError = -1, LPCTSTR fileName = nullptr);
