// The common dialogs' extended error.
#include "commdlgerror.h"

#include <commdlg.h>

namespace {
DWORD g_commDlgError = 0;
}

void winport::setCommDlgError(DWORD code) { g_commDlgError = code; }

DWORD CommDlgExtendedError() { return g_commDlgError; }
