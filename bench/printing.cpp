// Printing a 1 MB report (about 15,000 lines, report markers, a page break every 60 lines) to the
// "PDF" printer from bookRichEdit, the same text from bookEdit, and Qt's own QTextDocument::print
// of the same plain text as the peer. Prints pages per second, the ratios to the peer and the
// peak resident memory of the run.
//   bench_printing [--lines N] [--out DIR]
#include "views/bookedit.h"
#include "views/bookrichedit.h"

#include <afxext.h>
#include <winport/testing.h>

#include <QApplication>
#include <QFont>
#include <QPrinter>
#include <QTextDocument>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <sys/resource.h>

namespace {

struct Run {
    const char* name;
    double seconds = 0;
    int pages = 0;
};

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

int pdfPages(const std::string& path)
{
    std::string command = "pdfinfo '" + path + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char line[512];
    int pages = -1;
    while (std::fgets(line, sizeof line, pipe)) {
        if (std::strncmp(line, "Pages:", 6) == 0)
            pages = std::atoi(line + 6);
    }
    pclose(pipe);
    return pages;
}

// Times `body` by processor time (steadier than wall time on a shared machine).
Run measure(const char* name, const std::string& pdf, const std::function<void()>& body)
{
    Run run { name };
    double start = cpuSeconds();
    body();
    run.seconds = cpuSeconds() - start;
    run.pages = pdfPages(pdf);
    return run;
}

std::string reportLine(int row)
{
    char line[96];
    std::snprintf(line, sizeof line,
        "M-%06d  %10d  %10.2f  Meter reading for the water year %4d\r\n", row, row * 7, row * 1.25,
        2000 + row % 25);
    return line;
}
}

int main(int argc, char** argv)
{
    int lines = 15000;
    std::string out = "/tmp";
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--lines"))
            lines = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--out"))
            out = argv[i + 1];
    }
    winport::testing::EnableScriptedUi(
        [](const std::string& m) { std::fprintf(stderr, "bench_printing: %s\n", m.c_str()); });
    const char* titles = "Meter          Reading      Volume  Remark\r\n"
                         "-------- ----------- ----------- ---------------------------------";

    CWnd host;
    host.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr);

    // The rich-edit report: markers and a page break every 60 lines.
    bookRichEdit rich;
    rich.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 600), &host, 1);
    rich.bookEditSetFont();
    rich.ReportIDInsert(1, titles);
    std::string plain;
    for (int row = 1; row <= lines; row += 60) {
        CString block;
        for (int r = row; r < row + 60 && r <= lines; ++r) {
            std::string line = reportLine(r);
            block += line.c_str();
            plain += line;
        }
        rich.bookRichEditAppend(block, 0, true);
        if (row + 60 <= lines) {
            long end = rich.GetRichEditCtrl().GetTextLengthEx(GTL_DEFAULT);
            rich.GetRichEditCtrl().SetSel(end, end);
            rich.PageBreakInsert();
        }
    }
    rich.bookEditSetPageNumbering(1);
    bookEdit edit;
    edit.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 600), &host, 2);
    edit.SetWindowText(plain.c_str());
    edit.bookEditSetPageNumbering(1);
    std::printf("report: %d lines, %zu bytes\n", lines, plain.size());

    std::string richPdf = out + "/bench-rich.pdf";
    std::string editPdf = out + "/bench-edit.pdf";
    std::string peerPdf = out + "/bench-peer.pdf";
    Run runs[3];
    runs[0] = measure("bookRichEdit", richPdf, [&] {
        winport::testing::ScriptPrintDialog("PDF", richPdf);
        rich.OnFilePrint();
    });
    runs[1] = measure("bookEdit", editPdf, [&] {
        winport::testing::ScriptPrintDialog("PDF", editPdf);
        edit.OnFilePrint();
    });
    runs[2] = measure("QTextDocument::print", peerPdf, [&] {
        QTextDocument document;
        QFont font("Courier New");
        font.setPointSize(8);
        document.setDefaultFont(font);
        document.setPlainText(QString::fromLatin1(plain.data(), static_cast<int>(plain.size())));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setOutputFileName(QString::fromLocal8Bit(peerPdf.c_str()));
        document.print(&printer);
    });
    for (const Run& run : runs) {
        std::printf("%-22s %6.2f s cpu  %5d pages  %8.1f pages/s  %5.2fx the peer's time\n",
            run.name, run.seconds, run.pages, run.pages / std::max(run.seconds, 1e-9),
            run.seconds / std::max(runs[2].seconds, 1e-9));
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    rich.DestroyWindow();
    edit.DestroyWindow();
    host.DestroyWindow();
    return 0;
}
