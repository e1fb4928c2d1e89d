// tessilo ftp run and tessilo ftp log as programs, against the loopback FTP server: exit
// statuses, progress lines, the log, and the files they refuse.
#include <gtest/gtest.h>

#include "ftp/dlgftpitem.h"
#include "scopedcwd.h"
#include "tessilocommand.h"
#include "testserver.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {
using CommandResult = testsupport::TessiloResult;
using testsupport::fileText;

class TessiloFtp : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.Start()) << server.Error(); }

    CommandResult Run(const std::string& arguments)
    {
        return testsupport::runTessilo(root.path(), arguments, true);
    }

    _DlgFtpItemTransfer Item(DWORD type, const std::string& source, const std::string& destination,
        int subdirectories = 0)
    {
        _DlgFtpItemTransfer item;
        std::memset(&item, 0, sizeof item);
        std::snprintf(item.host, sizeof item.host, "127.0.0.1:%d", server.Port());
        std::strcpy(item.userId, "user");
        std::strcpy(item.password, "pass");
        item.includeSubdirectories = subdirectories;
        item.source.type = type;
        std::strncpy(item.source.path, source.c_str(), sizeof item.source.path - 1);
        item.destination.type = type;
        std::strncpy(item.destination.path, destination.c_str(), sizeof item.destination.path - 1);
        return item;
    }

    std::string List(const std::string& name, const std::vector<_DlgFtpItemTransfer>& items)
    {
        std::string path = root.path() + "/" + name;
        EXPECT_EQ(dlgftpitemWriteList(path.c_str(), items.data(), items.size()), 1);
        return path;
    }

    std::string Local(const std::string& name, const std::string& content)
    {
        std::string path = root.path() + "/" + name;
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    FtpTestServer server;
    ScopedTempDir root;
};
} // namespace

TEST_F(TessiloFtp, HelpDescribesEveryOption)
{
    CommandResult r = Run("help ftp");
    EXPECT_EQ(r.exitCode, 0);
    for (const char* part : { "ftp run LIST.tlp|LIST.tlg", "--log FILE.flg", "ftp log FILE.flg",
             "--put", "--get", "passwords in clear" })
        EXPECT_TRUE(testsupport::contains(r.output, part)) << part << "\n" << r.output;
    EXPECT_EQ(Run("ftp").exitCode, 2);
    EXPECT_EQ(Run("ftp run list.txt").exitCode, 2);
    EXPECT_EQ(Run("ftp log").exitCode, 2);
}

TEST_F(TessiloFtp, PutAndGetRunsEndToEndWithTheirLog)
{
    Local("up/a.txt", "alpha");
    Local("up/sub/b c.bin", TestPattern(65536, 1));
    std::string put = List("put.tlp", { Item(4, root.path() + "/up", "/remote", 1) });
    CommandResult r = Run("ftp run put.tlp --log run.flg");
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    EXPECT_EQ(r.output, "") << "data on standard output only";
    EXPECT_TRUE(testsupport::contains(r.errors, "/remote/sub/b c.bin  65536 bytes  ")) << r.errors;
    EXPECT_TRUE(testsupport::contains(r.errors, "/s  Transfer OK\n")) << r.errors;
    EXPECT_EQ(server.ReadFile("remote/a.txt"), "alpha");

    List("get.tlg", { Item(2, "/remote/sub/b c.bin", root.path() + "/down/x/b c.bin") });
    r = Run("ftp run get.tlg --log run.flg");
    EXPECT_EQ(r.exitCode, 0) << r.errors;

    r = Run("ftp log run.flg");
    EXPECT_EQ(r.exitCode, 0) << r.errors;
    std::vector<std::string> lines;
    std::istringstream text(r.output);
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u) << r.output;
    EXPECT_TRUE(testsupport::contains(
        lines[2], "\tGet\t/remote/sub/b c.bin\t" + root.path() + "/down/x/b c.bin\tTransfer OK"))
        << lines[2];
    EXPECT_FALSE(testsupport::contains(r.output, "pass")) << "passwords are not listed";
    EXPECT_EQ(Run("ftp log run.flg --put").output.size(), lines[0].size() + lines[1].size() + 2);
    EXPECT_EQ(Run("ftp log run.flg --get").output, lines[2] + "\n");
}

TEST_F(TessiloFtp, AnyItemThatDidNotEndTransferOkFailsTheRun)
{
    std::string ok = Local("ok.txt", "fine");
    List("mixed.tlp",
        { Item(2, root.path() + "/missing.txt", "/missing.txt"), Item(2, ok, "/ok.txt") });
    CommandResult r = Run("ftp run mixed.tlp --log mixed.flg");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(testsupport::contains(r.errors, "missing.txt  skipped: the source was not found"))
        << r.errors;
    EXPECT_EQ(server.ReadFile("ok.txt"), "fine") << "the run goes on";
    EXPECT_EQ(fs::file_size(root.path() + "/mixed.flg"), 1620u) << "no record for a missing source";

    _DlgFtpItemTransfer refused = Item(2, ok, "/again.txt");
    std::strcpy(refused.password, "wrong");
    List("refused.tlp", { refused });
    r = Run("ftp run refused.tlp --log mixed.flg");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(testsupport::contains(r.errors, "530")) << r.errors;
    EXPECT_EQ(fs::file_size(root.path() + "/mixed.flg"), 2 * 1620u);
}

TEST_F(TessiloFtp, TruncatedOrForeignFilesAreRefusedAndLeftAlone)
{
    std::string ok = Local("ok.txt", "fine");
    std::string list = List("good.tlp", { Item(2, ok, "/ok.txt") });
    std::string bytes = fileText(list);
    Local("cut.tlp", bytes.substr(0, 1000));
    Local("foreign.tlg", std::string(1316, 'x'));
    Local("notes.flg", "these are my notes, not a log\n");
    Local("cut.flg", std::string(1620 + 3, '\0'));

    struct Case {
        const char* arguments;
        const char* reason;
    } cases[] = {
        { "ftp run cut.tlp", "truncated or not a transfer list (1000 bytes" },
        { "ftp run foreign.tlg", "not a transfer list (record 1" },
        { "ftp run absent.tlp", "absent.tlp: no such file" },
        { "ftp run good.tlp --log notes.flg", "truncated or not an FTP log" },
        { "ftp log notes.flg", "truncated or not an FTP log (30 bytes" },
        { "ftp log cut.flg", "truncated or not an FTP log" },
    };
    for (const Case& c : cases) {
        CommandResult r = Run(c.arguments);
        EXPECT_EQ(r.exitCode, 1) << c.arguments;
        EXPECT_TRUE(testsupport::contains(r.errors, c.reason)) << c.arguments << ": " << r.errors;
    }
    EXPECT_EQ(fileText(root.path() + "/notes.flg"), "these are my notes, not a log\n");
    EXPECT_FALSE(fs::exists(server.Root() + "/ok.txt")) << "nothing ran";
}
