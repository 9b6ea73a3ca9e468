// Standard time of 120° E to local mean time or true solar time.
#include <cmath>

#include "engine/calendar/CYiDate.h"
#include "engine/base/int_math.h"
#include "engine/calendar/tables/calendar_tables.h"

void CYiDate::ToSolarTime(double longitude, CalDate& t, int mode) const {
    double jd = DateToJulianDay(t);
    double correction = 0;  // the equation of time, in whole minutes
    if (mode == 1) {
        CalDate newYear = {t.year, 1, 1, t.hour, t.minute};
        int index = intmath::Mod(static_cast<int>(std::floor(jd - DateToJulianDay(newYear) + 0.2)), 366);
        correction = std::trunc(caltab::kEquationOfTime[index]);
    }
    // Four minutes per degree west of 120° E, whole minutes rounded down.
    double offset = correction - std::floor(4 * (120 - longitude));
    JulianDayToDate(jd + offset / 1440, t);
}
