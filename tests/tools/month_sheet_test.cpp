// The perpetual calendar's month sheet: the layout of a month, its terms and
// lunar dates, and the pillars of the selected moment with and without
// "节气换月".
#include "tools/month_sheet.h"

#include <gtest/gtest.h>

#include "engine/symbols/symbols.h"
#include "tests/engine/calendar_test_util.h"

namespace {

CYiDate cal;

std::string PillarNames(const FourPillars& p) {
    return sym::PillarName(p.year) + " " + sym::PillarName(p.month) + " " + sym::PillarName(p.day) + " " +
           sym::PillarName(p.hour);
}

}  // namespace

TEST(MonthSheet, MonthsStartInTheColumnOfTheirWeekday) {
    struct Case { int year, month, days, firstColumn, lastRow; };
    const Case cases[] = {
        {1900, 2, 28, 3, 5},  // 1900-02-01 is a Thursday; 1900 is no leap year
        {2000, 2, 29, 1, 5},  // 2000-02-01 is a Tuesday
        {2000, 1, 31, 5, 6},  // a Saturday
        {2023, 1, 31, 6, 6},  // a Sunday: the 31 days span six rows
        {2021, 2, 28, 0, 4},  // a Monday: four full rows
        {2050, 12, 31, 3, 5},
    };
    for (const Case& c : cases) {
        wnl::MonthSheet s = wnl::LayOutMonth(cal, D(c.year, c.month, 1), true);
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month));
        EXPECT_EQ(s.daysInMonth, c.days);
        EXPECT_EQ(s.firstColumn, c.firstColumn);
        ASSERT_EQ(s.days.size(), static_cast<size_t>(c.days));
        EXPECT_EQ(s.days.front().row, 1);
        EXPECT_EQ(s.days.front().column, c.firstColumn);
        EXPECT_EQ(s.days.back().row, c.lastRow);
        EXPECT_EQ(s.days.back().column, (c.firstColumn + c.days - 1) % 7);
    }
    EXPECT_EQ(wnl::WeekdayHead(0), "星期一");
    EXPECT_EQ(wnl::WeekdayHead(5), "星期六");
    EXPECT_EQ(wnl::WeekdayHead(6), "星期日");
}

TEST(MonthSheet, TermDaysAndLunarDates) {
    wnl::MonthSheet feb = wnl::LayOutMonth(cal, D(2000, 2, 4, 12, 0), true);
    EXPECT_EQ(feb.title, "2000年2月");
    EXPECT_EQ(feb.firstTerm, "立春4日20时40分");
    EXPECT_EQ(feb.secondTerm, "雨水19日16时33分");
    struct Cell { int day; const char* upper; bool termDay; const char* lower; };
    const Cell cells[] = {
        {3, "3", false, "十二月廿八"}, {4, "4 立春", true, "十二月廿九"},  {5, "5", false, "正月初一"},
        {14, "14", false, "正月初十"}, {15, "15", false, "正月十一"}, {19, "19 雨水", true, "正月十五"},
    };
    for (const Cell& c : cells) {
        const wnl::DayCell& d = feb.days[c.day - 1];
        EXPECT_EQ(d.day, c.day);
        EXPECT_EQ(d.upper, c.upper);
        EXPECT_EQ(d.termDay, c.termDay) << c.day;
        EXPECT_EQ(d.lower, c.lower) << c.day;
    }
    EXPECT_EQ(wnl::LayOutMonth(cal, D(2001, 5, 1), true).days[22].lower, "闰四月初一");
    EXPECT_EQ(wnl::LayOutMonth(cal, D(2000, 3, 1), true).days[0].lower, "正月廿六");
    wnl::MonthSheet dec = wnl::LayOutMonth(cal, D(2050, 12, 1), true);
    EXPECT_EQ(dec.firstTerm, "大雪7日6时42分");
    EXPECT_EQ(dec.secondTerm, "冬至22日0时39分");
    EXPECT_EQ(dec.days[21].upper, "22 冬至");
}

TEST(MonthSheet, PillarsOfTheSelectedMoment) {
    struct Case { CalDate moment; bool termsChangeMonth; const char* pillars; const char* animal; };
    const Case cases[] = {
        // 立春 2000 is on 4 February at 20:40: a minute before, the year is
        // still 己卯 and the month 丁丑; from that minute 庚辰 and 戊寅.
        {D(2000, 2, 4, 20, 39), true, "己卯 丁丑 壬辰 庚戌", "兔年"},
        {D(2000, 2, 4, 20, 40), true, "庚辰 戊寅 壬辰 庚戌", "龙年"},
        // Without 节气换月 the lunar date decides: 4 February is the 29th of
        // the twelfth month of 1999, the 5th the first day of 2000.
        {D(2000, 2, 4, 20, 40), false, "己卯 丁丑 壬辰 庚戌", "兔年"},
        {D(2000, 2, 5, 0, 0), false, "庚辰 戊寅 癸巳 壬子", "龙年"},
        // 1 January before 小寒 is the 子 month of the year before.
        {D(2000, 1, 1, 12, 0), true, "己卯 丙子 戊午 戊午", "兔年"},
        {D(2000, 1, 1, 12, 0), false, "己卯 丙子 戊午 戊午", "兔年"},
        // 23:00 is already the next day's 子 hour, its stem from that day.
        {D(2000, 1, 1, 22, 59), true, "己卯 丙子 戊午 癸亥", "兔年"},
        {D(2000, 1, 1, 23, 0), true, "己卯 丙子 己未 甲子", "兔年"},
        {D(1900, 1, 1, 0, 0), true, "己亥 丙子 甲戌 甲子", "猪年"},
        // A leap month counts as its month: leap 4-01 of 2001 is a 巳 month.
        {D(2001, 5, 23, 8, 0), false, "辛巳 癸巳 丙戌 壬辰", "蛇年"},
    };
    for (const Case& c : cases) {
        wnl::MonthSheet s = wnl::LayOutMonth(cal, c.moment, c.termsChangeMonth);
        EXPECT_EQ(PillarNames(s.pillars), c.pillars) << Text(c.moment) << (c.termsChangeMonth ? " 节气换月" : "");
        EXPECT_EQ(s.animal, c.animal) << Text(c.moment);
    }
    EXPECT_EQ(wnl::LayOutMonth(cal, D(2000, 2, 4, 20, 40), true).pillarsText, "庚辰年\n戊寅月\n壬辰日\n庚戌时");
}

TEST(MonthSheet, MomentsOutsideTheSheetAreRefused) {
    struct Case { CalDate moment; wnl::MomentFault fault; };
    const Case cases[] = {
        {D(1900, 1, 1), wnl::MomentFault::None},           {D(2050, 12, 31), wnl::MomentFault::None},
        {D(1899, 12, 31), wnl::MomentFault::YearOutOfRange}, {D(2051, 1, 1), wnl::MomentFault::YearOutOfRange},
        {D(2000, 4, 31), wnl::MomentFault::DayBeyondMonth}, {D(1900, 2, 29), wnl::MomentFault::DayBeyondMonth},
        {D(2000, 2, 29), wnl::MomentFault::None},           {D(2000, 2, 30), wnl::MomentFault::DayBeyondMonth},
    };
    for (const Case& c : cases) EXPECT_EQ(wnl::CheckMoment(c.moment), c.fault) << Text(c.moment);
}
