#include "kernelobject.h"
#include "syserror.h"

#include "winbase.h"

#include <mutex>
#include <unordered_map>

namespace winport {
namespace {

    struct HandleTable {
        std::mutex mutex;
        std::unordered_map<uintptr_t, std::shared_ptr<KernelObject>> objects;
        uintptr_t next = 0x1000;
    };

    HandleTable& table()
    {
        static HandleTable* instance = new HandleTable; // outlives every static destructor
        return *instance;
    }

} // namespace

HANDLE insertHandle(std::shared_ptr<KernelObject> object)
{
    HandleTable& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    const uintptr_t value = t.next;
    t.next += 4;
    t.objects.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> findHandle(HANDLE handle)
{
    HandleTable& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto it = t.objects.find(reinterpret_cast<uintptr_t>(handle));
    return it == t.objects.end() ? nullptr : it->second;
}

std::shared_ptr<KernelObject> removeHandle(HANDLE handle)
{
    HandleTable& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto it = t.objects.find(reinterpret_cast<uintptr_t>(handle));
    if (it == t.objects.end())
        return nullptr;
    std::shared_ptr<KernelObject> object = std::move(it->second);
    t.objects.erase(it);
    return object;
}

} // namespace winport

BOOL CloseHandle(HANDLE handle)
{
    if (!winport::removeHandle(handle)) {
        return winport::fail(ERROR_INVALID_HANDLE, FALSE);
    }
    return TRUE;
}
