#include "engine/pillars.h"

#include <cmath>

#include "engine/calendar_math.h"
#include "engine/symbols.h"

using calmath::Mod;

namespace {

// The 节 that falls in Gregorian month (year, month), with its number.
struct Jie {
    int number;
    CalDate when;
    double jd;
};

Jie JieOfMonth(const CYiDate& cal, int year, int month) {
    if (month > 12) month = 1, year += 1;
    if (month < 1) month = 12, year -= 1;
    Jie j;
    j.number = cal.SolarTermOfMonth(year, month, 1, j.when);
    j.jd = cal.DateToJulianDay(j.when);
    return j;
}

// A birth at 23:xx with the late-子 option off already counts as the next day.
bool CountsAsNextDay(const CalDate& solarTime, bool lateZi) { return solarTime.hour == 23 && !lateZi; }

}  // namespace

int YearPillarOf(const CYiDate& cal, const CalDate& clock) {
    // 立春 is the 节 of February, but in the Julian centuries it drifts into
    // March or January.
    Jie spring = JieOfMonth(cal, clock.year, 2);
    if (spring.number != 2) spring = JieOfMonth(cal, clock.year, 3);
    if (spring.number != 2) spring = JieOfMonth(cal, clock.year, 1);
    int afterSpring = cal.DateToJulianDay(clock) >= spring.jd ? 1 : 0;
    return Mod(clock.year + 896 + afterSpring, 60);
}

MonthPillar MonthPillarOf(const CYiDate& cal, const CalDate& clock, int yearPillar) {
    // October 1582 lost ten days; its boundary is looked up in September.
    int f = clock.year == 1582 && clock.month == 10 ? 9 : clock.month;
    Jie jie = JieOfMonth(cal, clock.year, f);
    double jd = cal.DateToJulianDay(clock);
    MonthPillar m;
    Jie prev, next;
    if (jd >= jie.jd) {
        m.solarMonth = jie.number;
        prev = jie;
        next = JieOfMonth(cal, clock.year, f + 1);
    } else {
        m.solarMonth = jie.number - 1;
        prev = JieOfMonth(cal, clock.year, f - 1);
        next = jie;
    }
    int t = m.solarMonth <= 1 ? m.solarMonth + 12 : m.solarMonth;
    m.pillar = sym::CycleIndex(Mod(t + 2 * Mod(yearPillar, 10) - 1, 10), Mod(t + 1, 12));
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
