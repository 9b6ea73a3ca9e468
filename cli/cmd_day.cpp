// marivo-cli day: one calendar day as readable Chinese text — its lunar date,
// weekday, the two solar terms of its month and the four pillars of a moment.
#include <cstdio>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "engine/pillars.h"
#include "engine/symbols.h"
#include "engine/term_names.h"

namespace {

constexpr const char* kUsage = "day YYYY-MM-DD [HH:MM] [--lunar [--leap]]";

std::string TermLine(const CYiDate& cal, const CalDate& date) {
    std::string line = "节气：";
    for (int which : {1, 0}) {
        CalDate when;
        int number = cal.SolarTermOfMonth(date.year, date.month, which, when);
        char text[96];
        std::snprintf(text, sizeof text, "%s%s %s%d时%d分", which == 1 ? "" : "，",
                      kSolarTermNames[which == 1 ? 2 * number - 1 : 2 * number], ChineseDate(when).c_str(),
                      when.hour, when.minute);
        line += text;
    }
    return line;
}

struct DayOptions {
    std::string dateText, timeText;
    bool lunarInput = false, leap = false;
};

int RunDay(const DayOptions& o) {
    CYiDate cal;
    const std::string &dateText = o.dateText, &timeText = o.timeText;
    const bool lunarInput = o.lunarInput, leap = o.leap;
    if (dateText.empty() || (leap && !lunarInput)) return UsageExit(kUsage);

    CalDate solar;
    std::string message;
    if (lunarInput) {
        CalDate lunar;
        if (!ParseDateFields(dateText, lunar)) return ErrorExit(2, "不存在这个日期,请重新输入！");
        if (!cal.LunarToSolar(lunar, solar, leap, message)) return ErrorExit(2, message);
        if (!cal.IsValidSolarDate(solar)) return ErrorExit(2, "时间越界，年份在-850到2100之间");
    } else if (!ParseSolarDate(cal, dateText, solar, message)) {
        return ErrorExit(2, message);
    }
    solar.hour = 12, solar.minute = 0;
    if (!timeText.empty() && !ParseTime(timeText, solar)) return ErrorExit(2, "不存在这个时间");

    CalDate lunar;
    bool isLeap = cal.SolarToLunar(solar, lunar);
    FourPillars p = PillarsOf(cal, solar, solar, false);
    std::printf("公历：%s %02d:%02d 星期%s\n", ChineseDate(solar).c_str(), solar.hour, solar.minute,
                sym::kWeekdayNames[cal.Weekday(solar)]);
    std::printf("农历：%d年%s\n", DisplayYear(lunar.year), LunarMonthDayText(cal, lunar, isLeap).c_str());
    std::printf("%s\n", TermLine(cal, solar).c_str());
    std::printf("四柱：%s年 %s月 %s日 %s时\n", sym::PillarName(p.year).c_str(), sym::PillarName(p.month).c_str(),
                sym::PillarName(p.day).c_str(), sym::PillarName(p.hour).c_str());
    return 0;
}

CommandRun DefineDay(CLI::App& command) {
    auto o = std::make_shared<DayOptions>();
    command.add_option("date", o->dateText, "公历日期（公元前的年份写负数，如 -120-03-01）")->type_name("YYYY-MM-DD");
    command.add_option("time", o->timeText, "时刻，默认 12:00")->type_name("HH:MM");
    command.add_flag("--lunar", o->lunarInput, "日期是农历");
    command.add_flag("--leap", o->leap, "农历闰月（与 --lunar 一起用）");
    return [o] { return RunDay(*o); };
}

const CliRegistration reg{"day", kUsage, "一天的公历、农历、星期、当月两个节气和四柱", DefineDay};

}  // namespace
