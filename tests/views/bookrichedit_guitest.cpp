// The rich-edit view beyond printing: the font dialog on a selection and on the whole text, the
// title range formatted and rewritten from its record, and the column table.
#include "wintest.h"

#include "views/bookrichedit.h"

#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class RichEditView : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 500,
            300, nullptr, nullptr));
        ASSERT_TRUE(
            view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 300), &host, 7));
        view.bookEditSetFont();
    }
    void TearDown() override { host.DestroyWindow(); }

    CHARFORMAT formatAt(long from, long to)
    {
        CRichEditCtrl& edit = view.GetRichEditCtrl();
        edit.SetSel(from, to);
        CHARFORMAT format {};
        format.cbSize = sizeof format;
        edit.GetSelectionCharFormat(format);
        return format;
    }

    std::string range(long from, long to)
    {
        CString text;
        view.GetRichEditCtrl().GetTextRange(static_cast<int>(from), static_cast<int>(to), text);
        return text.GetString();
    }

    // A font dialog that has been answered with 12-point bold Arial.
    void chooseArialBold(CFontDialog& dialog)
    {
        LOGFONTA font {};
        std::strcpy(font.lfFaceName, "Arial");
        font.lfWeight = FW_BOLD;
        font.lfHeight = -16;
        winport::testing::ScriptFontDialog(font, 120);
        ASSERT_EQ(dialog.DoModal(), IDOK);
    }

    CWnd host;
    bookRichEdit view;
};

TEST_F(RichEditView, FontDialogChangesTheSelectionOrTheWholeTextAndTheViewsFont)
{
    view.bookRichEditAppend("first line\r\nsecond line\r\n", 0, true);
    CRichEditCtrl& edit = view.GetRichEditCtrl();
    CFontDialog dialog;
    chooseArialBold(dialog);

    edit.SetSel(0, 5);
    ASSERT_EQ(view.bookEditSetFont(&dialog), 0);
    EXPECT_EQ(view.bookEditGetFontSize(), 8); // the view's own font stays
    CHARFORMAT chosen = formatAt(0, 5);
    EXPECT_STREQ(chosen.szFaceName, "Arial");
    EXPECT_EQ(chosen.yHeight, 240);
    EXPECT_TRUE(chosen.dwEffects & CFE_BOLD);
    EXPECT_FALSE(formatAt(12, 18).dwEffects & CFE_BOLD);

    edit.SetSel(3, 3);
    ASSERT_EQ(view.bookEditSetFont(&dialog), 0);
    EXPECT_EQ(view.bookEditGetFontSize(), 12);
    EXPECT_TRUE(formatAt(12, 18).dwEffects & CFE_BOLD);
    EXPECT_STREQ(formatAt(12, 18).szFaceName, "Arial");
    EXPECT_EQ(
        view.bookEditSetFont(static_cast<CFontDialog*>(nullptr)), static_cast<long>(E_UNEXPECTED));
}

TEST_F(RichEditView, TitleRangeIsFormattedAndRewrittenFromItsRecord)
{
    view.ReportIDInsert(4, "Meter  Volume");
    view.bookRichEditAppend("M-1    7\r\n", 0, true);
    _ReportID* record = view.ReportIDSupplyTitlesStruct(4);
    ASSERT_NE(record, nullptr);
    long start = record->positions[0];
    long end = record->positions[1];
    CRichEditCtrl& edit = view.GetRichEditCtrl();
    EXPECT_EQ(range(start, end), "\rMeter  Volume");

    // The record's titles replace the range (protected, so only the view's guard lets it in).
    std::strcpy(record->titles, "\r\nMeter  Litres");
    edit.SetSel(0, 2);
    ASSERT_EQ(view.ReportIDApplyFormatTitles(4, 1), 0);
    EXPECT_EQ(range(start, end), "\rMeter  Litres");
    long selStart = 0;
    long selEnd = 0;
    edit.GetSel(selStart, selEnd);
    EXPECT_EQ(selStart, 0);
    EXPECT_EQ(selEnd, 2);
    CHARFORMAT title = formatAt(start + 1, end);
    EXPECT_TRUE(title.dwEffects & CFE_BOLD);
    EXPECT_TRUE(title.dwEffects & CFE_UNDERLINE);
    EXPECT_FALSE(formatAt(end + 1, end + 4).dwEffects & (CFE_BOLD | CFE_UNDERLINE));
    EXPECT_EQ(view.ReportIDApplyFormatTitles(99, 1), 0);
}

TEST(RichEditColumns, GrowOneRecordAtATimeAndNeverDelete)
{
    bookRichEdit view;
    EXPECT_EQ(view.ColsInsert(10, "Meter"), 0);
    std::string longName(300, 'n');
    EXPECT_EQ(view.ColsInsert(11, longName.c_str()), 1);
    _bookRichEditColumn* meter = view.ColsSupplyStruct(10);
    ASSERT_NE(meter, nullptr);
    EXPECT_STREQ(meter->name, "Meter");
    EXPECT_EQ(meter->values[0], -1);
    EXPECT_EQ(std::strlen(view.ColsSupplyStruct(11)->name), 255u);
    EXPECT_EQ(view.ColsSupplyStruct(12), nullptr);
    EXPECT_EQ(view.ColsDelete(10), -1);
    EXPECT_EQ(view.ColsCount(), 2);
    view.ColsFree();
    EXPECT_EQ(view.ColsSupplyStruct(10), nullptr);
}

} // namespace
