#include "report/dateformat.h"

#include <cstdlib>

dateFormat::Fields dateFormat::dateFormatSplit(const char* text, bool shortYear)
{
    Fields f;
    if (!text)
        return f;
    CString* fields[] = { &f.year, &f.month, &f.day, &f.hours, &f.minutes, &f.seconds };
    int current = 0;
    for (const char* p = text; *p && current < 6; ++p) {
        const char c = *p;
        bool closes = false;
        switch (current) {
        case 0:
        case 1:
            closes = c == '/' || c == '-';
            break;
        case 2:
            closes = c == ' ';
            break;
        default:
            closes = c == ':';
            break;
        }
        if (!closes) {
            *fields[current] += c;
            continue;
        }
        if (current == 0 && shortYear && f.year.GetLength() > 2)
            f.year = f.year.Right(2);
        if (current == 2)
            f.dateComplete = true;
        ++current;
    }
    return f;
}

const char* dateFormat::dateFormatMonthName(int month)
{
    static const char* const names[] = { "January", "February", "March", "April", "May", "June",
        "July", "August", "September", "October", "November", "December" };
    return month >= 1 && month <= 12 ? names[month - 1] : "??";
}

namespace {
const char* monthNameOf(const CString& month)
{
    return dateFormat::dateFormatMonthName(static_cast<int>(std::strtol(month, nullptr, 10)));
}
} // namespace

int dateFormat::dateFormatLong(const char* text, CString* out)
{
    Fields f = dateFormatSplit(text);
    if (!out || !f.dateComplete)
        return 0;
    CString result = monthNameOf(f.month);
    if (!f.day.IsEmpty())
        result += " " + f.day;
    if (!f.year.IsEmpty())
        result += "," + f.year;
    *out = result;
    return 0;
}

int dateFormat::dateFormatRaw(const char* text, CString* out, int numeric)
{
    Fields f = dateFormatSplit(text);
    if (!out || !f.dateComplete)
        return 0;
    CString result;
    if (numeric) {
        result = f.month;
        if (!f.day.IsEmpty())
            result += "/" + f.day;
        if (!f.year.IsEmpty())
            result += "/" + f.year;
    } else {
        result = CString(monthNameOf(f.month)) + " " + f.day + " " + f.year;
    }
    if (!f.hours.IsEmpty())
        result += " " + f.hours;
    if (!f.minutes.IsEmpty()) {
        if (f.hours.IsEmpty())
            result += "00";
        result += ":" + f.minutes;
    }
    if (!f.seconds.IsEmpty()) {
        if (f.hours.IsEmpty())
            result += "00";
        if (f.minutes.IsEmpty())
            result += ":00";
        result += ":" + f.seconds;
    }
    *out = result;
    return 0;
}

int dateFormat::dateFormatShort(const char* text, CString* out)
{
    Fields f = dateFormatSplit(text, true);
    if (!out || !f.dateComplete)
        return 0;
    CString result = f.month;
    if (!f.day.IsEmpty())
        result += "/" + f.day;
    if (!f.year.IsEmpty())
        result += "/" + f.year;
    *out = result;
    return 0;
}

int dateFormat::dateFormatLayoutLong(const char* text, CString* out)
{
    Fields f = dateFormatSplit(text);
    if (!out || !f.dateComplete)
        return 0;
    *out = CString(monthNameOf(f.month)) + " " + f.day + "," + f.year;
    return 0;
}

int dateFormat::dateFormatLayoutShort(const char* text, CString* out)
{
    Fields f = dateFormatSplit(text);
    if (!out || !f.dateComplete)
        return 0;
    *out = f.month + "/" + f.day + "/" + f.year;
    return 0;
}
