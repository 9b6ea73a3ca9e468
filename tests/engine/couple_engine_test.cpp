// The engine entry points: settings read at each computation, the report
// assembly, the recomputation with the user's useful gods, failures.
#include <gtest/gtest.h>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "tests/engine/engine_test_support.h"

namespace {

class CoupleEngineTest : public ProgramFolderTest {
protected:
    BirthData a_ = Birth(0, true, 1985, 7, 16, 10, 30);
    BirthData b_ = Birth(1, false, 1987, 2, 4, 23, 30);
};

constexpr const char* kClosing =
    "※软件开发商:澄岚周易软件(https://example.org/marivo)※\r\n"
    "☆以上批语仅供参考，须知人生命运妙在阴阳五行的无穷变化☆";

TEST_F(CoupleEngineTest, ReportIsBothChartsTheComparisonAndTheReadings) {
    CBaZiEx engine(Folder(), StandardReadings());
    engine.showReport = 0;
    ASSERT_TRUE(engine.ComputeCouple(a_, b_));
    CBaZiExProbe probe(engine);
    const std::string& r = engine.report;
    EXPECT_EQ(r.rfind(probe.ChartText(0), 0), 0u);
    EXPECT_EQ(probe.ChartText(0).rfind("甲命八字：\r\n", 0), 0u);
    EXPECT_EQ(probe.ChartText(1).rfind("乙命八字：\r\n", 0), 0u);
    std::size_t second = r.find(probe.ChartText(1));
    std::size_t comparison = r.find("婚姻配对分析：\r\n");
    std::size_t separator = r.find(std::string(71, '-') + "\r\n");
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(second, comparison);
    EXPECT_LT(comparison, separator);
    EXPECT_EQ(r.substr(r.size() - std::string(kClosing).size()), kClosing);
    // The header text of a chart ends with its ☆年命 line, without a line end.
    EXPECT_EQ(probe.ChartText(1).substr(probe.ChartText(1).rfind("☆年命")),
              "☆年命：炉中火(下元)  星座：宝瓶座  生肖：兔");
}

TEST_F(CoupleEngineTest, ClosingTextIsAppendedOnlyWhenAskedFor) {
    struct Case {
        const char* setting;
        const char* file;  // nullptr: no dat/EndInfo.txt
        std::string tail;
    } cases[] = {
        {"endinfo=0", "第一行\r\n第二行\r\n", kClosing},
        {"endinfo=1", "第一行\r\n第二行\r\n", std::string(kClosing) + "第一行\r\n第二行\r\n"},
        {"endinfo=1", "单行无换行", std::string(kClosing) + "单行无换行\r\n"},
        {"endinfo=1", "", kClosing},
        {"endinfo=1", nullptr, kClosing},
    };
    for (const Case& c : cases) {
        Settings(c.setting);
        std::filesystem::remove(Folder() + "dat/EndInfo.txt");
        if (c.file) WriteDat("EndInfo.txt", c.file);
        CBaZiEx engine(Folder(), StandardReadings());
        engine.showReport = 0;
        ASSERT_TRUE(engine.ComputeCouple(a_, b_));
        const std::string& r = engine.report;
        ASSERT_GE(r.size(), c.tail.size());
        EXPECT_EQ(r.substr(r.size() - c.tail.size()), c.tail) << c.setting << " " << (c.file ? c.file : "none");
    }
}

TEST_F(CoupleEngineTest, SettingsAreReadAtEveryComputation) {
    CBaZiEx engine(Folder(), StandardReadings());  // no settings file: the defaults
    engine.showReport = 0;
    ASSERT_TRUE(engine.ComputeCouple(a_, b_));
    EXPECT_FALSE(engine.PromptSaveSetting());
    EXPECT_NE(engine.report.find("乾造  乙丑        癸未"), std::string::npos);
    Settings("save=1\r\npai=1");
    ASSERT_TRUE(engine.ComputeCouple(a_, b_));
    EXPECT_TRUE(engine.PromptSaveSetting());
    EXPECT_NE(engine.report.find("乾造  乙          癸"), std::string::npos);
}

TEST_F(CoupleEngineTest, LastPillarsAreThoseOfTheSecondPerson) {
    CBaZiEx engine(Folder(), StandardReadings());
    ASSERT_TRUE(engine.ComputeCouple(a_, b_));
    uint8_t p[4];
    engine.LastPillars(p);
    EXPECT_EQ(sym::PillarName(p[0]) + sym::PillarName(p[1]) + sym::PillarName(p[2]) + sym::PillarName(p[3]),
              "丁卯壬寅乙酉丙子");
    // Two persons of the same sex are computed all the same.
    BirthData man = Birth(1, true, 1987, 2, 4, 23, 30);
    EXPECT_TRUE(engine.ComputeCouple(a_, man));
}

TEST_F(CoupleEngineTest, RecomputationKeepsBothChartTextsAndTakesTheUsersGods) {
    CBaZiEx engine(Folder(), StandardReadings());
    engine.showReport = 0;
    ASSERT_TRUE(engine.ComputeCouple(a_, b_));
    CBaZiExProbe probe(engine);
    const std::string textA = probe.ChartText(0), textB = probe.ChartText(1);
    const ChartData before = engine.Chart(0);

    UsefulGodSettings sa, sb;
    engine.ReadUsefulGodSettings(sa, sb);
    EXPECT_EQ(sa.dayStem, sym::StemOf(before.dayPillar));
    EXPECT_EQ(sa.strengthClass, before.strengthClass);
    for (int t = 0; t < 10; ++t) EXPECT_EQ(sa.score[t], before.godScore[t]);
    const int16_t groups[5] = {3, 2, 0, 4, 1};  // 官杀 useful, 财星 favourable
    std::copy(std::begin(groups), std::end(groups), sa.group);
    sa.strengthClass = 5;
    engine.RecomputeWithSettings(sa, sb);

    const std::string& r = engine.report;
    EXPECT_EQ(probe.ChartText(0), textA);
    EXPECT_EQ(probe.ChartText(1), textB);
    EXPECT_EQ(r.rfind(textA, 0), 0u);
    std::size_t second = r.find(textB);
    ASSERT_NE(second, std::string::npos);
    const std::string analysisA = r.substr(textA.size(), second - textA.size());
    EXPECT_NE(analysisA.find("日元太旺，"), std::string::npos) << analysisA;
    EXPECT_NE(analysisA.find("(官杀、财星)"), std::string::npos) << analysisA;
    EXPECT_NE(r.find("婚姻配对分析："), std::string::npos);
    EXPECT_NE(r.find(kClosing), std::string::npos);

    const ChartData& after = engine.Chart(0);
    EXPECT_EQ(after.dayPillar, before.dayPillar);
    EXPECT_EQ(after.strengthClass, 5);
    const int dayElement = sym::kStemElement[sym::StemOf(before.dayPillar)];
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(after.godGroups[i], groups[i]);
        EXPECT_EQ(after.gods[i], (dayElement + groups[i]) % 5);
    }
}

