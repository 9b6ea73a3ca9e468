// The 24 solar terms. Term i = 1..24 runs 小寒, 大寒, 立春 … 冬至; term 0 is the
// 冬至 of the year before. Odd terms are the 节 that open a solar month, even
// terms the 中气. Inside 1900–2050 the moments are stored to the minute;
// outside they come from a series for the day of year of each term.
#include <cmath>

#include "engine/calendar/CYiDate.h"
#include "engine/base/int_math.h"
#include "engine/calendar/tables/calendar_tables.h"

double CYiDate::TermDayOfYear(int year, int term) const {
    double a = year;
    double e = 0.0003 * a - 0.372781384 - 0.2617913325 * term;
    double h = 2.313908653 * a - 0.439822951 - 3.0443 * term;
    double s = a - 100;
    double j = (365.2423112 - 6.4e-14 * s * s - 3.047e-8 * s) * a + 15.218427 * term + 1721050.71301 +
               (1.945 * std::sin(e) - 0.01206 * std::sin(2 * e)) * (1.048994 - 0.00002583 * a) -
               0.0018 * std::sin(h);
    return j - DayNumber(year, 1, 0) - 1721425;
}

int CYiDate::SolarTermOfMonth(int year, int month, int which, CalDate& when) const {
    if (IsStoredTermYear(year)) {
        StoredTerm(year, month, which == 1, when);
        return month;
    }
    // The month normally holds its 节 (term 2M − 1) and its 中气 (2M). In the
    // Julian centuries the terms drift against the months: the month may hold
    // the 中气 of the month before, or the 节 of the month after, which for
    // December is the 小寒 of the next year (term 25).
    TermDay before = TermDayOf(year, 2 * month - 2), after = TermDayOf(year, 2 * month + 1);
    TermDay pair[2] = {TermDayOf(year, 2 * month - 1), TermDayOf(year, 2 * month)};
    if (before.month == month) pair[1] = pair[0], pair[0] = before;
    if (after.month == month) pair[0] = pair[1], pair[1] = after;
    const TermDay& t = (pair[0].term % 2 == 1) == (which == 1) ? pair[0] : pair[1];
    MomentOf(year, t, when);
    // Term numbers run 1..12 (小寒 is 节 1, 冬至 中气 12).
    int number = which == 1 ? (t.term + 1) / 2 : t.term / 2;
    return intmath::Mod(number - 1, 12) + 1;
}

void CYiDate::TermMoment(int year, int term, CalDate& when) const {
    if (term < 1) year -= 1, term += 24;
    if (term > 24) year += 1, term -= 24;
    if (IsStoredTermYear(year)) StoredTerm(year, (term + 1) / 2, term % 2 == 1, when);
    else MomentOf(year, TermDayOf(year, term), when);
}

bool CYiDate::IsStoredTermYear(int year) {
    return year >= caltab::kStoredFirstYear && year <= caltab::kStoredLastYear;
}

void CYiDate::StoredTerm(int year, int month, bool jie, CalDate& when) {
    uint32_t w = caltab::kSolarTerms[year - caltab::kStoredFirstYear][month - 1];
    uint32_t half = jie ? w & 0xFFFF : w >> 16;
    when = {static_cast<int16_t>(year), static_cast<int16_t>(month), static_cast<int16_t>(half & 0x1F),
            static_cast<int16_t>((half >> 5) & 0x1F), static_cast<int16_t>(half >> 10)};
}

// Day of year, month and day of term `term` of the series for `year`. Terms
// before 1 or after 24 belong to the year before or after and are computed
// there.
CYiDate::TermDay CYiDate::TermDayOf(int year, int term) const {
    if (term < 1 || term > 24) {
        int shift = term < 1 ? -1 : 1;
        TermDay t = TermDayOf(year + shift, term - 24 * shift);
        t.term = term;
        t.month += 12 * shift;
        return t;
    }
    double x = TermDayOfYear(year, term);
    int n = static_cast<int>(std::floor(x));
    int yearLength = DayOfYear(year, 12, 31);
    TermDay t{term, x, 0, 0};
    if (n < 1) {
        t.month = 0, t.day = 31 + n;
    } else if (n > yearLength) {
        t.month = 13, t.day = n - yearLength;
    } else {
        int md = MonthAndDay(year, n);
        t.month = md / 100, t.day = md % 100;
        // October 1582 has 21 days (1–4, then 15–31): its 5th day is the 15th.
        if (year == 1582 && t.month == 10 && t.day > 4) t.day += 10;
    }
    return t;
}

void CYiDate::MomentOf(int year, const TermDay& t, CalDate& when) {
    double fraction = t.dayOfYear - std::floor(t.dayOfYear);
    int hour = static_cast<int>(std::floor(24 * fraction));
    int minute = static_cast<int>(std::floor(60 * (24 * fraction - hour)));
    int y = year + intmath::FloorDiv(t.month - 1, 12);
    int month = intmath::Mod(t.month - 1, 12) + 1;
    when = {static_cast<int16_t>(y), static_cast<int16_t>(month), static_cast<int16_t>(t.day),
            static_cast<int16_t>(hour), static_cast<int16_t>(minute)};
}
