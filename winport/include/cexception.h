// CException: the base of MFC's exceptions. They are thrown by pointer and released with Delete():
//   try { ... } catch (CFileException* e) { ...; e->Delete(); }
#pragma once

#include "winport/export.h"
#include "winbase.h"

class WINPORT_API CException {
public:
    explicit CException(BOOL autoDelete = TRUE)
        : m_bAutoDelete(autoDelete)
    {
    }
    virtual ~CException() = default;

    // Copies the message, cut to maxError - 1 characters. FALSE when there is none (the base).
    virtual BOOL GetErrorMessage(LPTSTR error, UINT maxError, PUINT helpContext = nullptr) const;
    // Deletes an exception that was thrown with new (auto-delete); a local object stays.
    void Delete();

protected:
    BOOL m_bAutoDelete;
};
