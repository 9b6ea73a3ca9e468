// The wife-star sayings of a man: the rules whose conditions are intricate
// (passes, once, boundaries of powers, exclusive rules, combinations), each
// shown firing and not firing on a hand-built chart.
#include <gtest/gtest.h>

#include <algorithm>

#include "reading/marriage_chapter.h"
#include "tests/reading/chart_fixture.h"

namespace {

std::vector<int> Fired(const ChartFixture& f) {
    std::vector<int> fired;
    WifeStarRules(f.Context(), &fired);
    return fired;
}

int Times(const std::vector<int>& fired, int rule) { return static_cast<int>(std::count(fired.begin(), fired.end(), rule)); }

size_t Position(const std::vector<int>& fired, int rule) {
    return static_cast<size_t>(std::find(fired.begin(), fired.end(), rule) - fired.begin());
}

TEST(WifeStar, TextIsTheLinesOfTheFiredRulesInOrder) {
    ChartFixture f("乙巳 乙酉 庚午 辛巳", true);
    std::vector<int> fired;
    const std::string text = WifeStarRules(f.Context(), &fired);
    ASSERT_FALSE(fired.empty());
    EXPECT_EQ(text.rfind("  ", 0), 0u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(static_cast<int>(std::count(text.begin(), text.end(), '\n')), static_cast<int>(fired.size()));
}

// 偏财 above 60 and above 正财 outshines the wife; 正财 counts only when rule 1 did not apply.
TEST(WifeStar, ConcubineOrWifeStarNeverBoth) {
    struct Case {
        int pianCai, zhengCai;
        bool rule1, rule2;
    } cases[] = {{61, 60, true, false}, {60, 59, false, false}, {59, 61, false, true}, {70, 70, false, false}};
    for (const Case& c : cases) {
        ChartFixture f("乙巳 乙酉 庚午 辛巳", true);
        f.Power(kPianCai, c.pianCai).Power(kZhengCai, c.zhengCai);
        const std::vector<int> fired = Fired(f);
        EXPECT_EQ(Times(fired, 1), c.rule1 ? 1 : 0) << c.pianCai << "/" << c.zhengCai;
        EXPECT_EQ(Times(fired, 2), c.rule2 ? 1 : 0) << c.pianCai << "/" << c.zhengCai;
    }
}

// Day master 庚: 乙 is 正财, 辛 劫财. 乙巳 stands in 沐浴, 乙酉 in 绝.
TEST(WifeStar, WifeStarInBathOrPeachBlossomOnceWithRivalStem) {
    ChartFixture both("乙巳 乙酉 庚午 辛巳", true);
    both.Star(kMonth, kStarTaoHua);
    EXPECT_EQ(Times(Fired(both), 30), 1);

    // The only 正财 stem is in the month (in 绝), the 桃花 on the year pillar.
    ChartFixture apart("甲子 乙酉 庚午 辛巳", true);
    apart.Star(kYear, kStarTaoHua);
    EXPECT_EQ(Times(Fired(apart), 30), 0);

    // No stem in the group 比劫 (the hour stem 丙 is 七杀).
    ChartFixture alone("乙巳 乙酉 庚午 丙戌", true);
    EXPECT_EQ(Times(Fired(alone), 30), 0);
}

TEST(WifeStar, PassLinesFollowThePillarsThatSetThemOff) {
    // The year 正财 stands in 绝 (rule 32), the month 正财 in 沐浴 (rule 30).
    ChartFixture f("乙酉 乙巳 庚午 辛巳", true);
    const std::vector<int> fired = Fired(f);
    ASSERT_EQ(Times(fired, 30), 1);
    ASSERT_EQ(Times(fired, 32), 1);
    EXPECT_LT(Position(fired, 32), Position(fired, 30));
}

TEST(WifeStar, RobberOnBladeWrittenOnceForTwoPillars) {
    // Both 劫财 stems carry 羊刃 on a 卯 branch (正财, the 仇 group).
    ChartFixture f("辛卯 辛卯 庚午 壬午", true);
    f.Star(kYear, kStarYangRen).Star(kMonth, kStarYangRen);
    EXPECT_EQ(Times(Fired(f), 39), 1);
    ChartFixture favoured("辛卯 辛卯 庚午 壬午", true);
    favoured.Gods(kGroupCai, kGroupShiShang, kGroupBiJie, kGroupYin).Star(kYear, kStarYangRen);
    EXPECT_EQ(Times(Fired(favoured), 39), 0);
}

// Day master 丁: the day branch 酉 is 偏财; the month branch 丑 is a store
// branch hiding 辛 (偏财) and forms the half 三合 of metal with 酉.
TEST(WifeStar, WealthPalaceCombinedWithStoreOfWealth) {
    ChartFixture store("甲子 辛丑 丁酉 庚子", true);
    store.Relation(kMonth, kRelHalfTriple, 45).Relation(kDay, kRelHalfTriple, 45);
    EXPECT_EQ(Times(Fired(store), 16), 1);

    ChartFixture unbound("甲子 辛丑 丁酉 庚子", true);
    EXPECT_EQ(Times(Fired(unbound), 16), 0);

    // 巳 also forms a half 三合 of metal with 酉 and hides wealth, but is no store branch.
    ChartFixture noStore("甲子 辛巳 丁酉 庚子", true);
    noStore.Relation(kMonth, kRelHalfTriple, 40).Relation(kDay, kRelHalfTriple, 40);
    EXPECT_EQ(Times(Fired(noStore), 16), 0);
}

// 甲 day master (木): its day branch in a 木 三会, full 三合 or half 三合, or in a 火 one.
TEST(WifeStar, OwnElementFrameOfThePalaceWrittenOnce) {
    struct Case {
        int directional, triple, half;
        int rule;
    } cases[] = {{1, 1, 10, 105}, {-1, 1, 10, 106}, {-1, -1, 15, 107}, {2, 2, 25, 0}};
    for (const Case& c : cases) {
        ChartFixture f("甲子 丁卯 甲寅 丙寅", true);
        f.Relation(kDay, kRelDirectional, c.directional).Relation(kDay, kRelTriple, c.triple);
        f.Relation(kDay, kRelHalfTriple, c.half);
        const std::vector<int> fired = Fired(f);
        for (int rule : {105, 106, 107}) EXPECT_EQ(Times(fired, rule), rule == c.rule ? 1 : 0) << c.rule;
        const std::string text = WifeStarRules(f.Context());
        const std::string line = "  ◆身坐比肩成局，几度新郎。\r\n";
        EXPECT_EQ(text.find(line) != std::string::npos, c.rule != 0);
    }
}

TEST(WifeStar, TwoWifeStarsCombiningTheDayMaster) {
    // 甲 combines with 己 (its 正财); both 己 stems and the day stem carry 甲己.
    ChartFixture two("己巳 己巳 甲寅 丙寅", true);
    two.Combination(kYear, 1).Combination(kMonth, 1).Combination(kDay, 1);
    EXPECT_EQ(Times(Fired(two), 43), 1);
    ChartFixture one("己巳 丁卯 甲寅 丙寅", true);
    one.Combination(kYear, 1).Combination(kDay, 1);
    EXPECT_EQ(Times(Fired(one), 43), 0);
}

TEST(WifeStar, HurtingOfficerCombinedBranchNeedsExactlyOne) {
    // 甲 day master: 丁 is 伤官; no officer power.
    for (int combining : {1, 2}) {
        ChartFixture f("甲子 丁卯 甲寅 丙寅", true);
        for (int p = 0; p < combining; ++p) f.Relation(p, kRelCombine, 4);
        EXPECT_EQ(Times(Fired(f), 63), combining == 1 ? 1 : 0) << combining;
    }
}

TEST(WifeStar, CanopyOnTheDayPillarGivesTwoSayings) {
    ChartFixture f("甲子 丁卯 甲寅 丙寅", true);
    f.Star(kDay, kStarHuaGai);
    const std::vector<int> fired = Fired(f);
    EXPECT_EQ(Times(fired, 78), 1);
    EXPECT_EQ(Times(fired, 109), 1);
}

TEST(WifeStar, StrengthAndWealthPowerBoundaries) {
    struct Case {
        int grade, wealth;
        std::vector<int> expected;  // among rules 52, 64, 65, 113
    } cases[] = {
        {4, 90, {52}}, {4, 89, {}}, {1, 150, {64, 113}}, {2, 150, {}}, {5, 0, {65}}, {4, 0, {}},
    };
    for (const Case& c : cases) {
        ChartFixture f("甲子 丁卯 甲寅 丙寅", true);
        f.Grade(c.grade).Power(kGroupCai, c.wealth);
        std::vector<int> got;
        for (int rule : Fired(f))
            if (rule == 52 || rule == 64 || rule == 65 || rule == 113) got.push_back(rule);
        EXPECT_EQ(got, c.expected) << c.grade << "/" << c.wealth;
    }
}

TEST(WifeStar, NoWealthOrOfficerAmongTheStems) {
    // 甲 day master: 甲 比肩, 丁 伤官, 丙 食神; the wealth hidden in 寅 and 卯 does not count.
    ChartFixture f("甲子 丁卯 甲寅 丙寅", true);
    EXPECT_EQ(Times(Fired(f), 95), 1);
    ChartFixture officer("辛酉 丁卯 甲寅 丙寅", true);
    EXPECT_EQ(Times(Fired(officer), 95), 0);
}

}  // namespace
