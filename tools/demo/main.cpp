// tessilo-demo: a host application in the style of the suite's own. A frame window with a menu
// bar and a status line holds an SQL book on the profile's database (Query, Result and Settings
// pages) next to a water-week page (two calendars), a readings page, a log page, a report page
// (a report file of the sample database through the report writer) and a printing page (a
// rich-edit report over a plain text); the frame's size follows into the book and its current
// page, and the run is recorded in the book's log. Its File, Edit and View menus go to the book
// (demosqlmenu); its Tools menu opens the date, meter reading and inventory threshold dialogs,
// the FTP browser and the control frame (demodialogs); its Print menu prints, previews and sets
// the font of the printing page's view in use (demoprintpage).
//
//   tessilo-demo [--page N] [--type-sql FILE | --run-sql FILE] [--print-to OUT.pdf]
//                [--dialog date|meter|threshold|ftp|ftplist] [--screenshot FILE]
//
// --type-sql types the file's SQL on the Query page; --run-sql also presses Execute, which turns
// the book to the Result page; --print-to then prints the current page to a PDF file, answering
// the print dialog with the "PDF" printer. With --screenshot the window (or, with --dialog, that
// dialog over it) is rendered (offscreen when there is no display), saved as a PNG and the
// program exits; so does --print-to. Without them the window stays until it is closed.
#include "demodialogs.h"
#include "demopages.h"
#include "demoreportpage.h"
#include "demoprintpage.h"
#include "demosqlmenu.h"

#include "sqlpages/bookpagesql.h"

#include <winport/testinput.h>
#include <winport/testing.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

