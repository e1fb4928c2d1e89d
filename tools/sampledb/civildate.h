// Calendar dates as day numbers (days since 1970-01-01), independent of time zone and locale.
#pragma once

#include <string>

namespace sampledb {

int daysFromCivil(int year, int month, int day);
void civilFromDays(int days, int& year, int& month, int& day);

// "YYYY-MM-DD"
std::string dateText(int days);
// "YYYY-MM-DD HH:MM:SS"
std::string timestampText(int days, int secondsOfDay);

// The water year a day belongs to: it runs from 1 October to 30 September and is named after the
// calendar year in which it ends.
int waterYearOf(int days);

} // namespace sampledb
