// The calls list boxes and combo boxes share: CListBox and CComboBox send the same requests, each
// under its own message numbers (LB_* and CB_*), named by a table of messages.
#pragma once

#include "afxstr.h"
#include "cwnd.h"
#include "winport/export.h"
#include "winuser.h"

namespace winport {

// The message tables are exported with the base: a template instantiated over a hidden type would
// be hidden too.
struct WINPORT_API ListBoxMessages {
    static constexpr const char* windowClass = "ListBox";
    static constexpr UINT addString = LB_ADDSTRING, insertString = LB_INSERTSTRING,
                          deleteString = LB_DELETESTRING, resetContent = LB_RESETCONTENT,
                          getCount = LB_GETCOUNT, getCurSel = LB_GETCURSEL,
                          setCurSel = LB_SETCURSEL, getText = LB_GETTEXT,
                          getTextLength = LB_GETTEXTLEN, findString = LB_FINDSTRING,
                          findStringExact = LB_FINDSTRINGEXACT, selectString = LB_SELECTSTRING,
                          getItemData = LB_GETITEMDATA, setItemData = LB_SETITEMDATA;
};

struct WINPORT_API ComboBoxMessages {
    static constexpr const char* windowClass = "ComboBox";
    static constexpr UINT addString = CB_ADDSTRING, insertString = CB_INSERTSTRING,
                          deleteString = CB_DELETESTRING, resetContent = CB_RESETCONTENT,
                          getCount = CB_GETCOUNT, getCurSel = CB_GETCURSEL,
                          setCurSel = CB_SETCURSEL, getText = CB_GETLBTEXT,
                          getTextLength = CB_GETLBTEXTLEN, findString = CB_FINDSTRING,
                          findStringExact = CB_FINDSTRINGEXACT, selectString = CB_SELECTSTRING,
                          getItemData = CB_GETITEMDATA, setItemData = CB_SETITEMDATA;
};

// The window of the class Messages names, by the messages both controls answer alike. It holds no
// data of its own, so a CWnd of that class may be used through it.
template <class Messages> class WINPORT_API StringListWnd : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCSTR text);
    int InsertString(int index, LPCSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int FindString(int start, LPCSTR text) const;
    int FindStringExact(int start, LPCSTR text) const;
    int SelectString(int start, LPCSTR text);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);

protected:
    // An item's text into the caller's buffer (its length, or the error), into a CString (emptied
    // for an invalid index), and its length.
    int itemText(int index, LPSTR buffer) const;
    void itemText(int index, CString& text) const;
    int itemTextLength(int index) const;
};

extern template class StringListWnd<ListBoxMessages>;
extern template class StringListWnd<ComboBoxMessages>;

} // namespace winport
