// The SQL book's road: Execute on the query page of a BookSQL until the result page shows the
// first screen of a report of all readings (200,000 rows by default) and until the report is
// complete, in the rich-edit report view ("All Output" checked) and in the list view (unchecked);
// next to sqlite3 -column and isql -b writing the same rows to /dev/null. The first screen is
// taken when the result view has painted itself with at least the rows that fill its height
// written (the first row written after that paint, or the end of the run when the view is painted
// only by the event loop afterwards); the rows written at that paint are printed. The report is
// complete when, after the run, the event loop has had its turn (the view has taken in everything
// written), Ctrl+End has brought the last row into sight and the view has painted itself there (to
// a PNG file): the whole text is in the control, scrollable to its end. Memory is the growth of the
// resident set over the run, per 100,000 rows; memory the first view freed is reused by the
// second, so measure each view's memory in a run of its own (--view). Goals: first screen under
// 0.2 s, the whole report at most 3x isql.
//   bench_sqlbook [--rows N] [--repeat N] [--view list|report]
#include "odbcconfig.h"
#include "sqlpages/booksql.h"
#include "sqlpages/bookpagesql.h"
#include "sqlpages/bookpagesqlrslt.h"

#include <winport/testing.h>
#include <winport/testinput.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char* const kQuery
    = "SELECT ReadingID, MeterID, ReadingDate, MeterReading, Volume FROM MeterReadings";
// The rows of the 800 x 600 book's result view: about 440 pixels of 15-pixel lines.
const long kScreenRows = 29;

using Clock = std::chrono::steady_clock;

[[noreturn]] void fail(const std::string& why)
{
    fprintf(stderr, "bench_sqlbook: %s\n", why.c_str());
    exit(1);
}

