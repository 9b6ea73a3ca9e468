// The calendar: Julian day numbers with the Julian/Gregorian switch of 1582,
// the Chinese lunar calendar with leap months, the 24 solar terms and solar
// time, for the astronomical years −849 to 2100. Inside 1900–2050 the lunar
// months and the term moments come from stored tables; outside they are
// computed from a lunation series and a term series.
#pragma once

#include <string>

#include "engine/calendar/cal_date.h"

class CYiDate {
public:
    // Day numbers and the solar calendar.
    double DateToJulianDay(const CalDate& d) const;
    void JulianDayToDate(double jd, CalDate& d) const;
    void NextDay(CalDate& d) const;
    int Weekday(const CalDate& d) const;  // 0 = Sunday
    bool IsValidSolarDate(const CalDate& d) const;
    // Continuous day count of the proleptic Gregorian kind (1900-01-01 is
    // 693596, Gregorian 0001-01-01 is 1).
    int DayNumber(int year, int month, int day) const;
    int DayOfYear(int year, int month, int day) const;
    int CalendarOf(int year, int month, int day) const;  // 0 Julian, 1 Gregorian, −1 dropped days
    int MonthAndDay(int year, int dayOfYear) const;      // month × 100 + day

    // The lunar calendar.
    int LeapMonthOfYear(int year) const;                 // 0 or 1..12
    int LunarDayOf(int year, int month, int day) const;  // 1..30, by the lunation series
    int LunarMonthOf(int year, int month, int day) const;  // negative for a leap month
    bool SolarToLunar(const CalDate& solar, CalDate& lunar) const;  // returns the leap flag
    // False with the reason in `message` when the lunar date does not exist.
    bool LunarToSolar(const CalDate& lunar, CalDate& solar, bool leap, std::string& message) const;
    // 1..30 as Chinese numerals (廿一, 三十); any other value gives the text
    // of the previous call.
    const std::string& ChineseNumber(int n);

    // Solar terms and solar time. Terms are numbered 1 小寒 … 24 冬至.
    // which = 1: the 节 of that Gregorian month, 0: its 中气; returns the
    // term's 节 or 中气 number and its moment in `when`.
    int SolarTermOfMonth(int year, int month, int which, CalDate& when) const;
    double TermDayOfYear(int year, int term) const;
    // The moment of term 1..24 of a year (0 and 25 reach into the years
    // beside it): the stored minute inside 1900–2050, else the series.
    void TermMoment(int year, int term, CalDate& when) const;
    // mode 1 true solar time, mode 2 local mean time, from standard time of 120° E.
    void ToSolarTime(double longitude, CalDate& t, int mode) const;

private:
    struct TermDay {
        int term;
        double dayOfYear;  // day of year plus the fraction of the day
        int month, day;  // month 0 is the December before, 13 the January after
    };
    TermDay TermDayOf(int year, int term) const;
    static void MomentOf(int year, const TermDay& t, CalDate& when);
    static bool IsStoredTermYear(int year);
    static void StoredTerm(int year, int month, bool jie, CalDate& when);
    bool SearchLunarDate(const CalDate& lunar, CalDate& solar, bool leap, std::string& message) const;

    std::string numberText_;
};
