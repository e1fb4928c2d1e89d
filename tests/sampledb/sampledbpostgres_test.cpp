// The sample data loaded into PostgreSQL: the same rows as the SQLite file, one transaction that
// leaves nothing behind on failure, the profile pointed at the server only on success, and the
// library's tools and several clerks' processes working on it.
#include "app/tessilo.h"
#include "db/tessiloappinterface.h"
#include "odbcclient.h"
#include "odbctest.h"
#include "testserver.h"
#include "testdb.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const char* const kTables[] = { "Owners", "WaterYears", "WaterRights", "Meters", "MeterReadings",
    "Inventories", "InventoryLevels" };
const int kReadings = 3000;

std::string bin(const char* program) { return std::string(TESSILO_BINARY_DIR) + "/bin/" + program; }

std::string root() { return getenv("RIVANTA_ROOT"); }

std::string profileString(const char* key)
{
    char buffer[4096] = "";
    GetProfileStringA("tessilo40", key, "", buffer, sizeof buffer);
    return buffer;
}

// An entry of an ODBC connect string ("" when absent).
std::string odbcEntry(const std::string& connect, const std::string& key)
{
    const size_t at = connect.find(key + "=");
    if (at == std::string::npos)
        return "";
    const size_t start = at + key.size() + 1;
    return connect.substr(start, connect.find(';', start) - start);
}

// The libpq connection string of the test server's database.
std::string conninfo(const std::string& odbc, const std::string& database)
{
    return "host=" + odbcEntry(odbc, "Server") + " port=" + odbcEntry(odbc, "Port")
        + " user=" + odbcEntry(odbc, "UID") + " dbname=" + database;
}

std::string quoted(const std::string& text)
{
    std::string out = "'";
    for (char ch : text)
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return out + "'";
}

bool sameCell(const std::optional<std::string>& a, const std::optional<std::string>& b)
{
    if (!a || !b || *a == *b)
        return a == b;
    // Numbers are compared as the doubles they stand for (the drivers print them differently).
    char* endA = nullptr;
    char* endB = nullptr;
    const double x = std::strtod(a->c_str(), &endA);
    const double y = std::strtod(b->c_str(), &endB);
    return *endA == 0 && *endB == 0 && !a->empty() && !b->empty() && x == y;
}

class SampleDbPostgres : public testing::Test {
protected:
    void SetUp() override
    {
        TESSILO_REQUIRE_POSTGRES();
        std::string why;
        db_ = TestDb::create("PostgreSQL", &why);
        ASSERT_TRUE(db_) << why;
        server_ = testsupport::postgresConnectString();
        database_ = odbcEntry(db_->connectString(), "Database");
        local_ = root() + "/drives/c/orlamo40/Rivanta40.mdb";
        // Tests of one process share its root: each starts without a local file or profile keys.
        unlink(local_.c_str());
        setProfile(nullptr, nullptr);
    }
    void TearDown() override
    {
        unlink(local_.c_str());
        setProfile(nullptr, nullptr);
    }

    // Runs tessilo-sampledb with the arguments; standard error into *errors.
    int sampledb(const std::string& arguments, std::string* errors = nullptr)
    {
        const std::string errorFile = root() + "/sampledb.err";
        const int rc = testsupport::runCommand(
            bin("tessilo-sampledb") + " " + arguments + " 2>" + quoted(errorFile));
        std::ifstream in(errorFile);
        const std::string text((std::istreambuf_iterator<char>(in)), {});
        if (errors)
            *errors = text;
        return rc;
    }
    int load(const std::string& extra = "", std::string* errors = nullptr)
    {
        return sampledb("--readings " + std::to_string(kReadings) + " --postgres "
                + quoted(conninfo(server_, database_)) + " " + extra + " >/dev/null",
            errors);
    }
    long count(const std::string& sql)
    {
        OdbcClient client(SQL_OV_ODBC3, false);
        EXPECT_TRUE(SQL_SUCCEEDED(client.connect(db_->connectString())));
        OdbcResult r = client.query(sql);
        if (r.rows.size() != 1 || !r.rows[0][0]) {
            ADD_FAILURE() << sql << ": " << (r.diagnostics.empty() ? "" : r.diagnostics[0].message);
            return -1;
        }
        return std::stol(*r.rows[0][0]);
    }
    long sampleTablesPresent()
    {
        return count("SELECT COUNT(*) FROM information_schema.tables WHERE table_schema = "
                     "current_schema() AND table_name IN ('owners', 'wateryears', 'waterrights', "
                     "'meters', 'meterreadings', 'inventories', 'inventorylevels')");
    }
    void setProfile(const char* connect, const char* installed)
    {
        WriteProfileStringA("tessilo40", "ConnectStr", connect);
        WriteProfileStringA("tessilo40", "ConnectStrInstalled", installed);
    }

    std::unique_ptr<TestDb> db_;
    std::string server_;
    std::string database_;
    std::string local_;
};

