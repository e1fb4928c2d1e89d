// Directory structures: the levels of a destination, their status lines on the local disk and
// on the host, failures with the system's message, the visible and the hidden dialog, and the
// unattended checks of a run.
#include "ftptest.h"

#include "ftp/dlgdirstruct.h"
#include "wintest.h"

#include <winport/paths.h>

#include <filesystem>

using namespace ftptest;
namespace fs = std::filesystem;

namespace {
std::vector<std::string> Levels(const CDlgDirStruct& dialog)
{
    std::vector<std::string> levels;
    for (long i = 0; i < dialog.GetLevelCount(); ++i)
        levels.push_back(dialog.GetLevel(i).str());
    return levels;
}

std::vector<std::string> ListLines(HWND dialog)
{
    std::vector<std::string> lines;
    int count = static_cast<int>(SendDlgItemMessage(dialog, 3115, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        SendDlgItemMessage(dialog, 3115, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

std::string Drive(const std::string& relative)
{
    return winport::driveFolder('c') + "/" + relative;
}
}

TEST(DlgDirStruct, LevelsAreTheDestinationsFoldersDeepestFirst)
{
    struct Case {
        DWORD type;
        const char* path;
        std::vector<std::string> levels;
    } cases[] = {
        { DLGFTPITEM_FILE, "C:\\a\\b\\f.txt", { "b", "a" } },
        { DLGFTPITEM_FILE, "C:\\f.txt", {} },
        { DLGFTPITEM_FOLDER, "/home/u/x", { "x", "u", "home" } },
    };
    for (const Case& c : cases) {
        _DlgFtpItemTransfer item = Item("h", DLGFTPITEM_FILE, "src", c.type, c.path);
        CDlgDirStruct dialog(nullptr, &item, 0, 1, nullptr);
        EXPECT_EQ(dialog.CreateDirStructArray(&item), static_cast<long>(c.levels.size())) << c.path;
        EXPECT_EQ(Levels(dialog), c.levels) << c.path;
    }
}

TEST(DlgDirStruct, LocalLevelsAreCreatedThenExistAndFailuresCarryTheSystemMessage)
{
    fs::remove_all(Drive("a"));
    _DlgFtpItemTransfer item
        = Item("h", DLGFTPITEM_FILE, "src", DLGFTPITEM_FILE, "C:\\a\\release1.2\\f.txt");
    CDlgDirStruct dialog(nullptr, &item, 0, 1, nullptr);
    EXPECT_EQ(dialog.CreateDirStruct(&item), 1);
    EXPECT_EQ(Levels(dialog),
        (std::vector<std::string> { "release1.2 - Status : Created", "a - Status : Created" }));
    EXPECT_TRUE(fs::is_directory(Drive("a/release1.2")));
    EXPECT_EQ(dialog.CreateDirStruct(&item), 1);
    EXPECT_EQ(Levels(dialog),
        (std::vector<std::string> { "release1.2 - Status : Exists", "a - Status : Exists" }));
    EXPECT_EQ(dialog.GetErrorText(), "");

    // A file where a folder should be: neither it nor the level below can be created.
    Spit(Drive("a/plain"), "x");
    _DlgFtpItemTransfer blocked
        = Item("h", DLGFTPITEM_FILE, "src", DLGFTPITEM_FILE, "C:\\a\\plain\\sub\\f.txt");
    EXPECT_EQ(dialog.CreateDirStruct(&blocked), 0);
    std::vector<std::string> levels = Levels(dialog);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[2], "a - Status : Exists");
    EXPECT_EQ(levels[1].rfind("plain - Status : ", 0), 0u) << levels[1];
    EXPECT_GT(levels[1].size(), std::string("plain - Status : ").size()) << "the system message";
    EXPECT_EQ(levels[0].rfind("sub - Status : ", 0), 0u) << "later levels are still tried";
    std::string errors = dialog.GetErrorText().str();
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.back(), '\n');
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 2);
}

TEST(DlgDirStruct, VisibleDialogValidatesOnRequest)
{
    fs::remove_all(Drive("v"));
    HWND host = wintest::makeTopLevel();
    _DlgFtpItemTransfer item = Item("h", DLGFTPITEM_FILE, "src", DLGFTPITEM_FOLDER, "C:\\v\\w");
    std::vector<std::string> opened;
    std::vector<std::string> validated;
    char shownPath[300] = {};
    winport::testing::ScriptModalDialog([&](HWND dialog) {
        opened = ListLines(dialog);
        GetDlgItemText(dialog, 3116, shownPath, sizeof shownPath);
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
            reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        winport::testing::PumpEvents(30);
        validated = ListLines(dialog);
        SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
            reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    });
    CDlgDirStruct visible(CWnd::FromHandle(host), &item, 1, 1, nullptr);
    EXPECT_EQ(visible.DoModal(), IDCANCEL);
    EXPECT_EQ(opened, std::vector<std::string> { "Validate : C:\\v\\w" });
    EXPECT_STREQ(shownPath, "C:\\v\\w");
    EXPECT_EQ(
        validated, (std::vector<std::string> { "v - Status : Created", "w - Status : Created" }));
    EXPECT_EQ(visible.GetResult(), 1);
    DestroyWindow(host);
}

TEST(DlgDirStruct, HostLevelsThroughTheSession)
{
    FtpTestServer server;
    ASSERT_TRUE(server.Start()) << server.Error();
    server.PutFile("top/keep.txt", "k");
    _DlgFtpItemTransfer item
        = Item(HostOf(server), DLGFTPITEM_FILE, "src", DLGFTPITEM_FILE, "/top/new dir/f.txt");
    CNetvaneFtp ftp;
    CDlgDirStruct unconnected(nullptr, &item, 0, 0, &ftp);
    EXPECT_EQ(unconnected.CreateDirStructFtp(&item), 0) << "no connection: nothing is done";
    EXPECT_EQ(unconnected.GetLevelCount(), 0);
    ASSERT_EQ(ftp.URLConnect(server.Url().c_str(), nullptr, "user", "pass"), 1);
    CDlgDirStruct dialog(nullptr, &item, 0, 0, &ftp);
    EXPECT_EQ(dialog.CreateDirStructFtp(&item), 1);
    EXPECT_EQ(Levels(dialog),
        (std::vector<std::string> { "new dir - Status : Created", "top - Status : Exists" }));
    EXPECT_TRUE(fs::is_directory(server.Root() + "/top/new dir"));

    // The read-only user cannot create it.
    _DlgFtpItemTransfer refused
        = Item(HostOf(server), DLGFTPITEM_FILE, "src", DLGFTPITEM_FOLDER, "/top/denied");
    ASSERT_EQ(ftp.URLConnect(server.Url().c_str(), nullptr, "ro", "ro"), 1);
    EXPECT_EQ(dialog.CreateDirStructFtp(&refused), 0);
    EXPECT_EQ(Levels(dialog)[0].rfind("denied - Status : ", 0), 0u);
    EXPECT_NE(Levels(dialog)[0], "denied - Status : Created");
    EXPECT_FALSE(fs::exists(server.Root() + "/top/denied"));
}

TEST(DlgDirStruct, HiddenDialogRunsItsCommandAndCloses)
{
    fs::remove_all(Drive("hid"));
    _DlgFtpItemTransfer item
        = Item("h", DLGFTPITEM_FILE, "src", DLGFTPITEM_FILE, "C:\\hid\\den\\f.txt");
    CDlgDirStruct hidden(nullptr, &item, 0, 1, nullptr);
    winport::testing::ScriptModalDialog([](HWND) {}); // the dialog closes before a user could act
    EXPECT_EQ(hidden.DoModal(), IDCANCEL);
    EXPECT_EQ(hidden.GetResult(), 1);
    EXPECT_EQ(Levels(hidden),
        (std::vector<std::string> { "den - Status : Created", "hid - Status : Created" }));
    EXPECT_TRUE(fs::is_directory(Drive("hid/den")));
}

// A run checks file after file through one object: host levels it has seen are not asked for
// again (no request reaches the session), new levels are, and failures still fail.
TEST(DlgDirStruct, UnattendedChecksOfARunAskTheHostOncePerLevel)
{
    FtpTestServer server;
    ASSERT_TRUE(server.Start()) << server.Error();
    CNetvaneFtp ftp;
    ASSERT_EQ(ftp.URLConnect(server.Url().c_str(), nullptr, "user", "pass"), 1);
    auto file = [&](const std::string& path) {
        return Item(HostOf(server), DLGFTPITEM_FILE, "src", DLGFTPITEM_FILE, path);
    };
    _DlgFtpItemTransfer first = file("/run/a/f1");
    CDlgDirStruct checks(nullptr, &first, 0, 0, &ftp);
    EXPECT_EQ(checks.Check(&first), 1);
    EXPECT_EQ(Levels(checks),
        (std::vector<std::string> { "a - Status : Created", "run - Status : Created" }));
    EXPECT_EQ(checks.GetSafeHwnd(), nullptr) << "no window for a hidden dialog";

    long requests = ftp.m_Sess.GetStatusCount();
    _DlgFtpItemTransfer second = file("/run/a/f2");
    EXPECT_EQ(checks.Check(&second), 1);
    EXPECT_EQ(Levels(checks),
        (std::vector<std::string> { "a - Status : Exists", "run - Status : Exists" }));
    EXPECT_EQ(ftp.m_Sess.GetStatusCount(), requests) << "known levels are not asked for";

    _DlgFtpItemTransfer sibling = file("/run/b/f3");
    EXPECT_EQ(checks.Check(&sibling), 1);
    EXPECT_EQ(Levels(checks),
        (std::vector<std::string> { "b - Status : Created", "run - Status : Exists" }));
    EXPECT_TRUE(fs::is_directory(server.Root() + "/run/b"));

    // A level the host refuses fails this item and leaves its error text, and only its own.
    server.PutFile("run/plain", "not a folder");
    _DlgFtpItemTransfer blocked = file("/run/plain/sub/f4");
    EXPECT_EQ(checks.Check(&blocked), 0);
    EXPECT_FALSE(checks.GetErrorText().IsEmpty());
    EXPECT_EQ(checks.Check(&second), 1);
    EXPECT_TRUE(checks.GetErrorText().IsEmpty()) << "each check starts without errors";
}

// The local side of a get run: levels seen once are not looked up again (a folder removed in the
// middle of a run is therefore not made again: the file's own open fails and says so), new
// levels are created.
TEST(DlgDirStruct, UnattendedChecksOfARunLookUpLocalLevelsOnce)
{
    fs::remove_all(Drive("lrun"));
    auto file = [](const std::string& path) {
        return Item("h", DLGFTPITEM_FILE, "src", DLGFTPITEM_FILE, path);
    };
    _DlgFtpItemTransfer first = file("C:\\lrun\\a\\f1");
    CDlgDirStruct checks(nullptr, &first, 0, 1, nullptr);
    EXPECT_EQ(checks.Check(&first), 1);
    EXPECT_EQ(Levels(checks),
        (std::vector<std::string> { "a - Status : Created", "lrun - Status : Created" }));

    fs::remove_all(Drive("lrun/a"));
    _DlgFtpItemTransfer second = file("C:\\lrun\\a\\f2");
    EXPECT_EQ(checks.Check(&second), 1);
    EXPECT_EQ(Levels(checks),
        (std::vector<std::string> { "a - Status : Exists", "lrun - Status : Exists" }));
    EXPECT_FALSE(fs::exists(Drive("lrun/a"))) << "a known level is not looked up";

    _DlgFtpItemTransfer sibling = file("C:\\lrun\\b\\f3");
    EXPECT_EQ(checks.Check(&sibling), 1);
    EXPECT_EQ(Levels(checks),
        (std::vector<std::string> { "b - Status : Created", "lrun - Status : Exists" }));
    EXPECT_TRUE(fs::is_directory(Drive("lrun/b")));
}
