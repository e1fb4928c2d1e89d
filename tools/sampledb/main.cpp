// tessilo-sampledb: builds the suite's default database "C:\orlamo40\Rivanta40.mdb" on the drive
// model (or at a given path), or loads the same data into a PostgreSQL database, and points the
// profile's connect strings at it; the "PDF" printer becomes the programs' default printer
// unless they name one. The options are described in sampledbusage.h.
#include "postgresload.h"
#include "profileregistration.h"
#include "sampledatabase.h"
#include "sampledbusage.h"
#include "terminalprogress.h"

#include <winport/paths.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kDefaultDatabase = "C:\\orlamo40\\Rivanta40.mdb";

struct Arguments {
    sampledb::SampleOptions options;
    bool force = false;
    bool profile = false;
    bool useFile = false;
    bool replace = false;
    bool postgres = false;
    std::string conninfo;
    std::string target = kDefaultDatabase;
};

int usage(const char* problem)
{
    fprintf(stderr, "tessilo-sampledb: %s\nusage: tessilo-sampledb %s\n(--help describes them)\n",
        problem, sampledb::kUsageLine);
    return 2;
}

int failure(const std::string& message)
{
    fprintf(stderr, "tessilo-sampledb: %s\n", message.c_str());
    return 1;
}

bool number(const char* text, unsigned long long& out)
{
    char* end = nullptr;
    errno = 0;
    out = strtoull(text, &end, 10);
    return text[0] != '-' && end != text && *end == 0 && errno == 0;
}

// 0 when the arguments are usable, else the exit status after the message.
int parse(int argc, char** argv, Arguments& a)
{
    bool haveTarget = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        unsigned long long value = 0;
        if (arg == "--force") {
            a.force = true;
        } else if (arg == "--profile") {
            a.profile = true;
        } else if (arg == "--use-file") {
            a.useFile = true;
        } else if (arg == "--replace") {
            a.replace = true;
        } else if (arg == "--postgres") {
            if (!hasValue || !*argv[i + 1])
                return usage("--postgres needs a libpq connection string or URI");
            a.postgres = true;
            a.conninfo = argv[++i];
        } else if (arg == "--seed") {
            if (!hasValue || !number(argv[i + 1], value))
                return usage("--seed needs a whole number");
            a.options.seed = value;
            ++i;
        } else if (arg == "--readings") {
            if (!hasValue || !number(argv[i + 1], value) || value > 50000000)
                return usage("--readings needs a whole number from 0 to 50000000");
            a.options.readings = static_cast<int>(value);
            ++i;
        } else if (!arg.empty() && arg[0] != '-' && !haveTarget) {
            a.target = arg;
            haveTarget = true;
        } else {
            return usage(("unknown or repeated argument: " + arg).c_str());
        }
    }
    if (a.replace && !a.postgres)
        return usage("--replace belongs to --postgres");
    if (a.useFile && (a.postgres || a.profile))
        return usage("--use-file goes with neither --postgres nor --profile");
    return 0;
}

bool makeParents(const std::string& path)
{
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        std::string dir = path.substr(0, slash);
        if (mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void printCounts(const std::string& where, const sampledb::SampleCounts& n, double seconds)
{
    printf("%s: %d owners, %d water rights, %d meters, %d meter readings, %d inventories, %d "
           "inventory levels, %d water years (%.2f s)\n",
        where.c_str(), n.owners, n.waterRights, n.meters, n.readings, n.inventories,
        n.inventoryLevels, n.waterYears, seconds);
}

// Builds the file at path; built beside it and renamed over it, so a reader never sees half a
// database. Returns 0 or the exit status after the message.
int buildFile(const Arguments& a, const std::string& path)
{
    if (!makeParents(path))
        return failure("cannot create the folder of " + path + ": " + strerror(errno));
    const std::string temporary = path + ".new" + std::to_string(getpid());
    const auto start = std::chrono::steady_clock::now();
    try {
        sampledb::TerminalProgress progress(path);
        sampledb::SampleOptions options = a.options;
        options.progress = progress.callback();
        const sampledb::SampleCounts n = sampledb::buildSampleDatabase(temporary, options);
        progress.finish();
        if (rename(temporary.c_str(), path.c_str()) != 0)
            throw std::runtime_error(std::string("rename: ") + strerror(errno));
        printCounts(a.target + " (" + path + ")", n, secondsSince(start));
    } catch (const std::exception& e) {
        unlink(temporary.c_str());
        return failure(path + ": " + e.what());
    }
    return 0;
}

int registerProfile(const std::string& connect, bool replaceChoice, const std::string& what)
{
    try {
        const std::string written = sampledb::registerInProfile(connect, replaceChoice);
        if (written.empty())
            printf("profile: ConnectStr and ConnectStrInstalled already name existing databases\n");
        else
            printf("profile: %s set to %s\n", written.c_str(), what.c_str());
        std::string printers = sampledb::registerDefaultPrinter();
        if (!printers.empty())
            printf("profile: default printer \"PDF\" named for %s\n", printers.c_str());
    } catch (const std::exception& e) {
        return failure(e.what());
    }
    return 0;
}

// The sample data onto the server; the local file its connect string names is built first when
// missing and removed again when the load fails.
int loadServer(const Arguments& a, const std::string& path)
{
    const bool build = a.force || access(path.c_str(), F_OK) != 0;
    if (build) {
        if (int rc = buildFile(a, path))
            return rc;
    }
    const auto start = std::chrono::steady_clock::now();
    sampledb::PostgresLoad load;
    try {
        sampledb::TerminalProgress progress("PostgreSQL");
        sampledb::SampleOptions options = a.options;
        options.progress = progress.callback();
        load = sampledb::loadIntoPostgres(
            a.conninfo, options, a.replace, winport::toWindowsPath(path));
    } catch (const std::exception& e) {
        if (build && !a.force)
            unlink(path.c_str());
        return failure(std::string("PostgreSQL: ") + e.what());
    }
    printCounts("PostgreSQL", load.counts, secondsSince(start));
    return registerProfile(load.connectString, true, load.connectString);
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--help") || !strcmp(argv[i], "-h")) {
            printf(
                "usage: tessilo-sampledb %s\n\n%s", sampledb::kUsageLine, sampledb::kOptionsHelp);
            return 0;
        }
    }
    Arguments a;
    if (int rc = parse(argc, argv, a))
        return rc;

    const std::string path = winport::toNativePath(a.target.c_str());
    if (path.empty())
        return failure("not a usable path: " + a.target);
    if (a.postgres)
        return loadServer(a, path);

    if (!a.force && access(path.c_str(), F_OK) == 0) {
        printf("%s: kept the existing database (%s)\n", a.target.c_str(), path.c_str());
    } else if (int rc = buildFile(a, path)) {
        return rc;
    }
    if (!a.profile && !a.useFile)
        return 0;
    const std::string windowsPath = winport::toWindowsPath(path);
    return registerProfile(sampledb::connectStringFor(windowsPath), a.useFile, windowsPath);
}
