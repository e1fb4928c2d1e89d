// Which backend the Access driver chooses, and what passes through it unchanged: diagnostics,
// ODBC 2 type codes, the real Access files read through mdbtools.
#include "odbcclient.h"
#include "odbctest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kAccessDriver = "Driver={Microsoft Access Driver (*.mdb)};";

std::string accessFolder()
{
    return std::string(TESSILO_SOURCE_DIR) + "/../shared/testdata/access";
}

bool exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::string describe(const std::vector<OdbcDiagnostic>& records)
{
    std::string text;
    for (const OdbcDiagnostic& d : records)
        text += "[" + d.state + "] " + d.message + " (" + std::to_string(d.native) + ")\n";
    return text.empty() ? "no diagnostics" : text;
}

TEST(BackendChoice, SqliteFileGoesToTheSqliteDriver)
{
    const std::string path = testsupport::buildSampleDatabase(3);
    OdbcClient client;
    ASSERT_TRUE(SQL_SUCCEEDED(client.connect(std::string(kAccessDriver) + "DBQ=" + path + ";")))
        << describe(client.diagnostics());
    EXPECT_EQ(client.info(SQL_DBMS_NAME), "SQLite");
    EXPECT_EQ(client.info(SQL_DRIVER_ODBC_VER), "03.00");
}

// A file that only carries the Jet signature is handed to mdbtools, which cannot open it: the
// error is mdbtools' failure, not SQLite's "file is not a database" nor an unknown format.
TEST(BackendChoice, JetSignatureGoesToMdbtools)
{
    for (const char* signature : { "Standard Jet DB", "Standard ACE DB" }) {
        const std::string path = std::string(getenv("RIVANTA_ROOT")) + "/fake.mdb";
        std::ofstream(path, std::ios::binary)
            << std::string("\0\1\0\0", 4) << signature << "\1garbage that is no Jet header";
        OdbcClient client;
        ASSERT_EQ(client.connect(std::string(kAccessDriver) + "DBQ=" + path + ";"), SQL_ERROR);
        const std::string text = describe(client.diagnostics());
        EXPECT_NE(text.find("mdbtools ODBC driver cannot open"), std::string::npos) << text;
    }
}

// The same failing statements through the Access driver and straight through the backend give
// the same records: state, native error and text.
TEST(Diagnostics, BackendRecordsPassThroughUnchanged)
{
    const std::string path = testsupport::buildSampleDatabase(3);
    for (SQLINTEGER version : { SQL_OV_ODBC2, SQL_OV_ODBC3 }) {
        OdbcClient viaAccess(version), direct(version);
        ASSERT_TRUE(
            SQL_SUCCEEDED(viaAccess.connect(std::string(kAccessDriver) + "DBQ=" + path + ";")));
        ASSERT_TRUE(SQL_SUCCEEDED(direct.connect("Driver=SQLite3;Database=" + path + ";")));
        for (const char* sql : { "SELECT * FROM NoSuchTable", "SELEC 1",
                 "INSERT INTO Owners (OwnerID, OwnerName) VALUES (1, 'duplicate key')" }) {
            OdbcResult a = viaAccess.query(sql);
            OdbcResult b = direct.query(sql);
            EXPECT_EQ(a.rc, SQL_ERROR) << sql;
            ASSERT_EQ(a.diagnostics.size(), b.diagnostics.size()) << sql;
            ASSERT_FALSE(a.diagnostics.empty()) << sql;
            for (size_t i = 0; i < a.diagnostics.size(); ++i) {
                EXPECT_EQ(a.diagnostics[i].state, b.diagnostics[i].state) << sql;
                EXPECT_EQ(a.diagnostics[i].native, b.diagnostics[i].native) << sql;
                EXPECT_EQ(a.diagnostics[i].message, b.diagnostics[i].message) << sql;
            }
        }
    }
}

