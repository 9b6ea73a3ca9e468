// The husband-star sayings of a woman: counts of pillars with noble stars,
// the mixed-officer pair that decides a later rule, punishments shared by
// neighbour branches, the combining-branch twin of the man's list.
#include <gtest/gtest.h>

#include <algorithm>

#include "reading/marriage_chapter.h"
#include "tests/reading/chart_fixture.h"

namespace {

std::vector<int> Fired(const ChartFixture& f) {
    std::vector<int> fired;
    HusbandStarRules(f.Context(), &fired);
    return fired;
}

bool Has(const std::vector<int>& fired, int rule) { return std::count(fired.begin(), fired.end(), rule) == 1; }

TEST(HusbandStar, NumberOfPillarsWithTianYi) {
    for (int pillars = 1; pillars <= 4; ++pillars) {
        ChartFixture f("甲子 丙寅 戊辰 庚申", false);
        for (int p = 0; p < pillars; ++p) f.Star(p, kStarTianYi);
        const std::vector<int> fired = Fired(f);
        for (int rule : {13, 14, 15}) EXPECT_EQ(Has(fired, rule), rule == 12 + pillars) << pillars << " " << rule;
    }
}

TEST(HusbandStar, OneNobleStarCountsPillarsNotStars) {
    // 戊 day master; the first two charts show no 七杀 (甲 stem or 寅 branch).
    ChartFixture one("丙子 丙午 戊辰 庚申", false);
    one.Star(kMonth, kStarTianYi).Star(kMonth, kStarTianDe);
    EXPECT_TRUE(Has(Fired(one), 9));
    ChartFixture two("丙子 丙午 戊辰 庚申", false);
    two.Star(kMonth, kStarTianYi).Star(kHour, kStarYueDe);
    EXPECT_FALSE(Has(Fired(two), 9));
    ChartFixture withSha("甲子 丙寅 戊辰 庚申", false);  // 甲 and 寅 are 七杀
    withSha.Star(kMonth, kStarTianYi);
    EXPECT_FALSE(Has(Fired(withSha), 9));
}

// 甲 day master: 庚 is 七杀, 辛 正官. 庚子 stands in 死.
TEST(HusbandStar, MixedOfficersWithoutRootFollowsTheDecidingPair) {
    struct Case {
        const char* pillars;
        bool rule116, rule117;
    } cases[] = {
        {"庚子 辛卯 甲午 丙寅", true, true},
        {"庚子 辛卯 甲午 丙申", true, false},  // the 申 branch is 七杀: the officer has a root
        {"庚辰 辛丑 甲午 丙寅", true, false},  // both stand in 养
        {"庚子 丙寅 甲午 丙寅", false, false},
    };
    for (const Case& c : cases) {
        ChartFixture f(c.pillars, false);
        const std::vector<int> fired = Fired(f);
        EXPECT_EQ(Has(fired, 116), c.rule116) << c.pillars;
        EXPECT_EQ(Has(fired, 117), c.rule117) << c.pillars;
    }
}

// 己 day master: 寅 (甲) is 正官; 寅 and 巳 of the day branch in the 寅巳申 punishment.
TEST(HusbandStar, OfficerMonthPunishedByANeighbour) {
    ChartFixture month("甲子 丙寅 己巳 庚午", false);
    month.Relation(kMonth, kRelPunish3, 3).Relation(kDay, kRelPunish3, 3);
    EXPECT_TRUE(Has(Fired(month), 22));
    ChartFixture yearAndDay("甲申 丙寅 己巳 庚午", false);
    yearAndDay.Relation(kYear, kRelPunish3, 3).Relation(kDay, kRelPunish3, 3);
    EXPECT_TRUE(Has(Fired(yearAndDay), 22));
    ChartFixture alone("甲子 丙寅 己巳 庚午", false);
    alone.Relation(kMonth, kRelPunish3, 3);
    EXPECT_FALSE(Has(Fired(alone), 22));
}

TEST(HusbandStar, HurtingOfficerCombinedBranchNeedsAtLeastOne) {
    // 甲 day master: 丁 is 伤官; no officer power. Unlike a man's chart, two combining branches count.
    for (int combining : {0, 1, 2}) {
        ChartFixture f("甲子 丁卯 甲寅 丙寅", false);
        for (int p = 0; p < combining; ++p) f.Relation(p, kRelCombine, 4);
        EXPECT_EQ(Has(Fired(f), 66), combining >= 1) << combining;
    }
}

TEST(HusbandStar, FourCardinalBranchesGiveTwoSayings) {
    ChartFixture f("甲子 庚午 丁卯 己酉", false);
    const std::vector<int> fired = Fired(f);
    EXPECT_TRUE(Has(fired, 63));
    EXPECT_TRUE(Has(fired, 122));
    EXPECT_FALSE(Has(fired, 123));
}

TEST(HusbandStar, HusbandPalaceClashed) {
    ChartFixture clashed("甲子 丙寅 戊辰 庚申", false);
    clashed.Relation(kDay, kRelClash, 5);
    EXPECT_TRUE(Has(Fired(clashed), 130));
    ChartFixture calm("甲子 丙寅 戊辰 庚申", false);
    EXPECT_FALSE(Has(Fired(calm), 130));
}

TEST(HusbandStar, RabbitAndRoosterBranches) {
    struct Case {
        const char* pillars;
        bool rule113;
    } cases[] = {{"丁卯 丁卯 丁酉 甲子", true}, {"丁卯 丁卯 乙卯 甲子", false}, {"丁卯 丁酉 丙子 甲子", false}};
    for (const Case& c : cases) EXPECT_EQ(Has(Fired(ChartFixture(c.pillars, false)), 113), c.rule113) << c.pillars;
}

TEST(HusbandStar, FollowingPatternWithOfficerAsUsefulGod) {
    for (int strengthClass : {kClassCongWang, kClassTaiWang, kClassCongRuo}) {
        ChartFixture f("甲子 丙寅 戊辰 庚申", false);
        f.Gods(kGroupGuanSha, kGroupCai, kGroupBiJie, kGroupYin);
        f.chart.strengthClass = static_cast<uint8_t>(strengthClass);
        EXPECT_EQ(Has(Fired(f), 74), strengthClass != kClassTaiWang) << strengthClass;
    }
}

// 申子辰 on the year, month and day branches; the stems 壬 and 癸 count
// wherever they stand, the day stem too. Two branches of the triad (a half
// 三合 of water) are not the 申子辰 of the saying.
TEST(HusbandStar, WaterTripleWithWaterStems) {
    struct Case {
        const char* pillars;
        bool fullTriple;
        bool rule132;
    } cases[] = {
        {"甲申 丙子 壬辰 庚午", true, true},    // the day stem is 壬
        {"甲申 丙子 戊辰 癸亥", true, true},    // the hour stem is 癸
        {"甲申 丙子 戊辰 庚午", true, false},   // no 壬 or 癸
        {"甲申 丙子 壬午 庚午", false, false},  // 申子 only
    };
    for (const Case& c : cases) {
        ChartFixture f(c.pillars, false);
        f.Relation(kYear, kRelHalfTriple, 0).Relation(kMonth, kRelHalfTriple, 0);
        if (c.fullTriple)
            f.Relation(kDay, kRelHalfTriple, 5)
                .Relation(kYear, kRelTriple, kWater)
                .Relation(kMonth, kRelTriple, kWater)
                .Relation(kDay, kRelTriple, kWater);
        EXPECT_EQ(Has(Fired(f), 132), c.rule132) << c.pillars;
    }
}

}  // namespace
