// The statement's own output into a list view, a plain edit view and a rich-edit report view:
// columns, rows with item data, cells padded to their width, NULL as blanks, titles with their
// underline, the protected report marker with the titles, and diagnostics appended to the text.
// Also SQL text taken from an edit control between the execution hooks, executors that empty a
// tied list box or combo box when they are built, the report layout's numbers on title blocks, and
// the diagnostics of both drivers as they land in the view.
#include "db/mfcsql.h"
#include "db/sqlquery.h"
#include "report/bookreport.h"
#include "testdb.h"
#include "views/bookedit.h"
#include "views/booklistsql.h"
#include "views/bookrichedit.h"

#include <gtest/gtest.h>
#include <winport/testing.h>

#include <regex>

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
        m_connect = m_db->connectString();
        long result = 0;
        sql = std::make_unique<MfcSQL>(const_cast<char*>(m_connect.c_str()), &result);
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
    static CString textOf(const CWnd& window)
    {
        CString text;
        window.GetWindowText(text);
        return text;
    }

    std::unique_ptr<TestDb> m_db;
    std::string m_connect;
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

// Widths from headers (at least 5, plus a quarter) and trimmed cells (at least 5, plus a half);
// separator cells take the width chosen so far; hidden columns stay at 0.
TEST_F(StatementViews, AutomaticColumnWidthsFollowHeadersAndCells)
{
    std::string why;
    ASSERT_TRUE(
        m_db->exec("CREATE TABLE a (c VARCHAR(2), label VARCHAR(30), secret VARCHAR(9))", &why))
        << why;
    ASSERT_TRUE(m_db->exec("INSERT INTO a VALUES ('ab', 'north field', 'hidden')", &why)) << why;
    ASSERT_TRUE(m_db->exec("INSERT INTO a VALUES ('--', 'x', 'hidden')", &why)) << why;
    bookListSQL list;
    ASSERT_EQ(list.bookListSQLCreate(&host, 2035, CRect(0, 0, 600, 400)), 0);
    sql->MfcSQLSetOutput(&list);
    sql->m_ODBCItem.columnFormat[2].shown = 0;
    EXPECT_EQ(run("SELECT c, label, secret FROM a ORDER BY c;"), 2);
    EXPECT_EQ(sql->listColAutoWidth(), 0);
    CListCtrl& control = list.GetListCtrl();
    auto xs = [&](int n) { return control.GetStringWidth(CString('X', n)); };
    EXPECT_STREQ(control.GetItemText(0, 0).GetString(), "------");
    EXPECT_STREQ(control.GetItemText(1, 0).GetString(), "ab");
    EXPECT_STREQ(control.GetItemText(1, 1).GetString(), "north field");
    EXPECT_EQ(control.GetColumnWidth(0), xs(7));
    EXPECT_EQ(control.GetColumnWidth(1), xs(16));
    EXPECT_EQ(control.GetColumnWidth(2), 0);
    EXPECT_EQ(list.bookListDeleteColumn(0), 0);
    EXPECT_EQ(list.bookListGetColumnCount(), 2);
    for (int i = 0; i < 3; ++i)
        list.bookListDeleteColumn(0);
    EXPECT_EQ(list.bookListGetColumnCount(), 0);
    EXPECT_EQ(list.bookListDeleteColumn(-1), static_cast<long>(E_UNEXPECTED));
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

// The layout's report number marks the title block; the statement's title string is then the
// titles the view keeps for that report. Attaching and detaching a layout reset its number.
TEST_F(StatementViews, ReportLayoutNumbersTheTitleBlocks)
{
    bookRichEdit report;
    ASSERT_TRUE(
        report.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 7));
    sql->MfcSQLSetOutput(&report);
    bookReport layout;
    layout.reportSetID(9);
    sql->MfcSQLSetBookReport(&layout);
    EXPECT_EQ(sql->MfcSQLGetBookReport(), &layout);
    EXPECT_EQ(layout.reportGetID(), -1);

    layout.reportSetID(12);
    EXPECT_EQ(run("SELECT id, name FROM t ORDER BY id;"), 2);
    EXPECT_EQ(textOf(report).Find("[-[12]-]\r\n        id name     \r\n"), 0)
        << textOf(report).GetString();
    EXPECT_STREQ(report.ReportIDSupplyTitles(12).GetString(), "\r\n        id name     ");
    report.bookEditOutputTitleString("stored titles");
    EXPECT_STREQ(sql->MfcSQLGetTitleString().GetString(), "\r\n        id name     ");
    layout.reportSetID(13); // no such report in the view
    EXPECT_STREQ(sql->MfcSQLGetTitleString().GetString(), "");
    layout.reportSetID(-1);
    EXPECT_STREQ(sql->MfcSQLGetTitleString().GetString(), "stored titles");

    bookReport other;
    other.reportSetID(4);
    layout.reportSetID(3);
    sql->MfcSQLSetBookReport(&other);
    EXPECT_EQ(layout.reportGetID(), 3);
    EXPECT_EQ(other.reportGetID(), -1);
    other.reportSetID(4);
    sql->MfcSQLSetBookReport(nullptr);
    EXPECT_EQ(sql->MfcSQLGetBookReport(), nullptr);
    EXPECT_EQ(other.reportGetID(), -1);
    sql->MfcSQLSetOutput(static_cast<bookRichEdit*>(nullptr));
}

