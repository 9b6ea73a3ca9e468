#include <gtest/gtest.h>

#include <vector>

#include "engine/analysis/chart_analysis.h"
#include "engine/symbols/symbols.h"
#include "tests/reading/chart_fixture.h"

namespace {

ChartData Scored(const char* pillars) {
    ChartFixture f(pillars, true);
    analysis::ScoreChart(f.chart);
    return f.chart;
}

// What the stems and hidden stems alone give each code: 36, or the hidden
// stem's weight, times the seasonal factor, in single precision, truncated.
std::vector<int> StemScores(const ChartData& c) {
    int ruling = sym::kBranchMainStem[sym::BranchOf(c.monthPillar)];
    auto factor = [&](int stem) { return sym::kSeasonalFactor[sym::TenGod(stem, ruling)]; };
    std::vector<int> s(10, 0);
    for (int p : {c.yearPillar, c.monthPillar, c.dayPillar, c.hourPillar}) {
        int stem = sym::StemOf(p), b = sym::BranchOf(p);
        s[sym::kStemCode[stem]] += static_cast<int>(36 * factor(stem));
        for (int h = 0; h < sym::HiddenStemCount(b); ++h)
            s[sym::kStemCode[sym::HiddenStem(b, h)]] +=
                static_cast<int>(sym::HiddenWeight(b, h) * factor(sym::HiddenStem(b, h)));
    }
    return s;
}

// The bonus of combinations, per code.
std::vector<int> Bonus(const char* pillars) {
    ChartData c = Scored(pillars);
    std::vector<int> plain = StemScores(c), bonus(10);
    for (int code = 0; code < 10; ++code) bonus[code] = c.codeScore[code] - plain[code];
    return bonus;
}

std::vector<int> OnElement(int element, int bonus) {
    std::vector<int> v(10, 0);
    v[2 * element] = v[2 * element + 1] = bonus;
    return v;
}

}  // namespace

// 丙 day in a 未 month (ruling stem 己), counted by hand: 乙 year stem
// 36 × 0.7 = 25.2 → 25, 巳's 庚 9 × 1.25 = 11.25 → 11, 辰's 戊 18 × 1.75 =
// 31.5 → 31; the day master 36 × 1.0 with 冠带 on 辰 and 临官 on 巳 (+36)
// and 衰 on 未 (−18).
TEST(ScoreChart, ScoresEveryCodeFromStemsAndHiddenStems) {
    ChartData c = Scored("乙丑 癸未 丙辰 癸巳");
    const int expected[10] = {41, 0, 33, 0, 8, 66, 72, 39, 4, 11};
    for (int code = 0; code < 10; ++code) EXPECT_EQ(c.codeScore[code], expected[code]) << "code " << code;
    EXPECT_EQ(c.seasonScore, 54);
    // The 4 stems and 4 branches; the 4 stems and 12 hidden stems.
    const int elements[5] = {2, 1, 2, 3, 0}, hidden[5] = {4, 3, 3, 4, 2};
    for (int e = 0; e < 5; ++e) {
        EXPECT_EQ(c.elementCount[e], elements[e]) << e;
        EXPECT_EQ(c.elementCountHidden[e], hidden[e]) << e;
    }
    // 丙 sees 印 (乙), 官 (癸 ×2) on the stems and 伤伤食比 as main hidden stems.
    const int visible[5] = {1, 3, 0, 2, 1};
    for (int g = 0; g < 5; ++g) EXPECT_EQ(c.groupCountVisible[g], visible[g]) << g;
}

TEST(ScoreChart, ProductsAreSinglePrecisionBeforeTruncation) {
    // 0.7 and 0.9 are stored a little low (0.699999988, 0.899999976); the
    // single-precision product of a whole weight rounds back to a whole
    // number, where the exact product would truncate one lower.
    struct Case {
        const char* pillars;
        int code, score;
        const char* why;
    } cases[] = {
        // 午 rules with 丁, to which 癸 is 偏财 (0.7): 30 × 0.7 = 21 on each 子.
        {"甲子 庚午 丙子 戊子", 0, 63, "癸 in three 子"},
        // 申 rules with 庚, to which 戊 is 食神 (0.9): 10 × 0.9 = 9 on each
        // 申, and 18 × 0.9 = 16.2 → 16 on 戌.
        {"甲申 壬申 庚申 丙戌", 7, 43, "戊 in three 申 and a 戌"},
    };
    for (const Case& c : cases) EXPECT_EQ(Scored(c.pillars).codeScore[c.code], c.score) << c.pillars << ": " << c.why;
}

TEST(ScoreChart, SeasonScoreTruncatesTowardZero) {
    // 丙 day in a 子 month (ruling 癸: 正官, 0.6): 36 × 0.6 = 21.6, then
    // 病 on 申 twice, 胎 on 子, 死 on 酉: 21.6 − 54 = −32.4.
    EXPECT_EQ(Scored("庚申 丙子 丙申 丁酉").seasonScore, -32);
}

