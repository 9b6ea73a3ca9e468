#include "engine/symbols/symbols.h"

#include <gtest/gtest.h>

using namespace sym;

TEST(Symbols, PillarNamesWrapAroundTheCycle) {
    EXPECT_EQ(PillarName(0), "癸亥");
    EXPECT_EQ(PillarName(1), "甲子");
    EXPECT_EQ(PillarName(59), "壬戌");
    EXPECT_EQ(PillarName(55), "戊午");
}

TEST(Symbols, TenGodAndItsInverse) {
    // 甲=1 乙=2 丙=3 壬=9 癸=0
    struct Case { int day, other, god; };
    const Case cases[] = {{1, 2, 1}, {2, 1, 1}, {2, 3, 3}, {0, 9, 1}, {0, 1, 3},
                          {1, 1, 0}, {1, 8, 7}, {2, 7, 7}, {0, 5, 7}};
    for (const Case& c : cases) {
        EXPECT_EQ(TenGod(c.day, c.other), c.god) << c.day << "→" << c.other;
        EXPECT_EQ(StemOfTenGod(c.day, c.god), c.other) << c.day << " god " << c.god;
    }
    for (int day = 0; day < 10; ++day)
        for (int t = 0; t < 10; ++t) EXPECT_EQ(TenGod(day, StemOfTenGod(day, t)), t);
}

TEST(Symbols, CycleIndexAndGrowthStage) {
    EXPECT_EQ(CycleIndex(0, 10), 10);  // 癸酉
    EXPECT_EQ(CycleIndex(0, 2), 50);   // 癸丑
    EXPECT_EQ(CycleIndex(0, 0), 0);    // 癸亥
    EXPECT_EQ(CycleIndex(1, 1), 1);    // 甲子
    for (int n = 0; n < 60; ++n) EXPECT_EQ(CycleIndex(StemOf(n), BranchOf(n)), n);
    // 戊 shares its 长生 with 丙, 己 with 丁.
    for (int b = 0; b < 12; ++b) {
        EXPECT_EQ(GrowthStage(5, b), GrowthStage(3, b));
        EXPECT_EQ(GrowthStage(6, b), GrowthStage(4, b));
    }
    EXPECT_EQ(GrowthStage(1, 0), 0);  // 甲 at 亥: 长生
    EXPECT_EQ(GrowthStage(1, 4), 4);  // 甲 at 卯: 帝旺
    EXPECT_EQ(GrowthStage(2, 6), 1);  // 乙 at 巳: 沐浴 (yin counts backward)
}

TEST(Symbols, NayinPairsAndHiddenStems) {
    EXPECT_EQ(NayinPair(1), 1);
    EXPECT_EQ(NayinPair(2), 1);
    EXPECT_EQ(NayinPair(59), 0);
    EXPECT_EQ(NayinPair(0), 0);
    EXPECT_STREQ(kNayinNames[NayinPair(1)], "海中金");
    EXPECT_EQ(HiddenStemCount(2), 3);  // 丑: 癸 9, 辛 3, 己 18
    EXPECT_EQ(HiddenStem(2, 0), 0);
    EXPECT_EQ(HiddenWeight(2, 2), 18);
    EXPECT_EQ(HiddenStem(0, 0), 1);    // 亥: 甲 12, 壬 30
    EXPECT_EQ(HiddenWeight(0, 1), 30);
    EXPECT_EQ(SeasonalState(2, 1), 1); // fire in a wood month: 相
    EXPECT_EQ(SeasonalState(0, 1), 2); // water in a wood month: 休
}
