// Julian days, the 1582 switch, weekdays and day counts.
#include <gtest/gtest.h>

#include "engine/calendar/CYiDate.h"
#include "tests/engine/calendar_test_util.h"

namespace {

const CYiDate cal;

}  // namespace

TEST(CalendarDays, JulianDaysOfKnownDates) {
    struct Case { CalDate date; double jd; };
    const Case cases[] = {
        {D(2000, 1, 1), 2451544.5},  {D(1582, 10, 15), 2299160.5}, {D(1582, 10, 4), 2299159.5},
        {D(-849, 1, 1), 1410960.5},  {D(1, 1, 1), 1721423.5},      {D(2000, 1, 1, 12), 2451545.0},
        {D(0, 2, 29), 1721116.5},    {D(2100, 12, 31), 2488433.5},
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(cal.DateToJulianDay(c.date), c.jd) << Text(c.date);
}

// Every day of the covered span, the dropped days of 1582 excepted, comes back
// from its Julian day; each day is one more than the day before.
TEST(CalendarDays, JulianDayRoundTripOverTheWholeSpan) {
    CalDate d = D(-849, 1, 1);
    double previous = cal.DateToJulianDay(d) - 1;
    int days = 0;
    while (d.year <= 2100) {
        double jd = cal.DateToJulianDay(d);
        ASSERT_EQ(jd, previous + 1) << Text(d);
        CalDate back;
        cal.JulianDayToDate(jd, back);
        ASSERT_TRUE(Same(back, d)) << Text(d) << " came back as " << Text(back);
        previous = jd;
        ++days;
        // Next calendar day by plain counting, skipping 1582-10-05..14.
        ++d.day;
        if (d.year == 1582 && d.month == 10 && d.day == 5) d.day = 15;
        if (!cal.IsValidSolarDate(d)) {
            d.day = 1;
            if (++d.month > 12) d.month = 1, ++d.year;
        }
    }
    EXPECT_EQ(days, 1077474);
}

TEST(CalendarDays, MomentsKeepTheirMinute) {
    const CalDate moments[] = {D(2000, 1, 6, 9, 1), D(1582, 10, 4, 23, 59), D(-849, 1, 1, 0, 1),
                               D(2100, 12, 31, 23, 59), D(1984, 2, 4, 23, 19), D(0, 3, 1, 12, 30)};
    for (const CalDate& m : moments) {
        CalDate back;
        cal.JulianDayToDate(cal.DateToJulianDay(m), back);
        EXPECT_TRUE(Same(back, m)) << Text(m) << " came back as " << Text(back);
    }
    for (int minute = 0; minute < 1440; ++minute) {
        CalDate m = D(1950, 6, 15, minute / 60, minute % 60), back;
        cal.JulianDayToDate(cal.DateToJulianDay(m), back);
        ASSERT_TRUE(Same(back, m)) << Text(m) << " came back as " << Text(back);
    }
}

TEST(CalendarDays, NextDayCrossesTheSwitchAndKeepsTheTime) {
    struct Case { CalDate from, to; };
    const Case cases[] = {
        {D(1582, 10, 4, 23, 30), D(1582, 10, 15, 23, 30)},
        {D(2000, 2, 28, 8, 5), D(2000, 2, 29, 8, 5)},
        {D(1900, 2, 28), D(1900, 3, 1)},
        {D(1500, 2, 28), D(1500, 2, 29)},  // Julian leap year
        {D(0, 12, 31, 23, 0), D(1, 1, 1, 23, 0)},
    };
    for (const Case& c : cases) {
        CalDate d = c.from;
        cal.NextDay(d);
        EXPECT_TRUE(Same(d, c.to)) << Text(c.from) << " → " << Text(d);
    }
}

TEST(CalendarDays, WeekdaysAndValidity) {
    EXPECT_EQ(cal.Weekday(D(2000, 1, 1)), 6);
    EXPECT_EQ(cal.Weekday(D(-849, 1, 1)), 0);
    EXPECT_EQ(cal.Weekday(D(1582, 10, 4)), 4);   // Thursday, followed by
    EXPECT_EQ(cal.Weekday(D(1582, 10, 15)), 5);  // Friday
    struct Case { CalDate date; bool valid; };
    const Case cases[] = {
        {D(-849, 1, 1), true},   {D(-850, 12, 31), false}, {D(2100, 12, 31), true}, {D(2101, 1, 1), false},
        {D(1900, 2, 29), false}, {D(2000, 2, 29), true},   {D(1500, 2, 29), true},  {D(-848, 2, 29), true},
        {D(-849, 2, 29), false}, {D(2001, 4, 31), false},  {D(2001, 13, 1), false}, {D(2001, 0, 1), false},
        {D(2001, 1, 0), false},
    };
    for (const Case& c : cases) EXPECT_EQ(cal.IsValidSolarDate(c.date), c.valid) << Text(c.date);
}

TEST(CalendarDays, DayCountsAcrossTheSwitch) {
    EXPECT_EQ(cal.DayNumber(1900, 1, 1), 693596);
    EXPECT_EQ(cal.DayNumber(1582, 10, 15), cal.DayNumber(1582, 10, 4) + 1);
    EXPECT_EQ(cal.DayNumber(1583, 1, 1), cal.DayNumber(1582, 12, 31) + 1);
    EXPECT_EQ(cal.DayNumber(1, 1, 1), cal.DayNumber(0, 12, 31) + 1);
    struct Case { int y, m, d, calendar, dayOfYear; };
    const Case cases[] = {
        {1582, 10, 4, 0, 277}, {1582, 10, 10, -1, 0}, {1582, 10, 15, 1, 278}, {1582, 12, 31, 1, 355},
        {2000, 12, 31, 1, 366}, {1900, 12, 31, 1, 365}, {1500, 12, 31, 0, 366}, {-848, 3, 1, 0, 61},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cal.CalendarOf(c.y, c.m, c.d), c.calendar) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(cal.DayOfYear(c.y, c.m, c.d), c.dayOfYear) << c.y << "-" << c.m << "-" << c.d;
    }
    EXPECT_EQ(cal.MonthAndDay(2000, 60), 229);
    EXPECT_EQ(cal.MonthAndDay(2001, 60), 301);
    EXPECT_EQ(cal.MonthAndDay(2000, 366), 1231);
    EXPECT_EQ(cal.MonthAndDay(1582, 278), 1005);  // the 5th day of the short October is the 15th
}
