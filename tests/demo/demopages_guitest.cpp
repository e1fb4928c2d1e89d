// The demo's pages driven as a user drives them: the water-week calendars snap to the week of a
// picked day, tabs show only the current page's windows, and the log page clears the log when the
// user says Yes in the book's message box.
#include "../book/bookhost.h"
#include "../book/fixedclock.h"
#include "demopages.h"
#include "demodialogs.h"
#include "demoprintpage.h"
#include "demoreportpage.h"
#include "odbctest.h"
#include "pdftext.h"
#include "scopedcwd.h"
#include <gtest/gtest.h>

#include "resources/resource.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

// Sunday 5 January 2025 with the water week starting on Sunday (the default).
class DemoPages : public BookHostTest {
protected:
    void SetUp() override
    {
        BookHostTest::SetUp();
        logFolder = std::filesystem::path(std::getenv("RIVANTA_ROOT")) / "drives/c/orlamo40/Log";
        std::filesystem::create_directories(logFolder);
        std::filesystem::remove(logFolder / "Log.log");
        host().MoveWindow(20, 20, 720, 480);
        long status[3] = { -1, -1, -1 };
        week = std::make_unique<demoWaterWeekPage>(&bk(), 0, &status[0]);
        readings = std::make_unique<demoReadingsPage>(&bk(), 1, &status[1]);
        log = std::make_unique<demoLogPage>(&bk(), 2, &status[2]);
        for (long s : status)
            ASSERT_EQ(s, 0);
        ASSERT_EQ(bk().bookToPage(0), 0);
        bk().bookShow(TRUE);
        winport::testing::PumpEvents(10);
    }

    void TearDown() override
    {
        bk().bookShow(FALSE);
        log.reset();
        readings.reset();
        week.reset();
        BookHostTest::TearDown();
    }

    HWND child(UINT id) { return ::GetDlgItem(bk().GetSafeHwnd(), static_cast<int>(id)); }

    std::string text(HWND window)
    {
        int length = ::GetWindowTextLength(window);
        std::string value(static_cast<size_t>(length) + 1, '\0');
        ::GetWindowTextA(window, value.data(), length + 1);
        value.resize(static_cast<size_t>(length));
        return value;
    }

