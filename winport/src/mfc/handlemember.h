// The handle an MFC object wraps: attached only to an object without one, detached by handing it
// back and forgetting it.
#pragma once

#include <windows.h>

#include <utility>

namespace winport {

template <class Handle> BOOL attachHandle(Handle& member, Handle handle)
{
    if (member || !handle)
        return FALSE;
    member = handle;
    return TRUE;
}

template <class Handle> Handle detachHandle(Handle& member)
{
    return std::exchange(member, nullptr);
}

} // namespace winport
