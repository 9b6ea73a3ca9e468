// The styling of the report view found by marker texts, counted as a GBK
// text control counts, and the content of the chart picture.
#include <gtest/gtest.h>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "engine/chart/report_style.h"
#include "tests/engine/engine_test_support.h"

namespace {

// The characters of the text that a span covers.
std::u32string Covered(const std::string& utf8, const StyleSpan& span) {
    std::u32string text;
    for (std::size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        int n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (utf8[i + k] & 0x3F);
        text += cp;
        i += n;
    }
    return text.substr(span.start, span.length);
}

std::u32string U32(const std::string& utf8) { return Covered(utf8, StyleSpan{0, 1 << 30}); }

// A report of the engine's shape. The name ends in "造  " before position
// 80, where the search for the pillar line begins.
const std::string kChartA =
    "甲命八字：\r\n命主姓名:某造  出生地:未知。\r\n出生公历：2000年1月1日12时0分(北京时间)，星期六。\r\n"
    "出生农历：己卯年 十一月 廿五日 午时。\r\n\r\n      比\r\n乾造  己卯        丙子\r\n藏干  乙\r\n\r\n"
    "☆胎元：丁卯(炉中火)  命宫：乙酉(泉中水)\r\n☆年命：城墙土(下元)\r\n\r\n";
const std::string kChartB =
    "乙命八字：\r\n命主姓名:乙某  出生地:未知。\r\n坤造  庚午\r\n藏干  己丁\r\n\r\n☆胎元：己巳(大林木)\r\n\r\n";
const std::string kRest =
    "婚姻配对分析：\r\n        婚配指数：87分\r\n☆双方\r\n"
    "-----------------------------------------------------------------------\r\n"
    "甲命性格特征：(测个人)\r\n  ★甲\r\n甲命婚姻择偶：(测婚姻)\r\n  ★甲婚\r\n"
    "乙命性格特征：(测个人)\r\n  ★乙\r\n乙命婚姻择偶：(测婚姻)\r\n  ★乙婚\r\n"
    "※软件开发商:澄岚周易软件(https://example.org/marivo)※\r\n☆以上☆";

TEST(ReportStyleTest, EveryStepOnAFullReport) {
    const std::string report = kChartA + kChartB + kRest;
    const std::vector<StyleSpan> spans = ReportStyleSpans(report);
    using C = SpanColour;
    struct Expected {
        std::string text;  // what the span covers
        bool hasSize;
        int sizeDelta;
        SpanColour colour;
        bool hasBold;
    } expected[] = {
        {"甲命八字：", true, 0, C::Blue, true},
        {"乾造  己卯        丙子\r\n", false, 0, C::Red, false},
        // the search position reaches into the first byte of "乙", which counts whole
        {"☆胎元：丁卯(炉中火)  命宫：乙酉(泉中水)\r\n☆年命：城墙土(下元)\r\n\r\n乙", true, -1, C::Default, false},
        {kChartB, false, 0, C::Green, false},
        {"乙命八字：", true, 0, C::Blue, true},
        {"坤造  庚午\r\n", false, 0, C::Blue, false},
        {"☆胎元：己巳(大林木)\r\n\r\n", true, -1, C::Default, false},
        {"婚姻配对分析：\r\n        婚配指数：87分\r\n☆双方\r\n", true, -1, C::Blue, false},
        {"婚姻配对分析：", true, 0, C::Blue, true},
        {"婚配指数：87分", true, 4, C::Red, true},
        {"甲命性格特征：(测个人)\r\n  ★甲\r\n甲命婚姻择偶：(测婚姻)\r\n  ★甲婚\r\n", true, -1, C::Black, false},
        {"甲命性格特征：(测个人)", true, -1, C::Black, true},
        {"甲命婚姻择偶：(测婚姻)", true, -1, C::Black, true},
        {"乙命性格特征：(测个人)\r\n  ★乙\r\n乙命婚姻择偶：(测婚姻)\r\n  ★乙婚\r\n", true, -1, C::Green, false},
        {"乙命性格特征：(测个人)", true, -1, C::Green, true},
        {"乙命婚姻择偶：(测婚姻)", true, -1, C::Green, true},
    };
    ASSERT_EQ(spans.size(), std::size(expected));
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Expected& e = expected[i];
        EXPECT_TRUE(Covered(report, spans[i]) == U32(e.text)) << "span " << i;
        EXPECT_EQ(spans[i].hasSize, e.hasSize) << "span " << i;
        if (e.hasSize) {
            EXPECT_EQ(spans[i].sizeDelta, e.sizeDelta) << "span " << i;
        }
        EXPECT_EQ(spans[i].colour, e.colour) << "span " << i;
        EXPECT_EQ(spans[i].hasBold, e.hasBold) << "span " << i;
        EXPECT_EQ(spans[i].bold, e.hasBold) << "span " << i;
    }
}

