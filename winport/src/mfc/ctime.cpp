#include "atltime.h"
#include "wintime.h"

#include <string>
#include <vector>

namespace {
CString formatTm(const struct tm* tm, const char* format)
{
    if (!tm || !format || !*format)
        return CString();
    // Windows writes "%#d" for a day without leading zero; glibc spells that flag "-".
    std::string pattern(format);
    for (size_t i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] == '%') {
            if (pattern[i + 1] == '#')
                pattern[i + 1] = '-';
            ++i;
        }
    }
    std::vector<char> buffer(256);
    for (;;) {
        size_t n = strftime(buffer.data(), buffer.size(), pattern.c_str(), tm);
        if (n > 0)
            return CString(buffer.data(), static_cast<int>(n));
        if (buffer.size() >= 65536)
            return CString(); // the pattern expands to nothing, or to too much
        buffer.resize(buffer.size() * 4);
    }
}
} // namespace

CTimeSpan::CTimeSpan(LONG days, int hours, int minutes, int seconds)
    : m_span(((static_cast<time_t>(days) * 24 + hours) * 60 + minutes) * 60 + seconds)
{
}

CString CTimeSpan::Format(const char* format) const
{
    CString out;
    if (!format)
        return out;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
            continue;
        }
        switch (*++p) {
        case 'D':
            out.AppendFormat("%lld", static_cast<long long>(GetDays()));
            break;
        case 'H':
            out.AppendFormat("%02ld", static_cast<long>(GetHours()));
            break;
        case 'M':
            out.AppendFormat("%02ld", static_cast<long>(GetMinutes()));
            break;
        case 'S':
            out.AppendFormat("%02ld", static_cast<long>(GetSeconds()));
            break;
        default:
            out += *p;
            break;
        }
    }
    return out;
}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst)
    : m_time(-1)
{
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || second < 0 || second > 59)
        return;
    struct tm fields = {};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = dst < 0 ? -1 : (dst > 0 ? 1 : 0);
    m_time = mktime(&fields);
}

CTime::CTime(const SYSTEMTIME& st, int dst)
    : m_time(0)
{
    if (st.wYear >= 1900)
        *this = CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, dst);
}

CTime::CTime(const FILETIME& fileTime, int dst)
    : m_time(-1)
{
    FILETIME local;
    SYSTEMTIME st;
    if (FileTimeToLocalFileTime(&fileTime, &local) && FileTimeToSystemTime(&local, &st))
        *this = CTime(st, dst);
}

CTime CTime::GetCurrentTime() { return CTime(time(nullptr)); }

bool CTime::IsValidFILETIME(const FILETIME& fileTime)
{
    FILETIME local;
    SYSTEMTIME st;
    return FileTimeToLocalFileTime(&fileTime, &local) && FileTimeToSystemTime(&local, &st)
        && st.wYear >= 1970 && st.wYear <= 3000;
}

struct tm* CTime::GetLocalTm(struct tm* result) const
{
    if (!result || m_time < 0)
        return nullptr;
    return localtime_r(&m_time, result);
}

struct tm* CTime::GetGmtTm(struct tm* result) const
{
    if (!result || m_time < 0)
        return nullptr;
    return gmtime_r(&m_time, result);
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    struct tm local;
    if (!GetLocalTm(&local))
        return false;
    st.wYear = static_cast<WORD>(local.tm_year + 1900);
    st.wMonth = static_cast<WORD>(local.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(local.tm_wday);
    st.wDay = static_cast<WORD>(local.tm_mday);
    st.wHour = static_cast<WORD>(local.tm_hour);
    st.wMinute = static_cast<WORD>(local.tm_min);
    st.wSecond = static_cast<WORD>(local.tm_sec);
    st.wMilliseconds = 0;
    return true;
}

bool CTime::GetAsFileTime(FILETIME& fileTime) const
{
    if (m_time < 0)
        return false;
    const uint64_t ticks = (static_cast<uint64_t>(m_time) + 11644473600ULL) * 10000000ULL;
    fileTime.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFFu);
    fileTime.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return true;
}

int CTime::field(int tm::*member, int offset) const
{
    struct tm local;
    return GetLocalTm(&local) ? local.*member + offset : 0;
}

int CTime::GetYear() const { return field(&tm::tm_year, 1900); }
int CTime::GetMonth() const { return field(&tm::tm_mon, 1); }
int CTime::GetDay() const { return field(&tm::tm_mday, 0); }
int CTime::GetHour() const { return field(&tm::tm_hour, 0); }
int CTime::GetMinute() const { return field(&tm::tm_min, 0); }
int CTime::GetSecond() const { return field(&tm::tm_sec, 0); }
int CTime::GetDayOfWeek() const { return field(&tm::tm_wday, 1); }

CString CTime::Format(const char* format) const
{
    struct tm local;
    return formatTm(GetLocalTm(&local), format);
}

CString CTime::FormatGmt(const char* format) const
{
    struct tm utc;
    return formatTm(GetGmtTm(&utc), format);
}
