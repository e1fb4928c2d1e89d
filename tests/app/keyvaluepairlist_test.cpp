#include <tessilo40.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {
const double sentinel = -11223344.55667788;
HWND hwnd(uintptr_t n) { return reinterpret_cast<HWND>(n); }
void* ptr(uintptr_t n) { return reinterpret_cast<void*>(n); }

// Every operation of every kind on one list: only the list's own kind stores anything.
void expectOnlyKind(keyValuePairList& list, long kind)
{
    const bool ll = kind == 3, ld = kind == 1, hh = kind == 2, pp = kind == 4;
    EXPECT_EQ(list.SetItLongLong(1, 11), ll ? 11 : 0);
    EXPECT_EQ(list.SetItLongDouble(1, 1.5), ld ? 1.5 : sentinel);
    EXPECT_EQ(list.SetItHwndHwnd(hwnd(1), hwnd(11)), hh ? hwnd(11) : nullptr);
    EXPECT_EQ(list.SetItPtrPtr(ptr(1), ptr(11)), pp ? ptr(11) : nullptr);
    EXPECT_EQ(list.GetItLongLong(1), ll ? 11 : 0);
    EXPECT_EQ(list.GetItLongDouble(1), ld ? 1.5 : sentinel);
    EXPECT_EQ(list.GetItHwndHwnd(hwnd(1)), hh ? hwnd(11) : nullptr);
    EXPECT_EQ(list.GetItPtrPtr(ptr(1)), pp ? ptr(11) : nullptr);
    list.RemoveItPtrPtr(ptr(1));
    EXPECT_EQ(list.GetItPtrPtr(ptr(1)), nullptr);
    EXPECT_EQ(list.GetItLongLong(1), ll ? 11 : 0); // RemoveItPtrPtr touches only pointer lists
}
} // namespace

TEST(KeyValuePairList, EachKindAnswersOnlyItsOwnOperations)
{
    for (long kind : { 0L, 1L, 2L, 3L, 4L, 5L, -1L }) {
        SCOPED_TRACE(kind);
        keyValuePairList list(kind);
        expectOnlyKind(list, kind);
    }
    keyValuePairList defaulted;
    expectOnlyKind(defaulted, 0);
}

TEST(KeyValuePairList, SentinelsAndReplacement)
{
    keyValuePairList longs(3);
    EXPECT_EQ(longs.GetItLongLong(5), 0); // missing
    EXPECT_EQ(longs.SetItLongLong(5, 0), 0); // stored, and indistinguishable from failure
    EXPECT_EQ(longs.SetItLongLong(5, 7), 7);
    EXPECT_EQ(longs.SetItLongLong(5, -9), -9);
    EXPECT_EQ(longs.GetItLongLong(5), -9);
    EXPECT_EQ(longs.GetItLongDouble(5), sentinel);

    keyValuePairList doubles(1);
    EXPECT_EQ(doubles.GetItLongDouble(2), sentinel);
    EXPECT_EQ(doubles.SetItLongDouble(2, 0.25), 0.25);
    EXPECT_EQ(doubles.SetItLongDouble(-2, sentinel), sentinel);
    EXPECT_EQ(doubles.GetItLongDouble(2), 0.25);

    keyValuePairList pointers(4);
    int a = 0, b = 0;
    EXPECT_EQ(pointers.SetItPtrPtr(&a, &b), &b);
    EXPECT_EQ(pointers.SetItPtrPtr(&b, nullptr), nullptr);
    pointers.RemoveItPtrPtr(&a);
    pointers.RemoveItPtrPtr(&a); // absent: nothing happens
    EXPECT_EQ(pointers.GetItPtrPtr(&a), nullptr);

    keyValuePairList windows(2);
    windows.SetItHwndHwnd(hwnd(0x10), hwnd(0x20));
    windows.Reset();
    EXPECT_EQ(windows.GetItHwndHwnd(hwnd(0x10)), nullptr);
    EXPECT_EQ(windows.SetItHwndHwnd(hwnd(0x10), hwnd(0x30)), hwnd(0x30));
}

TEST(KeyValuePairList, ManyThreadsSetAndGetAtOnce)
{
    keyValuePairList longs(3);
    keyValuePairList pointers(4);
    constexpr int threads = 8;
    constexpr long perThread = 5000;
    std::atomic<int> mismatches { 0 };
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&, t] {
            for (long i = 0; i < perThread; ++i) {
                const long key = t * perThread + i;
                if (longs.SetItLongLong(key, key * 3 + 1) != key * 3 + 1)
                    ++mismatches;
                // Read a key another thread may be writing: either absent (0) or its final value.
                const long other = ((t + 1) % threads) * perThread + i;
                const long seen = longs.GetItLongLong(other);
                if (seen != 0 && seen != other * 3 + 1)
                    ++mismatches;
                void* k = ptr(static_cast<uintptr_t>(key) + 1);
                pointers.SetItPtrPtr(k, k);
                if (i % 2)
                    pointers.RemoveItPtrPtr(k);
            }
        });
    }
    for (std::thread& w : workers)
        w.join();
    EXPECT_EQ(mismatches.load(), 0);
    for (long key = 0; key < threads * perThread; ++key) {
        ASSERT_EQ(longs.GetItLongLong(key), key * 3 + 1) << key;
        void* k = ptr(static_cast<uintptr_t>(key) + 1);
        ASSERT_EQ(pointers.GetItPtrPtr(k), (key % perThread) % 2 ? nullptr : k) << key;
    }
}
