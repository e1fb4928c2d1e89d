#include "views/booklistsql.h"

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
