#include "connectstring.h"

#include <cctype>
#include <strings.h>

namespace accessdriver {

namespace {

    std::string trimmed(const std::string& s)
    {
        size_t b = s.find_first_not_of(" \t");
        if (b == std::string::npos)
            return std::string();
        size_t e = s.find_last_not_of(" \t");
        return s.substr(b, e - b + 1);
    }

} // namespace

bool sameKey(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

std::string unbraced(const std::string& value)
{
    if (value.size() >= 2 && value.front() == '{' && value.back() == '}')
        return value.substr(1, value.size() - 2);
    return value;
}

ConnectString::ConnectString(const std::string& text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        size_t start = i;
        while (i < n && text[i] != '=' && text[i] != ';')
            ++i;
        ConnectEntry entry;
        entry.key = trimmed(text.substr(start, i - start));
        if (i < n && text[i] == '=') {
            ++i;
            size_t valueStart = i;
            // A value in braces may hold semicolons; it ends at the closing brace.
            size_t firstChar = text.find_first_not_of(' ', i);
            if (firstChar != std::string::npos && text[firstChar] == '{') {
                size_t close = text.find('}', firstChar);
                i = close == std::string::npos ? n : close + 1;
            }
            while (i < n && text[i] != ';')
                ++i;
            entry.value = trimmed(text.substr(valueStart, i - valueStart));
        } else {
            entry.bare = true;
        }
        if (i < n)
            ++i; // the semicolon
        if (!entry.key.empty())
            entries_.push_back(entry);
    }
}

const std::string* ConnectString::find(const char* key) const
{
    for (const ConnectEntry& e : entries_) {
        if (!e.bare && sameKey(e.key, key))
            return &e.value;
    }
    return nullptr;
}

std::string ConnectString::value(const char* key) const
{
    const std::string* v = find(key);
    return v ? unbraced(*v) : std::string();
}

void ConnectString::set(const char* key, const std::string& value)
{
    for (ConnectEntry& e : entries_) {
        if (!e.bare && sameKey(e.key, key)) {
            e.value = value;
            return;
        }
    }
    entries_.push_back(ConnectEntry { key, value, false });
}

std::string ConnectString::text() const
{
    std::string out;
    std::vector<const std::string*> seen;
    for (const ConnectEntry& e : entries_) {
        if (e.bare)
            continue;
        bool duplicate = false;
        for (const std::string* s : seen)
            duplicate = duplicate || sameKey(*s, e.key.c_str());
        if (duplicate)
            continue;
        seen.push_back(&e.key);
        out += e.key + "=" + e.value + ";";
    }
    return out;
}

} // namespace accessdriver
