#include "sqlitewriter.h"

#include <stdexcept>

namespace sampledb {

SqliteWriter::SqliteWriter(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK)
        fail("open");
}

SqliteWriter::~SqliteWriter()
{
    if (db_)
        sqlite3_close(db_);
}

void SqliteWriter::fail(const char* what)
{
    throw std::runtime_error(std::string(what) + ": " + (db_ ? sqlite3_errmsg(db_) : "no memory"));
}

void SqliteWriter::execute(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

void SqliteWriter::close()
{
    if (sqlite3_close(db_) != SQLITE_OK)
        fail("close");
    db_ = nullptr;
}

SqliteWriter::Insert::Insert(SqliteWriter& writer, const char* sql)
    : writer_(writer)
{
    if (sqlite3_prepare_v2(writer_.db_, sql, -1, &statement_, nullptr) != SQLITE_OK)
        writer_.fail(sql);
}

SqliteWriter::Insert::~Insert() { sqlite3_finalize(statement_); }

SqliteWriter::Insert& SqliteWriter::Insert::value(long long v)
{
    sqlite3_bind_int64(statement_, ++column_, v);
    return *this;
}

SqliteWriter::Insert& SqliteWriter::Insert::value(double v)
{
    sqlite3_bind_double(statement_, ++column_, v);
    return *this;
}

SqliteWriter::Insert& SqliteWriter::Insert::value(const std::string& v)
{
    sqlite3_bind_text(
        statement_, ++column_, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    return *this;
}

SqliteWriter::Insert& SqliteWriter::Insert::value(const std::optional<std::string>& v)
{
    if (v)
        return value(*v);
    sqlite3_bind_null(statement_, ++column_);
    return *this;
}

SqliteWriter::Insert& SqliteWriter::Insert::value(const std::optional<double>& v)
{
    if (v)
        return value(*v);
    sqlite3_bind_null(statement_, ++column_);
    return *this;
}

void SqliteWriter::Insert::insert()
{
    if (sqlite3_step(statement_) != SQLITE_DONE)
        writer_.fail("insert");
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
    column_ = 0;
}

} // namespace sampledb
