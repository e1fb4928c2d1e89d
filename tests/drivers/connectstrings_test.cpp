// The suite's connect strings through the driver manager to the Access driver.
#include "odbcclient.h"
#include "odbctest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the six built-in templates become when rewritten for "C:\orlamo40\Rivanta40.mdb" with the
// default folder "C:\orlamo40" (DBQ replaced; FILEDSN and DefaultDir replaced, or appended as
// "FILEDSN=<path after the drive>;" and "Defaultdir=<drive and folder>;" when the template has
// none).
struct TemplateCase {
    int number;
    const char* connect;
    bool refusedByDriverManager;
};

const TemplateCase kTemplates[] = {
    { 0,
        "DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;DriverId=25;FIL=MS Access;"
        "MaxBufferSize=2048;PageTimeout=5;FILEDSN=\\orlamo40\\Rivanta40.mdb;"
        "Defaultdir=C:\\orlamo40\\;",
        false },
    { 1,
        "DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;DefaultDir=C:\\orlamo40;"
        "Driver={Microsoft Access Driver (*.mdb)};DriverId=25;FIL=MS Access;"
        "FILEDSN=C:\\orlamo40\\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;",
        false },
    { 2,
        "DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;DefaultDir=C:\\orlamo40;"
        "Driver={Driver do Microsoft Access (*.mdb)};DriverId=25;FIL=MS Access;"
        "FILEDSN=C:\\orlamo40\\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;",
        false },
    // "ODBC;" hides DSN= from unixODBC (it reads "ODBC;DSN" as one key), so these two connect
    // through their Driver= entry.
    { 3,
        "ODBC;DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;DefaultDir=C:\\orlamo40;"
        "Driver={Microsoft Access Driver (*.mdb)};DriverId=25;FIL=MS Access;"
        "FILEDSN=C:\\orlamo40\\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;",
        false },
    { 4,
        "ODBC;DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;DefaultDir=C:\\orlamo40;"
        "Driver={Driver do Microsoft Access (*.mdb)};DriverId=25;FIL=MS Access;"
        "FILEDSN=C:\\orlamo40\\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;",
        false },
    // Refused by unixODBC itself: behind "ODBC;" it sees no DSN= and there is no Driver=, so it
    // has no driver to load and answers IM002 before any driver is involved.
    { 5,
        "ODBC;DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;DriverId=25;FIL=MS Access;"
        "MaxBufferSize=2048;PageTimeout=5;FILEDSN=\\orlamo40\\Rivanta40.mdb;"
        "Defaultdir=C:\\orlamo40\\;",
        true },
};

constexpr int kReadings = 1234;

std::string fileContents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PrintTo(const TemplateCase& c, std::ostream* os) { *os << "template " << c.number; }

class TemplateConnect : public testing::TestWithParam<std::tuple<TemplateCase, bool>> { };

TEST_P(TemplateConnect, ReachesTheSampleDatabaseUnlessTheDriverManagerRefuses)
{
    const TemplateCase& t = std::get<0>(GetParam());
    const bool cursorLibrary = std::get<1>(GetParam());
    const std::string path = testsupport::buildSampleDatabase(kReadings);
    const std::string before = fileContents(path);

    OdbcClient client(SQL_OV_ODBC2, cursorLibrary);
    std::string completed;
    SQLRETURN rc = client.connect(t.connect, &completed);
    if (t.refusedByDriverManager) {
        ASSERT_EQ(rc, SQL_ERROR);
        ASSERT_FALSE(client.diagnostics().empty());
        EXPECT_EQ(client.diagnostics()[0].state, "IM002");
        EXPECT_NE(client.diagnostics()[0].message.find("[Driver Manager]"), std::string::npos);
        EXPECT_EQ(fileContents(path), before) << "a refused connect must not touch the database";
        return;
    }
    ASSERT_TRUE(SQL_SUCCEEDED(rc))
        << (client.diagnostics().empty() ? std::string("no diagnostics")
                                         : client.diagnostics()[0].message);
    OdbcResult r = client.query("SELECT COUNT(*) FROM MeterReadings");
    ASSERT_EQ(r.rc, SQL_SUCCESS);
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0][0], std::to_string(kReadings));

    // The completed string keeps the Access driver's keys, so a stored one still names the file.
    EXPECT_NE(completed.find("DBQ=C:\\orlamo40\\Rivanta40.mdb;"), std::string::npos) << completed;
    EXPECT_EQ(completed.find("Database="), std::string::npos) << completed;
    EXPECT_EQ(completed.rfind("DSN=Rivanta 4.0;", 0), 0u) << completed;
    if (t.number >= 1) {
        EXPECT_NE(completed.find("Driver={"), std::string::npos) << completed;
    }
}