TEST_F(StatementViews, EditOutputHasUnderlinedTitlesAndOneLinePerRow)
{
    bookEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 8));
    EXPECT_EQ(view.bookEditGetFontSize(), 8);
    EXPECT_EQ(view.GetEditCtrl().GetLimitText(), CEditView::nMaxSize);
    view.SetWindowText("earlier text");
    sql->MfcSQLSetOutput(&view);
    EXPECT_EQ(run("SELECT id, name FROM t ORDER BY id;"), 2);
    // Titles: each padded to its column width plus a blank; the underline is two characters
    // shorter than the title line.
    EXPECT_STREQ(textOf(view).GetString(),
        "id         name     \r\n"
        "------------------\r\n"
        "         1 north    \r\n"
        "        22          ");
    EXPECT_EQ(view.GetEditCtrl().GetLineCount(), 4);
    EXPECT_STREQ(view.bookEditGetTitleString().GetString(),
        "id         name     \r\n------------------\r\n");
    EXPECT_STREQ(
        sql->MfcSQLGetTitleString().GetString(), view.bookEditGetTitleString().GetString());
    EXPECT_TRUE(MfcSQL::s_titleText.IsEmpty());

    // The titles can be written again at the end.
    run("SELECT name FROM t WHERE id = 1;");
    EXPECT_STREQ(sql->MfcSQLOutputTitle(0L).GetString(), "name     \r\n-------\r\n");
    EXPECT_STREQ(
        textOf(view).GetString(), "name     \r\n-------\r\nnorth    name     \r\n-------\r\n");
    sql->MfcSQLSetOutput(static_cast<bookEdit*>(nullptr));
}

TEST_F(StatementViews, DiagnosticsAreAppendedAndTheSelectionIsPutBack)
{
    bookEdit view;
    ASSERT_TRUE(
        view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 8));
    bookRichEdit report;
    ASSERT_TRUE(
        report.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 9));
    sql->MfcSQLSetOutput(&view);
    sql->MfcSQLSetOutput(&report);
    view.SetWindowText("abc");
    view.GetEditCtrl().SetSel(1, 2);
    run("SELECT * FROM nowhere;");
    CString text = textOf(view);
    EXPECT_EQ(text.Find("abc["), 0) << text.GetString();
    EXPECT_NE(text.Find("nowhere"), -1) << text.GetString();
    EXPECT_EQ(text.Right(1), "\n");
    int start = -1;
    int end = -1;
    view.GetEditCtrl().GetSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 2);
    // With a plain edit output the rich-edit output gets no diagnostics.
    EXPECT_TRUE(textOf(report).IsEmpty()) << textOf(report).GetString();
    sql->MfcSQLSetOutput(static_cast<bookEdit*>(nullptr));
    sql->MfcSQLSetOutput(static_cast<bookRichEdit*>(nullptr));
}

// A report view whose hook before execution refuses to run anything.
class RefusingReport : public bookRichEdit {
public:
    long MfcSQLExecStrPre(CEdit*, long*, MfcSQL*) override { return 0x1234; }
};

