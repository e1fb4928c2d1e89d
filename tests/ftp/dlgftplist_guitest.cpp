// The transfer-list dialog: adding and removing items, list files saved and loaded byte for
// byte in the configuration folders, the item editor, and list runs against the loopback server.
#include "ftpdialogs.h"

#include "scopedcwd.h"
#include "testserver.h"

#include <winport/paths.h>

#include <filesystem>

using namespace ftptest;
namespace fs = std::filesystem;

namespace {

std::string rowText(HWND dialog, int listId, int row, int column)
{
    char text[300] = {};
    LVITEMA item {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendDlgItemMessage(dialog, listId, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
        reinterpret_cast<LPARAM>(&item));
    return text;
}

int rows(HWND dialog, int listId)
{
    return static_cast<int>(::SendDlgItemMessage(dialog, listId, LVM_GETITEMCOUNT, 0, 0));
}

void selectRows(HWND dialog, int listId, std::initializer_list<int> which)
{
    LVITEMA none {};
    none.stateMask = LVIS_SELECTED;
    ::SendDlgItemMessage(
        dialog, listId, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    for (int row : which) {
        LVITEMA item {};
        item.state = item.stateMask = LVIS_SELECTED;
        ::SendDlgItemMessage(dialog, listId, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
            reinterpret_cast<LPARAM>(&item));
        notifyList(dialog, listId, NM_CLICK, row);
    }
}

class FtpListDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = wintest::makeTopLevel(500, 300);
        cfg = folder.path() + "/cfg";
        app.WriteProfileString("", "Configurations", cfg.c_str());
        app.WriteProfileString("", "FtpLog", (folder.path() + "/ftp.flg").c_str());
        list = new CDlgFtpList(CWnd::FromHandle(parent), &app);
        dialog = list->GetSafeHwnd();
        ASSERT_NE(dialog, nullptr);
    }
    void TearDown() override
    {
        delete list;
        ::DestroyWindow(parent);
        winport::testing::ClearScripts();
    }

    _DlgFtpItemTransfer item(int n, DWORD destinationType = DLGFTPITEM_FOLDER)
    {
        return transferItem("127.0.0.1", "C:\\data\\f" + std::to_string(n) + ".txt",
            DLGFTPITEM_FILE, "/in/" + std::to_string(n), destinationType);
    }

    void addPut(std::initializer_list<int> which)
    {
        for (int n : which) {
            _DlgFtpItemTransfer i = item(n);
            list->dlgftpitemAddPut(&i);
        }
    }

    ScopedTempDir folder;
    std::string cfg;
    FtpHostApp app;
    HWND parent = nullptr;
    CDlgFtpList* list = nullptr;
    HWND dialog = nullptr;
};

TEST_F(FtpListDialog, OpensHiddenWithEmptyListsAndItsColumns)
{
    EXPECT_FALSE(::IsWindowVisible(dialog)) << "shown only when the browser asks";
    EXPECT_EQ(itemText(dialog, 0), "");
    char caption[64] = {};
    ::GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ(caption, "Ftp Transfer List");
    EXPECT_FALSE(enabled(dialog, IDC_BUTTON_PUT));
    EXPECT_FALSE(enabled(dialog, IDC_BUTTON_GET));
    EXPECT_EQ(::IsDlgButtonChecked(dialog, IDC_CHECK_SUBDIRS), BST_CHECKED);
    EXPECT_EQ(list->GetIncludeSubdirectories(), 1);
    EXPECT_EQ(std::string(list->GetLogPath()), folder.path() + "/ftp.flg");
    for (int id : { IDC_LIST_PUT, IDC_LIST_GET }) {
        char heading[32] = {};
        LVCOLUMNA column {};
        column.mask = LVCF_TEXT;
        column.pszText = heading;
        column.cchTextMax = sizeof heading;
        ASSERT_TRUE(::SendDlgItemMessage(dialog, id, LVM_GETCOLUMNA, 1, (LPARAM)&column));
        EXPECT_STREQ(heading, "To");
        ::SendDlgItemMessage(dialog, id, LVM_GETCOLUMNA, 0, (LPARAM)&column);
        EXPECT_STREQ(heading, "From");
    }
    // The status pane starts at x 200 of the dialog's client area.
    RECT pane;
    ::GetWindowRect(::GetDlgItem(dialog, IDC_RICHEDIT_STATUS), &pane);
    POINT corner { pane.left, pane.top };
    ::ScreenToClient(dialog, &corner);
    EXPECT_EQ(corner.x, 200);
}

TEST_F(FtpListDialog, AddRefusesInvalidItemsDeleteFindsBySourcePath)
{
    _DlgFtpItemTransfer noSource = item(1);
    noSource.source.path[0] = 0;
    _DlgFtpItemTransfer driveDestination = item(2, DLGFTPITEM_DRIVE);
    _DlgFtpItemTransfer fileDestination = item(3, DLGFTPITEM_FILE);
    EXPECT_EQ(list->dlgftpitemAddPut(&noSource), 0);
    EXPECT_EQ(list->dlgftpitemAddPut(&driveDestination), 0);
    EXPECT_EQ(list->dlgftpitemAddPut(&fileDestination), 1);
    addPut({ 4, 5 });
    EXPECT_EQ(list->dlgftpitemAddGet(&fileDestination), 1);
    ASSERT_EQ(rows(dialog, IDC_LIST_PUT), 3);
    EXPECT_EQ(rowText(dialog, IDC_LIST_PUT, 1, 0), "C:\\data\\f4.txt");
    EXPECT_EQ(rowText(dialog, IDC_LIST_PUT, 1, 1), "/in/4");
    // The row keeps a copy, not the caller's record.
    fileDestination.source.path[0] = 'X';
    EXPECT_STREQ(list->GetItemPut(0)->source.path, "C:\\data\\f3.txt");

    EXPECT_FALSE(enabled(dialog, IDC_BUTTON_PUT)) << "counting enables";
    EXPECT_EQ(list->countPut(), 3);
    EXPECT_TRUE(enabled(dialog, IDC_BUTTON_PUT));
    EXPECT_FALSE(enabled(dialog, IDC_BUTTON_GET));

    _DlgFtpItem byPath = item(4).source;
    EXPECT_EQ(list->dlgftpitemDeletePut(&byPath), 2);
    EXPECT_EQ(list->dlgftpitemDeletePut(&byPath), 2) << "gone already";
    EXPECT_EQ(rowText(dialog, IDC_LIST_PUT, 1, 0), "C:\\data\\f5.txt");
    EXPECT_EQ(list->dlgftpitemDeletePut(0L), 1);
    EXPECT_EQ(list->dlgftpitemDeletePut(7L), 1);
    EXPECT_EQ(list->dlgftpitemDeleteGet(&byPath), 1) << "the Get list has no such item";

    // The icon follows the source: folder or file.
    _DlgFtpItemTransfer folderItem = item(6);
    folderItem.source.type = DLGFTPITEM_FOLDER;
    list->dlgftpitemAddPut(&folderItem);
    auto image = [&](int row) {
        LVITEMA info {};
        info.mask = LVIF_IMAGE;
        info.iItem = row;
        ::SendDlgItemMessage(dialog, IDC_LIST_PUT, LVM_GETITEMA, 0, (LPARAM)&info);
        return info.iImage;
    };
    EXPECT_NE(::SendDlgItemMessage(dialog, IDC_LIST_PUT, LVM_GETIMAGELIST, LVSIL_SMALL, 0), 0);
    EXPECT_GE(image(0), 0);
    EXPECT_GE(image(1), 0);
    EXPECT_NE(image(0), image(1));
}

TEST_F(FtpListDialog, SavedListsLoadBackByteForByte)
{
    addPut({ 1, 2, 3 });
    std::string saved = folder.path() + "/three.tlp";
    winport::testing::ScriptFileDialog(saved);
    press(dialog, IDC_BUTTON_SAVEPUT);
    ASSERT_EQ(fs::file_size(saved), 3948u);
    EXPECT_EQ((fs::status(saved).permissions() & fs::perms::all),
        fs::perms::owner_read | fs::perms::owner_write)
        << "list files hold passwords";
    EXPECT_EQ(winport::toNativePath(list->GetPutListFile()), saved);
    // The configuration folders were made on the way.
    EXPECT_TRUE(fs::is_directory(cfg + "/TransListPut"));

    press(dialog, IDCANCEL); // Clear Lists
    EXPECT_EQ(rows(dialog, IDC_LIST_PUT), 0);
    EXPECT_TRUE(::IsWindow(dialog));

    winport::testing::ScriptFileDialog(saved);
    press(dialog, IDC_BUTTON_LOADPUT);
    ASSERT_EQ(rows(dialog, IDC_LIST_PUT), 3);
    EXPECT_TRUE(enabled(dialog, IDC_BUTTON_PUT));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(rowText(dialog, IDC_LIST_PUT, row, 0),
            "C:\\data\\f" + std::to_string(row + 1) + ".txt");

    std::string again = folder.path() + "/again.tlp";
    winport::testing::ScriptFileDialog(again);
    press(dialog, IDC_BUTTON_SAVEPUT);
    EXPECT_EQ(fileBytes(again), fileBytes(saved));

    // A Put list file loads into the Get list the same way.
    winport::testing::ScriptFileDialog(saved);
    press(dialog, IDC_BUTTON_LOADGET);
    EXPECT_EQ(rows(dialog, IDC_LIST_GET), 3);
    EXPECT_TRUE(fs::is_directory(cfg + "/TransListGet"));
    EXPECT_EQ(winport::testing::UnusedScripts(), 0);
}

TEST_F(FtpListDialog, EmptyForeignAndTruncatedFilesLoseNothing)
{
    std::string existing = folder.path() + "/keep.tlg";
    std::ofstream(existing, std::ios::binary) << "untouched";
    // An empty list is not saved, even when the dialog was confirmed; Cancel does nothing.
    winport::testing::ScriptFileDialog(existing);
    press(dialog, IDC_BUTTON_SAVEGET);
    winport::testing::ScriptFileDialogCancel();
    press(dialog, IDC_BUTTON_SAVEGET);
    EXPECT_EQ(fileBytes(existing), "untouched");

    // A file that is not a list: refused with a message, the list kept.
    _DlgFtpItemTransfer kept = item(9, DLGFTPITEM_FILE);
    list->dlgftpitemAddGet(&kept);
    std::string foreign = folder.path() + "/foreign.tlg";
    std::ofstream(foreign, std::ios::binary) << std::string(3000, 'x');
    winport::testing::ScriptMessageBox(IDOK);
    winport::testing::ScriptFileDialog(foreign);
    press(dialog, IDC_BUTTON_LOADGET);
    ASSERT_EQ(winport::testing::MessageBoxCalls().size(), 1u);
    EXPECT_NE(winport::testing::MessageBoxCalls()[0].text.find("holds no transfer list item"),
        std::string::npos);
    ASSERT_EQ(rows(dialog, IDC_LIST_GET), 1);

    // A truncated file gives its whole records; invalid ones are dropped.
    _DlgFtpItemTransfer records[3] = { item(1), item(2, DLGFTPITEM_DRIVE), item(3) };
    std::string truncated = folder.path() + "/cut.tlg";
    {
        std::ofstream out(truncated, std::ios::binary);
        out.write(reinterpret_cast<const char*>(records), sizeof records);
        out.write(reinterpret_cast<const char*>(records), 700);
    }
    EXPECT_EQ(list->LoadGet(truncated.c_str()), 2);
    EXPECT_EQ(rowText(dialog, IDC_LIST_GET, 1, 0), "C:\\data\\f3.txt");
}

TEST_F(FtpListDialog, EditorAddsAndEditsOnTheFocusedListOnly)
{
    std::string file = folder.path() + "/edit.tlp";
    addPut({ 1, 2 });
    ASSERT_EQ(list->SavePut(file.c_str()), 2);
    winport::testing::ScriptFileDialog(file);
    press(dialog, IDC_BUTTON_LOADPUT); // also makes the Put list the focused one

    // Add: the editor opens empty with its caption; OK adds the row and saves the list file.
    std::string caption, shownType;
    winport::testing::ScriptModalDialog([&](HWND editor) {
        char text[64] = {};
        ::GetWindowTextA(editor, text, sizeof text);
        caption = text;
        shownType = itemText(editor, IDC_COMBO_SOURCETYPE);
        ::SetDlgItemTextA(editor, IDC_EDIT_FROM, "C:\\data\\new.txt");
        ::SendDlgItemMessage(editor, IDC_COMBO_SOURCETYPE, CB_SETCURSEL, 2, 0);
        ::SetDlgItemTextA(editor, IDC_EDIT_TO, "/in/new");
        ::SendDlgItemMessage(editor, IDC_COMBO_DESTTYPE, CB_SETCURSEL, 1, 0);
        ::SetDlgItemTextA(editor, IDC_EDIT_HOST, "example.org");
        press(editor, IDOK);
    });
    press(dialog, IDC_BUTTON_ADDPUT);
    EXPECT_EQ(caption, "Add Put Item");
    EXPECT_EQ(shownType, "");
    ASSERT_EQ(rows(dialog, IDC_LIST_PUT), 3);
    EXPECT_EQ(fs::file_size(file), 3u * 1316u);
    _DlgFtpItemTransfer* added = list->GetItemPut(2);
    EXPECT_STREQ(added->host, "example.org");
    EXPECT_EQ(added->source.type, DWORD(DLGFTPITEM_FILE));
    EXPECT_EQ(added->destination.type, DWORD(DLGFTPITEM_FOLDER));

    // Add Get does nothing while the Put list has the focus (no editor opens).
    press(dialog, IDC_BUTTON_ADDGET);
    EXPECT_EQ(rows(dialog, IDC_LIST_GET), 0);

    // Two rows selected: the one-item message, no editor.
    selectRows(dialog, IDC_LIST_PUT, { 0, 1 });
    EXPECT_EQ(list->GetItemPut(1)->selected, 1);
    winport::testing::ScriptMessageBox(IDOK);
    press(dialog, IDC_BUTTON_EDITPUT);
    ASSERT_EQ(winport::testing::MessageBoxCalls().size(), 1u);
    EXPECT_EQ(winport::testing::MessageBoxCalls()[0].text,
        "You must select only one Put item for editing");

    // One row: the editor shows the record; OK changes row, record and file.
    selectRows(dialog, IDC_LIST_PUT, { 1 });
    std::string shownFrom, shownDestType;
    winport::testing::ScriptModalDialog([&](HWND editor) {
        shownFrom = itemText(editor, IDC_EDIT_FROM);
        shownDestType = itemText(editor, IDC_COMBO_DESTTYPE);
        ::SetDlgItemTextA(editor, IDC_EDIT_TO, "/elsewhere");
        press(editor, IDOK);
    });
    notifyList(dialog, IDC_LIST_PUT, NM_DBLCLK, 1);
    EXPECT_EQ(shownFrom, "C:\\data\\f2.txt");
    EXPECT_EQ(shownDestType, "Folder");
    EXPECT_EQ(rowText(dialog, IDC_LIST_PUT, 1, 1), "/elsewhere");
    std::vector<_DlgFtpItemTransfer> onDisk;
    ASSERT_EQ(dlgftpitemReadList(file.c_str(), onDisk), 1);
    ASSERT_EQ(onDisk.size(), 3u);
    EXPECT_STREQ(onDisk[1].destination.path, "/elsewhere");

    // Delete takes every selected row.
    selectRows(dialog, IDC_LIST_PUT, { 0, 2 });
    press(dialog, IDC_BUTTON_DELETEPUT);
    ASSERT_EQ(rows(dialog, IDC_LIST_PUT), 1);
    EXPECT_EQ(rowText(dialog, IDC_LIST_PUT, 0, 0), "C:\\data\\f2.txt");
}

TEST(FtpListEditor, TypesAndCredentials)
{
    HWND parent = wintest::makeTopLevel(300, 200);
    _DlgFtpItemTransfer item = transferItem("h", "/a", DLGFTPITEM_DRIVE, "b", DLGFTPITEM_FILE);
    item.includeSubdirectories = 1;
    CDlgFtpListEdit editor(CWnd::FromHandle(parent), &item, nullptr, 0, "Edit");
    EXPECT_EQ(editor.GetEditTypeFromStr("Folder"), DWORD(DLGFTPITEM_FOLDER));
    EXPECT_EQ(editor.GetEditTypeFromStr("folder"), 0u);
    EXPECT_EQ(editor.GetEditType(3), "");

    std::string types[2];
    int checked = -1;
    winport::testing::ScriptModalDialog([&](HWND d) {
        types[0] = itemText(d, IDC_COMBO_SOURCETYPE);
        types[1] = itemText(d, IDC_COMBO_DESTTYPE);
        checked = static_cast<int>(::IsDlgButtonChecked(d, IDC_CHECK_ITEMSUBDIRS));
        winport::testing::ScriptModalDialog([](HWND credentials) {
            EXPECT_EQ(itemText(credentials, IDC_EDIT_USERID), "user");
            ::SetDlgItemTextA(credentials, IDC_EDIT_USERID, "anna");
            ::SetDlgItemTextA(credentials, IDC_EDIT_PASSWORD, "secret");
            press(credentials, IDOK);
        });
        press(d, IDC_BUTTON_IDPW);
        press(d, IDCANCEL);
    });
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
    EXPECT_EQ(types[0], "Drive");
    EXPECT_EQ(types[1], "File");
    EXPECT_EQ(checked, BST_CHECKED);
    EXPECT_STREQ(item.userId, "anna") << "credentials are copied in at once";
    EXPECT_STREQ(item.password, "secret");

    CDlgFtpListEdit none(CWnd::FromHandle(parent), nullptr, nullptr, 0, "None");
    winport::testing::ScriptModalDialog([](HWND) {});
    EXPECT_EQ(none.DoModal(), IDCANCEL) << "no item closes at once";
    ::DestroyWindow(parent);
}

TEST_F(FtpListDialog, RunsTransferEveryRowIntoTheLog)
{
    FtpTestServer server;
    ASSERT_TRUE(server.Start()) << server.Error();
    std::string host = "127.0.0.1:" + std::to_string(server.Port());
    std::string local = folder.path() + "/up";
    fs::create_directories(local + "/sub");
    std::ofstream(local + "/a.txt") << "alpha";
    std::ofstream(local + "/sub/b.txt") << "beta";

    _DlgFtpItemTransfer file
        = transferItem(host, local + "/a.txt", DLGFTPITEM_FILE, "/dest/a.txt", DLGFTPITEM_FILE);
    _DlgFtpItemTransfer tree
        = transferItem(host, local, DLGFTPITEM_FOLDER, "/tree", DLGFTPITEM_FOLDER);
    tree.includeSubdirectories = 1;
    list->dlgftpitemAddPut(&file);
    list->dlgftpitemAddPut(&tree);
    list->countPut();
    press(dialog, IDC_BUTTON_PUT);
    EXPECT_EQ(server.ReadFile("dest/a.txt"), "alpha");
    EXPECT_EQ(server.ReadFile("tree/sub/b.txt"), "beta");
    EXPECT_TRUE(enabled(dialog, IDC_BUTTON_PUT));
    EXPECT_FALSE(enabled(dialog, IDC_BUTTON_GET)) << "an empty list stays off";

    _DlgFtpItemTransfer back = transferItem(
        host, "/tree/sub/b.txt", DLGFTPITEM_FILE, local + "/back.txt", DLGFTPITEM_FILE);
    list->dlgftpitemAddGet(&back);
    list->countGet();
    press(dialog, IDC_BUTTON_GET);
    EXPECT_EQ(fileBytes(local + "/back.txt"), "beta");

    std::vector<_DlgFtpLogItem> log;
    ASSERT_EQ(dlgftplogRead((folder.path() + "/ftp.flg").c_str(), log), 1);
    ASSERT_EQ(log.size(), 4u) << "one record per file";
    EXPECT_STREQ(log[3].action, "Get");
    for (const _DlgFtpLogItem& record : log)
        EXPECT_STREQ(record.status, "Transfer OK") << record.item.source.path;
}

TEST_F(FtpListDialog, DoneHidesAndKeepsTheListsTheLogButtonOpensTheLog)
{
    addPut({ 1 });
    ::ShowWindow(dialog, SW_SHOW);
    press(dialog, IDOK);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_EQ(rows(dialog, IDC_LIST_PUT), 1);

    press(dialog, IDC_BUTTON_FTPLOG);
    ASSERT_NE(list->GetLogDialog(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(list->GetLogDialog()->GetSafeHwnd()));
    EXPECT_EQ(std::string(list->GetLogDialog()->GetLog()), folder.path() + "/ftp.flg");
    press(dialog, IDC_BUTTON_STATUSSIZE);
    RECT small, large;
    ::GetWindowRect(::GetDlgItem(dialog, IDC_RICHEDIT_STATUS), &large);
    press(dialog, IDC_BUTTON_STATUSSIZE);
    ::GetWindowRect(::GetDlgItem(dialog, IDC_RICHEDIT_STATUS), &small);
    EXPECT_EQ((large.bottom - large.top) - (small.bottom - small.top), 150);
}

}
