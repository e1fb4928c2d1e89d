// An ODBC connect string as an ordered list of entries ("key=value;"), with the Jet prefix "ODBC;"
// and other segments without an equals sign kept as bare entries.
#pragma once

#include <string>
#include <vector>

namespace accessdriver {

struct ConnectEntry {
    std::string key;
    std::string value; // as written, braces included
    bool bare = false; // a segment without '=' ("ODBC")
};

class ConnectString {
public:
    ConnectString() = default;
    explicit ConnectString(const std::string& text);

    // The value of the first entry with this key (case-insensitive), braces removed; nullptr when
    // the key is absent.
    const std::string* find(const char* key) const;
    std::string value(const char* key) const;

    // Adds the entry at the end, or replaces the value of the first entry with that key.
    void set(const char* key, const std::string& value);

    // "key=value;" for every entry with an equals sign, in order; the first of duplicate keys wins.
    std::string text() const;

    const std::vector<ConnectEntry>& entries() const { return entries_; }

private:
    std::vector<ConnectEntry> entries_;
};

bool sameKey(const std::string& a, const char* b);
std::string unbraced(const std::string& value);

} // namespace accessdriver
