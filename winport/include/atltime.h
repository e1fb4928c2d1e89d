// CTime and CTimeSpan: MFC's seconds-based local time and time differences.
#pragma once

#include <ctime>
#include "afxstr.h"
#include "winport/export.h"
#include "wintypes.h"

class WINPORT_API CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(time_t seconds)
        : m_span(seconds)
    {
    }
    CTimeSpan(LONG days, int hours, int minutes, int seconds);

    LONGLONG GetDays() const { return m_span / 86400; }
    LONGLONG GetTotalHours() const { return m_span / 3600; }
    LONG GetHours() const { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const { return m_span / 60; }
    LONG GetMinutes() const { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const { return m_span; }
    LONG GetSeconds() const
    {
        return static_cast<LONG>(GetTotalSeconds() - GetTotalMinutes() * 60);
    }
    time_t GetTimeSpan() const { return m_span; }

    // %D days, %H hours, %M minutes, %S seconds (two digits each but days), %% a percent sign.
    CString Format(const char* format) const;

    CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_span + other.m_span); }
    CTimeSpan operator-(CTimeSpan other) const { return CTimeSpan(m_span - other.m_span); }
    CTimeSpan& operator+=(CTimeSpan other)
    {
        m_span += other.m_span;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan other)
    {
        m_span -= other.m_span;
        return *this;
    }
    bool operator==(CTimeSpan other) const { return m_span == other.m_span; }
    bool operator!=(CTimeSpan other) const { return m_span != other.m_span; }
    bool operator<(CTimeSpan other) const { return m_span < other.m_span; }
    bool operator>(CTimeSpan other) const { return m_span > other.m_span; }
    bool operator<=(CTimeSpan other) const { return m_span <= other.m_span; }
    bool operator>=(CTimeSpan other) const { return m_span >= other.m_span; }

private:
    time_t m_span = 0;
};

// A point in time in whole seconds since 1970-01-01 UTC, read and written in local time.
// Construction from fields that cannot form a time (year before 1900, month outside 1..12, day
// outside 1..31, hour, minute or second out of range) gives the invalid time -1, whose fields
// and Format are empty.
class WINPORT_API CTime {
public:
    CTime() = default;
    CTime(time_t time)
        : m_time(time)
    {
    }
    // dst: 0 standard time, positive daylight saving time, negative let the time zone decide.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);
    CTime(const SYSTEMTIME& systemTime, int dst = -1);
    // The file time is UTC; it is converted to local time first, as MFC does.
    CTime(const FILETIME& fileTime, int dst = -1);

    static CTime GetCurrentTime();
    static bool IsValidFILETIME(const FILETIME& fileTime);

    time_t GetTime() const { return m_time; }
    struct tm* GetLocalTm(struct tm* result) const;
    struct tm* GetGmtTm(struct tm* result) const;
    bool GetAsSystemTime(SYSTEMTIME& systemTime) const;
    bool GetAsFileTime(FILETIME& fileTime) const;

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday ... 7 = Saturday

    // strftime patterns; "%#" (no leading zeros) is understood as on Windows.
    CString Format(const char* format) const;
    CString FormatGmt(const char* format) const;

    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span)
    {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan span)
    {
        m_time -= span.GetTimeSpan();
        return *this;
    }
    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }
    bool operator>(CTime other) const { return m_time > other.m_time; }
    bool operator<=(CTime other) const { return m_time <= other.m_time; }
    bool operator>=(CTime other) const { return m_time >= other.m_time; }

private:
    int field(int tm::*member, int offset) const;

    time_t m_time = 0;
};
