// tessilo-sampledb: builds the suite's default database "C:\orlamo40\Rivanta40.mdb" on the drive
// model (or at a given path). An existing database is kept unless --force is given. With
// --profile, "ConnectStr" and "ConnectStrInstalled" are set to it unless they already name an
// existing database, and the "PDF" printer becomes the programs' default printer unless they name
// one.
#include "profileregistration.h"
#include "sampledatabase.h"

#include <winport/paths.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const kDefaultDatabase = "C:\\orlamo40\\Rivanta40.mdb";

int usage()
{
    fprintf(stderr,
        "usage: tessilo-sampledb [--seed N] [--readings N] [--force] [--profile] [PATH]\n"
        "  PATH: a Windows path on the drive model or a native path (default %s)\n",
        kDefaultDatabase);
    return 2;
}

bool number(const char* text, unsigned long long& out)
{
    char* end = nullptr;
    errno = 0;
    out = strtoull(text, &end, 10);
    return text[0] != '-' && end != text && *end == 0 && errno == 0;
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

int registerProfile(const std::string& path)
{
    const std::string windowsPath = winport::toWindowsPath(path);
    try {
        std::string written = sampledb::registerInProfile(windowsPath);
        if (written.empty())
            printf("profile: ConnectStr and ConnectStrInstalled already name existing databases\n");
        else
            printf("profile: %s set to %s\n", written.c_str(), windowsPath.c_str());
        std::string printers = sampledb::registerDefaultPrinter();
        if (!printers.empty())
            printf("profile: default printer \"PDF\" named for %s\n", printers.c_str());
    } catch (const std::exception& e) {
        fprintf(stderr, "tessilo-sampledb: %s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    sampledb::SampleOptions options;
    bool force = false;
    bool profile = false;
    std::string target = kDefaultDatabase;
    for (int i = 1; i < argc; ++i) {
        unsigned long long value = 0;
        if (!strcmp(argv[i], "--force")) {
            force = true;
        } else if (!strcmp(argv[i], "--profile")) {
            profile = true;
        } else if (!strcmp(argv[i], "--seed") && i + 1 < argc && number(argv[i + 1], value)) {
            options.seed = value;
            ++i;
        } else if (!strcmp(argv[i], "--readings") && i + 1 < argc && number(argv[i + 1], value)
            && value <= 50000000) {
            options.readings = static_cast<int>(value);
            ++i;
        } else if (argv[i][0] != '-') {
            target = argv[i];
        } else {
            return usage();
        }
    }

    const std::string path = winport::toNativePath(target.c_str());
    if (path.empty()) {
        fprintf(stderr, "tessilo-sampledb: not a usable path: %s\n", target.c_str());
        return 1;
    }
    if (!force && access(path.c_str(), F_OK) == 0) {
        printf("%s: kept the existing database (%s)\n", target.c_str(), path.c_str());
        return profile ? registerProfile(path) : 0;
    }
    if (!makeParents(path)) {
        fprintf(stderr, "tessilo-sampledb: cannot create the folder of %s: %s\n", path.c_str(),
            strerror(errno));
        return 1;
    }
    // Built beside the target and renamed over it, so a reader never sees half a database.
    const std::string temporary = path + ".new" + std::to_string(getpid());
    try {
        sampledb::SampleCounts n = sampledb::buildSampleDatabase(temporary, options);
        if (rename(temporary.c_str(), path.c_str()) != 0)
            throw std::runtime_error(std::string("rename: ") + strerror(errno));
        printf("%s (%s): %d owners, %d water rights, %d meters, %d meter readings, %d "
               "inventories, %d inventory levels, %d water years\n",
            target.c_str(), path.c_str(), n.owners, n.waterRights, n.meters, n.readings,
            n.inventories, n.inventoryLevels, n.waterYears);
    } catch (const std::exception& e) {
        unlink(temporary.c_str());
        fprintf(stderr, "tessilo-sampledb: %s: %s\n", path.c_str(), e.what());
        return 1;
    }
    return profile ? registerProfile(path) : 0;
}
