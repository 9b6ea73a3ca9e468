// The calendar commands of marivo-cli, run as a user runs them.
#include <string>

#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace {

// Runs marivo-cli with `args`, its messages joined to its output.
CliRun Cli(const std::string& args) { return RunCli(args, StdErr::JoinedToOut); }

}  // namespace

TEST(CalendarCommands, DayShowsLunarDateTermsAndPillars) {
    CliRun r = Cli("day 2000-02-04 20:40");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "公历：2000年2月4日 20:40 星期五\n"
              "农历：1999年十二月廿九\n"
              "节气：立春 2000年2月4日20时40分，雨水 2000年2月19日16时33分\n"
              "四柱：庚辰年 戊寅月 壬辰日 庚戌时\n");
    EXPECT_NE(Cli("day 2001-04-01 --lunar --leap").out.find("农历：2001年闰四月初一"), std::string::npos);
    EXPECT_NE(Cli("day -1-12-31").out.find("公历：-1年12月31日"), std::string::npos);
}

TEST(CalendarCommands, DayReadsATimeOnTheSummerClock) {
    const char* day = "公历：1988年6月20日 23:30 星期一\n";
    const char* rest = "农历：1988年五月初七\n节气：芒种 1988年6月5日19时15分，夏至 1988年6月21日11时57分\n";
    // On the summer clock 23:30 is 22:30, the 亥 hour; as standard time it is the next day's 子 hour.
    EXPECT_EQ(Cli("day 1988-06-20 23:30 --clock local").out,
              std::string(day) + "（当时实行夏令时，已按北京时间 22时30分 排盘）\n" + rest + "四柱：戊辰年 戊午月 丙午日 己亥时\n");
    EXPECT_EQ(Cli("day 1988-06-20 23:30 --clock standard").out,
              std::string(day) + rest + "四柱：戊辰年 戊午月 丁未日 庚子时\n");
    CliRun skipped = Cli("day 1988-04-17 02:30 --clock local");
    EXPECT_EQ(skipped.status, 2);
    EXPECT_EQ(skipped.out, "1988年4月17日2时30分这个钟表时间当时并不存在：那时开始实行夏令时，钟表拨快了1小时。请核对出生时间。\n");
    EXPECT_EQ(Cli("day 1988-04-17 02:30 --clock standard").status, 0);
    EXPECT_EQ(Cli("day 1988-06-20 --clock summer").status, 2);
}

TEST(CalendarCommands, DaysListsOneJsonObjectPerDay) {
    CliRun r = Cli("days 1984-02-04 1984-02-05 --time 23:30 --json");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "{\"date\":\"1984-02-04\",\"lunar\":{\"year\":1984,\"month\":1,\"day\":3,\"leap\":false},"
              "\"pillars\":[1,3,6,1]}\n"
              "{\"date\":\"1984-02-05\",\"lunar\":{\"year\":1984,\"month\":1,\"day\":4,\"leap\":false},"
              "\"pillars\":[1,3,7,13]}\n");
    // Astronomical years in JSON: 1 BC is year 0.
    EXPECT_EQ(Cli("days -1-03-01 -1-03-01 --json").out.rfind("{\"date\":\"0000-03-01\"", 0), 0u);
}

TEST(CalendarCommands, TermsOfAYear) {
    CliRun r = Cli("terms 1984 --json");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("[{\"name\":\"小寒\",\"moment\":\"1984-01-06 11:41\"},", 0), 0u);
    EXPECT_NE(r.out.find("{\"name\":\"立春\",\"moment\":\"1984-02-04 23:19\"}"), std::string::npos);
    EXPECT_NE(Cli("terms 2050").out.find("冬至 2050年12月22日 00:39"), std::string::npos);
}

TEST(CalendarCommands, InvalidInputGivesTheCalendarsMessage) {
    struct Case { const char* args; const char* message; };
    const Case cases[] = {
        {"day 2001-02-29", "不存在这个日期\n"},
        {"day 1582-10-10", "不存在1582-10-5到1582-10-14这10天时间。\n"},
        {"day 2101-01-01", "不存在这个日期\n"},
        {"day 0-01-01", "不存在这个日期\n"},
        {"day 2001-05-01 --lunar --leap", "此年没有闰5月,请重新确定月份！\n"},
        {"day 2000-03-30 --lunar", "不存在这个日期,请重新输入！\n"},
        {"day 2000-01-01 25:00", "不存在这个时间\n"},
        {"days 2000-01-02 2000-01-01 --json", "结束日期早于开始日期\n"},
        {"terms 0", "年份必须在-850到2100年之间，并且没有公元0年\n"},
    };
    for (const Case& c : cases) {
        CliRun r = Cli(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, c.message) << c.args;
    }
}

TEST(CalendarCommands, ReverseFindsTheFirstMomentOfFourPillars) {
    struct Case { const char* args; int status; const char* out; };
    const Case cases[] = {
        {"reverse 甲子 丙寅 戊午 壬子 --from 1900", 0, "1924-02-09 00:05\n"},
        {"reverse 甲子 丙寅 戊午 壬子 --from -120", 0, "-0117-02-26 00:05\n"},
        // a moment of the 1988 summer time, with the clock time of then
        {"reverse 戊辰 戊午 丁巳 乙巳 --from 1988", 0, "1988-07-01 10:05 夏令时钟表 1988-07-01 11:05\n"},
        // the default start year is 1950; the only matches lie before it
        {"reverse 甲子 丙寅 戊午 壬子", 1, "没有符合的八字，改变起始年反推，或许可以找到。\n"},
        {"reverse 甲丑 戊寅 戊午 壬子", 2, "不存在这个年柱！\n"},
        {"reverse 甲子 戊寅 戊丑 壬子", 2, "不存在这个月柱！\n"},
        {"reverse 甲子 丙寅 戊午 甲子", 2, "不存在这个时柱！\n"},
        {"reverse 甲子 丙寅 戊午 壬子 --from 0", 2,
         "起始年必须在-850到2100年之间，并且没有公元0年\n注意：公元前用负数，比如公元前120年，就输入-120\n"},
        // −900 passes the first check, so the pillars are looked at first
        {"reverse 甲子 丙寅 戊丑 壬子 --from -900", 2, "不存在这个日柱！\n"},
        {"reverse 甲子 丙寅 戊午", 2, "用法：marivo-cli reverse 年柱 月柱 日柱 时柱 [--from YEAR] [--all]\n"},
    };
    for (const Case& c : cases) {
        CliRun r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args;
        EXPECT_EQ(r.out, c.out) << c.args;
    }
    CliRun all = Cli("reverse 甲子 丙寅 戊午 壬子 --all");
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out.substr(0, 17), "-0837-02-26 00:05");
    EXPECT_EQ(all.out.substr(all.out.size() - 17), "1924-02-09 00:05\n");
    // with a start year the listing begins there
    CliRun fromBc = Cli("reverse 甲子 丙寅 戊午 壬子 --all --from -120");
    EXPECT_EQ(fromBc.status, 0);
    EXPECT_EQ(fromBc.out.substr(0, 18), "-0117-02-26 00:05\n");
    EXPECT_EQ(Cli("reverse 甲子 丙寅 戊午 壬子 --all --from 1900").out, "1924-02-09 00:05\n");
    EXPECT_EQ(Cli("reverse 甲子 丙寅 戊午 壬子 --from 1925 --all").status, 1);
}
