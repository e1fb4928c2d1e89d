// The edit control keeps text as inserted: "\r\n" counts two positions; selection, replacement,
// text limit, read-only and lines work on those positions.
#include "wintest.h"

#include <afxwin.h>
#include <gtest/gtest.h>

using winport::testing::PumpEvents;

namespace {
class EditControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = wintest::makeTopLevel();
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL,
            CRect(5, 5, 300, 200), CWnd::FromHandle(host), 7));
        ASSERT_TRUE(line.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(5, 210, 300, 230),
            CWnd::FromHandle(host), 8));
        wintest::recorded().clear();
    }
    void TearDown() override { DestroyWindow(host); }

    CString text(CEdit& e) const
    {
        CString s;
        e.GetWindowText(s);
        return s;
    }
    std::vector<int> changes(int id) const
    {
        std::vector<int> codes;
        for (const wintest::Message& m : wintest::recordedFor(host, WM_COMMAND)) {
            if (LOWORD(m.wParam) == id)
                codes.push_back(HIWORD(m.wParam));
        }
        return codes;
    }

    HWND host = nullptr;
    CEdit edit, line;
};

TEST_F(EditControl, LineEndsCountTwoPositions)
{
    edit.SetWindowText("ab\r\ncd\r\n\r\nef");
    EXPECT_EQ(edit.GetWindowTextLength(), 12);
    EXPECT_EQ(edit.GetLineCount(), 4);
    struct {
        int line, index, length;
    } lines[] = { { 0, 0, 2 }, { 1, 4, 2 }, { 2, 8, 0 }, { 3, 10, 2 } };
    for (auto l : lines) {
        EXPECT_EQ(edit.LineIndex(l.line), l.index) << l.line;
        EXPECT_EQ(edit.LineLength(l.index), l.length) << l.line;
        EXPECT_EQ(edit.LineFromChar(l.index), l.line) << l.line;
    }
    EXPECT_EQ(edit.LineIndex(9), -1);
    char buffer[16] = {};
    EXPECT_EQ(edit.GetLine(3, buffer, sizeof buffer), 2);
    EXPECT_EQ(std::string(buffer, 2), "ef");
}

TEST_F(EditControl, SelectionAndReplacementWorkOnStoredPositions)
{
    edit.SetWindowText("ab\r\ncd");
    edit.SetSel(2, 4); // the line break
    int start, end;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 4);
    edit.ReplaceSel("-");
    EXPECT_EQ(text(edit), "ab-cd");
    edit.GetSel(start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 3);
    edit.SetSel(0, -1);
    EXPECT_EQ(edit.GetSel(), static_cast<DWORD>(MAKELONG(0, 5)));
    edit.SetSel(-1, 0); // removes the selection, keeps the caret
    edit.GetSel(start, end);
    EXPECT_EQ(start, end);
    edit.SetSel(5, 5);
    edit.ReplaceSel("\r\nx\ny"); // kept as inserted, lone "\n" included
    EXPECT_EQ(text(edit), "ab-cd\r\nx\ny");
    EXPECT_EQ(edit.GetLineCount(), 2);
}

TEST_F(EditControl, TextLimitCutsReplacementsAndUserTyping)
{
    edit.SetLimitText(6);
    EXPECT_EQ(edit.GetLimitText(), 6u);
    edit.SetWindowText("12345678"); // setting the text is not limited
    EXPECT_EQ(text(edit), "12345678");
    edit.SetWindowText("1234");
    edit.SetSel(4, 4);
    edit.SetFocus();
    wintest::recorded().clear();
    edit.ReplaceSel("abcdef");
    EXPECT_EQ(text(edit), "1234ab");
    EXPECT_EQ(changes(7), (std::vector<int> { EN_MAXTEXT, EN_UPDATE, EN_CHANGE }));
    wintest::recorded().clear();
    ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "z"));
    EXPECT_EQ(text(edit), "1234ab");
    EXPECT_EQ(changes(7), (std::vector<int> { EN_MAXTEXT }));

    line.LimitText(3);
    line.SetFocus();
    ASSERT_TRUE(winport::testing::TypeText(line.m_hWnd, "abcdef"));
    EXPECT_EQ(text(line), "abc");
}

TEST_F(EditControl, OnlyASingleLineEditReportsTextTheProgramSets)
{
    edit.SetWindowText("multi");
    line.SetWindowText("single");
    EXPECT_TRUE(changes(7).empty());
    EXPECT_EQ(changes(8), (std::vector<int> { EN_UPDATE, EN_CHANGE }));
}

TEST_F(EditControl, UserTypingIsStoredWithWindowsLineEnds)
{
    edit.SetFocus();
    ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "ab"));
    ASSERT_TRUE(winport::testing::PressKey(edit.m_hWnd, VK_RETURN));
    ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "c"));
    EXPECT_EQ(text(edit), "ab\r\nc");
    int start, end;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_TRUE(edit.GetModify());
    std::vector<int> codes = changes(7);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), 4);
}

TEST_F(EditControl, ReadOnlyRefusesTypingButNotTheProgram)
{
    edit.SetWindowText("fixed");
    EXPECT_TRUE(edit.SetReadOnly(TRUE));
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    edit.SetFocus();
    ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "x"));
    EXPECT_EQ(text(edit), "fixed");
    edit.SetSel(0, 5);
    edit.ReplaceSel("changed");
    EXPECT_EQ(text(edit), "changed");
    edit.SetReadOnly(FALSE);
    EXPECT_FALSE(edit.GetStyle() & ES_READONLY);
}

TEST_F(EditControl, ClipboardCommandsMoveTheSelection)
{
    edit.SetWindowText("one\r\ntwo");
    edit.SetSel(0, 5);
    edit.Cut();
    EXPECT_EQ(text(edit), "two");
    edit.SetSel(3, 3);
    edit.Paste();
    EXPECT_EQ(text(edit), "twoone\r\n");
    line.SetWindowText("x");
    line.SetSel(1, 1);
    line.Paste(); // a single-line edit drops the line break
    EXPECT_EQ(text(line), "xone");
}
}
