// Single transfers as the browser starts them: the destination, the "FileExists" question with
// its Yes and No, the modal progress dialog that waits for Transfer, failures and the record.
#include "ftptest.h"

#include "ftp/ftpsingletransfer.h"
#include "wintest.h"

#include <filesystem>

using namespace ftptest;
namespace fs = std::filesystem;

namespace {
_DlgFtpItem Node(DWORD type, const std::string& path, DWORD size = 0)
{
    _DlgFtpItem node {};
    node.type = type;
    node.size = size;
    std::strncpy(node.path, path.c_str(), sizeof node.path - 1);
    return node;
}

void Press(HWND dialog, int id)
{
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
        reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class SingleTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start()) << server.Error();
        host = wintest::makeTopLevel();
        ASSERT_EQ(ftp.URLConnect(server.Url().c_str(), nullptr, "user", "pass"), 1);
        transfer.parent = CWnd::FromHandle(host);
        transfer.ftp = &ftp;
        transfer.url = server.Url().c_str();
        transfer.userId = "user";
        transfer.password = "pass";
        transfer.logPath = (local.path() + "/NetvaneFtpLog.flg").c_str();
    }
    void TearDown() override
    {
        DestroyWindow(host);
        winport::testing::ClearScripts();
    }
    // The user presses Transfer; what the dialog showed meanwhile is kept.
    void ScriptTransfer()
    {
        winport::testing::ScriptModalDialog([this](HWND dialog) {
            cancelShown = IsWindowVisible(GetDlgItem(dialog, 3052));
            char caption[300] = {};
            GetWindowText(dialog, caption, sizeof caption);
            shownCaption = caption;
            Press(dialog, 3051);
        });
    }

    FtpTestServer server;
    ScopedTempDir local;
    HWND host = nullptr;
    CNetvaneFtp ftp;
    DlgFtpSingleTransfer transfer;
    bool cancelShown = true;
    std::string shownCaption;
};
}

TEST(SingleTransferDestination, FollowsTheSelectedDestinationNode)
{
    _DlgFtpItem source = Node(DLGFTPITEM_FILE, "C:\\data\\report 1.txt");
    _DlgFtpItem hostFile = Node(DLGFTPITEM_FILE, "/pub/in/old.txt");
    _DlgFtpItem hostFolder = Node(DLGFTPITEM_FOLDER, "/pub/in");
    EXPECT_EQ(dlgftpSingleDestination(source, nullptr, 0), "/report 1.txt");
    EXPECT_EQ(dlgftpSingleDestination(source, &hostFile, 0), "/pub/in/report 1.txt");
    EXPECT_EQ(dlgftpSingleDestination(source, &hostFolder, 0), "/pub/in/report 1.txt");

    _DlgFtpItem remote = Node(DLGFTPITEM_FILE, "/pub/a.b.txt");
    _DlgFtpItem localFolder = Node(DLGFTPITEM_FOLDER, "C:\\in");
    EXPECT_EQ(dlgftpSingleDestination(remote, nullptr, 1), "c:\\a.b.txt");
    EXPECT_EQ(dlgftpSingleDestination(remote, &localFolder, 1), "C:\\in\\a.b.txt");
}

