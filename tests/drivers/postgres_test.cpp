// The PostgreSQL servers of the tests: the shared one of the test run and a private one that a
// test may stop.
#include "odbcclient.h"
#include "odbctest.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

namespace {

// psqlODBC's communication log files of this process, which the configuration must prevent.
int communicationLogsOfThisProcess()
{
    int count = 0;
    const std::string pid = std::to_string(getpid());
    if (DIR* dir = opendir("/tmp")) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if ((name.rfind("psqlodbc_", 0) == 0 || name.rfind("mylog_", 0) == 0)
                && name.find(pid) != std::string::npos)
                ++count;
        }
        closedir(dir);
    }
    return count;
}

TEST(PostgresServer, SharedServerAnswersThroughPsqlodbcWithoutCommunicationLogs)
{
    TESSILO_REQUIRE_POSTGRES();
    OdbcClient client;
    ASSERT_TRUE(SQL_SUCCEEDED(client.connect(testsupport::postgresConnectString())));
    OdbcResult r = client.query("SELECT 6 * 7, CAST('2024-05-06' AS DATE)");
    ASSERT_EQ(r.rc, SQL_SUCCESS);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][0], "42");
    EXPECT_EQ(r.rows[0][1], "2024-05-06");
    EXPECT_EQ(r.types[1], 9); // DATE in ODBC 2 form
    EXPECT_EQ(communicationLogsOfThisProcess(), 0);
}

TEST(PostgresServer, PrivateServerStopsOnRequest)
{
    testsupport::PostgresServer server;
    ASSERT_TRUE(server.start());
    {
        OdbcClient client;
        ASSERT_TRUE(SQL_SUCCEEDED(client.connect(server.connectString())));
        EXPECT_EQ(client.query("SELECT 1").rows.size(), 1u);
    }
    const std::string connect = server.connectString();
    server.stop();
    OdbcClient client;
    EXPECT_EQ(client.connect(connect), SQL_ERROR);
    ASSERT_FALSE(client.diagnostics().empty());
    EXPECT_EQ(client.diagnostics()[0].state, "08001");
}

} // namespace
