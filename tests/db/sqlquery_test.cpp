// The executors on SQLite and PostgreSQL: stored SQL, counts, captured values of every type and
// the title-less result walk.
#include "db/orlamocdatabase.h"
#include "db/sqlquerycommon.h"

#include <atltime.h>
#include "odbctest.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class Executors : public BackendTest {
protected:
    void SetUp() override
    {
        BackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        exec("CREATE TABLE r (id INTEGER, n INTEGER, label VARCHAR(300), ts TIMESTAMP, x "
            + m_db->type("double") + ")");
        exec("INSERT INTO r VALUES (1, 4, '12 apples', '2004-05-06 07:08:09', 1.25)");
        exec("INSERT INTO r VALUES (2, NULL, NULL, NULL, NULL)");
        exec("INSERT INTO r VALUES (3, 9, 'last', '2010-11-12 13:14:15', 2.5)");
    }
    std::string connect() const { return m_db->connectString(); }

    // Runs one capture on a fresh query object.
    long capture(
        const std::string& sql, long type, void* destination, orlamoCDatabase* db = nullptr)
    {
        long result = 0;
        SQLQueryCommon query(const_cast<char*>(connect().c_str()), &result);
        EXPECT_EQ(result, 0);
        query.m_sql = sql.c_str();
        query.m_valueType = type;
        query.m_destination = destination;
        query.m_database = db;
        return query.SQLQueryExec();
    }
};

TEST_P(Executors, SingleStatementWithoutSemicolonRunsOnceAndKeepsTheSemicolon)
{
    long result = 0;
    SQLQuery query(const_cast<char*>(connect().c_str()), &result);
    ASSERT_EQ(result, 0);
    query.m_sql = "INSERT INTO r (id) VALUES (10)";
    EXPECT_EQ(query.SQLQueryExec(), 0);
    EXPECT_STREQ(query.m_sql.GetString(), "INSERT INTO r (id) VALUES (10);");
    EXPECT_EQ(query.m_count, 1);
    EXPECT_EQ(query.SQLQueryExec(), 0); // runs again, unchanged text
    EXPECT_STREQ(query.m_sql.GetString(), "INSERT INTO r (id) VALUES (10);");
    LONG rows = 0;
    EXPECT_EQ(capture("SELECT id FROM r WHERE id = 10", SQLQUERY_COUNT, &rows), 0);
    EXPECT_EQ(rows, 2);

    query.m_sql.Empty();
    query.m_count = 42;
    EXPECT_EQ(query.SQLQueryExec(), 0);
    EXPECT_EQ(query.m_count, 42);
}

TEST_P(Executors, CountsAddNonNullCellsToTheDestination)
{
    for (long type : { SQLQUERY_COUNT, SQLQUERY_SQLSQL, SQLQUERY_NOQUERY }) {
        LONG counter = 10;
        EXPECT_EQ(capture("SELECT id FROM r", type, &counter), 0);
        EXPECT_EQ(counter, 13) << type;
        counter = 0;
        EXPECT_EQ(capture("SELECT n FROM r;", type, &counter), 0);
        EXPECT_EQ(counter, 2) << type;
    }
}

TEST_P(Executors, ValuesAreTheLastNonNullCellOfTheLastRow)
{
    LONG number = -7;
    EXPECT_EQ(capture("SELECT id, n FROM r WHERE id = 1", SQLQUERY_LONG, &number), 0);
    EXPECT_EQ(number, 4);
    EXPECT_EQ(capture("SELECT n FROM r ORDER BY id", SQLQUERY_LONG, &number), 0);
    EXPECT_EQ(number, 9);
    EXPECT_EQ(capture("SELECT label FROM r WHERE id = 1", SQLQUERY_LONG, &number), 0);
    EXPECT_EQ(number, 12);
    number = -7;
    EXPECT_EQ(capture("SELECT n FROM r WHERE id = 2", SQLQUERY_LONG, &number), 0);
    EXPECT_EQ(number, -7);
    EXPECT_EQ(capture("SELECT n FROM r WHERE id = 99", SQLQUERY_LONG, &number), 0);
    EXPECT_EQ(number, -7);

    double value = 0;
    EXPECT_EQ(capture("SELECT x FROM r ORDER BY id", SQLQUERY_DOUBLE, &value), 0);
    EXPECT_DOUBLE_EQ(value, 2.5);

    char text[512];
    std::memset(text, 'z', sizeof text);
    EXPECT_EQ(capture("SELECT label FROM r WHERE id = 1", SQLQUERY_TEXT, text), 0);
    EXPECT_STREQ(text, "12 apples");
    exec("INSERT INTO r (id, label) VALUES (4, '" + std::string(300, 'L') + "')");
    EXPECT_EQ(capture("SELECT label FROM r WHERE id = 4", SQLQUERY_TEXT, text), 0);
    EXPECT_EQ(std::string(text), std::string(258, 'L'));

    LONG untouched = 5;
    EXPECT_EQ(capture("SELECT id FROM r", 3, &untouched), 0);
    EXPECT_EQ(untouched, 5);
    EXPECT_EQ(capture("SELECT id FROM r", SQLQUERY_LONG, nullptr), 0);
}

TEST_P(Executors, TimesAreCapturedOnlyWithADatabaseObject)
{
    CTime time(static_cast<time_t>(-1));
    EXPECT_EQ(capture("SELECT ts FROM r WHERE id = 1", SQLQUERY_CTIME, &time), 0);
    EXPECT_EQ(time.GetTime(), static_cast<time_t>(-1));
    orlamoCDatabase database;
    EXPECT_EQ(capture("SELECT ts FROM r ORDER BY id", SQLQUERY_CTIME, &time, &database), 0);
    EXPECT_EQ(time.GetTime(), CTime(2010, 11, 12, 13, 14, 15).GetTime());
    EXPECT_EQ(time.GetYear(), 2010);
    EXPECT_EQ(time.GetSecond(), 15);
}

