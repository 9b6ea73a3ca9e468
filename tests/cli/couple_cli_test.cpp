// marivo-cli couple, run as a user runs it.
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"
#include "tests/common/temp_folder.h"

namespace {

CliRun Couple(const std::string& args) { return RunCli("couple " + args); }

const std::string kA = "--a 'name=张三,date=1985-07-16,time=10:30'";
const std::string kB = "--b 'name=李四,sex=女,date=1987-02-04,time=23:30'";

TEST(CoupleCommand, PrintsTheReportWithUnixLineEnds) {
    CliRun r = Couple(kA + " " + kB);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("甲命八字：\n命主姓名:张三  出生地:未知。\n出生公历：1985年7月16日10时30分(北京时间)，星期二。\n", 0),
              0u);
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_NE(r.out.find("\n乙命八字：\n命主姓名:李四"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("无穷变化☆\n"));
}

TEST(CoupleCommand, JsonCarriesTheIndexTheReportAndBothCharts) {
    CliRun r = Couple(kA + " " + kB + " --json");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("{\"marriageIndex\":", 0), 0u);
    for (const char* part : {"\"report\":\"甲命八字：\\n命主姓名:张三", "\"charts\":[{\"name\":\"张三\",\"male\":true,",
                             "\"pillars\":[2,20,53,30],\"lunar\":{\"year\":1985,\"month\":5,\"day\":29,\"leap\":false},"
                             "\"solarTime\":\"1985-07-16 10:30\",\"luckStartAge\":4,",
                             "\"zodiacSign\":3,\"era\":2,\"lifeNumber\":1,\"lifePalace\":18,\"fetalOrigin\":11,",
                             "{\"name\":\"李四\",\"male\":false,\"pillars\":[4,39,22,13]"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;
    EXPECT_TRUE(r.out.ends_with("}]}\n"));
}

TEST(CoupleCommand, SettingsComeFromTheProgramFolder) {
    TempFolder dir;
    std::filesystem::create_directories(dir.Path("dat"));
    std::ofstream(dir.Path("dat/bzinit.ini")) << "[set]\r\npai=1\r\nidate=2\r\n";
    CliRun r = Couple(kA + " " + kB + " --dir " + dir.Root().string());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("出生地:未知,经度:120度0分,纬度:30度0分。\n"), std::string::npos);
    EXPECT_NE(r.out.find("乾造  乙          癸          丙          癸 (日空子、丑)\n"), std::string::npos);
}

// A summer-time birth on the mainland and one on a Hong Kong summer clock.
const std::string kSummerA = "--a 'name=夏生,date=1988-06-20,time=23:30'";
const std::string kSummerB = "--b 'name=港生,sex=女,date=1975-07-01,time=09:50,place=香港-中西区'";

TEST(CoupleCommand, ClockTimesAreReadInTheBirthplacesZone) {
    CliRun r = Couple(kSummerA + " " + kSummerB + " --json");
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* part : {
             "\"clock\":{\"local\":true,\"zone\":\"Asia/Shanghai\",\"offsetMinutes\":540,\"summerTime\":true,"
             "\"repeated\":false,\"enteredTime\":\"1988-06-20 23:30\",\"standardTime\":\"1988-06-20 22:30\"}}",
             "\"clock\":{\"local\":true,\"zone\":\"Asia/Hong_Kong\",\"offsetMinutes\":540,\"summerTime\":true,"
             "\"repeated\":false,\"enteredTime\":\"1975-07-01 09:50\",\"standardTime\":\"1975-07-01 08:50\"}}",
             "出生公历：1988年6月20日23时30分(北京时间)，星期一。\\n（当时实行夏令时，已按北京时间 22时30分 排盘）\\n"})
        EXPECT_NE(r.out.find(part), std::string::npos) << part;

