// The statement layer against real drivers: splitting, counts, bindings, widths, NULLs, type
// codes and diagnostics, on SQLite and PostgreSQL alike.
#include "recordingsql.h"
#include "odbctest.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

class MfcSQLBackend : public BackendTest {
protected:
    std::unique_ptr<RecordingSQL> connect()
    {
        long result = 0;
        auto sql = std::make_unique<RecordingSQL>(m_db->connectString(), &result);
        EXPECT_EQ(result, 0) << testing::PrintToString(sql->errors);
        return sql;
    }
};

TEST_P(MfcSQLBackend, TextWithoutSemicolonRunsNothing)
{
    auto sql = connect();
    long count = 77;
    EXPECT_EQ(sql->run("SELECT 1", &count), 0);
    EXPECT_EQ(count, 77);
    EXPECT_TRUE(sql->statements.empty());
    EXPECT_TRUE(sql->cells.empty());
}

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
    EXPECT_TRUE(sql->errors.empty()) << testing::PrintToString(sql->errors);

    EXPECT_EQ(sql->run("UPDATE t SET name = 'z' WHERE id = 2;", &count), 0);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(sql->run("UPDATE t SET name = 'z' WHERE id = 999;", &count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(sql->errors.empty()) << testing::PrintToString(sql->errors);
}

TEST_P(MfcSQLBackend, LineBreaksAndTabsReachTheDriverAsSpaces)
{
    auto sql = connect();
    long count = 0;
    sql->run("SELECT\r\n'a\nb\tc'\bAS\r\nv;", &count);
    ASSERT_EQ(sql->statements.size(), 1u);
    EXPECT_EQ(sql->statements[0], "SELECT  'a b c' AS  v;");
    ASSERT_EQ(sql->cells.size(), 1u);
    EXPECT_EQ(sql->cells[0].text, "a b c");
    EXPECT_EQ(count, 1);
}

TEST_P(MfcSQLBackend, SemicolonInsideALiteralEndsTheStatement)
{
    auto sql = connect();
    long count = 0;
    sql->run("SELECT 'x;y' AS v;", &count);
    ASSERT_EQ(sql->statements.size(), 2u);
    EXPECT_EQ(sql->statements[0], "SELECT 'x;");
    EXPECT_EQ(sql->statements[1], "y' AS v;");
    EXPECT_FALSE(sql->errors.empty());
}

TEST_P(MfcSQLBackend, WideColumnIsBoundAt259AndCutSilently)
{
    exec("CREATE TABLE w (v VARCHAR(1000))");
    std::string value(400, 'q');
    value[257] = 'E';
    value[258] = 'X';
    exec("INSERT INTO w VALUES ('" + value + "')");
    auto sql = connect();
    long count = 0;
    sql->run("SELECT v FROM w;", &count);
    ASSERT_EQ(sql->cells.size(), 1u);
    EXPECT_EQ(sql->cells[0].width, 258);
    EXPECT_EQ(sql->cells[0].text, value.substr(0, 258));
    EXPECT_TRUE(sql->errors.empty()) << testing::PrintToString(sql->errors);
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

TEST_P(MfcSQLBackend, NullIsWrittenAsBlanksOfTheColumnWidth)
{
    exec("CREATE TABLE z (id INTEGER, name VARCHAR(10))");
    exec("INSERT INTO z VALUES (NULL, NULL)");
    exec("INSERT INTO z VALUES (42, 'ab')");
    auto sql = connect();
    long count = 0;
    sql->run("SELECT id, name FROM z ORDER BY id;", &count);
    ASSERT_EQ(sql->cells.size(), 4u);
    const RecordedCell* null = &sql->cells[0];
    const RecordedCell* number = &sql->cells[2];
    if (sql->cells[0].indicator != SQL_NULL_DATA) { // NULLs sort last on PostgreSQL
        null = &sql->cells[2];
        number = &sql->cells[0];
    }
    EXPECT_EQ(null->indicator, SQL_NULL_DATA);
    EXPECT_EQ(null->formatted, std::string(static_cast<size_t>(null->width), ' '));
    EXPECT_EQ((null + 1)->formatted, std::string(10, ' '));
    EXPECT_EQ(number->formatted, std::string(static_cast<size_t>(number->width) - 2, ' ') + "42");
    EXPECT_EQ((number + 1)->formatted, "ab        ");
}

TEST_P(MfcSQLBackend, DiagnosticsAreOneLinePerRecord)
{
    auto sql = connect();
    long count = 3;
    EXPECT_EQ(sql->run("SELECT * FROM no_such_table;", &count), 0);
    EXPECT_EQ(count, 3);
    ASSERT_FALSE(sql->errors.empty());
    std::regex line(R"(\[[0-9A-Z]{5}\] [\s\S]*no_such_table[\s\S]* \(-?[0-9]+\)\n)");
    EXPECT_TRUE(std::regex_match(sql->errors[0], line)) << sql->errors[0];
    EXPECT_EQ(sql->m_ODBCItem.lastReturn, SQL_ERROR);
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
    ASSERT_GE(sql->errors.size(), 2u);
    for (const std::string& line : sql->errors)
        EXPECT_NE(line.find("missing"), std::string::npos) << line;
}

// The concise types as the two drivers report them under ODBC 2 rules, and how binary data of
// unknown width is bound.
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
    EXPECT_TRUE(sql->errors.empty()) << testing::PrintToString(sql->errors);
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
    EXPECT_EQ(good.m_ODBCItem.separator, '-');
    EXPECT_EQ(good.m_ODBCItem.columnFormat[49].totals, 1);
    EXPECT_EQ(good.m_ODBCItem.decimalPlaces, 2u);
}

TEST_P(MfcSQLBackend, ConnectStringOf512CharactersIsRefused)
{
    std::string connect = m_db->connectString();
    std::string padded = connect + std::string(512 - connect.size() - 5, 'x') + "=1;"; // 510
    long result = 0;
    RecordingSQL fits(padded, &result);
    EXPECT_NE(fits.m_ODBCItem.hdbc, nullptr) << testing::PrintToString(fits.errors);

    std::string tooLong = connect + std::string(512 - connect.size() - 3, 'x') + "=1;"; // 512
    result = 0;
    RecordingSQL refused(tooLong, &result);
    EXPECT_EQ(result, E_FAIL);
    EXPECT_EQ(refused.m_ODBCItem.henv, nullptr);
}

// bytea reports SQL_NO_TOTAL as its display size: bound with the whole buffer, never with a
// negative length, and its hex text cut to the buffer.
TEST(MfcSQLPostgreSQL, LongBinaryIsBoundWithTheWholeBufferAndCut)
{
    TESSILO_REQUIRE_POSTGRES();
    std::string why;
    std::unique_ptr<TestDb> db = TestDb::create("PostgreSQL", &why);
    ASSERT_TRUE(db) << why;
    ASSERT_TRUE(db->exec("CREATE TABLE bin (b BYTEA)", &why)) << why;
    ASSERT_TRUE(
        db->exec("INSERT INTO bin VALUES (" + db->blobLiteral(std::string(200, 'Z')) + ")", &why))
        << why;
    long result = 0;
    RecordingSQL sql(db->connectString(), &result);
    ASSERT_EQ(result, 0);
    long count = 0;
    sql.run("SELECT b FROM bin;", &count);
    ASSERT_EQ(sql.cells.size(), 1u);
    EXPECT_EQ(sql.cells[0].width, 258);
    std::string hex;
    for (int i = 0; i < 129; ++i)
        hex += "5a";
    EXPECT_EQ(sql.cells[0].text, hex.substr(0, 258));
    EXPECT_TRUE(sql.errors.empty()) << testing::PrintToString(sql.errors);
}

INSTANTIATE_TEST_SUITE_P(Drivers, MfcSQLBackend, testing::ValuesIn(TestDb::backends()),
    [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
