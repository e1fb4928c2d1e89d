// bookList: the report-style list view under the SQL list views. It counts its columns, owns its
// list font, keeps the separator character of list reports and sizes its columns to their content.
#pragma once

#include "tessilo40_api.h"
#include <afxcview.h>

class TESSILO40_API bookList : public CListView {
public:
    bookList();
    ~bookList() override;

    virtual long bookListInsertColumn(long column, LVCOLUMNA* description);
    virtual long bookListDeleteColumn(long column);
    virtual long bookListCreateFont(int points, char* face);
    virtual long bookListSetFont();
    // A column header click: sorts with a comparison that ranks all items equal, so the order
    // stays; derived lists sort for real.
    virtual long Columnclick(NMHDR* header);
    // A list does not print: both answer with a message box ("Print failure.") and return 0.
    virtual long bookpagePrint();
    virtual long bookpagePrintPreview();

    // Widens every counted column to its header and cell texts (separator cells, beginning with
    // "-", are filled with "-" to the width chosen so far).
    long listColAutoWidth();
    int bookListGetColumnCount() const { return m_columnCount; }
    char bookListGetSeparator() const { return m_separator; }
    // The first selected item at the last click, double click or right click (-1 before any),
    // and its sub-item (always -1).
    long bookListGetClickedItem() const { return m_clickedItem; }
    long bookListGetClickedSubItem() const { return m_clickedSubItem; }
    void bookListSetSeparator(char separator) { m_separator = separator; }

protected:
    afx_msg void OnColumnclick(NMHDR* header, LRESULT* result);
    afx_msg void OnClick(NMHDR* header, LRESULT* result);
    afx_msg void OnRclick(NMHDR* header, LRESULT* result);
    afx_msg void OnReturn(NMHDR* header, LRESULT* result);
    afx_msg void OnKeydown(NMHDR* header, LRESULT* result);
    afx_msg void OnItemchanging(NMHDR* header, LRESULT* result);
    afx_msg void OnItemchanged(NMHDR* header, LRESULT* result);
    afx_msg void OnDblclk(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

    CFont* m_font;
    long m_reserved;
    char m_separator;
    long m_clickedItem;
    long m_clickedSubItem;
    int m_columnCount;
    long m_pair[2];
};
