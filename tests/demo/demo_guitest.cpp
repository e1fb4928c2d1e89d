// The demo host run as a program without a display: it renders offscreen, saves the screenshot
// of the page asked for and records its run in the book's log.
#include <gtest/gtest.h>

#include "scopedcwd.h"

#include "odbctest.h"
#include "pdftext.h"

#include <fstream>
#include <sstream>
#include <string>

namespace {

class DemoHost : public testing::Test {
protected:
    // Runs the demo with its own profile root; standard output and error go to *output.
    int demo(const std::string& arguments, std::string* output)
    {
        output->clear();
        return testsupport::runCommand("cd '" + root.path()
                + "' && env -u DISPLAY -u WAYLAND_DISPLAY RIVANTA_ROOT='" + root.path() + "' '"
                + TESSILO_BINARY_DIR + "/bin/tessilo-demo' " + arguments + " 2>&1",
            output);
    }

    std::string read(const std::string& relative) const
    {
        std::ifstream in(root.path() + "/" + relative, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    ScopedTempDir root;
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace

TEST_F(DemoHost, SavesAScreenshotOfPagesAndLogsItsRuns)
{
    // The SQL book's query and settings pages, the first and the last of the demo's own.
    for (const char* page : { "0", "2", "3", "7" }) {
        std::string png = root.path() + "/page" + page + ".png";
        std::string output;
        EXPECT_EQ(demo(std::string("--page ") + page + " --screenshot '" + png + "'", &output), 0)
            << output;
        EXPECT_TRUE(contains(output, "screenshot saved to " + png)) << output;
        std::string image = read(std::string("page") + page + ".png");
        ASSERT_GT(image.size(), 1000u) << page;
        EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << page;
    }
    std::string log = read("drives/c/orlamo40/Log/Log.log");
    size_t runs = 0;
    for (size_t at = log.find(" tessilo-demo - START LOGGING\r\n"); at != std::string::npos;
         at = log.find(" tessilo-demo - START LOGGING\r\n", at + 1))
        ++runs;
    EXPECT_EQ(runs, 4u) << log;
    EXPECT_TRUE(contains(log,
        " book created with the query, result and settings pages and the water week, "
        "readings, log, report and printing pages\r\n"))
        << log;
    EXPECT_TRUE(contains(log, " tessilo-demo - END LOGGING\r\n\r\n")) << log;
}

TEST_F(DemoHost, SavesAScreenshotOfEveryDialog)
{
    for (const char* dialog : { "date", "meter", "threshold" }) {
        std::string png = root.path() + "/" + dialog + ".png";
        std::string output;
        EXPECT_EQ(
            demo(std::string("--dialog ") + dialog + " --screenshot '" + png + "'", &output), 0)
            << output;
        EXPECT_TRUE(contains(output, "screenshot saved to " + png)) << output;
        std::string image = read(std::string(dialog) + ".png");
        ASSERT_GT(image.size(), 1000u) << dialog;
        EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8)) << dialog;
    }
}

// The main road unattended: SQL typed on the query page, Execute, the report with totals on the
// result page, printed to PDF.
TEST_F(DemoHost, RunsTypedSqlIntoAReportPrintedToPdf)
{
    std::string output;
    ASSERT_EQ(testsupport::runCommand("cd '" + root.path() + "' && RIVANTA_ROOT='" + root.path()
                  + "' '" + TESSILO_BINARY_DIR
                  + "/bin/tessilo-sampledb' --force --profile --readings 200 >/dev/null"),
        0);
    std::ofstream(root.path() + "/meters.sql")
        << "SELECT SerialNumber, CAST(COUNT(*) AS INTEGER) AS Readings\n"
           "FROM Meters m JOIN MeterReadings r ON r.MeterID = m.MeterID\n"
           "GROUP BY SerialNumber ORDER BY SerialNumber;\n";
    std::string pdf = root.path() + "/report.pdf";
    std::string png = root.path() + "/result.png";
    ASSERT_EQ(
        demo("--run-sql meters.sql --print-to '" + pdf + "' --screenshot '" + png + "'", &output),
        0)
        << output;
    EXPECT_TRUE(contains(output, "printed to " + pdf)) << output;
    std::vector<std::string> pages = pdftext::pages(pdf);
    ASSERT_FALSE(pages.empty()) << output;
    EXPECT_TRUE(pdftext::contains(pages[0], "SerialNumber")) << pages[0];
    EXPECT_TRUE(pdftext::contains(pages.back(), "Totals")) << pages.back();
    EXPECT_TRUE(pdftext::contains(pages.back(), " 200")) << "every reading counted";
    EXPECT_GT(read("result.png").size(), 1000u);
}

TEST_F(DemoHost, RefusesWhatItCannotShow)
{
    std::string output;
    EXPECT_EQ(demo("--page 8 --screenshot '" + root.path() + "/none.png'", &output), 2);
    EXPECT_TRUE(contains(output, "no page 8")) << output;
    EXPECT_EQ(demo("", &output), 2);
    EXPECT_TRUE(contains(output, "no display; use --screenshot FILE")) << output;
    EXPECT_EQ(demo("--colour blue", &output), 2);
    EXPECT_TRUE(contains(output, "usage: tessilo-demo")) << output;
    EXPECT_EQ(demo("--dialog calendar --screenshot '" + root.path() + "/none.png'", &output), 2);
    EXPECT_TRUE(contains(output, "no dialog calendar")) << output;
    EXPECT_EQ(demo("--dialog date", &output), 2);
    EXPECT_TRUE(contains(output, "--dialog needs --screenshot FILE")) << output;
    std::ofstream(root.path() + "/empty.sql") << "";
    EXPECT_EQ(demo("--run-sql empty.sql --print-to x.pdf", &output), 2);
    EXPECT_TRUE(contains(output, "cannot read SQL from empty.sql (missing or empty)")) << output;
    EXPECT_EQ(demo("--type-sql missing.sql --screenshot x.png", &output), 2);
    EXPECT_TRUE(contains(output, "cannot read SQL from missing.sql")) << output;
    EXPECT_EQ(demo("--print-to x.pdf", &output), 2);
    EXPECT_TRUE(contains(output, "--print-to needs --run-sql FILE")) << output;
}
