// The FTP log dialog and its record viewer: rows and columns, the Put/Get/All filter, viewing
// a clicked row, clear, save and load.
#include "ftptest.h"

#include "ftp/dlgftplog.h"
#include "ftp/dlgftplogview.h"
#include "wintest.h"

#include <commctrl.h>

#include <filesystem>

using namespace ftptest;
namespace fs = std::filesystem;

namespace {
void Press(HWND dialog, int id)
{
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
        reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string Text(HWND dialog, int id)
{
    char text[600] = {};
    GetDlgItemText(dialog, id, text, sizeof text);
    return text;
}

class FtpLogDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = wintest::makeTopLevel(400, 300);
        log = dir.path() + "/NetvaneFtpLog.flg";
        Append("Put", "C:\\up\\a.txt", DLGFTPITEM_FILE, "/a.txt", DLGFTPITEM_FILE, "Transfer OK");
        Append("Get", "/b.bin", DLGFTPITEM_FILE, "C:\\in\\b.bin", DLGFTPITEM_FILE,
            " : Transfer Anomaly\nwhy");
        Append(
            "Put", "C:\\up\\dir", DLGFTPITEM_FILE, "/dir", DLGFTPITEM_FOLDER, "Transfer Aborted");
    }
    void TearDown() override
    {
        DestroyWindow(host);
        winport::testing::ClearScripts();
    }
    void Append(const char* action, const char* from, DWORD fromType, const char* to, DWORD toType,
        const char* status)
    {
        _DlgFtpLogItem record;
        std::memset(&record, 0, sizeof record);
        std::strcpy(record.action, action);
        record.item = Item("127.0.0.1:2121", fromType, from, toType, to);
        record.item.source.size = 5;
        record.item.destination.size = 5;
        record.item.selected = 1;
        dlgftplogSetStatus(&record, status);
        ASSERT_EQ(dlgftplogAppend(log.c_str(), &record), 1);
    }
    int Rows(CDlgFtpLog& dialog)
    {
        return static_cast<int>(SendDlgItemMessage(dialog.m_hWnd, 3099, LVM_GETITEMCOUNT, 0, 0));
    }
    std::string Cell(CDlgFtpLog& dialog, int row, int column)
    {
        char text[300] = {};
        LVITEMA item {};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendDlgItemMessage(
            dialog.m_hWnd, 3099, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        return text;
    }
    void Click(CDlgFtpLog& dialog, int row, UINT code)
    {
        NMITEMACTIVATE click {};
        click.hdr.hwndFrom = GetDlgItem(dialog.m_hWnd, 3099);
        click.hdr.idFrom = 3099;
        click.hdr.code = code;
        click.iItem = row;
        SendMessage(dialog.m_hWnd, WM_NOTIFY, 3099, reinterpret_cast<LPARAM>(&click));
    }

    ScopedTempDir dir;
    HWND host = nullptr;
    std::string log;
};
}

