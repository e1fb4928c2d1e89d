// The FTP session's status window: a window the caller names shows the latest status line and
// the result of each connect.
#include "wintest.h"

#include <gtest/gtest.h>

#include "inet/netvaneftp.h"

#include "testserver.h"

#include <string>
#include <vector>

namespace {

// Every text set on a window of the "StatusTexts" class, in order.
std::vector<std::string>& texts()
{
    static std::vector<std::string> log;
    return log;
}

LRESULT CALLBACK statusProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        texts().push_back(lParam ? reinterpret_cast<const char*>(lParam) : "");
    return DefWindowProc(hwnd, message, wParam, lParam);
}

const char* statusClass()
{
    static bool registered = [] {
        WNDCLASSA wc {};
        wc.lpfnWndProc = statusProc;
        wc.lpszClassName = "StatusTexts";
        return RegisterClass(&wc) != 0;
    }();
    (void)registered;
    return "StatusTexts";
}

std::string WindowText(HWND hwnd)
{
    char text[1024] = {};
    GetWindowText(hwnd, text, sizeof text);
    return text;
}

class StatusWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start()) << server.Error();
        host = wintest::makeTopLevel();
        status = wintest::makeChild(host, statusClass(), "", 0, 0, 0, 300, 20, 1);
        ASSERT_NE(status, nullptr);
        ftp.SetStatusWindow(status);
        texts().clear();
    }
    void TearDown() override { DestroyWindow(host); }

    int Connect(const char* password = "pass")
    {
        return ftp.URLConnect((server.Url() + "/").c_str(), nullptr, "user", password);
    }

    FtpTestServer server;
    CNetvaneFtp ftp;
    HWND host = nullptr;
    HWND status = nullptr;
};

TEST_F(StatusWindowTest, ConnectShowsItsResult)
{
    ASSERT_EQ(Connect(), 1) << ftp.m_Sess.m_szStatusText;
    EXPECT_EQ(WindowText(status), "Connected : 127.0.0.1");
    EXPECT_STREQ(ftp.m_Sess.m_szStatusText, "Connected : 127.0.0.1");
    // The connect's own statuses passed through the window before the log was cleared.
    ASSERT_GE(texts().size(), 3u);
    EXPECT_EQ(texts().front(), "INTERNET_STATUS_HANDLE_CREATED");
    EXPECT_EQ(texts()[texts().size() - 2], "") << "clearing the log blanks the window";

    EXPECT_EQ(Connect("wrong"), 0);
    std::string shown = WindowText(status);
    EXPECT_NE(shown.find("Login denied"), std::string::npos) << shown;
    EXPECT_NE(shown.find("530"), std::string::npos) << shown;
    EXPECT_EQ(shown, ftp.m_Sess.m_szStatusText);

    server.Kill();
    EXPECT_EQ(Connect(), 0);
    shown = WindowText(status);
    EXPECT_NE(shown.find("Couldn't connect"), std::string::npos) << shown;
}

TEST_F(StatusWindowTest, WindowShowsTheLatestLineOnly)
{
    ASSERT_EQ(Connect(), 1);
    texts().clear();
    server.PutFile("a.txt", "abc");
    ASSERT_TRUE(ftp.m_Sess.m_pFindFile->FindFile("/*.*"));
    CString log = ftp.URLGetStatus();
    ASSERT_FALSE(log.IsEmpty());
    // Each logged line was shown on its own, in order.
    std::string joined;
    for (const auto& text : texts()) {
        EXPECT_EQ(text.find('\n'), std::string::npos) << text;
        joined += text + "\n\r";
    }
    EXPECT_EQ(joined, log.GetString());
    EXPECT_EQ(WindowText(status), texts().back());

    ftp.m_Sess.OnStatusCallback(1, INTERNET_STATUS_STATE_CHANGE, nullptr, 0);
    EXPECT_EQ(WindowText(status), "") << "a code outside the table blanks the window";
    ftp.m_Sess.SetStatus("by hand");
    EXPECT_EQ(WindowText(status), "by hand");
    EXPECT_EQ(ftp.URLGetStatus(), "by hand\n\r");

    ftp.SetStatusWindow(nullptr);
    ftp.m_Sess.SetStatus("unseen");
    EXPECT_EQ(WindowText(status), "by hand") << "no window, no update";
    EXPECT_EQ(ftp.URLGetStatus(), "by hand\n\runseen\n\r");
}

}
