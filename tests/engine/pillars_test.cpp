// The four pillars: 立春 and 节 boundaries, the day count and the 子 hour.
#include <gtest/gtest.h>

#include "engine/chart/pillars.h"
#include "engine/symbols/symbols.h"
#include "tests/engine/calendar_test_util.h"

namespace {

const CYiDate cal;

}  // namespace

TEST(Pillars, YearAndMonthTurnAtTheirTerms) {
    struct Case { CalDate clock; const char* year; const char* month; };
    const Case cases[] = {
        {D(2000, 2, 4, 20, 39), "己卯", "丁丑"}, {D(2000, 2, 4, 20, 40), "庚辰", "戊寅"},
        {D(1984, 2, 5, 0, 0), "甲子", "丙寅"},   {D(1984, 2, 4, 23, 18), "癸亥", "乙丑"},
        {D(2000, 1, 1, 0, 0), "己卯", "丙子"},   {D(2000, 1, 6, 9, 1), "己卯", "丁丑"},
        {D(2024, 12, 31, 23, 0), "甲辰", "丙子"}, {D(1800, 2, 5, 0, 0), "庚申", "戊寅"},
    };
    for (const Case& c : cases) {
        int year = YearPillarOf(cal, c.clock);
        EXPECT_EQ(sym::PillarName(year), c.year) << Text(c.clock);
        EXPECT_EQ(sym::PillarName(MonthPillarOf(cal, c.clock, year).pillar), c.month) << Text(c.clock);
    }
}

TEST(Pillars, MonthKeepsBothBoundaries) {
    struct Case { CalDate clock; CalDate prev, next; };
    const Case cases[] = {
        {D(2000, 2, 4, 20, 40), D(2000, 2, 4, 20, 40), D(2000, 3, 5, 14, 43)},
        {D(2000, 2, 4, 20, 39), D(2000, 1, 6, 9, 1), D(2000, 2, 4, 20, 40)},
        {D(2000, 1, 1, 0, 0), D(1999, 12, 7, 21, 47), D(2000, 1, 6, 9, 1)},
        {D(2050, 12, 31, 0, 0), D(2050, 12, 7, 6, 42), D(2051, 1, 5, 18, 6)},
    };
    for (const Case& c : cases) {
        MonthPillar m = MonthPillarOf(cal, c.clock, YearPillarOf(cal, c.clock));
        EXPECT_TRUE(Same(m.prevJie, c.prev)) << Text(c.clock) << " prev " << Text(m.prevJie);
        EXPECT_TRUE(Same(m.nextJie, c.next)) << Text(c.clock) << " next " << Text(m.nextJie);
        EXPECT_EQ(m.prevJieJd, cal.DateToJulianDay(m.prevJie));
        EXPECT_EQ(m.nextJieJd, cal.DateToJulianDay(m.nextJie));
    }
}

// Over the whole span, the two boundaries enclose the moment and lie one
// solar month apart, also in the Julian centuries where the terms drift.
TEST(Pillars, BoundariesEncloseEveryMonth) {
    for (int year = -849; year <= 2100; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day : {1, 15, 28}) {
                CalDate clock = D(year, month, day, 12, 0);
                if (!cal.IsValidSolarDate(clock) || cal.CalendarOf(year, month, day) < 0) continue;
                double jd = cal.DateToJulianDay(clock);
                MonthPillar m = MonthPillarOf(cal, clock, YearPillarOf(cal, clock));
                ASSERT_LE(m.prevJieJd, jd) << Text(clock);
                ASSERT_LT(jd, m.nextJieJd) << Text(clock);
                ASSERT_NEAR(m.nextJieJd - m.prevJieJd, 30.4, 2.0) << Text(clock);
            }
}

TEST(Pillars, DayAndHourWithTheLateZiOption) {
    EXPECT_EQ(DayPillarOf(cal, D(2000, 1, 1), false), 55);  // 戊午
    struct Case { CalDate solar; bool lateZi; const char* day; const char* hour; };
    const Case cases[] = {
        {D(2000, 1, 1, 23, 30), false, "己未", "甲子"},  // already the next day
        {D(2000, 1, 1, 23, 30), true, "戊午", "甲子"},   // same day, the next day's 子 hour
        {D(2000, 1, 2, 0, 30), false, "己未", "甲子"},
        {D(2000, 1, 1, 0, 59), false, "戊午", "壬子"},
        {D(2000, 1, 1, 1, 0), false, "戊午", "癸丑"},
        {D(2000, 1, 1, 12, 0), true, "戊午", "戊午"},
        {D(2000, 1, 1, 22, 59), false, "戊午", "癸亥"},
    };
    for (const Case& c : cases) {
        int day = DayPillarOf(cal, c.solar, c.lateZi);
        EXPECT_EQ(sym::PillarName(day), c.day) << Text(c.solar);
        EXPECT_EQ(sym::PillarName(HourPillarOf(c.solar.hour, day, c.lateZi)), c.hour) << Text(c.solar);
    }
    FourPillars p = PillarsOf(cal, D(1984, 2, 5, 12, 0), D(1984, 2, 5, 12, 0), false);
    EXPECT_EQ(p.year, 1);
    EXPECT_EQ(sym::PillarName(p.month), "丙寅");
}
