// marivo-cli day: one calendar day as readable Chinese text — its lunar date,
// weekday, the two solar terms of its month and the four pillars of a moment.
#include <cstdio>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "engine/chart/pillars.h"
#include "engine/symbols/symbols.h"
#include "engine/calendar/term_names.h"

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

int RunDay(const Args& args) {
    CYiDate cal;
    std::string dateText, timeText;
    bool lunarInput = false, leap = false;
    for (const std::string& a : args) {
        if (a == "--lunar") lunarInput = true;
        else if (a == "--leap") leap = true;
        else if (dateText.empty()) dateText = a;
        else if (timeText.empty()) timeText = a;
        else return UsageExit(kUsage);
    }
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

const CliRegistration reg{"day", kUsage, RunDay};

}  // namespace
