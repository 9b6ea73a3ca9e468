#include "engine/chart/element_power_text.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/analysis/chart_analysis.h"
#include "tests/reading/chart_fixture.h"

namespace {

// The 丙 day of 乙丑 癸未 丙辰 癸巳, scored, 偏弱 with 印 and 比劫 as 用 and 喜.
ChartData WeakFireChart() {
    ChartFixture f("乙丑 癸未 丙辰 癸巳", true);
    analysis::ScoreChart(f.chart);
    analysis::TotalScores(f.chart);
    analysis::FindPatterns(f.chart);
    f.chart.strengthClass = 2;
    const uint8_t gods[5] = {1, 2, 4, 3, 0}, groups[5] = {4, 0, 2, 1, 3};
    std::copy(gods, gods + 5, f.chart.gods);
    std::copy(groups, groups + 5, f.chart.godGroups);
    return f.chart;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(ElementPowerText, WholeBlock) {
    EXPECT_EQ(ElementPowerText(WeakFireChart(), true),
              "\r\n\r\n※五行力量：水41(15.0%)  木33(12.0%)  火74(27.0%)  土111(40.5%)  金15(5.5%)  \r\n"
              "  己生助力量:107(39.1%)  克泄耗力量:167(60.9%)。  阴气:158(57.7%)  阳气:116(42.3%)。\r\n\r\n"
              "※日主综合得分：-6。 日元偏弱，喜用木，火(印枭、比劫)。忌仇金，土(财星、食伤)。\r\n"
              "※此命局入正印格。\r\n");
}

TEST(ElementPowerText, StrengthVerdict) {
    struct Case {
        int strengthClass, special;
        bool rules;
        const char* verdict;
    } cases[] = {
        {3, -1, true, "日元平和，"},
        {0, -1, true, "日元极旺，以从旺看，"},
        {6, -1, true, "日元极弱，以从弱看，"},
        {1, 5, true, "日元太弱，命局入从财格(以变格论命)，"},
        {0, 9, true, "日元极旺，命局入从旺格(以变格论命)，"},
        {6, 6, true, "日元极弱，命局入从杀格(以变格论命)，"},
        {6, 6, false, "日元极弱，以从弱看，"},
        {1, 5, false, "日元太弱，"},
    };
    for (const Case& c : cases) {
        ChartData chart = WeakFireChart();
        chart.strengthClass = static_cast<uint8_t>(c.strengthClass);
        chart.specialPattern = static_cast<int16_t>(c.special);
        EXPECT_TRUE(Contains(ElementPowerText(chart, c.rules), std::string("。 ") + c.verdict + "喜用"))
            << c.strengthClass << " " << c.special << " " << c.rules;
    }
}

TEST(ElementPowerText, PatternLine) {
    struct Case {
        int patterns[4];
        int special;
        const char* line;
    } cases[] = {
        {{0, -1, -1, -1}, -1, "※此命局入建禄格。\r\n"},
        {{2, 4, 6, -1}, -1, "※此命局入食神格、偏财格、七杀格。\r\n"},
        {{-1, -1, -1, -1}, -1, "※此命局未入正格。\r\n"},
        // A special pattern is named whatever the setting says.
        {{-1, -1, -1, -1}, 5, "※此命局未入正格。入从财格（变格）。\r\n"},
        {{1, -1, -1, -1}, 16, "※此命局入羊刃格。入戊癸化火格（变格）。\r\n"},
    };
    for (const Case& c : cases) {
        ChartData chart = WeakFireChart();
        std::copy(c.patterns, c.patterns + 4, chart.patterns);
        chart.specialPattern = static_cast<int16_t>(c.special);
        std::string text = ElementPowerText(chart, false);
        EXPECT_EQ(text.substr(text.rfind("※")), c.line);
    }
}

TEST(ElementPowerText, SharesOfAZeroTotalShowAsZero) {
    // Only scores the user sets can sum to 0.
    ChartData chart = WeakFireChart();
    for (int16_t& s : chart.elementScore) s = 0;
    for (int16_t& s : chart.groupScore) s = 0;
    chart.yinTotal = chart.yangTotal = 0;
    std::string text = ElementPowerText(chart, true);
    EXPECT_TRUE(Contains(text, "水0(0.0%)  木0(0.0%)  火0(0.0%)  土0(0.0%)  金0(0.0%)  \r\n")) << text;
    EXPECT_TRUE(Contains(text, "  己生助力量:0(0.0%)  克泄耗力量:0(0.0%)。  阴气:0(0.0%)  阳气:0(0.0%)。")) << text;
}

TEST(RelationsText, StemsThenBranches) {
    struct Case {
        const char* pillars;
        const char* text;
    } cases[] = {
        {"甲子 丙寅 甲子 丙寅", "※天干无合。地支无刑冲害合。\r\n\r\n"},
        // Two 甲 and one 己: two combinations.
        {"甲子 己巳 甲戌 丙寅", "※天干有甲己年月中正之合，己甲月日中正之合。地支有巳寅月时相害。\r\n\r\n"},
        // 子 with 子 is nothing; 子卯 is tested last.
        {"甲子 丁卯 甲子 丁卯",
         "※天干无合。地支有子卯年月无礼之刑，子卯年时无礼之刑，卯子月日无礼之刑，子卯日时无礼之刑。\r\n\r\n"},
        {"甲午 庚午 甲申 壬申", "※天干无合。地支有午午年月自刑。\r\n\r\n"},
        // A half triad needs its middle branch: 寅戌 and 申辰 give nothing.
        {"甲子 丙寅 戊辰 庚午", "※天干无合。地支有子辰年日半三合水局，子午年时相冲，寅午月时半三合火局。\r\n\r\n"},
        {"丁卯 壬寅 庚戌 庚辰",
         "※天干有丁壬年月淫匿之合。地支有卯戌年日六合，卯辰年时相害，戌辰日时相冲，卯寅辰年月时三会东方木。\r\n\r\n"},
        {"戊辰 壬戌 己丑 辛未",
         "※天干无合。地支有辰戌年月相冲，丑未日时相冲，戌丑未月日时恃势之刑，辰戌丑未四库全。\r\n\r\n"},
        {"戊子 癸丑 戊寅 癸亥",
         "※天干有戊癸年月无情之合，戊癸年时无情之合，癸戊月日无情之合，戊癸日时无情之合。"
         "地支有子丑年月六合，寅亥日时六合，子丑亥年月时三会北方水。\r\n\r\n"},
    };
    for (const Case& c : cases) {
        ChartFixture f(c.pillars, true);
        EXPECT_EQ(RelationsText(f.chart), c.text) << c.pillars;
    }
}
