// A database server that goes away in the middle of a result set: the fetch loop reports the
// failure and ends instead of spinning, and the statement object stays usable.
#include "odbctest.h"
#include "recordingsql.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

TEST(ServerLoss, PostgreSQLStoppedDuringAFetchEndsTheResultWithErrorLines)
{
    testsupport::PostgresServer server;
    ASSERT_TRUE(server.start());
    // Rows travel in blocks of 50 through a server-side cursor, so the fetch loop meets the
    // stopped server after the first blocks.
    std::string connect = server.connectString() + "UseDeclareFetch=1;Fetch=50;";
    {
        long result = 0;
        RecordingSQL setup(connect, &result);
        ASSERT_EQ(result, 0);
        long count = 0;
        setup.run("CREATE TABLE big (id INTEGER, label VARCHAR(20));"
                  "INSERT INTO big SELECT g, 'row ' || g FROM generate_series(1, 5000) g;",
            &count);
        ASSERT_EQ(setup.errors(), 0u);
        ASSERT_EQ(count, 5000);
    }

    long result = 0;
    RecordingSQL sql(connect, &result);
    ASSERT_EQ(result, 0);
    sql.onCell = [&server](const RecordedCell& cell) {
        if (cell.row == 120 && cell.column == 0)
            server.stop();
    };
    auto start = std::chrono::steady_clock::now();
    long count = 0;
    EXPECT_EQ(sql.run("SELECT id, label FROM big ORDER BY id;", &count), 0);
    double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    EXPECT_LT(seconds, 60.0);
    EXPECT_GE(count, 121);
    EXPECT_LT(count, 5000);
    EXPECT_GT(sql.errors(), 0u);
    std::vector<std::string> ids = sql.column(0);
    ASSERT_GE(ids.size(), 121u);
    for (size_t i = 0; i < 121; ++i)
        EXPECT_EQ(ids[i], std::to_string(i + 1));

    // The dead connection keeps failing statement by statement, without crashing.
    sql.codes.clear();
    count = -1;
    EXPECT_EQ(sql.run("SELECT 1;", &count), 0);
    EXPECT_GT(sql.errors(), 0u);
}

} // namespace
