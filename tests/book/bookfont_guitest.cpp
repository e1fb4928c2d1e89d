// The book's font, fonts derived from a window's font, and the font command.
#include "pagehost.h"
#include <gtest/gtest.h>

#include <cstring>

namespace {

class BookFont : public PageHostTest {
protected:
    static LOGFONTA plainPointFont(int pointSize, const char* face)
    {
        CFont font;
        LOGFONTA logFont {};
        EXPECT_TRUE(font.CreatePointFont(pointSize * 10, face));
        font.GetLogFont(&logFont);
        return logFont;
    }

    static LOGFONTA logFontOf(HFONT font)
    {
        LOGFONTA logFont {};
        EXPECT_NE(::GetObjectA(font, sizeof logFont, &logFont), 0);
        return logFont;
    }
};

} // namespace

TEST_F(BookFont, ConstructorMakesAnEightPointCourierFont)
{
    ASSERT_NE(bk().bookGetFont(), nullptr);
    EXPECT_EQ(bk().bookGetFontPointSize(), 8);
    LOGFONTA logFont {};
    bk().bookGetFont()->GetLogFont(&logFont);
    EXPECT_STREQ(logFont.lfFaceName, "Courier New");
    EXPECT_EQ(logFont.lfHeight, plainPointFont(8, "Courier New").lfHeight - 1);
}

TEST_F(BookFont, CreateFontSizesAndNullFace)
{
    struct {
        int points;
        int extra;
    } cases[] = { { 8, -1 }, { 9, -1 }, { 10, 0 }, { 12, 0 } };
    for (const auto& c : cases) {
        LOGFONTA out {};
        EXPECT_EQ(bk().bookCreateFont(nullptr, c.points, const_cast<char*>("Arial"), 0, &out), 0);
        EXPECT_EQ(out.lfHeight, plainPointFont(c.points, "Arial").lfHeight + c.extra) << c.points;
        EXPECT_EQ(bk().bookGetFontPointSize(), c.points);
        EXPECT_STREQ(out.lfFaceName, "Arial");
    }
    EXPECT_EQ(bk().bookCreateFont(nullptr, 10, nullptr, 0, nullptr), 0);
    EXPECT_EQ(bk().bookGetFont(), nullptr);
    EXPECT_EQ(bk().bookGetFontPointSize(), -1);
}

TEST_F(BookFont, AllocFontDerivesFromTheWindowsFont)
{
    HWND label = bk().GetSafeHwnd(); // the tab control keeps the font it is given
    EXPECT_EQ(bk().bookAllocFont(nullptr, 8, const_cast<char*>("Arial"), 0, nullptr), nullptr);
    ::SendMessage(
        label, WM_SETFONT, reinterpret_cast<WPARAM>(bk().bookGetFont()->GetSafeHandle()), FALSE);
    struct {
        int size;
        LONG height;
        LONG width;
    } cases[] = { { 8, -11, -7 }, { 9, -12, -8 }, { 10, 10, -9 }, { 12, 12, 11 } };
    for (const auto& c : cases) {
        HFONT font = bk().bookAllocFont(label, c.size, const_cast<char*>("Arial"), 0, nullptr);
        ASSERT_NE(font, nullptr) << c.size;
        LOGFONTA logFont = logFontOf(font);
        EXPECT_EQ(logFont.lfHeight, c.height) << c.size;
        EXPECT_EQ(logFont.lfWidth, c.width) << c.size;
        EXPECT_STREQ(logFont.lfFaceName, "Arial");
        EXPECT_EQ(logFont.lfCharSet, 0);
        ::DeleteObject(font);
    }
    char longFace[] = "An Unreasonably Long Font Face Name For Testing";
    HFONT font = bk().bookAllocFont(label, 12, longFace, 0, nullptr);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(std::strlen(logFontOf(font).lfFaceName), 31u);
    ::DeleteObject(font);
}

// Cancelled, the font command returns 2; a chosen font the page does not take from the dialog
// reaches it as point size and face.
TEST_F(BookFont, FontCommandFallsBackToPointSizeAndFace)
{
    RecordingPage& a = currentPage("A", 0);
    answerFontDialog(nullptr);
    EXPECT_EQ(bk().bookSetFont(), 2);
    EXPECT_EQ(calls, (Calls { "A:GetFontCfd", "A:GetFontWindow" }));

    LOGFONTA chosen = plainPointFont(12, "Arial");
    calls.clear();
    answerFontDialog(&chosen);
    EXPECT_EQ(bk().bookSetFont(), 0);
    EXPECT_EQ(calls,
        (Calls { "A:GetFontCfd", "A:GetFontWindow", "A:SetFont(dialog)", "A:SetFont(12,Arial)" }));

    a.setFontDialogResult = 0;
    calls.clear();
    answerFontDialog(&chosen);
    EXPECT_EQ(bk().bookSetFont(), 0);
    EXPECT_EQ(calls, (Calls { "A:GetFontCfd", "A:GetFontWindow", "A:SetFont(dialog)" }));
}

TEST_F(BookFont, FontDialogStartsFromThePagesWindowFont)
{
    RecordingPage& a = addPage("A", 0);
    CFontDialog dialog(nullptr, CF_EFFECTS | CF_SCREENFONTS, nullptr, nullptr);
    CFont* font = reinterpret_cast<CFont*>(0x1);
    LOGFONTA logFont {};
    EXPECT_EQ(a.bookpage::bookpageGetFontCfd(nullptr, &font, &logFont), nullptr);
    EXPECT_EQ(font, reinterpret_cast<CFont*>(0x1));

    a.fontWindow = bk().GetSafeHwnd();
    a.fontWindowFont = bk().bookGetFont();
    font = nullptr;
    HDC printer = a.bookpageGetFontCfd(&dialog, &font, &logFont);
    EXPECT_EQ(font, bk().bookGetFont());
    EXPECT_EQ(dialog.m_cf.hwndOwner, bk().GetSafeHwnd());
    EXPECT_TRUE(dialog.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
    if (printer) {
        EXPECT_EQ(dialog.m_cf.Flags & 0x28003u, 0x28003u);
        EXPECT_EQ(dialog.m_cf.hDC, printer);
        ::DeleteDC(printer);
    }
}
