// tessilo-demo: a host application in the style of the suite's own. A frame window holds a book
// with a water-week page (two calendars), a readings page, a log page and a report page (a report
// file of the sample database through the report writer); the frame's size follows
// into the book and its current page, and the run is recorded in the book's log. Its Tools menu
// opens the date, meter reading and inventory threshold dialogs (demodialogs).
//
//   tessilo-demo [--page N] [--dialog date|meter|threshold] [--screenshot FILE]
//
// With --screenshot the window (or, with --dialog, that dialog over it) is rendered (offscreen
// when there is no display), saved as a PNG and the program exits. Without it the window stays
// until it is closed.
#include "demodialogs.h"
#include "demopages.h"
#include "demoreportpage.h"

#include <winport/testinput.h>
#include <winport/testing.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The host's frame: its client area is the book's, and closing it ends the program.
class demoFrame : public CWnd {
public:
    book* hosted = nullptr;
    demoDialogs* dialogs = nullptr;

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
        "usage: tessilo-demo [--page N] [--dialog date|meter|threshold] [--screenshot FILE]\n");
    return 2;
}

// Creates the folders on the way to a file (the log's folder may not exist on a fresh install).
void createFolderOf(const CString& file)
{
    for (int at = file.Find('\\', 1); at > 0; at = file.Find('\\', at + 1))
        ::CreateDirectoryA(file.Left(at), nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    std::string screenshot;
    std::string dialog;
    long page = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--dialog") && i + 1 < argc)
            dialog = argv[++i];
        else if (!std::strcmp(argv[i], "--page") && i + 1 < argc)
            page = std::strtol(argv[++i], nullptr, 10);
        else
            return usage();
    }
    if (!dialog.empty() && dialog != "date" && dialog != "meter" && dialog != "threshold") {
        std::fprintf(
            stderr, "tessilo-demo: no dialog %s (date, meter or threshold)\n", dialog.c_str());
        return 2;
    }
    if (!dialog.empty() && screenshot.empty()) {
        std::fprintf(stderr, "tessilo-demo: --dialog needs --screenshot FILE\n");
        return 2;
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        if (screenshot.empty()) {
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
    demoDialogs dialogs(&frame);
    frame.dialogs = &dialogs;

    long status = 0;
    book pages(&frame, 100, &status);
    if (status != 0) {
        std::fprintf(
            stderr, "tessilo-demo: cannot create the book (0x%08lx)\n", status & 0xFFFFFFFFL);
        return 1;
    }
    frame.hosted = &pages;
    dialogs.demoDialogsLogTo(&pages);
    createFolderOf(pages.bookLogGetFile());
    pages.bookLogInitFile(FALSE);
    pages.bookLogStart(CString("tessilo-demo"));
    const char created[] = "book created with the water week, readings, log and report pages";

    long weekStatus = 0, readingsStatus = 0, logStatus = 0, reportStatus = 0;
    demoWaterWeekPage week(&pages, 0, &weekStatus);
    demoReadingsPage readings(&pages, 1, &readingsStatus);
    demoLogPage log(&pages, 2, &logStatus);
    demoReportPage report(&pages, 3, &reportStatus, demoReportPage::demoReportDefaultFile());
    if (weekStatus != 0 || readingsStatus != 0 || logStatus != 0 || reportStatus != 0) {
        std::fprintf(stderr, "tessilo-demo: a page could not be created\n");
        return 1;
    }
    pages.bookLog(const_cast<char*>(created), static_cast<long>(sizeof created - 1));
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

    int result = 0;
    if (!screenshot.empty()) {
        winport::testing::PumpEvents(200);
        bool saved = dialog.empty()
            ? winport::testing::SaveWindowPng(frame.GetSafeHwnd(), screenshot.c_str())
            : demoDialogsScreenshot(dialogs, dialog, screenshot.c_str());
        if (!saved) {
            std::fprintf(stderr, "tessilo-demo: cannot save %s\n", screenshot.c_str());
            result = 1;
        } else {
            std::printf("tessilo-demo: screenshot saved to %s\n", screenshot.c_str());
        }
        frame.dialogs = nullptr;
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
