// An initialisation file held in memory: sections of "key=value" lines. Unchanged lines (comments,
// blank lines, odd spellings) are written back as they were read. Names compare ignoring case
// (ASCII), and the first of several equal sections or keys is the one that counts.
#pragma once

#include <string>
#include <vector>

namespace winport {

class IniFile {
public:
    void parse(const std::string& text);
    // Lines end in "\r\n", as Windows writes them.
    std::string serialize() const;

    // The value of a key (spaces around it removed), or nullptr.
    const std::string* find(const std::string& section, const std::string& key) const;
    bool hasSection(const std::string& section) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keys(const std::string& section) const;
    // The section's entries: "key=value", or "key" for a line without "=".
    std::vector<std::string> entries(const std::string& section) const;

    // Each returns whether the document changed.
    bool set(const std::string& section, const std::string& key, const std::string& value);
    bool removeKey(const std::string& section, const std::string& key);
    bool removeSection(const std::string& section);
    // Replaces the section's entries by lines of the form "key=value" (creating the section).
    bool replaceSection(const std::string& section, const std::vector<std::string>& lines);

private:
    struct Line {
        std::string text; // as read, or as generated for new and changed entries
        std::string key; // empty for blank lines and comments
        std::string value;
        bool hasEquals = false;
    };
    struct Section {
        std::string name;
        bool hasHeader = true; // false for the lines before the first header
        std::vector<Line> lines;
    };

    Section* findSection(const std::string& name);
    const Section* findSection(const std::string& name) const;
    Section& addSection(const std::string& name);
    static Line parseLine(const std::string& text);

    std::vector<Section> m_sections;
};

} // namespace winport
