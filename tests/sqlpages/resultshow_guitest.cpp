// The result view is painted while a long run is still writing rows into it, in both views: the
// user sees the first screen before the run ends.
#include "sqlbookhost.h"

#include <winport/testinput.h>

namespace {

// A statement that counts the rows it has written.
class CountingStatement : public bookMfcSQLBookSQL {
public:
    CountingStatement(char* connect, BookSQL* owner, long* result)
        : bookMfcSQLBookSQL(connect, owner, result)
    {
    }
    long MfcSQLOutput(
        char* text, STR_BINDING* binding, long* row, long column, void* hstmt) override
    {
        long rc = bookMfcSQLBookSQL::MfcSQLOutput(text, binding, row, column, hstmt);
        if (binding && !binding->next)
            ++rows;
        return rc;
    }
    long rows = 0;
};

// A book that watches its result view's paints during a run, and notes what they were at its end.
class WatchedBook : public BookSQL {
public:
    // The base constructor connected with the base's statement: it is replaced by a counting one.
    WatchedBook(CWnd* parent, unsigned int id, long* result)
        : BookSQL(parent, id, result)
    {
        delete m_statement;
        m_statement = nullptr;
        long status = Connect();
        if (result && *result == 0)
            *result = status;
    }
    long Connect() override
    {
        CString connect = ConnectGetConnectStr();
        long result = 0;
        m_statement = counting
            = new CountingStatement(const_cast<char*>(connect.GetString()), this, &result);
        return result;
    }
    long MfcSQLExecStrPre(CEdit* edit, long* count) override
    {
        counting->rows = 0;
        paints = 0;
        rowsAtFirstPaint = -1;
        CWnd* view = bookSQLGetResultPage()->PageRsltGetView();
        if (view)
            winport::testing::WatchPaints(view->GetSafeHwnd(), [this] {
                if (paints++ == 0)
                    rowsAtFirstPaint = counting->rows;
            });
        return BookSQL::MfcSQLExecStrPre(edit, count);
    }
    long MfcSQLExecStrPost(CEdit* edit, long* count, long result) override
    {
        paintsInRun = paints;
        rowsInRun = counting->rows;
        viewShownInRun
            = ::IsWindowVisible(bookSQLGetResultPage()->PageRsltGetView()->GetSafeHwnd());
        return BookSQL::MfcSQLExecStrPost(edit, count, result);
    }

    CountingStatement* counting = nullptr;
    int paints = 0;
    long rowsAtFirstPaint = -1;
    int paintsInRun = 0;
    long rowsInRun = 0;
    bool viewShownInRun = false;
};

class ResultView : public SqlBookTest {
protected:
    void SetUp() override
    {
        SqlBookTest::SetUp();
        m_book.reset();
        long status = -1;
        m_book = std::make_unique<WatchedBook>(&m_host, 1001u, &status);
        ASSERT_EQ(status, 0);
        m_book->MoveWindow(0, 0, 760, 560);
        // On screen, as a window a user clicks in.
        ASSERT_TRUE(winport::testing::WaitExposed(m_book->GetSafeHwnd()));
    }
    WatchedBook& watched() { return static_cast<WatchedBook&>(bk()); }
};

// 40 x 40 readings: many screens of rows.
const char kManyRows[]
    = "SELECT a.ReadingID, b.ReadingID, a.MeterReading FROM MeterReadings a, MeterReadings b;";

TEST_F(ResultView, ViewIsPaintedWithRowsBeforeTheRunEnds)
{
    for (bool allOutput : { true, false }) {
        SCOPED_TRACE(allOutput ? "report" : "list");
        setAllOutput(allOutput);
        execute(kManyRows);
        WatchedBook& b = watched();
        EXPECT_GE(b.rowsInRun, 1600);
        EXPECT_TRUE(b.viewShownInRun);
        EXPECT_GE(b.paintsInRun, 1);
        EXPECT_GT(b.rowsAtFirstPaint, 1);
        EXPECT_LT(b.rowsAtFirstPaint, b.rowsInRun);
        EXPECT_EQ(bk().bookGetPageCurrentIdx(), bk().bookSQLGetResultPageNumber());
    }
}

// A result that does not fill the view is shown when the run ends, as before.
TEST_F(ResultView, ShortResultIsNotPaintedDuringTheRun)
{
    execute("SELECT MeterID FROM Meters WHERE MeterID < 3;");
    EXPECT_EQ(watched().paintsInRun, 0);
    EXPECT_FALSE(watched().viewShownInRun);
    EXPECT_EQ(bk().bookGetPageCurrentIdx(), bk().bookSQLGetResultPageNumber());
}

} // namespace
