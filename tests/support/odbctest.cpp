#include "odbctest.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {

    std::string quoted(const std::string& s)
    {
        std::string out = "'";
        for (char c : s)
            out += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return out + "'";
    }

} // namespace

int runCommand(const std::string& command, std::string* output)
{
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        if (output)
            output->append(buffer, n);
    }
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string buildSampleDatabase(int readings)
{
    const std::string path
        = std::string(getenv("RIVANTA_ROOT")) + "/drives/c/orlamo40/Rivanta40.mdb";
    const std::string command = std::string(TESSILO_BINARY_DIR)
        + "/bin/tessilo-sampledb --force --profile" + " --readings " + std::to_string(readings)
        + " " + quoted("C:\\orlamo40\\Rivanta40.mdb") + " >/dev/null";
    if (runCommand(command) != 0)
        ADD_FAILURE() << "cannot build the sample database: " << command;
    return path;
}

std::string accessConnectString(const std::string& database)
{
    std::string folder = database.substr(0, database.find_last_of('\\'));
    return "DSN=Rivanta 4.0;DBQ=" + database + ";DefaultDir=" + folder
        + ";Driver={Microsoft Access Driver (*.mdb)};DriverId=25;FIL=MS Access;FILEDSN=" + database
        + ".dsn;MaxBufferSize=2048;PageTimeout=5;";
}

std::string postgresConnectString()
{
    const char* s = getenv("TESSILO_PG_CONNECT");
    return s ? s : "";
}

bool runningInCi()
{
    const char* ci = getenv("CI");
    return ci && std::string(ci) == "true";
}

PostgresServer::~PostgresServer() { stop(); }

bool PostgresServer::start()
{
    stop();
    char tmpl[] = "/tmp/tessilo-pgserver-XXXXXX";
    if (!mkdtemp(tmpl))
        return false;
    dir_ = tmpl;
    const std::string script = std::string(TESSILO_SOURCE_DIR) + "/scripts/pg-test-server";
    if (runCommand(script + " start " + quoted(dir_ + "/server") + " >/dev/null") != 0)
        return false;
    std::ifstream env(dir_ + "/server/env");
    std::string line;
    std::getline(env, line);
    const std::string prefix = "export TESSILO_PG_CONNECT='";
    if (line.compare(0, prefix.size(), prefix) != 0 || line.back() != '\'')
        return false;
    connect_ = line.substr(prefix.size(), line.size() - prefix.size() - 1);
    return true;
}

void PostgresServer::stop()
{
    if (dir_.empty())
        return;
    const std::string script = std::string(TESSILO_SOURCE_DIR) + "/scripts/pg-test-server";
    runCommand(script + " stop " + quoted(dir_ + "/server") + " >/dev/null 2>&1");
    rmdir(dir_.c_str());
    dir_.clear();
    connect_.clear();
}

} // namespace testsupport
