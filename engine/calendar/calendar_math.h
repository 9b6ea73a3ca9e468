// Leap years and month lengths of the solar calendar, across negative
// (astronomical) years and the Julian/Gregorian switch of 1582.
#pragma once

namespace calmath {

// Leap years: the Gregorian rule after 1582, the Julian rule (every fourth
// year, negative years included) up to 1582.
inline bool IsLeapYear(int year) {
    if (year > 1582) return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
    return year % 4 == 0;
}

// Days of a solar month (month 1..12); October 1582 counts as 31.
inline int MonthLength(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace calmath