INSTANTIATE_TEST_SUITE_P(BuiltInTemplates, TemplateConnect,
    testing::Combine(testing::ValuesIn(kTemplates), testing::Bool()),
    [](const testing::TestParamInfo<TemplateConnect::ParamType>& info) {
        return "Template" + std::to_string(std::get<0>(info.param).number)
            + (std::get<1>(info.param) ? "CursorLibrary" : "DriverCursors");
    });

// The spellings of one database file that must all reach it.
TEST(DatabasePath, WindowsAndNativeSpellingsReachTheSameFile)
{
    const std::string native = testsupport::buildSampleDatabase(17);
    const std::string spellings[] = {
        "C:\\orlamo40\\Rivanta40.mdb",
        "\\\\orlamo40\\\\Rivanta40.mdb", // rooted on the current drive, doubled separators
        "C:\\\\orlamo40\\\\\\Rivanta40.mdb",
        "c:/ORLAMO40/rivanta40.MDB", // Windows names match regardless of case
        "{C:\\orlamo40\\Rivanta40.mdb}",
        native,
    };
    for (const std::string& dbq : spellings) {
        OdbcClient client;
        ASSERT_TRUE(SQL_SUCCEEDED(
            client.connect("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + dbq + ";")))
            << dbq;
        OdbcResult r = client.query("SELECT COUNT(*) FROM MeterReadings");
        ASSERT_EQ(r.rows.size(), 1u) << dbq;
        EXPECT_EQ(r.rows[0][0], "17") << dbq;
    }
}

TEST(DatabasePath, DataSourceEntrySuppliesTheFileWhenTheConnectStringHasNone)
{
    testsupport::buildSampleDatabase(5);
    OdbcClient client;
    std::string completed;
    ASSERT_TRUE(SQL_SUCCEEDED(client.connect("DSN=Rivanta 4.0;", &completed)));
    EXPECT_EQ(completed, "DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;");
    EXPECT_EQ(client.query("SELECT COUNT(*) FROM MeterReadings").rows.at(0)[0], "5");
}

TEST(CompletedConnectString, TooSmallABufferIsCutWithATruncationWarning)
{
    testsupport::buildSampleDatabase(5);
    OdbcClient client;
    std::string completed;
    const std::string in = testsupport::sampleConnectString();
    SQLRETURN rc = client.connect(in, &completed, 20);
    ASSERT_EQ(rc, SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(completed, in.substr(0, 19));
    ASSERT_FALSE(client.diagnostics().empty());
    EXPECT_EQ(client.diagnostics()[0].state, "01004");
}

struct RefusedCase {
    const char* name;
    const char* dbq; // nullptr: no DBQ at all
    const char* content; // file written at dbq first; nullptr: no file
    const char* state; // in ODBC 2 form
    SQLINTEGER native;
    const char* text;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedDatabase : public testing::TestWithParam<RefusedCase> { };

TEST_P(RefusedDatabase, IsAnErrorWithTheDriversOwnDiagnostic)
{
    const RefusedCase& c = GetParam();
    const std::string folder = std::string(getenv("RIVANTA_ROOT")) + "/drives/c/orlamo40";
    testsupport::runCommand("mkdir -p '" + folder + "'");
    const std::string native = folder + "/Other.mdb";
    unlink(native.c_str());
    if (c.content)
        std::ofstream(native, std::ios::binary) << c.content;

    OdbcClient client;
    std::string in = "Driver={Microsoft Access Driver (*.mdb)};";
    if (c.dbq)
        in += std::string("DBQ=") + c.dbq + ";";
    ASSERT_EQ(client.connect(in), SQL_ERROR);
    ASSERT_FALSE(client.diagnostics().empty());
    const OdbcDiagnostic& d = client.diagnostics()[0];
    EXPECT_EQ(d.state, c.state);
    EXPECT_EQ(d.native, c.native);
    EXPECT_NE(d.message.find("[ODBC Access Driver]"), std::string::npos) << d.message;
    EXPECT_NE(d.message.find(c.text), std::string::npos) << d.message;
    if (!c.content) {
        struct stat st;
        EXPECT_NE(stat(native.c_str(), &st), 0) << "a missing database must not be created";
    }
}

INSTANTIATE_TEST_SUITE_P(Databases, RefusedDatabase,
    testing::Values(RefusedCase { "MissingFile", "C:\\orlamo40\\Other.mdb", nullptr, "S1000", -1811,
                        "Could not find file 'C:\\orlamo40\\Other.mdb'" },
        RefusedCase { "MissingFolder", "C:\\nowhere\\Rivanta40.mdb", nullptr, "S1000", -1811,
            "Could not find file" },
        RefusedCase { "UnknownFormat", "C:\\orlamo40\\Other.mdb", "just some text, no database",
            "S1000", -1206, "Unrecognized database format" },
        RefusedCase { "Folder", "C:\\orlamo40", nullptr, "S1000", -1032, "not a file" },
        RefusedCase { "NoDatabaseGiven", nullptr, nullptr, "IM007", 0, "no DBQ=" }),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

} // namespace
