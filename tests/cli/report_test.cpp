// tessilo report, run as a program without a display: the report text on standard output in the
// edit and list views, diagnostics on standard error with the text written so far kept, the
// rich-edit view printed to PDF, and usage errors.
#include <gtest/gtest.h>

#include "pdftext.h"
#include "scopedcwd.h"
#include "tessilocommand.h"
#include "testdb.h"

#include <atltime.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using Result = testsupport::TessiloResult;

class ReportCommand : public testing::Test {
protected:
    void SetUp() override
    {
        std::string why;
        m_db = TestDb::create("SQLite", &why);
        ASSERT_TRUE(m_db) << why;
        ASSERT_TRUE(m_db->exec("CREATE TABLE m (name VARCHAR(8), qty INTEGER)", &why)) << why;
        ASSERT_TRUE(m_db->exec("INSERT INTO m VALUES ('north', 3), ('south', 10)", &why)) << why;
    }
    Result run(const std::string& arguments)
    {
        return testsupport::runTessilo(
            root.path(), "report --connect '" + m_db->connectString() + "' " + arguments, true);
    }

    std::unique_ptr<TestDb> m_db;
    ScopedTempDir root;
};

TEST_F(ReportCommand, EditViewTextWithLetterheadTitlesRowsAndTotals)
{
    Result r = run("--totals --letterhead 'Rivanta Water' 'SELECT name, qty FROM m ORDER BY name'");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(r.output,
        "Rivanta Water\n"
        "name     qty        \n"
        "------------------\n"
        "north             3 \n"
        "south            10 \n"
        "------ Totals -------\n"
        "                 13\n");
    EXPECT_EQ(r.errors, ""); // no row counter when standard error is not a terminal
}

TEST_F(ReportCommand, ListViewRowsAndTotalsAsTabSeparatedLines)
{
    Result r = run("--view list --totals 'SELECT name, qty FROM m ORDER BY name;'");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(r.output,
        "name\tqty\n"
        "north   \t3\n"
        "south   \t10\n"
        "        \t          \n" // the separator row: the list's separator is a blank
        "\t        13\n");
}

TEST_F(ReportCommand, FailingStatementKeepsTheTextAndExitsOne)
{
    Result r = run("'SELECT name FROM m WHERE qty = 3; SELECT nowhere FROM m'");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.output, "name     \n-------\nnorth    \n");
    EXPECT_NE(r.errors.find("nowhere"), std::string::npos) << r.errors;
    EXPECT_EQ(r.errors[0], '[') << r.errors;
}

TEST_F(ReportCommand, ReportLongerThanOneBlockComesOutWhole)
{
    std::string why;
    ASSERT_TRUE(m_db->exec("CREATE TABLE big (n INTEGER)", &why)) << why;
    ASSERT_TRUE(
        m_db->exec("INSERT INTO big WITH RECURSIVE c(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                   "FROM c WHERE i < 100000) SELECT i FROM c",
            &why))
        << why;
    Result r = run("'SELECT n FROM big ORDER BY n'");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    // The title padded to 10 and a blank; the underline is 11 - 2 long. 12 bytes a row: about
    // 1.2 MB, more than one block of text.
    std::string expected = "n          \n---------\n";
    for (int i = 1; i <= 100000; ++i) {
        std::string number = std::to_string(i);
        expected += std::string(10 - number.size(), ' ') + number + " \n";
    }
    EXPECT_EQ(r.output.size(), expected.size());
    EXPECT_TRUE(r.output == expected);
}

TEST_F(ReportCommand, DateLineBeforeTheReport)
{
    static const char* const months[] = { "January", "February", "March", "April", "May", "June",
        "July", "August", "September", "October", "November", "December" };
    CTime now = CTime::GetCurrentTime();
    std::string date = std::string(months[now.GetMonth() - 1]) + " " + std::to_string(now.GetDay())
        + "," + std::to_string(now.GetYear()) + "\n\n";
    Result r = run("--date 'SELECT qty FROM m WHERE qty = 10'");
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(r.output, date + "qty        \n---------\n        10 \n");
}

TEST_F(ReportCommand, BothTextViewsPrintToPdfWithTitlesOnEveryPage)
{
    const std::string rows = "'WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                             "WHERE i < 150) SELECT i AS meter, \"m-\" || i AS label FROM n'";
    for (const char* view : { "edit", "rich" }) {
        Result r = run(std::string("--view ") + view + " --pdf out.pdf " + rows);
        ASSERT_EQ(r.exitCode, 0) << view << ": " << r.errors;
        EXPECT_EQ(r.output, root.path() + "/out.pdf\n");
        std::vector<std::string> pages = pdftext::pages(root.path() + "/out.pdf");
        ASSERT_GE(pages.size(), 2u) << view << ": " << r.errors;
        EXPECT_TRUE(pdftext::contains(pages[0], "m-1")) << view;
        EXPECT_TRUE(pdftext::contains(pages.back(), "m-150")) << view;
        EXPECT_TRUE(pdftext::contains(pages[1], "meter")) << view << ": " << pages[1];
    }
}

TEST_F(ReportCommand, UsageErrorsExitTwo)
{
    for (const char* arguments : { "--view grid 'SELECT 1'", "--view list --pdf x.pdf 'SELECT 1'",
             "' '", "--frobnicate 'SELECT 1'", "--letterhead" }) {
        Result r = run(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments;
        EXPECT_EQ(r.output, "") << arguments;
        EXPECT_EQ(r.errors.rfind("tessilo: ", 0), 0u) << arguments << ": " << r.errors;
    }
}

} // namespace
