// The report views printed to the "PDF" printer and read back: page breaks, repeated titles,
// page numbers, the text after the job; the edit view's lines around its text.
#include "pdftext.h"
#include "scopedcwd.h"
#include "wintest.h"

#include "app/richeditstream.h"
#include "views/bookedit.h"
#include "views/booklist.h"
#include "views/bookrichedit.h"

#include <afxext.h>
#include <gtest/gtest.h>
#include <objbase.h>

using namespace wintest;

namespace {

class ViewPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 600,
            400, nullptr, nullptr));
    }
    void TearDown() override { host.DestroyWindow(); }
    std::string pdf(const char* name) const { return dir.path() + "/" + name; }
    std::string text(CWnd& view)
    {
        CString s;
        view.GetWindowText(s);
        return s.GetString();
    }

    CWnd host;
    ScopedTempDir dir;
};

// A report of `rows` rows with its titles, a page break every `every` rows and a totals block.
void writeReport(bookRichEdit& view, long id, int rows, int every, bool totals)
{
    view.ReportIDInsert(id, "Meter     Volume\r\n--------- ------");
    for (int r = 1; r <= rows; ++r) {
        CString line;
        line.Format("M-%05d   %6d\r\n", r, r * 7);
        view.bookRichEditAppend(line, 0, true);
        if (every > 0 && r % every == 0 && r < rows) {
            long end = view.GetRichEditCtrl().GetTextLengthEx(GTL_DEFAULT);
            view.GetRichEditCtrl().SetSel(end, end);
            view.PageBreakInsert();
        }
    }
    if (totals)
        view.bookRichEditAppend(" Totals -----------\r\n          999999\r\n", 0, true);
}

TEST_F(ViewPrinting, RichEditPagesEndAtPageBreaksAndRepeatTitles)
{
    bookRichEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    view.bookEditSetFont();
    writeReport(view, 3, 100, 30, false);
    view.bookEditSetPageNumbering(1);
    view.bookEditSetMargins(0.5, 0.5, 0.75, 0.5);
    std::string before = text(view);
    view.GetRichEditCtrl().SetSel(40, 1500); // across the first page break

    winport::testing::ScriptPrintDialog("PDF", pdf("report.pdf"));
    view.OnFilePrint();
    ASSERT_EQ(view.GetLastPrintResult(), 0);
    std::vector<std::string> pages = pdftext::pages(pdf("report.pdf"));
    ASSERT_EQ(pages.size(), 4u);
    for (size_t p = 0; p < pages.size(); ++p) {
        std::vector<std::string> lines = pdftext::lines(pages[p]);
        ASSERT_FALSE(lines.empty());
        EXPECT_NE(lines.back().find("Page " + std::to_string(p + 1)), std::string::npos)
            << pages[p];
        EXPECT_FALSE(pdftext::contains(pages[p], "PAGE-BREAK"));
        // Every page after the first starts with the report's titles.
        if (p > 0) {
            EXPECT_NE(lines.front().find("Meter     Volume"), std::string::npos) << pages[p];
        }
    }
    // 30 rows on each page, the break ending each.
    EXPECT_TRUE(pdftext::contains(pages[0], "M-00030"));
    EXPECT_FALSE(pdftext::contains(pages[0], "M-00031"));
    EXPECT_TRUE(pdftext::contains(pages[1], "M-00031"));
    EXPECT_TRUE(pdftext::contains(pages[3], "M-00100"));
    EXPECT_EQ(text(view), before);
    EXPECT_EQ(view.PageBreakRecordCount(), 3);
    long start = 0;
    long end = 0;
    view.GetRichEditCtrl().GetSel(start, end);
    EXPECT_EQ(start, 40);
    EXPECT_EQ(end, 1500);
}

