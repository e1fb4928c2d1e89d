// tessilo-demo: a host application in the style of the suite's own. A frame window holds a book
// with a readings page and a water-week page; the frame's size follows into the book and its
// current page.
//
//   tessilo-demo [--page N] [--screenshot FILE]
//
// With --screenshot the window is rendered (offscreen when there is no display), saved as a PNG
// and the program exits.
#include "demopages.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

book* hostedBook = nullptr;

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (hostedBook && hostedBook->GetSafeHwnd())
            ::MoveWindow(hostedBook->GetSafeHwnd(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProc(window, message, wParam, lParam);
    }
}

int usage()
{
    std::fprintf(stderr, "usage: tessilo-demo [--page N] [--screenshot FILE]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string screenshot;
    long page = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--page") && i + 1 < argc)
            page = std::strtol(argv[++i], nullptr, 10);
        else
            return usage();
    }
    if (!screenshot.empty() && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);

    WNDCLASSA frameClass {};
    frameClass.lpfnWndProc = hostProc;
    frameClass.lpszClassName = "TessiloDemoFrame";
    ::RegisterClass(&frameClass);
    HWND frame = ::CreateWindowEx(0, "TessiloDemoFrame", "tessilo40 demo - Rivanta 40",
        WS_OVERLAPPEDWINDOW, 80, 80, 680, 440, nullptr, nullptr, nullptr, nullptr);
    if (!frame) {
        std::fprintf(stderr, "tessilo-demo: cannot create the frame window\n");
        return 1;
    }
    CWnd* host = CWnd::FromHandle(frame);

    long status = 0;
    book pages(host, 100, &status);
    if (status != 0) {
        std::fprintf(stderr, "tessilo-demo: cannot create the book (0x%08lx)\n", status & 0xFFFFFFFFL);
        return 1;
    }
    hostedBook = &pages;
    long readingsStatus = 0, weekStatus = 0;
    demoReadingsPage readings(&pages, 0, &readingsStatus);
    demoWaterWeekPage week(&pages, 1, &weekStatus);
    if (readingsStatus != 0 || weekStatus != 0) {
        std::fprintf(stderr, "tessilo-demo: a page could not be created\n");
        return 1;
    }
    ::ShowWindow(frame, SW_SHOW);
    CRect client;
    host->GetClientRect(&client);
    ::MoveWindow(pages.GetSafeHwnd(), 0, 0, client.Width(), client.Height(), TRUE);
    if (pages.bookToPage(static_cast<unsigned int>(page)) != 0) {
        std::fprintf(stderr, "tessilo-demo: no page %ld\n", page);
        return 2;
    }
    pages.bookShow(TRUE);

    int result = 0;
    if (!screenshot.empty()) {
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessage(&msg);
        if (!winportSaveWindowImage(frame, screenshot.c_str())) {
            std::fprintf(stderr, "tessilo-demo: cannot save %s\n", screenshot.c_str());
            result = 1;
        } else {
            std::printf("tessilo-demo: screenshot saved to %s\n", screenshot.c_str());
        }
        ::DestroyWindow(frame);
    } else {
        MSG msg;
        while (::GetMessage(&msg, nullptr, 0, 0) > 0) {
            if (!pages.bookPreTranslateMessage(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        }
    }
    pages.bookShow(FALSE);
    hostedBook = nullptr;
    return result;
}
