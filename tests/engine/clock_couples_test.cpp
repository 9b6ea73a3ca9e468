// Whole couples born on summer or foreign-zone clocks: with the clock
// setting on, the entered clock time gives the same charts and readings as
// the same couple entered in standard time with the setting off.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "engine/chart/CBaZiEx.h"
#include "reading/standard_readings.h"
#include "tests/engine/engine_test_support.h"

namespace {

BirthData At(BirthData b, int province, int hour, int minute) {
    b.province = static_cast<int16_t>(province);
    b.hour = static_cast<int16_t>(hour);
    b.minute = static_cast<int16_t>(minute);
    return b;
}

// The report without its birth-time lines (the entered times differ) and
// without the clock note.
std::string WithoutBirthTimes(const std::string& report) {
    std::istringstream in(report);
    std::string line, out;
    while (std::getline(in, line))
        if (line.rfind("出生公历：", 0) != 0 && line.rfind("（当时", 0) != 0) out += line + "\n";
    return out;
}

struct Couple {
    const char* what;
    const char* settings;
    BirthData clockA, clockB;        // as the birth certificates give them
    BirthData standardA, standardB;  // the same births in standard time of 120° E
    const char* hourA;               // hour pillar of 甲命 with the setting on
    const char* hourAOff;            // and with it off (the clock time taken as standard time)
};

std::vector<Couple> Couples() {
    const BirthData a = WithPlace(Birth(0, true, 1988, 6, 20, 0, 0), "夏生", "上海市-上海", 121.4667f, 31.2333f);
    const BirthData b = Birth(1, false, 1990, 8, 3, 0, 0);
    const BirthData hk = WithPlace(Birth(0, true, 1975, 7, 1, 0, 0), "港生", "香港-香港", 114.1667f, 22.3f);
    const BirthData tw = WithPlace(Birth(1, false, 1974, 6, 1, 0, 0), "台生", "台湾省-台北市", 121.5f, 25.05f);
    return {
        // 23:30 on the summer clock is 22:30: the 亥 hour of the same day,
        // not the 子 hour of the next.
        {"mainland summers", "", At(a, 9, 23, 30), At(b, 34, 9, 10), At(a, 9, 22, 30), At(b, 34, 8, 10), "己亥",
         "庚子"},
        // Hong Kong and Taipei summers, cast in true solar time afterwards.
        {"Hong Kong and Taipei", "idate=1\r\n", At(hk, 32, 9, 50), At(tw, 31, 7, 15), At(hk, 32, 8, 50),
         At(tw, 31, 6, 15), "丙辰", "丁巳"},
    };
}

class ClockCouplesTest : public ProgramFolderTest {};

TEST_F(ClockCouplesTest, ClockTimeOnEqualsStandardTimeOff) {
    for (Couple& c : Couples()) {
        Settings(c.settings);
        CBaZiEx on(Folder(), StandardReadings()), off(Folder(), StandardReadings());
        on.showReport = off.showReport = 0;
        off.localClockOverride = false;
        ASSERT_TRUE(on.ComputeCouple(c.clockA, c.clockB)) << c.what << ": " << on.errorText;
        ASSERT_TRUE(off.ComputeCouple(c.standardA, c.standardB)) << c.what << ": " << off.errorText;
        for (int k = 0; k < 2; ++k)
            EXPECT_EQ(std::memcmp(&on.Chart(k), &off.Chart(k), sizeof(ChartData)), 0) << c.what << " person " << k;
        EXPECT_EQ(on.MarriageIndex(), off.MarriageIndex()) << c.what;
        EXPECT_EQ(WithoutBirthTimes(on.report), WithoutBirthTimes(off.report)) << c.what;
        EXPECT_EQ(sym::PillarName(on.Chart(0).hourPillar), c.hourA) << c.what;

        CBaZiEx plain(Folder(), StandardReadings());
        plain.showReport = 0;
        plain.localClockOverride = false;
        ASSERT_TRUE(plain.ComputeCouple(c.clockA, c.clockB));
        EXPECT_EQ(sym::PillarName(plain.Chart(0).hourPillar), c.hourAOff) << c.what;
        EXPECT_EQ(plain.report.find("（当时"), std::string::npos) << c.what;
    }
}

TEST_F(ClockCouplesTest, BirthLinesKeepTheClockTimeAndSayWhatWasCast) {
    BirthData a = At(WithPlace(Birth(0, true, 1988, 6, 21, 0, 0), "夏生", "上海市-上海", 121.4667f, 31.2333f), 9, 0,
                     30);
    BirthData b = Birth(1, false, 1980, 1, 1, 12, 0);
    const char* note = "（当时实行夏令时，已按北京时间 1988年6月20日23时30分 排盘）\r\n";
    struct Case {
        const char* settings;
        std::string lines;
    } cases[] = {
        // The weekday is that of the clock date on the line (21 June 1988, a Tuesday).
        {"", std::string("出生公历：1988年6月21日0时30分(北京时间)，星期二。\r\n") + note},
        // With true solar time the note stands between the clock time and the solar time it leads to.
        {"idate=1\r\n", std::string("出生公历：1988年6月21日0时30分(北京时间)。\r\n") + note +
                            "出生公历：1988年6月20日23时35分(真太阳时)，星期一。\r\n"},
    };
    for (const Case& c : cases) {
        Settings(c.settings);
        CBaZiEx engine(Folder(), StandardReadings());
        engine.showReport = 0;
        ASSERT_TRUE(engine.ComputeCouple(a, b)) << engine.errorText;
        const std::size_t from = engine.report.find("出生公历："), to = engine.report.find("出生农历");
        EXPECT_EQ(engine.report.substr(from, to - from), c.lines) << c.settings;
        EXPECT_EQ(engine.Input(0).hour, 0);  // the case keeps the entered time
        EXPECT_EQ(engine.Moments(0).clockTime.day, 20);
        EXPECT_EQ(engine.Moments(0).clock.entered.day, 21);
    }
}

TEST_F(ClockCouplesTest, TheSettingFileKeyAndTheOverride) {
    BirthData a = Birth(0, true, 1988, 6, 20, 23, 30), b = Birth(1, false, 1980, 1, 1, 12, 0);
    struct Case {
        const char* settings;
        std::optional<bool> override;
        bool corrected;
    } cases[] = {
        {"", std::nullopt, true},
        {"localclock=0\r\n", std::nullopt, false},
        {"localclock=1\r\n", std::nullopt, true},
        {"localclock=1\r\n", false, false},
        {"localclock=0\r\n", true, true},
    };
    for (const Case& c : cases) {
        Settings(c.settings);
        CBaZiEx engine(Folder(), StandardReadings());
        engine.showReport = 0;
        engine.localClockOverride = c.override;
        ASSERT_TRUE(engine.ComputeCouple(a, b));
        EXPECT_EQ(engine.Moments(0).clockTime.hour, c.corrected ? 22 : 23) << c.settings;
        EXPECT_EQ(engine.report.find("（当时实行夏令时") != std::string::npos, c.corrected) << c.settings;
    }
}

TEST_F(ClockCouplesTest, SkippedClockTimeIsNotComputed) {
    Settings("");
    CBaZiEx engine(Folder(), StandardReadings());
    engine.showReport = 0;
    BirthData a = Birth(0, true, 1980, 1, 1, 12, 0), b = Birth(1, false, 1990, 4, 15, 2, 20);
    EXPECT_FALSE(engine.ComputeCouple(a, b));
    EXPECT_EQ(engine.errorText,
              "1990年4月15日2时20分这个钟表时间当时并不存在：那时开始实行夏令时，钟表拨快了1小时。请核对出生时间。");
    // The same clock time with the setting off is an ordinary standard time.
    engine.localClockOverride = false;
    EXPECT_TRUE(engine.ComputeCouple(a, b));
}

TEST_F(ClockCouplesTest, RepeatedClockTimeIsTheFirstAndTheReportNamesTheOther) {
    Settings("");
    CBaZiEx engine(Folder(), StandardReadings());
    engine.showReport = 0;
    BirthData a = Birth(0, true, 1989, 9, 17, 1, 40), b = Birth(1, false, 1980, 1, 1, 12, 0);
    ASSERT_TRUE(engine.ComputeCouple(a, b));
    EXPECT_EQ(engine.Moments(0).clockTime.hour, 0);
    EXPECT_NE(engine.report.find("（当时实行夏令时，已按北京时间 0时40分 排盘；这个钟表时间当时出现了两次，以上按第一次，"
                                 "若是第二次，北京时间晚1小时，为 1时40分）\r\n"),
              std::string::npos);
}

}  // namespace
