#include <windows.h>
#include <winport/paths.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Profile : public testing::Test {
protected:
    void SetUp() override
    {
        ini = winport::rivantaRoot() + "/profile-test.ini";
        fs::remove(ini);
    }
    void TearDown() override { fs::remove(ini); }

    std::string get(const char* section, const char* key, const char* def = "")
    {
        char buffer[4096];
        GetPrivateProfileString(section, key, def, buffer, sizeof buffer, ini.c_str());
        return buffer;
    }
    std::string fileText() const
    {
        std::ifstream in(ini);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // A zero-separated list as one string with "|" between the items.
    static std::string listOf(const char* buffer, DWORD length)
    {
        std::string out(buffer, length);
        for (char& c : out)
            c = c ? c : '|';
        return out;
    }

    std::string ini;
};

} // namespace

TEST_F(Profile, NamesIgnoreCaseAndWritesReplaceOrAppend)
{
    ASSERT_TRUE(WritePrivateProfileString("tessilo40", "ConnectStr", "DSN=a;", ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("TESSILO40", "connectstr", "DSN=b;", ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Tessilo40", "LogSize", "3", ini.c_str()));
    ASSERT_TRUE(WritePrivateProfileString("Other", "x", "1", ini.c_str()));
    EXPECT_EQ(get("TeSsIlO40", "CONNECTSTR"), "DSN=b;");
    EXPECT_EQ(
        fileText(), "[tessilo40]\r\nConnectStr=DSN=b;\r\nLogSize=3\r\n\r\n[Other]\r\nx=1\r\n");
}

TEST_F(Profile, ReadsFollowWindowsRules)
{
    std::ofstream(ini) << "; comment\n[A]\n  key1 =  spaced value  \nquoted=\"q v\"\nsingle='s'\n"
                          "bare\n;k=hidden\n[a]\nkey1=second section\n[B]\n";
    const struct {
        const char* section;
        const char* key;
        const char* def;
        const char* expected;
    } cases[] = {
        { "A", "KEY1", "", "spaced value" },
        { "A", "quoted", "", "q v" },
        { "A", "single", "", "s" },
        { "A", "bare", "d", "" },
        { "A", ";k", "d", "d" },
        { "A", "missing", "default  ", "default" },
        { "Nope", "key1", nullptr, "" },
    };
    for (const auto& t : cases)
        EXPECT_EQ(get(t.section, t.key, t.def), t.expected) << t.section << "/" << t.key;

    char buffer[64];
    DWORD n = GetPrivateProfileString("a", nullptr, "", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(listOf(buffer, n + 1), "key1|quoted|single|bare||");
    n = GetPrivateProfileSectionNames(buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(listOf(buffer, n + 1), "A|a|B||");
    n = GetPrivateProfileSection("A", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(listOf(buffer, n + 1), "key1=spaced value|quoted=\"q v\"|single='s'|bare||");
    n = GetPrivateProfileString("B", nullptr, "", buffer, sizeof buffer, ini.c_str());
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '\0');
}

TEST_F(Profile, NullValueDeletesKeyAndNullKeyDeletesSection)
{
    WritePrivateProfileString("S", "a", "1", ini.c_str());
    WritePrivateProfileString("S", "b", "2", ini.c_str());
    WritePrivateProfileString("T", "c", "3", ini.c_str());
    ASSERT_TRUE(WritePrivateProfileString("s", "A", nullptr, ini.c_str()));
    EXPECT_EQ(get("S", "a", "gone"), "gone");
    EXPECT_EQ(get("S", "b"), "2");
    ASSERT_TRUE(WritePrivateProfileString("t", nullptr, nullptr, ini.c_str()));
    EXPECT_EQ(get("T", "c", "gone"), "gone");
    EXPECT_EQ(fileText(), "[S]\r\nb=2\r\n\r\n");
    EXPECT_FALSE(WritePrivateProfileString(nullptr, "k", "v", ini.c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST_F(Profile, ValuesAreCutToTheCallersBuffer)
{
    const std::string longValue(5000, 'v');
    ASSERT_TRUE(WritePrivateProfileString("tessilo40", "Long", longValue.c_str(), ini.c_str()));
    std::vector<char> buffer(4096, 'x');
    const DWORD n
        = GetPrivateProfileString("tessilo40", "Long", "", buffer.data(), 4096, ini.c_str());
    EXPECT_EQ(n, 4095u);
    EXPECT_EQ(std::string(buffer.data()), longValue.substr(0, 4095));

    char small[4];
    EXPECT_EQ(GetPrivateProfileString("none", "none", "defaults", small, 4, ini.c_str()), 3u);
    EXPECT_STREQ(small, "def");
    // A list that does not fit ends with its cut last item and two zeros.
    WritePrivateProfileString("L", "alpha", "1", ini.c_str());
    WritePrivateProfileString("L", "beta", "2", ini.c_str());
    char list[9];
    EXPECT_EQ(GetPrivateProfileString("L", nullptr, "", list, sizeof list, ini.c_str()), 7u);
    EXPECT_EQ(listOf(list, 9), "alpha|b||");
    EXPECT_EQ(GetPrivateProfileString("L", "alpha", "", nullptr, 10, ini.c_str()), 0u);
}

TEST_F(Profile, IntegersParseLeadingDigitsAndSign)
{
    std::ofstream(ini)
        << "[N]\nplain=42\nneg= -7\nplus=+5\ntail=12abc\nword=abc\nempty=\nhex=0x1F\n";
    const struct {
        const char* key;
        UINT expected;
    } cases[] = {
        { "plain", 42 },
        { "neg", static_cast<UINT>(-7) },
        { "plus", 5 },
        { "tail", 12 },
        { "word", 0 },
        { "empty", 99 },
        { "missing", 99 },
        { "hex", 31 },
    };
    for (const auto& t : cases)
        EXPECT_EQ(GetPrivateProfileInt("n", t.key, 99, ini.c_str()), t.expected) << t.key;
}

TEST_F(Profile, StructsRoundTripWithChecksum)
{
    const unsigned char data[] = { 0x01, 0x02, 0xFF, 0x00 };
    ASSERT_TRUE(WritePrivateProfileStruct("S", "Font", (void*)data, sizeof data, ini.c_str()));
    EXPECT_EQ(get("S", "Font"), "0102FF0002"); // checksum 0x102 mod 256
    unsigned char back[4] = {};
    ASSERT_TRUE(GetPrivateProfileStruct("S", "Font", back, sizeof back, ini.c_str()));
    EXPECT_EQ(memcmp(back, data, sizeof data), 0);

    unsigned char wrongSize[3] = { 7, 7, 7 };
    EXPECT_FALSE(GetPrivateProfileStruct("S", "Font", wrongSize, sizeof wrongSize, ini.c_str()));
    EXPECT_EQ(wrongSize[0], 7);
    WritePrivateProfileString("S", "Font", "0102FF0003", ini.c_str());
    EXPECT_FALSE(GetPrivateProfileStruct("S", "Font", back, sizeof back, ini.c_str()));
    WritePrivateProfileString("S", "Font", "0102FG0002", ini.c_str());
    EXPECT_FALSE(GetPrivateProfileStruct("S", "Font", back, sizeof back, ini.c_str()));
    EXPECT_FALSE(GetPrivateProfileStruct("S", "Missing", back, sizeof back, ini.c_str()));
    EXPECT_FALSE(GetPrivateProfileStruct("S", nullptr, back, sizeof back, ini.c_str()));
}

TEST_F(Profile, WindowsProfileAndPathsOfPrivateFiles)
{
    ASSERT_TRUE(WriteProfileString("tessilo40", "InstallDrive", "C:"));
    char buffer[32];
    EXPECT_EQ(GetProfileString("TESSILO40", "installdrive", "", buffer, sizeof buffer), 2u);
    EXPECT_STREQ(buffer, "C:");
    EXPECT_TRUE(fs::exists(winport::rivantaRoot() + "/win.ini"));
    EXPECT_EQ(GetProfileInt("tessilo40", "missing", -3), static_cast<UINT>(-3));

    fs::create_directories(winport::driveFolder('C') + "/orlamo40");
    ASSERT_TRUE(WritePrivateProfileString("s", "k", "v", "C:\\orlamo40\\app.ini"));
    EXPECT_TRUE(fs::exists(winport::driveFolder('C') + "/orlamo40/app.ini"));
    EXPECT_FALSE(WritePrivateProfileString("s", "k", "v", "C:\\no\\such\\dir\\app.ini"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST_F(Profile, ConcurrentWritersInManyProcessesLoseNoKey)
{
    constexpr int processes = 6;
    constexpr int keysEach = 20;
    std::vector<pid_t> children;
    for (int p = 0; p < processes; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Two threads per process, so the in-process lock is exercised too.
            std::atomic<bool> ok { true };
            auto writer = [&](int half) {
                for (int k = half; k < keysEach; k += 2) {
                    const std::string key = "k" + std::to_string(p) + "_" + std::to_string(k);
                    if (!WritePrivateProfileString("shared", key.c_str(), key.c_str(), ini.c_str()))
                        ok = false;
                }
            };
            std::thread other(writer, 1);
            writer(0);
            other.join();
            _exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int p = 0; p < processes; ++p) {
        for (int k = 0; k < keysEach; ++k) {
            const std::string key = "k" + std::to_string(p) + "_" + std::to_string(k);
            EXPECT_EQ(get("shared", key.c_str()), key);
        }
    }
}

TEST_F(Profile, WriterKilledMidwayLeavesAReadableFile)
{
    const std::string a(300000, 'a'), b(300000, 'b');
    ASSERT_TRUE(WritePrivateProfileString("big", "value", a.c_str(), ini.c_str()));
    for (int round = 0; round < 5; ++round) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int i = 0;; ++i)
                WritePrivateProfileString("big", "value", (i % 2 ? a : b).c_str(), ini.c_str());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + 13 * round));
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));

        std::vector<char> buffer(400000);
        const DWORD n = GetPrivateProfileString(
            "big", "value", "", buffer.data(), static_cast<DWORD>(buffer.size()), ini.c_str());
        const std::string value(buffer.data(), n);
        EXPECT_TRUE(value == a || value == b) << "round " << round << ": " << n << " characters";
    }
    // The lock died with the writer: the next write goes through.
    EXPECT_TRUE(WritePrivateProfileString("big", "after", "1", ini.c_str()));
    EXPECT_EQ(get("big", "after"), "1");
}
