#include "reading/couple/couple_compare.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/pillar_number.h"
#include "tests/reading/chart_fixture.h"

using couple::Finding;

namespace {

// Elements: 0 水, 1 木, 2 火, 3 土, 4 金.
ChartData Powers(int water, int wood, int fire, int earth, int metal) {
    ChartData c{};
    const int p[5] = {water, wood, fire, earth, metal};
    for (int e = 0; e < 5; ++e) c.elementScore[e] = static_cast<int16_t>(p[e]);
    return c;
}

ChartData WithGods(ChartData c, int yong, int xi, int ji, int chou) {
    const int g[4] = {yong, xi, ji, chou};
    for (int i = 0; i < 4; ++i) c.gods[i] = static_cast<uint8_t>(g[i]);
    return c;
}

ChartData Chart(const char* pillars) { return ChartFixture(pillars, true).chart; }

// A finding that reads one byte field of each chart, case by case.
struct FieldCase {
    int a, b;
    const char* text;
    float points;
};
template <std::size_t N>
void ExpectFindings(uint8_t ChartData::*field, Finding (*finding)(const ChartData&, const ChartData&, couple::Lines),
                    const FieldCase (&cases)[N]) {
    for (const FieldCase& c : cases) {
        ChartData a{}, b{};
        a.*field = static_cast<uint8_t>(c.a);
        b.*field = static_cast<uint8_t>(c.b);
        Finding f = finding(a, b, couple::Lines::Write);
        EXPECT_EQ(f.text, c.text) << c.a << " " << c.b;
        EXPECT_FLOAT_EQ(f.points, c.points) << c.a << " " << c.b;
        // Without its line the step scores the same.
        Finding bare = finding(a, b, couple::Lines::Skip);
        EXPECT_EQ(bare.text, "");
        EXPECT_EQ(bare.points, f.points);
    }
}

}  // namespace

TEST(CoupleComparison, MutualBenefit) {
    ChartData a = WithGods(Powers(41, 33, 74, 111, 15), 1, 2, 4, 3);
    ChartData b = WithGods(Powers(35, 247, 58, 21, 57), 1, 0, 4, 3);
    Finding f = couple::MutualBenefit(a, b);
    // B feeds A's 木 火 with 305 of 383, A feeds B's 木 水 with 74 of 200.
    EXPECT_EQ(f.text, "☆乙命对甲命有79％的补益作用力，甲命对乙命有37％的补益作用力。\r\n");
    EXPECT_NEAR(f.points, 35 * (305.0 / 383 + 0.37) / 2, 1e-5);

    // 1 of 25 is 0.04 in single precision (0.0399999991); the product is
    // rounded to single precision (4.0) before it is truncated. A taker whose
    // four gods find no power at all counts as fully fed.
    ChartData c = WithGods(Powers(1, 24, 0, 0, 0), 0, 2, 1, 3);
    ChartData d = WithGods(Powers(0, 0, 0, 0, 0), 0, 2, 1, 3);
    f = couple::MutualBenefit(c, d);
    EXPECT_EQ(f.text, "☆乙命对甲命有100％的补益作用力，甲命对乙命有4％的补益作用力。\r\n");
    EXPECT_FLOAT_EQ(f.points, 35 * (1 + 0.04f) / 2);
}

TEST(CoupleComparison, UsefulGods) {
    const char* harmony = "☆双方喜用神互相生助，有共同点，容易相处。\r\n";
    const char* conflict = "☆双方喜用神互相克害，容易有分歧，不利相处。\r\n";
    struct Case {
        int a0, a1, b0, b1;
        const char* text;
        float points;
    } cases[] = {
        {1, 1, 1, 1, harmony, 25},     // all equal
        {1, 2, 1, 0, harmony, 18.75},  // 火 against 水 conflicts
        {0, 1, 1, 3, harmony, 12.5},   // two and two: harmony wins the tie
        {0, 1, 2, 3, conflict, 6.25},  // only 木 and 火
        {0, 0, 2, 2, conflict, 0},
    };
    for (const Case& c : cases) {
        Finding f = couple::UsefulGods(WithGods({}, c.a0, c.a1, 0, 0), WithGods({}, c.b0, c.b1, 0, 0));
        EXPECT_EQ(f.text, c.text) << c.a0 << c.a1 << c.b0 << c.b1;
        EXPECT_EQ(f.points, c.points) << c.a0 << c.a1 << c.b0 << c.b1;
    }
}

