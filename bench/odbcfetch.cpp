// Fetch throughput from the sample database: 200,000 rows x 5 columns through sqlite3 -csv,
// isql -b, MfcSQL with a discarding output (SQLQuery) over the Access driver as shipped and with
// the cursor library forced on, and the bare fetch sequence (ODBC 2, text bindings) over the Access
// driver and straight through the SQLite3 driver. Prints rows per second and ratios.
// With a PostgreSQL server (TESSILO_PG_CONNECT, as scripts/pg-test-server prints it) the same rows
// are loaded there by tessilo-sampledb --postgres and fetched through psqlODBC by isql -b, MfcSQL
// as shipped and the bare fetch sequence.
//   bench_odbcfetch [--rows N] [--repeat N]
#include "db/sqlquery.h"
#include "benchsupport.h"
#include "odbcconfig.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using bench::quoted;

const char* const kQuery
    = "SELECT ReadingID, MeterID, ReadingDate, MeterReading, Volume FROM MeterReadings";

// Wall time, and processor time of this process and of the programs it ran: on a shared machine
// the processor time is the steadier basis for ratios.
struct Measurement {
    const char* name;
    double seconds;
    double cpuSeconds;
};

double cpuSecondsSoFar()
{
    rusage self {};
    rusage children {};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(self.ru_utime) + seconds(self.ru_stime) + seconds(children.ru_utime)
        + seconds(children.ru_stime);
}

Measurement best(const char* name, const std::function<long()>& run, int repeat, long& rows)
{
    Measurement m { name, 1e30, 1e30 };
    for (int i = 0; i < repeat; ++i) {
        double cpuStart = cpuSecondsSoFar();
        auto start = std::chrono::steady_clock::now();
        rows = run();
        std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        m.seconds = std::min(m.seconds, d.count());
        m.cpuSeconds = std::min(m.cpuSeconds, cpuSecondsSoFar() - cpuStart);
    }
    return m;
}

long shell(const std::string& command)
{
    if (system(command.c_str()) != 0) {
        fprintf(stderr, "bench_odbcfetch: failed: %s\n", command.c_str());
        exit(1);
    }
    return -1; // rows are not counted for external programs
}

// The fetch sequence the library runs, without the library: every column bound as text, rows
// fetched one by one.
long fetchAll(const std::string& connect)
{
    SQLHENV env;
    SQLHDBC dbc;
    SQLHSTMT stmt;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC2), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    SQLCHAR out[512];
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr,
            reinterpret_cast<SQLCHAR*>(const_cast<char*>(connect.c_str())), SQL_NTS, out,
            sizeof out, nullptr, SQL_DRIVER_COMPLETE))) {
        fprintf(stderr, "bench_odbcfetch: cannot connect: %s\n", connect.c_str());
        exit(1);
    }
    SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
    SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(kQuery)), SQL_NTS);
    SQLSMALLINT columns = 0;
    SQLNumResultCols(stmt, &columns);
    std::vector<std::vector<char>> buffers(columns, std::vector<char>(262));
    std::vector<SQLLEN> indicators(columns);
    for (SQLUSMALLINT c = 1; c <= columns; ++c) {
        SQLLEN size = 0;
        SQLColAttribute(stmt, c, SQL_DESC_DISPLAY_SIZE, nullptr, 0, nullptr, &size);
        size = std::min<SQLLEN>(std::max<SQLLEN>(size, 0), 258);
        SQLBindCol(stmt, c, SQL_C_CHAR, buffers[c - 1].data(), size + 1, &indicators[c - 1]);
    }
    long rows = 0;
    size_t checksum = 0;
    while (SQLFetch(stmt) != SQL_NO_DATA) {
        for (SQLSMALLINT c = 0; c < columns; ++c)
            checksum += indicators[c] > 0 ? static_cast<size_t>(buffers[c][0]) : 0;
        ++rows;
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    SQLDisconnect(dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    if (checksum == 0)
        fprintf(stderr, "bench_odbcfetch: no data fetched\n");
    return rows;
}

// SQLQuery discards every cell: what remains is the statement layer's own cost (splitting,
// bindings, fetch loop, one virtual output call per cell).
long queryRows(const std::string& connect, bool forceCursorLibrary)
{
    long result = 0;
    SQLQuery query(const_cast<char*>(connect.c_str()), &result);
    if (result != 0) {
        fprintf(stderr, "bench_odbcfetch: SQLQuery cannot connect (%ld)\n", result);
        exit(1);
    }
    if (forceCursorLibrary) {
        // The library asks for the cursor library only where the driver needs it; connect the
        // same handle again with it, for comparison.
        SQLHDBC dbc = query.m_ODBCItem.hdbc;
        SQLDisconnect(dbc);
        SQLSetConnectAttr(
            dbc, SQL_ATTR_ODBC_CURSORS, reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_ODBC), 0);
        if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr,
                reinterpret_cast<SQLCHAR*>(const_cast<char*>(connect.c_str())), SQL_NTS, nullptr, 0,
                nullptr, SQL_DRIVER_NOPROMPT))) {
            fprintf(stderr, "bench_odbcfetch: cannot connect again with the cursor library\n");
            exit(1);
        }
    }
    query.m_sql = kQuery;
    if (query.SQLQueryExec() != 0)
        fprintf(stderr, "bench_odbcfetch: SQLQueryExec failed\n");
    return query.m_count;
}

