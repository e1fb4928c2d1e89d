// The FTP browser against the loopback server: its settings, connecting, browsing and expanding
// both trees, Put and Get enabling, single transfers with the "FileExists" question, the shortcut
// menu's Add, Delete and Ftp log, and the 4 GiB rule of the local tree.
#include "ftpdialogs.h"

#include "testserver.h"

#include <winport/paths.h>

#include <filesystem>
#include <functional>

using namespace ftptest;
namespace fs = std::filesystem;

namespace {

std::string itemLabel(HWND tree, HTREEITEM item)
{
    char text[300] = {};
    TVITEMA info {};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    ::SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

const _DlgFtpItem* record(HWND tree, HTREEITEM item)
{
    TVITEMA info {};
    info.mask = TVIF_PARAM;
    info.hItem = item;
    ::SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return reinterpret_cast<const _DlgFtpItem*>(info.lParam);
}

HTREEITEM next(HWND tree, HTREEITEM item, UINT code)
{
    return reinterpret_cast<HTREEITEM>(
        ::SendMessage(tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

// The labels of the item's children (the roots for NULL).
std::vector<std::string> children(HWND tree, HTREEITEM parent)
{
    std::vector<std::string> labels;
    for (HTREEITEM item = parent ? next(tree, parent, TVGN_CHILD) : next(tree, nullptr, TVGN_ROOT);
         item; item = next(tree, item, TVGN_NEXT))
        labels.push_back(itemLabel(tree, item));
    return labels;
}

HTREEITEM find(HWND tree, HTREEITEM parent, const std::string& label)
{
    for (HTREEITEM item = parent ? next(tree, parent, TVGN_CHILD) : next(tree, nullptr, TVGN_ROOT);
         item; item = next(tree, item, TVGN_NEXT)) {
        if (itemLabel(tree, item) == label)
            return item;
    }
    return nullptr;
}

bool hasChildrenMark(HWND tree, HTREEITEM item)
{
    TVITEMA info {};
    info.mask = TVIF_CHILDREN;
    info.hItem = item;
    ::SendMessage(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return info.cChildren != 0;
}

void expand(HWND tree, HTREEITEM item)
{
    ::SendMessage(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void select(HWND tree, HTREEITEM item)
{
    ::SendMessage(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

class FtpBrowser : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start()) << server.Error();
        server.PutFile("a.txt", "abc");
        server.PutFile("sub/only.txt", "12345");
        fs::create_directories(server.Root() + "/empty");
        host = "127.0.0.1:" + std::to_string(server.Port());
        local = winport::rivantaRoot() + "/drives/c/ftpui";
        fs::create_directories(local + "/folder");
        std::ofstream(local + "/up.txt") << "upload";
        log = local + "/browser.flg";
        app.WriteProfileString("", "FtpUrlHost", host.c_str());
        app.WriteProfileString("", "FtpId", "user");
        app.WriteProfileString("", "FtpPw", "pass");
        app.WriteProfileString("", "FtpLog", log.c_str());
        parent = wintest::makeTopLevel(300, 200);
    }
    void TearDown() override
    {
        ::DestroyWindow(parent);
        std::error_code ec;
        fs::remove_all(local, ec);
        winport::testing::ClearScripts();
    }

    // Runs the browser; body drives it, then Done closes it.
    void run(const std::function<void(HWND dialog, CDlgFtp& browser)>& body)
    {
        CDlgFtp browser(&app, CWnd::FromHandle(parent));
        winport::testing::ScriptModalDialog(
            [&](HWND dialog) {
                localTree = ::GetDlgItem(dialog, IDC_TREE_LOCAL);
                hostTree = ::GetDlgItem(dialog, IDC_TREE_HOST);
                body(dialog, browser);
                press(dialog, IDCANCEL);
            },
            20000);
        EXPECT_EQ(browser.DoModal(), IDCANCEL);
    }

    // The local folder of the test, expanded (C:\ first).
    HTREEITEM openLocalFolder()
    {
        HTREEITEM drive = find(localTree, nullptr, "C:\\");
        expand(localTree, drive);
        HTREEITEM folder = find(localTree, drive, "ftpui");
        expand(localTree, folder);
        return folder;
    }

    FtpTestServer server;
    std::string host;
    std::string local;
    std::string log;
    FtpHostApp app;
    HWND parent = nullptr;
    HWND localTree = nullptr;
    HWND hostTree = nullptr;
};

TEST_F(FtpBrowser, OpensOnTheDrivesWithTheRememberedHostAndSavesTheSettingsOnDone)
{
    run([&](HWND dialog, CDlgFtp& browser) {
        char caption[128] = {};
        ::GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ(
            caption, "Rivanta Ftp - Double-click each desired selection ( on both sides )");
        EXPECT_EQ(itemText(dialog, IDC_EDIT_URL), host);
        EXPECT_FALSE(enabled(dialog, IDC_BUTTON_PUT));
        EXPECT_FALSE(enabled(dialog, IDC_BUTTON_GET));
        EXPECT_EQ(std::string(browser.GetLogPath()), log);
        std::vector<std::string> roots = children(localTree, nullptr);
        ASSERT_FALSE(roots.empty());
        EXPECT_NE(std::find(roots.begin(), roots.end(), "C:\\"), roots.end());
        EXPECT_EQ(itemText(dialog, IDC_EDIT_PATHLOCAL), roots.front());
        HTREEITEM drive = find(localTree, nullptr, "C:\\");
        EXPECT_EQ(record(localTree, drive)->type, DWORD(DLGFTPITEM_DRIVE));
        EXPECT_TRUE(hasChildrenMark(localTree, drive));
        EXPECT_TRUE(children(hostTree, nullptr).empty()) << "not connected yet";
        // The list dialog exists from the start, hidden.
        ASSERT_NE(browser.GetListDialog(), nullptr);
        EXPECT_FALSE(::IsWindowVisible(browser.GetListDialog()->GetSafeHwnd()));
        ::SetDlgItemTextA(dialog, IDC_EDIT_URL, "example.org");
    });
    EXPECT_EQ(app.profile("FtpUrlHost"), "example.org");
    EXPECT_EQ(app.profile("FtpLog"), log);
    EXPECT_EQ(app.profile("FtpPathLocal"), "");

    // Without a stored log path: the current directory + one backslash + the default name.
    app.WriteProfileString("", "FtpLog", nullptr);
    run([&](HWND, CDlgFtp& browser) {
        std::string path = browser.GetLogPath().GetString();
        ASSERT_GT(path.size(), 18u);
        EXPECT_EQ(path.substr(path.size() - 18), "\\NetvaneFtpLog.flg");
        EXPECT_EQ(path.find("\\\\"), std::string::npos) << path;
    });
}

TEST_F(FtpBrowser, ConnectsAndExpandsTheHostTree)
{
    run([&](HWND dialog, CDlgFtp& browser) {
        press(dialog, IDC_BUTTON_CONNECT);
        ASSERT_TRUE(browser.IsConnected()) << itemText(dialog, IDC_STATIC_FTPSTATUS);
        EXPECT_EQ(std::string(browser.GetUrl()), "ftp://" + host);
        EXPECT_EQ(itemText(dialog, IDC_STATIC_FTPSTATUS), "Connected : 127.0.0.1");
        std::vector<std::string> roots = children(hostTree, nullptr);
        ASSERT_EQ(roots.size(), 1u);
        HTREEITEM root = next(hostTree, nullptr, TVGN_ROOT);
        EXPECT_STREQ(record(hostTree, root)->path, "/");
        EXPECT_EQ(itemText(dialog, IDC_EDIT_PATHHOST), "/");

        expand(hostTree, root);
        EXPECT_EQ(
            children(hostTree, root), std::vector<std::string>({ "a.txt ( 3 )", "empty", "sub" }));
        HTREEITEM sub = find(hostTree, root, "sub");
        EXPECT_EQ(record(hostTree, sub)->type, DWORD(DLGFTPITEM_FOLDER));
        EXPECT_TRUE(hasChildrenMark(hostTree, sub));
        expand(hostTree, sub);
        ASSERT_EQ(children(hostTree, sub), std::vector<std::string>({ "only.txt ( 5 )" }));
        const _DlgFtpItem* only = record(hostTree, find(hostTree, sub, "only.txt ( 5 )"));
        EXPECT_STREQ(only->path, "/sub/only.txt");
        EXPECT_EQ(only->size, 5u);
        HTREEITEM empty = find(hostTree, root, "empty");
        expand(hostTree, empty);
        EXPECT_FALSE(hasChildrenMark(hostTree, empty)) << "nothing inside: the mark goes";

        // The same host typed with its scheme connects to the same URL; a refused login leaves
        // the browser unconnected with the server's answer in the status line.
        ::SetDlgItemTextA(dialog, IDC_EDIT_URL, ("ftp://" + host).c_str());
        press(dialog, IDC_BUTTON_CONNECT);
        EXPECT_TRUE(browser.IsConnected());
        EXPECT_EQ(std::string(browser.GetUrl()), "ftp://" + host);
        EXPECT_EQ(children(hostTree, nullptr).size(), 1u);
        app.WriteProfileString("", "FtpPw", "wrong");
        press(dialog, IDC_BUTTON_CONNECT);
        EXPECT_FALSE(browser.IsConnected());
        EXPECT_TRUE(children(hostTree, nullptr).empty());
        EXPECT_NE(itemText(dialog, IDC_STATIC_FTPSTATUS).find("530"), std::string::npos)
            << itemText(dialog, IDC_STATIC_FTPSTATUS);
    });
}

TEST_F(FtpBrowser, LocalTreeListsFoldersAndFilesBelow4GiB)
{
    {
        std::ofstream huge(local + "/huge.bin");
    }
    fs::resize_file(local + "/huge.bin", 4ull << 30); // sparse: no disk space taken
    run([&](HWND dialog, CDlgFtp&) {
        HTREEITEM folder = openLocalFolder();
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(
            children(localTree, folder), std::vector<std::string>({ "folder", "up.txt ( 6 )" }))
            << "a file of 4 GiB is not shown";
        const _DlgFtpItem* up = record(localTree, find(localTree, folder, "up.txt ( 6 )"));
        EXPECT_STREQ(up->path, "C:\\ftpui\\up.txt");
        EXPECT_EQ(up->type, DWORD(DLGFTPITEM_FILE));
        HTREEITEM empty = find(localTree, folder, "folder");
        expand(localTree, empty);
        EXPECT_FALSE(hasChildrenMark(localTree, empty));
        select(localTree, empty);
        EXPECT_EQ(itemText(dialog, IDC_EDIT_PATHLOCAL), "C:\\ftpui\\folder");
    });
    EXPECT_EQ(app.profile("FtpPathLocal"), "C:\\ftpui\\folder");
}

TEST_F(FtpBrowser, PutAndGetEnableForFilesWhileConnected)
{
    run([&](HWND dialog, CDlgFtp&) {
        HTREEITEM folder = openLocalFolder();
        HTREEITEM file = find(localTree, folder, "up.txt ( 6 )");
        select(localTree, file);
        EXPECT_FALSE(enabled(dialog, IDC_BUTTON_PUT)) << "not connected";
        press(dialog, IDC_BUTTON_CONNECT);
        EXPECT_FALSE(enabled(dialog, IDC_BUTTON_PUT)) << "connecting clears the selections";
        select(localTree, find(localTree, folder, "folder"));
        EXPECT_FALSE(enabled(dialog, IDC_BUTTON_PUT)) << "a folder";
        select(localTree, file);
        EXPECT_TRUE(enabled(dialog, IDC_BUTTON_PUT));

        HTREEITEM root = next(hostTree, nullptr, TVGN_ROOT);
        expand(hostTree, root);
        select(hostTree, find(hostTree, root, "sub"));
        EXPECT_FALSE(enabled(dialog, IDC_BUTTON_GET));
        select(hostTree, find(hostTree, root, "a.txt ( 3 )"));
        EXPECT_TRUE(enabled(dialog, IDC_BUTTON_GET));
        EXPECT_EQ(itemText(dialog, IDC_EDIT_PATHHOST), "/a.txt");
    });
}

// The selections give the single transfers their sources and destinations; the question before
// replacing and the record's fields are the single transfer's own (tested with it).
TEST_F(FtpBrowser, SingleTransfersGoFromTheSelectionsIntoTheLog)
{
    // The progress dialog waits for Transfer.
    auto transfer
        = [] { winport::testing::ScriptModalDialog([](HWND progress) { press(progress, 3051); }); };
    run([&](HWND dialog, CDlgFtp&) {
        press(dialog, IDC_BUTTON_CONNECT);
        HTREEITEM folder = openLocalFolder();
        HTREEITEM root = next(hostTree, nullptr, TVGN_ROOT);
        expand(hostTree, root);
        // Put into the selected host folder.
        select(localTree, find(localTree, folder, "up.txt ( 6 )"));
        select(hostTree, find(hostTree, root, "sub"));
        transfer();
        press(dialog, IDC_BUTTON_PUT);
        EXPECT_EQ(server.ReadFile("sub/up.txt"), "upload");

        // Get the host file into the selected local folder.
        select(hostTree, find(hostTree, root, "a.txt ( 3 )"));
        select(localTree, folder);
        transfer();
        press(dialog, IDC_BUTTON_GET);
        EXPECT_EQ(fileBytes(local + "/a.txt"), "abc");
    });
    std::vector<_DlgFtpLogItem> records;
    ASSERT_EQ(dlgftplogRead(log.c_str(), records), 1);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_STREQ(records[0].action, "Put");
    EXPECT_STREQ(records[0].item.destination.path, "/sub/up.txt");
    EXPECT_STREQ(records[1].action, "Get");
    EXPECT_STREQ(records[1].item.destination.path, "C:\\ftpui\\a.txt");
    EXPECT_STREQ(records[1].status, "Transfer OK");
}

TEST_F(FtpBrowser, ShortcutMenuAddsAndDeletesListItemsAndOpensTheLog)
{
    run([&](HWND dialog, CDlgFtp& browser) {
        press(dialog, IDC_BUTTON_CONNECT);
        HTREEITEM root = next(hostTree, nullptr, TVGN_ROOT);
        expand(hostTree, root);
        HTREEITEM folder = openLocalFolder();
        select(localTree, folder);
        select(hostTree, find(hostTree, root, "a.txt ( 3 )"));
        ::SetFocus(hostTree);
        CDlgFtpList* list = browser.GetListDialog();

        // Add from the host tree: a Get item into the selected local folder.
        winport::testing::ScriptPopupMenu(ID_FTP_ADD);
        ::SendMessage(hostTree, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        winport::testing::PumpEvents(20);
        EXPECT_TRUE(::IsWindowVisible(list->GetSafeHwnd())) << "Add shows the list";
        ASSERT_NE(list->GetItemGet(0), nullptr);
        const _DlgFtpItemTransfer* item = list->GetItemGet(0);
        EXPECT_STREQ(item->host, host.c_str()) << "without the scheme";
        EXPECT_STREQ(item->userId, "user");
        EXPECT_STREQ(item->source.path, "/a.txt");
        EXPECT_STREQ(item->destination.path, "C:\\ftpui\\a.txt");
        EXPECT_EQ(item->destination.type, DWORD(DLGFTPITEM_FILE));
        EXPECT_EQ(item->selected, 1);
        EXPECT_EQ(item->includeSubdirectories, 1);

        // With the Ip/Url field empty the host comes from the profile.
        ::SetDlgItemTextA(dialog, IDC_EDIT_URL, "");
        ::SetFocus(localTree);
        select(localTree, find(localTree, folder, "up.txt ( 6 )"));
        winport::testing::ScriptPopupMenu(ID_FTP_ADD);
        ::SendMessage(localTree, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        winport::testing::PumpEvents(20);
        ASSERT_NE(list->GetItemPut(0), nullptr);
        EXPECT_STREQ(list->GetItemPut(0)->host, host.c_str());
        EXPECT_STREQ(list->GetItemPut(0)->destination.path, "/up.txt")
            << "a host file selected: the top of the host";

        // A drive as the source adds nothing; Delete takes the selected source's item.
        select(localTree, find(localTree, nullptr, "C:\\"));
        winport::testing::ScriptPopupMenu(ID_FTP_ADD);
        ::SendMessage(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(localTree), 0);
        winport::testing::PumpEvents(20);
        EXPECT_EQ(list->GetItemPut(1), nullptr);
        select(localTree, find(localTree, folder, "up.txt ( 6 )"));
        winport::testing::ScriptPopupMenu(ID_FTP_DELETE);
        ::SendMessage(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(localTree), 0);
        winport::testing::PumpEvents(20);
        EXPECT_EQ(list->GetItemPut(0), nullptr);
        EXPECT_NE(list->GetItemGet(0), nullptr);

        winport::testing::ScriptPopupMenu(ID_FTP_FTPLOG);
        ::SendMessage(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(localTree), 0);
        winport::testing::PumpEvents(20);
        ASSERT_NE(browser.GetLogDialog(), nullptr);
        EXPECT_EQ(std::string(browser.GetLogDialog()->GetLog()), log);
    });
}

TEST_F(FtpBrowser, PropertiesTakeTheCredentialsForTheNextConnect)
{
    run([&](HWND dialog, CDlgFtp& browser) {
        winport::testing::ScriptModalDialog([](HWND credentials) {
            EXPECT_EQ(itemText(credentials, IDC_EDIT_USERID), "user") << "from the profile";
            ::SetDlgItemTextA(credentials, IDC_EDIT_USERID, "ro");
            ::SetDlgItemTextA(credentials, IDC_EDIT_PASSWORD, "ro");
            press(credentials, IDOK);
        });
        press(dialog, IDC_BUTTON_PROPERTIES);
        EXPECT_EQ(std::string(browser.GetUserId()), "ro");
        press(dialog, IDC_BUTTON_CONNECT);
        EXPECT_TRUE(browser.IsConnected());
        EXPECT_EQ(std::string(browser.GetUserId()), "ro");
    });
    EXPECT_EQ(app.profile("FtpPw"), "ro");
}

}
