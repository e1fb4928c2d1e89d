// The control frame's list: a run follows the coordinated list box, clicks lead it, "OK" picks
// the current row and "Done" drops it; cells of editable columns are edited in place, "OK" takes
// the edit and "Done" or a focus change drops it.
#include "framehost.h"
#include "sqlpages/sqleditcell.h"
#include "sqlpages/sqllist.h"
#include "report/sqlexec.h"

#include <winport/testinput.h>

#include <memory>

namespace {

class ListFrame : public FrameHost {
protected:
    void SetUp() override
    {
        FrameHost::SetUp();
        if (HasFatalFailure())
            return;
        RECT place { 10, 10, 610, 460 };
        frame = std::make_unique<MfcControlSQL>(
            &host, MFCCONTROLSQL_LIST, "Meters", &place, 1, nullptr);
        list = frame->GetList();
        ASSERT_NE(list, nullptr);
        frame->GetSQLExec()->MfcSQLWantDate(0);
        frame->SetSQL("SELECT name, qty FROM m ORDER BY name");
    }
    void TearDown() override
    {
        frame.reset();
        FrameHost::TearDown();
    }

    // A user's click into a cell of the list.
    void clickCell(int row, int column)
    {
        CListCtrl& control = list->GetListCtrl();
        CRect bounds;
        ASSERT_TRUE(control.GetItemRect(row, &bounds, LVIR_BOUNDS));
        int x = bounds.left + 3;
        for (int c = 0; c < column; ++c)
            x += control.GetColumnWidth(c);
        ASSERT_TRUE(winport::testing::Click(list->m_hWnd, x, bounds.top + bounds.Height() / 2));
        pump();
    }
    void press(int button)
    {
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
            reinterpret_cast<LPARAM>(frame->GetDlgItem(button)->m_hWnd));
    }
    CListCtrl& control() { return list->GetListCtrl(); }

    std::unique_ptr<MfcControlSQL> frame;
    SQLList* list = nullptr;
};

