// The Chinese lunar calendar. Inside 1900–2050 a solar day or a lunar day is
// converted by one lookup in the stored tables; outside, the lunar day comes
// from a series of mean new moons with the main periodic terms, and the month
// number from the count of lunations since −849-01-21 and the stored table of
// leap months.
#include <array>
#include <cmath>
#include <cstdio>

#include "engine/calendar/CYiDate.h"
#include "engine/calendar/calendar_math.h"
#include "engine/base/int_math.h"
#include "engine/calendar/tables/calendar_tables.h"

using intmath::Mod;

namespace {

constexpr double kTwoPi = 6.283185307179586;

bool IsStoredYear(int year) {
    return year >= caltab::kStoredFirstYear && year <= caltab::kStoredLastYear;
}

// Number of years from the first covered year up to `year` (inclusive) that
// have a leap month.
int LeapYearsUpTo(int year) {
    static const std::array<int, caltab::kLastYear - caltab::kFirstYear + 1> counts = [] {
        std::array<int, caltab::kLastYear - caltab::kFirstYear + 1> c{};
        int n = 0;
        for (size_t i = 0; i < c.size(); ++i) c[i] = n += caltab::kLeapMonths[i] != 0;
        return c;
    }();
    if (year < caltab::kFirstYear) return 0;
    if (year > caltab::kLastYear) year = caltab::kLastYear;
    return counts[year - caltab::kFirstYear];
}

uint32_t LunarToSolarWord(int year, int month) {
    return caltab::kLunarToSolar[year - caltab::kStoredFirstYear][month - 1];
}

// Length of a lunar month of the stored years (the year may be 1899 for the
// months that end in January 1900, whose length is of no concern there).
int StoredMonthLength(int year, int month, bool leap) {
    if (!IsStoredYear(year)) return 30;
    uint32_t w = LunarToSolarWord(year, month);
    return ((leap ? w >> 16 : w) >> 7) & 1 ? 30 : 29;
}

// Moves a lunar date of the stored years to the month after; returns its leap flag.
bool StepToNextMonth(CalDate& lunar, bool leap) {
    if (!leap && IsStoredYear(lunar.year) && (LunarToSolarWord(lunar.year, lunar.month) >> 31)) return true;
    if (++lunar.month > 12) {
        lunar.month = 1;
        lunar.year += 1;
    }
    return false;
}

// Rounds to the nearest integer, taking the lower one on a tie.
int RoundHalfDown(double x) { return static_cast<int>(std::ceil(x - 0.5)); }

double Frac(double x) { return x - std::floor(x); }

constexpr const char* kDigits[10] = {"○", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

int CYiDate::LeapMonthOfYear(int year) const {
    if (year < caltab::kFirstYear || year > caltab::kLastYear) return 0;
    int b = caltab::kLeapMonths[year - caltab::kFirstYear];
    return b >= '1' ? b - '1' + 10 : b;
}

int CYiDate::LunarDayOf(int year, int month, int day) const {
    double k = std::floor(12.3685 * (year - 1900));
    double t = (year - 1899.5) / 100;
    double t2 = t * t, t3 = t2 * t;
    auto angle = [&](double c, double d0, double e0, double f0) {
        return kTwoPi * Frac(c * k) + d0 - e0 * t2 - f0 * t3;
    };
    double m0 = angle(0, 0.75933, 0.0002172, 1.55e-7);
    double sunAnomaly = angle(0.08084821, 6.269645, 5.811947e-7, 6.0562925e-8);
    double moonAnomaly = angle(0.07171366, 5.3411493, -0.00018728431, -2.1572271e-7);
    double latitude = angle(0.085195854, 0.3716923, 0.000028846802, 4.171337e-8);
    double r = m0 + 0.53058868 * k - 0.000837 * t + 1.0 / 3 + 0.5;
    int n = DayNumber(year, month, day);
    int lunarDay = -1;
    // New moons D = −1 … 13 counted from the first lunation of the year; they
    // come in order, so the last one on or before the day is found as soon as
    // a new moon lies after it.
    for (int d = -1; d <= 13; ++d) {
        double e = sunAnomaly + 0.507984293 * d;
        double g = moonAnomaly + 6.73377553 * d;
        double o = latitude + 6.818486628 * d;
        double u = 28 * d + 29 * k + 693595 + (0.1734 - 0.000393 * t) * std::sin(e) + 1.53058868 * d + r -
                   0.4068 * std::sin(g) + 0.0021 * std::sin(2 * e) + 0.0161 * std::sin(2 * g) +
                   0.0104 * std::sin(2 * o) - 0.0074 * std::sin(e - g) - 0.0051 * std::sin(e + g);
        int age = n - static_cast<int>(std::floor(u));
        if (age < 0) break;
        if (age <= 29) lunarDay = age + 1;
    }
    return lunarDay;
}

int CYiDate::LunarMonthOf(int year, int month, int day) const {
    int c = LunarDayOf(year, month, day);
    int n = LeapYearsUpTo(year);
    int lunations = RoundHalfDown((DayNumber(year, month, day) - DayNumber(-849, 1, 21) - c) *
                                  0.033863192971301484);
    // The month number drifts against the plain lunation count where the
    // historical calendars moved the start of the year.
    int v = lunations - n - 3;
    if (year <= 240) v += 1;
    if (year <= 237) v -= 1;
    if (year < 24) v += 1;
    if (year < 9) v -= 1;
    if (year <= -255) v += 1;
    if (year <= -256) v += 2;
    if (year <= -722) v += 1;
    int f = Mod(v, 12) + 1;
    int leap = LeapMonthOfYear(year);
    if (f == LeapMonthOfYear(year - 1) && month == 1 && day < c) return -f;
    if (f == leap) return month == 1 && leap != 12 ? f + 1 : -f;
    if (f < leap || (month < f && leap != 0)) f += 1;
    int r = Mod(f - 1, 12) + 1;
    if (LeapMonthOfYear(year - 1) == 12) {
        if (month < 3 && r == 12) r = -12;
        else if (month == 1 && r == 11) r = 12;
    }
    return r;
}

bool CYiDate::SolarToLunar(const CalDate& solar, CalDate& lunar) const {
    lunar = solar;
    if (solar.month < 1 || solar.month > 12) return false;
    if (solar.year == 1986 && solar.month == 12 && solar.day == 31) {
        lunar.month = 12;
        lunar.day = 1;
        return false;
    }
    bool leap;
    if (IsStoredYear(solar.year)) {
        uint32_t w = caltab::kSolarToLunar[solar.year - caltab::kStoredFirstYear][solar.month - 1];
        int lastOfEarlier = w & 0x1F;
        if (solar.day > lastOfEarlier) {
            lunar.day = static_cast<int16_t>(solar.day - lastOfEarlier);
            lunar.month = static_cast<int16_t>(solar.month - ((w >> 5) & 3));
            leap = (w >> 7) & 1;
        } else {
            lunar.day = static_cast<int16_t>(solar.day + ((w >> 8) & 0x1F));
            lunar.month = static_cast<int16_t>(solar.month - ((w >> 13) & 3));
            leap = (w >> 15) & 1;
        }
        if (lunar.month <= 0) {
            lunar.month += 12;
            lunar.year -= 1;
        }
        // A word describes two lunar months; the rare third one that begins on
        // the 31st shows up as a day past the end of the month before.
        if (lunar.day > StoredMonthLength(lunar.year, lunar.month, leap)) {
            lunar.day = 1;
            leap = StepToNextMonth(lunar, leap);
        }
        return leap;
    }
    int m = LunarMonthOf(solar.year, solar.month, solar.day);
    leap = m < 0;
    if (leap) m = -m;
    // A month numbered well above the solar month belongs to the lunar year
    // before (the 11th or 12th month seen in January); one numbered well
    // below, to the year after (the first months of a year that began in
    // autumn or winter, as in the calendars before 104 BC).
    if (m - solar.month >= 6) lunar.year -= 1;
    else if (solar.month - m >= 6) lunar.year += 1;
    lunar.month = static_cast<int16_t>(m);
    lunar.day = static_cast<int16_t>(LunarDayOf(solar.year, solar.month, solar.day));
    return leap;
}

bool CYiDate::LunarToSolar(const CalDate& lunar, CalDate& solar, bool leap, std::string& message) const {
    static const char* const kNoSuchDay = "不存在这个日期,请重新输入！";
    solar = lunar;
    if (lunar.month < 1 || lunar.month > 12 || lunar.day < 1 || lunar.day > 30) {
        message = kNoSuchDay;
        return false;
    }
    if (IsStoredYear(lunar.year)) {
        if (lunar.year == 1938 && lunar.month == 1 && lunar.day == 30 && !leap) {
            solar.month = 3;
            solar.day = 1;
            return true;
        }
        uint32_t w = LunarToSolarWord(lunar.year, lunar.month);
        if (leap && !(w >> 31)) {
            char text[64];
            std::snprintf(text, sizeof text, "此年没有闰%d月,请重新确定月份！", lunar.month);
            message = text;
            return false;
        }
        uint32_t h = leap ? w >> 16 : w & 0xFFFF;
        int add = h & 0x1F, addMonths = (h >> 5) & 3, length = (h >> 7) & 1 ? 30 : 29;
        int split = (h >> 8) & 0x1F, monthsAfterSplit = (h >> 13) & 3;
        if (lunar.day > length) {
            message = kNoSuchDay;
            return false;
        }
        int day = lunar.day, month = lunar.month;
        if (day > split && split > 0) {
            day -= split;
            month += monthsAfterSplit;
        } else if (add == 0 && addMonths == 0 && day == split) {
            day = 31;  // the month begins on the 31st of its first solar month
        } else {
            day += add;
            month += addMonths;
        }
        if (month > 12) {
            month -= 12;
            solar.year += 1;
        }
        // A 30-day month that begins on 31 January runs into March.
        if (day > calmath::MonthLength(solar.year, month)) {
            day -= calmath::MonthLength(solar.year, month);
            month += 1;
        }
        solar.month = static_cast<int16_t>(month);
        solar.day = static_cast<int16_t>(day);
        return true;
    }
    return SearchLunarDate(lunar, solar, leap, message);
}

// Outside the stored years: start from an estimate a little before the date
// and step one day at a time until the lunar date matches.
bool CYiDate::SearchLunarDate(const CalDate& lunar, CalDate& solar, bool leap, std::string& message) const {
    if (leap && LeapMonthOfYear(lunar.year) == 0) {
        message = "此年没有闰月";
        return false;
    }
    CalDate start = lunar;
    if (start.day > 28) start.day = 28;
    // The lunar numbers read as a solar date may fall in the ten days the
    // Gregorian reform dropped (1582-10-05 … 14); estimate from the day after.
    if (CalendarOf(start.year, start.month, start.day) < 0) start.day = 15;
    double jd = DateToJulianDay(start);
    CalDate q;
    SolarToLunar(start, q);
    // Months apart, taken between −6 and 5: in years whose calendar began a
    // month early (AD 9 … 23, 237 … 239) the estimate's lunar month can run
    // ahead of the wanted one, and counting that as eleven months later
    // would start the search a year too late.
    const int monthsAhead = Mod(lunar.month - q.month + 6, 12) - 6;
    jd += lunar.year < 1 ? -120 : 28 * monthsAhead + lunar.day - q.day - 30;
    do {
        CalDate date;
        JulianDayToDate(jd, date);
        bool qLeap = SolarToLunar(date, q);
        if (q.year == lunar.year && q.month == lunar.month && q.day == lunar.day && qLeap == leap) {
            solar = date;
            solar.hour = lunar.hour;
            solar.minute = lunar.minute;
            return true;
        }
        jd += 1;
    } while (q.year - lunar.year < 2);
    message = "不存在这个日期";
    return false;
}

const std::string& CYiDate::ChineseNumber(int n) {
    if (n >= 1 && n <= 9) numberText_ = kDigits[n];
    else if (n == 10) numberText_ = "十";
    else if (n > 10 && n < 20) numberText_ = std::string("十") + kDigits[n - 10];
    else if (n == 20) numberText_ = "二十";
    else if (n > 20 && n < 30) numberText_ = std::string("廿") + kDigits[n - 20];
    else if (n == 30) numberText_ = "三十";
    return numberText_;
}