TEST_F(StatementViews, TextOfAnEditControlRunsBetweenTheHooks)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 100), &host, 3));
    long count = -1;
    EXPECT_EQ(sql->MfcSQLExecStr(&edit, &count), static_cast<long>(E_UNEXPECTED));
    EXPECT_EQ(count, -1);

    edit.SetWindowText("SELECT id FROM t;\r\nSELECT id FROM t\r\nWHERE id = 22;");
    EXPECT_EQ(sql->MfcSQLExecStr(&edit, &count), 0);
    EXPECT_EQ(count, 1);

    RefusingReport report;
    ASSERT_TRUE(
        report.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 9));
    sql->MfcSQLSetOutput(&report);
    count = -1;
    EXPECT_EQ(sql->MfcSQLExecStr(&edit, &count), 0x1234);
    EXPECT_EQ(count, -1);
    EXPECT_TRUE(textOf(report).IsEmpty());
    sql->MfcSQLSetOutput(static_cast<bookRichEdit*>(nullptr));
}

// LB_RESETCONTENT and CB_RESETCONTENT both go to the tied control; each kind of control answers
// only its own.
TEST_F(StatementViews, ExecutorsEmptyTheTiedListBoxOrComboBox)
{
    CListBox list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, 501));
    CComboBox combo;
    ASSERT_TRUE(
        combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), &host, 502));
    auto fill = [&] {
        for (const char* text : { "a", "b", "c" }) {
            list.AddString(text);
            combo.AddString(text);
        }
    };
    char* connect = const_cast<char*>(m_connect.c_str());
    char text[] = "SELECT id FROM t";
    long result = 0;

    fill();
    SQLQuery toList(&result, connect, text, host.m_hWnd, 501, nullptr, 1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(toList.m_tie, 1);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(toList.SQLQueryExec(), 0);
    EXPECT_EQ(toList.m_count, 2);

    SQLQuery toCombo(&result, connect, text, host.m_hWnd, 502, nullptr, 1);
    EXPECT_EQ(combo.GetCount(), 0);

    fill();
    SQLQuery untied(&result, connect, text, host.m_hWnd, 501, nullptr, 0);
    EXPECT_EQ(untied.m_tie, 0);
    SQLQuery noControl(
        &result, connect, text, host.m_hWnd, static_cast<unsigned int>(-1), nullptr, 1);
    EXPECT_EQ(noControl.m_tie, 0);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(combo.GetCount(), 3);
}

// Diagnostics as the statement writes them into its edit output, on both drivers: one line per
// record, "[state] message (native)"; none for data cut to the bound width, none when all goes
// well.
class StatementDiagnostics : public BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 600,
            400, nullptr, nullptr));
        ASSERT_TRUE(
            view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400), &host, 8));
        long result = 0;
        sql = std::make_unique<MfcSQL>(const_cast<char*>(m_db->connectString().c_str()), &result);
        ASSERT_EQ(result, 0);
        sql->MfcSQLSetOutput(&view);
    }
    void TearDown() override
    {
        sql.reset();
        if (view.m_hWnd)
            view.DestroyWindow();
        if (host.m_hWnd)
            host.DestroyWindow();
    }
    std::string run(const std::string& text)
    {
        view.SetWindowText("");
        _ODBCItemBuff* buff = sql->MfcSQLSetSQLBuff(static_cast<unsigned int>(text.size()));
        long count = 0;
        sql->MfcSQLExecStr(const_cast<char*>(text.c_str()), &count, buff);
        sql->MfcSQLFreeSQLBuff(buff);
        CString shown;
        view.GetWindowText(shown);
        return shown.GetString();
    }

    CWnd host;
    bookEdit view;
    std::unique_ptr<MfcSQL> sql;
};

TEST_P(StatementDiagnostics, OneLinePerRecordAndNoneForCutDataOrSuccess)
{
    exec("CREATE TABLE w (v VARCHAR(1000))");
    exec("INSERT INTO w VALUES ('" + std::string(400, 'q') + "')");
    std::string text = run("SELECT * FROM no_such_table;");
    EXPECT_EQ(sql->m_ODBCItem.lastReturn, SQL_ERROR);
    std::regex lines(R"((\[[0-9A-Z]{5}\] [\s\S]*? \(-?[0-9]+\)\n)+)");
    EXPECT_TRUE(std::regex_match(text, lines)) << text;
    EXPECT_NE(text.find("no_such_table"), std::string::npos) << text;

    text = run("SELECT v FROM w;");
    EXPECT_EQ(text.find('['), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n" + std::string(258, 'q') + " "), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Drivers, StatementDiagnostics, testing::ValuesIn(TestDb::backends()),
    [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
