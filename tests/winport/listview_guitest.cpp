// The report-style list view: columns, items, sub-items, item data, states, sorting, string
// widths, and the notifications of a user's click.
#include "hostedcontrol.h"
#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

using namespace wintest;
using winport::testing::PumpEvents;

namespace {

// A parent that records the list's notifications as they arrive.
class NotifyHost : public CWnd {
public:
    std::vector<std::pair<UINT, int>> notes; // code and item

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        int item = reinterpret_cast<NMLISTVIEW*>(lParam)->iItem;
        notes.emplace_back(header->code, item);
        *result = 0;
        return TRUE;
    }
};

class ListView : public wintest::HostedControl<NotifyHost, CListCtrl> {
protected:
    void SetUp() override
    {
        createHosted(
            LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, CRect(0, 0, 500, 300), 9, 500, 300);
        PumpEvents(10);
    }

    std::vector<std::string> row(int item, int columns)
    {
        std::vector<std::string> texts;
        for (int c = 0; c < columns; ++c)
            texts.push_back(list.GetItemText(item, c).GetString());
        return texts;
    }

    CListCtrl& list = control;
};

TEST_F(ListView, ColumnsInsertDeleteAndKeepTheirSubItems)
{
    EXPECT_EQ(list.InsertColumn(0, "id", LVCFMT_RIGHT, 40), 0);
    EXPECT_EQ(list.InsertColumn(1, "name", LVCFMT_LEFT, 80), 1);
    EXPECT_EQ(list.InsertColumn(7, "tail", LVCFMT_LEFT, 30), 2);
    EXPECT_EQ(list.InsertItem(0, "1"), 0);
    EXPECT_TRUE(list.SetItemText(0, 1, "north"));
    EXPECT_TRUE(list.SetItemText(0, 2, "t"));
    EXPECT_FALSE(list.SetItemText(0, 3, "beyond the columns"));
    EXPECT_EQ(list.InsertColumn(1, "mid", LVCFMT_CENTER, 0), 1);
    EXPECT_EQ(row(0, 4), (std::vector<std::string> { "1", "", "north", "t" }));
    EXPECT_EQ(list.GetColumnWidth(1), 0);
    EXPECT_EQ(list.GetColumnWidth(2), 80);

    LVCOLUMN column {};
    char text[32];
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    column.pszText = text;
    column.cchTextMax = sizeof text;
    ASSERT_TRUE(list.GetColumn(0, &column));
    EXPECT_STREQ(text, "id");
    EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
    EXPECT_EQ(column.cx, 40);

    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_EQ(row(0, 3), (std::vector<std::string> { "", "north", "t" }));
    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_TRUE(list.DeleteColumn(0));
    EXPECT_FALSE(list.DeleteColumn(0));
    EXPECT_TRUE(list.SetColumnWidth(0, 10) == FALSE);
}

TEST_F(ListView, ItemsCarryDataAndStates)
{
    list.InsertColumn(0, "a", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "b", LVCFMT_LEFT, 50);
    LVITEM item {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.pszText = const_cast<char*>("first");
    item.lParam = 7;
    EXPECT_EQ(list.InsertItem(&item), 0);
    item.iItem = 99; // past the end: appended
    item.pszText = const_cast<char*>("second");
    item.lParam = 3;
    EXPECT_EQ(list.InsertItem(&item), 1);
    item.iItem = 0;
    item.pszText = const_cast<char*>("zeroth");
    item.lParam = 5;
    EXPECT_EQ(list.InsertItem(&item), 0);
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemData(0), 5u);
    EXPECT_EQ(list.GetItemData(1), 7u);
    EXPECT_TRUE(list.SetItemData(2, 1));
    EXPECT_EQ(list.GetItemData(2), 1u);
    EXPECT_EQ(list.GetItemData(3), 0u);

    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_TRUE(list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED),
        static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetSelectedCount(), 1u);
    EXPECT_TRUE(list.SetItemState(1, 0, LVIS_SELECTED));
    EXPECT_EQ(list.GetSelectedCount(), 0u);
    EXPECT_TRUE(list.EnsureVisible(2, FALSE));

    EXPECT_TRUE(list.SortItems(
        [](LPARAM a, LPARAM b, LPARAM) -> int { return a < b ? -1
                                                    : a > b  ? 1
                                                             : 0; }, 0));
    EXPECT_EQ(list.GetItemText(0, 0), CString("second"));
    EXPECT_EQ(list.GetItemData(0), 1u);
    EXPECT_EQ(list.GetItemData(2), 7u);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_FALSE(list.DeleteItem(5));
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(ListView, StringWidthsFollowTheFont)
{
    int five = list.GetStringWidth("XXXXX");
    int ten = list.GetStringWidth("XXXXXXXXXX");
    EXPECT_GT(five, 0);
    EXPECT_NEAR(ten, 2 * five, 2);
    EXPECT_EQ(list.GetStringWidth(""), 0);
}

