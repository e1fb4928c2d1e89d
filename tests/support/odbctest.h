// ODBC in tests.
//
// Configuration: test_main points unixODBC at the build's own odbcinst.ini/odbc.ini (build/odbc/:
// "Microsoft Access Driver (*.mdb)" and "Driver do Microsoft Access (*.mdb)" = the Access driver,
// the data source "Rivanta 4.0", "SQLite3", "MDBTools", and "PostgreSQL ANSI" without CommLog
// files), unless ODBCSYSINI or ODBCINI is already set.
//
// SQLite: buildSampleDatabase() writes the sample database to "C:\orlamo40\Rivanta40.mdb" on the
// test's own drive C: ($RIVANTA_ROOT/drives/c) and sets "ConnectStr"/"ConnectStrInstalled" of the
// test's profile to it; sampleConnectString() reaches it through the Access driver.
//
// PostgreSQL: scripts/test starts one server for the whole run (scripts/pg-test-server) and exports
// TESSILO_PG_CONNECT, a psqlODBC connect string ("Driver={PostgreSQL ANSI};Server=127.0.0.1;
// Port=...;Database=tessilo_test;UID=tessilo;PWD=;CommLog=0;Debug=0;"). The database is shared by
// the tests running in parallel: use table names of your own. TESSILO_REQUIRE_POSTGRES() skips a
// test when the variable is not set (a test binary run by hand). A test that must stop its server
// starts its own PostgresServer.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// Runs a shell command; returns its exit status and, when output is given, its standard output.
int runCommand(const std::string& command, std::string* output = nullptr);

// The sample database with the given number of meter readings at "C:\orlamo40\Rivanta40.mdb" of
// this test process, named by the profile's connect strings; returns its native path.
std::string buildSampleDatabase(int readings = 1000);

// A connect string of the suite's usual form for a database file (a Windows path).
std::string accessConnectString(const std::string& database = "C:\\orlamo40\\Rivanta40.mdb");
inline std::string sampleConnectString() { return accessConnectString(); }

// TESSILO_PG_CONNECT, or "" when no test server was started.
std::string postgresConnectString();
// CI=true in the environment.
bool runningInCi();

// Skips where no server was started (a developer running one test binary); fails in CI, where
// scripts/test always starts one.
#define TESSILO_REQUIRE_POSTGRES()                                                                 \
    do {                                                                                           \
        if (testsupport::postgresConnectString().empty()) {                                        \
            if (testsupport::runningInCi())                                                        \
                FAIL() << "TESSILO_PG_CONNECT is not set: scripts/test did not start PostgreSQL";  \
            GTEST_SKIP() << "TESSILO_PG_CONNECT is not set (scripts/test starts the server)";      \
        }                                                                                          \
    } while (0)

// A private PostgreSQL server (scripts/pg-test-server) for tests that stop it; stopped by the
// destructor at the latest.
class PostgresServer {
public:
    PostgresServer() = default;
    ~PostgresServer();
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    bool start();
    void stop();
    const std::string& connectString() const { return connect_; }

private:
    std::string dir_;
    std::string connect_;
};

} // namespace testsupport