TEST(ScoreChart, CombinationBonuses) {
    struct Case {
        const char* pillars;
        std::vector<int> bonus;
        const char* why;
    } cases[] = {
        // 辰戌丑未: 四库 土, factor of 戊 against the ruling 戊 is 2.0, capped at 1.
        {"丙辰 戊戌 己丑 辛未", OnElement(3, 75), "150 × 1 / 2"},
        // 寅午戌 火 in a 戌 month: 丙 against 戊 is 食神 0.9, 81 × 0.9 = 72.9.
        {"丙寅 戊戌 甲午 丁卯", OnElement(2, 36), "72 / 2"},
        // 亥子丑 水 in a 亥 month: 壬 against 壬, capped: 120 / 2.
        {"丁丑 辛亥 壬子 庚戌", OnElement(0, 60), "三会"},
        // The triad is found among year, day and hour as well.
        // (壬 against the ruling 甲 is 食神 0.9: 72.9 → 72, / 2).
        {"甲申 丙寅 壬子 甲辰", OnElement(0, 36), "申 子 辰 without the month"},
        // Half triads: 子辰 水 (壬 against 丁 is 正财 0.8: 36 / 2), 午戌 火
        // (丙 against 丁, capped: 45 / 2).
        {"甲子 庚午 戊戌 壬辰", [] {
             std::vector<int> v = OnElement(0, 18);
             v[4] = v[5] = 22;
             return v;
         }(), "two elements"},
        // 子辰 and again 辰子 of the same element count once.
        {"甲子 庚辰 丙午 戊子", OnElement(0, 11), "45 × 0.5 = 22.5 → 22, / 2"},
        // 申辰 lack the middle 子: no half triad; 丑戌未 is no combination.
        {"甲申 丙辰 己丑 辛未", std::vector<int>(10, 0), "申辰 none"},
        {"甲戌 丙寅 己丑 辛未", std::vector<int>(10, 0), "丑戌未 is a punishment"},
    };
    for (const Case& c : cases) EXPECT_EQ(Bonus(c.pillars), c.bonus) << c.pillars << ": " << c.why;
}

TEST(JudgeStrength, StrengthThresholds) {
    struct Case {
        int total, season, grade, strengthClass;
    } cases[] = {
        {-236, 2, 0, 6}, {-236, 1, 0, 1}, {-235, 4, 1, 1}, {-73, 0, 1, 1}, {-72, 0, 2, 2}, {-1, 0, 2, 2},
        {0, 0, 3, 3},    {71, 0, 3, 3},   {72, 0, 4, 4},   {143, 0, 4, 4}, {144, 0, 5, 5}, {305, 0, 5, 5},
        {306, 1, 6, 0},  {306, 2, 6, 5},
    };
    for (const Case& c : cases) {
        analysis::Strength s = analysis::StrengthOf(c.total, c.season);
        EXPECT_EQ(s.grade, c.grade) << c.total << " season " << c.season;
        EXPECT_EQ(s.strengthClass, c.strengthClass) << c.total << " season " << c.season;
    }
}

TEST(JudgeStrength, UsefulGodByClass) {
    // Day master 木 (1): 从旺 水, 太弱 木 (比劫), 偏弱 水, 平和 水, 偏旺 土, 太旺 金, 从弱 土.
    const int expected[7] = {0, 1, 0, 0, 3, 4, 3};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(analysis::UsefulGodElement(k, 1), expected[k]) << k;
    // A very weak day master that the month supports stays 太弱 and is helped by 比劫.
    EXPECT_EQ(analysis::UsefulGodElement(analysis::StrengthOf(-300, 1).strengthClass, 4), 4);
}

TEST(JudgeStrength, FavourGodsFollowTheUsefulGodOrTheRulingGroup) {
    struct Case {
        int strengthClass, useful;
        int groupScore[5];
        int groups[5];
    } cases[] = {
        {2, 4, {0, 0, 0, 0, 0}, {4, 0, 2, 1, 3}},
        {5, 3, {0, 0, 0, 0, 0}, {3, 2, 0, 4, 1}},
        {4, 2, {0, 0, 0, 0, 0}, {2, 1, 0, 4, 3}},
        {1, 0, {0, 0, 0, 0, 0}, {0, 4, 3, 2, 1}},
        {0, 4, {90, 0, 0, 0, 80}, {0, 4, 3, 2, 1}},   // 比劫 above 印枭
        {0, 4, {80, 0, 0, 0, 80}, {4, 0, 2, 3, 1}},   // a tie goes to 印枭
        {6, 2, {0, 50, 40, 30, 0}, {1, 0, 4, 3, 2}},  // 食伤 rules
        {6, 2, {0, 40, 50, 30, 0}, {2, 1, 0, 4, 3}},  // 财星 above 食伤
        {6, 2, {0, 40, 50, 60, 0}, {3, 2, 0, 4, 1}},  // 官杀 above 财星
    };
    for (const Case& c : cases) {
        ChartFixture f("甲子 丙寅 庚午 戊寅", true);  // day master 金 (4)
        f.chart.strengthClass = static_cast<uint8_t>(c.strengthClass);
        f.chart.godGroups[0] = static_cast<uint8_t>(c.useful);
        for (int g = 0; g < 5; ++g) f.chart.groupScore[g] = static_cast<int16_t>(c.groupScore[g]);
        analysis::AssignFavourGods(f.chart);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(f.chart.godGroups[i], c.groups[i]) << "class " << c.strengthClass << " god " << i;
            EXPECT_EQ(f.chart.gods[i], (4 + c.groups[i]) % 5) << "class " << c.strengthClass << " god " << i;
        }
    }
}

