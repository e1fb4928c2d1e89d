// The tessilo command run as a program, with its own RIVANTA_ROOT.
#include <gtest/gtest.h>

#include "scopedcwd.h"
#include "tessilocommand.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {
using testsupport::contains;
using CommandResult = testsupport::TessiloResult;

class TessiloCommand : public testing::Test {
protected:
    CommandResult run(const std::string& arguments)
    {
        return testsupport::runTessilo(root.path(), arguments);
    }
    void writeWinIni(const std::string& text) { std::ofstream(root.path() + "/win.ini") << text; }

    ScopedTempDir root;
};
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

// Each call's exit code and a line its output must hold ("" for none).
TEST_F(TessiloCommand, ExitCodesAndMessagesOfUsageAndHelp)
{
    const struct {
        const char* arguments;
        int exitCode;
        const char* says;
    } cases[] = {
        { "frobnicate", 2, "tessilo: unknown command \"frobnicate\"" },
        { "", 2, "usage: tessilo COMMAND" },
        { "status extra", 2, "status takes no arguments" },
        { "help", 0, "  status " },
        { "help", 0, "  help " },
        { "help status", 0, "usage: tessilo status" },
        { "status --help", 0, "usage: tessilo status" },
        { "help nothing", 2, "" },
    };
    for (const auto& c : cases) {
        const CommandResult r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments << "\n" << r.output;
        EXPECT_TRUE(contains(r.output, c.says)) << c.arguments << "\n" << r.output;
    }
}

TEST_F(TessiloCommand, AProfileThatCannotBeReadFailsTheStatus)
{
    fs::create_directories(root.path() + "/win.ini");
    const CommandResult r = run("status");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(contains(r.output, "win.ini, section [tessilo40] (not a file)")) << r.output;
    EXPECT_TRUE(contains(r.output, "tessilo: a profile file exists but cannot be read"))
        << r.output;
}
