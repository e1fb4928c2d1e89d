// CListBox: the list box by its messages.
#pragma once

#include "winport/stringlistwnd.h"

class WINPORT_API CListBox : public winport::StringListWnd<winport::ListBoxMessages> {
public:
    int GetText(int index, LPSTR buffer) const { return itemText(index, buffer); }
    void GetText(int index, CString& text) const { itemText(index, text); }
    int GetTextLen(int index) const { return itemTextLength(index); }
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int max, LPINT items) const;
    int GetTopIndex() const;
    int SetTopIndex(int index);
};
