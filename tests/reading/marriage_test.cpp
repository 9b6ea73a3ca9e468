// The marriage chapter: its fixed steps written out in full for a man and a
// woman, the partner years and directions, the spouse-palace texts, and the
// sayings whose conditions split by sex or count pillars.
#include <gtest/gtest.h>

#include <string>

#include "reading/marriage_chapter.h"
#include "tests/reading/chart_fixture.h"

namespace {

int Occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// 戊 day master on 辰 (比肩), 用 比劫, 喜 印, 忌 官杀, 仇 财; all four pillars yang.
const char* const kChart = "甲子 丙寅 戊辰 庚申";

const std::string kPartnersOfRat =
    "  ★命主与申、辰年生者三合，与丑年生者六合，也就是属相为猴、龙、牛的人婚配较为有利；"
    "与未年生者相害，与午年生者相冲，和此二年生者婚配不利，也就是属相为羊的人较不利，与属马的人相冲，"
    "除此以外不必顾虑。";

const std::string kCompanionPalace =
    "  ★日支为比肩配偶之人为人性情刚毅，处事稳重，有豪迈的气概，对朋友很讲义气，遇事果断。"
    "但有时过于主观，显得倔强而固执，好与人争财夺利。"
    "\n  ★日支对命主而言为喜主配偶多有帮助或关系密切。\n";

// The fixed steps, the sayings before the spouse star, the spouse-star
// sayings, the sayings after them and the closing empty line.
TEST(MarriageChapter, WholeChapterForAManAndAWoman) {
    struct Case {
        bool male;
        int person;
        std::string heading, build, spouseStar, tail;
    } cases[] = {
        {true, 0, "甲命婚姻择偶：(测婚姻、恋爱、看夫妻状况)\r\n",
         "  ★妻子身材极端，即夫妻身材不匹配型。男高大，则女矮小；男瘦则女胖。(如不应则妻有病灾)。\r\n",
         "  ◆财星为仇忌神，妻子对自己没有助益，夫妻偶有矛盾。\r\n", "  ◆四柱纯阳男必孤。\r\n"},
        {false, 1, "乙命婚姻择偶：(测婚姻、恋爱、看夫妻状况)\r\n",
         "  ★夫身材极端，即夫妻身材不匹配型。男高大，则女矮小；男瘦则女胖。(如不应则夫有病灾)。\r\n",
         "  ◆官星为仇忌神，夫妻不和，对丈夫常有意见。\n", ""},
    };
    for (const Case& c : cases) {
        ChartFixture f(kChart, c.male, c.person);
        const std::string spouseSayings = c.male ? WifeStarRules(f.Context()) : HusbandStarRules(f.Context());
        const std::string expected = c.heading + kPartnersOfRat + "\n  【配偶方向】选在自己住宅的东北方或西南方为佳。\n" +
                                     kCompanionPalace + c.build + "  ★日干支比和，夫妻关系一般。\n" +
                                     "  ★日支为辰戌丑未，主配偶平常。\n" + c.spouseStar + spouseSayings + c.tail + "\r\n";
        EXPECT_EQ(MarriageChapter(f.Context()), expected) << c.heading;
    }
}

TEST(MarriageChapter, PartnersByYearBranch) {
    struct Case {
        const char* year;
        std::string line;
    } cases[] = {
        {"甲子", kPartnersOfRat},
        {"戊辰",
         "  ★命主与申、子年生者三合，与酉年生者六合，也就是属相为猴、鼠、鸡的人婚配较为有利；"
         "与卯年生者相害，与戌年生者相冲，和此二年生者婚配不利，也就是属相为兔的人较不利，与属狗的人相冲，"
         "除此以外不必顾虑。"},
        {"乙亥",
         "  ★命主与卯、未年生者三合，与寅年生者六合，也就是属相为兔、羊、虎的人婚配较为有利；"
         "与申年生者相害，与巳年生者相冲，和此二年生者婚配不利，也就是属相为猴的人较不利，与属蛇的人相冲，"
         "除此以外不必顾虑。"},
    };
    for (const Case& c : cases) {
        ChartFixture f(std::string(c.year) + " 丙寅 戊辰 庚申", true);
        EXPECT_EQ(Occurrences(MarriageChapter(f.Context()), c.line), 1) << c.year;
    }
}

TEST(MarriageChapter, SpouseDirectionFromMonthBranchAndLunarDay) {
    struct Case {
        const char* month;
        int lunarDay;
        const char* directions;
    } cases[] = {
        {"乙亥", 1, "西北方或东南"}, {"丙子", 12, "西北方或东南"}, {"丙子", 1, "北方或南"},
        {"丙寅", 3, "东南方或西北"}, {"丙寅", 30, "西南方或东北"}, {"丙寅", 1, "东北方或西南"},
    };
    for (const Case& c : cases) {
        ChartFixture f(std::string("甲子 ") + c.month + " 戊辰 庚申", true);
        const ReadingContext context{f.chart, f.birth, c.lunarDay};
        const std::string line = std::string("\n  【配偶方向】选在自己住宅的") + c.directions + "方为佳。\n";
        EXPECT_EQ(Occurrences(MarriageChapter(context), line), 1) << c.month << " " << c.lunarDay;
    }
}

TEST(MarriageChapter, RobWealthPalaceIsNamedByItsText) {
    // 丙 on 午: the day branch is 劫财, whose text opens with 比劫.
    ChartFixture f("甲子 丙寅 丙午 庚寅", true);
    EXPECT_EQ(Occurrences(MarriageChapter(f.Context()), "  ★日支为比劫配偶之人为人热情坦直"), 1);
}

TEST(MarriageChapter, SpouseStarGroupsThatCoincide) {
    // The user may make one group both 喜用 and 忌仇: a woman then gets both lines, a man only the first.
    ChartFixture man(kChart, true);
    man.Gods(kGroupCai, kGroupYin, kGroupCai, kGroupBiJie);
    const std::string manText = MarriageChapter(man.Context());
    EXPECT_EQ(Occurrences(manText, "  ★财星为喜用神，平身多得妻子的帮助，夫妻关系好。\r\n"), 1);
    EXPECT_EQ(Occurrences(manText, "  ◆财星为仇忌神"), 0);

    ChartFixture woman(kChart, false);
    woman.Gods(kGroupGuanSha, kGroupYin, kGroupGuanSha, kGroupBiJie);
    const std::string womanText = MarriageChapter(woman.Context());
    EXPECT_EQ(Occurrences(womanText, "  ★官星为喜用神，丈夫对自己好，夫妻关系和顺，家庭和睦。\n"), 1);
    EXPECT_EQ(Occurrences(womanText, "  ◆官星为仇忌神，夫妻不和，对丈夫常有意见。\n"), 1);
}

TEST(MarriageChapter, TravellingStarWithHiddenSpouseStarOnce) {
    const std::string manLine = "  ★男人四柱见马，此马之支内人元有日之财星者，定娶远乡或异国之女。\r\n";
    const std::string womanLine = "  ★女人四柱见马，此马之支内人元有日之官杀者，定嫁远乡或异国。\r\n";
    // For 戊: 子 hides 癸 (正财), 申 hides 壬 (偏财), 寅 hides 甲 (七杀).
    ChartFixture man(kChart, true);
    man.Star(kYear, kStarYiMa).Star(kHour, kStarYiMa);
    EXPECT_EQ(Occurrences(MarriageChapter(man.Context()), manLine), 1);
    ChartFixture woman(kChart, false);
    woman.Star(kYear, kStarYiMa).Star(kHour, kStarYiMa);
    EXPECT_EQ(Occurrences(MarriageChapter(woman.Context()), womanLine), 0);
    woman.Star(kMonth, kStarYiMa);
    EXPECT_EQ(Occurrences(MarriageChapter(woman.Context()), womanLine), 1);
}

TEST(MarriageChapter, PureYangSplitsBySex) {
    EXPECT_EQ(Occurrences(MarriageChapter(ChartFixture(kChart, true).Context()), "  ◆四柱纯阳男必孤。\r\n"), 1);
    const std::string woman = MarriageChapter(ChartFixture(kChart, false).Context());
    EXPECT_EQ(Occurrences(woman, "四柱纯阳"), 0);
    EXPECT_EQ(Occurrences(woman, "四柱纯阴"), 0);
    EXPECT_EQ(Occurrences(MarriageChapter(ChartFixture("乙丑 丁卯 己巳 辛未", false).Context()),
                          "  ◆四柱纯阴女必寡。\r\n"),
              1);
}

TEST(MarriageChapter, JiaXuDayGivesBothDaySayings) {
    const std::string text = MarriageChapter(ChartFixture("甲子 丙寅 甲戌 丙寅", true).Context());
    EXPECT_EQ(Occurrences(text, "  ◆甲辰、甲戌二日，男子逢之克妻，女子遇之定克夫。\r\n"), 1);
    EXPECT_EQ(Occurrences(text, "  ◆甲戌、乙亥两日生人，自坐空亡，皆主晚婚。\r\n"), 1);
}

TEST(MarriageChapter, CompanionsOutnumberingOfficers) {
    struct Case {
        int companions, officers;
        bool written;
    } cases[] = {{4, 2, true}, {3, 2, false}, {2, 1, true}, {5, 0, false}};
    for (const Case& c : cases) {
        ChartFixture f(kChart, true);
        f.chart.groupCountVisible[kGroupBiJie] = static_cast<uint8_t>(c.companions);
        f.chart.groupCountVisible[kGroupGuanSha] = static_cast<uint8_t>(c.officers);
        const std::string text = MarriageChapter(f.Context());
        EXPECT_EQ(Occurrences(text, "  ◆比肩多于官杀，如呈三比一，二比一，夫妻无情。\r\n"), c.written ? 1 : 0)
            << c.companions << "/" << c.officers;
    }
}

}  // namespace
