#include "testserver.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}

TestServer::~TestServer()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        for (int i = 0; i < 100 && waitpid(m_pid, nullptr, WNOHANG) == 0; ++i)
            usleep(20000);
        Kill();
    }
    if (!m_root.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(m_root).parent_path(), ignored);
    }
}

bool TestServer::Start(const std::string& script)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tessilo-server-XXXXXX";
    std::vector<char> base(pattern.begin(), pattern.end() + 1);
    if (!mkdtemp(base.data())) {
        m_error = std::string("cannot create a temporary directory: ") + std::strerror(errno);
        return false;
    }
    m_root = std::string(base.data()) + "/root";
    m_log = std::string(base.data()) + "/server.log";
    mkdir(m_root.c_str(), 0755);
    std::string path = std::string(TESSILO_SOURCE_DIR) + "/tests/support/" + script;
    const char* python = "/usr/bin/python3";
    int out[2];
    if (pipe(out) != 0) {
        m_error = std::string("pipe: ") + std::strerror(errno);
        return false;
    }
    pid_t parent = getpid();
    m_pid = fork();
    if (m_pid == 0) {
        // The server dies with the test process, whatever ends it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(1);
        dup2(out[1], STDOUT_FILENO);
        int log = open(m_log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0)
            dup2(log, STDERR_FILENO);
        close(out[0]);
        execl(python, python, path.c_str(), m_root.c_str(), static_cast<char*>(nullptr));
        std::fprintf(stderr, "cannot run %s: %s\n", python, std::strerror(errno));
        _exit(127);
    }
    close(out[1]);
    if (m_pid < 0) {
        close(out[0]);
        m_error = std::string("fork: ") + std::strerror(errno);
        return false;
    }
    std::string announced;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (announced.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now())
                        .count();
        pollfd wait = { out[0], POLLIN, 0 };
        if (left <= 0 || poll(&wait, 1, static_cast<int>(left)) <= 0)
            break;
        char chunk[64];
        ssize_t n = read(out[0], chunk, sizeof chunk);
        if (n <= 0)
            break;
        announced.append(chunk, static_cast<size_t>(n));
    }
    close(out[0]);
    if (std::sscanf(announced.c_str(), "PORT %d", &m_port) != 1 || m_port <= 0) {
        m_port = 0;
        Kill();
        m_error = "the test server " + script + " did not start (" + python + " " + path
            + "); its output:\n" + Slurp(m_log);
        return false;
    }
    return true;
}

void TestServer::Kill()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

int TestServer::ClientConnections() const
{
    std::ifstream table("/proc/net/tcp");
    std::string line;
    std::getline(table, line); // header
    int count = 0;
    while (std::getline(table, line)) {
        char local[64] = {};
        char remote[64] = {};
        unsigned state = 0;
        if (std::sscanf(line.c_str(), " %*d: %63s %63s %x", local, remote, &state) != 3)
            continue;
        const char* port = std::strchr(remote, ':');
        if (state == 1 && port && std::strtol(port + 1, nullptr, 16) == m_port)
            ++count;
    }
    return count;
}

std::string TestServer::PutFile(const std::string& relative, const std::string& content) const
{
    std::filesystem::path full = std::filesystem::path(m_root) / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary) << content;
    return full.string();
}

std::string TestServer::ReadFile(const std::string& relative) const
{
    return Slurp(m_root + "/" + relative);
}

std::string FtpTestServer::Url() const { return "ftp://127.0.0.1:" + std::to_string(Port()); }

std::string HttpTestServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(Port()) + path;
}

std::string TestPattern(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    uint32_t x = seed * 2654435761u + 1;
    for (auto& ch : bytes) {
        x = x * 1664525u + 1013904223u;
        ch = static_cast<char>(x >> 23);
    }
    return bytes;
}

int ClosedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}