TEST(CoupleComparison, ElementBalance) {
    // Combined 300 200 100 100 100: shares .375 .25 .125 .125 .125.
    Finding f = couple::ElementBalance(Powers(100, 100, 50, 50, 0), Powers(200, 100, 50, 50, 100));
    EXPECT_EQ(f.text, "☆双方八字交会后，五行平衡性为81％。\r\n");
    EXPECT_EQ(f.points, 12.1875f);
    // Shares .3 .2 .2 .2 .1 give 0.9, in single precision 0.899999976: the
    // product with 100 is truncated unrounded, so 89 is shown.
    f = couple::ElementBalance(Powers(30, 20, 20, 20, 10), Powers(0, 0, 0, 0, 0));
    EXPECT_EQ(f.text, "☆双方八字交会后，五行平衡性为89％。\r\n");
    EXPECT_FLOAT_EQ(f.points, 13.5f);
    // Sums of 0 or less count as 1: 1 1 1 1 and 96 make the worst balance.
    f = couple::ElementBalance(Powers(0, -5, 0, 0, 96), Powers(0, 0, 0, 0, 0));
    EXPECT_EQ(f.text, "☆双方八字交会后，五行平衡性为52％。\r\n");
}

TEST(CoupleComparison, YinYangBalance) {
    ChartData a{}, b{};
    a.yinTotal = 158, a.yangTotal = 116, b.yinTotal = 185, b.yangTotal = 233;
    Finding f = couple::YinYangBalance(a, b);  // 343 against 349
    EXPECT_EQ(f.text, "☆双方八字交会后，阴阳平衡性为99％。\r\n");
    EXPECT_NEAR(f.points, 10 * (1 - 6.0 / 692), 1e-5);
    // 9 against 11: 0.9 in single precision, shown as 89 like the element balance.
    a.yinTotal = 9, a.yangTotal = 11, b.yinTotal = b.yangTotal = 0;
    EXPECT_EQ(couple::YinYangBalance(a, b).text, "☆双方八字交会后，阴阳平衡性为89％。\r\n");
    // No yin and no yang at all (only with scores the user set): balanced.
    a.yinTotal = a.yangTotal = 0;
    EXPECT_EQ(couple::YinYangBalance(a, b).text, "☆双方八字交会后，阴阳平衡性为100％。\r\n");
}

TEST(CoupleComparison, DayMasterPairing) {
    const char* calm = "☆甲乙命日元搭配，趋向于平和，相处和谐。\r\n";
    const char* uneasy = "☆甲乙命日元搭配不和谐，相处不容易。\r\n";
    const FieldCase cases[] = {
        {6, 6, uneasy, 6}, {1, 5, calm, 0}, {4, 5, uneasy, 3}, {0, 4, calm, 2},
        {2, 6, calm, 2},   {0, 0, uneasy, 6}, {0, 3, uneasy, 3},
    };
    ExpectFindings(&ChartData::strengthClass, couple::DayMasterPairing, cases);
}

TEST(CoupleComparison, YearPillarRelationCodesInTheirOrder) {
    struct Case {
        const char *a, *b;
        int stems, branches;
    } cases[] = {
        {"甲辰", "丙辰", -1, 0},  // 自刑
        {"甲子", "庚午", -1, 1},  // 相冲
        {"甲子", "丁丑", -1, 2},  // 六合
        {"甲子", "乙未", -1, 3},  // 六害
        {"甲申", "丙辰", -1, 4},  // half 三合, no middle member needed
        {"甲子", "丁卯", -1, 5},  // 无礼之刑
        {"甲子", "丙子", -1, -1}, // the same branch that does not punish itself
        {"甲子", "丙寅", -1, -1},
        {"戊子", "癸丑", 0, 2},   // 戊癸 and 子丑
        {"甲子", "己巳", 1, -1},
        {"丁亥", "壬寅", 4, 2},   // 丁壬 and 寅亥
    };
    for (const Case& c : cases) {
        int stems, branches;
        couple::YearPillarRelation(PillarNumber(c.a), PillarNumber(c.b), stems, branches);
        EXPECT_EQ(stems, c.stems) << c.a << c.b;
        EXPECT_EQ(branches, c.branches) << c.a << c.b;
    }
}