TEST_F(SampleDbPostgres, LoadHoldsTheSameRowsAsTheSqliteFileAndSwitchesTheProfile)
{
    testsupport::buildSampleDatabase(kReadings);
    const std::string installed = profileString("ConnectStrInstalled");
    ASSERT_EQ(load(), 0);

    // ConnectStr reaches the server and names the local file, which the library requires to
    // exist; the installed string, naming an existing database, stays as the way back.
    const std::string connect = profileString("ConnectStr");
    EXPECT_EQ(
        connect.rfind("Driver={PostgreSQL ANSI};Server=" + odbcEntry(server_, "Server"), 0), 0u)
        << connect;
    EXPECT_EQ(odbcEntry(connect, "Database"), database_);
    EXPECT_EQ(odbcEntry(connect, "DBQ"), "C:\\orlamo40\\Rivanta40.mdb");
    EXPECT_EQ(profileString("ConnectStrInstalled"), installed);
    EXPECT_STREQ(TessiloApp.ConnectGetConnectStr().GetString(), connect.c_str());

    OdbcClient sqlite(SQL_OV_ODBC3, false);
    OdbcClient postgres(SQL_OV_ODBC3, false);
    ASSERT_TRUE(SQL_SUCCEEDED(sqlite.connect(testsupport::sampleConnectString())));
    ASSERT_TRUE(SQL_SUCCEEDED(postgres.connect(connect)));
    for (const char* table : kTables) {
        const std::string sql = std::string("SELECT * FROM ") + table + " ORDER BY 1";
        const OdbcResult a = sqlite.query(sql);
        const OdbcResult b = postgres.query(sql);
        ASSERT_TRUE(SQL_SUCCEEDED(a.rc) && SQL_SUCCEEDED(b.rc)) << table;
        ASSERT_GT(a.rows.size(), 0u) << table;
        ASSERT_EQ(a.rows.size(), b.rows.size()) << table;
        ASSERT_EQ(a.names.size(), b.names.size()) << table;
        int differences = 0;
        for (size_t row = 0; row < a.rows.size() && differences < 5; ++row)
            for (size_t column = 0; column < a.names.size(); ++column)
                if (!sameCell(a.rows[row][column], b.rows[row][column]) && ++differences <= 5)
                    ADD_FAILURE() << table << " row " << row << " " << a.names[column] << ": "
                                  << a.rows[row][column].value_or("NULL") << " against "
                                  << b.rows[row][column].value_or("NULL");
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM pg_indexes WHERE schemaname = current_schema() AND "
                    "indexname IN ('waterrightsowner', 'metersright', 'meterreadingsmeterdate', "
                    "'meterreadingswateryear', 'inventorylevelsinventorydate')"),
        5);
}

TEST_F(SampleDbPostgres, ADatabaseHoldingTheTablesIsRefusedUnlessReplaceIsGiven)
{
    ASSERT_EQ(load(), 0);
    ASSERT_TRUE(db_->exec("INSERT INTO Owners (OwnerName) VALUES ('kept by the refusal')"));
    setProfile("mine", "installed");
    std::string errors;
    EXPECT_EQ(load("", &errors), 1);
    EXPECT_NE(errors.find("already holds the tables inventories, inventorylevels, meterreadings, "
                          "meters, owners, waterrights, wateryears"),
        std::string::npos)
        << errors;
    EXPECT_NE(errors.find("--replace"), std::string::npos) << errors;
    EXPECT_EQ(count("SELECT COUNT(*) FROM Owners WHERE OwnerName = 'kept by the refusal'"), 1);
    EXPECT_EQ(profileString("ConnectStr"), "mine");
    EXPECT_EQ(profileString("ConnectStrInstalled"), "installed");

    ASSERT_EQ(load("--replace --seed 7"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM Owners WHERE OwnerName = 'kept by the refusal'"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM MeterReadings"), kReadings);
    EXPECT_NE(profileString("ConnectStr"), "mine");
}

TEST_F(SampleDbPostgres, AFailedLoadChangesNothing)
{
    struct Case {
        std::string conninfo;
        const char* message;
    };
    const std::string port = std::to_string(ClosedPort());
    const Case cases[] = {
        { "host=127.0.0.1 port=" + port + " dbname=x", "Connection refused" },
        { "postgresql://127.0.0.1:" + port + "/x", "Connection refused" },
        { conninfo(server_, database_ + "_none"), "does not exist" },
        { "nonsense", "missing \"=\"" },
    };
    setProfile("mine", "installed");
    for (const Case& c : cases) {
        std::string errors;
        EXPECT_EQ(sampledb("--readings 10 --postgres " + quoted(c.conninfo), &errors), 1)
            << c.conninfo;
        EXPECT_NE(errors.find("tessilo-sampledb: PostgreSQL: cannot connect: "), std::string::npos)
            << errors;
        EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
        EXPECT_EQ(profileString("ConnectStr"), "mine");
        EXPECT_EQ(profileString("ConnectStrInstalled"), "installed");
        // The local file the server's connect string would name was built for it and is gone.
        EXPECT_NE(access(local_.c_str(), F_OK), 0) << c.conninfo;
    }
}

