// The rich edit control: positions with one per paragraph break, line ends in and out, character
// formats, protected text with EN_PROTECTED, the text limit and the selection.
#include "hostedcontrol.h"
#include "wintest.h"

#include <afxcmn.h>
#include <gtest/gtest.h>

#include <cstring>

using namespace wintest;
using winport::testing::PumpEvents;

namespace {

// A parent that answers EN_PROTECTED and remembers what was asked.
class ProtectingHost : public CWnd {
public:
    BOOL allow = FALSE;
    std::vector<ENPROTECTED> asked;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* result) override
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code != EN_PROTECTED)
            return FALSE;
        asked.push_back(*reinterpret_cast<ENPROTECTED*>(lParam));
        *result = allow ? 0 : 1;
        return TRUE;
    }
};

class RichEdit : public wintest::HostedControl<ProtectingHost, CRichEditCtrl> {
protected:
    void SetUp() override
    {
        createHosted(ES_MULTILINE, CRect(0, 0, 400, 300), 5, 400, 300);
        PumpEvents(10);
    }

    void append(const char* text)
    {
        edit.SetSel(-1, -1);
        long end = edit.GetTextLengthEx(GTL_DEFAULT);
        edit.SetSel(end, end);
        edit.ReplaceSel(text);
    }
    CString windowText()
    {
        CString text;
        edit.GetWindowText(text);
        return text;
    }
    static CHARFORMAT effects(DWORD mask, DWORD on)
    {
        CHARFORMAT format {};
        format.cbSize = sizeof format;
        format.dwMask = mask;
        format.dwEffects = on;
        return format;
    }

    CRichEditCtrl& edit = control;
};

TEST_F(RichEdit, ParagraphBreaksAreOnePositionAndComeBackAsCrLfOrCr)
{
    edit.SetWindowText("ab\r\ncd\nef\rg");
    EXPECT_EQ(edit.GetTextLengthEx(GTL_DEFAULT), 10);
    EXPECT_EQ(edit.GetTextLength(), 13);
    EXPECT_STREQ(windowText().GetString(), "ab\r\ncd\r\nef\r\ng");
    CString range;
    EXPECT_EQ(edit.GetTextRange(1, 6, range), 5);
    EXPECT_STREQ(range.GetString(), "b\rcd\r");
    edit.SetSel(3, 5);
    EXPECT_STREQ(edit.GetSelText().GetString(), "cd");
    EXPECT_EQ(edit.GetLineCount(), 4);
    EXPECT_EQ(edit.LineIndex(2), 6);
    EXPECT_EQ(edit.LineFromChar(7), 2);
}

TEST_F(RichEdit, ReplaceSelectionAppendsAndMovesTheCaret)
{
    append("first\r\n");
    append("second");
    EXPECT_STREQ(windowText().GetString(), "first\r\nsecond");
    long start = -1;
    long end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 12);
    EXPECT_EQ(end, 12);
    edit.SetSel(0, 5);
    edit.ReplaceSel("1st");
    EXPECT_STREQ(windowText().GetString(), "1st\r\nsecond");
    edit.SetSel(0, -1);
    edit.GetSel(start, end);
    EXPECT_EQ(end, 10);
}

// The program writes without returning to the event loop; the user acts next.
TEST_F(RichEdit, TheUserContinuesWhereTheProgramLeftTheTextAndSelection)
{
    edit.SetFocus();
    PumpEvents(10);
    edit.EmptyUndoBuffer();
    for (int i = 0; i < 3; ++i)
        append("row\r\n");
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.CanUndo());
    append("last");
    edit.SetSel(4, 4);
    ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "x"));
    EXPECT_STREQ(windowText().GetString(), "row\r\nxrow\r\nrow\r\nlast");
    long start = -1;
    long end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 5);
    edit.SetModify(FALSE);
    append("!");
    EXPECT_TRUE(edit.GetModify());
}

