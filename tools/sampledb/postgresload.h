// The sample data onto a PostgreSQL server: the schema, every table by COPY and the indexes in
// one transaction, so a failed or interrupted load leaves the database as it was.
#pragma once

#include "sampledata.h"

#include <string>

namespace sampledb {

struct PostgresLoad {
    SampleCounts counts;
    // The psqlODBC connect string that reaches the loaded database (see serverconnectstring.h).
    std::string connectString;
};

// conninfo: a libpq connection string or URI. A database that already holds any of the sample
// tables is refused unless replace is set; then the old tables are dropped in the same
// transaction. localDatabase (a Windows path) goes into the connect string's DBQ= entry. Throws
// std::runtime_error with the reason on failure.
PostgresLoad loadIntoPostgres(const std::string& conninfo, const SampleOptions& options,
    bool replace, const std::string& localDatabase);

} // namespace sampledb
