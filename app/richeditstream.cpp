#include "app/richeditstream.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>

namespace {
// The block behind a stream of `size` bytes holds the next power of two (at least 4 KiB), so the
// record needs no capacity field and a long stream is copied O(log n) times, not once per call.
SIZE_T capacityFor(SIZE_T size)
{
    SIZE_T capacity = 4096;
    while (capacity < size)
        capacity *= 2;
    return capacity;
}
}

DWORD CALLBACK EditStreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* out = reinterpret_cast<_richEditStreamOut*>(cookie);
    if (done)
        *done = 0;
    if (!out || !buffer || count <= 0)
        return 0;
    SIZE_T size = static_cast<SIZE_T>(out->size);
    SIZE_T needed = size + static_cast<SIZE_T>(count);
    char* grown = out->data;
    if (!grown || capacityFor(needed) != capacityFor(size)) {
        grown = static_cast<char*>(CoTaskMemRealloc(out->data, capacityFor(needed)));
        if (!grown)
            return 1;
    }
    std::memcpy(grown + out->size, buffer, static_cast<size_t>(count));
    out->data = grown;
    out->size += count;
    if (done)
        *done = count;
    return 0;
}

DWORD CALLBACK EditStreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done)
{
    auto* in = reinterpret_cast<_richEditStreamIn*>(cookie);
    if (done)
        *done = 0;
    if (!in || !in->data)
        return 0;
    if (in->position >= in->size)
        return static_cast<DWORD>(in->size);
    LONG n = std::min<LONG>(std::max<LONG>(count, 0), in->size - in->position);
    if (buffer && n > 0)
        std::memcpy(buffer, in->data + in->position, static_cast<size_t>(n));
    in->position += n;
    if (done)
        *done = n;
    return 0;
}
