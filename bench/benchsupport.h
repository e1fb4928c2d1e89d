// What the benchmarks share: timing, shell commands, the sample database, the message loop, and
// timing a text view written cell by cell next to one bulk insert of the same text.
#pragma once

#include "views/bookedit.h"
#include "views/bookrichedit.h"

#include <afxwin.h>

#include <algorithm>
#include <functional>
#include <string>

namespace bench {

// The project's ODBC configuration, an offscreen display when there is none, and a new folder
// under /tmp as the drive root for the sample files; returns the folder.
std::string beginRun();

// Wall seconds of one run.
double secondsOf(const std::function<void()>& run);

// The text as one single-quoted shell word.
std::string quoted(const std::string& s);

// Prints "<program>: <why>" on standard error and exits 1.
[[noreturn]] void fail(const std::string& why);

// Runs a shell command; a failing command ends the benchmark.
void shell(const std::string& command);

// The path of a sample database with `rows` readings, made in `folder`.
std::string makeSampleDatabase(const std::string& folder, long rows);

// The connect string of the Access driver for a database file.
std::string accessConnect(const std::string& path);

// Runs the message loop until nothing is waiting: the widgets catch up with the controls.
void settle();

struct ViewTimes {
    double output = 1e30; // the writer's cells, one by one
    double bulk = 1e30; // the same text in one insert
    long length = 0; // of the text written
    // The fastest run less the part of it that `setApart` named (the fetch of the rows, say),
    // and that part in the same run.
    double outputOwn = 1e30;
    double setApart = 0;
};

// What differs between the text views: the control's text limit lifted, and the bulk insert each
// control takes best (the whole text set, or one replacement of an empty selection).
void liftLimit(bookEdit& view);
void liftLimit(bookRichEdit& view);
void insertAll(bookEdit& view, const CString& text);
void insertAll(bookRichEdit& view, const CString& text);

// A new text view under host written by `write`, best of `repeat`; then its text is cleared and
// put back in one insert. Both timings end when the message loop has run once more, so the
// widget's catching up with the control counts on both sides. `setApart`, when given, tells
// after each write how many of its seconds were not the view's writing.
template <typename View>
ViewTimes timeTextView(CWnd& host, int repeat, const std::function<void(View&)>& write,
    const std::function<double()>& setApart = nullptr)
{
    ViewTimes times;
    for (int i = 0; i < repeat; ++i) {
        View view;
        if (!view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 600), &host, 8))
            fail("cannot create the view");
        liftLimit(view);
        settle();
        const double seconds = secondsOf([&] {
            write(view);
            settle();
        });
        times.output = std::min(times.output, seconds);
        const double apart = setApart ? setApart() : 0.0;
        if (seconds - apart < times.outputOwn) {
            times.outputOwn = seconds - apart;
            times.setApart = apart;
        }
        CString text;
        view.GetWindowText(text);
        times.length = text.GetLength();
        view.SetWindowText("");
        settle();
        times.bulk = std::min(times.bulk, secondsOf([&] {
            insertAll(view, text);
            settle();
        }));
        view.DestroyWindow();
    }
    return times;
}

} // namespace bench
