// Solar-term moments, the term series and solar time.
#include <cmath>

#include <gtest/gtest.h>

#include "engine/calendar/CYiDate.h"
#include "engine/calendar/tables/calendar_tables.h"
#include "tests/engine/calendar_test_util.h"

namespace {

const CYiDate cal;

}  // namespace

TEST(CalendarTerms, StoredMoments) {
    struct Case { int year, month, which; CalDate when; };
    const Case cases[] = {
        {2000, 1, 1, D(2000, 1, 6, 9, 1)},    {2000, 1, 0, D(2000, 1, 21, 2, 23)},
        {2000, 2, 1, D(2000, 2, 4, 20, 40)},  {2000, 2, 0, D(2000, 2, 19, 16, 33)},
        {1984, 2, 1, D(1984, 2, 4, 23, 19)},  {2024, 2, 1, D(2024, 2, 4, 16, 27)},
        {1900, 1, 1, D(1900, 1, 6, 2, 4)},    {2050, 12, 1, D(2050, 12, 7, 6, 42)},
        {2050, 12, 0, D(2050, 12, 22, 0, 39)},
    };
    for (const Case& c : cases) {
        CalDate when;
        EXPECT_EQ(cal.SolarTermOfMonth(c.year, c.month, c.which, when), c.month);
        EXPECT_TRUE(Same(when, c.when)) << c.year << "-" << c.month << " gave " << Text(when);
    }
}

TEST(CalendarTerms, SeriesOutsideTheStoredYears) {
    double x = cal.TermDayOfYear(2000, 3);  // 立春 of 2000: day 35, 20:35
    EXPECT_EQ(std::floor(x), 35);
    EXPECT_EQ(static_cast<int>((x - 35) * 1440) / 60, 20);
    EXPECT_EQ(static_cast<int>((x - 35) * 1440) % 60, 35);
    struct Case { int year, month, which, number; CalDate when; };
    const Case cases[] = {
        // the astronomical moments are 07:34, 03:50, 02:56 and 06:31
        {1800, 2, 1, 2, D(1800, 2, 4, 7, 33)},
        {2100, 12, 0, 12, D(2100, 12, 22, 4, 2)},
        {1582, 10, 0, 10, D(1582, 10, 24, 3, 3)},  // named by its Gregorian date
        {-849, 1, 0, 1, D(-849, 1, 28, 12, 12)},   // 大寒 a week later in the Julian calendar
    };
    for (const Case& c : cases) {
        CalDate when;
        EXPECT_EQ(cal.SolarTermOfMonth(c.year, c.month, c.which, when), c.number) << c.year << "-" << c.month;
        EXPECT_TRUE(Same(when, c.when)) << c.year << "-" << c.month << " gave " << Text(when);
    }
}

TEST(CalendarTerms, EquationOfTimeTable) {
    struct Case { int index; double minutes; };
    const Case cases[] = {{0, -3.4}, {41, -14.32}, {100, -1.5}, {307, 16.4}, {365, -2.8}};
    for (const Case& c : cases) EXPECT_EQ(caltab::kEquationOfTime[c.index], c.minutes) << c.index;
    for (double v : caltab::kEquationOfTime) {
        EXPECT_GE(v, caltab::kEquationOfTime[41]);
        EXPECT_LE(v, caltab::kEquationOfTime[307]);
    }
}

TEST(CalendarTerms, SolarTime) {
    struct Case { double longitude; int mode; CalDate clock, solar; };
    const Case cases[] = {
        {116.4, 2, D(2000, 5, 1, 12, 0), D(2000, 5, 1, 11, 46)},
        {121.5, 2, D(2000, 5, 1, 12, 0), D(2000, 5, 1, 12, 6)},
        {120.0, 1, D(2001, 2, 11, 12, 0), D(2001, 2, 11, 11, 46)},  // −14.32 taken as −14
        {120.0, 1, D(2001, 11, 4, 0, 0), D(2001, 11, 4, 0, 16)},
        {87.6, 2, D(2000, 1, 1, 0, 30), D(1999, 12, 31, 22, 21)},
        {120.0, 2, D(1582, 10, 15, 0, 0), D(1582, 10, 15, 0, 0)},
        {119.0, 2, D(1582, 10, 15, 0, 2), D(1582, 10, 4, 23, 58)},
    };
    for (const Case& c : cases) {
        CalDate t = c.clock;
        cal.ToSolarTime(c.longitude, t, c.mode);
        EXPECT_TRUE(Same(t, c.solar)) << c.longitude << " " << Text(c.clock) << " gave " << Text(t);
    }
}
