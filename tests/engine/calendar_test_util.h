// Small helpers shared by the calendar tests.
#pragma once

#include <cstdio>
#include <string>

#include "engine/symbols/records.h"

inline CalDate D(int y, int m, int d, int h = 0, int min = 0) {
    return {static_cast<int16_t>(y), static_cast<int16_t>(m), static_cast<int16_t>(d), static_cast<int16_t>(h),
            static_cast<int16_t>(min)};
}

inline bool Same(const CalDate& a, const CalDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute;
}

inline std::string Text(const CalDate& d) {
    char s[40];
    std::snprintf(s, sizeof s, "%d-%02d-%02d %02d:%02d", d.year, d.month, d.day, d.hour, d.minute);
    return s;
}
