// The common dialogs' extended error and the print dialog's request.
#include "commdlgerror.h"

#include <commdlg.h>

namespace {
DWORD g_commDlgError = 0;
}

void winport::setCommDlgError(DWORD code) { g_commDlgError = code; }

DWORD CommDlgExtendedError() { return g_commDlgError; }

BOOL PrintDlg(LPPRINTDLGA request)
{
    if (!request || request->lStructSize != sizeof(PRINTDLGA)) {
        g_commDlgError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    g_commDlgError
        = (request->Flags & PD_RETURNDEFAULT) ? PDERR_NODEFAULTPRN : CDERR_INITIALIZATION;
    return FALSE;
}
