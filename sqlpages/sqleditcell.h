// SQLEditCell: the one-line edit an SQLList lays over a cell to edit it in place. It remembers the
// text the cell had when editing began; when it loses the focus it asks the list to delete it.
#pragma once

#include "tessilo40_api.h"
#include <afxwin.h>

class SQLList;

class TESSILO40_API SQLEditCell : public CEdit {
public:
    // Creates the visible edit over rect inside the list, in the list's font, with the focus;
    // 0x80004005 in *result when the window cannot be made.
    SQLEditCell(SQLList* list, unsigned int id, RECT rect, long* result);
    ~SQLEditCell() override = default;

    // Stores the starting text; returns the previous one.
    CString SetTextOriginal(CString text);
    CString GetTextOriginal() const { return m_original; }

protected:
    afx_msg void OnKillfocus();

    SQLList* m_list;
    unsigned int m_id;
    RECT m_rect;
    int m_created;
    CString m_original;

    DECLARE_MESSAGE_MAP()
};
