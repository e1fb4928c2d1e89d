// The application object's printers and text files: the profile's default printer, printer device
// contexts, and loading and saving edit and rich-edit controls through scripted file dialogs.
#include "scopedcwd.h"
#include "wintest.h"

#include "app/tessilo.h"

#include <afxcmn.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using winport::testing::ScriptFileDialog;
using winport::testing::ScriptFileDialogCancel;

namespace {

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(AppPrinters, TheProfileNamesTheDefaultPrinter)
{
    EXPECT_EQ(TessiloApp.GetPrinterDC(nullptr), nullptr);
    TessiloApp.WriteProfileString("windows", "device", nullptr);
    char* name = TessiloApp.GetDefaultPrinterName();
    ASSERT_NE(name, nullptr);
    EXPECT_STREQ(name, "none");
    CoTaskMemFree(name);
    EXPECT_EQ(TessiloApp.GetDefaultPrinterDC(), nullptr);

    TessiloApp.WriteProfileString("windows", "device", "PDF");
    HDC dc = TessiloApp.GetDefaultPrinterDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 1200);
    DeleteDC(dc);
    char pdf[] = "PDF";
    DEVMODEA* mode = TessiloApp.GetDefaultPrinterDevMode(pdf);
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->dmOrientation, DMORIENT_PORTRAIT);
    CoTaskMemFree(mode);
    TessiloApp.WriteProfileString("windows", "device", "");
    EXPECT_EQ(TessiloApp.GetDefaultPrinterName(), nullptr);
    TessiloApp.WriteProfileString("windows", "device", nullptr);

    winport::testing::ScriptPrintDialogCancel();
    EXPECT_EQ(TessiloApp.SelectPrinter(nullptr), nullptr);
    winport::testing::ScriptPrintDialog("PDF");
    dc = TessiloApp.SelectPrinter(nullptr);
    EXPECT_NE(dc, nullptr);
    DeleteDC(dc);
}

class AppFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400,
            300, nullptr, nullptr));
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL,
            CRect(0, 0, 200, 100), &host, 1));
        ASSERT_TRUE(
            rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 100, 200, 200), &host, 2));
    }
    void TearDown() override { host.DestroyWindow(); }
    std::string file(const char* name) const { return dir.path() + "/" + name; }

    ScopedCwd cwd;
    ScopedTempDir dir;
    CWnd host;
    CEdit edit;
    CRichEditCtrl rich;
    char path[MAX_PATH] = "";
};

TEST_F(AppFiles, LoadAndSaveThroughTheDialogs)
{
    std::ofstream(file("in.txt"), std::ios::binary) << "first\r\nsecond";
    std::ofstream(file("markup.rtf"), std::ios::binary) << "{\\rtf1 {\\b bold}}";
    std::filesystem::current_path(dir.path());
    std::string before = std::filesystem::current_path();

    ScriptFileDialog(file("in.txt"));
    EXPECT_EQ(TessiloApp.FileGet(path, &edit), 0);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "first\r\nsecond");

    // Cancelling changes nothing and keeps the current directory.
    ScriptFileDialogCancel();
    EXPECT_EQ(TessiloApp.FileGet(path, &edit), 0);
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "first\r\nsecond");
    EXPECT_EQ(std::string(std::filesystem::current_path()), before);

    // Rich text markup loads as text, the caret at the start.
    ScriptFileDialog(file("markup.rtf"));
    EXPECT_EQ(TessiloApp.FileGet(path, &rich), 0);
    rich.GetWindowText(text);
    EXPECT_STREQ(text, "{\\rtf1 {\\b bold}}");
    long start = -1;
    long end = -1;
    rich.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);

    ScriptFileDialog(file("out.txt"));
    EXPECT_EQ(TessiloApp.FilePut(path, &edit), 0);
    EXPECT_EQ(slurp(file("out.txt")), "first\r\nsecond");
    ScriptFileDialog(file("out.rtf"));
    EXPECT_EQ(TessiloApp.FilePut(path, &rich), 0);
    EXPECT_EQ(slurp(file("out.rtf")).rfind("{\\rtf1", 0), 0u);

    edit.SetWindowText("");
    ScriptFileDialog(file("empty.txt"));
    EXPECT_EQ(TessiloApp.FilePut(path, &edit), 0);
    EXPECT_TRUE(std::filesystem::exists(file("empty.txt")));
    EXPECT_EQ(std::filesystem::file_size(file("empty.txt")), 0u);

    ScriptFileDialog(file("in.txt"));
    EXPECT_EQ(TessiloApp.FileGet(path, static_cast<CEdit*>(nullptr)), E_UNEXPECTED);
}

// A file that cannot be read: E_UNEXPECTED, and the control keeps its text.
TEST_F(AppFiles, AnUnreadableFileLeavesTheControlsAlone)
{
    std::filesystem::create_directory(file("folder.txt"));
    std::ofstream(file("locked.txt"), std::ios::binary) << "secret";
    std::filesystem::permissions(file("locked.txt"), std::filesystem::perms::none);
    bool lockedIsReadable = static_cast<bool>(std::ifstream(file("locked.txt")));
    edit.SetWindowText("kept");
    rich.SetWindowText("kept too");
    std::vector<std::string> unreadable { file("folder.txt") };
    if (!lockedIsReadable) // root reads any file
        unreadable.push_back(file("locked.txt"));
    for (const std::string& name : unreadable) {
        ScriptFileDialog(name);
        EXPECT_EQ(TessiloApp.FileGet(path, &edit), E_UNEXPECTED) << name;
        ScriptFileDialog(name);
        EXPECT_EQ(TessiloApp.FileGet(path, &rich), E_UNEXPECTED) << name;
    }
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ(text, "kept");
    rich.GetWindowText(text);
    EXPECT_STREQ(text, "kept too");
}
}
