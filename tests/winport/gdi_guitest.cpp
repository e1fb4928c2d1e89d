// Fonts and device contexts on the 96-dpi screen: point fonts, metrics of the Liberation faces
// behind "Courier New" and "Arial", extents, stock objects and the font dialog.
#include "wintest.h"

#include <afxdlgs.h>
#include <gtest/gtest.h>

#include <cstring>

namespace {
class Fonts : public ::testing::Test {
protected:
    void SetUp() override { host.Attach(wintest::makeTopLevel()); }
    void TearDown() override
    {
        EXPECT_EQ(winport::testing::UnusedScripts(), 0);
        host.DestroyWindow();
    }
    CWnd host;
};

TEST_F(Fonts, PointFontsBecomeNegativePixelHeights)
{
    struct Case {
        int tenths;
        LONG height;
    } cases[] = { { 80, -11 }, { 100, -13 }, { 120, -16 }, { 160, -21 } };
    for (const Case& c : cases) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.tenths, "Courier New"));
        LOGFONTA lf;
        ASSERT_EQ(font.GetLogFont(&lf), static_cast<int>(sizeof lf));
        EXPECT_EQ(lf.lfHeight, c.height) << c.tenths;
        EXPECT_STREQ(lf.lfFaceName, "Courier New");
    }
}

TEST_F(Fonts, CourierNewTenPointHasSaneFixedPitchMetrics)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Courier New"));
    CClientDC dc(&host);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 96);
    CFont* old = dc.SelectObject(&font);
    ASSERT_NE(old, nullptr);
    TEXTMETRICA tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_GE(tm.tmHeight, 14);
    EXPECT_LE(tm.tmHeight, 17);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
    EXPECT_EQ(tm.tmAveCharWidth, 8);
    EXPECT_EQ(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0); // clear means fixed pitch
    EXPECT_EQ(dc.GetTextExtent("MMMMMMMMMM").cx, 10 * tm.tmAveCharWidth);
    EXPECT_EQ(dc.GetTextExtent("iiiiiiiiii").cx, 10 * tm.tmAveCharWidth);
    char face[LF_FACESIZE];
    EXPECT_GT(GetTextFace(dc.m_hDC, sizeof face, face), 0);
    EXPECT_STREQ(face, "Courier New");
    dc.SelectObject(old);
}

TEST_F(Fonts, ArialIsProportional)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
    CClientDC dc(&host);
    dc.SelectObject(&font);
    TEXTMETRICA tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_NE(tm.tmPitchAndFamily & TMPF_FIXED_PITCH, 0);
    EXPECT_GT(dc.GetTextExtent("MMMMMMMMMM").cx, dc.GetTextExtent("iiiiiiiiii").cx);
}

TEST_F(Fonts, PositiveHeightsAreCellHeights)
{
    LOGFONTA lf {};
    lf.lfHeight = 20;
    std::strcpy(lf.lfFaceName, "Arial");
    HFONT font = CreateFontIndirect(&lf);
    ASSERT_NE(font, nullptr);
    HDC dc = GetDC(host.m_hWnd);
    SelectObject(dc, font);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetrics(dc, &tm));
    EXPECT_NEAR(tm.tmHeight, 20, 1);
    ReleaseDC(host.m_hWnd, dc);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(GetObject(font, sizeof lf, &lf), 0); // gone
}

TEST_F(Fonts, StockObjectsSurviveDeletion)
{
    HGDIOBJ gui = GetStockObject(DEFAULT_GUI_FONT);
    ASSERT_NE(gui, nullptr);
    EXPECT_TRUE(DeleteObject(gui));
    LOGFONTA lf;
    EXPECT_EQ(GetObject(gui, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(GetObject(gui, 0, nullptr), static_cast<int>(sizeof lf));
    EXPECT_EQ(GetStockObject(12345), nullptr);
    EXPECT_EQ(MulDiv(10, 96, 72), 13);
    EXPECT_EQ(MulDiv(-7, 3, 2), -11);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST_F(Fonts, FontDialogTakesTheScriptedFont)
{
    LOGFONTA chosen {};
    chosen.lfHeight = -16;
    chosen.lfWeight = FW_BOLD;
    std::strcpy(chosen.lfFaceName, "Arial");
    winport::testing::ScriptFontDialog(chosen, 120);
    LOGFONTA initial {};
    std::strcpy(initial.lfFaceName, "Courier New");
    CFontDialog dialog(&initial, CF_EFFECTS | CF_SCREENFONTS, nullptr, &host);
    EXPECT_TRUE(dialog.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetSize(), 120);
    EXPECT_EQ(dialog.GetFaceName(), "Arial");
    EXPECT_TRUE(dialog.IsBold());
    LOGFONTA current;
    dialog.GetCurrentFont(&current);
    EXPECT_EQ(current.lfHeight, -16);

    // The dialog writes where m_cf points, as callers that redirect it expect.
    LOGFONTA elsewhere {};
    winport::testing::ScriptFontDialog(chosen, 90);
    CFontDialog redirected;
    redirected.m_cf.lpLogFont = &elsewhere;
    ASSERT_EQ(redirected.DoModal(), IDOK);
    EXPECT_STREQ(elsewhere.lfFaceName, "Arial");
    EXPECT_EQ(redirected.GetSize(), 90);

    winport::testing::ScriptFontDialogCancel();
    CFontDialog cancelled;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

TEST_F(Fonts, CommonDialogsCheckTheirRequests)
{
    LOGFONTA lf {};
    CHOOSEFONTA request {};
    request.lStructSize = sizeof request - 4;
    request.lpLogFont = &lf;
    EXPECT_FALSE(ChooseFont(&request));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
    request.lStructSize = sizeof request;
    request.lpLogFont = nullptr;
    EXPECT_FALSE(ChooseFont(&request));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_INITIALIZATION));

    winport::testing::ScriptFontDialogCancel();
    request.lpLogFont = &lf;
    EXPECT_FALSE(ChooseFont(&request));
    EXPECT_EQ(CommDlgExtendedError(), 0u); // a cancel is no error
    std::vector<std::string> failures
        = wintest::captureScriptFailures([&] { EXPECT_FALSE(ChooseFont(&request)); });
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unscripted font dialog"), std::string::npos);

    PRINTDLGA print {};
    print.lStructSize = sizeof print;
    print.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    // The "PDF" printer is there when the system has no printer of its own.
    EXPECT_TRUE(PrintDlg(&print));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_NE(print.hDC, nullptr);
    DeleteDC(print.hDC);
}
}
