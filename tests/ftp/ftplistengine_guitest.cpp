// The list engine against the loopback server: whole Put and Get runs with folder recursion and
// missing destination chains, the block loop's edges, cancel, and the faults of a run. Every
// attempted file leaves exactly one log record.
#include "ftptest.h"

#include "ftp/ftplistengine.h"
#include "wintest.h"

#include <commctrl.h>
#include <richedit.h>

#include <functional>
#include <chrono>
#include <filesystem>
#include <sys/resource.h>
#include <thread>

using namespace ftptest;
namespace fs = std::filesystem;

namespace {

// Compares contents without printing megabytes on failure.
::testing::AssertionResult SameBytes(const std::string& got, const std::string& expected)
{
    if (got == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << got.size() << " bytes differ from the expected " << expected.size();
}

// The engine with its status lines kept.
class RecordingEngine : public CFtpListEngine {
public:
    using CFtpListEngine::CFtpListEngine;
    std::vector<std::string> lines;

protected:
    void StatusAppend(const CString& text) override
    {
        lines.push_back(text.str());
        CFtpListEngine::StatusAppend(text);
    }
};

class ListEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start()) << server.Error();
        host = wintest::makeTopLevel(500, 300);
        pane = wintest::makeChild(
            host, RICHEDIT_CLASSA, "", ES_MULTILINE | WS_VSCROLL, 0, 0, 400, 200, 3088);
        log = local.path() + "/NetvaneFtpLog.flg";
        engine
            = std::make_unique<RecordingEngine>(nullptr, CWnd::FromHandle(host), pane, log.c_str());
    }
    void TearDown() override
    {
        engine.reset();
        DestroyWindow(host);
        winport::testing::ClearScripts();
    }

    // Acts on another thread once the server holds the first bytes of the file (4 s at most).
    std::thread OnArrival(const std::string& name, std::function<void()> action)
    {
        return std::thread([arriving = server.Root() + "/" + name, action] {
            for (int i = 0; i < 20000; ++i) {
                std::error_code ec;
                if (fs::exists(arriving, ec) && fs::file_size(arriving, ec) > 0) {
                    action();
                    return;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        });
    }

    std::string Local(const std::string& relative, const std::string& content)
    {
        fs::path path = fs::path(local.path()) / relative;
        fs::create_directories(path.parent_path());
        Spit(path.string(), content);
        return path.string();
    }

    FtpTestServer server;
    ScopedTempDir local;
    HWND host = nullptr;
    HWND pane = nullptr;
    std::string log;
    std::unique_ptr<RecordingEngine> engine;
};

TEST_F(ListEngine, PutRunCopiesFilesAndFoldersIntoMissingChainsWithOneRecordEach)
{
    const std::string h = HostOf(server);
    Local("tree/b.txt", "bee");
    Local("tree/sub dir/c d.txt", "sea");
    Local("flat/skipped.txt", "not recursed");
    std::vector<_DlgFtpItemTransfer> items = {
        Item(h, DLGFTPITEM_FILE, Local("one.txt", "one"), DLGFTPITEM_FILE, "/deep/er/one.txt"),
        Item(h, DLGFTPITEM_FOLDER, local.path() + "/tree", DLGFTPITEM_FOLDER, "/up", 1),
        Item(h, DLGFTPITEM_FOLDER, local.path() + "/flat", DLGFTPITEM_FOLDER, "/flat", 0),
    };
    engine->ListRunPut(items.data(), items.size());

    EXPECT_EQ(server.ReadFile("deep/er/one.txt"), "one");
    EXPECT_EQ(server.ReadFile("up/b.txt"), "bee");
    EXPECT_EQ(server.ReadFile("up/sub dir/c d.txt"), "sea");
    EXPECT_FALSE(fs::exists(server.Root() + "/flat")) << "a folder without the flag is skipped";

    std::vector<_DlgFtpLogItem> records = Records(log);
    ASSERT_EQ(records.size(), 3u);
    for (const _DlgFtpLogItem& r : records) {
        EXPECT_STREQ(r.action, "Put");
        EXPECT_EQ(StatusOf(r), "Transfer OK") << r.item.source.path;
        EXPECT_EQ(r.item.selected, 1);
        EXPECT_EQ(r.item.destination.type, static_cast<DWORD>(DLGFTPITEM_FILE));
        EXPECT_EQ(r.item.destination.size, r.item.source.size);
    }
    EXPECT_STREQ(records[2].item.destination.path, "/up/sub dir/c d.txt");
    EXPECT_EQ(records[2].item.source.size, 3u);
    EXPECT_EQ(engine->lines,
        (std::vector<std::string> {
            "Putting : one.txt\n\r", "Putting : b.txt\n\r", "Putting : c d.txt\n\r" }));
    EXPECT_EQ(engine->GetFtp(), nullptr) << "the run ends without its connection";
    EXPECT_EQ(engine->GetPutProgressWindow(), nullptr);
}

TEST_F(ListEngine, GetRunRecursesIntoHostFoldersAndCreatesLocalChains)
{
    const std::string h = HostOf(server);
    server.PutFile("pub/a.txt", "alpha");
    server.PutFile("pub/inner/b c.bin", TestPattern(70000, 3));
    server.PutFile("single.txt", "single");
    std::string target = local.path() + "/x/y";
    std::vector<_DlgFtpItemTransfer> items = {
        Item(h, DLGFTPITEM_FOLDER, "/pub", DLGFTPITEM_FOLDER, target, 1),
        Item(h, DLGFTPITEM_FILE, "/single.txt", DLGFTPITEM_FILE, target + "/z/single.txt"),
        Item(h, DLGFTPITEM_FILE, "/missing.txt", DLGFTPITEM_FILE, target + "/missing.txt"),
    };
    engine->ListRunGet(items.data(), items.size());
    EXPECT_EQ(Slurp(target + "/a.txt"), "alpha");
    EXPECT_TRUE(SameBytes(Slurp(target + "/inner/b c.bin"), TestPattern(70000, 3)));
    EXPECT_EQ(Slurp(target + "/z/single.txt"), "single");
    EXPECT_FALSE(fs::exists(target + "/missing.txt"));

    std::vector<_DlgFtpLogItem> records = Records(log);
    ASSERT_EQ(records.size(), 3u) << "a missing host source leaves no record";
    for (const _DlgFtpLogItem& r : records) {
        EXPECT_STREQ(r.action, "Get");
        EXPECT_EQ(StatusOf(r), "Transfer OK");
    }
    EXPECT_EQ(records[1].item.source.size, 70000u);
}

// The progress range and steps of one file: blocks of 65,535 bytes, small files in one block.
TEST_F(ListEngine, BlocksOfAFileStepTheProgressBar)
{
    const std::string h = HostOf(server);
    struct Case {
        size_t size;
        int range;
        DWORD block;
    } cases[] = {
        { 0, 1, 10 },
        { 65534, 1, 65544 },
        { 65535, 1, 65535 },
        { 65536, 2, 65535 },
    };
    for (const Case& c : cases) {
        std::string name = "f" + std::to_string(c.size);
        _DlgFtpItemTransfer item = Item(
            h, DLGFTPITEM_FILE, Local(name, TestPattern(c.size, 4)), DLGFTPITEM_FILE, "/" + name);
        ASSERT_EQ(engine->PutTransfer(&item), 1) << c.size;
        HWND dialog = engine->GetPutProgressWindow();
        ASSERT_NE(dialog, nullptr);
        PBRANGE range {};
        SendDlgItemMessage(dialog, 3047, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        EXPECT_EQ(range.iLow, 0);
        EXPECT_EQ(range.iHigh, c.range) << c.size;
        // An empty file is one read of nothing: no step.
        int steps = static_cast<int>(SendDlgItemMessage(dialog, 3047, PBM_GETPOS, 0, 0));
        EXPECT_EQ(steps, c.size ? c.range : 0) << c.size;
        char group[64] = {};
        GetDlgItemText(dialog, 3048, group, sizeof group);
        EXPECT_STREQ(group, "Ftp Transfer Completed");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, 3051))) << "automatic: no Transfer";
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 3052))) << "automatic: Cancel Transfer";
        EXPECT_TRUE(SameBytes(server.ReadFile(name), TestPattern(c.size, 4)));
    }
    EXPECT_EQ(Records(log).size(), std::size(cases));
}

