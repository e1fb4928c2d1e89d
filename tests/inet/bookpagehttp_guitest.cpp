// The HTTP page: its child dialog with the "Ftp" button that runs the FTP browser modally, the
// text area made on the first change to the page and laid out under the dialog with the font the
// font request gives it, its registration as the SQL book's report output, and the commands it
// accepts without effect.
#include "odbctest.h"
#include "wintest.h"

#include <gtest/gtest.h>
#include <tessilo40.h>

#include "resources/resource.h"
#include "sqlpages/booksql.h"

#include <cstring>
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
        open();
    }
    void TearDown() override
    {
        page.reset();
        pages.reset();
        host.DestroyWindow();
        TessiloApp.writeProfileString("FontRequestUse", "0");
        TessiloApp.writeProfileString("FontRequest", "0");
        winport::testing::ClearScripts();
    }
    // A new page: its text area is made as the page opens.
    void open()
    {
        page.reset();
        long status = -1;
        char name[] = "Http";
        page = std::make_unique<BookPageHttp>(pages.get(), name, 0u, &status);
        ASSERT_EQ(status, 0);
        winport::testing::PumpEvents(10);
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

// The font request of the profile decides the text area's font: none when it is off, the stored
// font at the stored size when asking is off, the font dialog's choice otherwise.
TEST_F(HttpPage, FontRequestGivesTheTextAreaItsFont)
{
    LOGFONTA stored {};
    std::strcpy(stored.lfFaceName, "Liberation Serif");
    LOGFONTA chosen {};
    std::strcpy(chosen.lfFaceName, "DejaVu Sans");
    struct Case {
        const char* use;
        const char* ask;
        bool storedFont; // otherwise a record of the wrong size: nothing is read
        int dialog; // 0 none expected, 1 chosen at 14 points, -1 cancelled
        const char* face; // nullptr: the text area keeps its own font
        int points;
    } cases[] = {
        { "0", "0", true, 0, nullptr, 0 },
        { "1", "0", true, 0, "Liberation Serif", 12 },
        { "1", "1", true, 1, "DejaVu Sans", 14 },
        { "1", "0", false, 1, "DejaVu Sans", 14 },
        { "1", "1", true, -1, nullptr, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.use) + c.ask + (c.storedFont ? " stored" : " not stored"));
        if (c.storedFont)
            ASSERT_TRUE(TessiloApp.writePrivateProfileStruct(
                "FontRequestLetterHeadFontLog", &stored, sizeof stored));
        else
            ASSERT_TRUE(
                TessiloApp.writePrivateProfileStruct("FontRequestLetterHeadFontLog", &stored, 4));
        TessiloApp.writeProfileString("FontRequestLetterHeadFontLogPitch", "12");
        TessiloApp.writeProfileString("FontRequestUse", c.use);
        TessiloApp.writeProfileString("FontRequest", c.ask);
        if (c.dialog > 0)
            winport::testing::ScriptFontDialog(chosen, 140);
        else if (c.dialog < 0)
            winport::testing::ScriptFontDialogCancel();
        open();
        EXPECT_EQ(winport::testing::UnusedScripts(), 0) << "the dialog was asked for";
        bookRichEdit* text = page->GetTextArea();
        ASSERT_NE(text, nullptr);
        CFont* font = text->GetFont();
        LOGFONTA shown {};
        if (font)
            font->GetLogFont(&shown);
        if (!c.face) {
            EXPECT_STRNE(shown.lfFaceName, "Liberation Serif");
            EXPECT_STRNE(shown.lfFaceName, "DejaVu Sans");
            continue;
        }
        ASSERT_NE(font, nullptr);
        EXPECT_STREQ(shown.lfFaceName, c.face);
        CFont expected;
        ASSERT_TRUE(expected.CreatePointFont(c.points * 10, c.face));
        LOGFONTA sized {};
        expected.GetLogFont(&sized);
        EXPECT_EQ(shown.lfHeight, sized.lfHeight) << c.points << " points";
    }
}

// In an SQL book the text area is the statement's report output while it exists; a page that
// goes leaves no output behind that points at its deleted text area.
class HttpPageInSqlBook : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testsupport::buildSampleDatabase(5); }
    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 700,
            500, nullptr, nullptr));
        long status = -1;
        sqlBook = std::make_unique<BookSQL>(&host, 1001u, &status);
        ASSERT_EQ(status, 0);
        sqlBook->MoveWindow(0, 0, 700, 500);
    }
    void TearDown() override
    {
        sqlBook.reset();
        host.DestroyWindow();
        winport::testing::ClearScripts();
    }

    CWnd host;
    std::unique_ptr<BookSQL> sqlBook;
};

TEST_F(HttpPageInSqlBook, TextAreaIsTheReportOutputUntilThePageGoes)
{
    bookMfcSQLBookSQL* statement = sqlBook->bookSQLGetStatement();
    ASSERT_NE(statement, nullptr);
    long status = -1;
    char name[] = "Http";
    auto page = std::make_unique<BookPageHttp>(sqlBook.get(), name, 0u, &status);
    ASSERT_EQ(status, 0);
    ASSERT_NE(page->GetTextArea(), nullptr);
    EXPECT_EQ(statement->m_ODBCItem.richEdit, page->GetTextArea());

    page->bookpageDestroy();
    EXPECT_EQ(statement->m_ODBCItem.richEdit, nullptr);

    // Another view took the output meanwhile: the page leaves it alone.
    page = std::make_unique<BookPageHttp>(sqlBook.get(), name, 0u, &status);
    ASSERT_EQ(status, 0);
    bookRichEdit other;
    statement->MfcSQLSetOutput(&other);
    page.reset();
    EXPECT_EQ(statement->m_ODBCItem.richEdit, &other);
    statement->MfcSQLSetOutput(static_cast<bookRichEdit*>(nullptr));
}

}
