// Rich-edit stream records and the exported callbacks that move a rich-edit control's content to
// and from memory (EM_STREAMOUT / EM_STREAMIN).
#pragma once

#include "tessilo40_api.h"
#include <windows.h>

// Filled by EditStreamOutCallback: the receiver frees data with CoTaskMemFree.
struct TESSILO40_API _richEditStreamOut {
    char* data = nullptr;
    long size = 0;
};

// Read by EditStreamInCallback from position on.
struct TESSILO40_API _richEditStreamIn {
    char* data = nullptr;
    long size = 0;
    long position = 0;
};

// cookie: a _richEditStreamOut. Appends the bytes; 0 to go on.
TESSILO40_API DWORD CALLBACK EditStreamOutCallback(
    DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);
// cookie: a _richEditStreamIn. Copies up to count bytes; once everything has been delivered it
// answers the total size, which ends the transfer.
TESSILO40_API DWORD CALLBACK EditStreamInCallback(
    DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);
