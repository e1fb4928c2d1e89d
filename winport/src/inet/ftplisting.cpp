// Remote directory listings: libcurl parses the LIST answer (wildcard mode with chunk callbacks
// that skip every download); each entry becomes a find record.
#include "inetchannel.h"

#include <strings.h>

#include <cstdio>
#include <cstring>
#include <ctime>

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

// "Dec 05 16:22" (within the last year, in UTC) or "Jan 02  2020"; 0 when not understood.
time_t ListingTime(const char* text, time_t now)
{
    static const char* const months[]
        = { "jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec" };
    char month[4] = {};
    char rest[16] = {};
    int day = 0;
    if (!text || std::sscanf(text, "%3s %d %15s", month, &day, rest) != 3 || day < 1 || day > 31)
        return 0;
    int index = -1;
    for (int i = 0; i < 12; ++i) {
        if (strcasecmp(month, months[i]) == 0)
            index = i;
    }
    if (index < 0)
        return 0;
    tm parts {};
    parts.tm_mon = index;
    parts.tm_mday = day;
    int hour = 0;
    int minute = 0;
    int year = 0;
    if (std::sscanf(rest, "%d:%d", &hour, &minute) == 2) {
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
    if (std::sscanf(rest, "%d", &year) == 1 && year > 1900) {
        parts.tm_year = year - 1900;
        return timegm(&parts);
    }
    return 0;
}

struct Listing {
    std::vector<WIN32_FIND_DATA>* entries;
    time_t now;
};

long OnEntry(const void* info, void* data, int)
{
    auto* listing = static_cast<Listing*>(data);
    auto* file = static_cast<const curl_fileinfo*>(info);
    WIN32_FIND_DATA record {};
    record.dwFileAttributes = file->filetype == CURLFILETYPE_DIRECTORY ? FILE_ATTRIBUTE_DIRECTORY
                                                                       : FILE_ATTRIBUTE_NORMAL;
    if (file->strings.perm && std::strlen(file->strings.perm) > 1 && file->strings.perm[1] != 'w')
        record.dwFileAttributes |= FILE_ATTRIBUTE_READONLY;
    if (file->flags & CURLFINFOFLAG_KNOWN_SIZE) {
        auto size = static_cast<unsigned long long>(file->size);
        record.nFileSizeLow = static_cast<DWORD>(size);
        record.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    }
    time_t written = ListingTime(file->strings.time, listing->now);
    if (written) {
        record.ftLastWriteTime = FileTimeFromUnix(written);
        record.ftCreationTime = record.ftLastWriteTime;
        record.ftLastAccessTime = record.ftLastWriteTime;
    }
    std::snprintf(
        record.cFileName, sizeof record.cFileName, "%s", file->filename ? file->filename : "");
    listing->entries->push_back(record);
    return CURL_CHUNK_BGN_FUNC_SKIP;
}

long OnEntryEnd(void*) { return CURL_CHUNK_END_FUNC_OK; }

// Every name: the caller filters with Windows rules.
int MatchEverything(void*, const char*, const char*) { return CURL_FNMATCHFUNC_MATCH; }

}

BOOL CFtpConnection::List(const std::string& directory, std::vector<WIN32_FIND_DATA>& entries)
{
    Listing listing { &entries, time(nullptr) };
    bool ran = false;
    try {
        BeginRequest(this, m_dwContext);
        winport::InetChannel& channel = Channel();
        CURL* e = channel.Easy();
        std::string url = Url(directory, true) + "*";
        curl_easy_setopt(e, CURLOPT_URL, url.c_str());
        curl_easy_setopt(e, CURLOPT_WILDCARDMATCH, 1L);
        curl_easy_setopt(e, CURLOPT_CHUNK_BGN_FUNCTION, &OnEntry);
        curl_easy_setopt(e, CURLOPT_CHUNK_END_FUNCTION, &OnEntryEnd);
        curl_easy_setopt(e, CURLOPT_CHUNK_DATA, &listing);
        curl_easy_setopt(e, CURLOPT_FNMATCH_FUNCTION, &MatchEverything);
        ran = true;
        channel.Run();
        return TRUE;
    } catch (CInternetException* e) {
        RecordFailure(e);
    }
    // libcurl reports an empty directory as "not found" after a complete listing.
    if (!ran || !m_channel || m_channel->Result() != CURLE_REMOTE_FILE_NOT_FOUND)
        return FALSE;
    for (const auto& line : m_channel->Replies()) {
        if (line.rfind("226", 0) == 0)
            return TRUE;
    }
    return FALSE;
}