TEST_F(CoupleEngineTest, UsersFollowingClassesGetTheMatchingGrade) {
    // 从旺 is an extremely strong day master and 从弱 an extremely weak one:
    // the readings that go by the grade must see them that way.
    CBaZiEx engine(Folder(), StandardReadings());
    engine.showReport = 0;
    ASSERT_TRUE(engine.ComputeCouple(a_, b_));
    UsefulGodSettings sa, sb;
    engine.ReadUsefulGodSettings(sa, sb);
    struct Case { uint8_t strengthClass, grade; };
    for (Case c : {Case{0, 6}, Case{1, 1}, Case{3, 3}, Case{5, 5}, Case{6, 0}}) {
        sa.strengthClass = sb.strengthClass = c.strengthClass;
        engine.RecomputeWithSettings(sa, sb);
        for (int person = 0; person < 2; ++person) {
            EXPECT_EQ(engine.Chart(person).strengthClass, c.strengthClass);
            EXPECT_EQ(engine.Chart(person).strengthGrade, c.grade) << "class " << int(c.strengthClass);
        }
    }
}

TEST_F(CoupleEngineTest, FailureOfTheSecondPersonAfterAGoodFirst) {
    CBaZiEx engine(Folder(), StandardReadings());
    ASSERT_TRUE(engine.ComputeCouple(a_, b_));
    const std::string view = engine.viewText;
    BirthData newA = Birth(0, true, 1990, 3, 3, 3, 3);
    BirthData badB = Birth(1, false, 1990, 2, 30, 12, 0);
    EXPECT_FALSE(engine.ComputeCouple(newA, badB));
    EXPECT_EQ(engine.errorText, "不存在这个日期");
    EXPECT_EQ(engine.viewText, view);  // nothing written to the view
    EXPECT_EQ(sym::PillarName(engine.Chart(0).yearPillar), "庚午");  // the new 甲命 is stored

    // Without a good couple there is nothing to recompute.
    engine.showReport = 0;
    engine.report = "不变";
    UsefulGodSettings sa{}, sb{};
    engine.RecomputeWithSettings(sa, sb);
    EXPECT_EQ(engine.report, "不变");
}

}  // namespace
