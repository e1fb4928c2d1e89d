#include "civildate.h"

#include <winport/civildate.h>

#include <cstdio>

namespace sampledb {

int daysFromCivil(int year, int month, int day)
{
    return static_cast<int>(winport::daysFromCivil(year, month, day));
}

void civilFromDays(int days, int& year, int& month, int& day)
{
    const winport::CivilDate date = winport::civilFromDays(days);
    year = static_cast<int>(date.year);
    month = date.month;
    day = date.day;
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
