// The error that CommDlgExtendedError reports, set by each common dialog call.
#pragma once

#include <windows.h>

namespace winport {
void setCommDlgError(DWORD code);
}
