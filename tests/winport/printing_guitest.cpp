// Printers and print jobs: the "PDF" printer's device context, its metrics and device modes,
// jobs that complete, fail or abort, the print dialog, and the edit view's page layout.
#include "pdftext.h"
#include "scopedcwd.h"
#include "wintest.h"

#include <afxext.h>
#include <gtest/gtest.h>
#include <winspool.h>

#include <cstdlib>
#include <filesystem>

using namespace wintest;

namespace {

class Printing : public ::testing::Test {
protected:
    ScopedTempDir dir;
    std::string pdf(const char* name) const { return dir.path() + "/" + name; }
};

TEST_F(Printing, ThePdfPrinterIsAlwaysListed)
{
    DWORD needed = 0;
    DWORD count = 0;
    EXPECT_FALSE(EnumPrinters(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    std::vector<BYTE> buffer(needed);
    ASSERT_TRUE(
        EnumPrinters(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count));
    auto* records = reinterpret_cast<PRINTER_INFO_4A*>(buffer.data());
    ASSERT_GE(count, 1u);
    EXPECT_STREQ(records[0].pPrinterName, "PDF");
    int defaults = 0;
    for (DWORD i = 0; i < count; ++i)
        defaults += (records[i].Attributes & PRINTER_ATTRIBUTE_DEFAULT) != 0;
    EXPECT_EQ(defaults, 1);

    char name[64];
    DWORD size = sizeof name;
    ASSERT_TRUE(GetDefaultPrinter(name, &size));
    EXPECT_EQ(size, std::strlen(name) + 1);
}

TEST_F(Printing, DeviceModesAndMetrics)
{
    char pdfName[] = "pdf";
    LONG size = DocumentProperties(nullptr, nullptr, pdfName, nullptr, nullptr, 0);
    ASSERT_EQ(size, static_cast<LONG>(sizeof(DEVMODEA)));
    DEVMODEA mode {};
    ASSERT_EQ(DocumentProperties(nullptr, nullptr, pdfName, &mode, nullptr, DM_OUT_BUFFER), IDOK);
    EXPECT_STREQ(reinterpret_cast<char*>(mode.dmDeviceName), "PDF");
    EXPECT_EQ(mode.dmOrientation, DMORIENT_PORTRAIT);
    EXPECT_EQ(mode.dmPaperSize, DMPAPER_LETTER);
    char unknown[] = "No Such Printer";
    EXPECT_EQ(DocumentProperties(nullptr, nullptr, unknown, nullptr, nullptr, 0), -1);
    EXPECT_EQ(CreateDC(nullptr, unknown, nullptr, nullptr), nullptr);

    // Letter at 1200 dpi with a quarter inch that is not printed on every side.
    HDC dc = CreateDC("WINSPOOL", "PDF", nullptr, &mode);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 1200);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 10200);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 13200);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALOFFSETX), 300);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 9600);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 12600);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    // Text is measured at the printer's resolution: 10 points of "Courier New" are 200 units.
    HFONT font = CreateFont(-MulDiv(10, 1200, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0,
        0, FIXED_PITCH | FF_MODERN, "Courier New");
    SelectObject(dc, font);
    SIZE extent {};
    ASSERT_TRUE(GetTextExtentPoint32(dc, "XXXXXXXXXX", 10, &extent));
    EXPECT_NEAR(extent.cx, 1000, 10);
    DeleteDC(dc);
    DeleteObject(font);

    mode.dmOrientation = DMORIENT_LANDSCAPE;
    dc = CreateDC(nullptr, "PDF", nullptr, &mode);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALWIDTH), 13200);
    EXPECT_GT(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES));
    DeleteDC(dc);
}

// One job of `pages` pages, each with one line "page n"; returns EndDoc's result.
int printPages(HDC dc, int pages, const char* output = nullptr)
{
    DOCINFOA info {};
    info.cbSize = sizeof info;
    info.lpszDocName = "test";
    info.lpszOutput = output;
    if (StartDoc(dc, &info) <= 0)
        return SP_ERROR;
    for (int p = 1; p <= pages; ++p) {
        EXPECT_GT(StartPage(dc), 0);
        std::string line = "page " + std::to_string(p);
        EXPECT_TRUE(TextOut(dc, 100, 100, line.c_str(), static_cast<int>(line.size())));
        EXPECT_GT(EndPage(dc), 0);
    }
    return EndDoc(dc);
}

