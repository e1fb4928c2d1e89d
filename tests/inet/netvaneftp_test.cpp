// The FTP session of the library against a local FTP server.
#include <gtest/gtest.h>

#include "inet/netvaneftp.h"

#include "testserver.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

const char* const kStatusLines[] = { "INTERNET_STATUS_RESOLVING_NAME",
    "INTERNET_STATUS_NAME_RESOLVED", "INTERNET_STATUS_CONNECTING_TO_SERVER",
    "INTERNET_STATUS_CONNECTED_TO_SERVER", "INTERNET_STATUS_SENDING_REQUEST",
    "INTERNET_STATUS_REQUEST_SENT", "INTERNET_STATUS_RECEIVING_RESPONSE",
    "INTERNET_STATUS_RESPONSE_RECEIVED", "INTERNET_STATUS_CLOSING_CONNECTION",
    "INTERNET_STATUS_CONNECTION_CLOSED", "INTERNET_STATUS_HANDLE_CREATED",
    "INTERNET_STATUS_HANDLE_CLOSING", "INTERNET_STATUS_REQUEST_COMPLETE" };

// The log split at its "\n\r" separators; fails the test on a malformed log.
std::vector<std::string> LogLines(const CString& log)
{
    std::vector<std::string> lines;
    std::string text = log.GetString();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\n\r", start);
        EXPECT_NE(end, std::string::npos) << "every line ends in \\n\\r: " << text;
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

class NetvaneFtpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Start()) << server.Error(); }

    int Connect(const char* password = "pass", const char* user = "user")
    {
        return ftp.URLConnect((server.Url() + "/").c_str(), &port, user, password);
    }

    FtpTestServer server;
    CNetvaneFtp ftp;
    unsigned short port = 0;
};

TEST_F(NetvaneFtpTest, ConnectOpensRootWithAnEmptyLog)
{
    EXPECT_EQ(ftp.m_Sess.m_pFtpConnection, nullptr);
    ASSERT_EQ(Connect(), 1) << ftp.m_Sess.m_szStatusText;
    EXPECT_EQ(port, server.Port());
    ASSERT_NE(ftp.m_Sess.m_pFtpConnection, nullptr);
    ASSERT_NE(ftp.m_Sess.m_pFindFile, nullptr);
    EXPECT_EQ(ftp.m_Sess.GetDir(), "/");
    EXPECT_EQ(ftp.URLGetStatus(), "") << "statuses of the connect itself are cleared";
    EXPECT_EQ(ftp.m_Sess.GetStatusCount(), 0);

    server.PutFile("sub/file.txt", "x");
    EXPECT_EQ(ftp.m_Sess.SetDir("/sub"), 1);
    EXPECT_EQ(ftp.m_Sess.GetDir(), "/sub");
    EXPECT_EQ(ftp.m_Sess.SetDir("/none"), 0);
    EXPECT_EQ(ftp.m_Sess.GetDir(), "/sub");
}

// A user logged into a folder other than "/": the move to "/" is part of the connect, and its
// statuses are cleared with the others.
TEST_F(NetvaneFtpTest, ConnectFromAHomeFolderStillEndsWithAnEmptyLog)
{
    ASSERT_EQ(Connect("home", "home"), 1) << ftp.m_Sess.m_szStatusText;
    EXPECT_EQ(ftp.m_Sess.GetDir(), "/");
    EXPECT_EQ(ftp.URLGetStatus(), "");
    EXPECT_EQ(ftp.m_Sess.GetStatusCount(), 0);
}

TEST_F(NetvaneFtpTest, StatusLogRecordsTheTableLines)
{
    ASSERT_EQ(Connect(), 1);
    server.PutFile("a.txt", "abc");
    ASSERT_TRUE(ftp.m_Sess.m_pFindFile->FindFile("/*.*"));
    CString log = ftp.URLGetStatus();
    std::vector<std::string> lines = LogLines(log);
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) {
        EXPECT_NE(std::find(std::begin(kStatusLines), std::end(kStatusLines), line),
            std::end(kStatusLines))
            << line;
    }
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "INTERNET_STATUS_SENDING_REQUEST"), lines.end());
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "INTERNET_STATUS_RESPONSE_RECEIVED"), lines.end());
    EXPECT_EQ(ftp.m_Sess.GetStatusCount(), static_cast<long>(lines.size()));

    // A code outside the table clears the log and the count.
    ftp.m_Sess.OnStatusCallback(1, INTERNET_STATUS_STATE_CHANGE, nullptr, 0);
    EXPECT_EQ(ftp.URLGetStatus(), "");
    EXPECT_EQ(ftp.m_Sess.GetStatusCount(), 0);
    ftp.m_Sess.OnStatusCallback(1, INTERNET_STATUS_HANDLE_CREATED, nullptr, 0);
    ftp.m_Sess.OnStatusCallback(1, INTERNET_STATUS_REQUEST_COMPLETE, nullptr, 0);
    EXPECT_EQ(ftp.URLGetStatus(),
        "INTERNET_STATUS_HANDLE_CREATED\n\rINTERNET_STATUS_REQUEST_COMPLETE\n\r");
    EXPECT_EQ(ftp.m_Sess.GetStatusCount(), 2);

    // After URLClose nothing more is reported.
    EXPECT_EQ(ftp.URLClose(), 1);
    ftp.m_Sess.m_pFindFile->FindFile("/*.*");
    EXPECT_EQ(ftp.m_Sess.GetStatusCount(), 2);
}

