#include "commctrl.h"
#include "winbase.h"
#include "winerror.h"
#include "base/syserror.h"

#include <atomic>

namespace {
std::atomic<DWORD> initializedClasses { 0 };
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init)
{
    if (!init || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        return winport::fail(ERROR_INVALID_PARAMETER, FALSE);
    }
    initializedClasses.fetch_or(init->dwICC);
    return TRUE;
}

void InitCommonControls() { initializedClasses.fetch_or(ICC_WIN95_CLASSES); }

DWORD WinportInitializedCommonControls() { return initializedClasses.load(); }
