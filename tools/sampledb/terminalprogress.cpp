#include "terminalprogress.h"

#include <cstdio>
#include <unistd.h>

namespace sampledb {

TerminalProgress::TerminalProgress(std::string label)
    : label_(std::move(label))
{
}

TerminalProgress::~TerminalProgress() { finish(); }

SampleProgress TerminalProgress::callback()
{
    if (!isatty(STDERR_FILENO))
        return {};
    return [this](const char* table, long long done, long long total) { show(table, done, total); };
}

void TerminalProgress::show(const char* table, long long done, long long total)
{
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : -1;
    if (percent == lastPercent_ && lastTable_ == table)
        return;
    lastPercent_ = percent;
    lastTable_ = table;
    if (total > 0)
        fprintf(stderr, "\r%s: %s %lld of %lld rows (%d%%)\033[K", label_.c_str(), table, done,
            total, percent);
    else
        fprintf(stderr, "\r%s: %s\033[K", label_.c_str(), table);
    fflush(stderr);
    shown_ = true;
}

void TerminalProgress::finish()
{
    if (shown_)
        fputs("\r\033[K", stderr);
    shown_ = false;
}

} // namespace sampledb
