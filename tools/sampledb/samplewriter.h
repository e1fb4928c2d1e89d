// Where the generated sample rows go: one writer per kind of database (an SQLite file, a
// PostgreSQL server). The generator hands over each table's rows together, value by value in
// column order; dates and timestamps come as text ("YYYY-MM-DD", "YYYY-MM-DD HH:MM:SS").
// Writers throw std::runtime_error on failure.
#pragma once

#include "sampleschema.h"

#include <optional>
#include <string>

namespace sampledb {

class SampleWriter {
public:
    virtual ~SampleWriter() = default;

    virtual void beginTable(const SampleTable& table) = 0;
    virtual void endTable() = 0;

    SampleWriter& value(long long v)
    {
        putInteger(v);
        return *this;
    }
    SampleWriter& value(double v)
    {
        putNumber(v);
        return *this;
    }
    SampleWriter& value(const std::string& v)
    {
        putText(v);
        return *this;
    }
    SampleWriter& value(const std::optional<std::string>& v)
    {
        if (v)
            putText(*v);
        else
            putNull();
        return *this;
    }
    // Ends the row whose values were given.
    void insert() { endRow(); }

protected:
    virtual void putInteger(long long v) = 0;
    virtual void putNumber(double v) = 0;
    virtual void putText(const std::string& v) = 0;
    virtual void putNull() = 0;
    virtual void endRow() = 0;
};

} // namespace sampledb
