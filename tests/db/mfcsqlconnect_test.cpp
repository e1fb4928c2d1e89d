// Connecting from the profile: the stored connect string, its database file check, the installed
// fall-back, and the drive of the database.
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

TEST_F(ProfileConnect, MissingDatabaseFallsBackToTheInstalledConnectString)
{
    setProfile("ConnectStr", connectFor(m_dir + "/gone/Rivanta40.mdb").c_str());
    std::string installed
        = std::string(kSqlite) + "Database=" + m_dir + "/installed.db;DBQ=" + m_database + ";";
    setProfile("ConnectStrInstalled", installed.c_str());
    long result = 0;
    MfcSQL sql(&result);
    EXPECT_EQ(result, 0);
    EXPECT_NE(std::string(sql.m_ODBCItem.connect).find("installed.db"), std::string::npos);
}

TEST_F(ProfileConnect, MissingDatabaseWithoutAnInstalledOneFails)
{
    setProfile("ConnectStr", connectFor(m_dir + "/gone/Rivanta40.mdb").c_str());
    long result = 0;
    MfcSQL sql(&result);
    EXPECT_EQ(result, E_FAIL);
    EXPECT_EQ(sql.m_ODBCItem.henv, nullptr);

    setProfile("ConnectStrInstalled", connectFor(m_dir + "/also-gone/Rivanta40.mdb").c_str());
    long again = 0;
    MfcSQL other(&again);
    EXPECT_EQ(again, E_FAIL);
}

TEST_F(ProfileConnect, OtherFileNamesAreUsedWithoutACheck)
{
    // Not "Rivanta40.mdb": no existence check, the driver decides (SQLite creates the file).
    setProfile("ConnectStr",
        (std::string(kSqlite) + "Database=" + m_dir + "/other.db;DBQ=" + m_dir
            + "/missing/other.mdb;")
            .c_str());
    long result = 0;
    MfcSQL sql(&result);
    EXPECT_EQ(result, 0);
    EXPECT_NE(sql.m_ODBCItem.hdbc, nullptr);
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

} // namespace
