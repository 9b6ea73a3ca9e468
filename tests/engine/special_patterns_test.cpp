#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "engine/analysis/chart_analysis.h"
#include "tests/reading/chart_fixture.h"

namespace {

// Elements: 0 水, 1 木, 2 火, 3 土, 4 金.
struct Case {
    const char* pillars;
    int triad;      // 三合 element recorded on the month and the pillars given, −1 none
    int direction;  // 三会 element (3: 辰戌丑未 all four), −1 none
    std::initializer_list<int> onPillars;
    int pattern;
    std::vector<int> gods;  // 用 喜 忌 仇 闲
    const char* why;
};

int Find(const Case& c, std::vector<int>& gods) {
    ChartFixture f(c.pillars, true);
    analysis::ScoreChart(f.chart);  // the counts the rules read
    for (int p : c.onPillars) {
        if (c.triad >= 0) f.Relation(p, kRelTriple, c.triad);
        if (c.direction >= 0) f.Relation(p, kRelDirectional, c.direction);
    }
    uint8_t out[5] = {9, 9, 9, 9, 9};
    int pattern = analysis::FindSpecialPattern(f.chart, out);
    gods.assign(out, out + 5);
    return pattern;
}

}  // namespace

TEST(FindSpecialPattern, RulesInTheirOrder) {
    const Case cases[] = {
        {"甲寅 丙寅 甲辰 丁卯", -1, 1, {0, 1, 2, 3}, 0, {1, 0, 4, 3, 2}, "曲直: 寅卯辰 东方木, no 金"},
        {"戊辰 戊戌 己丑 辛未", -1, 3, {0, 1, 2, 3}, 2, {3, 2, 1, 0, 4}, "稼穑: 辰戌丑未, no 木"},
        {"庚寅 乙酉 庚戌 甲申", -1, 4, {1, 2, 3}, 3, {4, 3, 2, 1, 0}, "从革: 申酉戌 西方金, no 火"},
        // 甲 囚 in 辰, 财 rules the month and shows five times, the other stems 食 才 财.
        {"丙辰 戊辰 甲戌 己巳", -1, -1, {}, 5, {3, 2, 1, 0, 4}, "从财"},
        // 甲 死 in 申, 杀 rules, stems 官 杀 财.
        {"辛酉 庚申 甲申 己巳", -1, -1, {}, 6, {4, 3, 1, 0, 2}, "从杀"},
        // 甲 休 in 午, 伤 rules, stems 伤 食 劫.
        {"丁巳 丙午 甲午 乙巳", -1, -1, {}, 7, {2, 1, 0, 4, 3}, "从儿"},
        // 甲 相 in 子, 印 rules: 比劫 2 and 印 5 visible, no 官杀.
        {"壬子 甲子 甲寅 癸亥", -1, -1, {}, 8, {0, 1, 3, 4, 2}, "从强"},
        // 甲 旺 in 寅, 比劫 6 visible, no 印: not 从强; also two elements (rule 11) but 从旺 comes first.
        {"甲寅 丙寅 甲寅 乙卯", -1, -1, {}, 9, {1, 0, 4, 3, 2}, "从旺"},
        // Four 金 and four 水: the lower element first, the others ascending.
        {"庚子 壬申 庚子 壬申", -1, -1, {}, 10, {0, 4, 1, 2, 3}, "半壁"},
        // Only 木 (5) and 火 (3), 比劫 rules the month.
        {"甲寅 丙寅 甲午 丙寅", -1, -1, {}, 11, {1, 0, 4, 3, 2}, "两神成象"},
        // 乙 day with 庚 month in a 申 month, no 火; 从杀 fails on the stems (官 杀 枭).
        {"辛酉 庚申 乙酉 癸未", -1, -1, {}, 13, {4, 3, 2, 1, 0}, "乙庚化金"},
        // 丁 day with 壬 hour in a 寅 month, no 金.
        {"甲辰 丙寅 丁卯 壬寅", -1, -1, {}, 15, {1, 0, 4, 3, 2}, "丁壬化木"},
        {"乙丑 癸未 丙辰 癸巳", -1, -1, {}, -1, {9, 9, 9, 9, 9}, "none: the gods are left alone"},
        // The triad must be the day master's own element: 火 for a 甲 day names nothing here.
        {"甲寅 丙寅 甲辰 丁卯", 2, -1, {0, 1, 2, 3}, -1, {9, 9, 9, 9, 9}, "木 day, 火 triad"},
        // 曲直 without its triad or direction; a 辛 stem brings 金.
        {"甲寅 丙寅 甲辰 辛卯", -1, 1, {0, 1, 2, 3}, -1, {9, 9, 9, 9, 9}, "金 present"},
    };
    for (const Case& c : cases) {
        std::vector<int> gods;
        EXPECT_EQ(Find(c, gods), c.pattern) << c.pillars << " " << c.why;
        EXPECT_EQ(gods, c.gods) << c.pillars << " " << c.why;
    }
}

TEST(FindSpecialPattern, FollowingRulesReadTheMonthsTriadAndDirection) {
    // 从财 with 财 shown only three times: it holds when the month branch
    // carries a 财 (土 for a 甲 day) direction or triad, and not otherwise.
    const char* pillars = "丙寅 戊辰 甲子 己巳";  // 财: 戊 己 and 辰's 戊 = 3
    std::vector<int> gods;
    EXPECT_EQ(Find({pillars, -1, -1, {}, 0, {}, ""}, gods), -1);
    EXPECT_EQ(Find({pillars, -1, 3, {1}, 0, {}, ""}, gods), 5);
    // Recorded on another branch only, it does not count.
    EXPECT_EQ(Find({pillars, -1, 3, {0}, 0, {}, ""}, gods), -1);
}
