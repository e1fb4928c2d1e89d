// The sample data into an SQLite database: statements run on the open file, rows go in through
// one prepared INSERT per table. Errors throw std::runtime_error with SQLite's message.
#pragma once

#include "samplewriter.h"

#include <sqlite3.h>

#include <string>

namespace sampledb {

class SqliteWriter : public SampleWriter {
public:
    explicit SqliteWriter(const std::string& path);
    ~SqliteWriter() override;
    SqliteWriter(const SqliteWriter&) = delete;
    SqliteWriter& operator=(const SqliteWriter&) = delete;

    void execute(const std::string& sql);
    void close();

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
    void finalize();

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
    int column_ = 0;
};

} // namespace sampledb