TEST_F(NetvaneFtpTest, ConnectingTwiceReleasesTheFirstConnection)
{
    ASSERT_EQ(Connect(), 1);
    EXPECT_EQ(server.ClientConnections(), 1);
    ASSERT_EQ(Connect(), 1);
    EXPECT_EQ(server.ClientConnections(), 1) << "the first control connection is closed";
    EXPECT_EQ(Connect("wrong"), 0);
    EXPECT_EQ(ftp.m_Sess.m_pFtpConnection, nullptr);
    EXPECT_EQ(ftp.m_Sess.m_pFindFile, nullptr);
    EXPECT_EQ(server.ClientConnections(), 0);
}

TEST_F(NetvaneFtpTest, UrlInterfaceOfFtp)
{
    std::vector<char> status(1025);
    unsigned long length = 1025;
    EXPECT_EQ(ftp.URLReceive(nullptr, nullptr, status.data(), &length, 0), -1) << "no connection";
    ASSERT_EQ(Connect(), 1);
    EXPECT_EQ(ftp.URLReceive(nullptr, nullptr, status.data(), &length, 0), 0);
    unsigned long shorter = 1024;
    EXPECT_EQ(ftp.URLReceive(nullptr, nullptr, status.data(), &shorter, 0), -1);
    EXPECT_EQ(ftp.URLReceive(nullptr, nullptr, nullptr, &length, 0), -1);
    EXPECT_EQ(ftp.URLReceive(nullptr, nullptr, status.data(), nullptr, 0), -1);
    EXPECT_EQ(ftp.URLRequest(1, "q"), 0);
    EXPECT_EQ(ftp.URLHeaders("X: 1"), 0);
    EXPECT_EQ(ftp.URLSend(nullptr, 0), 0);
}

TEST_F(NetvaneFtpTest, FinderKeepsTheFirstFindRecord)
{
    server.PutFile("dir/first.bin", std::string(1234, 'a'));
    server.PutFile("dir/second.bin", "b");
    // A sparse file larger than 4 GiB: only the low 32 bits of its size are kept.
    std::filesystem::resize_file(server.PutFile("huge/huge.bin", ""), (1ULL << 32) + 5);
    ASSERT_EQ(Connect(), 1);
    CNetvaneFindFile* finder = ftp.m_Sess.m_pFindFile;
    WIN32_FIND_DATA record;
    std::memset(&record, 0x55, sizeof record);
    EXPECT_EQ(finder->GetFileSize(), 0u);
    ASSERT_TRUE(finder->FindFile("/dir/first.bin"));
    EXPECT_EQ(finder->GetFileDescriptor(&record), 0);
    EXPECT_STREQ(record.cFileName, "first.bin");
    EXPECT_EQ(record.nFileSizeLow, 1234u);
    EXPECT_EQ(record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(finder->GetFileSize(), 1234u);
    EXPECT_EQ(finder->GetFileDescriptor(nullptr), 0);

    ASSERT_TRUE(finder->FindFile("/huge/*.*"));
    EXPECT_EQ(finder->GetFileSize(), 5u);
    ASSERT_TRUE(finder->FindFile("/huge"));
    finder->GetFileDescriptor(&record);
    EXPECT_STREQ(record.cFileName, "huge");
    EXPECT_NE(record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// Statuses may arrive from other threads: every line lands whole in the log. The count's
// increment is two separately locked steps, so it may fall short under contention.
TEST(NetvaneFtpSess, StatusLogIsSafeAcrossThreads)
{
    CNetvaneFtpSess session;
    constexpr int kPerThread = 2000;
    auto report = [&] {
        for (int i = 0; i < kPerThread; ++i)
            session.OnStatusCallback(1, INTERNET_STATUS_SENDING_REQUEST, nullptr, 0);
    };
    std::thread first(report);
    std::thread second(report);
    for (int i = 0; i < 200; ++i)
        EXPECT_EQ(session.GetStatus().GetLength() % 33, 0) << "whole lines only";
    first.join();
    second.join();
    std::vector<std::string> lines = LogLines(session.GetStatus());
    EXPECT_EQ(lines.size(), size_t(2 * kPerThread));
    EXPECT_LE(session.GetStatusCount(), 2 * kPerThread);
    EXPECT_GT(session.GetStatusCount(), 0);
}

TEST(NetvaneText, EncodeAndDecode)
{
    CNetvaneFtpSess session;
    const struct {
        const char* plain;
        const char* encoded;
    } cases[] = {
        { "a b/c", "a+b%2fc" },
        { "AZaz09", "AZaz09" },
        { "\n", "%0a" },
        { "\xe9t\xe9", "%e9t%e9" },
        { "100%", "100%25" },
        { "", "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(session.EnCodeStr(c.plain), c.encoded) << c.plain;
        EXPECT_EQ(session.DeCodeStr(c.encoded), c.plain) << c.encoded;
    }
    EXPECT_EQ(session.DeCodeStr("%41"), "A");
    EXPECT_EQ(session.DeCodeStr("a+b"), "a b");
    EXPECT_EQ(session.DeCodeStr("x%4"), "x\x04") << "a short escape reads what there is";
    EXPECT_EQ(session.DeCodeStr("x%"), "x");
}

}
