// The shared calls of CListBox and CComboBox: each sends its own message for the same request.
#include "winport/stringlistwnd.h"
#include "msgparam.h"

namespace winport {

template <class M>
BOOL StringListWnd<M>::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(M::windowClass, nullptr, style, rect, parent, id);
}
template <class M> int StringListWnd<M>::AddString(LPCSTR text)
{
    return static_cast<int>(SendMessage(M::addString, 0, textParam(text)));
}
template <class M> int StringListWnd<M>::InsertString(int index, LPCSTR text)
{
    return static_cast<int>(
        SendMessage(M::insertString, static_cast<WPARAM>(index), textParam(text)));
}
template <class M> int StringListWnd<M>::DeleteString(UINT index)
{
    return static_cast<int>(SendMessage(M::deleteString, index));
}
template <class M> void StringListWnd<M>::ResetContent() { SendMessage(M::resetContent); }
template <class M> int StringListWnd<M>::GetCount() const
{
    return static_cast<int>(SendMessage(M::getCount));
}
template <class M> int StringListWnd<M>::GetCurSel() const
{
    return static_cast<int>(SendMessage(M::getCurSel));
}
template <class M> int StringListWnd<M>::SetCurSel(int index)
{
    return static_cast<int>(SendMessage(M::setCurSel, static_cast<WPARAM>(index)));
}
template <class M> int StringListWnd<M>::FindString(int start, LPCSTR text) const
{
    return static_cast<int>(
        SendMessage(M::findString, static_cast<WPARAM>(start), textParam(text)));
}
template <class M> int StringListWnd<M>::FindStringExact(int start, LPCSTR text) const
{
    return static_cast<int>(
        SendMessage(M::findStringExact, static_cast<WPARAM>(start), textParam(text)));
}
template <class M> int StringListWnd<M>::SelectString(int start, LPCSTR text)
{
    return static_cast<int>(
        SendMessage(M::selectString, static_cast<WPARAM>(start), textParam(text)));
}
template <class M> DWORD_PTR StringListWnd<M>::GetItemData(int index) const
{
    return static_cast<DWORD_PTR>(SendMessage(M::getItemData, static_cast<WPARAM>(index)));
}
template <class M> int StringListWnd<M>::SetItemData(int index, DWORD_PTR data)
{
    return static_cast<int>(
        SendMessage(M::setItemData, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}
template <class M> int StringListWnd<M>::itemText(int index, LPSTR buffer) const
{
    return static_cast<int>(
        SendMessage(M::getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
}
template <class M> void StringListWnd<M>::itemText(int index, CString& text) const
{
    int length = itemTextLength(index);
    if (length < 0) {
        text.Empty();
        return;
    }
    itemText(index, text.GetBuffer(length));
    text.ReleaseBuffer(length);
}
template <class M> int StringListWnd<M>::itemTextLength(int index) const
{
    return static_cast<int>(SendMessage(M::getTextLength, static_cast<WPARAM>(index)));
}

template class StringListWnd<ListBoxMessages>;
template class StringListWnd<ComboBoxMessages>;

} // namespace winport