TEST_F(Printing, AJobWritesItsPdfOnlyWhenItEnds)
{
    HDC dc = CreateDC(nullptr, "PDF", pdf("named.pdf").c_str(), nullptr);
    ASSERT_GT(printPages(dc, 3), 0);
    std::vector<std::string> pages = pdftext::pages(pdf("named.pdf"));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pdftext::contains(pages[2], "page 3"));
    EXPECT_FALSE(std::filesystem::exists(pdf("named.pdf.part")));

    // The document's own output comes first; TESSILO_PRINT_TO when nothing else names a file.
    ASSERT_GT(printPages(dc, 1, pdf("own.pdf").c_str()), 0);
    EXPECT_EQ(pdftext::pages(pdf("own.pdf")).size(), 1u);
    DeleteDC(dc);
    setenv("TESSILO_PRINT_TO", pdf("env.pdf").c_str(), 1);
    dc = CreateDC(nullptr, "PDF", nullptr, nullptr);
    ASSERT_GT(printPages(dc, 2), 0);
    unsetenv("TESSILO_PRINT_TO");
    EXPECT_EQ(pdftext::pages(pdf("env.pdf")).size(), 2u);

    // Aborted or unfinished jobs leave nothing behind.
    DOCINFOA info { sizeof(DOCINFOA), "aborted", nullptr, nullptr, 0 };
    info.lpszOutput = "/nonexistent-folder/out.pdf";
    EXPECT_EQ(StartDoc(dc, &info), SP_ERROR);
    info.lpszOutput = nullptr;
    std::string aborted = pdf("aborted.pdf");
    info.lpszOutput = aborted.c_str();
    ASSERT_GT(StartDoc(dc, &info), 0);
    StartPage(dc);
    TextOut(dc, 0, 0, "x", 1);
    EXPECT_GT(AbortDoc(dc), 0);
    std::string unfinished = pdf("unfinished.pdf");
    info.lpszOutput = unfinished.c_str();
    ASSERT_GT(StartDoc(dc, &info), 0);
    StartPage(dc);
    DeleteDC(dc);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_TRUE(entry.path().filename() != "aborted.pdf"
            && entry.path().filename() != "unfinished.pdf" && entry.path().extension() != ".part")
            << entry.path();
    EXPECT_EQ(StartPage(nullptr), SP_ERROR);
}

TEST_F(Printing, PrintDialogReturnsTheChosenPrintersContext)
{
    PRINTDLGA request {};
    request.lStructSize = sizeof request;
    request.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    ASSERT_TRUE(PrintDlg(&request));
    ASSERT_NE(request.hDC, nullptr);
    DeleteDC(request.hDC);

    DEVMODEA mode {};
    request = PRINTDLGA {};
    request.lStructSize = sizeof request;
    request.Flags = PD_PRINTSETUP | PD_RETURNDC;
    request.hDevMode = &mode;
    winport::testing::ScriptPrintDialog("PDF", pdf("dialog.pdf"), true);
    ASSERT_TRUE(PrintDlg(&request));
    EXPECT_EQ(mode.dmOrientation, DMORIENT_LANDSCAPE);
    EXPECT_GT(GetDeviceCaps(request.hDC, HORZRES), GetDeviceCaps(request.hDC, VERTRES));
    ASSERT_GT(printPages(request.hDC, 1), 0);
    EXPECT_EQ(pdftext::pages(pdf("dialog.pdf")).size(), 1u);
    DeleteDC(request.hDC);

    request.hDC = nullptr;
    winport::testing::ScriptPrintDialogCancel();
    EXPECT_FALSE(PrintDlg(&request));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    winport::testing::ScriptPrintDialog("No Such Printer");
    EXPECT_FALSE(PrintDlg(&request));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(PDERR_PRINTERNOTFOUND));
    EXPECT_EQ(request.hDC, nullptr);
}

// An edit view of numbered lines in 10-point Courier New over a host window, printed through the
// framework's print command.
class LinesView : public CEditView {
public:
    std::vector<UINT> starts() const { return m_aPageStart; }

    bool show(HWND host, const std::string& text)
    {
        if (!Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300),
                CWnd::FromHandle(host), 1))
            return false;
        m_font.CreatePointFont(100, "Courier New");
        SetFont(&m_font);
        SetWindowText(text.c_str());
        return true;
    }

private:
    CFont m_font;
};

