// The platform's HTTP classes against a local web server.
#include <gtest/gtest.h>

#include <afxinet.h>

#include "testserver.h"

#include <memory>
#include <string>

namespace {

class HttpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Start()) << server.Error();
        connection.reset(
            session.GetHttpConnection("127.0.0.1", static_cast<INTERNET_PORT>(server.Port())));
    }

    static std::string Body(CHttpFile& file)
    {
        std::string body;
        char block[100];
        UINT n;
        while ((n = file.Read(block, sizeof block)) > 0)
            body.append(block, n);
        return body;
    }

    HttpTestServer server;
    CInternetSession session { "tessilo-test" };
    std::unique_ptr<CHttpConnection> connection;
};

TEST_F(HttpTest, GetReadsLinesAndBlocks)
{
    server.PutFile("lines.txt", "one\ntwo\r\n\n0123456789abcdef\ntail");
    std::unique_ptr<CHttpFile> file(
        connection->OpenRequest(CHttpConnection::HTTP_VERB_GET, "/lines.txt"));
    DWORD code = 0;
    EXPECT_FALSE(file->QueryInfoStatusCode(code)) << "not sent yet";
    ASSERT_TRUE(file->SendRequest());
    ASSERT_TRUE(file->QueryInfoStatusCode(code));
    EXPECT_EQ(code, 200u);
    char line[16];
    std::vector<std::string> lines;
    while (file->ReadString(line, sizeof line))
        lines.push_back(line);
    EXPECT_EQ(lines,
        std::vector<std::string>({ "one\n", "two\r\n", "\n", "0123456789abcde", "f\n", "tail" }));
}

TEST_F(HttpTest, StatusCodesAreNoFailures)
{
    for (auto [path, expected] : { std::pair<const char*, DWORD>("/redirect", 302),
             { "/denied", 401 }, { "/missing", 404 } }) {
        std::unique_ptr<CHttpFile> file(connection->OpenRequest("GET", path));
        ASSERT_TRUE(file->SendRequest());
        DWORD code = 0;
        file->QueryInfoStatusCode(code);
        EXPECT_EQ(code, expected) << path << ": redirections are not followed";
    }
}

TEST_F(HttpTest, HeadersAndBodies)
{
    std::unique_ptr<CHttpFile> file(connection->OpenRequest("POST", "/echo?x=1"));
    EXPECT_TRUE(file->AddRequestHeaders("X-One: 1\r\nX-Two: 2"));
    EXPECT_FALSE(file->AddRequestHeaders("X-One: again")) << "only new headers by default";
    EXPECT_TRUE(file->AddRequestHeaders("X-One: 3", HTTP_ADDREQ_FLAG_REPLACE));
    EXPECT_FALSE(file->AddRequestHeaders("no colon"));
    std::string body(3000, 'b');
    ASSERT_TRUE(file->SendRequestEx(static_cast<DWORD>(body.size())));
    file->Write(body.data(), 1000);
    file->Write(body.data() + 1000, 2000);
    ASSERT_TRUE(file->EndRequest());
    std::string answer = Body(*file);
    EXPECT_EQ(answer.rfind("POST /echo?x=1\n", 0), 0u) << answer;
    EXPECT_NE(answer.find("x-one: 3\n"), std::string::npos);
    EXPECT_NE(answer.find("x-two: 2\n"), std::string::npos);
    EXPECT_EQ(answer.find("expect:"), std::string::npos) << "no 100-continue round trip";
    EXPECT_EQ(answer.substr(answer.size() - body.size()), body);

    std::unique_ptr<CHttpFile> plain(connection->OpenRequest("POST", "/echo"));
    char data[] = "a=1&b=2";
    ASSERT_TRUE(plain->SendRequest(nullptr, 0, data, 7));
    EXPECT_NE(Body(*plain).find("\n\na=1&b=2"), std::string::npos);
}

TEST_F(HttpTest, NoServerThrowsOnSend)
{
    server.Kill();
    std::unique_ptr<CHttpFile> file(connection->OpenRequest("GET", "/"));
    try {
        file->SendRequest();
        ADD_FAILURE() << "no exception";
    } catch (CInternetException* e) {
        char text[512];
        e->GetErrorMessage(text, sizeof text);
        EXPECT_EQ(e->m_dwError, DWORD(ERROR_INTERNET_CANNOT_CONNECT));
        EXPECT_NE(std::string(text).find("Couldn't connect"), std::string::npos) << text;
        e->Delete();
    }
}

TEST_F(HttpTest, UnknownVerbThrows)
{
    try {
        delete connection->OpenRequest(42, "/");
        ADD_FAILURE() << "no exception";
    } catch (CInternetException* e) {
        EXPECT_EQ(e->m_dwError, DWORD(ERROR_INTERNET_INVALID_OPERATION));
        e->Delete();
    }
}

}
