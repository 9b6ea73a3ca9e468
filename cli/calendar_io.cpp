#include "cli/calendar_io.h"

#include <cstdio>
#include <cstdlib>

bool ParseSolarDate(const CYiDate& cal, const std::string& text, CalDate& date, std::string& message) {
    message = "不存在这个日期";
    if (!ParseDateFields(text, date) || !cal.IsValidSolarDate(date)) return false;
    if (cal.CalendarOf(date.year, date.month, date.day) < 0) {
        message = "不存在1582-10-5到1582-10-14这10天时间。";
        return false;
    }
    return true;
}

bool ParseClock(const std::string& text, bool& localClock) {
    localClock = text == "local";
    return text == "local" || text == "standard";
}

std::string IsoDate(const CalDate& d) {
    char s[24];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d", d.year, d.month, d.day);
    return s;
}

std::string IsoMoment(const CalDate& d) {
    char s[48];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d", d.year, d.month, d.day, d.hour, d.minute);
    return s;
}

std::string ChineseDate(const CalDate& d) {
    char s[40];
    std::snprintf(s, sizeof s, "%d年%d月%d日", DisplayYear(d.year), d.month, d.day);
    return s;
}
