// The HTTP session of the library against a local web server.
#include <gtest/gtest.h>

#include "inet/netvanehttp.h"

#include "testserver.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

class NetvaneHttpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Start()) << server.Error(); }

    // Connects to path, requests it with the query and sends with one header.
    int Fetch(const char* path, const char* query = "", void* body = nullptr, int verb = 1)
    {
        if (!http.URLConnect(server.Url(path).c_str(), nullptr) || !http.URLRequest(verb, query)
            || !http.URLHeaders("X-Test: 1"))
            return -1;
        return http.URLSend(body, 0);
    }

    std::string Receive(unsigned long size, int strip = 0, long* stored = nullptr)
    {
        std::vector<char> text(size + 16, 'Z');
        unsigned long length = size;
        long n = http.URLReceive(nullptr, nullptr, text.data(), &length, strip);
        if (stored)
            *stored = n;
        EXPECT_GE(n, 0);
        EXPECT_EQ(text[n < 0 ? 0 : n], n < 0 ? 'Z' : '\0') << "zero-terminated";
        EXPECT_EQ(text[size], 'Z') << "nothing written past the buffer";
        return n < 0 ? std::string() : std::string(text.data(), n);
    }

    HttpTestServer server;
    CNetvaneHttp http;
};

TEST_F(NetvaneHttpTest, ConnectTakesHttpUrlsOnly)
{
    unsigned short port = 0;
    EXPECT_EQ(http.URLConnect("ftp://127.0.0.1/", &port), 0);
    EXPECT_EQ(http.URLConnect("no url", &port), 0);
    EXPECT_EQ(http.URLConnect(nullptr, &port), 0);
    EXPECT_EQ(port, 0);
    EXPECT_EQ(http.URLRequest(1, "q"), 0) << "no connection";
    EXPECT_EQ(http.URLConnect(server.Url("/x").c_str(), &port), 1);
    EXPECT_EQ(port, server.Port());
    EXPECT_EQ(http.m_Sess.GetStatus(), "");
}

TEST_F(NetvaneHttpTest, SendNeedsHeaders)
{
    ASSERT_EQ(http.URLConnect(server.Url("/echo").c_str(), nullptr), 1);
    EXPECT_EQ(http.URLSend(nullptr, 0), 0) << "no request";
    ASSERT_EQ(http.URLRequest(1, "a=1"), 1);
    EXPECT_EQ(http.URLSend(nullptr, 0), 0) << "no headers";
    DWORD code = 0;
    EXPECT_FALSE(http.m_Sess.m_pHttpFile->QueryInfoStatusCode(code)) << "nothing was sent";
    EXPECT_EQ(http.URLHeaders(nullptr), 0);
    EXPECT_EQ(http.URLHeaders("X-Test: 1"), 1);
    EXPECT_EQ(http.URLHeaders("X-Test: 2"), 0) << "only new headers";
    EXPECT_EQ(http.URLSend(nullptr, 0), 1);
    std::string text = Receive(4096);
    EXPECT_EQ(text.rfind("GET /echo?a=1\n", 0), 0u) << text;
    EXPECT_NE(text.find("x-test: 1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("user-agent: Netvane\n"), std::string::npos) << text;
}

TEST_F(NetvaneHttpTest, SendWithDataPostsIt)
{
    char body[] = "name=value";
    EXPECT_EQ(Fetch("/echo", "", body, CHttpConnection::HTTP_VERB_POST), 1);
    std::string text = Receive(4096);
    EXPECT_EQ(text.rfind("POST /echo?\n", 0), 0u) << text;
    EXPECT_NE(text.find("\n\nname=value"), std::string::npos) << text;
}

TEST_F(NetvaneHttpTest, RedirectionsAndDenialsFail)
{
    EXPECT_EQ(Fetch("/redirect"), 0);
    EXPECT_EQ(Fetch("/denied"), 0);
    EXPECT_EQ(Fetch("/missing"), 1) << "only 301, 302, 303 and 401 count as failures";
}

TEST_F(NetvaneHttpTest, ReceiveCutsAtLineBoundaries)
{
    std::string page;
    for (int i = 0; i < 100; ++i)
        page += std::string(99, char('a' + i % 26)) + "\n";
    server.PutFile("page.txt", page);

    ASSERT_EQ(Fetch("/page.txt"), 1);
    unsigned long tooShort = 1024;
    std::vector<char> text(1024);
    EXPECT_EQ(http.URLReceive(nullptr, nullptr, text.data(), &tooShort, 0), -1);
    EXPECT_EQ(http.URLReceive(nullptr, nullptr, nullptr, &tooShort, 0), -1);
    EXPECT_EQ(Receive(1025), page.substr(0, 100)) << "at most one line";
    EXPECT_EQ(Receive(3000), page.substr(100, 2000)) << "reading stops 1025 short of the end";

    ASSERT_EQ(Fetch("/page.txt"), 1);
    EXPECT_EQ(Receive(20000), page);

    // A first line of 1024 characters cannot fit into 1025 with its terminator: dropped.
    server.PutFile("long.txt", std::string(1023, 'x') + "\nshort\n");
    ASSERT_EQ(Fetch("/long.txt"), 1);
    long stored = -1;
    EXPECT_EQ(Receive(1025, 0, &stored), "");
    EXPECT_EQ(stored, 0);
}

TEST_F(NetvaneHttpTest, StripTagsAcrossLines)
{
    server.PutFile("tags.html", "<html><b>Hel\nlo</b> there\n<a\nhref='x'>link</a>\n</html>\n");
    ASSERT_EQ(Fetch("/tags.html"), 1);
    EXPECT_EQ(Receive(4096, 1), "Hel\nlo there\nlink\n\n");

    CNetvaneHttpSess& session = http.m_Sess;
    char first[] = "<b>Hel";
    char second[] = "lo</b> there";
    session.StripTags(first);
    session.StripTags(second);
    EXPECT_EQ(std::string(first) + second, "Hello there");
    char open[] = "keep<i";
    char close[] = "talic>this";
    CNetvaneHttp other;
    session.StripTags(open);
    other.m_Sess.StripTags(close);
    EXPECT_STREQ(open, "keep");
    EXPECT_STREQ(close, "this") << "the inside-a-tag flag is shared by the whole process";
}

TEST_F(NetvaneHttpTest, FailuresKeepThePlatformText)
{
    ASSERT_EQ(http.URLConnect(server.Url("/").c_str(), nullptr), 1);
    ASSERT_EQ(http.URLRequest(1, ""), 1);
    ASSERT_EQ(http.URLHeaders("X-Test: 1"), 1);
    server.Kill();
    EXPECT_EQ(http.URLSend(nullptr, 0), 0);
    EXPECT_NE(std::string(http.m_Sess.m_szStatusText).find("Couldn't connect"), std::string::npos)
        << http.m_Sess.m_szStatusText;
    EXPECT_EQ(http.URLClose(), 1);
}

}
