// tessilo sql: SQL from arguments, files and standard input through the library, printed rows,
// diagnostics on standard error, and the exit codes.
#include "odbctest.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

const char kSqlite[] = "Driver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so;Database=";

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class CliSql : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tessilo-cli-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_connect = std::string(kSqlite) + m_dir + "/cli.db;";
        CliRun setup = run("--connect '" + m_connect
            + "' \"CREATE TABLE m (id INTEGER, name VARCHAR(8)); INSERT INTO m VALUES (1, "
              "'north'); "
              "INSERT INTO m VALUES (22, NULL)\"");
        ASSERT_EQ(setup.status, 0) << setup.err;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    CliRun run(const std::string& arguments, const std::string& input = std::string())
    {
        std::string errFile = m_dir + "/stderr";
        std::string command
            = std::string(TESSILO_BINARY_DIR) + "/bin/tessilo sql " + arguments + " 2>" + errFile;
        if (!input.empty()) {
            std::ofstream(m_dir + "/stdin") << input;
            command += " <" + m_dir + "/stdin";
        } else {
            command += " </dev/null";
        }
        CliRun result;
        result.status = testsupport::runCommand(command, &result.out);
        std::ifstream err(errFile);
        result.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
        return result;
    }

    std::string m_dir;
    std::string m_connect;
};

// SQLite reports a display size of 10 for INTEGER and 8 for VARCHAR(8); the underline spans both
// columns and their separating blank, less the trailing two.
const char kTable[] = "id         name\n"
                      "------------------\n"
                      "         1 north\n"
                      "        22\n";

TEST_F(CliSql, PrintsTitlesUnderlineAndRowsFromArgumentsFileAndInput)
{
    CliRun fromArgs = run("--connect '" + m_connect + "' SELECT id, name FROM m ORDER BY id");
    EXPECT_EQ(fromArgs.status, 0) << fromArgs.err;
    EXPECT_EQ(fromArgs.out, kTable);
    EXPECT_EQ(fromArgs.err, "");

    std::ofstream(m_dir + "/q.sql") << "SELECT id,\n  name\nFROM m\nORDER BY id;\n";
    CliRun fromFile = run("-c '" + m_connect + "' -f " + m_dir + "/q.sql");
    EXPECT_EQ(fromFile.status, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, kTable);

    CliRun fromInput = run("-c '" + m_connect + "'", "SELECT id, name FROM m ORDER BY id;");
    EXPECT_EQ(fromInput.status, 0) << fromInput.err;
    EXPECT_EQ(fromInput.out, kTable);
}

TEST_F(CliSql, DiagnosticsGoToStandardErrorAndFailTheRun)
{
    CliRun result
        = run("-c '" + m_connect + "' 'SELECT * FROM nowhere; SELECT id FROM m WHERE id = 1;'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("] "), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("nowhere"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.front(), '[');
    EXPECT_EQ(result.out, "id\n---------\n         1\n");
}

// A failed connect shows why: the driver's diagnostics, or the length limit.
TEST_F(CliSql, FailedConnectSaysWhy)
{
    CliRun result = run("-c 'DSN=Rivanta 4.0;DBQ=C:\\nowhere\\Rivanta40.mdb;' 'SELECT 1'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("cannot connect"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("Could not find file"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");

    std::string tooLong = m_connect + std::string(512 - m_connect.size() - 3, 'x') + "=1;";
    result = run("-c '" + tooLong + "' 'SELECT 1'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("has 512 characters; the limit is 511"), std::string::npos)
        << result.err;
}

// "--" ends the options, so SQL may begin with a "--" comment (which runs to the next semicolon,
// as line breaks become blanks); without it, such text is refused as an unknown option.
TEST_F(CliSql, DoubleDashEndsTheOptions)
{
    CliRun refused = run("-c '" + m_connect + "' '-- first row' 'SELECT id FROM m WHERE id = 1'");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("unknown option"), std::string::npos) << refused.err;

    CliRun result
        = run("-c '" + m_connect + "' -- '-- first row;' 'SELECT id FROM m WHERE id = 1'");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "id\n---------\n         1\n");
}

TEST_F(CliSql, WithoutAConfiguredDatabaseItSaysSo)
{
    WriteProfileStringA("tessilo40", "ConnectStr", nullptr);
    WriteProfileStringA("tessilo40", "ConnectStrInstalled", nullptr);
    CliRun result = run("'SELECT 1'");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("no usable database"), std::string::npos) << result.err;
}

TEST_F(CliSql, TheDefaultConnectStringReachesTheSampleDatabase)
{
    testsupport::buildSampleDatabase(50);
    CliRun result = run("\"SELECT COUNT(*) AS n FROM sqlite_master WHERE type = 'table'\"");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("n\n---------\n         7\n"), std::string::npos) << result.out;
}

} // namespace