TEST_F(RichEdit, CharacterFormatsOfARangeAndOfTheNextInsertion)
{
    append("plain ");
    long end = edit.GetTextLengthEx(GTL_DEFAULT);
    CHARFORMAT bold = effects(CFM_BOLD | CFM_ITALIC, CFE_BOLD | CFE_ITALIC);
    edit.SetSel(end, end);
    edit.SetSelectionCharFormat(bold); // the insertion point's format
    edit.ReplaceSel("loud");
    edit.SetSel(6, 10);
    CHARFORMAT got {};
    edit.GetSelectionCharFormat(got);
    EXPECT_EQ(got.dwEffects & (CFE_BOLD | CFE_ITALIC), static_cast<DWORD>(CFE_BOLD | CFE_ITALIC));
    edit.SetSel(0, 5);
    edit.GetSelectionCharFormat(got);
    EXPECT_EQ(got.dwEffects & CFE_BOLD, 0u);
    // Text appended after bold text stays bold until the format is set back.
    append(" more");
    edit.SetSel(11, 15);
    edit.GetSelectionCharFormat(got);
    EXPECT_NE(got.dwEffects & CFE_BOLD, 0u);

    CHARFORMAT sized = effects(CFM_SIZE | CFM_FACE | CFM_UNDERLINE, CFE_UNDERLINE);
    sized.yHeight = 240;
    std::strcpy(sized.szFaceName, "Courier New");
    edit.SetSel(0, 5);
    edit.SetSelectionCharFormat(sized);
    edit.GetSelectionCharFormat(got);
    EXPECT_EQ(got.yHeight, 240);
    EXPECT_NE(got.dwEffects & CFE_UNDERLINE, 0u);
}

TEST_F(RichEdit, ProtectedTextAsksTheParentBeforeItChanges)
{
    append("head ");
    edit.SetSel(0, 4);
    CHARFORMAT protect = effects(CFM_PROTECTED | CFM_BOLD, CFE_PROTECTED | CFE_BOLD);
    edit.SetSelectionCharFormat(protect);
    append("tail");
    // Without ENM_PROTECTED nobody is asked.
    edit.SetSel(1, 2);
    edit.ReplaceSel("E");
    EXPECT_TRUE(host.asked.empty());
    EXPECT_STREQ(windowText().GetString(), "hEad tail");

    edit.SetEventMask(ENM_PROTECTED);
    edit.SetSel(0, 3);
    edit.ReplaceSel("X");
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_EQ(host.asked[0].msg, static_cast<UINT>(EM_REPLACESEL));
    EXPECT_EQ(host.asked[0].chrg.cpMin, 0);
    EXPECT_EQ(host.asked[0].chrg.cpMax, 3);
    EXPECT_EQ(host.asked[0].nmhdr.idFrom, 5u);
    EXPECT_STREQ(windowText().GetString(), "hEad tail");

    // Text outside the protected run changes without a question.
    edit.SetSel(5, 9);
    edit.ReplaceSel("end");
    EXPECT_EQ(host.asked.size(), 1u);
    EXPECT_STREQ(windowText().GetString(), "hEad end");

    // Lifting the protection is itself a change of protected text.
    CHARFORMAT unprotect = effects(CFM_PROTECTED, 0);
    edit.SetSel(0, 4);
    EXPECT_FALSE(edit.SetSelectionCharFormat(unprotect));
    host.allow = TRUE;
    EXPECT_TRUE(edit.SetSelectionCharFormat(unprotect));
    edit.SetSel(0, 4);
    edit.ReplaceSel("HEAD");
    EXPECT_STREQ(windowText().GetString(), "HEAD end");
}

TEST_F(RichEdit, TextLimitCutsInsertedText)
{
    EXPECT_EQ(edit.GetLimitText(), 32767);
    edit.LimitText(8);
    EXPECT_EQ(edit.GetLimitText(), 8);
    append("12345");
    append("6789abc");
    EXPECT_STREQ(windowText().GetString(), "12345678");
    edit.SetWindowText("abcdefghijk");
    EXPECT_STREQ(windowText().GetString(), "abcdefgh");
    edit.LimitText(0);
    EXPECT_EQ(edit.GetLimitText(), 32767);
}

