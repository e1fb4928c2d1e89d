// tessilo status on the kind of database the chosen connect string reaches and whether it
// answers, with its own RIVANTA_ROOT.
#include "odbctest.h"
#include "testserver.h"
#include "scopedcwd.h"
#include "tessilocommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(StatusDatabase, SaysWhatTheChosenConnectStringReachesAndWhetherItAnswers)
{
    const std::string file = "C:\\orlamo40\\Rivanta40.mdb";
    const std::string dbq = "DBQ=" + file + ";";
    const std::string port = std::to_string(ClosedPort());
    struct Case {
        const char* name;
        std::string content; // of the database file
        std::string connect;
        std::string reaches;
        std::string answers;
        int exitCode;
    };
    const std::string sqlite = "SQLite format 3";
    const Case cases[] = {
        { "SQLite file", "", testsupport::accessConnectString(), "SQLite file " + file + " (",
            "yes: SQLite", 0 },
        { "data source", "", "DSN=Rivanta 4.0;" + dbq, "SQLite file " + file + " (", "yes: SQLite",
            0 },
        { "Jet file", std::string(4, '\0') + "Standard Jet DB" + std::string(2000, '\0'),
            testsupport::accessConnectString(), "Jet/ACE file " + file + " (", "yes: MDBTOOLS", 0 },
        { "PostgreSQL down", "",
            "Driver={PostgreSQL ANSI};Server=127.0.0.1;Port=" + port
                + ";Database=rivanta;UID=clerk;CommLog=0;Debug=0;" + dbq,
            "PostgreSQL server 127.0.0.1:" + port + ", database \"rivanta\", user \"clerk\"",
            "answers              no: ", 1 },
        { "other driver", "", "Driver=SQLite3;Database=/nonexistent/folder/x.db;" + dbq,
            "database of the ODBC driver \"SQLite3\"", "answers              no: ", 1 },
    };
    for (const Case& c : cases) {
        ScopedTempDir root;
        fs::create_directories(root.path() + "/drives/c/orlamo40");
        std::ofstream(root.path() + "/drives/c/orlamo40/Rivanta40.mdb", std::ios::binary)
            << c.content;
        std::ofstream(root.path() + "/win.ini") << "[tessilo40]\nConnectStr=" << c.connect << "\n";
        const testsupport::TessiloResult run = testsupport::runTessilo(root.path(), "status");
        const int rc = run.exitCode;
        const std::string& output = run.output;
        EXPECT_EQ(rc, c.exitCode) << c.name << "\n" << output;
        EXPECT_NE(output.find("reaches              " + c.reaches), std::string::npos)
            << c.name << "\n"
            << output;
        EXPECT_NE(output.find(c.answers), std::string::npos) << c.name << "\n" << output;
        if (c.exitCode) {
            EXPECT_NE(
                output.find("tessilo: the chosen database does not answer"), std::string::npos)
                << c.name;
        }
    }
}

} // namespace
