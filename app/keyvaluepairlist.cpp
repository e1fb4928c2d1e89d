#include "app/keyvaluepairlist.h"

#include <winport/lock.h>

namespace {
// Entries are allocated in blocks of this many.
constexpr INT_PTR mapBlockSize = 1000;

template <class MAP, class KEY, class VALUE> VALUE lookupOr(MAP* map, KEY key, VALUE sentinel)
{
    VALUE value;
    return map && map->Lookup(key, value) ? value : sentinel;
}
} // namespace

keyValuePairList::keyValuePairList()
    : keyValuePairList(kindNone)
{
}

keyValuePairList::keyValuePairList(long kind)
    : m_kind(kind)
    , m_longLong(kind == kindLongLong ? new CMap<long, long, long, long>(mapBlockSize) : nullptr)
    , m_longDouble(
          kind == kindLongDouble ? new CMap<long, long, double, double>(mapBlockSize) : nullptr)
    , m_hwndHwnd(kind == kindHwndHwnd ? new CMap<HWND, HWND, HWND, HWND>(mapBlockSize) : nullptr)
    , m_ptrPtr(kind == kindPtrPtr ? new CMap<void*, void*, void*, void*>(mapBlockSize) : nullptr)
{
    InitializeCriticalSection(&m_setLock);
    InitializeCriticalSection(&m_getLock);
}

keyValuePairList::~keyValuePairList()
{
    Reset();
    delete m_longLong;
    delete m_longDouble;
    delete m_hwndHwnd;
    delete m_ptrPtr;
    DeleteCriticalSection(&m_getLock);
    DeleteCriticalSection(&m_setLock);
}

void keyValuePairList::Reset()
{
    CriticalSectionHold set(&m_setLock);
    CriticalSectionHold get(&m_getLock);
    if (m_longLong)
        m_longLong->RemoveAll();
    if (m_longDouble)
        m_longDouble->RemoveAll();
    if (m_hwndHwnd)
        m_hwndHwnd->RemoveAll();
    if (m_ptrPtr)
        m_ptrPtr->RemoveAll();
}

// A Set stores and reads back under the get lock as well, so that readers never see a map in the
// middle of a change; the set lock keeps the store and its read-back together.
long keyValuePairList::SetItLongLong(long key, long value)
{
    if (!m_longLong)
        return 0;
    CriticalSectionHold set(&m_setLock);
    CriticalSectionHold get(&m_getLock);
    m_longLong->SetAt(key, value);
    return lookupOr(m_longLong, key, 0L) == value ? value : 0;
}

double keyValuePairList::SetItLongDouble(long key, double value)
{
    if (!m_longDouble)
        return doubleSentinel;
    CriticalSectionHold set(&m_setLock);
    CriticalSectionHold get(&m_getLock);
    m_longDouble->SetAt(key, value);
    return lookupOr(m_longDouble, key, doubleSentinel) == value ? value : doubleSentinel;
}

HWND keyValuePairList::SetItHwndHwnd(HWND key, HWND value)
{
    if (!m_hwndHwnd)
        return nullptr;
    CriticalSectionHold set(&m_setLock);
    CriticalSectionHold get(&m_getLock);
    m_hwndHwnd->SetAt(key, value);
    return lookupOr(m_hwndHwnd, key, HWND(nullptr)) == value ? value : nullptr;
}

void* keyValuePairList::SetItPtrPtr(void* key, void* value)
{
    if (!m_ptrPtr)
        return nullptr;
    CriticalSectionHold set(&m_setLock);
    CriticalSectionHold get(&m_getLock);
    m_ptrPtr->SetAt(key, value);
    return lookupOr(m_ptrPtr, key, static_cast<void*>(nullptr)) == value ? value : nullptr;
}

long keyValuePairList::GetItLongLong(long key)
{
    CriticalSectionHold get(&m_getLock);
    return lookupOr(m_longLong, key, 0L);
}

double keyValuePairList::GetItLongDouble(long key)
{
    CriticalSectionHold get(&m_getLock);
    return lookupOr(m_longDouble, key, doubleSentinel);
}

HWND keyValuePairList::GetItHwndHwnd(HWND key)
{
    CriticalSectionHold get(&m_getLock);
    return lookupOr(m_hwndHwnd, key, HWND(nullptr));
}

void* keyValuePairList::GetItPtrPtr(void* key)
{
    CriticalSectionHold get(&m_getLock);
    return lookupOr(m_ptrPtr, key, static_cast<void*>(nullptr));
}

void keyValuePairList::RemoveItPtrPtr(void* key)
{
    CriticalSectionHold get(&m_getLock);
    if (m_ptrPtr)
        m_ptrPtr->RemoveKey(key);
}
