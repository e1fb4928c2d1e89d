// List boxes and combo boxes keep their strings and item data alike: one suite runs against both,
// each through its own messages.
#include "wintest.h"

#include <gtest/gtest.h>

namespace {
struct StringListKind {
    const char* name;
    const char* className;
    DWORD sortStyle;
    DWORD baseStyle; // a notifying list box, a drop-down combo box
    UINT add, insert, remove, reset, count, getCurSel, setCurSel, getText, getTextLength, find,
        findExact, select, getData, setData;
    UINT selectionChange; // the notification of a user's change (none for the program's)
};

const StringListKind kKinds[] = {
    { "ListBox", "ListBox", LBS_SORT, LBS_NOTIFY, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING,
        LB_RESETCONTENT, LB_GETCOUNT, LB_GETCURSEL, LB_SETCURSEL, LB_GETTEXT, LB_GETTEXTLEN,
        LB_FINDSTRING, LB_FINDSTRINGEXACT, LB_SELECTSTRING, LB_GETITEMDATA, LB_SETITEMDATA,
        LBN_SELCHANGE },
    { "ComboBox", "ComboBox", CBS_SORT, CBS_DROPDOWN, CB_ADDSTRING, CB_INSERTSTRING,
        CB_DELETESTRING, CB_RESETCONTENT, CB_GETCOUNT, CB_GETCURSEL, CB_SETCURSEL, CB_GETLBTEXT,
        CB_GETLBTEXTLEN, CB_FINDSTRING, CB_FINDSTRINGEXACT, CB_SELECTSTRING, CB_GETITEMDATA,
        CB_SETITEMDATA, CBN_SELCHANGE },
};

class StringList : public ::testing::TestWithParam<StringListKind> {
protected:
    void SetUp() override { host = wintest::makeTopLevel(); }
    void TearDown() override { DestroyWindow(host); }

    void make(DWORD style)
    {
        list = wintest::makeChild(host, GetParam().className, "",
            style | GetParam().baseStyle | WS_VSCROLL, 10, 10, 200, 150, 11);
        ASSERT_NE(list, nullptr);
        wintest::recorded().clear();
    }
    LRESULT send(UINT message, WPARAM wParam = 0, const char* text = nullptr)
    {
        return SendMessage(list, message, wParam, reinterpret_cast<LPARAM>(text));
    }
    LRESULT add(const char* text) { return send(GetParam().add, 0, text); }
    std::string item(int index)
    {
        char buffer[64] = {};
        LRESULT length = SendMessage(
            list, GetParam().getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(length, SendMessage(list, GetParam().getTextLength, index, 0));
        return length < 0 ? "<error>" : buffer;
    }
    std::vector<std::string> items()
    {
        std::vector<std::string> out;
        for (int i = 0; i < send(GetParam().count); ++i)
            out.push_back(item(i));
        return out;
    }

    HWND host = nullptr;
    HWND list = nullptr;
};

TEST_P(StringList, StringsAreAddedInsertedAndDeletedByIndex)
{
    const StringListKind& k = GetParam();
    make(0);
    EXPECT_EQ(add("pear"), 0);
    EXPECT_EQ(add("apple"), 1);
    EXPECT_EQ(send(k.insert, 1, "fig"), 1);
    EXPECT_EQ(send(k.insert, static_cast<WPARAM>(-1), "kiwi"), 3); // -1 appends
    EXPECT_EQ(send(k.insert, 9, "late"), LB_ERR);
    EXPECT_EQ(items(), (std::vector<std::string> { "pear", "fig", "apple", "kiwi" }));
    EXPECT_EQ(item(4), "<error>");
    EXPECT_EQ(send(k.remove, 0), 3); // the count left
    EXPECT_EQ(send(k.remove, 3), LB_ERR);
    EXPECT_EQ(items(), (std::vector<std::string> { "fig", "apple", "kiwi" }));
    send(k.reset);
    EXPECT_EQ(send(k.count), 0);
}

TEST_P(StringList, SortedListsAddInCaseInsensitiveOrderButInsertWhereTold)
{
    const StringListKind& k = GetParam();
    make(k.sortStyle);
    EXPECT_EQ(add("pear"), 0);
    EXPECT_EQ(add("Apple"), 0);
    EXPECT_EQ(add("banana"), 1);
    EXPECT_EQ(send(k.insert, 0, "zz"), 0);
    EXPECT_EQ(items(), (std::vector<std::string> { "zz", "Apple", "banana", "pear" }));
}

TEST_P(StringList, FindingSearchesAfterTheStartAndWrapsAround)
{
    const StringListKind& k = GetParam();
    make(0);
    for (const char* s : { "Main", "main st", "Mill" })
        add(s);
    struct Case {
        UINT message;
        int start;
        const char* text;
        LRESULT found;
    } cases[] = {
        { k.find, -1, "MA", 0 },
        { k.find, 0, "ma", 1 },
        { k.find, 1, "ma", 0 }, // wraps around
        { k.find, -1, "", 0 }, // the empty prefix matches the first
        { k.findExact, -1, "MAIN", 0 },
        { k.findExact, 0, "main", 0 }, // the start itself comes last
        { k.findExact, -1, "mai", LB_ERR },
    };
    for (const Case& c : cases)
        EXPECT_EQ(send(c.message, static_cast<WPARAM>(c.start), c.text), c.found)
            << c.text << " from " << c.start;
}

TEST_P(StringList, TheProgramSelectsAndKeepsItemDataWithoutNotifying)
{
    const StringListKind& k = GetParam();
    make(0);
    for (const char* s : { "Main", "Mill", "Oak" })
        add(s);
    EXPECT_EQ(send(k.getCurSel), LB_ERR);
    EXPECT_EQ(send(k.select, static_cast<WPARAM>(-1), "mi"), 1);
    EXPECT_EQ(send(k.getCurSel), 1);
    EXPECT_EQ(send(k.select, static_cast<WPARAM>(-1), "zz"), LB_ERR);
    EXPECT_EQ(send(k.getCurSel), 1); // a failed search leaves the selection
    EXPECT_EQ(send(k.setCurSel, 2), 2);
    EXPECT_EQ(send(k.getCurSel), 2);
    EXPECT_EQ(send(k.setCurSel, static_cast<WPARAM>(-1)), LB_ERR); // clears the selection
    EXPECT_EQ(send(k.getCurSel), LB_ERR);

    EXPECT_NE(SendMessage(list, k.setData, 1, 4242), LB_ERR);
    EXPECT_EQ(SendMessage(list, k.getData, 1, 0), 4242);
    EXPECT_EQ(SendMessage(list, k.getData, 0, 0), 0);
    EXPECT_EQ(SendMessage(list, k.setData, 7, 1), LB_ERR);
    EXPECT_EQ(SendMessage(list, k.getData, 7, 0), LB_ERR);
    send(k.remove, 0); // the data moves with its string
    EXPECT_EQ(SendMessage(list, k.getData, 0, 0), 4242);

    for (const wintest::Message& m : wintest::recordedFor(host, WM_COMMAND))
        EXPECT_NE(HIWORD(m.wParam), k.selectionChange);
}

INSTANTIATE_TEST_SUITE_P(ListAndCombo, StringList, ::testing::ValuesIn(kKinds),
    [](const ::testing::TestParamInfo<StringListKind>& info) { return info.param.name; });
}