TEST_F(Printing, EditViewPagesFollowTheText)
{
    HWND host = makeTopLevel(400, 300);
    std::string text;
    for (int i = 1; i <= 150; ++i)
        text += "line " + std::to_string(i) + (i < 150 ? "\r\n" : "");
    LinesView view;
    ASSERT_TRUE(view.show(host, text));

    winport::testing::ScriptPrintDialog("PDF", pdf("edit.pdf"));
    view.OnFilePrint();
    EXPECT_EQ(view.GetLastPrintResult(), 0);
    std::vector<std::string> pages = pdftext::pages(pdf("edit.pdf"));
    // 10 points at 1200 dpi: lines of about 189 + leading units on 12600 units.
    ASSERT_GE(pages.size(), 2u);
    std::vector<UINT> starts = view.starts();
    ASSERT_EQ(starts.size(), pages.size());
    size_t total = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        std::vector<std::string> lines = pdftext::lines(pages[p]);
        ASSERT_FALSE(lines.empty());
        // Every page starts where the table says and no line is lost or repeated.
        std::string first = text.substr(starts[p], text.find('\r', starts[p]) - starts[p]);
        EXPECT_EQ(lines.front().substr(lines.front().find_first_not_of(' ')), first);
        total += lines.size();
    }
    EXPECT_EQ(total, 150u);

    winport::testing::ScriptPrintDialogCancel();
    view.OnFilePrint();
    EXPECT_EQ(view.GetLastPrintResult(), 1);
    view.DestroyWindow();
    DestroyWindow(host);
}

// A view of three pages that presses Cancel in the job's "Printing" window while page 2 prints.
class CancellingView : public CView {
public:
    std::vector<UINT> printed;
    bool ended = false;
    bool ownerDisabled = false;

    void OnBeginPrinting(CDC*, CPrintInfo* info) override { info->SetMaxPage(3); }
    void OnPrint(CDC* dc, CPrintInfo* info) override
    {
        printed.push_back(info->m_nCurPage);
        dc->TextOut(100, 100, "page");
        ownerDisabled = ownerDisabled || !::IsWindowEnabled(GetTopLevelParent()->GetSafeHwnd());
        if (info->m_nCurPage != 2)
            return;
        for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
            char caption[32] = "";
            GetWindowTextA(w, caption, sizeof caption);
            if (std::string(caption) == "Printing")
                ::PostMessage(w, WM_COMMAND, IDCANCEL, 0);
        }
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { ended = true; }
    void OnDraw(CDC*) override { }
};

TEST_F(Printing, CancelInThePrintingWindowAbortsTheJobBetweenPages)
{
    HWND host = makeTopLevel(400, 300);
    CancellingView view;
    ASSERT_TRUE(view.Create(
        nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), CWnd::FromHandle(host), 1));
    winport::testing::ScriptPrintDialog("PDF", pdf("cancelled.pdf"));
    view.OnFilePrint();
    EXPECT_EQ(view.printed, (std::vector<UINT> { 1, 2 }));
    EXPECT_TRUE(view.ended);
    EXPECT_TRUE(view.ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(host));
    EXPECT_EQ(view.GetLastPrintResult(), 1);
    EXPECT_FALSE(std::filesystem::exists(pdf("cancelled.pdf")));
    EXPECT_TRUE(winport::testing::MessageBoxCalls().empty());
    view.DestroyWindow();
    DestroyWindow(host);
}

TEST_F(Printing, PreviewShowsThePagesThatPrint)
{
    HWND host = makeTopLevel(400, 300);
    std::string text;
    for (int i = 1; i <= 400; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    LinesView view;
    ASSERT_TRUE(view.show(host, text));
    int previewPages = 0;
    winport::testing::ScriptPrintPreview([&](winport::testing::PrintPreviewDriver& preview) {
        previewPages = preview.PageCount();
        preview.NextPage();
        EXPECT_EQ(preview.CurrentPage(), 2);
        EXPECT_TRUE(preview.SavePagePng(pdf("preview.png").c_str()));
        preview.Print();
    });
    winport::testing::ScriptPrintDialog("PDF", pdf("fromPreview.pdf"));
    view.OnFilePrintPreview();
    EXPECT_GT(previewPages, 1);
    EXPECT_EQ(static_cast<int>(pdftext::pages(pdf("fromPreview.pdf")).size()), previewPages);
    EXPECT_TRUE(std::filesystem::exists(pdf("preview.png")));

    std::vector<std::string> failures = captureScriptFailures([&] { view.OnFilePrintPreview(); });
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(view.GetLastPrintResult(), -1);
    view.DestroyWindow();
    DestroyWindow(host);
}
}