TEST_F(FtpLogDialog, RowsColumnsAndTheDirectionFilter)
{
    CDlgFtpLog dialog(CWnd::FromHandle(host), log.c_str());
    ASSERT_NE(dialog.m_hWnd, nullptr);
    char caption[300] = {};
    GetWindowText(dialog.m_hWnd, caption, sizeof caption);
    EXPECT_EQ(caption, log);

    ASSERT_EQ(Rows(dialog), 3);
    EXPECT_EQ(IsDlgButtonChecked(dialog.m_hWnd, 3095), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Cell(dialog, 1, 0), "Get");
    EXPECT_EQ(Cell(dialog, 1, 2), "/b.bin");
    EXPECT_EQ(Cell(dialog, 1, 3), "C:\\in\\b.bin");
    EXPECT_EQ(Cell(dialog, 2, 4), "Transfer Aborted");
    // Folder, file and drive icons, in that order; every source here is a file.
    auto images = reinterpret_cast<HIMAGELIST>(
        SendDlgItemMessage(dialog.m_hWnd, 3099, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 3);
    for (int row = 0; row < 3; ++row) {
        LVITEMA item {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendDlgItemMessage(dialog.m_hWnd, 3099, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.iImage, 1) << row;
    }

    Press(dialog.m_hWnd, 3097);
    EXPECT_EQ(dialog.GetFilter(), DLGFTPLOG_PUT);
    ASSERT_EQ(Rows(dialog), 2);
    EXPECT_EQ(Cell(dialog, 1, 2), "C:\\up\\dir");
    Press(dialog.m_hWnd, 3096);
    ASSERT_EQ(Rows(dialog), 1);
    EXPECT_EQ(Cell(dialog, 0, 0), "Get");
    Press(dialog.m_hWnd, 3095);
    EXPECT_EQ(Rows(dialog), 3);

    EXPECT_EQ(dialog.LoadLog(dir.path().c_str()), -1) << "a folder is no log";
    EXPECT_EQ(Rows(dialog), 3);
}

TEST_F(FtpLogDialog, ViewerShowsTheClickedRecord)
{
    CDlgFtpLog dialog(CWnd::FromHandle(host), log.c_str());
    Press(dialog.m_hWnd, 3098);
    EXPECT_EQ(dialog.GetViewer(), nullptr) << "View needs a clicked row";
    Press(dialog.m_hWnd, 3097); // Put only: the second row is the third record
    Click(dialog, 1, NM_CLICK);
    Press(dialog.m_hWnd, 3098);
    ASSERT_NE(dialog.GetViewer(), nullptr);
    HWND viewer = dialog.GetViewer()->m_hWnd;
    EXPECT_EQ(Text(viewer, 3102), "Put");
    EXPECT_EQ(Text(viewer, 3103), Cell(dialog, 1, 1));
    EXPECT_EQ(Text(viewer, 3104), "Transfer Aborted");
    EXPECT_EQ(Text(viewer, 3107), "pass");
    EXPECT_EQ(Text(viewer, 3108), "File - > Folder");
    EXPECT_EQ(Text(viewer, 3109), "5 -> 5");
    EXPECT_EQ(Text(viewer, 3110), "C:\\up\\dir -> /dir");
    EXPECT_EQ(Text(viewer, 3111), "False");
    EXPECT_EQ(Text(viewer, 3112), "True");

    Press(dialog.m_hWnd, 3095);
    Click(dialog, 1, NM_DBLCLK);
    EXPECT_EQ(Text(viewer, 3102), "Get") << "the same viewer shows the double-clicked row";
    EXPECT_EQ(Text(viewer, 3108), "File -> File");
    EXPECT_EQ(dialog.GetViewer()->LoadLog(log.c_str(), 3 * 1620), 0) << "past the end";
}

TEST_F(FtpLogDialog, SaveCopiesClearEmptiesLoadSwitches)
{
    CDlgFtpLog dialog(CWnd::FromHandle(host), log.c_str());
    std::string copy = dir.path() + "/copy";
    winport::testing::ScriptFileDialog(copy);
    Press(dialog.m_hWnd, 3101);
    ASSERT_TRUE(fs::exists(copy + ".flg"));
    EXPECT_EQ(Slurp(copy + ".flg"), Slurp(log));

    Press(dialog.m_hWnd, 3094);
    EXPECT_EQ(fs::file_size(log), 0u);
    EXPECT_EQ(Rows(dialog), 3) << "the list is not reloaded";
    Press(dialog.m_hWnd, 3083);
    EXPECT_EQ(Rows(dialog), 0);

    winport::testing::ScriptFileDialog(copy + ".flg");
    Press(dialog.m_hWnd, 3100);
    EXPECT_EQ(dialog.GetLog().Right(8), "copy.flg");
    EXPECT_EQ(Rows(dialog), 3);
    EXPECT_EQ(winport::testing::UnusedScripts(), 0);
}
