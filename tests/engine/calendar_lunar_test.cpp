// The lunar calendar: stored words, conversions both ways, their messages,
// and Chinese numerals.
#include <gtest/gtest.h>

#include "engine/calendar/CYiDate.h"
#include "engine/calendar/tables/calendar_tables.h"
#include "tests/engine/calendar_test_util.h"

namespace {

const CYiDate cal;

uint32_t Word(const uint32_t (&table)[caltab::kStoredYears][12], int year, int month) {
    return table[year - caltab::kStoredFirstYear][month - 1];
}

}  // namespace

TEST(CalendarLunar, StoredWordsOf2000And2001) {
    const uint32_t solarToLunar[12] = {0x5826, 0x5924, 0x5925, 0x5A24, 0x5A23, 0x5C21,
                                       0x5D21, 0x211C, 0x231B, 0x231A, 0x2519, 0x2519};
    const uint32_t lunarToSolar[12] = {0x59A4, 0x5AA5, 0x5A24, 0x5C23, 0x5DA1, 0x0021,
                                       0x2100, 0x239C, 0x231B, 0x259A, 0x2599, 0x2619};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(Word(caltab::kSolarToLunar, 2000, m), solarToLunar[m - 1]) << "month " << m;
        EXPECT_EQ(Word(caltab::kLunarToSolar, 2000, m), lunarToSolar[m - 1]) << "month " << m;
    }
    EXPECT_EQ(Word(caltab::kLunarToSolar, 2001, 4), 0xC9362896u);
}

TEST(CalendarLunar, LeapMonthTable) {
    struct Case { int year, leap; };
    const Case cases[] = {{1900, 8}, {1984, 10}, {2001, 4}, {2014, 9}, {2033, 11}, {-848, 12},
                          {2000, 0}, {-850, 0},  {2101, 0}};
    for (const Case& c : cases) EXPECT_EQ(cal.LeapMonthOfYear(c.year), c.leap) << c.year;
    EXPECT_EQ(caltab::kLeapMonths[2033 - caltab::kFirstYear], '2');
    EXPECT_EQ(caltab::kLeapMonths[-848 - caltab::kFirstYear], '3');
    int leapYears = 0;
    for (unsigned char b : caltab::kLeapMonths) leapYears += b != 0;
    EXPECT_EQ(leapYears, 1084);
}

TEST(CalendarLunar, SolarToLunarCases) {
    struct Case { CalDate solar, lunar; bool leap; };
    const Case cases[] = {
        {D(2000, 2, 4, 20, 39), D(1999, 12, 29, 20, 39), false},
        {D(2000, 2, 5), D(2000, 1, 1), false},
        {D(2000, 1, 1), D(1999, 11, 25), false},
        {D(1986, 12, 31), D(1986, 12, 1), false},
        {D(2000, 7, 31), D(2000, 7, 1), false},   // a third lunar month begins on the 31st
        {D(2001, 5, 23), D(2001, 4, 1), true},
        {D(2033, 12, 22), D(2033, 11, 1), true},
        {D(1900, 1, 1), D(1899, 12, 1), false},
        {D(2050, 12, 31), D(2050, 11, 18), false},
    };
    for (const Case& c : cases) {
        CalDate lunar;
        bool leap = cal.SolarToLunar(c.solar, lunar);
        EXPECT_TRUE(Same(lunar, c.lunar) && leap == c.leap)
            << Text(c.solar) << " gave " << Text(lunar) << (leap ? " leap" : "");
    }
}

TEST(CalendarLunar, LunarToSolarCases) {
    struct Case { CalDate lunar; bool leap; CalDate solar; };
    const Case cases[] = {
        {D(2000, 1, 26), false, D(2000, 3, 1)},  {D(2000, 1, 1, 7, 45), false, D(2000, 2, 5, 7, 45)},
        {D(1938, 1, 30), false, D(1938, 3, 1)},  {D(1957, 1, 30), false, D(1957, 3, 1)},
        {D(2001, 4, 1), true, D(2001, 5, 23)},   {D(2001, 4, 29), true, D(2001, 6, 20)},
        {D(2000, 7, 1), false, D(2000, 7, 31)},  {D(2000, 12, 29), false, D(2001, 1, 23)},
        {D(1800, 1, 1), false, D(1800, 1, 25)},  {D(2060, 8, 15), false, D(2060, 9, 9)},
        // lunar days whose numbers read as a solar date fall in the days the
        // Gregorian reform dropped (1582-10-05 … 14)
        {D(1582, 10, 4), false, D(1582, 10, 29)}, {D(1582, 10, 5, 12, 0), false, D(1582, 10, 30, 12, 0)},
        {D(1582, 10, 14), false, D(1582, 11, 8)}, {D(1582, 10, 15), false, D(1582, 11, 9)},
    };
    for (const Case& c : cases) {
        CalDate solar;
        std::string message;
        EXPECT_TRUE(cal.LunarToSolar(c.lunar, solar, c.leap, message)) << Text(c.lunar) << ": " << message;
        EXPECT_TRUE(Same(solar, c.solar)) << Text(c.lunar) << " gave " << Text(solar);
    }
}

TEST(CalendarLunar, LunarDatesThatDoNotExist) {
    struct Case { CalDate lunar; bool leap; const char* message; };
    const Case cases[] = {
        {D(2001, 5, 1), true, "此年没有闰5月,请重新确定月份！"},
        {D(2000, 3, 30), false, "不存在这个日期,请重新输入！"},  // a 29-day month
        {D(2000, 1, 31), false, "不存在这个日期,请重新输入！"},
        {D(2000, 13, 1), false, "不存在这个日期,请重新输入！"},
        {D(1801, 3, 1), true, "此年没有闰月"},
    };
    for (const Case& c : cases) {
        CalDate solar;
        std::string message;
        EXPECT_FALSE(cal.LunarToSolar(c.lunar, solar, c.leap, message)) << Text(c.lunar);
        EXPECT_EQ(message, c.message) << Text(c.lunar);
    }
}

TEST(CalendarLunar, ChineseNumbers) {
    CYiDate c;
    struct Case { int n; const char* text; };
    const Case cases[] = {{1, "一"}, {10, "十"}, {15, "十五"}, {20, "二十"}, {21, "廿一"}, {29, "廿九"}, {30, "三十"}};
    for (const Case& k : cases) EXPECT_EQ(c.ChineseNumber(k.n), k.text) << k.n;
    EXPECT_EQ(c.ChineseNumber(31), "三十");  // out of range: the previous text
    EXPECT_EQ(c.ChineseNumber(0), "三十");
}