TEST(CoupleComparison, YearPillars) {
    struct Case {
        const char *a, *b, *text;
        float points;
    } cases[] = {
        {"甲子", "己丑", "☆甲乙命生年天合地合，百年好合！\r\n", 8},
        {"甲子", "丁丑", "☆甲乙命生年相合，利于交往！\r\n", 6},
        {"甲子", "庚午", "☆甲乙命生年相冲，不容易相聚！\r\n", 0},
        {"甲子", "乙未", "☆甲乙命生年相刑害，不利！\r\n", 0},
        {"甲子", "丁卯", "☆甲乙命生年相刑害，不利！\r\n", 0},
        {"甲午", "丙午", "☆甲乙命生年相刑害，不利！\r\n", 0},
        {"甲子", "丙子", "☆甲乙命生年无害，可以交往！\r\n", 4},
        {"甲子", "壬辰", "☆甲乙命生年无害，可以交往！\r\n", 4},
        {"甲子", "丙寅", "☆甲乙命生年无害，可以交往！\r\n", 4},
        {"甲子", "己巳", "☆甲乙命生年无害，可以交往！\r\n", 4},  // stems alone do not count
    };
    for (const Case& c : cases) {
        Finding f = couple::YearPillars(PillarNumber(c.a), PillarNumber(c.b));
        EXPECT_EQ(f.text, c.text) << c.a << c.b;
        EXPECT_EQ(f.points, c.points) << c.a << c.b;
    }
}

TEST(CoupleComparison, NineStarsOfManAndWoman) {
    struct Star {
        bool male;
        int era;
        const char* year;
        int star;
    } stars[] = {
        {true, 0, "甲子", 1}, {false, 0, "甲子", 5}, {true, 1, "癸亥", 8}, {false, 1, "癸亥", 7},
        {true, 2, "乙丑", 6}, {false, 2, "丁卯", 2}, {false, 2, "乙丑", 9}, {true, 0, "己巳", 5},
    };
    for (const Star& s : stars) EXPECT_EQ(couple::NineStar(s.male, s.era, PillarNumber(s.year)), s.star) << s.year;

    struct Cell {
        int man, woman;
        const char* name;
    } cells[] = {{1, 1, "归魂"}, {6, 2, "绝体"}, {2, 7, "福德"}, {7, 2, "福德"},
                 {9, 1, "绝体"}, {4, 9, "福德"}, {3, 6, "天医"}, {8, 9, "五鬼"}};
    for (const Cell& c : cells) EXPECT_STREQ(couple::NineStarPairing(c.man, c.woman), c.name) << c.man << c.woman;
    EXPECT_EQ(couple::NineStarPairing(5, 1), nullptr);
    EXPECT_EQ(couple::NineStarPairing(1, 5), nullptr);
}

TEST(CoupleComparison, NineStarsLine) {
    struct Case {
        int manEra;
        const char* manYear;
        int womanEra;
        const char* womanYear;
        const char* text;  // nullptr: no line
        float points;
    } cases[] = {
        {0, "甲子", 0, "壬申", "☆九星合婚得：生气，子孙昌盛，不忌诸恶煞。\r\n", 2},    // 1 and 4
        {0, "甲子", 0, "乙丑", "☆九星合婚得：游魂，可以较量轻重，月家少忌，可以为婚。\r\n", 1},  // 1, 6
        {2, "乙丑", 2, "丁卯", "☆九星合婚得：绝体，男女更有忧亡。\r\n", 0},            // 6 and 2
        {0, "己巳", 0, "乙丑", nullptr, 0},  // the man's star is 5
        {0, "甲子", 0, "甲子", nullptr, 0},  // the woman's star is 5
    };
    for (const Case& c : cases) {
        ChartData man{}, woman{};
        man.era = static_cast<uint8_t>(c.manEra);
        man.yearPillar = static_cast<int16_t>(PillarNumber(c.manYear));
        woman.era = static_cast<uint8_t>(c.womanEra);
        woman.yearPillar = static_cast<int16_t>(PillarNumber(c.womanYear));
        Finding f{};
        bool written = couple::NineStars(man, woman, f);
        EXPECT_EQ(written, c.text != nullptr) << c.manYear << c.womanYear;
        if (written) {
            EXPECT_EQ(f.text, c.text);
            EXPECT_EQ(f.points, c.points);
        }
    }
}

