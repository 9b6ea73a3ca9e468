// Spirit stars, special days and pillar relations of hand-built charts, and
// the era, zodiac sign and life number of real births.
#include <gtest/gtest.h>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/symbols/stars.h"
#include "tests/engine/engine_test_support.h"

namespace {

enum { kYear, kMonth, kDay, kHour };

class ChartStarsTest : public ::testing::Test {
protected:
    const ChartData& Mark(const char* y, const char* m, const char* d, const char* h, bool male = true) {
        return probe_.MarkStars(y, m, d, h, male);
    }
    CBaZiEx engine_{"/nonexistent/", StandardReadings()};
    CBaZiExProbe probe_{engine_};
};

TEST_F(ChartStarsTest, TriadStarsCountOnceAndNeverFromAPillarsOwnBranch) {
    // Year 子 and day 辰 share the triad 申子辰: its 驿马 寅 counts once.
    const ChartData& c = Mark("甲子", "丙寅", "戊辰", "甲寅");
    EXPECT_EQ(c.stars[kHour][kStarYiMa], 1);
    EXPECT_EQ(c.stars[kMonth][kStarYiMa], 1);
    EXPECT_EQ(c.stars[kDay][kStarHuaGai], 1);     // by the year branch
    EXPECT_EQ(c.stars[kYear][kStarJiangXing], 1);  // by the day branch

    // Year 午 (寅午戌) and day 辰 (申子辰): the day pillar's own 华盖 and the
    // year pillar's own 将星 do not count.
    const ChartData& d = Mark("甲午", "丙寅", "戊辰", "壬戌");
    EXPECT_EQ(d.stars[kDay][kStarHuaGai], 0);
    EXPECT_EQ(d.stars[kYear][kStarJiangXing], 0);
    EXPECT_EQ(d.stars[kHour][kStarHuaGai], 1);
}

TEST_F(ChartStarsTest, DirectionalStarsFollowSexAndYear) {
    // A 甲子 year: forward for a man (勾煞 卯, 绞煞 酉, 大耗 未), backward
    // for a woman (勾煞 酉, 绞煞 卯, 大耗 巳).
    const ChartData& man = Mark("甲子", "丁卯", "辛酉", "辛未", true);
    EXPECT_EQ(man.stars[kMonth][kStarGouSha], 1);
    EXPECT_EQ(man.stars[kDay][kStarJiaoSha], 1);
    EXPECT_EQ(man.stars[kHour][kStarDaHao], 1);
    const ChartData& woman = Mark("甲子", "丁卯", "辛酉", "辛未", false);
    EXPECT_EQ(woman.stars[kMonth][kStarJiaoSha], 1);
    EXPECT_EQ(woman.stars[kDay][kStarGouSha], 1);
    EXPECT_EQ(woman.stars[kHour][kStarDaHao], 0);
}

TEST_F(ChartStarsTest, WholePillarStarsAndSpecialDays) {
    // Day stem 甲: 学堂 is 己亥 and 词馆 庚寅, whole pillars.
    const ChartData& a = Mark("己亥", "乙亥", "甲子", "庚寅");
    EXPECT_EQ(a.stars[kYear][kStarXueTang], 1);
    EXPECT_EQ(a.stars[kMonth][kStarXueTang], 0);
    EXPECT_EQ(a.stars[kHour][kStarCiGuan], 1);

    const ChartData& b = Mark("戊辰", "丙寅", "庚辰", "丙午");
    EXPECT_EQ(b.stars[kDay][kStarKuiGang], 1);
    EXPECT_EQ(b.stars[kDay][kStarShiE], 1);
    EXPECT_EQ(b.stars[kDay][kStarJinShen], 0);
    EXPECT_EQ(b.stars[kHour][kStarGuLuan], 1);
    EXPECT_EQ(b.stars[kYear][kStarDeXiu], 0);  // 寅 month with 丙 and 戊 but no 癸

    const ChartData& c = Mark("戊辰", "丙寅", "庚申", "癸未");
    EXPECT_EQ(c.stars[kDay][kStarSiFei], 1);  // 庚申 in a spring month
    EXPECT_EQ(c.stars[kYear][kStarDeXiu], 1);

    for (auto [day, hour] : {std::pair{"癸亥", "癸丑"}, std::pair{"癸丑", "癸亥"}}) {
        const ChartData& g = Mark("甲子", "丙寅", day, hour);
        EXPECT_EQ(g.stars[kDay][kStarGongLu], 1) << day;
        EXPECT_EQ(g.stars[kHour][kStarGongLu], 1) << day;
    }
}

TEST_F(ChartStarsTest, RelationCodesOfThePillars) {
    struct Case {
        const char* pillars[4];
        int combination[4];
        int slot;
        int codes[4];
    } cases[] = {
        {{"甲午", "庚午", "丙子", "己卯"}, {1, -1, -1, 1}, kRelPunish2, {7, 7, 1, 1}},  // 午午 自刑, 子卯
        {{"甲午", "庚午", "丙子", "己卯"}, {1, -1, -1, 1}, kRelClash, {1, 1, 1, -1}},    // 子午
        {{"甲辰", "丙戌", "丁丑", "辛未"}, {-1, 3, -1, 3}, kRelDirectional, {3, 3, 3, 3}},  // 四库
        {{"甲辰", "丙戌", "丁丑", "辛未"}, {-1, 3, -1, 3}, kRelPunish3, {-1, 2, 2, 2}},     // 丑戌未
        {{"甲子", "丙辰", "庚午", "戊寅"}, {-1, -1, -1, -1}, kRelHalfTriple, {5, 5, 20, 20}},  // 子辰 with a 库
        {{"甲寅", "甲戌", "己巳", "庚午"}, {1, 1, 1, -1}, kRelTriple, {2, 2, -1, 2}},      // 寅午戌
        {{"甲寅", "甲戌", "己巳", "庚午"}, {1, 1, 1, -1}, kRelHalfTriple, {20, 25, -1, 25}},  // the later pair wins
        {{"甲寅", "甲戌", "己巳", "庚午"}, {1, 1, 1, -1}, kRelHarm, {3, -1, 3, -1}},      // 寅巳
    };
    for (const Case& c : cases) {
        const ChartData& chart = Mark(c.pillars[0], c.pillars[1], c.pillars[2], c.pillars[3]);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(chart.stemInfo[i].combination, c.combination[i]) << c.pillars[0] << c.pillars[1] << " " << i;
            EXPECT_EQ(chart.branchInfo[i].relation[c.slot], c.codes[i])
                << c.pillars[0] << c.pillars[1] << c.pillars[2] << c.pillars[3] << " slot " << c.slot << " " << i;
        }
    }
}

