#include "inifile.h"

#include <strings.h>

namespace winport {
namespace {

    const char* const spaces = " \t";

    std::string trimmed(const std::string& text)
    {
        const size_t first = text.find_first_not_of(spaces);
        if (first == std::string::npos)
            return std::string();
        return text.substr(first, text.find_last_not_of(spaces) - first + 1);
    }

    bool sameName(const std::string& a, const std::string& b)
    {
        return strcasecmp(a.c_str(), b.c_str()) == 0;
    }

    bool isBlank(const std::string& text)
    {
        return text.find_first_not_of(spaces) == std::string::npos;
    }

} // namespace

IniFile::Line IniFile::parseLine(const std::string& text)
{
    Line line;
    line.text = text;
    const std::string content = trimmed(text);
    if (content.empty() || content[0] == ';')
        return line;
    const size_t equals = content.find('=');
    if (equals == std::string::npos) {
        line.key = content;
    } else {
        line.hasEquals = true;
        line.key = trimmed(content.substr(0, equals));
        line.value = trimmed(content.substr(equals + 1));
    }
    return line;
}

void IniFile::parse(const std::string& text)
{
    m_sections.clear();
    Section preamble;
    preamble.hasHeader = false;
    m_sections.push_back(preamble);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        start = end + 1;
        const std::string content = trimmed(raw);
        if (!content.empty() && content[0] == '[') {
            Section section;
            const size_t close = content.find(']');
            section.name = trimmed(
                content.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            m_sections.push_back(section);
            continue;
        }
        m_sections.back().lines.push_back(parseLine(raw));
    }
}

std::string IniFile::serialize() const
{
    std::string out;
    for (const Section& section : m_sections) {
        if (section.hasHeader)
            out += "[" + section.name + "]\r\n";
        for (const Line& line : section.lines)
            out += line.text + "\r\n";
    }
    return out;
}

IniFile::Section* IniFile::findSection(const std::string& name)
{
    for (Section& section : m_sections) {
        if (section.hasHeader && sameName(section.name, name))
            return &section;
    }
    return nullptr;
}

const IniFile::Section* IniFile::findSection(const std::string& name) const
{
    return const_cast<IniFile*>(this)->findSection(name);
}

IniFile::Section& IniFile::addSection(const std::string& name)
{
    // Keep a blank line between the previous content and the new section.
    if (!m_sections.empty()) {
        Section& last = m_sections.back();
        const bool empty = !last.hasHeader && last.lines.empty();
        if (!empty && (last.lines.empty() || !isBlank(last.lines.back().text)))
            last.lines.push_back(Line());
    }
    Section section;
    section.name = name;
    m_sections.push_back(section);
    return m_sections.back();
}

const std::string* IniFile::find(const std::string& section, const std::string& key) const
{
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    for (const Line& line : s->lines) {
        if (!line.key.empty() && sameName(line.key, key))
            return &line.value;
    }
    return nullptr;
}

bool IniFile::hasSection(const std::string& section) const
{
    return findSection(section) != nullptr;
}

std::vector<std::string> IniFile::sectionNames() const
{
    std::vector<std::string> names;
    for (const Section& section : m_sections) {
        if (section.hasHeader)
            names.push_back(section.name);
    }
    return names;
}

std::vector<std::string> IniFile::keys(const std::string& section) const
{
    std::vector<std::string> out;
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.key.empty())
                out.push_back(line.key);
        }
    }
    return out;
}

std::vector<std::string> IniFile::entries(const std::string& section) const
{
    std::vector<std::string> out;
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->lines) {
            if (!line.key.empty())
                out.push_back(line.hasEquals ? line.key + "=" + line.value : line.key);
        }
    }
    return out;
}

bool IniFile::set(const std::string& section, const std::string& key, const std::string& value)
{
    Section* s = findSection(section);
    if (!s)
        s = &addSection(section);
    for (Line& line : s->lines) {
        if (!line.key.empty() && sameName(line.key, key)) {
            const std::string text = line.key + "=" + value;
            if (line.text == text)
                return false;
            line = parseLine(text);
            return true;
        }
    }
    // After the section's last non-blank line.
    size_t at = s->lines.size();
    while (at > 0 && isBlank(s->lines[at - 1].text))
        --at;
    s->lines.insert(s->lines.begin() + static_cast<long>(at), parseLine(key + "=" + value));
    return true;
}

bool IniFile::removeKey(const std::string& section, const std::string& key)
{
    Section* s = findSection(section);
    if (!s)
        return false;
    for (auto it = s->lines.begin(); it != s->lines.end(); ++it) {
        if (!it->key.empty() && sameName(it->key, key)) {
            s->lines.erase(it);
            return true;
        }
    }
    return false;
}

bool IniFile::removeSection(const std::string& section)
{
    for (auto it = m_sections.begin(); it != m_sections.end(); ++it) {
        if (it->hasHeader && sameName(it->name, section)) {
            m_sections.erase(it);
            return true;
        }
    }
    return false;
}

bool IniFile::replaceSection(const std::string& section, const std::vector<std::string>& lines)
{
    Section* s = findSection(section);
    if (!s)
        s = &addSection(section);
    std::vector<Line> replaced;
    for (const std::string& text : lines)
        replaced.push_back(parseLine(text));
    if (s != &m_sections.back())
        replaced.push_back(Line());
    s->lines = replaced;
    return true;
}

} // namespace winport
