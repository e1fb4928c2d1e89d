// Diagnostic records that the Access driver raises itself (as opposed to the backend's, which are
// read from the backend when the queue is empty). Handed out once each through SQLError.
#pragma once

#include <sql.h>

#include <deque>
#include <string>

namespace accessdriver {

struct DiagnosticRecord {
    std::string state;
    SQLINTEGER native = 0;
    std::string message;
    bool own = true; // the driver's own: ODBC 3 state, ODBC 2 form chosen when read
};

class Diagnostics {
public:
    // Called on every forwarded call (each fetch, each cell read): an empty queue is left alone,
    // as clearing a deque walks its blocks even when it holds nothing.
    void clear()
    {
        if (!records_.empty())
            records_.clear();
    }
    void post(const char* state, SQLINTEGER native, const std::string& message);
    // A backend's record, kept as the backend wrote it.
    void keep(const std::string& state, SQLINTEGER native, const std::string& message);
    bool empty() const { return records_.empty(); }

    // Writes and removes the oldest record in SQLError's form; the state in ODBC 2 form when
    // odbcVersion is SQL_OV_ODBC2. SQL_NO_DATA when there is none.
    SQLRETURN take(SQLINTEGER odbcVersion, SQLCHAR* state, SQLINTEGER* native, SQLCHAR* message,
        SQLSMALLINT messageMax, SQLSMALLINT* messageLength);

private:
    std::deque<DiagnosticRecord> records_;
};

// The prefix of every message the Access driver writes itself.
extern const char* const kMessagePrefix;

} // namespace accessdriver
