// MFC's collection templates: CArray, CList and the hash map CMap, with the usual typed forms
// (CStringArray, CPtrArray, CStringList, CMapStringToString, ...). Iteration uses POSITION.
// Indexes outside an array throw std::out_of_range instead of corrupting memory.
#pragma once

#include <cstring>
#include <new>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>
#include "afxstr.h"
#include "wintypes.h"

struct __POSITION { };
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

namespace winport {
inline UINT mixHash(uint64_t v)
{
    v ^= v >> 33;
    v *= 0xff51afd7ed558ccdULL;
    v ^= v >> 33;
    return static_cast<UINT>(v);
}

inline UINT stringHash(const char* text)
{
    UINT hash = 0;
    if (text) {
        for (; *text; ++text)
            hash = (hash << 5) + hash + static_cast<unsigned char>(*text);
    }
    return hash;
}
} // namespace winport

// Hash of a map key: numbers, enums and pointers by value, strings by their characters.
template <class ARG_KEY> inline UINT HashKey(ARG_KEY key)
{
    using K = std::decay_t<ARG_KEY>;
    static_assert(std::is_pointer_v<K> || std::is_integral_v<K> || std::is_enum_v<K>,
        "HashKey needs a specialisation for this key type");
    if constexpr (std::is_pointer_v<K>)
        return winport::mixHash(reinterpret_cast<uintptr_t>(key));
    else
        return winport::mixHash(static_cast<uint64_t>(key));
}
template <> inline UINT HashKey<const char*>(const char* key) { return winport::stringHash(key); }
template <> inline UINT HashKey<char*>(char* key) { return winport::stringHash(key); }
template <> inline UINT HashKey<const CString&>(const CString& key)
{
    return winport::stringHash(key);
}
template <> inline UINT HashKey<CString>(CString key) { return winport::stringHash(key); }

template <class TYPE, class ARG_TYPE> inline BOOL CompareElements(const TYPE* a, const ARG_TYPE* b)
{
    return *a == *b;
}

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    virtual ~CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // growBy is accepted for compatibility; the storage grows geometrically.
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1)
    {
        (void)growBy;
        m_data.resize(newSize < 0 ? 0 : static_cast<size_t>(newSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_data.at(toIndex(index)); }
    TYPE& GetAt(INT_PTR index) { return m_data.at(toIndex(index)); }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_data.at(toIndex(index)) = element; }
    TYPE& ElementAt(INT_PTR index) { return m_data.at(toIndex(index)); }
    const TYPE& ElementAt(INT_PTR index) const { return m_data.at(toIndex(index)); }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return GetAt(index); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    void SetAtGrow(INT_PTR index, ARG_TYPE element)
    {
        size_t i = toIndex(index);
        if (i >= m_data.size())
            m_data.resize(i + 1);
        m_data[i] = element;
    }
    INT_PTR Add(ARG_TYPE element)
    {
        m_data.push_back(element);
        return GetUpperBound();
    }
    INT_PTR Append(const CArray& other)
    {
        INT_PTR first = GetSize();
        m_data.insert(m_data.end(), other.m_data.begin(), other.m_data.end());
        return first;
    }
    void Copy(const CArray& other)
    {
        if (this != &other)
            m_data = other.m_data;
    }
    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1)
    {
        size_t i = toIndex(index);
        if (i > m_data.size())
            m_data.resize(i);
        if (count > 0)
            m_data.insert(m_data.begin() + static_cast<std::ptrdiff_t>(i),
                static_cast<size_t>(count), element);
    }
    void InsertAt(INT_PTR start, const CArray* other)
    {
        size_t i = toIndex(start);
        if (i > m_data.size())
            m_data.resize(i);
        if (other)
            m_data.insert(m_data.begin() + static_cast<std::ptrdiff_t>(i), other->m_data.begin(),
                other->m_data.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        size_t i = toIndex(index);
        if (count < 0 || i + static_cast<size_t>(count) > m_data.size())
            throw std::out_of_range("CArray::RemoveAt");
        auto first = m_data.begin() + static_cast<std::ptrdiff_t>(i);
        m_data.erase(first, first + static_cast<std::ptrdiff_t>(count));
    }

private:
    static size_t toIndex(INT_PTR index)
    {
        if (index < 0)
            throw std::out_of_range("CArray index");
        return static_cast<size_t>(index);
    }

    std::vector<TYPE> m_data;
};

