// The list view base: what a click leaves behind, header clicks through Columnclick, and column
// widths where a separator row follows a cell that widened its column.
#include "wintest.h"

#include "views/booklist.h"

#include <gtest/gtest.h>

using winport::testing::PumpEvents;

namespace {

class CountingList : public bookList {
public:
    int columnClicks = 0;
    long Columnclick(NMHDR* header) override
    {
        ++columnClicks;
        return bookList::Columnclick(header);
    }
};

class BookList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400,
            300, nullptr, nullptr));
        ASSERT_TRUE(list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | LVS_SINGLESEL,
            CRect(0, 0, 400, 300), &host, 5));
        LVCOLUMNA description {};
        description.mask = LVCF_TEXT;
        description.pszText = const_cast<char*>("id");
        ASSERT_EQ(list.bookListInsertColumn(0, &description), 0);
        description.pszText = const_cast<char*>("Volume");
        ASSERT_EQ(list.bookListInsertColumn(1, &description), 0);
        PumpEvents(10);
    }
    void TearDown() override { host.DestroyWindow(); }
    CListCtrl& control() { return list.GetListCtrl(); }
    void addRow(int row, const char* first, const char* second)
    {
        control().InsertItem(row, first);
        control().SetItemText(row, 1, second);
    }

    CWnd host;
    CountingList list;
};

TEST_F(BookList, ClicksRecordTheSelectedItemAndHeaderClicksKeepTheOrder)
{
    EXPECT_EQ(list.bookListGetClickedItem(), -1);
    addRow(0, "c", "1");
    addRow(1, "a", "2");
    addRow(2, "b", "3");
    PumpEvents(10);
    RECT rect {};
    ASSERT_TRUE(control().GetItemRect(2, &rect, LVIR_BOUNDS));
    winport::testing::Click(list.m_hWnd, 20, (rect.top + rect.bottom) / 2);
    PumpEvents(10);
    EXPECT_EQ(list.bookListGetClickedItem(), 2);
    EXPECT_EQ(list.bookListGetClickedSubItem(), -1);

    // The header row lies above the first item.
    ASSERT_TRUE(control().GetItemRect(0, &rect, LVIR_BOUNDS));
    winport::testing::Click(list.m_hWnd, 20, rect.top / 2);
    PumpEvents(10);
    EXPECT_EQ(list.columnClicks, 1);
    EXPECT_EQ(control().GetItemText(0, 0), "c");
    EXPECT_EQ(control().GetItemText(2, 0), "b");
}

TEST_F(BookList, SeparatorCellsFollowTheWidthChosenSoFar)
{
    addRow(0, "ab", "  north field  ");
    addRow(1, "-", "-");
    addRow(2, "x", "short");
    ASSERT_EQ(list.listColAutoWidth(), 0);
    auto xs = [&](int n) { return control().GetStringWidth(CString('X', n)); };
    EXPECT_EQ(control().GetItemText(0, 1), "north field");
    EXPECT_EQ(control().GetItemText(1, 0), "-------"); // 5 + 5/2 from "ab"
    EXPECT_EQ(control().GetItemText(1, 1), CString('-', 16)); // 11 + 11/2 from the row above
    EXPECT_EQ(control().GetColumnWidth(0), xs(7));
    EXPECT_EQ(control().GetColumnWidth(1), xs(16));
}

} // namespace
