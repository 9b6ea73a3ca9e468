// marivo-cli day: one calendar day as readable Chinese text — its lunar date,
// weekday, the two solar terms of its month and the four pillars of a moment.
// A time given is a clock time of the mainland's clocks (summer time
// deducted) or standard time of 120° E, as --clock or else the settings
// file's "localclock" says.
#include <cstdio>
#include <optional>
#include <memory>
#include <CLI/CLI.hpp>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/program_folder.h"
#include "engine/chart/pillars.h"
#include "engine/symbols/symbols.h"
#include "engine/calendar/term_names.h"
#include "engine/zones/birth_clock.h"
#include "engine/base/file_util.h"
#include "engine/base/ini_file.h"

namespace {

constexpr const char* kUsage = "day YYYY-MM-DD [HH:MM] [--lunar [--leap]] [--clock local|standard]";

bool LocalClockSetting() {
    const IniDocument ini = IniDocument::Load(fileutil::Join(UserProgramFolder(), "dat/bzinit.ini"));
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

struct DayOptions {
    std::string dateText, timeText;
    bool lunarInput = false, leap = false;
    std::string clock;
};

int RunDay(const DayOptions& o) {
    CYiDate cal;
    const std::string &dateText = o.dateText, &timeText = o.timeText;
    const bool lunarInput = o.lunarInput, leap = o.leap;
    std::optional<bool> localClock;
    if (!o.clock.empty()) {
        bool local = false;
        if (!ParseClock(o.clock, local)) return UsageExit(kUsage);
        localClock = local;
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

CommandRun DefineDay(CLI::App& command) {
    auto o = std::make_shared<DayOptions>();
    command.add_option("date", o->dateText, "公历日期（公元前的年份写负数，如 -120-03-01）")->type_name("YYYY-MM-DD");
    command.add_option("time", o->timeText, "时刻，默认 12:00")->type_name("HH:MM");
    command.add_flag("--lunar", o->lunarInput, "日期是农历");
    command.add_flag("--leap", o->leap, "农历闰月（与 --lunar 一起用）");
    command.add_option("--clock", o->clock, "local：时刻按当地钟表时间（扣除夏令时）；standard：按北京时间；"
                                            "默认依设置文件")->type_name("local|standard");
    return [o] { return RunDay(*o); };
}

const CliRegistration reg{"day", kUsage, "一天的公历、农历、星期、当月两个节气和四柱", DefineDay};

}  // namespace
