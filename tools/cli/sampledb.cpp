// tessilo sampledb: runs the tessilo-sampledb program installed beside this one, so that the
// sample database's options are described and reached through "tessilo help" as well.
#include "command.h"

#include "sampledbusage.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

int runSampledb(const std::vector<std::string>& args)
{
    char self[PATH_MAX] = "";
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return cliError(cliFailed, "cannot find the tessilo program's folder");
    std::string program(self, static_cast<size_t>(length));
    program = program.substr(0, program.find_last_of('/') + 1) + "tessilo-sampledb";
    std::vector<char*> argv { const_cast<char*>(program.c_str()) };
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    return cliError(cliFailed, "cannot run " + program + ": " + std::strerror(errno));
}

CliCommandRegistration sampledbCommand({ "sampledb", sampledb::kUsageLine,
    "build the sample database, or load it into PostgreSQL, and point the profile at it",
    sampledb::kOptionsHelp, runSampledb });

} // namespace
