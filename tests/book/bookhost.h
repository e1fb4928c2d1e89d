// Fixture of the book's window tests: a visible top-level host window with a book in it, and the
// user's actions on them through real input.
#pragma once

#include "book/book.h"
#include <gtest/gtest.h>
#include <winport/testinput.h>
#include <winport/testing.h>

#include <memory>
#include <vector>

class BookHostTest : public testing::Test {
protected:
    void SetUp() override
    {
        winport::testing::ClearScripts();
        // The host is a framework window, so the tab control's notifications come back to the
        // book reflected, as in the suite's applications.
        ASSERT_TRUE(m_host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
            480, 320, nullptr, nullptr));
        long status = -1;
        m_book = std::make_unique<book>(&m_host, 1001u, &status);
        ASSERT_EQ(status, 0);
        winport::testing::PumpEvents(10);
    }

    void TearDown() override
    {
        m_book.reset();
        m_host.DestroyWindow();
        EXPECT_EQ(winport::testing::UnusedScripts(), 0);
        winport::testing::ClearScripts();
    }

    CWnd& host() { return m_host; }
    book& bk() { return *m_book; }

    // A left click in the middle of a tab, as the user makes it.
    void clickTab(int index)
    {
        CRect item;
        ASSERT_TRUE(bk().GetItemRect(index, &item));
        ASSERT_TRUE(winport::testing::Click(
            bk().GetSafeHwnd(), item.CenterPoint().x, item.CenterPoint().y));
        winport::testing::PumpEvents(10);
    }

    void rightClick(HWND window, CPoint point)
    {
        ASSERT_TRUE(winport::testing::Click(window, point.x, point.y, VK_RBUTTON));
        winport::testing::PumpEvents(10);
    }

    // Presses a dialog's button as the user does.
    void pressButton(HWND dialog, int id)
    {
        HWND button = ::GetDlgItem(dialog, id);
        ASSERT_NE(button, nullptr);
        CRect client;
        ::GetClientRect(button, &client);
        ASSERT_TRUE(
            winport::testing::Click(button, client.CenterPoint().x, client.CenterPoint().y));
        winport::testing::PumpEvents(10);
    }

    void answerMessageBoxes(std::initializer_list<int> answers)
    {
        for (int answer : answers)
            winport::testing::ScriptMessageBox(answer);
    }

    std::vector<winport::testing::MessageBoxCall> askedMessageBoxes()
    {
        return winport::testing::MessageBoxCalls();
    }

    // NULL: the user cancels the font dialog.
    void answerFontDialog(const LOGFONTA* font)
    {
        if (!font) {
            winport::testing::ScriptFontDialogCancel();
            return;
        }
        HDC screen = ::GetDC(nullptr);
        int tenths = -font->lfHeight * 720 / ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
        winport::testing::ScriptFontDialog(*font, tenths);
    }

private:
    CWnd m_host;
    std::unique_ptr<book> m_book;
};
