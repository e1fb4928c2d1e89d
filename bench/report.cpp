// The report writer's speed.
// (1) A report of N rows x 5 columns of the readings (about 1 MB at 12,000 rows) written cell by
//     cell by bookMfcSQL, with totals, into the rich-edit view and into the plain edit view, next
//     to one bulk insert of the same final text into the same control; at N / 10 and N rows, so
//     that the cost per row shows whether the output is linear. Both timings end when the message
//     loop has run once more, so the widget's catching up with the control counts on both sides.
//     Goal: writing the cells at most 2x the bulk insert. The rows' fetch (every SQLFetch the
//     writer calls, timed inside the same run) is set apart: the bulk insert has its text
//     already, and any way of showing the rows pays for reading them. What is left is the
//     writer's titles, formatting, totals and its writes into the view. The whole run, fetch
//     included, is shown next to it, and the writer writing nowhere shows the fetch and the
//     formatting without a view.
// (2) tessilo report of all readings (200,000 by default) to standard output next to
//     sqlite3 -column and isql -b on the same query, with each program's peak memory. Goal: no
//     slower than isql, at most 2x sqlite3.
//   bench_report [--rows N] [--all N] [--repeat N] [--view rich|edit]
//   (--all 0 leaves out (2); --view times one of the views alone, for profiling)
#include "benchsupport.h"
#include "report/bookmfcsql.h"
#include "views/bookedit.h"
#include "views/bookrichedit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <functional>
#include <sql.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
double g_fetchSeconds = 0; // in SQLFetch since the last report began
}

// Every SQLFetch of the process comes here first (the program's own definition is found before
// the driver manager's, so it must be visible outside the program) and is timed on its way to the
// driver manager.
extern "C" __attribute__((visibility("default"))) SQLRETURN SQL_API SQLFetch(SQLHSTMT statement)
{
    using Fetch = SQLRETURN(SQL_API*)(SQLHSTMT);
    static const auto real = reinterpret_cast<Fetch>(dlsym(RTLD_NEXT, "SQLFetch"));
    if (!real)
        return SQL_ERROR;
    const auto started = std::chrono::steady_clock::now();
    SQLRETURN rc = real(statement);
    g_fetchSeconds
        += std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return rc;
}

namespace {

using bench::fail;
using bench::quoted;
using bench::secondsOf;
using bench::shell;

const char* const kQuery
    = "SELECT ReadingID, MeterID, ReadingDate, MeterReading, Volume FROM MeterReadings";

// The report into `view`, or written nowhere (the fetch and the writer's own formatting) when
// `view` is null.
template <typename View> void runReport(const std::string& connect, View* view)
{
    g_fetchSeconds = 0;
    long result = 0;
    bookMfcSQL writer(const_cast<char*>(connect.c_str()), &result);
    if (result != 0)
        fail("the report writer cannot connect");
    writer.MfcSQLWantDate(0);
    writer.MfcSQLWantTotals(1);
    if (view)
        writer.MfcSQLSetOutput(view);
    std::string text = std::string(kQuery) + ";";
    _ODBCItemBuff* buff = writer.MfcSQLSetSQLBuff(static_cast<unsigned int>(text.size()));
    long count = 0;
    writer.MfcSQLExecStr(const_cast<char*>(text.c_str()), &count, buff);
    writer.MfcSQLFreeSQLBuff(buff);
}

// The writer with no view: what the fetch and formatting cost, best of `repeat`.
double writerAlone(const std::string& connect, int repeat)
{
    double fastest = 1e30;
    for (int i = 0; i < repeat; ++i)
        fastest = std::min(
            fastest, secondsOf([&] { runReport(connect, static_cast<bookEdit*>(nullptr)); }));
    return fastest;
}

template <typename View>
bench::ViewTimes timeReport(CWnd& host, const std::string& connect, int repeat)
{
    return bench::timeTextView<View>(
        host, repeat, [&](View& view) { runReport(connect, &view); },
        [] { return g_fetchSeconds; });
}

struct Run {
    double seconds = 1e30;
    double cpu = 1e30;
    long peakKb = 0;
};

// Runs a shell command with its standard output to /dev/null: wall and processor time, and the
// peak resident memory of the program.
Run measure(const std::string& command, int repeat)
{
    Run r;
    for (int i = 0; i < repeat; ++i) {
        auto start = std::chrono::steady_clock::now();
        pid_t pid = fork();
        if (pid == 0) {
            execl("/bin/sh", "sh", "-c", ("exec " + command + " >/dev/null").c_str(), nullptr);
            _exit(127);
        }
        int status = 0;
        rusage usage {};
        if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)
            || WEXITSTATUS(status) != 0)
            fail("failed: " + command);
        std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
        r.seconds = std::min(r.seconds, d.count());
        r.cpu = std::min(r.cpu, seconds(usage.ru_utime) + seconds(usage.ru_stime));
        r.peakKb = std::max(r.peakKb, usage.ru_maxrss);
    }
    return r;
}

} // namespace