TEST(Diagnostics, RecordsOfEachStatementAreReadOnceAndDoNotLeakIntoTheNext)
{
    const std::string path = testsupport::buildSampleDatabase(3);
    OdbcClient client;
    ASSERT_TRUE(SQL_SUCCEEDED(client.connect(std::string(kAccessDriver) + "DBQ=" + path + ";")));
    OdbcResult bad = client.query("SELECT * FROM NoSuchTable");
    ASSERT_EQ(bad.diagnostics.size(), 1u);
    EXPECT_EQ(bad.diagnostics[0].state, "S1000");
    EXPECT_NE(bad.diagnostics[0].message.find("no such table: NoSuchTable"), std::string::npos);
    OdbcResult good = client.query("SELECT COUNT(*) FROM Owners");
    EXPECT_EQ(good.rc, SQL_SUCCESS);
    EXPECT_TRUE(good.diagnostics.empty()) << describe(good.diagnostics);
}

// Concise types of the sample database's columns; DATE and TIMESTAMP have their ODBC 2 codes
// (9, 11) for an ODBC 2 application and their ODBC 3 codes (91, 93) otherwise, as with the backend
// itself (which reports VARCHAR as SQL_CHAR).
TEST(TypeCodes, SurviveTheForwardingForBothOdbcVersions)
{
    const std::string path = testsupport::buildSampleDatabase(3);
    const char* sql = "SELECT MeterID, ReadingDate, RecordedAt, Volume, ReadBy, Estimated "
                      "FROM MeterReadings";
    struct Expected {
        SQLINTEGER version;
        std::vector<SQLLEN> types;
    };
    for (const Expected& e :
        { Expected { SQL_OV_ODBC2, { SQL_INTEGER, 9, 11, SQL_DOUBLE, SQL_CHAR, SQL_INTEGER } },
            Expected { SQL_OV_ODBC3,
                { SQL_INTEGER, SQL_TYPE_DATE, SQL_TYPE_TIMESTAMP, SQL_DOUBLE, SQL_CHAR,
                    SQL_INTEGER } } }) {
        for (bool cursorLibrary : { true, false }) {
            OdbcClient viaAccess(e.version, cursorLibrary), direct(e.version, cursorLibrary);
            ASSERT_TRUE(
                SQL_SUCCEEDED(viaAccess.connect(std::string(kAccessDriver) + "DBQ=" + path + ";")));
            ASSERT_TRUE(SQL_SUCCEEDED(direct.connect("Driver=SQLite3;Database=" + path + ";")));
            OdbcResult a = viaAccess.query(sql);
            OdbcResult b = direct.query(sql);
            EXPECT_EQ(a.types, e.types)
                << "ODBC " << e.version << " cursor library " << cursorLibrary;
            EXPECT_EQ(a.types, b.types);
            EXPECT_EQ(a.rows, b.rows);
            EXPECT_EQ(a.rows.size(), 3u);
        }
    }
}

// Runs in a process of its own (a backend, once loaded, stays loaded for the process), started by
// the test below with the SQLite3 driver's library moved out of reach.
TEST(BackendLoading, DISABLED_ConnectWithTheBackendMissing)
{
    OdbcClient client;
    EXPECT_EQ(client.connect(testsupport::sampleConnectString()), SQL_ERROR);
    printf("%s", describe(client.diagnostics()).c_str());
}

TEST(BackendLoading, AMissingBackendLibraryIsReportedByTheDriver)
{
    testsupport::buildSampleDatabase(3);
    char self[4096] = "";
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    std::string output;
    const std::string command
        = std::string("TESSILO_SQLITE_ODBC_LIB=/nonexistent/libsqlite3odbc.so ") + self
        + " --gtest_also_run_disabled_tests"
        + " --gtest_filter=BackendLoading.DISABLED_ConnectWithTheBackendMissing 2>&1";
    EXPECT_EQ(testsupport::runCommand(command, &output), 0) << output;
    EXPECT_NE(output.find("[IM003] [Rivanta][ODBC Access Driver]Specified driver could not be "
                          "loaded: cannot load the SQLite3 ODBC driver (/nonexistent/"),
        std::string::npos)
        << output;
}