TEST_F(ListFrame, RunFollowsTheListBoxClicksLeadItOkPicksDoneDrops)
{
    // Entry i of the box names list row 7 - i; entry 4 names row 3.
    for (int i = 0; i < 8; ++i)
        box.SetItemData(box.AddString(CString('a' + i, 1)), static_cast<DWORD_PTR>(7 - i));
    box.MoveWindow(700, 10, 180, 40);
    box.SetCurSel(4);
    frame->SetCoordinateWindow(box.m_hWnd, SQLLIST_COORD_LISTBOX);
    ASSERT_EQ(frame->SQLExecute(), 0);
    EXPECT_EQ(control().GetNextItem(-1, LVNI_SELECTED), 3);
    EXPECT_EQ(control().GetItemState(3, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
    EXPECT_EQ(list->GetCurrentRow(), 3);
    EXPECT_EQ(frame->GetSelectedRow(), -1);
    // Result rows carry item data 1, the totals rows after them 0.
    EXPECT_EQ(list->itemDataFind(1), 0);
    EXPECT_EQ(list->itemDataFind(0), 4);
    EXPECT_EQ(list->itemDataFind(7), -1);

    clickCell(2, 0);
    EXPECT_EQ(frame->GetSelectedRow(), 2);
    EXPECT_EQ(box.GetCurSel(), 2);
    EXPECT_EQ(box.GetTopIndex(), 2);

    press(IDCANCEL);
    EXPECT_EQ(frame->GetClosingState(), 2);
    EXPECT_EQ(frame->GetSelectedRow(), -1);
    EXPECT_EQ(control().GetSelectedCount(), 0u);
    EXPECT_FALSE(frame->IsWindowVisible());

    frame->ShowWindow(SW_SHOW);
    clickCell(1, 1);
    press(IDOK);
    EXPECT_EQ(frame->GetClosingState(), 6);
    EXPECT_EQ(frame->GetSelectedRow(), 1);
    EXPECT_FALSE(frame->IsWindowVisible());

    // A box without a selection, or no box at all, changes nothing.
    box.SetCurSel(-1);
    EXPECT_EQ(list->Coord(), static_cast<long>(E_FAIL));
    EXPECT_EQ(control().GetNextItem(-1, LVNI_SELECTED), 1);
    list->SetCoordinateWindow(nullptr, 0);
    EXPECT_EQ(list->Coord(), static_cast<long>(E_UNEXPECTED));
    EXPECT_EQ(list->CoordCoord(), static_cast<long>(E_UNEXPECTED));
}

TEST_F(ListFrame, EditableCellsOpenOnTheSelectedRowAndOkTakesTheText)
{
    ASSERT_EQ(frame->SQLExecute(), 0);
    EXPECT_EQ(list->SubItemEdit(1, 6, 1), static_cast<long>(E_UNEXPECTED));
    EXPECT_EQ(list->SubItemIsEdit(1), 0);
    frame->SetCoordEdit(1);
    ASSERT_EQ(list->SubItemEdit(1, 6, 1), 0);
    ASSERT_EQ(list->SubItemEdit(0, -1, 1), 0);
    EXPECT_EQ(list->SubItemIsEdit(1), 1);

    clickCell(2, 1); // selects the row
    EXPECT_EQ(list->GetCellEditor(), nullptr);
    clickCell(2, 0); // the first column is never edited in place
    EXPECT_EQ(list->GetCurrentColumn(), 0);
    EXPECT_EQ(list->GetCellEditor(), nullptr);
    RECT cell;
    EXPECT_EQ(list->SubItemRectCalc(&cell), static_cast<long>(E_UNEXPECTED));

    clickCell(2, 1);
    SQLEditCell* editor = list->GetCellEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(list->GetCurrentColumn(), 1);
    const CString before = control().GetItemText(2, 1);
    CString text;
    editor->GetWindowText(text);
    EXPECT_EQ(text, before);
    EXPECT_EQ(editor->GetTextOriginal(), before);
    EXPECT_EQ(editor->GetLimitText(), 6u);
    ASSERT_EQ(list->SubItemRectCalc(&cell), 0);
    CRect placed;
    editor->GetWindowRect(&placed);
    list->ScreenToClient(&placed);
    EXPECT_EQ(placed, CRect(cell));
    EXPECT_EQ(placed.Width(), control().GetColumnWidth(1));

    // Unchanged text is no change.
    EXPECT_EQ(list->SelCellEditAccept(editor), static_cast<long>(E_FAIL));
    EXPECT_EQ(editor->GetTextOriginal(), before);

    editor->SetWindowText("77");
    press(IDOK);
    EXPECT_EQ(frame->GetClosingState(), 7);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(list->GetCellEditor(), nullptr);
    EXPECT_STREQ(control().GetItemText(2, 1), "77");
    press(IDOK);
    EXPECT_EQ(frame->GetClosingState(), 6);
    EXPECT_EQ(frame->GetSelectedRow(), 2);
    EXPECT_FALSE(frame->IsWindowVisible());
}

TEST_F(ListFrame, DoneOrAFocusChangeDropsTheCellEdit)
{
    ASSERT_EQ(frame->SQLExecute(), 0);
    frame->SetCoordEdit(1);
    ASSERT_EQ(list->SubItemEdit(1, -1, 1), 0);
    clickCell(1, 1);
    clickCell(1, 1);
    ASSERT_NE(list->GetCellEditor(), nullptr);
    const CString before = control().GetItemText(1, 1);
    list->GetCellEditor()->SetWindowText("5");
    press(IDCANCEL);
    EXPECT_EQ(frame->GetClosingState(), 6);
    EXPECT_TRUE(frame->IsWindowVisible());
    EXPECT_EQ(list->GetCellEditor(), nullptr);
    EXPECT_EQ(control().GetItemText(1, 1), before);
    EXPECT_EQ(frame->GetSelectedRow(), -1);

    clickCell(1, 1);
    clickCell(1, 1);
    ASSERT_NE(list->GetCellEditor(), nullptr);
    box.SetFocus();
    pump();
    EXPECT_EQ(list->GetCellEditor(), nullptr);
}

} // namespace
