// Report output into the views: N rows x 5 columns of the sample database written by the
// statement (MfcSQL) into the SQL list view, the plain edit view and the rich-edit view, each
// next to one bulk insert of the same content into the same control (the edit controls' whole
// text set at once; the list's items inserted straight from the finished cells). The statement
// alone, writing nowhere, shows what the fetch costs; the view's own share is the output less
// that. Runs at N and at N / 10 rows, so that the cost per row shows whether output is linear.
// Both timings end when the message loop has run once more: controls that bring their widget up
// to date later (the edit controls) pay for it inside the timing.
// Goal: the view's share at most 2x the bulk insert.
//   bench_viewoutput [--rows N] [--repeat N]
#include "benchsupport.h"
#include "db/mfcsql.h"
#include "db/sqlquery.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using bench::fail;
using bench::secondsOf;
using bench::settle;

const char* const kQuery
    = "SELECT ReadingID, MeterID, ReadingDate, MeterReading, Volume FROM MeterReadings";

struct Figures {
    const char* view;
    long rows;
    double output; // the statement writing into the view
    double bulk; // the same content in one insert
};

class Bench {
public:
    Bench(const std::string& connect, int repeat)
        : m_connect(connect)
        , m_repeat(repeat)
    {
        if (!m_host.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
                nullptr, nullptr)) {
            fprintf(stderr, "bench_viewoutput: cannot create the host window\n");
            exit(1);
        }
    }
    ~Bench() { m_host.DestroyWindow(); }

    // The statement with no view: the fetch and formatting alone.
    double statementAlone()
    {
        return best([&] {
            long result = 0;
            SQLQuery query(const_cast<char*>(m_connect.c_str()), &result);
            query.m_sql = kQuery;
            if (result != 0 || query.SQLQueryExec() != 0)
                fail("SQLQuery cannot run the query");
        });
    }

    Figures edit(long rows) { return textView<bookEdit>("plain edit (bookEdit)", rows); }

    Figures richEdit(long rows) { return textView<bookRichEdit>("rich edit (bookRichEdit)", rows); }

    Figures list(long rows)
    {
        Figures f { "list (bookListSQL)", rows, 1e30, 1e30 };
        for (int i = 0; i < m_repeat; ++i) {
            bookListSQL view;
            if (view.bookListSQLCreate(&m_host, 2035, CRect(0, 0, 800, 600)) != 0)
                fail("cannot create the list view");
            f.output = std::min(f.output, secondsOf([&] {
                run(view);
                settle();
            }));
            CListCtrl& control = view.GetListCtrl();
            const int items = control.GetItemCount();
            const int columns = view.bookListGetColumnCount();
            if (items != rows)
                fail("the list holds " + std::to_string(items) + " rows");
            std::vector<std::vector<CString>> cells(static_cast<size_t>(items));
            for (int r = 0; r < items; ++r) {
                for (int c = 0; c < columns; ++c)
                    cells[static_cast<size_t>(r)].push_back(control.GetItemText(r, c));
            }
            control.DeleteAllItems();
            settle();
            f.bulk = std::min(f.bulk, secondsOf([&] {
                for (int r = 0; r < items; ++r) {
                    const auto& row = cells[static_cast<size_t>(r)];
                    int at = control.InsertItem(r, row[0]);
                    for (int c = 1; c < columns; ++c)
                        control.SetItemText(at, c, row[static_cast<size_t>(c)]);
                }
                settle();
            }));
            view.DestroyWindow();
        }
        return f;
    }

private:
    template <typename View> Figures textView(const char* name, long rows)
    {
        const bench::ViewTimes times
            = bench::timeTextView<View>(m_host, m_repeat, [&](View& view) { run(view); });
        if (times.length < rows * 5)
            fail("the view holds only " + std::to_string(times.length) + " characters");
        return Figures { name, rows, times.output, times.bulk };
    }

    template <typename View> void run(View& view)
    {
        long result = 0;
        MfcSQL sql(const_cast<char*>(m_connect.c_str()), &result);
        if (result != 0)
            fail("MfcSQL cannot connect");
        sql.MfcSQLSetOutput(&view);
        std::string text = std::string(kQuery) + ";";
        _ODBCItemBuff* buff = sql.MfcSQLSetSQLBuff(static_cast<unsigned int>(text.size()));
        long count = 0;
        sql.MfcSQLExecStr(const_cast<char*>(text.c_str()), &count, buff);
        sql.MfcSQLFreeSQLBuff(buff);
        sql.MfcSQLSetOutput(static_cast<View*>(nullptr));
    }

    double best(const std::function<void()>& run)
    {
        double fastest = 1e30;
        for (int i = 0; i < m_repeat; ++i)
            fastest = std::min(fastest, secondsOf(run));
        return fastest;
    }

    std::string m_connect;
    int m_repeat;
    CWnd m_host;
};

} // namespace

int main(int argc, char** argv)
{
    long rows = 20000;
    int repeat = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--rows"))
            rows = std::max(10L, atol(argv[i + 1]));
        else if (!strcmp(argv[i], "--repeat"))
            repeat = std::max(1, atoi(argv[i + 1]));
    }
    const std::string root = bench::beginRun();

    printf("Report output into the views, best of %d runs (wall seconds); the goal is output at "
           "most 2x the bulk insert\n",
        repeat);
    printf("(statement: the same query writing nowhere; view: output less statement, the view's "
           "own share)\n");
    printf("%-26s %7s %9s %9s %9s %12s %9s %10s\n", "", "rows", "statement", "output", "bulk",
        "ms/1000 rows", "out/bulk", "view/bulk");
    bool withinGoal = true;
    for (long n : { rows / 10, rows }) {
        Bench views(bench::accessConnect(bench::makeSampleDatabase(root, n)), repeat);
        const double statement = views.statementAlone();
        for (const Figures& f : { views.list(n), views.edit(n), views.richEdit(n) }) {
            const double ratio = f.output / f.bulk;
            const double viewRatio = std::max(0.0, f.output - statement) / f.bulk;
            withinGoal = withinGoal && (n < rows || viewRatio <= 2.0);
            printf("%-26s %7ld %9.3f %9.3f %9.3f %12.1f %8.2fx %9.2fx\n", f.view, f.rows, statement,
                f.output, f.bulk, f.output * 1000.0 * 1000.0 / static_cast<double>(f.rows), ratio,
                viewRatio);
        }
    }
    printf("goal %s\n", withinGoal ? "met" : "missed");
    bench::shell("rm -rf " + bench::quoted(root));
    return 0;
}
