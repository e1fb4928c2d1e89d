// The platform's FTP classes against a real local server: block transfers, listings, the
// control connection, failures and status reports.
#include <gtest/gtest.h>

#include <afxinet.h>

#include "testserver.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace {

constexpr UINT kBlock = 65535;

struct Recorder : CInternetSession {
    Recorder()
        : CInternetSession("tessilo-test")
    {
    }
    void OnStatusCallback(DWORD_PTR, DWORD status, LPVOID, DWORD) override
    {
        codes.push_back(status);
    }
    std::vector<DWORD> codes;
};

std::string MessageOf(CInternetException* e)
{
    char text[1024];
    e->GetErrorMessage(text, sizeof text);
    return text;
}

// Runs body, expecting a CInternetException; returns its error code and message.
template <typename Body> std::pair<DWORD, std::string> Failure(Body body)
{
    try {
        body();
    } catch (CInternetException* e) {
        std::pair<DWORD, std::string> result(e->m_dwError, MessageOf(e));
        e->Delete();
        return result;
    }
    return { 0, "no exception" };
}

class FtpTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Start()) << server.Error(); }

    std::unique_ptr<CFtpConnection> Connect(
        BOOL passive = TRUE, const char* user = "user", const char* password = "pass")
    {
        return std::unique_ptr<CFtpConnection>(session.GetFtpConnection(
            "127.0.0.1", user, password, static_cast<INTERNET_PORT>(server.Port()), passive));
    }

    static void Put(CFtpConnection& connection, const char* path, const std::string& data)
    {
        std::unique_ptr<CInternetFile> file(connection.OpenFile(path, GENERIC_WRITE));
        for (size_t at = 0; at < data.size(); at += kBlock)
            file->Write(
                data.data() + at, static_cast<UINT>(std::min<size_t>(kBlock, data.size() - at)));
        file->Close();
    }

    // Reads block by block; every block but the last must come back full.
    static std::string Get(CFtpConnection& connection, const char* path)
    {
        std::unique_ptr<CInternetFile> file(connection.OpenFile(path, GENERIC_READ));
        std::string data;
        std::vector<char> block(kBlock);
        for (;;) {
            UINT n = file->Read(block.data(), kBlock);
            data.append(block.data(), n);
            if (n < kBlock)
                break;
        }
        EXPECT_EQ(file->Read(block.data(), kBlock), 0u) << "the end of the data stays the end";
        file->Close();
        return data;
    }

    FtpTestServer server;
    Recorder session;
};

class FtpTransferTest : public FtpTest,
                        public ::testing::WithParamInterface<std::tuple<bool, size_t>> { };

TEST_P(FtpTransferTest, PutAndGetAreByteExactInBlocks)
{
    auto [passive, size] = GetParam();
    auto connection = Connect(passive ? TRUE : FALSE);
    std::string data = TestPattern(size, static_cast<unsigned>(size));
    Put(*connection, "/data.bin", data);
    ASSERT_EQ(server.ReadFile("data.bin").size(), size);
    EXPECT_TRUE(server.ReadFile("data.bin") == data);
    std::string back = Get(*connection, "/data.bin");
    ASSERT_EQ(back.size(), size);
    EXPECT_TRUE(back == data);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FtpTransferTest,
    ::testing::Combine(::testing::Values(true, false),
        ::testing::Values(
            size_t(0), size_t(1), size_t(65534), size_t(65535), size_t(65536), size_t(50) << 20)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param) ? "Passive" : "Active") + "_"
            + std::to_string(std::get<1>(info.param));
    });

TEST_F(FtpTest, OneControlConnectionServesManyOperations)
{
    auto connection = Connect();
    session.EnableStatusCallback(TRUE);
    session.codes.clear();
    server.PutFile("one.txt", "1");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Get(*connection, "/one.txt"), "1");
        CFtpFileFind finder(connection.get());
        EXPECT_TRUE(finder.FindFile("/*.*"));
        EXPECT_TRUE(connection->CreateDirectory(("/d" + std::to_string(i)).c_str()));
    }
    // Passive transfers and listings open data connections only: no new control connection
    // means no new greeting ("220"), which would show as a login.
    size_t connects = std::count(
        session.codes.begin(), session.codes.end(), DWORD(INTERNET_STATUS_CONNECTING_TO_SERVER));
    EXPECT_EQ(connects, 10u) << "one data connection per get and per listing";
}

