// The edit control keeps text as inserted: "\r\n" counts two positions; selection, replacement,
// text limit, read-only and lines work on those positions.
#include "wintest.h"

#include <afxwin.h>
#include <algorithm>
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

// Replacements change the shown text only around themselves; a character either side may join
// or leave a "\r\n" pair. Typing afterwards compares the whole shown text with the stored one,
// so a widget out of step would show as a changed text.
TEST_F(EditControl, ReplacementsThatJoinOrSplitLineBreaksKeepLinesInStep)
{
    struct {
        const char* before;
        int start, end;
        const char* insert;
        const char* after;
        int lines;
        int secondLine;
    } cases[] = {
        { "ab\r", 3, 3, "\ncd", "ab\r\ncd", 2, 4 },
        { "ab\r\ncd", 3, 3, "x", "ab\rx\ncd", 1, -1 },
        { "ab\r\ncd", 2, 3, "", "ab\ncd", 1, -1 },
        { "a\r\r\nb", 1, 2, "", "a\r\nb", 2, 3 },
        { "\n", 0, 0, "\r", "\r\n", 2, 2 },
        { "1\r\n2\r\n3", 1, 6, "\r\n\r\n", "1\r\n\r\n3", 3, 3 },
        { "x", 1, 1, "\r\ny\r\nz", "x\r\ny\r\nz", 3, 3 },
        // lone "\r" and "\n" inside a line show as blanks; a pair after them still breaks
        { "a\nb", 3, 3, "\rc\r\nd\n", "a\nb\rc\r\nd\n", 2, 7 },
        // into a widget that shows nothing yet
        { "", 0, 0, "a\r\nb\r", "a\r\nb\r", 2, 3 },
    };
    edit.SetFocus();
    for (const auto& c : cases) {
        edit.SetWindowText(c.before);
        edit.SetSel(c.start, c.end);
        edit.ReplaceSel(c.insert);
        EXPECT_EQ(text(edit), c.after) << c.before;
        EXPECT_EQ(edit.GetLineCount(), c.lines) << c.before;
        EXPECT_EQ(edit.LineIndex(1), c.secondLine) << c.before;
        const int length = edit.GetWindowTextLength();
        edit.SetSel(length, length);
        ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "z"));
        EXPECT_EQ(text(edit), CString(c.after) + "z") << c.before;
    }
}

// A report appends row after row at the end, putting the caret back each time, without the event
// loop running in between: every message reads the text as appended so far, the owner hears of
// every change, and the widget then shows it all (typing compares the shown text with the kept).
TEST_F(EditControl, AppendsAtTheEndReadBackBeforeTheWidgetCatchesUp)
{
    edit.SetLimitText(0);
    edit.SetFocus();
    CString expected;
    const char* pieces[] = { "\r\nrow  1", "\r", "\nrow\n2 ", "\r\n\r\n", "end\r" };
    int appends = 0;
    for (int round = 0; round < 40; ++round) {
        for (const char* piece : pieces) {
            const int length = edit.GetWindowTextLength();
            edit.SetSel(length, length);
            edit.ReplaceSel(piece);
            edit.SetSel(0, 0);
            expected += piece;
            ++appends;
        }
        ASSERT_EQ(text(edit), expected) << round;
        // Lines: 1 + four pairs a round, one of them joined across two appends.
        ASSERT_EQ(edit.GetLineCount(), 1 + 4 * (round + 1)) << round;
        ASSERT_EQ(edit.LineIndex(4 * (round + 1)), expected.GetLength() - 4) << round;
        int start = -1, end = -1;
        edit.GetSel(start, end);
        ASSERT_EQ(start, 0);
        ASSERT_EQ(end, 0);
    }
    const std::vector<int> codes = changes(7);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), appends);
    const int length = edit.GetWindowTextLength();
    edit.SetSel(length, length);
    ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "z"));
    EXPECT_EQ(text(edit), expected + "z");
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

TEST(EditNumber, RefusesTypedNonDigitsButNotTheProgram)
{
    HWND host = wintest::makeTopLevel();
    CEdit number;
    ASSERT_TRUE(number.Create(WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_RIGHT, CRect(5, 5, 100, 25),
        CWnd::FromHandle(host), 9));
    number.SetFocus();
    ASSERT_TRUE(winport::testing::TypeText(number.m_hWnd, "1a-2.5"));
    CString typed;
    number.GetWindowText(typed);
    EXPECT_STREQ(typed, "125");
    number.SetWindowText("-1.5e3");
    number.GetWindowText(typed);
    EXPECT_STREQ(typed, "-1.5e3");
    DestroyWindow(host);
}
