// marivo-cli reverse: the birth moments of four pillars, as the reverse
// search window finds them: the first at or after a start year, or every
// one up to AD 2100, from the start year when one is given and from 850 BC
// otherwise.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/output.h"
#include "engine/zones/clock_zone.h"
#include "tools/reverse_search.h"

namespace {

constexpr const char* kUsage = "reverse 年柱 月柱 日柱 时柱 [--from YEAR] [--all]";

// "1984-02-04 00:05", the year as users write it (a leading '-' BC); for a
// moment in a summer-time period the clock time follows:
// "1988-07-01 10:05 夏令时钟表 1988-07-01 11:05".
void PrintMoment(const CalDate& m) {
    auto print = [](const CalDate& d) {
        int year = DisplayYear(d.year);
        std::printf("%s%04d-%02d-%02d %02d:%02d", year < 0 ? "-" : "", year < 0 ? -year : year, d.month, d.day, d.hour,
                    d.minute);
    };
    print(m);
    const clockzone::ZoneClock clock = clockzone::ClockOfStandardTime(clockzone::kBeijingZone, m);
    if (clock.summerMinutes != 0) {
        std::printf(" 夏令时钟表 ");
        print(clock.clock);
    }
    std::printf("\n");
}

struct ReverseOptions {
    std::vector<std::string> names;
    std::string from = "1950";
    bool fromGiven = false;  // --from given: --all lists from that year
    bool all = false;
};

int RunReverse(const ReverseOptions& o) {
    const std::vector<std::string>& names = o.names;
    const std::string& from = o.from;
    const bool all = o.all, fromGiven = o.fromGiven;
    if (names.size() != 4) return UsageExit(kUsage);

    // The checks of the window, in its order.
    int typed = reverse::TypedYear(from);
    if (!reverse::StartYearAccepted(typed)) return ErrorExit(2, reverse::kStartYearMessage);
    reverse::StemBranch picked[4];
    for (int i = 0; i < 4; ++i) picked[i] = reverse::PickedByName(names[i]);
    reverse::PillarCheck check = reverse::CheckPillars(picked);
    if (check.failed >= 0) return ErrorExit(2, reverse::InvalidPillarMessage(check.failed));
    if (!reverse::StartYearSearchable(typed)) return ErrorExit(2, reverse::kStartYearMessage);

    CYiDate cal;
    std::vector<CalDate> found;
    if (all) {
        int start = fromGiven ? reverse::AstronomicalYear(typed) : reverse::kEarliestYear;
        found = reverse::AllMatches(cal, check.pillars, start);
    } else if (auto first = reverse::FirstMatch(cal, check.pillars, reverse::AstronomicalYear(typed))) {
        found.push_back(*first);
    }
    if (found.empty()) return ErrorExit(1, reverse::kNoMatchText);
    for (const CalDate& m : found) PrintMoment(m);
    return 0;
}

CommandRun DefineReverse(CLI::App& command) {
    auto o = std::make_shared<ReverseOptions>();
    command.add_option("pillars", o->names, "年柱、月柱、日柱、时柱，如 甲子 丙寅 戊午 壬子")->type_name("年柱 月柱 日柱 时柱");
    CLI::Option* from =
        command.add_option("--from", o->from, "从这一年起找第一个，默认 1950（公元前写负数）")->type_name("YEAR");
    command.add_flag("--all", o->all, "列出到2100年的每一个：给了 --from 从那一年起，否则从公元前850年起");
    return [o, from] {
        o->fromGiven = from->count() > 0;
        return RunReverse(*o);
    };
}

const CliRegistration reg{"reverse", kUsage, "四柱反推出生时刻", DefineReverse};

}  // namespace
