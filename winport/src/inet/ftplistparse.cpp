#include "ftplistparse.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace winport {
namespace {

    // Seconds between 1601-01-01 and 1970-01-01.
    constexpr long long kEpochDifference = 11644473600LL;

    FILETIME FileTimeFromUnix(time_t seconds)
    {
        unsigned long long ticks
            = (static_cast<unsigned long long>(seconds) + kEpochDifference) * 10000000ULL;
        FILETIME time;
        time.dwLowDateTime = static_cast<DWORD>(ticks);
        time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
        return time;
    }

    void SetTimes(WIN32_FIND_DATA& record, time_t written)
    {
        if (!written)
            return;
        record.ftLastWriteTime = FileTimeFromUnix(written);
        record.ftCreationTime = record.ftLastWriteTime;
        record.ftLastAccessTime = record.ftLastWriteTime;
    }

    bool SetSize(WIN32_FIND_DATA& record, const std::string& digits)
    {
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        unsigned long long size = std::strtoull(digits.c_str(), nullptr, 10);
        record.nFileSizeLow = static_cast<DWORD>(size);
        record.nFileSizeHigh = static_cast<DWORD>(size >> 32);
        return true;
    }

    bool SetName(WIN32_FIND_DATA& record, const std::string& name)
    {
        if (name.empty() || name.size() >= sizeof record.cFileName)
            return false;
        std::snprintf(record.cFileName, sizeof record.cFileName, "%s", name.c_str());
        return true;
    }

    int MonthIndex(const std::string& text)
    {
        static const char* const months[] = { "jan", "feb", "mar", "apr", "may", "jun", "jul",
            "aug", "sep", "oct", "nov", "dec" };
        for (int i = 0; i < 12; ++i) {
            if (text.size() == 3 && strcasecmp(text.c_str(), months[i]) == 0)
                return i;
        }
        return -1;
    }

    // "Dec 05 16:22" (within the year before now) or "Jan 02 2020"; 0 when not understood.
    time_t UnixListingTime(int month, int day, const std::string& clockOrYear, time_t now)
    {
        tm parts {};
        parts.tm_mon = month;
        parts.tm_mday = day;
        int hour = 0;
        int minute = 0;
        int year = 0;
        if (std::sscanf(clockOrYear.c_str(), "%d:%d", &hour, &minute) == 2) {
            tm today {};
            gmtime_r(&now, &today);
            parts.tm_year = today.tm_year;
            parts.tm_hour = hour;
            parts.tm_min = minute;
            time_t result = timegm(&parts);
            if (result > now + 86400) {
                parts.tm_year -= 1;
                result = timegm(&parts);
            }
            return result;
        }
        if (std::sscanf(clockOrYear.c_str(), "%d", &year) == 1 && year > 1900) {
            parts.tm_year = year - 1900;
            return timegm(&parts);
        }
        return 0;
    }

    // The position in line just past the field-th blank-separated word (0: the first word).
    size_t PastWord(const std::string& line, size_t field)
    {
        size_t at = 0;
        for (size_t i = 0; i <= field; ++i) {
            at = line.find_first_not_of(' ', at);
            if (at == std::string::npos)
                return std::string::npos;
            at = line.find(' ', at);
            if (at == std::string::npos)
                return std::string::npos;
        }
        return at;
    }

    // "drwxr-xr-x 2 owner group 4096 Dec 05 16:22 name": the date is found by its month, so a
    // listing without a group column (or with blanks in no column but the name) reads too.
    bool ParseUnix(const std::string& line, time_t now, WIN32_FIND_DATA& record)
    {
        if (line.size() < 10 || std::string("-dlbcps").find(line[0]) == std::string::npos)
            return false;
        for (size_t i = 1; i < 10; ++i) {
            if (std::string("rwxsStTl-").find(line[i]) == std::string::npos)
                return false;
        }
        std::vector<std::string> words;
        std::istringstream in(line);
        for (std::string word; words.size() < 9 && in >> word;)
            words.push_back(word);
        for (size_t m = 2; m + 2 < words.size(); ++m) {
            int month = MonthIndex(words[m]);
            int day = std::atoi(words[m + 1].c_str());
            if (month < 0 || day < 1 || day > 31 || !SetSize(record, words[m - 1]))
                continue;
            size_t nameStart = PastWord(line, m + 2);
            if (nameStart == std::string::npos)
                return false;
            std::string name = line.substr(nameStart + 1);
            if (line[0] == 'l') {
                size_t arrow = name.find(" -> ");
                if (arrow != std::string::npos)
                    name.resize(arrow);
            }
            record.dwFileAttributes
                = line[0] == 'd' ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
            if (line[2] != 'w')
                record.dwFileAttributes |= FILE_ATTRIBUTE_READONLY;
            SetTimes(record, UnixListingTime(month, day, words[m + 2], now));
            return SetName(record, name);
        }
        return false;
    }