    CliRun standard = Couple(kSummerA + " " + kSummerB + " --json --clock standard");
    ASSERT_EQ(standard.status, 0) << standard.err;
    EXPECT_NE(standard.out.find("\"clock\":{\"local\":false,\"zone\":\"Asia/Shanghai\",\"offsetMinutes\":480,"
                                "\"summerTime\":false,\"repeated\":false,\"enteredTime\":\"1988-06-20 23:30\","
                                "\"standardTime\":\"1988-06-20 23:30\"}}"),
              std::string::npos);
    EXPECT_EQ(standard.out.find("（当时"), std::string::npos);
}

TEST(CoupleCommand, ClockOptionWinsOverTheSettingsFile) {
    TempFolder dir;
    std::filesystem::create_directories(dir.Path("dat"));
    std::ofstream(dir.Path("dat/bzinit.ini")) << "[set]\r\nlocalclock=0\r\n";
    std::filesystem::copy_file(std::string(MARIVO_SOURCE_DIR) + "/dat/dili.ini", dir.Path("dat/dili.ini"));
    const std::string base = kSummerA + " " + kSummerB + " --dir " + dir.Root().string();
    EXPECT_EQ(Couple(base).out.find("（当时实行夏令时"), std::string::npos);
    EXPECT_NE(Couple(base + " --clock local").out.find("（当时实行夏令时"), std::string::npos);
}

TEST(CoupleCommand, PlaceIsOneOfThePlaceFile) {
    CliRun r = Couple("--a 'name=张三,date=1985-07-16,time=10:30,place=福建省-福州市' " + kB);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("命主姓名:张三  出生地:福建省-福州市。"), std::string::npos) << r.out.substr(0, 200);
}

TEST(CoupleCommand, BadInputSaysWhatIsWrong) {
    struct Case {
        std::string args;
        const char* message;
    } cases[] = {
        {kA + " --b 'date=1987-02-04,time=23:30,foo=1'", "--b: 没有这个键 \"foo\"\n"},
        {"--a 'date=1985-13-01,time=10:30' " + kB, "不存在这个日期\n"},
        {"--a 'date=0-01-01,time=10:30' " + kB, "--a: 无效的 date \"0-01-01\"\n"},
        {"--a 'date=1985-01-01,time=24:00' " + kB, "--a: 无效的 time \"24:00\"\n"},
        {"--a 'date=1985-01-01,time=10:00,sex=m' " + kB, "--a: 无效的 sex \"m\"\n"},
        {"--a 'date=1985-01-01,time=10:00,lon=east' " + kB, "--a: 无效的 lon \"east\"\n"},
        {"--a 'time=10:00' " + kB, "--a: 缺少键 \"date\"\n"},
        {"--a 'date=2001-05-01,time=1:00,cal=农历,leap=1' " + kB, "此年没有闰5月,请重新确定月份！\n"},
        {kA, "用法：marivo-cli couple --a SPEC --b SPEC [--json] [--clock local|standard] [--dir PROGRAM_FOLDER]\n"},
        {kA + " " + kB + " --clock summer",
         "用法：marivo-cli couple --a SPEC --b SPEC [--json] [--clock local|standard] [--dir PROGRAM_FOLDER]\n"},
        {"--a 'date=1988-04-17,time=02:30' " + kB,
         "1988年4月17日2时30分这个钟表时间当时并不存在：那时开始实行夏令时，钟表拨快了1小时。请核对出生时间。\n"},
        // Names are stored as GBK: a character it lacks is refused, never turned into "?".
        {"--a 'name=김철수,date=1985-01-01,time=10:00' " + kB, "--a: 无效的 name \"김철수\"\n"},
        {"--a 'date=1985-01-01,time=10:00,place=火星-基地' " + kB, "--a: 无效的 place \"火星-基地\"\n"},
        {"--a 'date=1985-01-01,time=10:00,place=福建省-月球' " + kB, "--a: 无效的 place \"福建省-月球\"\n"},
        {kA + " " + kB + " --dir /nonexistent", "couple: /nonexistent 不是程序文件夹（其中没有 dat 文件夹）\n"},
    };
    for (const Case& c : cases) {
        CliRun r = Couple(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.err, c.message) << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args;
    }
}

}  // namespace
