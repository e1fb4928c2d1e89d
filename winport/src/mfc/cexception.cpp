// CException: the base of MFC's exceptions; it deletes itself when it was made on the heap.
#include "cexception.h"

BOOL CException::GetErrorMessage(LPTSTR error, UINT maxError, PUINT) const
{
    if (error && maxError)
        error[0] = '\0';
    return FALSE;
}

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}