TEST_P(Executors, FailedConnectRunsNothingAndCapturesNothing)
{
    long result = 0;
    char bad[] = "Driver=/nonexistent/driver.so;";
    SQLQueryCommon query(bad, &result);
    EXPECT_NE(result, 0);
    LONG value = 3;
    query.m_sql = "SELECT 1";
    query.m_valueType = SQLQUERY_LONG;
    query.m_destination = &value;
    EXPECT_EQ(query.SQLQueryExec(), 0);
    EXPECT_EQ(value, 3);
}

// Built from the profile or from a connect string, a query keeps the completed connect string.
TEST_P(Executors, ConstructionKeepsTheCompletedConnectString)
{
    WriteProfileStringA("tessilo40", "ConnectStr", connect().c_str());
    long result = 0;
    std::string text = connect();
    char* given = const_cast<char*>(text.c_str());
    SQLQuery fromProfile(&result);
    SQLQuery fromString(given, &result);
    SQLQueryCommon commonFromProfile(&result);
    SQLQueryCommon commonFromString(given, &result);
    EXPECT_EQ(result, 0);
    for (SQLQuery* query : { &fromProfile, &fromString, static_cast<SQLQuery*>(&commonFromProfile),
             static_cast<SQLQuery*>(&commonFromString) }) {
        EXPECT_FALSE(query->m_connect.IsEmpty());
        EXPECT_STREQ(query->m_connect.GetString(), query->m_ODBCItem.connect);
    }
    WriteProfileStringA("tessilo40", "ConnectStr", nullptr);
}

TEST_P(Executors, UntiedSevenArgumentQueryKeepsItsText)
{
    long result = 0;
    std::string text = connect();
    char sql[] = "SELECT id FROM r";
    orlamoCDatabase database;
    SQLQueryCommon query(&result, const_cast<char*>(text.c_str()), sql, nullptr,
        static_cast<unsigned int>(-1), &database, 1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(query.m_tie, 0);
    EXPECT_EQ(query.m_database, &database);
    EXPECT_STREQ(query.m_sql.GetString(), "SELECT id FROM r");
    EXPECT_STREQ(query.m_connect.GetString(), text.c_str());
    EXPECT_EQ(query.m_count, 0);
    EXPECT_EQ(query.SQLQueryExec(), 0);
    EXPECT_EQ(query.m_count, 3);
}

// An executor that walks results without titles and changes each binding's type for its call.
class TypeChangingExec : public MfcSQLExec {
public:
    TypeChangingExec(const std::string& connect, long* result)
        : MfcSQLExec(const_cast<char*>(connect.c_str()), result)
    {
    }
    using MfcSQL::MfcSQLOutputTitle;
    long SQLDisplayResults(void* hstmt, short columns) override
    {
        return MfcSQLDisplayResults(hstmt, columns);
    }
    CString MfcSQLOutputTitle(char*, STR_BINDING*, long) override
    {
        ++titles;
        return CString();
    }
    long MfcSQLOutput(char*, STR_BINDING* binding, long*, long column, void*) override
    {
        seen.push_back(binding->sqlType);
        binding->sqlType = 999;
        binding->isCharacter = TRUE;
        return column == 0 ? 0 : 1; // only the first column counts
    }
    int titles = 0;
    std::vector<long> seen;
};

TEST_P(Executors, ResultWalkWithoutTitlesRestoresEachBinding)
{
    long result = 0;
    TypeChangingExec exec(connect(), &result);
    ASSERT_EQ(result, 0);
    EXPECT_EQ(exec.Connect(), 0);
    _ODBCItemBuff* buff = exec.MfcSQLSetSQLBuff(100);
    long count = 0;
    char sql[] = "SELECT id, label FROM r ORDER BY id;";
    EXPECT_EQ(exec.MfcSQLExecStr(sql, &count, buff), 0);
    exec.MfcSQLFreeSQLBuff(buff);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(exec.titles, 0);
    ASSERT_EQ(exec.seen.size(), 6u);
    for (size_t i = 0; i < exec.seen.size(); i += 2) {
        EXPECT_EQ(exec.seen[i], exec.seen[0]);
        EXPECT_NE(exec.seen[i], 999);
        EXPECT_NE(exec.seen[i + 1], 999);
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, Executors, testing::ValuesIn(TestDb::backends()),
    [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(MfcSQLExecDates, EveryPartIsWrittenOnceTheDateIsComplete)
{
    MfcSQLExec exec;
    struct {
        const char* text;
        const char* longForm;
        const char* shortForm;
    } cases[] = {
        { "2007-03-05 10:20:30", "March 05,2007", "03/05/07" },
        { "2007/13/05 00:00:00", "?? 05,2007", "13/05/07" },
        { "--  ", "?? ,", "//" },
        { "2007-03-05", "unchanged", "unchanged" },
        { "", "unchanged", "unchanged" },
    };
    for (const auto& c : cases) {
        CString longForm("unchanged");
        CString shortForm("unchanged");
        char text[64];
        std::strcpy(text, c.text);
        EXPECT_EQ(exec.MfcSQLFormatDate(text, &longForm), 0);
        EXPECT_EQ(exec.MfcSQLFormatDateShort(text, &shortForm), 0);
        EXPECT_STREQ(longForm.GetString(), c.longForm) << c.text;
        EXPECT_STREQ(shortForm.GetString(), c.shortForm) << c.text;
    }
}

} // namespace
