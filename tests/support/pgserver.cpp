#include "pgserver.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string binDir()
{
    for (const char* version : { "17", "16", "15", "14", "13" }) {
        std::string dir = std::string("/usr/lib/postgresql/") + version + "/bin";
        if (access((dir + "/pg_ctl").c_str(), X_OK) == 0)
            return dir;
    }
    return std::string();
}

int freePort()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

std::string quote(const std::string& text) { return "'" + text + "'"; }
}

PgServer::PgServer()
{
    std::string bin = binDir();
    if (bin.empty()) {
        m_error = "PostgreSQL server programs not found";
        return;
    }
    char pattern[] = "/tmp/tessilo-pg-XXXXXX";
    if (!mkdtemp(pattern)) {
        m_error = std::string("mkdtemp: ") + std::strerror(errno);
        return;
    }
    m_dir = pattern;
    // The server refuses to run as root: the cluster then belongs to the postgres account.
    if (geteuid() == 0) {
        passwd* account = getpwnam("postgres");
        if (!account || chown(m_dir.c_str(), account->pw_uid, account->pw_gid) != 0) {
            m_error = "no postgres account to run the server as";
            return;
        }
    }
    m_port = freePort();
    std::string data = m_dir + "/data";
    if (!run(bin + "/initdb -D " + quote(data) + " -A trust -U postgres --no-sync -E UTF8"
            + " --locale=C > " + quote(m_dir + "/initdb.log") + " 2>&1")) {
        m_error = "initdb failed (" + m_dir + "/initdb.log)";
        return;
    }
    std::string options = "-k " + m_dir + " -h 127.0.0.1 -p " + std::to_string(m_port) + " -F";
    if (!run(bin + "/pg_ctl -D " + quote(data) + " -o " + quote(options) + " -l "
            + quote(m_dir + "/server.log") + " -w -t 60 start > /dev/null 2>&1")) {
        m_error = "the server did not start (" + m_dir + "/server.log)";
        return;
    }
    m_running = true;

    // Watchdog: stops the server and removes the folder when the test process is gone.
    pid_t owner = getpid();
    std::string stopCommand = bin + "/pg_ctl -D " + quote(data) + " -m immediate -w stop";
    std::string cleanup = (geteuid() == 0 ? "runuser -u postgres -- " : "") + stopCommand
        + " > /dev/null 2>&1; rm -rf " + quote(m_dir);
    m_watchdog = fork();
    if (m_watchdog == 0) {
        setsid();
        while (kill(owner, 0) == 0 && getppid() == owner)
            usleep(200 * 1000);
        execl("/bin/sh", "sh", "-c", cleanup.c_str(), static_cast<char*>(nullptr));
        _exit(0);
    }
}

PgServer::~PgServer()
{
    stop();
    if (m_watchdog > 0) {
        kill(m_watchdog, SIGKILL);
        waitpid(m_watchdog, nullptr, 0);
    }
    if (!m_dir.empty() && !std::getenv("TESSILO_KEEP_TEST_ROOT")) {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
}

bool PgServer::run(const std::string& command)
{
    std::string line = geteuid() == 0 ? "runuser -u postgres -- " + command : command;
    return std::system(line.c_str()) == 0;
}

void PgServer::stop()
{
    if (!m_running)
        return;
    m_running = false;
    run(binDir() + "/pg_ctl -D " + quote(m_dir + "/data")
        + " -m immediate -w stop > /dev/null 2>&1");
}

std::string PgServer::connectString(const std::string& extra) const
{
    return "Driver=/usr/lib/x86_64-linux-gnu/odbc/psqlodbca.so;Servername=127.0.0.1;Port="
        + std::to_string(m_port)
        + ";Database=postgres;Username=postgres;Password=;CommLog=0;Debug=0;" + extra;
}

namespace {
std::unique_ptr<PgServer>& sharedServer()
{
    static std::unique_ptr<PgServer> server;
    return server;
}
}

PgServer* PgServer::shared()
{
    std::unique_ptr<PgServer>& server = sharedServer();
    if (!server)
        server = std::make_unique<PgServer>();
    return server->running() ? server.get() : nullptr;
}

std::string PgServer::sharedError()
{
    std::unique_ptr<PgServer>& server = sharedServer();
    return server ? server->error() : std::string("not started");
}