TEST_F(ListEngine, CancelStopsAfterTheCurrentBlockAndKeepsThePartialFile)
{
    const std::string h = HostOf(server);
    const size_t size = 16 << 20;
    _DlgFtpItemTransfer first
        = Item(h, DLGFTPITEM_FILE, Local("a", "a"), DLGFTPITEM_FILE, "/a", 0, "slow");
    _DlgFtpItemTransfer big = Item(
        h, DLGFTPITEM_FILE, Local("big", TestPattern(size, 5)), DLGFTPITEM_FILE, "/big", 0, "slow");
    // The server takes in 2 MiB a second from this user: the copy cannot end before the
    // pointer moves, however late a loaded machine runs the thread that moves it.
    std::strcpy(first.userId, "slow");
    std::strcpy(big.userId, "slow");
    ASSERT_EQ(engine->PutTransfer(&first), 1);
    HWND cancel = GetDlgItem(engine->GetPutProgressWindow(), 3052);
    // Once the file is on its way, the pointer moves over Cancel Transfer with no button held.
    std::thread user
        = OnArrival("big", [cancel] { PostMessage(cancel, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3)); });
    int result = engine->PutTransfer(&big);
    user.join();
    EXPECT_EQ(result, 0);
    std::vector<_DlgFtpLogItem> records = Records(log);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(StatusOf(records[1]), "Transfer Aborted");
    std::string partial = server.ReadFile("big");
    EXPECT_GT(partial.size(), 0u);
    EXPECT_LT(partial.size(), size) << "the copy stopped before the end";
    EXPECT_EQ(partial.size() % 65535, 0u) << "whole blocks only";
}