TEST(CoupleComparison, ZodiacSigns) {
    const FieldCase cases[] = {
        {0, 6, "☆甲命白羊座，乙命天秤座，容易有矛盾的一对。\r\n", 0},  // 180°
        {0, 1, "☆甲命白羊座，乙命金牛座，较为和谐的一对。\r\n", 2},    // B one after A: 330°
        {5, 0, "☆甲命处女座，乙命白羊座，可以相处的一对。\r\n", 1},    // 150°
        {7, 0, "☆甲命天蝎座，乙命白羊座，可以相处的一对。\r\n", 1},    // 210°
        {3, 0, "☆甲命巨蟹座，乙命白羊座，容易有矛盾的一对。\r\n", 0},  // 90°
        {4, 0, "☆甲命狮子座，乙命白羊座，较为和谐的一对。\r\n", 2},    // 120°
        {11, 11, "☆甲命双鱼座，乙命双鱼座，较为和谐的一对。\r\n", 2},
    };
    ExpectFindings(&ChartData::zodiacSign, couple::ZodiacSigns, cases);
}

TEST(CoupleComparison, BirthdayCodes) {
    struct Cell {
        int man, woman, verdict;
    } cells[] = {{2, 7, 2}, {7, 2, 0}, {1, 1, 0}, {1, 3, 1}, {9, 2, 2}, {5, 8, 2}, {6, 9, 1}};
    for (const Cell& c : cells) EXPECT_EQ(couple::BirthdayVerdict(c.man, c.woman), c.verdict) << c.man << c.woman;

    struct Case {
        int man, woman;
        const char* text;
        float points;
    } cases[] = {
        {2, 7, "☆男命生日密码：2，女命生日密码：7，天生的一对，完美的绝配。\r\n", 2},
        {7, 2, "☆男命生日密码：7，女命生日密码：2，两人不适合在一起，没有姻缘。\r\n", 0},
        {1, 3, "☆男命生日密码：1，女命生日密码：3，两人适合在一起，可以发展感情。\r\n", 1},
    };
    for (const Case& c : cases) {
        ChartData man{}, woman{};
        man.lifeNumber = static_cast<int16_t>(c.man);
        woman.lifeNumber = static_cast<int16_t>(c.woman);
        Finding f = couple::BirthdayCodes(man, woman);
        EXPECT_EQ(f.text, c.text);
        EXPECT_EQ(f.points, c.points);
    }
}

TEST(CoupleComparison, CrossChartRelations) {
    struct Case {
        int which;
        const char *dayStem, *monthBranch, *other, *line;
    } cases[] = {
        {0, "丙", "未", "丁卯 壬寅 庚戌 庚辰", "★甲命对照乙命：天干无合。地支有未卯甲月乙年半三合木局。\r\n"},
        {1, "庚", "寅", "乙丑 癸未 丙辰 癸巳", "★乙命对照甲命：天干有庚乙乙日甲年仁义之合。地支有寅巳乙月甲时相害。\r\n"},
        {0, "甲", "寅", "丙子 丙子 丙子 丙子", "★甲命对照乙命：天干无合。地支无刑冲害合。\r\n"},
        // Half triads need no middle member between two charts; the own
        // branch with two of the other's makes the whole triad.
        {0, "甲", "子", "庚申 壬辰 甲午 丙寅",
         "★甲命对照乙命：天干无合。地支有子申甲月乙年半三合水局，子辰甲月乙月半三合水局，子午甲月乙日相冲，"
         "子申辰甲月乙年乙月三合水局。\r\n"},
        {1, "己", "丑", "甲子 甲戌 丁未 甲子",
         "★乙命对照甲命：天干有己甲乙日甲年中正之合，己甲乙日甲月中正之合，己甲乙日甲时中正之合。"
         "地支有丑子乙月甲年六合，丑未乙月甲日相冲，丑子乙月甲时六合，丑戌未乙月甲月甲日恃势之刑。\r\n"},
    };
    auto index = [](const char* const* names, int n, const std::string& name) {
        for (int i = 0; i < n; ++i)
            if (name == names[i]) return i;
        return -1;
    };
    for (const Case& c : cases)
        EXPECT_EQ(couple::CrossChartRelations(c.which, index(sym::kStemNames, 10, c.dayStem),
                                              index(sym::kBranchNames, 12, c.monthBranch), Chart(c.other)),
                  c.line);
}

