#include "winsync.h"

#include <mutex>

namespace {
std::recursive_mutex* mutexOf(LPCRITICAL_SECTION section)
{
    return section ? static_cast<std::recursive_mutex*>(section->impl) : nullptr;
}
} // namespace

void InitializeCriticalSection(LPCRITICAL_SECTION section)
{
    if (section)
        section->impl = new std::recursive_mutex;
}

void DeleteCriticalSection(LPCRITICAL_SECTION section)
{
    if (section) {
        delete mutexOf(section);
        section->impl = nullptr;
    }
}

void EnterCriticalSection(LPCRITICAL_SECTION section)
{
    if (auto* m = mutexOf(section))
        m->lock();
}

BOOL TryEnterCriticalSection(LPCRITICAL_SECTION section)
{
    auto* m = mutexOf(section);
    return m && m->try_lock() ? TRUE : FALSE;
}

void LeaveCriticalSection(LPCRITICAL_SECTION section)
{
    if (auto* m = mutexOf(section))
        m->unlock();
}
