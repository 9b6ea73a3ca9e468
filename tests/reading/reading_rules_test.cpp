// The machinery of the rule lists: once, passes, first-decides, every
// pillar and the stem pairs, on small made-up lists over a fixture chart.
#include <gtest/gtest.h>

#include "reading/reading_rules.h"
#include "tests/reading/chart_fixture.h"

namespace {

bool Peach(const ChartTerms& t, int p) { return t.Carries(p, kStarTaoHua); }
bool Horse(const ChartTerms& t, int p) { return t.Carries(p, kStarYiMa); }

std::vector<int> Fired(const ChartFixture& f, std::span<const ReadingRule> rules, std::string* text = nullptr) {
    std::string out;
    std::vector<int> fired;
    ApplyRules(ChartTerms(f.Context()), rules, out, &fired);
    if (text) *text = out;
    return fired;
}

// 桃花 on the month and hour pillars, 驿马 on the year and hour pillars.
ChartFixture StarChart() {
    ChartFixture f("甲子 丙寅 戊辰 庚申", true);
    f.Star(kMonth, kStarTaoHua).Star(kHour, kStarTaoHua).Star(kYear, kStarYiMa).Star(kHour, kStarYiMa);
    return f;
}

TEST(ReadingRules, OncePillarRuleWritesForTheFirstPillarOnly) {
    const ReadingRule rules[] = {{1, Peach, "a"}, {2, [](const ChartTerms& t) { return t.IsMan(); }, "b"}};
    std::string text;
    EXPECT_EQ(Fired(StarChart(), rules, &text), (std::vector<int>{1, 2}));
    EXPECT_EQ(text, "ab");
}

TEST(ReadingRules, PassWritesInTheOrderThePillarsSetTheRulesOff) {
    // Rule 1 is first met at the month pillar, rule 2 already at the year pillar.
    const ReadingRule together[] = {{1, Peach, "peach", 'A'}, {2, Horse, "horse", 'A'}};
    EXPECT_EQ(Fired(StarChart(), together), (std::vector<int>{2, 1}));
    // Without a common pass they keep the order of the list.
    const ReadingRule apart[] = {{1, Peach, "peach"}, {2, Horse, "horse"}};
    EXPECT_EQ(Fired(StarChart(), apart), (std::vector<int>{1, 2}));
}

TEST(ReadingRules, FirstPillarOfAKindDecides) {
    // The first 桃花 pillar (month) has no 驿马: nothing, although the hour pillar has both.
    const ReadingRule decided[] = {{1, RuleTest::FirstDecides(Peach, Horse), "x"}};
    EXPECT_TRUE(Fired(StarChart(), decided).empty());
    ChartFixture f = StarChart();
    f.Star(kMonth, kStarYiMa);
    EXPECT_EQ(Fired(f, decided), std::vector<int>{1});
}

TEST(ReadingRules, EveryPillarRuleWritesOncePerPillar) {
    const ReadingRule rules[] = {{1, RuleTest::EveryPillar(Peach), "p", 'A'}, {2, Horse, "h", 'A'}};
    std::string text;
    Fired(StarChart(), rules, &text);
    EXPECT_EQ(text, "hpp");
}

TEST(ReadingRules, StemPairsAreYearMonthThenMonthHourAtMostOnce) {
    // 甲子 丙寅 戊辰 庚申 for the day master 戊: 七杀, 偏印, (day), 食神.
    ChartFixture f("甲子 丙寅 戊辰 庚申", true);
    const ReadingRule rules[] = {
        {1, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kPianYin, kQiSha); }, "1"},
        {2, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kShiShen, kPianYin); }, "2"},
        {3, [](const ChartTerms& t, StemPair pair) { return t.PairIs(pair, kQiSha, kShiShen); }, "3"},
        {4, [](const ChartTerms& t, StemPair pair) { return t.StemIs(pair.first, kGroupYin) || t.StemIs(pair.second, kGroupYin); },
         "4"},
    };
    std::string text;
    Fired(f, rules, &text);
    EXPECT_EQ(text, "124");  // the year and hour stems are never a pair; rule 4 holds twice, writes once
}

}  // namespace
