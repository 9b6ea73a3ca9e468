// The 24 solar terms. Term i = 1..24 runs 小寒, 大寒, 立春 … 冬至; term 0 is the
// 冬至 of the year before. Odd terms are the 节 that open a solar month, even
// terms the 中气. Inside 1900–2050 the moments are stored to the minute;
// outside they come from a series for the day of year of each term.
#include <cmath>

#include "engine/CYiDate.h"
#include "engine/tables/calendar_tables.h"

namespace {

struct TermDay {
    int term;
    double dayOfYear;  // day of year plus the fraction of the day
    int month, day;
};

}  // namespace

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
    if (year >= caltab::kStoredFirstYear && year <= caltab::kStoredLastYear) {
        uint32_t w = caltab::kSolarTerms[year - caltab::kStoredFirstYear][month - 1];
        uint32_t half = which == 1 ? w & 0xFFFF : w >> 16;
        when = {static_cast<int16_t>(year), static_cast<int16_t>(month), static_cast<int16_t>(half & 0x1F),
                static_cast<int16_t>((half >> 5) & 0x1F), static_cast<int16_t>(half >> 10)};
        return month;
    }
    auto termDay = [&](int term) {
        double x = TermDayOfYear(year, term);
        int md = MonthAndDay(year, static_cast<int>(std::floor(x)));
        return TermDay{term, x, md / 100, md % 100};
    };
    // The month normally holds its 节 (2M − 1) and its 中气 (2M); in the
    // Julian centuries the terms drift, and the month may hold the 中气 of
    // the month before or the 节 of the month after instead.
    TermDay pair[2] = {termDay(2 * month - 1), termDay(2 * month)};
    TermDay before = termDay(2 * month - 2);
    TermDay after = termDay(month == 12 ? 1 : 2 * month + 1);
    if (before.month == month) pair[0] = before, pair[1] = termDay(2 * month - 1);
    if (after.month == month) pair[0] = pair[1], pair[1] = after;
    const TermDay& t = (pair[0].term % 2 == 1) == (which == 1) ? pair[0] : pair[1];
    double fraction = t.dayOfYear - std::floor(t.dayOfYear);
    int hour = static_cast<int>(std::floor(24 * fraction));
    int minute = static_cast<int>(std::floor(60 * (24 * fraction - hour)));
    when = {static_cast<int16_t>(year), static_cast<int16_t>(t.month), static_cast<int16_t>(t.day),
            static_cast<int16_t>(hour), static_cast<int16_t>(minute)};
    // October 1582 has 21 days (1–4, then 15–31): its 5th day is the 15th.
    if (year == 1582 && when.month == 10 && when.day > 4) when.day += 10;
    return which == 1 ? (t.term + 1) / 2 : t.term / 2;
}
