// The suite's default database "Rivanta40.mdb": an SQLite file holding the sample data. The same
// seed and reading count give a byte-identical file.
#pragma once

#include "sampledata.h"

#include <string>

namespace sampledb {

// Writes the database to path (replacing a file there). Throws std::runtime_error on failure.
SampleCounts buildSampleDatabase(const std::string& path, const SampleOptions& options);

} // namespace sampledb
