// The sample database generator: determinism, the data's shape and consistency.
#include "odbcclient.h"
#include "odbctest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <utility>

namespace {

std::string tool() { return std::string(TESSILO_BINARY_DIR) + "/bin/tessilo-sampledb"; }

std::string contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string root() { return getenv("RIVANTA_ROOT"); }

long count(OdbcClient& client, const std::string& sql)
{
    OdbcResult r = client.query(sql);
    EXPECT_EQ(r.rc, SQL_SUCCESS) << sql;
    if (r.rows.size() != 1 || !r.rows[0][0])
        return -1;
    return std::stol(*r.rows[0][0]);
}

TEST(SampleDatabase, SameSeedGivesTheSameFileAndAnotherSeedAnother)
{
    const std::string a = root() + "/a.mdb", b = root() + "/b.mdb", c = root() + "/c.mdb";
    ASSERT_EQ(testsupport::runCommand(tool() + " --readings 3000 " + a + " >/dev/null"), 0);
    ASSERT_EQ(testsupport::runCommand(tool() + " --readings 3000 " + b + " >/dev/null"), 0);
    ASSERT_EQ(
        testsupport::runCommand(tool() + " --seed 7 --readings 3000 " + c + " >/dev/null"), 0);
    const std::string first = contents(a);
    EXPECT_GT(first.size(), 100000u);
    EXPECT_TRUE(first == contents(b)) << "the same seed must give a byte-identical file";
    EXPECT_FALSE(first == contents(c));
}

TEST(SampleDatabase, AnExistingDatabaseIsKeptUnlessForced)
{
    const std::string path = root() + "/keep.mdb";
    std::ofstream(path) << "the user's own file";
    ASSERT_EQ(testsupport::runCommand(tool() + " " + path + " >/dev/null"), 0);
    EXPECT_EQ(contents(path), "the user's own file");
    ASSERT_EQ(
        testsupport::runCommand(tool() + " --force --readings 10 " + path + " >/dev/null"), 0);
    EXPECT_EQ(contents(path).rfind("SQLite format 3", 0), 0u);
}

TEST(SampleDatabase, BadArgumentsAreRefused)
{
    for (const char* args :
        { "--readings", "--readings -5", "--seed x", "--what", "--replace", "--postgres",
            "--postgres ''", "--use-file --profile", "--use-file --postgres x", "a.mdb b.mdb" })
        EXPECT_EQ(testsupport::runCommand(tool() + " " + args + " 2>/dev/null"), 2) << args;
}

TEST(SampleDatabase, HelpDescribesEveryOptionInBothCommands)
{
    std::string own, viaTessilo;
    ASSERT_EQ(testsupport::runCommand(tool() + " --help", &own), 0);
    ASSERT_EQ(testsupport::runCommand(
                  std::string(TESSILO_BINARY_DIR) + "/bin/tessilo help sampledb", &viaTessilo),
        0);
    for (const char* option : { "PATH", "--seed N", "--readings N", "--force", "--profile",
             "--use-file", "--postgres CONNINFO", "--replace", "--help" }) {
        EXPECT_NE(own.find("\n  " + std::string(option) + " "), std::string::npos) << option;
        EXPECT_NE(viaTessilo.find("\n  " + std::string(option) + " "), std::string::npos) << option;
    }
}

// Read through the Access driver, as the suite reads it.
class SampleData : public testing::Test {
protected:
    void SetUp() override
    {
        testsupport::buildSampleDatabase(kReadings);
        ASSERT_TRUE(SQL_SUCCEEDED(client.connect(testsupport::sampleConnectString())));
    }
    static constexpr int kReadings = 5000;
    OdbcClient client;
};

TEST_F(SampleData, TablesHaveTheirRows)
{
    EXPECT_EQ(count(client, "SELECT COUNT(*) FROM MeterReadings"), kReadings);
    EXPECT_EQ(count(client, "SELECT COUNT(*) FROM Owners"), 480);
    EXPECT_EQ(count(client, "SELECT COUNT(*) FROM WaterRights"), 700);
    EXPECT_EQ(count(client, "SELECT COUNT(*) FROM Meters"), 800);
    EXPECT_EQ(count(client, "SELECT COUNT(*) FROM Inventories"), 24);
    EXPECT_EQ(count(client, "SELECT COUNT(*) FROM InventoryLevels"), 24 * 104);
    EXPECT_EQ(count(client, "SELECT COUNT(*) FROM WaterYears"), 17);
}

// The report files run through tessilo report; the totals add up the readings per meter to all
// readings and the inventory checks to every level recorded.
TEST_F(SampleData, ReportFilesRunWithTheirTotals)
{
    const std::pair<const char*, std::string> files[] = {
        { "meter-readings.sql", std::to_string(kReadings) },
        { "inventory-levels.sql", std::to_string(24 * 104) },
        { "owners-meters.sql", "Totals" },
    };
    for (const auto& file : files) {
        std::string output;
        EXPECT_EQ(testsupport::runCommand(std::string(TESSILO_BINARY_DIR)
                          + "/bin/tessilo report --totals -f '" + TESSILO_SOURCE_DIR
                          + "/tools/sampledb/reports/" + file.first + "' 2>&1",
                      &output),
            0)
            << file.first << ": " << output;
        size_t totals = output.find(" Totals ");
        ASSERT_NE(totals, std::string::npos) << file.first;
        EXPECT_NE(output.find(file.second, totals), std::string::npos) << file.first;
    }
}

TEST_F(SampleData, EveryKindOfColumnIsPresentWithNulls)
{
    // integer, real, text, date and timestamp columns, each with some NULLs and some values
    struct Column {
        const char* table;
        const char* column;
        SQLLEN type; // concise type for an ODBC 2 application
    };
    for (const Column& c : { Column { "Owners", "Phone", SQL_CHAR },
             Column { "Meters", "RemovedDate", 9 }, Column { "Inventories", "LastChecked", 11 },
             Column { "WaterYears", "Remarks", SQL_CHAR },
             Column { "MeterReadings", "Note", SQL_CHAR } }) {
        const std::string from = std::string(" FROM ") + c.table;
        const long total = count(client, "SELECT COUNT(*)" + from);
        const long nulls
            = count(client, "SELECT COUNT(*)" + from + " WHERE " + c.column + " IS NULL");
        EXPECT_GT(nulls, 0) << c.table << "." << c.column;
        EXPECT_LT(nulls, total) << c.table << "." << c.column;
        OdbcResult r = client.query(std::string("SELECT ") + c.column + from);
        ASSERT_EQ(r.types.size(), 1u);
        EXPECT_EQ(r.types[0], c.type) << c.table << "." << c.column;
    }
    OdbcResult types = client.query("SELECT ReadingID, Volume, ReadingDate, RecordedAt, ReadBy "
                                    "FROM MeterReadings");
    EXPECT_EQ(types.types, (std::vector<SQLLEN> { SQL_INTEGER, SQL_DOUBLE, 9, 11, SQL_CHAR }));
}

TEST_F(SampleData, ReadingsAreConsistent)
{
    // Each reading adds its volume to the previous one, per meter in date order.
    EXPECT_EQ(count(client,
                  "SELECT COUNT(*) FROM MeterReadings WHERE "
                  "ABS(MeterReading - PreviousReading - Volume) > 0.00015 OR Volume < 0"),
        0);
    EXPECT_EQ(count(client,
                  "SELECT COUNT(*) FROM MeterReadings r JOIN MeterReadings n "
                  "ON n.MeterID = r.MeterID AND n.ReadingDate > r.ReadingDate "
                  "AND ABS(n.PreviousReading - r.MeterReading) > 0.00005 "
                  "AND NOT EXISTS (SELECT 1 FROM MeterReadings m WHERE m.MeterID = "
                  "r.MeterID AND m.ReadingDate > r.ReadingDate AND m.ReadingDate < "
                  "n.ReadingDate)"),
        0);
    // The water year runs from October to September and is named after its end.
    EXPECT_EQ(count(client,
                  "SELECT COUNT(*) FROM MeterReadings WHERE WaterYear <> "
                  "CAST(substr(ReadingDate, 1, 4) AS INTEGER) + "
                  "(CAST(substr(ReadingDate, 6, 2) AS INTEGER) >= 10)"),
        0);
    EXPECT_EQ(count(client,
                  "SELECT COUNT(*) FROM MeterReadings WHERE date(ReadingDate) IS NULL "
                  "OR datetime(RecordedAt) IS NULL OR substr(RecordedAt, 1, 10) <> "
                  "ReadingDate"),
        0);
    EXPECT_EQ(count(client,
                  "SELECT COUNT(*) FROM MeterReadings r LEFT JOIN Meters m "
                  "ON m.MeterID = r.MeterID WHERE m.MeterID IS NULL"),
        0);
}

TEST_F(SampleData, InventoriesStayWithinCapacityAndSomeFallBelowTheirThreshold)
{
    EXPECT_EQ(count(client,
                  "SELECT COUNT(*) FROM InventoryLevels l JOIN Inventories i USING "
                  "(InventoryID) WHERE l.Level < 0 OR l.Level > i.Capacity"),
        0);
    EXPECT_GT(count(client, "SELECT COUNT(*) FROM InventoryLevels WHERE Level < Threshold"), 0);
}

} // namespace
