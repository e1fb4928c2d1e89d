// The tables of the sample database, described once and written as SQL for SQLite (the Access
// stand-in's file) or for a PostgreSQL server, so both hold the same schema.
#pragma once

#include <string>
#include <vector>

namespace sampledb {

enum class ColumnKind { integer, number, date, timestamp, text };

struct SampleColumn {
    const char* name;
    ColumnKind kind;
    int length; // characters of a text column
    bool notNull;
    const char* references; // "Owners(OwnerID)" or null
};

struct SampleTable {
    const char* name;
    // The first column is the primary key; a generated key is given by the database to a row
    // inserted without one (SQLite's INTEGER PRIMARY KEY, PostgreSQL's identity column).
    bool generatedKey;
    std::vector<SampleColumn> columns;
};

enum class Dialect { sqlite, postgres };

// Every table, parents before the tables that refer to them (the order they are filled in).
const std::vector<SampleTable>& sampleTables();
const SampleTable& sampleTable(const char* name);

// With keysLater, the primary key and the references are left out, for addKeysSql() after a bulk
// load (checking and indexing once is faster than row by row).
std::string createTableSql(const SampleTable& table, Dialect dialect, bool keysLater = false);
// ALTER TABLE statements adding the primary key and the references.
std::vector<std::string> addKeysSql(const SampleTable& table);
// The CREATE INDEX statements, the same in both dialects.
const std::vector<std::string>& sampleIndexes();

} // namespace sampledb
