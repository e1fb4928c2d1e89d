// bookListSQL: the list view a statement writes result rows into.
#pragma once

#include "views/booklist.h"

class TESSILO40_API bookListSQL : public bookList {
public:
    bookListSQL();
    bookListSQL(CWnd* parent, unsigned int id, RECT rect, long* result);
    ~bookListSQL() override = default;

    // Creates the window: a report-style list with single selection, always shown selection and
    // full-row select. 0, or 0x80004005.
    long bookListSQLCreate(CWnd* parent, unsigned int id, RECT rect);
    // The first row whose item data equals data, or -1 (result rows carry 1, totals rows 0).
    virtual long itemDataFind(unsigned long data);
};
