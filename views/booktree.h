// bookTree: a thin base for tree views. It inserts items through small item records (the item's
// handle, then a user data pointer) and hands the four tree notifications to virtual hooks;
// every default does nothing, so derived trees supply the content and the reactions.
#pragma once

#include "tessilo40_api.h"
#include <afxcview.h>

struct _bookTreeITEM_BASE {
    HTREEITEM hItem;
    void* data;
};

class TESSILO40_API bookTree : public CTreeView {
public:
    bookTree();
    // Stores the value of TreeInit in result.
    explicit bookTree(long* result);
    ~bookTree() override;

    // The notification hooks; their value becomes the notification's result.
    virtual long Itemexpanded(NMHDR* header);
    virtual long Itemexpanding(NMHDR* header);
    virtual long Selchanged(NMHDR* header);
    virtual long Selchanging(NMHDR* header);
    virtual long TreeInit();
    virtual long TreeDeInit();

    // Inserts text under parent after `after` (records or handles; NULL means the root and the
    // end). 0x8000FFFF for a NULL text, 0x80004005 when the control inserts nothing; on success
    // the new handle (and data) go into out when given, and nothing is touched otherwise.
    long InsertItem(const char* text, _bookTreeITEM_BASE* parent, _bookTreeITEM_BASE* after,
        _bookTreeITEM_BASE* out);
    long InsertItem(const char* text, _bookTreeITEM_BASE* parent, _bookTreeITEM_BASE* after,
        _bookTreeITEM_BASE* out, void* data);
    long InsertItem(const char* text, HTREEITEM parent, HTREEITEM after, _bookTreeITEM_BASE* out);
    long InsertItem(
        const char* text, HTREEITEM parent, HTREEITEM after, _bookTreeITEM_BASE* out, void* data);

protected:
    afx_msg void OnItemexpanded(NMHDR* header, LRESULT* result);
    afx_msg void OnItemexpanding(NMHDR* header, LRESULT* result);
    afx_msg void OnSelchanged(NMHDR* header, LRESULT* result);
    afx_msg void OnSelchanging(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

    int m_reserved;

private:
    long insert(const char* text, HTREEITEM parent, HTREEITEM after, _bookTreeITEM_BASE* out,
        bool withData, void* data);
};
