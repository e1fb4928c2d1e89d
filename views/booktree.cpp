#include "views/booktree.h"

BEGIN_MESSAGE_MAP(bookTree, CTreeView)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDED, OnItemexpanded)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, OnItemexpanding)
ON_NOTIFY_REFLECT(TVN_SELCHANGED, OnSelchanged)
ON_NOTIFY_REFLECT(TVN_SELCHANGING, OnSelchanging)
END_MESSAGE_MAP()

bookTree::bookTree()
    : m_reserved(0)
{
}

bookTree::bookTree(long* result)
    : m_reserved(0)
{
    long value = TreeInit();
    if (result)
        *result = value;
}

bookTree::~bookTree() { TreeDeInit(); }

long bookTree::Itemexpanded(NMHDR*) { return 0; }
long bookTree::Itemexpanding(NMHDR*) { return 0; }
long bookTree::Selchanged(NMHDR*) { return 0; }
long bookTree::Selchanging(NMHDR*) { return 0; }

long bookTree::TreeInit()
{
    m_reserved = 0;
    return 0;
}

long bookTree::TreeDeInit()
{
    m_reserved = 0;
    return 0;
}

void bookTree::OnItemexpanded(NMHDR* header, LRESULT* result) { *result = Itemexpanded(header); }
void bookTree::OnItemexpanding(NMHDR* header, LRESULT* result) { *result = Itemexpanding(header); }
void bookTree::OnSelchanged(NMHDR* header, LRESULT* result) { *result = Selchanged(header); }
void bookTree::OnSelchanging(NMHDR* header, LRESULT* result) { *result = Selchanging(header); }

long bookTree::insert(const char* text, HTREEITEM parent, HTREEITEM after, _bookTreeITEM_BASE* out,
    bool withData, void* data)
{
    if (!text)
        return E_UNEXPECTED;
    HTREEITEM item
        = GetTreeCtrl().InsertItem(text, parent ? parent : TVI_ROOT, after ? after : TVI_LAST);
    if (!item)
        return E_FAIL;
    if (out) {
        out->hItem = item;
        if (withData)
            out->data = data;
    }
    return 0;
}

long bookTree::InsertItem(const char* text, _bookTreeITEM_BASE* parent, _bookTreeITEM_BASE* after,
    _bookTreeITEM_BASE* out)
{
    return insert(text, parent ? parent->hItem : nullptr, after ? after->hItem : nullptr, out,
        false, nullptr);
}

long bookTree::InsertItem(const char* text, _bookTreeITEM_BASE* parent, _bookTreeITEM_BASE* after,
    _bookTreeITEM_BASE* out, void* data)
{
    return insert(
        text, parent ? parent->hItem : nullptr, after ? after->hItem : nullptr, out, true, data);
}

long bookTree::InsertItem(
    const char* text, HTREEITEM parent, HTREEITEM after, _bookTreeITEM_BASE* out)
{
    return insert(text, parent, after, out, false, nullptr);
}

long bookTree::InsertItem(
    const char* text, HTREEITEM parent, HTREEITEM after, _bookTreeITEM_BASE* out, void* data)
{
    return insert(text, parent, after, out, true, data);
}
