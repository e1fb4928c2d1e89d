// Pointers passed as a message's LPARAM, as the MFC wrappers pass them.
#pragma once

#include <windows.h>

namespace winport {
inline LPARAM textParam(LPCSTR text) { return reinterpret_cast<LPARAM>(text); }
}
