// Reading printed PDF files back: the text of each page as `pdftotext -layout` lays it out.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pdftext {

// The pages of a PDF file (pdftotext ends every page with a form feed); empty when the file
// cannot be read.
inline std::vector<std::string> pages(const std::string& path)
{
    std::string command = "pdftotext -layout '" + path + "' - 2>/dev/null";
    std::vector<std::string> result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::string text;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, n);
    if (pclose(pipe) != 0)
        return {};
    size_t start = 0;
    for (size_t ff = text.find('\f'); ff != std::string::npos; ff = text.find('\f', start)) {
        result.push_back(text.substr(start, ff - start));
        start = ff + 1;
    }
    return result;
}

// The non-blank lines of a page, trimmed on the right.
inline std::vector<std::string> lines(const std::string& page)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= page.size()) {
        size_t end = page.find('\n', start);
        if (end == std::string::npos)
            end = page.size();
        std::string line = page.substr(start, end - start);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r'))
            line.pop_back();
        if (line.find_first_not_of(' ') != std::string::npos)
            out.push_back(line);
        start = end + 1;
    }
    return out;
}

inline bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
}