template <class TYPE, class ARG_TYPE = const TYPE&> class CList {
public:
    explicit CList(INT_PTR blockSize = 10) { (void)blockSize; }
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    virtual ~CList() { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }

    TYPE& GetHead() { return nodeAt(toPosition(m_head))->data; }
    const TYPE& GetHead() const { return nodeAt(toPosition(m_head))->data; }
    TYPE& GetTail() { return nodeAt(toPosition(m_tail))->data; }
    const TYPE& GetTail() const { return nodeAt(toPosition(m_tail))->data; }
    TYPE RemoveHead()
    {
        TYPE value = GetHead();
        RemoveAt(toPosition(m_head));
        return value;
    }
    TYPE RemoveTail()
    {
        TYPE value = GetTail();
        RemoveAt(toPosition(m_tail));
        return value;
    }
    POSITION AddHead(ARG_TYPE element) { return InsertBefore(GetHeadPosition(), element); }
    POSITION AddTail(ARG_TYPE element) { return InsertAfter(GetTailPosition(), element); }
    void AddTail(const CList* other)
    {
        for (POSITION p = other ? other->GetHeadPosition() : nullptr; p;)
            AddTail(other->GetNext(p));
    }
    void RemoveAll()
    {
        while (m_head) {
            Node* next = m_head->next;
            delete m_head;
            m_head = next;
        }
        m_tail = nullptr;
        m_count = 0;
    }

    POSITION GetHeadPosition() const { return toPosition(m_head); }
    POSITION GetTailPosition() const { return toPosition(m_tail); }
    TYPE& GetNext(POSITION& position)
    {
        Node* node = nodeAt(position);
        position = toPosition(node->next);
        return node->data;
    }
    const TYPE& GetNext(POSITION& position) const
    {
        Node* node = nodeAt(position);
        position = toPosition(node->next);
        return node->data;
    }
    TYPE& GetPrev(POSITION& position)
    {
        Node* node = nodeAt(position);
        position = toPosition(node->prev);
        return node->data;
    }
    TYPE& GetAt(POSITION position) { return nodeAt(position)->data; }
    const TYPE& GetAt(POSITION position) const { return nodeAt(position)->data; }
    void SetAt(POSITION position, ARG_TYPE element) { nodeAt(position)->data = element; }
    void RemoveAt(POSITION position)
    {
        Node* node = nodeAt(position);
        (node->prev ? node->prev->next : m_head) = node->next;
        (node->next ? node->next->prev : m_tail) = node->prev;
        delete node;
        --m_count;
    }
    // An empty position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE element)
    {
        Node* next = position ? nodeAt(position) : m_head;
        Node* node = new Node { element, next ? next->prev : m_tail, next };
        (node->prev ? node->prev->next : m_head) = node;
        (next ? next->prev : m_tail) = node;
        ++m_count;
        return toPosition(node);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE element)
    {
        Node* prev = position ? nodeAt(position) : m_tail;
        Node* node = new Node { element, prev, prev ? prev->next : m_head };
        (node->next ? node->next->prev : m_tail) = node;
        (prev ? prev->next : m_head) = node;
        ++m_count;
        return toPosition(node);
    }
    POSITION Find(ARG_TYPE value, POSITION startAfter = nullptr) const
    {
        Node* node = startAfter ? nodeAt(startAfter)->next : m_head;
        for (; node; node = node->next) {
            if (CompareElements<TYPE, std::remove_reference_t<ARG_TYPE>>(&node->data, &value))
                return toPosition(node);
        }
        return nullptr;
    }
    POSITION FindIndex(INT_PTR index) const
    {
        if (index < 0 || index >= m_count)
            return nullptr;
        Node* node = m_head;
        while (index-- > 0)
            node = node->next;
        return toPosition(node);
    }

private:
    struct Node {
        TYPE data;
        Node* prev;
        Node* next;
    };
    static POSITION toPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
    static Node* nodeAt(POSITION position)
    {
        if (!position || position == BEFORE_START_POSITION)
            throw std::out_of_range("CList position");
        return reinterpret_cast<Node*>(position);
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    INT_PTR m_count = 0;
};

// Hash map with one value per key. Entries are allocated in blocks of blockSize and recycled
// through a free list; the table grows as the map fills. Iteration order is unspecified.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap {
public:
    explicit CMap(INT_PTR blockSize = 10)
        : m_blockSize(blockSize > 0 ? blockSize : 10)
    {
    }
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    virtual ~CMap() { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0; }
    UINT GetHashTableSize() const { return m_hashSize; }
    INT_PTR GetBlockSize() const { return m_blockSize; }

    // Sets the bucket count; effective only while the map is empty, as in MFC.
    void InitHashTable(UINT hashSize, BOOL allocNow = TRUE)
    {
        if (m_count != 0 || hashSize == 0)
            return;
        m_buckets.clear();
        m_hashSize = hashSize;
        if (allocNow)
            m_buckets.assign(hashSize, nullptr);
    }

    BOOL Lookup(ARG_KEY key, VALUE& value) const
    {
        const Assoc* assoc = find(key, HashKey<ARG_KEY>(key));
        if (!assoc)
            return FALSE;
        value = assoc->value;
        return TRUE;
    }
    VALUE& operator[](ARG_KEY key)
    {
        UINT hash = HashKey<ARG_KEY>(key);
        if (Assoc* assoc = find(key, hash))
            return assoc->value;
        if (m_buckets.empty())
            m_buckets.assign(m_hashSize, nullptr);
        else if (static_cast<UINT>(m_count) >= m_hashSize * 2u)
            rehash(m_hashSize * 4u + 1u);
        Assoc* assoc = new (allocateSlot()) Assoc { nullptr, hash, KEY(key), VALUE() };
        Assoc*& bucket = m_buckets[hash % m_hashSize];
        assoc->next = bucket;
        bucket = assoc;
        ++m_count;
        return assoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE value) { (*this)[key] = value; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        UINT hash = HashKey<ARG_KEY>(key);
        for (Assoc** link = &m_buckets[hash % m_hashSize]; *link; link = &(*link)->next) {
            Assoc* assoc = *link;
            if (assoc->hash == hash
                && CompareElements<KEY, std::remove_reference_t<ARG_KEY>>(&assoc->key, &key)) {
                *link = assoc->next;
                releaseSlot(assoc);
                if (--m_count == 0)
                    RemoveAll();
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (Assoc*& bucket : m_buckets) {
            while (bucket) {
                Assoc* next = bucket->next;
                bucket->~Assoc();
                bucket = next;
            }
        }
        m_buckets.clear();
        for (void* block : m_blocks)
            ::operator delete(block);
        m_blocks.clear();
        m_free = nullptr;
        m_count = 0;
    }

    POSITION GetStartPosition() const { return m_count == 0 ? nullptr : toPosition(firstFrom(0)); }
    void GetNextAssoc(POSITION& position, KEY& key, VALUE& value) const
    {
        if (!position || position == BEFORE_START_POSITION)
            throw std::out_of_range("CMap position");
        const Assoc* assoc = reinterpret_cast<const Assoc*>(position);
        key = assoc->key;
        value = assoc->value;
        position = toPosition(assoc->next ? assoc->next : firstFrom(assoc->hash % m_hashSize + 1));
    }

private:
    struct Assoc {
        Assoc* next;
        UINT hash;
        KEY key;
        VALUE value;
    };
    struct FreeSlot {
        FreeSlot* next;
    };
    static_assert(sizeof(Assoc) >= sizeof(FreeSlot), "slot too small for the free list");

    static POSITION toPosition(const Assoc* assoc)
    {
        return reinterpret_cast<POSITION>(const_cast<Assoc*>(assoc));
    }
    Assoc* find(ARG_KEY key, UINT hash) const
    {
        if (m_buckets.empty())
            return nullptr;
        for (Assoc* assoc = m_buckets[hash % m_hashSize]; assoc; assoc = assoc->next) {
            if (assoc->hash == hash
                && CompareElements<KEY, std::remove_reference_t<ARG_KEY>>(&assoc->key, &key))
                return assoc;
        }
        return nullptr;
    }
    Assoc* firstFrom(UINT bucket) const
    {
        for (; bucket < m_buckets.size(); ++bucket) {
            if (m_buckets[bucket])
                return m_buckets[bucket];
        }
        return nullptr;
    }
    void rehash(UINT hashSize)
    {
        std::vector<Assoc*> buckets(hashSize, nullptr);
        for (Assoc* bucket : m_buckets) {
            while (bucket) {
                Assoc* next = bucket->next;
                bucket->next = buckets[bucket->hash % hashSize];
                buckets[bucket->hash % hashSize] = bucket;
                bucket = next;
            }
        }
        m_buckets.swap(buckets);
        m_hashSize = hashSize;
    }
    void* allocateSlot()
    {
        if (!m_free) {
            char* block = static_cast<char*>(
                ::operator new(sizeof(Assoc) * static_cast<size_t>(m_blockSize)));
            m_blocks.push_back(block);
            for (INT_PTR i = m_blockSize; i-- > 0;) {
                FreeSlot* slot
                    = reinterpret_cast<FreeSlot*>(block + sizeof(Assoc) * static_cast<size_t>(i));
                slot->next = m_free;
                m_free = slot;
            }
        }
        FreeSlot* slot = m_free;
        m_free = slot->next;
        return slot;
    }
    void releaseSlot(Assoc* assoc)
    {
        assoc->~Assoc();
        FreeSlot* slot = reinterpret_cast<FreeSlot*>(assoc);
        slot->next = m_free;
        m_free = slot;
    }

    std::vector<Assoc*> m_buckets;
    std::vector<void*> m_blocks;
    FreeSlot* m_free = nullptr;
    UINT m_hashSize = 17;
    INT_PTR m_count = 0;
    INT_PTR m_blockSize;
};

class CStringArray : public CArray<CString, const CString&> { };
class CPtrArray : public CArray<void*, void*> { };
class CDWordArray : public CArray<DWORD, DWORD> { };
class CUIntArray : public CArray<UINT, UINT> { };
class CWordArray : public CArray<WORD, WORD> { };
class CByteArray : public CArray<BYTE, BYTE> { };
class CStringList : public CList<CString, const CString&> {
public:
    using CList::CList;
};
class CPtrList : public CList<void*, void*> {
public:
    using CList::CList;
};
class CMapStringToString : public CMap<CString, const char*, CString, const char*> {
public:
    using CMap::CMap;
};
class CMapStringToPtr : public CMap<CString, const char*, void*, void*> {
public:
    using CMap::CMap;
};
class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {
public:
    using CMap::CMap;
};
class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {
public:
    using CMap::CMap;
};
