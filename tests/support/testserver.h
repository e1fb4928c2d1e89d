// Loopback servers for the tests: each runs as a child process on 127.0.0.1 at a free port,
// with its own temporary directory, and is stopped by the destructor (also when a test fails).
// A server that cannot start reports why through Error().
#pragma once

#include <string>
#include <vector>
#include <sys/types.h>

class TestServer {
public:
    TestServer() = default;
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;
    virtual ~TestServer();

    // Starts the script of tests/support with /usr/bin/python3 and its temporary directory (in
    // $TMPDIR, else /tmp) as the only argument; false when it does not announce its port within
    // ten seconds.
    bool Start(const std::string& script);
    // Ends the server at once (SIGKILL), as a crash would.
    void Kill();
    int Port() const { return m_port; }
    const std::string& Root() const { return m_root; }
    const std::string& Error() const { return m_error; }
    // Established TCP connections of this machine to the server's port.
    int ClientConnections() const;
    // Writes a file under the root (relative path) and returns its full path.
    std::string PutFile(const std::string& relative, const std::string& content) const;
    std::string ReadFile(const std::string& relative) const;

private:
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_root;
    std::string m_log;
    std::string m_error;
};

class FtpTestServer : public TestServer {
public:
    bool Start() { return TestServer::Start("ftpd.py"); }
    // "ftp://127.0.0.1:<port>"
    std::string Url() const;
};

class HttpTestServer : public TestServer {
public:
    bool Start() { return TestServer::Start("httpd.py"); }
    // "http://127.0.0.1:<port>" + path
    std::string Url(const std::string& path = "/") const;
};

// A loopback port nobody listens on (the system's choice of a free port, released at once).
int ClosedPort();

// Deterministic bytes for transfer checks.
std::string TestPattern(size_t size, unsigned seed);
