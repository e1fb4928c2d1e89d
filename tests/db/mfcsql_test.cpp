// The statement layer against real drivers: splitting, counts, bindings, widths, NULLs, type
// codes, reported errors and shared connections, on SQLite and PostgreSQL alike. (The text of the
// diagnostics is tested where it lands, in the output views.)
#include "db/sqlquerycommon.h"
#include "recordingsql.h"
#include "odbctest.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

class MfcSQLBackend : public BackendTest {
protected:
    std::unique_ptr<RecordingSQL> connect()
    {
        long result = 0;
        auto sql = std::make_unique<RecordingSQL>(m_db->connectString(), &result);
        EXPECT_EQ(result, 0);
        return sql;
    }
    // Whether the server comes to count this many connections to the test's database besides
    // the one asking (a closed connection's server process ends a moment after the disconnect);
    // only PostgreSQL can tell, SQLite answers true.
    bool serverConnectionsBecome(long expected)
    {
        if (GetParam() != "PostgreSQL")
            return true;
        long result = 0;
        SQLQueryCommon query(const_cast<char*>(m_db->connectString().c_str()), &result);
        LONG count = -1;
        query.m_sql = "SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database() "
                      "AND pid <> pg_backend_pid()";
        query.m_valueType = SQLQUERY_LONG;
        query.m_destination = &count;
        for (int i = 0; i < 100; ++i) {
            if (result != 0 || query.SQLQueryExec() != 0)
                return false;
            if (count == expected)
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "the server counts " << count << " connections, expected " << expected;
        return false;
    }
};

TEST_P(MfcSQLBackend, EveryStatementRunsAndCountHoldsTheLast)
{
    exec("CREATE TABLE t (id INTEGER, name VARCHAR(20))");
    auto sql = connect();
    long count = -5;
    EXPECT_EQ(sql->run("INSERT INTO t VALUES (1, 'a'); INSERT INTO t VALUES (2, 'b');"
                       "INSERT INTO t VALUES (3, 'c');SELECT id FROM t ORDER BY id; "
                       "SELECT name FROM t WHERE id < 3 ORDER BY id; SELECT 99",
                  &count),
        0);
    ASSERT_EQ(sql->statements.size(), 5u);
    EXPECT_EQ(sql->statements[1], " INSERT INTO t VALUES (2, 'b');");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(sql->column(0), (std::vector<std::string> { "1", "2", "3", "a", "b" }));
    EXPECT_EQ(sql->errors(), 0u);

    EXPECT_EQ(sql->run("UPDATE t SET name = 'z' WHERE id = 2;", &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(sql->run("UPDATE t SET name = 'z' WHERE id = 999;", &count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(sql->errors(), 0u);
}

// Line breaks and tabs reach the driver as spaces; every semicolon ends a statement, also one
// inside a literal.
TEST_P(MfcSQLBackend, StatementTextReachesTheDriverSplitAtEverySemicolon)
{
    auto sql = connect();
    long count = 0;
    sql->run("SELECT\r\n'a\nb\tc'\bAS\r\nv;", &count);
    ASSERT_EQ(sql->statements.size(), 1u);
    EXPECT_EQ(sql->statements[0], "SELECT  'a b c' AS  v;");
    ASSERT_EQ(sql->cells.size(), 1u);
    EXPECT_EQ(sql->cells[0].text, "a b c");
    EXPECT_EQ(count, 1);

    sql->statements.clear();
    sql->codes.clear();
    sql->run("SELECT 'x;y' AS v;", &count);
    EXPECT_EQ(sql->statements, (std::vector<std::string> { "SELECT 'x;", "y' AS v;" }));
    EXPECT_GT(sql->errors(), 0u);
}

TEST_P(MfcSQLBackend, ColumnWidthIsTheWiderOfDataAndNameAndAtLeastSix)
{
    exec("CREATE TABLE n (c CHAR(2), longer_than_the_data VARCHAR(3), wide VARCHAR(30))");
    exec("INSERT INTO n VALUES ('ab', 'xyz', 'w')");
    auto sql = connect();
    long count = 0;
    sql->run("SELECT c, longer_than_the_data, wide FROM n;", &count);
    EXPECT_EQ(sql->titles, (std::vector<std::string> { "c", "longer_than_the_data", "wide" }));
    EXPECT_EQ(sql->titleWidths, (std::vector<int> { 6, 20, 30 }));
    ASSERT_EQ(sql->cells.size(), 3u);
    EXPECT_EQ(sql->cells[1].formatted, "xyz                 ");
}

TEST_P(MfcSQLBackend, AFailedStatementDoesNotStopTheOnesAfterIt)
{
    exec("CREATE TABLE after_error (id INTEGER)");
    auto sql = connect();
    long count = -1;
    EXPECT_EQ(sql->run("INSERT INTO missing VALUES (1); INSERT INTO after_error VALUES (5);"
                       "SELECT absent FROM missing; SELECT id FROM after_error;",
                  &count),
        0);
    EXPECT_EQ(sql->statements.size(), 4u);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(sql->column(0), std::vector<std::string> { "5" });
    EXPECT_EQ(sql->errors(), 2u);
}

// The concise types as the two drivers report them under ODBC 2 rules, and how binary data of
// unknown width is bound (never with a negative length: with the whole buffer).
TEST_P(MfcSQLBackend, TypeCodesOfDatesRealsAndBinaryData)
{
    exec("CREATE TABLE k (d DATE, ts TIMESTAMP, r " + m_db->type("real") + ", f "
        + m_db->type("double") + ", b " + m_db->type("blob") + ", i INTEGER)");
    exec("INSERT INTO k VALUES ('2004-05-06', '2004-05-06 07:08:09', 1.5, 2.25, "
        + m_db->blobLiteral("\x01\xab") + ", 7)");
    auto sql = connect();
    long count = 0;
    sql->run("SELECT d, ts, r, f, b, i FROM k;", &count);
    ASSERT_EQ(sql->cells.size(), 6u);
    EXPECT_EQ(sql->cells[0].sqlType, 9);
    EXPECT_EQ(sql->cells[1].sqlType, 11);
    EXPECT_EQ(sql->cells[0].text, "2004-05-06");
    EXPECT_EQ(sql->cells[1].text, "2004-05-06 07:08:09");
    if (GetParam() == "SQLite") {
        EXPECT_EQ(sql->cells[2].sqlType, 8);
        EXPECT_EQ(sql->cells[3].sqlType, 8);
    } else {
        EXPECT_EQ(sql->cells[2].sqlType, 7);
        EXPECT_EQ(sql->cells[3].sqlType, 6);
    }
    EXPECT_EQ(std::stod(sql->cells[2].text), 1.5);
    EXPECT_EQ(std::stod(sql->cells[3].text), 2.25);
    if (GetParam() == "SQLite") { // binary data comes back as a hex literal in a text column
        EXPECT_EQ(sql->cells[4].sqlType, SQL_CHAR);
        EXPECT_EQ(sql->cells[4].text, "X'01AB'");
    } else { // bytea: long binary of unknown width, as hex digits
        EXPECT_EQ(sql->cells[4].sqlType, SQL_LONGVARBINARY);
        EXPECT_FALSE(sql->cells[4].isCharacter);
        EXPECT_EQ(sql->cells[4].width, 258);
        EXPECT_EQ(sql->cells[4].text, "01ab");
    }
    EXPECT_EQ(sql->cells[5].text, "7");
    EXPECT_EQ(sql->errors(), 0u);
}

TEST_P(MfcSQLBackend, FailedConnectLeavesTheCodeAndAClearedObject)
{
    std::string bad = "Driver=/nonexistent/libnothing.so;";
    long failed = 0;
    RecordingSQL broken(bad, &failed);
    EXPECT_EQ(failed, SQL_ERROR);
    EXPECT_EQ(broken.m_ODBCItem.henv, nullptr);
    EXPECT_EQ(broken.m_ODBCItem.hdbc, nullptr);
    EXPECT_EQ(broken.m_ODBCItem.connect[0], '\0');
    EXPECT_EQ(broken.m_ODBCItem.separator, '\0');
    EXPECT_EQ(broken.m_ODBCItem.columnFormat[0].shown, 0);

    long untouched = 12345;
    RecordingSQL good(m_db->connectString(), &untouched);
    EXPECT_EQ(untouched, 12345);
    EXPECT_NE(good.m_ODBCItem.hdbc, nullptr);
    EXPECT_EQ(good.m_ODBCItem.columnFormat[49].totals, 1);
}

// Copies share the connection: each copy runs statements after the other is gone, whichever goes
// first, and the connection closes with the last of them.
TEST_P(MfcSQLBackend, CopiesShareTheConnectionUntilTheLastGoes)
{
    exec("CREATE TABLE c (id INTEGER)");
    exec("INSERT INTO c VALUES (7)");
    auto works = [](RecordingSQL& sql) {
        sql.codes.clear();
        long count = 0;
        sql.run("SELECT id FROM c;", &count);
        return count == 1 && sql.errors() == 0;
    };
    for (bool copyGoesFirst : { true, false }) {
        auto original = connect();
        auto copy = std::make_unique<RecordingSQL>(*original);
        EXPECT_EQ(copy->m_ODBCItem.hdbc, original->m_ODBCItem.hdbc);
        (copyGoesFirst ? copy : original).reset();
        RecordingSQL& left = copyGoesFirst ? *original : *copy;
        EXPECT_TRUE(works(left)) << "copy goes first: " << copyGoesFirst;
        EXPECT_TRUE(serverConnectionsBecome(1));
    }
    EXPECT_TRUE(serverConnectionsBecome(0));

    // Assignment gives up the target's own connection and shares the source's; de-initialising
    // one sharer leaves the other connected.
    auto source = connect();
    auto target = connect();
    EXPECT_TRUE(serverConnectionsBecome(2));
    *target = *source;
    EXPECT_TRUE(serverConnectionsBecome(1));
    EXPECT_EQ(source->MfcSQLDeInit(), 0);
    EXPECT_EQ(source->m_ODBCItem.hdbc, nullptr);
    EXPECT_TRUE(works(*target));
    *source = *target;
    target.reset();
    EXPECT_TRUE(works(*source));
    source.reset();
    EXPECT_TRUE(serverConnectionsBecome(0));
}

// The executors share the same way.
TEST_P(MfcSQLBackend, CopiedExecutorsShareTheConnection)
{
    long result = 0;
    auto query = std::make_unique<SQLQueryCommon>(
        const_cast<char*>(m_db->connectString().c_str()), &result);
    ASSERT_EQ(result, 0);
    SQLQueryCommon copy(*query);
    SQLQueryCommon assigned;
    assigned = copy;
    query.reset();
    LONG value = 0;
    for (SQLQueryCommon* q : { &copy, &assigned }) {
        value = 0;
        q->m_sql = "SELECT 5 AS v";
        q->m_valueType = SQLQUERY_LONG;
        q->m_destination = &value;
        EXPECT_EQ(q->SQLQueryExec(), 0);
        EXPECT_EQ(value, 5);
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, MfcSQLBackend, testing::ValuesIn(TestDb::backends()),
    [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
