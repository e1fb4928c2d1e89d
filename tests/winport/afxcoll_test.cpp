#include <afx.h>
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

TEST(CMapTest, SetLookupReplaceRemove)
{
    CMap<long, long, long, long> map(1000);
    EXPECT_EQ(map.GetBlockSize(), 1000);
    EXPECT_TRUE(map.IsEmpty());
    long value = 99;
    EXPECT_FALSE(map.Lookup(1, value));
    EXPECT_EQ(value, 99); // untouched when absent
    map.SetAt(1, 10);
    map.SetAt(2, 20);
    map.SetAt(1, 11);
    EXPECT_EQ(map.GetCount(), 2);
    ASSERT_TRUE(map.Lookup(1, value));
    EXPECT_EQ(value, 11);
    map[3] += 5; // operator[] creates a value-initialised entry
    EXPECT_EQ(map[3], 5);
    EXPECT_TRUE(map.RemoveKey(2));
    EXPECT_FALSE(map.RemoveKey(2));
    EXPECT_FALSE(map.Lookup(2, value));
    EXPECT_EQ(map.GetCount(), 2);
    map.RemoveAll();
    EXPECT_EQ(map.GetCount(), 0);
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    map.SetAt(4, 40); // usable again after RemoveAll
    EXPECT_TRUE(map.Lookup(4, value));
}

// Random operations against std::map: the table grows, slots are recycled through the free list,
// and iteration visits every entry once.
TEST(CMapTest, AgreesWithStdMapUnderRandomOperations)
{
    CMap<long, long, double, double> map(7);
    std::map<long, double> model;
    std::mt19937 random(12345);
    for (int i = 0; i < 20000; ++i) {
        long key = static_cast<long>(random() % 3000) - 1500;
        switch (random() % 3) {
        case 0:
        case 1:
            map.SetAt(key, i * 0.5);
            model[key] = i * 0.5;
            break;
        default:
            EXPECT_EQ(map.RemoveKey(key), model.erase(key) == 1);
            break;
        }
    }
    ASSERT_EQ(map.GetCount(), static_cast<INT_PTR>(model.size()));
    EXPECT_GT(map.GetHashTableSize(), 17u);
    std::set<long> seen;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        long key;
        double value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.insert(key).second) << "visited twice: " << key;
        ASSERT_TRUE(model.count(key));
        EXPECT_EQ(value, model[key]);
    }
    EXPECT_EQ(seen.size(), model.size());
}

TEST(CMapTest, StringAndPointerKeys)
{
    CMapStringToString names;
    names.SetAt("ConnectStr", "DSN=x");
    names["connectstr"] = "other"; // keys compare exactly
    CString value;
    ASSERT_TRUE(names.Lookup("ConnectStr", value));
    EXPECT_EQ(value, "DSN=x");
    EXPECT_EQ(names.GetCount(), 2);

    int a = 0, b = 0;
    CMapPtrToPtr pointers;
    pointers.SetAt(&a, &b);
    void* found = nullptr;
    ASSERT_TRUE(pointers.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(pointers.Lookup(&b, found));

    CMap<int, int, int, int> small;
    small.InitHashTable(3);
    EXPECT_EQ(small.GetHashTableSize(), 3u);
    small.SetAt(1, 1);
    small.InitHashTable(101); // ignored once the map holds entries
    EXPECT_EQ(small.GetHashTableSize(), 3u);
    POSITION end = nullptr;
    int k, v;
    EXPECT_THROW(small.GetNextAssoc(end, k, v), std::out_of_range);
}

TEST(CArrayTest, GrowInsertRemove)
{
    CStringArray names;
    EXPECT_EQ(names.Add("b"), 0);
    names.Add("d");
    names.InsertAt(0, "a");
    names.InsertAt(2, "c", 2);
    ASSERT_EQ(names.GetSize(), 5);
    EXPECT_EQ(names[0], "a");
    EXPECT_EQ(names[2], "c");
    EXPECT_EQ(names[3], "c");
    EXPECT_EQ(names.GetUpperBound(), 4);
    names.RemoveAt(2);
    EXPECT_EQ(names[3], "d");
    names.SetAtGrow(6, "g");
    EXPECT_EQ(names.GetSize(), 7);
    EXPECT_EQ(names[5], "");
    EXPECT_THROW(names.GetAt(7), std::out_of_range);
    EXPECT_THROW(names.RemoveAt(5, 3), std::out_of_range);

    CPtrArray pointers;
    int x = 0;
    pointers.Add(&x);
    CPtrArray copy;
    copy.Copy(pointers);
    copy.Append(pointers);
    EXPECT_EQ(copy.GetSize(), 2);
    EXPECT_EQ(copy[1], &x);
    copy.RemoveAll();
    EXPECT_TRUE(copy.IsEmpty());
    EXPECT_EQ(copy.GetData(), nullptr);
}

TEST(CListTest, PositionsWalkBothWays)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION c = list.AddTail("c");
    list.InsertBefore(c, "b2");
    list.InsertAfter(c, "d");
    ASSERT_EQ(list.GetCount(), 5);
    CString forward;
    for (POSITION p = list.GetHeadPosition(); p;)
        forward += list.GetNext(p);
    EXPECT_EQ(forward, "abb2cd");
    CString backward;
    for (POSITION p = list.GetTailPosition(); p;)
        backward += list.GetPrev(p);
    EXPECT_EQ(backward, "dcb2ba");
    EXPECT_EQ(list.Find("c"), c);
    EXPECT_EQ(list.Find("c", c), nullptr);
    EXPECT_EQ(list.GetAt(list.FindIndex(1)), "b");
    EXPECT_EQ(list.FindIndex(5), nullptr);
    list.RemoveAt(c);
    EXPECT_EQ(list.RemoveHead(), "a");
    EXPECT_EQ(list.RemoveTail(), "d");
    EXPECT_EQ(list.GetHead(), "b");
    EXPECT_EQ(list.GetTail(), "b2");
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_THROW(list.GetHead(), std::out_of_range);
}
