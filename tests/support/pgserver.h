// A private PostgreSQL server for tests: a fresh cluster in a temporary folder, listening on
// 127.0.0.1 on a free port, stopped and removed when the object goes (a watchdog process stops it
// as well should the test process die first).
#pragma once

#include <string>
#include <sys/types.h>

class PgServer {
public:
    PgServer();
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    // The server of this test process, started on first use; null when it cannot start (the
    // reason is in sharedError()).
    static PgServer* shared();
    static std::string sharedError();

    bool running() const { return m_running; }
    const std::string& error() const { return m_error; }
    int port() const { return m_port; }
    // ODBC connect string through psqlODBC (ANSI), with extra "key=value;" entries appended.
    std::string connectString(const std::string& extra = std::string()) const;
    // Stops the server at once (open connections are dropped).
    void stop();

private:
    bool run(const std::string& command);
    std::string m_dir;
    std::string m_error;
    int m_port = 0;
    bool m_running = false;
    pid_t m_watchdog = -1;
};
