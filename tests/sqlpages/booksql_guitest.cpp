// The SQL book: connecting, its pages in tab order, and the road of a query from the query page
// through the statement into the result page's report or list, and on to a printed PDF.
#include "sqlbookhost.h"

#include "pdftext.h"
#include "views/booklistsql.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

const char kReadingsPerMeter[] = "SELECT m.SerialNumber, CAST(COUNT(*) AS INTEGER) AS Readings "
                                 "FROM Meters m JOIN MeterReadings r ON r.MeterID = m.MeterID "
                                 "GROUP BY m.SerialNumber ORDER BY m.SerialNumber;";

bool has(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

using SqlBook = SqlBookTest;

TEST_F(SqlBook, ConnectsAndOffersQueryResultSettingsTabs)
{
    EXPECT_EQ(bk().GetItemCount(), 3);
    EXPECT_EQ(tabText(0), "Query");
    EXPECT_EQ(tabText(1), "Result");
    EXPECT_EQ(tabText(2), "Settings");
    EXPECT_TRUE(has(bk().GetODBCConnectStr().GetString(), "Rivanta40.mdb"));
    EXPECT_STREQ(bk().GetODBCDatabaseName(), "C:\\orlamo40\\Rivanta40");
}

TEST_F(SqlBook, PageNumbersChooseTheTabOrderOfMissingPagesOnly)
{
    m_book.reset();
    long status = -1;
    m_book = std::make_unique<BookSQL>(&m_host, 1001u, &status, 2, 0, 1, 3);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(bk().GetItemCount(), 0);
    ASSERT_EQ(bk().bookSQLSetBookPages(&status), 0);
    EXPECT_EQ(tabText(0), "Result");
    EXPECT_EQ(tabText(1), "Settings");
    EXPECT_EQ(tabText(2), "Query");
    // The pages exist: only the fourth, missing page takes the new number.
    bk().bookSQLSetPageNumbers(0, 1, 2, 9);
    EXPECT_EQ(bk().bookSQLGetQueryPageNumber(), 2);
    EXPECT_EQ(bk().bookSQLGetResultPageNumber(), 0);
    EXPECT_EQ(bk().bookSQLGetSettingsPageNumber(), 1);
}

TEST_F(SqlBook, DatabaseNameIsTheDbqPathWithoutExtension)
{
    std::strcpy(bk().bookSQLGetStatement()->m_ODBCItem.connect,
        "DSN=Rivanta 4.0;DBQ=C:\\data\\w.mdb;DefaultDir=C:\\data;");
    EXPECT_STREQ(bk().GetODBCDatabaseName(), "C:\\data\\w");
    std::strcpy(bk().bookSQLGetStatement()->m_ODBCItem.connect, "DSN=x;DBQ=C:\\data\\w.mdb");
    EXPECT_STREQ(bk().GetODBCDatabaseName(), "C:\\data\\w");
}

TEST_F(SqlBook, StatementWithoutBookRefusesRunsFromTheEditControl)
{
    long status = 0; // written only when the connect fails
    bookMfcSQLBookSQL alone(&status);
    ASSERT_EQ(status, 0);
    query().PageQueryGetEdit().SetWindowText("SELECT 1;");
    long count = 0;
    EXPECT_EQ(alone.MfcSQLExecStr(&query().PageQueryGetEdit().GetEditCtrl(), &count),
        static_cast<long>(E_UNEXPECTED));
}

// "All Output" checked: a report with titles and totals in the rich-edit view; unchecked: the
// rows in a list, and the report view is no longer the statement's output.
TEST_F(SqlBook, ExecuteShowsReportOrListAsAllOutputAsks)
{
    execute(kReadingsPerMeter);
    EXPECT_EQ(bk().bookGetPageCurrentIdx(), bk().bookSQLGetResultPageNumber());
    ASSERT_EQ(result().PageRsltGetMode(), BookPageSQLRslt::modeReport);
    std::string report = resultText();
    EXPECT_TRUE(has(report, "SerialNumber")) << report;
    EXPECT_TRUE(has(report, "Totals")) << report;
    EXPECT_TRUE(::IsWindowVisible(result().PageRsltGetView()->GetSafeHwnd()));
    EXPECT_FALSE(::IsWindowVisible(query().PageQueryGetEdit().GetSafeHwnd()));

    setAllOutput(false);
    execute(kReadingsPerMeter);
    ASSERT_EQ(result().PageRsltGetMode(), BookPageSQLRslt::modeList);
    EXPECT_EQ(result().PageRsltGetRichEdit(), nullptr);
    bookListSQL* list = result().PageRsltGetList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(bk().bookSQLGetStatement()->m_ODBCItem.richEdit, nullptr);
    EXPECT_GT(list->GetListCtrl().GetItemCount(), 1);
    EXPECT_STREQ(list->GetListCtrl().GetItemText(0, 0).Left(2), "SN") << "first serial number";

    setAllOutput(true);
    execute("SELECT COUNT(*) AS Meters FROM Meters;");
    EXPECT_EQ(result().PageRsltGetMode(), BookPageSQLRslt::modeReport);
    EXPECT_EQ(bk().bookSQLGetStatement()->m_ODBCItem.list, nullptr);
    EXPECT_TRUE(has(resultText(), "Meters"));
}

// The list's cells arrive padded to their column's display width, the width the column was
// made: after the run every text is trimmed and its column is wider than it with room to spare,
// so no cell shows cut short.
TEST_F(SqlBook, ListColumnsFitTheirCellsAfterARun)
{
    setAllOutput(false);
    execute(kReadingsPerMeter);
    ASSERT_EQ(result().PageRsltGetMode(), BookPageSQLRslt::modeList);
    CListCtrl& list = result().PageRsltGetList()->GetListCtrl();
    const int columns = result().PageRsltGetList()->bookListGetColumnCount();
    ASSERT_GT(columns, 1);
    ASSERT_GT(list.GetItemCount(), 1);
    const int spare = list.GetStringWidth("XX");
    for (int row = 0; row < list.GetItemCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            CString text = list.GetItemText(row, column);
            CString trimmed = text;
            trimmed.Trim(' ');
            EXPECT_STREQ(text, trimmed) << row << "," << column;
            EXPECT_GE(list.GetColumnWidth(column), list.GetStringWidth(text) + spare)
                << row << "," << column << " '" << text.GetString() << "'";
        }
    }
}

