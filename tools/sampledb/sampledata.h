// The suite's sample data (owners, water rights, meters, meter readings, inventories with their
// levels and thresholds, water years), generated from a seed: the same seed and reading count
// give the same rows, whichever writer stores them.
#pragma once

#include <functional>

namespace sampledb {

class SampleWriter;

// Told how far a long table has come: rows written so far of the total.
using SampleProgress = std::function<void(const char* table, long long done, long long total)>;

struct SampleOptions {
    unsigned long long seed = 40;
    int readings = 200000; // rows of MeterReadings
    SampleProgress progress; // may be empty
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

// Hands every table's rows to the writer, in the order of sampleTables().
SampleCounts generateSampleData(SampleWriter& writer, const SampleOptions& options);

} // namespace sampledb
