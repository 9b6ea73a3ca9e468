#include "cli/calendar_io.h"

#include <cstdio>
#include <cstdlib>

namespace {

// A whole number of the whole text, optionally signed.
bool ParseInt(const std::string& text, int& value) {
    if (text.empty() || text.size() > 6) return false;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || text.find_first_not_of("-0123456789") != std::string::npos) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

bool ParseYear(const std::string& text, int& year) {
    if (!ParseInt(text, year) || year == 0 || year < -850 || year > 2100) return false;
    if (year < 0) year += 1;
    return true;
}

bool ParseDateFields(const std::string& text, CalDate& date) {
    size_t second = text.rfind('-');
    size_t first = second == std::string::npos || second == 0 ? std::string::npos : text.rfind('-', second - 1);
    if (first == std::string::npos || first == 0) return false;
    int year, month, day;
    if (!ParseYear(text.substr(0, first), year) || !ParseInt(text.substr(first + 1, second - first - 1), month) ||
        !ParseInt(text.substr(second + 1), day))
        return false;
    date = {static_cast<int16_t>(year), static_cast<int16_t>(month), static_cast<int16_t>(day), 0, 0};
    return true;
}

bool ParseSolarDate(const CYiDate& cal, const std::string& text, CalDate& date, std::string& message) {
    message = "不存在这个日期";
    if (!ParseDateFields(text, date) || !cal.IsValidSolarDate(date)) return false;
    if (cal.CalendarOf(date.year, date.month, date.day) < 0) {
        message = "不存在1582-10-5到1582-10-14这10天时间。";
        return false;
    }
    return true;
}

bool ParseTime(const std::string& text, CalDate& date) {
    size_t colon = text.find(':');
    int hour, minute;
    if (colon == std::string::npos || !ParseInt(text.substr(0, colon), hour) ||
        !ParseInt(text.substr(colon + 1), minute) || hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return false;
    date.hour = static_cast<int16_t>(hour);
    date.minute = static_cast<int16_t>(minute);
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
