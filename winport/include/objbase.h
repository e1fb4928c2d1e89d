// The COM task allocator: memory handed from one module to another and freed by the receiver.
#pragma once

#include "winport/export.h"
#include "wintypes.h"

// Blocks are aligned for any type; a zero-byte request still returns a unique block.
WINPORT_API LPVOID CoTaskMemAlloc(SIZE_T size);
// NULL block: as CoTaskMemAlloc. Zero size: frees the block and returns NULL. On failure the old
// block stays valid and NULL is returned.
WINPORT_API LPVOID CoTaskMemRealloc(LPVOID block, SIZE_T size);
WINPORT_API void CoTaskMemFree(LPVOID block);