TEST_F(SqlBook, FailingAndEmptyQueriesKeepThePagesUsable)
{
    execute("SELECT x FROM NoSuchTable;");
    EXPECT_EQ(bk().bookGetPageCurrentIdx(), bk().bookSQLGetResultPageNumber());
    EXPECT_TRUE(has(resultText(), "NoSuchTable")) << resultText();

    execute("");
    EXPECT_EQ(bk().bookGetPageCurrentIdx(), bk().bookSQLGetQueryPageNumber());
    // Without a final semicolon nothing runs, and the result page still comes up.
    execute("SELECT 1");
    EXPECT_EQ(bk().bookGetPageCurrentIdx(), bk().bookSQLGetResultPageNumber());
    execute(kReadingsPerMeter);
    EXPECT_TRUE(has(resultText(), "Totals"));
}

TEST_F(SqlBook, ResetEmptiesTheQueryAndTheResult)
{
    execute(kReadingsPerMeter);
    ASSERT_FALSE(resultText().empty());
    ASSERT_EQ(bk().bookToPage(0), 0);
    command(IDC_BOOKSQL_RESET);
    CString typed;
    query().PageQueryGetEdit().GetWindowText(typed);
    EXPECT_TRUE(typed.IsEmpty());
    EXPECT_EQ(resultText(), "");
}

TEST_F(SqlBook, LeavingTheQueryPageHidesItsControlsAndComingBackLaysThemOut)
{
    HWND edit = query().PageQueryGetEdit().GetSafeHwnd();
    HWND execute = ::GetDlgItem(bk().GetSafeHwnd(), IDC_BOOKSQL_EXECUTE);
    ASSERT_TRUE(::IsWindowVisible(execute));
    ASSERT_EQ(bk().bookToPage(1), 0);
    EXPECT_FALSE(::IsWindowVisible(edit));
    EXPECT_FALSE(::IsWindowVisible(execute));
    m_host.MoveWindow(20, 20, 600, 400);
    bk().MoveWindow(0, 0, 600, 400);
    ASSERT_EQ(bk().bookToPage(0), 0);
    EXPECT_TRUE(::IsWindowVisible(execute));
    CRect client, rect;
    m_host.GetClientRect(&client);
    ::GetWindowRect(edit, &rect);
    EXPECT_EQ(rect.Width(), client.Width() - 20 - 10);
    EXPECT_EQ(rect.Height(), client.Height() - 105 - 52);
}

TEST_F(SqlBook, LogIsShownInTheResultPage)
{
    const char record[] = "a line for the log view";
    bk().bookLogSetFile(CString("C:\\orlamo40\\Log\\Log.log"));
    ::CreateDirectoryA("C:\\orlamo40\\Log", nullptr);
    bk().bookLog(const_cast<char*>(record), static_cast<long>(std::strlen(record)));
    bk().bookViewLog();
    EXPECT_EQ(bk().bookGetPageCurrentIdx(), bk().bookSQLGetResultPageNumber());
    EXPECT_TRUE(has(resultText(), record)) << resultText();
}

// The whole road: typed SQL, Execute, the report with the settings' letterhead on the result
// page, printed to PDF.
TEST_F(SqlBook, TypedQueryIsPrintedToPdfWithLetterheadAndTotals)
{
    ASSERT_EQ(bk().bookToPage(2), 0);
    ::SetDlgItemText(settings(), IDC_SQLSET_LETTERHEAD, "Rivanta Water District\r\nNorth Office");
    setBox(IDC_SQLSET_USELETTERHEAD, true);
    execute(kReadingsPerMeter);
    std::string report = resultText();
    ASSERT_TRUE(has(report, "Rivanta Water District\r\nNorth Office")) << report;

    std::string pdf = std::string(getenv("RIVANTA_ROOT")) + "/road.pdf";
    winport::testing::ScriptPrintDialog("PDF", pdf);
    EXPECT_EQ(bk().bookPrint(), 0);
    std::vector<std::string> pages = pdftext::pages(pdf);
    ASSERT_FALSE(pages.empty());
    EXPECT_TRUE(pdftext::contains(pages[0], "Rivanta Water District")) << pages[0];
    EXPECT_TRUE(pdftext::contains(pages[0], "SerialNumber")) << pages[0];
    EXPECT_TRUE(pdftext::contains(pages.back(), "Totals")) << pages.back();
}
