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
    finalize();
    if (db_)
        sqlite3_close(db_);
}

void SqliteWriter::fail(const std::string& what)
{
    throw std::runtime_error(what + ": " + (db_ ? sqlite3_errmsg(db_) : "no memory"));
}

void SqliteWriter::finalize()
{
    sqlite3_finalize(insert_);
    insert_ = nullptr;
}

void SqliteWriter::execute(const std::string& sql)
{
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

void SqliteWriter::close()
{
    finalize();
    if (sqlite3_close(db_) != SQLITE_OK)
        fail("close");
    db_ = nullptr;
}

void SqliteWriter::beginTable(const SampleTable& table)
{
    finalize();
    std::string sql = std::string("INSERT INTO ") + table.name + " VALUES(";
    for (size_t i = 0; i < table.columns.size(); ++i)
        sql += i ? ",?" : "?";
    sql += ")";
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &insert_, nullptr) != SQLITE_OK)
        fail(sql);
    column_ = 0;
}

void SqliteWriter::endTable() { finalize(); }

void SqliteWriter::putInteger(long long v) { sqlite3_bind_int64(insert_, ++column_, v); }

void SqliteWriter::putNumber(double v) { sqlite3_bind_double(insert_, ++column_, v); }

void SqliteWriter::putText(const std::string& v)
{
    sqlite3_bind_text(insert_, ++column_, v.c_str(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
}

void SqliteWriter::putNull() { sqlite3_bind_null(insert_, ++column_); }

void SqliteWriter::endRow()
{
    if (sqlite3_step(insert_) != SQLITE_DONE)
        fail("insert");
    sqlite3_reset(insert_);
    sqlite3_clear_bindings(insert_);
    column_ = 0;
}

} // namespace sampledb
