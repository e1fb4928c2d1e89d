// tessilo print and tessilo printers, run as programs without a display.
#include <gtest/gtest.h>

#include "pdftext.h"
#include "scopedcwd.h"
#include "tessilocommand.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {
using Result = testsupport::TessiloResult;

class PrintCommand : public testing::Test {
protected:
    Result run(const std::string& arguments)
    {
        return testsupport::runTessilo(root.path(), arguments);
    }
    std::string path(const char* name) const { return root.path() + "/" + name; }

    ScopedTempDir root;
};

TEST_F(PrintCommand, PrintsTextAndRtfToPdf)
{
    {
        std::ofstream text(path("report.txt"));
        for (int i = 1; i <= 150; ++i)
            text << "row " << i << "\r\n";
        std::ofstream(path("styled.rtf"))
            << "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\pard\\qc{\\b Heading}\\par "
               "\\pard body\\par}";
    }
    Result plain = run("print report.txt");
    ASSERT_EQ(plain.exitCode, 0) << plain.output;
    std::vector<std::string> pages = pdftext::pages(path("report.pdf"));
    ASSERT_EQ(pages.size(), 3u) << plain.output;
    EXPECT_TRUE(pdftext::contains(pages[2], "row 150"));
    EXPECT_TRUE(pdftext::contains(pages[2], "Page 3"));

    Result rich = run("print styled.rtf --rich --pdf out.pdf");
    ASSERT_EQ(rich.exitCode, 0) << rich.output;
    pages = pdftext::pages(path("out.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(pdftext::contains(pages[0], "Heading"));
    EXPECT_FALSE(pdftext::contains(pages[0], "rtf1"));
}

TEST_F(PrintCommand, RefusesWhatItCannotDo)
{
    std::ofstream(path("a.txt")) << "a\r\n";
    struct Case {
        const char* arguments;
        int exitCode;
        const char* message;
    };
    for (const Case& c : {
             Case { "print", 2, "needs a file" },
             Case { "print missing.txt", 1, "cannot read" },
             Case { "print a.txt --printer Nope", 1, "no printer is named \"Nope\"" },
             Case { "print a.txt --pdf /nonexistent/out.pdf", 1, "cannot write" },
             Case { "print a.txt --bogus", 2, "unknown option" },
         }) {
        Result r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(r.output.find(c.message), std::string::npos) << c.arguments << ": " << r.output;
    }
    EXPECT_FALSE(std::filesystem::exists("/nonexistent/out.pdf.part"));
    Result printers = run("printers");
    EXPECT_EQ(printers.exitCode, 0);
    EXPECT_NE(printers.output.find("PDF\t"), std::string::npos) << printers.output;
}
}
