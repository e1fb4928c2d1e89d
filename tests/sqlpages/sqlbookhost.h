// Fixture of the SQL book's window tests: a host window holding a BookSQL connected to a small
// sample database, and the user's actions on its pages through command messages.
#pragma once

#include "app/tessilo.h"
#include "odbctest.h"
#include "resources/resource.h"
#include "sqlpages/booksql.h"
#include "sqlpages/bookpagesql.h"
#include "sqlpages/bookpagesqlrslt.h"
#include "sqlpages/bookpagesqlset.h"
#include "views/bookrichedit.h"

#include <gtest/gtest.h>
#include <winport/testing.h>

#include <memory>
#include <string>

class SqlBookTest : public testing::Test {
protected:
    // The profile section as the first suite of the process found it; every test starts from it,
    // so settings one test saved do not show in the next test of the same process.
    static std::string& startSection()
    {
        static std::string section;
        return section;
    }
    static void SetUpTestSuite()
    {
        testsupport::buildSampleDatabase(40);
        if (!startSection().empty())
            return;
        std::string buffer(32768, '\0');
        DWORD length = ::GetPrivateProfileSection(
            CTessiloApp::profileSection, &buffer[0], static_cast<DWORD>(buffer.size()), "win.ini");
        ASSERT_LT(length, buffer.size() - 2) << "profile section too long to keep";
        startSection().assign(buffer.data(), length + 1); // keys end with a double NUL
    }

    void SetUp() override
    {
        ASSERT_TRUE(::WritePrivateProfileSection(
            CTessiloApp::profileSection, startSection().c_str(), "win.ini"));
        winport::testing::ClearScripts();
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
            760, 560, nullptr, nullptr));
        open();
    }

    void TearDown() override
    {
        m_book.reset();
        m_host.DestroyWindow();
        EXPECT_EQ(winport::testing::UnusedScripts(), 0);
        winport::testing::ClearScripts();
    }

    // A new book on the host, as on the next start of the application.
    void open()
    {
        m_book.reset();
        long status = -1;
        m_book = std::make_unique<BookSQL>(&m_host, 1001u, &status);
        ASSERT_EQ(status, 0);
        m_book->MoveWindow(0, 0, 760, 560);
    }

    BookSQL& bk() { return *m_book; }
    BookPageSQL& query() { return *bk().bookSQLGetQueryPage(); }
    BookPageSQLRslt& result() { return *bk().bookSQLGetResultPage(); }
    HWND settings() { return bk().bookSQLGetSettingsPage()->PageSetGetDialog(); }

    // A button pressed in the book: the command goes to the current page.
    void command(int id)
    {
        HWND button = ::GetDlgItem(bk().GetSafeHwnd(), id);
        bk().SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    // Types SQL into the query page and presses Execute.
    void execute(const std::string& sql)
    {
        ASSERT_EQ(bk().bookToPage(static_cast<unsigned>(bk().bookSQLGetQueryPageNumber())), 0);
        query().PageQueryGetEdit().SetWindowText(sql.c_str());
        command(IDC_BOOKSQL_EXECUTE);
    }
    void setAllOutput(bool on)
    {
        query().PageQueryGetAllOutput().SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
    }
    std::string resultText()
    {
        CWnd* view = result().PageRsltGetView();
        if (!view)
            return {};
        CString text;
        view->GetWindowText(text);
        return text.GetString();
    }
    std::string tabText(int index)
    {
        char buffer[64] = {};
        TCITEMA item {};
        item.mask = TCIF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        bk().GetItem(index, &item);
        return buffer;
    }
    std::string dialogText(int id)
    {
        char buffer[16384] = {};
        ::GetDlgItemText(settings(), id, buffer, sizeof buffer);
        return buffer;
    }
    void clickSettings(int id)
    {
        ::SendMessage(settings(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
            reinterpret_cast<LPARAM>(::GetDlgItem(settings(), id)));
    }
    void setBox(int id, bool on)
    {
        ::SendDlgItemMessage(settings(), id, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
        clickSettings(id);
    }

    CWnd m_host;
    std::unique_ptr<BookSQL> m_book;
};