int main(int argc, char** argv)
{
    long rows = 12000;
    long all = 200000;
    int repeat = 3;
    std::string only;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--rows"))
            rows = std::max(10L, atol(argv[i + 1]));
        else if (!strcmp(argv[i], "--all"))
            all = atol(argv[i + 1]) <= 0 ? 0 : std::max(10L, atol(argv[i + 1]));
        else if (!strcmp(argv[i], "--repeat"))
            repeat = std::max(1, atoi(argv[i + 1]));
        else if (!strcmp(argv[i], "--view"))
            only = argv[i + 1];
    }
    if (!only.empty() && only != "rich" && only != "edit")
        fail("--view takes rich or edit, not " + only);
    const std::string root = bench::beginRun();

    CWnd host;
    if (!host.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
            nullptr, nullptr))
        fail("cannot create the host window");
    printf("(1) the report written cell by cell into the view next to one bulk insert of its "
           "text, best of %d (wall seconds); goal: written/bulk at most 2x\n",
        repeat);
    printf("(run: the whole report into the view; fetch: its SQLFetch calls, in the same run; "
           "written: run less fetch;\n writer: the same report written nowhere, the fetch and "
           "formatting alone; view: run less writer)\n");
    printf("%-26s %7s %9s %8s %8s %9s %8s %8s %13s %11s %9s %9s\n", "", "rows", "bytes", "writer s",
        "run s", "fetch s", "written", "bulk s", "written/1000", "bulk/1000", "run/bulk",
        "view/bulk");
    bool withinGoal = true;
    for (long n : { rows / 10, rows }) {
        const std::string connect = bench::accessConnect(bench::makeSampleDatabase(root, n));
        const double writer = writerAlone(connect, repeat);
        std::vector<std::pair<const char*, bench::ViewTimes>> figures;
        if (only.empty() || only == "rich")
            figures.emplace_back(
                "rich edit (bookRichEdit)", timeReport<bookRichEdit>(host, connect, repeat));
        if (only.empty() || only == "edit")
            figures.emplace_back(
                "plain edit (bookEdit)", timeReport<bookEdit>(host, connect, repeat));
        for (const auto& [name, f] : figures) {
            const double ratio = f.outputOwn / f.bulk;
            withinGoal = withinGoal && (n < rows || ratio <= 2.0);
            const double perThousand = 1e6 / static_cast<double>(n); // ms per 1,000 rows
            printf("%-26s %7ld %9ld %8.3f %8.3f %9.3f %8.3f %8.3f %10.2f ms %8.2f ms %8.2fx "
                   "%8.2fx   written/bulk %.2fx\n",
                name, n, f.length, writer, f.output, f.setApart, f.outputOwn, f.bulk,
                f.outputOwn * perThousand, f.bulk * perThousand, f.output / f.bulk,
                std::max(0.0, f.output - writer) / f.bulk, ratio);
        }
    }
    host.DestroyWindow();
    printf("goal (1) %s\n\n", withinGoal ? "met" : "missed");
    if (all == 0) {
        bench::shell("rm -rf " + bench::quoted(root));
        return 0;
    }

    const std::string path = bench::makeSampleDatabase(root, all);
    const std::string tessilo = std::string(TESSILO_BINARY_DIR) + "/bin/tessilo report -c "
        + quoted(bench::accessConnect(path)) + " " + quoted(kQuery);
    const Run report = measure(tessilo, repeat);
    const Run sqlite = measure("sqlite3 -column " + quoted(path) + " " + quoted(kQuery), repeat);
    const Run isql = measure("sh -c "
            + quoted(
                "echo " + quoted(kQuery) + " | isql -b -k " + quoted(bench::accessConnect(path))),
        repeat);
    printf("(2) %ld readings to standard output, best of %d; goal: no slower than isql, at most "
           "2x sqlite3\n",
        all, repeat);
    printf("%-22s %9s %9s %10s\n", "", "wall s", "cpu s", "peak MB");
    for (const auto& [name, r] : { std::pair<const char*, Run> { "tessilo report", report },
             { "sqlite3 -column", sqlite }, { "isql -b", isql } })
        printf("%-22s %9.3f %9.3f %10.1f\n", name, r.seconds, r.cpu, r.peakKb / 1024.0);
    printf("tessilo report / isql %.2fx (cpu %.2fx), / sqlite3 %.2fx (cpu %.2fx)\n",
        report.seconds / isql.seconds, report.cpu / isql.cpu, report.seconds / sqlite.seconds,
        report.cpu / sqlite.cpu);
    printf("goal (2) %s\n",
        report.seconds <= isql.seconds && report.seconds <= 2 * sqlite.seconds ? "met" : "missed");
    bench::shell("rm -rf " + bench::quoted(root));
    return 0;
}
