// keyValuePairList: a thread-safe map of one kind of pair, chosen at construction. Operations for
// another kind do nothing and answer the kind's sentinel (0, NULL or -11223344.55667788).
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include "tessilo40_api.h"

class TESSILO40_API keyValuePairList {
public:
    enum Kind : long {
        kindNone = 0,
        kindLongDouble = 1,
        kindHwndHwnd = 2,
        kindLongLong = 3,
        kindPtrPtr = 4
    };
    static constexpr double doubleSentinel = -11223344.55667788;

    keyValuePairList();
    explicit keyValuePairList(long kind);
    keyValuePairList(const keyValuePairList&) = delete;
    keyValuePairList& operator=(const keyValuePairList&) = delete;
    virtual ~keyValuePairList();

    void Reset();

    long SetItLongLong(long key, long value);
    double SetItLongDouble(long key, double value);
    HWND SetItHwndHwnd(HWND key, HWND value);
    void* SetItPtrPtr(void* key, void* value);

    long GetItLongLong(long key);
    double GetItLongDouble(long key);
    HWND GetItHwndHwnd(HWND key);
    void* GetItPtrPtr(void* key);

    void RemoveItPtrPtr(void* key);

private:
    long m_kind;
    CMap<long, long, long, long>* m_longLong;
    CMap<long, long, double, double>* m_longDouble;
    CMap<HWND, HWND, HWND, HWND>* m_hwndHwnd;
    CMap<void*, void*, void*, void*>* m_ptrPtr;
    CRITICAL_SECTION m_setLock;
    CRITICAL_SECTION m_getLock;
};