TEST_F(FtpTest, ReadStringAndSmallReadsSeeTheSameBytes)
{
    auto connection = Connect();
    server.PutFile("lines.txt", "one\ntwo\r\n\nlast");
    std::unique_ptr<CInternetFile> file(connection->OpenFile("/lines.txt"));
    file->SetReadBufferSize(3);
    char line[16];
    ASSERT_NE(file->ReadString(line, sizeof line), nullptr);
    EXPECT_STREQ(line, "one\n");
    CString text;
    ASSERT_TRUE(file->ReadString(text));
    EXPECT_EQ(text, "two");
    char rest[16] = {};
    EXPECT_EQ(file->Read(rest, sizeof rest), 5u);
    EXPECT_STREQ(rest, "\nlast");
    EXPECT_EQ(file->ReadString(line, sizeof line), nullptr);
}

TEST_F(FtpTest, CurrentDirectoryAndRelativePaths)
{
    auto connection = Connect();
    CString directory;
    ASSERT_TRUE(connection->GetCurrentDirectory(directory));
    EXPECT_EQ(directory, "/");
    ASSERT_TRUE(connection->CreateDirectory("a dir"));
    ASSERT_TRUE(connection->SetCurrentDirectory("a dir"));
    connection->GetCurrentDirectory(directory);
    EXPECT_EQ(directory, "/a dir");
    Put(*connection, "rel.txt", "xyz");
    EXPECT_EQ(server.ReadFile("a dir/rel.txt"), "xyz");
    EXPECT_FALSE(connection->SetCurrentDirectory("/missing"));
    connection->GetCurrentDirectory(directory);
    EXPECT_EQ(directory, "/a dir");
    EXPECT_FALSE(connection->CreateDirectory("/a dir")) << "exists already";
    EXPECT_TRUE(connection->Rename("rel.txt", "/moved.txt"));
    EXPECT_EQ(server.ReadFile("moved.txt"), "xyz");
    EXPECT_TRUE(connection->Remove("/moved.txt"));
    EXPECT_FALSE(connection->Remove("/moved.txt"));
    ASSERT_TRUE(connection->SetCurrentDirectory(".."));
    char small[2];
    DWORD length = sizeof small;
    connection->SetCurrentDirectory("a dir");
    EXPECT_FALSE(connection->GetCurrentDirectory(small, &length));
    EXPECT_EQ(length, 7u) << "the size the text needs, terminator included";
}

std::set<std::string> Names(CFtpConnection& connection, const char* pattern)
{
    CFtpFileFind finder(&connection);
    std::set<std::string> names;
    BOOL more = finder.FindFile(pattern);
    while (more) {
        more = finder.FindNextFile();
        names.insert(std::string(finder.GetFileName()) + (finder.IsDirectory() ? "/" : ""));
    }
    return names;
}

// Listings in the Unix form and in the MS-DOS form of Windows servers.
class FtpListingTest : public FtpTest,
                       public ::testing::WithParamInterface<std::pair<const char*, const char*>> {
};