// The host's frame: its client area is the book's, and closing it ends the program.
class demoFrame : public CWnd {
public:
    book* hosted = nullptr;
    demoDialogs* dialogs = nullptr;
    demoPrintPage* printing = nullptr;
    demoSqlMenu* menu = nullptr;

protected:
    afx_msg void OnSize(UINT type, int cx, int cy)
    {
        CWnd::OnSize(type, cx, cy);
        int bookHeight = dialogs ? dialogs->demoDialogsPlace(cx, cy) : cy;
        if (hosted && hosted->GetSafeHwnd())
            hosted->MoveWindow(0, 0, cx, bookHeight);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (dialogs && dialogs->demoDialogsCommand(wParam, lParam))
            return TRUE;
        if (printing && lParam == 0 && printing->demoPrintRun(LOWORD(wParam)))
            return TRUE;
        if (menu && menu->demoSqlMenuCommand(wParam, lParam))
            return TRUE;
        return CWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnDestroy()
    {
        CWnd::OnDestroy();
        ::PostQuitMessage(0);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(demoFrame, CWnd)
ON_WM_SIZE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

int usage()
{
    std::fprintf(stderr,
        "usage: tessilo-demo [--page N] [--type-sql FILE | --run-sql FILE] [--print-to OUT.pdf]\n"
        "                    [--dialog date|meter|threshold|ftp|ftplist] [--screenshot FILE]\n");
    return 2;
}

// Creates the folders on the way to a file (the log's folder may not exist on a fresh install).
void createFolderOf(const CString& file)
{
    for (int at = file.Find('\\', 1); at > 0; at = file.Find('\\', at + 1))
        ::CreateDirectoryA(file.Left(at), nullptr);
}

// The whole text of a file; false when it cannot be read or is empty.
bool readSql(const std::string& path, std::string* sql)
{
    std::ifstream in(path, std::ios::binary);
    sql->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.good() || in.eof() ? !sql->empty() : false;
}

} // namespace

int main(int argc, char** argv)
{
    std::string screenshot;
    std::string dialog;
    std::string sqlFile;
    std::string printTo;
    bool execute = false;
    long page = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            screenshot = argv[++i];
        else if ((!std::strcmp(argv[i], "--run-sql") || !std::strcmp(argv[i], "--type-sql"))
            && i + 1 < argc && sqlFile.empty()) {
            execute = !std::strcmp(argv[i], "--run-sql");
            sqlFile = argv[++i];
        } else if (!std::strcmp(argv[i], "--print-to") && i + 1 < argc)
            printTo = argv[++i];
        else if (!std::strcmp(argv[i], "--dialog") && i + 1 < argc)
            dialog = argv[++i];
        else if (!std::strcmp(argv[i], "--page") && i + 1 < argc)
            page = std::strtol(argv[++i], nullptr, 10);
        else
            return usage();
    }
    if (!dialog.empty() && dialog != "date" && dialog != "meter" && dialog != "threshold"
        && dialog != "ftp" && dialog != "ftplist") {
        std::fprintf(stderr,
            "tessilo-demo: no dialog %s (date, meter, threshold, ftp or ftplist)\n",
            dialog.c_str());
        return 2;
    }
    if (!dialog.empty() && screenshot.empty()) {
        std::fprintf(stderr, "tessilo-demo: --dialog needs --screenshot FILE\n");
        return 2;
    }
    std::string sql;
    if (!sqlFile.empty() && !readSql(sqlFile, &sql)) {
        std::fprintf(
            stderr, "tessilo-demo: cannot read SQL from %s (missing or empty)\n", sqlFile.c_str());
        return 2;
    }
    if (!printTo.empty() && !execute) {
        std::fprintf(stderr, "tessilo-demo: --print-to needs --run-sql FILE\n");
        return 2;
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        if (screenshot.empty() && printTo.empty()) {
            std::fprintf(stderr, "tessilo-demo: no display; use --screenshot FILE\n");
            return 2;
        }
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }

    demoFrame frame;
    if (!frame.CreateEx(0, nullptr, "tessilo40 demo - Rivanta 40", WS_OVERLAPPEDWINDOW, 80, 80, 720,
            480, nullptr, nullptr)) {
        std::fprintf(stderr, "tessilo-demo: cannot create the frame window\n");
        return 1;
    }
    // The SQL book connects to the profile's database; without one its pages still come up
    // (Execute then runs nothing) and the status line says why.
    long status = 0;
    BookSQL pages(&frame, 100, &status, 0, 1, 2, 3);
    if (!pages.GetSafeHwnd()) {
        std::fprintf(
            stderr, "tessilo-demo: cannot create the book (0x%08lx)\n", status & 0xFFFFFFFFL);
        return 1;
    }
    bool connected = status == 0;
    pages.bookSQLSetPageNumbers(0, 1, 2, 3);
    demoDialogs* dialogsSlot = nullptr;
    demoSqlMenu menu(&frame, &pages, [&dialogsSlot](const CString& text) {
        if (dialogsSlot)
            dialogsSlot->demoDialogsReport(text);
    });
    frame.menu = &menu;
    demoDialogs dialogs(&frame);
    dialogsSlot = &dialogs;
    frame.dialogs = &dialogs;
    frame.hosted = &pages;
    dialogs.demoDialogsLogTo(&pages);
    createFolderOf(pages.bookLogGetFile());
    pages.bookLogInitFile(FALSE);
    pages.bookLogStart(CString("tessilo-demo"));
    const char created[] = "book created with the query, result and settings pages and the "
                           "water week, readings, log, report and printing pages";

    long sqlStatus = 0;
    pages.bookSQLSetBookPages(&sqlStatus);
    long weekStatus = 0, readingsStatus = 0, logStatus = 0, reportStatus = 0, printingStatus = 0;
    demoWaterWeekPage week(&pages, 3, &weekStatus);
    demoReadingsPage readings(&pages, 4, &readingsStatus);
    demoLogPage log(&pages, 5, &logStatus);
    demoReportPage report(&pages, 6, &reportStatus, demoReportPage::demoReportDefaultFile());
    demoPrintPage printing(&pages, 7, &printingStatus);
    if (sqlStatus != 0 || weekStatus != 0 || readingsStatus != 0 || logStatus != 0
        || reportStatus != 0 || printingStatus != 0) {
        std::fprintf(stderr, "tessilo-demo: a page could not be created\n");
        return 1;
    }
    pages.bookLog(const_cast<char*>(created), static_cast<long>(sizeof created - 1));
    if (!connected)
        std::fprintf(stderr, "tessilo-demo: %s\n", menu.demoSqlMenuConnection().GetString());
    frame.printing = &printing;
    demoPrintPage::demoPrintMenu(&frame);
    frame.ShowWindow(SW_SHOW);
    CRect client;
    frame.GetClientRect(&client);
    pages.MoveWindow(
        0, 0, client.Width(), dialogs.demoDialogsPlace(client.Width(), client.Height()));
    if (pages.bookToPage(static_cast<unsigned int>(page)) != 0) {
        std::fprintf(stderr, "tessilo-demo: no page %ld\n", page);
        return 2;
    }
    pages.bookShow(TRUE);
    dialogs.demoDialogsReport(menu.demoSqlMenuConnection());

    int result = 0;
    if (!sql.empty()) {
        BookPageSQL* query = pages.bookSQLGetQueryPage();
        pages.bookToPage(static_cast<unsigned int>(pages.bookSQLGetQueryPageNumber()));
        // The edit control keeps Windows line ends.
        CString typed;
        for (size_t i = 0; i < sql.size(); ++i) {
            if (sql[i] == '\n' && (i == 0 || sql[i - 1] != '\r'))
                typed += '\r';
            typed += sql[i];
        }
        query->PageQueryGetEdit().SetWindowText(typed);
        if (execute) {
            long count = 0;
            long run = query->PageQueryOk(0, &count);
            if (run != 0) {
                std::fprintf(
                    stderr, "tessilo-demo: the query did not run (0x%08lx)\n", run & 0xFFFFFFFFL);
                result = 1;
            }
        }
    }
    if (!printTo.empty() && result == 0) {
        // The print dialog is answered as a user would: the "PDF" printer and the file.
        winport::testing::EnableScriptedUi(
            [](const std::string& m) { std::fprintf(stderr, "tessilo-demo: %s\n", m.c_str()); });
        winport::testing::ScriptPrintDialog("PDF", printTo);
        pages.bookPrint();
        std::ifstream printed(printTo, std::ios::binary);
        if (!printed || printed.peek() == std::ifstream::traits_type::eof()) {
            std::fprintf(stderr, "tessilo-demo: nothing was printed to %s\n", printTo.c_str());
            result = 1;
        } else {
            std::printf("tessilo-demo: printed to %s\n", printTo.c_str());
        }
    }
    if (!screenshot.empty() || !printTo.empty()) {
        winport::testing::PumpEvents(200);
        if (!screenshot.empty()) {
            bool saved = dialog.empty()
                ? winport::testing::SaveWindowPng(frame.GetSafeHwnd(), screenshot.c_str())
                : demoDialogsScreenshot(dialogs, dialog, screenshot.c_str());
            if (!saved) {
                std::fprintf(stderr, "tessilo-demo: cannot save %s\n", screenshot.c_str());
                result = 1;
            } else {
                std::printf("tessilo-demo: screenshot saved to %s\n", screenshot.c_str());
            }
        }
        frame.dialogs = nullptr;
        frame.menu = nullptr;
        frame.printing = nullptr;
        frame.hosted = nullptr;
        frame.DestroyWindow();
    } else {
        MSG msg;
        while (::GetMessage(&msg, nullptr, 0, 0) > 0) {
            if (!pages.bookPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        }
    }
    pages.bookLogEnd(CString("tessilo-demo"));
    return result;
}
