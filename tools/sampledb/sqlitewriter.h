// A thin owner of an SQLite database being written: statements run inside one transaction, rows
// go in through prepared inserts. Errors throw std::runtime_error with SQLite's message.
#pragma once

#include <sqlite3.h>

#include <optional>
#include <string>

namespace sampledb {

class SqliteWriter {
public:
    explicit SqliteWriter(const std::string& path);
    ~SqliteWriter();
    SqliteWriter(const SqliteWriter&) = delete;
    SqliteWriter& operator=(const SqliteWriter&) = delete;

    void execute(const char* sql);

    // One prepared INSERT; values are bound in column order, then insert() runs it.
    class Insert {
    public:
        Insert(SqliteWriter& writer, const char* sql);
        ~Insert();
        Insert(const Insert&) = delete;
        Insert& operator=(const Insert&) = delete;

        Insert& value(long long v);
        Insert& value(double v);
        Insert& value(const std::string& v);
        Insert& value(const std::optional<std::string>& v);
        Insert& value(const std::optional<double>& v);
        void insert();

    private:
        SqliteWriter& writer_;
        sqlite3_stmt* statement_ = nullptr;
        int column_ = 0;
    };

    void close();

private:
    [[noreturn]] void fail(const char* what);
    sqlite3* db_ = nullptr;
};

} // namespace sampledb