// A report writer's appends: the length, the caret put at the end, the text. They may wait in
// the control as one piece; lengths, the text limit, formats and other messages see them all.
TEST_F(RichEdit, AppendsAtTheEndCountInLengthLimitAndFormat)
{
    auto write = [&](const char* text) {
        long end = edit.GetTextLengthEx(GTL_DEFAULT);
        edit.SetSel(end, end);
        edit.ReplaceSel(text);
    };
    edit.LimitText(12);
    write("abc\r\n");
    write("def");
    EXPECT_EQ(edit.GetTextLengthEx(GTL_DEFAULT), 7);
    write("ghijklmn");
    EXPECT_EQ(edit.GetTextLengthEx(GTL_DEFAULT), 12);
    long start = -1;
    long end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 12);
    EXPECT_EQ(end, 12);
    edit.SetSel(1, 2);
    edit.ReplaceSel("X");
    EXPECT_STREQ(windowText().GetString(), "aXc\r\ndefghijk");

    edit.LimitText(100);
    write(" plain");
    CHARFORMAT bold = effects(CFM_BOLD, CFE_BOLD);
    const long plainEnd = edit.GetTextLengthEx(GTL_DEFAULT);
    edit.SetSel(plainEnd, plainEnd);
    edit.SetSelectionCharFormat(bold);
    edit.ReplaceSel("B");
    write("C\r\n");
    write("D");
    EXPECT_STREQ(windowText().GetString(), "aXc\r\ndefghijk plainBC\r\nD");
    CHARFORMAT got {};
    edit.SetSel(plainEnd - 5, plainEnd);
    edit.GetSelectionCharFormat(got);
    EXPECT_EQ(got.dwEffects & CFE_BOLD, 0u);
    edit.SetSel(plainEnd, plainEnd + 4);
    edit.GetSelectionCharFormat(got);
    EXPECT_NE(got.dwEffects & CFE_BOLD, 0u);
}

// Every line end of appended text, "\r\n", "\r" or "\n", is one break, also where the text
// limit cuts right after one or the next append starts with its second half.
TEST_F(RichEdit, AppendedLineEndsAreOneBreakEachUpToTheLimit)
{
    auto write = [&](const char* text) {
        long end = edit.GetTextLengthEx(GTL_DEFAULT);
        edit.SetSel(end, end);
        edit.ReplaceSel(text);
    };
    edit.LimitText(9);
    write("ab\rcd\n");
    EXPECT_EQ(edit.GetTextLengthEx(GTL_DEFAULT), 6);
    write("e\r\nfgh");
    EXPECT_EQ(edit.GetTextLengthEx(GTL_DEFAULT), 9);
    EXPECT_STREQ(windowText().GetString(), "ab\r\ncd\r\ne\r\nf");

    edit.SetWindowText("");
    edit.LimitText(5);
    write("x\r");
    write("\ny\r\n");
    EXPECT_STREQ(windowText().GetString(), "x\r\n\r\ny\r\n");
    write("z");
    EXPECT_EQ(edit.GetTextLengthEx(GTL_DEFAULT), 5);
    EXPECT_EQ(edit.GetLineCount(), 4);
}

TEST_F(RichEdit, ParagraphAlignment)
{
    edit.SetWindowText("title\r\nbody");
    edit.SetSel(0, 5);
    PARAFORMAT format {};
    format.cbSize = sizeof format;
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = PFA_CENTER;
    EXPECT_TRUE(edit.SetParaFormat(format));
    PARAFORMAT got {};
    edit.GetParaFormat(got);
    EXPECT_EQ(got.wAlignment, PFA_CENTER);
    edit.SetSel(7, 7);
    edit.GetParaFormat(got);
    EXPECT_EQ(got.wAlignment, PFA_LEFT);
}

} // namespace

