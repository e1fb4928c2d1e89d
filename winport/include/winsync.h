// Critical sections: recursive locks with the Win32 call names.
#pragma once

#include "winport/export.h"
#include "wintypes.h"

typedef struct _CRITICAL_SECTION {
    void* impl; // owned std::recursive_mutex, created by InitializeCriticalSection
} CRITICAL_SECTION, *LPCRITICAL_SECTION;

WINPORT_API void InitializeCriticalSection(LPCRITICAL_SECTION section);
WINPORT_API void DeleteCriticalSection(LPCRITICAL_SECTION section);
WINPORT_API void EnterCriticalSection(LPCRITICAL_SECTION section);
WINPORT_API BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section);
WINPORT_API void LeaveCriticalSection(LPCRITICAL_SECTION section);
