// The demo host's Tools menu as a user uses it: each dialog opens over the main window, and on
// command 1083 the host reads the exported readers, shows them in its status line and log, and
// destroys the dialog.
#include "demodialogs.h"

#include <gtest/gtest.h>
#include <winport/testinput.h>
#include <winport/testing.h>

#include "odbctest.h"
#include "resources/resource.h"
#include "sqlpages/sqllist.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

using winport::testing::ChooseMenuItem;
using winport::testing::PressKey;
using winport::testing::PumpEvents;

namespace {

// The host's main window: its commands go to the Tools menu's handler first.
class CommandFrame : public CWnd {
public:
    demoDialogs* dialogs = nullptr;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (dialogs && dialogs->demoDialogsCommand(wParam, lParam))
            return TRUE;
        return CWnd::OnCommand(wParam, lParam);
    }
};

class DemoDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        logFile = std::filesystem::path(std::getenv("RIVANTA_ROOT")) / "drives/c/orlamo40/Log";
        std::filesystem::create_directories(logFile);
        logFile /= "Log.log";
        std::filesystem::remove(logFile);
        ASSERT_TRUE(frame.CreateEx(0, nullptr, "demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
            720, 480, nullptr, nullptr));
        dialogs = std::make_unique<demoDialogs>(&frame);
        frame.dialogs = dialogs.get();
        long status = -1;
        log = std::make_unique<book>(&frame, 1001u, &status);
        ASSERT_EQ(status, 0);
        dialogs->demoDialogsLogTo(log.get());
        PumpEvents(10);
    }
    void TearDown() override
    {
        frame.dialogs = nullptr;
        dialogs.reset();
        log.reset();
        frame.DestroyWindow();
    }

    void choose(UINT command)
    {
        ASSERT_TRUE(ChooseMenuItem(frame.m_hWnd, command));
        PumpEvents(20);
    }
    std::string status() { return std::string(dialogs->demoDialogsStatus()); }
    std::string logText()
    {
        std::ifstream in(logFile, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    static std::string today() { return std::string(CTime::GetCurrentTime().Format("%Y-%m-%d")); }

    std::filesystem::path logFile;
    CommandFrame frame;
    std::unique_ptr<demoDialogs> dialogs;
    std::unique_ptr<book> log;
};

} // namespace

TEST_F(DemoDialogs, TheDateChosenInTheDialogIsShownAndLoggedAndTheDialogDestroyed)
{
    choose(demoDateCommand);
    mfcDateSel* date = dialogs->demoDialogsDate();
    ASSERT_NE(date, nullptr);
    HWND dialog = date->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(dialog));
    EXPECT_EQ(::GetParent(dialog), frame.m_hWnd);
    SYSTEMTIME day { 2025, 3, 0, 14, 0, 0, 0, 0 };
    ::SendDlgItemMessage(
        dialog, IDC_MONTHCALENDAR1, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&day));
    ASSERT_TRUE(PressKey(::GetDlgItem(dialog, IDC_MONTHCALENDAR1), VK_RIGHT));
    ASSERT_TRUE(PressKey(::GetDlgItem(dialog, IDC_MONTHCALENDAR1), VK_RETURN));
    PumpEvents(20);
    EXPECT_EQ(status(), "Date selected: 2025-03-15");
    EXPECT_EQ(dialogs->demoDialogsDate(), nullptr);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_NE(logText().find(" Date selected: 2025-03-15"), std::string::npos) << logText();

    choose(demoDateCommand);
    dialog = dialogs->demoDialogsDate()->m_hWnd;
    ASSERT_TRUE(PressKey(::GetDlgItem(dialog, IDC_MONTHCALENDAR1), VK_ESCAPE));
    PumpEvents(20);
    EXPECT_EQ(status(), "Date selection cancelled");
    EXPECT_FALSE(::IsWindow(dialog));
}

TEST_F(DemoDialogs, TheMeterReadingsAreShownOnlyWhenValid)
{
    choose(demoMeterCommand);
    ASSERT_NE(dialogs->demoDialogsMeter(), nullptr);
    HWND dialog = dialogs->demoDialogsMeter()->m_hWnd;
    char current[32] = {};
    ::GetDlgItemTextA(dialog, IDC_EDIT_CURRENTMETERREADING, current, sizeof current);
    EXPECT_STREQ(current, "1520.7500");
    HWND start = ::GetDlgItem(dialog, IDC_EDIT_STARTMETERREADING);

    // A negative starting reading: OK tells the host nothing and the dialog stays.
    ::SetFocus(start);
    ::SendMessage(start, EM_SETSEL, 0, -1);
    ASSERT_TRUE(winport::testing::TypeText(start, "-5"));
    ASSERT_TRUE(PressKey(start, VK_RETURN));
    PumpEvents(20);
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(::IsWindowVisible(dialog));

    ::SendMessage(start, EM_SETSEL, 0, -1);
    ASSERT_TRUE(winport::testing::TypeText(start, "1498.25"));
    ASSERT_TRUE(PressKey(start, VK_RETURN));
    PumpEvents(20);
    std::string expected
        = "Meter reading of " + today() + ": current 1520.7500, starting 1498.25, volume 22.5000";
    EXPECT_EQ(status(), expected);
    EXPECT_EQ(dialogs->demoDialogsMeter(), nullptr);
    EXPECT_FALSE(::IsWindow(dialog));
    EXPECT_NE(logText().find(expected), std::string::npos) << logText();
}

