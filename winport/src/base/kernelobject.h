// Kernel objects behind HANDLE values: files, find contexts and whatever else the Win32 functions
// hand out. Handles are unique numbers that are never reused, so a stale or forged handle is
// refused (ERROR_INVALID_HANDLE) instead of reaching freed memory.
#pragma once

#include "wintypes.h"

#include <memory>

namespace winport {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

HANDLE insertHandle(std::shared_ptr<KernelObject> object);
std::shared_ptr<KernelObject> findHandle(HANDLE handle);
// Removes the handle; the object lives on while a caller still holds it.
std::shared_ptr<KernelObject> removeHandle(HANDLE handle);

template <class T> std::shared_ptr<T> findHandleOf(HANDLE handle)
{
    return std::dynamic_pointer_cast<T>(findHandle(handle));
}

} // namespace winport
