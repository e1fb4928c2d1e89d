#include "sampledatabase.h"

#include "sqlitewriter.h"

#include <cstdio>

namespace sampledb {

SampleCounts buildSampleDatabase(const std::string& path, const SampleOptions& options)
{
    std::remove(path.c_str());
    SqliteWriter db(path);
    db.execute("PRAGMA journal_mode=OFF");
    db.execute("PRAGMA synchronous=OFF");
    db.execute("BEGIN");
    for (const SampleTable& table : sampleTables())
        db.execute(createTableSql(table, Dialect::sqlite));
    SampleCounts counts = generateSampleData(db, options);
    for (const std::string& index : sampleIndexes())
        db.execute(index);
    db.execute("COMMIT");
    db.close();
    return counts;
}

} // namespace sampledb
