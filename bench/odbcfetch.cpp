// Fetch throughput from the sample database: 200,000 rows x 5 columns through sqlite3 -csv,
// isql -b and the library's fetch sequence (ODBC 2, text bindings) over the Access driver, the
// latter with and without the cursor library and straight through the SQLite3 driver. Prints rows
// per second and ratios.
//   bench_odbcfetch [--rows N] [--repeat N]
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
#include <vector>

namespace {

const char* const kQuery
    = "SELECT ReadingID, MeterID, ReadingDate, MeterReading, Volume FROM MeterReadings";

struct Measurement {
    const char* name;
    double seconds;
    long rows;
};

double secondsOf(const std::function<long()>& run, int repeat, long& rows)
{
    double best = 1e30;
    for (int i = 0; i < repeat; ++i) {
        auto start = std::chrono::steady_clock::now();
        rows = run();
        std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        best = std::min(best, d.count());
    }
    return best;
}

std::string quoted(const std::string& s)
{
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

long shell(const std::string& command)
{
    if (system(command.c_str()) != 0) {
        fprintf(stderr, "bench_odbcfetch: failed: %s\n", command.c_str());
        exit(1);
    }
    return -1; // rows are not counted for external programs
}

// The library's fetch sequence: every column bound as text, rows fetched one by one.
long fetchAll(const std::string& connect, bool cursorLibrary)
{
    SQLHENV env;
    SQLHDBC dbc;
    SQLHSTMT stmt;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC2), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    if (cursorLibrary)
        SQLSetConnectAttr(
            dbc, SQL_ATTR_ODBC_CURSORS, reinterpret_cast<SQLPOINTER>(SQL_CUR_USE_ODBC), 0);
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
        double s = secondsOf(run, repeat, fetched);
        if (fetched >= 0 && fetched != rows)
            fprintf(stderr, "bench_odbcfetch: %s fetched %ld rows, expected %ld\n", name, fetched,
                rows);
        results.push_back({ name, s, rows });
    };
    measure("sqlite3 -csv", [&] {
        return shell("sqlite3 -csv " + quoted(native) + " " + quoted(kQuery) + " >/dev/null");
    });
    measure("isql -b (Access driver)", [&] {
        return shell(
            "echo " + quoted(kQuery) + " | isql -b -d, -k " + quoted(connect) + " >/dev/null");
    });
    measure("ODBC fetch, no cursor library", [&] { return fetchAll(connect, false); });
    measure("ODBC fetch, cursor library", [&] { return fetchAll(connect, true); });
    measure("ODBC fetch, SQLite3 driver direct",
        [&] { return fetchAll("Driver=SQLite3;Database=" + native + ";", false); });

    printf("%ld rows x 5 columns, best of %d runs\n", rows, repeat);
    printf("%-34s %10s %14s %10s\n", "", "seconds", "rows/second", "vs sqlite3");
    for (const Measurement& m : results) {
        printf("%-34s %10.3f %14.0f %9.2fx\n", m.name, m.seconds, m.rows / m.seconds,
            m.seconds / results[0].seconds);
    }
    printf("cursor library cost: %.2fx the fetch time without it\n",
        results[3].seconds / results[2].seconds);
    printf("Access driver forwarding cost: %.2fx the SQLite3 driver's own fetch time\n",
        results[2].seconds / results[4].seconds);

    std::string cleanup = "rm -rf " + quoted(root);
    return system(cleanup.c_str()) == 0 ? 0 : 1;
}
