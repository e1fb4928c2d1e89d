// Report writers with their own SQL: the ";" appended once, totals on or off by constructor, a
// dialog's list box emptied only when dialog, control and the clear switch are all given, and the
// private totals and widened list columns of cfSQLExecSQL.
#include "report/sqlexec.h"
#include "testdb.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

class Executors : public testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        m_db = TestDb::create("SQLite", &why);
        ASSERT_TRUE(m_db) << why;
        ASSERT_TRUE(m_db->exec("CREATE TABLE m (name VARCHAR(8), qty INTEGER)", &why)) << why;
        ASSERT_TRUE(m_db->exec("INSERT INTO m VALUES ('north', 3), ('south', 10)", &why)) << why;
        WriteProfileStringA("tessilo40", "ConnectStr", m_db->connectString().c_str());
        ASSERT_TRUE(host.CreateEx(
            0, nullptr, "host", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr));
        ASSERT_TRUE(box.Create(WS_CHILD | LBS_NOTIFY, CRect(0, 0, 100, 100), &host, 7));
    }
    void TearDown() override
    {
        host.DestroyWindow();
        WriteProfileStringA("tessilo40", "ConnectStr", nullptr);
    }
    void fillBox()
    {
        box.ResetContent();
        box.AddString("a");
        box.AddString("b");
    }
    static std::string textOf(CWnd& view)
    {
        CString text;
        view.GetWindowText(text);
        return text.GetString();
    }

    std::unique_ptr<TestDb> m_db;
    CWnd host;
    CListBox box;
};

TEST_F(Executors, OwnSqlGetsOneSemicolonAndTotalsByDefault)
{
    long result = 0;
    SQLExec exec(&result);
    ASSERT_EQ(result, 0);
    EXPECT_EQ(exec.m_connect, CString(m_db->connectString().c_str()));
    EXPECT_EQ(exec.m_decimalPlaces, 2.0);
    EXPECT_EQ(exec.SQLExecute(), static_cast<long>(E_UNEXPECTED));
    bookEdit view;
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 800, 600), &host, 1));
    exec.MfcSQLSetOutput(&view);
    exec.m_sql = "SELECT name, qty FROM m ORDER BY name";
    for (int run = 0; run < 2; ++run) {
        exec.MfcSQLWantDate(0);
        view.SetWindowText("");
        EXPECT_EQ(exec.SQLExecute(), 0);
        EXPECT_STREQ(exec.m_sql, "SELECT name, qty FROM m ORDER BY name;");
        // Two rows, the last-row step and the totals block.
        EXPECT_EQ(exec.m_count, 4);
        EXPECT_EQ(textOf(view),
            "name     qty        \r\n------------------\r\nnorth             3 \r\nsouth    "
            "        10 \r\n------ Totals -------\r\n                 13\r\n");
    }
}

TEST_F(Executors, DialogControlIsEmptiedOnlyWhenFullyNamed)
{
    struct Case {
        HWND dialog;
        unsigned control;
        int clear;
        int expectedCount;
    };
    const Case cases[] = {
        { host.m_hWnd, 7, 1, 0 },
        { host.m_hWnd, 7, 0, 2 },
        { host.m_hWnd, static_cast<unsigned>(-1), 1, 2 },
        { nullptr, 7, 1, 2 },
    };
    for (const Case& c : cases) {
        fillBox();
        long result = 0;
        SQLExec exec(&result, const_cast<char*>("SELECT qty FROM m"), c.dialog, c.control, c.clear);
        EXPECT_EQ(box.GetCount(), c.expectedCount) << c.control << " " << c.clear;
        EXPECT_EQ(exec.m_clear, c.expectedCount == 0 ? 1 : 0);
        EXPECT_EQ(exec.m_wantTotals, 0);
        EXPECT_STREQ(exec.m_sql, "SELECT qty FROM m");
    }
}

TEST_F(Executors, PrivateTotalsAndListColumnsWidenedAfterTotals)
{
    long result = 0;
    cfSQLExecSQL exec(&result, host.m_hWnd, 7, 1);
    ASSERT_EQ(result, 0);
    bookListSQL list;
    ASSERT_EQ(list.bookListSQLCreate(&host, 2, CRect(0, 0, 800, 600)), 0);
    list.bookListSetSeparator('=');
    exec.MfcSQLSetOutput(&list);
    exec.m_sql = "SELECT name, qty FROM m ORDER BY name;";
    ASSERT_EQ(exec.SQLExecute(), 0);
    EXPECT_EQ(exec.m_integerTotals[1].total, 13);
    EXPECT_EQ(exec.m_integerTotals[1].width, 10);
    EXPECT_EQ(exec.m_integerTotals[1].on, 1);
    EXPECT_EQ(exec.m_integerTotals[0].column, 0); // text columns record their place only
    EXPECT_EQ(exec.m_integerTotals[0].on, 0);
    CListCtrl& control = list.GetListCtrl();
    ASSERT_EQ(control.GetItemCount(), 4);
    // Column widths: the larger of the title width (display width in "X") and twice the
    // width of "a" as long as the longest text above the totals row (the separator row).
    auto width = [&](char ch, int count) {
        return control.GetStringWidth(CString(ch, count).GetString());
    };
    EXPECT_EQ(control.GetColumnWidth(0), std::max(width('X', 8), 2 * width('a', 8)));
    EXPECT_EQ(control.GetColumnWidth(1), std::max(width('X', 10), 2 * width('a', 10)));
    exec.ClearTotals();
    EXPECT_EQ(exec.m_integerTotals[1].total, 0);
    EXPECT_EQ(exec.m_integerTotals[1].width, 10);
}

} // namespace