TEST(ReportStyleTest, StepsWhoseMarkersAreMissingAreSkipped) {
    struct Case {
        std::string report;
        std::size_t spans;
    } cases[] = {
        {"", 0},
        {kChartA, 2},                       // no 乙命: heading and pillar block only
        {kChartA + kChartB, 5},             // no comparison: 乙命's green block needs its end marker
        {kChartA + kChartB + kRest.substr(0, kRest.find("甲命性格")), 10},  // no readings
    };
    for (const Case& c : cases) {
        std::vector<StyleSpan> spans = ReportStyleSpans(c.report);
        EXPECT_EQ(spans.size(), c.spans) << c.report.size();
        for (const StyleSpan& s : spans) EXPECT_GT(s.length, 0);
    }
}

class ReportViewTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        Settings("leftpos=24");
    }
    bool Compute(CBaZiEx& engine) {
        BirthData a = Birth(0, true, 1980, 5, 6, 8, 0), b = Birth(1, false, 1982, 9, 9, 16, 45);
        return engine.ComputeCouple(a, b);
    }
};

TEST_F(ReportViewTest, TheViewTakesTheReportWithItsSpans) {
    CBaZiEx quiet(Folder(), StandardReadings());
    quiet.showReport = 0;
    ASSERT_TRUE(Compute(quiet));
    CBaZiEx shown(Folder(), StandardReadings());
    ASSERT_TRUE(Compute(shown));
    EXPECT_EQ(shown.viewText, quiet.report);  // character for character
    EXPECT_TRUE(shown.report.empty());
    EXPECT_EQ(shown.viewLeftIndent, 24);
    EXPECT_EQ(shown.viewSpans.size(), ReportStyleSpans(quiet.report).size());
    EXPECT_GE(shown.viewSpans.size(), 10u);  // both charts and the comparison at least
}

TEST_F(ReportViewTest, AStoredReportStaysInTheViewButThePictureIsPainted) {
    CBaZiEx engine(Folder(), StandardReadings());
    engine.showReport = 0;
    engine.viewText = "已存的报告";
    ASSERT_TRUE(Compute(engine));
    EXPECT_EQ(engine.viewText, "已存的报告");
    EXPECT_TRUE(engine.viewSpans.empty());
    EXPECT_FALSE(engine.report.empty());
    EXPECT_TRUE(engine.picture.valid);
}

TEST_F(ReportViewTest, PictureShowsBothPersonsAndTheTruncatedIndex) {
    CBaZiEx engine(Folder(), StandardReadings());
    engine.showReport = 0;
    ASSERT_TRUE(Compute(engine));
    const ChartPicture& p = engine.picture;
    EXPECT_EQ(p.sexWord[0], "乾造");
    EXPECT_EQ(p.sexWord[1], "坤造");
    EXPECT_EQ(p.pillars[0][0], "庚申");  // 1980
    EXPECT_EQ(p.pillars[1][0], "壬戌");  // 1982
    EXPECT_EQ(p.pillars[1][3], sym::PillarName(engine.Chart(1).hourPillar));
    EXPECT_EQ(p.marriageIndex, static_cast<int>(engine.MarriageIndex()));
    CBaZiExProbe probe(engine);
    for (auto [index, shownIndex] : {std::pair{87.9f, 87}, std::pair{99.7f, 99}, std::pair{0.4f, 0}}) {
        probe.DrawPicture(index);
        EXPECT_EQ(p.marriageIndex, shownIndex) << index;
    }
}

}  // namespace