TEST_F(DemoDialogs, TheThresholdIsShownAfterTheModalDialog)
{
    const std::pair<const char*, const char*> cases[] = {
        { "25", "Inventory threshold: 25.0 %" },
        { "150", "Inventory threshold: 150.0 % (above 100 %: every inventory qualifies)" },
    };
    for (const auto& [typed, shown] : cases) {
        winport::testing::ScriptModalDialog([typed = typed](HWND d) {
            ::SetDlgItemTextA(d, IDC_EDIT_THRESHOLD, typed);
            ::SendMessage(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        choose(demoThresholdCommand);
        EXPECT_EQ(status(), shown);
    }
    EXPECT_EQ(winport::testing::UnusedScripts(), 0);
}

TEST_F(DemoDialogs, TheFtpBrowserRunsFromTheToolsMenu)
{
    std::string caption;
    winport::testing::ScriptModalDialog([&](HWND browser) {
        char text[128] = {};
        ::GetWindowTextA(browser, text, sizeof text);
        caption = text;
        ::SendMessage(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    choose(demoFtpCommand);
    EXPECT_EQ(caption, "Rivanta Ftp - Double-click each desired selection ( on both sides )");
    EXPECT_EQ(status(), "FTP browser closed");
}

// The control frame lists the sample database's meters over the main window; "OK" on a clicked row
// reports that meter, "Done" reports nothing, and opening it again reads the meters afresh.
TEST_F(DemoDialogs, TheControlFrameListsTheMetersAndReportsThePickedOne)
{
    std::string database = testsupport::buildSampleDatabase(40);
    std::string serials;
    ASSERT_EQ(testsupport::runCommand(
                  "sqlite3 '" + database + "' 'SELECT SerialNumber FROM Meters ORDER BY MeterID'",
                  &serials),
        0);
    std::vector<std::string> expected;
    std::istringstream lines(serials);
    for (std::string line; std::getline(lines, line);)
        expected.push_back(line);
    ASSERT_GE(expected.size(), 3u);

    choose(demoControlCommand);
    demoControlFrame* control = dialogs->demoDialogsControlFrame();
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->GetList(), nullptr);
    EXPECT_TRUE(control->IsWindowVisible());
    EXPECT_EQ(::GetParent(control->m_hWnd), frame.m_hWnd);
    EXPECT_EQ(status(), "Control frame: " + std::to_string(expected.size()) + " meters");
    for (size_t row = 0; row < expected.size(); ++row)
        EXPECT_EQ(
            std::string(control->demoControlFrameSerial(static_cast<long>(row))), expected[row])
            << row;

    CListCtrl& list = control->GetList()->GetListCtrl();
    CRect cell;
    ASSERT_TRUE(list.GetItemRect(2, &cell, LVIR_BOUNDS));
    ASSERT_TRUE(winport::testing::Click(
        list.m_hWnd, cell.left + list.GetColumnWidth(0) + 3, cell.CenterPoint().y));
    PumpEvents(20);
    control->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
        reinterpret_cast<LPARAM>(control->GetDlgItem(IDOK)->m_hWnd));
    EXPECT_EQ(status(), "Meter picked: " + expected[2]);
    EXPECT_FALSE(control->IsWindowVisible());
    EXPECT_NE(logText().find("Meter picked: " + expected[2]), std::string::npos) << logText();

    choose(demoControlCommand);
    EXPECT_EQ(dialogs->demoDialogsControlFrame(), control) << "the same frame comes back";
    EXPECT_TRUE(control->IsWindowVisible());
    EXPECT_EQ(control->GetSelectedRow(), -1);
    EXPECT_EQ(control->demoControlFrameSerial(static_cast<long>(expected.size())), "")
        << "emptied before the run";
    control->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
        reinterpret_cast<LPARAM>(control->GetDlgItem(IDCANCEL)->m_hWnd));
    EXPECT_FALSE(control->IsWindowVisible());
    EXPECT_EQ(status(), "Control frame: " + std::to_string(expected.size()) + " meters");
}