long residentKb()
{
    long pages = 0, resident = 0;
    FILE* f = fopen("/proc/self/statm", "r");
    if (!f)
        return 0;
    if (fscanf(f, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    fclose(f);
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The book's statement, counting the rows written and noting when the first screen is shown:
// the view's paint with a screenful of rows in has ended when the writer writes again.
class TimedStatement : public bookMfcSQLBookSQL {
public:
    TimedStatement(char* connect, BookSQL* owner, long* result)
        : bookMfcSQLBookSQL(connect, owner, result)
    {
    }
    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override
    {
        if (screenPainted && firstScreen == Clock::time_point())
            firstScreen = Clock::now();
        long rc = bookMfcSQLBookSQL::MfcSQLOutput(text, binding, row, column, hstmt);
        if (binding && !binding->next)
            ++rows;
        return rc;
    }
    void painted()
    {
        if (!screenPainted && rows >= kScreenRows) {
            screenPainted = true;
            rowsAtPaint = rows;
        }
    }
    long rows = 0;
    long rowsAtPaint = 0;
    bool screenPainted = false;
    Clock::time_point firstScreen;
};

class TimedBook : public BookSQL {
public:
    explicit TimedBook(CWnd* parent)
        : BookSQL(parent)
    {
    }
    long Connect() override
    {
        CString connect = ConnectGetConnectStr();
        long result = 0;
        m_statement = new TimedStatement(const_cast<char*>(connect.GetString()), this, &result);
        if (result != 0) {
            delete m_statement;
            m_statement = nullptr;
            return E_FAIL;
        }
        return 0;
    }
    // The result view of this run exists now: its paints are watched.
    long MfcSQLExecStrPre(CEdit* edit, long* count) override
    {
        CWnd* view = bookSQLGetResultPage()->PageRsltGetView();
        if (!view
            || !winport::testing::WatchPaints(view->GetSafeHwnd(), [this] { timed()->painted(); }))
            fail("the result view's paints cannot be watched");
        return BookSQL::MfcSQLExecStrPre(edit, count);
    }
    TimedStatement* timed() { return static_cast<TimedStatement*>(m_statement); }
};

struct Figures {
    double firstScreen = 1e30;
    double complete = 1e30;
    long growthKb = 0;
    long rowsAtPaint = 0;
};

// Brings the view up to date and its end into sight, painted, as a user who pressed Ctrl+End.
void showEnd(CWnd* view, const std::string& png)
{
    if (!view || !view->GetSafeHwnd())
        fail("the result page has no view");
    winport::testing::PumpEvents(0);
    if (!winport::testing::PressKey(view->GetSafeHwnd(), VK_END, false, true))
        fail("Ctrl+End did not reach the view");
    winport::testing::PumpEvents(0);
    if (!winport::testing::SaveWindowPng(view->GetSafeHwnd(), png.c_str()))
        fail("the view cannot be painted");
}

Figures runBook(CWnd& host, bool allOutput, int repeat, const std::string& png)
{
    Figures f;
    for (int i = 0; i < repeat; ++i) {
        TimedBook book(&host);
        if (book.bookInit(7u) != 0 || book.bookInit(7, 0, 1, 2, 3) != 0)
            fail("the book cannot connect");
        long status = 0;
        book.bookSQLSetBookPages(&status);
        if (status != 0)
            fail("the book's pages cannot be made");
        book.MoveWindow(0, 0, 800, 600);
        book.bookToPage(0);
        // On screen, as the window a user clicks Execute in.
        if (!winport::testing::WaitExposed(book.GetSafeHwnd()))
            fail("the book is not shown");
        BookPageSQL* query = book.bookSQLGetQueryPage();
        query->PageQueryGetAllOutput().SetCheck(allOutput ? BST_CHECKED : BST_UNCHECKED);
        query->PageQueryGetEdit().SetWindowText((std::string(kQuery) + ";").c_str());
        long before = residentKb();
        long count = 0;
        auto start = Clock::now();
        if (query->PageQueryOk(0, &count) != 0)
            fail("the query did not run");
        if (book.timed()->firstScreen == Clock::time_point()) {
            winport::testing::PumpEvents(0); // the view is painted only now
            if (!book.timed()->screenPainted)
                fail("the result view was not painted");
            book.timed()->firstScreen = Clock::now();
        }
        showEnd(book.bookSQLGetResultPage()->PageRsltGetView(), png);
        auto end = Clock::now();
        long after = residentKb();
        std::chrono::duration<double> whole = end - start;
        std::chrono::duration<double> first = book.timed()->firstScreen - start;
        f.complete = std::min(f.complete, whole.count());
        f.firstScreen = std::min(f.firstScreen, first.count());
        f.growthKb = std::max(f.growthKb, after - before);
        f.rowsAtPaint = book.timed()->rowsAtPaint;
    }
    return f;
}

double measure(const std::string& command, int repeat)
{
    double best = 1e30;
    for (int i = 0; i < repeat; ++i) {
        auto start = Clock::now();
        if (system(("exec " + command + " >/dev/null").c_str()) != 0)
            fail("failed: " + command);
        std::chrono::duration<double> d = Clock::now() - start;
        best = std::min(best, d.count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    long rows = 200000;
    int repeat = 2;
    std::vector<bool> views { false, true };
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--rows"))
            rows = std::max(100L, atol(argv[i + 1]));
        else if (!strcmp(argv[i], "--repeat"))
            repeat = std::max(1, atoi(argv[i + 1]));
        else if (!strcmp(argv[i], "--view") && !strcmp(argv[i + 1], "list"))
            views = { false };
        else if (!strcmp(argv[i], "--view") && !strcmp(argv[i + 1], "report"))
            views = { true };
        else
            fail(std::string("unknown option ") + argv[i] + " " + argv[i + 1]);
    }
    tessiloUseProjectOdbcConfig();
    if (!getenv("DISPLAY") && !getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char root[] = "/tmp/tessilo-bench-XXXXXX";
    if (!mkdtemp(root))
        return 1;
    setenv("RIVANTA_ROOT", root, 1);
    std::string path = std::string(root) + "/drives/c/orlamo40/Rivanta40.mdb";
    fprintf(stderr, "bench_sqlbook: building a sample database of %ld readings\n", rows);
    if (system((std::string(TESSILO_BINARY_DIR) + "/bin/tessilo-sampledb --profile --readings "
            + std::to_string(rows) + " 'C:\\orlamo40\\Rivanta40.mdb' >/dev/null")
                   .c_str())
        != 0)
        fail("cannot build the sample database");

    CWnd host;
    if (!host.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600,
            nullptr, nullptr))
        fail("cannot create the host window");
    std::string sql = std::string(kQuery) + ";";
    double sqlite = measure("sqlite3 -column '" + path + "' '" + sql + "'", repeat);
    std::string isqlInput = std::string(root) + "/query.sql";
    FILE* input = fopen(isqlInput.c_str(), "w");
    if (!input)
        fail("cannot write " + isqlInput);
    fprintf(input, "%s\n", kQuery);
    fclose(input);
    double isql = measure("isql -b 'Rivanta 4.0' < '" + isqlInput + "'", repeat);

    printf("Execute to the result page, %ld rows x 5 columns, best of %d (wall seconds)\n", rows,
        repeat);
    printf("%-22s %12s %10s %10s %14s %14s\n", "", "first screen", "complete", "x isql",
        "MB/100k rows", "rows at paint");
    for (bool allOutput : views) {
        Figures f = runBook(host, allOutput, repeat, std::string(root) + "/end.png");
        printf("%-22s %12.3f %10.3f %10.2f %14.1f %14ld\n",
            allOutput ? "report (rich edit)" : "list", f.firstScreen, f.complete, f.complete / isql,
            f.growthKb / 1024.0 * 100000.0 / rows, f.rowsAtPaint);
    }
    printf("%-22s %12s %10.3f %10.2f\n", "sqlite3 -column", "", sqlite, sqlite / isql);
    printf("%-22s %12s %10.3f %10.2f\n", "isql -b", "", isql, 1.0);
    std::string cleanup = std::string("rm -rf '") + root + "'";
    if (system(cleanup.c_str()) != 0)
        return 1;
    return 0;
}
