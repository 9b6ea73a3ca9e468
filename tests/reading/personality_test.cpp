#include "reading/personality.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reading/reading_texts.h"
#include "tests/reading/chart_fixture.h"

namespace {

std::vector<int> Fired(const ChartFixture& f) {
    ChartTerms t(f.Context());
    std::vector<int> fired;
    PersonalitySayings(t, &fired);
    return fired;
}

int Times(const std::vector<int>& fired, int rule) {
    return static_cast<int>(std::count(fired.begin(), fired.end(), rule));
}

std::string Opening(const ChartFixture& f) { return PersonalityOpening(ChartTerms(f.Context())); }

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// ---- The opening ----

// 甲 day, month 丙寅 (食神 stem, 比肩 branch: 甲 临官 on 寅), hour 辛未 (正官).
// With 食伤 the 用 group and 官杀 the 忌 group both stems speak.
TEST(PersonalityOpening, WritesHeadingDayMasterMonthBranchGrowthBalanceAndStems) {
    ChartFixture f("庚午 丙寅 甲子 辛未", true);
    f.Gods(kGroupShiShang, kGroupCai, kGroupGuanSha, kGroupYin).YinYang(60, 40);
    const std::string expected = std::string("甲命性格特征：(测个人性情、先天禀赋、相貌、喜好等)\r\n  ★") +
                                 ReadingText(7016) + "\r\n  ★" + ReadingText(8200) + "\r\n  ★日干坐月支，" +
                                 ReadingText(8263) + "\r\n" +
                                 "  ★阴阳二气平衡，性格刚柔相济，做事会分轻重缓急，公正之人。\r\n" + "  ★" +
                                 ReadingText(8212) + "\r\n" + "  ★" + ReadingText(8227) + "\r\n";
    EXPECT_EQ(Opening(f), expected);
    // The resource numbers lead to the texts of the right table rows.
    for (const char* row :
         {"  ★甲木日主，", "  ★比肩心性。", "  ★日干坐月支，临官：刻苦好学", "  ★食神为喜用，", "  ★正官为忌神，"})
        EXPECT_TRUE(Contains(expected, row)) << row;
}

TEST(PersonalityOpening, HeadingNamesThePersonAndDayStemSelectsTheText) {
    ChartFixture b("庚午 丙寅 癸酉 辛未", false, 1);
    std::string text = Opening(b);
    EXPECT_EQ(text.rfind("乙命性格特征：(测个人性情、先天禀赋、相貌、喜好等)\r\n  ★癸水日主", 0), 0u);
    ChartFixture a("庚午 丙寅 甲子 辛未", false, 0);
    EXPECT_EQ(Opening(a).rfind("甲命性格特征：(测个人性情、先天禀赋、相貌、喜好等)\r\n  ★甲木日主", 0), 0u);
}

TEST(PersonalityOpening, YinAndYangLeanOnlyBeyondAFifthOfTheirSum) {
    const char* balanced = "  ★阴阳二气平衡，性格刚柔相济，做事会分轻重缓急，公正之人。\r\n";
    const char* yin = "  ★阴气过重，性情偏于内向，柔性大于刚性，有女性化的性格特点。\r\n";
    const char* yang = "  ★阳气过重，性情偏于外向，喜欢自我表现，有男性化的性格特点。\r\n";
    struct Case {
        int yin, yang;
        const char* line;
    } cases[] = {{60, 40, balanced}, {61, 39, yin}, {39, 61, yang}, {40, 60, balanced}, {0, 0, balanced}};
    for (const Case& c : cases) {
        ChartFixture f("庚午 丙寅 甲子 辛未", true);
        f.YinYang(c.yin, c.yang);
        EXPECT_TRUE(Contains(Opening(f), c.line)) << c.yin << "/" << c.yang;
    }
}

TEST(PersonalityOpening, SameTenGodOnMonthAndHourStemIsSaidOnce) {
    ChartFixture f("庚午 己巳 甲子 己巳", true);  // month and hour stems 正财
    f.Gods(kGroupCai, kGroupShiShang, kGroupBiJie, kGroupYin);
    std::string text = Opening(f);
    const std::string said = std::string("  ★") + ReadingText(8215) + "\r\n";
    ASSERT_TRUE(Contains(text, said));
    EXPECT_EQ(text.find(said), text.rfind(said));
}

TEST(PersonalityOpening, StemsOfTheXiAndChouGroupsSayNothing) {
    ChartFixture f("庚午 己巳 甲子 庚午", true);  // month 正财 (喜), hour 七杀 (仇)
    f.Gods(kGroupShiShang, kGroupCai, kGroupYin, kGroupGuanSha);
    std::string text = Opening(f);
    EXPECT_FALSE(Contains(text, ReadingText(8215)));
    EXPECT_FALSE(Contains(text, ReadingText(8226)));
    const std::string balanced = "  ★阴阳二气平衡，性格刚柔相济，做事会分轻重缓急，公正之人。\r\n";
    EXPECT_EQ(text.substr(text.size() - balanced.size()), balanced);
}

// ---- The lines every chart gets ----

TEST(PersonalityLooks, ElementLineTakesItsLevelFromTheStrengthGrade) {
    struct Case {
        int grade;
        const char* start;
    } cases[] = {{0, "  ★日元属木，不及，则眉眼不正"},       {1, "  ★日元属木，不及，则眉眼不正"},
                 {2, "  ★日元属木，旺相，主有博爱侧隐之心"}, {4, "  ★日元属木，旺相，主有博爱侧隐之心"},
                 {5, "  ★日元属木，太过，主人瘦长发少"},     {6, "  ★日元属木，太过，主人瘦长发少"}};
    for (const Case& c : cases) {
        ChartFixture f("庚午 丙寅 甲子 辛未", true);
        f.Grade(c.grade);
        EXPECT_EQ(DayElementLine(ChartTerms(f.Context())).rfind(c.start, 0), 0u) << c.grade;
    }
    ChartFixture metal("庚午 丙寅 辛酉 辛未", true);
    metal.Grade(6);
    EXPECT_EQ(DayElementLine(ChartTerms(metal.Context())), "  ★日元属金，太过，则好勇无谋，贪欲不仁。\r\n");
}

TEST(PersonalityLooks, DayStemAndHourBranchLines) {
    ChartFixture f("庚午 丙寅 癸酉 甲子", true);
    ChartTerms t(f.Context());
    EXPECT_EQ(DayStemLooksLine(t), "  ★壬癸日生者，眼大好酒，胆大。\r\n");
    EXPECT_EQ(HourBranchLine(t), "  ★子午卯酉四时生，习惯面朝天睡觉，脸四方，尖下颏。\r\n");
    ChartFixture g("庚午 丙寅 甲子 乙亥", true);
    EXPECT_EQ(HourBranchLine(ChartTerms(g.Context())), "  ★寅申巳亥四时生，习惯侧身睡觉，脸长。\r\n");
    ChartFixture h("庚午 丙寅 甲子 辛未", true);
    EXPECT_EQ(HourBranchLine(ChartTerms(h.Context())), "  ★辰戌丑未四时生，习惯面朝下睡觉，团团脸。\r\n");
}

// ---- The sayings ----

// A 伤官 stem (丁) on a 甲 day: the 伤官 beauty needs a woman whose day
// master is at least slightly strong; the woman's 伤官 saying needs no grade.
TEST(PersonalitySayings, ShangGuanBeautyNeedsAWomanOfGradeFour) {
    struct Case {
        bool male;
        int grade;
        bool beauty;
    } cases[] = {{false, 4, true}, {false, 3, false}, {true, 4, false}};
    for (const Case& c : cases) {
        ChartFixture f("庚午 丁卯 甲子 辛未", c.male);
        f.Grade(c.grade);
        std::vector<int> fired = Fired(f);
        EXPECT_EQ(Times(fired, 1), c.beauty ? 1 : 0) << c.male << c.grade;
        EXPECT_EQ(Times(fired, 31), c.male ? 0 : 1);
    }
}

TEST(PersonalitySayings, WomanGradeSplitsGentleAndOverbearing) {
    for (int grade = 0; grade <= 6; ++grade) {
        ChartFixture woman("庚午 丙寅 甲子 辛未", false);
        woman.Grade(grade);
        std::vector<int> fired = Fired(woman);
        EXPECT_EQ(Times(fired, 42), grade >= 1 && grade <= 3 ? 1 : 0) << grade;
        EXPECT_EQ(Times(fired, 92), grade >= 5 ? 1 : 0) << grade;
        ChartFixture man("庚午 丙寅 甲子 辛未", true);
        man.Grade(grade);
        EXPECT_EQ(Times(Fired(man), 42) + Times(Fired(man), 92), 0);
    }
}

// Pillars 壬子 and 癸亥 on a 壬 day are 比肩 on 劫财 and 劫财 on 比肩.
TEST(PersonalitySayings, WomanGetsTheSiblingSayingOncePerPillar) {
    ChartFixture woman("壬子 癸亥 壬寅 甲辰", false);
    woman.Gods(kGroupYin, kGroupGuanSha, kGroupBiJie, kGroupShiShang);
    EXPECT_EQ(Times(Fired(woman), 121), 2);
    ChartFixture man("壬子 癸亥 壬寅 甲辰", true);
    man.Gods(kGroupYin, kGroupGuanSha, kGroupBiJie, kGroupShiShang);
    EXPECT_EQ(Times(Fired(man), 121), 0);
    ChartFixture favoured("壬子 癸亥 壬寅 甲辰", false);
    favoured.Gods(kGroupBiJie, kGroupYin, kGroupGuanSha, kGroupCai);
    EXPECT_EQ(Times(Fired(favoured), 121), 0);
}

// Sayings of one pass come out in the order the pillars set them off: the
// year's 偏财 stem (saying 75) before the month's 伤官 stem (saying 74).
TEST(PersonalitySayings, PassLinesFollowThePillars) {
    ChartFixture f("戊辰 丁卯 甲午 丙寅", true);
    f.Gods(kGroupShiShang, kGroupCai, kGroupYin, kGroupBiJie);
    std::vector<int> fired = Fired(f);
    auto at = [&](int rule) { return std::find(fired.begin(), fired.end(), rule) - fired.begin(); };
    ASSERT_EQ(Times(fired, 75), 1);
    ASSERT_EQ(Times(fired, 74), 1);
    EXPECT_LT(at(75), at(74));
    EXPECT_EQ(Times(fired, 73), 0);  // two 财 are visible
    std::string text = PersonalitySayings(ChartTerms(f.Context()));
    EXPECT_LT(text.find("  ★偏财透天干"), text.find("  ◆命局有伤官无印星"));
}

// 偏印 on the year and hour stems around a 食神 month stem: both stem pairs
// meet saying 142, which is written once.
TEST(PersonalitySayings, StemPairSayingIsWrittenOnce) {
    ChartFixture f("壬申 丙寅 甲子 壬申", true);
    EXPECT_EQ(Times(Fired(f), 142), 1);
    ChartFixture none("庚午 丙寅 甲子 辛未", true);
    EXPECT_EQ(Times(Fired(none), 142), 0);
}

// 乙 day: 庚 is its 正官 and combines with it (乙庚).
TEST(PersonalitySayings, OfficerCombiningTheDayMasterNeedsNoShangGuanStem) {
    ChartFixture clean("庚辰 戊子 乙卯 庚辰", true);
    clean.Combination(kYear, 2).Combination(kDay, 2).Combination(kHour, 2);
    EXPECT_EQ(Times(Fired(clean), 57), 1);
    EXPECT_EQ(Times(Fired(clean), 39), 1);
    ChartFixture spoilt("庚辰 丙子 乙卯 庚辰", true);  // 丙 is the 伤官 of 乙
    spoilt.Combination(kYear, 2).Combination(kDay, 2).Combination(kHour, 2);
    EXPECT_EQ(Times(Fired(spoilt), 57), 0);
    ChartFixture apart("庚辰 戊子 乙卯 庚辰", true);  // no combination recorded
    EXPECT_EQ(Times(Fired(apart), 57), 0);
}

TEST(PersonalitySayings, ExactCountsOfStems) {
    struct Case {
        const char* pillars;
        int rule;
        bool fires;
    } cases[] = {
        {"戊辰 庚午 甲子 壬申", 13, true},   // 偏财 七杀 偏印
        {"戊辰 庚午 甲子 己巳", 13, false},  // 偏财 七杀 正财
        {"戊辰 辛未 甲子 癸酉", 50, true},   // 财 正官 正印
        {"戊辰 辛未 甲子 甲子", 50, false},  // 财 正官 比肩
    };
    for (const Case& c : cases)
        EXPECT_EQ(Times(Fired(ChartFixture(c.pillars, true)), c.rule), c.fires ? 1 : 0) << c.pillars;
}

TEST(PersonalitySayings, PowerBoundaries) {
    struct Case {
        GodOrGroup power;
        int value;
        int rule;
        bool fires;
    } cases[] = {
        {kGroupBiJie, 90, 27, true},                                // the 用 group is 比劫
        {kGroupBiJie, 89, 27, false}, {kShangGuan, 101, 32, true},  // 财 and 印 powers are 0
        {kShangGuan, 100, 32, false}, {kShangGuan, 101, 33, true},
        {kGroupCai, 150, 100, true},  {kGroupCai, 149, 100, false},
    };
    for (const Case& c : cases) {
        ChartFixture f("庚午 丙寅 甲子 辛未", true);
        f.Power(c.power, c.value);
        EXPECT_EQ(Times(Fired(f), c.rule), c.fires ? 1 : 0) << c.rule << " at " << c.value;
    }
    ChartFixture f("庚午 丙寅 甲子 辛未", true);
    f.Power(kShangGuan, 101).Power(kGroupCai, 10);
    EXPECT_EQ(Times(Fired(f), 32), 0);
}

TEST(PersonalitySayings, AllFourPillarsInOneDecade) {
    struct Case {
        const char* pillars;
        bool fires;
    } cases[] = {
        {"甲子 乙丑 丙寅 丁卯", true},   // 甲子 decade
        {"甲子 乙丑 丙寅 甲戌", false},  // 甲戌 starts the next
        {"甲寅 乙卯 丙辰 癸亥", true},   // 癸亥 (number 0) closes the 甲寅 decade
    };
    for (const Case& c : cases)
        EXPECT_EQ(Times(Fired(ChartFixture(c.pillars, true)), 53), c.fires ? 1 : 0) << c.pillars;
}

// Saying 89 counts 三会 among the combinations, saying 115 does not.
TEST(PersonalitySayings, ManyCombinations) {
    ChartFixture f("庚午 丙寅 甲子 辛未", true);
    f.Combination(kYear, 3).Combination(kHour, 3);
    for (int p : {kYear, kMonth, kDay}) f.Relation(p, kRelDirectional, 0);
    EXPECT_EQ(Times(Fired(f), 89), 1);
    EXPECT_EQ(Times(Fired(f), 115), 0);
    f.Relation(kHour, kRelCombine, 7);
    f.Relation(kDay, kRelDirectional, -1).Relation(kDay, kRelHalfTriple, 15);
    f.Relation(kYear, kRelDirectional, -1).Relation(kYear, kRelTriple, 2);
    EXPECT_EQ(Times(Fired(f), 115), 1);
}

// 甲 dies at 午 and is cut off at 申 (申 is 七杀, of the 忌 group).
TEST(PersonalitySayings, DayStemOnDeathOrCutOffGround) {
    struct Case {
        const char* pillars;
        int grade;
        bool fires;
    } cases[] = {{"庚午 丙寅 甲午 辛未", 3, true}, {"庚午 丙寅 甲申 辛未", 1, true}, {"庚午 丙寅 甲申 辛未", 2, false}};
    for (const Case& c : cases) {
        ChartFixture f(c.pillars, true);
        f.Grade(c.grade);
        EXPECT_EQ(Times(Fired(f), 151), c.fires ? 1 : 0) << c.pillars << " grade " << c.grade;
    }
}

TEST(PersonalitySayings, WeakDayWithWaterAndFireStrongest) {
    for (int grade : {2, 3}) {
        ChartFixture f("庚午 丙寅 甲子 辛未", true);
        f.Grade(grade);
        uint8_t order[5] = {1, 3, 4, 2, 0};  // ascending: 火 and 水 strongest
        std::copy(order, order + 5, f.chart.elementOrder);
        EXPECT_EQ(Times(Fired(f), 104), grade <= 2 ? 1 : 0);
    }
}

// 甲 stands in 帝旺 on a 卯 month.
TEST(PersonalitySayings, YangRenMonthWithStrongSealAndStrongDay) {
    ChartFixture f("庚午 丁卯 甲子 辛未", true);
    f.Power(kGroupYin, 90).Grade(4);
    EXPECT_EQ(Times(Fired(f), 122), 1);
    f.Grade(3);
    EXPECT_EQ(Times(Fired(f), 122), 0);
}

TEST(PersonalitySayings, ZiMaoPunishmentIsNotASelfPunishment) {
    ChartFixture f("庚午 丙寅 甲子 辛未", true);
    f.Relation(kDay, kRelPunish2, 1);
    EXPECT_EQ(Times(Fired(f), 116), 1);
    ChartFixture self("庚午 丙寅 甲午 庚午", true);
    self.Relation(kDay, kRelPunish2, 7);  // 午午 自刑
    EXPECT_EQ(Times(Fired(self), 116), 0);
}

// A 食神 stem on 空亡 is released by a 六合 but not by a full 三合 (saying
// 67); 华盖 on 空亡 is released by either (saying 126).
TEST(PersonalitySayings, EmptinessReleasedOnlyByTheNamedRelations) {
    ChartFixture f("丙寅 丙寅 甲子 辛未", true);
    f.Star(kYear, kStarKongWang).Star(kYear, kStarHuaGai).Relation(kYear, kRelTriple, 2);
    EXPECT_EQ(Times(Fired(f), 67), 1);
    EXPECT_EQ(Times(Fired(f), 126), 0);
    f.Relation(kYear, kRelTriple, -1).Relation(kYear, kRelCombine, 0);
    EXPECT_EQ(Times(Fired(f), 67), 0);
}

TEST(PersonalityChapter, EndsWithABlankLine) {
    ChartFixture f("庚午 丙寅 甲子 辛未", true);
    std::string text = PersonalityChapter(f.Context());
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
    EXPECT_TRUE(Contains(text, "  ★甲乙日生者，印堂宽，目藏神，人中长，眉疏秀。\r\n"));
}

}  // namespace
