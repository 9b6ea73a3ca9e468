// The analysis and the comparison on charts the engine builds from birth
// records: every number below was counted by hand from the pillars.
#include <gtest/gtest.h>

#include <string>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "tests/engine/engine_test_support.h"

namespace {

class CoupleAnalysisTest : public ProgramFolderTest {
protected:
    // 乙丑 癸未 丙辰 癸巳 and 丁卯 壬寅 庚戌 庚辰.
    BirthData a_ = Birth(0, true, 1985, 7, 16, 10, 30);
    BirthData b_ = Birth(1, false, 1987, 3, 2, 8, 15);

    std::string Compute(BirthData a, BirthData b) {
        CBaZiEx engine(Folder(), StandardReadings());
        engine.showReport = 0;
        EXPECT_TRUE(engine.ComputeCouple(a, b)) << engine.errorText;
        index_ = engine.MarriageIndex();
        special_ = engine.Chart(0).specialPattern;
        return engine.report;
    }
    static std::string Between(const std::string& text, const std::string& from, const std::string& to) {
        std::size_t start = text.find(from);
        EXPECT_NE(start, std::string::npos) << from;
        return text.substr(start, text.find(to, start) - start);
    }

    float index_ = 0;
    int special_ = -1;
};

constexpr const char* kAnalysisA =
    "※五行力量：水41(15.0%)  木33(12.0%)  火74(27.0%)  土111(40.5%)  金15(5.5%)  \r\n"
    "  己生助力量:107(39.1%)  克泄耗力量:167(60.9%)。  阴气:158(57.7%)  阳气:116(42.3%)。\r\n\r\n"
    "※日主综合得分：-6。 日元偏弱，喜用木，火(印枭、比劫)。忌仇金，土(财星、食伤)。\r\n"
    "※此命局入正印格。\r\n"
    "※天干无合。地支有丑未年月相冲。\r\n\r\n";

// 乙命's 庚 is 囚 in 寅 and far too weak (−10 + 78 − 340): 从弱, ruled by 财.
// 寅卯辰 adds 60 to both 木 codes.
constexpr const char* kAnalysisB =
    "※五行力量：水35(8.4%)  木247(59.1%)  火58(13.9%)  土21(5.0%)  金57(13.6%)  \r\n"
    "  己生助力量:78(18.7%)  克泄耗力量:340(81.3%)。  阴气:185(44.3%)  阳气:233(55.7%)。\r\n\r\n"
    "※日主综合得分：-272。 日元极弱，以从弱看，喜用木，水(财星、食伤)。忌仇金，土(比劫、印枭)。\r\n"
    "※此命局未入正格。\r\n"
    "※天干有丁壬年月淫匿之合。地支有卯戌年日六合，卯辰年时相害，戌辰日时相冲，卯寅辰年月时三会东方木。\r\n\r\n";

// 20.41 + 18.75 + 12.14 + 9.91 + 2 + 4 + 0 + 2 + 1 = 70.21.
constexpr const char* kComparison =
    "☆乙命对甲命有79％的补益作用力，甲命对乙命有37％的补益作用力。\r\n"
    "☆双方喜用神互相生助，有共同点，容易相处。\r\n"
    "☆双方八字交会后，五行平衡性为80％。\r\n"
    "☆双方八字交会后，阴阳平衡性为99％。\r\n"
    "☆甲乙命日元搭配，趋向于平和，相处和谐。\r\n"
    "☆甲乙命生年无害，可以交往！\r\n"
    "☆九星合婚得：绝体，男女更有忧亡。\r\n"
    "☆甲命巨蟹座，乙命双鱼座，较为和谐的一对。\r\n"
    "☆男命生日密码：1，女命生日密码：3，两人适合在一起，可以发展感情。\r\n"
    "★甲命对照乙命：天干无合。地支有未卯甲月乙年半三合木局。\r\n"
    "★乙命对照甲命：天干有庚乙乙日甲年仁义之合。地支有寅巳乙月甲时相害。\r\n"
    "\r\n※提示：指数有在60分以上，双方可以交往，喜配良缘的机会大。80分以上者，如能婚配真是天生的一对。※\r\n";

}  // namespace

TEST_F(CoupleAnalysisTest, AnalysisLinesAndComparisonOfACouple) {
    std::string r = Compute(a_, b_);
    EXPECT_EQ(Between(r, "※五行力量", "乙命八字："), kAnalysisA);
    EXPECT_EQ(Between(r, "※五行力量：水35", "婚姻配对分析："), kAnalysisB);
    EXPECT_EQ(Between(r, "婚姻配对分析：", "-----"),
              std::string("婚姻配对分析：\r\n        婚配指数：70分\r\n") + kComparison);
    EXPECT_NEAR(index_, 70.21, 0.01);
}

TEST_F(CoupleAnalysisTest, HighScaleAddsTenPoints) {
    Settings("bscore=1");
    std::string r = Compute(a_, b_);
    EXPECT_EQ(Between(r, "婚姻配对分析：", "☆"), "婚姻配对分析：\r\n        婚配指数：80分\r\n");
    EXPECT_NEAR(index_, 80.21, 0.01);
}

TEST_F(CoupleAnalysisTest, SpecialPatternReplacesTheFiveGodsOnlyWhenSetTo) {
    // 己丑 丁丑 甲辰 丙寅: 甲 太弱 (−139) in a 丑 month ruled by 财, the other
    // stems 财 伤 食: 从财格, whose gods are 土 火 木 水 against 木 水 金 土.
    BirthData man = Birth(0, true, 1950, 1, 9, 3, 0);
    const std::string patternLine = "※此命局入正财格。入从财格（变格）。\r\n";
    struct Case {
        const char* setting;
        const char* verdict;
    } cases[] = {
        {"", "※日主综合得分：-139。 日元太弱，命局入从财格(以变格论命)，喜用土，火(财星、食伤)。忌仇木，水(比劫、印枭)。\r\n"},
        {"biange=0", "※日主综合得分：-139。 日元太弱，喜用木，水(比劫、印枭)。忌仇金，土(官杀、财星)。\r\n"},
    };
    for (const Case& c : cases) {
        Settings(c.setting);
        std::string r = Compute(man, b_);
        EXPECT_EQ(Between(r, "※日主综合得分", "※天干"), c.verdict + patternLine) << c.setting;
        EXPECT_EQ(special_, 5) << c.setting;
    }
}