TEST_F(SampleDbPostgres, AnInterruptedLoadLeavesNoTables)
{
    // The local file is there, so the load goes to the server at once.
    testsupport::buildSampleDatabase(10);
    setProfile(nullptr, nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const std::string program = bin("tessilo-sampledb");
        const std::string info = conninfo(server_, database_);
        freopen("/dev/null", "w", stdout);
        execl(program.c_str(), program.c_str(), "--readings", "3000000", "--postgres", info.c_str(),
            static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(child, 0);
    // Killed while its transaction is open on the server.
    const std::string open = "SELECT COUNT(*) FROM pg_stat_activity WHERE datname = '" + database_
        + "' AND xact_start IS NOT NULL AND pid <> pg_backend_pid()";
    bool inTransaction = false;
    for (int i = 0; i < 300 && !inTransaction; ++i) {
        inTransaction = count(open) > 0;
        if (!inTransaction)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(inTransaction) << "the load never opened its transaction";
    ASSERT_TRUE(WIFSIGNALED(status)) << "the load ended before it was interrupted";
    EXPECT_EQ(sampleTablesPresent(), 0);
    EXPECT_EQ(profileString("ConnectStr"), "");
}

TEST_F(SampleDbPostgres, TheLibraryAndItsToolsWorkThroughTheWrittenConnectString)
{
    ASSERT_EQ(load(), 0);
    std::string output;
    EXPECT_EQ(testsupport::runCommand(bin("tessilo")
                      + " sql \"SELECT COUNT(*) AS readings FROM MeterReadings WHERE WaterYear "
                        "> 2000\" 2>&1",
                  &output),
        0)
        << output;
    EXPECT_NE(output.find(std::to_string(kReadings)), std::string::npos) << output;
    // The report files are standard SQL: the readings per meter add up on the server too.
    EXPECT_EQ(testsupport::runCommand(bin("tessilo") + " report --totals -f '" + TESSILO_SOURCE_DIR
                      + "/tools/sampledb/reports/meter-readings.sql' 2>&1",
                  &output),
        0)
        << output;
    EXPECT_NE(output.find(std::to_string(kReadings), output.find(" Totals ")), std::string::npos)
        << output;

    EXPECT_EQ(testsupport::runCommand(bin("tessilo") + " status 2>&1", &output), 0) << output;
    EXPECT_NE(output.find("reaches              PostgreSQL server " + odbcEntry(server_, "Server")
                  + ":" + odbcEntry(server_, "Port") + ", database \"" + database_ + "\""),
        std::string::npos)
        << output;
    EXPECT_NE(output.find("answers              yes: PostgreSQL"), std::string::npos) << output;

    CTessiloAppInterface facade;
    ASSERT_EQ(facade.InitDB(), 1);
    EXPECT_EQ(facade.GetTableID("SELECT COUNT(*) FROM Owners"), 480);
    EXPECT_EQ(facade.GetTableID("SELECT MAX(ReadingID) FROM MeterReadings"), kReadings);
    EXPECT_STREQ(facade
                     .GetTableCString("SELECT WaterYear FROM WaterYears WHERE Remarks IS NOT "
                                      "NULL ORDER BY WaterYear")
                     .GetString(),
        "2021");
    facade.DeinitDB();
}

TEST_F(SampleDbPostgres, ClerksInSeveralProcessesLoseAndDuplicateNoRows)
{
    ASSERT_EQ(load(), 0);
    const int clerks = 4, entries = 25;
    std::vector<pid_t> children;
    for (int clerk = 0; clerk < clerks; ++clerk) {
        std::string sql;
        for (int entry = 0; entry < entries; ++entry) {
            const std::string note
                = "clerk " + std::to_string(clerk) + " entry " + std::to_string(entry);
            sql += "SELECT MAX(MeterReading) FROM MeterReadings WHERE MeterID = "
                + std::to_string(entry + 1)
                + ";\nINSERT INTO MeterReadings (MeterID, ReadingDate, "
                  "MeterReading, Estimated, Note) VALUES ("
                + std::to_string(entry + 1) + ", '2026-01-05', 1, 0, '" + note + "');\n";
        }
        const std::string file = root() + "/clerk" + std::to_string(clerk) + ".sql";
        std::ofstream(file) << sql;
        const pid_t child = fork();
        if (child == 0) {
            const std::string program = bin("tessilo");
            freopen("/dev/null", "w", stdout);
            execl(program.c_str(), program.c_str(), "sql", "-f", file.c_str(),
                static_cast<char*>(nullptr));
            _exit(127);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(
        count("SELECT COUNT(*) FROM MeterReadings WHERE Note LIKE 'clerk %'"), clerks * entries);
    EXPECT_EQ(count("SELECT COUNT(DISTINCT Note) FROM MeterReadings WHERE Note LIKE 'clerk %'"),
        clerks * entries);
    // New rows got the keys after the loaded ones.
    EXPECT_EQ(
        count("SELECT MIN(ReadingID) FROM MeterReadings WHERE Note LIKE 'clerk %'"), kReadings + 1);
    EXPECT_EQ(count("SELECT MAX(ReadingID) FROM MeterReadings"), kReadings + clerks * entries);
}

} // namespace