TEST(JudgeStrength, OrdinaryPatterns) {
    struct Case {
        const char* pillars;
        std::vector<int> patterns;
    } cases[] = {
        {"庚午 丙寅 甲子 辛未", {0, -1, -1, -1}},  // 甲 临官 on 寅: 建禄
        {"庚午 丁卯 甲子 辛未", {1, -1, -1, -1}},  // 甲 帝旺 on 卯: 羊刃
        // 未 hides 乙 丁 己: 乙 shows (正印 of 丙), 己 and 丁 do not.
        {"乙丑 癸未 丙辰 癸巳", {9, -1, -1, -1}},
        // 申 hides 戊 庚 壬 for a 丙 day: all three show, 食神 偏财 七杀.
        {"戊申 庚申 丙午 壬辰", {2, 4, 6, -1}},
        // 丑 hides 癸 辛 己 for a 己 day: only the day stem itself shows (比肩).
        {"甲子 丁丑 己巳 甲子", {-1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        ChartFixture f(c.pillars, true);
        analysis::FindPatterns(f.chart);
        EXPECT_EQ(std::vector<int>(f.chart.patterns, f.chart.patterns + 4), c.patterns) << c.pillars;
    }
}

TEST(JudgeStrength, TotalsAndOrders) {
    ChartData c = Scored("乙丑 癸未 丙辰 癸巳");
    analysis::TotalScores(c);
    EXPECT_EQ(c.yinTotal, 41 + 33 + 8 + 72 + 4);
    EXPECT_EQ(c.yangTotal, 66 + 39 + 11);
    const int elements[5] = {41, 33, 74, 111, 15};
    for (int e = 0; e < 5; ++e) EXPECT_EQ(c.elementScore[e], elements[e]);
    // 丙: 比劫 丙丁, 食伤 戊己, 财 庚辛, 官杀 壬癸, 印 甲乙.
    const int groups[5] = {74, 111, 15, 41, 33};
    for (int g = 0; g < 5; ++g) EXPECT_EQ(c.groupScore[g], groups[g]);
    EXPECT_EQ(c.godScore[1], 8);  // 劫财 丁
    EXPECT_EQ(c.dayMasterTotal, 54 + 74 + 33 - 111 - 15 - 41);

    analysis::OrderScores(c);
    EXPECT_EQ(std::vector<int>(c.elementOrder, c.elementOrder + 5), (std::vector<int>{4, 1, 0, 2, 3}));
    // Equal scores keep the first of them in front: codes 1 and 3 score 0.
    EXPECT_EQ(c.codeOrder[0], 1);
    EXPECT_EQ(c.codeOrder[1], 3);
}

TEST(JudgeStrength, SelectionSortTakesTheFirstOfEqualMinimaAndSwapsForward) {
    ChartData c{};
    const int16_t scores[5] = {5, 3, 5, 3, 1};
    std::copy(scores, scores + 5, c.elementScore);
    analysis::OrderScores(c);
    // 4 is swapped with 0 to the front, 1 stays, 3 is swapped with 2; of the
    // equal 2 and 0 the one in front stays there (a stable sort gives 4 1 3 0 2).
    EXPECT_EQ(std::vector<int>(c.elementOrder, c.elementOrder + 5), (std::vector<int>{4, 1, 3, 2, 0}));
}

TEST(AnalyseChart, FavourMarksFollowTheFiveGods) {
    ChartFixture f("乙丑 癸未 丙辰 癸巳", true);
    const uint8_t groups[5] = {4, 0, 2, 1, 3};  // 用 印, 喜 比劫, 忌 财, 仇 食伤, 闲 官杀
    std::copy(groups, groups + 5, f.chart.godGroups);
    analysis::MarkFavour(f.chart);
    // Stems: 乙 印 (喜用), 癸 官 (neither), the day stem (neither), 癸.
    EXPECT_EQ(f.chart.stemInfo[0].favour, 0);
    EXPECT_EQ(f.chart.stemInfo[1].favour, 2);
    EXPECT_EQ(f.chart.stemInfo[2].favour, 2);
    // Branches by their main hidden stem: 己 伤, 己 伤, 戊 食 (忌仇), 丙 比 (喜用).
    const int branches[4] = {1, 1, 1, 0};
    for (int p = 0; p < 4; ++p) EXPECT_EQ(f.chart.branchInfo[p].favour, branches[p]) << p;
}
