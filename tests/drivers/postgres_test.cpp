// The shared PostgreSQL server of the test run. (The private one that a test may stop is proved by
// the server-loss test, which needs it to start and to stop.)
#include "odbcclient.h"
#include "odbctest.h"

#include <gtest/gtest.h>

#include <cctype>

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
            // The drivers name their logs "...<pid>.log"; the whole number must match, or a log
            // of process 14897 would count for process 4897.
            const std::string tail = pid + ".log";
            const bool ours = name.size() > tail.size()
                && name.compare(name.size() - tail.size(), tail.size(), tail) == 0
                && !std::isdigit(static_cast<unsigned char>(name[name.size() - tail.size() - 1]));
            if ((name.rfind("psqlodbc_", 0) == 0 || name.rfind("mylog_", 0) == 0) && ours)
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

} // namespace
