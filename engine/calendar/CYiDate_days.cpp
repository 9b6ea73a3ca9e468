// Day numbers and the solar calendar: Julian days, the switch from the Julian
// to the Gregorian calendar (1582-10-04 is followed by 1582-10-15), weekdays
// and day counts.
#include <cmath>

#include "engine/calendar/CYiDate.h"
#include "engine/calendar/calendar_math.h"
#include "engine/base/int_math.h"
#include "engine/calendar/tables/calendar_tables.h"

using intmath::FloorDiv;
using calmath::MonthLength;

namespace {

// Julian day of −849-01-01 00:00, a Sunday in the weekday count.
constexpr double kWeekdayEpoch = 1410960.5;

bool IsGregorian(int year, int month, int day) {
    if (year != 1582) return year > 1582;
    return month > 10 || (month == 10 && day >= 15);
}

}  // namespace

double CYiDate::DateToJulianDay(const CalDate& d) const {
    int m = d.month > 2 ? d.month : d.month + 12;
    int e = d.year + 4800 - (d.month <= 2 ? 1 : 0);
    int g = -38;
    if (IsGregorian(d.year, d.month, d.day)) {
        int f = FloorDiv(e, 100);
        g = static_cast<int>(std::floor(f / 4.0 - f));
    }
    // floor(365.25 e) and floor(30.6 (m + 1)) in exact integer form.
    int days = g + FloorDiv(1461 * e, 4) + FloorDiv(306 * (m + 1), 10) + d.day;
    return days - 32167.5 + d.hour / 24.0 + d.minute / 1440.0;
}

void CYiDate::JulianDayToDate(double jd, CalDate& d) const {
    // A moment built from whole minutes may sit a few units of the last
    // binary place below its minute; a nudge far below one second keeps it
    // from being read as the minute before.
    double a = jd + 1e-8;
    double c = a;
    if (a >= 2299160.5) {
        c = a + 10;
        for (double s : {2342031.5, 2378555.5, 2415079.5}) c += std::floor((a - s) / 146097) + 1;
    }
    double p = std::floor(c + 0.5);
    double fraction = c + 0.5 - p;
    p += 32083;
    double y0 = std::ceil(p / 365.25) - 1;
    int e = static_cast<int>(p - std::floor(365.25 * y0));
    int year = static_cast<int>(y0) - 4800;
    int month = static_cast<int>((e - 0.6) * 0.03269042170644) + 3;
    // 30.6 (month − 3), rounded half up, in exact integer form.
    int day = e - (306 * (month - 3) + 5) / 10;
    if (month > 12) {
        month -= 12;
        year += 1;
    }
    int hour = static_cast<int>(std::floor(1440 * fraction / 60));
    int minute = static_cast<int>(std::floor(1440 * fraction - 60 * hour));
    d = {static_cast<int16_t>(year), static_cast<int16_t>(month), static_cast<int16_t>(day),
         static_cast<int16_t>(hour), static_cast<int16_t>(minute)};
}

void CYiDate::NextDay(CalDate& d) const { JulianDayToDate(DateToJulianDay(d) + 1, d); }

int CYiDate::Weekday(const CalDate& d) const {
    return intmath::Mod(static_cast<int>(std::floor(DateToJulianDay(d) - kWeekdayEpoch)), 7);
}

bool CYiDate::IsValidSolarDate(const CalDate& d) const {
    if (d.year < caltab::kFirstYear || d.year > caltab::kLastYear) return false;
    if (d.month < 1 || d.month > 12 || d.day < 1) return false;
    return d.day <= MonthLength(d.year, d.month);
}

int CYiDate::CalendarOf(int year, int month, int day) const {
    if (year == 1582 && month == 10 && day >= 5 && day <= 14) return -1;
    return IsGregorian(year, month, day) ? 1 : 0;
}

int CYiDate::DayOfYear(int year, int month, int day) const {
    int kind = CalendarOf(year, month, day);
    if (kind < 0) return 0;
    int n = day;
    for (int m = 1; m < month && m <= 12; ++m) n += MonthLength(year, m);
    if (kind == 1 && year == 1582) n -= 10;
    return n;
}

int CYiDate::DayNumber(int year, int month, int day) const {
    int n = FloorDiv(year - 1, 4) + 365 * year + DayOfYear(year, month, day) - 367;
    if (year >= 1583) n += FloorDiv(year - 1, 400) - FloorDiv(year - 1, 100) + 2;
    return n;
}

int CYiDate::MonthAndDay(int year, int dayOfYear) const {
    int x = dayOfYear;
    for (int i = 1; i < 12; ++i) {
        int length = DayOfYear(year, i + 1, 1) - DayOfYear(year, i, 1);
        if (length >= x) return 100 * i + x;
        x -= length;
    }
    return 1200 + x;
}