// The real Access files (Jet 3, Jet 4, ACE) read through mdbtools, read-only.
struct AccessFileCase {
    const char* file;
    const char* sql;
    std::vector<std::optional<std::string>> firstRow;
    std::vector<std::string> names;
    std::vector<SQLLEN> types; // as mdbtools reports them, DATETIME with its ODBC 2 code
};

void PrintTo(const AccessFileCase& c, std::ostream* os) { *os << c.file; }

class AccessFile : public testing::TestWithParam<AccessFileCase> { };

TEST_P(AccessFile, ReadsThroughMdbtools)
{
    const AccessFileCase& c = GetParam();
    const std::string path = accessFolder() + "/" + c.file;
    if (!exists(path))
        GTEST_SKIP() << path << " is absent";
    OdbcClient client;
    std::string completed;
    ASSERT_TRUE(
        SQL_SUCCEEDED(client.connect(std::string(kAccessDriver) + "DBQ=" + path + ";", &completed)))
        << describe(client.diagnostics());
    EXPECT_NE(completed.find("DBQ=" + path + ";"), std::string::npos) << completed;
    OdbcResult r = client.query(c.sql);
    ASSERT_EQ(r.rc, SQL_SUCCESS) << describe(r.diagnostics);
    ASSERT_FALSE(r.rows.empty());
    EXPECT_EQ(r.rows[0], c.firstRow);
    EXPECT_EQ(r.names, c.names);
    EXPECT_EQ(r.types, c.types);

    OdbcResult write = client.query("DELETE FROM MSysObjects");
    EXPECT_EQ(write.rc, SQL_ERROR);
}

INSTANTIATE_TEST_SUITE_P(Files, AccessFile,
    testing::Values(AccessFileCase { "testV1997.mdb", "SELECT A, C, G, H FROM Table1",
                        { "a", "0", "1981-12-12 00:00:00", "0.0000" }, { "A", "C", "G", "H" },
                        { SQL_VARCHAR, SQL_TINYINT, 11, SQL_DECIMAL } },
        AccessFileCase { "testV2010.accdb", "SELECT A, B, E, F FROM Table1", { "a", "b", "0", "0" },
            { "A", "B", "E", "F" }, { SQL_VARCHAR, SQL_VARCHAR, SQL_INTEGER, SQL_DOUBLE } },
        AccessFileCase { "test2V2000.mdb", "SELECT COUNT(*) FROM MSP_PROJECTS", { "1" },
            { "count" }, { SQL_VARCHAR } },
        AccessFileCase { "fixedNumericTestV2003.mdb", "SELECT col1, col2 FROM test",
            { "some data", "1" }, { "col1", "col2" }, { SQL_VARCHAR, SQL_LONGVARCHAR } }),
    [](const testing::TestParamInfo<AccessFileCase>& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

TEST(AccessFileDiagnostics, MdbtoolsErrorsPassThrough)
{
    const std::string path = accessFolder() + "/testV2010.accdb";
    if (!exists(path))
        GTEST_SKIP() << path << " is absent";
    OdbcClient viaAccess, direct;
    ASSERT_TRUE(SQL_SUCCEEDED(viaAccess.connect(std::string(kAccessDriver) + "DBQ=" + path + ";")));
    ASSERT_TRUE(SQL_SUCCEEDED(direct.connect("Driver=MDBTools;DBQ=" + path + ";")));
    OdbcResult a = viaAccess.query("SELEC A FROM Table1");
    OdbcResult b = direct.query("SELEC A FROM Table1");
    EXPECT_EQ(a.rc, SQL_ERROR);
    ASSERT_FALSE(a.diagnostics.empty());
    EXPECT_NE(a.diagnostics[0].message.find("Couldn't parse SQL"), std::string::npos);
    ASSERT_EQ(a.diagnostics.size(), b.diagnostics.size());
    EXPECT_EQ(a.diagnostics[0].message, b.diagnostics[0].message);
    EXPECT_EQ(a.diagnostics[0].state, b.diagnostics[0].state);
}

} // namespace
