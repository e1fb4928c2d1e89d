// The statement's own output into a list view and a rich-edit report view: columns, rows with item
// data, cells padded to their width, NULL as blanks, the protected report marker with the titles,
// and diagnostics appended to the report.
#include "db/mfcsql.h"
#include "testdb.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <gtest/gtest.h>
#include <testing.h>

namespace {

class StatementViews : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        m_db = TestDb::create("SQLite", &why);
        ASSERT_TRUE(m_db) << why;
        ASSERT_TRUE(m_db->exec("CREATE TABLE t (id INTEGER, name VARCHAR(8))", &why)) << why;
        ASSERT_TRUE(m_db->exec("INSERT INTO t VALUES (1, 'north')", &why)) << why;
        ASSERT_TRUE(m_db->exec("INSERT INTO t VALUES (22, NULL)", &why)) << why;
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 600,
            400, nullptr, nullptr));
        long result = 0;
        std::string connect = m_db->connectString();
        sql = std::make_unique<MfcSQL>(const_cast<char*>(connect.c_str()), &result);
        ASSERT_EQ(result, 0);
    }
    void TearDown() override
    {
        sql.reset();
        host.DestroyWindow();
    }
    long run(const char* text)
    {
        _ODBCItemBuff* buff = sql->MfcSQLSetSQLBuff(200);
        long count = 0;
        sql->MfcSQLExecStr(const_cast<char*>(text), &count, buff);
        sql->MfcSQLFreeSQLBuff(buff);
        return count;
    }

    std::unique_ptr<TestDb> m_db;
    CWnd host;
    std::unique_ptr<MfcSQL> sql;
};

TEST_F(StatementViews, RowsBecomeListItemsWithItemDataOne)
{
    bookListSQL list;
    ASSERT_EQ(list.bookListSQLCreate(&host, 2035, CRect(0, 0, 600, 400)), 0);
    sql->MfcSQLSetOutput(&list);
    sql->m_ODBCItem.columnFormat[1].shown = 0;
    EXPECT_EQ(run("SELECT id, name FROM t ORDER BY id;"), 2);
    CListCtrl& control = list.GetListCtrl();
    EXPECT_EQ(list.bookListGetColumnCount(), 2);
    ASSERT_EQ(control.GetItemCount(), 2);
    EXPECT_STREQ(control.GetItemText(0, 0).GetString(), "         1");
    EXPECT_STREQ(control.GetItemText(0, 1).GetString(), "north   ");
    EXPECT_STREQ(control.GetItemText(1, 1).GetString(), "        ");
    EXPECT_EQ(control.GetItemData(0), 1u);
    EXPECT_EQ(control.GetItemData(1), 1u);
    EXPECT_GT(control.GetColumnWidth(0), 0);
    EXPECT_EQ(control.GetColumnWidth(1), 0);
    LVCOLUMN column {};
    column.mask = LVCF_FMT;
    control.GetColumn(0, &column);
    EXPECT_EQ(column.fmt, LVCFMT_RIGHT);
    EXPECT_EQ(list.itemDataFind(1), 0);
    EXPECT_EQ(list.itemDataFind(0), -1);

    // A second result set replaces the first, columns included.
    EXPECT_EQ(run("SELECT name FROM t WHERE id = 1;"), 1);
    EXPECT_EQ(list.bookListGetColumnCount(), 1);
    EXPECT_EQ(sql->m_ODBCItem.listColumns, 0);
    ASSERT_EQ(control.GetItemCount(), 1);
    EXPECT_STREQ(control.GetItemText(0, 0).GetString(), "north   ");
    sql->MfcSQLSetOutput(static_cast<bookListSQL*>(nullptr));
}

TEST_F(StatementViews, ReportTextCarriesAProtectedMarkerWithTheTitles)
{
    bookRichEdit report;
    ASSERT_TRUE(
        report.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    sql->MfcSQLSetOutput(&report);
    EXPECT_EQ(run("SELECT id, name FROM t ORDER BY id;"), 2);
    CString text;
    report.GetWindowText(text);
    EXPECT_STREQ(text.GetString(),
        "[-[-1]-]\r\n"
        "        id name     \r\n"
        "\r\n"
        "         1 north    \r\n"
        "        22          ");
    EXPECT_EQ(report.ReportIDCount(), 1);
    EXPECT_STREQ(report.ReportIDSupplyTitles(-1).GetString(), "\r\n        id name     ");
    EXPECT_STREQ(sql->MfcSQLGetTitleString().GetString(), "\r\n        id name     ");

    // The marker and titles refuse a change from outside the view.
    CRichEditCtrl& edit = report.GetRichEditCtrl();
    edit.SetSel(0, 5);
    edit.ReplaceSel("gone");
    report.GetWindowText(text);
    EXPECT_EQ(text.Find("[-[-1]-]"), 0);
    edit.SetSel(0, 0);
    long id = 0;
    EXPECT_TRUE(report.IsReportID(&id));
    EXPECT_EQ(id, -1);
    EXPECT_EQ(report.ReportIDDelete(), 0);
    report.GetWindowText(text);
    EXPECT_EQ(text.Find("[-["), -1);

    // Diagnostics are appended as lines of their own.
    run("SELECT * FROM nowhere;");
    report.GetWindowText(text);
    EXPECT_NE(text.Find("] "), -1) << text.GetString();
    EXPECT_NE(text.Find("nowhere"), -1) << text.GetString();
    sql->MfcSQLSetOutput(static_cast<bookRichEdit*>(nullptr));
}

} // namespace
