// CComboBox: the combo box by its messages.
#pragma once

#include "winport/stringlistwnd.h"

class WINPORT_API CComboBox : public winport::StringListWnd<winport::ComboBoxMessages> {
public:
    int GetLBText(int index, LPSTR buffer) const { return itemText(index, buffer); }
    void GetLBText(int index, CString& text) const { itemText(index, text); }
    int GetLBTextLen(int index) const { return itemTextLength(index); }
    BOOL LimitText(int maxChars);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
};
