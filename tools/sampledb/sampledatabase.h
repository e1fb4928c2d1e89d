// The suite's default database "Rivanta40.mdb" (an SQLite file): owners, water rights, meters,
// meter readings, inventories with their levels and thresholds, and water years, generated from a
// seed. The same seed and reading count give a byte-identical file.
#pragma once

#include <string>

namespace sampledb {

struct SampleOptions {
    unsigned long long seed = 40;
    int readings = 200000; // rows of MeterReadings
};

struct SampleCounts {
    int owners = 0;
    int waterRights = 0;
    int meters = 0;
    int readings = 0;
    int inventories = 0;
    int inventoryLevels = 0;
    int waterYears = 0;
};

// Writes the database to path (replacing a file there). Throws std::runtime_error on failure.
SampleCounts buildSampleDatabase(const std::string& path, const SampleOptions& options);

} // namespace sampledb