    std::string selected(UINT calendar)
    {
        SYSTEMTIME day {};
        ::SendMessage(child(calendar), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
        return std::string(CTime(day).Format("%Y-%m-%d"));
    }

    // The top-level window with this caption, if one is shown.
    HWND shownTopLevel(const char* caption)
    {
        for (HWND w = ::GetWindow(host().GetSafeHwnd(), GW_HWNDFIRST); w;
             w = ::GetWindow(w, GW_HWNDNEXT))
            if (::IsWindowVisible(w) && text(w) == caption)
                return w;
        return nullptr;
    }

    std::string logContent() const
    {
        std::ifstream in(logFolder / "Log.log", std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }

    FixedClock clock { 2025, 1, 5, 10, 0, 0 };
    std::filesystem::path logFolder;
    std::unique_ptr<demoWaterWeekPage> week;
    std::unique_ptr<demoReadingsPage> readings;
    std::unique_ptr<demoLogPage> log;
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The Print menu's commands reach the printing page's report view: print to the "PDF" printer (the
// page break ends the first page) and the font dialog.
TEST_F(DemoPages, ThePrintMenuPrintsAndSetsTheFontOfTheReport)
{
    long status = -1;
    demoPrintPage printing(&bk(), 3, &status);
    ASSERT_EQ(status, 0);
    ASSERT_EQ(bk().bookToPage(3), 0);
    winport::testing::PumpEvents(10);
    ScopedTempDir dir;
    std::string pdf = dir.path() + "/report.pdf";
    winport::testing::ScriptPrintDialog("PDF", pdf);
    EXPECT_TRUE(printing.demoPrintRun(demoPrintPageCommand));
    std::vector<std::string> pages = pdftext::pages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pdftext::contains(pages[0], "M-00050"));
    EXPECT_TRUE(pdftext::contains(pages[1], "M-00051"));
    EXPECT_TRUE(pdftext::contains(pages[1], "Page 2"));

    LOGFONTA font {};
    std::strcpy(font.lfFaceName, "Courier New");
    winport::testing::ScriptFontDialog(font, 100);
    EXPECT_TRUE(printing.demoPrintRun(demoPrintPageFontCommand));
    EXPECT_EQ(printing.demoPrintReport().bookEditGetFontSize(), 10);
    EXPECT_FALSE(printing.demoPrintRun(demoDateCommand));
    ASSERT_EQ(bk().bookToPage(0), 0);
}

} // namespace

TEST_F(DemoPages, PickingADaySnapsBothCalendarsToItsWaterWeek)
{
    EXPECT_EQ(selected(demoStartId), "2025-01-05");
    EXPECT_EQ(selected(demoEndId), "2025-01-11");
    EXPECT_EQ(text(child(demoPeriodId)),
        "Period:  Sun 05 Jan 2025 00:00:00  to  Sat 11 Jan 2025 23:59:59\n"
        "This is the current water week.  Pick a day to snap to its water week.");

    ASSERT_TRUE(winport::testing::PressKey(child(demoStartId), VK_DOWN)); // a week later
    winport::testing::PumpEvents(10);
    EXPECT_EQ(selected(demoStartId), "2025-01-12");
    EXPECT_EQ(selected(demoEndId), "2025-01-18");
    EXPECT_TRUE(contains(text(child(demoPeriodId)), "Not the current water week."))
        << text(child(demoPeriodId));

    ASSERT_TRUE(winport::testing::PressKey(child(demoEndId), VK_LEFT)); // Friday 17th
    winport::testing::PumpEvents(10);
    EXPECT_EQ(selected(demoStartId), "2025-01-12");
    EXPECT_EQ(selected(demoEndId), "2025-01-18");
}

TEST_F(DemoPages, TabsShowOnlyTheCurrentPagesWindows)
{
    EXPECT_TRUE(::IsWindowVisible(child(demoStartId)));
    EXPECT_FALSE(::IsWindowVisible(child(demoReadingsTextId)));
    clickTab(1);
    EXPECT_FALSE(::IsWindowVisible(child(demoStartId)));
    EXPECT_FALSE(::IsWindowVisible(child(demoPeriodId)));
    ASSERT_TRUE(::IsWindowVisible(child(demoReadingsTextId)));
    EXPECT_EQ(text(child(demoReadingsHeadingId)),
        "Meter readings, rounded to 2 places (profile key \"DecimalPlaces\")");
    std::string table = text(child(demoReadingsTextId));
    EXPECT_TRUE(contains(table, "M-1021 Canal head           1520.12      1598.40       78.28\r\n"))
        << table;
    EXPECT_TRUE(contains(table, "Total volume                                          143.67\r\n"))
        << table;
    clickTab(2);
    EXPECT_FALSE(::IsWindowVisible(child(demoReadingsTextId)));
    ASSERT_TRUE(::IsWindowVisible(child(demoLogTextId)));
    EXPECT_EQ(text(child(demoLogHeadingId)),
        "Log file \\orlamo40\\Log\\Log.log  (right click here to clear it)");
}

TEST_F(DemoPages, RightClickOnTheLogAsksAndYesClearsIt)
{
    bk().bookLogStart(CString("demo test"));
    clickTab(2);
    HWND view = child(demoLogTextId);
    EXPECT_TRUE(contains(text(view), "01/05/25 10:00:00 demo test - START LOGGING")) << text(view);
    HWND heading = child(demoLogHeadingId);
    rightClick(heading, CPoint(10, 5));
    HWND box = shownTopLevel("Log");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(contains(text(::GetDlgItem(box, IDC_BOOK_MESSAGEBOX_TEXT)), "Clear the log file?"));
    pressButton(box, IDC_BOOK_MESSAGEBOX_YES);
    EXPECT_FALSE(::IsWindow(box));
    EXPECT_EQ(logContent(), "Initialize Log File Forced : 01/05/25 10:00:00\r\n\r\n");
    EXPECT_TRUE(contains(text(view), "Initialize Log File Forced")) << text(view);
    EXPECT_FALSE(contains(text(view), "START LOGGING")) << text(view);

    rightClick(heading, CPoint(10, 5));
    box = shownTopLevel("Log");
    ASSERT_NE(box, nullptr);
    pressButton(box, IDC_BOOK_MESSAGEBOX_NO);
    EXPECT_FALSE(::IsWindow(box));
    EXPECT_EQ(logContent(), "Initialize Log File Forced : 01/05/25 10:00:00\r\n\r\n");
}

// The report page runs its file on the profile's database when it is first shown: the date line
// (of the real day: the fixed clock is the book's), the report marker and titles, a row per meter
// and the totals, whose reading count is every reading of the sample.
TEST_F(DemoPages, ReportPageRunsItsFileWithTotalsWhenFirstShown)
{
    testsupport::buildSampleDatabase(1000);
    long status = -1;
    demoReportPage report(&bk(), 3, &status,
        std::string(TESSILO_SOURCE_DIR) + "/tools/sampledb/reports/meter-readings.sql");
    ASSERT_EQ(status, 0);
    EXPECT_EQ(text(child(demoReportViewId)), "");
    ASSERT_EQ(bk().bookToPage(3), 0);
    std::string shown = text(child(demoReportViewId));
    size_t dateEnd = shown.find("\r\n\r\n");
    ASSERT_NE(dateEnd, std::string::npos) << shown.substr(0, 200);
    EXPECT_NE(shown.substr(0, dateEnd).find(",20"), std::string::npos) << shown.substr(0, 200);
    const std::string titles = "\r\n\r\n[-[-1]-]\r\nSerialNumber ";
    EXPECT_EQ(shown.compare(dateEnd, titles.size(), titles), 0) << shown.substr(0, 200);
    size_t totals = shown.find(" Totals ");
    ASSERT_NE(totals, std::string::npos) << shown;
    EXPECT_NE(shown.find(" 1000 ", totals), std::string::npos) << shown.substr(totals);
    EXPECT_TRUE(::IsWindowVisible(child(demoReportViewId)));
    ASSERT_EQ(bk().bookToPage(0), 0);
}
