#include "engine/chart/pillars.h"

#include <cmath>

#include "engine/base/int_math.h"
#include "engine/symbols/symbols.h"

using intmath::Mod;

namespace {

// The 节 are counted continuously: index 12 y + n − 1 is 节 n (1 小寒 …
// 12 大雪) of year y.
struct Jie {
    int index;
    CalDate when;
    double jd;
};

Jie JieAt(const CYiDate& cal, int index) {
    Jie j;
    j.index = index;
    int number = Mod(index, 12) + 1;
    cal.TermMoment(intmath::FloorDiv(index, 12), 2 * number - 1, j.when);
    j.jd = cal.DateToJulianDay(j.when);
    return j;
}

// A birth at 23:xx with the late-子 option off already counts as the next day.
bool CountsAsNextDay(const CalDate& solarTime, bool lateZi) { return solarTime.hour == 23 && !lateZi; }

}  // namespace

int YearPillarOf(const CYiDate& cal, const CalDate& clock) {
    CalDate spring;  // 立春, term 3
    cal.TermMoment(clock.year, 3, spring);
    int afterSpring = cal.DateToJulianDay(clock) >= cal.DateToJulianDay(spring) ? 1 : 0;
    return YearPillarOfYear(clock.year - 1 + afterSpring);
}

int YearPillarOfYear(int year) { return Mod(year + 897, 60); }

int MonthPillarInYear(int solarMonth, int yearPillar) {
    return sym::CycleIndex(Mod(solarMonth + 2 * Mod(yearPillar, 10) - 1, 10), Mod(solarMonth + 1, 12));
}

MonthPillar MonthPillarOf(const CYiDate& cal, const CalDate& clock, int yearPillar) {
    // Start from the 节 that falls in the clock's month (October 1582, which
    // lost ten days, looks in September) and step to the two 节 that enclose
    // the moment. In the Julian centuries a month may hold two 节 or none.
    int f = clock.year == 1582 && clock.month == 10 ? 9 : clock.month;
    CalDate when;
    int number = cal.SolarTermOfMonth(clock.year, f, 1, when);
    int year = when.year + (when.month == 12 && number == 1 ? 1 : 0);
    double jd = cal.DateToJulianDay(clock);
    Jie prev = JieAt(cal, 12 * year + number - 1);
    while (prev.jd > jd) prev = JieAt(cal, prev.index - 1);
    Jie next = JieAt(cal, prev.index + 1);
    while (next.jd <= jd) prev = next, next = JieAt(cal, next.index + 1);

    MonthPillar m;
    // Solar month t: 2 is the 寅 month that 立春 opens; 小寒 (1) and 大雪 (12)
    // open the 丑 and 子 months, counted as 13 and 12.
    m.solarMonth = Mod(prev.index, 12) + 1;
    int t = m.solarMonth <= 1 ? m.solarMonth + 12 : m.solarMonth;
    m.pillar = MonthPillarInYear(t, yearPillar);
    m.prevJie = prev.when;
    m.nextJie = next.when;
    m.prevJieJd = prev.jd;
    m.nextJieJd = next.jd;
    return m;
}

int DayPillarOf(const CYiDate& cal, const CalDate& solarTime, bool lateZi) {
    // −849-01-01 is day 51 of the cycle.
    int days = static_cast<int>(std::floor(cal.DateToJulianDay(solarTime) - 1410960.5));
    return Mod(days + 51 + (CountsAsNextDay(solarTime, lateZi) ? 1 : 0), 60);
}

int HourPillarOf(int hour, int dayPillar, bool lateZi) {
    int h = hour % 2 == 1 ? (hour + 1) % 24 : hour;
    int branch = h / 2;  // 0 = the 子 hour
    // The 子 hour of a 甲 or 己 day is 甲子, of a 乙 or 庚 day 丙子, …; 戊 and 癸 days start with 壬子.
    int s = Mod(dayPillar, 10);
    if (s == 0) s = 5;
    int pillar = sym::CycleIndex(Mod(branch + 2 * s - 1, 10), (branch + 1) % 12);
    if (lateZi && hour == 23) pillar = (pillar + 12) % 60;
    return pillar;
}

FourPillars PillarsOf(const CYiDate& cal, const CalDate& clock, const CalDate& solarTime, bool lateZi) {
    FourPillars p;
    p.year = YearPillarOf(cal, clock);
    p.month = MonthPillarOf(cal, clock, p.year).pillar;
    p.day = DayPillarOf(cal, solarTime, lateZi);
    p.hour = HourPillarOf(solarTime.hour, p.day, lateZi);
    return p;
}
