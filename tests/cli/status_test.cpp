// The tessilo command run as a program, with its own RIVANTA_ROOT.
#include <gtest/gtest.h>

#include "scopedcwd.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {
struct CommandResult {
    int exitCode;
    std::string output; // standard output and error together
};

class TessiloCommand : public testing::Test {
protected:
    CommandResult run(const std::string& arguments)
    {
        const std::string command = "cd '" + root.path() + "' && RIVANTA_ROOT='" + root.path()
            + "' '" + TESSILO_BINARY_DIR + "/bin/tessilo' " + arguments + " 2>&1";
        CommandResult result { -1, "" };
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return result;
        std::array<char, 4096> buffer;
        size_t n;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            result.output.append(buffer.data(), n);
        const int status = pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }
    void writeWinIni(const std::string& text) { std::ofstream(root.path() + "/win.ini") << text; }

    ScopedTempDir root;
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
} // namespace

TEST_F(TessiloCommand, StatusOnAFreshRootSucceedsAndExplainsTheEmptyChoice)
{
    const CommandResult r = run("status");
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(contains(r.output, root.path() + "/win.ini, section [tessilo40] (not written yet)"))
        << r.output;
    EXPECT_TRUE(contains(r.output, root.path() + "/registry/Rivanta 40/tessilo.ini")) << r.output;
    EXPECT_TRUE(contains(r.output, "C:  fixed")) << r.output;
    EXPECT_TRUE(contains(r.output, "Z:  ")) << r.output;
    EXPECT_TRUE(contains(r.output, "ConnectStr           (not set)")) << r.output;
    EXPECT_TRUE(contains(r.output, "chosen               none")) << r.output;
    EXPECT_TRUE(contains(r.output, "ConnectStrType       absent -> template 0")) << r.output;
    EXPECT_TRUE(contains(r.output, "built-in table")) << r.output;
}

TEST_F(TessiloCommand, StatusNamesTheStoredStringAndTheTemplateFile)
{
    fs::create_directories(root.path() + "/drives/c/orlamo40");
    std::ofstream(root.path() + "/drives/c/orlamo40/Rivanta40.mdb") << "";
    writeWinIni("[tessilo40]\nConnectStr=DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;\n"
                "ConnectStrType=2\n");
    fs::create_directories(root.path() + "/drives/c/orlamo");
    std::ofstream(root.path() + "/drives/c/orlamo/mfcConnectStrings.txt")
        << "2 = DSN=from the file;\n";
    const CommandResult r = run("status");
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(contains(r.output, "the stored ConnectStr (its database file exists)")) << r.output;
    EXPECT_TRUE(contains(r.output, "\"2\" -> template 2")) << r.output;
    EXPECT_TRUE(contains(
        r.output, "template file " + root.path() + "/drives/c/orlamo/mfcConnectStrings.txt"))
        << r.output;
    EXPECT_TRUE(contains(r.output, "template             DSN=from the file;")) << r.output;
}

TEST_F(TessiloCommand, StatusFallsBackToTheInstalledString)
{
    fs::create_directories(root.path() + "/drives/c/db");
    std::ofstream(root.path() + "/drives/c/db/Rivanta40.mdb") << "";
    writeWinIni(
        "[tessilo40]\nConnectStr=DBQ=C:\\gone\\Rivanta40.mdb;\n"
        "ConnectStrInstalled=DSN=Rivanta 4.0;DBQ=C:\\db\\Rivanta40.mdb;\nConnectStrType=\n");
    const CommandResult r = run("status");
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_TRUE(contains(r.output, "refused: names the database file C:\\gone\\Rivanta40.mdb"))
        << r.output;
    EXPECT_TRUE(contains(r.output, "chosen               ConnectStrInstalled")) << r.output;
    EXPECT_TRUE(contains(r.output, "set to an empty value: no template is used")) << r.output;
}

TEST_F(TessiloCommand, ErrorsExitNonZeroWithAMessage)
{
    CommandResult r = run("frobnicate");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(contains(r.output, "tessilo: unknown command \"frobnicate\"")) << r.output;
    r = run("");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(contains(r.output, "usage: tessilo COMMAND")) << r.output;
    r = run("status extra");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(contains(r.output, "status takes no arguments")) << r.output;
    fs::create_directories(root.path() + "/win.ini");
    r = run("status");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(contains(r.output, "win.ini, section [tessilo40] (not a file)")) << r.output;
    EXPECT_TRUE(contains(r.output, "tessilo: a profile file exists but cannot be read"))
        << r.output;
}

TEST_F(TessiloCommand, HelpListsAndDescribesCommands)
{
    CommandResult r = run("help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(contains(r.output, "  status ")) << r.output;
    EXPECT_TRUE(contains(r.output, "  help ")) << r.output;
    r = run("help status");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(contains(r.output, "usage: tessilo status")) << r.output;
    r = run("status --help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(contains(r.output, "usage: tessilo status")) << r.output;
    r = run("help nothing");
    EXPECT_EQ(r.exitCode, 2);
}