TEST_F(ViewPrinting, TotalsEndTheReportsTitles)
{
    bookRichEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    writeReport(view, 1, 20, 0, true);
    long end = view.GetRichEditCtrl().GetTextLengthEx(GTL_DEFAULT);
    view.GetRichEditCtrl().SetSel(end, end);
    view.PageBreakInsert();
    view.bookRichEditAppend("Notes after the report\r\n", 0, true);
    winport::testing::ScriptPrintDialog("PDF", pdf("totals.pdf"));
    view.OnFilePrint();
    std::vector<std::string> pages = pdftext::pages(pdf("totals.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_FALSE(pdftext::contains(pages[1], "Meter     Volume")) << pages[1];
    EXPECT_TRUE(pdftext::contains(pages[1], "Notes after the report"));
}

TEST_F(ViewPrinting, LandscapeIsUndoneAfterTheJob)
{
    bookRichEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    writeReport(view, 1, 10, 0, false);
    CSize paper = view.GetPaperSize();
    winport::testing::ScriptPrintDialog("PDF", pdf("landscape.pdf"), true);
    view.OnFilePrint();
    EXPECT_EQ(view.GetPaperSize(), paper);
    EXPECT_EQ(pdftext::pages(pdf("landscape.pdf")).size(), 1u);
}

TEST_F(ViewPrinting, EditViewPrintsHeadersTitlesAndPageNumbers)
{
    bookEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    std::string body;
    for (int i = 1; i <= 200; ++i)
        body += "line " + std::to_string(i) + "\r\n";
    view.SetWindowText(body.c_str());
    view.bookEditOutputTitleString("Title A\r\nTitle B");
    view.bookEditSetHeaders(1);
    view.bookEditSetTitles(1);
    view.bookEditSetPageNumbering(1);
    view.bookEditSetFooters(1);
    view.bookEditSetMargins(600, 600, 600, 600);
    winport::testing::ScriptPrintDialog("PDF", pdf("edit.pdf"));
    view.OnFilePrint();
    std::vector<std::string> pages = pdftext::pages(pdf("edit.pdf"));
    ASSERT_GE(pages.size(), 2u);
    for (size_t p = 0; p < pages.size(); ++p) {
        std::string n = std::to_string(p + 1);
        EXPECT_TRUE(pdftext::contains(pages[p], "Header " + n)) << pages[p];
        EXPECT_TRUE(pdftext::contains(pages[p], "Page " + n)) << pages[p];
        EXPECT_TRUE(pdftext::contains(pages[p], "Footer " + n)) << pages[p];
        EXPECT_EQ(pdftext::contains(pages[p], "Title B"), p > 0) << pages[p];
    }
    EXPECT_TRUE(pdftext::contains(pages.back(), "line 200"));
}

TEST_F(ViewPrinting, MarginsMoveTheTextAndPreviewCountsThePrintedPages)
{
    bookRichEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    writeReport(view, 2, 90, 40, false);
    // The left edge of the first word on page 1, in points.
    auto indent = [](const std::string& file) {
        std::string command = "pdftotext -bbox -f 1 -l 1 '" + file + "' - 2>/dev/null";
        FILE* pipe = popen(command.c_str(), "r");
        std::string html;
        char buffer[4096];
        size_t n;
        while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            html.append(buffer, n);
        if (pipe)
            pclose(pipe);
        size_t at = html.find("<word xMin=\"");
        return at == std::string::npos ? -1.0 : std::atof(html.c_str() + at + 12);
    };
    view.bookEditSetMargins(0.5, 0.5, 0.5, 0.5);
    winport::testing::ScriptPrintDialog("PDF", pdf("narrow.pdf"));
    view.OnFilePrint();
    view.bookEditSetMargins(0.5, 0.5, 2.5, 0.5);
    winport::testing::ScriptPrintDialog("PDF", pdf("wide.pdf"));
    view.OnFilePrint();
    std::vector<std::string> narrow = pdftext::pages(pdf("narrow.pdf"));
    std::vector<std::string> wide = pdftext::pages(pdf("wide.pdf"));
    ASSERT_EQ(narrow.size(), 3u);
    ASSERT_EQ(wide.size(), 3u);
    // Two inches more margin: 144 points further right.
    EXPECT_NEAR(indent(pdf("wide.pdf")) - indent(pdf("narrow.pdf")), 144.0, 2.0);

    int previewPages = 0;
    winport::testing::ScriptPrintPreview(
        [&](winport::testing::PrintPreviewDriver& preview) { previewPages = preview.PageCount(); });
    view.OnFilePrintPreview();
    EXPECT_EQ(previewPages, 3);
}

TEST_F(ViewPrinting, MarkersPastTheThousandthAreNotPutBack)
{
    bookRichEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    writeReport(view, 1, 1003, 1, false);
    EXPECT_EQ(view.PageBreakCount(0, -1), 1002);
    winport::testing::ScriptPrintDialog("PDF", pdf("many.pdf"));
    view.OnFilePrint();
    EXPECT_EQ(pdftext::pages(pdf("many.pdf")).size(), 1003u);
    EXPECT_EQ(view.PageBreakRecordCount(), 1000);
    EXPECT_EQ(view.PageBreakCount(0, -1), 1000);
}

TEST_F(ViewPrinting, ListsRefuseToPrint)
{
    bookList list;
    ASSERT_TRUE(
        list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    winport::testing::ClearScripts();
    winport::testing::ScriptMessageBox(IDOK);
    winport::testing::ScriptMessageBox(IDOK);
    EXPECT_EQ(list.bookpagePrint(), 0);
    EXPECT_EQ(list.bookpagePrintPreview(), 0);
    std::vector<winport::testing::MessageBoxCall> calls = winport::testing::MessageBoxCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, "Cannot Print from this location.");
    EXPECT_EQ(calls[1].text, "Cannot do PrintPreview from this location.");
    EXPECT_EQ(calls[0].caption, "Print failure.");
    list.DestroyWindow();
}

TEST(RichEditStreams, CallbacksDeliverInPartsAndEnd)
{
    char data[130];
    std::memset(data, 'a', sizeof data);
    _richEditStreamIn in { data, 130, 100 };
    BYTE buffer[100];
    LONG done = 0;
    EXPECT_EQ(EditStreamInCallback(reinterpret_cast<DWORD_PTR>(&in), buffer, 100, &done), 0u);
    EXPECT_EQ(done, 30);
    EXPECT_EQ(EditStreamInCallback(reinterpret_cast<DWORD_PTR>(&in), buffer, 100, &done), 130u);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(EditStreamInCallback(0, buffer, 100, &done), 0u);

    _richEditStreamOut out;
    for (int i = 0; i < 3000; ++i)
        EXPECT_EQ(EditStreamOutCallback(reinterpret_cast<DWORD_PTR>(&out), buffer, 7, &done), 0u);
    EXPECT_EQ(out.size, 21000);
    CoTaskMemFree(out.data);
}

TEST_F(ViewPrinting, RtfRoundTripKeepsTheFormatsAndBadRtfChangesNothing)
{
    CRichEditCtrl edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 200), &host, 3));
    edit.SetWindowText("plain bold\r\ncentre");
    CHARFORMAT format {};
    format.cbSize = sizeof format;
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_COLOR | CFM_SIZE
        | CFM_FACE | CFM_PROTECTED;
    format.dwEffects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED;
    format.crTextColor = RGB(200, 10, 20);
    format.yHeight = 280;
    std::strcpy(format.szFaceName, "Liberation Serif");
    edit.SetSel(6, 10);
    edit.SetSelectionCharFormat(format);
    PARAFORMAT para {};
    para.cbSize = sizeof para;
    para.dwMask = PFM_ALIGNMENT;
    para.wAlignment = PFA_CENTER;
    edit.SetSel(12, 12);
    edit.SetParaFormat(para);

    _richEditStreamOut out;
    EDITSTREAM stream { reinterpret_cast<DWORD_PTR>(&out), 0, EditStreamOutCallback };
    ASSERT_GT(edit.StreamOut(SF_RTF, stream), 0);
    std::string rtf(out.data, static_cast<size_t>(out.size));
    CoTaskMemFree(out.data);
    ASSERT_EQ(rtf.compare(0, 5, "{\\rtf"), 0);

    edit.SetWindowText("replaced");
    _richEditStreamIn in { rtf.data(), static_cast<long>(rtf.size()), 0 };
    EDITSTREAM back { reinterpret_cast<DWORD_PTR>(&in), 0, EditStreamInCallback };
    edit.StreamIn(SF_RTF, back);
    EXPECT_EQ(back.dwError, 0u);
    CString shown;
    edit.GetWindowText(shown);
    EXPECT_STREQ(shown, "plain bold\r\ncentre");
    CHARFORMAT read {};
    read.cbSize = sizeof read;
    edit.SetSel(7, 8);
    edit.GetSelectionCharFormat(read);
    EXPECT_EQ(
        read.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED),
        static_cast<DWORD>(CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED));
    EXPECT_EQ(read.crTextColor, RGB(200, 10, 20));
    EXPECT_EQ(read.yHeight, 280);
    EXPECT_STREQ(read.szFaceName, "Liberation Serif");
    edit.SetSel(0, 1);
    edit.GetSelectionCharFormat(read);
    EXPECT_EQ(read.dwEffects & CFE_BOLD, 0u);
    edit.SetSel(12, 12);
    PARAFORMAT readPara {};
    readPara.cbSize = sizeof readPara;
    edit.GetParaFormat(readPara);
    EXPECT_EQ(readPara.wAlignment, PFA_CENTER);

    // Truncated RTF leaves the text as it was; text that is not RTF loads as plain text.
    std::string truncated = rtf.substr(0, rtf.size() / 2);
    _richEditStreamIn bad { truncated.data(), static_cast<long>(truncated.size()), 0 };
    EDITSTREAM badStream { reinterpret_cast<DWORD_PTR>(&bad), 0, EditStreamInCallback };
    edit.StreamIn(SF_RTF, badStream);
    EXPECT_NE(badStream.dwError, 0u);
    edit.GetWindowText(shown);
    EXPECT_STREQ(shown, "plain bold\r\ncentre");
    std::string plain = "no {\\rtf here";
    _richEditStreamIn text { plain.data(), static_cast<long>(plain.size()), 0 };
    EDITSTREAM textStream { reinterpret_cast<DWORD_PTR>(&text), 0, EditStreamInCallback };
    edit.StreamIn(SF_RTF, textStream);
    edit.GetWindowText(shown);
    EXPECT_STREQ(shown, "no {\\rtf here");
}
}
