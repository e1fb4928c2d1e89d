// A fixed "now" for the book's calendars and log while a test runs.
#pragma once

#include "book/bookperiod.h"

class FixedClock {
public:
    FixedClock(int year, int month, int day, int hour, int minute, int second)
    {
        set(year, month, day, hour, minute, second);
        bookperiod::setClock(&read);
    }
    ~FixedClock() { bookperiod::setClock(nullptr); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    static void set(int year, int month, int day, int hour, int minute, int second)
    {
        moment() = bookperiod::localTime(year, month, day, hour, minute, second);
    }

private:
    static std::time_t& moment()
    {
        static std::time_t value = 0;
        return value;
    }
    static std::time_t read() { return moment(); }
};