TEST_F(SingleTransfer, PutAsksBeforeReplacingAndNoWritesNoRecord)
{
    server.PutFile("in/f.txt", "old");
    std::string source = local.path() + "/f.txt";
    Spit(source, "new content");
    _DlgFtpItem folder = Node(DLGFTPITEM_FOLDER, "/in");
    transfer.source = Node(DLGFTPITEM_FILE, source, 11);
    transfer.selectedDestination = &folder;

    winport::testing::ScriptMessageBox(IDNO);
    EXPECT_EQ(dlgftpSingleTransfer(transfer), 0);
    std::vector<winport::testing::MessageBoxCall> asked = winport::testing::MessageBoxCalls();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].caption, "FileExists");
    EXPECT_EQ(
        asked[0].text, "/in/f.txt\nexists on the remote host.\n\nDo you want to replace it ?\n");
    EXPECT_EQ(asked[0].type & 0xF, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(server.ReadFile("in/f.txt"), "old");
    EXPECT_FALSE(fs::exists(transfer.logPath.GetString()));

    winport::testing::ScriptMessageBox(IDYES);
    ScriptTransfer();
    EXPECT_EQ(dlgftpSingleTransfer(transfer), 1);
    EXPECT_EQ(server.ReadFile("in/f.txt"), "new content");
    EXPECT_FALSE(cancelShown) << "an interactive transfer cannot be cancelled";
    EXPECT_EQ(shownCaption, "Ftp : " + source);
    std::vector<_DlgFtpLogItem> records = Records(transfer.logPath.GetString());
    ASSERT_EQ(records.size(), 1u);
    const _DlgFtpItemTransfer& item = records[0].item;
    EXPECT_STREQ(records[0].action, "Put");
    EXPECT_EQ(StatusOf(records[0]), "Transfer OK");
    EXPECT_EQ(std::string(item.host), server.Url()) << "the connect URL, prefix included";
    EXPECT_STREQ(item.userId, "user");
    EXPECT_STREQ(item.password, "pass");
    EXPECT_EQ(item.selected, 1);
    EXPECT_STREQ(item.destination.path, "/in/f.txt");
    EXPECT_EQ(item.destination.type, static_cast<DWORD>(DLGFTPITEM_FOLDER));
    EXPECT_EQ(item.destination.size, 11u);
}

TEST_F(SingleTransfer, GetCopiesAndFailuresAreShownAndRecorded)
{
    server.PutFile("pub/data.bin", TestPattern(70000, 9));
    _DlgFtpItem folder = Node(DLGFTPITEM_FOLDER, local.path());
    transfer.get = 1;
    transfer.source = Node(DLGFTPITEM_FILE, "/pub/data.bin", 70000);
    transfer.selectedDestination = &folder;
    ScriptTransfer();
    EXPECT_EQ(dlgftpSingleTransfer(transfer), 1);
    EXPECT_TRUE(Slurp(local.path() + "/data.bin") == TestPattern(70000, 9));

    // The host has no such file: the box names it, the record keeps the text.
    transfer.source = Node(DLGFTPITEM_FILE, "/pub/none.bin", 5);
    ScriptTransfer();
    winport::testing::ScriptMessageBox(IDOK);
    EXPECT_EQ(dlgftpSingleTransfer(transfer), 0);
    std::vector<winport::testing::MessageBoxCall> shown = winport::testing::MessageBoxCalls();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Can't transfer");
    EXPECT_EQ(shown[0].text,
        "\n\nCannot open/create /pub/none.bin\n\naborting file transfer.\n\n"
        "It may be used by another process\nor locked in some manner.\n\n");

    // Done without Transfer.
    transfer.source = Node(DLGFTPITEM_FILE, "/pub/data.bin", 70000);
    winport::testing::ScriptMessageBox(IDYES);
    winport::testing::ScriptModalDialog([](HWND dialog) { Press(dialog, IDCANCEL); });
    EXPECT_EQ(dlgftpSingleTransfer(transfer), 0);

    std::vector<_DlgFtpLogItem> records = Records(transfer.logPath.GetString());
    ASSERT_EQ(records.size(), 3u);
    EXPECT_STREQ(records[0].action, "Get");
    EXPECT_EQ(StatusOf(records[0]), "Transfer OK");
    EXPECT_EQ(
        StatusOf(records[1]).rfind(" : Transfer Anomaly\n\n\nCannot open/create /pub/none.bin", 0),
        0u)
        << StatusOf(records[1]);
    EXPECT_EQ(StatusOf(records[2]), "Transfer Aborted");
}
