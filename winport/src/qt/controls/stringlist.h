// The strings with item data that list boxes and combo boxes keep, and the messages both classes
// answer alike, each under its own message numbers (LB_* and CB_*).
#pragma once

#include "qt/windows/window.h"

#include <string>
#include <vector>

namespace winport {

struct StringListMessages {
    DWORD sortStyle;
    UINT addString, insertString, deleteString, resetContent, getCount, getCurSel, setCurSel,
        getText, getTextLength, findString, findStringExact, selectString, getItemData, setItemData;
};

class StringListControl : public Control {
public:
    StringListControl(Window& window, const StringListMessages& messages)
        : Control(window)
        , m_messages(messages)
    {
    }

protected:
    // Answers the shared messages; false for the others.
    bool handleStrings(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The widget's side of a change the program makes (no notifications while m_updating).
    virtual void showInserted(int index, const std::string& text) = 0;
    virtual void showRemoved(int index) = 0;
    virtual void showCleared() = 0;
    // The current item, LB_ERR when none; selecting an invalid index clears the selection.
    virtual int currentSelection() const = 0;
    virtual LRESULT select(int index) = 0;

    int count() const { return static_cast<int>(m_items.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    const std::string& textAt(int index) const { return m_items[static_cast<size_t>(index)].text; }
    // Case-insensitive prefix (or whole-string) search after start, wrapping around; LB_ERR.
    int find(int start, const char* text, bool exact) const;

    struct Updating {
        explicit Updating(StringListControl& c)
            : control(c)
            , previous(c.m_updating)
        {
            control.m_updating = true;
        }
        ~Updating() { control.m_updating = previous; }
        Updating(const Updating&) = delete;
        Updating& operator=(const Updating&) = delete;
        StringListControl& control;
        bool previous;
    };
    bool m_updating = false;

private:
    struct Item {
        std::string text;
        LPARAM data = 0;
    };

    int sortedPosition(const char* text) const;
    int insert(int index, const char* text);

    const StringListMessages& m_messages;
    std::vector<Item> m_items;
};
}
