// The report layout on an SQL book: titles at the columns' display widths, continuation lines
// under a row, and report SQL from strings and files run through the query page.
#include "../sqlpages/sqlbookhost.h"

#include "app/tessilo.h"
#include "report/bookreport.h"

#include <fstream>

namespace {

std::string nativeC(const std::string& path)
{
    return std::string(getenv("RIVANTA_ROOT")) + "/drives/c/" + path;
}

class ReportLayout : public SqlBookTest {
protected:
    void SetUp() override
    {
        SqlBookTest::SetUp();
        writer = bk().bookSQLGetStatement();
        long status = 0;
        layout = std::make_unique<bookReport>(&bk(), writer, &status);
        EXPECT_EQ(status, static_cast<long>(E_UNEXPECTED)) << "no rich-edit view yet";
        writer->MfcSQLSetBookReport(layout.get());
    }
    void TearDown() override
    {
        layout.reset();
        EXPECT_EQ(writer->MfcSQLGetBookReport(), nullptr) << "the layout detaches itself";
        TessiloApp.writeProfileString("InstallDrive", "C:");
        SqlBookTest::TearDown();
    }
    // The continuation lines a row leaves under it in a fresh rich-edit control.
    std::string insertedLines()
    {
        CRichEditCtrl control;
        EXPECT_TRUE(control.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 300, 200), &m_host, 77));
        layout->reportLineInsert(&control);
        CString text;
        control.GetWindowText(text);
        control.DestroyWindow();
        return text.GetString();
    }

    bookMfcSQLBookSQL* writer = nullptr;
    std::unique_ptr<bookReport> layout;
};

} // namespace

TEST_F(ReportLayout, TitlesResetEveryColumnToItsDisplayWidth)
{
    bookReportColumn* first = layout->reportColumn(0);
    first->active = 1;
    first->width = 3;
    first->currency = 1;
    execute("SELECT SerialNumber, MeterID FROM Meters ORDER BY SerialNumber;");
    std::string report = resultText();
    EXPECT_NE(report.find("SerialNumber"), std::string::npos) << report;
    EXPECT_EQ(first->active, 0);
    EXPECT_EQ(first->width, first->boundWidth);
    EXPECT_GE(first->width, 12u);
    EXPECT_EQ(first->currency, 0);
    bookReportColumn* second = layout->reportColumn(1);
    EXPECT_EQ(second->totalling, 1) << "a number column is totalled";
    EXPECT_DOUBLE_EQ(first->share + second->share, 1.0);
}

TEST_F(ReportLayout, ContinuationIsCutAfterTheLastLine)
{
    ASSERT_EQ(layout->reportLineCreate(2, 12, 0), 0);
    bookReportColumn* column = layout->reportColumn(1);
    column->width = 4;
    column->start = 3;
    column->continuation = "abcdefghijkl   ";
    layout->reportColumnInsert(1);
    EXPECT_EQ(column->continuation, nullptr);
    EXPECT_EQ(insertedLines(), "\r\n   abcd     \r\n   efgh     ");
}

TEST_F(ReportLayout, BlankContinuationAddsNoLines)
{
    ASSERT_EQ(layout->reportLineCreate(3, 10, 0), 0);
    bookReportColumn* column = layout->reportColumn(0);
    column->width = 5;
    column->continuation = "      ";
    layout->reportColumnInsert(0);
    EXPECT_EQ(insertedLines(), "");
}

TEST_F(ReportLayout, FileNamesAreReadFromTheInstallDrive)
{
    TessiloApp.writeProfileString("InstallDrive", "D:\\");
    layout->reportSetFile(const_cast<char*>("Z:\\reports\\meters.sql"));
    EXPECT_STREQ(layout->reportFilePath(), "D:\\reports\\meters.sql");
    TessiloApp.writeProfileString("InstallDrive", "E:");
    layout->reportSetFile(const_cast<char*>("C:reports\\meters.sql"));
    EXPECT_STREQ(layout->reportFilePath(), "E:\\reports\\meters.sql");
    EXPECT_EQ(layout->reportSetFile(nullptr), 0);
    long count = 0;
    EXPECT_EQ(layout->reportExecFromFile(&count), static_cast<long>(E_UNEXPECTED));
}

// A report file named on another drive runs from the install drive through the query page,
// whose text is emptied again; a missing file runs nothing, an empty one is refused.
TEST_F(ReportLayout, ReportFileRunsThroughTheQueryPage)
{
    ::CreateDirectoryA("C:\\reports", nullptr);
    std::ofstream(nativeC("reports/meters.sql")) << "SELECT COUNT(*) AS Meters FROM Meters;";
    std::ofstream(nativeC("reports/empty.sql")) << "";
    layout->reportSetFile(const_cast<char*>("Q:\\reports\\missing.sql"));
    long count = 0;
    EXPECT_EQ(layout->reportExecFromFile(&count), 0);
    EXPECT_EQ(result().PageRsltGetView(), nullptr) << "nothing ran";

    layout->reportSetFile(const_cast<char*>("Q:\\reports\\empty.sql"));
    EXPECT_EQ(layout->reportExecFromFile(&count), static_cast<long>(E_UNEXPECTED));

    layout->reportSetFile(const_cast<char*>("Q:\\reports\\meters.sql"));
    EXPECT_EQ(layout->reportExecFromFile(&count), 0);
    EXPECT_NE(resultText().find("Meters"), std::string::npos) << resultText();
    CString left;
    query().PageQueryGetEdit().GetWindowText(left);
    EXPECT_TRUE(left.IsEmpty());
    EXPECT_EQ(layout->reportGetExecStr(), nullptr);
}

TEST_F(ReportLayout, ExecStrNeedsText)
{
    EXPECT_EQ(layout->reportSetExecStr(nullptr, 4), static_cast<long>(E_UNEXPECTED));
    EXPECT_EQ(layout->reportSetExecStr(const_cast<char*>("SELECT 1;xx"), 9), 0);
    EXPECT_STREQ(layout->reportGetExecStr(), "SELECT 1;");
    layout->reportReset();
    EXPECT_EQ(layout->reportGetExecStr(), nullptr);
}