TEST_P(FtpListingTest, FindFileFollowsWindowsPatterns)
{
    server.PutFile("single/only.dat", "12345");
    server.PutFile("list/a.txt", "1");
    server.PutFile("list/noext", "12");
    server.PutFile("list/B.TXT", "123");
    server.PutFile("list/with blanks in it.txt", "1234");
    server.PutFile("list/sub dir/inner", "");
    auto connection = Connect(FALSE, GetParam().first, GetParam().second);
    ASSERT_TRUE(connection);
    using Set = std::set<std::string>;
    EXPECT_EQ(Names(*connection, "/single/*.*"), Set({ "only.dat" }));
    EXPECT_EQ(Names(*connection, "/list/*.*"),
        Set({ "a.txt", "noext", "B.TXT", "with blanks in it.txt", "sub dir/" }));
    EXPECT_EQ(
        Names(*connection, "/list/*.txt"), Set({ "a.txt", "B.TXT", "with blanks in it.txt" }));
    EXPECT_EQ(Names(*connection, "/list/no*.*"), Set({ "noext" }));
    EXPECT_EQ(Names(*connection, "/list/sub dir/*.*"), Set({ "inner" }));
    EXPECT_EQ(Names(*connection, "/list/?.txt"), Set({ "a.txt", "B.TXT" }));
    EXPECT_TRUE(Names(*connection, "/list/*.none").empty());
    EXPECT_TRUE(Names(*connection, "/missing/*.*").empty());
    EXPECT_EQ(Names(*connection, "/list/sub dir"), Set({ "sub dir/" }));
    // A plain name not found as spelled is matched in the listing, ignoring case.
    EXPECT_EQ(Names(*connection, "/list/b.txt"), Set({ "B.TXT" }));
    EXPECT_TRUE(Names(*connection, "/list/none.txt").empty());

    CFtpFileFind finder(connection.get());
    ASSERT_TRUE(finder.FindFile("/list/with blanks in it.txt"));
    EXPECT_FALSE(finder.FindNextFile()) << "a single match is also the last one";
    EXPECT_EQ(finder.GetFilePath(), "/list/with blanks in it.txt");
    EXPECT_EQ(finder.GetLength(), 4u);
    EXPECT_FALSE(finder.IsDirectory());
    EXPECT_FALSE(finder.IsDots());
    FILETIME written {};
    ASSERT_TRUE(finder.GetLastWriteTime(&written));
    ULONGLONG ticks = (ULONGLONG(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    long long seconds = static_cast<long long>(ticks / 10000000ULL) - 11644473600LL;
    EXPECT_NEAR(static_cast<double>(seconds), static_cast<double>(time(nullptr)), 120.0);

    connection->SetCurrentDirectory("/list");
    EXPECT_EQ(Names(*connection, "*.TXT"), Set({ "a.txt", "B.TXT", "with blanks in it.txt" }));
    EXPECT_EQ(Names(*connection, nullptr).size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(Forms, FtpListingTest,
    ::testing::Values(std::make_pair("user", "pass"), std::make_pair("dos", "dos")),
    [](const auto& info) { return std::string(info.index == 0 ? "Unix" : "MsDos"); });

TEST_F(FtpTest, EmptyDirectoryListsNothing)
{
    std::filesystem::create_directories(server.Root() + "/empty");
    auto connection = Connect();
    EXPECT_TRUE(Names(*connection, "/empty/*.*").empty());
    EXPECT_EQ(Names(*connection, "/*.*"), std::set<std::string>({ "empty/" }));
}

TEST_F(FtpTest, FailuresCarryLibcurlTextAndServerReply)
{
    auto wrong = Failure([&] { Connect(TRUE, "user", "wrong"); });
    EXPECT_EQ(wrong.first, DWORD(ERROR_INTERNET_LOGIN_FAILURE));
    EXPECT_NE(wrong.second.find("Login denied"), std::string::npos) << wrong.second;
    EXPECT_NE(wrong.second.find("530"), std::string::npos) << wrong.second;

    auto connection = Connect();
    auto missing = Failure([&] { delete connection->OpenFile("/nothing.bin"); });
    EXPECT_EQ(missing.first, DWORD(ERROR_INTERNET_EXTENDED_ERROR));
    EXPECT_NE(missing.second.find("550"), std::string::npos) << missing.second;

    auto readOnly = Connect(FALSE, "ro", "ro");
    auto denied = Failure([&] { delete readOnly->OpenFile("/denied.bin", GENERIC_WRITE); });
    EXPECT_EQ(denied.first, DWORD(ERROR_INTERNET_EXTENDED_ERROR));
    EXPECT_NE(denied.second.find("550"), std::string::npos) << denied.second;
    server.PutFile("ok.txt", "still there");
    EXPECT_EQ(Get(*readOnly, "/ok.txt"), "still there") << "the connection survives a refusal";

    std::unique_ptr<CInternetFile> open(connection->OpenFile("/ok.txt"));
    auto busy = Failure([&] { delete connection->OpenFile("/ok.txt"); });
    EXPECT_EQ(busy.first, DWORD(ERROR_FTP_TRANSFER_IN_PROGRESS));
    EXPECT_FALSE(connection->CreateDirectory("/x")) << "a command waits for the open file";
    open->Close();
    EXPECT_TRUE(connection->CreateDirectory("/x"));
}

TEST_F(FtpTest, NoServerFailsAtOnce)
{
    int port = server.Port();
    server.Kill();
    auto started = std::chrono::steady_clock::now();
    auto refused = Failure([&] {
        delete session.GetFtpConnection(
            "127.0.0.1", "user", "pass", static_cast<INTERNET_PORT>(port));
    });
    EXPECT_EQ(refused.first, DWORD(ERROR_INTERNET_CANNOT_CONNECT));
    EXPECT_NE(refused.second.find("Couldn't connect"), std::string::npos) << refused.second;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

class FtpKillTest : public FtpTest, public ::testing::WithParamInterface<bool> { };

// The server dies in the middle of a 50 MiB transfer: the next block call fails with an
// exception instead of hanging.
TEST_P(FtpKillTest, ServerKilledMidTransferThrows)
{
    bool writing = GetParam();
    auto connection = Connect();
    std::string data = TestPattern(size_t(50) << 20, 7);
    if (!writing)
        server.PutFile("big.bin", data);
    std::unique_ptr<CInternetFile> file(
        connection->OpenFile("/big.bin", writing ? GENERIC_WRITE : GENERIC_READ));
    std::vector<char> block(kBlock);
    if (writing)
        file->Write(data.data(), kBlock);
    else
        ASSERT_EQ(file->Read(block.data(), kBlock), kBlock);
    server.Kill();
    auto started = std::chrono::steady_clock::now();
    auto failure = Failure([&] {
        for (size_t at = kBlock; at < data.size(); at += kBlock) {
            if (writing)
                file->Write(data.data() + at,
                    static_cast<UINT>(std::min<size_t>(kBlock, data.size() - at)));
            else if (file->Read(block.data(), kBlock) < kBlock)
                break;
        }
        file->Close();
    });
    // libcurl's text of a broken data or control connection.
    EXPECT_EQ(failure.first, DWORD(ERROR_INTERNET_CONNECTION_ABORTED)) << failure.second;
    const char* const brokenTexts[]
        = { "Failure when receiving data from the peer", "Failed sending data to the peer",
              "Transferred a partial file", "Server returned nothing", "Weird server reply" };
    EXPECT_TRUE(std::any_of(std::begin(brokenTexts), std::end(brokenTexts), [&](const char* text) {
        return failure.second.rfind(text, 0) == 0;
    })) << failure.second;
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

INSTANTIATE_TEST_SUITE_P(Directions, FtpKillTest, ::testing::Values(false, true),
    [](const auto& info) { return std::string(info.param ? "Put" : "Get"); });

TEST_F(FtpTest, StatusesOfALoginComeInOrder)
{
    session.EnableStatusCallback(TRUE);
    auto connection = Connect();
    const auto& codes = session.codes;
    auto first
        = [&](DWORD code) { return std::find(codes.begin(), codes.end(), code) - codes.begin(); };
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), DWORD(INTERNET_STATUS_HANDLE_CREATED));
    EXPECT_LT(first(INTERNET_STATUS_RESOLVING_NAME), first(INTERNET_STATUS_CONNECTING_TO_SERVER));
    EXPECT_LT(
        first(INTERNET_STATUS_CONNECTING_TO_SERVER), first(INTERNET_STATUS_CONNECTED_TO_SERVER));
    EXPECT_LT(
        first(INTERNET_STATUS_CONNECTED_TO_SERVER), first(INTERNET_STATUS_RECEIVING_RESPONSE));
    EXPECT_LT(first(INTERNET_STATUS_RESPONSE_RECEIVED), first(INTERNET_STATUS_SENDING_REQUEST))
        << "the greeting comes before the first command";
    EXPECT_LT(first(INTERNET_STATUS_SENDING_REQUEST), first(INTERNET_STATUS_REQUEST_SENT));
    EXPECT_EQ(codes.back(), DWORD(INTERNET_STATUS_REQUEST_COMPLETE)) << "the login request ended";
    session.codes.clear();
    connection.reset();
    EXPECT_EQ(session.codes,
        std::vector<DWORD>({ INTERNET_STATUS_HANDLE_CLOSING, INTERNET_STATUS_CLOSING_CONNECTION,
            INTERNET_STATUS_CONNECTION_CLOSED }));

    session.EnableStatusCallback(FALSE);
    session.codes.clear();
    Connect();
    EXPECT_TRUE(session.codes.empty()) << "nothing is reported while the callback is off";
}

}
