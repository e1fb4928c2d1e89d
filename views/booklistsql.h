// bookListSQL: the list view a statement writes result rows into. From here on the list's
// notification handlers are virtual, so that the lists hosted by the control frame refine them.
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

    // The list's notifications: the bookList behaviour (the last clicked row) unless a derived
    // list says otherwise. OnSubItemGetclick locates nothing here and answers 0.
    virtual void OnClick(NMHDR* header, LRESULT* result);
    virtual void OnDblclk(NMHDR* header, LRESULT* result);
    virtual void OnRclick(NMHDR* header, LRESULT* result);
    virtual void OnColumnclick(NMHDR* header, LRESULT* result);
    virtual void OnReturn(NMHDR* header, LRESULT* result);
    virtual void OnItemchanging(NMHDR* header, LRESULT* result);
    virtual void OnItemchanged(NMHDR* header, LRESULT* result);
    virtual long OnSubItemGetclick(NMHDR* header, LRESULT* result);
    virtual void OnKillFocus(CWnd* newWindow);

protected:
    DECLARE_MESSAGE_MAP()
};