// The options combine by operation, share the style's bits, and read-only refuses the user's
// typing until it is switched off again.
TEST_F(RichEdit, OptionsCombineByOperationAndReadOnlyRefusesTyping)
{
    EXPECT_EQ(edit.GetOptions(), 0u) << "ES_MULTILINE is no option";
    edit.SetOptions(ECOOP_SET, ECO_AUTOVSCROLL | ECO_SAVESEL);
    EXPECT_EQ(edit.GetOptions(), static_cast<UINT>(ECO_AUTOVSCROLL | ECO_SAVESEL));
    edit.SetOptions(ECOOP_OR, ECO_READONLY | ECO_AUTOWORDSELECTION);
    EXPECT_EQ(edit.GetOptions(),
        static_cast<UINT>(ECO_AUTOVSCROLL | ECO_SAVESEL | ECO_READONLY | ECO_AUTOWORDSELECTION));
    LONG_PTR style = ::GetWindowLongPtr(edit.m_hWnd, GWL_STYLE);
    EXPECT_EQ(style & (ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE),
        ES_READONLY | ES_AUTOVSCROLL | ES_MULTILINE);
    EXPECT_EQ(style & 1, 0) << "whole-word selection has no style bit";

    append("text");
    edit.SetFocus();
    edit.SetSel(4, 4);
    winport::testing::TypeText(edit.m_hWnd, "x");
    EXPECT_STREQ(windowText().GetString(), "text");

    edit.SetOptions(ECOOP_XOR, ECO_READONLY | ECO_WANTRETURN);
    EXPECT_EQ(
        edit.GetOptions() & (ECO_READONLY | ECO_WANTRETURN), static_cast<UINT>(ECO_WANTRETURN));
    ASSERT_TRUE(winport::testing::TypeText(edit.m_hWnd, "x"));
    EXPECT_STREQ(windowText().GetString(), "textx");

    edit.SetOptions(ECOOP_AND, ECO_WANTRETURN | ECO_AUTOHSCROLL);
    EXPECT_EQ(edit.GetOptions(), static_cast<UINT>(ECO_WANTRETURN));
    ::SendMessage(edit.m_hWnd, EM_SETOPTIONS, 9, ECO_SELECTIONBAR);
    EXPECT_EQ(edit.GetOptions(), static_cast<UINT>(ECO_WANTRETURN)) << "unknown operation";
    edit.SetReadOnly(TRUE);
    EXPECT_EQ(edit.GetOptions(), static_cast<UINT>(ECO_WANTRETURN | ECO_READONLY));
}

namespace {

// The caret after a click at a point of the view.
long caretAfterClick(CRichEditCtrl& edit, int x, int y)
{
    EXPECT_TRUE(winport::testing::Click(edit.m_hWnd, x, y));
    PumpEvents(10);
    long start = -1;
    long end = -1;
    edit.GetSel(start, end);
    return start;
}

// Aligned paragraphs are drawn where their alignment puts them: a click in the middle of the
// view lands after a short left-aligned line, inside a centred one and before a right-aligned one.
TEST_F(RichEdit, ParagraphsAreShownWhereTheirAlignmentPutsThem)
{
    struct Case {
        WORD alignment;
        long fromCaret;
        long toCaret;
    };
    const Case cases[] = { { PFA_LEFT, 5, 5 }, { PFA_CENTER, 1, 4 }, { PFA_RIGHT, 0, 0 } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        edit.SetWindowText("title\r\nbody");
        edit.SetSel(0, 0);
        PARAFORMAT format {};
        format.cbSize = sizeof format;
        format.dwMask = PFM_ALIGNMENT;
        format.wAlignment = c.alignment;
        edit.SetParaFormat(format);
        PumpEvents(10);
        CRect client;
        edit.GetClientRect(&client);
        long caret = caretAfterClick(edit, client.Width() / 2, 10);
        EXPECT_GE(caret, c.fromCaret);
        EXPECT_LE(caret, c.toCaret);
    }
}

// A long text written without the event loop: its lines answer at once, and the user's Ctrl+End
// brings its last lines into sight (a click at the top of the view lands among them).
TEST_F(RichEdit, TheEndOfALongTextComesIntoSight)
{
    const int lines = 20000;
    edit.LimitText(lines * 29);
    for (int i = 0; i < lines; ++i)
        append(i + 1 < lines ? "a report line of some length\r\n" : "the last line");
    EXPECT_EQ(edit.GetLineCount(), lines);
    EXPECT_EQ(edit.LineIndex(lines - 1), (lines - 1) * 29L);
    EXPECT_EQ(edit.LineFromChar((lines - 1) * 29L - 1), lines - 2);
    ASSERT_TRUE(winport::testing::PressKey(edit.m_hWnd, VK_END, false, true));
    PumpEvents(10);
    long start = -1;
    long end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, edit.GetTextLengthEx(GTL_DEFAULT));
    long top = caretAfterClick(edit, 20, 10);
    EXPECT_GT(edit.LineFromChar(top), lines - 40);
    EXPECT_LT(edit.LineFromChar(top), lines);
}

} // namespace
