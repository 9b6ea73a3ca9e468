// marivo-cli day: one calendar day as readable Chinese text — its lunar date,
// weekday, the two solar terms of its month and the four pillars of a moment.
// A time given is a clock time of the mainland's clocks (summer time
// deducted) or standard time of 120° E, as --clock or else the settings
// file's "localclock" says.
#include <cstdio>
#include <optional>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "engine/chart/pillars.h"
#include "engine/symbols/symbols.h"
#include "engine/calendar/term_names.h"
#include "engine/zones/birth_clock.h"
#include "engine/base/file_util.h"
#include "engine/base/ini_file.h"

namespace {

constexpr const char* kUsage = "day YYYY-MM-DD [HH:MM] [--lunar [--leap]] [--clock local|standard]";

bool LocalClockSetting() {
    const IniDocument ini = IniDocument::Load(fileutil::Join(fileutil::ProgramFolder(), "dat/bzinit.ini"));
    return ini.ReadBool("set", "localclock", true);
}

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
    std::optional<bool> localClock;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool local = false;
        if (a == "--lunar") lunarInput = true;
        else if (a == "--leap") leap = true;
        else if (a == "--clock" && i + 1 < args.size() && ParseClock(args[++i], local)) localClock = local;
        else if (a.rfind("--", 0) == 0) return UsageExit(kUsage);
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

    // The pillars of the moment in standard time; the day's lines stay those of the date given.
    BirthClock clock = UncorrectedClock(solar);
    if (!timeText.empty() && localClock.value_or(LocalClockSetting()) &&
        !CorrectedClock(clockzone::kBeijingZone, solar, clock, message))
        return ErrorExit(2, message);

    CalDate lunar;
    bool isLeap = cal.SolarToLunar(solar, lunar);
    FourPillars p = PillarsOf(cal, clock.standard, clock.standard, false);
    std::printf("公历：%s %02d:%02d 星期%s\n", ChineseDate(solar).c_str(), solar.hour, solar.minute,
                sym::kWeekdayNames[cal.Weekday(solar)]);
    std::fputs(UnixLines(ClockNoteLine(clock)).c_str(), stdout);
    std::printf("农历：%d年%s\n", DisplayYear(lunar.year), LunarMonthDayText(cal, lunar, isLeap).c_str());
    std::printf("%s\n", TermLine(cal, solar).c_str());
    std::printf("四柱：%s年 %s月 %s日 %s时\n", sym::PillarName(p.year).c_str(), sym::PillarName(p.month).c_str(),
                sym::PillarName(p.day).c_str(), sym::PillarName(p.hour).c_str());
    return 0;
}

const CliRegistration reg{"day", kUsage, RunDay};

}  // namespace
