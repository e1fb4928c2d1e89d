#include "civildate.h"

#include <cstdio>

namespace sampledb {

// The usual proleptic Gregorian conversion with eras of 400 years.
int daysFromCivil(int year, int month, int day)
{
    year -= month <= 2;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(int days, int& year, int& month, int& day)
{
    days += 719468;
    const int era = (days >= 0 ? days : days - 146096) / 146097;
    const int dayOfEra = days - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int monthIndex = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    year = yearOfEra + era * 400 + (month <= 2);
}

std::string dateText(int days)
{
    int y, m, d;
    civilFromDays(days, y, m, d);
    char text[24];
    snprintf(text, sizeof text, "%04d-%02d-%02d", y, m, d);
    return text;
}

std::string timestampText(int days, int secondsOfDay)
{
    char time[24];
    snprintf(time, sizeof time, " %02d:%02d:%02d", secondsOfDay / 3600, secondsOfDay / 60 % 60,
        secondsOfDay % 60);
    return dateText(days) + time;
}

int waterYearOf(int days)
{
    int y, m, d;
    civilFromDays(days, y, m, d);
    return m >= 10 ? y + 1 : y;
}

} // namespace sampledb