TEST(CoupleComparison, BonusAndCutAt99) {
    struct Case {
        float total;
        bool bonus;
        float index;
    } cases[] = {
        {104.3f, false, 99}, {99.7f, false, 99.7f}, {100, false, 99}, {89.5f, true, 99.5f}, {90, true, 99}, {60, true, 70},
    };
    for (const Case& c : cases) EXPECT_EQ(couple::FinalIndex(c.total, c.bonus), c.index) << c.total << " " << c.bonus;
}

namespace {

// Two like charts: all powers 100, yin and yang 100, 平和, 用 水 喜 木 忌 火 仇 土.
ChartData Even(int lifeNumber) {
    ChartData c = Chart("甲子 丙寅 戊辰 庚午");
    c = WithGods(c, 0, 1, 2, 3);
    for (int16_t& p : c.elementScore) p = 100;
    c.yinTotal = c.yangTotal = 100;
    c.strengthClass = 3;
    c.lifeNumber = static_cast<int16_t>(lifeNumber);
    return c;
}

const char* const kEvenLines =
    "☆乙命对甲命有50％的补益作用力，甲命对乙命有50％的补益作用力。\r\n"
    "☆双方喜用神互相生助，有共同点，容易相处。\r\n"
    "☆双方八字交会后，五行平衡性为100％。\r\n"
    "☆双方八字交会后，阴阳平衡性为100％。\r\n"
    "☆甲乙命日元搭配，趋向于平和，相处和谐。\r\n"
    "☆甲乙命生年无害，可以交往！\r\n"
    "☆甲命白羊座，乙命白羊座，较为和谐的一对。\r\n";
const char* const kEvenEnd =
    "★甲命对照乙命：天干无合。地支有寅午甲月乙时半三合火局。\r\n"
    "★乙命对照甲命：天干无合。地支有寅午乙月甲时半三合火局。\r\n"
    "\r\n※提示：指数有在60分以上，双方可以交往，喜配良缘的机会大。80分以上者，如能婚配真是天生的一对。※\r\n";

}  // namespace

TEST(CoupleComparison, WholeSection) {
    // 17.5 + 25 + 15 + 10 + 0 + 4 + 2, and 2 for the birthday codes of a
    // man 2 and a woman 7; the nine stars are silent (the woman's 甲子 of
    // 上元 is star 5).
    couple::Comparison c = couple::CompareCharts(Even(2), true, Even(7), false, false);
    EXPECT_FLOAT_EQ(c.index, 75.5f);
    EXPECT_EQ(c.section, std::string("婚姻配对分析：\r\n        婚配指数：75分\r\n") + kEvenLines +
                             "☆男命生日密码：2，女命生日密码：7，天生的一对，完美的绝配。\r\n" + kEvenEnd);

    // 乙命 the man: his code comes first.
    c = couple::CompareCharts(Even(2), false, Even(7), true, true);
    EXPECT_FLOAT_EQ(c.index, 83.5f);
    EXPECT_EQ(c.section, std::string("婚姻配对分析：\r\n        婚配指数：83分\r\n") + kEvenLines +
                             "☆男命生日密码：7，女命生日密码：2，两人不适合在一起，没有姻缘。\r\n" + kEvenEnd);

    // Two persons of the same sex: no nine stars and no birthday codes.
    c = couple::CompareCharts(Even(2), true, Even(7), true, false);
    EXPECT_FLOAT_EQ(c.index, 73.5f);
    EXPECT_EQ(c.section, std::string("婚姻配对分析：\r\n        婚配指数：73分\r\n") + kEvenLines + kEvenEnd);
}

TEST(CoupleComparison, IndexAloneIsTheSectionsIndex) {
    struct Case {
        int lifeA, lifeB;
        bool maleA, maleB, bonus;
    } cases[] = {
        {2, 7, true, false, false}, {2, 7, false, true, true}, {2, 7, true, true, false}, {9, 9, false, true, false},
    };
    for (const Case& k : cases) {
        ChartData a = Even(k.lifeA), b = Even(k.lifeB);
        EXPECT_EQ(couple::MarriageIndex(a, k.maleA, b, k.maleB, k.bonus),
                  couple::CompareCharts(a, k.maleA, b, k.maleB, k.bonus).index)
            << k.lifeA << k.lifeB << k.maleA << k.maleB << k.bonus;
    }
}
