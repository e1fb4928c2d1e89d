// The strings and item data of list boxes and combo boxes.
#include "stringlist.h"

#include <cstring>
#include <strings.h>

namespace winport {

bool StringListControl::handleStrings(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const StringListMessages& m = m_messages;
    int index = static_cast<int>(static_cast<LONG>(wParam));
    const char* text = reinterpret_cast<const char*>(lParam);
    if (message == m.addString) {
        result = insert((m_window.style & m.sortStyle) ? sortedPosition(text) : count(), text);
    } else if (message == m.insertString) {
        result = index > count() ? LB_ERR : insert(index < 0 ? count() : index, text);
    } else if (message == m.deleteString) {
        if (!valid(index)) {
            result = LB_ERR;
            return true;
        }
        Updating guard(*this);
        m_items.erase(m_items.begin() + index);
        showRemoved(index);
        result = count();
    } else if (message == m.resetContent) {
        Updating guard(*this);
        m_items.clear();
        showCleared();
        result = 0;
    } else if (message == m.getCount) {
        result = count();
    } else if (message == m.getCurSel) {
        result = currentSelection();
    } else if (message == m.setCurSel) {
        result = select(index);
    } else if (message == m.getText) {
        result = valid(index) && lParam ? static_cast<LRESULT>(textAt(index).size()) : LB_ERR;
        if (result != LB_ERR)
            std::strcpy(reinterpret_cast<char*>(lParam), textAt(index).c_str());
    } else if (message == m.getTextLength) {
        result = valid(index) ? static_cast<LRESULT>(textAt(index).size()) : LB_ERR;
    } else if (message == m.findString || message == m.findStringExact) {
        result = find(index, text, message == m.findStringExact);
    } else if (message == m.selectString) {
        int found = find(index, text, false);
        if (found != LB_ERR)
            select(found);
        result = found;
    } else if (message == m.getItemData) {
        result = valid(index) ? m_items[static_cast<size_t>(index)].data : LB_ERR;
    } else if (message == m.setItemData) {
        if (valid(index))
            m_items[static_cast<size_t>(index)].data = lParam;
        result = valid(index) ? 0 : LB_ERR;
    } else {
        return false;
    }
    return true;
}

int StringListControl::find(int start, const char* text, bool exact) const
{
    std::string wanted = text ? text : "";
    int n = count();
    for (int step = 1; step <= n; ++step) {
        int i = ((start < 0 ? -1 : start) + step) % n;
        const std::string& item = textAt(i);
        bool match = exact ? strcasecmp(item.c_str(), wanted.c_str()) == 0
                           : strncasecmp(item.c_str(), wanted.c_str(), wanted.size()) == 0;
        if (match)
            return i;
    }
    return LB_ERR;
}

int StringListControl::sortedPosition(const char* text) const
{
    int i = 0;
    while (i < count() && strcasecmp(textAt(i).c_str(), text ? text : "") <= 0)
        ++i;
    return i;
}

int StringListControl::insert(int index, const char* text)
{
    Updating guard(*this);
    m_items.insert(m_items.begin() + index, Item { text ? text : "", 0 });
    showInserted(index, textAt(index));
    return index;
}
}
