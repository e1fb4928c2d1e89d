// The HTTP page: its child dialog with the "Ftp" button that runs the FTP browser modally, the
// text area made on the first change to the page and laid out under the dialog, and the commands
// it accepts without effect.
#include "wintest.h"

#include <gtest/gtest.h>
#include <tessilo40.h>

#include "resources/resource.h"

#include <memory>

namespace {

class HttpPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 600,
            400, nullptr, nullptr));
        long status = -1;
        pages = std::make_unique<book>(&host, 1001u, &status);
        ASSERT_EQ(status, 0);
        CRect client;
        host.GetClientRect(&client);
        pages->MoveWindow(&client);
        char name[] = "Http";
        page = std::make_unique<BookPageHttp>(pages.get(), name, 0u, &status);
        ASSERT_EQ(status, 0);
        winport::testing::PumpEvents(10);
    }
    void TearDown() override
    {
        page.reset();
        pages.reset();
        host.DestroyWindow();
        winport::testing::ClearScripts();
    }

    CWnd host;
    std::unique_ptr<book> pages;
    std::unique_ptr<BookPageHttp> page;
};

TEST_F(HttpPage, TheDialogAndTheTextAreaTakeThePage)
{
    HWND dialog = page->GetDialogWindow();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::GetParent(dialog), pages->GetSafeHwnd());
    EXPECT_NE(::GetDlgItem(dialog, IDC_BUTTON_FTP), nullptr);
    EXPECT_EQ(BookPageHttp::CurrentPage(), page.get());
    EXPECT_EQ(BookPageHttp::CurrentBook(), pages.get());
    // The dialog's initialisation changed to the page: the text area exists, below the dialog.
    bookRichEdit* text = page->GetTextArea();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->GetDlgCtrlID(), 2035);
    EXPECT_EQ(::GetParent(text->GetSafeHwnd()), pages->GetSafeHwnd());

    CRect client;
    host.GetClientRect(&client);
    int width = client.Width() - 60, height = client.Height() - 10;
    CRect placed;
    ::GetWindowRect(dialog, &placed);
    pages->ScreenToClient(&placed);
    EXPECT_EQ(placed, CRect(2, 25, 2 + width, 25 + height));
    text->GetWindowRect(&placed);
    pages->ScreenToClient(&placed);
    EXPECT_EQ(placed, CRect(4, 25 + height / 2, 4 + width - 18, 25 + height / 2 + height / 2 - 40));

    EXPECT_EQ(page->bookpageChanging(), 0);
    EXPECT_FALSE(::IsWindowVisible(dialog));
    EXPECT_FALSE(text->IsWindowVisible());
}

TEST_F(HttpPage, FtpOpensAFreshBrowserEachTime)
{
    int opened = 0;
    for (int run = 0; run < 2; ++run) {
        winport::testing::ScriptModalDialog([&](HWND browser) {
            char caption[128] = {};
            ::GetWindowTextA(browser, caption, sizeof caption);
            EXPECT_EQ(std::string(caption).rfind("Rivanta Ftp", 0), 0u) << caption;
            ++opened;
            ::SendMessage(browser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        ::SendMessage(page->GetDialogWindow(), WM_COMMAND, MAKEWPARAM(IDC_BUTTON_FTP, BN_CLICKED),
            reinterpret_cast<LPARAM>(::GetDlgItem(page->GetDialogWindow(), IDC_BUTTON_FTP)));
    }
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(winport::testing::UnusedScripts(), 0);
}

TEST_F(HttpPage, ClipboardPrintAndFileCommandsDoNothing)
{
    EXPECT_EQ(page->bookpageEditCopy(), 0);
    EXPECT_EQ(page->bookpageEditCut(), 0);
    EXPECT_EQ(page->bookpageEditPaste(), 0);
    EXPECT_EQ(page->bookpagePrint(), 0);
    EXPECT_EQ(page->bookpagePrintPreview(), 0);
    EXPECT_EQ(page->bookpageFileOpen(), E_FAIL);
    EXPECT_EQ(page->bookpageFileSave(), E_FAIL);
    EXPECT_EQ(page->bookpageSetFont(static_cast<CFontDialog*>(nullptr)), E_FAIL);
    EXPECT_EQ(page->bookpageCmdMsg(IDC_BUTTON_FTP, 0, nullptr, nullptr), FALSE);
    EXPECT_EQ(winport::testing::UnusedScripts(), 0) << "no dialog was asked for";
}

}
