// The sample database generator's profile keys: set for the new database, never replacing a
// choice that names an existing database.
#include "odbctest.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

std::string tool() { return std::string(TESSILO_BINARY_DIR) + "/bin/tessilo-sampledb"; }

std::string root() { return getenv("RIVANTA_ROOT"); }

std::string profileString(const char* key)
{
    char buffer[4096] = "";
    GetProfileStringA("tessilo40", key, "", buffer, sizeof buffer);
    return buffer;
}

TEST(SampleDatabaseProfile, ConnectStringsAreSetButNeverReplaceAnExistingChoice)
{
    const std::string command = tool() + " --profile --readings 10 >/dev/null";
    ASSERT_EQ(testsupport::runCommand(command), 0);
    const std::string expected = testsupport::sampleConnectString();
    EXPECT_EQ(profileString("ConnectStr"), expected);
    EXPECT_EQ(profileString("ConnectStrInstalled"), expected);

    // A user's choice naming an existing database stays; one naming a missing file is replaced.
    testsupport::runCommand("mkdir -p " + root() + "/drives/c/data && cp " + root()
        + "/drives/c/orlamo40/Rivanta40.mdb " + root() + "/drives/c/data/Rivanta40.mdb");
    const std::string mine = "DSN=Rivanta 4.0;DBQ=C:\\data\\Rivanta40.mdb;";
    WriteProfileStringA("tessilo40", "ConnectStr", mine.c_str());
    WriteProfileStringA(
        "tessilo40", "ConnectStrInstalled", "DSN=Rivanta 4.0;DBQ=C:\\gone\\Rivanta40.mdb;");
    ASSERT_EQ(testsupport::runCommand(command), 0);
    EXPECT_EQ(profileString("ConnectStr"), mine);
    EXPECT_EQ(profileString("ConnectStrInstalled"), expected);
}

} // namespace

namespace {

TEST(SampleDatabaseProfile, UseFileSwitchesTheChoiceBackToTheFile)
{
    const std::string server
        = "Driver={PostgreSQL ANSI};Server=db;Database=rivanta;DBQ=C:\\orlamo40\\Rivanta40.mdb;";
    WriteProfileStringA("tessilo40", "ConnectStr", server.c_str());
    WriteProfileStringA("tessilo40", "ConnectStrInstalled", server.c_str());
    // --profile keeps a choice that names an existing database; --use-file replaces it.
    ASSERT_EQ(testsupport::runCommand(tool() + " --profile --readings 10 >/dev/null"), 0);
    EXPECT_EQ(profileString("ConnectStr"), server);
    ASSERT_EQ(testsupport::runCommand(tool() + " --use-file >/dev/null"), 0);
    EXPECT_EQ(profileString("ConnectStr"), testsupport::sampleConnectString());
    EXPECT_EQ(profileString("ConnectStrInstalled"), server);
}

} // namespace
