// Connecting from the profile: the stored connect string, its database file check, the installed
// fall-back, and the drive of the database; the length limit of connect strings.
#include "db/sqlquerycommon.h"
#include "db/tessiloappinterface.h"
#include "odbctest.h"
#include "recordingsql.h"
#include "testdb.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const char kSqlite[] = "Driver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so;";

class ProfileConnect : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tessilo-connect-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_database = m_dir + "/Rivanta40.mdb";
        std::ofstream(m_database).put('\0'); // an empty file is an empty SQLite database
        setProfile("ConnectStr", "");
        setProfile("ConnectStrInstalled", "");
        setProfile("DecimalPlaces", nullptr);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    static void setProfile(const char* key, const char* value)
    {
        WriteProfileStringA("tessilo40", key, value);
    }
    // A connect string the SQLite driver opens, naming the database file with DBQ= as well.
    std::string connectFor(const std::string& file) const
    {
        return std::string(kSqlite) + "Database=" + m_dir + "/open.db;DBQ=" + file + ";";
    }

    std::string m_dir;
    std::string m_database;
};

TEST_F(ProfileConnect, StoredConnectStringNamingAnExistingDatabaseIsUsed)
{
    setProfile("ConnectStr", connectFor(m_database).c_str());
    setProfile("DecimalPlaces", "4");
    long result = 12345;
    MfcSQL sql(&result);
    EXPECT_EQ(result, 12345);
    EXPECT_NE(sql.m_ODBCItem.hdbc, nullptr);
    EXPECT_EQ(sql.m_ODBCItem.decimalPlaces, 4u);
    EXPECT_NE(std::string(sql.m_ODBCItem.connect).find("open.db"), std::string::npos);
}

TEST_F(ProfileConnect, MissingDatabaseWithoutAnInstalledOneFails)
{
    setProfile("ConnectStr", connectFor(m_dir + "/gone/Rivanta40.mdb").c_str());
    long result = 0;
    MfcSQL sql(&result);
    EXPECT_EQ(result, E_FAIL);
    EXPECT_EQ(sql.m_ODBCItem.henv, nullptr);
}

TEST_F(ProfileConnect, EmptyConnectStringReachesTheDriverManagerAndFails)
{
    long result = 0;
    MfcSQL sql(&result);
    EXPECT_EQ(result, SQL_ERROR);
    EXPECT_EQ(sql.m_ODBCItem.hdbc, nullptr);
    EXPECT_EQ(sql.m_ODBCItem.separator, '\0');
}

TEST(ConnectDrive, FromTheDatabasePathOrTheCurrentDirectory)
{
    MfcSQL sql;
    char current[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, current), 1u);
    std::string currentDrive(current, 2);
    struct {
        const char* connect;
        std::string drive;
    } cases[] = {
        { "", "" },
        { "DSN=Rivanta 4.0;", "" },
        { "DBQ=D:\\data\\Rivanta40.mdb;", "D:" },
        { "DSN=x;DBQ=\\\\orlamo40\\\\Rivanta40.mdb;", currentDrive },
        { "DBQ=", currentDrive },
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            std::string(sql.ConnectCDatabaseGetConnectStrGetDrive(c.connect).GetString()), c.drive)
            << c.connect;
}

// The Access driver completes a data source name with the database file, which makes the completed
// string longer than the one given: a string up to the limit still connects, through the
// constructors and the facade alike, and one past it is refused before it reaches the driver.
TEST(ConnectStringLimit, StringsUpTo511CharactersConnectEverywhere)
{
    testsupport::buildSampleDatabase(5);
    auto padded = [](size_t length) {
        std::string text = "DSN=Rivanta 4.0;";
        text += std::string(length - text.size() - 3, 'x') + "=1;";
        return text;
    };
    for (size_t length : { 490u, 511u }) {
        std::string connect = padded(length);
        long result = 0;
        SQLQueryCommon query(const_cast<char*>(connect.c_str()), &result);
        EXPECT_EQ(result, 0) << length;
        LONG rows = 0;
        query.m_sql = "SELECT ReadingID FROM MeterReadings";
        query.m_valueType = SQLQUERY_COUNT;
        query.m_destination = &rows;
        EXPECT_EQ(query.SQLQueryExec(), 0);
        EXPECT_EQ(rows, 5) << length;

        WriteProfileStringA("tessilo40", "ConnectStr", connect.c_str());
        CTessiloAppInterface facade;
        EXPECT_EQ(facade.InitDB(), 1) << length;
        EXPECT_EQ(facade.GetTableCountDistinct1Field("SELECT ReadingID FROM MeterReadings"), 5);
        facade.DeinitDB();
        WriteProfileStringA("tessilo40", "ConnectStr", nullptr);
    }
    long result = 0;
    MfcSQL refused(const_cast<char*>(padded(512).c_str()), &result);
    EXPECT_EQ(result, E_FAIL);
    EXPECT_EQ(refused.m_ODBCItem.henv, nullptr);
}

} // namespace
