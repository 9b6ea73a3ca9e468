// A moment as the calendar counts it, and the year as people write it.
#pragma once

#include <cstdint>

// The year as people write it: 1 BC (stored 0) is −1.
inline int DisplayYear(int storedYear) { return storedYear <= 0 ? storedYear - 1 : storedYear; }

// A moment of the calendar engine; the year is astronomical.
struct CalDate {
    int16_t year;
    int16_t month;
    int16_t day;
    int16_t hour;
    int16_t minute;
};
