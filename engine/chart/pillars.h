// The four pillars of a moment: the sexagenary numbers (1 甲子 … 59 壬戌,
// 0 癸亥) of its year, month, day and hour. The year turns at 立春 and the
// month at each 节, both by the clock time (standard time of 120° E); the
// day and the hour are taken from the solar-time date. The 子 hour runs from
// 23:00 to 00:59: with the late-子 option off, 23:00 already belongs to the
// next day; with it on, the day stays and the hour is the next day's 子 hour.
#pragma once

#include "engine/calendar/CYiDate.h"
#include "engine/symbols/records.h"

// The month pillar with the two 节 that enclose the moment
// (prevJie ≤ moment < nextJie), which the luck pillars count from.
struct MonthPillar {
    int pillar;
    int solarMonth;  // 1 子 … 12 亥 counted from 寅 = 2: the 节 number of prevJie
    CalDate prevJie, nextJie;
    double prevJieJd, nextJieJd;
};

struct FourPillars {
    int year, month, day, hour;
};

int YearPillarOf(const CYiDate& cal, const CalDate& clock);
// The pillar of the year that the 立春 of `year` opens (1984 is 甲子).
int YearPillarOfYear(int year);
// The pillar of solar month t (2 the 寅 month that 立春 opens … 12 the 子
// month, 13 the 丑 month) in a year of that pillar: a 甲 year starts with 丙寅.
int MonthPillarInYear(int solarMonth, int yearPillar);
MonthPillar MonthPillarOf(const CYiDate& cal, const CalDate& clock, int yearPillar);
int DayPillarOf(const CYiDate& cal, const CalDate& solarTime, bool lateZi);
int HourPillarOf(int hour, int dayPillar, bool lateZi);

// All four; `clock` drives the year and month, `solarTime` the day and hour.
FourPillars PillarsOf(const CYiDate& cal, const CalDate& clock, const CalDate& solarTime, bool lateZi);