    // "12-05-20  04:22PM       <DIR>          name" or "... 1234 name".
    bool ParseDos(const std::string& line, WIN32_FIND_DATA& record)
    {
        int month = 0, day = 0, year = 0, hour = 0, minute = 0, used = 0;
        if (std::sscanf(
                line.c_str(), "%2d-%2d-%4d %2d:%2d%n", &month, &day, &year, &hour, &minute, &used)
                != 5
            || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59) {
            return false;
        }
        // A 12-hour clock ends in AM or PM; without them the clock has 24 hours.
        const char half = static_cast<char>(std::toupper(static_cast<unsigned char>(line[used])));
        if ((half == 'A' || half == 'P') && used + 1 < static_cast<int>(line.size())
            && std::toupper(static_cast<unsigned char>(line[used + 1])) == 'M') {
            hour = hour % 12 + (half == 'P' ? 12 : 0);
            used += 2;
        }
        size_t sizeStart = line.find_first_not_of(' ', static_cast<size_t>(used));
        size_t sizeEnd = line.find(' ', sizeStart);
        if (sizeStart == std::string::npos || sizeEnd == std::string::npos)
            return false;
        std::string size = line.substr(sizeStart, sizeEnd - sizeStart);
        size_t nameStart = line.find_first_not_of(' ', sizeEnd);
        if (nameStart == std::string::npos)
            return false;
        if (size == "<DIR>")
            record.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
        else if (SetSize(record, size))
            record.dwFileAttributes = FILE_ATTRIBUTE_NORMAL;
        else
            return false;
        tm parts {};
        parts.tm_year = (year < 70 ? year + 2000 : year < 100 ? year + 1900 : year) - 1900;
        parts.tm_mon = month - 1;
        parts.tm_mday = day;
        parts.tm_hour = hour;
        parts.tm_min = minute;
        SetTimes(record, timegm(&parts));
        return SetName(record, line.substr(nameStart));
    }

} // namespace

bool ParseListLine(const std::string& line, time_t now, WIN32_FIND_DATA& record)
{
    record = WIN32_FIND_DATA {};
    if (ParseUnix(line, now, record))
        return true;
    record = WIN32_FIND_DATA {};
    return ParseDos(line, record);
}

bool ParseMlstFacts(const std::string& line, const std::string& name, WIN32_FIND_DATA& record)
{
    size_t end = line.find(' ', line.find_first_not_of(' '));
    if (line.empty() || line[0] != ' ' || end == std::string::npos)
        return false;
    record = WIN32_FIND_DATA {};
    if (!SetName(record, name))
        return false;
    bool typed = false;
    // The facts are "key=value;" pieces before the first blank after the leading one.
    for (size_t from = 0; from < end;) {
        size_t stop = std::min(line.find(';', from), end);
        std::string fact = line.substr(from, stop - from);
        from = stop + 1;
        size_t equals = fact.find('=');
        if (equals == std::string::npos)
            continue;
        std::string key = fact.substr(0, equals);
        key.erase(0, key.find_first_not_of(' '));
        std::string value = fact.substr(equals + 1);
        if (strcasecmp(key.c_str(), "type") == 0) {
            typed = true;
            record.dwFileAttributes = strcasecmp(value.c_str(), "file") == 0
                ? FILE_ATTRIBUTE_NORMAL
                : FILE_ATTRIBUTE_DIRECTORY;
        } else if (strcasecmp(key.c_str(), "size") == 0) {
            SetSize(record, value);
        } else if (strcasecmp(key.c_str(), "modify") == 0 && value.size() >= 14) {
            tm parts {};
            if (std::sscanf(value.c_str(), "%4d%2d%2d%2d%2d%2d", &parts.tm_year, &parts.tm_mon,
                    &parts.tm_mday, &parts.tm_hour, &parts.tm_min, &parts.tm_sec)
                == 6) {
                parts.tm_year -= 1900;
                parts.tm_mon -= 1;
                SetTimes(record, timegm(&parts));
            }
        }
    }
    if (record.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        record.nFileSizeLow = 0;
        record.nFileSizeHigh = 0;
    }
    return typed;
}

} // namespace winport
