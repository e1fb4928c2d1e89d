#include "views/booklistsql.h"

BEGIN_MESSAGE_MAP(bookListSQL, bookList)
ON_NOTIFY_REFLECT(NM_CLICK, OnClick)
ON_NOTIFY_REFLECT(NM_DBLCLK, OnDblclk)
ON_NOTIFY_REFLECT(NM_RCLICK, OnRclick)
ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnclick)
ON_NOTIFY_REFLECT(NM_RETURN, OnReturn)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGING, OnItemchanging)
ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemchanged)
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

bookListSQL::bookListSQL() = default;

bookListSQL::bookListSQL(CWnd* parent, unsigned int id, RECT rect, long* result)
{
    long rc = bookListSQLCreate(parent, id, rect);
    if (rc != 0 && result)
        *result = rc;
}

long bookListSQL::bookListSQLCreate(CWnd* parent, unsigned int id, RECT rect)
{
    if (!Create(nullptr, nullptr, 0x406100CD, rect, parent, id))
        return E_FAIL;
    GetListCtrl().SetExtendedStyle(LVS_EX_FULLROWSELECT);
    bookListSetFont();
    return 0;
}

long bookListSQL::itemDataFind(unsigned long data)
{
    CListCtrl& list = GetListCtrl();
    for (int i = 0; i < list.GetItemCount(); ++i)
        if (list.GetItemData(i) == data)
            return i;
    return -1;
}

void bookListSQL::OnClick(NMHDR* header, LRESULT* result) { bookList::OnClick(header, result); }
void bookListSQL::OnDblclk(NMHDR* header, LRESULT* result) { bookList::OnDblclk(header, result); }
void bookListSQL::OnRclick(NMHDR* header, LRESULT* result) { bookList::OnRclick(header, result); }
void bookListSQL::OnColumnclick(NMHDR* header, LRESULT* result)
{
    bookList::OnColumnclick(header, result);
}
void bookListSQL::OnReturn(NMHDR* header, LRESULT* result) { bookList::OnReturn(header, result); }
void bookListSQL::OnItemchanging(NMHDR* header, LRESULT* result)
{
    bookList::OnItemchanging(header, result);
}
void bookListSQL::OnItemchanged(NMHDR* header, LRESULT* result)
{
    bookList::OnItemchanged(header, result);
}
long bookListSQL::OnSubItemGetclick(NMHDR*, LRESULT*) { return 0; }
void bookListSQL::OnKillFocus(CWnd* newWindow) { bookList::OnKillFocus(newWindow); }