// The value of an attribute of an ODBC connect string ("Port=5432;" gives "5432").
std::string attributeOf(const std::string& connect, const std::string& key)
{
    size_t at = connect.find(key + "=");
    if (at == std::string::npos)
        return {};
    at += key.size() + 1;
    return connect.substr(at, connect.find(';', at) - at);
}

} // namespace

int main(int argc, char** argv)
{
    long rows = 200000;
    int repeat = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--rows"))
            rows = atol(argv[i + 1]);
        else if (!strcmp(argv[i], "--repeat"))
            repeat = std::max(1, atoi(argv[i + 1]));
    }
    tessiloUseProjectOdbcConfig();

    // A database of its own, so that the row count is exact and a user's database stays as it is.
    char root[] = "/tmp/tessilo-bench-XXXXXX";
    if (!mkdtemp(root))
        return 1;
    setenv("RIVANTA_ROOT", root, 1);
    shell(std::string(TESSILO_BINARY_DIR) + "/bin/tessilo-sampledb --readings "
        + std::to_string(rows) + " >/dev/null");
    const std::string native = std::string(root) + "/drives/c/orlamo40/Rivanta40.mdb";
    const std::string connect
        = "DSN=Rivanta 4.0;DBQ=C:\\orlamo40\\Rivanta40.mdb;DefaultDir=C:\\orlamo40;"
          "Driver={Microsoft Access Driver (*.mdb)};DriverId=25;FIL=MS Access;"
          "FILEDSN=C:\\orlamo40\\Rivanta40.mdb.dsn;MaxBufferSize=2048;PageTimeout=5;";

    std::vector<Measurement> results;
    auto measure = [&](const char* name, const std::function<long()>& run) {
        long fetched = 0;
        results.push_back(best(name, run, repeat, fetched));
        if (fetched >= 0 && fetched != rows)
            fprintf(stderr, "bench_odbcfetch: %s fetched %ld rows, expected %ld\n", name, fetched,
                rows);
    };
    measure("sqlite3 -csv", [&] {
        return shell("sqlite3 -csv " + quoted(native) + " " + quoted(kQuery) + " >/dev/null");
    });
    measure("isql -b (Access driver)", [&] {
        return shell(
            "echo " + quoted(kQuery) + " | isql -b -d, -k " + quoted(connect) + " >/dev/null");
    });
    measure("MfcSQL (SQLQuery) as shipped", [&] { return queryRows(connect, false); });
    measure("MfcSQL (SQLQuery), cursor library", [&] { return queryRows(connect, true); });
    measure("bare ODBC fetch, Access driver", [&] { return fetchAll(connect); });
    measure("bare ODBC fetch, SQLite3 driver",
        [&] { return fetchAll("Driver=SQLite3;Database=" + native + ";"); });
    enum {
        sqlite3Csv,
        isql,
        shipped,
        withCursors,
        bareAccess,
        bareSqlite,
        pgIsql,
        pgShipped,
        pgBare
    };

    // The same rows on PostgreSQL, through psqlODBC.
    const char* server = getenv("TESSILO_PG_CONNECT");
    if (server && *server) {
        const std::string connectServer = server;
        shell(std::string(TESSILO_BINARY_DIR) + "/bin/tessilo-sampledb --readings "
            + std::to_string(rows) + " --postgres "
            + quoted("host=" + attributeOf(connectServer, "Server")
                + " port=" + attributeOf(connectServer, "Port")
                + " dbname=" + attributeOf(connectServer, "Database")
                + " user=" + attributeOf(connectServer, "UID"))
            + " --replace >/dev/null");
        const std::string pg = connectServer + "DBQ=C:\\orlamo40\\Rivanta40.mdb;";
        measure("isql -b (psqlODBC)", [&] {
            return shell("echo " + quoted(kQuery) + " | isql -b -d, -k " + quoted(connectServer)
                + " >/dev/null");
        });
        measure("MfcSQL (SQLQuery) as shipped, psqlODBC", [&] { return queryRows(pg, false); });
        measure("bare ODBC fetch, psqlODBC", [&] { return fetchAll(connectServer); });
    }

    auto cpuRatio = [&](int a, int b) { return results[a].cpuSeconds / results[b].cpuSeconds; };
    printf("%ld rows x 5 columns, best of %d runs (wall and processor seconds; ratios of "
           "processor time)\n",
        rows, repeat);
    printf(
        "%-36s %8s %8s %12s %11s %9s\n", "", "wall", "cpu", "rows/cpu-s", "vs sqlite3", "vs isql");
    for (int i = 0; i < static_cast<int>(results.size()); ++i) {
        const Measurement& m = results[i];
        printf("%-36s %8.3f %8.3f %12.0f %10.2fx %8.2fx\n", m.name, m.seconds, m.cpuSeconds,
            rows / m.cpuSeconds, cpuRatio(i, sqlite3Csv), cpuRatio(i, isql));
    }
    printf(
        "MfcSQL as shipped: %.2fx isql's time (target: at most 1.00x)\n", cpuRatio(shipped, isql));
    printf("cursor library cost: MfcSQL takes %.2fx the time it takes as shipped\n",
        cpuRatio(withCursors, shipped));
    printf("statement layer cost: MfcSQL as shipped takes %.2fx the bare fetch\n",
        cpuRatio(shipped, bareAccess));
    printf("Access driver forwarding cost: %.2fx the SQLite3 driver's own fetch time\n",
        cpuRatio(bareAccess, bareSqlite));
    if (results.size() > static_cast<size_t>(pgBare)) {
        // The server works for every client alike; its time shows in the wall times only.
        auto wallRatio = [&](int a, int b) { return results[a].seconds / results[b].seconds; };
        printf("PostgreSQL: MfcSQL as shipped takes %.2fx isql's processor time and %.2fx its "
               "wall time (target: at most 1.00x), %.2fx the bare fetch\n",
            cpuRatio(pgShipped, pgIsql), wallRatio(pgShipped, pgIsql), cpuRatio(pgShipped, pgBare));
        printf("PostgreSQL: the bare fetch takes %.2fx isql's time\n", cpuRatio(pgBare, pgIsql));
    }

    std::string cleanup = "rm -rf " + quoted(root);
    return system(cleanup.c_str()) == 0 ? 0 : 1;
}