TEST_F(ListView, ClicksNotifyTheParent)
{
    list.InsertColumn(0, "a", LVCFMT_LEFT, 100);
    list.InsertItem(0, "row 0");
    list.InsertItem(1, "row 1");
    PumpEvents(10);
    RECT rect {};
    ASSERT_TRUE(list.GetItemRect(1, &rect, LVIR_BOUNDS));
    host.notes.clear();
    winport::testing::Click(
        list.m_hWnd, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    PumpEvents(10);
    bool clicked = false;
    for (const auto& note : host.notes)
        clicked = clicked || (note.first == static_cast<UINT>(NM_CLICK) && note.second == 1);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    LVHITTESTINFO hit {};
    hit.pt = { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
    EXPECT_EQ(list.SubItemHitTest(&hit), 1);
    EXPECT_EQ(hit.iSubItem, 0);
}

TEST_F(ListView, KeysNotifyBeforeTheListMoves)
{
    list.InsertColumn(0, "a", LVCFMT_LEFT, 100);
    list.InsertItem(0, "row 0");
    PumpEvents(10);
    host.notes.clear();
    winport::testing::PressKey(list.m_hWnd, VK_RETURN);
    PumpEvents(10);
    std::vector<UINT> codes;
    for (const auto& note : host.notes)
        if (note.first != static_cast<UINT>(NM_SETFOCUS))
            codes.push_back(note.first);
    EXPECT_EQ(codes, (std::vector<UINT> { LVN_KEYDOWN, NM_RETURN }));
}

// Rows the program appends without returning to the event loop: every message sees them at once,
// whether it reads them, changes their state, inserts before them or asks where they are shown.
TEST_F(ListView, RowsWrittenWithoutTheEventLoopAnswerAtOnce)
{
    list.InsertColumn(0, "a", LVCFMT_LEFT, 60);
    list.InsertColumn(1, "b", LVCFMT_LEFT, 60);
    const int rows = 3000;
    for (int i = 0; i < rows; ++i) {
        std::string text = std::to_string(i);
        EXPECT_EQ(list.InsertItem(i, text.c_str()), i);
        list.SetItemText(i, 1, ("b" + text).c_str());
        list.SetItemData(i, static_cast<DWORD_PTR>(i));
    }
    EXPECT_EQ(list.GetItemCount(), rows);
    EXPECT_EQ(row(rows - 1, 2), (std::vector<std::string> { "2999", "b2999" }));
    RECT first {};
    RECT last {};
    ASSERT_TRUE(list.GetItemRect(0, &first, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(rows - 1, &last, LVIR_BOUNDS));
    EXPECT_EQ(last.top - first.top, (rows - 1) * (first.bottom - first.top));

    list.InsertItem(rows, "appended");
    EXPECT_TRUE(list.SetItemState(rows, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), rows);
    list.InsertItem(rows + 1, "waits");
    EXPECT_EQ(list.InsertItem(1, "inserted"), 1);
    EXPECT_EQ(list.InsertColumn(0, "new", LVCFMT_LEFT, 30), 0);
    EXPECT_EQ(row(1, 3), (std::vector<std::string> { "", "inserted", "" }));
    EXPECT_EQ(row(rows + 2, 3), (std::vector<std::string> { "", "waits", "" }));
    EXPECT_EQ(row(rows, 3), (std::vector<std::string> { "", "2999", "b2999" }));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), rows + 1) << "the selection moved with its row";
}

// The user's Ctrl+End reaches the last of rows the view has not shown yet.
TEST_F(ListView, TheUserReachesTheLastOfRowsJustWritten)
{
    list.InsertColumn(0, "a", LVCFMT_LEFT, 100);
    const int rows = 2000;
    for (int i = 0; i < rows; ++i)
        list.InsertItem(i, std::to_string(i).c_str());
    host.notes.clear();
    ASSERT_TRUE(winport::testing::PressKey(list.m_hWnd, VK_END, false, true));
    PumpEvents(10);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), rows - 1);
    RECT rect {};
    ASSERT_TRUE(list.GetItemRect(rows - 1, &rect, LVIR_BOUNDS));
    CRect client;
    list.GetClientRect(&client);
    EXPECT_GT(rect.top, 0);
    EXPECT_LE(rect.bottom, client.bottom);
    LVHITTESTINFO hit {};
    hit.pt = { (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2 };
    EXPECT_EQ(list.HitTest(&hit), rows - 1);
}

} // namespace