TEST_F(ListEngine, ConnectionFailuresBecomeRecordsAndTheRunGoesOn)
{
    const std::string h = HostOf(server);
    std::vector<_DlgFtpItemTransfer> items = {
        Item(h, DLGFTPITEM_FILE, Local("a.txt", "a"), DLGFTPITEM_FILE, "/a.txt", 0, "wrong"),
        Item(h, DLGFTPITEM_FILE, local.path() + "/gone.txt", DLGFTPITEM_FILE, "/gone.txt"),
        Item(h, DLGFTPITEM_FILE, Local("b.txt", "b"), DLGFTPITEM_FILE, "/b.txt"),
        Item("", DLGFTPITEM_FILE, Local("c.txt", "c"), DLGFTPITEM_FILE, "/c.txt"),
    };
    engine->ListRunPut(items.data(), items.size());
    std::vector<_DlgFtpLogItem> records = Records(log);
    ASSERT_EQ(records.size(), 3u) << "the missing local source leaves none";
    EXPECT_NE(StatusOf(records[0]).find("530"), std::string::npos) << StatusOf(records[0]);
    EXPECT_STREQ(records[0].action, "Put");
    EXPECT_EQ(StatusOf(records[1]), "Transfer OK");
    EXPECT_EQ(StatusOf(records[2]), "Unable to connect for Put.");
    EXPECT_EQ(server.ReadFile("b.txt"), "b");
}

// The server dies while a file is on its way: that file ends "Transfer Anomaly" with the error
// text, and the run goes on with the next item, which cannot connect.
TEST_F(ListEngine, ServerKilledInMidTransfer)
{
    const std::string h = HostOf(server);
    std::vector<_DlgFtpItemTransfer> items = {
        Item(h, DLGFTPITEM_FILE, Local("big.bin", TestPattern(32 << 20, 6)), DLGFTPITEM_FILE,
            "/big.bin"),
        Item(h, DLGFTPITEM_FILE, Local("next.txt", "next"), DLGFTPITEM_FILE, "/next.txt"),
    };
    std::thread killer = OnArrival("big.bin", [this] { server.Kill(); });
    engine->ListRunPut(items.data(), items.size());
    killer.join();
    std::vector<_DlgFtpLogItem> records = Records(log);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(StatusOf(records[0]).rfind(" : Transfer Anomaly\n", 0), 0u) << StatusOf(records[0]);
    EXPECT_GT(StatusOf(records[0]).size(), 21u) << "the error text follows";
    // Refused, or reset while the server is still going down: the session's text either way.
    EXPECT_FALSE(StatusOf(records[1]).empty());
    EXPECT_EQ(StatusOf(records[1]).find("Transfer"), std::string::npos) << StatusOf(records[1]);
}

// A get onto a disk that fills up: the error is recorded, the partial file stays, nothing hangs.
TEST_F(ListEngine, FullLocalDiskOnGet)
{
    const std::string h = HostOf(server);
    server.PutFile("large.bin", TestPattern(400000, 7));
    _DlgFtpItemTransfer item
        = Item(h, DLGFTPITEM_FILE, "/large.bin", DLGFTPITEM_FILE, local.path() + "/large.bin");
    struct rlimit saved { };
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 100000;
    auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int result = engine->GetTransfer(&item);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, 0);
    std::vector<_DlgFtpLogItem> records = Records(log);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(StatusOf(records[0]).rfind(" : Transfer Anomaly\n", 0), 0u) << StatusOf(records[0]);
    EXPECT_NE(StatusOf(records[0]).find("Terminating transfer"), std::string::npos);
    uintmax_t partial = fs::file_size(local.path() + "/large.bin");
    EXPECT_GT(partial, 0u) << "the partial file stays";
    EXPECT_LE(partial, 100000u);
}
}
