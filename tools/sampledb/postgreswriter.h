// The sample data onto a PostgreSQL server through libpq: statements run on one connection, each
// table's rows stream in with COPY (the server's bulk path), in text format, a buffer at a time.
// Errors throw std::runtime_error with the server's or libpq's message.
#pragma once

#include "samplewriter.h"

#include <libpq-fe.h>

#include <string>
#include <vector>

namespace sampledb {

class PostgresWriter : public SampleWriter {
public:
    // Connects with a libpq connection string or URI.
    explicit PostgresWriter(const std::string& conninfo);
    ~PostgresWriter() override;
    PostgresWriter(const PostgresWriter&) = delete;
    PostgresWriter& operator=(const PostgresWriter&) = delete;

    void execute(const std::string& sql);
    // The first column of every row of a query.
    std::vector<std::string> column(const std::string& sql);
    PGconn* connection() const { return conn_; }

    void beginTable(const SampleTable& table) override;
    void endTable() override;

protected:
    void putInteger(long long v) override;
    void putNumber(double v) override;
    void putText(const std::string& v) override;
    void putNull() override;
    void endRow() override;

private:
    [[noreturn]] void fail(const std::string& what);
    void separate();
    void flush();

    PGconn* conn_ = nullptr;
    std::string buffer_; // COPY text not yet sent
    bool firstValue_ = true;
};

} // namespace sampledb
