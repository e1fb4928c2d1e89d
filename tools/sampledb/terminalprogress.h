// Progress of a long load on standard error, one line rewritten in place, only when standard
// error is a terminal (never in logs or pipes).
#pragma once

#include "sampledata.h"

#include <string>

namespace sampledb {

class TerminalProgress {
public:
    explicit TerminalProgress(std::string label);
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    // A callback for SampleOptions::progress; empty when standard error is not a terminal.
    SampleProgress callback();
    // Clears the line.
    void finish();

private:
    void show(const char* table, long long done, long long total);

    std::string label_;
    bool shown_ = false;
    int lastPercent_ = -1;
    std::string lastTable_;
};

} // namespace sampledb
