// One person's chart through the whole engine: pillars at the day, 子-hour
// and solar-term boundaries, the chart header text, 胎元 and 命宫, and the
// failures of the date conversion.
#include <gtest/gtest.h>

#include <limits>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/chart/luck_pillars.h"
#include "engine/chart/pillars.h"
#include "tests/engine/engine_test_support.h"

namespace {

class ChartBuildTest : public ProgramFolderTest {
protected:
    // Computes a couple whose 甲命 is `a` (乙命 a fixed woman) and returns true
    // when it succeeds.
    bool Compute(const BirthData& a) {
        engine_ = std::make_unique<CBaZiEx>(Folder(), StandardReadings());
        engine_->showReport = 0;
        BirthData first = a, second = Birth(1, false, 1990, 6, 1, 12, 0);
        return engine_->ComputeCouple(first, second);
    }
    const ChartData& ChartA() const { return engine_->Chart(0); }
    const std::string& Report() const { return engine_->report; }

    std::unique_ptr<CBaZiEx> engine_;
};

TEST_F(ChartBuildTest, LateZiHourFollowsTheSetting) {
    // 2000-01-01 is 戊午 (lunar 十一月廿五), 2000-01-02 己未.
    struct Case {
        const char* zishi;
        const char* day;
        const char* hour;
        const char* lunarDay;
    } cases[] = {
        {"zishi=0", "己未", "甲子", " 十一月 廿六日 子时。"},  // 23:30 already is the next day
        {"zishi=1", "戊午", "甲子", " 十一月 廿五日 子时。"},  // the day stays, the hour is the next day's 子
    };
    for (const Case& c : cases) {
        Settings(c.zishi);
        ASSERT_TRUE(Compute(Birth(0, true, 2000, 1, 1, 23, 30))) << engine_->errorText;
        EXPECT_EQ(sym::PillarName(ChartA().dayPillar), c.day) << c.zishi;
        EXPECT_EQ(sym::PillarName(ChartA().hourPillar), c.hour) << c.zishi;
        EXPECT_NE(Report().find(std::string("出生农历：己卯年") + c.lunarDay), std::string::npos) << c.zishi;
    }
}

TEST_F(ChartBuildTest, YearAndMonthTurnAtTheMinuteOfTheTerm) {
    CYiDate cal;
    CalDate jingZhe;  // 惊蛰 2000, the 节 that opens the 卯 month
    ASSERT_EQ(cal.SolarTermOfMonth(2000, 3, 1, jingZhe), 3);
    CalDate beforeJingZhe = jingZhe;
    cal.JulianDayToDate(cal.DateToJulianDay(jingZhe) - 1.0 / 1440, beforeJingZhe);
    struct Case {
        CalDate clock;
        const char* year;
        const char* month;
    } cases[] = {
        {{2000, 2, 4, 20, 39}, "己卯", "丁丑"},  // one minute before 立春
        {{2000, 2, 4, 20, 40}, "庚辰", "戊寅"},  // at 立春
        {beforeJingZhe, "庚辰", "戊寅"},
        {jingZhe, "庚辰", "己卯"},
    };
    for (const Case& c : cases) {
        const CalDate& t = c.clock;
        ASSERT_TRUE(Compute(Birth(0, true, t.year, t.month, t.day, t.hour, t.minute)));
        EXPECT_EQ(sym::PillarName(ChartA().yearPillar), c.year) << t.day << " " << t.hour << ":" << t.minute;
        EXPECT_EQ(sym::PillarName(ChartA().monthPillar), c.month) << t.day << " " << t.hour << ":" << t.minute;
    }
}

TEST_F(ChartBuildTest, BirthLinesByTimeBasis) {
    BirthData b = Birth(0, true, 2000, 1, 1, 12, 0);
    b.longitude = 116.4667f;  // 116° 28′
    b.latitude = 39.9f;       // 39° 54′
    gbk::WriteField(b.place, "北京市-北京");
    struct Case {
        const char* idate;
        const char* lines;
    } cases[] = {
        {"idate=0",
         "命主姓名:甲某  出生地:北京市-北京。\r\n出生公历：2000年1月1日12时0分(北京时间)，星期六。\r\n"},
        {"idate=1",  // equation of time on 1 January −3.4, taken as −3 minutes; 14 minutes west
         "命主姓名:甲某  出生地:北京市-北京,经度:116度28分,纬度:39度54分。\r\n"
         "出生公历：2000年1月1日12时0分(北京时间)。\r\n出生公历：2000年1月1日11时43分(真太阳时)，星期六。\r\n"},
        {"idate=2",
         "命主姓名:甲某  出生地:北京市-北京,经度:116度28分,纬度:39度54分。\r\n"
         "出生公历：2000年1月1日12时0分(北京时间)。\r\n出生公历：2000年1月1日11时46分(地方时)，星期六。\r\n"},
    };
    for (const Case& c : cases) {
        Settings(c.idate);
        ASSERT_TRUE(Compute(b));
        EXPECT_EQ(Report().substr(0, Report().find("出生农历")), std::string("甲命八字：\r\n") + c.lines) << c.idate;
    }
}

TEST_F(ChartBuildTest, DamagedCoordinatesCountAsNoPlace) {
    Settings("idate=1");
    BirthData b = Birth(0, true, 2000, 1, 1, 12, 0);
    b.longitude = std::numeric_limits<float>::quiet_NaN();
    b.latitude = 1e9f;
    ASSERT_TRUE(Compute(b));
    EXPECT_NE(Report().find("出生地:未知,经度:120度0分,纬度:30度0分。\r\n"), std::string::npos);
}

TEST_F(ChartBuildTest, PillarBlockInBothLayouts) {
    // 1985-07-16 10:30, a man: 乙丑 癸未 丙辰 癸巳.
    const std::string godLine = "      印          官          日元        官          \r\n";
    const std::string hidden =
        "藏干  癸辛己      乙己丁      乙戊癸      庚丙戊      \r\n"
        "      官财伤      印伤劫      印食官      才比食      \r\n\r\n";
    struct Case {
        const char* pai;
        std::string pillarLines;
    } cases[] = {
        {"pai=0", "乾造  乙丑        癸未        丙辰        癸巳 (日空子、丑)\r\n"},
        {"pai=1",
         "乾造  乙          癸          丙          癸 (日空子、丑)\r\n"
         "      丑          未          辰          巳\r\n"},
    };
    for (const Case& c : cases) {
        Settings(c.pai);
        ASSERT_TRUE(Compute(Birth(0, true, 1985, 7, 16, 10, 30)));
        EXPECT_NE(Report().find("出生农历：乙丑年 五月 廿九日 巳时。\r\n\r\n" + godLine + c.pillarLines + hidden),
                  std::string::npos)
            << c.pai;
    }
}

TEST_F(ChartBuildTest, LuckPillarsFetalOriginAndLifePalaceLines) {
    // Backward (a man of a yin year) from 1985-07-16 10:30 to 小暑 on 7 July.
    ASSERT_TRUE(Compute(Birth(0, true, 1985, 7, 16, 10, 30)));
    EXPECT_NE(Report().find("起大运周岁：2岁 11个月 20天，每一交大运年 7月 6日起运(公历)。\r\n"
                            "     杀    财    才    伤    食    劫    比    印    \r\n"
                            "大运 壬午  辛巳  庚辰  己卯  戊寅  丁丑  丙子  乙亥  \r\n"
                            "     帝旺  临官  冠带  沐浴  长生  养    胎    绝    \r\n"
                            "岁数 4     14    24    34    44    54    64    74    \r\n"
                            "年份 1988  1998  2008  2018  2028  2038  2048  2058  \r\n"
                            "\r\n☆胎元：甲戌(山头火)  命宫：辛巳(白蜡金)\r\n"
                            "☆年命：海中金(下元)  星座：巨蟹座  生肖：牛\r\n\r\n※五行力量："),
              std::string::npos);
    EXPECT_EQ(ChartA().luckStartAge, 4);
    EXPECT_EQ(ChartA().fetalOrigin, PillarNumber("甲戌"));
    EXPECT_EQ(ChartA().lifePalace, PillarNumber("辛巳"));
}

TEST_F(ChartBuildTest, LifePalaceByMonthBranchOrByTheMiddleTerm) {
    // 2000-02-25 12:00 lies after 雨水 in the 寅 month: the month branch
    // counts month 1, the 中气 rule month 2.
    struct Case {
        const char* mgong;
        const char* palace;
    } cases[] = {{"mgong=0", "乙酉"}, {"mgong=1", "甲申"}};
    for (const Case& c : cases) {
        Settings(c.mgong);
        ASSERT_TRUE(Compute(Birth(0, true, 2000, 2, 25, 12, 0)));
        EXPECT_EQ(sym::PillarName(ChartA().lifePalace), c.palace) << c.mgong;
        EXPECT_EQ(sym::PillarName(ChartA().fetalOrigin), "己巳");  // month 戊寅
    }
}

TEST_F(ChartBuildTest, YearOneBeforeChristIsStoredAsZeroAndShownAsMinusOne) {
    ASSERT_TRUE(Compute(Birth(0, true, 0, 3, 5, 10, 0))) << engine_->errorText;
    EXPECT_NE(Report().find("出生公历：-1年3月5日10时0分(北京时间)"), std::string::npos);
    EXPECT_EQ(engine_->Moments(0).solarTime.year, 0);
}

TEST_F(ChartBuildTest, ImpossibleBirthsFailWithTheirMessage) {
    struct Case {
        BirthData birth;
        const char* setting;
        const char* message;
    } cases[] = {
        {Birth(0, true, -850, 1, 1, 0, 0), "",
         "年份必须在-850到2100年之间，并且没有公元0年\r\n注意：公元前用负数，比如公元前120年，就输入-120"},
        {Birth(0, true, 2001, 2, 29, 0, 0), "", "不存在这个日期"},
        {Birth(0, true, 2001, 2, 28, 24, 0), "", "不存在这个日期"},
        {Birth(0, true, 1582, 10, 10, 0, 0), "", "不存在1582-10-5到1582-10-14这10天时间。"},
        {LunarBirth(0, true, 2001, 5, 1, 0, 0, true), "", "此年没有闰5月,请重新确定月份！"},
        {LunarBirth(0, true, 2100, 12, 15, 0, 0, false), "", "时间越界，年份在-850到2100之间"},
        {Birth(0, true, 2100, 12, 31, 23, 30), "zishi=0", "公、农历正常转换年份在-850到2100之间"},
    };
    for (const Case& c : cases) {
        Settings(c.setting);
        EXPECT_FALSE(Compute(c.birth));
        EXPECT_EQ(engine_->errorText, c.message);
    }
    // Only a solar date is checked against the ten dropped days of 1582.
    EXPECT_TRUE(Compute(LunarBirth(0, true, 1582, 10, 10, 0, 0, false))) << engine_->errorText;
    // The late 子 hour that stays on 31 December 2100 is still inside the calendar.
    Settings("zishi=1");
    EXPECT_TRUE(Compute(Birth(0, true, 2100, 12, 31, 23, 30))) << engine_->errorText;
}

TEST(LuckStartTest, ThreeDaysAYearAndMonthsAddedBeforeTheDays) {
    CYiDate cal;
    const double birthJd = 2451545.0;
    struct Case {
        CalDate solarTime;
        bool forward;
        long minutes;  // from the birth to the 节 the count runs to
        int years, months, days;
        CalDate start;
        int age;
    } cases[] = {
        // 31 January plus one month is "31 February": 3 March, 2 March in a leap year.
        {{2001, 1, 31, 10, 0}, true, 4320 + 360, 1, 1, 0, {2002, 3, 3, 10, 0}, 2},
        {{2003, 1, 31, 10, 0}, true, 4320 + 360, 1, 1, 0, {2004, 3, 2, 10, 0}, 2},
        // 11 minutes short of a day are no day; the months carry into the year.
        {{1990, 11, 20, 8, 30}, false, 2 * 4320 + 3 * 360 + 5 * 12 + 11, 2, 3, 5, {1993, 2, 25, 8, 30}, 4},
        {{1990, 11, 20, 8, 30}, true, 11, 0, 0, 0, {1990, 11, 20, 8, 30}, 1},
    };
    for (const Case& c : cases) {
        double other = c.forward ? birthJd + c.minutes / 1440.0 : birthJd - c.minutes / 1440.0;
        LuckStart s = LuckStartOf(cal, c.forward, birthJd, other, other, c.solarTime);
        EXPECT_EQ(s.years, c.years);
        EXPECT_EQ(s.months, c.months);
        EXPECT_EQ(s.days, c.days);
        EXPECT_EQ(s.date.year, c.start.year);
        EXPECT_EQ(s.date.month, c.start.month);
        EXPECT_EQ(s.date.day, c.start.day);
        EXPECT_EQ(s.date.hour, c.start.hour);
        EXPECT_EQ(s.age, c.age);
    }
}

TEST_F(ChartBuildTest, LuckPillarsRunBySexAndYear) {
    // 1984-03-10 lies in the 丁卯 month of the 甲子 year: a man counts
    // forward, a woman backward.
    ASSERT_TRUE(Compute(Birth(0, true, 1984, 3, 10, 12, 0)));
    EXPECT_NE(Report().find("大运 戊辰  己巳"), std::string::npos);
    ASSERT_TRUE(Compute(Birth(0, false, 1984, 3, 10, 12, 0)));
    EXPECT_NE(Report().find("大运 丙寅  乙丑"), std::string::npos);
    EXPECT_EQ(sym::PillarName(LuckPillar(1, 2, false)), "壬戌");  // wraps below 甲子
}

}  // namespace
