// marivo-cli days: a listing of consecutive days with their lunar dates and
// the four pillars at one clock time (standard time, late-子 option off).
// The listing walks day by day: the month and year pillars are looked up
// again only when a 节 is passed, and the output is written in large blocks.
#include <cstdio>
#include <memory>

#include <CLI/CLI.hpp>

#include "cli/calendar_io.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "engine/chart/pillars.h"
#include "engine/symbols/symbols.h"

namespace {

constexpr const char* kUsage = "days FROM TO [--time HH:MM] [--json]";

void AppendDay(std::string& out, CYiDate& cal, const CalDate& date, const FourPillars& p, bool json) {
    CalDate lunar;
    bool leap = cal.SolarToLunar(date, lunar);
    char line[256];
    if (json) {
        std::snprintf(line, sizeof line,
                      "{\"date\":\"%s\",\"lunar\":{\"year\":%d,\"month\":%d,\"day\":%d,\"leap\":%s},"
                      "\"pillars\":[%d,%d,%d,%d]}\n",
                      IsoDate(date).c_str(), lunar.year, lunar.month, lunar.day, leap ? "true" : "false", p.year,
                      p.month, p.day, p.hour);
    } else {
        std::snprintf(line, sizeof line, "%s 农历%d年%s %s年 %s月 %s日 %s时\n", ChineseDate(date).c_str(),
                      DisplayYear(lunar.year), LunarMonthDayText(cal, lunar, leap).c_str(),
                      sym::PillarName(p.year).c_str(), sym::PillarName(p.month).c_str(),
                      sym::PillarName(p.day).c_str(), sym::PillarName(p.hour).c_str());
    }
    out += line;
}

struct DaysOptions {
    std::vector<std::string> dates;
    std::string timeText = "12:00";
    bool json = false;
};

int RunDays(const DaysOptions& o) {
    CYiDate cal;
    const std::vector<std::string>& dates = o.dates;
    const std::string& timeText = o.timeText;
    const bool json = o.json;
    if (dates.size() != 2) return UsageExit(kUsage);
    CalDate from, to;
    std::string message;
    if (!ParseSolarDate(cal, dates[0], from, message) || !ParseSolarDate(cal, dates[1], to, message))
        return ErrorExit(2, message);
    if (!ParseTime(timeText, from)) return ErrorExit(2, "不存在这个时间");
    to.hour = from.hour, to.minute = from.minute;
    double jd = cal.DateToJulianDay(from), last = cal.DateToJulianDay(to);
    if (last < jd) return ErrorExit(2, "结束日期早于开始日期");

    std::string out;
    out.reserve(1 << 20);
    MonthPillar month{};
    FourPillars p{};
    CalDate date = from;
    for (bool first = true; jd <= last; jd += 1, first = false) {
        if (!first) cal.JulianDayToDate(jd, date);
        if (first || jd >= month.nextJieJd) {
            p.year = YearPillarOf(cal, date);
            month = MonthPillarOf(cal, date, p.year);
            p.month = month.pillar;
        }
        p.day = DayPillarOf(cal, date, false);
        p.hour = HourPillarOf(date.hour, p.day, false);
        AppendDay(out, cal, date, p, json);
        if (out.size() > (1 << 20) - 256) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

CommandRun DefineDays(CLI::App& command) {
    auto o = std::make_shared<DaysOptions>();
    command.add_option("dates", o->dates, "第一天 FROM 和最后一天 TO（公历）")->type_name("FROM TO");
    command.add_option("--time", o->timeText, "四柱所取的时刻，默认 12:00")->type_name("HH:MM");
    command.add_flag("--json", o->json, "每天一行 JSON（JSON Lines）");
    return [o] { return RunDays(*o); };
}

const CliRegistration reg{"days", kUsage, "从 FROM 到 TO 每一天的农历和四柱", DefineDays};

}  // namespace