TEST_F(ChartStarsTest, LifeNumberSumsTheDigits) {
    EXPECT_EQ(probe_.LifeNumber(1985, 7, 16), 1);  // 37 → 10 → 1
    EXPECT_EQ(probe_.LifeNumber(1999, 12, 31), 8);
    EXPECT_EQ(probe_.LifeNumber(-5, 3, 4), 7);  // a year BC adds nothing
}

class BirthSignsTest : public ProgramFolderTest {
protected:
    ChartData Compute(const CalDate& t) {
        CBaZiEx engine(Folder(), StandardReadings());
        engine.showReport = 0;
        BirthData a = Birth(0, true, t.year, t.month, t.day, t.hour, t.minute);
        BirthData b = Birth(1, false, 1990, 6, 1, 12, 0);
        EXPECT_TRUE(engine.ComputeCouple(a, b)) << engine.errorText;
        report_ = engine.report;
        return engine.Chart(0);
    }
    std::string report_;
};

TEST_F(BirthSignsTest, EraTurnsWithTheYearAtSpringBegins) {
    // 立春 1984 is on 4 February at 23:19; 1984 opens a 下元.
    EXPECT_EQ(Compute({1984, 2, 4, 23, 19}).era, 2);
    EXPECT_NE(report_.find("☆年命：海中金(下元)  "), std::string::npos);
    EXPECT_EQ(Compute({1984, 2, 4, 23, 18}).era, 1);
    EXPECT_NE(report_.find("☆年命：大海水(中元)  "), std::string::npos);
}

TEST_F(BirthSignsTest, ZodiacSignTurnsAtTheMiddleTerm) {
    CYiDate cal;
    CalDate equinox, before;
    ASSERT_EQ(cal.SolarTermOfMonth(1999, 3, 0, equinox), 3);  // 春分
    cal.JulianDayToDate(cal.DateToJulianDay(equinox) - 1.0 / 1440, before);
    EXPECT_EQ(Compute(equinox).zodiacSign, 0);
    EXPECT_NE(report_.find("星座：白羊座  生肖：兔"), std::string::npos);
    EXPECT_EQ(Compute(before).zodiacSign, 11);
}

}  // namespace
